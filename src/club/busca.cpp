#include "club/busca.h"

#include <limits>

#include "club/transferencias.h"
#include "model/mundo.h"
#include "model/texto.h"

namespace tarvello {
namespace {

// Lower case of ASCII and of the Latin-1 letters as UTF-8 (the accented capitals of names).
std::string minusculas(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            r += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < s.size()) {
            unsigned char d = static_cast<unsigned char>(s[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) d = static_cast<unsigned char>(d + 0x20);
            r += static_cast<char>(c);
            r += static_cast<char>(d);
            ++i;
        } else {
            r += static_cast<char>(c);
        }
    }
    return r;
}

bool nafaixa(int v, int de, int ate) { return v >= de && v <= ate; }

}  // namespace

TFaixa faixavalor(int faixa) {
    // Every value from 0 up falls in exactly one band; "Qualquer" takes them all.
    static constexpr TFaixa kFaixas[kFaixasValor] = {
        {0, 100001},           {100001, 500001},     {500001, 1000001},    {1000001, 3000001},
        {3000001, 5000001},    {5000001, 10000001},  {10000001, std::numeric_limits<int64_t>::max()},
        {std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()},
    };
    if (faixa < 0 || faixa >= kFaixasValor) faixa = kFaixasValor - 1;
    return kFaixas[faixa];
}

std::vector<int> buscajogadores(const Mundo& m, const TFiltroBusca& f) {
    std::vector<int> r;
    const std::string prefixo = minusculas(f.nome);
    const int reais = numclubesreais(m);
    const TFaixa valor = faixavalor(f.valor);
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        const TJogador& j = m.jogadores[i];
        if (j.time < 0 || j.time >= reais) continue;
        if (f.posicao >= 0 && j.posicaooriginal != f.posicao) continue;
        switch (f.forca) {
            case 0: if (!nafaixa(j.forca, 1, 10)) continue; break;
            case 1: if (!nafaixa(j.forca, 11, 30)) continue; break;
            case 2: if (!nafaixa(j.forca, 31, 50)) continue; break;
            case 3: if (!nafaixa(j.forca, 51, 101)) continue; break;
            default: break;
        }
        switch (f.idade) {
            case 0: if (!nafaixa(j.idade, 15, 25)) continue; break;
            case 1: if (!nafaixa(j.idade, 26, 36)) continue; break;
            case 2: if (j.idade < 37) continue; break;
            default: break;
        }
        if (j.passe < valor.de || j.passe >= valor.ate) continue;
        if (f.habilidade1 >= 0 && j.habilidade1 != f.habilidade1) continue;
        if (f.habilidade2 >= 0 && j.habilidade2 != f.habilidade2) continue;
        if (f.nacionalidade >= 0 && j.pais != f.nacionalidade) continue;
        if (f.pais >= 0 && m.times[static_cast<size_t>(j.time)].pais != f.pais) continue;
        if (f.soavenda && !j.avenda) continue;
        if (f.soestrelas && !j.estrela) continue;
        if (!prefixo.empty() && minusculas(j.nome.utf8()).rfind(prefixo, 0) != 0) continue;
        r.push_back(static_cast<int>(i));
    }
    return r;
}

std::string textoencontrados(size_t n) {
    return n == 0 ? "Nenhum jogador encontrado" : std::to_string(n) + " jogadores encontrados";
}

}  // namespace tarvello
