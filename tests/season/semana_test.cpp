#include <gtest/gtest.h>

#include "model/datas.h"
#include "model/hoje.h"
#include "season/semana.h"
#include "../apoio/mundopequeno.h"

using namespace tarvello;

TEST(Hoje, DatasDaPrimeiraTemporada) {
    EXPECT_EQ(textodata(datadonumero(1, 1)), "2008-01-02");
    EXPECT_EQ(textodata(datadonumero(1, 2)), "2008-01-03");
    EXPECT_EQ(textodata(datadonumero(1, 3)), "2008-01-06");
    EXPECT_EQ(textodata(datadonumero(1, 36)), "2008-03-23");
    EXPECT_EQ(textodata(datadonumero(1, 148)), "2008-12-10");
}

// Date 36 is a Sunday, 37 a Wednesday, 3 a Sunday of the first nine dates.
TEST(Semana, SalariosEJurosSoNosDomingosDeLigaOuEstadual) {
    Mundo m = teste::mundopequeno(2, 3, 36);
    m.times[0].dinheiro = m.times[1].dinheiro = 100000;
    m.financas[0].emprestimo = 1500000;
    cobrasemana(m, kLiga, 0, 1);
    EXPECT_EQ(m.times[0].dinheiro, 100000 - 3000 - 45000);
    EXPECT_EQ(m.financas[0].salarios, 3000);
    EXPECT_EQ(m.financas[0].juros, 45000);
    EXPECT_EQ(m.times[1].dinheiro, 97000);
    EXPECT_EQ(m.financas[1].juros, 0);
    cobrasemana(m, kLiga, 0, 1);
    EXPECT_EQ(m.financas[0].juros, 45000);  // the last charge, not a sum
    EXPECT_EQ(m.times[0].dinheiro, 100000 - 2 * 48000);

    Mundo cup = teste::mundopequeno(2, 3, 36);
    cobrasemana(cup, kCopaNacional, 0, 1);
    EXPECT_EQ(cup.financas[0].salarios, 0);
    cup.estado.dataatual = 37;  // a Wednesday
    cobrasemana(cup, kLiga, 0, 1);
    EXPECT_EQ(cup.financas[0].salarios, 0);

    // Friendlies of the first nine dates pay wages but never interest.
    Mundo f = teste::mundopequeno(2, 3, 3);
    f.financas[0].emprestimo = 500000;
    cobrasemana(f, kAmistoso, 0, 1);
    EXPECT_EQ(f.financas[0].salarios, 3000);
    EXPECT_EQ(f.financas[0].juros, 0);
    f.estado.dataatual = 37;
    cobrasemana(f, kAmistoso, 0, 1);
    EXPECT_EQ(f.financas[0].salarios, 3000);
}

TEST(Semana, RendaPorCompeticao) {
    Mundo m = teste::mundopequeno(2, 1);
    creditarenda(m, kCopaNacional, 0, 1, 1001);
    EXPECT_EQ(m.times[0].dinheiro, 500);
    EXPECT_EQ(m.financas[1].ingressos, 500);
    creditarenda(m, kLiga, 0, 1, 1000);
    EXPECT_EQ(m.times[0].dinheiro, 1500);
    EXPECT_EQ(m.times[1].dinheiro, 500);
    creditarenda(m, kCopaMundo, 0, 1, 1000);
    EXPECT_EQ(m.financas[0].ingressos, 1500);
}

TEST(Semana, RecuperacaoDeEnergia) {
    Mundo m = teste::mundopequeno(2, 2);
    m.times[0].humano = 1;
    TJogador& a = m.jogadores[1];  // human club
    a.energia = 70;
    recuperaenergia(m, 1);
    EXPECT_EQ(a.energia, 100);  // 24 years, did not play: +50, capped
    a.energia = -3;
    a.idade = 80;
    a.jogounapartida = 1;
    recuperaenergia(m, 1);
    EXPECT_EQ(a.energia, 5);  // still negative after recovery
    EXPECT_EQ(a.jogounapartida, 0);
    a.idade = 40;
    a.energia = 50;
    a.jogounapartida = 1;
    recuperaenergia(m, 1);
    EXPECT_EQ(a.energia, 57);

    // A computer club's tired player is reset into 20..39, and improvisation ends.
    TJogador& b = m.jogadores[3];
    for (int i = 0; i < 50; ++i) {
        b.energia = 13;
        b.jogounapartida = 1;
        b.posicao = 4;
        recuperaenergia(m, 3);
        EXPECT_GE(b.energia, 20);
        EXPECT_LE(b.energia, 39);
        EXPECT_EQ(b.posicao, b.posicaooriginal);
    }
    m.jogadores[2].energia = 0;
    recuperaenergia(m, 2);
    EXPECT_EQ(m.jogadores[2].energia, 50);
    recuperaenergia(m, 0);
    EXPECT_EQ(m.jogadores[0].energia, 0);  // the placeholder never changes
}

