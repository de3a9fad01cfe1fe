#include "records/historico.h"

#include "model/mundo.h"

namespace tarvello {

void registracampanha(Mundo& m, int time, int resultado, int competicao, int detalhe) {
    if (time < 0) return;
    m.resultadosclubes.push_back({time, m.estado.temporada, competicao, resultado, detalhe});
}

void registracolocado(Mundo& m, int competicao, int time, int regiao, int lugar, int divisao) {
    if (time < 0) return;
    m.historicocolocados.push_back({m.estado.temporada, competicao, time, regiao, divisao, lugar});
}

void registratitulotecnico(Mundo& m, int competicao, int time, int tecnico, int regiao, int lugar, int divisao) {
    if (time < 0) return;
    m.historicotecnicos.push_back({m.estado.temporada, competicao, time, tecnico, divisao, lugar, regiao});
}

int colocado(const Mundo& m, int regiao, int lugar, int temporada, int divisao, int competicao) {
    for (auto it = m.historicocolocados.rbegin(); it != m.historicocolocados.rend(); ++it)
        if (it->temporada == temporada && it->competicao == competicao && it->regiao == regiao &&
            it->colocacao == lugar && it->divisao == divisao)
            return it->time;
    return -1;
}

int campeao(const Mundo& m, int competicao, int regiao, int temporada) {
    for (auto it = m.historicocolocados.rbegin(); it != m.historicocolocados.rend(); ++it)
        if (it->temporada == temporada && it->competicao == competicao && it->regiao == regiao &&
            it->colocacao == 1)
            return it->time;
    return -1;
}

}  // namespace tarvello
