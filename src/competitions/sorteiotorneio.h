#pragma once
// The draws of the national-team tournaments. A tournament does not play the national-team
// records themselves: each participant is copied into a new club record with a squad generated
// from its file, and the copies play. The copies are appended after every real club and player,
// so cutting the tables back to their sizes before the first copy removes them.
#include <array>
#include <vector>

namespace tarvello {

struct Mundo;

// Index of the playable national team of a country in `m.selecoes`, else -1.
int selecaodopais(const Mundo& m, int pais);

// Base strength of a generated squad player by the national team's level (1..25); the table
// steps up from the third season on.
int forcabaseselecao(int nivel, int temporada);

// Appends the tournament copy of national team `selecao` (index in `m.selecoes`) and its
// generated squad; returns the new club index.
int copiaselecao(Mundo& m, int selecao);

// The draws. Each starts the tournament's state afresh, copies the participants in group order
// and builds the strength pots. They return false, and copy nothing, when a participant cannot
// be found: the world cup is then switched off for good, the other two for this edition.
bool sorteiacopamundo(Mundo& m);
bool sorteiacopaamerica(Mundo& m);
bool sorteiaeurocopa(Mundo& m);

// The draw due in the current season, if its tournament is played; returns the competition
// code drawn, or 0 when none was (not its season, switched off, or the draw failed).
int sorteiatorneiodatemporada(Mundo& m);

// World-cup host by edition counter (0-based): a country index.
int sedecopamundo(int edicao);

// The participants sorted by level, strongest first (random tie-break), cut in eights.
void montapotes(Mundo& m);

// The five Copa América layouts: three groups of four countries each.
extern const std::array<std::array<std::array<int, 4>, 3>, 5> kGruposCopaAmerica;

}  // namespace tarvello
