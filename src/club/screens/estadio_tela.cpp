#include "club/screens/estadio_tela.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "club/financas.h"
#include "club/plantel_textos.h"
#include "model/mundo.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
const char* const kSetores[4] = {"Ger.:", "Arq.:", "Cad.:", "Cam.:"};
const char* const kNomesSetores[4] = {"Geral", "Arquibancada", "Cadeiras", "Camarotes"};

bool valido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

}  // namespace

TelaEstadio::TelaEstadio(Mundo& m, int time, QWidget* parent) : QDialog(parent), m_(m), time_(time) {
    setObjectName("TForm8");
    setWindowTitle("Estádio");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    titulo_ = rotulotitulo(this, "titulo");
    v->addWidget(titulo_);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(18);
    g->addWidget(new QLabel("Setor", this), 0, 0);
    g->addWidget(new QLabel("Lugares", this), 0, 1);
    g->addWidget(new QLabel("Ingresso", this), 0, 2);
    g->addWidget(new QLabel("Preço de referência", this), 0, 4);
    const int divisao = valido(m, time) ? std::clamp(m.times[static_cast<size_t>(time)].divisao, 0, 4) : 0;
    for (int s = 0; s < 4; ++s) {
        g->addWidget(new QLabel(kNomesSetores[s], this), s + 1, 0);
        capacidade_[s] = new QLabel(this);
        capacidade_[s]->setObjectName(QString("capacidade%1").arg(s + 1));
        capacidade_[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(capacidade_[s], s + 1, 1);
        preco_[s] = new QLabel(this);
        preco_[s]->setObjectName(QString("preco%1").arg(s + 1));
        g->addWidget(preco_[s], s + 1, 2);
        auto* botoes = new QHBoxLayout;
        for (int delta : {1, -1}) {
            auto* b = new QPushButton(delta > 0 ? "▲" : "▼", this);
            b->setObjectName(QString(delta > 0 ? "sobe%1" : "desce%1").arg(s + 1));
            b->setFixedWidth(32);
            connect(b, &QPushButton::clicked, this, [this, s, delta] {
                mudapreco(m_, time_, s, delta);
                atualiza();
            });
            botoes->addWidget(b);
        }
        g->addLayout(botoes, s + 1, 3);
        auto* ref = new QLabel(QString("%1 $%2").arg(kSetores[s]).arg(m.precospadrao[divisao][s]), this);
        ref->setObjectName(QString("referencia%1").arg(s + 1));
        g->addWidget(ref, s + 1, 4);
    }
    v->addLayout(g);

    andamento_ = new QLabel(this);
    andamento_->setObjectName("andamento");
    v->addWidget(andamento_);
    auto* h = new QHBoxLayout;
    expandir_ = new QPushButton("Expandir estádio", this);
    expandir_->setObjectName("expandir");
    connect(expandir_, &QPushButton::clicked, this, &TelaEstadio::expandir);
    h->addWidget(expandir_);
    h->addStretch(1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    h->addWidget(fechar);
    v->addLayout(h);
    atualiza();
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaEstadio::atualiza() {
    if (!valido(m_, time_)) return;
    const TTime& t = m_.times[static_cast<size_t>(time_)];
    int64_t total = 0;
    for (int s = 0; s < 4; ++s) {
        total += t.capacidade[s];
        capacidade_[s]->setText(qs(formatadinheiro(t.capacidade[s])));
        preco_[s]->setText(QString("$%1").arg(t.precoingresso[s]));
    }
    titulo_->setText(qs(t.estadio.utf8()) + " - " + qs(formatadinheiro(total)) + " lugares");
    const int obra = obraemandamento(m_, time_);
    if (obra >= 0) {
        andamento_->setText("Expansão em andamento, previsão de término: " +
                            qs(textodatacurta(m_.obras[static_cast<size_t>(obra)].datafim)));
        andamento_->show();
        expandir_->hide();
    } else {
        andamento_->hide();
        expandir_->show();
    }
}

void TelaEstadio::expandir() {
    auto* t = new TelaExpansao(m_, time_, this);
    t->setAttribute(Qt::WA_DeleteOnClose);
    connect(t, &QDialog::finished, this, [this, t] {
        if (t->iniciou()) emit dinheiromudou();
        atualiza();
    });
    t->open();
    centraliza(t);
}

TelaExpansao::TelaExpansao(Mundo& m, int time, QWidget* parent) : QDialog(parent), m_(m), time_(time) {
    setObjectName("TForm10");
    setWindowTitle("Expansão do estádio");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    const TTime* t = valido(m, time) ? &m.times[static_cast<size_t>(time)] : nullptr;
    auto cap = [&](int s) { return t ? t->capacidade[s] : 0; };
    auto* atual = new QLabel(QString("Capacidade atual:G:%1 A:%2 C:%3 Cm:%4")
                                 .arg(qs(formatadinheiro(cap(0))), qs(formatadinheiro(cap(1))),
                                      qs(formatadinheiro(cap(2))), qs(formatadinheiro(cap(3)))),
                             this);
    atual->setObjectName("capacidadeatual");
    v->addWidget(atual);
    auto* g = new QGridLayout;
    for (int s = 0; s < 4; ++s) {
        g->addWidget(new QLabel(kNomesSetores[s], this), s, 0);
        campos_[s] = new QLineEdit(this);
        campos_[s]->setObjectName(QString("acrescimo%1").arg(s + 1));
        g->addWidget(campos_[s], s, 1);
        const int64_t folga = std::max<int64_t>(0, int64_t{limitesetor(m.estado.temporada, s)} - cap(s));
        g->addWidget(new QLabel("(máximo + " + qs(formatadinheiro(folga)) + ")", this), s, 2);
    }
    v->addLayout(g);
    mensagem_ = new QLabel(this);
    mensagem_->setObjectName("mensagem");
    mensagem_->setWordWrap(true);
    v->addWidget(mensagem_);
    auto* h = new QHBoxLayout;
    auto* pedir = new QPushButton("Pedir orçamento", this);
    pedir->setObjectName("orcamento");
    connect(pedir, &QPushButton::clicked, this, &TelaExpansao::pedeorcamento);
    h->addWidget(pedir);
    iniciar_ = new QPushButton("Iniciar construção", this);
    iniciar_->setObjectName("iniciar");
    iniciar_->hide();
    connect(iniciar_, &QPushButton::clicked, this, &TelaExpansao::inicia);
    h->addWidget(iniciar_);
    h->addStretch(1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    h->addWidget(fechar);
    v->addLayout(h);
    resize(480, 260);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaExpansao::pedeorcamento() {
    mensagem_->clear();
    iniciar_->hide();
    std::array<int, 4> pedido{};
    for (int s = 0; s < 4; ++s) {
        bool ok = false;
        const int n = campos_[s]->text().trimmed().toInt(&ok);
        pedido[s] = ok && n > 0 ? n : 0;
    }
    orcamento_ = orcamento(m_, time_, pedido);
    if (orcamento_.semtecnologia) {
        mensagem_->setText("Nossos engenheiros informaram que ainda não existe tecnologia suficiente para expandir "
                           "o estádio com o número solicitado.");
        return;
    }
    if (orcamento_.vazio) return;
    mensagem_->setText("Custo total da obra, incluindo o custo do projeto inicial: $" +
                       qs(formatadinheiro(orcamento_.custo)) + "\nData prevista para o fim da obra:" +
                       qs(textodatacurta(orcamento_.datafim)));
    iniciar_->show();
}

void TelaExpansao::inicia() {
    switch (iniciaobra(m_, time_, orcamento_)) {
        case ResultadoObra::SemDinheiro: mensagem_->setText("Dinheiro insuficiente para esta obra."); return;
        case ResultadoObra::Invalida: return;
        case ResultadoObra::Iniciada:
            iniciou_ = true;
            accept();
            return;
    }
}

}  // namespace tarvello
