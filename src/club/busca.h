#pragma once
// The player search: every player with a club that passes all the chosen filters.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

// The choices of the value filter, in list order; the last one is "Qualquer".
inline constexpr int kFaixasValor = 8;
// The value band of choice `faixa`: [de, ate), half-open, so that the bands meet without gaps.
struct TFaixa {
    int64_t de;
    int64_t ate;
};
TFaixa faixavalor(int faixa);

struct TFiltroBusca {
    std::string nome;      // case-insensitive prefix (UTF-8); empty: any
    int posicao = -1;      // natural position; -1 "Qualquer"
    int forca = 4;         // 0 "1..10", 1 "11..30", 2 "31..50", 3 "51..100", 4 "Qualquer"
    int idade = 3;         // 0 "16..25", 1 "26..36", 2 "37>", 3 "Qualquer"
    int valor = kFaixasValor - 1;
    int habilidade1 = -1;  // -1 any
    int habilidade2 = -1;
    int nacionalidade = -1;
    int pais = -1;         // only players of clubs of this country; -1 any
    bool soavenda = false;
    bool soestrelas = false;
};

// Players of real clubs passing every filter, in player-table order.
std::vector<int> buscajogadores(const Mundo& m, const TFiltroBusca& f);
// "N jogadores encontrados" or "Nenhum jogador encontrado".
std::string textoencontrados(size_t n);

}  // namespace tarvello
