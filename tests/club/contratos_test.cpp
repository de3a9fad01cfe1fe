#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "club/contratos.h"
#include "club/valores.h"
#include "model/hoje.h"
#include "model/mensagem.h"
#include "model/tipos.h"

using namespace tarvello;
using R = RespostaContrato;

// The salary formula: the club's cash picks the rate per strength point; from 32 the salary
// falls by 500 a year, never below 500.
TEST(Contratos, Salario) {
    Mundo m = teste::mundopequeno(1, 1);
    TJogador& j = m.jogadores[1];
    j.forca = 40;
    j.idade = 31;
    m.times[0].dinheiro = 10000000;  // not above 10 000 000: 950 a point
    EXPECT_EQ(calculasalario(m, 1), 38000);
    m.times[0].dinheiro = 10000001;
    EXPECT_EQ(calculasalario(m, 1), 50000);
    m.times[0].dinheiro = 20000000;
    EXPECT_EQ(calculasalario(m, 1), 50000);
    m.times[0].dinheiro = 20000001;
    EXPECT_EQ(calculasalario(m, 1), 60000);
    j.estrela = 1;
    EXPECT_EQ(calculasalario(m, 1), 64000);
    j.idade = 32;  // no cut yet
    EXPECT_EQ(calculasalario(m, 1), 64000);
    j.idade = 34;
    EXPECT_EQ(calculasalario(m, 1), 63000);
    j.forca = 1;  // 1 500 - 1 000 = 500 > 0: the star bonus still comes on top
    EXPECT_EQ(calculasalario(m, 1), 600);
    j.idade = 35;  // 1 500 - 1 500 = 0: the floor, without the bonus
    EXPECT_EQ(calculasalario(m, 1), 500);
}

