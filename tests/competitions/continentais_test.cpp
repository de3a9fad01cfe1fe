#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "../apoio/mundopequeno.h"
#include "competitions/calendario.h"
#include "competitions/continentais.h"
#include "competitions/mundial.h"
#include "competitions/partidas.h"
#include "competitions/sorteiatimes.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "records/historico.h"

using namespace tarvello;

namespace {

const int kSul[] = {29, 11, 195, 150, 42, 46, 60, 131, 151, 26, 198};
const int kEuropa[] = {97, 65, 104, 3, 72, 85, 154, 162, 193, 78, 160, 62, 21, 159,
                       192, 15, 52, 31, 88, 171, 179, 152, 180, 76, 142, 103, 54};
const int kOutros[] = {107, 9, 43, 49, 57, 129, 1, 190, 51, 38, 68, 14, 143};

// Clubs by country, none in a played league; a country's clubs get falling `nivel` below the
// banded values, so its list follows club order.
Mundo mundocontinental(const std::map<int, int>& clubes, uint64_t semente = 7) {
    int total = 0;
    for (const auto& [pais, n] : clubes) total += n;
    Mundo m = teste::mundopequeno(total, 0, 1);
    m.aleatorio.semeia(semente);
    m.estado.temporada = 2;
    m.estado.ckinter = m.estado.ckinter3 = 1;
    m.estado.numclubesliga = total;
    int t = 0;
    for (const auto& [pais, n] : clubes)
        for (int k = 0; k < n; ++k, ++t) {
            m.times[static_cast<size_t>(t)].pais = pais;
            m.times[static_cast<size_t>(t)].nivel = 15 - k;
        }
    return m;
}

std::map<int, int> todos(int porpais) {
    std::map<int, int> c;
    for (int p : kSul) c[p] = porpais;
    for (int p : kEuropa) c[p] = porpais;
    for (int p : kOutros) c[p] = porpais;
    return c;
}

int clubede(const Mundo& m, int pais, int k) {
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t)
        if (m.times[static_cast<size_t>(t)].pais == pais && k-- == 0) return t;
    return -1;
}

// Every group of a cup holds four distinct real clubs, and no club is in two groups.
void confereGrupos(const Mundo& m, const int32_t (&g)[8][4], std::set<int>& vistos) {
    for (const auto& grupo : g)
        for (int t : grupo) {
            EXPECT_GE(t, 0);
            EXPECT_LT(t, static_cast<int>(m.times.size()));
            EXPECT_TRUE(vistos.insert(t).second) << "club " << t << " drawn twice";
        }
}

}  // namespace

TEST(Classificados, CupWinnerTakesSecondPlaceOnlyWithSeveralPlaces) {
    Mundo m = teste::mundoliga(2, 1, 1);  // Brasil, 20 clubs
    for (int k = 0; k < 20; ++k) m.times[static_cast<size_t>(k)].pontos[kLiga] = 100 - k;
    m.estado.temporada = 1;
    registracolocado(m, kCopaNacional, 11, 29, 1, -1);  // finished 12th
    TClassificados c = montaclassificados(m);
    EXPECT_EQ(c.lista[29][0], 0);
    EXPECT_EQ(c.lista[29][1], 11);
    EXPECT_EQ(c.lista[29][2], 1);
    EXPECT_EQ(c.lista[29][8], 7);  // nine entries: T1, W, T2..T8
    EXPECT_EQ(c.lista[29][9], -1);

    // The champion also won the cup: T2, T1, T3, ...
    m.historicocolocados.clear();
    registracolocado(m, kCopaNacional, 0, 29, 1, -1);
    c = montaclassificados(m);
    EXPECT_EQ(c.lista[29][0], 1);
    EXPECT_EQ(c.lista[29][1], 0);
    EXPECT_EQ(c.lista[29][2], 2);
    EXPECT_EQ(c.lista[29][8], -1);

    // One place in cup 1 (Bélgica): the cup winner gets no priority.
    m.ligas[0].pais = 21;
    for (TTime& t : m.times) t.pais = 21;
    m.historicocolocados.clear();
    registracolocado(m, kCopaNacional, 11, 21, 1, -1);
    c = montaclassificados(m);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(c.lista[21][static_cast<size_t>(k)], k);
}

