#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "database/escudos.h"
#include "model/aleatorio.h"

#include "../apoio/pastatemporaria.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> gifdeteste() {
    // 5x3: a diagonal of colour 2 over colour 1, with index 0 see-through in the corner.
    std::vector<uint8_t> idx = {0, 1, 1, 1, 1,  //
                                1, 2, 1, 1, 1,  //
                                1, 1, 2, 1, 3};
    auto g = codificagif(5, 3, {0xFF00FF, 0x102030, 0xFFD100, 0x0033A0}, idx, 0);
    EXPECT_TRUE(g) << g.erro;
    return g ? *g : std::vector<uint8_t>{};
}

// A bottom-up 24-bit BMP of 3x2 pixels (rows padded to 12 bytes).
std::vector<uint8_t> bmp24() {
    std::vector<uint8_t> b(54 + 24, 0);
    b[0] = 'B';
    b[1] = 'M';
    auto p32 = [&](size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); };
    p32(2, static_cast<uint32_t>(b.size()));
    p32(10, 54);
    p32(14, 40);
    p32(18, 3);
    p32(22, 2);
    b[26] = 1;
    b[28] = 24;
    // Bottom row first: blue, green, red. Top row: white, black, grey. Stored as B, G, R.
    const uint8_t linhas[2][9] = {{255, 0, 0, 0, 255, 0, 0, 0, 255}, {255, 255, 255, 0, 0, 0, 128, 128, 128}};
    std::memcpy(&b[54], linhas[0], 9);
    std::memcpy(&b[66], linhas[1], 9);
    return b;
}

void grava(const fs::path& p, const std::vector<uint8_t>& b) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

}  // namespace

TEST(Escudos, GifGravadoELidoDeVolta) {
    auto bytes = gifdeteste();
    auto img = decodificaimagem(bytes);
    ASSERT_TRUE(img) << img.erro;
    EXPECT_EQ(img->largura, 5);
    EXPECT_EQ(img->altura, 3);
    EXPECT_EQ(img->pixel(0, 0) >> 24, 0u);  // see-through
    EXPECT_EQ(img->pixel(1, 0), 0xFF102030u);
    EXPECT_EQ(img->pixel(1, 1), 0xFFFFD100u);
    EXPECT_EQ(img->pixel(2, 2), 0xFFFFD100u);
    EXPECT_EQ(img->pixel(4, 2), 0xFF0033A0u);
    // Indexes outside the palette are refused when writing.
    EXPECT_FALSE(codificagif(2, 1, {0x0, 0x1}, {0, 5}));
    EXPECT_FALSE(codificagif(0, 1, {0x0}, {}));
}

