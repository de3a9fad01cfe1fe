#pragma once
// The coaches' careers from one match day to the next: dismissals after league days, job offers
// for human coaches, resignation, and the human coaches joining or leaving the game.
#include <string>
#include <vector>

#include "model/carreira.h"

namespace tarvello {

struct Mundo;

// After a league day: every club of a division whose board confidence is below 10 dismisses its
// coach. A computer club hires the successor `procuratecnico` finds (swapping coaches with the
// club he came from when he was poached); a human coach loses his club, which hires a successor.
// Each change is appended to `mudancastecnicos`.
void demissoesdarodada(Mundo& m);

// A human coach loses his club for `motivo` and a successor is hired (the change is appended to
// `mudancastecnicos`). Nothing happens for a coach without a club.
void demitehumano(Mundo& m, int tecnico, MotivoDemissao motivo);

// At the start of a season: the human coaches whose clubs fell out of the divisions lose them.
void demiteforadasdivisoes(Mundo& m);

// Job offers for an unemployed human coach: up to four clubs (fewer when fewer qualify) drawn
// from the bottom part of the division tables near his last division, or on a state-championship
// day from the computer clubs of the state championships that play in a division (a club
// outside the divisions would dismiss him again at the turn of the season).
std::vector<int> sorteiaofertas(Mundo& m, int tecnico, bool estadual);

// After a league or state day: each unemployed human coach gets offers with probability 2 in 3;
// they wait in `ofertastecnicos` for his answer.
void ofertasdodia(Mundo& m, int tipo);

// The offer a well-placed employed human coach may get when his turn opens (one a season, from
// the second season, on the even rounds from the fourth of the league's second half); -1 none.
int ofertaempregado(Mundo& m, int tecnico);

// "Assumir time": the coach leaves his club (which hires the chosen club's coach in a swap),
// the chosen club dismisses its coach and hires him; its players get morale 3 and new contracts,
// and the board welcomes him. A club that is human-run by now is refused (false).
bool assumetime(Mundo& m, int tecnico, int time);

// Headless coaches take the first club of every offer waiting for them.
void aceitaofertassemtela(Mundo& m);

// "Adicionar novo": a new unemployed human coach; returns his coach index, -1 when six already
// play or the name is empty.
int adicionatecnico(Mundo& m, const std::string& nome);
// "Remover selecionado": the human coach of slot `slot` leaves the game; false (nothing changes)
// when he still has a club.
bool removetecnico(Mundo& m, int slot);

// The texts of the dismissal windows (UTF-8).
struct TTextoDemissao {
    std::string titulo;  // "Técnico demitido" / "Troca de técnicos" / "Demitido!"
    std::string nome;    // the coach (for a swap: name + " por " + new name)
    std::string linha;   // what happened and why
    std::string sucessor;
};
TTextoDemissao textodemissao(const Mundo& m, const TMudancaTecnico& d);

}  // namespace tarvello
