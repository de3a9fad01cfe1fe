#include "newgame/screens/personalizado_tela.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "newgame/novojogo.h"
#include "ui/grade_paises.h"
#include "ui/tela.h"

namespace tarvello {

TelaPersonalizada::TelaPersonalizada(NovoJogo& jogo, EscolhasJogo escolhas, QWidget* parent)
    : QWidget(parent), jogo_(jogo), escolhas_(std::move(escolhas)) {
    setObjectName("TForm39");
    setWindowTitle("Campeonato personalizado");
    setWindowFlag(Qt::FramelessWindowHint);

    auto* fora = new QHBoxLayout(this);
    auto* painel = new QFrame(this);
    painel->setFrameShape(QFrame::StyledPanel);
    painel->setAutoFillBackground(true);
    fora->addStretch(1);
    fora->addWidget(painel, 6);
    fora->addStretch(1);

    auto* v = new QVBoxLayout(painel);
    auto* cabecalho = new QLabel("Campeonato personalizado", painel);
    QFont f = cabecalho->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    cabecalho->setFont(f);
    cabecalho->setAlignment(Qt::AlignCenter);
    v->addWidget(cabecalho);
    auto* nota = new QLabel("(neste tipo de camp. só é disputado a liga e a copa nacional)", painel);
    nota->setAlignment(Qt::AlignCenter);
    v->addWidget(nota);
    v->addWidget(new QLabel("Selecione os países que vão participar do campeonato:", painel));
    paises_ = criagradepaises(painel);
    paises_->setObjectName("paises");
    v->addWidget(paises_, 1);

    auto* contagens = new QGridLayout;
    v->addLayout(contagens);
    compaises_ = new QLabel(painel);
    compaises_->setObjectName("compaises");
    selecionados_ = new QLabel(painel);
    selecionados_->setObjectName("selecionados");
    times_ = new QLabel(painel);
    times_->setObjectName("timesselecionados");
    contagens->addWidget(new QLabel("Países com times:", painel), 0, 0);
    contagens->addWidget(compaises_, 0, 1);
    contagens->addWidget(new QLabel("Países selecionados:", painel), 1, 0);
    contagens->addWidget(selecionados_, 1, 1);
    contagens->addWidget(new QLabel("Times selecionados:", painel), 2, 0);
    contagens->addWidget(times_, 2, 1);
    contagens->addWidget(new QLabel("Sistema de disputa:", painel), 0, 2);
    sistema_ = new QComboBox(painel);
    sistema_->setObjectName("sistema");
    sistema_->addItems({"4 divisões com 10 times cada", "2 divisões com 20 times cada"});
    contagens->addWidget(sistema_, 0, 3);
    copa_ = new QCheckBox("Jogar Copa de clubes", painel);
    copa_->setObjectName("copa");
    copa_->setChecked(true);
    contagens->addWidget(copa_, 1, 2, 1, 2);

    limite_ = new QLabel("(o limite para este campeonato é de 1000 clubes, alguns clubes "
                         "selecionados não serão incluídos)",
                         painel);
    limite_->setObjectName("limite");
    limite_->setWordWrap(true);
    v->addWidget(limite_);

    auto* botoes = new QHBoxLayout;
    auto* voltar = new QPushButton("<< Voltar", painel);
    voltar->setObjectName("voltar");
    continuar_ = new QPushButton("Continuar >>", painel);
    continuar_->setObjectName("continuar");
    botoes->addWidget(voltar);
    botoes->addStretch(1);
    botoes->addWidget(continuar_);
    v->addLayout(botoes);

    connect(paises_, &QTableWidget::cellClicked, this, [this](int l, int coluna) {
        if (coluna != kColunaMarca) return;
        alternamarca(paises_, l);
        atualizacontagens();
    });
    connect(voltar, &QPushButton::clicked, this, &TelaPersonalizada::voltar);
    connect(continuar_, &QPushButton::clicked, this, &TelaPersonalizada::continua);

    grade_ = jogo_.gradepersonalizada();
    preenchegradepaises(paises_, grade_);
    atualizacontagens();

    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaPersonalizada::closeEvent(QCloseEvent* e) {
    if (!e->spontaneous()) {
        QWidget::closeEvent(e);
        return;
    }
    e->ignore();
    emit voltar();
}

int TelaPersonalizada::timesselecionados() const {
    int n = 0;
    for (int l = 0; l < paises_->rowCount(); ++l)
        if (linhamarcada(paises_, l)) n += grade_[static_cast<size_t>(l)].clubes;
    return n;
}

void TelaPersonalizada::atualizacontagens() {
    const int n = timesselecionados();
    compaises_->setText(QString::number(paises_->rowCount()));
    selecionados_->setText(QString::number(paisesmarcados(paises_).size()));
    times_->setText(QString::number(n));
    limite_->setVisible(n > kMaxClubesPersonalizado);
    continuar_->setEnabled(n >= kMinClubesPersonalizado);
}

void TelaPersonalizada::continua() {
    EscolhasJogo e = escolhas_;
    e.personalizado = true;
    e.paises = paisesmarcados(paises_);
    e.sistemadisputa = sistema_->currentIndex() == 1 ? 2 : 4;
    e.copa = copa_->isChecked();
    const std::string erro = jogo_.configura(e);
    if (!erro.empty()) {
        mostramensagem(this, QString::fromStdString(erro));
        return;
    }
    emit continuar();
}

}  // namespace tarvello
