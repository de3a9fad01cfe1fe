#pragma once
// Which national teams each national-team tournament draws from, and whether a database holds
// them. A tournament that lacks teams is switched off for the whole game when it is set up, so a
// season never reaches a draw it cannot fill.
#include <array>
#include <string>
#include <vector>

#include "model/selecao.h"

namespace tarvello {

// World-cup hosts by edition 0..10 (later editions cycle through entries 0..9).
extern const std::array<int, 11> kSedesCopaMundo;
// The thirteen countries of the five Copa América group layouts.
extern const std::array<int, 13> kPaisesCopaAmerica;
// The three Eurocopa pots of eight, in pot order.
extern const std::array<int, 24> kPaisesEurocopa;

// Copa América and Eurocopa hosts by venue-table position 1..7 (`sede`): country indexes.
extern const std::array<int, 7> kSedesCopaAmerica;
extern const std::array<int, 7> kSedesEurocopa;

// The host country of the current tournament of kind `competicao` with venue position `sede`.
int paissede(int competicao, int sede);
// The venue cities of that host: eight for the world cup, four for the other two; empty for an
// unknown host.
std::vector<std::string> cidadessede(int competicao, int sede);

// Empty when the playable national teams in `selecoes` can fill every edition of tournament
// `competicao` (kCopaMundo, kCopaAmerica or kEurocopa); else the notice for the player, naming
// what is missing and saying that the tournament will not be played.
std::string faltaselecoes(int competicao, const std::vector<TSelecao>& selecoes);

}  // namespace tarvello
