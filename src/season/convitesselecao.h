#pragma once
// Invitations to coach a national team in the season's tournament, made to human coaches on
// the league days before it.
#include <vector>

namespace tarvello {

struct Mundo;

struct TConviteSelecao {
    int competicao = 0;        // 7, 8 or 9; 0 = no invitation
    int pote = 0;              // strength pot offered, 1 or 2
    std::vector<int> selecoes; // the pot's tournament teams (fewer than eight when the pot is short)
};

// The invitation due to human coach `slot` (0..5) on the current date: on a first-half league
// day of the tournament's invitation rounds, for an employed coach who runs no national team.
TConviteSelecao conviteselecao(const Mundo& m, int slot);

// Whether a tournament team of the invitation is already run by a human coach.
bool selecaoocupada(const Mundo& m, int time);

// "OK" of the invitation screen: the coach of `slot` takes tournament team `time` (which must
// belong to the invitation and be free). Returns false when it cannot be taken.
bool aceitaconvite(Mundo& m, int slot, int time);

// The turn's part of the invitations: the rumours message of the world cup's first invitation
// round, then the invitation itself (its competition 0 when there is none).
TConviteSelecao convitesdoturno(Mundo& m, int slot);

}  // namespace tarvello
