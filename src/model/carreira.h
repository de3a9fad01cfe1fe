#pragma once
// What the coaches' careers leave for the screens between two steps of the day loop: coach
// changes to announce and job offers waiting for a human coach's answer. Never saved.
#include <vector>

namespace tarvello {

// Why a coach lost his job.
enum class MotivoDemissao {
    Torcida,     // the fans' pressure (fan confidence 14 or less)
    Dividas,     // the club's cash is negative
    Resultados,  // the board did not approve of him
    Rebaixado,   // the club fell out of the divisions
    Pedido,      // he resigned
};

struct TMudancaTecnico {
    int time = -1;            // the club that dismissed its coach
    int tecnicoantigo = -1;   // the dismissed coach
    int tecniconovo = -1;     // his successor
    int outrotime = -1;       // in a swap, the club the dismissed coach went to; -1 otherwise
    bool humano = false;      // the dismissed coach is a human coach
    bool anunciar = false;    // a computer club's change that the options ask to show
    MotivoDemissao motivo = MotivoDemissao::Resultados;
};

// Clubs offering a job to a coach (up to four, in offer order).
struct TOfertaTecnico {
    int tecnico = -1;
    std::vector<int> clubes;
};

}  // namespace tarvello
