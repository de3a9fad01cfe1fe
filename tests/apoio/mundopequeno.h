#pragma once
// Small worlds for the rule tests: a few clubs with squads, built in a few lines.
#include <string>

#include "model/mundo.h"

namespace tarvello::teste {

// `numtimes` clubs with `porclube` players each (positions cycling goalkeeper first), all
// computer-run, season 1 on date `data`.
inline Mundo mundopequeno(int numtimes, int porclube, int data = 36) {
    Mundo m;
    m.estado.temporada = 1;
    m.estado.dataatual = data;
    m.estado.sistemadisputa = 2;
    m.jogadores.emplace_back();  // placeholder entry 0
    m.jogadores[0].time = -1;
    for (int t = 0; t < numtimes; ++t) {
        TTime time{};
        time.nome.define("Clube " + std::to_string(t));
        time.tecnico = t;
        time.moraltime = 2;
        time.confiancatorcida = 80;
        time.confiancadiretoria = 80;
        m.times.push_back(time);
        m.financas.emplace_back();
        TTecnico tec{};
        tec.nome.define("Técnico " + std::to_string(t));
        tec.time = t;
        m.tecnicos.push_back(tec);
        for (int k = 0; k < porclube; ++k) {
            TJogador j{};
            j.nome.define("Jogador " + std::to_string(t) + "-" + std::to_string(k));
            j.time = t;
            j.idade = 24;
            j.posicaooriginal = j.posicao = k == 0 ? 0 : 1 + (k - 1) % 4;
            j.forca = 50;
            j.energia = 100;
            j.moral = 2;
            j.salario = 1000;
            j.contratoate = 1e6;
            m.jogadores.push_back(j);
            m.financas[t].salariosemanal += j.salario;
        }
        m.times[t].numjogadores = porclube;
    }
    return m;
}

inline int primeirojogador(const Mundo& m, int time) {
    for (size_t i = 1; i < m.jogadores.size(); ++i)
        if (m.jogadores[i].time == time) return static_cast<int>(i);
    return 0;
}

}  // namespace tarvello::teste

namespace tarvello::teste {

// `numligas` played leagues of `divisoes` divisions each in the given system (2: 20 clubs,
// 4: 10 clubs), 18 players a club, stadiums and prices set, every club computer-run. Calendar
// and fixtures are left to the caller.
inline Mundo mundoliga(int sistema, int divisoes, int numligas = 1) {
    const int porDivisao = sistema == 2 ? 20 : 10;
    const int porLiga = porDivisao * divisoes;
    Mundo m = mundopequeno(porLiga * numligas, 18, 1);
    m.estado.sistemadisputa = sistema;
    m.estado.rodadaliga = m.estado.turnoliga = 1;
    m.estado.numclubesliga = porLiga * numligas;
    m.precospadrao = precospadraoiniciais(sistema);
    for (int l = 0; l < numligas; ++l) {
        TLiga liga{};
        for (auto& d : liga.times)
            for (auto& t : d) t = -1;
        for (auto& d : liga.classificacao)
            for (auto& t : d) t = -1;
        liga.pais = 29 + l;
        liga.numdivisoes = divisoes;
        liga.numclubes = porLiga;
        for (int k = 0; k < porLiga; ++k) {
            const int t = l * porLiga + k;
            const int d = k / porDivisao;
            liga.times[d][k % porDivisao] = t;
            liga.classificacao[d][k % porDivisao] = t;
            TTime& c = m.times[t];
            c.pais = liga.pais;
            c.divisao = d + 1;
            c.nivel = 20 - d * 4 - (k % porDivisao) / 4;
            c.dinheiro = 1000000;
            c.estadio.define("Estádio " + std::to_string(t));
            const int cap[4] = {8000, 20000, 3000, 400};
            for (int s = 0; s < 4; ++s) {
                c.capacidade[s] = cap[s];
                c.precoingresso[s] = m.precospadrao[d + 1][s];
            }
        }
        m.ligas.push_back(liga);
    }
    int k = 0;
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        TJogador& j = m.jogadores[i];
        j.forca = 30 + (k++ % 40);
        j.idade = 18 + static_cast<int>(i % 20);
        j.habilidade1 = static_cast<int>(i % 14);
        j.habilidade2 = static_cast<int>((i / 3) % 14);
    }
    return m;
}

}  // namespace tarvello::teste
