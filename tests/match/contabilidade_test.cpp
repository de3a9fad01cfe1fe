#include <gtest/gtest.h>

#include "match/contabilidade.h"
#include "match/publico.h"
#include "season/tecnico.h"
#include "../apoio/mundopequeno.h"

using namespace tarvello;

namespace {
int prestigio(const Mundo& m, int time) { return m.tecnicos[m.times[time].tecnico].pontosranking; }
}  // namespace

TEST(Goleada, NotasEmCasaEFora) {
    struct Caso {
        int gm, gv, notamandante, notavisitante;
    };
    for (const Caso c : {Caso{0, 4, 1, 0}, {0, 5, 2, 0}, {1, 7, 3, 0}, {0, 9, 4, 0}, {0, 3, 0, 0},
                         {4, 0, 0, 0}, {5, 0, 0, 1}, {6, 0, 0, 2}, {8, 1, 0, 3}, {9, 0, 0, 3}}) {
        Mundo m = teste::mundopequeno(2, 1);
        m.times[0].humano = m.times[1].humano = 1;
        avaliagoleada(m, 0, 1, c.gm, c.gv);
        EXPECT_EQ(m.times[0].notaderrota, c.notamandante) << c.gm << "x" << c.gv;
        EXPECT_EQ(m.times[1].notaderrota, c.notavisitante) << c.gm << "x" << c.gv;
        const size_t mensagens = (c.notamandante > 0) + (c.notavisitante > 0);
        ASSERT_EQ(m.mensagens.size(), mensagens);
        for (const auto& msg : m.mensagens) EXPECT_EQ(msg.remetente, 2);
    }
    // Computer clubs get neither grades nor messages.
    Mundo m = teste::mundopequeno(2, 1);
    avaliagoleada(m, 0, 1, 0, 8);
    EXPECT_EQ(m.times[0].notaderrota, 0);
    EXPECT_TRUE(m.mensagens.empty());
}

TEST(Tecnicos, PrestigioPorCompeticao) {
    Mundo m = teste::mundopequeno(2, 1);
    m.times[0].divisao = 2;
    m.times[1].divisao = 4;
    contabilizatecnicos(m, kLiga, 0, 1, 2, 1);
    EXPECT_EQ(prestigio(m, 0), 4);
    EXPECT_EQ(m.tecnicos[0].vitorias[0], 1);
    EXPECT_EQ(m.tecnicos[0].vitorias[1], 1);
    EXPECT_EQ(m.tecnicos[1].derrotas[0], 1);
    contabilizatecnicos(m, kLiga, 1, 0, 1, 1);  // home division 4: nothing; away division 2: 3
    EXPECT_EQ(prestigio(m, 1), 0);
    EXPECT_EQ(prestigio(m, 0), 7);
    EXPECT_EQ(m.tecnicos[0].jogos[0], 2);
    EXPECT_EQ(m.tecnicos[0].pontosrankingsemestadual, 7);

    // Cup: 5 only against a club in a division.
    m.times[1].divisao = 0;
    contabilizatecnicos(m, kCopaNacional, 0, 1, 3, 0);
    EXPECT_EQ(prestigio(m, 0), 7);
    m.times[1].divisao = 3;
    contabilizatecnicos(m, kCopaNacional, 1, 0, 0, 1);
    EXPECT_EQ(prestigio(m, 0), 12);

    // State championship: by the state group; prestige earned there is kept apart.
    m.estado.competicaoatual = kEstadual;
    m.times[0].grupoestadual = 1;
    m.times[1].grupoestadual = 3;
    contabilizatecnicos(m, kEstadual, 0, 1, 0, 0);
    EXPECT_EQ(prestigio(m, 0), 14);
    EXPECT_EQ(prestigio(m, 1), 0);
    EXPECT_EQ(m.tecnicos[0].pontosrankingsemestadual, 12);

    // Continental cups: prestige and the last-result field in every phase.
    m.estado.competicaoatual = kContinental2;
    contabilizatecnicos(m, kContinental2, 0, 1, 1, 1);
    EXPECT_EQ(prestigio(m, 0), 17);
    EXPECT_EQ(prestigio(m, 1), 2);
    contabilizatecnicos(m, kContinental1, 0, 1, 0, 2);
    EXPECT_EQ(prestigio(m, 1), 7);
    EXPECT_EQ(m.times[1].ultimoresultado, 1);
    EXPECT_EQ(m.times[0].ultimoresultado, 2);

    // Club world cup: a game and nothing else; friendlies and national teams: nothing.
    const int jogos = m.tecnicos[0].jogos[0];
    contabilizatecnicos(m, kMundialClubes, 0, 1, 3, 0);
    contabilizatecnicos(m, kAmistoso, 0, 1, 3, 0);
    contabilizatecnicos(m, kCopaMundo, 0, 1, 3, 0);
    EXPECT_EQ(m.tecnicos[0].jogos[0], jogos + 1);
    EXPECT_EQ(m.tecnicos[0].vitorias[0], 3);
}

