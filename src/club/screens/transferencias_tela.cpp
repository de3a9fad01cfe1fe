#include "club/screens/transferencias_tela.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "club/financas.h"
#include "model/mundo.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

TelaTransferencias::TelaTransferencias(const Mundo& m, int time, QWidget* parent) : QDialog(parent) {
    setObjectName("transferencias");
    setWindowTitle("Transferências de Jogadores");
    auto* v = new QVBoxLayout(this);
    auto* grade = new QTableWidget(this);
    grade->setObjectName("lista");
    preparagrade(grade, {"Ano", "Jogador", "Origem", "Destino", "Preço"});
    int linhas = 0;
    for (auto it = m.transferencias.rbegin(); it != m.transferencias.rend() && linhas < 200; ++it) {
        const TTransferencia& t = *it;
        if (time >= 0 && t.origem != time && t.destino != time) continue;
        grade->insertRow(linhas);
        grade->setItem(linhas, 0, new QTableWidgetItem(QString::number(2007 + t.temporada)));
        grade->setItem(linhas, 1, new QTableWidgetItem(nomejogador(m, t.jogador)));
        grade->setItem(linhas, 2, new QTableWidgetItem(nomeclube(m, t.origem)));
        grade->setItem(linhas, 3, new QTableWidgetItem(nomeclube(m, t.destino)));
        auto* preco = new QTableWidgetItem("$" + QString::fromStdString(formatadinheiro(t.preco)));
        preco->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grade->setItem(linhas, 4, preco);
        ++linhas;
    }
    pintalinhas(grade);
    v->addWidget(grade, 1);
    auto* fechar = new QPushButton("Fechar", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar);
    resize(640, 480);
    escalatela(this);
}

}  // namespace tarvello
