// Saving and loading a big game: the sample world's biggest set-up (every league of a country
// with 42 or more clubs, four divisions of 10, cups and state championships) played through half
// of its first season, written to "sav/" and read back with every check.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "database/gerador.h"
#include "database/jogosalvo.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/mundo.h"
#include "newgame/novojogo.h"
#include "newgame/salvamento.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

const fs::path& pasta() {
    static const fs::path d = fs::temp_directory_path() / "tarvello_bench_jogosalvo";
    return d;
}

// The world in the middle of its season, or null when the sample world could not be built.
Mundo* mundo() {
    static const std::unique_ptr<Mundo> m = []() -> std::unique_ptr<Mundo> {
        fs::remove_all(pasta());
        TMundoGerado g = geramundo(1);
        gravamundo(pasta(), g);
        NovoJogo jogo(pasta(), pasta() / "sem_opcoes.ini", 7);
        jogo.lerbase();
        EscolhasJogo e;
        for (const TPaisOferecido& p : jogo.gradereal())
            if (p.clubes >= 42) e.paises.push_back(p.pais);
        e.sistemadisputa = 4;
        e.estaduais = true;
        e.numtecnicoshumanos = 0;
        if (!jogo.configura(e).empty() || !jogo.inicializa().empty()) return nullptr;
        jogo.primeiratela();
        auto w = jogo.entregamundo();
        InteracaoComputador ia;
        for (int d = 0; d < 40; ++d) {
            jogadatasemtela(*w, ia);
            if (continuar(*w, ia) == ProximaEtapa::FimTemporada) break;
        }
        w->estado.nomearquivo.define("bench.s08");
        return w;
    }();
    return m.get();
}

void SalvaJogo(benchmark::State& s) {
    Mundo* m = mundo();
    if (!m) {
        s.SkipWithError("o mundo de exemplo não carregou");
        return;
    }
    const fs::path arquivo = pasta() / "sav" / "bench.s08";
    for (auto _ : s)
        if (!salvajogo(*m, arquivo).empty()) s.SkipWithError("não salvou");
    s.counters["bytes"] = static_cast<double>(fs::file_size(arquivo));
}
BENCHMARK(SalvaJogo)->Unit(benchmark::kMillisecond);

void CarregaJogo(benchmark::State& s) {
    Mundo* m = mundo();
    if (!m) {
        s.SkipWithError("o mundo de exemplo não carregou");
        return;
    }
    const fs::path arquivo = pasta() / "sav" / "bench.s08";
    if (!salvajogo(*m, arquivo).empty()) s.SkipWithError("não salvou");
    for (auto _ : s) {
        JogoCarregado c = carregajogo(arquivo, 1);
        if (!c.mundo) s.SkipWithError(c.motivo.c_str());
        benchmark::DoNotOptimize(c.mundo.get());
    }
}
BENCHMARK(CarregaJogo)->Unit(benchmark::kMillisecond);

// The file's bytes alone, without the disk: encoding, and decoding with every check.
void CodificaDecodifica(benchmark::State& s) {
    Mundo* m = mundo();
    if (!m) return;
    for (auto _ : s) {
        const std::vector<uint8_t> b = codificajogo(*m);
        Mundo lido;
        if (!decodificajogo(b, lido).empty()) s.SkipWithError("recusado");
        benchmark::DoNotOptimize(lido.jogadores.data());
    }
}
BENCHMARK(CodificaDecodifica)->Unit(benchmark::kMillisecond);

}  // namespace
