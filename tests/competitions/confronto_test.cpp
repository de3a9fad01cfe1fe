#include <gtest/gtest.h>

#include "competitions/confronto.h"

using namespace tarvello;

// Leg 1 as X (home) - Y, leg 2 as Y (home) - X.
TEST(Confronto, VitoriasContamAntesDosGols) {
    // X wins at home, the second leg is a draw: X goes through without comparing goals.
    EXPECT_EQ(decideconfronto(1, 0, 0, 0), kAvancaMandante);
    // X wins 1-0, loses 4-0 away: one win each, Y better on aggregate.
    EXPECT_EQ(decideconfronto(1, 0, 4, 0), kAvancaVisitante);
    // X wins both legs.
    EXPECT_EQ(decideconfronto(1, 0, 1, 2), kAvancaMandante);
    // One win and a draw against one draw: the winner goes through even on fewer goals overall.
    EXPECT_EQ(decideconfronto(0, 1, 3, 3), kAvancaVisitante);
}

TEST(Confronto, AgregadoDepoisGolsForaDepoisPenaltis) {
    // X wins 2-0, Y wins 1-0 at home: one win each, aggregate 2-1 for X.
    EXPECT_EQ(decideconfronto(2, 0, 1, 0), kAvancaMandante);
    // X wins 1-0 at home, Y wins 3-2 at home: aggregate 3-3; away goals X 2, Y 0.
    EXPECT_EQ(decideconfronto(1, 0, 3, 2), kAvancaMandante);
    // Y wins both legs (1-0 away, 2-0 at home).
    EXPECT_EQ(decideconfronto(0, 1, 2, 0), kAvancaVisitante);
    // Leg 1 0-1, leg 2 with the leg-2 home club (Y) scoring 1 and X 2: one win each, 2-2,
    // away goals X 2 against Y 1: X goes through.
    EXPECT_EQ(decideconfronto(0, 1, 1, 2), kAvancaMandante);
    // Two draws 1-1: equal in everything, a shoot-out.
    EXPECT_EQ(decideconfronto(1, 1, 1, 1), kPenaltis);
    // 0-0 and 0-0 as well.
    EXPECT_EQ(decideconfronto(0, 0, 0, 0), kPenaltis);
    // 2-1 and 2-1 (each wins at home): aggregate 3-3, away goals 1 each: a shoot-out.
    EXPECT_EQ(decideconfronto(2, 1, 2, 1), kPenaltis);
    // Two draws with different scores: 2-2 then 0-0, away goals Y 2, X 0.
    EXPECT_EQ(decideconfronto(2, 2, 0, 0), kAvancaVisitante);
}

TEST(Confronto, FinalEstadualSemGolsForaNemPenaltis) {
    // Winner's goals leg 1, runner-up's leg 1, winner's leg 2, runner-up's leg 2.
    const int empate[4] = {1, 1, 0, 0};
    EXPECT_EQ(decidefinalestadual(empate), 1);
    // Runner-up wins 2-0 at home, winner wins 1-0 at home: aggregate 2-1 for the runner-up.
    const int vice[4] = {0, 2, 1, 0};
    EXPECT_EQ(decidefinalestadual(vice), 2);
    // Away goals would favour the runner-up (2 away against 1); they do not count here.
    const int semgolsfora[4] = {1, 2, 2, 1};
    EXPECT_EQ(decidefinalestadual(semgolsfora), 1);
    // One win and a draw wins the title.
    const int umavitoria[4] = {3, 3, 0, 1};
    EXPECT_EQ(decidefinalestadual(umavitoria), 2);
}
