// Computer formations, line-ups, bench and tactics.
#include <gtest/gtest.h>

#include "match/taticas.h"
#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

TDisponiveis contagem(int L, int Z, int M, int A) {
    TDisponiveis d;
    d.porposicao[kLateral] = L;
    d.porposicao[kZagueiro] = Z;
    d.porposicao[kMeioCampo] = M;
    d.porposicao[kAtacante] = A;
    d.total = L + Z + M + A;
    return d;
}

bool possivel(std::string_view nome, const TDisponiveis& d) {
    return esquemapossivel(d, *esquemapornome(nome));
}

// Lines the club up with successive seeds until the computer draws the wanted formation.
template <typename Ajuste>
Mundo escalacomesquema(const Elenco& e, int esquema, Ajuste ajuste) {
    for (uint64_t s = 1; s < 20000; ++s) {
        Mundo m = mundo(0, s);
        criatime(m, e);
        ajuste(m);
        escalatime(m, 0);
        if (m.times[0].esquema == esquema) return m;
    }
    ADD_FAILURE() << "formation never drawn";
    return mundo(1);
}

Mundo escalacomesquema(const Elenco& e, int esquema) {
    return escalacomesquema(e, esquema, [](Mundo&) {});
}

}  // namespace

TEST(Taticas, EsquemasPossiveis) {
    EXPECT_TRUE(possivel("4-4-2", contagem(2, 2, 4, 2)));
    EXPECT_FALSE(possivel("4-4-2", contagem(1, 2, 4, 2)));
    EXPECT_FALSE(possivel("4-4-2", contagem(2, 2, 4, 1)));
    EXPECT_TRUE(possivel("3-5-2", contagem(2, 3, 3, 2)));
    EXPECT_TRUE(possivel("3-5-2", contagem(0, 3, 5, 2)));
    // Only two laterais can play as "Ala": four of them do not make up for missing midfielders.
    EXPECT_FALSE(possivel("3-5-2", contagem(4, 3, 1, 2)));
    EXPECT_FALSE(possivel("3-5-2", contagem(3, 3, 2, 2)));
    EXPECT_FALSE(possivel("3-5-2", contagem(2, 2, 5, 2)));
    EXPECT_TRUE(possivel("3-4-3", contagem(0, 3, 4, 3)));
    EXPECT_TRUE(possivel("4-3-3", contagem(4, 0, 3, 3)));
    EXPECT_TRUE(possivel("4-5-1", contagem(1, 3, 5, 1)));
    EXPECT_FALSE(possivel("5-4-1", contagem(2, 2, 4, 1)));
    EXPECT_TRUE(possivel("2-5-3", contagem(0, 2, 5, 3)));
}

TEST(Taticas, TresCincoDoisComLiberoEAlas) {
    Elenco e{.goleiros = 1, .laterais = 2, .zagueiros = 3, .meias = 5, .atacantes = 2};
    Mundo m = escalacomesquema(e, 352);
    const TEscalacao& r = *linhade(m, 0);
    EXPECT_EQ(r[kSlotDefesa], 3);
    EXPECT_EQ(r[kSlotMeio], 5);
    EXPECT_EQ(r[kSlotAtaque], 2);
    EXPECT_EQ(m.jogadores[r[11]].posicao, kGoleiro);
    int libero = 0, alas = 0, meias = 0;
    for (int s = 1; s <= 10; ++s) {
        ASSERT_GT(r[s], 0);
        const TJogador& j = m.jogadores[r[s]];
        if (j.posicao == kZagueiro && j.funcao == 1) ++libero;
        if (j.posicao == kLateral) {
            EXPECT_EQ(j.funcao, 2);
            ++alas;
        }
        if (j.posicao == kMeioCampo) ++meias;
    }
    EXPECT_EQ(libero, 1);
    EXPECT_EQ(alas, 2);
    EXPECT_EQ(meias, 3);
    // The "Líbero" is the zagueiro placed first.
    for (int s = 1; s <= 10; ++s) {
        if (m.jogadores[r[s]].posicao != kZagueiro) continue;
        EXPECT_EQ(m.jogadores[r[s]].funcao, 1);
        break;
    }
}

