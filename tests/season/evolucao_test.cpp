#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "season/evolucao.h"
#include "season/viraano.h"

using namespace tarvello;
using tarvello::teste::mundopequeno;
using tarvello::teste::primeirojogador;

namespace {

// One club (index 0) in `divisao`, one player of age and strength given.
struct Caso {
    Mundo m = mundopequeno(1, 1);
    int j = 1;
    Caso(int idade, int forca, int divisao, int nivel, bool humano, int sistema, bool estaduais) {
        m.estado.sistemadisputa = sistema;
        m.estado.ckestadual = estaduais ? 1 : 0;
        m.times[0].divisao = divisao;
        m.times[0].nivel = nivel;
        m.times[0].humano = humano ? 1 : 0;
        j = primeirojogador(m, 0);
        m.jogadores[j].idade = idade;
        m.jogadores[j].forca = forca;
        m.jogadores[j].evolucao = 0;
    }
    TJogador& p() { return m.jogadores[static_cast<size_t>(j)]; }
    void rodadas(int n, int tipo = kLiga) {
        for (int i = 0; i < n; ++i) evoluiforca(m, tipo);
    }
};

}  // namespace

TEST(Evolucao, CrescimentoPorRodada) {
    // 20 years old at a human club of level 18, divisions of 10, no state championships:
    // 8/20 = 0.4 a round, less 0.03 at strength 45: one point about every 2.7 rounds.
    Caso c(20, 45, 1, 18, true, 4, false);
    EXPECT_NEAR(passoevolucao(c.m, c.p(), 0), 0.37f, 1e-5);
    c.rodadas(2);
    EXPECT_EQ(c.p().forca, 45);
    c.rodadas(1);
    EXPECT_EQ(c.p().forca, 46);
    EXPECT_NEAR(c.p().evolucao, 0.11f, 1e-4);

    // A strong computer club in the 20-club format with state championships divides by 35; a
    // good one by 37; good morale adds 0.01; under 17 nothing is gained but the minimum 0.01.
    Caso forte(17, 20, 1, 21, false, 2, true);
    EXPECT_NEAR(passoevolucao(forte.m, forte.p(), 0), 11.0f / 35, 1e-5);
    Caso bom(17, 35, 1, 19, false, 2, true);
    bom.p().moral = 3;
    EXPECT_NEAR(passoevolucao(bom.m, bom.p(), 0), 11.0f / 37 + 0.01f - 0.02f, 1e-5);
    Caso menino(16, 35, 1, 19, false, 2, true);
    EXPECT_NEAR(passoevolucao(menino.m, menino.p(), 0), 0.01f, 1e-6);
}

TEST(Evolucao, TetoDaDivisaoNaoAcumula) {
    // A division-3 player at 60 never grows, and stores nothing up while held back: promoted,
    // he grows at the normal pace, not in a burst.
    Caso c(18, 60, 3, 18, true, 4, false);
    c.rodadas(40);
    EXPECT_EQ(c.p().forca, 60);
    EXPECT_FLOAT_EQ(c.p().evolucao, 0.0f);
    c.m.times[0].divisao = 2;
    c.rodadas(1);
    EXPECT_EQ(c.p().forca, 60);
    // Division 2 stops at 80, division 4 at 40; outside the divisions the league does not count.
    Caso d4(18, 40, 4, 18, true, 4, false);
    d4.rodadas(20);
    EXPECT_EQ(d4.p().forca, 40);
    Caso fora(18, 40, 0, 18, true, 4, false);
    fora.rodadas(20);
    EXPECT_EQ(fora.p().forca, 40);
    fora.rodadas(20, kEstadual);  // state days count for every club
    EXPECT_GT(fora.p().forca, 40);
}

TEST(Evolucao, DeclinioLimitesEPisos) {
    // 32 with strength 50: 1 x 0.8 < 1, no decline. With 60: 1.2, declines.
    Caso a(32, 50, 1, 18, false, 4, false);
    EXPECT_FLOAT_EQ(passoevolucao(a.m, a.p(), 0), 0.0f);
    a.rodadas(100);
    EXPECT_EQ(a.p().forca, 50);
    Caso b(32, 60, 2, 18, false, 4, false);
    EXPECT_NEAR(passoevolucao(b.m, b.p(), 0), 1.2f / 30, 1e-6);
    b.rodadas(26);
    EXPECT_EQ(b.p().forca, 59);
    // Divisors by format: 70, 60, 50 and 30; no decline in another format.
    for (auto [sistema, estaduais, divisor] : {std::tuple{2, true, 70.0f}, {2, false, 60.0f}, {4, true, 50.0f}}) {
        Caso c(35, 80, 1, 18, false, sistema, estaduais);
        EXPECT_NEAR(passoevolucao(c.m, c.p(), 0), 4 * 1.5f / divisor, 1e-6);
    }
    Caso outro(35, 80, 1, 18, false, 3, false);
    EXPECT_FLOAT_EQ(passoevolucao(outro.m, outro.p(), 0), 0.0f);
    // A division-1 veteran never falls below 30; division 3 below 10.
    Caso v(45, 31, 1, 18, false, 4, false);
    v.rodadas(300);
    EXPECT_EQ(v.p().forca, 30);
    Caso v3(45, 11, 3, 18, false, 4, false);
    v3.rodadas(300);
    EXPECT_EQ(v3.p().forca, 10);
}

TEST(Evolucao, Aposentadoria) {
    EXPECT_FALSE(aposenta(35, false, 99));
    EXPECT_FALSE(aposenta(36, false, 60));
    EXPECT_TRUE(aposenta(36, false, 61));
    EXPECT_FALSE(aposenta(36, true, 70));
    EXPECT_TRUE(aposenta(36, true, 71));
    EXPECT_FALSE(aposenta(47, false, 3));
    EXPECT_TRUE(aposenta(47, true, 6));
    // From 49 on it is certain, goalkeepers of 51 and more included.
    for (int idade : {49, 50, 51, 60, 120})
        for (bool goleiro : {false, true}) EXPECT_TRUE(aposenta(idade, goleiro, 0)) << idade;
}
