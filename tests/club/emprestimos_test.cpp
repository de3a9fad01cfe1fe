// Loans: taking a player, the answer of the player, the end at the date, cancelling, buying,
// and the loans of a club whose coach leaves.
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "club/elenco.h"
#include "club/emprestimos.h"
#include "club/transferencias.h"
#include "model/hoje.h"
#include "season/tecnico.h"

using namespace tarvello;

namespace {

Mundo emprestimos() {
    Mundo m = teste::mundoliga(4, 2);
    m.times[0].humano = 1;
    m.estado.numtecnicoshumanos = 1;
    m.estado.timedotecnico[0] = 0;
    m.estado.timeatual = 0;
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) recontaelenco(m, t);
    recalculasalarios(m);
    return m;
}

int oferecido(Mundo& m, int time, int k = 1) {
    const int p = elenco(m, time)[static_cast<size_t>(k)];
    m.jogadores[static_cast<size_t>(p)].emprestado = 1;
    m.jogadores[static_cast<size_t>(p)].salario = 3000;
    return p;
}

}  // namespace

// Taking a loan moves the player and his wage, with a contract to the loan's end; a third
// loan is refused until one ends.
TEST(Emprestimos, PegarELimite) {
    Mundo m = emprestimos();
    recalculasalarios(m);
    const int32_t folha0 = m.financas[0].salariosemanal, folha3 = m.financas[3].salariosemanal;
    const int32_t caixa0 = m.times[0].dinheiro;
    const int a = oferecido(m, 3);
    recalculasalarios(m);
    const int32_t folha3b = m.financas[3].salariosemanal;
    ASSERT_EQ(pegaemprestado(m, a, 0), ResultadoEmprestimo::Feito);
    const TJogador& j = m.jogadores[static_cast<size_t>(a)];
    EXPECT_EQ(j.time, 0);
    EXPECT_EQ(j.emprestado, 2);
    EXPECT_DOUBLE_EQ(j.contratoate, datahoje(m) + 180);
    EXPECT_EQ(m.financas[0].salariosemanal, folha0 + j.salario);
    EXPECT_EQ(m.financas[3].salariosemanal, folha3b - j.salario);
    (void)folha3;
    EXPECT_EQ(m.times[0].dinheiro, caixa0);  // no money changes hands
    EXPECT_EQ(m.times[0].numjogadores, 19);
    EXPECT_EQ(m.transferencias.back().preco, 0);
    EXPECT_EQ(contaemprestados(m, 0), 1);
    // A loaned player cannot be sold by anyone while the loan runs.
    EXPECT_FALSE(efetuatransferencia(m, a, 5, 1000));

    const int b = oferecido(m, 4);
    ASSERT_EQ(pegaemprestado(m, b, 0), ResultadoEmprestimo::Feito);
    const int c = oferecido(m, 5);
    EXPECT_EQ(pegaemprestado(m, c, 0), ResultadoEmprestimo::Limite);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(c)].time, 5);
    ASSERT_TRUE(cancelaemprestimo(m, a));
    EXPECT_EQ(m.jogadores[static_cast<size_t>(a)].time, 3);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(a)].emprestado, 0);
    EXPECT_EQ(m.financas[0].salariosemanal, folha0 + m.jogadores[static_cast<size_t>(b)].salario);
    EXPECT_EQ(pegaemprestado(m, c, 0), ResultadoEmprestimo::Feito);
    EXPECT_FALSE(cancelaemprestimo(m, a));  // already settled

    // A loaned player who died stays out of every squad when his loan is settled.
    saidaclube(m, b);
    encerraemprestimos(m, datahoje(m) + 1000);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(b)].time, -1);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(c)].time, 5);
    EXPECT_EQ(contaemprestados(m, 0), 0);
}

