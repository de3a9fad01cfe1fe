#include <gtest/gtest.h>

#include "club/amistosos.h"
#include "club/estadio.h"
#include "competitions/calendario.h"
#include "competitions/partidas.h"
#include "competitions/temporada.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/hoje.h"
#include "model/mundo.h"

#include "../apoio/mundopequeno.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// One league of two ten-club divisions, its season scheduled, on date 1; club 0 human-run.
Mundo temporada() {
    Mundo m = mundoliga(4, 2, 1);
    m.aleatorio = Aleatorio(3);
    m.estado.temporada = 1;
    m.estado.dataatual = 1;
    montacalendario(m);
    montajogos(m, kLiga, 0);
    m.times[0].humano = 1;
    m.estado.numtecnicoshumanos = 1;
    m.estado.timedotecnico[0] = 0;
    return m;
}

int primeiradata(const Mundo& m, int competicao) {
    for (const TDiaCalendario& c : m.calendario)
        if (c.competicao == competicao) return c.numero;
    return -1;
}

}  // namespace

TEST(Estadio, Orcamento) {
    Mundo m = temporada();
    TTime& c = m.times[0];
    c.capacidade[0] = 9000;
    TOrcamento o = orcamento(m, 0, {1000, 0, 0, 0});
    EXPECT_FALSE(o.semtecnologia);
    EXPECT_EQ(o.custo, 1000 * 75 + 100000);
    EXPECT_EQ(o.datafim, datahoje(m) + 4);
    // Durations: 1 500 seats take 2 days, 2 500 also 2 (ties to even), 3 500 take 4.
    c.capacidade[1] = 0;
    EXPECT_EQ(orcamento(m, 0, {0, 1500, 0, 0}).datafim, datahoje(m) + 5);
    EXPECT_EQ(orcamento(m, 0, {0, 2500, 0, 0}).datafim, datahoje(m) + 5);
    EXPECT_EQ(orcamento(m, 0, {0, 3500, 0, 0}).datafim, datahoje(m) + 7);
    // In season 1 a general area of 19 000 takes 1 000 more seats, not 1 001.
    c.capacidade[0] = 19000;
    EXPECT_FALSE(orcamento(m, 0, {1000, 0, 0, 0}).semtecnologia);
    EXPECT_TRUE(orcamento(m, 0, {1001, 0, 0, 0}).semtecnologia);
    // Boxes from 150 to 250: every seat at the 200..399 rate.
    c.capacidade[3] = 150;
    EXPECT_EQ(orcamento(m, 0, {0, 0, 0, 100}).custo, 100 * 1500 + 100000);
    // Nothing asked (or only non-positive numbers): no quote.
    EXPECT_TRUE(orcamento(m, 0, {0, -5, 0, 0}).vazio);
    // Later the general area may pass 30 000 (from season 20 up to 35 000) and its seats still
    // cost money.
    m.estado.temporada = 20;
    c.capacidade[0] = 29000;
    EXPECT_EQ(orcamento(m, 0, {2000, 0, 0, 0}).custo, 2000 * 300 + 100000);
    EXPECT_EQ(limitesetor(100, 3), 1000);

    // Ticket prices are whole numbers between 0 and the maximum.
    c.precoingresso[0] = 1;
    EXPECT_EQ(mudapreco(m, 0, 0, -1), 0);
    EXPECT_EQ(mudapreco(m, 0, 0, -1), 0);
    c.precoingresso[0] = kPrecoMaximoIngresso;
    EXPECT_EQ(mudapreco(m, 0, 0, 1), kPrecoMaximoIngresso);
}

