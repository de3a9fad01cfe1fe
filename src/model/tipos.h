#pragma once
// Fixed vocabulary of the game: countries, Brazilian states, positions, abilities, roles, host cities.
#include <array>
#include <string_view>

namespace tarvello {

constexpr int kNumPaises = 203;
constexpr int kBrasil = 29;
constexpr int kPersonalizado = 202;
constexpr int kNumEstados = 27;
constexpr int kNumPosicoes = 5;
constexpr int kNumHabilidades = 14;

enum Posicao : int { kGoleiro = 0, kLateral = 1, kZagueiro = 2, kMeioCampo = 3, kAtacante = 4 };

// All texts are UTF-8.
extern const std::array<std::string_view, kNumPaises> kPaises;
extern const std::array<std::string_view, kNumEstados> kSiglasEstados;
extern const std::array<std::string_view, kNumEstados> kAdjetivosEstados;
extern const std::array<std::string_view, kNumPosicoes> kPosicoes;
extern const std::array<std::string_view, kNumHabilidades> kHabilidades;
extern const std::array<std::string_view, kNumHabilidades> kSiglasHabilidades;
extern const std::array<std::array<std::string_view, 5>, kNumPosicoes> kFuncoes;

struct TSedeCopa {
    int pais;
    std::array<std::string_view, 8> cidades;
};
extern const std::array<TSedeCopa, 11> kSedesCopa;

inline bool paisvalido(int p) { return p >= 0 && p < kNumPaises; }
inline bool estadovalido(int e) { return e >= 0 && e < kNumEstados; }
inline bool posicaovalida(int p) { return p >= 0 && p < kNumPosicoes; }
inline bool habilidadevalida(int h) { return h >= 0 && h < kNumHabilidades; }

// Lookups that never index out of range: an unknown value gives an empty text.
std::string_view nomepais(int p);
std::string_view siglaestado(int e);
std::string_view adjetivoestado(int e);
std::string_view nomeposicao(int p);
char letraposicao(int p);
std::string_view nomehabilidade(int h);
std::string_view siglahabilidade(int h);
std::string_view nomefuncao(int posicao, int funcao);
// Host cities of a country that can host the World Cup, or nullptr.
const TSedeCopa* sedecopa(int pais);

}  // namespace tarvello
