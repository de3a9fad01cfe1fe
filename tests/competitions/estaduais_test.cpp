#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "competitions/estaduais.h"
#include "competitions/tabela.h"
#include "model/mundo.h"
#include "model/tipos.h"

using namespace tarvello;

namespace {

constexpr int kSP = 25;
constexpr int kMG = 10;

// State SP with 6 clubs (one group) and MG with 26 (four full groups and two clubs left over in
// a fifth group that does not play). Every club has two players.
Mundo mundoestadual() {
    Mundo m;
    m.aleatorio.semeia(5);
    m.estado.temporada = 1;
    m.estado.faseestadual = 1;
    m.estado.turnoestadual = 1;
    m.jogadores.resize(1);
    for (auto& e : m.estaduais) {
        for (auto& g : e.grupos)
            for (int& t : g) t = -1;
        e.finalista1 = e.finalista2 = -1;
    }
    auto monta = [&](int estado, int n) {
        TEstadual& e = m.estaduais[estado];
        e.temestadual = 1;
        e.numgrupos = std::min(n / 6, 4);
        for (int i = 0; i < n; ++i) {
            const int t = static_cast<int>(m.times.size());
            m.times.push_back(TTime{});
            m.times.back().pais = kBrasil;
            m.times.back().estado = estado;
            m.times.back().tecnico = -1;
            m.times.back().grupoestadual = i / 6 + 1;
            m.times.back().noestadual = 1;
            e.grupos[i / 6][i % 6] = t;
            for (int k = 0; k < 2; ++k) {
                m.jogadores.push_back(TJogador{});
                m.jogadores.back().time = t;
            }
        }
    };
    monta(kSP, 6);
    monta(kMG, 26);
    m.financas.resize(m.times.size());
    // Twelve state dates.
    for (int d = 0; d < kNumDatas; ++d) {
        m.calendario[static_cast<size_t>(d)] = {d + 1, 40000.0 + d, -1};
        if (d >= 10 && d < 22) m.calendario[static_cast<size_t>(d)].competicao = kEstadual;
    }
    return m;
}

// A result as the match day records it for a group match, and a scorer for each goal.
void resultado(Mundo& m, int a, int b, int ga, int gb) {
    auto conta = [&](int t, int pro, int contra) {
        TTime& c = m.times[static_cast<size_t>(t)];
        c.jogos[kEstadual] += 1;
        c.golspro[kEstadual] += pro;
        c.golscontra[kEstadual] += contra;
        if (pro > contra) {
            c.pontos[kEstadual] += 3;
            c.vitorias[kEstadual] += 1;
        } else if (pro == contra) {
            c.pontos[kEstadual] += 1;
        } else {
            c.derrotas[kEstadual] += 1;
        }
    };
    conta(a, ga, gb);
    conta(b, gb, ga);
    for (int j = 1; j < static_cast<int>(m.jogadores.size()); ++j) {
        TJogador& p = m.jogadores[static_cast<size_t>(j)];
        if (p.time == a || p.time == b) p.partidas[kEstadual] += 1;
    }
    // The first player of each club scores its goals.
    for (int j = 1; j < static_cast<int>(m.jogadores.size()); j += 2) {
        TJogador& p = m.jogadores[static_cast<size_t>(j)];
        if (p.time == a) p.gols[kEstadual] += ga;
        if (p.time == b) p.gols[kEstadual] += gb;
    }
}

// Ten group dates: every pair of a group meets once per half (the pairing does not matter here).
void fasedegrupos(Mundo& m) {
    for (int turno = 1; turno <= 2; ++turno)
        for (int rodada = 1; rodada <= 5; ++rodada) {
            for (const TEstadual& e : m.estaduais) {
                if (!e.temestadual) continue;
                for (int g = 0; g < e.numgrupos; ++g)
                    for (int i = 0; i < 6; ++i) {
                        const int j = (i + rodada) % 6;
                        if (i < j && (i + j + rodada) % 2 == 0)
                            resultado(m, e.grupos[g][i], e.grupos[g][j], m.sorteia(4), m.sorteia(3));
                    }
            }
            EXPECT_EQ(m.estado.turnoestadual, turno);
            EXPECT_EQ(m.estado.faseestadual, rodada);
            avancaestadual(m);
        }
}

}  // namespace

