#pragma once
// The sample world: a complete fictional database of clubs, national teams and crests in the
// game's own file formats, so a fresh install can be played at once. The same seed always gives
// the same bytes.
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "database/arquivos.h"

namespace tarvello {

struct TArquivoGerado {
    std::string nome;  // file name inside its folder
    std::vector<uint8_t> bytes;
};

struct TMundoGerado {
    std::vector<TArquivoClube> clubes;
    std::vector<TSelecao> selecoes;
    std::vector<TArquivoGerado> escudos;          // teams/escudos (clubs, and nullescudo.gif)
    std::vector<TArquivoGerado> escudosselecoes;  // teams/selecoes (national-team crests)
    // img/: the background pictures f01.bmp and f02.bmp and the flags of every country and
    // Brazilian state (bandeiras/...); names relative to img/.
    std::vector<TArquivoGerado> imagens;
    // sons/: the four match sounds (names relative to sons/).
    std::vector<TArquivoGerado> sons;
};

TMundoGerado geramundo(uint64_t semente);

// Writes everything below raiz/teams, raiz/img and raiz/sons, creating the folders, and the empty
// folder raiz/sav for the saved games. Empty text on success.
std::string gravamundo(const std::filesystem::path& raiz, TMundoGerado& mundo);

}  // namespace tarvello
