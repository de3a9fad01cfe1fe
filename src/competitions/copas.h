#pragma once
// The national cup (a knock-out of two-legged ties, 32 or 16 clubs per played league) and the
// progression of two-legged knock-out phases, shared with the continental cups.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;
class InteracaoPenaltis;
struct TDisputaPenaltis;

// Prize money of the national cup's champion and runner-up.
constexpr int kPremioCopaCampeao = 4000000;
constexpr int kPremioCopaVice = 2000000;

// "da Alemanha", "do Brasil", ... as in "Copa " + phrase; any other country its own name.
std::string frasecopa(int pais);

// Whether a league's cup opens with a first phase of 32 clubs (otherwise 16, from the round of 16).
bool copacomprimeirafase(const Mundo& m, int liga);

// The clubs that enter a league's cup: pot A (16) and, with 32 clubs, pot B (16), in the order
// the draw takes them; short pots are padded with -1.
struct TPotesCopa {
    std::vector<int> a, b;
    bool primeirafase = false;
};
TPotesCopa potescopa(const Mundo& m, int liga);

// Draws the opening ties of a league's cup into its scheduled first-phase (or round-of-16)
// entries and marks every drawn club as in the cup.
void sorteiacopanacional(Mundo& m, int liga);

// After the second leg of a knock-out phase of competition 2 (national cup, region = league
// index) or 4/6 (continental, region = confederation): decides every tie of the phase, drops the
// losers and fills the next phase; after the final, returns the champion (else -1). The national
// cup's titles and prizes are awarded here. A level tie that reached this point without a
// shoot-out is settled at once.
int avancacopa(Mundo& m, InteracaoPenaltis& ui, int competicao, int regiao);

// The national cup's counters after one of its dates: leg 1 -> leg 2, or the next phase after
// deciding every league's ties.
void encerradatacopa(Mundo& m, InteracaoPenaltis& ui);

// Whether any cup tie with both clubs known is to be played on the current date.
bool copatemjogoshoje(const Mundo& m);

// Leaves national-cup dates on which no league has a cup match (a cup without a first phase
// starts at the round of 16): a skipped first-phase date closes the first phase, and the game
// moves on with `proximadata`. Returns whether the date changed.
bool pulacopasemjogos(Mundo& m);

// First-leg entry of the two-legged tie whose second leg is entry `indice`, else -1.
int idadoconfronto(const Mundo& m, int indice);
// Whether match-list entry `indice` was settled by a shoot-out; `placar` gets its score with
// this entry's home club first (a second leg reads the tie's score from its first leg).
bool decididapenaltis(const Mundo& m, int indice, int placar[2]);

// A second leg that ended level on aggregate goes to a shoot-out: `indice` is the second leg's
// entry in the match list (its result already written), `onzemandante`/`onzevisitante` the
// elevens of that match. The score goes into the first-leg entry, the first club of the tie
// (home in leg 1) first. Returns the shoot-out, with `vencedor` 0 when none was needed.
TDisputaPenaltis penaltisconfronto(Mundo& m, InteracaoPenaltis& ui, int indice, const int* onzemandante,
                                   const int* onzevisitante);

}  // namespace tarvello
