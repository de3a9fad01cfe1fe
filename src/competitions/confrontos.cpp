#include "competitions/confrontos.h"

#include <array>
#include <cstddef>

namespace tarvello {
namespace {

template <int N>
using Tabela = std::array<std::array<TParConfronto, N / 2>, N - 1>;

// Berger tables: round 1 pairs 1-n, 2-(n-1), ...; each next round moves every position but n
// on by n/2 places (mod n-1) and turns the pair holding n around, so n alternates home and away
// while always standing in the first slot.
template <int N>
constexpr Tabela<N> berger() {
    Tabela<N> t{};
    for (int s = 0; s < N / 2; ++s) t[0][s] = {s + 1, N - s};
    auto gira = [](int k) { return k == N ? N : ((k - 1 + N / 2) % (N - 1)) + 1; };
    for (int r = 1; r < N - 1; ++r) {
        for (int s = 0; s < N / 2; ++s) t[r][s] = {gira(t[r - 1][s].mandante), gira(t[r - 1][s].visitante)};
        t[r][0] = {t[r][0].visitante, t[r][0].mandante};
    }
    return t;
}

constexpr Tabela<20> kTabela20 = berger<20>();
constexpr Tabela<10> kTabela10 = berger<10>();
constexpr Tabela<6> kTabela6 = berger<6>();
// Groups of four do not follow the rotation: positions 1 and 4 host twice in a half.
constexpr Tabela<4> kTabela4 = {{{{{1, 2}, {3, 4}}}, {{{1, 3}, {4, 2}}}, {{{4, 1}, {2, 3}}}}};

static_assert(kTabela20[1][0].mandante == 20 && kTabela20[1][0].visitante == 11);
static_assert(kTabela20[18][9].mandante == 19 && kTabela20[18][9].visitante == 1);
static_assert(kTabela6[2][1].mandante == 3 && kTabela6[2][1].visitante == 1);

template <typename T>
TParConfronto consulta(const T& t, int rodada, int lado, int jogo) {
    const TParConfronto p = t[static_cast<size_t>(rodada - 1)][static_cast<size_t>(jogo - 1)];
    return lado == 1 ? p : TParConfronto{p.visitante, p.mandante};
}

}  // namespace

TParConfronto confronto20(int rodada, int lado, int jogo) { return consulta(kTabela20, rodada, lado, jogo); }
TParConfronto confronto10(int rodada, int lado, int jogo) { return consulta(kTabela10, rodada, lado, jogo); }
TParConfronto confronto6(int rodada, int lado, int jogo) { return consulta(kTabela6, rodada, lado, jogo); }
TParConfronto confronto4(int rodada, int lado, int jogo) { return consulta(kTabela4, rodada, lado, jogo); }

}  // namespace tarvello
