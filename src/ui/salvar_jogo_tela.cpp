#include "ui/salvar_jogo_tela.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/jogosalvo.h"
#include "model/mundo.h"
#include "newgame/salvamento.h"
#include "ui/tela.h"

namespace tarvello {
namespace fs = std::filesystem;

TelaNomeSalvo::TelaNomeSalvo(fs::path raiz, QWidget* pai) : QDialog(pai), raiz_(std::move(raiz)) {
    setObjectName("TForm40");
    setWindowTitle("Salvar");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* texto = new QLabel(
        "Como é a primeira vez que vai salvar você tem que escolher  um nome para o arquivo a ser salvo:", this);
    texto->setWordWrap(true);
    v->addWidget(texto);
    nome_ = new QLineEdit(this);
    nome_->setObjectName("nome");
    nome_->setMaxLength(kMaxNomeSalvo);
    v->addWidget(nome_);
    salvar_ = new QPushButton("Salvar", this);
    salvar_->setObjectName("salvar");
    salvar_->setEnabled(false);
    salvar_->setDefault(true);
    v->addWidget(salvar_, 0, Qt::AlignRight);
    connect(nome_, &QLineEdit::textChanged, this, [this](const QString& t) { salvar_->setEnabled(!t.isEmpty()); });
    connect(salvar_, &QPushButton::clicked, this, &TelaNomeSalvo::salvar);
    resize(360, 140);
}

void TelaNomeSalvo::salvar() {
    // Only letters, digits, spaces, '-' and '_' reach the file name: it stays inside "sav".
    const std::string nome = filtranomesalvo(nome_->text().toStdString());
    if (nome.empty()) {
        mostramensagem(this, "Escolha um nome com letras ou números.");
        return;
    }
    const std::string arquivo = nome + std::string(kExtensaoJogoSalvo);
    std::error_code ec;
    if (fs::exists(pastasalvos(raiz_) / arquivo, ec)) {
        TelaConfirmacaoSalvo c(this);
        if (c.exec() != QDialog::Accepted) return;  // "Não": back to the name
    }
    arquivo_ = arquivo;
    accept();
}

TelaConfirmacaoSalvo::TelaConfirmacaoSalvo(QWidget* pai) : QDialog(pai) {
    setObjectName("TForm41");
    setWindowTitle("Confirmação");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel("O arquivo já existe, sobrescreve-lo?", this));
    auto* h = new QHBoxLayout;
    auto* sim = new QPushButton("Sim", this);
    sim->setObjectName("sim");
    auto* nao = new QPushButton("Não", this);
    nao->setObjectName("nao");
    h->addWidget(sim);
    h->addWidget(nao);
    v->addLayout(h);
    connect(sim, &QPushButton::clicked, this, &QDialog::accept);
    connect(nao, &QPushButton::clicked, this, &QDialog::reject);
}

bool salvajogotela(QWidget* pai, Mundo& m, const fs::path& raiz) {
    if (m.estado.nomearquivo.vazio()) {
        TelaNomeSalvo t(raiz, pai);
        centraliza(&t);
        if (t.exec() != QDialog::Accepted || t.arquivo().empty()) return false;
        m.estado.nomearquivo.define(t.arquivo());
    }
    const std::string erro = salvajogo(m, arquivosalvo(raiz, m.estado));
    if (!erro.empty()) {
        mostramensagem(pai, QString::fromStdString(erro));
        return false;
    }
    return true;
}

}  // namespace tarvello
