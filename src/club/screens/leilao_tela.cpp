#include "club/screens/leilao_tela.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "club/financas.h"
#include "club/plantel_textos.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TelaLeilao::TelaLeilao(Mundo& m, const TLeilao& leilao, QWidget* parent) : QDialog(parent), m_(m), l_(leilao) {
    monta();
    QTimer::singleShot(0, this, &TelaLeilao::mostra);
}

TelaLeilao::TelaLeilao(Mundo& m, int quantos, QWidget* parent) : QDialog(parent), m_(m), restantes_(quantos) {
    monta();
    l_ = escolheleilao(m_, -1);
    QTimer::singleShot(0, this, &TelaLeilao::mostra);
}

void TelaLeilao::monta() {
    setObjectName("TForm23");
    setWindowTitle("Venda de jogador em leilão");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    escudo_ = new QLabel(this);
    escudo_->setObjectName("escudovendedor");
    topo->addWidget(escudo_);
    vendedor_ = rotulotitulo(this, "vendedor", 1.2);
    topo->addWidget(vendedor_, 1);
    v->addLayout(topo);
    nome_ = rotulotitulo(this, "jogador", 1.1);
    v->addWidget(nome_);
    dados_ = new QLabel(this);
    dados_->setObjectName("dados");
    v->addWidget(dados_);
    situacao_ = new QLabel(this);
    situacao_->setObjectName("situacao");
    situacao_->setStyleSheet("color: rgb(180, 0, 0)");
    v->addWidget(situacao_);
    preco_ = new QLabel(this);
    preco_->setObjectName("precoinicial");
    v->addWidget(preco_);
    licitante_ = new QLabel(this);
    licitante_->setObjectName("licitante");
    QFont f = licitante_->font();
    f.setBold(true);
    licitante_->setFont(f);
    v->addWidget(licitante_);
    auto* explica = new QLabel("Faça aqui sua oferta em milhares de $, por exemplo: 300 equivale à 300 mil, "
                               "1200 à 1 milhão e duzentos etc", this);
    explica->setWordWrap(true);
    v->addWidget(explica);
    auto* linha = new QHBoxLayout;
    lance_ = new QLineEdit(this);
    lance_->setObjectName("lance");
    lance_->setMaxLength(9);
    linha->addWidget(lance_);
    eco_ = new QLabel(this);
    eco_->setObjectName("eco");
    linha->addWidget(eco_, 1);
    ofertar_ = new QPushButton("Ofertar", this);
    ofertar_->setObjectName("ofertar");
    linha->addWidget(ofertar_);
    v->addLayout(linha);
    aviso_ = new QLabel(this);
    aviso_->setObjectName("aviso");
    aviso_->setStyleSheet("color: rgb(180, 0, 0)");
    v->addWidget(aviso_);
    auto* fim = new QHBoxLayout;
    escudocomprador_ = new QLabel(this);
    escudocomprador_->setObjectName("escudocomprador");
    fim->addWidget(escudocomprador_);
    resultado_ = rotulotitulo(this, "resultado", 1.2);
    fim->addWidget(resultado_, 1);
    v->addLayout(fim);

    connect(lance_, &QLineEdit::textChanged, this, [this](const QString& t) {
        int64_t valor = 0;
        eco_->setText(lelance(t.trimmed().toStdString(), valor) && valor > 0 ? qs(formatamil(valor)) : QString());
    });
    connect(lance_, &QLineEdit::returnPressed, this, &TelaLeilao::ofertar);
    connect(ofertar_, &QPushButton::clicked, this, &TelaLeilao::ofertar);
    resize(460, 380);
    escalatela(this);
}

