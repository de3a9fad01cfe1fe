// Line strength, improvisation and average energy at their boundaries.
#include <gtest/gtest.h>

#include "match/eventos.h"
#include "match/forca.h"
#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

TEST(Forca, FatorImprovisadoPorPosicaoECaracteristica) {
    TJogador j{};
    auto fator = [&](int atual, int natural, int h1 = 4, int h2 = 11) {
        j.posicao = atual;
        j.posicaooriginal = natural;
        j.habilidade1 = h1;
        j.habilidade2 = h2;
        return fatorimprovisado(j);
    };
    EXPECT_FLOAT_EQ(fator(kGoleiro, kZagueiro), 0.3f);
    EXPECT_FLOAT_EQ(fator(kGoleiro, kGoleiro), 0.3f);
    EXPECT_FLOAT_EQ(fator(kLateral, kGoleiro), 0.5f);
    EXPECT_FLOAT_EQ(fator(kLateral, kMeioCampo), 0.8f);
    EXPECT_FLOAT_EQ(fator(kLateral, kMeioCampo, 4, 5), 0.7f);  // "Cabeceio" either way
    EXPECT_FLOAT_EQ(fator(kLateral, kMeioCampo, 5, 4), 0.7f);
    EXPECT_FLOAT_EQ(fator(kZagueiro, kAtacante, 8), 0.6f);
    EXPECT_FLOAT_EQ(fator(kZagueiro, kAtacante, 6), 0.6f);
    EXPECT_FLOAT_EQ(fator(kZagueiro, kAtacante, 9, 4), 0.7f);  // only the first one counts
    EXPECT_FLOAT_EQ(fator(kZagueiro, kGoleiro), 0.5f);
    EXPECT_FLOAT_EQ(fator(kMeioCampo, kLateral, 6), 0.6f);
    EXPECT_FLOAT_EQ(fator(kMeioCampo, kLateral, 7, 6), 0.7f);
    EXPECT_FLOAT_EQ(fator(kAtacante, kMeioCampo), 0.7f);
    EXPECT_FLOAT_EQ(fator(kAtacante, kGoleiro), 0.5f);
    EXPECT_FLOAT_EQ(fator(7, kMeioCampo), 0.01f);
}

TEST(Forca, ContribuicaoInteiraIgualAoArredondamentoDaDivisao) {
    for (int e = -5; e <= 130; ++e)
        for (int f = -5; f <= 255; ++f)
            ASSERT_EQ(contribuicao(e, f), arredonda(static_cast<double>(e) * f / 100.0)) << e << " " << f;
}

TEST(Forca, SetorSomaOsJogadoresEmCampoComEnergiaEImproviso) {
    Mundo m = mundo(2);
    escala442(m, 0);
    const TEscalacao& r = *linhade(m, 0);
    // Attack: two atacantes, both natural.
    TJogador& a1 = m.jogadores[r[9]];
    TJogador& a2 = m.jogadores[r[10]];
    a1.forca = 45; a1.energia = 50;  // 22.5 -> 22 (halves to even)
    a2.forca = 47; a2.energia = 50;  // 23.5 -> 24
    EXPECT_EQ(forcasetor(m, 0, kAtacante), 46);

    // A meio campo improvised as atacante gives 0.7 of his strength.
    TJogador& mc = m.jogadores[r[5]];
    mc.forca = 80; mc.energia = 100; mc.habilidade1 = 4;
    ASSERT_TRUE(mudaposicao(m, 0, r[5], kAtacante, 1));
    EXPECT_EQ(forcasetor(m, 0, kAtacante), 46 + 56);
    EXPECT_EQ(r[kSlotAtaque], 3);
    EXPECT_EQ(r[kSlotMeio], 3);

    // A lateral "Ala" counts in the midfield line, not in defence.
    const int antesdefesa = forcasetor(m, 0, kLateral), antesmeio = forcasetor(m, 0, kMeioCampo);
    TJogador& la = m.jogadores[r[1]];
    const int contribuicao = arredonda(static_cast<double>(la.energia) * la.forca / 100.0);
    ASSERT_TRUE(mudaposicao(m, 0, r[1], kLateral, 2));
    EXPECT_EQ(forcasetor(m, 0, kLateral), antesdefesa - contribuicao);
    EXPECT_EQ(forcasetor(m, 0, kMeioCampo), antesmeio + contribuicao);
    EXPECT_EQ(esquemaatual(m, 0), "3-4-3");
    EXPECT_EQ(r[12], 2);  // still two laterais on the pitch by position

    // An injured player stops counting at once.
    a2.contusaoate = hojedodia(m) + 1;
    refazemcampo(m, r[10]);
    EXPECT_EQ(forcasetor(m, 0, kAtacante), 22 + 56);
}

