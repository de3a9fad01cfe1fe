#include "competitions/jogosdatemporada.h"

#include <algorithm>

#include "competitions/calendario.h"
#include "competitions/torneio.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

void montajogosdatemporada(Mundo& m) {
    const int ligas = static_cast<int>(m.ligas.size());
    for (int l = 0; l < ligas; ++l) montajogos(m, kLiga, l);
    if (m.estado.ckestadual)
        for (int s = 0; s < kNumEstados; ++s)
            if (m.estaduais[static_cast<size_t>(s)].temestadual) montajogos(m, kEstadual, s);
    if (m.estado.ckcopa)
        for (int l = 0; l < ligas; ++l) montajogos(m, kCopaNacional, l);
    if (const int torneio = torneiodatemporada(m)) montajogos(m, torneio, -1);
}

std::vector<int> jogosdoclube(const Mundo& m, int time, int competicao) {
    std::vector<int> r;
    if (time < 0) return r;
    for (size_t i = 0; i < m.partidas.size(); ++i) {
        const TPartida& p = m.partidas[i];
        if (p.mandante != time && p.visitante != time) continue;
        if (competicao >= 0 && p.competicao != competicao) continue;
        r.push_back(static_cast<int>(i));
    }
    std::stable_sort(r.begin(), r.end(), [&](int a, int b) {
        return m.partidas[static_cast<size_t>(a)].data < m.partidas[static_cast<size_t>(b)].data;
    });
    return r;
}

}  // namespace tarvello
