// Shots and goals, scorers, tiredness and the two drivers.
#include <gtest/gtest.h>

#include "match/arbitros.h"
#include "match/eventos.h"
#include "match/forca.h"
#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

TEST(Gols, ChancePorDiferencaEntreAtaqueEGoleiro) {
    // {attack - keeper line, chance}, at the edges of every band.
    const int casos[][2] = {{0, 15},   {1, 14},   {9, 14},   {10, 15}, {59, 18},  {60, 19},
                            {100, 19}, {101, 19}, {450, 19}, {-9, 15}, {-10, 14}, {-59, 11},
                            {-60, 9},  {-80, 7},  {-100, 7}, {-101, 0}};
    for (auto [d, g] : casos) EXPECT_EQ(chancegol(200 + d, 200), g) << "margem " << d;
}

namespace {
// A strong computer side (level 25) against a side with nobody on the pitch.
struct Massacre {
    Mundo m;
    int jogo;
    Massacre() {
        m = mundo(2, 9);
        m.times[0].nivel = 25;
        escala442(m, 0);
        novalinha(m, 1);
        jogo = jogomanual(m, 0, 1);
    }
    TJogos& g() { return m.diajogo.jogos[jogo - 1]; }
};
}  // namespace

TEST(Gols, OitoGolsEncerramOsGolsDeJogadaMesmoComBonusDeNivel) {
    Massacre p;
    p.g().gols[0] = 8;
    p.g().finalizacoes[0] = 20;  // past the consolation shots
    for (int i = 0; i < 3000; ++i) jogadaataque(p.m, p.jogo, 1);
    EXPECT_GT(p.g().finalizacoes[0], 1000);
    EXPECT_EQ(p.g().gols[0], 8);

    Massacre q;  // with seven the same side still scores
    q.g().gols[0] = 7;
    q.g().finalizacoes[0] = 20;
    for (int i = 0; i < 3000; ++i) jogadaataque(q.m, q.jogo, 1);
    EXPECT_EQ(q.g().gols[0], 8);
}

TEST(Gols, ListaDeGolsLimitadaEPlacarSempreContado) {
    Massacre p;
    for (int i = 0; i < 40; ++i) marcagol(p.m, p.jogo, 1);
    EXPECT_EQ(p.g().gols[0], 40);
    EXPECT_EQ(p.g().numgols, kMaxGolsLista);
}

TEST(Gols, NonoChuteSemGolSempreEntra) {
    Mundo m = mundo(2, 4);
    escala442(m, 0);
    escala442(m, 1);
    const int jogo = jogomanual(m, 0, 1);
    TJogos& g = m.diajogo.jogos[0];
    for (int i = 0; i < 5000 && g.finalizacoes[1] < 9; ++i) {
        g.gols[1] = 0;
        jogadaataque(m, jogo, 2);
    }
    ASSERT_EQ(g.finalizacoes[1], 9);
    EXPECT_GE(g.gols[1], 1);
}

TEST(Artilheiro, SempreEncontraAlguemEmCampo) {
    // Natural laterais all pushed forward: the row has atacantes but nobody whose natural position
    // is a visited line. The draw must still end with one of them.
    Mundo m = mundo(2, 5, Elenco{.laterais = 12});
    const auto l = daposicao(m, 0, kLateral);
    escala(m, 0, {l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], l[8], l[9], daposicao(m, 0, 0)[0]});
    for (int s = 0; s < 10; ++s) mudaposicao(m, 0, l[s], kAtacante, 1);
    escala442(m, 1);
    const int jogo = jogomanual(m, 0, 1);
    for (int i = 0; i < 200; ++i) marcagol(m, jogo, 1);
    const TJogos& g = m.diajogo.jogos[0];
    for (int i = 0; i < g.numgols; ++i) EXPECT_GT(g.listagols[i].jogador, 0);
    for (const auto& e : m.diajogo.eventos) {
        ASSERT_TRUE(e.tipo == kEvGol || e.tipo == kEvGolContra);
        EXPECT_TRUE(m.jogadores[e.jogador].jogouhoje);
    }
    // Own goals come from the conceding side only.
    for (int i = 0; i < 500; ++i) {
        const int c = escolhecontra(m, jogo, 2);
        ASSERT_GT(c, 0);
        EXPECT_EQ(m.jogadores[c].time, 0);
    }
    // Nobody on the pitch at all: the goal still counts, credited to nobody.
    Mundo v = mundo(2, 6);
    novalinha(v, 0);
    novalinha(v, 1);
    const int vazio = jogomanual(v, 0, 1);
    for (int i = 0; i < 100; ++i) marcagol(v, vazio, 2);
    EXPECT_EQ(v.diajogo.jogos[0].gols[1], 100);
    EXPECT_EQ(v.diajogo.jogos[0].listagols[0].jogador, 0);
}

