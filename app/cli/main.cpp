// tarvello-cli: the headless tool. Scripts, benchmarks and soak tests drive the game through it.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

#include "comandos.h"

namespace tarvello::cli {

std::map<std::string, Comando>& registro() {
    static std::map<std::string, Comando> r;
    return r;
}

Opcao opcaodados() { return {"dados", TipoOpcao::Texto, "DIR", "pasta dos dados (a que contém teams/)", 0, 0, true}; }
Opcao opcaojson() { return {"json", TipoOpcao::Bandeira, "", "saída em JSON"}; }
Opcao opcaosemente() {
    return {"semente", TipoOpcao::Inteiro, "N", "semente do gerador aleatório", 0, 9'000'000'000'000'000'000LL};
}
Opcao opcaosistema() { return {"sistema", TipoOpcao::Inteiro, "10|20", "times por divisão", 10, 20}; }

void imprimeavisos(const std::vector<std::string>& avisos) {
    for (const std::string& a : avisos) std::fprintf(stderr, "aviso: %s\n", a.c_str());
}

namespace {

// A whole decimal number, or nothing.
std::optional<long long> numero(const std::string& t) {
    if (t.empty()) return std::nullopt;
    try {
        size_t pos = 0;
        const long long n = std::stoll(t, &pos, 10);
        if (pos != t.size()) return std::nullopt;
        return n;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void conferenumero(const Opcao& o, const std::string& t, const std::string& inteiro) {
    const auto n = numero(t);
    if (!n) throw ErroUso("valor inválido para --" + o.nome + ": \"" + inteiro + "\" não é um número inteiro");
    if (*n < o.minimo || *n > o.maximo)
        throw ErroUso("valor fora da faixa para --" + o.nome + ": " + t + " (de " + std::to_string(o.minimo) +
                      " a " + std::to_string(o.maximo) + ")");
}

}  // namespace

Argumentos::Argumentos(const Comando& comando, const std::vector<std::string>& args) : comando_(comando) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0 || a.size() == 2) throw ErroUso("argumento inesperado: " + a);
        const std::string chave = a.substr(2);
        const Opcao* o = nullptr;
        for (const Opcao& x : comando.opcoes)
            if (x.nome == chave) o = &x;
        if (!o) throw ErroUso("opção desconhecida para " + comando.nome + ": " + a);
        if (itens_.count(chave)) throw ErroUso("opção repetida: " + a);
        if (o->tipo == TipoOpcao::Bandeira) {
            itens_[chave] = std::nullopt;
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) throw ErroUso("falta o valor de " + a);
        const std::string& v = args[++i];
        if (o->tipo == TipoOpcao::Inteiro) conferenumero(*o, v, v);
        if (o->tipo == TipoOpcao::Lista) {
            size_t ini = 0;
            while (true) {
                const size_t fim = std::min(v.find(',', ini), v.size());
                conferenumero(*o, v.substr(ini, fim - ini), v);
                if (fim == v.size()) break;
                ini = fim + 1;
            }
        }
        if (o->tipo == TipoOpcao::Texto && v.empty()) throw ErroUso("valor vazio para " + a);
        itens_[chave] = v;
    }
    for (const Opcao& o : comando.opcoes)
        if (o.obrigatoria && !itens_.count(o.nome)) throw ErroUso("informe --" + o.nome + " " + o.valor);
    for (const auto& [x, y] : comando.conflitos)
        if (itens_.count(x) && itens_.count(y)) throw ErroUso("--" + x + " e --" + y + " não podem ser usadas juntas");
}

const Opcao& Argumentos::declarada(const std::string& chave) const {
    for (const Opcao& o : comando_.opcoes)
        if (o.nome == chave) return o;
    // A command asking for an option it did not declare is a fault of the tool itself.
    throw std::logic_error("opção não declarada pelo comando " + comando_.nome + ": --" + chave);
}

bool Argumentos::tem(const std::string& chave) const {
    declarada(chave);
    return itens_.count(chave) > 0;
}

