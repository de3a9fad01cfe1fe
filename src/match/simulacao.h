#pragma once
// The minute-by-minute match engine: possession, attacks, shots, goals, tiredness, and the two
// drivers that play the matches of a screen.
#include <vector>

#include "match/forca.h"

namespace tarvello {

struct Mundo;
class Interacao;

// Empties the matches and the event log of the screen, back to minute 0 of the first half.
void preparatela(Mundo& m);
// Adds a match to the screen; both clubs must have their line-up rows. Returns the slot 1..30,
// or 0 when the screen is full or a club is invalid.
int preparajogo(Mundo& m, int mandante, int visitante, int indicepartida);
// Referees, added time and the copies of the elevens at kick-off.
void iniciapartidas(Mundo& m);
// Leaving the results screen: clears the day's player flags and discards rows and matches.
void encerradia(Mundo& m);

// Referees of the new date, ranked by technique: six Brazilian ones for slots 1..6, six of
// country 1 for slots 7..12.
void sorteiaarbitros(Mundo& m);

// Who has the ball this minute (1 home, 2 away), and the attack of that side. The forms with
// the sides' summaries are the minute's, which has them already.
int disputaposse(Mundo& m, int jogo);
int disputaposse(Mundo& m, int jogo, const TResumoLado& mandante, const TResumoLado& visitante);
void jogadaataque(Mundo& m, int jogo, int lado);
void jogadaataque(Mundo& m, int jogo, int lado, const TResumoLado& ataque, const TResumoLado& defesa);
// Goal chance of a shot from attack strength o against goalkeeper-line strength l.
int chancegol(int o, int l);
// A goal of the side: score, scorer, goal list, event and bookkeeping.
void marcagol(Mundo& m, int jogo, int lado);
void escolheartilheiro(Mundo& m, int jogo, int lado);
// Player of the conceding side (3 - lado) who turns the ball into his own goal; 0 if nobody can.
int escolhecontra(Mundo& m, int jogo, int lado);
void desgaste(Mundo& m, int time, int minuto);

enum class EstadoMinuto { Jogando, Intervalo, Fim };

// One timer tick of the displayed screen: one minute of every live match. At the end of the
// first half it runs the half-time step (Intervalo); after the second half it returns Fim and
// the end-of-matches step follows.
EstadoMinuto minuto(Mundo& m, Interacao& ia);

// Plays every match of the screen from kick-off to minute 90 without display. `semcontusoes`
// is the state-championship variant without injuries.
void simulainstantaneo(Mundo& m, Interacao& ia, bool semcontusoes = false);

}  // namespace tarvello