TEST(Desgaste, PerdaPorIdadeMinutoEPosicao) {
    Mundo m = mundo(2);
    TEscalacao& r = escala442(m, 0);
    TJogador& l1 = m.jogadores[r[1]];
    TJogador& z1 = m.jogadores[r[3]];
    TJogador& mc = m.jogadores[r[5]];
    TJogador& at = m.jogadores[r[9]];
    TJogador& gk = m.jogadores[r[11]];
    for (int s = 1; s <= 11; ++s) {
        m.jogadores[r[s]].energia = 80;
        m.jogadores[r[s]].habilidade1 = m.jogadores[r[s]].habilidade2 = 7;
    }
    l1.idade = 25;
    z1.idade = 26;
    mc.idade = 36;
    at.idade = 17;
    at.habilidade1 = 12;
    gk.idade = 30;
    desgaste(m, 0, 15);
    EXPECT_EQ(l1.energia, 79);
    EXPECT_EQ(z1.energia, 80);
    EXPECT_EQ(mc.energia, 78);
    EXPECT_EQ(at.energia, 82);  // "Resistência" gives 2 back
    EXPECT_EQ(gk.energia, 80);
    desgaste(m, 0, 10);
    EXPECT_EQ(z1.energia, 78);
    EXPECT_EQ(at.energia, 83);   // -1 and +2
    m.times[0].concentraataques = 1;
    m.times[0].marcacao = 1;
    desgaste(m, 0, 40);
    EXPECT_EQ(l1.energia, 78 - 1 - 2);  // wide attacks tire the laterais
    EXPECT_EQ(z1.energia, 78 - 2 - 2);  // marking tires the zagueiros
    EXPECT_EQ(mc.energia, 76 - 2);      // 36 loses only in the every-check band
    EXPECT_EQ(gk.energia, 78);          // keepers lose only at 40, by age
    l1.energia = 1;
    desgaste(m, 0, 40);
    EXPECT_EQ(l1.energia, 0);
    at.energia = 100;
    desgaste(m, 0, 20);
    EXPECT_EQ(at.energia, 100);
}

TEST(Partida, ArbitrosSoAteOSlotDozeETabelaSegura) {
    Mundo m = mundo(30, 2);
    sorteiaarbitros(m);
    std::vector<std::pair<int, int>> pares;
    for (int i = 0; i < 15; ++i) pares.push_back({2 * i, 2 * i + 1});
    preparadia(m, pares);
    iniciapartidas(m);
    for (int i = 0; i < 15; ++i) {
        const int a = m.diajogo.jogos[i].arbitro;
        if (i < 6) {
            ASSERT_NE(arbitro(a), nullptr);
            EXPECT_EQ(arbitro(a)->pais, kBrasil);
        } else if (i < 12) {
            ASSERT_NE(arbitro(a), nullptr);
            EXPECT_EQ(arbitro(a)->pais, 1);
        } else {
            EXPECT_EQ(a, 0);
        }
    }
    EXPECT_EQ(arbitro(0), nullptr);
    EXPECT_EQ(arbitro(43), nullptr);
    EXPECT_GE(arbitro(m.diajogo.jogos[0].arbitro)->tecnica, arbitro(m.diajogo.jogos[5].arbitro)->tecnica);
}

TEST(Partida, IntervaloAbreAsPartidasDosHumanos) {
    struct Conta : InteracaoComputador {
        std::vector<int> intervalos;
        void intervalo(Mundo& m, int jogo) override {
            intervalos.push_back(jogo);
            EXPECT_EQ(m.diajogo.tempo, 2);
            EXPECT_EQ(m.diajogo.minuto, 0);
        }
    } ia;
    Mundo m = mundo(6, 8);
    m.times[3].humano = 1;
    m.estado.numtecnicoshumanos = 1;
    m.estado.verintervalo = 1;
    preparadia(m, {{0, 1}, {2, 3}, {4, 5}});
    iniciapartidas(m);
    int ticks = 0;
    EstadoMinuto e;
    while ((e = minuto(m, ia)) == EstadoMinuto::Jogando) ++ticks;
    EXPECT_EQ(e, EstadoMinuto::Intervalo);
    EXPECT_EQ(ticks, 50);
    EXPECT_EQ(ia.intervalos, std::vector<int>{2});
    jogaexibido(m, ia);
    EXPECT_EQ(minuto(m, ia), EstadoMinuto::Fim);  // a finished screen stays finished
}

TEST(Partida, SorteioDePenaltiChamadoSoNoModoExibido) {
    Mundo m = mundo(2, 3);
    int chamadas = 0;
    m.diajogo.sorteiopenalti = [&](Mundo&, Interacao&, int) { ++chamadas; };
    InteracaoComputador ia;
    preparadia(m, {{0, 1}});
    simulainstantaneo(m, ia);
    EXPECT_EQ(chamadas, 0);
    preparadia(m, {{0, 1}});
    m.diajogo.jogos[0].penaltiusado[0] = 1;
    jogaexibido(m, ia);
    EXPECT_GE(chamadas, 90);
    preparadia(m, {{0, 1}});
    m.diajogo.jogos[0].penaltiusado[0] = m.diajogo.jogos[0].penaltiusado[1] = 1;
    chamadas = 0;
    jogaexibido(m, ia);
    EXPECT_EQ(chamadas, 0);
}

TEST(Partida, MesmaSementeMesmaRodada) {
    auto roda = [](uint64_t semente) {
        Mundo m = mundo(10, semente);
        InteracaoComputador ia;
        preparadia(m, {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}});
        simulainstantaneo(m, ia);
        std::vector<int> r;
        for (const auto& g : m.diajogo.jogos) r.insert(r.end(), {g.gols[0], g.gols[1], g.faltas[0]});
        r.push_back(static_cast<int>(m.diajogo.eventos.size()));
        return r;
    };
    EXPECT_EQ(roda(42), roda(42));
}
