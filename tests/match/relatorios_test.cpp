#include <gtest/gtest.h>

#include "competitions/temporada.h"
#include "match/diajogo.h"
#include "match/estatisticas.h"
#include "match/publico.h"
#include "match/relatorios.h"
#include "mundoteste.h"
#include "season/semana.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// Two clubs on the screen with hand-made elevens; returns the slot.
int jogopronto(Mundo& m) {
    escala442(m, 0);
    escala442(m, 1);
    return jogomanual(m, 0, 1);
}

}  // namespace

TEST(Estatisticas, FimDeJogo) {
    Mundo m = mundo(2);
    const int jogo = jogopronto(m);
    TJogos& g = m.diajogo.jogos[0];
    g.posse[0] = 14;
    g.posse[1] = 76;
    g.finalizacoes[0] = 0;
    g.finalizacoes[1] = 12;
    g.gols[1] = 3;
    g.roubadasbola[0] = 10;
    g.roubadasbola[1] = 20;
    finalizaestatisticas(m, jogo);
    // Missed passes from the raw possession and the shots before a shotless side gets its one or two.
    EXPECT_EQ(g.passeserrados[0], 11);
    EXPECT_EQ(g.passeserrados[1], 61 - 12);
    EXPECT_GE(g.finalizacoes[0], 1);
    EXPECT_LE(g.finalizacoes[0], 2);
    // 14 possession minutes end at 21..30 %.
    EXPECT_EQ(g.posse[0] + g.posse[1], 100);
    EXPECT_GE(possemandante(g.posse[0], g.posse[1]), 21);
    EXPECT_LE(possemandante(g.posse[0], g.posse[1]), 30);
    EXPECT_EQ(g.roubadasbola[0], 6 + g.finalizacoes[0]);
    EXPECT_EQ(g.roubadasbola[1], 12 + 12);

    // Penalty goals count no shot while the match runs: the figures never show fewer shots
    // than goals.
    g.finalizacoes[0] = 1;
    g.gols[0] = 3;
    finalizaestatisticas(m, jogo);
    EXPECT_GE(g.finalizacoes[0], 3);
}

TEST(Estatisticas, Notas) {
    Mundo m = mundo(2);
    const int jogo = jogopronto(m);
    TJogos& g = m.diajogo.jogos[0];
    const int meia = daposicao(m, 0, kMeioCampo)[0];
    const int goleiro = daposicao(m, 0, kGoleiro)[0];
    const int atacante = daposicao(m, 0, kAtacante)[0];
    for (int j : {meia, goleiro, atacante}) m.jogadores[j].forca = 73;

    // An attacker of strength 73 in his position: 7.5 at a score of 4 or more, 7.0 below.
    g.gols[0] = 0;
    g.gols[1] = 1;  // lost: 4
    EXPECT_FLOAT_EQ(calculanota(m, atacante, jogo, 2, 1), 7.5f);
    EXPECT_FLOAT_EQ(m.jogadores[atacante].nota, 7.5f);
    // A volante of a losing side with less of the ball and fewer tackles than attacks faced:
    // 5 - 1 - 1.5 - 0.5 = 2.
    m.jogadores[meia].funcao = 0;
    g.posse[0] = 30;
    g.posse[1] = 70;
    g.roubadasbola[0] = 5;
    g.ataques[1] = 9;
    EXPECT_FLOAT_EQ(calculanota(m, meia, jogo, 2, 1), 7.0f);
    // Out of position he plays below his strength.
    m.jogadores[atacante].posicao = kZagueiro;
    EXPECT_LT(calculanota(m, atacante, jogo, 2, 1), 7.5f);
    m.jogadores[atacante].posicao = kAtacante;

    // The goalkeeper who faced 10 shots: 3 conceded (7 saves, below 8) costs a point, 2 conceded
    // earns one. Winning side, more tackles than attacks: 5 + 1 + 0.5 -/+ 1.
    g.roubadasbola[0] = 20;
    g.ataques[1] = 5;
    g.finalizacoes[1] = 10;
    g.gols[0] = 4;
    g.gols[1] = 3;
    EXPECT_FLOAT_EQ(calculanota(m, goleiro, jogo, 2, 1), 7.5f);  // 5.5 >= 4
    g.gols[0] = 0;
    g.gols[1] = 3;  // lost too: 5 - 1 + 0.5 - 1 = 3.5
    EXPECT_FLOAT_EQ(calculanota(m, goleiro, jogo, 2, 1), 7.0f);
    g.gols[1] = 2;  // 5 - 1 + 0.5 + 1 = 5.5
    EXPECT_FLOAT_EQ(calculanota(m, goleiro, jogo, 2, 1), 7.5f);
    // Strength outside 1..100 has no band.
    m.jogadores[goleiro].forca = 0;
    EXPECT_FLOAT_EQ(calculanota(m, goleiro, jogo, 2, 1), 0.0f);
}

