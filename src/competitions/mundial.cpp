#include "competitions/mundial.h"

#include <algorithm>
#include <vector>

#include "club/premios.h"
#include "competitions/partidas.h"
#include "competitions/sorteiatimes.h"
#include "match/penaltis.h"
#include "model/mundo.h"
#include "records/artilheiros.h"
#include "records/historico.h"
#include "records/ranking.h"
#include "season/tecnico.h"

namespace tarvello {

namespace {

constexpr int kTerminado = 4;

bool valido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

// The n-th club-world-cup date of the calendar (1-based), 0 when there is none.
double datamundial(const Mundo& m, int n) {
    int k = 0;
    for (const TDiaCalendario& c : m.calendario)
        if (c.competicao == kMundialClubes && ++k == n) return c.data;
    return 0;
}

// Ties (1-based) played on a day of the club world cup.
std::vector<int> chavesdodia(int fase) {
    switch (fase) {
        case 1: return {1, 2};
        case 2: return {3, 4};
        case 3: return {5, 6};
        default: return {};
    }
}

// Match-list entry of a tie on its day, else -1.
int partidadachave(const Mundo& m, int chave, int fase) {
    for (size_t i = 0; i < m.partidas.size(); ++i) {
        const TPartida& p = m.partidas[i];
        if (p.competicao == kMundialClubes && p.chave == chave && p.rodada == fase) return static_cast<int>(i);
    }
    return -1;
}

void premiamundial(Mundo& m, int campeao, int vice, int terceiro, int quarto) {
    const int lugares[] = {campeao, vice, terceiro, quarto};
    for (int k = 0; k < 4; ++k) {
        const int t = lugares[k];
        if (!valido(m, t)) continue;
        registracolocado(m, kMundialClubes, t, -1, k + 1, -1);
        registracampanha(m, t, k + 1, kMundialClubes, -1);
    }
    if (valido(m, campeao)) {
        const int tecnico = tecnicodo(m, campeao);
        registratitulotecnico(m, kMundialClubes, campeao, tecnico, -1, 1, -1);
        if (tecnico >= 0) {
            m.tecnicos[static_cast<size_t>(tecnico)].conquistas[kMundialClubes] += 1;
            registratecnico(m, tecnico, 50, "pr");
        }
        pagapremio(m, campeao, kPremioMundialCampeao);
    }
    if (valido(m, vice)) pagapremio(m, vice, kPremioMundialVice);
    for (int k = 0; k < 4; ++k) somarankingclube(m, kMundialClubes, lugares[k], k + 1);
    apuraartilheiro(m, kMundialClubes, -1, -1);
}

}  // namespace

void agendamundial(Mundo& m) {
    const int fase = m.estado.fasemundial;
    const double data = datamundial(m, fase);
    for (int c : chavesdodia(fase)) {
        const TJogoChave& j = m.chavesmundial[static_cast<size_t>(c - 1)];
        if (partidadachave(m, c, fase) >= 0) continue;
        adicionajogo(m, j.clube1, j.clube2, fase, data, c, 1, -1, kMundialClubes);
    }
}

bool preparamundial(Mundo& m) {
    TEstadoJogo& e = m.estado;
    if (e.competicaoatual != kMundialClubes || e.fasemundial != 1) return true;
    if (partidadachave(m, 1, 1) >= 0) return true;  // drawn already (a game loaded on the day)
    if (sorteiamundial(m)) return true;
    e.fasemundial = kTerminado;
    return false;
}

TDisputaPenaltis penaltismundial(Mundo& m, InteracaoPenaltis& ui, int indice, const int* onzemandante,
                                 const int* onzevisitante) {
    TDisputaPenaltis nenhuma;
    if (indice < 0 || indice >= static_cast<int>(m.partidas.size())) return nenhuma;
    TPartida& p = m.partidas[static_cast<size_t>(indice)];
    if (p.competicao != kMundialClubes || p.golsmandante != p.golsvisitante) return nenhuma;
    const TDisputaPenaltis d =
        disputapenaltis(m, ui, p.mandante, p.visitante, true, true, onzemandante, onzevisitante);
    p.penaltismandante = d.placar[0];
    p.penaltisvisitante = d.placar[1];
    return d;
}

void avancamundial(Mundo& m, InteracaoPenaltis& ui) {
    TEstadoJogo& e = m.estado;
    const int fase = e.fasemundial;
    if (fase < 1 || fase >= kTerminado) return;
    int vencedores[6], perdedores[6];
    std::fill(std::begin(vencedores), std::end(vencedores), -1);
    std::fill(std::begin(perdedores), std::end(perdedores), -1);
    for (int c : chavesdodia(fase)) {
        TJogoChave& j = m.chavesmundial[static_cast<size_t>(c - 1)];
        const int i = partidadachave(m, c, fase);
        if (i >= 0 && m.partidas[static_cast<size_t>(i)].jogado) {
            TPartida& p = m.partidas[static_cast<size_t>(i)];
            j.gols1 = p.golsmandante;
            j.gols2 = p.golsvisitante;
            // A level match nobody settled on the screen is settled now.
            if (p.golsmandante == p.golsvisitante && p.penaltismandante == p.penaltisvisitante)
                penaltismundial(m, ui, i, nullptr, nullptr);
            const bool primeiro = p.golsmandante != p.golsvisitante ? p.golsmandante > p.golsvisitante
                                                                     : p.penaltismandante > p.penaltisvisitante;
            j.vencedor = primeiro ? j.clube1 : j.clube2;
        } else {
            // A tie short of a club is won by the club that is there.
            j.vencedor = valido(m, j.clube1) ? j.clube1 : j.clube2;
        }
        const int perdedor = j.vencedor == j.clube1 ? j.clube2 : j.clube1;
        vencedores[c - 1] = j.vencedor;
        perdedores[c - 1] = perdedor;
        if (fase < 3 && valido(m, perdedor)) m.times[static_cast<size_t>(perdedor)].nomundial = 0;
        if (fase == 1) registracampanha(m, perdedor, 10, kMundialClubes, -1);
    }
    auto& k = m.chavesmundial;
    if (fase == 1) {
        k[2].clube2 = vencedores[0];
        k[3].clube2 = vencedores[1];
    } else if (fase == 2) {
        k[4].clube1 = vencedores[2];
        k[4].clube2 = vencedores[3];
        k[5].clube1 = perdedores[2];
        k[5].clube2 = perdedores[3];
    } else {
        for (TTime& t : m.times) t.nomundial = 0;
        premiamundial(m, vencedores[4], perdedores[4], vencedores[5], perdedores[5]);
    }
    e.fasemundial = fase + 1;
    if (e.fasemundial < kTerminado) agendamundial(m);
}

std::string localmundial(const Mundo& m, int indice) {
    if (indice < 0 || indice >= static_cast<int>(m.partidas.size())) return {};
    const TPartida& p = m.partidas[static_cast<size_t>(indice)];
    if (p.competicao != kMundialClubes) return {};
    return p.chave % 2 == 1 ? "Toquio" : "Yokohama";
}

std::string fasemundialnome(int fase) {
    switch (fase) {
        case 1: return "Quartas de final";
        case 2: return "Semi-final";
        case 3: return "Final";
        default: return {};
    }
}

}  // namespace tarvello
