#pragma once
// The sample world's four match sounds, synthesised here (a crowd cheer, whistles, a thud) as
// short 16-bit mono WAV files, so a fresh install has something to hear.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvello {

struct TSomGerado {
    std::string nome;  // file name inside "sons/"
    std::vector<uint8_t> bytes;
};

std::vector<TSomGerado> gerasons();

// A WAV file (RIFF, PCM 16-bit mono) of the given samples.
std::vector<uint8_t> codificawav(const std::vector<int16_t>& amostras, int taxa);

}  // namespace tarvello
