#include <QApplication>
#include <chrono>
#include <filesystem>

#include "model/opcoes.h"
#include "ui/fluxo.h"
#include "ui/tela.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tarvello 2008");
    QApplication::setApplicationDisplayName("Tarvello 2008");
    // Without the translation Qt's own texts stay in English; the game still runs.
    tarvello::carregatraducoes();
    // The data lies in the working folder: teams/, img/, sons/, sav/ and the options file.
    const std::filesystem::path raiz = std::filesystem::current_path();
    const auto semente = static_cast<uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        std::chrono::system_clock::now().time_since_epoch().count());
    tarvello::FluxoJogo fluxo(raiz, raiz / tarvello::kArquivoOpcoes, semente);
    fluxo.inicia();
    return app.exec();
}
