#pragma once
// The money steps of the turn of the season, kept together: the season's finance columns
// start afresh, players are valued and paid anew, and every club gets its new season's money.

namespace tarvello {

struct Mundo;

// Every club's season money columns are cleared; only the bank loan is carried over.
void zerafinancasdoano(Mundo& m);

// Every player with a club: value (`calculapasse`) and salary (`calculasalario`) from his
// current strength and age; then every club's weekly wage bill is recounted.
void reavaliajogadores(Mundo& m);

// New-season money: a human club receives its division's sponsorship (3 000 000, 1 500 000,
// 1 000 000 or 800 000); a computer club's cash is set anew by division, higher when the state
// championships are played, with a random part.
void dinheironovatemporada(Mundo& m);

// Sponsorship of a human club's division (0 outside the divisions).
int patrociniodivisao(int divisao);

}  // namespace tarvello
