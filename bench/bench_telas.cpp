// The screens that must feel instant: building the main screen, and one clock tick (a minute of
// every match and the rows redrawn) of a match-day screen holding 30 matches.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

#include "../tests/apoio/mundopequeno.h"
#include "competitions/calendario.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "match/screens/partidas_tela.h"
#include "model/mundo.h"
#include "ui/tela_principal.h"

using namespace tarvello;

namespace {

// Three divisions of 20: a league round is 30 matches, all on one screen since a human club
// plays in the league.
std::unique_ptr<Mundo> mundo30() {
    auto m = std::make_unique<Mundo>(teste::mundoliga(2, 3));
    m->aleatorio = Aleatorio(3);
    m->estado.dataatual = 1;
    montacalendario(*m);
    montajogos(*m, kLiga, 0);
    proximadata(*m);
    const int humano = m->ligas[0].times[0][0];
    m->times[static_cast<size_t>(humano)].humano = 1;
    m->ligas[0].temhumano = 1;
    m->estado.numtecnicoshumanos = 1;
    m->estado.timedotecnico[0] = m->estado.timeatual = humano;
    m->estado.intervalohumano = m->estado.intervalocomputador = 100000;  // the benchmark ticks
    return m;
}

void ConstroiTelaPrincipal(benchmark::State& s) {
    auto m = mundo30();
    for (auto _ : s) {
        TelaPrincipal t(*m);
        t.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&t);
    }
}
BENCHMARK(ConstroiTelaPrincipal)->Unit(benchmark::kMillisecond);

void MinutoDeTrintaPartidas(benchmark::State& s) {
    std::unique_ptr<Mundo> m;
    std::unique_ptr<TelaPartidas> tela;
    InteracaoComputador ia;
    int minutos = 0;
    auto prepara = [&] {
        tela.reset();
        m = mundo30();
        comecadia(*m);
        tela = std::make_unique<TelaPartidas>(*m, ia);
        tela->show();
        tela->inicia();
        minutos = 0;
    };
    prepara();
    if (m->diajogo.jogos.size() != 30) {
        s.SkipWithError("a tela não tem 30 partidas");
        return;
    }
    for (auto _ : s) {
        if (++minutos > 40) {  // stay in the first half: no half-time window
            s.PauseTiming();
            prepara();
            s.ResumeTiming();
        }
        tela->tique();
        QApplication::processEvents();
    }
    s.counters["partidas"] = static_cast<double>(m->diajogo.jogos.size());
}
BENCHMARK(MinutoDeTrintaPartidas)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
