#pragma once
// Saving the running game and loading a saved one, as the screens and the headless tool do it:
// the preview fields, the file under "sav/", the calendar and the state that is never saved.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "model/estado.h"

namespace tarvello {

struct Mundo;

// "sav/" + `nomearquivo` under the data folder.
std::filesystem::path arquivosalvo(const std::filesystem::path& raiz, const TEstadoJogo& e);

// The preview fields of the state block: the coach and club (or, during a national-team
// competition, the national team he coaches and his club) of the current turn.
void preenchesalvo(Mundo& m);

// Saves the world to a file (the screens: `arquivosalvo`, once a save name is set). Empty text
// on success, else the message to show; the previous file and the world's tables stay as they
// were (only the preview fields are refreshed).
std::string salvajogo(Mundo& m, const std::filesystem::path& arquivo);

struct JogoCarregado {
    std::unique_ptr<Mundo> mundo;  // set on success
    std::string erro;              // the message to show otherwise
    std::string motivo;            // what was wrong with the file, for diagnostics
};

// Reads a saved game into a new world: every table checked, the calendar rebuilt from `temporada`, the
// state that is not saved reset or worked out, and the save name set to the file's. A file that
// cannot be read gives "Erro ao carregar o arquivo", a damaged one "Este arquivo não é válido
// ou está corrompido"; nothing of any running game is touched either way.
JogoCarregado carregajogo(const std::filesystem::path& arquivo, uint64_t semente);

// The competition of a saved game's current date, as the load screen's preview shows it.
std::string descricaosalvo(const TEstadoJogo& e);

// Automatic saving: called each time a main screen opens after a match day, with the option
// `salvarauto` (1 every third opening, 2 every opening). Whether the game is saved now; the
// counter lives with the running game and starts at 0 after a new game or a load.
bool salvamentoautomatico(int& contador, int salvarauto);
// "Início do ano" (option 3): the game is saved when a new season begins.
bool salvamentoinicioano(int salvarauto);

}  // namespace tarvello
