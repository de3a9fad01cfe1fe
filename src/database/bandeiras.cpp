#include "database/bandeiras.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "model/tipos.h"

namespace tarvello {
namespace fs = std::filesystem;

namespace {

// Designs by country index (see desenhabandeira).
constexpr std::array<std::string_view, kNumPaises> kDesenhosPaises = {
    "V:krg", "T:krgb", "D:rk", "H:kry", "V:byr", "H:rk*y", "K:bw", "H:kbw",                         // 0..7
    "H:wbw", "D:gw", "V:gw*r", "H:lwl*y", "H:rbo", "H:lly", "K:nw*w", "H:rwr",                      // 8..15
    "H:lrg", "T:kcyc", "V:wrr", "D:gr", "V:nyn", "V:kyr", "H:rbbbr", "Q:gyr",                       // 16..23
    "K:rn", "H:rrg", "H:ryg", "V:byb", "H:lkl", "R:gyb", "H:ywk", "H:wgr",                          // 24..31
    "H:rg*y", "X:rw", "V:yo", "H:bwrb", "V:gry*y", "H:brb", "V:rwr", "V:wm",                        // 32..39
    "D:ly", "V:byr", "K:wrb", "A:ry", "D:wo", "H:rw", "H:yybr", "G:gyr",                           // 40..47
    "H:bwrrwb", "D:wr", "V:owg", "H:bwrrwb", "H:rwb", "T:rbwbwb", "C:rw", "T:wlg",                  // 48..55
    "P:gy", "H:rwk", "H:bwb", "Q:rgwk", "H:yybr", "T:rgl", "X:bw", "H:wbr",                         // 56..63
    "H:wbr", "H:ryyr", "H:bkw", "H:gyr*b", "K:rwrwrwrb", "K:ln", "C:wb", "T:wbr",                  // 64..71
    "V:bwr", "H:gyb", "H:rwbwg", "H:ryg*k", "P:wr", "X:gy", "H:bwbwbwbwb", "V:lwl",                 // 72..79
    "T:rg", "V:ryg", "Q:ryg*k", "T:bgwr", "H:br", "H:rwb", "H:bwb", "D:rw",                         // 80..87
    "H:rwg", "H:rwk", "K:nr", "K:nw", "C:wbr", "G:byg", "K:nw", "H:owg",                           // 88..95
    "H:rw", "P:wr", "H:gwr", "H:rwk", "V:gwo", "P:wr", "C:bwr", "H:wbwwwbw*b",                      // 96..103
    "V:gwr", "D:ry", "X:gy", "D:wr", "T:rkwg", "H:kwrwg", "D:by", "T:kgwr",                         // 104..111
    "H:rbbr", "H:bwg", "H:mmwmm", "H:rwwr*g", "H:rkg", "K:rwrwrwrwrwrb", "H:br", "H:ygr",           // 112..119
    "H:rwl", "D:gw", "D:ry", "Q:wrg", "K:rwrwrwrn", "H:krg", "D:rg", "V:gyr",                      // 120..127
    "V:wr", "H:r*g", "H:g*y", "V:gwr", "H:ygr*w", "T:rgky", "V:byr", "H:rw",                        // 128..135
    "V:rbr", "G:brg", "D:br", "H:bwb", "H:owg", "V:gwg", "C:rwb", "K:nw*r",                         // 136..143
    "Q:rwrg", "H:wg*r", "T:rkwg", "F:wrbw", "G:rk", "Q:wg", "H:rwb", "V:rwr",                       // 144..151
    "H:wr", "T:brwrwr", "V:grr*y", "D:ry", "H:bwgy", "G:lrl", "F:brrb", "T:bwr",                    // 152..159
    "V:byr", "H:llyg", "H:wbr", "K:rn", "H:wl", "D:ly", "G:gkr", "T:rgyg",                          // 160..167
    "V:byg", "V:gyr*g", "H:gwb", "H:rbw", "G:byrwg", "H:rw", "H:rwk", "H:l*w",                      // 168..175
    "V:gomm", "H:byrryb", "T:grwk", "C:by", "P:rw", "H:gwrrwg*y", "H:rwg", "H:rwbbwr",              // 176..183
    "H:rwr", "K:rb", "G:gkb", "K:gygygr", "K:rw", "G:rwkwr", "D:rw", "Q:mg",                        // 184..191
    "H:r*w", "H:by", "H:kyrkyr", "K:wlwlwlwlwy", "H:lwg", "T:krg", "H:ybr", "H:r*y",                // 192..199
    "V:gggrko", "T:wgyrkryg", "D:wg",                                                               // 200..202
};

// Designs by state index (AC, AL, AM, AP, BA, CE, DF, ES, GO, MA, MG, MS, MT, PA, PB, PE, PI, PR,
// RJ, RN, RO, RR, RS, SC, SE, SP, TO).
constexpr std::array<std::string_view, kNumEstados> kDesenhosEstados = {
    "G:yg*r", "V:rwb", "K:wrwb", "H:bgy", "K:wrwrwb", "R:gyw", "H:wgw", "H:bwr", "K:gygygygyb",
    "K:rwkwrwkwrb", "A:wr", "G:wlg", "R:bwg", "G:rwr*b", "V:krr", "H:bw*y", "K:gygyb", "G:gwg",
    "F:bwwb", "H:gw", "H:yg", "G:bwg", "G:gry", "H:rwr", "K:gygygb", "K:kwkwkwkwkwkwkr", "G:ywb"};

uint32_t cor(char c) {
    switch (c) {
        case 'w': return 0xFFFFFF;
        case 'r': return 0xCE1126;
        case 'b': return 0x0038A8;
        case 'n': return 0x00247D;
        case 'l': return 0x75AADB;
        case 'g': return 0x007A3D;
        case 'y': return 0xFCD116;
        case 'k': return 0x111111;
        case 'o': return 0xFF8200;
        case 'm': return 0x8D1B3D;
        case 'c': return 0x00A0B0;
        default: return 0xB4B4B4;
    }
}

// Whether (x, y) lies inside a five-pointed star centred at (cx, cy) with outer radius r.
bool naestrela(double x, double y, double cx, double cy, double r) {
    std::array<double, 20> v{};
    for (int i = 0; i < 10; ++i) {
        const double raio = i % 2 == 0 ? r : r * 0.42;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        v[static_cast<size_t>(2 * i)] = cx + raio * std::cos(a);
        v[static_cast<size_t>(2 * i + 1)] = cy + raio * std::sin(a);
    }
    bool dentro = false;
    for (int i = 0, j = 9; i < 10; j = i++) {
        const double xi = v[static_cast<size_t>(2 * i)], yi = v[static_cast<size_t>(2 * i + 1)];
        const double xj = v[static_cast<size_t>(2 * j)], yj = v[static_cast<size_t>(2 * j + 1)];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) dentro = !dentro;
    }
    return dentro;
}

}  // namespace

