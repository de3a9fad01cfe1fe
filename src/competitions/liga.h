#pragma once
// Round-robin counters of the clubs, the national league's rounds, its tables and end-of-league
// awards, and promotion and relegation between the divisions at the turn of the season.

namespace tarvello {

struct Mundo;

// Table counters of both clubs after a match of a round-robin phase (league, state groups,
// continental groups, national-team groups). Knock-out stages, cups, the club world cup and
// friendlies leave them alone.
void registraresultado(Mundo& m, int competicao, int mandante, int visitante, int golsmandante,
                       int golsvisitante);

// Prize money of a division's champion (`lugar` 1) or runner-up (2); 0 for any other place.
int premioliga(const Mundo& m, int divisao, int lugar);

// Rounds per half of the league: 20 with divisions of 20 clubs (19 rounds), 10 with 10 (9 rounds).
int rodadasporturno(const Mundo& m);

// After every league date: next round; the last round of the first half starts the second, the
// last of the second finishes the league (`ligaencerrada`).
void avancarodadaliga(Mundo& m);
// Whether the rounds counted so far are the league's last (what `avancarodadaliga` leaves once
// the league is over): a loaded game works out `ligaencerrada` from it.
bool ligaterminada(const Mundo& m);

// Sorts every division of every league into `classificacao` and each club's `colocacoes`[1];
// on the day the league has finished, hands out the titles, prizes and ranking points once.
void atualizaclassificacao(Mundo& m);

// Promotion and relegation of one league from its final tables, with the two clubs that come up
// from outside the divisions; the new lists become the divisions and their starting tables.
void promoverebaixa(Mundo& m, int liga);

}  // namespace tarvello
