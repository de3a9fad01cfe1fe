#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../apoio/mundopequeno.h"
#include "competitions/liga.h"
#include "competitions/tabela.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// A club of the league's country outside the divisions.
int adicionaregional(Mundo& m, int pais, int nivel) {
    TTime c{};
    c.nome.define("Regional " + std::to_string(m.times.size()));
    c.pais = pais;
    c.divisao = 0;
    c.nivel = nivel;
    c.tecnico = -1;
    m.times.push_back(c);
    m.financas.emplace_back();
    return static_cast<int>(m.times.size()) - 1;
}

// Final tables equal to the division lists: place k is slot k.
std::vector<int> divisao(const TLiga& l, int d, int n) { return {l.times[d], l.times[d] + n}; }

void confereListas(const Mundo& m, const TLiga& l, int n) {
    std::set<int> vistos;
    for (int d = 0; d < l.numdivisoes; ++d)
        for (int k = 0; k < n; ++k) {
            const int t = l.times[d][k];
            ASSERT_GE(t, 0) << "empty slot in division " << d + 1;
            EXPECT_TRUE(vistos.insert(t).second) << "club " << t << " twice";
            EXPECT_EQ(m.times[t].divisao, d + 1);
            EXPECT_EQ(l.classificacao[d][k], t);
        }
}

}  // namespace

TEST(Liga, ResultadosSoNasFasesDePontosCorridos) {
    Mundo m = mundopequeno(4, 0);
    registraresultado(m, kLiga, 0, 1, 3, 1);
    registraresultado(m, kLiga, 1, 0, 2, 2);
    EXPECT_EQ(m.times[0].pontos[kLiga], 4);
    EXPECT_EQ(m.times[0].vitorias[kLiga], 1);
    EXPECT_EQ(m.times[0].jogos[kLiga], 2);
    EXPECT_EQ(m.times[0].golspro[kLiga], 5);
    EXPECT_EQ(m.times[0].golscontra[kLiga], 3);
    EXPECT_EQ(m.times[1].pontos[kLiga], 1);
    EXPECT_EQ(m.times[1].derrotas[kLiga], 1);
    EXPECT_EQ(m.times[1].ultimoresultado, 0);

    registraresultado(m, kCopaNacional, 2, 3, 1, 0);
    registraresultado(m, kAmistoso, 2, 3, 1, 0);
    registraresultado(m, kMundialClubes, 2, 3, 1, 0);
    m.estado.faseestadual = 6;  // state finals are knock-out
    registraresultado(m, kEstadual, 2, 3, 1, 0);
    m.estado.faselib = 4;
    registraresultado(m, kContinental1, 2, 3, 1, 0);
    for (int c = 0; c < kNumCompeticoes; ++c) {
        EXPECT_EQ(m.times[2].pontos[c], 0);
        EXPECT_EQ(m.times[3].jogos[c], 0);
    }
    m.estado.faseestadual = 2;
    registraresultado(m, kEstadual, 3, 2, 0, 1);
    EXPECT_EQ(m.times[2].pontos[kEstadual], 3);
    EXPECT_EQ(m.times[3].ultimoresultado, 2);
    registraresultado(m, kLiga, 0, 99, 1, 0);  // unknown club: nothing happens
    EXPECT_EQ(m.times[0].jogos[kLiga], 2);
}

TEST(Liga, OrdemDaTabela) {
    Mundo m = mundopequeno(4, 0);
    // 0: 6 points from 2 wins, goal difference -1; 1: 6 points from 1 win and 3 draws, +8.
    auto c = [&](int t, int p, int v, int j, int gp, int gc) {
        m.times[t].pontos[kLiga] = p;
        m.times[t].vitorias[kLiga] = v;
        m.times[t].jogos[kLiga] = j;
        m.times[t].golspro[kLiga] = gp;
        m.times[t].golscontra[kLiga] = gc;
    };
    c(0, 6, 2, 4, 3, 4);
    c(1, 6, 1, 4, 9, 1);
    c(2, 4, 1, 4, 5, 5);
    c(3, 4, 1, 4, 5, 5);
    const auto linhas = ordenatabela(m, {1, 3, 0, 2}, kLiga);
    ASSERT_EQ(linhas.size(), 4u);
    EXPECT_EQ(linhas[0].time, 0);  // more wins beat the better goal difference
    EXPECT_EQ(linhas[1].time, 1);
    EXPECT_EQ(linhas[1].empates, 3);
    EXPECT_EQ(linhas[0].rotulo, "1º");
    EXPECT_EQ(linhas[2].rotulo, "3º");
    EXPECT_EQ(linhas[3].rotulo, "");  // level in everything with the row above
}

