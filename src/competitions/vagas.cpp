#include "competitions/vagas.h"

#include <array>

#include "database/arquivos.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

struct TVagas {
    int pais;
    int vagas;
};

// South America: the same places in both cups.
constexpr TVagas kAmericaSul[] = {
    {11, 4}, {29, 4},                                                // Argentina, Brasil
    {42, 3}, {46, 3}, {60, 3}, {131, 3}, {150, 3}, {195, 3},         // Chile, Colômbia, Equador, México, Paraguai, Uruguai
    {26, 2}, {151, 2}, {198, 2},                                     // Bolivia, Peru, Venezuela
};

constexpr TVagas kEuropaCopa1[] = {
    {65, 4}, {97, 4}, {104, 4},                                      // Espanha, Inglaterra, Itália
    {3, 3},  {72, 3},                                                // Alemanha, França
    {85, 2}, {154, 2},                                               // Holanda, Portugal
    {21, 1}, {62, 1}, {78, 1}, {159, 1}, {160, 1}, {162, 1}, {192, 1}, {193, 1},
    // Bélgica, Escócia, Grécia, Rep. Tcheca, Romênia, Rússia, Turquia, Ucrânia
};

constexpr TVagas kEuropaCopa2[] = {
    {3, 3},  {65, 3},  {72, 3},  {97, 3},  {104, 3},                 // Alemanha, Espanha, França, Inglaterra, Itália
    {85, 2}, {154, 2}, {162, 2}, {192, 2},                           // Holanda, Portugal, Rússia, Turquia
    {21, 1}, {62, 1},  {76, 1},  {78, 1},  {103, 1}, {142, 1}, {152, 1}, {160, 1}, {180, 1}, {193, 1},
    // Bélgica, Escócia, Georgia, Grécia, Israel, Noruega, Polônia, Romênia, Suiça, Ucrânia
};

template <size_t N>
int procura(const TVagas (&tabela)[N], int pais) {
    for (const TVagas& v : tabela)
        if (v.pais == pais) return v.vagas;
    return 0;
}

}  // namespace

int confederacaopais(int pais) {
    if (!paisvalido(pais)) return 0;
    // Clubs of these countries play in their own region, although their national teams are
    // filed under Europe.
    switch (pais) {
        case 73: case 74: case 75: case 81: case 82: case 83: case 186: case 187: case 188:
            return 2;  // Gabão, Gâmbia, Gana, the three Guinés, Tânzania, Togo, Tonga
        case 6: case 7: case 8: case 165: case 166: case 167: case 168:
            return 4;  // Anguilla, Antigua, Antilhas Holandesas, the four island nations of São/Santa
        default: return confederacao(pais, false);
    }
}

int confederacaocopas(int pais) {
    switch (confederacaopais(pais)) {
        case 1: return 1;
        case 0: return 2;
        default: return 0;
    }
}

int vagascontinentais(int pais, int copa, int confederacao) {
    if (confederacaocopas(pais) != confederacao) return 0;
    if (confederacao == 1 && (copa == 1 || copa == 2)) return procura(kAmericaSul, pais);
    if (confederacao == 2 && copa == 1) return procura(kEuropaCopa1, pais);
    if (confederacao == 2 && copa == 2) return procura(kEuropaCopa2, pais);
    return 0;
}

}  // namespace tarvello
