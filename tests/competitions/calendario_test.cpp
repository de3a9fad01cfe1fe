#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "competitions/calendario.h"
#include "competitions/confrontos.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "model/tipos.h"

#include "../apoio/mundopequeno.h"

using namespace tarvello;
using tarvello::teste::mundoliga;

namespace {

bool par(TParConfronto p, int a, int b) { return p.mandante == a && p.visitante == b; }

std::map<int, int> datasporcodigo(const Mundo& m) {
    std::map<int, int> n;
    for (const TDiaCalendario& c : m.calendario) ++n[c.competicao];
    return n;
}

Mundo comcalendario(int sistema, int divisoes, int temporada = 1) {
    Mundo m = mundoliga(sistema, divisoes);
    m.estado.temporada = temporada;
    m.estado.ckcopa = 1;
    montacalendario(m);
    return m;
}

}  // namespace

TEST(Confrontos, LinhasConhecidasELadoTrocado) {
    EXPECT_TRUE(par(confronto20(1, 1, 1), 1, 20));
    EXPECT_TRUE(par(confronto20(1, 2, 1), 20, 1));
    EXPECT_TRUE(par(confronto20(2, 1, 10), 1, 2));
    EXPECT_TRUE(par(confronto20(3, 1, 2), 3, 1));
    EXPECT_TRUE(par(confronto20(18, 1, 1), 20, 19));
    EXPECT_TRUE(par(confronto20(19, 1, 10), 19, 1));
    EXPECT_TRUE(par(confronto10(2, 1, 5), 1, 2));
    EXPECT_TRUE(par(confronto10(9, 1, 1), 5, 10));
    EXPECT_TRUE(par(confronto6(4, 1, 1), 6, 5));
    EXPECT_TRUE(par(confronto6(5, 1, 3), 5, 1));
    EXPECT_TRUE(par(confronto6(5, 2, 3), 1, 5));
    EXPECT_TRUE(par(confronto4(3, 1, 1), 4, 1));
    EXPECT_TRUE(par(confronto4(2, 2, 2), 2, 4));
    // Any side other than 1 exchanges the pair.
    EXPECT_TRUE(par(confronto6(1, 0, 1), 6, 1));
    EXPECT_TRUE(par(confronto6(1, 3, 1), 6, 1));
}

TEST(Confrontos, CadaParUmaVezECadaPosicaoUmaVezPorRodada) {
    using Consulta = TParConfronto (*)(int, int, int);
    const std::pair<int, Consulta> tabelas[] = {{20, confronto20}, {10, confronto10}, {6, confronto6}, {4, confronto4}};
    for (auto [n, f] : tabelas) {
        for (int lado : {1, 2}) {
            std::set<std::pair<int, int>> pares;
            std::vector<int> emcasa(n + 1, 0);
            for (int r = 1; r < n; ++r) {
                std::set<int> posicoes;
                for (int j = 1; j <= n / 2; ++j) {
                    const TParConfronto p = f(r, lado, j);
                    ASSERT_TRUE(p.mandante >= 1 && p.mandante <= n && p.visitante >= 1 && p.visitante <= n);
                    posicoes.insert(p.mandante);
                    posicoes.insert(p.visitante);
                    pares.insert({std::min(p.mandante, p.visitante), std::max(p.mandante, p.visitante)});
                    ++emcasa[p.mandante];
                }
                EXPECT_EQ(static_cast<int>(posicoes.size()), n) << n << " rodada " << r;
            }
            EXPECT_EQ(static_cast<int>(pares.size()), n * (n - 1) / 2) << n;
            if (lado == 1 && n > 4) {
                // The first half of the positions hosts one match more per half than the rest.
                EXPECT_EQ(emcasa[1], n / 2);
                EXPECT_EQ(emcasa[n], n / 2 - 1);
            }
        }
    }
}

