#pragma once
// Set-up choices of a new game: which countries can be played, the main country, the names and
// captions that follow from it, and the choices written into the game-state block.
#include <array>
#include <string>
#include <vector>

#include "database/preparacao.h"
#include "model/estado.h"

namespace tarvello {

struct Mundo;

// Main country of a real-mode game: Brasil when it is ticked, else the first ticked country.
// With nothing ticked yet (the captions still need one): Brasil when the grid offers it, else
// the grid's first country; -1 for an empty grid.
int paisprincipal(const std::vector<int>& marcados, const std::vector<TPaisOferecido>& grade);

// "Campeonato Brasileiro", "Campeonato Internacional" for the custom championship.
std::string nomeliga(int pais);
// "Copa do Brasil", "Copa Itália", "Copa Internacional".
std::string nomecopa(int pais);

// Captions of the set-up screen's competition boxes for a main country.
std::string legendacopanacional(int pais);
std::string legendacontinental1(int pais);
std::string legendacontinental2(int pais);

// What the set-up screen hands over: everything the user chose.
struct TEscolhasJogo {
    bool personalizado = false;
    // Real mode: the ticked countries in grid order. Custom: the ticked countries.
    std::vector<int> paises;
    int sistemadisputa = 4;  // 4 = divisions of 10 clubs, 2 = divisions of 20
    bool copa = true;
    bool estadual = false;
    bool continental1 = true;
    bool continental2 = true;
    bool copamundo = true;
    bool eurocopa = true;
    bool copaamerica = true;
    int numtecnicos = 1;  // 1..6
};

// Writes the choices into the state block and creates the league records (all division and
// standings slots -1), one per played country, or the single custom one. Fills no clubs: that
// is the league composition's job. Cup 2 is never played without cup 1; state championships only
// with Brasil as main country.
void registraescolhas(Mundo& m, const TEscolhasJogo& escolhas);

}  // namespace tarvello
