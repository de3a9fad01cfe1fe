#include <algorithm>
#include <array>

#include "database/arquivos.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

constexpr int kAmericaSul[] = {11, 26, 29, 42, 46, 60, 131, 150, 151, 195, 198};
constexpr int kAfrica[] = {1,   5,   10,  23,  28,  32,  33,  35,  36,  47,  50,  55,  57,  61,
                           67,  109, 113, 116, 117, 123, 126, 127, 129, 130, 133, 137, 140, 141,
                           156, 157, 161, 169, 170, 172, 175, 177, 178, 190, 194, 200, 201};
constexpr int kAsia[] = {0,   9,   18,  19,  30,  34,  37,  39,  41,  43,  45,  48,  49,  59,  71,
                         87,  89,  95,  96,  98,  99,  107, 108, 111, 112, 115, 121, 124, 125, 132,
                         136, 138, 144, 146, 149, 155, 173, 174, 176, 182, 183, 185, 191, 196, 199};
constexpr int kAmericaNorte[] = {13, 17, 20, 22, 24, 38,  51,  53,  56,  58,  68,  77,  79, 80,
                                 84, 86, 90, 91, 93, 94, 106, 139, 147, 153, 158, 181, 189};
constexpr int kOceania[] = {14, 69, 143, 148, 163, 184, 197};

std::array<uint8_t, kNumPaises> montatabela() {
    std::array<uint8_t, kNumPaises> t{};
    for (int p : kAmericaSul) t[p] = 1;
    for (int p : kAfrica) t[p] = 2;
    for (int p : kAsia) t[p] = 3;
    for (int p : kAmericaNorte) t[p] = 4;
    for (int p : kOceania) t[p] = 5;
    return t;
}

}  // namespace

int confederacao(int pais, bool selecao) {
    static const std::array<uint8_t, kNumPaises> tabela = montatabela();
    if (!paisvalido(pais)) return 0;
    if (selecao && pais == 131) return 4;  // México plays its national-team qualifying up north
    return tabela[pais];
}

}  // namespace tarvello