TEST(Tabela, OrdemPorPontosVitoriasSaldoGols) {
    Mundo m;
    m.times.resize(4);
    auto poe = [&](int t, int pts, int v, int gp, int gc) {
        m.times[static_cast<size_t>(t)].pontos[kEstadual] = pts;
        m.times[static_cast<size_t>(t)].vitorias[kEstadual] = v;
        m.times[static_cast<size_t>(t)].golspro[kEstadual] = gp;
        m.times[static_cast<size_t>(t)].golscontra[kEstadual] = gc;
    };
    poe(0, 10, 2, 5, 1);  // better goal difference
    poe(1, 10, 3, 3, 5);  // more wins ranks first
    poe(2, 10, 2, 5, 1);  // equal in everything to club 0
    poe(3, 12, 4, 1, 9);
    const auto l = ordenatabela(m, {0, 1, 2, 3, -1}, kEstadual);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].time, 3);
    EXPECT_EQ(l[1].time, 1);
    EXPECT_EQ(l[2].rotulo, "3º");
    EXPECT_EQ(l[3].rotulo, "");  // shares the place of the row above
}

TEST(Estaduais, TemporadaCompletaAteOCampeao) {
    Mundo m = mundoestadual();
    m.times[3].humano = 1;
    m.tecnicos.resize(m.times.size());
    for (size_t t = 0; t < m.times.size(); ++t) m.times[t].tecnico = static_cast<int>(t);
    fasedegrupos(m);
    ASSERT_EQ(m.estado.faseestadual, 6);

    // Two final legs per state, dated on the 11th and 12th state dates, runner-up at home first.
    std::vector<TPartida*> finais;
    for (TPartida& p : m.partidas) finais.push_back(&p);
    ASSERT_EQ(finais.size(), 4u);
    for (int s : {kSP, kMG}) {
        const TEstadual& e = m.estaduais[s];
        EXPECT_EQ(m.times[e.finalista1].colocacoes[kEstadual], 1);
        EXPECT_EQ(m.times[e.finalista2].colocacoes[kEstadual], 2);
    }
    for (TPartida* p : finais) {
        const TEstadual& e = m.estaduais[p->liga];
        EXPECT_EQ(p->rodada, 8);
        EXPECT_EQ(p->mandante, p->turno == 1 ? e.finalista2 : e.finalista1);
        EXPECT_EQ(p->data, p->turno == 1 ? 40020.0 : 40021.0);
    }
    // Only the finalists are still in; every other club of a played group has its campaign.
    int dentro = 0;
    for (const TTime& t : m.times) dentro += t.noestadual;
    EXPECT_EQ(dentro, 4);
    EXPECT_EQ(m.resultadosclubes.size(), 4u + 22u);

    // SP: runner-up wins 2-0 at home, winner 1-0 at home: the runner-up takes the title.
    // MG: 1-1 and 0-0: the group winner takes it.
    for (TPartida* p : finais) {
        if (p->turno != 1) continue;
        p->golsmandante = p->liga == kSP ? 2 : 1;
        p->golsvisitante = p->liga == kSP ? 0 : 1;
        p->jogado = 1;
    }
    avancaestadual(m);
    EXPECT_EQ(m.estado.faseestadual, 7);
    EXPECT_EQ(m.estaduais[kSP].finalgols[0], 0);
    EXPECT_EQ(m.estaduais[kSP].finalgols[1], 2);
    for (TPartida* p : finais) {
        if (p->turno != 2) continue;
        p->golsmandante = p->liga == kSP ? 1 : 0;
        p->golsvisitante = 0;
        p->jogado = 1;
    }
    avancaestadual(m);
    EXPECT_EQ(m.estado.faseestadual, 8);

    ASSERT_GE(m.campeoesestaduais.size(), 2u);
    const TCampeoesEstaduais& linha = m.campeoesestaduais[1];
    EXPECT_EQ(linha.campeao[kSP], m.estaduais[kSP].finalista2);
    EXPECT_EQ(linha.vice[kSP], m.estaduais[kSP].finalista1);
    EXPECT_EQ(linha.campeao[kMG], m.estaduais[kMG].finalista1);
    for (int s : {kSP, kMG}) {
        const int campeao = linha.campeao[s];
        EXPECT_EQ(m.times[campeao].titulosestaduais, 1);
        // The champion's coach: a state title, a title point and 15 national ranking points.
        const TTecnico& tec = m.tecnicos[static_cast<size_t>(campeao)];
        EXPECT_EQ(tec.conquistas[kEstadual], 1);
        EXPECT_EQ(tec.titulos[0], 1);
        EXPECT_EQ(tec.pontosranking, 15);
        EXPECT_EQ(m.tecnicos[static_cast<size_t>(linha.vice[s])].titulos[0], 0);
        EXPECT_EQ(m.times[campeao].pontosranking[2], 5);
        EXPECT_EQ(m.times[linha.vice[s]].pontosranking[2], 3);
        // The top scorer is the first player of a club of that state with the most goals.
        const int art = linha.artilheiro[s][0];
        ASSERT_GT(art, 0);
        EXPECT_EQ(m.times[m.jogadores[art].time].estado, s);
        for (const TJogador& p : m.jogadores) {
            if (p.time >= 0 && m.times[p.time].estado == s) {
                EXPECT_LE(p.gols[kEstadual], linha.artilheiro[s][2]);
            }
        }
    }
    // Prize money once: 1 million + 500 thousand + 500 thousand for the top scorer's club, per state.
    long long premios = 0;
    for (const TFinancas& f : m.financas) premios += f.premios;
    EXPECT_EQ(premios, 2 * 2000000);
    EXPECT_EQ(m.resultadosclubes.size(), 30u);
    for (const TTime& t : m.times) EXPECT_EQ(t.noestadual, 0);

    // A new season: the winner of each lower group goes up, the last of the group above down.
    std::vector<int> ganhadores, ultimos;
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k < 6; ++k) {
            const int t = m.estaduais[kMG].grupos[g][k];
            if (g > 0 && m.times[t].colocacoes[kEstadual] == 1) ganhadores.push_back(t);
            if (g < 3 && m.times[t].colocacoes[kEstadual] == 6) ultimos.push_back(t);
        }
    ASSERT_EQ(ganhadores.size(), 3u);
    ASSERT_EQ(ultimos.size(), 3u);
    const int sobrando = m.estaduais[kMG].grupos[4][0];
    renovaestaduais(m);
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(m.times[ganhadores[g]].grupoestadual, g + 1);
        EXPECT_EQ(m.times[ultimos[g]].grupoestadual, g + 2);
        EXPECT_EQ(m.times[ganhadores[g]].colocacoes[kEstadual], 0);
    }
    EXPECT_EQ(m.times[sobrando].grupoestadual, 5);  // the group that does not play stays apart
    std::set<int> todos;
    for (int s : {kSP, kMG})
        for (const auto& g : m.estaduais[s].grupos)
            for (int t : g)
                if (t >= 0) {
                    EXPECT_TRUE(todos.insert(t).second);
                    EXPECT_EQ(m.times[t].noestadual, 1);
                }
    EXPECT_EQ(todos.size(), 32u);
    EXPECT_TRUE(m.estaduais[kSP].temhumano);
    EXPECT_FALSE(m.estaduais[kMG].temhumano);
}
