#include "records/screens/historicoclube_tela.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "records/historico.h"
#include "records/historicoclube.h"
#include "records/screens/graficos.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QTableWidgetItem* celula(const QString& t, bool numero = false) {
    auto* i = new QTableWidgetItem(t);
    if (numero) i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

void contagens(QTableWidget* g, int linha, const TContagemJogos& c) {
    const int v[] = {c.jogos, c.vitorias, c.derrotas, c.empates, c.golspro, c.golscontra};
    for (int k = 0; k < 6; ++k) g->setItem(linha, 3 + k, celula(QString::number(v[k]), true));
}

}  // namespace

TelaRetrospecto::TelaRetrospecto(const Mundo& m, int time, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm55");
    setWindowTitle("Retrospecto");
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    auto* escudo = new QLabel(this);
    escudo->setObjectName("escudo");
    escudo->setPixmap(escudoclube(m, time, 40));
    topo->addWidget(escudo);
    topo->addWidget(rotulotitulo(this, "nomeclube", 1.5));
    findChild<QLabel*>("nomeclube")->setText(nomeclube(m, time));
    topo->addStretch(1);
    v->addLayout(topo);

    auto* g = new QTableWidget(this);
    g->setObjectName("grade");
    preparagrade(g, {"Ano", "Campeonato", "Colocação", "J", "V", "D", "E", "GP", "GC", "Técnicos"});
    QFont negrito = g->font();
    negrito.setBold(true);
    int linha = 0;
    for (const TTemporadaRetrospecto& t : retrospecto(m, time)) {
        g->insertRow(linha);
        g->setItem(linha, 0, celula(QString::number(anotemporada(t.temporada))));
        g->setItem(linha, 1, celula(""));
        g->setItem(linha, 2, celula(""));
        contagens(g, linha, t.total);
        g->setItem(linha, 9, celula(qtexto(t.tecnicos)));
        for (int c = 0; c < g->columnCount(); ++c) {
            QTableWidgetItem* i = g->item(linha, c);
            i->setFont(negrito);
            i->setForeground(QColor(0, 0, 128));
            i->setBackground(QColor(255, 255, 204));
        }
        ++linha;
        for (const TLinhaRetrospecto& c : t.competicoes) {
            g->insertRow(linha);
            g->setItem(linha, 0, celula(""));
            g->setItem(linha, 1, celula(qtexto(c.campeonato)));
            g->setItem(linha, 2, celula(qtexto(c.colocacao)));
            contagens(g, linha, c.contagem);
            g->setItem(linha, 9, celula(""));
            for (int k = 0; k < g->columnCount(); ++k) g->item(linha, k)->setBackground(corlinha(linha));
            ++linha;
        }
    }
    v->addWidget(g, 3);

    const std::string titulos = textotitulosclube(m, time);
    auto* t = new QLabel(titulos.empty() ? QString() : "Títulos: " + qtexto(titulos), this);
    t->setObjectName("titulos");
    t->setWordWrap(true);
    v->addWidget(t);
    v->addWidget(graficoposicoes(posicoesliga(m, time), m.estado.sistemadisputa == 4 ? 10 : 20, this), 2);

    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar, 0, Qt::AlignRight);
    resize(760, 600);
    escalatela(this);
}

}  // namespace tarvello