TEST(Liga, RodadasETurnos) {
    for (int sistema : {4, 2}) {
        Mundo m = mundoliga(sistema, 1);
        const int rodadas = sistema == 4 ? 9 : 19;
        for (int r = 1; r < rodadas; ++r) avancarodadaliga(m);
        EXPECT_EQ(m.estado.turnoliga, 1);
        EXPECT_EQ(m.estado.rodadaliga, rodadas);
        avancarodadaliga(m);
        EXPECT_EQ(m.estado.turnoliga, 2);
        EXPECT_EQ(m.estado.rodadaliga, 1);
        for (int r = 1; r < rodadas; ++r) avancarodadaliga(m);
        EXPECT_FALSE(m.ligaencerrada);
        avancarodadaliga(m);
        EXPECT_TRUE(m.ligaencerrada);
    }
}

TEST(Liga, ClassificacaoEPremiosDoFimDaLiga) {
    for (int sistema : {4, 2}) {
        Mundo m = mundoliga(sistema, 2);
        const int n = sistema == 4 ? 10 : 20;
        // The last club of each division wins everything, the first is second.
        for (int d = 0; d < 2; ++d) {
            const int ultimo = m.ligas[0].times[d][n - 1];
            const int primeiro = m.ligas[0].times[d][0];
            m.times[ultimo].pontos[kLiga] = 50;
            m.times[primeiro].pontos[kLiga] = 40;
        }
        atualizaclassificacao(m);
        const TLiga& l = m.ligas[0];
        EXPECT_EQ(l.classificacao[0][0], l.times[0][n - 1]);
        EXPECT_EQ(l.classificacao[0][1], l.times[0][0]);
        EXPECT_EQ(m.times[l.times[1][n - 1]].colocacoes[kLiga], 1);
        EXPECT_TRUE(m.historicocolocados.empty());  // not finished: no awards yet

        m.ligaencerrada = true;
        const int campeao = l.times[0][n - 1], vice = l.times[0][0];
        const int campeao2 = l.times[1][n - 1];
        const int antes = m.times[campeao].dinheiro;
        atualizaclassificacao(m);
        EXPECT_EQ(m.times[campeao].dinheiro - antes, sistema == 4 ? 5000000 : 7000000);
        EXPECT_EQ(m.financas[vice].premios, 3500000);
        EXPECT_EQ(m.financas[campeao2].premios, 2500000);
        EXPECT_EQ(m.times[campeao].pontosranking[0], 12);
        EXPECT_EQ(m.times[vice].pontosranking[0], 10);
        EXPECT_EQ(m.times[campeao2].pontosranking[0], 0);
        EXPECT_EQ(m.tecnicos[m.times[campeao].tecnico].conquistas[1], 1);
        EXPECT_EQ(m.tecnicos[m.times[campeao].tecnico].pontosranking, 25);
        EXPECT_EQ(m.tecnicos[m.times[campeao2].tecnico].conquistas[9], 1);
        EXPECT_EQ(m.historicocolocados.size(), 4u);  // places 1 and 2 of both divisions
        EXPECT_EQ(m.resultadosclubes.size(), static_cast<size_t>(2 * n));
        // The next day's refresh hands out nothing again.
        atualizaclassificacao(m);
        EXPECT_EQ(m.times[campeao].dinheiro - antes, sistema == 4 ? 5000000 : 7000000);
        EXPECT_EQ(m.historicocolocados.size(), 4u);
    }
}

TEST(Liga, AcessoEDescensoVinteClubesUmaDivisao) {
    Mundo m = mundoliga(2, 1);
    const int pais = m.ligas[0].pais;
    const int fraco = adicionaregional(m, pais, 1);
    const int r1 = adicionaregional(m, pais, 9);
    const int r2 = adicionaregional(m, pais, 8);
    adicionaregional(m, pais + 5, 25);  // another country's club never comes up
    const std::vector<int> antes = divisao(m.ligas[0], 0, 20);
    promoverebaixa(m, 0);
    const TLiga& l = m.ligas[0];
    confereListas(m, l, 20);
    for (int k = 0; k < 18; ++k) EXPECT_EQ(l.times[0][k], antes[k]);  // 17 and 18 stay
    const std::set<int> subiram = {l.times[0][18], l.times[0][19]};
    EXPECT_EQ(subiram.size(), 2u);
    for (int t : subiram) {
        EXPECT_TRUE(t == r1 || t == r2 || t == fraco);
        EXPECT_EQ(m.times[t].confiancadiretoria, 100);
        EXPECT_EQ(m.times[t].precoingresso[3], m.precospadrao[1][3]);
        EXPECT_GE(m.times[t].tecnico, 0);  // the coaches of the clubs that dropped out
    }
    EXPECT_EQ(m.times[antes[18]].divisao, 0);
    EXPECT_EQ(m.times[antes[19]].divisao, 0);
}

