// Auctions: who may bid, each outcome, and the match-day sequence.
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "club/elenco.h"
#include "club/financas.h"
#include "club/leilao.h"
#include "club/transferencias.h"
#include "model/tipos.h"

using namespace tarvello;

namespace {

// One 10-club division; clubs 0 and 1 human-run. Computer clubs have levels that rule them
// out as buyers unless a test opens them.
Mundo leilao() {
    Mundo m = teste::mundoliga(4, 1);
    for (int h = 0; h < 2; ++h) {
        m.times[static_cast<size_t>(h)].humano = 1;
        m.estado.timedotecnico[h] = h;
    }
    for (int k = 2; k < kMaxHumanos; ++k) m.estado.timedotecnico[k] = -1;
    m.estado.numtecnicoshumanos = 2;
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
        m.times[static_cast<size_t>(t)].nivel = t < 5 ? 10 : 1;
        m.times[static_cast<size_t>(t)].disponiveis = 16;
        recontaelenco(m, t);
    }
    return m;
}

// An auction of club 4's player worth 1 000 000, start price 500 000.
TLeilao doclube4(Mundo& m) {
    const int p = elenco(m, 4)[1];
    m.jogadores[static_cast<size_t>(p)].passe = 1000000;
    m.jogadores[static_cast<size_t>(p)].forca = 50;
    TLeilao l = leilaodojogador(m, p, 500000);
    l.davenda = false;
    l.dotecnico = false;
    return l;
}

// No computer club can buy: levels out of the seller's band.
void semcompradores(Mundo& m) {
    for (int t = 2; t < static_cast<int>(m.times.size()); ++t)
        if (t != 4) m.times[static_cast<size_t>(t)].nivel = 1;
}

}  // namespace

// Bidders: human clubs other than the seller, with room and the start price in cash; a bid
// above the cash is refused, a coach in debt bids 0.
TEST(Leilao, LicitantesELances) {
    Mundo m = leilao();
    TLeilao l = doclube4(m);
    EXPECT_EQ(licitantes(m, l), (std::vector<int>{0, 1}));
    m.times[1].dinheiro = 499999;
    EXPECT_EQ(licitantes(m, l), std::vector<int>{0});
    m.times[1].dinheiro = 1000000;
    m.times[0].numjogadores = 28;
    EXPECT_EQ(licitantes(m, l), std::vector<int>{1});
    EXPECT_EQ(registralance(m, l, 1, 1000001), Lance::AcimaDoCaixa);
    EXPECT_FALSE(l.humanoparticipou);
    m.times[0].dinheiro = -5;
    EXPECT_EQ(registralance(m, l, 0, 900000), Lance::SaldoNegativo);
    EXPECT_EQ(l.melhorlance, 0);
    EXPECT_EQ(registralance(m, l, 1, 700000), Lance::Aceito);
    EXPECT_EQ(l.melhorlance, 700000);
    EXPECT_EQ(l.melhorclube, 1);
    int64_t v = -1;
    EXPECT_TRUE(lelance("", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(lelance("1200", v));
    EXPECT_EQ(v, 1200000);
    EXPECT_EQ(formatamil(v), "1 milhão 200 mil");
    EXPECT_FALSE(lelance("12x", v));
    EXPECT_FALSE(lelance("9999999", v));
}

// Without a valid bid and without a computer buyer nothing is sold: no bidder, a bid of 0, a
// bid below the start price. The player stays where he was and no transfer is recorded.
TEST(Leilao, SemLanceValidoNaoHaVenda) {
    for (int64_t lance : {-1, 0, 499999}) {
        Mundo m = leilao();
        semcompradores(m);
        TLeilao l = doclube4(m);
        if (lance >= 0) registralance(m, l, 0, lance);
        const TDesfecho d = resolveleilao(m, l);
        EXPECT_EQ(d.comprador, -1) << lance;
        EXPECT_EQ(m.jogadores[static_cast<size_t>(l.jogador)].time, 4);
        EXPECT_TRUE(m.transferencias.empty());
    }
}

// A bid above the value and three times the start price always wins, at the bid.
TEST(Leilao, LanceAltoSempreVence) {
    for (int semente = 1; semente <= 20; ++semente) {
        Mundo m = leilao();
        m.aleatorio.semeia(static_cast<uint64_t>(semente));
        TLeilao l = doclube4(m);
        m.times[1].dinheiro = 5000000;
        registralance(m, l, 0, 600000);
        registralance(m, l, 1, 1500001);
        const TDesfecho d = resolveleilao(m, l);
        EXPECT_EQ(d.comprador, 1);
        EXPECT_EQ(d.preco, 1500001);
        EXPECT_EQ(m.financas[1].compras, 1500001);
    }
}

// A computer buyer raises the start price to the best bid first, so it pays at least the bid
// plus the step; a start price over 20 % above the value from the sale dialog finds nobody.
TEST(Leilao, CompradorDoComputador) {
    Mundo m = leilao();
    semcompradores(m);
    m.times[6].nivel = 10;  // the one computer club in the seller's band
    TLeilao l = doclube4(m);
    registralance(m, l, 0, 600000);
    for (int semente = 1; semente <= 20; ++semente) {
        Mundo w = m;
        w.aleatorio.semeia(static_cast<uint64_t>(semente));
        TLeilao x = l;
        const TDesfecho d = resolveleilao(w, x);
        if (d.comprador == 0) continue;  // the one-in-four human winner
        EXPECT_EQ(d.comprador, 6);
        EXPECT_GE(d.preco, 600000 + 30000);
        EXPECT_LT(d.preco, 600000 + 30000 + 200000);
    }
    Mundo w = m;
    TLeilao caro = doclube4(w);
    caro.davenda = true;
    caro.precoinicial = 1200001;
    EXPECT_EQ(resolveleilao(w, caro).comprador, -1);
    EXPECT_TRUE(w.transferencias.empty());
}

// The match-day sequence: drawn only while a human club is short of players; the previous
// buyer is never the next seller; each auction's player comes from a club with plenty.
TEST(Leilao, SequenciaDaRodada) {
    Mundo m = leilao();
    m.times[0].numjogadores = m.times[1].numjogadores = 25;
    for (int k = 0; k < 50; ++k) EXPECT_EQ(sorteialeiloes(m), 0);
    m.times[0].numjogadores = 24;
    bool algum = false;
    for (int k = 0; k < 50; ++k) algum |= sorteialeiloes(m) > 0;
    EXPECT_TRUE(algum);

    m.times[3].disponiveis = 16;
    for (int t = 2; t < 10; ++t)
        if (t != 3) m.times[static_cast<size_t>(t)].disponiveis = 10;
    const TLeilao a = escolheleilao(m, -1);
    EXPECT_EQ(a.vendedor, 3);
    EXPECT_GE(a.precoinicial, m.jogadores[static_cast<size_t>(a.jogador)].passe / 2);
    const TLeilao b = escolheleilao(m, 3);
    EXPECT_EQ(b.jogador, 0);  // the only seller bought last time
    EXPECT_GE(leiloessemtela(m, 3), 0);
}
