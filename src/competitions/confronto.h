#pragma once
// Deciding two-legged ties: the knock-out cups and the state finals.

namespace tarvello {

// Outcome of a two-legged tie between X (home in leg 1) and Y (home in leg 2).
enum ResultadoConfronto : int { kAvancaMandante = 1, kAvancaVisitante = 2, kPenaltis = 3 };

// Goals as the match list holds them: leg 1 seen from X at home, leg 2 seen from Y at home.
// More wins go through; then the aggregate; then away goals (X's in leg 2 against Y's in
// leg 1); otherwise a shoot-out is needed.
int decideconfronto(int golsmandante1, int golsvisitante1, int golsmandante2, int golsvisitante2);

// State final, with the goals as the state record keeps them: the group winner's and the
// runner-up's in leg 1 (runner-up at home), then the same in leg 2 (winner at home).
// More wins, then the aggregate; a level final goes to the better-placed group winner.
// Returns 1 for the group winner, 2 for the runner-up.
int decidefinalestadual(const int finalgols[4]);

}  // namespace tarvello
