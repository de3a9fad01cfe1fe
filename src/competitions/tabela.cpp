#include "competitions/tabela.h"

#include <algorithm>
#include <tuple>

#include "model/mundo.h"

namespace tarvello {

std::vector<TLinhaTabela> ordenatabela(const Mundo& m, const std::vector<int>& times, int competicao) {
    std::vector<TLinhaTabela> linhas;
    if (competicao < 0 || competicao >= kNumCompeticoes) return linhas;
    for (int t : times) {
        if (t < 0 || t >= static_cast<int>(m.times.size())) continue;
        const TTime& c = m.times[t];
        TLinhaTabela l;
        l.time = t;
        l.pontos = c.pontos[competicao];
        l.jogos = c.jogos[competicao];
        l.vitorias = c.vitorias[competicao];
        l.derrotas = c.derrotas[competicao];
        l.empates = l.jogos - l.vitorias - l.derrotas;
        l.golspro = c.golspro[competicao];
        l.golscontra = c.golscontra[competicao];
        l.saldo = l.golspro - l.golscontra;
        linhas.push_back(l);
    }
    auto chave = [](const TLinhaTabela& l) { return std::make_tuple(l.pontos, l.vitorias, l.saldo, l.golspro); };
    std::stable_sort(linhas.begin(), linhas.end(),
                     [&](const TLinhaTabela& a, const TLinhaTabela& b) { return chave(a) > chave(b); });
    for (size_t i = 0; i < linhas.size(); ++i)
        if (i == 0 || chave(linhas[i]) != chave(linhas[i - 1]))
            linhas[i].rotulo = std::to_string(i + 1) + "º";
    return linhas;
}

}  // namespace tarvello
