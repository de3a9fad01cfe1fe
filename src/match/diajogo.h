#pragma once
// The match-day driver: from the confirmed line-ups to the results screen, and from there to the
// next date. The day's matches are played in groups (a league, a state, a confederation at a
// time); a group that someone watches is played minute by minute by the screen, any other at
// once.
#include <vector>

#include "model/diajogo.h"

namespace tarvello {

struct Mundo;
class Interacao;

enum class ProximaEtapa {
    TelaPrincipal,  // a human club plays the new date: its coach's main screen opens
    ProximoDia,     // nobody human plays: the next match day starts at once
    FimTemporada,   // no date with matches is left
};

// Groups of the day's kind, in play order (league, state or confederation indexes; {-1} for
// the kinds played on one screen).
std::vector<int> gruposdodia(const Mundo& m, int tipo);
// Whether the group is watched minute by minute: a league with a human club or marked to be
// shown (or the fallback league when no league qualifies), a state with a human club, every
// confederation, and the single screen of friendlies, club world cup and national teams.
bool grupomostrado(const Mundo& m, int tipo, int grupo);
// Match-list entries of the group to be played today, in list order: the day's kind, today's
// date, not played, both clubs known.
std::vector<int> partidasdogrupo(const Mundo& m, int tipo, int grupo);

// Human coaches (slots 0..5 of `timedotecnico`) whose club plays a match of the day: they
// confirm their line-ups in this order before the day starts.
std::vector<int> tecnicosdodia(const Mundo& m);

// Start of a match day, once every human coach has confirmed: computer line-ups and tactics,
// suspensions served, players brought into range; the first group comes next.
void comecadia(Mundo& m);

// Sets up the next screen of the day. Groups nobody watches are played at once, to their end.
// Returns true when a watched screen is ready (referees, added time and elevens set): the
// caller plays it with `minuto` until it ends and then calls `encerrapartidas`. Returns false
// when the day is over: the kind's progress step has run and the results screen follows.
bool proximogrupo(Mundo& m, Interacao& ia);

// End of the matches of a screen: results into the match list, tables, ranking totals, coaches,
// heavy defeats, head-to-head history, wages and interest, gate, positions and energy.
void encerrapartidas(Mundo& m, Interacao& ia);

// The whole day without a screen: every group in turn, watched ones minute by minute.
void jogadia(Mundo& m, Interacao& ia);

// A whole date with nobody at the screen (the headless tool): each human coach whose club plays
// has his turn opened as his main screen would open it, then the day starts and is played.
void jogadatasemtela(Mundo& m, Interacao& ia);

// Whether any match was played on the current date (a date whose tournament is not held has
// none: it is passed without a results screen and not counted).
bool houvejogoshoje(const Mundo& m);

// "Continuar >>": next date with matches, per-day data cleared, referees of the new date.
ProximaEtapa continuar(Mundo& m, Interacao& ia);

}  // namespace tarvello