TEST(Classificados, BestClubsSkipTournamentCopiesAndLeaveGaps) {
    Mundo m = mundocontinental({{26, 3}});
    m.times.push_back(m.times[0]);  // a national team's tournament copy behind the clubs
    m.times.back().nivel = 25;
    const TListaClassificados l = selecionamelhores(m, 26);
    EXPECT_EQ(l[0], 0);
    EXPECT_EQ(l[1], 1);
    EXPECT_EQ(l[2], 2);
    EXPECT_EQ(l[3], -1);
    EXPECT_FALSE(clubeclassificavel(m, 3));
}

TEST(SorteioContinental, BothCupsGetEightFullGroupsWithoutRepeats) {
    std::map<int, int> clubes = todos(10);
    clubes[26] = 1;  // Bolivia: one club for four places
    clubes[76] = 0;  // Georgia: none
    clubes.erase(76);
    Mundo m = mundocontinental(clubes);
    TClassificados c;
    zeracontinentais(m);
    sorteiasulamerica(m, c);
    sorteiaeuropa(m, c);
    std::set<int> sul, europa;
    confereGrupos(m, m.estado.gruposlib1, sul);
    confereGrupos(m, m.estado.grupossul1, sul);
    confereGrupos(m, m.estado.gruposlib2, europa);
    confereGrupos(m, m.estado.grupossul2, europa);
    EXPECT_EQ(sul.size(), 64u);
    EXPECT_EQ(europa.size(), 64u);

    // Seeds of cup 1 are Brazil's and Argentina's first four; cup 2's their fifth to eighth.
    std::set<int> cabecas, esperadas;
    for (const auto& g : m.estado.gruposlib1) cabecas.insert(g[0]);
    for (int p : {29, 11})
        for (int k = 0; k < 4; ++k) esperadas.insert(clubede(m, p, k));
    EXPECT_EQ(cabecas, esperadas);
    cabecas.clear();
    esperadas.clear();
    for (const auto& g : m.estado.grupossul1) cabecas.insert(g[0]);
    for (int p : {29, 11})
        for (int k = 4; k < 8; ++k) esperadas.insert(clubede(m, p, k));
    EXPECT_EQ(cabecas, esperadas);

    // Germany sends its sixth club to cup 2, not its seventh.
    std::set<int> copa2(europa);
    for (const auto& g : m.estado.gruposlib2)
        for (int t : g) copa2.erase(t);
    EXPECT_TRUE(copa2.count(clubede(m, 3, 5)));
    EXPECT_FALSE(copa2.count(clubede(m, 3, 6)));

    // Flags follow the groups.
    for (int g = 0; g < 8; ++g)
        for (int t : m.estado.gruposlib1[g]) {
            EXPECT_EQ(m.times[static_cast<size_t>(t)].grupolib, g + 1);
            EXPECT_EQ(m.times[static_cast<size_t>(t)].nalib, 1);
            EXPECT_EQ(m.times[static_cast<size_t>(t)].nasul, 0);
        }
}

