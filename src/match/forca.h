#pragma once
// The strength model of a side on the pitch: line strengths, improvisation, average energy.
#include <cstdint>

#include "model/aleatorio.h"
#include "model/diajogo.h"

namespace tarvello {

struct Mundo;
struct TJogador;

// What a player in his natural position adds to his line: energy × strength / 100, rounded.
// Taken in integers: the product is exact and its hundredth is never close enough to a half for
// a division in doubles to round otherwise, so the result is arredonda(e * f / 100.0) without
// the division's latency on the minute's hottest path.
inline int contribuicao(int energia, int forca) {
    const int64_t p = static_cast<int64_t>(energia) * forca;
    if (p < 0) return arredonda(static_cast<double>(energia) * forca / 100.0);
    const int64_t q = p / 100, r = p % 100;
    return static_cast<int>(r > 50 || (r == 50 && (q & 1)) ? q + 1 : q);
}

// Share of his strength a player gives out of his natural position.
float fatorimprovisado(const TJogador& j);

// A side's summary taken afresh from its players on the pitch.
TResumoLado resumolado(const Mundo& m, int time);
// The same, kept between minutes while nothing on the club's pitch changes (only while minutes
// are being played; see TDiaJogo::guardaresumos).
TResumoLado resumoatual(const Mundo& m, int time);
// Marks a club's kept summary stale (any index; out of range is ignored).
void esqueceresumo(const Mundo& m, int time);
// Marks every kept summary stale.
void esqueceresumos(const Mundo& m);
// Keeps summaries for as long as it lives: the span of a watched minute or of an instant day.
class GuardaResumos {
public:
    explicit GuardaResumos(Mundo& m);
    ~GuardaResumos();
    GuardaResumos(const GuardaResumos&) = delete;
    GuardaResumos& operator=(const GuardaResumos&) = delete;

private:
    Mundo& m_;
};

// Strength of one line (effective position 0..4; a lateral "Ala" counts in midfield) of the
// club's eleven, from the players on the pitch.
int forcasetor(const Mundo& m, int time, int posicao);

// Average energy of the players on the pitch; 0 when nobody is.
int energiamedia(const Mundo& m, int time);

// Players on the pitch with that current position and role.
int contafuncao(const Mundo& m, int time, int posicao, int funcao);

// Whether the eleven suits attacks through the middle.
bool focoadequado(const Mundo& m, int time);

}  // namespace tarvello
