#pragma once
// Penalty kicks during a match and shoot-outs that settle level knock-out ties.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/mundo.h"

namespace tarvello {

// ---- A penalty kick during a match ------------------------------------------------------

// Chance in percent that the kicker scores against the goalkeeper (null when the defending
// side has no goalkeeper on the pitch).
int chancepenalti(const TJogador& batedor, const TJogador* goleiro);

// One kick as the penalty window tells it: the lines shown one after the other and the result.
struct TCobrancaPenalti {
    int batedor = -1;
    int goleiro = -1;
    bool gol = false;
    std::vector<std::string> falas;  // UTF-8, in the order they appear
};

// The kick of a human-run side (the coach chose the kicker) and of a computer-run side watched
// by a human coach. Both draw the commentary and the result from the world's generator.
TCobrancaPenalti cobrancahumana(Mundo& m, int batedor, int goleiro);
TCobrancaPenalti cobrancacomputador(Mundo& m, int batedor, int goleiro);

// Goalkeeper a side defends a penalty with during a match: slot 11 of its row when he is still
// on the pitch, else the first player on the pitch of slots 1..11 playing in goal; -1 when none.
int goleiroemcampo(const Mundo& m, int time);
// Kicker a computer-run side sends during a match: the first player on the pitch scanning slots
// 10 down to 1, then slot 11; -1 when nobody of the side is left on the pitch.
int batedoremcampo(const Mundo& m, int time);
// Players a human coach may send: those on the pitch, slots 11 down to 1, grouped by natural
// position from goalkeeper to forward.
std::vector<int> candidatospenalti(const Mundo& m, int time);

class InteracaoPenaltis;

// The per-minute penalty draw of a live match watched minute by minute (`jogo` = match slot).
// Each side gets at most one penalty a match. Only in a match with a human club is the penalty
// kicked (the human side's coach picks the kicker, a computer side's kick is shown); otherwise
// the award only uses the side's penalty up.
void sorteiapenalti(Mundo& m, InteracaoPenaltis& ui, int jogo);

// A penalty kicked in a match: the side's score, the event log (penalty goal) and the scorer's
// record. Does nothing on a miss.
void registrapenalti(Mundo& m, int jogo, int lado, const TCobrancaPenalti& c);

// ---- Shoot-outs ---------------------------------------------------------------------------

enum ModoDisputa : int {
    kDisputaInstantanea = 0,  // the score is drawn at once
    kDisputaAssistida = 1,    // kick by kick, shown when a screen is there
    kDisputaComHumanos = 2,   // the human coaches pick their kickers first, then kick by kick
};

struct TCobrancaDisputa {
    int lado;     // 0 the first club of the tie, 1 the second
    int jogador;  // -1 when the side had nobody to send
    bool gol;
};

struct TDisputaPenaltis {
    std::array<int, 2> times{-1, -1};  // the first club of the tie first
    std::array<std::vector<int>, 2> batedores;
    std::array<int, 2> placar{0, 0};
    std::array<int, 2> cobradas{0, 0};
    std::array<size_t, 2> proximo{0, 0};
    std::vector<TCobrancaDisputa> cobrancas;  // in kick order; empty when decided at once
    int vencedor = 0;                         // 0 while undecided, 1 or 2
    int modo = kDisputaInstantanea;
};

// How a level tie is settled: with a human club in it the coaches take part; otherwise the
// option to watch shoot-outs decides, and for a national cup only when a human club plays in
// that country's league (`ligacomhumano`).
int mododisputa(const Mundo& m, int time1, int time2, bool jogounico, bool ligacomhumano);

// Score drawn at once. A two-legged tie ends between 1-0 and 8-7, a single match between 3-2
// and 9-8; equal draws favour the first club.
void disputainstantanea(Mundo& m, TDisputaPenaltis& d, bool jogounico);

// One kick of a shoot-out played kick by kick; sets `vencedor` when the shoot-out is over.
void cobrancadisputa(Mundo& m, TDisputaPenaltis& d);

// Kickers of a computer-run club: the players of its eleven in slot order; without an eleven,
// the squad players who played today.
std::vector<int> batedorescomputador(const Mundo& m, int time, const int32_t* onze);
// Players a human coach may choose from: the club's players who played today, in player order.
std::vector<int> batedoresdisponiveis(const Mundo& m, int time);

// What the core asks people about penalties. The default answers are the headless ones: they
// decide as for a computer club and show nothing.
class InteracaoPenaltis {
public:
    virtual ~InteracaoPenaltis() = default;
    // Order of the kickers of a human club in a shoot-out (`sugestao` is the computer's order).
    virtual std::vector<int> escolhebatedores(const Mundo& m, int time, const std::vector<int>& disponiveis,
                                              const std::vector<int>& sugestao);
    // A shoot-out played kick by kick, once decided, for a screen to replay.
    virtual void mostradisputa(const Mundo& m, const TDisputaPenaltis& d);

    // A human-run club was awarded a penalty during a match. The coach picks the kicker among
    // `candidatos` (never empty; `sugestao` is the computer's pick) and watches the kick, which
    // `cobra`(kicker) takes and returns. Call `cobra` at most once; if it is never called the
    // computer's pick kicks once the method returns.
    virtual void cobrapenalti(const Mundo& m, int time, const std::vector<int>& candidatos, int sugestao,
                              const std::function<TCobrancaPenalti(int batedor)>& cobra);
    // A computer-run club's penalty kick in a match with a human club, already taken.
    virtual void mostrapenalti(const Mundo& m, int time, const TCobrancaPenalti& c);
    // A penalty was awarded in a match with a human club, before its window opens (the screens
    // play its sound).
    virtual void penaltimarcado(const Mundo&) {}
};

// Settles a level tie. `onze1`/`onze2` are the elevens on the pitch (11 entries, may be null).
// Returns the decided shoot-out: `vencedor` 1 or 2 and the score, the first club first.
TDisputaPenaltis disputapenaltis(Mundo& m, InteracaoPenaltis& ui, int time1, int time2, bool jogounico,
                                 bool ligacomhumano, const int32_t* onze1 = nullptr,
                                 const int32_t* onze2 = nullptr);

}  // namespace tarvello