namespace {

// A season-2 world with both cups drawn and scheduled (20-club template).
Mundo mundocomcopas(uint64_t semente = 11) {
    Mundo m = mundocontinental(todos(10), semente);
    m.estado.sistemadisputa = 2;
    montacalendario(m);
    TClassificados c;
    sorteiacontinentais(m, c);
    return m;
}

// Plays every match of a cup on its date with the given score rule, then the cup's date step.
template <class Placar>
void jogadata(Mundo& m, int competicao, double data, Placar placar) {
    InteracaoComputador ia;
    for (TPartida& p : m.partidas)
        if (p.competicao == competicao && p.data == data && p.mandante >= 0 && p.visitante >= 0) {
            const auto [a, b] = placar(p);
            p.golsmandante = a;
            p.golsvisitante = b;
            p.jogado = 1;
            if (p.rodada < 4) {
                TTime& h = m.times[static_cast<size_t>(p.mandante)];
                TTime& v = m.times[static_cast<size_t>(p.visitante)];
                h.jogos[competicao]++, v.jogos[competicao]++;
                h.golspro[competicao] += a, v.golspro[competicao] += b;
                if (a > b) h.pontos[competicao] += 3, h.vitorias[competicao]++;
                if (b > a) v.pontos[competicao] += 3, v.vitorias[competicao]++;
                if (a == b) h.pontos[competicao]++, v.pontos[competicao]++;
            }
        }
    encerradatacontinental(m, ia, competicao);
}

std::vector<double> datasde(const Mundo& m, int competicao) {
    std::vector<double> d;
    for (const TDiaCalendario& c : m.calendario)
        if (c.competicao == competicao) d.push_back(c.data);
    return d;
}

}  // namespace

TEST(FaseDeGrupos, CountersTablesAndRoundOf16) {
    Mundo m = mundocomcopas();
    const std::vector<double> d = datasde(m, kContinental1);
    ASSERT_EQ(d.size(), 14u);
    // The lower index wins every group match: slot order decides nothing, club index does.
    auto menor = [](const TPartida& p) { return p.mandante < p.visitante ? std::pair{1, 0} : std::pair{0, 1}; };
    for (int k = 0; k < 3; ++k) jogadata(m, kContinental1, d[static_cast<size_t>(k)], menor);
    EXPECT_EQ(m.estado.turnolib, 2);
    EXPECT_EQ(m.estado.faselib, 1);
    for (int k = 3; k < 6; ++k) jogadata(m, kContinental1, d[static_cast<size_t>(k)], menor);
    EXPECT_EQ(m.estado.faselib, 4);
    EXPECT_EQ(m.estado.jogolib, 1);

    for (int conf = 1; conf <= 2; ++conf) {
        const int32_t(&g)[8][4] = gruposcontinentais(m, kContinental1, conf);
        int primeiro[8], segundo[8];
        for (int k = 0; k < 8; ++k) {
            std::vector<int> v(std::begin(g[k]), std::end(g[k]));
            std::sort(v.begin(), v.end());
            primeiro[k] = v[0];
            segundo[k] = v[1];
            EXPECT_EQ(m.times[static_cast<size_t>(v[0])].colocacoes[kContinental1], 1);
            EXPECT_EQ(m.times[static_cast<size_t>(v[3])].colocacoes[kContinental1], 4);
            EXPECT_EQ(m.times[static_cast<size_t>(v[2])].nalib, 0);
            EXPECT_EQ(m.times[static_cast<size_t>(v[1])].nalib, 1);
        }
        const int i = procurajogo(m, conf, kContinental1, 4);
        ASSERT_GE(i, 0);
        // Runner-up of A at home to the winner of E in leg 1 of the second tie; E2-A1 first.
        EXPECT_EQ(m.partidas[static_cast<size_t>(i)].mandante, segundo[4]);
        EXPECT_EQ(m.partidas[static_cast<size_t>(i)].visitante, primeiro[0]);
        EXPECT_EQ(m.partidas[static_cast<size_t>(i + 2)].mandante, segundo[0]);
        EXPECT_EQ(m.partidas[static_cast<size_t>(i + 2)].visitante, primeiro[4]);
        EXPECT_EQ(m.partidas[static_cast<size_t>(i + 3)].mandante, primeiro[4]);
        EXPECT_EQ(m.partidas[static_cast<size_t>(i + 14)].mandante, segundo[3]);
        EXPECT_EQ(m.partidas[static_cast<size_t>(i + 14)].visitante, primeiro[7]);
    }
    // Third and fourth places are recorded as out in the group stage.
    const auto fora = std::count_if(m.resultadosclubes.begin(), m.resultadosclubes.end(), [](const TResultadoClube& r) {
        return r.competicao == kContinental1 && r.colocacao == 3;
    });
    EXPECT_EQ(fora, 32);
}

