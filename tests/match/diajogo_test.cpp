#include <gtest/gtest.h>

#include <map>
#include <set>

#include "competitions/calendario.h"
#include "competitions/liga.h"
#include "competitions/partidas.h"
#include "match/simulacao.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/mundo.h"

#include "../apoio/mundopequeno.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// Two leagues of the given system with their season scheduled, on the first date with matches.
Mundo temporada(int sistema, int divisoes) {
    Mundo m = mundoliga(sistema, divisoes, 2);
    m.aleatorio = Aleatorio(7);
    m.estado.temporada = 1;
    m.estado.dataatual = 1;
    montacalendario(m);
    for (int l = 0; l < 2; ++l) montajogos(m, kLiga, l);
    proximadata(m);
    return m;
}

// Plays dates until the season ends; returns the number of match days.
int jogatemporada(Mundo& m, Interacao& ia) {
    int dias = 0;
    for (;;) {
        comecadia(m);
        jogadia(m, ia);
        ++dias;
        if (continuar(m, ia) == ProximaEtapa::FimTemporada) break;
        EXPECT_LT(dias, 148);
        if (dias >= 148) break;
    }
    return dias;
}

}  // namespace

TEST(DiaJogo, TemporadaInteiraDeDuasLigas) {
    for (int sistema : {2, 4}) {
        Mundo m = temporada(sistema, 2);
        InteracaoComputador ia;
        int caixa = 0;
        for (const TTime& t : m.times) caixa += t.dinheiro;
        const int dias = jogatemporada(m, ia);
        const int n = sistema == 2 ? 20 : 10;
        EXPECT_EQ(dias, 2 * (n - 1)) << "sistema " << sistema;

        // Every league match played exactly once, each pair twice (home and away).
        std::map<std::pair<int, int>, int> pares;
        for (const TPartida& p : m.partidas) {
            ASSERT_EQ(p.competicao, kLiga);
            EXPECT_TRUE(p.jogado);
            ++pares[{p.mandante, p.visitante}];
        }
        EXPECT_EQ(pares.size(), static_cast<size_t>(2 * 2 * n * (n - 1)));
        for (const auto& [par, vezes] : pares) EXPECT_EQ(vezes, 1);

        // The tables agree with the results history.
        std::map<int, std::array<int, 4>> soma;  // points, matches, goals for, against
        ASSERT_EQ(m.confrontos.size(), m.partidas.size());
        for (const TConfronto& c : m.confrontos) {
            const int gh = c.golsmandante, ga = c.golsvisitante;
            auto& h = soma[c.mandante];
            auto& a = soma[c.visitante];
            h[0] += gh > ga ? 3 : gh == ga ? 1 : 0;
            a[0] += ga > gh ? 3 : gh == ga ? 1 : 0;
            ++h[1];
            ++a[1];
            h[2] += gh, h[3] += ga, a[2] += ga, a[3] += gh;
        }
        for (const auto& [t, s] : soma) {
            const TTime& c = m.times[t];
            EXPECT_EQ(c.pontos[kLiga], s[0]);
            EXPECT_EQ(c.jogos[kLiga], s[1]);
            EXPECT_EQ(c.golspro[kLiga], s[2]);
            EXPECT_EQ(c.golscontra[kLiga], s[3]);
            EXPECT_EQ(c.jogos[kLiga], 2 * (n - 1));
        }
        // The league finished and awarded its divisions once: places 1 and 2 of 4 divisions.
        EXPECT_TRUE(m.ligaencerrada);
        EXPECT_EQ(m.historicocolocados.size(), 8u);
        for (const TLiga& l : m.ligas) {
            const int campeao = l.classificacao[0][0];
            EXPECT_EQ(m.times[campeao].colocacoes[kLiga], 1);
            EXPECT_GE(m.times[campeao].pontos[kLiga], m.times[l.classificacao[0][1]].pontos[kLiga]);
        }
        // Money moved: gates in, wages out, prizes in.
        int depois = 0;
        for (const TTime& t : m.times) depois += t.dinheiro;
        EXPECT_NE(depois, caixa);
        int publico = 0;
        for (const TPartida& p : m.partidas) publico += p.publico > 0;
        EXPECT_GT(publico, static_cast<int>(m.partidas.size()) / 2);
    }
}

