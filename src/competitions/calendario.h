#pragma once
// The season: 148 match dates, each given to one competition, and the match list built from
// them. Knock-out entries are created with both clubs undecided and filled in by the draws.
#include <string>

#include "competitions/partidas.h"

namespace tarvello {

struct Mundo;

// Whether the national-team tournament of that kind is held in a season.
bool temporadacopamundo(int temporada);
bool temporadacopaamerica(int temporada);
bool temporadaeurocopa(int temporada);

// Rebuilds the 148 dates of the current season (`temporada`, `sistemadisputa` and the set-up
// switches). The calendar is never saved: it is rebuilt after loading a game too.
void montacalendario(Mundo& m);

// Appends the matches of one competition: `indice` is the league (codes 1 and 2) or the state
// (code 3); codes 4 and 6 schedule both confederations at once and ignore it.
void montajogos(Mundo& m, int competicao, int indice);

// Index of the first match on that date in which the club plays, else -1.
int proximojogo(const Mundo& m, int time, double data);

// Whether a friendly is booked on that date and not yet played.
bool temamistoso(const Mundo& m, double data);

// Moves `dataatual` to the next date on which something is played (a friendly date only when a
// friendly is booked on it; date 148 is reached even when empty) and sets `competicaoatual`.
// Nothing qualifying leaves both unchanged.
void proximadata(Mundo& m);

// Whether a human coach's club (or national team) takes part in the current date's matches.
bool humanojoga(const Mundo& m);

// The competition's name as the match lists show it ("Campeonato Brasileiro", "Copa do Brasil",
// "Camp. Paulista", "Libertadores", ...). `liga` is the match's league, state or confederation.
std::string nomecompeticao(const Mundo& m, int competicao, int liga);

// The competition the club plays on the current date, in full ("Campeonato Paulista", "Copa do
// Brasil", ...): what the main screen's heading names. The league's name when it does not play.
std::string competicaodehoje(const Mundo& m, int time);

}  // namespace tarvello
