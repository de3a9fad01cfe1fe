#pragma once
// Small worlds for the match tests: clubs with full squads, a day being played, whole matches.
#include <string>
#include <vector>

#include "match/escalacao.h"
#include "match/interacao.h"
#include "match/simulacao.h"
#include "match/taticas.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/semana.h"

namespace tarvello::teste {

// Empties the whole match day, line-up rows included; the penalty draw a test installed stays.
inline void limpadiajogo(Mundo& m) {
    auto penalti = std::move(m.diajogo.sorteiopenalti);
    m.diajogo = TDiaJogo{};
    m.diajogo.sorteiopenalti = std::move(penalti);
}

struct Elenco {
    int forca = 60;
    int nivel = 10;
    int idade = 25;
    int goleiros = 2, laterais = 4, zagueiros = 4, meias = 6, atacantes = 4;
};

inline int criajogador(Mundo& m, int time, int posicao, int forca, int idade) {
    TJogador j{};
    j.nome.define("Jogador " + std::to_string(m.jogadores.size()));
    j.time = time;
    j.posicao = j.posicaooriginal = posicao;
    j.forca = forca;
    j.idade = idade;
    j.energia = 100;
    j.moral = 3;
    j.habilidade1 = posicao == kGoleiro ? 0 : 4 + static_cast<int>(m.jogadores.size() % 8);
    j.habilidade2 = posicao == kGoleiro ? 2 : 4 + static_cast<int>((m.jogadores.size() / 3) % 8);
    m.jogadores.push_back(j);
    return static_cast<int>(m.jogadores.size() - 1);
}

inline int criatime(Mundo& m, const Elenco& e = {}) {
    TTime t{};
    t.nome.define("Clube " + std::to_string(m.times.size()));
    t.estadio.define("Estádio " + std::to_string(m.times.size()));
    t.nivel = e.nivel;
    t.divisao = 1;
    t.tecnico = -1;
    t.linhaescalacao = -1;
    m.times.push_back(t);
    const int id = static_cast<int>(m.times.size() - 1);
    const int quantos[5] = {e.goleiros, e.laterais, e.zagueiros, e.meias, e.atacantes};
    for (int p = 0; p < 5; ++p)
        for (int i = 0; i < quantos[p]; ++i)
            criajogador(m, id, p, e.forca + (i % 3), e.idade + (i % 5));
    return id;
}

// A world on a league day with `n` clubs of the given squads.
inline Mundo mundo(int n, uint64_t semente = 7, const Elenco& e = {}) {
    Mundo m;
    m.aleatorio.semeia(semente);
    m.jogadores.push_back(TJogador{});
    m.jogadores[0].time = -1;
    m.estado.temporada = 1;
    m.estado.dataatual = 36;
    m.estado.competicaoatual = kLiga;
    for (int i = 0; i < n; ++i) criatime(m, e);
    limpadiajogo(m);
    return m;
}

// Lines up every club of the pairs as the computer does and puts the matches on the screen.
inline void preparadia(Mundo& m, const std::vector<std::pair<int, int>>& pares) {
    limpadiajogo(m);
    std::vector<int> clubes;
    for (auto [a, b] : pares) {
        clubes.push_back(a);
        clubes.push_back(b);
    }
    for (int t : clubes) {
        if (m.times[t].humano) {  // a human coach confirms the computer's choice
            m.times[t].humano = 0;
            escalatime(m, t);
            m.times[t].humano = 1;
            contadisponiveis(m, t);
        }
    }
    escalacomputador(m, clubes);
    preparatela(m);
    int i = 0;
    for (auto [a, b] : pares) preparajogo(m, a, b, i++);
}

// Players of a club at a natural position, in table order.
inline std::vector<int> daposicao(const Mundo& m, int time, int posicao) {
    std::vector<int> r;
    for (size_t i = 1; i < m.jogadores.size(); ++i)
        if (m.jogadores[i].time == time && m.jogadores[i].posicaooriginal == posicao)
            r.push_back(static_cast<int>(i));
    return r;
}

// A hand-made line-up: the given starters in order (goalkeepers go to slot 11), then the bench.
inline TEscalacao& escala(Mundo& m, int time, const std::vector<int>& titulares,
                          const std::vector<int>& banco = {}) {
    TEscalacao& r = novalinha(m, time);
    int slot = 1;
    for (int j : titulares) {
        const bool goleiro = m.jogadores[j].posicao == kGoleiro;
        escalajogador(m, time, j, goleiro ? kSlotGoleiro : slot);
        if (!goleiro) ++slot;
    }
    int b = kPrimeiroBanco;
    for (int j : banco) r[b++] = j;
    contadisponiveis(m, time);
    return *linhade(m, time);
}

// A 4-4-2 of the club's first players: keeper, two laterais, two zagueiros, four meio campos,
// two atacantes; the bench gets the next of each position.
inline TEscalacao& escala442(Mundo& m, int time) {
    auto g = daposicao(m, time, kGoleiro), l = daposicao(m, time, kLateral);
    auto z = daposicao(m, time, kZagueiro), mc = daposicao(m, time, kMeioCampo);
    auto a = daposicao(m, time, kAtacante);
    return escala(m, time, {l[0], l[1], z[0], z[1], mc[0], mc[1], mc[2], mc[3], a[0], a[1], g[0]},
                  {g[1], l[2], z[2], mc[4], a[2]});
}

// One match on the screen between two clubs lined up by hand; returns its slot.
inline int jogomanual(Mundo& m, int mandante, int visitante) {
    preparatela(m);
    return preparajogo(m, mandante, visitante, 0);
}

// Plays the screen minute by minute to the end.
inline void jogaexibido(Mundo& m, Interacao& ia) {
    iniciapartidas(m);
    while (minuto(m, ia) != EstadoMinuto::Fim) {
    }
}

// What the end of a match day does to the players between two days of these tests: energy
// recovered, positions back, flags cleared, the next date.
inline void proximodia(Mundo& m) {
    for (const auto& g : m.diajogo.jogos)
        for (size_t j = 1; j < m.jogadores.size(); ++j)
            if (m.jogadores[j].time == g.mandante || m.jogadores[j].time == g.visitante)
                recuperaenergia(m, static_cast<int>(j));
    for (auto& j : m.jogadores) j.posicao = j.posicaooriginal;
    encerradia(m);
    ++m.estado.dataatual;
}

}  // namespace tarvello::teste
