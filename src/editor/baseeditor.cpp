#include "editor/baseeditor.h"

#include <cctype>

namespace tarvello {
namespace fs = std::filesystem;

int contaarquivostimes(const fs::path& raiz) {
    return static_cast<int>(listaentradas(pastatimes(raiz), ".b08", true).size());
}

BaseEditor carregatimes(const fs::path& raiz, const ProgressoEditor& progresso, std::vector<std::string>* erros) {
    BaseEditor b;
    b.raiz = raiz;
    const fs::path pasta = pastatimes(raiz);
    const auto nomes = listaentradas(pasta, ".b08", false);
    b.clubes.reserve(nomes.size());
    int lidos = 0;
    for (const auto& nome : nomes) {
        auto c = lerclube(pasta / nome);
        if (c) {
            TClubeEditor e;
            e.dados = *c;
            e.nomearquivo = nome;
            // The header names its file without the extension, cut to what the field holds;
            // the real name above is what the editor writes to.
            e.dados.cabecalho.arquivo.define(nome.substr(0, nome.size() - 4));
            b.clubes.push_back(std::move(e));
        } else if (erros) {
            erros->push_back(c.erro);
        }
        ++lidos;
        if (progresso) progresso(lidos);
    }
    for (const auto& s : lerselecoes(raiz, erros)) b.selecoes[static_cast<size_t>(s.pais)] = s;
    return b;
}

std::vector<int> clubeslistados(const BaseEditor& b) {
    std::vector<int> v;
    for (size_t i = 0; i < b.clubes.size(); ++i)
        if (!b.clubes[i].excluido && b.clubes[i].dados.cabecalho.versao == kVersaoArquivo)
            v.push_back(static_cast<int>(i));
    return v;
}

bool selecaoemuso(const BaseEditor& b, int pais) {
    return pais >= 0 && pais < kPersonalizado && !b.selecoes[static_cast<size_t>(pais)].tecnico.vazio();
}

std::vector<int> selecoesemuso(const BaseEditor& b) {
    std::vector<int> v;
    for (int p = 0; p < kPersonalizado; ++p)
        if (selecaoemuso(b, p)) v.push_back(p);
    return v;
}

bool clubevalido(const BaseEditor& b, int clube) {
    return clube >= 0 && clube < static_cast<int>(b.clubes.size()) && !b.clubes[static_cast<size_t>(clube)].excluido;
}

fs::path arquivodoclube(const BaseEditor& b, int clube) {
    return pastatimes(b.raiz) / b.clubes[static_cast<size_t>(clube)].nomearquivo;
}

std::string salvaclube(BaseEditor& b, int clube, TArquivoClube novo) {
    if (!clubevalido(b, clube)) return "Clube inexistente";
    if (auto erro = gravaclube(arquivodoclube(b, clube), novo); !erro.empty()) return erro;
    b.clubes[static_cast<size_t>(clube)].dados = novo;
    return {};
}

std::string salvaselecao(BaseEditor& b, TSelecao novo) {
    if (auto erro = selecaosalvar(b.raiz, novo); !erro.empty()) return erro;
    b.selecoes[static_cast<size_t>(novo.pais)] = novo;
    return {};
}

std::vector<int> paiseseditor() {
    std::vector<int> v;
    for (int p = 0; p < kPersonalizado; ++p) v.push_back(p);
    return v;
}

namespace {

// First letter of a country name without its accent, upper case ('?' when none).
char iniciadopais(std::string_view nome) {
    if (nome.empty()) return '?';
    const auto c = static_cast<unsigned char>(nome[0]);
    if (c < 0x80) return static_cast<char>(std::toupper(c));
    // Two-byte UTF-8 Latin-1 letters: fold the accented capitals the country names begin with.
    if (c == 0xC3 && nome.size() > 1) {
        const auto d = static_cast<unsigned char>(nome[1]) | 0x40;  // code point 0xC0..0xFF
        if (d >= 0xC0 && d <= 0xC5) return 'A';
        if (d >= 0xC8 && d <= 0xCB) return 'E';
        if (d >= 0xCC && d <= 0xCF) return 'I';
        if (d >= 0xD2 && d <= 0xD6) return 'O';
        if (d >= 0xD9 && d <= 0xDC) return 'U';
    }
    return '?';
}

}  // namespace

int paisdaletra(const std::vector<int>& paises, char letra) {
    const char l = static_cast<char>(std::toupper(static_cast<unsigned char>(letra)));
    for (int p : paises) {
        const std::string_view nome = nomepais(p);
        if (iniciadopais(nome) != l) continue;
        if (l == 'M' && (nome.size() < 2 || (nome[1] != 'a' && nome[1] != 'A'))) continue;
        return p;
    }
    return -1;
}

}  // namespace tarvello