std::optional<std::string> Argumentos::valor(const std::string& chave) const {
    declarada(chave);
    auto it = itens_.find(chave);
    if (it == itens_.end()) return std::nullopt;
    return it->second;
}

std::string Argumentos::texto(const std::string& chave, const std::string& padrao) const {
    auto v = valor(chave);
    return v ? *v : padrao;
}

long long Argumentos::inteiro(const std::string& chave, long long padrao) const {
    auto v = valor(chave);
    return v ? *numero(*v) : padrao;
}

std::vector<int> Argumentos::listainteiros(const std::string& chave) const {
    std::vector<int> r;
    auto v = valor(chave);
    if (!v) return r;
    size_t ini = 0;
    while (true) {
        const size_t fim = std::min(v->find(',', ini), v->size());
        r.push_back(static_cast<int>(*numero(v->substr(ini, fim - ini))));
        if (fim == v->size()) break;
        ini = fim + 1;
    }
    return r;
}

}  // namespace tarvello::cli

namespace {

using namespace tarvello::cli;

void listacomandos(FILE* f) {
    std::fprintf(f, "uso: tarvello-cli <comando> [opções]\n\ncomandos:\n");
    for (const auto& [nome, c] : registro()) std::fprintf(f, "  %-12s %s\n", nome.c_str(), c.resumo.c_str());
    std::fprintf(f, "\n\"tarvello-cli <comando> --help\" mostra as opções de um comando.\n");
}

void ajudacomando(const Comando& c) {
    std::string linha = "uso: tarvello-cli " + c.nome;
    for (const Opcao& o : c.opcoes) {
        std::string item = "--" + o.nome + (o.valor.empty() ? "" : " " + o.valor);
        linha += o.obrigatoria ? " " + item : " [" + item + "]";
    }
    std::printf("%s\n\n%s\n", linha.c_str(), c.resumo.c_str());
    if (!c.opcoes.empty()) std::printf("\nopções:\n");
    for (const Opcao& o : c.opcoes) {
        const std::string item = "--" + o.nome + (o.valor.empty() ? "" : " " + o.valor);
        std::printf("  %-26s %s%s\n", item.c_str(), o.ajuda.c_str(), o.obrigatoria ? " (obrigatória)" : "");
    }
    for (const auto& [x, y] : c.conflitos) std::printf("\n--%s e --%s não podem ser usadas juntas.\n", x.c_str(), y.c_str());
}

int executa(int argc, char** argv) {
    if (argc < 2) {
        listacomandos(stderr);
        return 2;
    }
    const std::string primeiro = argv[1];
    if (primeiro == "--help" || primeiro == "-h" || primeiro == "help") {
        if (argc == 2) {
            listacomandos(stdout);
            return 0;
        }
        auto it = registro().find(argv[2]);
        if (argc > 3 || it == registro().end()) {
            std::fprintf(stderr, "erro: comando desconhecido: %s\n", argv[2]);
            return 2;
        }
        ajudacomando(it->second);
        return 0;
    }
    auto it = registro().find(primeiro);
    if (it == registro().end()) {
        std::fprintf(stderr, "erro: comando desconhecido: %s\n\n", primeiro.c_str());
        listacomandos(stderr);
        return 2;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        ajudacomando(it->second);
        return 0;
    }
    try {
        const Argumentos a(it->second, args);
        return it->second.funcao(a);
    } catch (const ErroUso& e) {
        std::fprintf(stderr, "erro: %s\n(\"tarvello-cli %s --help\" mostra as opções)\n", e.what(), primeiro.c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "erro: %s\n", e.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe must be an error the tool reports, not a silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    const int codigo = executa(argc, argv);
    // Nothing counts as done until the output has really been written.
    std::cout.flush();
    const bool falhou = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
    if (falhou) {
        std::fprintf(stderr, "erro: não foi possível escrever a saída: %s\n", std::strerror(errno ? errno : EIO));
        return codigo != 0 ? codigo : 1;
    }
    return codigo;
}
