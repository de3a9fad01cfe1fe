#pragma once
// Saved games ("sav/*.s08"): the game-state block and every table of the world, each growable
// table as an i32 count followed by its records byte for byte, 29 items in a fixed order.
//
// Reading trusts nothing: every count is bounded by the bytes left, every record is checked
// (see jogosalvo_checagem.h) and the file must end right after the last item. The world is
// decoded into a separate object, so a bad file never touches the running game.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/estado.h"

namespace tarvello {

struct Mundo;

inline constexpr std::string_view kExtensaoJogoSalvo = ".s08";
inline constexpr int kMarcaValida = 81;
// What the player is told about a file that is not a whole, sound saved game.
inline constexpr std::string_view kJogoInvalido = "Este arquivo não é válido ou está corrompido";
inline constexpr std::string_view kErroCarregar = "Erro ao carregar o arquivo";
inline constexpr std::string_view kErroSalvar =
    "Erro ao salvar, verifique se você tem permisão para salvar ou se não existe a pasta sav";
// Longest save name the save-name dialog accepts.
constexpr int kMaxNomeSalvo = 30;

// The exact bytes of a saved game (items 1 to 29).
std::vector<uint8_t> codificajogo(const Mundo& m);

// Decodes a whole saved game into `destino` (a fresh world). Empty text when the file is sound;
// otherwise why it is not (for diagnostics; the player sees kJogoInvalido) and `destino` is
// left in an unspecified state: the caller drops it.
std::string decodificajogo(std::span<const uint8_t> bytes, Mundo& destino);

// Format word and state block of a saved game, for the load screen's preview: nothing when the
// file cannot be read or is too short. The marker is not checked here.
std::optional<TEstadoJogo> lecabecalhojogo(const std::filesystem::path& arquivo);

// Writes the game through a temporary file beside the target, renamed over it only when
// complete. Empty text on success, else the reason (the old file is then untouched).
std::string gravajogo(const std::filesystem::path& arquivo, const Mundo& m);

// The whole file's bytes, at most `limite` of them (a larger file is refused): nothing when it
// cannot be read.
std::optional<std::vector<uint8_t>> learquivojogo(const std::filesystem::path& arquivo,
                                                  size_t limite = size_t{1} << 30);

// A typed save name reduced to letters, digits, spaces, '-' and '_' (at most kMaxNomeSalvo
// characters, spaces at the ends removed), so it can never leave the folder nor name another
// kind of file. Input and output are UTF-8; accented letters are kept.
std::string filtranomesalvo(std::string_view nome);
// "sav" under the data folder.
std::filesystem::path pastasalvos(const std::filesystem::path& raiz);
// The saved games of the folder ("*.s08"), sorted by name.
std::vector<std::string> listasalvos(const std::filesystem::path& raiz);

}  // namespace tarvello
