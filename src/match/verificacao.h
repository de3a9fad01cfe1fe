#pragma once
// Consistency check of a match day, for tests, soak runs and debug builds: every promise the
// engine makes about rows, players on the pitch, substitutions and scores.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

// One line per problem found (empty when everything holds).
std::vector<std::string> verificadiajogo(const Mundo& m);

}  // namespace tarvello
