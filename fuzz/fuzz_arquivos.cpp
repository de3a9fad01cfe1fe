// libFuzzer target for the team-file readers: any bytes, as a whole club or national-team file,
// through the safe decoders; a broken promise aborts with its text. Built only with
// -DTARVELLO_FUZZ=ON and clang (see scripts/fuzz.sh).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "../tests/apoio/invariantesarquivos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const std::string erro = tarvello::teste::conferebytes(std::span<const uint8_t>(dados, tamanho));
    if (!erro.empty()) {
        std::fprintf(stderr, "promessa quebrada: %s\n", erro.c_str());
        std::abort();
    }
    return 0;
}
