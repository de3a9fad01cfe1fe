// Places and campaign histories, placement texts, club titles, a club's seasons and the
// meetings of two clubs.
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "records/historico.h"
#include "records/historicoclube.h"

namespace tarvello {
namespace {

using teste::mundopequeno;

TEST(Historico, LookupsTakeTheNewestEntryAndKeepEachPlaceOnce) {
    Mundo m = mundopequeno(4, 1);
    registracolocado(m, kLiga, 0, 29, 1, 1);
    registracolocado(m, kLiga, 1, 29, 2, 1);
    registracolocado(m, kLiga, 2, 29, 1, 2);
    // A second entry for the same title: the newest wins.
    registracolocado(m, kLiga, 3, 29, 1, 1);
    registracolocado(m, kCopaNacional, 2, 29, 1, -1);
    registracolocado(m, kLiga, -1, 29, 1, 3);  // no club: nothing recorded
    EXPECT_EQ(m.historicocolocados.size(), 5u);
    EXPECT_EQ(colocado(m, 29, 1, 1, 1, kLiga), 3);
    EXPECT_EQ(colocado(m, 29, 2, 1, 1, kLiga), 1);
    EXPECT_EQ(colocado(m, 29, 1, 1, 2, kLiga), 2);
    EXPECT_EQ(colocado(m, 29, 1, 2, 1, kLiga), -1);  // another season
    EXPECT_EQ(campeao(m, kCopaNacional, 29, 1), 2);
    EXPECT_EQ(campeao(m, kCopaNacional, 11, 1), -1);
    registratitulotecnico(m, kLiga, 0, 5, 29, 1, 1);
    ASSERT_EQ(m.historicotecnicos.size(), 1u);
    EXPECT_EQ(m.historicotecnicos[0].tecnico, 5);
    EXPECT_EQ(m.historicotecnicos[0].regiao, 29);
}

TEST(Historico, PlacementTextsOfEveryCompetition) {
    Mundo m = mundopequeno(6, 1);
    m.estado.temporada = 2;
    m.times[0].divisao = 2;
    // Past season (1).
    m.estado.temporada = 1;
    registracampanha(m, 0, 3, kLiga, 1);
    registracampanha(m, 1, 1, kCopaNacional, 6);
    registracampanha(m, 2, 5, kCopaNacional, -1);
    registracampanha(m, 3, 0, kCopaNacional, -1);
    registracampanha(m, 4, 7, kContinental1, -1);
    registracampanha(m, 5, 4, kContinental2, -1);
    registracampanha(m, 1, 1, kContinental1, 8);
    registracampanha(m, 0, 3, kMundialClubes, -1);
    registracampanha(m, 2, 10, kMundialClubes, -1);
    registracampanha(m, 3, 20, kMundialClubes, -1);
    registracampanha(m, 0, 2, kEstadual, 1);
    m.estado.temporada = 2;
    EXPECT_EQ(textocampanha(m, 0, kLiga, 1), "3º - 1ª divisão");
    EXPECT_EQ(textocampanha(m, 0, kLiga, 2), "Na 2ª divisão");
    EXPECT_EQ(textocampanha(m, 1, kCopaNacional, 1), "Campeão");
    EXPECT_EQ(textocampanha(m, 2, kCopaNacional, 1), "Vice-Campeão");
    EXPECT_EQ(textocampanha(m, 3, kCopaNacional, 1), "Elim. na 1ª fase");  // result 0, not 1
    EXPECT_EQ(textocampanha(m, 4, kContinental1, 1), "Vice-Campeão");
    EXPECT_EQ(textocampanha(m, 5, kContinental2, 1), "Elim. na Oitavas");
    EXPECT_EQ(textocampanha(m, 1, kContinental1, 1), "Campeão");
    EXPECT_EQ(textocampanha(m, 0, kMundialClubes, 1), "3º lugar");
    EXPECT_EQ(textocampanha(m, 2, kMundialClubes, 1), "Elim. 1ª fase");
    EXPECT_EQ(textocampanha(m, 3, kMundialClubes, 1), "Elim. semi-final");
    EXPECT_EQ(textocampanha(m, 0, kEstadual, 1), "2º - 1ª divisão");
    EXPECT_EQ(textocampanha(m, 0, kAmistoso, 1), "");

    // Current season: clubs still playing and clubs out.
    m.estado.fasecopa = 3;
    m.times[4].nacopa = 1;
    EXPECT_EQ(textocampanha(m, 4, kCopaNacional, 2), "Joga Quartas");
    registracampanha(m, 5, 2, kCopaNacional, -1);
    EXPECT_EQ(textocampanha(m, 5, kCopaNacional, 2), "Elim. Oitavas");
    m.times[4].nalib = 1;
    m.estado.faselib = 4;
    EXPECT_EQ(textocampanha(m, 4, kContinental1, 2), "Joga 1ª Fase");
    m.estado.faselib = 6;
    EXPECT_EQ(textocampanha(m, 4, kContinental1, 2), "Joga Semi-final");
    // The state text waits for the final.
    registracampanha(m, 3, 1, kEstadual, 2);
    m.estado.faseestadual = 7;
    EXPECT_EQ(textocampanha(m, 3, kEstadual, 2), "");
    m.estado.faseestadual = 8;
    EXPECT_EQ(textocampanha(m, 3, kEstadual, 2), "1º - 2ª divisão");
}

TEST(Historico, ClubTitlesCountLowerDivisionsApart) {
    Mundo m = mundopequeno(2, 1);
    registracampanha(m, 0, 1, kLiga, 1);
    registracampanha(m, 0, 1, kLiga, 2);
    registracampanha(m, 0, 1, kLiga, 4);
    registracampanha(m, 0, 2, kLiga, 3);  // runner-up: no title
    registracampanha(m, 0, 1, kCopaNacional, 6);
    registracampanha(m, 0, 1, kMundialClubes, -1);
    registracampanha(m, 1, 1, kLiga, 1);
    const auto t = titulosdeclube(m, 0);
    EXPECT_EQ(t, (std::array<int, 9>{1, 1, 0, 0, 1, 0, 1, 0, 1}));
    m.times[0].titulosestaduais = 2;
    EXPECT_EQ(textotitulosclube(m, 0), "Nacional:1; 2ª divisão:1; 4ª divisão:1; Copa:1; Mundial:1; Estadual:2; ");
    EXPECT_EQ(textotitulosclube(m, 1), "Nacional:1; ");
}

TEST(Retrospecto, SeasonsNewestFirstWithCountsAndCoaches) {
    Mundo m = mundopequeno(3, 1);
    m.times[0].pais = 29;
    m.estado.temporada = 3;
    m.confrontos.push_back({0, 1, 2, 0, 1, kLiga});
    m.confrontos.push_back({1, 0, 1, 1, 1, kLiga});
    m.confrontos.push_back({2, 0, 3, 1, 1, kCopaNacional});
    m.confrontos.push_back({0, 2, 0, 0, 3, kAmistoso});
    m.confrontos.push_back({1, 2, 5, 0, 3, kLiga});  // not the club's
    // Coach 1 hired in season 2, coach 2 in season 3 (he is the current coach).
    m.contratacoestecnicos.push_back({1, 2, 0});
    m.contratacoestecnicos.push_back({2, 3, 0});
    m.times[0].tecnico = 2;
    const auto r = retrospecto(m, 0);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].temporada, 3);
    EXPECT_EQ(r[2].temporada, 1);
    EXPECT_EQ(r[2].total.jogos, 3);
    EXPECT_EQ(r[2].total.vitorias, 1);
    EXPECT_EQ(r[2].total.empates, 1);
    EXPECT_EQ(r[2].total.derrotas, 1);
    EXPECT_EQ(r[2].total.golspro, 4);
    EXPECT_EQ(r[2].total.golscontra, 4);
    ASSERT_EQ(r[2].competicoes.size(), 2u);
    EXPECT_EQ(r[2].competicoes[0].campeonato, "Camp.Brasileiro");
    EXPECT_EQ(r[2].competicoes[1].campeonato, "Copa");
    EXPECT_EQ(r[0].competicoes.size(), 1u);
    EXPECT_EQ(r[0].competicoes[0].campeonato, "Amistosos");
    EXPECT_EQ(r[2].tecnicos, "Técnico 0");
    EXPECT_EQ(r[1].tecnicos, "Técnico 0,Técnico 1");
    EXPECT_EQ(r[0].tecnicos, "Técnico 1");  // the current coach is not repeated

