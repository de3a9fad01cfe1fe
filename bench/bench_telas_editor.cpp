// The team editor's loading screen on the whole sample world: every club file and every
// national-team file read into the working set (as `carregatimes` does), and the whole way from
// the loading screen being shown to the editor window standing with its lists filled.
#include <QApplication>
#include <QEventLoop>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "database/gerador.h"
#include "editor/baseeditor.h"
#include "editor/screens/carregando_editor_tela.h"
#include "editor/screens/editor_tela.h"
#include <QTableWidget>

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

const fs::path& pastamundo() {
    static const fs::path p = [] {
        fs::path d = fs::temp_directory_path() / "tarvello_bench_editor";
        fs::remove_all(d);
        TMundoGerado g = geramundo(1);
        gravamundo(d, g);
        return d;
    }();
    return p;
}

void CarregaTimes(benchmark::State& s) {
    size_t clubes = 0;
    pastamundo();  // written once, outside the timing
    for (auto _ : s) {
        BaseEditor b = carregatimes(pastamundo());
        clubes = b.clubes.size();
        benchmark::DoNotOptimize(b.clubes.data());
    }
    s.counters["clubes"] = static_cast<double>(clubes);
}
BENCHMARK(CarregaTimes)->Unit(benchmark::kMillisecond);

void TelaDeCarga(benchmark::State& s) {
    fs::current_path(pastamundo());  // flags and crests are looked up beside the program
    int linhas = 0;
    for (auto _ : s) {
        TelaCarregandoEditor carga(pastamundo());
        std::unique_ptr<TelaEditor> editor;
        QEventLoop laco;
        QObject::connect(&carga, &TelaCarregandoEditor::carregado, [&] {
            editor = std::make_unique<TelaEditor>(carga.entregabase());
            editor->show();
            laco.quit();
        });
        carga.show();
        laco.exec();
        QApplication::processEvents();
        linhas = editor->gradeclubes()->rowCount();
    }
    s.counters["clubes"] = linhas;
}
BENCHMARK(TelaDeCarga)->Unit(benchmark::kMillisecond);

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
