// The history screens on a world with twenty seasons played: champions, top scorers, both
// rankings, a club's history and a coach's gallery must each open in well under 100 ms.
// The world is played once at start-up by the headless tool beside this program (about half a
// minute), or read from the saved game named by TARVELLO_JOGO20.
#include <QApplication>
#include <QComboBox>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "model/mundo.h"
#include "newgame/salvamento.h"
#include "records/screens/artilheiros_tela.h"
#include "records/screens/campeoes_tela.h"
#include "records/screens/galeria_tela.h"
#include "records/screens/ranking_clubes_tela.h"
#include "records/screens/ranking_tecnicos_tela.h"
#include "records/screens/historicoclube_tela.h"

using namespace tarvello;

namespace {

std::unique_ptr<Mundo> g_mundo;

template <class Tela, class... Args>
void abre(benchmark::State& s, Args... args) {
    for (auto _ : s) {
        Tela t(*g_mundo, args...);
        t.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&t);
    }
}

void Campeoes(benchmark::State& s) { abre<TelaCampeoes>(s); }
void Artilheiros(benchmark::State& s) { abre<TelaArtilheiros>(s); }
void RankingTecnicos(benchmark::State& s) { abre<TelaRankingTecnicos>(s); }
void RankingClubes(benchmark::State& s) { abre<TelaRankingClubes>(s); }
void Retrospecto(benchmark::State& s) { abre<TelaRetrospecto>(s, 0); }
void Galeria(benchmark::State& s) {
    int melhor = 0;
    for (size_t t = 0; t < g_mundo->tecnicos.size(); ++t)
        if (g_mundo->tecnicos[t].pontosranking > g_mundo->tecnicos[static_cast<size_t>(melhor)].pontosranking)
            melhor = static_cast<int>(t);
    abre<TelaGaleria>(s, melhor);
}
// The longest lists: every coach of the world, every scorer of all time.
void RankingTecnicosMundial(benchmark::State& s) {
    for (auto _ : s) {
        TelaRankingTecnicos t(*g_mundo);
        t.mundial();
        t.show();
        QApplication::processEvents();
    }
}
void ArtilheirosDeSempreTodos(benchmark::State& s) {
    for (auto _ : s) {
        TelaArtilheiros t(*g_mundo);
        auto* ver = t.findChild<QComboBox*>("ver");
        ver->setCurrentIndex(ver->count() - 1);  // "Melhores de Sempre"
        t.mostratodos();
        t.show();
        QApplication::processEvents();
    }
}
BENCHMARK(Campeoes)->Unit(benchmark::kMillisecond);
BENCHMARK(RankingTecnicosMundial)->Unit(benchmark::kMillisecond);
BENCHMARK(ArtilheirosDeSempreTodos)->Unit(benchmark::kMillisecond);
BENCHMARK(Artilheiros)->Unit(benchmark::kMillisecond);
BENCHMARK(RankingTecnicos)->Unit(benchmark::kMillisecond);
BENCHMARK(RankingClubes)->Unit(benchmark::kMillisecond);
BENCHMARK(Retrospecto)->Unit(benchmark::kMillisecond);
BENCHMARK(Galeria)->Unit(benchmark::kMillisecond);

std::filesystem::path jogovinte(const char* programa) {
    if (const char* f = std::getenv("TARVELLO_JOGO20")) return f;
    const auto cli = std::filesystem::absolute(programa).parent_path() / "tarvello-cli";
    const auto pasta = std::filesystem::temp_directory_path() / ("bench_historico_" + std::to_string(::getpid()));
    const auto salvo = pasta / "vinte.s08";
    const std::string base = cli.string() + " gerar-base --destino " + pasta.string() + " >/dev/null";
    const std::string jogo = cli.string() + " simular --dados " + pasta.string() +
                             " --ligas 29,11 --estaduais --temporadas 20 --semente 7 --salvar " + salvo.string() +
                             " >/dev/null";
    if (std::system(base.c_str()) != 0 || std::system(jogo.c_str()) != 0) return {};
    return salvo;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    const auto arquivo = jogovinte(argv[0]);
    JogoCarregado j = carregajogo(arquivo, 1);
    if (!j.mundo) {
        std::fprintf(stderr, "sem o jogo de vinte temporadas: %s\n", j.erro.c_str());
        return 1;
    }
    g_mundo = std::move(j.mundo);
    std::fprintf(stderr, "temporada %d, %zu confrontos, %zu colocados\n", g_mundo->estado.temporada,
                 g_mundo->confrontos.size(), g_mundo->historicocolocados.size());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!std::getenv("TARVELLO_JOGO20")) {
        std::error_code ec;
        std::filesystem::remove_all(arquivo.parent_path(), ec);
    }
    return 0;
}
