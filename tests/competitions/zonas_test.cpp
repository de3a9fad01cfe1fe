#include <gtest/gtest.h>

#include <string>

#include "../apoio/mundopequeno.h"
#include "competitions/calendario.h"
#include "competitions/jogosdatemporada.h"
#include "competitions/vagas.h"
#include "competitions/zonas.h"
#include "model/tipos.h"
#include "records/historico.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

constexpr int kArgentina = 11, kInglaterra = 97, kFranca = 72, kGeorgia = 76, kJapao = 107, kMexico = 131;

// One letter per row: . none, B cup 1, Y cup 2, G promoted, R relegated.
std::string zonas(const TRegraZonas& r, int divisao) {
    std::string s;
    for (int linha = 1; linha <= (r.vinte ? 20 : 10); ++linha) {
        switch (zonatabela(r, divisao, linha)) {
            case ZonaTabela::Nenhuma: s += '.'; break;
            case ZonaTabela::Continental1: s += 'B'; break;
            case ZonaTabela::Continental2: s += 'Y'; break;
            case ZonaTabela::Acesso: s += 'G'; break;
            case ZonaTabela::Rebaixamento: s += 'R'; break;
        }
    }
    return s;
}

TRegraZonas regra(bool vinte, int divisoes, int vagas1 = 0, int vagas2 = 0) {
    TRegraZonas r;
    r.vinte = vinte;
    r.numdivisoes = divisoes;
    r.vagas1 = vagas1;
    r.vagas2 = vagas2;
    r.copa1 = r.copa2 = true;
    return r;
}

}  // namespace

TEST(Vagas, LugaresPorPaisECopa) {
    EXPECT_EQ(vagascontinentais(kBrasil, 1, 1), 4);
    EXPECT_EQ(vagascontinentais(kBrasil, 2, 1), 4);
    EXPECT_EQ(vagascontinentais(kMexico, 1, 1), 3);  // México plays the South American club cups
    EXPECT_EQ(vagascontinentais(kInglaterra, 1, 2), 4);
    EXPECT_EQ(vagascontinentais(kInglaterra, 2, 2), 3);
    EXPECT_EQ(vagascontinentais(kFranca, 1, 2), 3);
    EXPECT_EQ(vagascontinentais(kGeorgia, 1, 2), 0);
    EXPECT_EQ(vagascontinentais(kGeorgia, 2, 2), 1);
    EXPECT_EQ(vagascontinentais(kJapao, 1, 1), 0);
    // The wrong confederation or an unknown cup gives nothing.
    EXPECT_EQ(vagascontinentais(kBrasil, 1, 2), 0);
    EXPECT_EQ(vagascontinentais(kInglaterra, 3, 2), 0);
    EXPECT_EQ(vagascontinentais(-5, 1, 1), 0);
    EXPECT_EQ(confederacaocopas(kArgentina), 1);
    EXPECT_EQ(confederacaocopas(kInglaterra), 2);
    EXPECT_EQ(confederacaocopas(kJapao), 0);
}

TEST(Zonas, AcessoERebaixamento) {
    // 20 clubs, one division: only the last two go down; 17 and 18 stay.
    EXPECT_EQ(zonas(regra(true, 1), 1), "..................RR");
    // Three divisions of 20: four cross each boundary, the lowest loses two to the regional level.
    EXPECT_EQ(zonas(regra(true, 3), 1), "................RRRR");
    EXPECT_EQ(zonas(regra(true, 3), 2), "GGGG............RRRR");
    EXPECT_EQ(zonas(regra(true, 3), 3), "GGGG..............RR");
    // Divisions of 10: two cross every boundary, the lowest included.
    EXPECT_EQ(zonas(regra(false, 4), 1), "........RR");
    EXPECT_EQ(zonas(regra(false, 4), 2), "GG......RR");
    EXPECT_EQ(zonas(regra(false, 4), 4), "GG......RR");
}

TEST(Zonas, VagasContinentais) {
    // Brasil, 4 + 4 places: one cup 1 place waits for the cup winner.
    TRegraZonas r = regra(true, 2, 4, 4);
    EXPECT_EQ(zonas(r, 1), "BBBYYYY.........RRRR");
    EXPECT_EQ(zonas(r, 2), "GGGG..............RR");
    // Cup 2 not played: no yellow; cup 1 not played: no continental shading at all.
    r.copa2 = false;
    EXPECT_EQ(zonas(r, 1), "BBB.............RRRR");
    r.copa1 = false;
    EXPECT_EQ(zonas(r, 1), "................RRRR");
    // One place in cup 1 (L = 1), none in cup 2.
    EXPECT_EQ(zonas(regra(false, 1, 1, 0), 1), "B.......RR");
    // Cup 2 places stop at row 8.
    EXPECT_EQ(zonas(regra(true, 1, 4, 9), 1), "BBBYYYYY..........RR");
}

