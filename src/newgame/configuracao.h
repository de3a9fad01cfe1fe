#pragma once
// What the set-up screen shows before anything is decided: the main country of the ticks made so
// far and the captions of the competition boxes that follow from it.
#include <string>
#include <vector>

#include "database/preparacao.h"

namespace tarvello {

// Main country while the user ticks: Brasil when it is ticked, else the first ticked country.
// With nothing ticked yet: Brasil when the grid offers it, else the grid's first country;
// -1 for an empty grid.
int paisprincipaltela(const std::vector<int>& marcados, const std::vector<TPaisOferecido>& grade);

// Captions of the competition boxes for a main country.
std::string legendacopanacional(int pais);
std::string legendacontinental1(int pais);
std::string legendacontinental2(int pais);

}  // namespace tarvello
