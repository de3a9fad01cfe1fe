#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../apoio/mundopequeno.h"
#include "club/elenco.h"
#include "competitions/calendario.h"
#include "competitions/jogosdatemporada.h"
#include "competitions/temporada.h"
#include "model/datas.h"
#include "season/registraevento.h"
#include "season/renovajogador.h"
#include "season/viraano.h"

using namespace tarvello;
using tarvello::teste::mundoliga;
using tarvello::teste::mundopequeno;
using tarvello::teste::primeirojogador;

namespace {

void comhistorico(Mundo& m) {
    m.historicos.assign(1, THistoricoJogador{});
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        THistoricoJogador h{};
        for (auto& s : h.clubes)
            for (int& c : s) c = -1;
        h.clubes[0][0] = m.jogadores[i].time;
        m.historicos.push_back(h);
        m.jogadores[i].historico = static_cast<int32_t>(m.historicos.size() - 1);
    }
}

int regional(Mundo& m, int pais) {
    TTime c{};
    c.nome.define("Regional " + std::to_string(m.times.size()));
    c.pais = pais;
    c.nivel = 10;
    c.tecnico = -1;
    m.times.push_back(c);
    m.financas.emplace_back();
    return static_cast<int>(m.times.size()) - 1;
}

}  // namespace

TEST(RenovaJogador, JuvenilDoMesmoClube) {
    Mundo m = mundopequeno(1, 3);
    comhistorico(m);
    m.times[0].humano = 1;
    const int j = primeirojogador(m, 0) + 1;  // a lateral
    TJogador& p = m.jogadores[static_cast<size_t>(j)];
    p.idade = 38;
    p.forca = 70;
    p.habilidade1 = 6;
    p.habilidade2 = 10;
    p.gols[kLiga] = 9;
    m.historicos[static_cast<size_t>(p.historico)].gols[0] = 120;
    std::set<int> idades;
    for (int k = 0; k < 200; ++k) {
        renovajogador(m, j);  // keeps name and position: the characteristics stay
        EXPECT_GE(p.idade, 17);
        EXPECT_LE(p.idade, 20);
        EXPECT_GE(p.forca, 2);
        EXPECT_LE(p.forca, 14);  // a human club's youngster
        EXPECT_EQ(p.posicaooriginal, 1);
        EXPECT_EQ(p.habilidade1, 6);
        EXPECT_EQ(p.habilidade2, 10);
        idades.insert(p.idade);
    }
    EXPECT_EQ(idades.size(), 4u);
    EXPECT_EQ(p.gols[kLiga], 0);
    EXPECT_EQ(p.time, 0);
    EXPECT_EQ(p.energia, 100);
    EXPECT_EQ(p.moral, 3);
    const THistoricoJogador& h = m.historicos[static_cast<size_t>(p.historico)];
    EXPECT_EQ(h.gols[0], 0);
    EXPECT_EQ(h.clubes[0][0], 0);

    // Another position: the characteristics are drawn for it; a name replaces the old one.
    std::set<std::pair<int, int>> pares;
    for (int k = 0; k < 200; ++k) {
        renovajogador(m, j, std::string("Novo Nome Muito Comprido Demais"), 4);
        pares.insert({p.habilidade1, p.habilidade2});
    }
    EXPECT_EQ(p.nome.utf8(), "Novo Nome Muito Comp");
    EXPECT_EQ(p.posicao, 4);
    EXPECT_EQ(pares, (std::set<std::pair<int, int>>{{9, 5}, {13, 9}, {8, 9}}));

    // A strong computer club's youngsters start at 10 or more.
    m.times[0].humano = 0;
    m.times[0].nivel = 22;
    for (int k = 0; k < 100; ++k) {
        renovajogador(m, j);
        EXPECT_GE(p.forca, 10);
        EXPECT_LE(p.forca, 18);
    }
}

