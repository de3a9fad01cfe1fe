#pragma once
// The zones of a league table that the standings shade: continental places, promotion and
// relegation.

namespace tarvello {

struct Mundo;

enum class ZonaTabela {
    Nenhuma,       // white
    Continental1,  // light blue: continental cup 1 (league places or the national cup winner)
    Continental2,  // yellow
    Acesso,        // light green: promoted
    Rebaixamento,  // light red: relegated
};

// Everything the shading of one league depends on.
struct TRegraZonas {
    bool vinte = true;    // divisions of 20 clubs (else 10)
    int numdivisoes = 1;
    int vagas1 = 0;       // the country's places in continental cups 1 and 2
    int vagas2 = 0;
    bool copa1 = false;   // continental cup 1 / cup 2 are played
    bool copa2 = false;
    // Once the national cup is decided: the winner's division (1..4) and row in its table
    // (1-based); 0 while undecided or without a cup.
    int divisaocampeaocopa = 0;
    int linhacampeaocopa = 0;
};

// Zone of row `linha` (1-based, the place in the sorted table) of division `divisao` (1-based).
ZonaTabela zonatabela(const TRegraZonas& r, int divisao, int linha);

// The rule's inputs for league `liga` of the world: system, divisions, the country's places,
// which cups are played this season, and where this season's national cup winner stands in the
// current tables (`classificacao`).
TRegraZonas regrazonas(const Mundo& m, int liga);

}  // namespace tarvello
