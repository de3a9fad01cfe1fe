#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "competitions/confronto.h"
#include "competitions/copas.h"
#include "competitions/partidas.h"
#include "match/penaltis.h"
#include "model/mundo.h"

using namespace tarvello;

namespace {

// One league of `divisoes` full divisions (20 or 10 slots), clubs numbered in slot order, plus
// `regionais` clubs of the same country outside the divisions.
Mundo mundocomliga(int sistema, int divisoes, int regionais, uint64_t semente = 3) {
    Mundo m;
    m.aleatorio.semeia(semente);
    m.estado.sistemadisputa = sistema;
    m.estado.temporada = 1;
    m.estado.fasecopa = 1;
    m.estado.jogocopa = 1;
    const int slots = sistema == 2 ? 20 : 10;
    TLiga l{};
    for (auto& d : l.times)
        for (int& t : d) t = -1;
    l.pais = 29;
    l.numdivisoes = divisoes;
    for (int d = 0; d < divisoes; ++d)
        for (int k = 0; k < slots; ++k) {
            const int t = static_cast<int>(m.times.size());
            l.times[d][k] = t;
            m.times.push_back(TTime{});
            m.times.back().pais = 29;
            m.times.back().divisao = d + 1;
            m.times.back().tecnico = -1;
        }
    for (int r = 0; r < regionais; ++r) {
        m.times.push_back(TTime{});
        m.times.back().pais = 29;
        m.times.back().tecnico = -1;
    }
    m.ligas.push_back(l);
    m.financas.resize(m.times.size());
    m.jogadores.resize(1);
    return m;
}

// The cup's empty ties as the season builder lays them out: phase by phase, two legs per tie.
void agendacopa(Mundo& m, int liga) {
    const bool primeira = copacomprimeirafase(m, liga);
    int chave = 31;
    for (int fase = primeira ? 1 : 2; fase <= 5; ++fase) {
        const int confrontos = 16 >> (fase - 1);
        for (int t = 1; t <= confrontos; ++t) {
            for (int perna = 1; perna <= 2; ++perna) {
                TPartida p{};
                p.mandante = p.visitante = -1;
                p.competicao = kCopaNacional;
                p.rodada = fase;
                p.turno = t;
                p.chave = chave;
                p.liga = liga;
                p.data = fase * 10 + perna;
                m.partidas.push_back(p);
            }
            --chave;
        }
    }
}

int perna(const Mundo& m, size_t i) {
    const TPartida& p = m.partidas[i];
    return (static_cast<int>(i) - procurajogo(m, p.liga, p.competicao, p.rodada)) % 2 + 1;
}

// Plays every cup date to the end; the driver's shoot-out runs for every other level tie, the rest
// are left for the progression to settle.
void jogacopa(Mundo& m, InteracaoPenaltis& ui) {
    int levadas = 0;
    while (m.estado.fasecopa <= 5) {
        for (size_t i = 0; i < m.partidas.size(); ++i) {
            TPartida& p = m.partidas[i];
            if (p.rodada != m.estado.fasecopa || perna(m, i) != m.estado.jogocopa) continue;
            if (p.mandante < 0 || p.visitante < 0) continue;
            ASSERT_FALSE(p.jogado);
            p.golsmandante = m.sorteia(3);
            p.golsvisitante = m.sorteia(3);
            p.jogado = 1;
            if (m.estado.jogocopa == 2 && (levadas++ % 2 == 0)) penaltisconfronto(m, ui, static_cast<int>(i), nullptr, nullptr);
        }
        encerradatacopa(m, ui);
        ASSERT_LT(m.estado.fasecopa, 7);
    }
}

void confereresultado(const Mundo& m, int participantes) {
    // Every tie with two clubs was played on both legs and, when level, settled on penalties.
    int confrontos = 0;
    for (size_t i = 0; i + 1 < m.partidas.size(); i += 2) {
        const TPartida& ida = m.partidas[i];
        const TPartida& volta = m.partidas[i + 1];
        if (ida.mandante < 0 || ida.visitante < 0) continue;
        ++confrontos;
        EXPECT_TRUE(ida.jogado && volta.jogado);
        const bool level = decideconfronto(ida.golsmandante, ida.golsvisitante, volta.golsmandante,
                                           volta.golsvisitante) == kPenaltis;
        EXPECT_EQ(level, ida.penaltismandante != ida.penaltisvisitante);
        // The second leg reads the tie's shoot-out with its own home club first.
        int placar[2] = {0, 0};
        EXPECT_FALSE(decididapenaltis(m, static_cast<int>(i), placar));
        EXPECT_EQ(decididapenaltis(m, static_cast<int>(i) + 1, placar), level);
        if (level) {
            EXPECT_EQ(placar[0], ida.penaltisvisitante);
            EXPECT_EQ(placar[1], ida.penaltismandante);
        }
    }
    EXPECT_EQ(confrontos, participantes - 1);
    int campeoes = 0, eliminados = 0;
    for (const TResultadoClube& r : m.resultadosclubes) {
        EXPECT_EQ(r.competicao, kCopaNacional);
        if (r.colocacao == 1 && r.grupo == 6) ++campeoes;
        else ++eliminados;
    }
    EXPECT_EQ(campeoes, 1);
    EXPECT_EQ(eliminados, participantes - 1);
    for (const TTime& t : m.times) EXPECT_EQ(t.nacopa, 0);
    // Prize money once: 4 million to the winner and 2 million to the finalist.
    long long premios = 0;
    for (const TFinancas& f : m.financas) premios += f.premios;
    EXPECT_EQ(premios, 6000000);
    ASSERT_EQ(m.historicocolocados.size(), 2u);
    EXPECT_EQ(m.times[m.historicocolocados[0].time].pontosranking[1], 10);
    EXPECT_EQ(m.times[m.historicocolocados[1].time].pontosranking[1], 7);
}

std::set<int> sorteados(const Mundo& m) {
    std::set<int> r;
    for (size_t t = 0; t < m.times.size(); ++t)
        if (m.times[t].nacopa) r.insert(static_cast<int>(t));
    return r;
}

}  // namespace