TEST(Calendario, DatasDaPrimeiraTemporada) {
    Mundo m = comcalendario(2, 1);
    EXPECT_EQ(textodata(m.calendario[0].data), "2008-01-02");
    EXPECT_EQ(diadasemana(m.calendario[0].data), 4);
    EXPECT_EQ(textodata(m.calendario[1].data), "2008-01-03");
    EXPECT_EQ(textodata(m.calendario[2].data), "2008-01-06");
    EXPECT_EQ(textodata(m.calendario[35].data), "2008-03-23");
    EXPECT_EQ(textodata(m.calendario[147].data), "2008-12-10");
    for (int n = 1; n <= kNumDatas; ++n) {
        EXPECT_EQ(m.calendario[n - 1].numero, n);
        EXPECT_EQ(diadasemana(m.calendario[n - 1].data), (n - 1) % 3 == 0 ? 4 : ((n - 1) % 3 == 1 ? 5 : 1));
    }
    // Season 2 starts on the first Wednesday of 2009.
    Mundo s2 = comcalendario(2, 1, 2);
    EXPECT_EQ(textodata(s2.calendario[0].data), "2009-01-07");
}

TEST(Calendario, CodigosPorSistemaChavesETemporadas) {
    Mundo m = mundoliga(2, 1);
    m.estado.ckcopa = m.estado.ckestadual = m.estado.ckinter = m.estado.ckinter3 = 1;
    m.estado.ckcopamundo = m.estado.ckcopaamerica = m.estado.ckeurocopa = 1;
    m.estado.temporada = 1;
    montacalendario(m);
    auto n = datasporcodigo(m);
    // Season 1: no continental cups or club world cup; a Eurocopa season, date 87 a friendly.
    EXPECT_EQ(n[kLiga], 38);
    EXPECT_EQ(n[kCopaNacional], 10);
    EXPECT_EQ(n[kEstadual], 12);
    EXPECT_EQ(n[kContinental1] + n[kContinental2] + n[kMundialClubes], 0);
    EXPECT_EQ(n[kEurocopa], 6);
    EXPECT_EQ(n[kAmistoso], 10);
    EXPECT_EQ(m.calendario[86].competicao, kAmistoso);

    m.estado.temporada = 2;
    montacalendario(m);
    n = datasporcodigo(m);
    EXPECT_EQ(n[kContinental1], 14);
    EXPECT_EQ(n[kContinental2], 14);
    EXPECT_EQ(n[kMundialClubes], 3);
    EXPECT_EQ(n[kEurocopa] + n[kCopaAmerica] + n[kCopaMundo], 0);
    EXPECT_EQ(m.calendario[144].competicao, kMundialClubes);

    m.estado.temporada = 3;
    montacalendario(m);
    EXPECT_EQ(datasporcodigo(m)[kCopaMundo], 7);
    m.estado.temporada = 4;
    montacalendario(m);
    EXPECT_EQ(datasporcodigo(m)[kCopaAmerica], 6);
    EXPECT_EQ(m.calendario[86].competicao, kAmistoso);
    m.estado.temporada = 195;
    montacalendario(m);
    n = datasporcodigo(m);
    EXPECT_EQ(n[kCopaMundo] + n[kCopaAmerica] + n[kEurocopa], 0);

    // Ten-club divisions use their own template; switched-off competitions leave their dates empty.
    m.estado.sistemadisputa = 4;
    m.estado.ckcopa = m.estado.ckestadual = 0;
    m.estado.temporada = 2;
    montacalendario(m);
    n = datasporcodigo(m);
    EXPECT_EQ(n[kLiga], 18);
    EXPECT_EQ(n[kCopaNacional] + n[kEstadual], 0);
    EXPECT_EQ(n[kAmistoso], 18);
    EXPECT_EQ(m.calendario[143].competicao, kMundialClubes);
    EXPECT_EQ(m.calendario[145].competicao, kSemJogos);

    m.estado.sistemadisputa = 3;
    montacalendario(m);
    EXPECT_EQ(datasporcodigo(m)[kSemJogos], kNumDatas);
}

TEST(Calendario, JogosDaLigaPorSistema) {
    Mundo m = comcalendario(2, 1);
    montajogos(m, kLiga, 0);
    ASSERT_EQ(m.partidas.size(), 380u);
    std::set<double> datas;
    std::map<std::pair<int, int>, int> confrontos;
    for (const TPartida& p : m.partidas) {
        datas.insert(p.data);
        EXPECT_EQ(p.competicao, kLiga);
        EXPECT_EQ(p.chave, -1);
        ++confrontos[{p.mandante, p.visitante}];
    }
    EXPECT_EQ(datas.size(), 38u);
    EXPECT_EQ(confrontos.size(), 380u);  // every ordered pair once: home and away
    EXPECT_EQ(m.partidas.front().data, m.calendario[35].data);
    // The second half repeats the first with sides exchanged.
    EXPECT_EQ(m.partidas[190].mandante, m.partidas[0].visitante);
    EXPECT_EQ(m.partidas[190].turno, 2);

    Mundo d = comcalendario(4, 4);
    montajogos(d, kLiga, 0);
    ASSERT_EQ(d.partidas.size(), 360u);
    std::set<double> datas10;
    for (const TPartida& p : d.partidas) datas10.insert(p.data);
    EXPECT_EQ(datas10.size(), 18u);
    // All divisions play the same round on the same date: round 1 is 4 x 5 matches.
    for (int i = 0; i < 20; ++i) EXPECT_EQ(d.partidas[i].rodada, 1);
    EXPECT_EQ(d.partidas[5].mandante, d.ligas[0].times[1][0]);
}

