// bench: a fixed workload that any change to the simulation shows. It writes the sample world
// (fixed seed) to a temporary folder, starts the biggest game it allows (every country the set-up
// offers, divisions of 10, state championships, cups) from a fixed seed, plays a fixed number of
// whole seasons with the rollover between them, and prints one checksum of every result and the
// matches played per second. The checksum changes only when the simulation changes.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "comandos.h"
#include "competitions/temporada.h"
#include "database/gerador.h"
#include "database/preparacao.h"
#include "jogonovo.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/mundo.h"

namespace tarvello::cli {
namespace {

constexpr int kTemporadasBench = 3;
constexpr uint64_t kSementeBench = 2026;

struct Fnv {
    uint64_t h = 1469598103934665603ULL;
    void soma(int64_t v) {
        for (int i = 0; i < 8; ++i) {
            h ^= static_cast<uint64_t>(v >> (8 * i)) & 0xFF;
            h *= 1099511628211ULL;
        }
    }
};

// Every played match of the season and every club's players' strength and age.
long long somatemporada(const Mundo& m, Fnv& f) {
    long long jogos = 0;
    for (const TPartida& p : m.partidas) {
        if (!p.jogado) continue;
        ++jogos;
        for (int64_t v : {int64_t{p.competicao}, int64_t{p.mandante}, int64_t{p.visitante}, int64_t{p.golsmandante},
                          int64_t{p.golsvisitante}, int64_t{p.penaltismandante}, int64_t{p.penaltisvisitante}})
            f.soma(v);
    }
    for (const TJogador& j : m.jogadores) {
        f.soma(j.time);
        f.soma(j.forca);
        f.soma(j.idade);
    }
    for (const TTime& t : m.times) f.soma(t.divisao);
    return jogos;
}

int bench(const Argumentos& a) {
    const int temporadas = static_cast<int>(a.inteiro("temporadas", kTemporadasBench));
    const std::filesystem::path pasta =
        std::filesystem::temp_directory_path() / ("tarvello-bench-" + std::to_string(::getpid()));
    TMundoGerado gerado = geramundo(1);
    if (std::string erro = gravamundo(pasta, gerado); !erro.empty()) throw std::runtime_error(erro);

    Preparacao p;
    lerresumos(p, pasta);
    std::string ligas;
    for (const TPaisOferecido& x : paisesoferecidos(p, kMinClubesLiga))
        ligas += (ligas.empty() ? "" : ",") + std::to_string(x.pais);
    const std::string dados = pasta.string(), semente = std::to_string(kSementeBench);
    // The sample folder has no options file: the defaults apply.
    const std::vector<std::string> partes = {"--dados", dados, "--ligas", ligas, "--sistema", "10",
                                             "--estaduais", "--sem-continentais", "--sem-selecoes", "--semente", semente};
    const Comando novojogo{"bench", "", opcoesnovojogo(), {}, {}};
    const Argumentos args(novojogo, partes);

    std::unique_ptr<NovoJogo> jogo = criajogo(args);
    jogo->primeiratela();
    Mundo& m = jogo->mundo();
    InteracaoComputador ia;
    Fnv f;
    long long jogos = 0;
    const auto inicio = std::chrono::steady_clock::now();
    for (int t = 1; t <= temporadas; ++t) {
        if (t > 1) proximatemporada(m);
        do jogadatasemtela(m, ia);
        while (continuar(m, ia) != ProximaEtapa::FimTemporada);
        jogos += somatemporada(m, f);
    }
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);

    std::printf("ligas %s, %d temporadas, %lld partidas\n", ligas.c_str(), temporadas, jogos);
    std::printf("checksum %016llx\n", static_cast<unsigned long long>(f.h));
    std::printf("partidas por segundo %.0f (%.2f s)\n", segundos > 0 ? jogos / segundos : 0.0, segundos);
    return 0;
}

Registra registro_bench({"bench",
                         "joga temporadas fixas do mundo de exemplo e mostra o checksum dos resultados",
                         {{"temporadas", TipoOpcao::Inteiro, "N", "temporadas jogadas", 1, 10'000}},
                         {},
                         bench});

}  // namespace
}  // namespace tarvello::cli
