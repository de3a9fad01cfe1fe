#include "ui/cores_tela.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "model/mundo.h"
#include "model/opcoes.h"
#include "ui/clube_tela.h"

namespace tarvello {

GanchoCor& ganchocor() {
    static GanchoCor g = [](QWidget* pai, const QColor& inicial) {
        return QColorDialog::getColor(inicial, pai, "Cores de fundo da Lista");
    };
    return g;
}

namespace {

constexpr const char* kRotulos[5] = {"Goleiros:", "Laterais:", "Zagueiros:", "Meias:", "Atacantes:"};

int32_t referencia(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

}  // namespace

TelaCores::TelaCores(Mundo& mundo, std::filesystem::path opcoes, QWidget* pai)
    : QDialog(pai), m_(mundo), opcoes_(std::move(opcoes)) {
    setObjectName("TForm64");
    setWindowTitle("Cores de fundo da Lista");
    setModal(true);
    auto* g = new QGridLayout(this);
    for (int p = 0; p < 5; ++p) {
        g->addWidget(new QLabel(kRotulos[p], this), p, 0);
        auto* b = new QPushButton(this);
        b->setObjectName(QString("cor%1").arg(p));
        b->setFixedSize(80, 24);
        g->addWidget(b, p, 1);
        amostras_[static_cast<size_t>(p)] = b;
        connect(b, &QPushButton::clicked, this, [this, p] { escolhe(p); });
    }
    auto* padrao = new QPushButton("Cores Padrão", this);
    padrao->setObjectName("padrao");
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    g->addWidget(padrao, 5, 0);
    g->addWidget(fechar, 5, 1);
    connect(padrao, &QPushButton::clicked, this, &TelaCores::padrao);
    connect(fechar, &QPushButton::clicked, this, [this] {
        if (m_.estado.cornalista) emit listamudou();
        accept();
    });
    pinta();
}

void TelaCores::pinta() {
    for (int p = 0; p < 5; ++p) {
        const QColor c = correferencia(m_.estado.cores[p]);
        amostras_[static_cast<size_t>(p)]->setStyleSheet(QString("background-color: %1;").arg(c.name()));
    }
}

void TelaCores::escolhe(int p) {
    const QColor c = ganchocor()(this, correferencia(m_.estado.cores[p]));
    if (!c.isValid()) return;
    m_.estado.cores[p] = referencia(c);
    gravaopcao(opcoes_, kSecaoOpcoes, "cor" + std::to_string(p), corparatexto(m_.estado.cores[p]));
    pinta();
}

void TelaCores::padrao() {
    for (int p = 0; p < 5; ++p) {
        m_.estado.cores[p] = kCoresPadrao[static_cast<size_t>(p)];
        gravaopcao(opcoes_, kSecaoOpcoes, "cor" + std::to_string(p), corparatexto(m_.estado.cores[p]));
    }
    pinta();
}

}  // namespace tarvello