TEST(MataMata, TieRulesUnknownTiesAndAwards) {
    Mundo m = mundocomcopas(5);
    const std::vector<double> d = datasde(m, kContinental1);
    auto menor = [](const TPartida& p) { return p.mandante < p.visitante ? std::pair{1, 0} : std::pair{0, 1}; };
    for (int k = 0; k < 6; ++k) jogadata(m, kContinental1, d[static_cast<size_t>(k)], menor);
    const int i = procurajogo(m, 1, kContinental1, 4);
    std::vector<std::pair<int, int>> oitavas;
    for (int k = 0; k < 8; ++k)
        oitavas.push_back({m.partidas[static_cast<size_t>(i + 2 * k)].mandante,
                           m.partidas[static_cast<size_t>(i + 2 * k)].visitante});
    // Confederation 1's ties (leg 2 scores from its own home club, the leg-1 away club):
    // 1 aggregate after a win each, 2 wins, 3 away goals, 4 shoot-out, 5 and 6 nobody drawn,
    // 7 and 8 won twice by the leg-1 away club. Confederation 2: every tie to a shoot-out.
    const std::pair<int, int> ida[8] = {{2, 0}, {1, 1}, {1, 2}, {0, 1}, {0, 0}, {0, 0}, {0, 1}, {0, 1}};
    const std::pair<int, int> volta[8] = {{1, 0}, {0, 2}, {0, 1}, {0, 1}, {0, 0}, {0, 0}, {1, 0}, {1, 0}};
    for (int k : {4, 5})
        for (int perna = 0; perna < 2; ++perna)
            m.partidas[static_cast<size_t>(i + 2 * k + perna)].mandante =
                m.partidas[static_cast<size_t>(i + 2 * k + perna)].visitante = -1;
    for (int perna = 0; perna < 2; ++perna)
        jogadata(m, kContinental1, d[static_cast<size_t>(6 + perna)], [&](const TPartida& p) {
            if (p.liga != 1) return std::pair{1, 0};
            const int k = static_cast<int>(&p - &m.partidas[static_cast<size_t>(i)]) / 2;
            return perna == 0 ? ida[k] : volta[k];
        });
    EXPECT_EQ(m.estado.faselib, 5);
    EXPECT_EQ(m.estado.jogolib, 1);
    const int q = procurajogo(m, 1, kContinental1, 5);
    auto quartas = [&](int k) { return m.partidas[static_cast<size_t>(q + 2 * k)]; };
    EXPECT_EQ(quartas(0).mandante, oitavas[0].first);
    EXPECT_EQ(quartas(0).visitante, oitavas[1].first);
    EXPECT_EQ(quartas(1).mandante, oitavas[2].second);
    const TPartida& penaltis = m.partidas[static_cast<size_t>(i + 6)];
    ASSERT_NE(penaltis.penaltismandante, penaltis.penaltisvisitante);
    EXPECT_EQ(quartas(1).visitante,
              penaltis.penaltismandante > penaltis.penaltisvisitante ? oitavas[3].first : oitavas[3].second);
    // The unknown ties keep their place: the third quarter-final has nobody, the fourth is
    // still the winners of ties 7 and 8.
    EXPECT_EQ(quartas(2).mandante, -1);
    EXPECT_EQ(quartas(2).visitante, -1);
    EXPECT_EQ(quartas(3).mandante, oitavas[6].second);
    EXPECT_EQ(quartas(3).visitante, oitavas[7].second);

    // The rest of the cup: the leg-1 home club wins every tie.
    for (size_t k = 8; k < d.size(); ++k)
        jogadata(m, kContinental1, d[k], [](const TPartida& p) { return p.turno == 1 ? std::pair{2, 0} : std::pair{0, 0}; });
    EXPECT_EQ(m.estado.faselib, 8);
    for (int conf = 1; conf <= 2; ++conf) {
        const int campeao = tarvello::campeao(m, kContinental1, conf, 2);
        const int f = procurajogo(m, conf, kContinental1, 7);
        ASSERT_GE(campeao, 0);
        EXPECT_EQ(campeao, m.partidas[static_cast<size_t>(f)].mandante);
        const int vice = m.partidas[static_cast<size_t>(f)].visitante;
        EXPECT_EQ(m.financas[static_cast<size_t>(campeao)].premios, kPremioContinental1Campeao);
        EXPECT_EQ(m.financas[static_cast<size_t>(vice)].premios, kPremioContinental1Vice);
        EXPECT_EQ(m.times[static_cast<size_t>(campeao)].pontosranking[3], 20);
        EXPECT_EQ(m.tecnicos[static_cast<size_t>(m.times[static_cast<size_t>(campeao)].tecnico)].conquistas[kContinental1], 1);
        EXPECT_EQ(colocado(m, conf, 2, 2, -1, kContinental1), vice);
    }
}

