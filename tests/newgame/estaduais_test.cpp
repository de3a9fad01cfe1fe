#include <gtest/gtest.h>

#include <algorithm>

#include "competitions/calendario.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "newgame/escolhas.h"
#include "newgame/estaduais.h"

using namespace tarvello;

namespace {

constexpr int kSP = 25, kRJ = 18, kAC = 0;

void brasileiros(Mundo& m, int estado, int n, int nivel = 10) {
    for (int i = 0; i < n; ++i) {
        TTime t{};
        t.pais = kBrasil;
        t.estado = estado;
        t.nivel = nivel + (i % 3);
        m.times.push_back(t);
    }
}

int ocupados(const TEstadual& e, int g) {
    return static_cast<int>(std::count_if(std::begin(e.grupos[g]), std::end(e.grupos[g]), [](int c) { return c >= 0; }));
}

}  // namespace

TEST(Estaduais, GruposPorNumeroDeClubesENivel) {
    Mundo m;
    m.estado.ckestadual = 1;
    brasileiros(m, kSP, 6);
    brasileiros(m, kRJ, 11);
    brasileiros(m, kAC, 5);
    TTime fora{};
    fora.pais = kBrasil;
    fora.estado = -1;  // no state: never in a championship
    m.times.push_back(fora);
    m.times[7].humano = 1;  // a club of RJ
    montaestaduais(m);

    const TEstadual& sp = m.estaduais[kSP];
    EXPECT_TRUE(sp.temestadual);
    EXPECT_EQ(sp.numgrupos, 1);
    EXPECT_EQ(ocupados(sp, 0), 6);
    EXPECT_EQ(ocupados(sp, 1), 0);
    EXPECT_FALSE(sp.temhumano);

    const TEstadual& rj = m.estaduais[kRJ];
    EXPECT_EQ(rj.numgrupos, 1);
    EXPECT_EQ(ocupados(rj, 0), 6);
    EXPECT_EQ(ocupados(rj, 1), 5);
    EXPECT_TRUE(rj.temhumano);
    // The top group holds the six strongest.
    int minimo1 = 99, maximo2 = 0;
    for (int c : rj.grupos[0]) minimo1 = std::min(minimo1, m.times[c].nivel);
    for (int c : rj.grupos[1])
        if (c >= 0) maximo2 = std::max(maximo2, m.times[c].nivel);
    EXPECT_GE(minimo1, maximo2);
    for (int g = 0; g < 2; ++g)
        for (int c : rj.grupos[g])
            if (c >= 0) {
                EXPECT_EQ(m.times[c].grupoestadual, g + 1);
                EXPECT_EQ(m.times[c].noestadual, 1);
            }

    EXPECT_FALSE(m.estaduais[kAC].temestadual);
    EXPECT_EQ(m.times[17].grupoestadual, 0);  // an AC club
    EXPECT_EQ(m.times.back().noestadual, 0);
    EXPECT_EQ(m.estado.ckestadual, 1);

    EXPECT_EQ(gruposestaduais(5), 0);
    EXPECT_EQ(gruposestaduais(12), 2);
    EXPECT_EQ(gruposestaduais(23), 3);
    EXPECT_EQ(gruposestaduais(24), 4);
}

TEST(Estaduais, EstadoGrandeEnchePoucosGruposEDeixaOsMaisFracosDeFora) {
    Mundo m;
    m.estado.ckestadual = 1;
    brasileiros(m, kSP, 30, 12);
    brasileiros(m, kSP, 3, 1);  // the three weakest
    brasileiros(m, kRJ, 29);
    montaestaduais(m);

    const TEstadual& sp = m.estaduais[kSP];
    EXPECT_EQ(sp.numgrupos, 5);  // five full groups, all of them played
    for (int g = 0; g < 5; ++g) EXPECT_EQ(ocupados(sp, g), 6);
    for (int c = 0; c < 33; ++c) EXPECT_EQ(m.times[c].noestadual, c < 30 ? 1 : 0) << c;
    for (int c = 0; c < 30; ++c) EXPECT_GE(m.times[c].grupoestadual, 1);

    // 29 clubs: four full groups and five clubs in a fifth that stays out of the schedule.
    const TEstadual& rj = m.estaduais[kRJ];
    EXPECT_EQ(rj.numgrupos, 4);
    EXPECT_EQ(ocupados(rj, 4), 5);

    // Every played group gets its 30 matches (six clubs, home and away).
    m.estado.temporada = 1;
    montacalendario(m);
    montajogos(m, kEstadual, kSP);
    EXPECT_EQ(m.partidas.size(), 5u * 30u);
    for (const TPartida& p : m.partidas) EXPECT_LT(p.mandante, 30);
}

TEST(Estaduais, SemEstadoComSeisClubesDesligaOsEstaduais) {
    Mundo m;
    m.estado.ckestadual = 1;
    brasileiros(m, kSP, 5);
    montaestaduais(m);
    EXPECT_EQ(m.estado.ckestadual, 0);
}

TEST(Escolhas, NomesEPaisPrincipal) {
    EXPECT_EQ(nomeliga(kBrasil), "Campeonato Brasileiro");
    EXPECT_EQ(nomeliga(54), "Campeonato Dinamarca");
    EXPECT_EQ(nomecopa(kBrasil), "Copa do Brasil");
    EXPECT_EQ(nomecopa(11), "Copa Argentina");
    EXPECT_EQ(nomecopa(kPersonalizado).size(), 18u);
    EXPECT_EQ(paisprincipal({11, 29, 97}), kBrasil);
    EXPECT_EQ(paisprincipal({97, 11}), 97);
    EXPECT_EQ(paisprincipal({}), -1);
}
