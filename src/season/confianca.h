#pragma once
// The board's and the fans' confidence in a club's coach, moved by every national-league and
// state-championship match.

namespace tarvello {

struct Mundo;

// Result of a match for one club.
enum ResultadoConfianca { kEmpate = 0, kVitoria = 1, kDerrota = 2 };

// One club after one match of kind `tipo` (league or state championship; other kinds change
// nothing). `mando`: 1 for both clubs when the home club won, 2 for both when the away club
// won, and in a draw 1 for the home club and 2 for the away club. `difnivel`: the club's
// `nivel` minus the opponent's. The club's place is read from its league (or state group)
// position as it stands.
void atualizaconfianca(Mundo& m, int tipo, int time, int resultado, int mando, int difnivel);

// Both clubs of every match of kind `tipo` played today, once the day's tables are updated.
void atualizaconfiancadodia(Mundo& m, int tipo);

}  // namespace tarvello
