// The full load of a new game from the sample world: the summary scan, the league composition
// and the load of every club, coach, player and national team, as the loading screen runs it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "database/gerador.h"
#include "database/preparacao.h"
#include "newgame/carregamundo.h"
#include "newgame/escolhas.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

const fs::path& pastamundo() {
    static const fs::path p = [] {
        fs::path d = fs::temp_directory_path() / "tarvello_bench_carga";
        fs::remove_all(d);
        TMundoGerado g = geramundo(1);
        gravamundo(d, g);
        return d;
    }();
    return p;
}

// Brasil with its state championships, and three European leagues, in both league formats.
void CarregaMundo(benchmark::State& s) {
    EscolhasJogo e;
    e.paises = {29, 65, 97, 104};
    e.sistemadisputa = static_cast<int>(s.range(0));
    e.estaduais = true;
    e.numtecnicoshumanos = 0;
    size_t jogadores = 0;
    for (auto _ : s) {
        Mundo m;
        m.aleatorio.semeia(7);
        Preparacao p;
        lerresumos(p, pastamundo());
        if (!preparaligas(m, p, e).empty() || !carregamundo(m, p).ok()) {
            s.SkipWithError("o mundo de exemplo não carregou");
            return;
        }
        jogadores = m.jogadores.size();
        benchmark::DoNotOptimize(m.jogadores.data());
    }
    s.counters["jogadores"] = static_cast<double>(jogadores);
}
BENCHMARK(CarregaMundo)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
