#pragma once
// Everything a game holds. Rule functions take the world by reference; there is no global state,
// so tests build small worlds and two worlds never interfere.
#include <vector>

#include "model/aleatorio.h"
#include "model/registros.h"

namespace tarvello {

struct Mundo {
    // Entry 0 of the players is a placeholder that belongs to no club.
    std::vector<TJogador> jogadores;
    std::vector<TTime> times;
    std::vector<TTecnico> tecnicos;

    Aleatorio aleatorio;
    int sorteia(int n) { return aleatorio.sorteia(n); }
};

// Squad of a club: players whose club is that index, in player-table order.
std::vector<int> elenco(const Mundo& m, int time);

}  // namespace tarvello
