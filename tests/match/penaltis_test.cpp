#include <gtest/gtest.h>

#include <algorithm>

#include "match/penaltis.h"

using namespace tarvello;

namespace {

// Two clubs with 13 players each (indexes 1..13 and 14..26); entry 0 is the placeholder.
Mundo mundocomdoistimes() {
    Mundo m;
    m.jogadores.resize(27);
    m.times.resize(2);
    for (int j = 1; j <= 26; ++j) {
        m.jogadores[j].time = j <= 13 ? 0 : 1;
        m.jogadores[j].jogouhoje = 1;
        m.jogadores[j].nome.define("J" + std::to_string(j));
    }
    return m;
}

// Could the side still change the outcome? Kicks left in the first five each.
bool aindaaberta(int s1, int s2, int n1, int n2) {
    const int resta1 = std::max(0, 5 - n1), resta2 = std::max(0, 5 - n2);
    return s1 + resta1 >= s2 && s2 + resta2 >= s1;
}

}  // namespace

TEST(Penaltis, ChanceDaCobranca) {
    TJogador batedor{}, goleiro{};
    EXPECT_EQ(chancepenalti(batedor, nullptr), 70);
    batedor.habilidade1 = 9;
    goleiro.habilidade1 = 1;
    goleiro.habilidade2 = 1;
    goleiro.estrela = 1;
    EXPECT_EQ(chancepenalti(batedor, &goleiro), 50);
    batedor.habilidade2 = 9;
    batedor.estrela = 1;
    EXPECT_EQ(chancepenalti(batedor, nullptr), 90);
}

TEST(Penaltis, FalasDaCobrancaTrazemONome) {
    Mundo m = mundocomdoistimes();
    for (int i = 0; i < 50; ++i) {
        const TCobrancaPenalti h = cobrancahumana(m, 3, 20);
        ASSERT_EQ(h.falas.size(), 3u);
        EXPECT_EQ(h.falas[0].rfind("J3 ", 0), 0u);
        const TCobrancaPenalti c = cobrancacomputador(m, 5, -1);  // no goalkeeper found
        ASSERT_EQ(c.falas.size(), 3u);
        EXPECT_EQ(c.falas[0].rfind("J5 ", 0), 0u);
        EXPECT_EQ(c.falas[1], "Bate o penalty e...");
    }
}

TEST(Penaltis, DecisaoInstantaneaFicaNasFaixas) {
    Mundo m;
    m.aleatorio.semeia(7);
    int min2 = 99, max2 = 0, min1 = 99, max1 = 0;
    for (int i = 0; i < 2000; ++i) {
        TDisputaPenaltis ida;
        disputainstantanea(m, ida, false);
        const int v = ida.placar[ida.vencedor - 1], p = ida.placar[2 - ida.vencedor];
        EXPECT_EQ(v, p + 1);
        min2 = std::min(min2, p);
        max2 = std::max(max2, v);
        TDisputaPenaltis unico;
        disputainstantanea(m, unico, true);
        const int vu = unico.placar[unico.vencedor - 1], pu = unico.placar[2 - unico.vencedor];
        EXPECT_EQ(vu, pu + 1);
        min1 = std::min(min1, pu);
        max1 = std::max(max1, vu);
    }
    EXPECT_EQ(min2, 0);
    EXPECT_EQ(max2, 8);
    EXPECT_EQ(min1, 2);
    EXPECT_EQ(max1, 9);
}

