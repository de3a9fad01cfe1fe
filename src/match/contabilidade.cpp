#include "match/contabilidade.h"

#include "model/mundo.h"
#include "news/mensagens.h"
#include "season/tecnico.h"

namespace tarvello {
namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

int divisao(const Mundo& m, int t) { return m.times[t].divisao; }

// Entry d (1-based) of a table of prestige by division or group, 0 outside it.
template <int N>
int portabela(const int (&tabela)[N], int d) {
    return d >= 1 && d <= N ? tabela[d - 1] : 0;
}

void premia(Mundo& m, int time, int pontos) {
    if (pontos > 0) registratecnico(m, tecnicodo(m, time), pontos, "pr");
}

}  // namespace

void somatotaiscompeticao(Mundo& m, int tipo, int mandante, int visitante, int golsm, int golsv) {
    if (tipo < 1 || tipo > 6 || !timevalido(m, mandante) || !timevalido(m, visitante)) return;
    auto& tm = m.times[mandante].totaiscompeticao[tipo - 1];
    auto& tv = m.times[visitante].totaiscompeticao[tipo - 1];
    if (golsm > golsv) tm[0] += 3;
    else if (golsv > golsm) tv[0] += 3;
    else {
        tm[0] += 1;
        tv[0] += 1;
    }
    tm[1] += golsm;
    tm[2] += golsv;
    tv[1] += golsv;
    tv[2] += golsm;
}

void contabilizatecnicos(Mundo& m, int tipo, int mandante, int visitante, int golsm, int golsv) {
    if (tipo < 1 || tipo > 6 || !timevalido(m, mandante) || !timevalido(m, visitante)) return;
    const int tm = tecnicodo(m, mandante), tv = tecnicodo(m, visitante);
    registratecnico(m, tm, 0, "j");
    registratecnico(m, tv, 0, "j");
    if (tipo == 5) return;

    const bool empate = golsm == golsv;
    const int vencedor = golsm > golsv ? mandante : visitante;
    const int perdedor = golsm > golsv ? visitante : mandante;
    if (!empate) {
        registratecnico(m, tecnicodo(m, vencedor), 0, "v");
        registratecnico(m, tecnicodo(m, perdedor), 0, "d");
    }
    switch (tipo) {
        case 1: {
            static constexpr int kVitoria[4] = {5, 4, 3, 2};
            static constexpr int kMandante[3] = {3, 2, 1};
            static constexpr int kVisitante[4] = {4, 3, 2, 1};
            if (!empate) {
                premia(m, vencedor, portabela(kVitoria, divisao(m, vencedor)));
            } else {
                premia(m, mandante, portabela(kMandante, divisao(m, mandante)));
                premia(m, visitante, portabela(kVisitante, divisao(m, visitante)));
            }
            break;
        }
        case 2:
            if (!empate) {
                const int d = divisao(m, perdedor);
                if (d >= 1 && d <= 4) premia(m, vencedor, 5);
            } else {
                premia(m, mandante, 2);
                premia(m, visitante, 2);
            }
            break;
        case 3: {
            static constexpr int kVitoria[3] = {3, 2, 1};
            static constexpr int kEmpate[2] = {2, 1};
            if (!empate) {
                premia(m, vencedor, portabela(kVitoria, m.times[vencedor].grupoestadual));
            } else {
                premia(m, mandante, portabela(kEmpate, m.times[mandante].grupoestadual));
                premia(m, visitante, portabela(kEmpate, m.times[visitante].grupoestadual));
            }
            break;
        }
        case 4:
        case 6:
            if (!empate) {
                premia(m, vencedor, tipo == 4 ? 5 : 4);
            } else {
                premia(m, mandante, 3);
                premia(m, visitante, tipo == 4 ? 4 : 2);
            }
            m.times[mandante].ultimoresultado = empate ? 0 : (vencedor == mandante ? 1 : 2);
            m.times[visitante].ultimoresultado = empate ? 0 : (vencedor == visitante ? 1 : 2);
            break;
        default:
            break;
    }
}

void avaliagoleada(Mundo& m, int mandante, int visitante, int golsm, int golsv) {
    if (!timevalido(m, mandante) || !timevalido(m, visitante)) return;
    if (m.times[mandante].humano && golsv - golsm >= 4) {
        const int d = golsv - golsm;
        m.times[mandante].notaderrota = d >= 7 ? 4 : d - 3;
        enviamensagem(m, mandante, kMsgGoleada, 0);
    }
    if (m.times[visitante].humano && golsm - golsv >= 5) {
        const int d = golsm - golsv;
        m.times[visitante].notaderrota = d >= 7 ? 3 : d - 4;
        enviamensagem(m, visitante, kMsgGoleada, 0);
    }
}

void registraconfronto(Mundo& m, int tipo, int mandante, int visitante, int golsm, int golsv) {
    if (tipo < 0 || tipo > 6) return;
    m.confrontos.push_back({mandante, visitante, golsm, golsv, m.estado.temporada, tipo});
}

}  // namespace tarvello
