#include "editor/screens/escudo_dialogo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/escudos.h"
#include "editor/clubes.h"
#include "editor/screens/campos_editor.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

DialogoEscudo::DialogoEscudo(const std::filesystem::path& raiz, bool selecoes,
                             std::function<std::string(const std::string&)> confirma, QWidget* parent)
    : QDialog(parent), pasta_(selecoes ? pastaselecoes(raiz) : pastaescudos(raiz)), confirma_(std::move(confirma)) {
    setObjectName("Tform43");
    setWindowTitle("Selecione o arquivo");
    auto* v = new QVBoxLayout(this);
    auto* h = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(new QLabel("Selecione o arquivo", this));
    lista_ = new QListWidget(this);
    lista_->setObjectName("arquivos");
    for (const auto& nome : listaescudos(raiz, selecoes)) lista_->addItem(qs(nome));
    esquerda->addWidget(lista_);
    h->addLayout(esquerda, 1);
    auto* direita = new QVBoxLayout;
    direita->addWidget(new QLabel("Prévia", this));
    previa_ = new QLabel(this);
    previa_->setObjectName("previa");
    previa_->setFixedSize(120, 120);
    previa_->setAlignment(Qt::AlignCenter);
    previa_->setFrameShape(QFrame::StyledPanel);
    direita->addWidget(previa_);
    direita->addStretch(1);
    h->addLayout(direita);
    v->addLayout(h);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("ok");
    ok_->setEnabled(false);
    ok_->setDefault(true);
    auto* cancelar = new QPushButton("Cancelar", this);
    cancelar->setObjectName("cancelar");
    botoes->addWidget(ok_);
    botoes->addWidget(cancelar);
    v->addLayout(botoes);
    connect(lista_, &QListWidget::currentRowChanged, this, &DialogoEscudo::mostra);
    connect(lista_, &QListWidget::itemActivated, this, &DialogoEscudo::ok);
    connect(ok_, &QPushButton::clicked, this, &DialogoEscudo::ok);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    resize(380, 320);
    centraliza(this);
}

void DialogoEscudo::mostra() {
    const auto* item = lista_->currentItem();
    ok_->setEnabled(item != nullptr);
    previa_->clear();
    if (!item) return;
    const std::string nome = item->text().toStdString();
    for (const char* ext : {".gif", ".bmp"}) {
        if (auto img = carregaimagem(pasta_ / (nome + ext))) {
            previa_->setPixmap(pixmapdaimagem(*img).scaled(previa_->size() - QSize(8, 8), Qt::KeepAspectRatio));
            return;
        }
    }
}

void DialogoEscudo::ok() {
    const auto* item = lista_->currentItem();
    if (!item) return;
    const std::string nome = item->text().toStdString();
    if (confirma_) {
        if (auto erro = confirma_(nome); !erro.empty()) {
            mostramensagem(this, qs(erro));
            devolvefoco(lista_);
            return;
        }
    }
    escolhido_ = nome;
    accept();
}

}  // namespace tarvello