TEST(ViraAno, HistoricosDeslocamUmaVez) {
    Mundo m = mundopequeno(2, 2);
    comhistorico(m);
    m.tecnicos[0].empregado = 1;
    const int j = primeirojogador(m, 0);
    THistoricoJogador& h = m.historicos[static_cast<size_t>(m.jogadores[j].historico)];
    // Seasons 2..10 written into their own slots, one club each.
    for (int t = 2; t <= 10; ++t) {
        m.estado.temporada = t;
        novatemporadahistoricos(m);
        m.jogadores[j].time = t % 2;
        registraevento(m, j, t % 2, "time");
        h.gols[t] = t;
    }
    EXPECT_EQ(h.clubes[9][0], 1);  // the club he started season 10 with
    EXPECT_EQ(h.clubes[9][1], 0);  // and the one he joined
    // Season 11: slot 1 drops out, slot 10 is the new season.
    m.estado.temporada = 11;
    novatemporadahistoricos(m);
    EXPECT_EQ(h.gols[1], 2);
    EXPECT_EQ(h.gols[9], 10);
    EXPECT_EQ(h.gols[10], 0);
    EXPECT_EQ(h.clubes[8][0], 1);
    EXPECT_EQ(h.clubes[8][1], 0);
    EXPECT_EQ(h.clubes[9][0], m.jogadores[j].time);
    EXPECT_EQ(h.clubes[9][1], -1);
    EXPECT_EQ(slottemporada(m), 10);
    EXPECT_EQ(m.tecnicos[0].clubes[9][0], 0);
    EXPECT_EQ(m.tecnicos[1].clubes[9][0], -1);  // not employed
}

TEST(ViraTemporada, SegundaTemporada) {
    for (bool estaduais : {false, true}) {
        Mundo m = mundoliga(4, 2);
        comhistorico(m);
        m.estado.ckestadual = estaduais ? 1 : 0;
        m.estado.ckcopa = 0;
        m.estado.ckinter = 1;
        m.estado.faseestadual = 8;
        montacalendario(m);
        auto continental = [&] {
            return std::any_of(m.calendario.begin(), m.calendario.end(),
                               [](const TDiaCalendario& d) { return d.competicao == kContinental1; });
        };
        EXPECT_FALSE(continental());
        montajogosdatemporada(m);
        const int humano = m.ligas[0].times[1][9];  // last of division 2
        m.times[static_cast<size_t>(humano)].humano = 1;
        m.estado.numtecnicoshumanos = 1;
        m.estado.timedotecnico[0] = humano;
        const int r1 = regional(m, m.ligas[0].pais);
        const int r2 = regional(m, m.ligas[0].pais);
        for (TTime& t : m.times) t.pontos[kLiga] = 7;
        std::vector<int> idades;
        for (const TJogador& j : m.jogadores) idades.push_back(j.idade);

        EXPECT_EQ(viratemporada(m), 1);
        EXPECT_EQ(m.estado.temporada, 2);
        EXPECT_EQ(decodificadata(m.calendario[0].data).ano, 2009);
        EXPECT_TRUE(continental());  // the continental dates exist from the second season
        EXPECT_EQ(m.estado.rodadaliga, 1);
        EXPECT_FALSE(m.ligaencerrada);
        EXPECT_EQ(m.times[0].pontos[kLiga], 0);
        // A year older, or retired (over 35) and replaced by a youngster.
        for (size_t i = 1; i < m.jogadores.size(); ++i) {
            const int agora = m.jogadores[i].idade;
            EXPECT_TRUE(agora == idades[i] + 1 || (idades[i] + 1 > 35 && agora <= 20)) << i;
            EXPECT_EQ(m.jogadores[i].energia, 100);
        }
        // State championships off: nothing of theirs is touched or scheduled.
        if (!estaduais) {
            EXPECT_EQ(m.estado.faseestadual, 8);
        }
        int liga = 0;
        for (const TPartida& p : m.partidas) {
            EXPECT_NE(p.competicao, kEstadual);
            liga += p.competicao == kLiga;
        }
        EXPECT_EQ(liga, 2 * 90);
        // The club relegated out of the divisions loses its coach when the season starts.
        EXPECT_EQ(m.times[static_cast<size_t>(humano)].divisao, 0);
        EXPECT_EQ(m.times[static_cast<size_t>(r1)].divisao, 2);
        EXPECT_EQ(m.times[static_cast<size_t>(r2)].divisao, 2);
        const TInicioTemporada inicio = iniciatemporada(m);
        EXPECT_EQ(inicio.demitidos, std::vector<int>{humano});
        EXPECT_GT(m.estado.dataatual, 1);
        EXPECT_NE(m.estado.competicaoatual, kSemJogos);
        // Every division full, no club twice.
        std::set<int> vistos;
        for (int d = 0; d < 2; ++d)
            for (int k = 0; k < 10; ++k) EXPECT_TRUE(vistos.insert(m.ligas[0].times[d][k]).second);
        // New season's money: a computer club of division 1 gets a fresh budget.
        const int c1 = m.ligas[0].times[0][0];
        EXPECT_GE(m.times[static_cast<size_t>(c1)].dinheiro, estaduais ? 12000000 : 10000000);
        EXPECT_EQ(m.historicos[static_cast<size_t>(m.jogadores[1].historico)].clubes[1][0], m.jogadores[1].time);
    }
}
