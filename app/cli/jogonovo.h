#pragma once
// A new game built from the headless set-up options, shared by the commands that start one.
#include <memory>

#include "comandos.h"
#include "newgame/novojogo.h"

namespace tarvello::cli {

// --dados, --ligas, --sistema, --estaduais, --sem-copa, --sem-continentais, --sem-selecoes,
// --personalizado, --humanos-clubes, --semente, --opcoes: the same checks and initialisation as
// the screens. Throws std::runtime_error with the message the player would see.
std::unique_ptr<NovoJogo> criajogo(const Argumentos& a);

// The usage text of those options.
inline constexpr const char* kUsoNovoJogo =
    "--dados PASTA --ligas P1,P2 [--sistema 10|20] [--estaduais] [--sem-copa] [--sem-continentais] "
    "[--sem-selecoes] [--personalizado] [--humanos-clubes C1,C2] [--semente N] [--opcoes ARQUIVO]";

}  // namespace tarvello::cli
