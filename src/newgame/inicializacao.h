#pragma once
// World initialisation: from the loaded database to the first date of season 1.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;
struct Preparacao;

// The whole initialisation after the team choice: full load, state championships, options,
// counters, calendar and schedules, first date, first contracts, and the steps of later
// subsystems. `progresso` receives 10..100. Returns the loader's message when the database could
// not be loaded (the world is then left as it was and nothing else runs), else an empty text.
// The loader's warnings (clubs left out) are added to `avisos` when it is given.
std::string inicializamundo(Mundo& m, Preparacao& p, const std::filesystem::path& opcoes,
                            const std::function<void(int)>& progresso, std::vector<std::string>* avisos = nullptr);

// Every player's first contract: the current calendar date + 7 x (10 + random 0..29) days,
// warnings cleared.
void contratosiniciais(Mundo& m);

// Counters of a fresh season 1 and the lists a running game accumulates, emptied.
void zerajogo(Mundo& m);

enum class Tela { Principal, Partidas };
struct TPrimeiraTela {
    Tela tela = Tela::Principal;
    int estado = -1;  // state championship shown first on the match-day screen, else -1
};

// The first screen after initialisation. When the first national-cup date has no tie anywhere
// the cup's first phase is closed and the game moves on to the next date with matches.
TPrimeiraTela escolheprimeiratela(Mundo& m);

}  // namespace tarvello
