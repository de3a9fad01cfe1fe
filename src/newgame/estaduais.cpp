#include "newgame/estaduais.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/tipos.h"

namespace tarvello {

int gruposestaduais(int n) {
    if (n >= 24) return 4;
    if (n >= 18) return 3;
    if (n >= 12) return 2;
    if (n >= 6) return 1;
    return 0;
}

void montaestaduais(Mundo& m) {
    const int n = static_cast<int>(m.times.size());
    std::array<std::vector<int>, kNumEstados> clubes;
    for (int c = 0; c < n; ++c) {
        const TTime& t = m.times[c];
        if (t.pais == kBrasil && estadovalido(t.estado)) clubes[t.estado].push_back(c);
    }

    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        e = TEstadual{};
        for (auto& g : e.grupos) std::fill(std::begin(g), std::end(g), -1);
        e.finalista1 = e.finalista2 = -1;
        e.numgrupos = gruposestaduais(static_cast<int>(clubes[s].size()));
    }

    struct Entrada {
        int time, nivel, chave;
    };
    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        if (e.numgrupos < 1) continue;
        e.temestadual = 1;
        std::vector<Entrada> lista;
        for (int c : clubes[s]) lista.push_back({c, m.times[c].nivel, m.sorteia(100)});
        std::stable_sort(lista.begin(), lista.end(), [](const Entrada& a, const Entrada& b) {
            if (a.nivel != b.nivel) return a.nivel > b.nivel;
            return a.chave < b.chave;
        });
        // Full groups, then whatever follows in one more group (at most the fifth).
        const int cabem = std::min<int>(static_cast<int>(lista.size()), std::min(e.numgrupos + 1, 5) * 6);
        for (int i = 0; i < cabem; ++i) e.grupos[i / 6][i % 6] = lista[i].time;
        // A state of 30 clubs or more fills the fifth group too; the weakest beyond it stay out.
        // A full fifth group counts as a full group, so its matches are scheduled like the others.
        if (cabem == 5 * 6) e.numgrupos = 5;
    }

    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        if (!e.temestadual) continue;
        for (int g = 0; g < std::min(e.numgrupos + 1, 5); ++g) {
            for (int k = 0; k < 6; ++k) {
                const int r = m.sorteia(6);
                if (e.grupos[g][k] >= 0 && e.grupos[g][r] >= 0) std::swap(e.grupos[g][k], e.grupos[g][r]);
            }
        }
    }

    bool algum = false;
    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        if (!e.temestadual) continue;
        algum = true;
        for (int g = 0; g < 5; ++g) {
            for (int k = 0; k < 6; ++k) {
                const int c = e.grupos[g][k];
                if (c < 0 || c >= n) continue;
                m.times[c].grupoestadual = g + 1;
                m.times[c].noestadual = 1;
                if (m.times[c].humano) e.temhumano = 1;
            }
        }
    }
    if (!algum) m.estado.ckestadual = 0;
}

}  // namespace tarvello