TEST(CopaNacional, FraseDoPais) {
    EXPECT_EQ(frasecopa(29), "do Brasil");
    EXPECT_EQ(frasecopa(202), "Personalizada");
    EXPECT_EQ(frasecopa(154), "de Portugal");
    EXPECT_FALSE(frasecopa(1).empty());  // any other country: its name
}

TEST(CopaNacional, Copa32ComDivisoesDe20) {
    Mundo m = mundocomliga(2, 2, 0);
    const int humano = m.ligas[0].times[1][19];  // last slot of division 2
    m.times[humano].humano = 1;
    ASSERT_TRUE(copacomprimeirafase(m, 0));
    const TPotesCopa p = potescopa(m, 0);
    EXPECT_EQ(p.a, std::vector<int>(m.ligas[0].times[0], m.ligas[0].times[0] + 16));
    // Pot B: division 1 slots 17..20, the human club of division 2, then division 2 in slot order.
    EXPECT_EQ(p.b[3], 19);
    EXPECT_EQ(p.b[4], humano);
    EXPECT_EQ(p.b[5], 20);
    EXPECT_EQ(p.b[15], 30);

    agendacopa(m, 0);
    sorteiacopanacional(m, 0);
    const std::set<int> dentro = sorteados(m);
    EXPECT_EQ(dentro.size(), 32u);
    EXPECT_TRUE(dentro.count(humano));
    // Each first-phase tie is an A club at home in leg 1 against a B club, sides swapped in leg 2.
    for (int k = 0; k < 16; ++k) {
        const TPartida& ida = m.partidas[static_cast<size_t>(2 * k)];
        const TPartida& volta = m.partidas[static_cast<size_t>(2 * k + 1)];
        EXPECT_TRUE(std::count(p.a.begin(), p.a.end(), ida.mandante));
        EXPECT_TRUE(std::count(p.b.begin(), p.b.end(), ida.visitante));
        EXPECT_EQ(volta.mandante, ida.visitante);
        EXPECT_EQ(volta.visitante, ida.mandante);
    }
    InteracaoPenaltis ui;
    jogacopa(m, ui);
    confereresultado(m, 32);
    EXPECT_EQ(m.estado.fasecopa, 6);
}

