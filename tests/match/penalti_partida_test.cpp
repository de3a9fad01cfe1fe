// The penalty awarded during a watched match: who kicks, what is recorded, how often.
#include <gtest/gtest.h>

#include <algorithm>

#include "match/diajogo.h"
#include "match/penaltis.h"
#include "match/verificacao.h"
#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// Records every question of the in-match penalty; the human coach sends `escolha` when it is one
// of the candidates offered (or whatever `escolha` says when `forca` is set).
struct PerguntasPenalti : InteracaoComputador {
    int cobradas = 0, mostradas = 0;
    int escolha = -1;
    bool forca = false;
    bool naochuta = false;
    std::vector<int> candidatos;
    std::vector<TCobrancaPenalti> vistas;
    void cobrapenalti(const Mundo&, int, const std::vector<int>& c, int sugestao,
                      const std::function<TCobrancaPenalti(int)>& cobra) override {
        ++cobradas;
        candidatos = c;
        if (naochuta) return;
        const bool oferecido = std::find(c.begin(), c.end(), escolha) != c.end();
        vistas.push_back(cobra(forca || oferecido ? escolha : sugestao));
        cobra(sugestao);  // a second call takes no second kick
    }
    void mostrapenalti(const Mundo&, int, const TCobrancaPenalti& c) override {
        ++mostradas;
        vistas.push_back(c);
    }
};

int eventosdepenalti(const Mundo& m, int jogo) {
    return static_cast<int>(std::count_if(m.diajogo.eventos.begin(), m.diajogo.eventos.end(), [&](const TEventoPartida& e) {
        return e.tipo == kEvGolPenalti && e.partida == jogo;
    }));
}

}  // namespace

TEST(PenaltiNaPartida, SemClubeHumanoNinguemCobraMasOPenaltiSeGasta) {
    Mundo m = mundo(2, 21);
    PerguntasPenalti ia;
    int marcados = 0;
    for (int rep = 0; rep < 60; ++rep) {
        preparadia(m, {{0, 1}});
        m.diajogo.sorteiopenalti = sorteiapenalti;
        jogaexibido(m, ia);
        const TJogos& g = m.diajogo.jogos[0];
        marcados += g.penaltiusado[0] + g.penaltiusado[1];
        EXPECT_EQ(eventosdepenalti(m, 1), 0);
        proximodia(m);
    }
    // About one side in six draws its penalty in a match; none is kicked.
    EXPECT_GT(marcados, 5);
    EXPECT_EQ(ia.cobradas + ia.mostradas, 0);
}

TEST(PenaltiNaPartida, ComClubeHumanoNoMaximoUmPorLadoEGolRegistrado) {
    Mundo m = mundo(2, 5);
    m.times[0].humano = 1;
    PerguntasPenalti ia;
    int humanos = 0, computador = 0, gols = 0;
    for (int rep = 0; rep < 80; ++rep) {
        preparadia(m, {{0, 1}});
        m.diajogo.sorteiopenalti = sorteiapenalti;
        const int antesc = ia.cobradas, antesm = ia.mostradas;
        const size_t vistas = ia.vistas.size();
        iniciapartidas(m);
        std::vector<int> golsjogador(m.jogadores.size());
        for (size_t j = 0; j < m.jogadores.size(); ++j) golsjogador[j] = m.jogadores[j].gols[kLiga];
        while (minuto(m, ia) != EstadoMinuto::Fim) {
        }
        const TJogos& g = m.diajogo.jogos[0];
        // One question per side at most, and only for a side whose penalty was awarded.
        EXPECT_LE(ia.cobradas - antesc, g.penaltiusado[0]);
        EXPECT_LE(ia.mostradas - antesm, g.penaltiusado[1]);
        humanos += ia.cobradas - antesc;
        computador += ia.mostradas - antesm;
        int golsaqui = 0;
        for (size_t k = vistas; k < ia.vistas.size(); ++k) {
            const TCobrancaPenalti& c = ia.vistas[k];
            ASSERT_GT(c.batedor, 0);
            EXPECT_EQ(c.falas.size(), 3u);
            if (!c.gol) continue;
            ++golsaqui;
            // The scorer's goal is in his record and in the event log with his club.
            EXPECT_GE(m.jogadores[c.batedor].gols[kLiga], golsjogador[c.batedor] + 1);
            const bool logado = std::any_of(m.diajogo.eventos.begin(), m.diajogo.eventos.end(),
                                            [&](const TEventoPartida& e) {
                                                return e.tipo == kEvGolPenalti && e.jogador == c.batedor &&
                                                       e.time == m.jogadores[c.batedor].time && e.extra == -1;
                                            });
            EXPECT_TRUE(logado);
        }
        EXPECT_EQ(eventosdepenalti(m, 1), golsaqui);
        gols += golsaqui;
        // The score still adds up with the goals recorded.
        EXPECT_EQ(verificadiajogo(m), std::vector<std::string>{});
        proximodia(m);
    }
    EXPECT_GT(humanos, 3);
    EXPECT_GT(computador, 3);
    EXPECT_GT(gols, 0);
}

