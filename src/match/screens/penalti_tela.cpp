#include "match/screens/penalti_tela.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "match/escalacao.h"
#include "ui/clube_tela.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

constexpr int kPausaFala = 2000;

QLabel* cabecalho(QDialog* janela, QVBoxLayout* raiz, const Mundo& m, int time) {
    auto* topo = new QHBoxLayout;
    auto* escudo = new QLabel(janela);
    escudo->setObjectName("escudo");
    escudo->setPixmap(escudoclube(m, time, 48));
    auto* nome = new QLabel(nomeclube(m, time), janela);
    nome->setObjectName("clube");
    pintaclube(nome, m, time);
    topo->addWidget(escudo);
    topo->addWidget(nome, 1);
    raiz->addLayout(topo);
    return nome;
}

QLabel* rotulonarracao(QDialog* janela) {
    auto* texto = new QLabel(janela);
    texto->setObjectName("narracao");
    texto->setWordWrap(true);
    texto->setMinimumHeight(48);
    QFont f = texto->font();
    f.setBold(true);
    texto->setFont(f);
    return texto;
}

int slotde(const Mundo& m, int time, int jogador) {
    if (const TEscalacao* r = linhade(m, time))
        for (int s = 1; s <= 11; ++s)
            if ((*r)[s] == jogador) return s;
    return 0;
}

}  // namespace

TelaCobrancaPenalti::TelaCobrancaPenalti(const Mundo& m, int time, const std::vector<int>& candidatos,
                                         std::function<TCobrancaPenalti(int)> cobra, double ritmo, QWidget* parent)
    : QDialog(parent), m_(m), time_(time), candidatos_(candidatos), cobra_(std::move(cobra)), ritmo_(ritmo) {
    setObjectName("TForm34");
    setWindowTitle(nomeclube(m, time));
    setModal(true);
    auto* raiz = new QVBoxLayout(this);
    cabecalho(this, raiz, m, time);

    grade_ = new QTableWidget(this);
    grade_->setObjectName("jogadores");
    preparagrade(grade_, {"P", "Jogador", "", "F", "Energia", "Nº", "Característ."});
    grade_->setRowCount(static_cast<int>(candidatos_.size()));
    for (int r = 0; r < static_cast<int>(candidatos_.size()); ++r) {
        const int id = candidatos_[static_cast<size_t>(r)];
        if (id <= 0 || id >= static_cast<int>(m.jogadores.size())) continue;
        const TJogador& j = m.jogadores[static_cast<size_t>(id)];
        const QString caracteristicas = qtexto(siglahabilidade(j.habilidade1)) + "/" + qtexto(siglahabilidade(j.habilidade2));
        const QStringList colunas = {QString(QChar(letraposicao(j.posicaooriginal))),
                                     qtexto(j.nome.utf8()),
                                     j.estrela ? QString::fromUtf8("★") : QString(),
                                     QString::number(j.forca),
                                     QString::number(j.energia) + "%",
                                     QString::number(slotde(m, time, id)),
                                     caracteristicas};
        for (int c = 0; c < colunas.size(); ++c) grade_->setItem(r, c, new QTableWidgetItem(colunas[c]));
    }
    pintalinhas(grade_);
    raiz->addWidget(grade_, 1);

    texto_ = rotulonarracao(this);
    raiz->addWidget(texto_);
    bater_ = new QPushButton("Bater", this);
    bater_->setObjectName("bater");
    bater_->setEnabled(false);
    raiz->addWidget(bater_, 0, Qt::AlignRight);

    relogio_ = new QTimer(this);
    relogio_->setSingleShot(true);
    connect(relogio_, &QTimer::timeout, this, &TelaCobrancaPenalti::proximafala);
    connect(grade_, &QTableWidget::itemSelectionChanged, this,
            [this] { bater_->setEnabled(!cobrada_ && selecionado() > 0); });
    connect(bater_, &QPushButton::clicked, this, &TelaCobrancaPenalti::bate);
    resize(560, 420);
    escalatela(this);
}

int TelaCobrancaPenalti::selecionado() const {
    const int r = grade_->currentRow();
    if (!grade_->selectionModel()->hasSelection() || r < 0 || r >= static_cast<int>(candidatos_.size())) return -1;
    return candidatos_[static_cast<size_t>(r)];
}

QString TelaCobrancaPenalti::narracao() const { return texto_->text(); }

void TelaCobrancaPenalti::bate() {
    const int batedor = selecionado();
    if (cobrada_ || batedor <= 0 || !cobra_) return;
    cobrada_ = true;
    bater_->hide();
    grade_->setEnabled(false);
    cobranca_ = cobra_(batedor);
    fala_ = 0;
    proximafala();
}

void TelaCobrancaPenalti::proximafala() {
    if (fala_ >= cobranca_.falas.size()) {
        accept();
        return;
    }
    texto_->setText(qtexto(cobranca_.falas[fala_++]));
    emit fala(texto_->text());
    relogio_->start(pausa(kPausaFala, ritmo_));
}

TelaPenaltiComputador::TelaPenaltiComputador(const Mundo& m, int time, const TCobrancaPenalti& c, double ritmo,
                                             QWidget* parent)
    : QDialog(parent), cobranca_(c), ritmo_(ritmo) {
    setObjectName("TForm54");
    setWindowTitle(nomeclube(m, time));
    setModal(true);
    auto* raiz = new QVBoxLayout(this);
    cabecalho(this, raiz, m, time);
    texto_ = rotulonarracao(this);
    raiz->addWidget(texto_, 1);
    relogio_ = new QTimer(this);
    relogio_->setSingleShot(true);
    connect(relogio_, &QTimer::timeout, this, &TelaPenaltiComputador::proximafala);
    resize(420, 160);
    escalatela(this);
    // The first line as soon as the window runs; a kick without lines just closes.
    relogio_->start(0);
}

QString TelaPenaltiComputador::narracao() const { return texto_->text(); }

void TelaPenaltiComputador::proximafala() {
    if (fala_ >= cobranca_.falas.size()) {
        accept();
        return;
    }
    texto_->setText(qtexto(cobranca_.falas[fala_++]));
    emit fala(texto_->text());
    relogio_->start(pausa(kPausaFala, ritmo_));
}

}  // namespace tarvello
