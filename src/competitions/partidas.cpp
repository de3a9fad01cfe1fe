#include "competitions/partidas.h"

#include "model/mundo.h"

namespace tarvello {

void adicionajogo(Mundo& m, int mandante, int visitante, int rodada, double data, int chave, int turno, int liga,
                  int competicao) {
    TPartida p{};
    p.mandante = mandante;
    p.visitante = visitante;
    p.competicao = competicao;
    p.rodada = rodada;
    p.turno = turno;
    p.chave = chave;
    p.data = data;
    p.liga = liga;
    m.partidas.push_back(p);
}

int procurajogo(const Mundo& m, int liga, int competicao, int rodada) {
    for (size_t i = 0; i < m.partidas.size(); ++i) {
        const TPartida& p = m.partidas[i];
        if (p.liga == liga && p.competicao == competicao && p.rodada == rodada) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace tarvello
