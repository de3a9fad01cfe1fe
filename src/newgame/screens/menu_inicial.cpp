#include "newgame/screens/menu_inicial.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvello {

MenuInicial::MenuInicial(QWidget* parent) : QWidget(parent) {
    setObjectName("TForm1");
    setWindowTitle("Tarvello 2008");
    auto* layout = new QVBoxLayout(this);
    auto* titulo = new QLabel("Tarvello 2008", this);
    QFont f = titulo->font();
    f.setPointSize(f.pointSize() * 2);
    f.setBold(true);
    titulo->setFont(f);
    titulo->setAlignment(Qt::AlignCenter);
    layout->addWidget(titulo);

    auto* novo = new QPushButton("Novo Jogo", this);
    novo->setObjectName("novojogo");
    auto* carregar = new QPushButton("Carregar Jogo Salvo", this);
    carregar->setObjectName("carregarjogo");
    auto* editor = new QPushButton("Editor Equipes", this);
    editor->setObjectName("editorequipes");
    auto* sair = new QPushButton("Sair", this);
    sair->setObjectName("sair");
    for (auto* b : {novo, carregar, editor, sair}) {
        b->setMinimumHeight(36);
        layout->addWidget(b);
    }
    carregando_ = new QLabel("carregando...", this);
    carregando_->setObjectName("carregando");
    carregando_->setVisible(false);
    layout->addWidget(carregando_);

    connect(novo, &QPushButton::clicked, this, [this] {
        carregando_->setVisible(true);
        emit novojogo();
    });
    connect(carregar, &QPushButton::clicked, this, &MenuInicial::carregarjogo);
    connect(editor, &QPushButton::clicked, this, &MenuInicial::editorequipes);
    connect(sair, &QPushButton::clicked, qApp, &QApplication::quit);
    resize(320, 280);
}

}  // namespace tarvello
