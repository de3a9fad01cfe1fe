#pragma once
// "Today": the calendar date of the current date number of the season.

namespace tarvello {

struct Mundo;

// Date (day number) of match date `numero` 1..148 of season `temporada`: date 1 is the first
// Wednesday of the year 2007 + temporada; then Thursday, Sunday, Wednesday, ... every week.
double datadonumero(int temporada, int numero);

// Date of the current calendar entry (`dataatual` of the current season).
double datahoje(const Mundo& m);

}  // namespace tarvello
