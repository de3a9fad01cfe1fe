// A whole first season of the sample world's biggest set-up (every league of a country with 42
// or more clubs, four divisions of 10, national cups and Brazilian state championships), every
// club run by the computer and every match played at once: the match days of a whole world.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

#include "database/gerador.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/mundo.h"
#include "newgame/novojogo.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

// The sample world, written once.
const fs::path& pastadados() {
    static const fs::path d = [] {
        const fs::path p = fs::temp_directory_path() / "tarvello_bench_temporada";
        fs::remove_all(p);
        TMundoGerado g = geramundo(1);
        gravamundo(p, g);
        return p;
    }();
    return d;
}

// The initialised world with the first `ligas` of those leagues (0 = all), or null when the
// sample world could not be built.
std::unique_ptr<Mundo> criamundo(size_t ligas) {
    const fs::path& d = pastadados();
    NovoJogo jogo(d, d / "sem_opcoes.ini", 7);
    jogo.lerbase();
    EscolhasJogo e;
    for (const TPaisOferecido& p : jogo.gradereal())
        if (p.clubes >= 42 && (ligas == 0 || e.paises.size() < ligas)) e.paises.push_back(p.pais);
    e.sistemadisputa = 4;
    e.copa = true;
    e.estaduais = ligas == 0;  // the curve compares leagues alone
    e.inter = e.inter3 = false;
    e.copamundo = e.eurocopa = e.copaamerica = false;
    e.numtecnicoshumanos = 0;
    if (!jogo.configura(e).empty() || !jogo.inicializa().empty()) return std::unique_ptr<Mundo>();
    jogo.primeiratela();
    return jogo.entregamundo();
}

const Mundo* mundoinicial(size_t ligas) {
    static std::map<size_t, std::unique_ptr<Mundo>> feitos;
    auto& m = feitos[ligas];
    if (!m) m = criamundo(ligas);
    return m.get();
}

void TemporadaInstantanea(benchmark::State& s) {
    const Mundo* inicial = mundoinicial(static_cast<size_t>(s.range(0)));
    if (!inicial || inicial->ligas.empty()) {
        s.SkipWithError("o mundo de exemplo não carregou");
        return;
    }
    size_t partidas = 0, datas = 0;
    for (auto _ : s) {
        s.PauseTiming();
        auto m = std::make_unique<Mundo>(*inicial);
        s.ResumeTiming();
        InteracaoComputador ia;
        datas = 0;
        do {
            comecadia(*m);
            jogadia(*m, ia);
            ++datas;
        } while (continuar(*m, ia) != ProximaEtapa::FimTemporada);
        partidas = m->partidas.size();
        s.PauseTiming();
        m.reset();
        s.ResumeTiming();
    }
    s.counters["ligas"] = static_cast<double>(inicial->ligas.size());
    s.counters["partidas"] = static_cast<double>(partidas);
    s.counters["datas"] = static_cast<double>(datas);
}
// 0 = the whole set-up (eight leagues and the state championships); 1, 2, 4 and 8 leagues alone
// show how a season's cost grows with the world.
BENCHMARK(TemporadaInstantanea)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
