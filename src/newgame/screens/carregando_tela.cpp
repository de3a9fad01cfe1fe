#include "newgame/screens/carregando_tela.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "newgame/novojogo.h"
#include "ui/avisos.h"
#include "ui/tela.h"

namespace tarvello {

TelaCarregando::TelaCarregando(NovoJogo& jogo, QWidget* parent) : QDialog(parent), jogo_(jogo) {
    setObjectName("TForm12");
    setWindowTitle("Inicializando o jogo...");
    setWindowFlag(Qt::FramelessWindowHint);
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* rotulo = new QLabel("Inicializando o jogo...", this);
    rotulo->setAlignment(Qt::AlignCenter);
    v->addWidget(rotulo);
    barra_ = new QProgressBar(this);
    barra_->setObjectName("progresso");
    barra_->setRange(0, 100);
    barra_->setValue(0);
    v->addWidget(barra_);
    resize(360, 90);
    aplicafundo(this, "img/f02.bmp");
}

int TelaCarregando::progresso() const { return barra_->value(); }

void TelaCarregando::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    centraliza(this);
    if (iniciado_) return;
    iniciado_ = true;
    // Half a second so the window is on the screen before the long load begins.
    QTimer::singleShot(500, this, &TelaCarregando::trabalha);
}

void TelaCarregando::trabalha() {
    const std::string erro = jogo_.inicializa([this](int p) {
        barra_->setValue(p);
        // Keep the window alive while the files are read.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (!erro.empty()) {
        emit falhou(QString::fromStdString(erro));
        return;
    }
    barra_->setValue(100);
    // Clubs the load had to leave out: the game goes on with the others, but the player is told.
    if (const auto avisos = jogo_.avisosdacarga(); !avisos.empty()) mostramensagem(this, textoavisos(avisos));
    emit concluido();
}

}  // namespace tarvello
