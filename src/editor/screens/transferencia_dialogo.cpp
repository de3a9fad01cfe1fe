#include "editor/screens/transferencia_dialogo.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/screens/campos_editor.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

DialogoTransferencia::DialogoTransferencia(BaseEditor& b, int clube, int slot, QWidget* parent)
    : QDialog(parent), b_(b), clube_(clube), slot_(slot) {
    setObjectName("TForm79");
    setWindowTitle("Transferir Jogador");
    auto* v = new QVBoxLayout(this);
    auto* titulo = new QLabel(qs(jogadordoslot(b, RefElenco{false, clube}, slot).nome) + " para o clube:", this);
    titulo->setObjectName("jogador");
    v->addWidget(titulo);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("clubes");
    grade_->setColumnCount(4);
    grade_->setHorizontalHeaderLabels({"id", "Clube", "", "País"});
    grade_->setColumnHidden(0, true);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->verticalHeader()->setVisible(false);
    grade_->verticalHeader()->setDefaultSectionSize(22);
    grade_->setIconSize(QSize(24, 16));
    grade_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grade_->setColumnWidth(2, 36);
    grade_->setColumnWidth(3, 150);
    int linha = 0;
    for (int c : clubeslistados(b)) {
        if (c == clube) continue;
        const TCabecalhoClube& h = b.clubes[static_cast<size_t>(c)].dados.cabecalho;
        grade_->insertRow(linha);
        grade_->setItem(linha, 0, new QTableWidgetItem(QString::number(c)));
        grade_->setItem(linha, 1, new QTableWidgetItem(qs(h.nome.utf8())));
        auto* bandeira = new QTableWidgetItem;
        bandeira->setIcon(iconebandeira(h.pais));
        grade_->setItem(linha, 2, bandeira);
        grade_->setItem(linha, 3, new QTableWidgetItem(qs(std::string(nomepais(h.pais)))));
        for (int col = 0; col < 4; ++col) grade_->item(linha, col)->setBackground(corlinha(linha));
        ++linha;
    }
    v->addWidget(grade_);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    transferir_ = new QPushButton("Transferir", this);
    transferir_->setObjectName("transferir");
    transferir_->setEnabled(false);
    transferir_->setDefault(true);
    auto* cancelar = new QPushButton("Cancelar", this);
    cancelar->setObjectName("cancelar");
    cancelar->setAutoDefault(false);
    botoes->addWidget(transferir_);
    botoes->addWidget(cancelar);
    v->addLayout(botoes);
    connect(grade_, &QTableWidget::itemSelectionChanged, this, &DialogoTransferencia::atualiza);
    connect(grade_, &QTableWidget::cellDoubleClicked, this, &DialogoTransferencia::transfere);
    connect(transferir_, &QPushButton::clicked, this, &DialogoTransferencia::transfere);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 480);
    centraliza(this);
}

int DialogoTransferencia::destino() const {
    const int linha = grade_->currentRow();
    if (linha < 0 || grade_->selectedItems().isEmpty()) return -1;
    return grade_->item(linha, 0)->text().toInt();
}

void DialogoTransferencia::atualiza() { transferir_->setEnabled(podereceber(b_, clube_, destino())); }

void DialogoTransferencia::transfere() {
    const int para = destino();
    if (!podereceber(b_, clube_, para)) return;
    if (auto erro = transferejogador(b_, slot_, clube_, para); !erro.empty()) {
        mostramensagem(this, qs(erro));
        return;
    }
    accept();
}

}  // namespace tarvello