    const auto p = posicoesliga(m, 0);
    EXPECT_TRUE(p.empty());
    registracampanha(m, 0, 4, kLiga, 2);
    ASSERT_EQ(posicoesliga(m, 0).size(), 1u);
    EXPECT_EQ(posicoesliga(m, 0)[0].divisao, 2);
}

TEST(Retrospecto, MeetingsOfTwoClubs) {
    Mundo m = mundopequeno(3, 1);
    for (auto& t : m.times) t.pais = 29;
    m.confrontos.push_back({0, 1, 2, 0, 1, kLiga});
    m.confrontos.push_back({1, 0, 3, 1, 2, kCopaNacional});
    m.confrontos.push_back({0, 2, 1, 1, 2, kLiga});
    const TConfrontosClubes c = confrontosentre(m, 0, 1);
    ASSERT_EQ(c.jogos.size(), 2u);
    EXPECT_EQ(c.jogos[0].competicao, "Campeonato Brasileiro");
    EXPECT_EQ(c.jogos[1].competicao, "Copa do Brasil");
    EXPECT_EQ(textobalanco(c.primeiro), "1v 1d 3gp 3gc ");
    EXPECT_EQ(textobalanco(c.segundo), "1v 1d 3gp 3gc ");
    EXPECT_EQ(textonumerojogos(2), "2 jogos");
    EXPECT_EQ(textonumerojogos(1), "1 jogo");
    const TConfrontosClubes nunca = confrontosentre(m, 1, 2);
    EXPECT_TRUE(nunca.jogos.empty());
    EXPECT_EQ(textobalanco(nunca.primeiro), "");
}

}  // namespace
}  // namespace tarvello