void TelaLeilao::mostra() {
    if (l_.jogador <= 0) {
        termina();
        return;
    }
    const TJogador& j = m_.jogadores[static_cast<size_t>(l_.jogador)];
    vendedor_->setText(nomeclube(m_, l_.vendedor));
    escudo_->setPixmap(escudoclube(m_, l_.vendedor, 48));
    nome_->setText(qs(j.nome.utf8()) + "  (" + QChar(letraposicao(j.posicaooriginal)) + ")");
    int jogos = 0, gols = 0;
    for (int k = 0; k <= kCopaAmerica; ++k) {  // every club and national-team competition up to 8
        jogos += j.partidas[k];
        gols += j.gols[k];
    }
    const int hoje = m_.estado.competicaoatual;
    const int amarelos = hoje >= 0 && hoje < kNumCompeticoes ? j.amarelos[hoje] : 0;
    dados_->setText(QString("Força: %1\nPrincipal característica: %2\nIdade: %3\nSalário: $%4\nJogos: %5   Gols: %6   "
                            "Cartões amarelos: %7\nEnergia: %8%\n%9")
                        .arg(j.forca)
                        .arg(qtexto(nomehabilidade(j.habilidade1)) + "/" + qtexto(nomehabilidade(j.habilidade2)))
                        .arg(j.idade)
                        .arg(qs(formatadinheiro(j.salario)))
                        .arg(jogos)
                        .arg(gols)
                        .arg(amarelos)
                        .arg(j.energia)
                        .arg(qtexto(nomepais(j.pais))));
    const bool suspenso = hoje >= 0 && hoje < kNumCompeticoes && (j.suspensao[hoje] > 0 || j.amarelos[hoje] >= 3);
    situacao_->setText(suspenso ? "Suspenso por 1 jogo" : j.contusaoate > datahoje(m_) ? "Jogador contundido" : QString());
    preco_->setText("Preço inicial: " + qs(formatamil(l_.precoinicial)));
    resultado_->clear();
    escudocomprador_->clear();
    aviso_->clear();
    fila_ = licitantes(m_, l_);
    vez_ = 0;
    pedelance();
}

void TelaLeilao::pedelance() {
    lance_->clear();
    if (vez_ >= fila_.size()) {
        licitante_->clear();
        lance_->setEnabled(false);
        ofertar_->setEnabled(false);
        decide();
        return;
    }
    const int t = fila_[vez_];
    const int tec = m_.times[static_cast<size_t>(t)].tecnico;
    const QString tecnico = tec >= 0 && tec < static_cast<int>(m_.tecnicos.size())
                                ? qs(m_.tecnicos[static_cast<size_t>(tec)].nome.utf8())
                                : QString();
    licitante_->setText(tecnico + " (" + nomeclube(m_, t) + ")" + " - Dinheiro em caixa: " + "$" +
                        qs(formatamil(m_.times[static_cast<size_t>(t)].dinheiro)));
    lance_->setEnabled(true);
    ofertar_->setEnabled(true);
    lance_->setFocus();
}

void TelaLeilao::ofertar() {
    if (vez_ >= fila_.size() || fim_) return;
    int64_t valor = 0;
    if (!lelance(lance_->text().trimmed().toStdString(), valor)) return;  // not a whole number: ignored
    aviso_->clear();
    switch (registralance(m_, l_, fila_[vez_], valor)) {
        case Lance::AcimaDoCaixa: aviso_->setText("Valor maior que seu dinheiro em caixa"); return;
        case Lance::SaldoNegativo: aviso_->setText("Saldo negativo, seu lance foi 0."); break;
        case Lance::Aceito: break;
    }
    ++vez_;
    pedelance();
}

void TelaLeilao::decide() {
    const TDesfecho d = resolveleilao(m_, l_);
    anterior_ = d.comprador;
    if (d.comprador >= 0) {
        ++vendidos_;
        resultado_->setText("Vendido ao " + nomeclube(m_, d.comprador) + " por " + "$" + qs(formatamil(d.preco)));
        escudocomprador_->setPixmap(escudoclube(m_, d.comprador, 48));
    } else {
        resultado_->setText("Não houve compradores");
    }
    QTimer::singleShot(pausa(2500, ritmo_), this, &TelaLeilao::depois);
}

void TelaLeilao::depois() {
    if (--restantes_ > 0) {
        l_ = escolheleilao(m_, anterior_);
        mostra();
        return;
    }
    termina();
}

void TelaLeilao::termina() {
    fim_ = true;
    l_ = TLeilao{};
    done(QDialog::Accepted);
}

void TelaLeilao::closeEvent(QCloseEvent* e) {
    if (e->spontaneous() || !fim_) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TelaLeilao::reject() {
    if (fim_) QDialog::reject();
}

}  // namespace tarvello
