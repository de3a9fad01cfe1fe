#pragma once
// Who plays the continental club cups and the club world cup: each country's qualifier list and
// the draws that put the qualifiers into groups and ties.
#include <array>
#include <vector>

#include "model/tipos.h"

namespace tarvello {

struct Mundo;

constexpr int kMaxClassificados = 10;
using TListaClassificados = std::array<int, kMaxClassificados>;  // -1 where missing

// The qualifier lists of every country, in priority order. Countries whose league is played get
// theirs from the final tables (`montaclassificados`); any other country's list is drawn the first
// time it is asked for (`selecionamelhores`).
struct TClassificados {
    std::array<TListaClassificados, kNumPaises> lista{};
    std::array<bool, kNumPaises> pronta{};
};

// Whether a club may represent its country: a club of the database, never a national team's
// tournament copy appended behind them.
bool clubeclassificavel(const Mundo& m, int time);

// Lists of the played leagues from their division-1 tables and this season's national-cup
// winners: the champion first, the cup winner second when the country has more than one place
// in continental cup 1. Read before promotion and relegation touch the tables.
TClassificados montaclassificados(Mundo& m);

// The ten strongest clubs of a country whose league is not played (strength bands of `nivel`,
// a random slip for the banded ones, random order among equals).
TListaClassificados selecionamelhores(Mundo& m, int pais);

// P(country, k), k from 1: the k-th club of the country's list, -1 when there is none.
int classificado(Mundo& m, TClassificados& c, int pais, int k);

// Clears every club's continental groups and flags and sets the counters of both cups and of the
// club world cup to their start.
void zeracontinentais(Mundo& m);

// The group draws of one confederation: continental cup 1 and, when it is played, cup 2. Every
// group gets four distinct real clubs when the confederation has them: a missing qualifier is
// replaced by the next club of its country's list, then of the other countries' lists.
void sorteiasulamerica(Mundo& m, TClassificados& c);
void sorteiaeuropa(Mundo& m, TClassificados& c);

// The six clubs of the club world cup: the two continental cup-1 champions of this season and
// one club each from Asia, Africa, North and Central America and Oceania. Fills the six ties and
// schedules the quarter-finals on the first club-world-cup date. False when a club is missing:
// nothing is drawn and the competition is not played this season.
bool sorteiamundial(Mundo& m);

}  // namespace tarvello
