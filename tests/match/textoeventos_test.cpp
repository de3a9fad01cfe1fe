#include <gtest/gtest.h>

#include "model/diajogo.h"
#include "match/textoeventos.h"
#include "model/mundo.h"

using namespace tarvello;

namespace {

// Match slot 1: club 0 at home to club 1; players 1..4, the first two of club 0.
Mundo partida() {
    Mundo m;
    m.jogadores.resize(5);
    const char* nomes[] = {"", "Ari", "Beto", "Caio", "Davi"};
    for (int j = 1; j <= 4; ++j) {
        m.jogadores[static_cast<size_t>(j)].nome.define(nomes[j]);
        m.jogadores[static_cast<size_t>(j)].time = j <= 2 ? 0 : 1;
    }
    TJogos g;
    g.mandante = 0;
    g.visitante = 1;
    m.diajogo.jogos.push_back(g);
    m.diajogo.jogos.push_back(g);
    return m;
}

void evento(Mundo& m, int tipo, int time, int jogador, int extra, int minuto, int jogo = 1) {
    m.diajogo.eventos.push_back({tipo, time, jogador, extra, minuto, jogo});
}

}  // namespace

TEST(TextoEventos, LinhasDaPartidaComPlacarCorrenteEMetades) {
    Mundo m = partida();
    evento(m, kEvGol, 0, 1, -1, 12);
    evento(m, kEvAmarelo, 1, 3, 0, 30);
    evento(m, kEvGol, 2, 4, -1, 40, 2);  // another match: not listed
    evento(m, kEvGolContra, 1, 2, -1, 45);  // Beto (club 0) scores for club 1
    evento(m, kEvGolPenalti, 0, 1, -1, 50);  // 5th minute of the second half
    evento(m, kEvSubstituicao, 1, 3, 4, 75);
    evento(m, kEvGolFalta, 1, 4, -1, 90);

    const std::vector<TLinhaEvento> l = linhaseventos(m, 1);
    ASSERT_EQ(l.size(), 6u);
    EXPECT_EQ(l[0].texto, "1x0 - Ari - 12' - 1º");
    EXPECT_EQ(l[1].texto, "Caio 30' - 1º");
    EXPECT_EQ(l[1].tipo, kEvAmarelo);
    EXPECT_EQ(l[2].texto, "1x1 - Beto - 45' - 1º");
    EXPECT_EQ(l[3].texto, "2x1 - Ari - 5' - 2º (de penalti)");
    EXPECT_EQ(l[4].texto, "(Caio) Davi 30' - 2º");
    EXPECT_EQ(l[5].texto, "2x2 - Davi - 45' - 2º (de falta)");
    EXPECT_EQ(l[5].tipo, kEvGolFalta);

    // The match-day line shows the latest event: a free-kick goal with "(de falta)" right after
    // the minute, a substitution with both names and the half, a penalty goal with a grave
    // accent, an own goal with " (contra)", a first yellow card with its half.
    EXPECT_EQ(ultimoevento(m, 1), "Davi 45'(de falta)");
    m.diajogo.eventos.pop_back();
    EXPECT_EQ(ultimoevento(m, 1), "(Caio) Davi 30' - 2º");
    m.diajogo.eventos.pop_back();
    EXPECT_EQ(ultimoevento(m, 1), "Ari 5`");
    m.diajogo.eventos.pop_back();
    EXPECT_EQ(ultimoevento(m, 1), "Beto 45' (contra)");
    EXPECT_EQ(ultimoevento(m, 2), "Davi 40'");
    m.diajogo.eventos.pop_back();
    m.diajogo.eventos.pop_back();  // the other match's goal
    EXPECT_EQ(ultimoevento(m, 1), "Caio 30' - 1º");
    evento(m, kEvSegundoAmarelo, 1, 3, 62, 62);
    EXPECT_EQ(ultimoevento(m, 1), "Caio 17'");

    // Slots that do not exist and matches without events give nothing.
    EXPECT_TRUE(linhaseventos(m, 0).empty());
    EXPECT_TRUE(linhaseventos(m, 3).empty());
    m.diajogo.eventos.clear();
    EXPECT_TRUE(linhaseventos(m, 1).empty());
    EXPECT_EQ(ultimoevento(m, 1), "");
}