TEST(Forca, CampeaoRecenteNoTopoDaTabelaPerdeVintePorCento) {
    Mundo m = mundo(2);
    escala442(m, 0);
    const int normal = forcasetor(m, 0, kZagueiro);
    ASSERT_GT(normal, 0);
    m.diajogo.campeaoliga = 0;
    m.estado.temporada = 4;
    m.times[0].colocacoes[kLiga] = 2;
    EXPECT_EQ(forcasetor(m, 0, kZagueiro), arredonda(normal * 0.8));
    m.times[0].colocacoes[kLiga] = 3;
    EXPECT_EQ(forcasetor(m, 0, kZagueiro), normal);
    m.times[0].colocacoes[kLiga] = 1;
    m.estado.temporada = 3;
    EXPECT_EQ(forcasetor(m, 0, kZagueiro), normal);
    m.estado.temporada = 4;
    m.estado.competicaoatual = kCopaNacional;
    EXPECT_EQ(forcasetor(m, 0, kZagueiro), normal);
}

TEST(Forca, EnergiaMediaDosJogadoresEmCampo) {
    Mundo m = mundo(2);
    novalinha(m, 1);
    EXPECT_EQ(energiamedia(m, 1), 0);  // nobody on the pitch, no division by zero
    EXPECT_EQ(energiamedia(m, 5), 0);  // no such club
    const TEscalacao& r = escala442(m, 0);
    for (int s = 1; s <= 11; ++s) m.jogadores[r[s]].energia = 80;
    m.jogadores[r[1]].energia = 85;
    EXPECT_EQ(energiamedia(m, 0), 80);  // 885 / 11 = 80.45
    m.jogadores[r[2]].energia = 91;     // 896 / 11 = 81.45
    EXPECT_EQ(energiamedia(m, 0), 81);
    defineemcampo(m, r[2], false);      // off the pitch: 805 / 10
    EXPECT_EQ(energiamedia(m, 0), 80);
}

TEST(Forca, FocoPeloMeioPedeArmadores) {
    Mundo m = mundo(2);
    const TEscalacao& r = escala442(m, 0);
    for (int s = 1; s <= 10; ++s) {
        TJogador& j = m.jogadores[r[s]];
        j.habilidade1 = j.habilidade2 = 7;
        j.funcao = 0;
    }
    EXPECT_FALSE(focoadequado(m, 0));  // forwards are counted in both passes: sc 0, ct 4
    m.jogadores[r[9]].funcao = m.jogadores[r[10]].funcao = 1;
    EXPECT_FALSE(focoadequado(m, 0));  // "Pelo meio" forwards: sc 4, ct 4
    for (int s : {5, 6}) {             // two attacking meio campos with "Armação"
        m.jogadores[r[s]].funcao = 1;
        m.jogadores[r[s]].habilidade1 = 4;
    }
    EXPECT_TRUE(focoadequado(m, 0));  // sc 8 > ct 6 + 1
    defineemcampo(m, r[5], false);    // only players who took part count
    EXPECT_FALSE(focoadequado(m, 0)); // sc 6, ct 5
}
