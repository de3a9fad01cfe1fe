// libFuzzer target for the options file: any bytes as "tarvello.ini". Whatever the file holds,
// every option read into the game state is one its selector offers (or its default), and every
// colour is a colour. A broken promise aborts with its text.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/estado.h"
#include "model/opcoes.h"

namespace {

void quebra(const char* promessa) {
    std::fprintf(stderr, "promessa quebrada: %s\n", promessa);
    std::abort();
}

bool intervalodatabela(int ms, bool semhumanos) {
    const int n = semhumanos ? 7 : 6;
    return std::find(tarvello::kIntervalosVelocidade.begin(), tarvello::kIntervalosVelocidade.begin() + n, ms) !=
           tarvello::kIntervalosVelocidade.begin() + n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static const std::filesystem::path arquivo =
        std::filesystem::temp_directory_path() / ("fuzz_opcoes_" + std::to_string(::getpid()) + ".ini");
    {
        std::ofstream f(arquivo, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
    }
    tarvello::TEstadoJogo e{};
    tarvello::carregaopcoes(e, arquivo);
    if (!intervalodatabela(e.intervalohumano, false)) quebra("velocidade humana fora da tabela");
    if (!intervalodatabela(e.intervalocomputador, true)) quebra("velocidade sem humanos fora da tabela");
    if (e.salvarauto < 0 || e.salvarauto > 3) quebra("salvar automaticamente fora de 0..3");
    if (e.emails < 0 || e.emails > 3) quebra("avisos de contrato fora de 0..3");
    for (uint8_t b : {e.verintervalo, e.verpenalty, e.vertrocatecnicos, e.som, e.renovacontrato, e.cornalista,
                      e.negrito})
        if (b > 1) quebra("chave liga/desliga diferente de 0 e 1");
    for (int32_t c : e.cores)
        if (c < 0 || c > 0xFFFFFF) quebra("cor fora de 24 bits");
    // The key just read back is the text written.
    if (tarvello::gravaopcao(arquivo, "opcoes", "opsalvar", "2") &&
        tarvello::leopcao(arquivo, "opcoes", "opsalvar") != "2")
        quebra("chave gravada não é lida de volta");
    return 0;
}
