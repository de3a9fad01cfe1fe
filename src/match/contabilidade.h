#pragma once
// What a finished match leaves behind besides the tables: ranking totals, the coaches' numbers,
// the heavy-defeat grades and the head-to-head history.

namespace tarvello {

struct Mundo;

// Club-ranking totals of kinds 1..6: 3 points a win, 1 a draw, goals for and against.
void somatotaiscompeticao(Mundo& m, int tipo, int mandante, int visitante, int golsm, int golsv);

// Games, wins, losses and prestige of both coaches (kinds 1..6), and, in the continental cups,
// the clubs' last result in every phase.
void contabilizatecnicos(Mundo& m, int tipo, int mandante, int visitante, int golsm, int golsv);

// A human-run club beaten heavily gets a defeat grade and its fans' message: at home from 4
// goals down (grades 1..4 for 4, 5, 6, 7+), away from 5 down (1..3 for 5, 6, 7+).
void avaliagoleada(Mundo& m, int mandante, int visitante, int golsm, int golsv);

// Appends the result to the head-to-head history (kinds 0..6).
void registraconfronto(Mundo& m, int tipo, int mandante, int visitante, int golsm, int golsv);

}  // namespace tarvello
