#pragma once
// A coach's career numbers (games, wins, losses, titles, prestige, clubs), and the hiring and
// dismissal of coaches.
#include <string_view>
#include <vector>

namespace tarvello {

struct Mundo;

// codigo: "j" game, "v" win, "d" loss, "t" title, "pr" prestige + valor, "time" club valor
// joined. Invalid coaches and unknown codes are ignored.
void registratecnico(Mundo& m, int tecnico, int valor, std::string_view codigo);

// Club `time` hires coach `tecnico` (who must be free of any other club): the board and fans
// start at 100 and 80, he cannot be poached for five matches, the club's bank loan is cleared,
// its ticket prices are set anew for its division, and the hiring is recorded. A human coach
// makes the club human-run: he takes the first free human-coach slot, the club's listed players
// are taken off the list with morale 3 and a new contract of 10..39 weeks, and its cash is set
// anew for its division.
void contrata(Mundo& m, int time, int tecnico);

// Club `time` dismisses coach `tecnico`: he is unemployed, remembers the club and its division.
// A human coach's club becomes computer-run, its unplayed friendlies are called off (unless
// friendlies are being played today) and its messages are detached from it.
void demite(Mundo& m, int time, int tecnico);

// A successor for club `time`, first that exists: a free coach of the club's country whose last
// division is the club's; (when `troca`) the coach of a computer club of a division near it,
// swapped; any free coach of the country; any free coach; a new coach with a generated name.
struct TSucessor {
    int tecnico = -1;
    int troca = -1;  // the club whose coach is taken in a swap; -1 when he is free
};
TSucessor procuratecnico(Mundo& m, int time, bool troca = true);

// The coach of a club, or -1.
int tecnicodo(const Mundo& m, int time);

// The human coaches, one per occupied slot 0..numtecnicoshumanos-1: the coach of the slot's
// club, or for an empty slot the next unemployed human coach in coach-table order; -1 when none.
std::vector<int> tecnicoshumanos(const Mundo& m);

// The human-run clubs list and the league and state marks, recomputed from the clubs.
void refazmarcashumanos(Mundo& m);

}  // namespace tarvello