TEST(Calendario, CopaEstadualEContinentais) {
    // One 20-club division: the cup opens at the round of 16, slots 31..24.
    Mundo m = comcalendario(2, 1);
    montajogos(m, kCopaNacional, 0);
    ASSERT_EQ(m.partidas.size(), 30u);
    EXPECT_EQ(m.partidas[0].rodada, 2);
    EXPECT_EQ(m.partidas[0].chave, 31);
    EXPECT_EQ(m.partidas[1].chave, 31);
    EXPECT_EQ(m.partidas[1].turno, 1);
    EXPECT_EQ(m.partidas[15].chave, 24);
    EXPECT_EQ(m.partidas.back().chave, 17);
    EXPECT_EQ(m.partidas.back().rodada, 5);
    EXPECT_EQ(m.partidas[0].data, m.calendario[54].data);  // third cup date: 55
    for (const TPartida& p : m.partidas) EXPECT_TRUE(p.mandante == -1 && p.visitante == -1);
    // Two divisions: a first phase of 16 ties, slots 31..16, final in slot 1.
    Mundo c = comcalendario(2, 2);
    montajogos(c, kCopaNacional, 0);
    ASSERT_EQ(c.partidas.size(), 62u);
    EXPECT_EQ(c.partidas[0].rodada, 1);
    EXPECT_EQ(c.partidas[31].chave, 16);
    EXPECT_EQ(c.partidas.back().chave, 1);
    EXPECT_EQ(procurajogo(c, 0, kCopaNacional, 1), 0);

    // State championship: two groups of six, double round-robin on the first ten state dates.
    Mundo e = comcalendario(2, 1);
    e.estado.ckestadual = 1;
    montacalendario(e);
    TEstadual& sp = e.estaduais[25];
    sp.numgrupos = 2;
    sp.temestadual = 1;
    for (int g = 0; g < 2; ++g)
        for (int s = 0; s < 6; ++s) sp.grupos[g][s] = g * 6 + s;
    montajogos(e, kEstadual, 25);
    ASSERT_EQ(e.partidas.size(), 60u);
    EXPECT_EQ(e.partidas[0].liga, 25);
    EXPECT_EQ(e.partidas.back().data, e.calendario[26].data);  // tenth state date: 27

    // Continental cups: both confederations, 8 groups of 4 and the knock-out legs.
    Mundo k = comcalendario(2, 1, 2);
    k.estado.ckinter = k.estado.ckinter3 = 1;
    montacalendario(k);
    montajogos(k, kContinental1, -1);
    ASSERT_EQ(k.partidas.size(), 2u * (8 * 12 + 30));
    EXPECT_EQ(k.partidas[0].liga, 1);
    EXPECT_EQ(k.partidas[96].liga, 2);
    const TPartida& finalvolta = k.partidas.back();
    EXPECT_EQ(finalvolta.rodada, 7);
    EXPECT_EQ(finalvolta.turno, 2);
    EXPECT_EQ(finalvolta.data, k.calendario[97].data);  // 14th date of the cup: 98
}