TEST(PenaltiNaPartida, CadaLadoSoUmaVezMesmoEmMilharesDeSorteios) {
    Mundo m = mundo(2, 6);
    m.times[0].humano = 1;
    preparadia(m, {{0, 1}});
    PerguntasPenalti ia;
    // The home side has had its penalty: only the away side can get one, and only once.
    m.diajogo.jogos[0].penaltiusado[0] = 1;
    for (int i = 0; i < 20000; ++i) sorteiapenalti(m, ia, 1);
    EXPECT_EQ(ia.cobradas, 0);
    EXPECT_EQ(ia.mostradas, 1);
    // Neither side again.
    for (int i = 0; i < 20000; ++i) sorteiapenalti(m, ia, 1);
    EXPECT_EQ(ia.cobradas + ia.mostradas, 1);
}

TEST(PenaltiNaPartida, BatedoresECandidatosEmCampo) {
    Mundo m = mundo(2, 8);
    m.times[0].humano = 1;
    preparadia(m, {{0, 1}});
    const TEscalacao& r0 = *linhade(m, 0);
    // The computer sends slot 10; the coach is offered the eleven by natural position.
    EXPECT_EQ(batedoremcampo(m, 1), (*linhade(m, 1))[10]);
    const std::vector<int> c = candidatospenalti(m, 0);
    ASSERT_EQ(c.size(), 11u);
    EXPECT_EQ(c.front(), r0[kSlotGoleiro]);
    EXPECT_TRUE(std::is_sorted(c.begin(), c.end(), [&](int a, int b) {
        return m.jogadores[a].posicaooriginal < m.jogadores[b].posicaooriginal;
    }));
    // Sent off or injured players are not on the pitch any more.
    defineemcampo(m, r0[10], false);
    EXPECT_EQ(batedoremcampo(m, 0), r0[9]);
    EXPECT_EQ(candidatospenalti(m, 0).size(), 10u);
    EXPECT_EQ(goleiroemcampo(m, 0), r0[kSlotGoleiro]);
    defineemcampo(m, r0[kSlotGoleiro], false);
    EXPECT_EQ(goleiroemcampo(m, 0), -1);
    // An outfield player moved into goal stands in for the keeper.
    m.jogadores[r0[3]].posicao = kGoleiro;
    EXPECT_EQ(goleiroemcampo(m, 0), r0[3]);
    // A side with only its keeper left sends him; with nobody, nobody.
    for (int s = 1; s <= 10; ++s) defineemcampo(m, r0[s], false);
    EXPECT_EQ(goleiroemcampo(m, 0), -1);
    defineemcampo(m, r0[kSlotGoleiro], true);
    EXPECT_EQ(batedoremcampo(m, 0), r0[kSlotGoleiro]);
    defineemcampo(m, r0[kSlotGoleiro], false);
    EXPECT_EQ(batedoremcampo(m, 0), -1);
    EXPECT_TRUE(candidatospenalti(m, 0).empty());
}

namespace {
// Draws minute after minute in match slot 1 until the home side's penalty comes (the away
// side's is taken as used, so that only the home side can be awarded one).
void ateopenalti(Mundo& m, InteracaoPenaltis& ui) {
    m.diajogo.jogos[0].penaltiusado[1] = 1;
    for (int i = 0; i < 200000 && !m.diajogo.jogos[0].penaltiusado[0]; ++i) sorteiapenalti(m, ui, 1);
    ASSERT_TRUE(m.diajogo.jogos[0].penaltiusado[0]);
}
}  // namespace

