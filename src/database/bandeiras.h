#pragma once
// Flags of the countries and of the Brazilian states, and the tiled background pictures: where
// the game finds them in the working folder and how the sample world draws its own (simple
// bands and shapes in each country's colours).
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "database/escudos.h"

namespace tarvello {

constexpr int kLarguraBandeira = 30;
constexpr int kAlturaBandeira = 20;

// img/bandeiras/<country index>.bmp and img/bandeiras/estados/<abbreviation>.bmp.
std::filesystem::path arquivobandeira(const std::filesystem::path& raiz, int pais);
std::filesystem::path arquivobandeiraestado(const std::filesystem::path& raiz, int estado);

// A flag drawn from its design: a pattern letter, ':', colour letters, optionally '*' and the
// colour of a star in the middle. Patterns: H horizontal bands, V vertical bands, C Nordic
// cross (background, cross, inner cross), P centred cross, X saltire, D disc, R rhombus with a
// disc, T hoist triangle over bands, Q hoist band beside bands, K bands with a canton (last
// colour), A a star in the upper hoist, G diagonal bands, F quarters. Colours: w white, r red,
// b blue, n navy, l light blue, g green, y yellow, k black, o orange, m maroon, c turquoise.
TImagem desenhabandeira(std::string_view desenho, int largura = kLarguraBandeira, int altura = kAlturaBandeira);
// The design of a country's (0..202) or a state's (0..26) flag; empty for an unknown index.
std::string_view desenhopais(int pais);
std::string_view desenhoestado(int estado);

// The tiled background pictures: 1 the screens' (img/f01.bmp), 2 the loading screen's
// (img/f02.bmp); soft pitch-green grass stripes.
TImagem desenhafundo(int numero);

// An uncompressed 24-bit BMP file of the picture (see-through pixels become white).
std::vector<uint8_t> codificabmp(const TImagem& imagem);

}  // namespace tarvello
