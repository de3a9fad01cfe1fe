#pragma once
// Squad bookkeeping of a club: counts, wage bill, captain and free-kick taker, and the one
// path by which a player leaves his club (sale, loan, death).

namespace tarvello {

struct Mundo;

// `numjogadores` and `numporposicao` (by current position) from the player table.
void recontaelenco(Mundo& m, int time);
// `salariosemanal` of the club's finances: the sum of its players' salaries (a sum beyond the
// 32-bit range stays at its top). Called after every change of a squad or of a salary, so the
// bill never drifts from the squad.
void recalculasalarios(Mundo& m, int time);
// The same for every club at once (world creation, season change).
void recalculasalarios(Mundo& m);
// Captain: the first starter, else the first player; 0 when the squad is empty.
void novocapitao(Mundo& m, int time);
// Free-kick taker among the starters: the first finisher, else playmaker, else passer, else
// the first starter. A club without starters keeps its taker.
void novocobrador(Mundo& m, int time);

// The player leaves his club and belongs to none (`time` -1): he leaves the sale list and the
// line-up, his salary leaves the wage bill, the club gets a new captain or free-kick taker
// when he held either role, and its counts are recounted. A player without a club is left
// as he is. A player leaving is out of any line-up, including the mark of having just
// arrived from another human club.
void saidaclube(Mundo& m, int jogador);

// The one path by which a player changes clubs: he leaves his club as with `saidaclube`, then
// joins `destino` (none for -1) without a shirt number, a line-up place or a listing; the move
// is recorded in his history, the wage bill and counts follow him. When both clubs are
// human-run he is marked to play only from the next match day.
void mudaclube(Mundo& m, int jogador, int destino);

}  // namespace tarvello