TEST(PenaltiNaPartida, EscolhaDoTecnicoEQuandoNinguemPodeCobrar) {
    Mundo m = mundo(2, 13);
    m.times[0].humano = 1;
    preparadia(m, {{0, 1}});
    const TEscalacao& r0 = *linhade(m, 0);

    // The coach's kicker takes it.
    PerguntasPenalti ia;
    ia.escolha = r0[3];
    ateopenalti(m, ia);
    ASSERT_EQ(ia.vistas.size(), 1u);
    EXPECT_EQ(ia.vistas[0].batedor, r0[3]);
    EXPECT_EQ(ia.vistas[0].falas[0].rfind(m.jogadores[r0[3]].nome.utf8(), 0), 0u);

    // A player who is not on the pitch cannot be sent: the computer's kicker goes instead.
    preparadia(m, {{0, 1}});
    PerguntasPenalti outro;
    outro.escolha = daposicao(m, 1, kAtacante)[0];
    outro.forca = true;
    ateopenalti(m, outro);
    ASSERT_EQ(outro.vistas.size(), 1u);
    EXPECT_EQ(outro.vistas[0].batedor, batedoremcampo(m, 0));

    // The window closed without a kick: the computer's kicker still takes it, once.
    int golsfechou = 0;
    for (int rep = 0; rep < 30; ++rep) {
        preparadia(m, {{0, 1}});
        PerguntasPenalti fechou;
        fechou.naochuta = true;
        ateopenalti(m, fechou);
        EXPECT_EQ(fechou.cobradas, 1);
        const int gols = m.diajogo.jogos[0].gols[0];
        EXPECT_LE(gols, 1);
        EXPECT_EQ(eventosdepenalti(m, 1), gols);
        if (gols) {
            EXPECT_EQ(m.diajogo.eventos.back().jogador, batedoremcampo(m, 0));
        }
        golsfechou += gols;
    }
    EXPECT_GT(golsfechou, 0);

    // Nobody of the side left on the pitch: the penalty is used up and nothing is asked.
    preparadia(m, {{0, 1}});
    for (int s = 1; s <= 11; ++s) defineemcampo(m, (*linhade(m, 0))[s], false);
    PerguntasPenalti vazio;
    ateopenalti(m, vazio);
    EXPECT_EQ(vazio.cobradas, 0);
    EXPECT_EQ(m.diajogo.jogos[0].gols[0], 0);
}

TEST(PenaltiNaPartida, ArtilheiroContraGoleiroEspecialistaMarcaMetade) {
    // "Finalização" first against a keeper with "Def. penalti" first and second and star status:
    // 80 - 15 - 10 - 5 = 50 %.
    Mundo m = mundo(2, 17);
    const int batedor = daposicao(m, 0, kAtacante)[0];
    const int goleiro = daposicao(m, 1, kGoleiro)[0];
    m.jogadores[batedor].habilidade1 = 9;
    m.jogadores[batedor].habilidade2 = 4;
    m.jogadores[batedor].estrela = 0;
    m.jogadores[goleiro].habilidade1 = 1;
    m.jogadores[goleiro].habilidade2 = 1;
    m.jogadores[goleiro].estrela = 1;
    const int n = 20000;
    int gols = 0, golscomputador = 0;
    for (int i = 0; i < n; ++i) {
        gols += cobrancahumana(m, batedor, goleiro).gol;
        golscomputador += cobrancacomputador(m, batedor, goleiro).gol;
    }
    EXPECT_NEAR(gols / static_cast<double>(n), 0.50, 0.015);
    EXPECT_NEAR(golscomputador / static_cast<double>(n), 0.50, 0.015);
    // Without a keeper to face, the same kicker scores 80 %.
    int livre = 0;
    for (int i = 0; i < n; ++i) livre += cobrancacomputador(m, batedor, -1).gol;
    EXPECT_NEAR(livre / static_cast<double>(n), 0.80, 0.015);
}

TEST(PenaltiNaPartida, DiaDeJogoInstalaOSorteio) {
    Mundo m = mundo(2, 3);
    m.diajogo.sorteiopenalti = nullptr;
    comecadia(m);
    EXPECT_TRUE(static_cast<bool>(m.diajogo.sorteiopenalti));
    // A hook already there stays.
    int chamadas = 0;
    m.diajogo.sorteiopenalti = [&](Mundo&, Interacao&, int) { ++chamadas; };
    comecadia(m);
    PerguntasPenalti ia;
    preparadia(m, {{0, 1}});
    jogaexibido(m, ia);
    EXPECT_GT(chamadas, 0);
}
