#include "newgame/screens/carregar_jogo_tela.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "database/jogosalvo.h"
#include "model/mundo.h"
#include "newgame/salvamento.h"
#include "ui/tela.h"

namespace tarvello {
namespace fs = std::filesystem;

TelaCarregarJogo::TelaCarregarJogo(fs::path raiz, uint64_t semente, QWidget* pai)
    : QDialog(pai), raiz_(std::move(raiz)), semente_(semente) {
    setObjectName("TForm21");
    setWindowTitle("Carregar jogo");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* meio = new QHBoxLayout;
    grade_ = new QTableWidget(0, 1, this);
    grade_->setObjectName("arquivos");
    auto* h = new QTableWidgetItem("Arquivo");
    h->setData(Qt::UserRole, QStringLiteral("nxarquivo"));
    grade_->setHorizontalHeaderItem(0, h);
    grade_->horizontalHeader()->setStretchLastSection(true);
    grade_->verticalHeader()->hide();
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    meio->addWidget(grade_, 1);

    auto* previa = new QFormLayout;
    tecnico_ = new QLabel(this);
    tecnico_->setObjectName("tecnico");
    time_ = new QLabel(this);
    time_->setObjectName("time");
    ano_ = new QLabel(this);
    ano_->setObjectName("ano");
    competicao_ = new QLabel(this);
    competicao_->setObjectName("competicao");
    invalido_ = new QLabel(this);
    invalido_->setObjectName("invalido");
    previa->addRow("Técnico:", tecnico_);
    previa->addRow("Time:", time_);
    previa->addRow("Ano:", ano_);
    previa->addRow("Competição:", competicao_);
    previa->addRow(invalido_);
    meio->addLayout(previa, 1);
    v->addLayout(meio);

    auto* botoes = new QHBoxLayout;
    auto* carregar = new QPushButton("Carregar", this);
    carregar->setObjectName("carregar");
    auto* cancelar = new QPushButton("Cancelar", this);
    cancelar->setObjectName("cancelar");
    auto* apagar = new QPushButton("Apagar ", this);
    apagar->setObjectName("apagar");
    botoes->addWidget(carregar);
    botoes->addWidget(cancelar);
    botoes->addStretch();
    botoes->addWidget(apagar);
    v->addLayout(botoes);
    connect(carregar, &QPushButton::clicked, this, &TelaCarregarJogo::carregar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(apagar, &QPushButton::clicked, this, &TelaCarregarJogo::apagar);
    connect(grade_, &QTableWidget::itemSelectionChanged, this, &TelaCarregarJogo::mostraprevia);
    connect(grade_, &QTableWidget::cellDoubleClicked, this, &TelaCarregarJogo::carregar);
    resize(620, 320);
    lista();
}

TelaCarregarJogo::~TelaCarregarJogo() = default;

std::unique_ptr<Mundo> TelaCarregarJogo::entregamundo() { return std::move(mundo_); }

int TelaCarregarJogo::coluna(const QString& chave) const {
    for (int c = 0; c < grade_->columnCount(); ++c)
        if (grade_->horizontalHeaderItem(c)->data(Qt::UserRole).toString() == chave) return c;
    return -1;
}

void TelaCarregarJogo::lista() {
    const auto nomes = listasalvos(raiz_);
    grade_->setRowCount(static_cast<int>(nomes.size()));
    for (int i = 0; i < static_cast<int>(nomes.size()); ++i) {
        auto* it = new QTableWidgetItem(QString::fromStdString(nomes[static_cast<size_t>(i)]));
        it->setBackground(corlinha(i));
        grade_->setItem(i, 0, it);
    }
    if (!nomes.empty()) grade_->selectRow(0);
    else mostraprevia();
}

fs::path TelaCarregarJogo::selecionado() const {
    const int l = grade_->currentRow();
    if (l < 0 || !grade_->item(l, 0)) return {};
    return pastasalvos(raiz_) / grade_->item(l, 0)->text().toStdString();
}

void TelaCarregarJogo::mostraprevia() {
    for (QLabel* l : {tecnico_, time_, ano_, competicao_, invalido_}) l->clear();
    const fs::path arquivo = selecionado();
    if (arquivo.empty()) return;
    const auto e = lecabecalhojogo(arquivo);
    if (!e) return;  // a file that cannot be read shows nothing
    if (e->marcavalida != kMarcaValida) {
        invalido_->setText("arquivo inválido");
        return;
    }
    tecnico_->setText(QString::fromStdString(e->nometecnicosalvo.utf8()));
    time_->setText(QString::fromStdString(e->nometimesalvo.utf8()));
    ano_->setText(QString::number(2007LL + e->temporada));
    competicao_->setText(QString::fromStdString(descricaosalvo(*e)));
}

void TelaCarregarJogo::carregar() {
    const fs::path arquivo = selecionado();
    if (arquivo.empty()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    JogoCarregado c = carregajogo(arquivo, semente_);
    QApplication::restoreOverrideCursor();
    if (!c.mundo) {
        // Nothing was replaced: the start menu (and any game) is as it was.
        mostramensagem(this, QString::fromStdString(c.erro));
        return;
    }
    mundo_ = std::move(c.mundo);
    accept();
}

void TelaCarregarJogo::apagar() {
    const int l = grade_->currentRow();
    const fs::path arquivo = selecionado();
    if (arquivo.empty()) return;
    if (!pergunta(this, "Deseja apagar mesmo o arquivo?")) return;
    std::error_code ec;
    if (!fs::remove(arquivo, ec) || ec) {
        // The row stays: the file is still there.
        mostramensagem(this, "Não foi possível apagar o arquivo.");
        return;
    }
    grade_->removeRow(l);
    mostraprevia();
}

}  // namespace tarvello
