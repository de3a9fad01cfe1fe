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
