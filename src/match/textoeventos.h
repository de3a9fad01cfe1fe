#pragma once
// The texts of a match as the screens show them: event lines, the minute label, the formation.
#include <string>
#include <vector>

#include "model/diajogo.h"

namespace tarvello {

struct Mundo;

struct TLinhaEvento {
    std::string texto;
    int tipo;  // the event kind, for the screen's icon
};

// Event lines of match slot `jogo`, in order: goals with the running score ("1x0 - Nome -
// 23' - 1º", " (de penalti)" / " (de falta)" appended), substitutions "(Sai) Entra 60' - 2º",
// other events the player's name, each with the minute of its half.
std::vector<TLinhaEvento> linhaseventos(const Mundo& m, int jogo);
// The same lines for a list of one match's events (a stored report's), `mandante` its home club.
std::vector<TLinhaEvento> linhaseventos(const Mundo& m, const std::vector<TEventoPartida>& eventos, int mandante);

// The short line of a match's latest event on the match-day screen: "Nome 23'", with " (contra)"
// for an own goal, "(de falta)" for a free-kick goal, " - 1º" (the half) for a first yellow
// card, "(Sai) Entra 23' - 2º" for a substitution; empty when nothing has happened.
std::string ultimoevento(const Mundo& m, int jogo);

// "1º tempo", "2º tempo", "acréscimos", "Intervalo", "Fim de jogo" and the minute ("23'"), from
// the match day's clock.
std::string rotulominuto(const Mundo& m);

// Title of a group of the day: competition and stage ("Campeonato Brasileiro - 1º turno - 3ª
// rodada", "Copa do Brasil - Oitavas de final - 1º jogo", "Camp. Paulista - 4ª rodada").
std::string titulogrupo(const Mundo& m, int tipo, int grupo);

}  // namespace tarvello
