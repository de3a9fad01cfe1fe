#include "club/screens/venda_tela.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "club/contratos.h"
#include "club/transferencias.h"
#include "model/mundo.h"
#include "ui/tela.h"

namespace tarvello {

TelaVenda::TelaVenda(Mundo& m, int jogador, QWidget* parent) : QDialog(parent), m_(m), jogador_(jogador) {
    setObjectName("venda");
    setWindowTitle("Venda de jogador");
    setModal(true);
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    auto* v = new QVBoxLayout(this);
    auto* nome = rotulotitulo(this, "nome", 1.1);
    nome->setText(QString::fromStdString(j.nome.utf8()));
    v->addWidget(nome);

    auto* g = new QGridLayout;
    leilao_ = new QRadioButton("Vender jogador no leilão", this);
    leilao_->setObjectName("opcaoleilao");
    g->addWidget(leilao_, 0, 0, 1, 3);
    g->addWidget(new QLabel("Preço inicial:", this), 1, 0);
    precoinicial_ = new QLineEdit(QString::number(j.passe / 1000), this);
    precoinicial_->setObjectName("precoinicial");
    precoinicial_->setMaxLength(9);
    g->addWidget(precoinicial_, 1, 1);
    iniciar_ = new QPushButton("Iniciar Leilão", this);
    iniciar_->setObjectName("iniciarleilao");
    g->addWidget(iniciar_, 1, 2);
    lista_ = new QRadioButton("Colocar à venda à espera de um comprador:", this);
    lista_->setObjectName("opcaolista");
    g->addWidget(lista_, 2, 0, 1, 3);
    g->addWidget(new QLabel("Preço fixado:", this), 3, 0);
    precofixado_ = new QLineEdit(QString::number((j.avenda ? j.precovenda : j.passe) / 1000), this);
    precofixado_->setObjectName("precofixado");
    precofixado_->setMaxLength(9);
    g->addWidget(precofixado_, 3, 1);
    colocar_ = new QPushButton("Colocar à venda", this);
    colocar_->setObjectName("colocaravenda");
    g->addWidget(colocar_, 3, 2);
    g->addWidget(new QLabel("(em milhares de $)", this), 4, 0, 1, 3);
    v->addLayout(g);
    (j.avenda ? lista_ : leilao_)->setChecked(true);

    const int multa = percentualmulta(diasdecontrato(m, jogador));
    if (multa > 0) {
        auto* aviso = new QLabel("(jogadores com contrato pagam uma multa de rescisão na venda de acordo com o "
                                 "tempo de contrato que falta)", this);
        aviso->setWordWrap(true);
        v->addWidget(aviso);
        auto* estimada = new QLabel("Multa estimada para este jogador: " + QString::number(multa) + "%" + " do valor total", this);
        estimada->setObjectName("multa");
        v->addWidget(estimada);
    }
    auto* fechar = new QPushButton("Fechar", this);
    v->addWidget(fechar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* r : {leilao_, lista_}) connect(r, &QRadioButton::toggled, this, &TelaVenda::atualiza);
    for (QLineEdit* e : {precoinicial_, precofixado_}) connect(e, &QLineEdit::textChanged, this, &TelaVenda::atualiza);
    connect(iniciar_, &QPushButton::clicked, this, [this] {
        int32_t p = 0;
        if (!lemilhares(precoinicial_->text().trimmed().toStdString(), p) || !podetransferir(m_, jogador_)) return;
        preco_ = p;
        resultado_ = Leilao;
        accept();
    });
    connect(colocar_, &QPushButton::clicked, this, [this] {
        int32_t p = 0;
        if (!lemilhares(precofixado_->text().trimmed().toStdString(), p)) return;
        colocaalista(m_, jogador_, p);
        preco_ = p;
        resultado_ = Listado;
        accept();
    });
    atualiza();
    escalatela(this);
}

void TelaVenda::atualiza() {
    int32_t p = 0;
    iniciar_->setEnabled(leilao_->isChecked() && lemilhares(precoinicial_->text().trimmed().toStdString(), p));
    colocar_->setEnabled(lista_->isChecked() && lemilhares(precofixado_->text().trimmed().toStdString(), p));
    precoinicial_->setEnabled(leilao_->isChecked());
    precofixado_->setEnabled(lista_->isChecked());
}

}  // namespace tarvello