// A played day keeps one report per match, its events under the report's index, its figures
// agreeing with the score; reports are found by their clubs and date, never by a round number
// another competition shares.
TEST(Relatorios, ArquivoEBusca) {
    Mundo m = mundo(4, 21);
    zerarelatorios(m);
    InteracaoComputador ia;
    preparadia(m, {{0, 1}, {2, 3}});
    jogaexibido(m, ia);
    encerrapartidas(m, ia);
    ASSERT_EQ(m.estado.numrelatorios, 2);
    ASSERT_EQ(m.relatorios.size(), 3u);  // and the spare zeroed entry
    EXPECT_EQ(m.relatorios[2].mandante, 0);
    EXPECT_EQ(m.relatorios[2].data, 0);
    for (int r = 0; r < 2; ++r) {
        const TRelatorioPartida& x = m.relatorios[static_cast<size_t>(r)];
        const TJogos& g = m.diajogo.jogos[static_cast<size_t>(r)];
        EXPECT_EQ(x.mandante, g.mandante);
        EXPECT_EQ(x.golsmandante, g.gols[0]);
        EXPECT_EQ(x.publico, g.publico);
        EXPECT_EQ(x.competicao, kLiga);
        EXPECT_EQ(x.data, hojedodia(m));
        EXPECT_GE(x.estatisticasmandante[2], x.golsmandante);
        EXPECT_GE(x.estatisticasvisitante[2], x.golsvisitante);
        for (int s = 0; s < 11; ++s) {
            EXPECT_GT(x.onzemandante[s], 0);
            const float n = x.notasmandante[s].nota;
            EXPECT_EQ(n, m.jogadores[static_cast<size_t>(x.onzemandante[s])].nota);
            EXPECT_TRUE(n >= 0 && n <= 10 && n * 2 == static_cast<int>(n * 2)) << n;
        }
        int gols = 0;
        for (const TEventoPartida& e : eventosdorelatorio(m, r)) {
            EXPECT_EQ(e.partida, r);
            if (e.tipo == kEvGol || e.tipo == kEvGolContra || e.tipo == kEvGolPenalti || e.tipo == kEvGolFalta) ++gols;
        }
        EXPECT_EQ(gols, x.golsmandante + x.golsvisitante);
    }

    // Another competition with the same round number and the same club, on another date.
    TRelatorioPartida copa{};
    copa.mandante = 1;
    copa.visitante = 0;
    copa.competicao = kCopaNacional;
    copa.rodada = m.relatorios[0].rodada;
    copa.data = hojedodia(m) - 3;
    m.relatorios.insert(m.relatorios.begin(), copa);
    ++m.estado.numrelatorios;
    TPartida p{};
    p.mandante = 0;
    p.visitante = 1;
    p.data = hojedodia(m);
    p.jogado = 1;
    p.competicao = kLiga;
    m.partidas.push_back(p);
    EXPECT_EQ(relatoriodapartida(m, static_cast<int>(m.partidas.size()) - 1), 1);
    EXPECT_EQ(procurarelatorio(m, 1, 0, copa.data), 0);
    EXPECT_EQ(procurarelatorio(m, 0, 1, copa.data), -1);
    p.jogado = 0;
    m.partidas.back() = p;
    EXPECT_EQ(relatoriodapartida(m, static_cast<int>(m.partidas.size()) - 1), -1);

    // A new season starts with no reports and one zeroed entry.
    zerarelatorios(m);
    EXPECT_EQ(m.estado.numrelatorios, 0);
    EXPECT_EQ(m.relatorios.size(), 1u);
    EXPECT_TRUE(m.eventosrelatorios.empty());
}

// Friendlies allow five substitutions: every player taken off is in the report with his rating.
TEST(Relatorios, AmistosoGuardaCincoSaidas) {
    Mundo m = mundo(2);
    zerarelatorios(m);
    m.estado.competicaoatual = kAmistoso;
    const int jogo = jogopronto(m);
    m.diajogo.tempo = 2;
    const auto sai = daposicao(m, 0, kMeioCampo);
    for (int i = 0; i < 5; ++i) registrasaida(m, jogo, sai[static_cast<size_t>(i)], 1);
    EXPECT_EQ(m.diajogo.jogos[0].nsubstituidos[0], 5);
    notasdojogo(m, jogo);
    arquivarelatorios(m);
    const auto saidas = saidasdorelatorio(m.relatorios[0], 1);
    ASSERT_EQ(saidas.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(saidas[static_cast<size_t>(i)].jogador, sai[static_cast<size_t>(i)]);
        EXPECT_EQ(saidas[static_cast<size_t>(i)].nota, m.jogadores[static_cast<size_t>(sai[static_cast<size_t>(i)])].nota);
    }
    EXPECT_EQ(relatoriosdojogador(m, sai[4]), std::vector<int>{0});
    // In a league match the list keeps three, the last overwritten as before.
    m.estado.competicaoatual = kLiga;
    limpadiajogo(m);
    const int liga = jogopronto(m);
    for (int i = 0; i < 5; ++i) registrasaida(m, liga, sai[static_cast<size_t>(i)], 1);
    EXPECT_EQ(m.diajogo.jogos[0].nsubstituidos[0], 3);
}

