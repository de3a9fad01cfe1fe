#pragma once
// League composition: the usable clubs of one country become club-table entries and are spread
// over the divisions by level, equal levels in random order.
#include "database/preparacao.h"
#include "model/mundo.h"

namespace tarvello {

// A league record of a country with every division and standings slot empty (-1).
TLiga novaliga(int pais);

// Divisions used by a league of n clubs: system 4 (divisions of 10): 4 from 42 clubs, 3 from 32,
// else 2; system 2 (divisions of 20): 3 from 60, 2 from 42, else 1.
int numerodivisoes(int sistemadisputa, int n);
int clubespordivisao(int sistemadisputa);  // 10 or 20

// Appends the usable clubs of country `pais` (in summary order) to the club table, gives them
// random keys, sorts them and fills the divisions of league `slot` (which must exist in
// `m.ligas`). Adds the clubs to `numclubesliga`. In the custom championship (202) at most the
// first 1000 clubs are taken. Returns the number of clubs appended.
int montaliga(Mundo& m, Preparacao& p, int slot, int pais);

// Fills the division and standings lists of a league from clubs already sorted, and writes the
// clubs' `divisao` (0 for those beyond the last division used).
void distribuidivisoes(Mundo& m, TLiga& liga, const std::vector<TEntradaLiga>& ordenados);

}  // namespace tarvello
