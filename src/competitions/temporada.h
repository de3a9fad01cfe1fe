#pragma once
// The turn of the season: from the last date of a season to the first date of the next.
#include <functional>
#include <vector>

namespace tarvello {

struct Mundo;

// The whole rollover, run once when the season's last date has been played: promotion and
// relegation, the competitions reset, the yearly update of players, clubs and coaches, the
// season number, the new calendar and fixtures, the careers' new season and the new season's
// money. Returns the number of the season that has just ended; the world then belongs to the
// new season (its tables zeroed, `dataatual` still on the old last date).
int viratemporada(Mundo& m);

struct TInicioTemporada {
    // Human-run clubs that fell out of the divisions: their coaches are dismissed.
    std::vector<int> demitidos;
};

// "Continuar >>" of the season summary: the first date of the new season with matches becomes
// today and its referees are drawn. Which screen opens is the caller's choice. `pretemporada`,
// when given, runs once the friendlies list is empty and before the first date is chosen: the
// coaches book their pre-season friendlies there.
TInicioTemporada iniciatemporada(Mundo& m, const std::function<void(Mundo&)>& pretemporada = {});

// The rollover and the new season's first date together, for callers with no screen between.
void proximatemporada(Mundo& m);

}  // namespace tarvello
