#include <gtest/gtest.h>

#include <set>

#include "competitions/calendario.h"
#include "competitions/copas.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "records/historico.h"
#include "season/turno.h"

#include "../apoio/mundopequeno.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// One league of 20 clubs with its national cup, six of them human-run, on the season's first
// date with matches.
Mundo temporadacomhumanos(uint64_t semente, int temporada = 1) {
    Mundo m = mundoliga(2, 1, 1);
    m.aleatorio = Aleatorio(semente);
    m.estado.temporada = temporada;
    m.estado.dataatual = 1;
    m.estado.ckcopa = 1;
    m.estado.fasecopa = m.estado.jogocopa = 1;
    m.estado.numtecnicoshumanos = 6;
    for (int k = 0; k < kMaxHumanos; ++k) {
        m.estado.timedotecnico[k] = 3 * k;
        m.times[static_cast<size_t>(3 * k)].humano = 1;
    }
    m.ligas[0].temhumano = 1;
    montacalendario(m);
    montajogos(m, kLiga, 0);
    montajogos(m, kCopaNacional, 0);
    sorteiacopanacional(m, 0);
    proximadata(m);
    m.estado.competicaoatual = m.calendario[static_cast<size_t>(m.estado.dataatual - 1)].competicao;
    return m;
}

}  // namespace

// The season as the headless tool plays it: every date opens the human coaches' turns, so their
// squads' morale moves (complaints, fights, reactions to heavy defeats) while computer-run clubs
// are left alone; cup shoot-outs are kept on the match slots.
TEST(Turno, MoralEDesempatesAoLongoDaTemporada) {
    Mundo m = temporadacomhumanos(6);
    InteracaoComputador ia;
    int moraismudadas = 0, reacoes = 0, brigas = 0, desempates = 0;
    for (int dias = 0; dias < 148; ++dias) {
        std::vector<int> voltaantes(m.times.size());
        for (size_t t = 0; t < m.times.size(); ++t) voltaantes[t] = m.times[t].moralvoltatime;
        jogadatasemtela(m, ia);
        for (size_t t = 0; t < m.times.size(); ++t) {
            // A heavy-defeat reaction sets the team's countdown back by 3 to 5 dates.
            if (m.times[t].moralvoltatime > voltaantes[t]) {
                EXPECT_TRUE(m.times[t].humano) << t;
                ++reacoes;
            }
            int atacados = 0;
            for (const TJogador& j : m.jogadores) {
                if (j.time != static_cast<int>(t)) continue;
                if (j.moral != 2) {
                    EXPECT_TRUE(m.times[t].humano) << t;
                    ++moraismudadas;
                }
                if (j.moralvolta == 4) ++atacados;
            }
            if (atacados == 2) ++brigas;  // fans never attack here: confidence stays high
        }
        for (const TJogos& g : m.diajogo.jogos) {
            int placar[2] = {0, 0};
            const bool decidido = decididapenaltis(m, g.indicepartida, placar);
            EXPECT_EQ(g.decididopenaltis != 0, decidido);
            if (!decidido) continue;
            ++desempates;
            EXPECT_EQ(g.penaltis[0], placar[0]);
            EXPECT_EQ(g.penaltis[1], placar[1]);
            EXPECT_NE(placar[0], placar[1]);
        }
        if (continuar(m, ia) == ProximaEtapa::FimTemporada) break;
    }
    EXPECT_GT(moraismudadas, 0);
    EXPECT_GT(reacoes, 0);
    EXPECT_GT(brigas, 0);
    EXPECT_GT(desempates, 0);
    // Players left out for weeks complain, in human-run clubs only.
    int queixas = 0;
    for (const TJogador& j : m.jogadores)
        if (j.reclamou) {
            EXPECT_TRUE(m.times[static_cast<size_t>(j.time)].humano);
            ++queixas;
        }
    EXPECT_GT(queixas, 0);
}

TEST(Turno, UmaVezPorDiaEFalecimentoNosDiasDeLiga) {
    Mundo m = temporadacomhumanos(5);
    const int time = m.estado.timedotecnico[0];
    int velho = 0;
    for (size_t j = 1; j < m.jogadores.size(); ++j)
        if (m.jogadores[j].time == time) {
            velho = static_cast<int>(j);
            break;
        }
    m.jogadores[static_cast<size_t>(velho)].idade = 65;
    const int numjogadores = m.times[static_cast<size_t>(time)].numjogadores;

    // Not on a cup date.
    m.estado.competicaoatual = kCopaNacional;
    TEventosTurno r = abreturno(m, 0);
    EXPECT_TRUE(r.novodia);
    EXPECT_EQ(r.falecido, 0);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(velho)].time, time);

    // On a league date (the next day) a player over 60 dies; the club loses five points.
    m.estado.dataatual += 1;
    m.estado.competicaoatual = kLiga;
    r = abreturno(m, 0);
    EXPECT_TRUE(r.novodia);
    EXPECT_EQ(r.falecido, velho);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(velho)].time, -1);
    EXPECT_EQ(m.times[static_cast<size_t>(time)].numjogadores, numjogadores - 1);
    EXPECT_EQ(m.times[static_cast<size_t>(time)].pontos[kLiga], -5);

    // Opening the screen again the same day changes nothing and draws nothing.
    const Aleatorio antes = m.aleatorio;
    const std::vector<TJogador> jogadores = m.jogadores;
    r = abreturno(m, 0);
    EXPECT_FALSE(r.novodia);
    EXPECT_EQ(m.aleatorio.sorteia(1000000), Aleatorio(antes).sorteia(1000000));
    for (size_t j = 0; j < jogadores.size(); ++j) EXPECT_EQ(m.jogadores[j].moral, jogadores[j].moral);

    // The turn also checks the squad's contracts: an expired one is renewed for 12 weeks when
    // the option asks for it (the headless tool has no screen to show the squad).
    m.estado.dataatual += 1;
    m.estado.renovacontrato = 1;
    int outro = 0;
    for (size_t j = 1; j < m.jogadores.size(); ++j)
        if (m.jogadores[j].time == time) outro = static_cast<int>(j);
    m.jogadores[static_cast<size_t>(outro)].contratoate = datahoje(m) - 7;
    EXPECT_TRUE(abreturno(m, 0).novodia);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(outro)].contratoate, datahoje(m) + 84);

    // Computer-run clubs and empty coach slots have no turn.
    m.times[static_cast<size_t>(time)].humano = 0;
    EXPECT_FALSE(abreturno(m, 1 + kMaxHumanos).novodia);
    m.estado.dataatual += 1;
    EXPECT_FALSE(abreturno(m, 0).novodia);
}

// A league day plays its champion under pressure: the latest first-division champion of the
// league comes from the champions history, not from anything the day sets by hand.
TEST(Turno, CampeaoDaLigaVemDoHistorico) {
    Mundo m = temporadacomhumanos(3, 5);
    m.estado.temporada = 3;
    registracolocado(m, kLiga, 7, m.ligas[0].pais, 1, 1);  // season 3's first division
    m.estado.temporada = 4;
    registracolocado(m, kLiga, 12, m.ligas[0].pais, 1, 2);  // a second-division title counts not
    m.estado.temporada = 5;
    InteracaoComputador ia;
    while (m.estado.competicaoatual != kLiga) ASSERT_NE(continuar(m, ia), ProximaEtapa::FimTemporada);
    comecadia(m);
    ASSERT_TRUE(proximogrupo(m, ia));  // the league has human clubs: it is watched
    EXPECT_EQ(m.diajogo.campeaoliga, 7);
}
