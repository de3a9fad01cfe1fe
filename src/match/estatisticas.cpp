#include "match/estatisticas.h"

#include <algorithm>
#include <cmath>

#include "match/escalacao.h"
#include "match/forca.h"
#include "model/aleatorio.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

TJogos* jogovalido(Mundo& m, int jogo) {
    if (jogo < 1 || jogo > static_cast<int>(m.diajogo.jogos.size())) return nullptr;
    return &m.diajogo.jogos[static_cast<size_t>(jogo - 1)];
}

// Raw possession minutes as shown: a side with 14 minutes or fewer ends at 21..30%.
void ajustaposse(int r, int& h, int& a) {
    if (h <= 14) {
        a = 70 + r;
        h = 30 - r;
    } else if (a <= 14) {
        h = 70 + r;
        a = 30 - r;
    }
}

}  // namespace

int possemandante(int posse1, int posse2) {
    const long total = static_cast<long>(posse1) + posse2;
    return total > 0 ? static_cast<int>(posse1 * 100L / total) : 50;
}

void finalizaestatisticas(Mundo& m, int jogo) {
    TJogos* g = jogovalido(m, jogo);
    if (!g) return;
    for (int s = 0; s < 2; ++s) g->passeserrados[s] = arredonda(0.8 * g->posse[s]) - g->finalizacoes[s];
    for (int s = 0; s < 2; ++s) {
        if (g->finalizacoes[s] == 0) g->finalizacoes[s] = 1 + m.sorteia(2);
        // A penalty goal is scored without a shot being counted during the match.
        g->finalizacoes[s] = std::max(g->finalizacoes[s], g->gols[s]);
    }
    if (g->posse[0] < 15) {
        g->posse[1] = 70 + m.sorteia(10);
        g->posse[0] = 100 - g->posse[1];
    }
    if (g->posse[1] < 15) {
        g->posse[0] = 70 + m.sorteia(10);
        g->posse[1] = 100 - g->posse[0];
    }
    for (int s = 0; s < 2; ++s) g->roubadasbola[s] = arredonda(0.6 * g->roubadasbola[s]) + g->finalizacoes[s];
}

TEstatisticasIntervalo estatisticasintervalo(const TJogos& g, int sorteio) {
    TEstatisticasIntervalo r;
    int h = g.posse[0], a = g.posse[1];
    ajustaposse(std::clamp(sorteio, 0, 9), h, a);
    r.posse[0] = possemandante(h, a);
    r.posse[1] = 100 - r.posse[0];
    for (int s = 0; s < 2; ++s) {
        r.finalizacoes[s] = g.finalizacoes[s];
        r.roubadas[s] = arredonda(0.6 * g.roubadasbola[s]) + g.finalizacoes[s];
        r.passeserrados[s] = arredonda(0.8 * g.posse[s]) - g.finalizacoes[s];
        r.faltas[s] = g.faltas[s];
    }
    return r;
}

float calculanota(Mundo& m, int jogador, int jogo, int adversario, int proprio) {
    TJogos* g = jogovalido(m, jogo);
    if (!g || jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size()) || adversario < 1 ||
        adversario > 2 || proprio < 1 || proprio > 2)
        return 0;
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    const int o = proprio - 1, x = adversario - 1;
    const int s = j.posicao == j.posicaooriginal ? j.forca : arredonda(fatorimprovisado(j) * j.forca);
    const double b = s >= 1 && s <= 100 ? 0.5 * ((s + 4) / 5) : 0.0;

    double f = 5;
    if (g->gols[o] > g->gols[x]) f += 1;
    else if (g->gols[o] < g->gols[x]) f -= 1;
    if (j.posicao == kMeioCampo) {
        const bool volante = j.funcao == 0;
        if (g->posse[o] > g->posse[x]) f += volante ? 1.5 : 1;
        else if (g->posse[o] < g->posse[x]) f -= volante ? 1.5 : 1;
    }
    if (j.posicao < kAtacante) {
        const bool zagueiro = j.posicao == kZagueiro;
        if (g->roubadasbola[o] > g->ataques[x]) f += zagueiro ? 1 : 0.5;
        else if (g->roubadasbola[o] < g->ataques[x]) f -= zagueiro ? 1 : 0.5;
    }
    if (j.posicao == kGoleiro) {
        const int t = g->finalizacoes[x], gols = g->gols[x];
        f += t - gols < arredonda(0.8 * t) ? -1 : 1;
    }
    const double nota = std::max(0.0, f >= 4 ? b : b - 0.5);
    j.nota = static_cast<float>(nota);
    return j.nota;
}

void notasdojogo(Mundo& m, int jogo) {
    TJogos* g = jogovalido(m, jogo);
    if (!g) return;
    for (int lado = 1; lado <= 2; ++lado)
        if (const TEscalacao* r = linhade(m, g->time(lado)))
            for (int s = 1; s <= 11; ++s) {
                const int j = (*r)[s];
                if (j > 0) calculanota(m, j, jogo, 3 - lado, lado);
            }
    for (int lado = 1; lado <= 2; ++lado)
        for (int k = 0; k < g->nsubstituidos[lado - 1] && k < kMaxSaidasLista; ++k)
            calculanota(m, g->substituidos[lado - 1][k].jogador, jogo, 3 - lado, lado);
}

}  // namespace tarvello