TEST(Liga, AcessoEDescensoDezClubesQuatroDivisoes) {
    Mundo m = mundoliga(4, 4);
    const int pais = m.ligas[0].pais;
    for (int i = 0; i < 12; ++i) adicionaregional(m, pais, 5 + i % 3);
    std::array<std::vector<int>, 4> antes;
    for (int d = 0; d < 4; ++d) antes[d] = divisao(m.ligas[0], d, 10);
    promoverebaixa(m, 0);
    const TLiga& l = m.ligas[0];
    confereListas(m, l, 10);
    for (int d = 0; d < 4; ++d) {
        const std::set<int> nova(l.times[d], l.times[d] + 10);
        int vindosdecima = 0, vindosdebaixo = 0, ficaram = 0;
        for (int t : nova) {
            const auto em = [&](int x) {
                return x >= 0 && x < 4 && std::count(antes[x].begin(), antes[x].end(), t) > 0;
            };
            if (em(d)) ++ficaram;
            else if (em(d - 1)) ++vindosdecima;
            else if (em(d + 1)) ++vindosdebaixo;
        }
        EXPECT_EQ(ficaram, d == 0 ? 8 : 6) << "division " << d + 1;
        EXPECT_EQ(vindosdecima, d == 0 ? 0 : 2);
        EXPECT_EQ(vindosdebaixo, d == 3 ? 0 : 2);
    }
    // Places 1 and 2 of division 2 went up, 9 and 10 of division 1 down.
    EXPECT_EQ(l.times[0][8], antes[1][0]);
    EXPECT_EQ(l.times[1][0], antes[0][8]);
    EXPECT_EQ(m.times[antes[3][9]].divisao, 0);
}

TEST(Liga, PoucosClubesForaDasDivisoes) {
    // No club outside: nobody drops out. One club outside: one of the bottom two leaves. Never
    // a club twice or an empty slot.
    for (int fora : {0, 1}) {
        Mundo m = mundoliga(2, 2);
        const int pais = m.ligas[0].pais;
        if (fora) adicionaregional(m, pais, 10);
        const std::vector<int> ultimos = {m.ligas[0].times[1][18], m.ligas[0].times[1][19]};
        promoverebaixa(m, 0);
        confereListas(m, m.ligas[0], 20);
        int caiu = 0;
        for (int t : ultimos) caiu += m.times[t].divisao == 0;
        EXPECT_EQ(caiu, fora);
    }
}

TEST(Liga, ClubeETecnicoDeIndiceZero) {
    // Club 0 is the only club outside the divisions and has no coach; the league is clubs 1..20.
    Mundo m = mundoliga(2, 1);
    const int novo = adicionaregional(m, m.ligas[0].pais, 1);
    m.ligas[0].times[0][0] = novo;
    m.ligas[0].classificacao[0][0] = novo;
    m.times[novo].divisao = 1;
    m.times[0].divisao = 0;
    m.times[0].tecnico = -1;
    // Club 18 finishes 19th and drops out; its coach is coach 0, the first one a club outside
    // the divisions has, so the promoted club takes him.
    m.times[novo].tecnico = 18;
    m.tecnicos[18].time = novo;
    m.times[18].tecnico = 0;
    m.tecnicos[0].time = 18;

    promoverebaixa(m, 0);
    confereListas(m, m.ligas[0], 20);
    EXPECT_EQ(m.times[0].divisao, 1);   // club 0 came up: it is a club like any other
    EXPECT_EQ(m.times[18].divisao, 0);  // 19th place makes way for it
    EXPECT_EQ(m.times[19].divisao, 1);  // nobody to replace the 20th: it stays
    EXPECT_EQ(m.times[0].tecnico, 0);
    EXPECT_EQ(m.tecnicos[0].time, 0);
    EXPECT_EQ(m.tecnicos[0].empregado, 1);
    EXPECT_EQ(m.times[0].confiancatorcida, 80);  // hired: the fans start at 80
    EXPECT_EQ(m.times[18].tecnico, -1);
}
