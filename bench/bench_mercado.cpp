// What a national-league date's computer market adds to the day: the batches of transfer
// attempts after a league date of the sample world's biggest set-up (every league of a
// country with 42 or more clubs, four divisions of 10), beside the playing of that date.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "club/transferencias.h"
#include "database/gerador.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/mundo.h"
#include "newgame/novojogo.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

// The world on its first national-league date, or null when it could not be built.
const Mundo* mundonaliga() {
    static const std::unique_ptr<Mundo> m = [] {
        const fs::path d = fs::temp_directory_path() / "tarvello_bench_mercado";
        fs::remove_all(d);
        TMundoGerado g = geramundo(1);
        gravamundo(d, g);
        NovoJogo jogo(d, d / "sem_opcoes.ini", 7);
        jogo.lerbase();
        EscolhasJogo e;
        for (const TPaisOferecido& p : jogo.gradereal())
            if (p.clubes >= 42) e.paises.push_back(p.pais);
        e.sistemadisputa = 4;
        e.inter = e.inter3 = false;
        e.copamundo = e.eurocopa = e.copaamerica = false;
        e.numtecnicoshumanos = 0;
        if (!jogo.configura(e).empty() || !jogo.inicializa().empty()) return std::unique_ptr<Mundo>();
        jogo.primeiratela();
        auto w = jogo.entregamundo();
        InteracaoComputador ia;
        while (w->estado.competicaoatual != kLiga) {
            jogadatasemtela(*w, ia);
            if (continuar(*w, ia) == ProximaEtapa::FimTemporada) return std::unique_ptr<Mundo>();
        }
        // The clubs' fit counts as a played date leaves them.
        jogadatasemtela(*w, ia);
        return w;
    }();
    return m.get();
}

// The market of one league date (date 10: three attempts a batch, four for Brasil).
void MercadoDaRodada(benchmark::State& s) {
    const Mundo* inicial = mundonaliga();
    if (!inicial) {
        s.SkipWithError("o mundo de exemplo não carregou");
        return;
    }
    int movidos = 0;
    for (auto _ : s) {
        s.PauseTiming();
        auto m = std::make_unique<Mundo>(*inicial);
        s.ResumeTiming();
        movidos += mercadodarodada(*m, 10);
        s.PauseTiming();
        m.reset();
        s.ResumeTiming();
    }
    s.counters["ligas"] = static_cast<double>(inicial->ligas.size());
    s.counters["movidos"] = benchmark::Counter(movidos, benchmark::Counter::kAvgIterations);
}
BENCHMARK(MercadoDaRodada)->Unit(benchmark::kMicrosecond);

// The league date itself, played at once, for comparison.
void DiaDeLiga(benchmark::State& s) {
    const Mundo* inicial = mundonaliga();
    if (!inicial) {
        s.SkipWithError("o mundo de exemplo não carregou");
        return;
    }
    for (auto _ : s) {
        s.PauseTiming();
        auto m = std::make_unique<Mundo>(*inicial);
        InteracaoComputador ia;
        continuar(*m, ia);
        while (m->estado.competicaoatual != kLiga) {
            jogadatasemtela(*m, ia);
            continuar(*m, ia);
        }
        s.ResumeTiming();
        jogadatasemtela(*m, ia);
        s.PauseTiming();
        m.reset();
        s.ResumeTiming();
    }
}
BENCHMARK(DiaDeLiga)->Unit(benchmark::kMillisecond);

}  // namespace