TEST(Taticas, TresCincoDoisSemLateraisUsaMeiasComoAlas) {
    Elenco e{.goleiros = 1, .laterais = 0, .zagueiros = 3, .meias = 6, .atacantes = 2};
    Mundo m = escalacomesquema(e, 352);
    const TEscalacao& r = *linhade(m, 0);
    EXPECT_EQ(r[kSlotMeio], 5);
    int alas = 0, volantes = 0;
    for (int s = 1; s <= 10; ++s) {
        const TJogador& j = m.jogadores[r[s]];
        if (j.posicao == kMeioCampo && j.funcao == 2) ++alas;
        if (j.posicao == kMeioCampo && j.funcao == 0) ++volantes;
    }
    EXPECT_EQ(alas, 2);
    EXPECT_LE(volantes, 2);
}

TEST(Taticas, TresQuatroTresDispensaLaterais) {
    Elenco e{.forca = 50, .goleiros = 1, .laterais = 2, .zagueiros = 3, .meias = 4, .atacantes = 3};
    Mundo n = escalacomesquema(e, 343, [](Mundo& m) {
        for (int l : daposicao(m, 0, kLateral)) m.jogadores[l].forca = 99;  // the best-ranked
    });
    const TEscalacao& r = *linhade(n, 0);
    for (int s = 1; s <= 10; ++s) EXPECT_NE(n.jogadores[r[s]].posicao, kLateral);
    EXPECT_EQ(r[kSlotDefesa], 3);
    EXPECT_EQ(r[kSlotAtaque], 3);
}

TEST(Taticas, EsquemaImpossivelCaiNoPrimeiroPossivel) {
    // Four defenders, four midfielders, two forwards: only "4-4-2" fits, whatever the draw.
    Elenco e{.goleiros = 1, .laterais = 2, .zagueiros = 2, .meias = 4, .atacantes = 2};
    for (uint64_t s = 1; s <= 60; ++s) {
        Mundo m = mundo(0, s);
        criatime(m, e);
        escalatime(m, 0);
        ASSERT_EQ(m.times[0].esquema, 442);
        const TEscalacao& r = *linhade(m, 0);
        EXPECT_EQ(r[kSlotDefesa], 4);
        EXPECT_EQ(r[kSlotMeio], 4);
        EXPECT_EQ(r[kSlotAtaque], 2);
    }
}

TEST(Taticas, SemAtacantesEscalaSemEsquema) {
    Elenco e{.goleiros = 2, .laterais = 4, .zagueiros = 5, .meias = 6, .atacantes = 0};
    Mundo m = mundo(0, 3);
    criatime(m, e);
    m.times[0].esquema = 999;
    const int melhor = daposicao(m, 0, kMeioCampo)[0];
    m.jogadores[melhor].forca = 100;
    escalatime(m, 0);
    const TEscalacao& r = *linhade(m, 0);
    EXPECT_EQ(m.times[0].esquema, 999);  // no formation used
    EXPECT_EQ(r[10], melhor);            // the best one goes into slot 10
    for (int s = 1; s <= 10; ++s) EXPECT_GT(r[s], 0);
    EXPECT_EQ(m.jogadores[r[11]].posicao, kGoleiro);
    EXPECT_EQ(r[kSlotDefesa] + r[kSlotMeio] + r[kSlotAtaque], 10);
    EXPECT_EQ(m.jogadores[r[kPrimeiroBanco]].posicao, kGoleiro);
}

TEST(Taticas, BancoComGoleiroReservaPrimeiroEEnergiaMinima) {
    Mundo m = mundo(2, 11);
    const auto g = daposicao(m, 0, kGoleiro);
    const int cansado = daposicao(m, 0, kZagueiro)[3];
    m.jogadores[cansado].energia = 15;
    const int humano = daposicao(m, 1, kZagueiro)[3];
    m.jogadores[humano].energia = 15;
    m.times[1].humano = 1;
    escalacomputador(m, {0, 1});
    const TEscalacao& r = *linhade(m, 0);
    EXPECT_EQ(m.jogadores[r[kPrimeiroBanco]].posicao, kGoleiro);
    EXPECT_TRUE(r[kPrimeiroBanco] == g[0] || r[kPrimeiroBanco] == g[1]);
    EXPECT_GE(m.jogadores[cansado].energia, 30);
    EXPECT_LE(m.jogadores[cansado].energia, 39);
    EXPECT_EQ(m.jogadores[humano].energia, 15);   // a human club is never touched
    EXPECT_EQ(m.times[1].linhaescalacao, -1);
    int banco = 0;
    for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s) banco += r[s] > 0;
    EXPECT_EQ(banco, 7);
}