TEST(CopaNacional, Copa32ComDivisoesDe10) {
    // Three divisions of 10 and two regional clubs: pot B needs both of them.
    Mundo m = mundocomliga(4, 3, 3);
    const int humano = m.ligas[0].times[2][9];  // last slot of division 3
    m.times[humano].humano = 1;
    const TPotesCopa p = potescopa(m, 0);
    ASSERT_TRUE(p.primeirafase);
    EXPECT_EQ(p.a[10], m.ligas[0].times[1][0]);
    EXPECT_EQ(p.b[0], m.ligas[0].times[1][6]);
    EXPECT_EQ(p.b[4], humano);
    EXPECT_EQ(p.b[5], m.ligas[0].times[2][0]);
    EXPECT_EQ(p.b[14], 30);  // first regional club
    EXPECT_EQ(p.b[15], 31);
    agendacopa(m, 0);
    sorteiacopanacional(m, 0);
    EXPECT_EQ(sorteados(m).size(), 32u);
    InteracaoPenaltis ui;
    jogacopa(m, ui);
    confereresultado(m, 32);

    // Four divisions: division 4 fills pot B after division 3; nobody from outside.
    Mundo q = mundocomliga(4, 4, 3);
    q.times[q.ligas[0].times[3][9]].humano = 1;
    const TPotesCopa pq = potescopa(q, 0);
    EXPECT_EQ(pq.b[4], q.ligas[0].times[3][9]);
    EXPECT_EQ(pq.b[15], q.ligas[0].times[3][0]);
}

TEST(CopaNacional, Copa16ComecaNasOitavas) {
    Mundo m = mundocomliga(2, 1, 0);
    const int humano = m.ligas[0].times[0][19];
    m.times[humano].humano = 1;
    ASSERT_FALSE(copacomprimeirafase(m, 0));
    const TPotesCopa p = potescopa(m, 0);
    EXPECT_EQ(p.a[0], humano);
    EXPECT_EQ(p.a[15], 14);
    EXPECT_TRUE(p.b.empty());
    agendacopa(m, 0);
    ASSERT_EQ(m.partidas.front().rodada, 2);
    sorteiacopanacional(m, 0);
    EXPECT_EQ(sorteados(m).size(), 16u);
    EXPECT_TRUE(m.times[humano].nacopa);
    // Tie k is A[k] against A[k + 8].
    for (int k = 0; k < 8; ++k) EXPECT_NE(m.partidas[static_cast<size_t>(2 * k)].visitante, -1);
    // The first phase has no ties anywhere: its two dates pass without matches.
    InteracaoPenaltis ui;
    jogacopa(m, ui);
    confereresultado(m, 16);
}

TEST(CopaNacional, Copa16ComDivisoesDe10) {
    Mundo m = mundocomliga(4, 2, 0);
    const int humano = m.ligas[0].times[1][9];
    m.times[humano].humano = 1;
    const TPotesCopa p = potescopa(m, 0);
    EXPECT_EQ(p.a[0], humano);
    EXPECT_EQ(p.a[1], 0);
    EXPECT_EQ(p.a[11], 10);
    EXPECT_EQ(p.a[15], 14);
    agendacopa(m, 0);
    sorteiacopanacional(m, 0);
    InteracaoPenaltis ui;
    jogacopa(m, ui);
    confereresultado(m, 16);
}

TEST(CopaNacional, PoteIncompletoDaPassagemDireta) {
    // One division of 10: the 16 places hold only 10 clubs, so some are drawn against nobody.
    Mundo m = mundocomliga(4, 1, 0);
    agendacopa(m, 0);
    sorteiacopanacional(m, 0);
    EXPECT_EQ(sorteados(m).size(), 10u);
    InteracaoPenaltis ui;
    jogacopa(m, ui);
    int campeoes = 0;
    for (const TResultadoClube& r : m.resultadosclubes) campeoes += r.colocacao == 1;
    EXPECT_EQ(campeoes, 1);
    for (const TTime& t : m.times) EXPECT_EQ(t.nacopa, 0);
}