TEST(Semana, ConfirmacaoDeTitulares) {
    Mundo m = teste::mundopequeno(1, 3);
    m.times[0].humano = 1;
    for (int i = 1; i <= 3; ++i) m.jogadores[i].escalacao = 1;
    m.jogadores[1].contratoate = datahoje(m) - 1;
    m.jogadores[1].energia = 10;
    m.jogadores[2].energia = 14;
    m.jogadores[3].energia = 14;
    m.jogadores[3].habilidade1 = 12;
    verificatitulares(m, 0);
    EXPECT_EQ(m.jogadores[1].energia, 5);
    EXPECT_EQ(m.jogadores[1].moral, 1);
    EXPECT_EQ(m.jogadores[2].moral, 1);
    EXPECT_EQ(m.jogadores[3].moral, 2);
    ASSERT_EQ(m.mensagens.size(), 2u);
    EXPECT_EQ(m.mensagens[0].assunto, 11);
    EXPECT_GE(m.mensagens[0].texto, 62);
}

TEST(Moral, MoralDoTimeEReacaoAGoleada) {
    Mundo m = teste::mundopequeno(1, 10);
    m.times[0].humano = 1;
    for (int i = 1; i <= 10; ++i) m.jogadores[i].moral = 3;
    m.jogadores[1].moralvolta = 1;
    m.jogadores[1].moral = 2;
    m.jogadores[2].moralvolta = 3;
    atualizamoral(m, 0);
    EXPECT_EQ(m.jogadores[1].moral, 3);
    EXPECT_EQ(m.jogadores[1].moralvolta, 0);
    EXPECT_EQ(m.jogadores[2].moralvolta, 2);
    // Unless a fight or the fans hit someone, every player is at 3: team morale 3.
    if (m.mensagens.empty()) {
        EXPECT_EQ(m.times[0].moraltime, 3);
    }

    // Grade 4 lowers the team morale 94 times in 100.
    int quedas = 0;
    for (int i = 0; i < 400; ++i) {
        Mundo g = teste::mundopequeno(1, 10);
        g.aleatorio.semeia(i);
        for (int k = 1; k <= 10; ++k) g.jogadores[k].moral = 3;
        g.times[0].notaderrota = 4;
        atualizamoral(g, 0);
        EXPECT_EQ(g.times[0].notaderrota, 0);
        if (g.times[0].moralvoltatime == 4) ++quedas;  // 5 added, one counted down
    }
    EXPECT_GT(quedas, 350);
    EXPECT_LT(quedas, 400);
}

// The fight draw needs two different players: a squad of one never fights, and a squad of
// two always names both.
TEST(Moral, BrigaPrecisaDeDoisJogadores) {
    int brigas = 0;
    for (int s = 0; s < 3000; ++s) {
        Mundo m = teste::mundopequeno(1, s % 2 == 0 ? 1 : 2);
        m.aleatorio.semeia(s);
        atualizamoral(m, 0);
        for (const auto& msg : m.mensagens) {
            ASSERT_EQ(s % 2, 1);
            ASSERT_NE(msg.jogador, msg.outro);
            EXPECT_EQ(m.jogadores[msg.jogador].moralvolta, 4);
            EXPECT_EQ(m.jogadores[msg.outro].moralvolta, 4);
            ++brigas;
        }
    }
    EXPECT_GT(brigas, 0);
}

TEST(Moral, QueixaDeQuemNaoJoga) {
    Mundo m = teste::mundopequeno(1, 1);
    m.estado.sistemadisputa = 4;
    int queixas = 0;
    for (int s = 0; s < 200; ++s) {
        m.jogadores[1].semjogar = 8;
        m.jogadores[1].moral = 2;
        m.jogadores[1].reclamou = 0;
        atualizamoral(m, 0);
        if (m.jogadores[1].reclamou) {
            ++queixas;
            EXPECT_EQ(m.jogadores[1].semjogar, 0);
            EXPECT_EQ(m.jogadores[1].moral, 1);
        }
    }
    EXPECT_GT(queixas, 40);  // 4 chances in 10
    EXPECT_LT(queixas, 120);
}

TEST(Semana, FalecimentoTiraOJogadorDoClube) {
    Mundo m = teste::mundopequeno(1, 4);
    m.times[0].humano = 1;
    m.estado.competicaoatual = kLiga;
    m.jogadores[3].idade = 61;
    m.jogadores[3].salario = 5000;
    m.financas[0].salariosemanal = 8000;
    m.times[0].capitao = 3;
    m.times[0].pontos[kLiga] = 12;
    EXPECT_EQ(verificafalecimento(m, 0), 3);
    EXPECT_EQ(m.jogadores[3].time, -1);
    EXPECT_EQ(m.times[0].numjogadores, 3);
    EXPECT_EQ(m.financas[0].salariosemanal, 3000);
    EXPECT_NE(m.times[0].capitao, 3);
    EXPECT_EQ(m.times[0].pontos[kLiga], 7);
    m.estado.competicaoatual = kCopaNacional;
    m.jogadores[2].idade = 70;
    EXPECT_EQ(verificafalecimento(m, 0), 0);
}
