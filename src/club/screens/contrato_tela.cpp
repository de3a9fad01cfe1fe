#include "club/screens/contrato_tela.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "club/contratos.h"
#include "club/financas.h"
#include "club/plantel_textos.h"
#include "model/mundo.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

struct TDuracao {
    const char* texto;
    int semanas;
};
constexpr TDuracao kDuracoes[] = {{"3 meses", 12}, {"6 meses", 24}, {"1 ano", 48}, {"2 anos", 96}};

}  // namespace

TelaContrato::TelaContrato(Mundo& m, int jogador, QWidget* parent) : QDialog(parent), m_(m), jogador_(jogador) {
    setObjectName("contrato");
    setWindowTitle("Propor novo contrato");
    setModal(true);
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    auto* v = new QVBoxLayout(this);
    auto* nome = rotulotitulo(this, "nome", 1.0);
    nome->setText(qs(j.nome.utf8()));
    v->addWidget(nome);

    proposta_ = new QWidget(this);
    auto* g = new QGridLayout(proposta_);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(new QLabel("Salário atual:", proposta_), 0, 0);
    auto* atual = new QLabel("$" + qs(formatadinheiro(j.salario)), proposta_);
    atual->setObjectName("salarioatual");
    g->addWidget(atual, 0, 1);
    g->addWidget(new QLabel("Novo salário:", proposta_), 1, 0);
    auto* campo = new QHBoxLayout;
    salario_ = new QLineEdit(QString::number(j.salario), proposta_);
    salario_->setObjectName("novosalario");
    salario_->setMaxLength(12);
    salario_->setAlignment(Qt::AlignRight);
    salario_->setMinimumWidth(110);
    campo->addWidget(salario_);
    auto* sobe = new QToolButton(proposta_);
    sobe->setObjectName("sobe");
    sobe->setArrowType(Qt::UpArrow);
    auto* desce = new QToolButton(proposta_);
    desce->setObjectName("desce");
    desce->setArrowType(Qt::DownArrow);
    campo->addWidget(sobe);
    campo->addWidget(desce);
    g->addLayout(campo, 1, 1);
    erro_ = new QLabel(proposta_);
    erro_->setObjectName("erro");
    QPalette vermelho = erro_->palette();
    vermelho.setColor(QPalette::WindowText, QColor(190, 0, 0));
    erro_->setPalette(vermelho);
    erro_->setWordWrap(true);
    g->addWidget(erro_, 2, 0, 1, 2);
    g->addWidget(new QLabel("Contrato por mais:", proposta_), 3, 0);
    duracao_ = new QComboBox(proposta_);
    duracao_->setObjectName("duracao");
    for (const TDuracao& d : kDuracoes) duracao_->addItem(d.texto, d.semanas);
    duracao_->setCurrentIndex(1);
    g->addWidget(duracao_, 3, 1);
    const bool expirado = diasdecontrato(m, jogador) < 0;
    auto* termina = new QLabel("Contrato termina em: " + (expirado ? QString("expirado")
                                                                   : qs(textodatacurta(j.contratoate))),
                               proposta_);
    termina->setObjectName("termina");
    g->addWidget(termina, 4, 0, 1, 2);
    v->addWidget(proposta_);

    // The player's answer when he refuses: his demand, and the coach's two choices.
    recusa_ = new QWidget(this);
    recusa_->setObjectName("recusa");
    auto* r = new QVBoxLayout(recusa_);
    r->setContentsMargins(0, 0, 0, 0);
    exigencia_ = new QLabel(recusa_);
    exigencia_->setObjectName("exigencia");
    exigencia_->setWordWrap(true);
    r->addWidget(exigencia_);
    semleilao_ = new QLabel(recusa_);
    semleilao_->setObjectName("semleilao");
    semleilao_->setWordWrap(true);
    semleilao_->setVisible(false);
    r->addWidget(semleilao_);
    auto* hr = new QHBoxLayout;
    aceita_ = new QPushButton("Aceita", recusa_);
    aceita_->setObjectName("aceita");
    recusaexigencia_ = new QPushButton("Recusa", recusa_);
    recusaexigencia_->setObjectName("recusaexigencia");
    hr->addWidget(aceita_);
    hr->addWidget(recusaexigencia_);
    r->addLayout(hr);
    recusa_->setVisible(false);
    v->addWidget(recusa_);

    auto* h = new QHBoxLayout;
    h->addStretch(1);
    oferecer_ = new QPushButton("Oferecer", this);
    oferecer_->setObjectName("oferecer");
    oferecer_->setDefault(true);
    cancelar_ = new QPushButton("Cancelar", this);
    cancelar_->setObjectName("cancelar");
    h->addWidget(oferecer_);
    h->addWidget(cancelar_);
    v->addLayout(h);

    connect(salario_, &QLineEdit::textChanged, this, &TelaContrato::digitou);
    connect(sobe, &QToolButton::clicked, this, [this] { seta(+500); });
    connect(desce, &QToolButton::clicked, this, [this] { seta(-500); });
    connect(oferecer_, &QPushButton::clicked, this, &TelaContrato::oferece);
    connect(cancelar_, &QPushButton::clicked, this, &TelaContrato::reject);
    digitou();
    escalatela(this);
}