// Every acceptance band of a proposal at its edges.
TEST(Contratos, RespostaDaProposta) {
    // The same salary: refused by a top-four club (and one outside the league), accepted below.
    EXPECT_EQ(respostacontrato(20000, 20000, 3, 200), R::Recusa);
    EXPECT_EQ(respostacontrato(20000, 20000, 0, 200), R::Recusa);
    EXPECT_EQ(respostacontrato(20000, 20000, 5, 200), R::Aceita);

    // Cuts: only with fewer than 80 days left and a club above 7th.
    EXPECT_EQ(respostacontrato(58500, 60000, 6, 79), R::Aceita);
    EXPECT_EQ(respostacontrato(58500, 60000, 6, 80), R::Recusa);
    EXPECT_EQ(respostacontrato(58500, 60000, 7, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(58499, 60000, 6, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(9500, 10000, 1, -5), R::Aceita);  // an expired contract counts as few days
    EXPECT_EQ(respostacontrato(9499, 10000, 1, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(9001, 10001, 1, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(9000, 10001, 1, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(49000, 50000, 1, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(48501, 50001, 1, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(48500, 50001, 1, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(9949000, 9950001, 1, 10), R::Nenhuma);  // outside the brackets

    // Raises by bracket.
    EXPECT_EQ(respostacontrato(11000, 10000, 4, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(10999, 10000, 4, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(10500, 10000, 5, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(10499, 10000, 5, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(11001, 10001, 9, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(11000, 10001, 9, 10), R::Recusa);
    EXPECT_EQ(respostacontrato(51000, 50000, 9, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(65001, 50001, 9, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(65000, 50001, 9, 10), R::Recusa);

    // A salary of 0 can be neither raised nor cut.
    EXPECT_EQ(respostacontrato(500, 0, 9, 10), R::Nenhuma);

    // The limit: above 100 000 and above five times the salary.
    EXPECT_EQ(respostacontrato(120000, 20000, 9, 10), R::Limite);
    EXPECT_EQ(limitesalario(20000), 100000);
    EXPECT_EQ(respostacontrato(90000, 20000, 9, 10), R::Aceita);
    EXPECT_EQ(respostacontrato(100000, 10000, 9, 10), R::Aceita);  // 100 000 itself is no limit
}

// The demand after a refusal, by salary bracket and league place, never below the offer + 500.
TEST(Contratos, ExigenciaMinima) {
    EXPECT_EQ(exigenciaminima(1000, 4, 1000), 1700);
    EXPECT_EQ(exigenciaminima(1000, 5, 1000), 1500);
    EXPECT_EQ(exigenciaminima(1001, 0, 1001), 2001);
    EXPECT_EQ(exigenciaminima(6000, 2, 6000), 7200);
    EXPECT_EQ(exigenciaminima(9001, 8, 9001), 9951);
    EXPECT_EQ(exigenciaminima(10000, 1, 10000), 11700);
    EXPECT_EQ(exigenciaminima(20000, 6, 20000), 21200);
    EXPECT_EQ(exigenciaminima(50000, 1, 50000), 53000);
    EXPECT_EQ(exigenciaminima(100000, 1, 100000), 107000);
    EXPECT_EQ(exigenciaminima(100001, 9, 100001), 108001);
    // A demand below what the coach offered becomes the offer + 500.
    EXPECT_EQ(exigenciaminima(20000, 6, 21000), 21200);
    EXPECT_EQ(exigenciaminima(20000, 6, 21500), 22000);
    EXPECT_EQ(exigenciaminima(20000, 6, 21200), 21200);
}

// What a coach types as a salary: positive whole numbers up to 9 999 999, nothing else.
TEST(Contratos, SalarioDigitado) {
    int32_t v = -1;
    EXPECT_TRUE(lesalario("1", v));
    EXPECT_EQ(v, 1);
    EXPECT_TRUE(lesalario(" 9999999 ", v));
    EXPECT_EQ(v, 9999999);
    for (const char* t : {"", "0", "-500", "10000000", "99999999999999999999", "12a", "1 000", "1.5", "+5"}) {
        v = 77;
        EXPECT_FALSE(lesalario(t, v)) << t;
        EXPECT_EQ(v, 77) << t;
    }
}

// A renewal: new end date, off the sale list, the wage bill recounted; a raise above 30 %
// lifts morale and brings the player's thanks.
TEST(Contratos, Renovacao) {
    Mundo m = teste::mundopequeno(1, 3);
    TJogador& j = m.jogadores[1];
    j.salario = 10000;
    j.avisocontrato = 2;
    j.avenda = 1;
    j.passe = 700000;
    j.precovenda = 900000;
    j.moral = 2;
    renovacontrato(m, 1, 13000, 24);  // exactly 30 %: no thanks
    EXPECT_EQ(j.salario, 13000);
    EXPECT_EQ(j.contratoate, datahoje(m) + 24 * 7);
    EXPECT_EQ(j.avisocontrato, 0);
    EXPECT_EQ(j.avenda, 0);
    EXPECT_EQ(j.precovenda, 700000);
    EXPECT_EQ(j.moral, 2);
    EXPECT_TRUE(m.mensagens.empty());
    EXPECT_EQ(m.financas[0].salariosemanal, 13000 + 2000);

    m.times[0].humano = 1;
    renovacontrato(m, 1, 16901, 12);  // 3 901 above 13 000 (30 % = 3 900)
    EXPECT_EQ(j.moral, 3);
    ASSERT_EQ(m.mensagens.size(), 1u);
    EXPECT_EQ(m.mensagens[0].jogador, 1);
    EXPECT_EQ(m.mensagens[0].texto, 67);  // the player's thanks
    EXPECT_EQ(m.financas[0].salariosemanal, 16901 + 2000);
}

// Refusing a demand sends the player to auction only when the club can spare him.
TEST(Contratos, QuemPodeSerLeiloado) {
    Mundo m = teste::mundopequeno(1, 14);  // player 1 is the goalkeeper
    m.times[0].disponiveis = 11;
    EXPECT_TRUE(podeleiloarrecusado(m, 2));
    EXPECT_FALSE(podeleiloarrecusado(m, 1));  // the only goalkeeper
    m.jogadores[3].posicaooriginal = kGoleiro;
    EXPECT_TRUE(podeleiloarrecusado(m, 1));
    m.times[0].disponiveis = 10;
    EXPECT_FALSE(podeleiloarrecusado(m, 2));
    EXPECT_FALSE(podeleiloarrecusado(m, 1));
    EXPECT_EQ(textosemleilao(m, 1), "Como você não pode vender este goleiro o salário exigido terá de ser aceito");
    EXPECT_EQ(textosemleilao(m, 2), "Como você não pode vender jogadores o salário exigido terá de ser aceito");
}

// The expiry check when the squad is shown: automatic renewal, and each warning once, by choice.
TEST(Contratos, AvisosDeTermino) {
    auto mundo = [](int escolha, bool renova) {
        Mundo m = teste::mundopequeno(1, 4);
        m.times[0].humano = 1;
        m.estado.emails = escolha;
        m.estado.renovacontrato = renova;
        const double hoje = datahoje(m);
        m.jogadores[1].contratoate = hoje - 1;   // expired yesterday
        m.jogadores[2].contratoate = hoje + 20;  // under 3 weeks
        m.jogadores[3].contratoate = hoje + 21;  // not yet
        m.jogadores[4].contratoate = hoje;       // ends today: still running
        return m;
    };
    auto avisos = [](const Mundo& m, int especie) {
        int n = 0;
        for (const TMensagem& x : m.mensagens) n += x.texto == (especie == 0 ? 71 : 72);  // 13/0 and 13/1
        return n;
    };

    Mundo sim = mundo(0, false);
    verificacontratos(sim, 0);
    EXPECT_EQ(avisos(sim, 0), 2);  // players 2 and 4
    EXPECT_EQ(avisos(sim, 1), 1);  // player 1
    EXPECT_EQ(sim.jogadores[1].avisocontrato, 2);
    EXPECT_EQ(sim.jogadores[2].avisocontrato, 1);
    EXPECT_EQ(sim.jogadores[3].avisocontrato, 0);
    verificacontratos(sim, 0);  // once per contract
    EXPECT_EQ(sim.mensagens.size(), 3u);
    // A warned contract that then expires gets the second notice.
    sim.jogadores[2].contratoate = datahoje(sim) - 3;
    verificacontratos(sim, 0);
    EXPECT_EQ(avisos(sim, 1), 2);

    Mundo termino = mundo(1, false);
    verificacontratos(termino, 0);
    EXPECT_EQ(avisos(termino, 0), 0);
    EXPECT_EQ(avisos(termino, 1), 1);

    // "Só faltando 3 semanas" never warns of three weeks left for a contract already over.
    Mundo tres = mundo(2, false);
    verificacontratos(tres, 0);
    EXPECT_EQ(avisos(tres, 0), 2);
    EXPECT_EQ(avisos(tres, 1), 0);
    EXPECT_EQ(tres.jogadores[1].avisocontrato, 0);

    Mundo nao = mundo(3, false);
    verificacontratos(nao, 0);
    EXPECT_TRUE(nao.mensagens.empty());

    // Automatic renewal: 12 weeks from today at the same salary, and no notice of the expiry.
    Mundo renova = mundo(0, true);
    renova.jogadores[1].salario = 4321;
    verificacontratos(renova, 0);
    EXPECT_EQ(renova.jogadores[1].contratoate, datahoje(renova) + 84);
    EXPECT_EQ(renova.jogadores[1].salario, 4321);
    EXPECT_EQ(avisos(renova, 1), 0);
    EXPECT_EQ(avisos(renova, 0), 2);
}
