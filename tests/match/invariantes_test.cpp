// Properties every match must keep, checked over many seeded matches in both modes.
#include <gtest/gtest.h>

#include "match/escalacao.h"
#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

int golsdelado(const Mundo& m, int jogo, int lado) {
    const TJogos& g = m.diajogo.jogos[jogo - 1];
    int n = 0;
    for (int i = 0; i < g.numgols; ++i)
        if (g.listagols[i].time == g.time(lado)) ++n;
    for (const auto& e : m.diajogo.eventos)  // free-kick goals are not listed
        if (e.partida == jogo && e.tipo == kEvGolFalta && e.time == g.time(lado)) ++n;
    return n;
}

// Slots 12..18 recomputed here independently of the engine.
void confereLinhas(const Mundo& m, int time) {
    const TEscalacao& r = *linhade(m, time);
    int pos[5] = {}, def = 0, meio = 0, ata = 0;
    for (int s = 1; s <= 11; ++s) {
        const int id = r[s];
        if (id <= 0 || !m.jogadores[id].jogouhoje || !disponivel(m, id)) continue;
        const TJogador& j = m.jogadores[id];
        ++pos[j.posicao];
        if (j.posicao == kZagueiro || (j.posicao == kLateral && j.funcao != 2)) ++def;
        if (j.posicao == kMeioCampo || (j.posicao == kLateral && j.funcao == 2)) ++meio;
        if (j.posicao == kAtacante) ++ata;
    }
    for (int p = 1; p <= 4; ++p) ASSERT_EQ(r[11 + p], pos[p]) << "posição " << p;
    ASSERT_EQ(r[16], def);
    ASSERT_EQ(r[17], meio);
    ASSERT_EQ(r[18], ata);
}

void confereEmCampo(const Mundo& m, int time) {
    const TEscalacao& r = *linhade(m, time);
    for (int s = 1; s <= 11; ++s) {
        const int id = r[s];
        if (id <= 0) continue;
        const TJogador& j = m.jogadores[id];
        ASSERT_GE(j.energia, 0);
        ASSERT_LE(j.energia, 100);
        if (j.jogouhoje) {
            ASSERT_LE(j.contusaoate, hojedodia(m)) << "contundido em campo";
            ASSERT_EQ(j.suspensao[kLiga], 0) << "suspenso em campo";
        }
    }
}

void confereFim(const Mundo& m, int limite) {
    for (int i = 1; i <= static_cast<int>(m.diajogo.jogos.size()); ++i) {
        const TJogos& g = m.diajogo.jogos[i - 1];
        for (int lado = 1; lado <= 2; ++lado) {
            EXPECT_EQ(g.gols[lado - 1], golsdelado(m, i, lado));
            EXPECT_GE(g.substituicoes[lado - 1], 0);
            int trocas = 0;
            for (const auto& e : m.diajogo.eventos)
                if (e.partida == i && e.tipo == kEvSubstituicao && e.time == g.time(lado)) ++trocas;
            EXPECT_LE(trocas, limite);
            EXPECT_EQ(trocas, limite - g.substituicoes[lado - 1]);
            EXPECT_GE(g.posse[lado - 1], 0);
        }
        EXPECT_EQ(g.posse[0] + g.posse[1], 90) << "instant matches own the ball every minute";
    }
}

}  // namespace

TEST(Invariantes, PartidasInstantaneas) {
    InteracaoComputador ia;
    for (uint64_t semente = 1; semente <= 40; ++semente) {
        Elenco forte{.forca = 75, .nivel = 20};
        Mundo m = mundo(10, semente);
        criatime(m, forte);
        criatime(m, forte);
        for (int dia = 0; dia < 5; ++dia) {
            preparadia(m, {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}});
            simulainstantaneo(m, ia);
            for (int t = 0; t < 12; ++t) {
                confereLinhas(m, t);
                confereEmCampo(m, t);
            }
            confereFim(m, 3);
            proximodia(m);
        }
    }
}

TEST(Invariantes, PartidasExibidasMinutoAMinuto) {
    InteracaoComputador ia;
    for (uint64_t semente = 1; semente <= 30; ++semente) {
        Mundo m = mundo(8, semente * 31);
        m.estado.competicaoatual = semente % 3 == 0 ? kAmistoso : kLiga;
        m.times[0].humano = 1;
        m.estado.numtecnicoshumanos = 1;
        m.estado.verintervalo = 1;
        preparadia(m, {{0, 1}, {2, 3}, {4, 5}, {6, 7}});
        iniciapartidas(m);
        int minutos = 0;
        for (;;) {
            const EstadoMinuto e = minuto(m, ia);
            ++minutos;
            for (int t = 0; t < 8; ++t) {
                confereLinhas(m, t);
                confereEmCampo(m, t);
            }
            if (e == EstadoMinuto::Fim) break;
        }
        EXPECT_EQ(minutos, 102);
        const int limite = m.estado.competicaoatual == kAmistoso ? 5 : 3;
        for (int i = 1; i <= 4; ++i) {
            const TJogos& g = m.diajogo.jogos[i - 1];
            for (int lado = 1; lado <= 2; ++lado) {
                EXPECT_EQ(g.gols[lado - 1], golsdelado(m, i, lado));
                int trocas = 0;
                for (const auto& e : m.diajogo.eventos)
                    if (e.partida == i && e.tipo == kEvSubstituicao && e.time == g.time(lado)) ++trocas;
                EXPECT_LE(trocas, limite);
            }
            EXPECT_GE(g.posse[0] + g.posse[1], 90);
            EXPECT_LE(g.posse[0] + g.posse[1], 90 + 2 + 3 + 8);
        }
        for (const auto& e : m.diajogo.eventos) {
            EXPECT_GE(e.minuto, 1);
            EXPECT_LE(e.minuto, 90 + 3 + 8);
        }
    }
}
