// Season-sized runs between clubs of different strengths: figures printed for the record and
// checked only against loose sanity bounds.
#include <gtest/gtest.h>

#include <cstdio>

#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

struct Totais {
    int partidas = 0, gols = 0, mandante = 0, empates = 0, visitante = 0;
    int amarelos = 0, vermelhos = 0, contusoes = 0, faltas = 0, falta = 0, contra = 0;
    int golsfortes = 0, golsfracos = 0;
};

// Ten clubs from weak to strong play each other on 18 days, repeated with several seeds.
Totais temporadas(bool exibido, int sementes) {
    Totais t;
    InteracaoComputador ia;
    for (int s = 1; s <= sementes; ++s) {
        Mundo m = mundo(0, 1000 + s);
        for (int i = 0; i < 10; ++i) criatime(m, Elenco{.forca = 40 + 5 * i, .nivel = 8 + i});
        for (int dia = 0; dia < 18; ++dia) {
            std::vector<std::pair<int, int>> pares;
            for (int i = 0; i < 5; ++i) {
                int a = (i + dia) % 10, b = (9 - i + dia) % 10;
                if (dia % 2) std::swap(a, b);
                pares.push_back({a, b});
            }
            preparadia(m, pares);
            if (exibido) jogaexibido(m, ia);
            else simulainstantaneo(m, ia);
            for (const auto& g : m.diajogo.jogos) {
                ++t.partidas;
                t.gols += g.gols[0] + g.gols[1];
                if (g.gols[0] > g.gols[1]) ++t.mandante;
                else if (g.gols[0] == g.gols[1]) ++t.empates;
                else ++t.visitante;
                t.faltas += g.faltas[0] + g.faltas[1];
                for (int lado = 1; lado <= 2; ++lado) {
                    if (g.time(lado) >= 5) t.golsfortes += g.gols[lado - 1];
                    else t.golsfracos += g.gols[lado - 1];
                }
            }
            for (const auto& e : m.diajogo.eventos) {
                if (e.tipo == kEvAmarelo) ++t.amarelos;
                if (e.tipo == kEvSegundoAmarelo) { ++t.amarelos; ++t.vermelhos; }
                if (e.tipo == kEvVermelhoDireto) ++t.vermelhos;
                if (e.tipo == kEvContusao) ++t.contusoes;
                if (e.tipo == kEvGolFalta) ++t.falta;
                if (e.tipo == kEvGolContra) ++t.contra;
            }
            proximodia(m);
        }
    }
    return t;
}

void imprime(const char* nome, const Totais& t) {
    const double n = t.partidas;
    std::printf("%s: %d partidas, gols/partida %.2f, mandante %.1f%% empate %.1f%% visitante %.1f%%, "
                "amarelos %.2f vermelhos %.3f contusões %.3f faltas %.1f gols de falta %.3f contra %.3f "
                "(gols dos fortes %d, dos fracos %d)\n",
                nome, t.partidas, t.gols / n, 100 * t.mandante / n, 100 * t.empates / n,
                100 * t.visitante / n, t.amarelos / n, t.vermelhos / n, t.contusoes / n, t.faltas / n,
                t.falta / n, t.contra / n, t.golsfortes, t.golsfracos);
}

void confere(const Totais& t) {
    const double n = t.partidas;
    EXPECT_GT(t.gols / n, 0.8);
    EXPECT_LT(t.gols / n, 6.0);
    EXPECT_GT(t.mandante, t.visitante);
    EXPECT_GT(t.empates / n, 0.05);
    EXPECT_GT(t.amarelos / n, 0.05);
    EXPECT_LT(t.amarelos / n, 8.0);
    EXPECT_LT(t.vermelhos / n, 1.0);
    EXPECT_GT(t.contusoes / n, 0.01);
    EXPECT_LT(t.contusoes / n, 2.0);
    EXPECT_GT(t.golsfortes, t.golsfracos);
}

}  // namespace

TEST(Plausibilidade, ModoInstantaneo) {
    const Totais t = temporadas(false, 30);
    imprime("instantâneo", t);
    confere(t);
}

TEST(Plausibilidade, ModoExibido) {
    const Totais t = temporadas(true, 10);
    imprime("exibido", t);
    confere(t);
}
