#pragma once
// Crest pictures: where a crest is looked up, and decoding of GIF and BMP files into one plain
// image type. Screens turn a TImagem into whatever their toolkit draws.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "database/arquivos.h"

namespace tarvello {

struct TImagem {
    int largura = 0;
    int altura = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, row by row from the top; alpha 0 = transparent
    bool vazia() const { return largura <= 0 || altura <= 0; }
    uint32_t pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * largura + x]; }
};

// Largest picture accepted, per side; bigger files are refused rather than allocated.
constexpr int kLadoMaximoImagem = 2048;
// Largest picture file read.
constexpr size_t kTamanhoMaximoArquivoImagem = 8u << 20;

// First existing file among teams/escudos/<nome>.gif, teams/escudos/<nome>.bmp, else
// teams/escudos/nullescudo.gif, else nothing. A name holding a path separator or ".." finds
// only the default crest. `nome` is Windows-1252 as stored in the files.
std::optional<std::filesystem::path> procuraescudo(const std::filesystem::path& raiz, std::string_view nome);
// The national team's own crest: teams/selecoes/<nome>.gif or .bmp, else the default crest.
std::optional<std::filesystem::path> procuraescudoselecao(const std::filesystem::path& raiz, std::string_view nome);

// Decodes by content (a GIF signature, else "BM"). Bad files give an error, never a crash.
Lido<TImagem> decodificaimagem(std::span<const uint8_t> bytes);
Lido<TImagem> decodificagif(std::span<const uint8_t> bytes);
Lido<TImagem> decodificabmp(std::span<const uint8_t> bytes);
Lido<TImagem> carregaimagem(const std::filesystem::path& arquivo);
// Crest of a club by its crest name (lookup above, then decoding); empty image when none.
TImagem carregaescudo(const std::filesystem::path& raiz, std::string_view nome);

// A one-frame GIF file from palette indexes: `paleta` holds up to 256 colours as 0x00RRGGBB,
// `indices` largura*altura entries, each below paleta.size(); `transparente` is the palette
// index drawn as see-through, or -1 for none.
Lido<std::vector<uint8_t>> codificagif(int largura, int altura, const std::vector<uint32_t>& paleta,
                                       const std::vector<uint8_t>& indices, int transparente = -1);

}  // namespace tarvello
