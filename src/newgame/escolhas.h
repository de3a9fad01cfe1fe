#pragma once
// The choices of the set-up screens and the league composition they lead to. The set-up screens
// and the headless tool both go through here, so a game starts the same way from either.
#include <string>
#include <vector>

#include "database/preparacao.h"
#include "model/mundo.h"
#include "model/nomesligas.h"

namespace tarvello {

struct EscolhasJogo {
    bool personalizado = false;
    // Real mode: the leagues to play, in the order their records are created (the set-up grid
    // gives country-index order). Custom championship: the countries whose clubs take part.
    std::vector<int> paises;
    int sistemadisputa = 4;  // 4 = divisions of 10 clubs, 2 = divisions of 20
    int numtecnicoshumanos = 1;
    bool copa = true;
    bool estaduais = false;  // only when Brasil is the main country
    bool inter = true;       // continental cup 1 and the club world cup
    bool inter3 = true;      // continental cup 2, only together with cup 1
    bool copamundo = true;
    bool eurocopa = true;
    bool copaamerica = true;
};

// Brasil when it is among the countries, else the first one; -1 for none.
int paisprincipal(const std::vector<int>& paises);

// The league whose divisions hold club `clube`, or -1: only such a club can get a human coach
// (clubs beyond a league's last division play no league match).
int ligadadivisao(const Mundo& m, int clube);

// Checks the choices against the scan, writes them into the game state, creates the league
// records and composes them (clubs appended to an emptied club table). Returns "" on success,
// else the message to show, with nothing changed. A national-team tournament whose teams the
// database lacks is switched off, with the notice added to `avisos` when it is given.
std::string preparaligas(Mundo& m, Preparacao& p, const EscolhasJogo& e,
                         std::vector<std::string>* avisos = nullptr);

}  // namespace tarvello