namespace {

// Season-2 world with the club world cup's dates and both continental champions recorded.
Mundo mundocommundial(std::map<int, int> clubes, int campeaosul, int campeaoeuropa, uint64_t semente) {
    Mundo m = mundocontinental(clubes, semente);
    m.estado.sistemadisputa = 2;
    montacalendario(m);
    registracolocado(m, kContinental1, campeaosul, 1, 1, -1);
    registracolocado(m, kContinental1, campeaoeuropa, 2, 1, -1);
    return m;
}

class AvisosContados : public InteracaoComputador {
public:
    void aviso(const std::string& t) override { avisos.push_back(t); }
    std::vector<std::string> avisos;
};

}  // namespace

TEST(Mundial, DrawFallbacksAndMexico) {
    // Only Japan in Asia, Egypt in Africa, Mexico and Costa Rica up north, Australia in Oceania.
    const std::map<int, int> clubes = {{29, 2}, {97, 2}, {107, 1}, {57, 1}, {131, 2}, {51, 1}, {14, 1}};
    for (uint64_t s = 1; s <= 40; ++s) {
        // A Mexican club won the South American cup: the northern club is Costa Rica's.
        const Mundo base = mundocontinental(clubes);
        Mundo m = mundocommundial(clubes, clubede(base, 131, 0), clubede(base, 97, 0), s);
        const int mexicano = clubede(m, 131, 0);
        m.estado.fasemundial = 1;
        ASSERT_TRUE(sorteiamundial(m));
        std::set<int> seis;
        for (int k = 0; k < 2; ++k) {
            seis.insert(m.chavesmundial[static_cast<size_t>(k)].clube1);
            seis.insert(m.chavesmundial[static_cast<size_t>(k)].clube2);
            seis.insert(m.chavesmundial[static_cast<size_t>(k + 2)].clube1);
        }
        EXPECT_EQ(seis.size(), 6u);
        EXPECT_TRUE(seis.count(clubede(m, 107, 0)));  // Asia falls back on Japan
        EXPECT_TRUE(seis.count(clubede(m, 57, 0)));   // Africa on Egypt
        EXPECT_TRUE(seis.count(clubede(m, 51, 0)));   // never a second Mexican club
        EXPECT_FALSE(seis.count(clubede(m, 131, 1)));
        EXPECT_TRUE(seis.count(mexicano));
        // The quarter-finals are on the first club-world-cup date.
        int jogos = 0;
        for (const TPartida& p : m.partidas)
            if (p.competicao == kMundialClubes) {
                ++jogos;
                EXPECT_EQ(p.rodada, 1);
            }
        EXPECT_EQ(jogos, 2);
    }
}

TEST(Mundial, MissingClubSkipsTheCompetitionOnce) {
    // No Oceanian club: the draw fails, the dates pass empty and the season ends.
    const std::map<int, int> clubes = {{29, 2}, {97, 2}, {107, 1}, {57, 1}, {51, 1}};
    const Mundo base = mundocontinental(clubes);
    Mundo m = mundocommundial(clubes, clubede(base, 29, 0), clubede(base, 97, 0), 3);
    m.estado.fasemundial = 1;
    m.estado.dataatual = 144;
    m.estado.competicaoatual = kLiga;
    AvisosContados ia;
    EXPECT_EQ(continuar(m, ia), ProximaEtapa::FimTemporada);
    ASSERT_EQ(ia.avisos.size(), 1u);
    EXPECT_EQ(ia.avisos[0], "Erro no jogo, reinstale os times");
    EXPECT_EQ(m.estado.fasemundial, 4);
    EXPECT_TRUE(std::none_of(m.partidas.begin(), m.partidas.end(),
                             [](const TPartida& p) { return p.competicao == kMundialClubes; }));
}

