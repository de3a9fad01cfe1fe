#pragma once
// The fixed texts of the inbox: message bodies, subjects and senders (UTF-8).
#include <array>
#include <string_view>

namespace tarvello {

constexpr int kNumTextos = 73;
constexpr int kNumAssuntos = 18;

// Body texts by id 1..73; entry 0 is unused.
extern const std::array<std::string_view, kNumTextos + 1> kTextosMensagem;

// Subjects by id 1..18; entry 0 is unused. Some are completed with names when shown.
inline constexpr std::array<std::string_view, kNumAssuntos + 1> kAssuntosMensagem = {
    "",
    "Bem vindo ao ",
    " expulso",
    ":que negócio é esse?",
    " contundido",
    "O bicho vai pegar!",
    "Não aceitamos goleadas!",
    "Desse jeito você vai cair",
    " vai para o ",
    "Racha no elenco causado por ",
    "Agradecimento",
    "Reclamação",
    "Estou sem contrato",
    "Briga entre ",
    "Torcida briga com ",
    " vendido ao ",
    "Convites para seleção",
    "Contrato se encerrando: ",
    "Contrato encerrado: ",
};

// Senders by id 1..5; the player (3) is shown followed by his name.
inline constexpr std::array<std::string_view, 6> kRemetentesMensagem = {
    "", "Diretoria", "Torcida", "Jogador: ", "Imprensa", "Dep. Médico",
};

}  // namespace tarvello
