#include "club/screens/plantel_dialogos.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <functional>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "club/plantel.h"
#include "club/plantel_textos.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/renovajogador.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// "OK" and "Cancelar" at the bottom of a dialog.
void botoes(QDialog* d, QVBoxLayout* v, const std::function<void()>& ok) {
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    auto* b = new QPushButton("OK", d);
    b->setObjectName("ok");
    b->setDefault(true);
    QObject::connect(b, &QPushButton::clicked, d, [d, ok] {
        ok();
        d->accept();
    });
    auto* c = new QPushButton("Cancelar", d);
    c->setObjectName("cancelar");
    QObject::connect(c, &QPushButton::clicked, d, &QDialog::reject);
    h->addWidget(b);
    h->addWidget(c);
    v->addLayout(h);
}

}  // namespace

TelaImprovisa::TelaImprovisa(Mundo& m, int jogador, QWidget* parent)
    : QDialog(parent), m_(m), jogador_(jogador) {
    setObjectName("TForm52");
    setWindowTitle("Mudar posição do jogador");
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    auto* v = new QVBoxLayout(this);
    auto* aviso = new QLabel(
        "(aqui você pode improvisar um jogador em qualquer posição, mas note que ele poderá "
        "render menos do que na posição original)",
        this);
    aviso->setWordWrap(true);
    v->addWidget(aviso);
    auto* nome = new QLabel(qs(j.nome.utf8()), this);
    nome->setObjectName("nome");
    QFont f = nome->font();
    f.setBold(true);
    nome->setFont(f);
    v->addWidget(nome);
    auto* original = new QLabel(qs(textoposicaooriginal(j)), this);
    original->setObjectName("original");
    v->addWidget(original);
    v->addWidget(new QLabel("Improvisar como:", this));
    lista_ = new QListWidget(this);
    lista_->setObjectName("posicoes");
    for (int p : posicoesimprovisa(j)) {
        lista_->addItem(qs(std::string(nomeposicao(p))));
        posicoes_.push_back(p);
    }
    lista_->addItem("Voltar posição original");
    posicoes_.push_back(-1);
    v->addWidget(lista_);
    botoes(this, v, [this] { aplica(); });
    centraliza(this);
}

void TelaImprovisa::aplica() {
    const int r = lista_->currentRow();
    if (r < 0 || r >= static_cast<int>(posicoes_.size())) return;
    improvisa(m_, jogador_, posicoes_[static_cast<size_t>(r)]);
    mudou_ = true;
}

TelaNumero::TelaNumero(Mundo& m, int jogador, QWidget* parent)
    : QDialog(parent), m_(m), jogador_(jogador) {
    setObjectName("TForm82");
    setWindowTitle("Escolher número");
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    auto* v = new QVBoxLayout(this);
    auto* nome = new QLabel(qs(j.nome.utf8()), this);
    nome->setObjectName("nome");
    v->addWidget(nome);
    lista_ = new QListWidget(this);
    lista_->setObjectName("numeros");
    for (const std::string& t : listanumeros(m, j.time)) lista_->addItem(qs(t));
    if (j.numero >= 0 && j.numero < lista_->count()) lista_->setCurrentRow(j.numero);
    v->addWidget(lista_);
    botoes(this, v, [this] { aplica(); });
    resize(260, 420);
    centraliza(this);
}

void TelaNumero::aplica() {
    const int r = lista_->currentRow();
    if (r < 0) return;
    escolhenumero(m_, jogador_, r);
    mudou_ = true;
}

TelaAposentadoria::TelaAposentadoria(Mundo& m, int jogador, QWidget* parent)
    : QDialog(parent), m_(m), jogador_(jogador) {
    setObjectName("Aposentadoria");
    setWindowTitle("Aposentadoria do jogador");
    setModal(true);
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    auto* v = new QVBoxLayout(this);
    auto* explica =
        new QLabel("Este novo jogador promovido terá entre 17 e 20 anos e força inicial entre 1 e 20.", this);
    explica->setObjectName("explicacao");
    explica->setWordWrap(true);
    v->addWidget(explica);
    v->addWidget(new QLabel("Nome do jogador a ser promovido:", this));
    nome_ = new QLineEdit(qs(j.nome.utf8()), this);
    nome_->setObjectName("nome");
    nome_->setMaxLength(20);
    v->addWidget(nome_);
    v->addWidget(new QLabel("Posição:", this));
    posicao_ = new QComboBox(this);
    posicao_->setObjectName("posicao");
    posicao_->addItems({"Goleiro", "Lateral", "Zagueiro", "Meio-Campo", "Atacante"});
    if (posicaovalida(j.posicaooriginal)) posicao_->setCurrentIndex(j.posicaooriginal);
    v->addWidget(posicao_);
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    auto* ok = new QPushButton("Aposentar", this);
    ok->setObjectName("aposentar");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        aposenta();
        if (aposentou_) accept();
    });
    auto* c = new QPushButton("Cancelar", this);
    c->setObjectName("cancelar");
    connect(c, &QPushButton::clicked, this, &QDialog::reject);
    h->addWidget(ok);
    h->addWidget(c);
    v->addLayout(h);
    // Room for the whole explanation: a wrapped label gets no height of its own otherwise.
    v->setSizeConstraint(QLayout::SetMinimumSize);
    resize(420, 240);
    escalatela(this);
}

void TelaAposentadoria::aposenta() {
    const QString nome = nome_->text().trimmed();
    if (nome.isEmpty()) return;
    const int natural = m_.jogadores[static_cast<size_t>(jogador_)].posicaooriginal;
    const int escolhida = posicao_->currentIndex();
    renovajogador(m_, jogador_, nome.toStdString(), escolhida != natural ? escolhida : -1);
    aposentou_ = true;
}

}  // namespace tarvello
