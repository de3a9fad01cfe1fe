#pragma once
// A youth player promoted into the slot of a player who retires.
#include <optional>
#include <string>

namespace tarvello {

struct Mundo;

// Turns player slot `jogador` into a new youngster of the same club: age 17..20, a strength by
// the club's level, fit, a new value, salary and 4-week contract, morale 3, no counters. A given
// name replaces the old one (at most 20 characters). A position `posicao` 0..4 makes him a player
// of that position with two characteristics drawn for it; -1 keeps position and characteristics.
// His career history starts again with the club in the current season.
void renovajogador(Mundo& m, int jogador, const std::optional<std::string>& nome = std::nullopt, int posicao = -1);

}  // namespace tarvello