TEST(DiaJogo, GruposMostradosEInstantaneos) {
    Mundo m = temporada(4, 1);
    InteracaoComputador ia;
    // Nobody human, nothing marked: every league day is played at once, no screen to watch.
    EXPECT_FALSE(grupomostrado(m, kLiga, 0));
    EXPECT_FALSE(grupomostrado(m, kLiga, 1));
    m.ligareserva = 1;  // the league a dismissed coach keeps watching
    EXPECT_TRUE(grupomostrado(m, kLiga, 1));
    m.ligas[0].mostrarjogos = 1;  // a marked league takes over from the fallback
    EXPECT_TRUE(grupomostrado(m, kLiga, 0));
    EXPECT_FALSE(grupomostrado(m, kLiga, 1));
    m.ligas[0].mostrarjogos = 0;
    m.ligareserva = -1;
    EXPECT_TRUE(grupomostrado(m, kAmistoso, -1));
    EXPECT_EQ(gruposdodia(m, kLiga), (std::vector<int>{0, 1}));
    EXPECT_EQ(gruposdodia(m, kContinental1), (std::vector<int>{1, 2}));

    // A day of instant leagues: proximogrupo plays them all and reports the day over.
    const int data = m.estado.dataatual;
    comecadia(m);
    EXPECT_EQ(partidasdogrupo(m, kLiga, 0).size(), 5u);
    EXPECT_FALSE(proximogrupo(m, ia));
    EXPECT_TRUE(partidasdogrupo(m, kLiga, 0).empty());
    EXPECT_EQ(m.estado.rodadaliga, 2);
    // With no human club, "Continuar >>" goes straight on to the next match day.
    EXPECT_EQ(continuar(m, ia), ProximaEtapa::ProximoDia);
    EXPECT_GT(m.estado.dataatual, data);
    EXPECT_GT(m.estado.arbitros[0], 0);  // referees of the new date

    // A human club in league 1: its league is watched minute by minute, the other is not.
    const int humano = m.ligas[1].times[0][0];
    m.times[humano].humano = 1;
    m.ligas[1].temhumano = 1;
    m.estado.numtecnicoshumanos = 1;
    m.estado.timedotecnico[0] = humano;
    EXPECT_TRUE(humanojoga(m));
    comecadia(m);
    ASSERT_TRUE(proximogrupo(m, ia));  // league 0 went instantly, league 1 is on screen
    EXPECT_EQ(m.diajogo.jogos.size(), 5u);
    EXPECT_EQ(m.diajogo.slotshumanos.size(), 1u);
    for (const TJogos& g : m.diajogo.jogos) EXPECT_EQ(g.substituicoes[0], 3);
    while (minuto(m, ia) != EstadoMinuto::Fim) {
    }
    encerrapartidas(m, ia);
    EXPECT_FALSE(proximogrupo(m, ia));
    EXPECT_TRUE(partidasdogrupo(m, kLiga, 1).empty());
    EXPECT_EQ(continuar(m, ia), ProximaEtapa::TelaPrincipal);
}

TEST(DiaJogo, AmistososComCincoSubstituicoes) {
    Mundo m = temporada(4, 1);
    InteracaoComputador ia;
    // A friendly booked on date 3 (a friendly date of the ten-club season).
    m.estado.dataatual = 3;
    m.estado.competicaoatual = kAmistoso;
    adicionajogo(m, 0, 1, -1, m.calendario[2].data, -1, 0, -1, kAmistoso);
    comecadia(m);
    ASSERT_TRUE(proximogrupo(m, ia));  // friendlies are always shown
    ASSERT_EQ(m.diajogo.jogos.size(), 1u);
    EXPECT_EQ(m.diajogo.jogos[0].substituicoes[0], 5);
    EXPECT_EQ(m.diajogo.jogos[0].substituicoes[1], 5);
    const int salarios = m.financas[0].salarios;
    while (minuto(m, ia) != EstadoMinuto::Fim) {
    }
    encerrapartidas(m, ia);
    EXPECT_TRUE(m.partidas.back().jogado);
    EXPECT_GT(m.financas[0].salarios, salarios);  // a friendly on the first nine dates charges a week
    EXPECT_EQ(m.times[0].jogos[kAmistoso], 0);   // and never touches the tables
}
