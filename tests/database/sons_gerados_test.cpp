// The sample world's synthesised sounds are well-formed WAV files, the same bytes every time.
#include <gtest/gtest.h>

#include <cstring>

#include "database/sons_gerados.h"

using namespace tarvello;

TEST(SonsGerados, QuatroWavBemFormados) {
    const auto sons = gerasons();
    ASSERT_EQ(sons.size(), 4u);
    std::vector<std::string> nomes;
    for (const auto& s : sons) {
        nomes.push_back(s.nome);
        const auto& b = s.bytes;
        ASSERT_GT(b.size(), 44u + 22050u / 4) << s.nome;  // at least a quarter of a second
        EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
        EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0);
        uint32_t riff, dados;
        std::memcpy(&riff, b.data() + 4, 4);
        std::memcpy(&dados, b.data() + 40, 4);
        EXPECT_EQ(riff, b.size() - 8) << s.nome;
        EXPECT_EQ(dados, b.size() - 44) << s.nome;
        // Not silence: some sample is loud.
        int16_t maior = 0;
        for (size_t i = 44; i + 1 < b.size(); i += 2) {
            int16_t v;
            std::memcpy(&v, b.data() + i, 2);
            maior = std::max<int16_t>(maior, static_cast<int16_t>(std::abs(v)));
        }
        EXPECT_GT(maior, 10000) << s.nome;
    }
    EXPECT_EQ(nomes, (std::vector<std::string>{"gol1.wav", "penalty.wav", "contusao.wav", "fimjogo.wav"}));
    EXPECT_EQ(gerasons()[0].bytes, sons[0].bytes);
}
