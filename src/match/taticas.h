#pragma once
// Computer line-ups: formation choice, the eleven and bench, and the tactical settings.
#include <string_view>
#include <vector>

#include "match/escalacao.h"

namespace tarvello {

struct Mundo;

struct TEsquema {
    std::string_view nome;  // "4-4-2"
    int defensores;
    int meias;
    int atacantes;
    int volantes;  // midfielders with role "Volante" placed first
};

// The seven formations the computer uses, in fallback order.
const std::vector<TEsquema>& esquemascomputador();
const TEsquema* esquemapornome(std::string_view nome);

// Whether the available counts allow the formation.
bool esquemapossivel(const TDisponiveis& d, const TEsquema& e);

// Style, marking and attack focus, each by its own draw.
void sorteiatatica(Mundo& m, int time);

// Line-up without a formation, for clubs that can fill none.
void escalasemesquema(Mundo& m, int time, TEscalacao& linha);

// The computer line-up of one club: a new row, formation, eleven, bench and tactics.
void escalatime(Mundo& m, int time);

// Clubs that play on a day of the current kind, for the kinds whose clubs the world's tables
// name (league, national cup, state championships, continental cups); empty for the others.
std::vector<int> clubesdodia(const Mundo& m);

// Line-ups and tactics of every computer-run club of the list, then the range clamps of every
// player and the serving of suspensions.
void escalacomputador(Mundo& m, const std::vector<int>& clubes);

}  // namespace tarvello
