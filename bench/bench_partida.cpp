// Matches per second of the instant mode: one league day of ten matches, and a whole season of
// 38 days for 20 clubs, with the computer line-ups and energy recovery between days.
#include <benchmark/benchmark.h>

#include <string>

#include "match/escalacao.h"
#include "match/interacao.h"
#include "match/simulacao.h"
#include "match/taticas.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/semana.h"

using namespace tarvello;

namespace {

Mundo liga(int clubes, uint64_t semente) {
    Mundo m;
    m.aleatorio.semeia(semente);
    m.jogadores.push_back(TJogador{});
    m.jogadores[0].time = -1;
    m.estado.temporada = 1;
    m.estado.dataatual = 36;
    m.estado.competicaoatual = kLiga;
    const int porposicao[5] = {3, 4, 5, 7, 5};
    for (int t = 0; t < clubes; ++t) {
        TTime c{};
        c.nome.define("Clube " + std::to_string(t));
        c.divisao = 1;
        c.nivel = t % 26;
        c.linhaescalacao = -1;
        m.times.push_back(c);
        for (int p = 0; p < 5; ++p) {
            for (int i = 0; i < porposicao[p]; ++i) {
                TJogador j{};
                j.time = t;
                j.posicao = j.posicaooriginal = p;
                j.forca = 40 + t * 2 + i % 7;
                j.idade = 18 + (i * 5 + t) % 17;
                j.energia = 100;
                j.habilidade1 = p == 0 ? i % 4 : 4 + (i + t) % 10;
                j.habilidade2 = p == 0 ? (i + 1) % 4 : 4 + (i + 3) % 10;
                m.jogadores.push_back(j);
            }
        }
    }
    return m;
}

// One day: computer line-ups of every club, the matches of round `dia`, the instant play and
// the day's end.
void joga(Mundo& m, Interacao& ia, int dia) {
    const int n = static_cast<int>(m.times.size());
    encerradia(m);
    std::vector<int> clubes(n);
    for (int i = 0; i < n; ++i) clubes[i] = i;
    escalacomputador(m, clubes);
    preparatela(m);
    for (int i = 0; i < n / 2; ++i) {
        const int a = (i + dia) % n, b = (n - 1 - i + dia) % n;
        preparajogo(m, a, b, i);
    }
    simulainstantaneo(m, ia);
    for (size_t j = 1; j < m.jogadores.size(); ++j) recuperaenergia(m, static_cast<int>(j));
    encerradia(m);
}

void RodadaDeDezJogos(benchmark::State& s) {
    Mundo m = liga(20, 1);
    InteracaoComputador ia;
    int dia = 0;
    for (auto _ : s) joga(m, ia, dia++ % 19);
    s.counters["jogos/s"] = benchmark::Counter(10.0 * s.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(RodadaDeDezJogos)->Unit(benchmark::kMicrosecond);

void TemporadaDe38Rodadas(benchmark::State& s) {
    InteracaoComputador ia;
    uint64_t semente = 1;
    for (auto _ : s) {
        s.PauseTiming();
        Mundo m = liga(20, semente++);
        s.ResumeTiming();
        for (int dia = 0; dia < 38; ++dia) joga(m, ia, dia % 19);
        benchmark::DoNotOptimize(m.jogadores.data());
    }
    s.counters["jogos/s"] = benchmark::Counter(380.0 * s.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(TemporadaDe38Rodadas)->Unit(benchmark::kMillisecond);

}  // namespace
