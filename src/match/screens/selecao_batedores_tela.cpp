#include "match/screens/selecao_batedores_tela.h"

#include <QHeaderView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/clube_tela.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/tela.h"

namespace tarvello {

TelaSelecaoBatedores::TelaSelecaoBatedores(const Mundo& m, int time, const std::vector<int>& disponiveis,
                                           QWidget* parent)
    : QDialog(parent), m_(m) {
    setObjectName("TForm37");
    setWindowTitle("Desempate por Penaltis - Seleção dos batedores");
    setModal(true);
    for (int j : disponiveis)
        if (j > 0 && j < static_cast<int>(m.jogadores.size())) disponiveis_.push_back(j);

    auto* raiz = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    auto* escudo = new QLabel(this);
    escudo->setPixmap(escudoclube(m, time, 40));
    auto* nome = new QLabel(nomeclube(m, time), this);
    nome->setObjectName("clube");
    pintaclube(nome, m, time);
    topo->addWidget(escudo);
    topo->addWidget(nome, 1);
    raiz->addLayout(topo);

    auto* grade = new QGridLayout;
    raiz->addLayout(grade, 1);
    grade->addWidget(new QLabel("Jogadores disponíveis:", this), 0, 0);
    grade->addWidget(new QLabel("Batedores na ordem:", this), 0, 2);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("disponiveis");
    preparagrade(grade_, {"P", "Jogador", "", "F", "Energia"});
    // The name takes what the short columns leave, so "Energia" always shows in full.
    grade_->horizontalHeader()->setStretchLastSection(false);
    grade_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grade_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grade->addWidget(grade_, 1, 0);
    grade->setColumnStretch(0, 3);
    grade->setColumnStretch(2, 2);
    auto* botoes = new QVBoxLayout;
    mover_ = new QPushButton(">>", this);
    mover_->setObjectName("mover");
    automatico_ = new QPushButton("Automático", this);
    automatico_->setObjectName("automatico");
    botoes->addStretch(1);
    botoes->addWidget(mover_);
    botoes->addWidget(automatico_);
    botoes->addStretch(1);
    grade->addLayout(botoes, 1, 1);
    ordem_ = new QListWidget(this);
    ordem_->setObjectName("ordem");
    grade->addWidget(ordem_, 1, 2);

    proximo_ = new QPushButton("Próximo >>", this);
    proximo_->setObjectName("proximo");
    raiz->addWidget(proximo_, 0, Qt::AlignRight);

    connect(mover_, &QPushButton::clicked, this, &TelaSelecaoBatedores::move);
    connect(automatico_, &QPushButton::clicked, this, &TelaSelecaoBatedores::automatico);
    connect(proximo_, &QPushButton::clicked, this, [this] {
        if (disponiveis_.empty()) accept();
    });
    resize(620, 420);
    escalatela(this);
    atualiza();
}

void TelaSelecaoBatedores::move() {
    const int r = grade_->currentRow();
    if (!grade_->selectionModel()->hasSelection() || r < 0 || r >= static_cast<int>(disponiveis_.size())) return;
    batedores_.push_back(disponiveis_[static_cast<size_t>(r)]);
    disponiveis_.erase(disponiveis_.begin() + r);
    atualiza();
    // The next player is ready to be moved at once.
    if (!disponiveis_.empty()) grade_->selectRow(std::min(r, static_cast<int>(disponiveis_.size()) - 1));
}

void TelaSelecaoBatedores::automatico() {
    while (!disponiveis_.empty()) {
        batedores_.push_back(disponiveis_.back());
        disponiveis_.pop_back();
    }
    atualiza();
}

void TelaSelecaoBatedores::atualiza() {
    grade_->clearContents();
    grade_->setRowCount(static_cast<int>(disponiveis_.size()));
    for (int r = 0; r < static_cast<int>(disponiveis_.size()); ++r) {
        const TJogador& j = m_.jogadores[static_cast<size_t>(disponiveis_[static_cast<size_t>(r)])];
        const QStringList colunas = {QString(QChar(letraposicao(j.posicaooriginal))), qtexto(j.nome.utf8()),
                                     j.estrela ? QString::fromUtf8("★") : QString(), QString::number(j.forca),
                                     QString::number(j.energia) + "%"};
        for (int c = 0; c < colunas.size(); ++c) grade_->setItem(r, c, new QTableWidgetItem(colunas[c]));
    }
    pintalinhas(grade_);
    ordem_->clear();
    for (size_t k = 0; k < batedores_.size(); ++k)
        ordem_->addItem(QString::number(k + 1) + ". " + nomejogador(m_, batedores_[k]));
    mover_->setEnabled(!disponiveis_.empty());
    automatico_->setEnabled(!disponiveis_.empty());
    proximo_->setEnabled(disponiveis_.empty());
}

}  // namespace tarvello
