#include "club/avenda.h"

#include <utility>
#include <vector>

#include "model/tipos.h"

namespace tarvello {

void colocaavenda(Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return;
    std::vector<int> lista = elenco(m, time);
    for (size_t k = lista.size(); k > 1; --k) {
        const size_t r = static_cast<size_t>(m.sorteia(static_cast<int>(k)));
        std::swap(lista[k - 1], lista[r]);
    }
    int porposicao[kNumPosicoes] = {};
    for (int j : lista)
        if (posicaovalida(m.jogadores[j].posicaooriginal)) ++porposicao[m.jogadores[j].posicaooriginal];
    constexpr int limite[kNumPosicoes] = {2, 3, 3, 5, 4};
    for (int pos = 0; pos < kNumPosicoes; ++pos) {
        if (porposicao[pos] <= limite[pos]) continue;
        for (int idx : lista) {
            TJogador& j = m.jogadores[idx];
            if (j.posicaooriginal != pos || j.estrela || j.escalacao == 1) continue;
            j.avenda = 1;
            j.precovenda = j.passe;
            if (pos != kGoleiro && j.forca < 40) {
                const int chance = pos == kMeioCampo ? 59 : 69;
                if (m.sorteia(100) < chance) j.emprestado = 1;  // available for loan
            }
            break;
        }
    }
}

}  // namespace tarvello
