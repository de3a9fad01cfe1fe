#include "records/screens/campeoesestaduais_tela.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "model/tipos.h"
#include "records/galeria.h"
#include "records/historico.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

TelaCampeoesEstaduais::TelaCampeoesEstaduais(const Mundo& m, bool automatico, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm66");
    const QString titulo = "Campeões Estaduais " + QString::number(anotemporada(m.estado.temporada));
    setWindowTitle(titulo);
    auto* v = new QVBoxLayout(this);
    QLabel* t = rotulotitulo(this, "titulo", 1.4);
    t->setText(titulo);
    v->addWidget(t);
    auto* nota = new QLabel("Prêmios:Campeão 1 milhão; Vice-campeão: 500 mil; Time do artilheiro: 500 mil.", this);
    nota->setObjectName("premios");
    v->addWidget(nota);
    auto* g = new QTableWidget(this);
    g->setObjectName("grade");
    preparagrade(g, {"Estado", "Campeão", "Vice-Campeão", "Artilheiro"});
    const auto linhas = campeoesestaduaisdoano(m, m.estado.temporada);
    g->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < g->rowCount(); ++r) {
        const TCampeaoEstadual& c = linhas[static_cast<size_t>(r)];
        g->setItem(r, 0, new QTableWidgetItem(iconebandeiraestado(c.estado), qtexto(siglaestado(c.estado))));
        g->setItem(r, 1, new QTableWidgetItem(nomeclube(m, c.campeao)));
        g->setItem(r, 2, new QTableWidgetItem(nomeclube(m, c.vice)));
        g->setItem(r, 3, new QTableWidgetItem(qtexto(c.artilheiro)));
    }
    pintalinhas(g);
    v->addWidget(g, 1);
    auto* continuar = new QPushButton("Continuar >>", this);
    continuar->setObjectName("continuar");
    connect(continuar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(continuar, 0, Qt::AlignRight);
    if (automatico) QTimer::singleShot(0, continuar, &QPushButton::click);
    resize(640, 480);
    escalatela(this);
}

}  // namespace tarvello
