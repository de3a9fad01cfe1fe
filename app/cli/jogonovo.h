#pragma once
// A new game built from the headless set-up options, shared by the commands that start one.
#include <memory>
#include <vector>

#include "comandos.h"
#include "newgame/novojogo.h"

namespace tarvello::cli {

// --dados, --ligas, --sistema, --estaduais, --sem-copa, --sem-continentais, --sem-selecoes,
// --personalizado, --humanos-clubes, --semente, --opcoes: the same checks and initialisation as
// the screens. Throws std::runtime_error with the message the player would see (ErroUso for a
// mistake on the command line). The warnings of the scan, the set-up and the load are printed
// on standard error as they come; the game keeps them too (`NovoJogo::avisos`).
std::unique_ptr<NovoJogo> criajogo(const Argumentos& a);

// Declarations of those options.
std::vector<Opcao> opcoesnovojogo();

}  // namespace tarvello::cli
