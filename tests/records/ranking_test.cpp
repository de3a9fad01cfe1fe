// Club-ranking awards, the coach and club rankings with their tie-breaks, the coach titles
// text, a coach's trophy gallery and the champions lists.
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "model/tipos.h"
#include "records/galeria.h"
#include "records/historico.h"
#include "records/ranking.h"

namespace tarvello {
namespace {

using teste::mundopequeno;

TEST(RankingClubes, EveryAwardAndClubWorldCupInFinishingOrder) {
    const int liga[] = {12, 10, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    for (int p = 1; p <= 11; ++p) EXPECT_EQ(pontosrankingclube(kLiga, p), liga[p - 1]) << p;
    EXPECT_EQ(pontosrankingclube(kLiga, 1, 2), 0);  // only the first division counts
    EXPECT_EQ(pontosrankingclube(kCopaNacional, 1), 10);
    EXPECT_EQ(pontosrankingclube(kCopaNacional, 2), 7);
    EXPECT_EQ(pontosrankingclube(kEstadual, 1), 5);
    EXPECT_EQ(pontosrankingclube(kEstadual, 2), 3);
    EXPECT_EQ(pontosrankingclube(kContinental1, 1), 20);
    EXPECT_EQ(pontosrankingclube(kContinental1, 2), 15);
    EXPECT_EQ(pontosrankingclube(kContinental2, 1), 12);
    EXPECT_EQ(pontosrankingclube(kContinental2, 2), 10);
    EXPECT_EQ(pontosrankingclube(kMundialClubes, 1), 30);
    EXPECT_EQ(pontosrankingclube(kMundialClubes, 2), 15);
    // Fourth place never earns more than third.
    for (int p = 1; p < 4; ++p)
        EXPECT_GE(pontosrankingclube(kMundialClubes, p), pontosrankingclube(kMundialClubes, p + 1));
    EXPECT_EQ(pontosrankingclube(kMundialClubes, 3), 10);

    Mundo m = mundopequeno(2, 1);
    somarankingclube(m, kMundialClubes, 0, 1);
    somarankingclube(m, kCopaNacional, 0, 2);
    somarankingclube(m, kLiga, 1, 3);
    somarankingclube(m, kLiga, 7, 1);  // no such club: ignored
    EXPECT_EQ(m.times[0].pontosranking[4], 30);
    EXPECT_EQ(m.times[0].pontosranking[1], 7);
    EXPECT_EQ(m.times[1].pontosranking[0], 8);
}

TEST(RankingTecnicos, CountryWorldAndTieBreaks) {
    Mundo m = mundopequeno(4, 1);
    for (int t = 0; t < 4; ++t) m.times[t].pais = t < 3 ? kBrasil : 11;
    m.tecnicos.resize(6);
    m.tecnicos[4].nome.define("Sem Clube BR");
    m.tecnicos[4].time = -1;
    m.tecnicos[4].pais = kBrasil;
    m.tecnicos[5].nome.define("Argentino no Brasil");
    m.tecnicos[5].time = 2;
    m.tecnicos[5].pais = 11;
    m.tecnicos[2].time = -1;  // coach 2 without a club, of Argentina by birth
    m.tecnicos[2].pais = 11;
    // Points: 0 and 4 tie on everything; 1 ahead in the country view only by state points.
    m.tecnicos[0].pontosranking = m.tecnicos[0].pontosrankingsemestadual = 50;
    m.tecnicos[4].pontosranking = m.tecnicos[4].pontosrankingsemestadual = 50;
    m.tecnicos[1].pontosranking = 65;
    m.tecnicos[1].pontosrankingsemestadual = 40;
    m.tecnicos[1].conquistas[kEstadual] = 1;
    m.tecnicos[5].pontosranking = m.tecnicos[5].pontosrankingsemestadual = 50;
    m.tecnicos[5].conquistas[kMundialClubes] = 1;  // M breaks the tie first

    const auto br = rankingtecnicos(m, kBrasil);
    std::vector<int> ordem;
    for (const auto& l : br) ordem.push_back(l.tecnico);
    // 1 (65), then 5 (M), then 4 (no club) before 0 (club 0).
    EXPECT_EQ(ordem, (std::vector<int>{1, 5, 4, 0}));
    EXPECT_EQ(br[0].e, 1);
    const auto ar = rankingtecnicos(m, 11);
    ASSERT_EQ(ar.size(), 2u);  // coach 3 (club in Argentina) and the unemployed coach 2
    const auto mundo = rankingtecnicos(m, -1);
    ASSERT_EQ(mundo.size(), 6u);
    EXPECT_EQ(mundo[0].tecnico, 5);
    // Without state prestige coach 1 falls below the 50s; his E still counts (ranked in Brazil).
    EXPECT_EQ(mundo[3].tecnico, 1);
    EXPECT_EQ(mundo[3].pontos, 40);
    EXPECT_EQ(mundo[3].e, 1);
}

TEST(RankingTecnicos, TitlesTextWritesEachHeadingOnce) {
    Mundo m = mundopequeno(3, 1);
    m.estado.ckinter = 1;
    m.estado.ckinter3 = 1;
    registratitulotecnico(m, kLiga, 0, 0, kBrasil, 1, 1);
    registratitulotecnico(m, kLiga, 0, 0, kBrasil, 1, 1);
    registratitulotecnico(m, kLiga, 0, 0, 11, 1, 1);
    registratitulotecnico(m, kLiga, 0, 0, kBrasil, 1, 3);
    registratitulotecnico(m, kLiga, 0, 0, kBrasil, 2, 1);  // runner-up: not a title
    registratitulotecnico(m, kContinental1, 0, 0, 1, 1, -1);
    registratitulotecnico(m, kContinental2, 0, 0, 2, 1, -1);
    registratitulotecnico(m, kEstadual, 0, 0, kBrasil, 1, 25);
    registratitulotecnico(m, kCopaMundo, kBrasil, 0, kBrasil, 1, -1);
    m.tecnicos[0].conquistas[kEstadual] = 1;
    const std::string t = textotitulostecnico(m, 0);
    EXPECT_EQ(t,
              "Copa do Mundo:1\nLibertadores:1\nCopa UEFA:1\nNacional 1ª divisão:3 (Argentino:1 Brasileiro:2 )\n"
              "Nacional 3ª divisão:1\nEstadual:1");
    EXPECT_EQ(textotitulostecnico(m, 1), "");

    // The gallery groups the same titles.
    const auto g = galeriatrofeus(m, 0);
    std::vector<std::string> nomes;
    for (const auto& x : g) nomes.push_back(x.nome);
    EXPECT_EQ(nomes, (std::vector<std::string>{"Nacional", "Libertadores", "Copa do Mundo", "Copa da UEFA", "Estadual"}));
    EXPECT_EQ(g[0].titulos.size(), 3u);
    EXPECT_TRUE(g[2].titulos[0].selecao);
    EXPECT_EQ(g[2].titulos[0].time, kBrasil);
}

TEST(RankingClubes, ViewsSortByTheirTotals) {
    Mundo m = mundopequeno(3, 1);
    m.estado.numclubesliga = 3;
    for (auto& t : m.times) t.pais = kBrasil;
    m.times[2].pais = 11;
    m.times[0].pontosranking[0] = 12;
    m.times[1].pontosranking[0] = 10;
    m.times[1].pontosranking[2] = 5;
    const auto col = rankingclubes(m, VisaoRankingClubes::Colocacao, kBrasil);
    ASSERT_EQ(col.size(), 2u);
    EXPECT_EQ(col[0].time, 1);
    EXPECT_EQ(col[0].total, 15);
    // Match points: equal points, goal difference decides; the state counts only at home.
    m.times[0].totaiscompeticao[0][0] = 30;
    m.times[0].totaiscompeticao[0][1] = 40;
    m.times[0].totaiscompeticao[0][2] = 20;
    m.times[1].totaiscompeticao[0][0] = 24;
    m.times[1].totaiscompeticao[0][1] = 40;
    m.times[1].totaiscompeticao[0][2] = 30;
    m.times[1].totaiscompeticao[2][0] = 6;  // state
    m.times[2].totaiscompeticao[3][0] = 29;
    const auto pc = rankingclubes(m, VisaoRankingClubes::PontosCorridos, kBrasil);
    EXPECT_EQ(pc[0].time, 0);
    EXPECT_EQ(pc[1].total, 30);
    EXPECT_EQ(pc[0].saldo, 20);
    const auto in = rankingclubes(m, VisaoRankingClubes::Internacional, -1);
    ASSERT_EQ(in.size(), 3u);
    EXPECT_EQ(in[0].time, 0);
    EXPECT_EQ(in[1].time, 2);  // 29 beats 24 once the state is left out
}

TEST(Campeoes, ClubTitlesNewestFirstWithRunnerUpScorerAndCoach) {
    Mundo m = mundopequeno(4, 1);
    for (int s = 1; s <= 2; ++s) {
        m.estado.temporada = s;
        registracolocado(m, kLiga, s, kBrasil, 1, 1);
        registratitulotecnico(m, kLiga, s, s, kBrasil, 1, 1);
        registracolocado(m, kLiga, 3, kBrasil, 2, 1);
        registracolocado(m, kLiga, 0, kBrasil, 1, 2);  // division 2: not listed
    }
    const auto r = campeoesclubes(m, kLiga, kBrasil);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].temporada, 2);
    EXPECT_EQ(r[0].campeao, 2);
    EXPECT_EQ(r[0].vice, 3);
    EXPECT_EQ(r[0].tecnico, "Técnico 2");
    EXPECT_EQ(r[1].tecnico, "Técnico 1");
    EXPECT_EQ(r[0].artilheiro, "");  // nobody scored
    EXPECT_TRUE(campeoesclubes(m, kLiga, 11).empty());
}

}  // namespace
}  // namespace tarvello