// Works are paid at once and the seats open on the end date for every club, also one nobody
// coaches, as the calendar moves on.
TEST(Estadio, ObrasAteOFim) {
    Mundo m = temporada();
    proximadata(m);
    for (int t : {0, 5}) {
        TTime& c = m.times[static_cast<size_t>(t)];
        c.capacidade[0] = 9000;
        const TOrcamento o = orcamento(m, t, {1000, 0, 0, 0});
        c.dinheiro = static_cast<int32_t>(o.custo) - (t == 5 ? 1 : 0);
        EXPECT_EQ(iniciaobra(m, t, o), t == 5 ? ResultadoObra::SemDinheiro : ResultadoObra::Iniciada);
    }
    EXPECT_EQ(m.times[0].dinheiro, 0);  // exactly the cost in cash
    EXPECT_EQ(m.financas[0].obrasestadio, 175000);
    ASSERT_EQ(m.obras.size(), 1u);
    EXPECT_EQ(obraemandamento(m, 0), 0);
    EXPECT_EQ(iniciaobra(m, 0, orcamento(m, 0, {10, 0, 0, 0})), ResultadoObra::Invalida);  // one at a time
    // The same works for club 5 (computer-run), paid by hand.
    m.times[5].dinheiro = 1000000;
    ASSERT_EQ(iniciaobra(m, 5, orcamento(m, 5, {1000, 0, 0, 0})), ResultadoObra::Iniciada);

    const double fim = m.obras[0].datafim;
    InteracaoComputador ia;
    while (datahoje(m) < fim) {
        EXPECT_EQ(m.times[0].capacidade[0], 9000);
        comecadia(m);
        jogadia(m, ia);
        ASSERT_NE(continuar(m, ia), ProximaEtapa::FimTemporada);
    }
    EXPECT_EQ(m.times[0].capacidade[0], 10000);
    EXPECT_EQ(m.times[5].capacidade[0], 10000);
    EXPECT_EQ(obraemandamento(m, 0), -1);
    EXPECT_FALSE(concluiobra(m, 0));  // applied once
}

TEST(Amistosos, Cotas) {
    Mundo m = temporada();
    // Same country, by division: home and away.
    m.times[1].divisao = 1;
    EXPECT_EQ(cotaamistoso(m, 0, 1, false), 100000);
    EXPECT_EQ(cotaamistoso(m, 0, 1, true), 300000);
    m.times[1].divisao = 0;
    EXPECT_EQ(cotaamistoso(m, 0, 1, true), 20000);
    m.times[1].divisao = 4;
    EXPECT_EQ(cotaamistoso(m, 0, 1, false), 30000);
    // Another country, by level.
    m.times[1].pais = 1;
    m.times[1].nivel = 15;
    EXPECT_EQ(cotaamistoso(m, 0, 1, true), 200000);
    m.times[1].nivel = 21;
    EXPECT_EQ(cotaamistoso(m, 0, 1, false), 350000);
    m.times[1].nivel = 0;
    EXPECT_EQ(cotaamistoso(m, 0, 1, true), 0);
}

