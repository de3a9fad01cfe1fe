#pragma once
// A player's transfer value and weekly salary, both derived from his strength.
#include "model/mundo.h"

namespace tarvello {

// Transfer value of player j, from the confederation and level of his club, his strength,
// star flag, starter flag and age.
int calculapasse(const Mundo& m, int jogador);
// Weekly salary of player j, from his strength, star flag, age and his club's cash.
int calculasalario(const Mundo& m, int jogador);

}  // namespace tarvello
