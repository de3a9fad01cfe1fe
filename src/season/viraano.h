#pragma once
// The yearly update of players, clubs and coaches at the turn of the season. The rollover calls
// each step at its place in the season change.

namespace tarvello {

struct Mundo;

// Money columns start afresh (the loan stays), board and fans trust at least 80, every coach's
// yearly offer flag set.
void abreano(Mundo& m);

// Every player with a club: season counters of the competitions cleared, fully rested, valued
// and paid anew (then the wage bills are recounted).
void zeratemporadajogadores(Mundo& m);

// Squad counts, captain and free-kick taker of every club, after the squads changed.
void atualizaclubes(Mundo& m);

// Whether a computer club's player of that age and position retires, given a roll 0..99.
// From 49 on retirement is certain, whatever the position.
bool aposenta(int idade, bool goleiro, int sorteio);

// Every player with a club is a year older; computer clubs take their players off the sale and
// loan lists, and their players over 35 may retire (a youngster takes the slot, same name and
// position); then every computer club makes its sale list.
void envelhecejogadores(Mundo& m);

// The careers of players and coaches keep ten seasons: from the eleventh season on the oldest
// one drops out once, at the season change, so the current season is always the newest slot.
// Then the new season's slot starts with the player's club (the coach's when employed).
void novatemporadahistoricos(Mundo& m);

}  // namespace tarvello