TEST(CopaNacional, TecnicoDoCampeaoGanhaTituloEPrestigio) {
    Mundo m = mundocomliga(2, 1, 0, 9);
    m.tecnicos.resize(m.times.size());
    for (size_t t = 0; t < m.times.size(); ++t) m.times[t].tecnico = static_cast<int>(t);
    agendacopa(m, 0);
    sorteiacopanacional(m, 0);
    InteracaoPenaltis ui;
    jogacopa(m, ui);
    ASSERT_EQ(m.historicocolocados.size(), 2u);
    const int campeao = m.historicocolocados[0].time;
    for (size_t k = 0; k < m.tecnicos.size(); ++k) {
        const TTecnico& t = m.tecnicos[k];
        const bool dele = static_cast<int>(k) == campeao;
        EXPECT_EQ(t.conquistas[kCopaNacional], dele ? 1 : 0);
        EXPECT_EQ(t.titulos[0], dele ? 1 : 0);
        EXPECT_EQ(t.pontosranking, dele ? 20 : 0);
    }
}

namespace {
// A two-legged tie of `competicao` between clubs 0 and 1, both legs played level (1-1, 1-1).
void confrontoempatado(Mundo& m, int competicao, int regiao) {
    m.partidas.clear();
    for (int perna = 0; perna < 2; ++perna) {
        TPartida p{};
        p.competicao = competicao;
        p.liga = regiao;
        p.rodada = 3;
        p.mandante = perna == 0 ? 0 : 1;
        p.visitante = perna == 0 ? 1 : 0;
        p.golsmandante = p.golsvisitante = 1;
        p.jogado = 1;
        m.partidas.push_back(p);
    }
}
}  // namespace

TEST(Penaltis, QuemAssisteADisputaDeUmConfronto) {
    // One league of 20 (clubs 0 and 1 of the tie are computer-run) and a club outside it.
    Mundo m = mundocomliga(2, 1, 1);
    InteracaoPenaltis ui;
    auto modo = [&](int competicao, int regiao) {
        confrontoempatado(m, competicao, regiao);
        const TDisputaPenaltis d = penaltisconfronto(m, ui, 1, nullptr, nullptr);
        EXPECT_NE(d.vencedor, 0);
        EXPECT_EQ(m.partidas[0].penaltismandante, d.placar[0]);
        EXPECT_EQ(m.partidas[0].penaltisvisitante, d.placar[1]);
        return d.modo;
    };
    // Option off: decided at once, whatever the competition.
    m.estado.verpenalty = 0;
    EXPECT_EQ(modo(kCopaNacional, 0), kDisputaInstantanea);
    EXPECT_EQ(modo(kContinental1, 1), kDisputaInstantanea);
    // Option on: the national cup is watched only when a human club plays in its league.
    m.estado.verpenalty = 1;
    EXPECT_EQ(modo(kCopaNacional, 0), kDisputaInstantanea);
    m.ligas[0].temhumano = 1;
    EXPECT_EQ(modo(kCopaNacional, 0), kDisputaAssistida);
    // A continental tie follows the option alone: the confederation (1 or 2) is no league index,
    // even in a world with a single league, or none.
    m.ligas[0].temhumano = 0;
    EXPECT_EQ(modo(kContinental1, 1), kDisputaAssistida);
    EXPECT_EQ(modo(kContinental2, 2), kDisputaAssistida);
    m.ligas.clear();
    EXPECT_EQ(modo(kContinental1, 2), kDisputaAssistida);
    m.estado.verpenalty = 0;
    EXPECT_EQ(modo(kContinental2, 1), kDisputaInstantanea);
    // A human club in the tie: his coach takes part, option or not.
    m.times[1].humano = 1;
    EXPECT_EQ(modo(kContinental1, 1), kDisputaComHumanos);
    EXPECT_EQ(modo(kCopaNacional, 0), kDisputaComHumanos);
}