TEST(Escudos, BmpDe24BitsEDePaleta) {
    auto img = decodificaimagem(bmp24());
    ASSERT_TRUE(img) << img.erro;
    ASSERT_EQ(img->largura, 3);
    ASSERT_EQ(img->altura, 2);
    EXPECT_EQ(img->pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(img->pixel(2, 0), 0xFF808080u);
    EXPECT_EQ(img->pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(img->pixel(1, 1), 0xFF00FF00u);
    EXPECT_EQ(img->pixel(2, 1), 0xFFFF0000u);

    // 4 bits per pixel, top-down (negative height), two palette colours.
    std::vector<uint8_t> b(54 + 8 + 8, 0);
    b[0] = 'B';
    b[1] = 'M';
    auto p32 = [&](size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); };
    p32(10, 62);
    p32(14, 40);
    p32(18, 3);
    p32(22, static_cast<uint32_t>(-2));
    b[26] = 1;
    b[28] = 4;
    p32(46, 2);
    p32(54, 0x00112233);  // B G R 0 -> colour 0 = 0x332211
    p32(58, 0x00AABBCC);
    b[62] = 0x01;  // row 0: 0, 1, 0
    b[63] = 0x00;
    b[66] = 0x10;  // row 1: 1, 0, 1
    b[67] = 0x10;
    img = decodificabmp(b);
    ASSERT_TRUE(img) << img.erro;
    EXPECT_EQ(img->pixel(0, 0), 0xFF112233u);
    EXPECT_EQ(img->pixel(1, 0), 0xFFAABBCCu);
    EXPECT_EQ(img->pixel(0, 1), 0xFFAABBCCu);
    EXPECT_EQ(img->pixel(2, 1), 0xFFAABBCCu);
}

TEST(Escudos, ImagensHostisNaoDerrubamOPrograma) {
    const auto gif = gifdeteste();
    for (size_t n = 0; n < gif.size(); ++n) {
        auto r = decodificaimagem(std::span<const uint8_t>(gif.data(), n));
        if (r) {
            ASSERT_EQ(r->pixels.size(), static_cast<size_t>(r->largura) * r->altura);
        }
    }
    const auto bmp = bmp24();
    for (size_t n = 0; n < bmp.size(); ++n) EXPECT_FALSE(decodificaimagem(std::span<const uint8_t>(bmp.data(), n)));

    // Claimed sizes far beyond the data, and beyond any sane crest.
    auto grande = bmp;
    const uint32_t enorme = 100000;
    std::memcpy(&grande[18], &enorme, 4);
    EXPECT_FALSE(decodificabmp(grande));
    auto fora = bmp;
    const uint32_t offset = 0xFFFFFFF0u;
    std::memcpy(&fora[10], &offset, 4);
    EXPECT_FALSE(decodificabmp(fora));
    auto gifgrande = gif;
    gifgrande[6] = 0xFF;  // screen width 0xFF05
    gifgrande[7] = 0xFF;
    EXPECT_FALSE(decodificagif(gifgrande));

    // Random bytes behind valid signatures.
    Aleatorio a(99);
    for (int volta = 0; volta < 500; ++volta) {
        std::vector<uint8_t> lixo(static_cast<size_t>(10 + a.sorteia(300)));
        for (auto& x : lixo) x = static_cast<uint8_t>(a.sorteia(256));
        const int tipo = volta % 3;
        if (tipo == 0) std::memcpy(lixo.data(), "GIF89a", 6);
        if (tipo == 1) lixo[0] = 'B', lixo[1] = 'M';
        if (tipo == 2) std::copy(gif.begin(), gif.begin() + std::min<size_t>(gif.size(), lixo.size() / 2), lixo.begin());
        auto r = decodificaimagem(lixo);
        if (r) {
            ASSERT_LE(r->largura, kLadoMaximoImagem);
            ASSERT_EQ(r->pixels.size(), static_cast<size_t>(r->largura) * r->altura);
        }
    }
}

TEST(Escudos, OrdemDeBusca) {
    const fs::path raiz = tarvello::teste::pastatemporaria("tarvello_escudos_busca");
    fs::remove_all(raiz);
    const fs::path esc = raiz / "teams" / "escudos";
    fs::create_directories(esc);
    fs::create_directories(raiz / "teams" / "selecoes");

    EXPECT_FALSE(procuraescudo(raiz, "leoes"));
    EXPECT_TRUE(carregaescudo(raiz, "leoes").vazia());
    grava(esc / "nullescudo.gif", gifdeteste());
    EXPECT_EQ(procuraescudo(raiz, "leoes"), esc / "nullescudo.gif");
    EXPECT_EQ(procuraescudo(raiz, ""), esc / "nullescudo.gif");
    grava(esc / "leoes.bmp", bmp24());
    EXPECT_EQ(procuraescudo(raiz, "leoes"), esc / "leoes.bmp");
    EXPECT_EQ(carregaescudo(raiz, "leoes").largura, 3);
    grava(esc / "leoes.gif", gifdeteste());
    EXPECT_EQ(procuraescudo(raiz, "leoes"), esc / "leoes.gif");
    EXPECT_EQ(carregaescudo(raiz, "leoes").largura, 5);
    // A crest name cannot point outside the crest folder.
    grava(raiz / "teams" / "fora.gif", gifdeteste());
    EXPECT_EQ(procuraescudo(raiz, "../fora"), esc / "nullescudo.gif");
    // Windows-1252 names reach the UTF-8 file name.
    grava(esc / "grêmio.gif", gifdeteste());
    EXPECT_EQ(procuraescudo(raiz, "gr\xEAmio"), esc / "grêmio.gif");
    // National crests live beside the national files, with the same default.
    EXPECT_EQ(procuraescudoselecao(raiz, "brasil"), esc / "nullescudo.gif");
    grava(raiz / "teams" / "selecoes" / "brasil.gif", gifdeteste());
    EXPECT_EQ(procuraescudoselecao(raiz, "brasil"), raiz / "teams" / "selecoes" / "brasil.gif");
    // A damaged crest gives no image rather than a crash.
    grava(esc / "quebrado.gif", {'G', 'I', 'F', '8', '9', 'a', 1});
    EXPECT_TRUE(carregaescudo(raiz, "quebrado").vazia());
    fs::remove_all(raiz);
}
