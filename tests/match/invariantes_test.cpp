// Properties every match must keep, checked after every minute of many seeded matches in both
// modes, and the check itself.
#include <gtest/gtest.h>

#include "match/verificacao.h"
#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {
std::string junta(const std::vector<std::string>& erros) {
    std::string r;
    for (const auto& e : erros) r += e + "\n";
    return r;
}
}  // namespace

TEST(Invariantes, PartidasInstantaneas) {
    InteracaoComputador ia;
    for (uint64_t semente = 1; semente <= 40; ++semente) {
        Mundo m = mundo(10, semente);
        criatime(m, Elenco{.forca = 75, .nivel = 20});
        criatime(m, Elenco{.forca = 75, .nivel = 20});
        for (int dia = 0; dia < 5; ++dia) {
            preparadia(m, {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}});
            simulainstantaneo(m, ia);
            ASSERT_EQ(junta(verificadiajogo(m)), "") << "semente " << semente << " dia " << dia;
            for (const auto& g : m.diajogo.jogos) EXPECT_EQ(g.posse[0] + g.posse[1], 90);
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
            ASSERT_EQ(junta(verificadiajogo(m)), "") << "semente " << semente << " tique " << minutos;
            if (e == EstadoMinuto::Fim) break;
        }
        EXPECT_EQ(minutos, 102);
        for (const auto& g : m.diajogo.jogos) {
            EXPECT_GE(g.posse[0] + g.posse[1], 90);
            EXPECT_LE(g.posse[0] + g.posse[1], 90 + 2 + 3 + 8);
        }
        for (const auto& e : m.diajogo.eventos) {
            EXPECT_GE(e.minuto, 1);
            EXPECT_LE(e.minuto, 90 + 3 + 8);
        }
    }
}

TEST(Invariantes, VerificacaoApontaEstadosCorrompidos) {
    InteracaoComputador ia;
    Mundo m = mundo(2, 3);
    preparadia(m, {{0, 1}});
    simulainstantaneo(m, ia);
    ASSERT_TRUE(verificadiajogo(m).empty());
    TEscalacao& r = *linhade(m, 0);
    TJogos& g = m.diajogo.jogos[0];

    ++r[kSlotMeio];
    EXPECT_EQ(verificadiajogo(m).size(), 1u);
    --r[kSlotMeio];
    ++g.gols[1];
    EXPECT_EQ(verificadiajogo(m).size(), 1u);
    --g.gols[1];
    const int banco = r[kUltimoBanco];
    r[kUltimoBanco] = r[3];
    EXPECT_EQ(verificadiajogo(m).size(), 1u);
    r[kUltimoBanco] = banco;
    int emjogo = 0;
    for (int s = 1; s <= 11 && !emjogo; ++s)
        if (m.jogadores[r[s]].jogouhoje) emjogo = r[s];
    ASSERT_GT(emjogo, 0);
    const double ate = m.jogadores[emjogo].contusaoate;
    m.jogadores[emjogo].contusaoate = hojedodia(m) + 7;
    EXPECT_FALSE(verificadiajogo(m).empty());
    m.jogadores[emjogo].contusaoate = ate;
    // A player taken off behind the kept on-pitch marks' back is pointed out.
    m.jogadores[emjogo].jogouhoje = 0;
    EXPECT_NE(junta(verificadiajogo(m)).find("marca em campo errada do jogador " + std::to_string(emjogo)),
              std::string::npos);
    m.jogadores[emjogo].jogouhoje = 1;
    // So is a player who changed clubs without the squad lists knowing.
    ASSERT_TRUE(verificadiajogo(m).empty());
    (void)elencoatual(m, 0);
    const int deixa = elencoatual(m, 0).front();
    m.jogadores[deixa].time = 1;
    EXPECT_EQ(verificadiajogo(m).size(), 2u);  // both clubs' lists
    m.jogadores[deixa].time = 0;
    m.diajogo.escalacoes.clear();
    EXPECT_EQ(verificadiajogo(m).size(), 2u);
}