fs::path arquivobandeira(const fs::path& raiz, int pais) {
    return raiz / "img" / "bandeiras" / (std::to_string(pais) + ".bmp");
}

fs::path arquivobandeiraestado(const fs::path& raiz, int estado) {
    return raiz / "img" / "bandeiras" / "estados" / (std::string(siglaestado(estado)) + ".bmp");
}

std::string_view desenhopais(int pais) {
    return pais >= 0 && pais < kNumPaises ? kDesenhosPaises[static_cast<size_t>(pais)] : std::string_view{};
}

std::string_view desenhoestado(int estado) {
    return estado >= 0 && estado < kNumEstados ? kDesenhosEstados[static_cast<size_t>(estado)] : std::string_view{};
}

TImagem desenhabandeira(std::string_view desenho, int W, int H) {
    TImagem img;
    if (W <= 0 || H <= 0 || desenho.size() < 3 || desenho[1] != ':') return img;
    const char padrao = desenho[0];
    std::string cores(desenho.substr(2));
    char estrela = 0;
    if (const size_t p = cores.find('*'); p != std::string::npos) {
        if (p + 1 < cores.size()) estrela = cores[p + 1];
        cores.resize(p);
    }
    if (cores.empty()) return img;
    const auto n = static_cast<int>(cores.size());
    auto c = [&](int i) { return cores[static_cast<size_t>(std::min(i, n - 1))]; };
    img.largura = W;
    img.altura = H;
    img.pixels.assign(static_cast<size_t>(W) * H, 0);
    const double largura = W, altura = H;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double fx = (x + 0.5) / largura, fy = (y + 0.5) / altura;
            const int faixa = std::min(n - 1, static_cast<int>(fy * n));
            char k = c(0);
            switch (padrao) {
                case 'H': k = c(faixa); break;
                case 'V': k = c(std::min(n - 1, static_cast<int>(fx * n))); break;
                case 'C': {  // the cross sits towards the hoist
                    const double dx = std::abs(fx - 0.36) * largura, dy = std::abs(fy - 0.5) * altura;
                    const double meia = altura * 0.12;
                    if (dx < meia || dy < meia) k = c(1);
                    if (n > 2 && (dx < meia / 2 || dy < meia / 2)) k = c(2);
                    break;
                }
                case 'P': {
                    const double dx = std::abs(fx - 0.5) * largura, dy = std::abs(fy - 0.5) * altura;
                    if (dx < altura * 0.12 || dy < altura * 0.12) k = c(1);
                    break;
                }
                case 'X':
                    if (std::abs(fx - fy) < 0.12 || std::abs(fx + fy - 1) < 0.12) k = c(1);
                    break;
                case 'D': {
                    const double dx = (fx - 0.5) * largura, dy = (fy - 0.5) * altura;
                    if (dx * dx + dy * dy < altura * altura * 0.09) k = c(1);
                    break;
                }
                case 'R': {
                    const double dx = std::abs(fx - 0.5), dy = std::abs(fy - 0.5);
                    if (dx / 0.42 + dy / 0.40 <= 1) k = c(1);
                    const double px = (fx - 0.5) * largura, py = (fy - 0.5) * altura;
                    if (n > 2 && px * px + py * py < altura * altura * 0.05) k = c(2);
                    break;
                }
                case 'T':
                    k = n > 1 ? c(1 + std::min(n - 2, static_cast<int>(fy * (n - 1)))) : c(0);
                    if (fx < 0.4 * (1 - std::abs(2 * fy - 1))) k = c(0);
                    break;
                case 'Q':
                    k = fx < 0.3 || n == 1 ? c(0) : c(1 + std::min(n - 2, static_cast<int>(fy * (n - 1))));
                    break;
                case 'K':
                    k = n > 1 ? c(std::min(n - 2, static_cast<int>(fy * (n - 1)))) : c(0);
                    if (fx < 0.42 && fy < 0.52) k = c(n - 1);
                    break;
                case 'A':
                    if (n > 1 && naestrela(x + 0.5, y + 0.5, largura * 0.2, altura * 0.3, altura * 0.22)) k = c(1);
                    break;
                case 'G': k = c(std::min(n - 1, static_cast<int>((fx + 1 - fy) / 2 * n))); break;
                case 'F': k = c((fx < 0.5 ? 0 : 1) + (fy < 0.5 ? 0 : 2)); break;
                default: break;
            }
            if (estrela && naestrela(x + 0.5, y + 0.5, largura / 2, altura / 2, altura * 0.3)) k = estrela;
            uint32_t rgb = cor(k);
            // A thin dark edge keeps white flags visible on white rows.
            if (x == 0 || y == 0 || x == W - 1 || y == H - 1) rgb = 0x505050;
            img.pixels[static_cast<size_t>(y) * W + x] = 0xFF000000u | rgb;
        }
    return img;
}