TEST(Calendario, ProximaDataEQuemJoga) {
    Mundo m = comcalendario(2, 1);
    montajogos(m, kLiga, 0);
    m.estado.dataatual = 1;
    proximadata(m);
    // Friendly dates 3 and 6 and the cup-less empty dates are skipped: the league opens on 36.
    EXPECT_EQ(m.estado.dataatual, 36);
    EXPECT_EQ(m.estado.competicaoatual, kLiga);
    EXPECT_FALSE(humanojoga(m));  // nobody human
    m.estado.numtecnicoshumanos = 1;
    m.estado.timedotecnico[0] = 3;
    EXPECT_TRUE(humanojoga(m));
    EXPECT_EQ(proximojogo(m, 3, m.calendario[35].data) >= 0, true);
    EXPECT_EQ(proximojogo(m, 3, m.calendario[36].data), -1);

    // A friendly booked on date 37 makes it a match date, with the human club in it.
    adicionajogo(m, 3, 7, -1, m.calendario[36].data, -1, -1, -1, kAmistoso);
    proximadata(m);
    EXPECT_EQ(m.estado.dataatual, 37);
    EXPECT_EQ(m.estado.competicaoatual, kAmistoso);
    EXPECT_TRUE(humanojoga(m));
    m.estado.timedotecnico[0] = 9;
    EXPECT_FALSE(humanojoga(m));
    m.partidas.back().jogado = 1;
    m.estado.dataatual = 36;
    proximadata(m);
    EXPECT_EQ(m.estado.dataatual, 39);

    // After the last league date only the empty date 148 is left.
    m.estado.dataatual = 144;
    proximadata(m);
    EXPECT_EQ(m.estado.dataatual, 148);
    EXPECT_EQ(m.estado.competicaoatual, kSemJogos);
    proximadata(m);
    EXPECT_EQ(m.estado.dataatual, 148);
}

TEST(Calendario, QuemJogaNaCopaENoEstadual) {
    Mundo m = comcalendario(2, 2);
    m.estado.ckestadual = 1;
    montacalendario(m);
    montajogos(m, kCopaNacional, 0);
    m.estado.numtecnicoshumanos = 1;
    m.estado.timedotecnico[0] = 5;
    m.estado.competicaoatual = kCopaNacional;
    m.estado.dataatual = 43;
    m.estado.fasecopa = 1;
    EXPECT_FALSE(humanojoga(m));
    m.times[5].nacopa = 1;
    EXPECT_TRUE(humanojoga(m));  // the league's cup has a first phase

    m.estado.competicaoatual = kEstadual;
    m.times[5].estado = 25;
    m.times[5].noestadual = 1;
    EXPECT_FALSE(humanojoga(m));  // that state holds no championship
    m.estaduais[25].temestadual = 1;
    EXPECT_TRUE(humanojoga(m));

    EXPECT_EQ(nomecompeticao(m, kEstadual, 25), "Camp. Paulista");
    EXPECT_EQ(nomecompeticao(m, kContinental1, 1), "Libertadores");
    EXPECT_EQ(nomecompeticao(m, kContinental2, 2), "Copa UEFA");
    EXPECT_EQ(nomecompeticao(m, kAmistoso, -1), "Amistoso");
    ASSERT_FALSE(m.ligas.empty());
    m.ligas[0].pais = 3;
    EXPECT_EQ(nomecompeticao(m, kCopaNacional, 0), "Copa da Alemanha");
}

TEST(Calendario, CompeticaoDeHojeDoClube) {
    Mundo m = comcalendario(2, 1);
    montajogos(m, kLiga, 0);
    m.estado.nomeliga.define("Campeonato Brasileiro");
    m.ligas[0].pais = kBrasil;
    m.estado.dataatual = 1;
    proximadata(m);
    ASSERT_EQ(m.estado.competicaoatual, kLiga);
    EXPECT_EQ(competicaodehoje(m, 3), "Campeonato Brasileiro");
    EXPECT_EQ(competicaodehoje(m, -1), "Campeonato Brasileiro");

    // On a date the club plays in another competition, that one is named, in full for a state.
    const double hoje = m.calendario[static_cast<size_t>(m.estado.dataatual - 1)].data;
    for (TPartida& p : m.partidas)
        if (p.data == hoje && (p.mandante == 3 || p.visitante == 3)) p.data = -1;
    adicionajogo(m, 3, 7, 1, hoje, -1, 1, 25, kEstadual);
    EXPECT_EQ(competicaodehoje(m, 3), "Campeonato Paulista");
    m.partidas.back().competicao = kCopaNacional;
    m.partidas.back().liga = 0;
    EXPECT_EQ(competicaodehoje(m, 3), "Copa do Brasil");
    // A club without a match today: the league's name.
    m.partidas.back().mandante = 8;
    EXPECT_EQ(competicaodehoje(m, 3), "Campeonato Brasileiro");
}