// Every watched shoot-out ends exactly when the loser can no longer catch up within the first
// five kicks each, or in sudden death after an equal number of kicks.
TEST(Penaltis, DisputaTerminaQuandoDecidida) {
    Mundo m = mundocomdoistimes();
    m.aleatorio.semeia(11);
    int morte = 0, curtas = 0;
    for (int rep = 0; rep < 3000; ++rep) {
        TDisputaPenaltis d;
        d.times = {0, 1};
        d.batedores[0] = {1, 2, 3};
        d.batedores[1] = {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26};
        int s1 = 0, s2 = 0, n1 = 0, n2 = 0;
        while (!d.vencedor) {
            ASSERT_LT(d.cobrancas.size(), 400u);
            // Before a kick the outcome is open.
            if (n1 <= 5 && n2 <= 5) {
                ASSERT_TRUE(aindaaberta(s1, s2, n1, n2));
            } else if (n1 == n2) {
                ASSERT_EQ(s1, s2);  // sudden death goes on only while level after each round
            }
            cobrancadisputa(m, d);
            const TCobrancaDisputa& c = d.cobrancas.back();
            // Kickers in order, starting again at the first after the list or the eleventh.
            const int k = c.lado == 0 ? n1 : n2;
            const int esperado = c.lado == 0 ? d.batedores[0][k % 3] : d.batedores[1][k % 11];
            EXPECT_EQ(c.jogador, esperado);
            (c.lado == 0 ? n1 : n2)++;
            if (c.gol) (c.lado == 0 ? s1 : s2)++;
        }
        EXPECT_EQ(d.placar[0], s1);
        EXPECT_EQ(d.placar[1], s2);
        EXPECT_EQ(d.vencedor, s1 > s2 ? 1 : 2);
        if (n1 > 5) {
            ++morte;
            EXPECT_EQ(n1, n2);
            EXPECT_EQ(std::abs(s1 - s2), 1);
        } else {
            EXPECT_FALSE(aindaaberta(s1, s2, n1, n2));
            if (n1 == 3 && n2 == 3) ++curtas;
        }
    }
    EXPECT_GT(morte, 0);
    EXPECT_GT(curtas, 0);  // e.g. 3-0 after three rounds
}

TEST(Penaltis, LadoSemBatedoresAindaCobra) {
    Mundo m = mundocomdoistimes();
    TDisputaPenaltis d;
    d.times = {0, 1};
    d.batedores[1] = {14};
    while (!d.vencedor) cobrancadisputa(m, d);
    for (const TCobrancaDisputa& c : d.cobrancas) EXPECT_EQ(c.jogador, c.lado == 0 ? -1 : 14);
}

namespace {
struct InteracaoTeste : InteracaoPenaltis {
    int perguntas = 0, mostradas = 0;
    std::vector<int> resposta;
    std::vector<int> escolhebatedores(const Mundo&, int, const std::vector<int>& disponiveis,
                                      const std::vector<int>&) override {
        ++perguntas;
        EXPECT_EQ(disponiveis.size(), 13u);
        return resposta;
    }
    void mostradisputa(const Mundo&, const TDisputaPenaltis& d) override {
        ++mostradas;
        EXPECT_NE(d.vencedor, 0);
    }
};
}  // namespace

TEST(Penaltis, QuemDisputaEComo) {
    Mundo m = mundocomdoistimes();
    EXPECT_EQ(mododisputa(m, 0, 1, false, true), kDisputaInstantanea);
    EXPECT_EQ(mododisputa(m, 0, 1, true, false), kDisputaInstantanea);
    m.estado.verpenalty = 1;
    EXPECT_EQ(mododisputa(m, 0, 1, true, false), kDisputaAssistida);
    EXPECT_EQ(mododisputa(m, 0, 1, false, true), kDisputaAssistida);
    EXPECT_EQ(mododisputa(m, 0, 1, false, false), kDisputaInstantanea);
    m.times[1].humano = 1;
    m.estado.verpenalty = 0;
    EXPECT_EQ(mododisputa(m, 0, 1, false, false), kDisputaComHumanos);

    // The human coach answers with players of another club, a repeat and nonsense: only his own
    // players are kept, each once.
    InteracaoTeste ui;
    ui.resposta = {14, 3, 15, 14, 999, -1};
    const int32_t onze0[11] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    TDisputaPenaltis d = disputapenaltis(m, ui, 0, 1, false, false, onze0, nullptr);
    EXPECT_EQ(ui.perguntas, 1);
    EXPECT_EQ(ui.mostradas, 1);
    EXPECT_EQ(d.batedores[1], (std::vector<int>{14, 15}));
    EXPECT_EQ(d.batedores[0], (std::vector<int>(onze0, onze0 + 11)));
    EXPECT_NE(d.vencedor, 0);

    // Decided at once: nobody is asked or shown anything.
    m.times[1].humano = 0;
    InteracaoTeste calado;
    TDisputaPenaltis r = disputapenaltis(m, calado, 0, 1, true, false);
    EXPECT_EQ(calado.perguntas + calado.mostradas, 0);
    EXPECT_TRUE(r.cobrancas.empty());
    EXPECT_NE(r.vencedor, 0);
}