TEST(Amistosos, DatasEMarcacao) {
    Mundo m = temporada();
    const int liga = primeiradata(m, kLiga);
    // Pre-season: only friendly dates before the first league date; in season, up to the last.
    const TDatasAmistoso pre = datasamistoso(m, 0, true);
    ASSERT_FALSE(pre.datas.empty());
    EXPECT_EQ(pre.competicaolimite, kLiga);
    for (int d : pre.datas) {
        EXPECT_LT(d, liga);
        EXPECT_EQ(m.calendario[static_cast<size_t>(d - 1)].competicao, kAmistoso);
    }
    const TDatasAmistoso todas = datasamistoso(m, 0, false);
    EXPECT_GT(todas.datas.size(), pre.datas.size());
    EXPECT_GT(todas.datas.back(), liga);

    // 99 999 in cash cannot pay a division-1 club's 100 000 away.
    const int d = pre.datas.front();
    m.times[0].dinheiro = 99999;
    m.times[1].divisao = 1;
    EXPECT_EQ(marcaamistoso(m, 0, 1, d, false), SituacaoAmistoso::SemDinheiro);
    m.times[0].dinheiro = 100000;
    const int32_t diversos = m.financas[0].diversos;
    ASSERT_EQ(marcaamistoso(m, 0, 1, d, false), SituacaoAmistoso::Possivel);
    EXPECT_EQ(m.times[0].dinheiro, 0);
    EXPECT_EQ(m.financas[0].diversos - diversos, 100000);  // the money still adds up
    ASSERT_EQ(m.amistosos.size(), 1u);
    EXPECT_EQ(m.amistosos[0].mandante, 1);
    EXPECT_EQ(m.amistosos[0].visitante, 0);
    EXPECT_EQ(m.partidas.back().competicao, kAmistoso);
    EXPECT_EQ(m.partidas.back().rodada, -1);
    // The booked date is no longer offered to the club; the busy opponent is refused.
    for (int x : datasamistoso(m, 0, true).datas) EXPECT_NE(x, d);
    m.times[2].humano = 1;
    EXPECT_EQ(propoeamistoso(m, 2, 1, d, true).situacao, SituacaoAmistoso::AdversarioOcupado);
    // Between two human clubs it is free.
    const TPropostaAmistoso h = propoeamistoso(m, 2, 0, pre.datas.back(), true);
    if (pre.datas.back() != d) {
        EXPECT_TRUE(h.doishumanos);
        EXPECT_EQ(h.cota, 0);
    }

    // The calendar stops on the friendly date, and the match-day driver plays it.
    proximadata(m);
    EXPECT_EQ(m.estado.dataatual, d);
    EXPECT_EQ(m.estado.competicaoatual, kAmistoso);
    InteracaoComputador ia;
    comecadia(m);
    EXPECT_EQ(m.amistosos[0].jogado, 1);
    jogadia(m, ia);
    EXPECT_TRUE(m.partidas.back().jogado);
}

TEST(Amistosos, CanceladosQuandoOTecnicoSai) {
    Mundo m = temporada();
    m.times[0].dinheiro = 10000000;
    const TDatasAmistoso datas = datasamistoso(m, 0, false);
    ASSERT_GE(datas.datas.size(), 2u);
    ASSERT_EQ(marcaamistoso(m, 0, 3, datas.datas[0], true), SituacaoAmistoso::Possivel);
    ASSERT_EQ(marcaamistoso(m, 4, 5, datas.datas[1], true), SituacaoAmistoso::Possivel);
    cancelaamistosos(m, 0);
    EXPECT_EQ(m.amistosos[0].jogado, 1);
    EXPECT_EQ(m.amistosos[0].mandante, -1);
    EXPECT_EQ(m.amistosos[1].jogado, 0);
    // Nobody plays the cancelled match: the calendar passes its date.
    EXPECT_FALSE(temamistoso(m, m.calendario[static_cast<size_t>(datas.datas[0] - 1)].data));
    EXPECT_TRUE(temamistoso(m, m.calendario[static_cast<size_t>(datas.datas[1] - 1)].data));
}

// At the turn of the season the coaches book before the first date is chosen, so the season
// opens on a booked pre-season friendly; last season's friendlies are gone.
TEST(Amistosos, PreTemporadaAntesDaPrimeiraData) {
    Mundo m = temporada();
    m.amistosos.push_back(TAmistoso{});  // last season's
    int data = -1;
    iniciatemporada(m, [&](Mundo& w) {
        EXPECT_TRUE(w.amistosos.empty());
        const TDatasAmistoso d = datasamistoso(w, 0, true);
        ASSERT_FALSE(d.datas.empty());
        data = d.datas.front();
        w.times[0].dinheiro = 10000000;
        EXPECT_EQ(marcaamistoso(w, 0, 7, data, true), SituacaoAmistoso::Possivel);
    });
    EXPECT_EQ(m.estado.dataatual, data);
    EXPECT_EQ(m.estado.competicaoatual, kAmistoso);
    EXPECT_TRUE(humanojoga(m));
}
