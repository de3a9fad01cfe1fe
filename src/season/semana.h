#pragma once
// What changes for players and clubs around a match day, apart from the match itself:
// wages and interest, gate, energy recovery, daily morale and the day's squad incidents.

namespace tarvello {

struct Mundo;

// "Jogar >>" of a human club: a tired starter loses morale and complains; a starter whose
// contract has expired loses 15 energy (never below 0: he is left at 5).
void verificatitulares(Mundo& m, int time);

// Whether a match of this kind played today charges a week: league and state-championship
// matches on a Sunday, friendlies on the first nine dates of the season.
bool cobrasemanahoje(const Mundo& m, int competicao);
// The week's wages and, on league and state Sundays, the loan interest, for both clubs when
// the match charges a week. Interest is charged here and nowhere else.
void cobrasemana(Mundo& m, int competicao, int mandante, int visitante);
// Gate receipts: halved between the clubs in the national cup, whole to the home club in the
// other club competitions, nothing for national teams.
void creditarenda(Mundo& m, int competicao, int mandante, int visitante, int renda);

// After a match, one player of one of the two clubs: energy recovered, and the count of match
// days without playing kept.
void recuperaenergia(Mundo& m, int jogador);

// Daily morale of a human club's squad and team, once per match day when its coach's main
// screen opens.
void atualizamoral(Mundo& m, int time);

// On national-league days a human club's players over 52 may die (at most one a day). The
// dead player leaves the club and the club loses 5 league points. Returns him, or 0.
int verificafalecimento(Mundo& m, int time);

}  // namespace tarvello
