// Ten whole seasons of the sample world, headless, with state championships: the rollover keeps
// the leagues sound and the world neither collapses nor explodes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <set>

#include "../apoio/pastatemporaria.h"
#include "competitions/temporada.h"
#include "database/gerador.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/mundo.h"
#include "newgame/novojogo.h"

using namespace tarvello;

namespace {

struct Medias {
    double forca = 0, idade = 0;
};

Medias medias(const Mundo& m) {
    double f = 0, i = 0, n = 0;
    for (size_t j = 1; j < m.jogadores.size(); ++j)
        if (m.jogadores[j].time >= 0) {
            f += m.jogadores[j].forca;
            i += m.jogadores[j].idade;
            ++n;
        }
    return {f / n, i / n};
}

using Divisoes = std::vector<std::array<std::vector<int>, 4>>;  // per league, per division

Divisoes divisoes(const Mundo& m, bool tabela) {
    Divisoes r(m.ligas.size());
    for (size_t l = 0; l < m.ligas.size(); ++l)
        for (int d = 0; d < m.ligas[l].numdivisoes; ++d)
            for (int k = 0; k < 10; ++k)
                r[l][static_cast<size_t>(d)].push_back(tabela ? m.ligas[l].classificacao[d][k] : m.ligas[l].times[d][k]);
    return r;
}

}  // namespace

TEST(DezTemporadas, MundoDeExemploComEstaduais) {
    const auto pasta = teste::pastatemporaria("dez_temporadas");
    TMundoGerado g = geramundo(1);
    ASSERT_EQ(gravamundo(pasta, g), "");
    NovoJogo jogo(pasta, pasta / "nenhum.ini", 3);
    jogo.lerbase();
    EscolhasJogo e;
    e.paises = {11, 29};
    e.sistemadisputa = 4;
    e.numtecnicoshumanos = 0;
    e.estaduais = true;
    e.inter = e.inter3 = e.copamundo = e.eurocopa = e.copaamerica = false;
    ASSERT_EQ(jogo.configura(e), "");
    ASSERT_EQ(jogo.inicializa(), "");
    jogo.primeiratela();
    Mundo& m = jogo.mundo();
    InteracaoComputador ia;

    // A young first-division player whose career is followed season by season.
    int seguido = 0;
    for (size_t j = 1; j < m.jogadores.size() && !seguido; ++j)
        if (m.jogadores[j].idade <= 21 && m.jogadores[j].time == m.ligas[0].times[0][0]) seguido = static_cast<int>(j);
    ASSERT_GT(seguido, 0);
    std::vector<int> clubesdoseguido;

    std::vector<Medias> porTemporada;
    Divisoes finais;
    std::vector<std::set<int>> foradasdivisoes(m.ligas.size());
    for (int s = 1; s <= 10; ++s) {
        if (s > 1) {
            for (size_t l = 0; l < m.ligas.size(); ++l)
                for (size_t t = 0; t < m.times.size(); ++t)
                    if (m.times[t].divisao == 0 && m.times[t].pais == m.ligas[l].pais) foradasdivisoes[l].insert(static_cast<int>(t));
            proximatemporada(m);
            ASSERT_EQ(m.estado.temporada, s);
            // Promotion and relegation exactly as the final tables said: two up and two down
            // at every boundary, two in from outside and two out at the bottom.
            const Divisoes novas = divisoes(m, false);
            for (size_t l = 0; l < m.ligas.size(); ++l) {
                const int nd = m.ligas[l].numdivisoes;
                for (int d = 0; d < nd; ++d) {
                    const auto& antes = finais[l][static_cast<size_t>(d)];
                    std::set<int> esperado(antes.begin() + (d > 0 ? 2 : 0), antes.end() - 2);
                    if (d > 0) esperado.insert(finais[l][static_cast<size_t>(d - 1)].end() - 2, finais[l][static_cast<size_t>(d - 1)].end());
                    if (d + 1 < nd)
                        esperado.insert(finais[l][static_cast<size_t>(d + 1)].begin(), finais[l][static_cast<size_t>(d + 1)].begin() + 2);
                    const std::set<int> nova(novas[l][static_cast<size_t>(d)].begin(), novas[l][static_cast<size_t>(d)].end());
                    if (d + 1 < nd) {
                        EXPECT_EQ(nova, esperado) << "temporada " << s << " liga " << l << " divisão " << d + 1;
                    } else {
                        std::set<int> vindos;
                        std::set_difference(nova.begin(), nova.end(), esperado.begin(), esperado.end(),
                                            std::inserter(vindos, vindos.end()));
                        EXPECT_EQ(vindos.size(), 2u);
                        for (int t : vindos) EXPECT_TRUE(foradasdivisoes[l].count(t)) << t;
                    }
                }
            }
        }
        clubesdoseguido.push_back(m.jogadores[static_cast<size_t>(seguido)].time);
        do jogadatasemtela(m, ia);
        while (continuar(m, ia) != ProximaEtapa::FimTemporada);

        // Every league match played once: each ordered pair of a division exactly once.
        std::map<std::pair<int, int>, int> pares;
        for (const TPartida& p : m.partidas)
            if (p.competicao == kLiga) {
                EXPECT_TRUE(p.jogado);
                ++pares[{p.mandante, p.visitante}];
                EXPECT_EQ(m.times[static_cast<size_t>(p.mandante)].divisao, m.times[static_cast<size_t>(p.visitante)].divisao);
            }
        size_t divs = 0;
        for (const TLiga& l : m.ligas) divs += static_cast<size_t>(l.numdivisoes);
        EXPECT_EQ(pares.size(), divs * 90) << "temporada " << s;
        for (const auto& [par, n] : pares) EXPECT_EQ(n, 1);

        // Full divisions, no club twice.
        finais = divisoes(m, true);
        for (const auto& liga : finais) {
            std::set<int> vistos;
            for (const auto& d : liga) {
                if (d.empty()) continue;
                for (int t : d) {
                    EXPECT_GE(t, 0);
                    EXPECT_TRUE(vistos.insert(t).second) << "temporada " << s << " clube " << t;
                    EXPECT_EQ(m.times[static_cast<size_t>(t)].jogos[kLiga], 18);
                }
            }
        }
        porTemporada.push_back(medias(m));
    }

    // The world stays in a sensible band.
    for (size_t s = 0; s < porTemporada.size(); ++s) {
        std::printf("temporada %zu: força média %.2f, idade média %.2f\n", s + 1, porTemporada[s].forca,
                    porTemporada[s].idade);
        EXPECT_GT(porTemporada[s].forca, porTemporada[0].forca * 0.7);
        EXPECT_LT(porTemporada[s].forca, porTemporada[0].forca * 1.4);
        EXPECT_GT(porTemporada[s].idade, 22.0);
        EXPECT_LT(porTemporada[s].idade, 32.0);
    }

    // His history holds his club of every season, the newest in the tenth slot.
    const TJogador& p = m.jogadores[static_cast<size_t>(seguido)];
    ASSERT_GT(p.historico, 0);
    const THistoricoJogador& h = m.historicos[static_cast<size_t>(p.historico)];
    for (int s = 0; s < 10; ++s) EXPECT_EQ(h.clubes[s][0], clubesdoseguido[static_cast<size_t>(s)]) << "temporada " << s + 1;
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
}