void TelaContrato::digitou() {
    int32_t valor = 0;
    const bool ok = lesalario(salario_->text().toStdString(), valor);
    erro_->setText(ok ? QString()
                      : "O novo salário deve ser um número inteiro entre 1 e " +
                            qs(formatadinheiro(kSalarioMaximo)) + ".");
    oferecer_->setEnabled(ok);
}

void TelaContrato::seta(int passo) {
    int32_t valor = 0;
    if (!lesalario(salario_->text().toStdString(), valor)) return;
    if (passo > 0 && valor <= kSalarioMaximo - 500) valor += 500;
    else if (passo < 0 && valor > 500) valor -= 500;
    salario_->setText(QString::number(valor));
}

void TelaContrato::oferece() {
    int32_t novo = 0;
    if (!lesalario(salario_->text().toStdString(), novo)) {
        mostramensagem(this, erro_->text());
        return;
    }
    const TJogador& j = m_.jogadores[static_cast<size_t>(jogador_)];
    const int posicao = posicaonaliga(m_, j.time);
    switch (respostacontrato(novo, j.salario, posicao, diasdecontrato(m_, jogador_))) {
        case RespostaContrato::Limite:
            mostramensagem(this, "Salário maior que o limite para este jogador que é " +
                                     QString::number(limitesalario(j.salario)));
            break;
        case RespostaContrato::Aceita: assina(novo); break;
        case RespostaContrato::Recusa: recusou(exigenciaminima(j.salario, posicao, novo)); break;
        case RespostaContrato::Nenhuma: break;
    }
}

void TelaContrato::reject() {
    if (!obrigatorio_) QDialog::reject();
}

void TelaContrato::assina(int32_t salario) {
    renovacontrato(m_, jogador_, salario, duracao_->currentData().toInt());
    resultado_ = Renovado;
    accept();
}

void TelaContrato::recusou(int32_t minimo) {
    proposta_->setEnabled(false);
    oferecer_->setEnabled(false);
    exigencia_->setText("Jogador recusou, exige um mínimo de $ " + qs(formatadinheiro(minimo)));
    recusa_->setVisible(true);
    connect(aceita_, &QPushButton::clicked, this, [this, minimo] { assina(minimo); });
    connect(recusaexigencia_, &QPushButton::clicked, this, [this] {
        resultado_ = Leilao;
        accept();
    });
    if (!podeleiloarrecusado(m_, jogador_)) {
        // The club cannot do without him: the demand is signed after a moment.
        obrigatorio_ = true;
        aceita_->setVisible(false);
        recusaexigencia_->setVisible(false);
        oferecer_->setVisible(false);
        cancelar_->setVisible(false);
        semleilao_->setText(qs(textosemleilao(m_, jogador_)));
        semleilao_->setVisible(true);
        QTimer::singleShot(espera_, this, [this, minimo] { assina(minimo); });
    }
}

}  // namespace tarvello
