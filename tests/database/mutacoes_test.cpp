// Real club and national-team files from the sample world, mutated a few bytes at a time with a
// fixed seed, through the safe readers: whatever they accept keeps every promise (the same
// checks the opt-in libFuzzer target runs without end).
#include <gtest/gtest.h>

#include "../apoio/invariantesarquivos.h"
#include "database/gerador.h"
#include "model/aleatorio.h"

using namespace tarvello;

namespace {

// The file offsets of every string length byte: where a mutation does the most harm.
std::vector<size_t> bytesdecomprimento(bool clube) {
    std::vector<size_t> v;
    if (clube) {
        for (size_t o : {4, 30, 56, 87, 113, 139}) v.push_back(4 + o);
        for (size_t k = 0; k < 25; ++k) v.push_back(188 + 36 * k);
    } else {
        for (size_t o : {8, 39}) v.push_back(4 + o);
        for (size_t k = 0; k < 28; ++k) v.push_back(4 + 92 + 36 * k);
    }
    return v;
}

void muta(std::vector<uint8_t>& b, Aleatorio& a, const std::vector<size_t>& comprimentos) {
    const int edicoes = 1 + a.sorteia(6);
    for (int i = 0; i < edicoes && !b.empty(); ++i) {
        switch (a.sorteia(6)) {
            case 0: b[static_cast<size_t>(a.sorteia(static_cast<int>(b.size())))] = static_cast<uint8_t>(a.sorteia(256)); break;
            case 1: b[static_cast<size_t>(a.sorteia(static_cast<int>(b.size())))] ^= static_cast<uint8_t>(1 << a.sorteia(8)); break;
            case 2:  // a length byte just past the capacity, or far past it
                b[comprimentos[static_cast<size_t>(a.sorteia(static_cast<int>(comprimentos.size())))]] =
                    static_cast<uint8_t>(a.sorteia(2) ? 36 + a.sorteia(4) : 255);
                break;
            case 3: b[comprimentos[static_cast<size_t>(a.sorteia(static_cast<int>(comprimentos.size())))]] = static_cast<uint8_t>(a.sorteia(36)); break;
            case 4: b.resize(b.size() - 1 - static_cast<size_t>(a.sorteia(3))); break;
            default: b.push_back(static_cast<uint8_t>(a.sorteia(256))); break;
        }
    }
}

}  // namespace

TEST(Mutacoes, ArquivosDoMundoDeExemploMutadosNuncaQuebramAsPromessasDosLeitores) {
    const TMundoGerado mundo = geramundo(5);
    ASSERT_GE(mundo.clubes.size(), 20u);
    ASSERT_GE(mundo.selecoes.size(), 10u);
    Aleatorio a(77);
    int aceitos = 0, recusados = 0;
    for (bool clube : {true, false}) {
        const auto comprimentos = bytesdecomprimento(clube);
        for (int volta = 0; volta < 20000; ++volta) {
            std::vector<uint8_t> b = clube ? codificaclube(mundo.clubes[static_cast<size_t>(volta) % 20])
                                           : codificaselecao(mundo.selecoes[static_cast<size_t>(volta) % 10]);
            muta(b, a, comprimentos);
            const std::string erro = teste::conferebytes(b);
            ASSERT_EQ(erro, "") << (clube ? "clube" : "seleção") << ", volta " << volta;
            (clube ? decodificaclube(b).valor.has_value() : decodificaselecao(b).valor.has_value()) ? ++aceitos
                                                                                                   : ++recusados;
        }
    }
    // Both paths were really taken.
    EXPECT_GT(aceitos, 5000);
    EXPECT_GT(recusados, 5000);
}
