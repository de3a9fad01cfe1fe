#include <gtest/gtest.h>

#include <cstdint>

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
    // The edges of both grouped ranges.
    EXPECT_EQ(formatadinheiro(1000), "1 000");
    EXPECT_EQ(formatadinheiro(100000000), "100000000");
    EXPECT_EQ(formatadinheiro(-1000), "-1 000");
    EXPECT_EQ(formatadinheiro(-9999999), "-9 999 999");
    EXPECT_EQ(formatadinheiro(-10000000), "-10000000");
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
    EXPECT_EQ(formatamil(1000), "1 mil");
    EXPECT_EQ(formatamil(1999999), "1 milhão 999 mil");
    EXPECT_EQ(formatamil(1000000000), "1 bilhão 000 milhões ");
    EXPECT_EQ(formatamil(-999), "-999");
    EXPECT_EQ(formatamil(-1000), "-1 mil");
    EXPECT_EQ(formatamil(-99999999), "-99 milhões 999 mil");
}

TEST(Dinheiro, MilharesComK) {
    EXPECT_EQ(formatak(9999), "9999");
    EXPECT_EQ(formatak(45000), "45 k");
    EXPECT_EQ(formatak(1234567), "1 234 k");
    EXPECT_EQ(formatak(12345678), "12 345 k");
    EXPECT_EQ(formatak(100000000), "100000000");
    EXPECT_EQ(formatak(10000), "10 k");
    EXPECT_EQ(formatak(99999999), "99 999 k");
    EXPECT_EQ(formatak(-50000), "-50000");
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

// The bank lends in steps of 500 000 up to 2 500 000; repaying may leave the cash negative.
TEST(Emprestimo, LimitesEJuros) {
    Mundo m = teste::mundopequeno(1, 2);
    m.times[0].dinheiro = 100000;
    m.financas[0].emprestimo = 2000000;
    ASSERT_TRUE(podepegaremprestimo(m, 0));
    EXPECT_TRUE(pegaemprestimo(m, 0));
    EXPECT_EQ(m.financas[0].emprestimo, 2500000);
    EXPECT_EQ(m.times[0].dinheiro, 600000);
    EXPECT_FALSE(podepegaremprestimo(m, 0));
    EXPECT_FALSE(pegaemprestimo(m, 0));  // at the limit nothing changes
    EXPECT_EQ(m.financas[0].emprestimo, 2500000);
    EXPECT_EQ(m.times[0].dinheiro, 600000);

    for (int i = 0; i < 5; ++i) EXPECT_TRUE(pagaemprestimo(m, 0));
    EXPECT_EQ(m.financas[0].emprestimo, 0);
    EXPECT_EQ(m.times[0].dinheiro, 600000 - 2500000);  // nothing checks the cash
    EXPECT_FALSE(podepagaremprestimo(m, 0));
    EXPECT_FALSE(pagaemprestimo(m, 0));
    EXPECT_TRUE(podepegaremprestimo(m, 0));
    EXPECT_FALSE(pegaemprestimo(m, 5));  // no such club

    // Interest: 3 % to the nearest integer, taken from the cash, `juros` holds the last charge.
    m.times[0].dinheiro = 0;
    m.financas[0].emprestimo = 1500000;
    cobrajuros(m, 0);
    cobrajuros(m, 0);
    EXPECT_EQ(m.times[0].dinheiro, -90000);
    EXPECT_EQ(m.financas[0].juros, 45000);
    m.financas[0].emprestimo = 0;
    cobrajuros(m, 0);  // no loan, no charge, the last charge stays on record
    EXPECT_EQ(m.times[0].dinheiro, -90000);
    EXPECT_EQ(m.financas[0].juros, 45000);
}

// The finance screen's sums count the outstanding loan as income and stay exact beyond 32 bits;
// bookings stop at the 32-bit limits instead of wrapping.
TEST(Financas, ResumoELimites) {
    TFinancas f{};
    f.ingressos = 1000;
    f.vendas = 2000;
    f.premios = 3000;
    f.emprestimo = 500000;
    f.patrocinio = 4000;
    f.compras = 100;
    f.obrasestadio = 200;
    f.salarios = 300;
    f.juros = 15000;
    f.multas = 400;
    f.diversos = 500;
    TResumoFinancas r = resumofinancas(f);
    EXPECT_EQ(r.entradas, 510000);
    EXPECT_EQ(r.saidas, 16500);
    EXPECT_EQ(r.saldo, 493500);
    f.ingressos = f.vendas = f.premios = f.patrocinio = INT32_MAX;
    r = resumofinancas(f);
    EXPECT_EQ(r.entradas, 4LL * INT32_MAX + 500000);

    Mundo m = teste::mundopequeno(1, 1);
    m.times[0].dinheiro = INT32_MAX - 10;
    creditafinancas(m, 0, &TFinancas::premios, 7000000);
    EXPECT_EQ(m.times[0].dinheiro, INT32_MAX);
    EXPECT_EQ(m.financas[0].premios, 7000000);
    m.times[0].dinheiro = INT32_MIN + 10;
    debitafinancas(m, 0, &TFinancas::salarios, 1000);
    EXPECT_EQ(m.times[0].dinheiro, INT32_MIN);
    EXPECT_EQ(m.financas[0].salarios, 1000);
}

// The wage bill is the squad's salaries summed again after every change, for one club or all.
TEST(Elenco, FolhaRecontadaDoElenco) {
    Mundo m = teste::mundopequeno(2, 3);
    m.financas[0].salariosemanal = 123;  // a stale bill is replaced, not adjusted
    m.financas[1].salariosemanal = -5;
    recalculasalarios(m);
    EXPECT_EQ(m.financas[0].salariosemanal, 3000);
    EXPECT_EQ(m.financas[1].salariosemanal, 3000);
    m.jogadores[1].salario = 2000000000;
    m.jogadores[2].salario = 2000000000;
    recalculasalarios(m, 0);
    EXPECT_EQ(m.financas[0].salariosemanal, INT32_MAX);  // never wraps

    m.jogadores[1].salario = 5000;
    m.jogadores[2].salario = 1000;
    mudaclube(m, 1, 1);
    EXPECT_EQ(m.financas[0].salariosemanal, 2000);
    EXPECT_EQ(m.financas[1].salariosemanal, 8000);
}
