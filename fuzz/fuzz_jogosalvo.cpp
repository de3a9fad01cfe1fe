// libFuzzer target for the saved-game reader: any bytes as a whole "sav/*.s08" file. A file the
// reader accepts must be one the game can use: its calendar is built, and written back it gives
// the very bytes that were read. A broken promise aborts with its text. Built only with
// -DTARVELLO_FUZZ=ON and clang (see scripts/fuzz.sh).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "competitions/calendario.h"
#include "database/jogosalvo.h"
#include "database/jogosalvo_checagem.h"
#include "model/mundo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    tarvello::Mundo m;
    const std::span<const uint8_t> bytes(dados, tamanho);
    if (!tarvello::decodificajogo(bytes, m).empty()) return 0;
    tarvello::montacalendario(m);
    const std::vector<uint8_t> de_novo = tarvello::codificajogo(m);
    if (de_novo.size() != tamanho || !std::equal(de_novo.begin(), de_novo.end(), dados)) {
        std::fprintf(stderr, "promessa quebrada: jogo aceito não volta aos mesmos bytes\n");
        std::abort();
    }
    return 0;
}
