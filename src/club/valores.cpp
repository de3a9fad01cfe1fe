#include "club/valores.h"

#include <cstdint>

#include "database/arquivos.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

const TTime* clubede(const Mundo& m, const TJogador& j) {
    if (j.time < 0 || j.time >= static_cast<int>(m.times.size())) return nullptr;
    return &m.times[j.time];
}

}  // namespace

int calculapasse(const Mundo& m, int jogador) {
    if (jogador < 0 || jogador >= static_cast<int>(m.jogadores.size())) return 0;
    const TJogador& j = m.jogadores[jogador];
    const TTime* t = clubede(m, j);
    // The custom championship's country lies in no confederation and counts as Europe.
    const int g = t ? confederacao(t->pais, false) : 0;
    const int nivel = t ? t->nivel : 0;

    int base;
    if (g == 0) {
        base = nivel >= 22 ? 750 : nivel >= 20 ? 600 : nivel >= 18 ? 500 : nivel >= 12 ? 400 : 366;
    } else if (g == 1) {
        base = 366;
    } else if (g == 2 || g == 3) {
        base = 326;
    } else {
        base = 300;
    }

    if (j.estrela) {
        if (g == 0 && nivel >= 22) {
            base *= 3;
        } else if (g == 0 && nivel == 21) {
            base *= 2;
        } else {
            base += arredonda(base * 0.6);
        }
    }
    if (j.escalacao == 1) base += arredonda(base * 0.2);

    const int a = j.idade;
    if (a < 20) {
        base += (32 - a) * 27;
    } else if (a <= 25) {
        base += (32 - a) * (g == 0 ? 28 : 20);
    } else if (a <= 31) {
        base += (32 - a) * 15;
    } else if (a <= 33) {
        base += (35 - a) * 50;
    } else {
        base -= (a - 34) * 200;
        if (base <= 0) base = 100;
    }

    // The product is taken in 32-bit arithmetic; it stays far below the limit for any strength
    // the game produces, and wraps like the original arithmetic beyond it instead of being UB.
    const int64_t s2 = 2 * static_cast<int64_t>(j.forca);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(base) * s2 * s2));
}

int calculasalario(const Mundo& m, int jogador) {
    if (jogador < 0 || jogador >= static_cast<int>(m.jogadores.size())) return 0;
    const TJogador& j = m.jogadores[jogador];
    int porponto;
    if (j.time >= static_cast<int>(m.times.size())) {
        porponto = 1500;  // a national-team player
    } else {
        const TTime* t = clubede(m, j);
        const int caixa = t ? t->dinheiro : 0;
        porponto = caixa > 20'000'000 ? 1500 : caixa > 10'000'000 ? 1250 : 950;
    }
    const int base = j.forca * porponto;
    const int bonus = j.estrela ? j.forca * 100 : 0;
    if (j.idade < 32) return base + bonus;
    const int t = base - (j.idade - 32) * 500;
    return t > 0 ? t + bonus : 500;
}

}  // namespace tarvello
