#include "season/convitesselecao.h"

#include <algorithm>

#include "competitions/torneio.h"
#include "model/mundo.h"
#include "news/mensagens.h"

namespace tarvello {

namespace {

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

// Coach record of human slot `slot`, through his club; -1 when he has none.
int tecnicodoslot(const Mundo& m, int slot) {
    if (slot < 0 || slot >= kMaxHumanos) return -1;
    const int t = m.estado.timedotecnico[slot];
    if (!clubevalido(m, t)) return -1;
    const int tec = m.times[static_cast<size_t>(t)].tecnico;
    return tec >= 0 && tec < static_cast<int>(m.tecnicos.size()) ? tec : -1;
}

// The league rounds in which the tournament's invitations come.
bool rodadadeconvite(int competicao, int rodada) {
    return competicao == kCopaMundo ? rodada >= 5 && rodada <= 9 : rodada >= 6 && rodada <= 9;
}

}  // namespace

bool selecaoocupada(const Mundo& m, int time) {
    for (int s : m.estado.selecaohumana)
        if (s == time) return true;
    return clubevalido(m, time) && m.times[static_cast<size_t>(time)].humano;
}

TConviteSelecao conviteselecao(const Mundo& m, int slot) {
    TConviteSelecao c;
    const TEstadoJogo& e = m.estado;
    const int competicao = torneiodatemporada(m);
    if (!competicao || e.fasetorneio != 1 || e.competicaoatual != kLiga || e.turnoliga != 1) return c;
    if (!rodadadeconvite(competicao, e.rodadaliga)) return c;
    const int tec = tecnicodoslot(m, slot);
    if (tec < 0 || m.tecnicos[static_cast<size_t>(tec)].convidadoselecao || e.selecaohumana[slot] >= 0) return c;
    const TTime& clube = m.times[static_cast<size_t>(e.timedotecnico[slot])];
    const int d = clube.divisao, p = clube.colocacoes[kLiga];
    int pote = 2;
    if (competicao == kCopaMundo) {
        // The game's first world cup asks more of a coach than the later ones.
        pote = e.edicoes[0] == 0 ? (d == 1 && p <= 3 ? 1 : 2) : (d == 1 || p < 5 ? 1 : 2);
    } else {
        pote = d == 1 || d == 2 ? 1 : 2;
        if (competicao == kCopaAmerica && e.numtecnicoshumanos > 4) pote = 1;
    }
    for (int t : e.potesforca[pote - 1])
        if (clubevalido(m, t)) c.selecoes.push_back(t);
    if (c.selecoes.empty()) return c;
    c.competicao = competicao;
    c.pote = pote;
    return c;
}

bool aceitaconvite(Mundo& m, int slot, int time) {
    const TConviteSelecao c = conviteselecao(m, slot);
    if (!c.competicao || std::find(c.selecoes.begin(), c.selecoes.end(), time) == c.selecoes.end() ||
        selecaoocupada(m, time))
        return false;
    const int tec = tecnicodoslot(m, slot);
    TTime& t = m.times[static_cast<size_t>(time)];
    t.tecnico = tec;
    t.humano = 1;
    m.tecnicos[static_cast<size_t>(tec)].convidadoselecao = 1;
    m.estado.selecaohumana[slot] = time;
    m.estado.selecaoatual = time;
    return true;
}

TConviteSelecao convitesdoturno(Mundo& m, int slot) {
    TConviteSelecao c = conviteselecao(m, slot);
    if (c.competicao == kCopaMundo && m.estado.rodadaliga == 5)
        enviamensagem(m, m.estado.timedotecnico[slot], 9, 1);
    return c;
}

}  // namespace tarvello