TEST(Tecnicos, CarenciaEClubes) {
    Mundo m = teste::mundopequeno(1, 1);
    for (auto& s : m.tecnicos[0].clubes) s[0] = s[1] = s[2] = -1;
    m.tecnicos[0].carencia = 1;
    registratecnico(m, 0, 0, "j");
    registratecnico(m, 0, 0, "j");
    EXPECT_EQ(m.tecnicos[0].carencia, 0);
    for (int c : {4, 5, 6, 7}) registratecnico(m, 0, c, "time");
    EXPECT_EQ(m.tecnicos[0].clubes[0][2], 6);
    m.estado.temporada = 14;
    registratecnico(m, 0, 0, "t");
    EXPECT_EQ(m.tecnicos[0].titulos[10], 1);
    registratecnico(m, 5, 0, "j");  // no such coach: ignored
}

TEST(Ranking, TotaisEConfrontos) {
    Mundo m = teste::mundopequeno(2, 1);
    somatotaiscompeticao(m, kCopaNacional, 0, 1, 2, 2);
    somatotaiscompeticao(m, kCopaNacional, 1, 0, 3, 1);
    EXPECT_EQ(m.times[0].totaiscompeticao[1][0], 1);
    EXPECT_EQ(m.times[1].totaiscompeticao[1][0], 4);
    EXPECT_EQ(m.times[0].totaiscompeticao[1][1], 3);
    EXPECT_EQ(m.times[0].totaiscompeticao[1][2], 5);
    somatotaiscompeticao(m, kAmistoso, 0, 1, 2, 0);
    somatotaiscompeticao(m, kCopaMundo, 0, 1, 2, 0);
    EXPECT_EQ(m.times[0].totaiscompeticao[1][0], 1);
    registraconfronto(m, kAmistoso, 0, 1, 1, 0);
    registraconfronto(m, kContinental2, 1, 0, 0, 0);
    registraconfronto(m, kCopaMundo, 1, 0, 0, 0);
    ASSERT_EQ(m.confrontos.size(), 2u);
    EXPECT_EQ(m.confrontos[1].competicao, kContinental2);
    EXPECT_EQ(m.confrontos[1].temporada, 1);
}

TEST(Publico, SetoresERenda) {
    Mundo m = teste::mundopequeno(2, 1);
    m.estado.sistemadisputa = 4;
    m.precospadrao = precospadraoiniciais(4);
    for (int t = 0; t < 2; ++t) {
        m.times[t].capacidade[0] = 20000;
        m.times[t].capacidade[1] = 40000;
        m.times[t].capacidade[2] = 5000;
        m.times[t].capacidade[3] = 800;
        for (int s = 0; s < 4; ++s) m.times[t].precoingresso[s] = m.precospadrao[4][s];
        m.times[t].divisao = 4;
    }
    m.estado.rodadaliga = m.estado.turnoliga = 1;
    for (int i = 0; i < 200; ++i) {
        const auto a = calculapublico(m, kLiga, 0, 1, 0);
        // Division 4 limits every sector; the first round fills 50..79 % of the limit.
        EXPECT_LE(a[0], 2999);
        EXPECT_LE(a[1], 14999);
        EXPECT_LE(a[2], 999);
        EXPECT_LE(a[3], 149);
        EXPECT_GE(a[0], 1000);
        EXPECT_EQ(calcularenda(m, 0, a), a[0] * 3 + a[1] * 10 + a[2] * 15 + a[3] * 30);
    }
    EXPECT_EQ(calculapublico(m, kCopaMundo, 0, 1, 0), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(calculapublico(m, kMundialClubes, 0, 1, 0), (std::array<int, 4>{0, 0, 0, 0}));

    // A human club charging less than the reference fills more seats, never beyond the stadium.
    m.times[0].divisao = 1;
    m.times[1].divisao = 1;
    m.times[0].humano = 1;
    m.estado.rodadaliga = 5;
    m.times[0].confiancatorcida = 50;
    long barato = 0, caro = 0;
    for (int i = 0; i < 100; ++i) {
        for (int s = 0; s < 4; ++s) m.times[0].precoingresso[s] = m.precospadrao[1][s] - 2;
        const auto a = calculapublico(m, kLiga, 0, 1, 0);
        for (int s = 0; s < 4; ++s) EXPECT_LE(a[s], m.times[0].capacidade[s]);
        barato += a[1];
        for (int s = 0; s < 4; ++s) m.times[0].precoingresso[s] = m.precospadrao[1][s] + 2;
        caro += calculapublico(m, kLiga, 0, 1, 0)[1];
    }
    // 24 % more against 24 % fewer.
    EXPECT_GT(barato * 10, caro * 14);
}
