#pragma once
// Strength evolution: small fractions of strength gained or lost after every national-league and
// state-championship match day.

namespace tarvello {

struct Mundo;
struct TJogador;

// The fraction of strength one round adds to a player of `time` (growth up to 31, decline from 32 on as a
// positive amount; 0 when nothing changes).
float passoevolucao(const Mundo& m, const TJogador& j, int time);

// After the last match of a national-league day (players of clubs in a division) or of a
// state-championship day (every club's players): growth up to 31 within the division cap,
// decline from 32 down to the division floor. While the cap holds a player back his growth is
// not stored up: it would otherwise come out later as a sudden burst or eat into a decline.
void evoluiforca(Mundo& m, int tipo);

// The strength a club's division lets its players reach (100 for division 1 and outside the
// divisions) and the one they never fall below while declining.
int tetodivisao(int divisao);
int pisodivisao(int divisao);

}  // namespace tarvello
