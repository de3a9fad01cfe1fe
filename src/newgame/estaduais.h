#pragma once
// The Brazilian state championships of a new game: groups of six by level.
#include "model/mundo.h"

namespace tarvello {

// Full groups for a state with n Brazilian clubs: 6..11 -> 1, 12..17 -> 2, 18..23 -> 3,
// 24 and more -> 4; fewer than 6 -> 0 (no championship).
int gruposestaduais(int n);

// Fills the 27 state records from the Brazilian clubs of the club table (those with a state
// 0..26): full groups by level (random order between equal levels), then the next clubs of the
// state in one more group, each group shuffled. Switches `ckestadual` off when no state has a
// championship.
void montaestaduais(Mundo& m);

}  // namespace tarvello