TEST(Mundial, ThreeDaysPlacesAndPrizesPaidOnce) {
    const std::map<int, int> clubes = {{29, 2}, {97, 2}, {107, 1}, {57, 1}, {131, 2}, {51, 1}, {14, 1}};
    const Mundo base = mundocontinental(clubes);
    Mundo m = mundocommundial(clubes, clubede(base, 29, 0), clubede(base, 97, 0), 9);
    m.estado.fasemundial = 1;
    ASSERT_TRUE(sorteiamundial(m));
    InteracaoComputador ia;
    for (int dia = 1; dia <= 3; ++dia) {
        int jogos = 0;
        for (TPartida& p : m.partidas)
            if (p.competicao == kMundialClubes && p.rodada == dia) {
                ++jogos;
                // Level matches on day 2 go to penalties; otherwise the lower index wins.
                p.golsmandante = dia == 2 ? 1 : (p.mandante < p.visitante ? 2 : 0);
                p.golsvisitante = dia == 2 ? 1 : (p.mandante < p.visitante ? 0 : 2);
                p.jogado = 1;
            }
        EXPECT_EQ(jogos, 2);
        avancamundial(m, ia);
    }
    EXPECT_EQ(m.estado.fasemundial, 4);
    const TJogoChave& final = m.chavesmundial[4];
    const int campeao = final.vencedor;
    const int vice = campeao == final.clube1 ? final.clube2 : final.clube1;
    EXPECT_EQ(campeao, std::min(final.clube1, final.clube2));
    EXPECT_EQ(tarvello::campeao(m, kMundialClubes, -1, 2), campeao);
    EXPECT_EQ(m.financas[static_cast<size_t>(campeao)].premios, kPremioMundialCampeao);
    EXPECT_EQ(m.financas[static_cast<size_t>(vice)].premios, kPremioMundialVice);
    EXPECT_EQ(m.times[static_cast<size_t>(campeao)].pontosranking[4], 30);
    // Ranking points follow the finishing order: third place earns 10, fourth nothing.
    const int terceiro = m.chavesmundial[5].vencedor;
    const int quarto = terceiro == m.chavesmundial[5].clube1 ? m.chavesmundial[5].clube2 : m.chavesmundial[5].clube1;
    EXPECT_EQ(m.times[static_cast<size_t>(vice)].pontosranking[4], 15);
    EXPECT_EQ(m.times[static_cast<size_t>(terceiro)].pontosranking[4], 10);
    EXPECT_EQ(m.times[static_cast<size_t>(quarto)].pontosranking[4], 0);
    for (int k = 2; k <= 3; ++k) {
        const TJogoChave& semi = m.chavesmundial[static_cast<size_t>(k)];
        const int i = static_cast<int>(std::find_if(m.partidas.begin(), m.partidas.end(), [&](const TPartida& p) {
                                           return p.competicao == kMundialClubes && p.chave == k + 1;
                                       }) - m.partidas.begin());
        const TPartida& p = m.partidas[static_cast<size_t>(i)];
        EXPECT_NE(p.penaltismandante, p.penaltisvisitante);
        EXPECT_EQ(semi.vencedor, p.penaltismandante > p.penaltisvisitante ? semi.clube1 : semi.clube2);
    }
    for (const TTime& t : m.times) EXPECT_EQ(t.nomundial, 0);
    const auto lugares = std::count_if(m.resultadosclubes.begin(), m.resultadosclubes.end(),
                                       [](const TResultadoClube& r) { return r.competicao == kMundialClubes; });
    EXPECT_EQ(lugares, 6);  // two quarter-final losers and places 1..4
}