TImagem desenhafundo(int numero) {
    // Mown grass: wide stripes of two soft greens with a little speckle, pale enough for text.
    constexpr int kLado = 64;
    TImagem img;
    img.largura = kLado;
    img.altura = kLado;
    img.pixels.resize(static_cast<size_t>(kLado) * kLado);
    const int base = numero == 2 ? 0 : 8;
    uint32_t semente = numero == 2 ? 0x9E3779B9u : 0x85EBCA6Bu;
    for (int y = 0; y < kLado; ++y)
        for (int x = 0; x < kLado; ++x) {
            semente = semente * 1664525u + 1013904223u;
            const int ruido = static_cast<int>((semente >> 24) % 7) - 3;
            const bool clara = (x / 16) % 2 == 0;
            const int r = (clara ? 206 : 196) - base + ruido;
            const int g = (clara ? 230 : 222) - base / 2 + ruido;
            const int b = (clara ? 196 : 186) - base + ruido;
            img.pixels[static_cast<size_t>(y) * kLado + x] =
                0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
        }
    return img;
}

std::vector<uint8_t> codificabmp(const TImagem& img) {
    if (img.vazia()) return {};
    const int linha = (img.largura * 3 + 3) / 4 * 4;
    const uint32_t dados = static_cast<uint32_t>(linha) * static_cast<uint32_t>(img.altura);
    const uint32_t total = 54 + dados;
    std::vector<uint8_t> b(total, 0);
    auto p16 = [&](size_t o, uint32_t v) {
        b[o] = static_cast<uint8_t>(v);
        b[o + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto p32 = [&](size_t o, uint32_t v) {
        p16(o, v & 0xFFFF);
        p16(o + 2, v >> 16);
    };
    b[0] = 'B';
    b[1] = 'M';
    p32(2, total);
    p32(10, 54);
    p32(14, 40);
    p32(18, static_cast<uint32_t>(img.largura));
    p32(22, static_cast<uint32_t>(img.altura));
    p16(26, 1);
    p16(28, 24);
    p32(34, dados);
    p32(38, 2835);
    p32(42, 2835);
    for (int y = 0; y < img.altura; ++y) {
        const size_t o = 54 + static_cast<size_t>(img.altura - 1 - y) * static_cast<size_t>(linha);  // bottom-up
        for (int x = 0; x < img.largura; ++x) {
            uint32_t px = img.pixel(x, y);
            if ((px >> 24) == 0) px = 0xFFFFFF;
            b[o + static_cast<size_t>(x) * 3] = static_cast<uint8_t>(px);
            b[o + static_cast<size_t>(x) * 3 + 1] = static_cast<uint8_t>(px >> 8);
            b[o + static_cast<size_t>(x) * 3 + 2] = static_cast<uint8_t>(px >> 16);
        }
    }
    return b;
}

}  // namespace tarvello
