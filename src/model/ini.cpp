#include "model/ini.h"

#include "model/texto.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace tarvello {
namespace {

// An options file is a few hundred bytes; anything far larger is not one of ours.
constexpr std::uintmax_t kTamanhoMaximo = 1 << 20;

std::string_view apara(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

struct Conteudo {
    std::vector<std::string> linhas;  // without line ends
    bool crlf = false;
};

std::optional<Conteudo> le(const std::filesystem::path& arquivo) {
    std::error_code ec;
    const auto tamanho = std::filesystem::file_size(arquivo, ec);
    if (ec || tamanho > kTamanhoMaximo) return std::nullopt;
    std::ifstream f(arquivo, std::ios::binary);
    if (!f) return std::nullopt;
    std::stringstream ss;
    ss << f.rdbuf();
    const std::string texto = ss.str();
    Conteudo c;
    size_t i = 0;
    while (i < texto.size()) {
        size_t j = texto.find('\n', i);
        if (j == std::string::npos) j = texto.size();
        std::string linha = texto.substr(i, j - i);
        if (!linha.empty() && linha.back() == '\r') {
            linha.pop_back();
            c.crlf = true;
        }
        c.linhas.push_back(std::move(linha));
        i = j + 1;
    }
    return c;
}

// "[nome]" -> nome; anything else -> nullopt.
std::optional<std::string_view> secaodalinha(std::string_view linha) {
    linha = apara(linha);
    if (linha.size() < 2 || linha.front() != '[') return std::nullopt;
    const size_t fim = linha.find(']');
    if (fim == std::string_view::npos) return std::nullopt;
    return apara(linha.substr(1, fim - 1));
}

// "chave=valor" -> chave (comments and lines without '=' have none).
std::optional<std::string_view> chavedalinha(std::string_view linha) {
    const std::string_view a = apara(linha);
    if (a.empty() || a.front() == ';' || a.front() == '#') return std::nullopt;
    const size_t igual = linha.find('=');
    if (igual == std::string_view::npos) return std::nullopt;
    return apara(linha.substr(0, igual));
}

}  // namespace

std::optional<std::string> leini(const std::filesystem::path& arquivo, std::string_view secao,
                                 std::string_view chave) {
    const auto c = le(arquivo);
    if (!c) return std::nullopt;
    bool dentro = false;
    for (const std::string& linha : c->linhas) {
        if (auto s = secaodalinha(linha)) {
            dentro = iguaissemcaixa(*s, secao);
            continue;
        }
        if (!dentro) continue;
        auto k = chavedalinha(linha);
        if (k && iguaissemcaixa(*k, chave)) {
            const std::string_view l = linha;
            return std::string(apara(l.substr(l.find('=') + 1)));
        }
    }
    return std::nullopt;
}

bool gravaini(const std::filesystem::path& arquivo, std::string_view secao, std::string_view chave,
              std::string_view valor) {
    Conteudo c;
    std::error_code ec;
    if (std::filesystem::exists(arquivo, ec)) {
        auto lido = le(arquivo);
        if (!lido) return false;  // never replace a file we could not read
        c = std::move(*lido);
        while (!c.linhas.empty() && c.linhas.back().empty()) c.linhas.pop_back();
    }
    const std::string nova = std::string(chave) + "=" + std::string(valor);
    bool dentro = false;
    bool feito = false;
    std::optional<size_t> fimsecao;  // index after the last non-empty line of the section
    for (size_t i = 0; i < c.linhas.size() && !feito; ++i) {
        if (auto s = secaodalinha(c.linhas[i])) {
            dentro = iguaissemcaixa(*s, secao);
            if (dentro) fimsecao = i + 1;
            continue;
        }
        if (!dentro) continue;
        if (!apara(c.linhas[i]).empty()) fimsecao = i + 1;
        auto k = chavedalinha(c.linhas[i]);
        if (k && iguaissemcaixa(*k, chave)) {
            c.linhas[i] = nova;
            feito = true;
        }
    }
    if (!feito) {
        if (fimsecao) {
            c.linhas.insert(c.linhas.begin() + static_cast<std::ptrdiff_t>(*fimsecao), nova);
        } else {
            c.linhas.push_back("[" + std::string(secao) + "]");
            c.linhas.push_back(nova);
        }
    }
    const char* fimlinha = c.crlf ? "\r\n" : "\n";
    std::string texto;
    for (const std::string& l : c.linhas) texto += l + fimlinha;

    std::filesystem::path temporario = arquivo;
    temporario += ".tmp";
    {
        std::ofstream f(temporario, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f.write(texto.data(), static_cast<std::streamsize>(texto.size()));
        f.close();
        if (!f) {
            std::filesystem::remove(temporario, ec);
            return false;
        }
    }
    std::filesystem::rename(temporario, arquivo, ec);
    if (ec) {
        std::filesystem::remove(temporario, ec);
        return false;
    }
    return true;
}

}  // namespace tarvello
