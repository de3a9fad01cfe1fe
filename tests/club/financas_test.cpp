#include <gtest/gtest.h>

#include "club/elenco.h"
#include "club/financas.h"
#include "../apoio/mundopequeno.h"

using namespace tarvello;

TEST(Dinheiro, AgrupamentoPorTresDigitos) {
    EXPECT_EQ(formatadinheiro(1234), "1 234");
    EXPECT_EQ(formatadinheiro(1234567), "1 234 567");
    EXPECT_EQ(formatadinheiro(99999999), "99 999 999");
    EXPECT_EQ(formatadinheiro(-1234), "-1 234");
    EXPECT_EQ(formatadinheiro(-1234567), "-1 234 567");
    EXPECT_EQ(formatadinheiro(999), "999");
    EXPECT_EQ(formatadinheiro(-999), "-999");
    EXPECT_EQ(formatadinheiro(123456789), "123456789");
    EXPECT_EQ(formatadinheiro(-12345678), "-12345678");
}

TEST(Dinheiro, PalavrasDeMilhar) {
    EXPECT_EQ(formatamil(0), "0 mil");
    EXPECT_EQ(formatamil(999), "999");
    EXPECT_EQ(formatamil(1500), "1 mil");
    EXPECT_EQ(formatamil(45000), "45 mil");
    EXPECT_EQ(formatamil(999999), "999 mil");
    EXPECT_EQ(formatamil(1000000), "1 milhão ");
    EXPECT_EQ(formatamil(1500000), "1 milhão 500 mil");
    EXPECT_EQ(formatamil(1045000), "1 milhão 045 mil");
    EXPECT_EQ(formatamil(3000000), "3 milhões ");
    EXPECT_EQ(formatamil(12500000), "12 milhões 500 mil");
    EXPECT_EQ(formatamil(1234567890), "1 bilhão 234 milhões 567 mil");
    EXPECT_EQ(formatamil(2000000000), "2 bilhões 000 milhões ");
    EXPECT_EQ(formatamil(-45000), "-45 mil");
    EXPECT_EQ(formatamil(-1200000), "-1 milhão 200 mil");
    EXPECT_EQ(formatamil(-12500000), "-12 milhões 500 mil");
    EXPECT_EQ(formatamil(-100000000), "-100000000");
}

TEST(Dinheiro, MilharesComK) {
    EXPECT_EQ(formatak(9999), "9999");
    EXPECT_EQ(formatak(45000), "45 k");
    EXPECT_EQ(formatak(1234567), "1 234 k");
    EXPECT_EQ(formatak(12345678), "12 345 k");
    EXPECT_EQ(formatak(100000000), "100000000");
    EXPECT_EQ(jurossemanais(1500000), 45000);
    EXPECT_EQ(jurossemanais(16667), 500);
}

// A player who leaves takes his salary out of the wage bill and his roles with him.
TEST(Elenco, SaidaDoClubeAtualizaTudo) {
    Mundo m = teste::mundopequeno(1, 5);
    for (int i = 1; i <= 5; ++i) m.jogadores[i].escalacao = 1;
    m.jogadores[4].habilidade1 = 9;
    m.jogadores[5].habilidade1 = 9;
    m.jogadores[2].salario = 7000;
    recalculasalarios(m, 0);
    recontaelenco(m, 0);
    m.times[0].capitao = 2;
    m.times[0].cobradorfaltas = 4;
    m.jogadores[2].avenda = 1;
    ASSERT_EQ(m.financas[0].salariosemanal, 11000);

    saidaclube(m, 2);
    EXPECT_EQ(m.jogadores[2].time, -1);
    EXPECT_EQ(m.jogadores[2].avenda, 0);
    EXPECT_EQ(m.financas[0].salariosemanal, 4000);
    EXPECT_EQ(m.times[0].numjogadores, 4);
    EXPECT_EQ(m.times[0].capitao, 1);
    EXPECT_EQ(m.times[0].cobradorfaltas, 4);

    saidaclube(m, 4);
    EXPECT_EQ(m.times[0].cobradorfaltas, 5);  // the next finisher
    EXPECT_EQ(m.times[0].numporposicao[1] + m.times[0].numporposicao[3], 0);
    saidaclube(m, 4);  // already without a club: nothing changes
    EXPECT_EQ(m.financas[0].salariosemanal, 3000);
}
