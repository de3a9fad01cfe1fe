#pragma once
// A coach's career numbers: games, wins, losses, titles, prestige and clubs.
#include <string_view>

namespace tarvello {

struct Mundo;

// codigo: "j" game, "v" win, "d" loss, "t" title, "pr" prestige + valor, "time" club valor
// joined. Invalid coaches and unknown codes are ignored.
void registratecnico(Mundo& m, int tecnico, int valor, std::string_view codigo);

// Club `time` hires computer coach `tecnico` (who must be free of any other club): the board
// and fans start at 100 and 80, he cannot be poached for five matches, the club's bank loan is
// cleared, its ticket prices and cash are set anew for its division.
void contrata(Mundo& m, int time, int tecnico);

// The coach of a club, or -1.
int tecnicodo(const Mundo& m, int time);

}  // namespace tarvello