TEST(Zonas, CampeaoDaCopa) {
    TRegraZonas r = regra(true, 2, 4, 4);
    // Winner already among the league places: the next club takes its place.
    r.divisaocampeaocopa = 1;
    r.linhacampeaocopa = 2;
    EXPECT_EQ(zonas(r, 1), "BBBBYYYY........RRRR");
    // Winner from the cup 2 places: it goes up, one more club gets cup 2.
    r.linhacampeaocopa = 5;
    EXPECT_EQ(zonas(r, 1), "BBBYBYYY........RRRR");
    // Winner from the middle of the table.
    r.linhacampeaocopa = 12;
    EXPECT_EQ(zonas(r, 1), "BBBYYYY....B....RRRR");
    // Winner from the second division, even in the promotion zone.
    r.divisaocampeaocopa = 2;
    r.linhacampeaocopa = 3;
    EXPECT_EQ(zonas(r, 1), "BBBYYYY.........RRRR");
    EXPECT_EQ(zonas(r, 2), "GGBG..............RR");
    // With L below 2 (two places in cup 1) the cup winner gets no shading.
    TRegraZonas h = regra(false, 2, 2, 2);
    h.divisaocampeaocopa = 1;
    h.linhacampeaocopa = 6;
    EXPECT_EQ(zonas(h, 1), "BYY.....RR");
}

TEST(Zonas, RegraDoMundo) {
    Mundo m = mundoliga(2, 2);
    m.estado.ckinter = m.estado.ckinter3 = m.estado.ckcopa = 1;
    TRegraZonas r = regrazonas(m, 0);
    EXPECT_TRUE(r.vinte);
    EXPECT_EQ(r.numdivisoes, 2);
    EXPECT_EQ(r.vagas1, 4);  // the first league of mundoliga is Brasil
    EXPECT_EQ(r.vagas2, 4);
    EXPECT_EQ(r.divisaocampeaocopa, 0);
    // The season's cup winner, found in the current tables; a winner of another season is not.
    const int campeao = m.ligas[0].classificacao[1][6];
    m.estado.temporada = 2;
    registracolocado(m, kCopaNacional, m.ligas[0].classificacao[0][0], kBrasil, 1, -1);
    m.estado.temporada = 3;
    registracolocado(m, kCopaNacional, campeao, kBrasil, 1, -1);
    r = regrazonas(m, 0);
    EXPECT_EQ(r.divisaocampeaocopa, 2);
    EXPECT_EQ(r.linhacampeaocopa, 7);
    m.estado.ckinter3 = 0;
    EXPECT_FALSE(regrazonas(m, 0).copa2);
    EXPECT_EQ(regrazonas(m, 5).numdivisoes, 1);  // no such league
}

TEST(JogosDaTemporada, ListaDaTemporadaEJogosDoClube) {
    Mundo m = mundoliga(4, 3, 2);
    m.estado.ckcopa = 1;
    montacalendario(m);
    montajogosdatemporada(m);
    // Two leagues of three 10-club divisions: 3 x 90 league matches each, then the cups.
    int liga = 0, copa = 0;
    for (const TPartida& p : m.partidas) {
        liga += p.competicao == kLiga;
        copa += p.competicao == kCopaNacional;
    }
    EXPECT_EQ(liga, 2 * 3 * 90);
    EXPECT_EQ(copa, 2 * 31 * 2);  // three divisions of 10: a first phase
    EXPECT_EQ(m.partidas.front().competicao, kLiga);
    EXPECT_EQ(m.partidas.back().competicao, kCopaNacional);

    // A friendly appended late in the list comes in date order.
    const int t = m.ligas[1].times[2][3];
    adicionajogo(m, t, m.ligas[0].times[0][0], -1, m.calendario[2].data, -1, -1, -1, kAmistoso);
    const std::vector<int> todos = jogosdoclube(m, t);
    ASSERT_EQ(todos.size(), 19u);
    EXPECT_EQ(m.partidas[static_cast<size_t>(todos.front())].competicao, kAmistoso);
    for (size_t k = 1; k < todos.size(); ++k)
        EXPECT_LE(m.partidas[static_cast<size_t>(todos[k - 1])].data, m.partidas[static_cast<size_t>(todos[k])].data);
    EXPECT_EQ(jogosdoclube(m, t, kLiga).size(), 18u);
    EXPECT_EQ(jogosdoclube(m, t, kEstadual).size(), 0u);
    EXPECT_TRUE(jogosdoclube(m, -1).empty());
}
