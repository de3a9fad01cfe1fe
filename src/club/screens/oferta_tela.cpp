#include "club/screens/oferta_tela.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "club/financas.h"
#include "club/transferencias.h"
#include "model/mundo.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool fechacompra(QWidget* pai, Mundo& m, int jogador, int comprador, int32_t preco, bool oferta, bool substituicao) {
    const int fator = vontadejogador(m, jogador, comprador, oferta);
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    if (fator < 0) {
        mostramensagem(pai, nomejogador(m, jogador) + " não demonstrou interesse em jogar no seu modesto time.");
        return false;
    }
    if (fator > 1) {
        const int64_t novo = static_cast<int64_t>(j.salario) * fator;
        if (!pergunta(pai, "Para jogar no seu clube " + nomejogador(m, jogador) + " quer um aumento de salário de " +
                               QString::number(fator) + " vezes, passando seu salário para $" + qs(formatadinheiro(novo)) +
                               ". Deseja aceitar?",
                      "Aceitar", "Recusar"))
            return false;
    }
    if (!concluicompra(m, jogador, comprador, preco, fator, substituicao)) return false;
    mostramensagem(pai, "Jogador comprado com sucesso.");
    return true;
}

TelaOferta::TelaOferta(Mundo& m, int jogador, int comprador, QWidget* parent)
    : QDialog(parent), m_(m), jogador_(jogador), comprador_(comprador) {
    setObjectName("oferta");
    setWindowTitle("Fazer proposta pelo jogador");
    setModal(true);
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    auto* v = new QVBoxLayout(this);
    auto* nome = rotulotitulo(this, "nome", 1.1);
    nome->setText(qs(j.nome.utf8()) + " - " + nomeclube(m, j.time));
    v->addWidget(nome);
    auto* g = new QGridLayout;
    g->addWidget(new QLabel("Valor do passe:", this), 0, 0);
    auto* valor = new QLabel(qs(formatamil(j.passe)), this);
    valor->setObjectName("valorpasse");
    g->addWidget(valor, 0, 1);
    g->addWidget(new QLabel("Sua proposta:", this), 1, 0);
    proposta_ = new QLineEdit(QString::number(j.passe / 1000), this);
    proposta_->setObjectName("proposta");
    proposta_->setMaxLength(9);
    g->addWidget(proposta_, 1, 1);
    g->addWidget(new QLabel("(em milhares de $)", this), 1, 2);
    eco_ = new QLabel(this);
    eco_->setObjectName("eco");
    g->addWidget(eco_, 2, 1, 1, 2);
    v->addLayout(g);
    propor_ = new QPushButton("Propor compra", this);
    propor_->setObjectName("proporcompra");
    v->addWidget(propor_);
    auto* fechar = new QPushButton("Fechar", this);
    v->addWidget(fechar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    connect(proposta_, &QLineEdit::textChanged, this, &TelaOferta::atualiza);
    connect(propor_, &QPushButton::clicked, this, &TelaOferta::propoe);
    atualiza();
    escalatela(this);
}

void TelaOferta::atualiza() {
    int32_t valor = 0;
    const bool lido = lemilhares(proposta_->text().trimmed().toStdString(), valor);
    const bool ok = lido && valor <= m_.times[static_cast<size_t>(comprador_)].dinheiro;
    eco_->setText(lido ? qs(formatamil(valor)) : proposta_->text());
    eco_->setStyleSheet(ok ? QString() : "color: rgb(200, 0, 0)");
    propor_->setEnabled(ok);
}

void TelaOferta::propoe() {
    int32_t valor = 0;
    if (!lemilhares(proposta_->text().trimmed().toStdString(), valor)) return;
    const int vendedor = m_.jogadores[static_cast<size_t>(jogador_)].time;
    if (vendedor < 0 || !podetransferir(m_, jogador_)) return;
    if (m_.times[static_cast<size_t>(vendedor)].humano) {
        // The other coach answers on the spot.
        if (!pergunta(this, nomeclube(m_, comprador_) + " está querendo comprar o jogador: " + nomejogador(m_, jogador_) +
                                "\n" + qs(formatamil(valor)) + "\nDeseja vende-lo por este preço?")) {
            reject();
            return;
        }
        comprou_ = concluicompra(m_, jogador_, comprador_, valor, 0, false);
        if (comprou_) mostramensagem(this, "Jogador comprado com sucesso.");
        accept();
        return;
    }
    const TRespostaOferta r = avaliaoferta(m_, jogador_, valor);
    if (!r.aceita) {
        mostramensagem(this, "Sua proposta não foi aceita");
        return;
    }
    comprou_ = fechacompra(this, m_, jogador_, comprador_, valor, true, r.substituicao);
    accept();
}

}  // namespace tarvello
