#include "season/viraano.h"

#include <algorithm>

#include "club/avenda.h"
#include "club/dinheiroanual.h"
#include "club/elenco.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/registraevento.h"
#include "season/renovajogador.h"

namespace tarvello {

namespace {

bool temclube(const Mundo& m, const TJogador& j) { return j.time >= 0 && j.time < static_cast<int>(m.times.size()); }

// Slots 2..10 move to 1..9 and slot 10 is left empty: counters at 0, no clubs.
template <typename T, size_t N>
void desloca(T (&v)[N], T vazio) {
    std::move(v + 2, v + N, v + 1);
    v[N - 1] = vazio;
}

void deslocaclubes(int32_t (&c)[10][3]) {
    for (int s = 0; s < 9; ++s)
        for (int k = 0; k < 3; ++k) c[s][k] = c[s + 1][k];
    for (int k = 0; k < 3; ++k) c[9][k] = -1;
}

}  // namespace

void abreano(Mundo& m) {
    zerafinancasdoano(m);
    for (TTime& t : m.times) {
        t.confiancadiretoria = std::max(t.confiancadiretoria, 80);
        t.confiancatorcida = std::max(t.confiancatorcida, 80);
    }
    for (TTecnico& t : m.tecnicos) t.ofertaano = 1;
}

void zeratemporadajogadores(Mundo& m) {
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        TJogador& j = m.jogadores[i];
        if (!temclube(m, j)) continue;
        for (int k = 1; k < kNumCompeticoes; ++k) j.amarelos[k] = j.suspensao[k] = j.gols[k] = j.partidas[k] = 0;
        j.energia = 100;
    }
    reavaliajogadores(m);
}

void atualizaclubes(Mundo& m) {
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
        recontaelenco(m, t);
        novocapitao(m, t);
        novocobrador(m, t);
    }
}

bool aposenta(int idade, bool goleiro, int sorteio) {
    if (idade <= 35) return false;
    if (idade >= 49) return true;
    // Outfield players retire on a roll above the first number, goalkeepers on one at or above
    // the second.
    struct Faixa {
        int ate, linha, goleiro;
    };
    static constexpr Faixa kFaixas[] = {{36, 60, 71}, {38, 50, 61}, {40, 40, 51}, {42, 30, 36},
                                        {44, 20, 31}, {46, 10, 11}, {48, 3, 6}};
    for (const Faixa& f : kFaixas)
        if (idade <= f.ate) return goleiro ? sorteio >= f.goleiro : sorteio > f.linha;
    return true;
}

void envelhecejogadores(Mundo& m) {
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        TJogador& j = m.jogadores[i];
        if (!temclube(m, j)) continue;
        j.idade += 1;
        if (m.times[static_cast<size_t>(j.time)].humano) continue;
        j.avenda = 0;
        j.precovenda = 0;
        j.emprestado = 0;
        if (j.idade > 35 && aposenta(j.idade, j.posicaooriginal == kGoleiro, m.sorteia(100)))
            renovajogador(m, static_cast<int>(i), std::nullopt, -1);
    }
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t)
        if (!m.times[static_cast<size_t>(t)].humano) colocaavenda(m, t);
}

void novatemporadahistoricos(Mundo& m) {
    const bool desloca10 = m.estado.temporada > 10;
    const int s = slottemporada(m);
    if (desloca10) {
        for (size_t h = 1; h < m.historicos.size(); ++h) {
            THistoricoJogador& x = m.historicos[h];
            desloca(x.gols, 0);
            desloca(x.partidas, 0);
            desloca(x.amarelos, 0);
            desloca(x.vermelhos, 0);
            desloca(x.contusoes, 0);
            deslocaclubes(x.clubes);
        }
        for (TTecnico& t : m.tecnicos) {
            desloca(t.jogos, 0);
            desloca(t.vitorias, 0);
            desloca(t.derrotas, 0);
            desloca(t.pontosporano, 0);
            desloca(t.titulos, 0);
            deslocaclubes(t.clubes);
        }
    }
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        const TJogador& j = m.jogadores[i];
        if (!temclube(m, j) || j.historico <= 0 || j.historico >= static_cast<int>(m.historicos.size())) continue;
        int32_t(&c)[3] = m.historicos[static_cast<size_t>(j.historico)].clubes[s - 1];
        c[0] = j.time;
        c[1] = c[2] = -1;
    }
    for (TTecnico& t : m.tecnicos) {
        int32_t(&c)[3] = t.clubes[s - 1];
        c[0] = t.empregado && t.time >= 0 && t.time < static_cast<int>(m.times.size()) ? t.time : -1;
        c[1] = c[2] = -1;
    }
}

}  // namespace tarvello
