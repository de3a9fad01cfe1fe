#pragma once
// A coach's career numbers: games, wins, losses, titles, prestige and clubs.
#include <string_view>

namespace tarvello {

struct Mundo;

// codigo: "j" game, "v" win, "d" loss, "t" title, "pr" prestige + valor, "time" club valor
// joined. Invalid coaches and unknown codes are ignored.
void registratecnico(Mundo& m, int tecnico, int valor, std::string_view codigo);

// The coach of a club, or -1.
int tecnicodo(const Mundo& m, int time);

}  // namespace tarvello
