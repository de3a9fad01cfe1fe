#pragma once
// The options file "tarvello.ini", section "opcoes": it seeds the options of every new game.
// From then on the options live in the game-state block and travel with the saved game.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/estado.h"

namespace tarvello {

inline constexpr std::string_view kArquivoOpcoes = "tarvello.ini";
inline constexpr std::string_view kSecaoOpcoes = "opcoes";
// What `leopcao` answers for a key that is not there; it fails integer conversion on purpose.
inline constexpr std::string_view kOpcaoAusente = "nofound";

// Reads one key; "nofound" when the file or the key is absent.
std::string leopcao(const std::filesystem::path& arquivo, std::string_view secao,
                    std::string_view chave);
// Writes one key at once. False when the file could not be written (the running game keeps the
// change all the same).
bool gravaopcao(const std::filesystem::path& arquivo, std::string_view secao,
                std::string_view chave, std::string_view texto);

// Reads every option key into the state block, each falling back on its default.
void carregaopcoes(TEstadoJogo& e, const std::filesystem::path& arquivo);

// Match speeds: selector index -> timer interval in ms. Index 6 ("Hiper rápido") exists only for
// matches without human clubs; any index outside the selector gives 600.
inline constexpr std::array<int, 7> kIntervalosVelocidade = {4000, 2500, 1500, 800, 600, 100, 10};
inline constexpr std::array<std::string_view, 7> kNomesVelocidade = {
    "Lento", "Normal", "Rápido", "Bem rápido", "Super rápido", "Ultra rápido", "Hiper rápido"};
int intervalovelocidade(int indice, bool semhumanos);

// The five standard squad-list colours, goalkeepers to forwards (0x00BBGGRR).
inline constexpr std::array<int32_t, 5> kCoresPadrao = {4822164, 6599603, 8503488, 10736081,
                                                         12377822};

// Decimal or hexadecimal ("$1F", "0x1F") integer text within 32 bits, spaces around allowed.
std::optional<int32_t> textoparainteiro(std::string_view texto);
// Colour text form: a standard colour name ("clRed") where the value has one, otherwise "$"
// and eight hexadecimal digits. Reading also accepts plain integers.
std::string corparatexto(int32_t cor);
std::optional<int32_t> textoparacor(std::string_view texto);

}  // namespace tarvello
