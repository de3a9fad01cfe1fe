#include "season/tecnico.h"

#include <algorithm>

#include "model/mundo.h"

namespace tarvello {

void registratecnico(Mundo& m, int tecnico, int valor, std::string_view codigo) {
    if (tecnico < 0 || tecnico >= static_cast<int>(m.tecnicos.size())) return;
    TTecnico& t = m.tecnicos[tecnico];
    // Same season slots as the players' careers: the season number, 10 from the tenth on.
    const int s = std::clamp(m.estado.temporada, 1, 10);
    if (codigo == "j") {
        ++t.jogos[0];
        ++t.jogos[s];
        if (t.carencia > 0) --t.carencia;
    } else if (codigo == "v") {
        ++t.vitorias[0];
        ++t.vitorias[s];
    } else if (codigo == "d") {
        ++t.derrotas[0];
        ++t.derrotas[s];
    } else if (codigo == "t") {
        ++t.titulos[0];
        ++t.titulos[s];
    } else if (codigo == "pr") {
        t.pontosranking += valor;
        t.pontosporano[s] += valor;
        if (m.estado.competicaoatual != kEstadual) t.pontosrankingsemestadual += valor;
    } else if (codigo == "time") {
        for (auto& c : t.clubes[s - 1]) {
            if (c == -1) {
                c = valor;
                break;
            }
        }
    }
}

int tecnicodo(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return -1;
    const int t = m.times[time].tecnico;
    return t >= 0 && t < static_cast<int>(m.tecnicos.size()) ? t : -1;
}

}  // namespace tarvello
