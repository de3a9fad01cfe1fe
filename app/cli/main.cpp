// tarvello-cli: the headless tool. Scripts, benchmarks and soak tests drive the game through it.
#include <cstdio>
#include <exception>
#include <iostream>

#include "comandos.h"

namespace tarvello::cli {

std::map<std::string, Comando>& registro() {
    static std::map<std::string, Comando> r;
    return r;
}

Argumentos::Argumentos(int argc, char** argv, int inicio) {
    for (int i = inicio; i < argc; ++i) {
        std::string a = argv[i];
        if (a.rfind("--", 0) != 0) throw std::runtime_error("argumento inesperado: " + a);
        a = a.substr(2);
        if (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0) {
            itens_[a] = std::string(argv[++i]);
        } else {
            itens_[a] = std::nullopt;
        }
    }
}

bool Argumentos::tem(const std::string& chave) const { return itens_.count(chave) > 0; }

std::optional<std::string> Argumentos::valor(const std::string& chave) const {
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
    if (!v) return padrao;
    try {
        size_t pos = 0;
        long long n = std::stoll(*v, &pos);
        if (pos != v->size()) throw std::invalid_argument("");
        return n;
    } catch (const std::exception&) {
        throw std::runtime_error("valor inválido para --" + chave + ": " + *v);
    }
}

std::vector<int> Argumentos::listainteiros(const std::string& chave) const {
    std::vector<int> r;
    auto v = valor(chave);
    if (!v) return r;
    size_t i = 0;
    while (i <= v->size()) {
        size_t j = v->find(',', i);
        if (j == std::string::npos) j = v->size();
        const std::string parte = v->substr(i, j - i);
        if (!parte.empty()) {
            try {
                size_t pos = 0;
                int n = std::stoi(parte, &pos);
                if (pos != parte.size()) throw std::invalid_argument("");
                r.push_back(n);
            } catch (const std::exception&) {
                throw std::runtime_error("lista inválida para --" + chave + ": " + *v);
            }
        }
        i = j + 1;
    }
    return r;
}

}  // namespace tarvello::cli

int main(int argc, char** argv) {
    using namespace tarvello::cli;
    auto uso = [] {
        std::fprintf(stderr, "uso: tarvello-cli <comando> [opções]\n\ncomandos:\n");
        for (const auto& [nome, c] : registro()) std::fprintf(stderr, "  %s\n", c.uso.c_str());
    };
    if (argc < 2) {
        uso();
        return 2;
    }
    auto it = registro().find(argv[1]);
    if (it == registro().end()) {
        std::fprintf(stderr, "comando desconhecido: %s\n\n", argv[1]);
        uso();
        return 2;
    }
    try {
        Argumentos args(argc, argv, 2);
        return it->second.funcao(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "erro: %s\n", e.what());
        return 1;
    }
}