// The player's answer, in both formats; where no rule speaks, he comes.
TEST(Emprestimos, AceitacaoDoJogador) {
    Mundo m = emprestimos();  // 10-club format
    const int p = oferecido(m, 12);  // second division
    m.times[12].divisao = 2;
    m.times[0].divisao = 4;
    m.times[12].nivel = 19;
    EXPECT_FALSE(aceitaemprestimo(m, p, 0));
    m.times[12].nivel = 18;
    EXPECT_TRUE(aceitaemprestimo(m, p, 0));
    m.times[12].divisao = 1;
    EXPECT_FALSE(aceitaemprestimo(m, p, 0));
    m.times[0].divisao = 3;
    m.times[12].nivel = 20;
    EXPECT_TRUE(aceitaemprestimo(m, p, 0));
    m.times[12].nivel = 21;
    EXPECT_FALSE(aceitaemprestimo(m, p, 0));
    m.times[12].divisao = 3;  // lender below a first-division club: not in any table
    m.times[0].divisao = 4;
    EXPECT_TRUE(aceitaemprestimo(m, p, 0));
    m.times[12].divisao = 0;
    EXPECT_TRUE(aceitaemprestimo(m, p, 0));

    m.estado.sistemadisputa = 2;
    m.times[12].divisao = 1;
    m.times[0].divisao = 2;
    m.times[12].nivel = 21;
    EXPECT_FALSE(aceitaemprestimo(m, p, 0));
    m.times[12].nivel = 20;
    EXPECT_TRUE(aceitaemprestimo(m, p, 0));
    EXPECT_EQ(pegaemprestado(m, p, 0), ResultadoEmprestimo::Feito);
}

// At the end date the player goes back with 180 days of contract at his club; buying him
// charges his value even into debt and records a sale from the lending club.
TEST(Emprestimos, FimECompra) {
    Mundo m = emprestimos();
    const int a = oferecido(m, 3), b = oferecido(m, 4);
    ASSERT_EQ(pegaemprestado(m, a, 0), ResultadoEmprestimo::Feito);
    ASSERT_EQ(pegaemprestado(m, b, 0), ResultadoEmprestimo::Feito);
    const double fim = m.emprestimos[0].dataretorno;
    encerraemprestimos(m, fim - 1);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(a)].time, 0);
    m.estado.dataatual += 60;  // some later match date
    encerraemprestimos(m, fim + 3);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(a)].time, 3);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(a)].emprestado, 0);
    EXPECT_DOUBLE_EQ(m.jogadores[static_cast<size_t>(a)].contratoate, datahoje(m) + 180);
    EXPECT_EQ(m.emprestimos[0].jogador, -1);

    // b's loan ends at the same date and was settled too; take him again and buy him.
    EXPECT_EQ(m.jogadores[static_cast<size_t>(b)].time, 4);
    m.jogadores[static_cast<size_t>(b)].emprestado = 1;
    ASSERT_EQ(pegaemprestado(m, b, 0), ResultadoEmprestimo::Feito);
    m.jogadores[static_cast<size_t>(b)].passe = 3000000;
    m.times[0].dinheiro = 1000000;
    const int32_t vendas4 = m.financas[4].vendas;
    ASSERT_TRUE(compraemprestado(m, b));
    EXPECT_EQ(m.jogadores[static_cast<size_t>(b)].time, 0);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(b)].emprestado, 0);
    EXPECT_EQ(m.times[0].dinheiro, -2000000);
    EXPECT_EQ(m.financas[4].vendas, vendas4 + 3000000);
    EXPECT_EQ(m.transferencias.back().origem, 4);
    EXPECT_EQ(m.transferencias.back().destino, 0);
    EXPECT_EQ(contaemprestados(m, 0), 0);
    EXPECT_EQ(m.times[4].numjogadores, 17);
    EXPECT_EQ(m.times[0].numjogadores, 19);
}

// A new coach at the club: the loans of the one who left end.
TEST(Emprestimos, TecnicoQueSaiLevaOsEmprestimos) {
    Mundo m = emprestimos();
    const int a = oferecido(m, 3);
    ASSERT_EQ(pegaemprestado(m, a, 0), ResultadoEmprestimo::Feito);
    m.tecnicos[0].time = -1;
    contrata(m, 0, 0);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(a)].time, 3);
    EXPECT_EQ(contaemprestados(m, 0), 0);
}