// Attendance at its edges: never above the seats nor below zero whatever the price, a derby
// and a big visitor draw more, the gate is computed without overflow, and the national cup
// splits it.
TEST(Publico, Limites) {
    Mundo m = mundo(3);
    m.precospadrao = precospadraoiniciais(2);
    m.estado.sistemadisputa = 2;
    m.estado.rodadaliga = 5;
    for (int t = 0; t < 3; ++t) {
        TTime& c = m.times[static_cast<size_t>(t)];
        c.divisao = 1;
        c.pais = 29;
        c.estado = t;
        c.confiancatorcida = 100;
        c.nivel = 10;
        const int cap[4] = {100, 200, 0, 30};
        for (int s = 0; s < 4; ++s) {
            c.capacidade[s] = cap[s];
            c.precoingresso[s] = m.precospadrao[1][s];
        }
    }
    // A small stadium fills up to its seats and no further, even with the floors; a sector
    // without seats stays empty.
    for (int i = 0; i < 200; ++i) {
        const auto a = calculapublico(m, kLiga, 0, 1, 0);
        for (int s = 0; s < 4; ++s) {
            EXPECT_GE(a[s], 0);
            EXPECT_LE(a[s], m.times[0].capacidade[s]);
        }
        EXPECT_EQ(a[2], 0);
    }
    // A human club far above or below the reference price: empty or full, never beyond.
    m.times[0].humano = 1;
    for (int preco : {0, 999, -2000000000, 2000000000}) {
        for (int s = 0; s < 4; ++s) m.times[0].precoingresso[s] = preco;
        const auto a = calculapublico(m, kLiga, 0, 1, 0);
        for (int s = 0; s < 4; ++s) {
            EXPECT_GE(a[s], 0);
            EXPECT_LE(a[s], m.times[0].capacidade[s]);
        }
    }
    // 64-bit gate: huge crowds at a huge price are bounded, not wrapped.
    m.times[0].precoingresso[0] = 2000000000;
    EXPECT_EQ(calcularenda(m, 0, {2000000, 0, 0, 0}), INT32_MAX);
    m.times[0].humano = 0;
    for (int s = 0; s < 4; ++s) m.times[0].precoingresso[s] = m.precospadrao[1][s];

    // Big stadiums: a derby (same state) and a stronger visitor bring more people; a full
    // stadium stays at its seats.
    for (int t = 0; t < 3; ++t)
        for (int s = 0; s < 4; ++s) m.times[static_cast<size_t>(t)].capacidade[s] = 50000;
    m.times[1].estado = m.times[0].estado;
    m.times[0].confiancatorcida = 50;  // 40..59 % of the seats before the bonuses
    long classico = 0, comum = 0, grande = 0;
    for (int i = 0; i < 300; ++i) {
        classico += calculapublico(m, kLiga, 0, 1, 0)[1];
        comum += calculapublico(m, kLiga, 0, 2, 0)[1];
    }
    m.times[2].nivel = 20;
    for (int i = 0; i < 300; ++i) grande += calculapublico(m, kLiga, 0, 2, 0)[1];
    EXPECT_GT(classico * 100, comum * 125);
    EXPECT_GT(grande * 100, comum * 110);
    m.times[0].confiancatorcida = 100;
    m.times[0].humano = 1;
    for (int s = 0; s < 4; ++s) m.times[0].precoingresso[s] = 0;  // everyone comes
    EXPECT_EQ(calculapublico(m, kLiga, 0, 1, 0), (std::array<int, 4>{50000, 50000, 50000, 50000}));
    m.times[0].humano = 0;

    // The national cup gives each club half the gate, truncated; other club matches all of it
    // to the home club.
    const int32_t antes0 = m.times[0].dinheiro, antes1 = m.times[1].dinheiro;
    m.financas.resize(3);
    creditarenda(m, kCopaNacional, 0, 1, 1001);
    EXPECT_EQ(m.times[0].dinheiro - antes0, 500);
    EXPECT_EQ(m.times[1].dinheiro - antes1, 500);
    EXPECT_EQ(m.financas[1].ingressos, 500);
}
