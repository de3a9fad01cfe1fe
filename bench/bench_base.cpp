// Team database figures: making the sample world, writing it, and reading it back.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "database/arquivos.h"
#include "database/gerador.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

const fs::path& pastamundo() {
    static const fs::path p = [] {
        fs::path d = fs::temp_directory_path() / "tarvello_bench_base";
        fs::remove_all(d);
        TMundoGerado m = geramundo(1);
        gravamundo(d, m);
        return d;
    }();
    return p;
}

void GeraMundo(benchmark::State& s) {
    for (auto _ : s) {
        TMundoGerado m = geramundo(1);
        benchmark::DoNotOptimize(m.clubes.data());
    }
}
BENCHMARK(GeraMundo)->Unit(benchmark::kMillisecond);

void GravaMundo(benchmark::State& s) {
    TMundoGerado m = geramundo(1);
    const fs::path d = fs::temp_directory_path() / "tarvello_bench_grava";
    fs::remove_all(d);
    for (auto _ : s) benchmark::DoNotOptimize(gravamundo(d, m));
    s.counters["arquivos"] = static_cast<double>(m.clubes.size() + m.selecoes.size() + m.escudos.size() + m.escudosselecoes.size());
    fs::remove_all(d);
}
BENCHMARK(GravaMundo)->Unit(benchmark::kMillisecond);

void LeResumos(benchmark::State& s) {
    const fs::path& d = pastamundo();
    size_t n = 0;
    for (auto _ : s) {
        auto r = lerresumos(d);
        n = r.size();
        benchmark::DoNotOptimize(r.data());
    }
    s.counters["clubes"] = static_cast<double>(n);
}
BENCHMARK(LeResumos)->Unit(benchmark::kMillisecond);

void LeClubesCompletos(benchmark::State& s) {
    const fs::path& d = pastamundo();
    const auto nomes = listaentradas(pastatimes(d), ".b08", true);
    for (auto _ : s)
        for (const auto& n : nomes) benchmark::DoNotOptimize(lerclube(pastatimes(d) / n));
    s.counters["clubes"] = static_cast<double>(nomes.size());
}
BENCHMARK(LeClubesCompletos)->Unit(benchmark::kMillisecond);

void LeSelecoes(benchmark::State& s) {
    const fs::path& d = pastamundo();
    for (auto _ : s) benchmark::DoNotOptimize(lerselecoes(d));
}
BENCHMARK(LeSelecoes)->Unit(benchmark::kMillisecond);

}  // namespace
