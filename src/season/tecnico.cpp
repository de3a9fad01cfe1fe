#include "season/tecnico.h"

#include <algorithm>

#include "club/emprestimos.h"
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

void contrata(Mundo& m, int time, int tecnico) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return;
    if (tecnico < 0 || tecnico >= static_cast<int>(m.tecnicos.size())) return;
    TTime& k = m.times[time];
    TTecnico& t = m.tecnicos[tecnico];
    // The coach who leaves takes his loans with him: the loaned players go back.
    encerraemprestimosdoclube(m, time);
    k.tecnico = tecnico;
    t.time = time;
    t.empregado = 1;
    t.carencia = 5;
    registratecnico(m, tecnico, time, "time");
    k.confiancadiretoria = 100;
    k.confiancatorcida = 80;
    if (time < static_cast<int>(m.financas.size())) m.financas[time].emprestimo = 0;
    const int d = std::clamp(k.divisao, 0, 4);
    for (int s = 0; s < 4; ++s) k.precoingresso[s] = m.precospadrao[static_cast<size_t>(d)][static_cast<size_t>(s)];
    switch (k.divisao) {
        case 1: k.dinheiro = 6000000 + m.sorteia(2000000); break;
        case 2: k.dinheiro = 4000000 + m.sorteia(1000000); break;
        case 3: k.dinheiro = 2000000 + m.sorteia(1000000); break;
        case 4: k.dinheiro = 1000000 + m.sorteia(500000); break;
        default: k.dinheiro = 500000 + m.sorteia(200000); break;
    }
}

int tecnicodo(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return -1;
    const int t = m.times[time].tecnico;
    return t >= 0 && t < static_cast<int>(m.tecnicos.size()) ? t : -1;
}

}  // namespace tarvello
