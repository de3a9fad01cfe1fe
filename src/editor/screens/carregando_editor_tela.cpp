#include "editor/screens/carregando_editor_tela.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/tela.h"

namespace tarvello {

TelaCarregandoEditor::TelaCarregandoEditor(std::filesystem::path raiz, QWidget* parent)
    : QDialog(parent), raiz_(std::move(raiz)) {
    setObjectName("TForm2");
    setWindowTitle("Editor de Equipes");
    auto* v = new QVBoxLayout(this);
    auto* titulo = rotulotitulo(this, "titulo");
    titulo->setText("Editor de Equipes");
    v->addWidget(titulo);
    auto* carregando = new QLabel("Carregando equipes...", this);
    v->addWidget(carregando);
    barra_ = new QProgressBar(this);
    barra_->setObjectName("progresso");
    barra_->setRange(0, std::max(1, contaarquivostimes(raiz_)));
    barra_->setValue(0);
    v->addWidget(barra_);
    total_ = new QLabel("Total de Equipes: 0", this);
    total_->setObjectName("total");
    v->addWidget(total_);
    aplicafundo(this, "img/f02.bmp");
    resize(360, 150);
    centraliza(this);
}

int TelaCarregandoEditor::progresso() const { return barra_->value(); }

void TelaCarregandoEditor::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (iniciado_) return;
    iniciado_ = true;
    QTimer::singleShot(0, this, &TelaCarregandoEditor::trabalha);
}

void TelaCarregandoEditor::trabalha() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    base_ = std::make_unique<BaseEditor>(carregatimes(raiz_, [this](int lidos) {
        barra_->setValue(std::min(lidos, barra_->maximum()));
        // Redrawn every few files: the count moves without the redraw costing the load.
        if (lidos % 16 == 0 || lidos == barra_->maximum()) {
            total_->setText(QString("Total de Equipes: %1").arg(lidos));
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }, &avisos_));
    total_->setText(QString("Total de Equipes: %1").arg(base_->clubes.size()));
    QApplication::restoreOverrideCursor();
    emit carregado();
}

}  // namespace tarvello
