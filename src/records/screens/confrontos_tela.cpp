#include "records/screens/confrontos_tela.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "records/historico.h"
#include "records/historicoclube.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

TelaConfrontos::TelaConfrontos(const Mundo& m, int time1, int time2, QWidget* parent) : QDialog(parent), m_(m) {
    setObjectName("TForm15");
    setWindowTitle("Mostrar confrontos");
    auto* v = new QVBoxLayout(this);
    auto* topo = new QGridLayout;
    time1_ = new QComboBox(this);
    time1_->setObjectName("time1");
    time2_ = new QComboBox(this);
    time2_->setObjectName("time2");
    // Clubs of the played leagues first, in table order; every club can be chosen.
    for (QComboBox* c : {time1_, time2_}) {
        for (size_t t = 0; t < m.times.size(); ++t) {
            if (m.times[t].nome.vazio()) continue;
            c->addItem(nomeclube(m, static_cast<int>(t)), static_cast<int>(t));
        }
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
    }
    topo->addWidget(time1_, 0, 0);
    topo->addWidget(new QLabel("x", this), 0, 1);
    topo->addWidget(time2_, 0, 2);
    v->addLayout(topo);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("grade");
    preparagrade(grade_, {"Ano", "Local", "", "", "", "Competição"});
    v->addWidget(grade_, 1);
    total_ = new QLabel(this);
    total_->setObjectName("total");
    linha1_ = new QLabel(this);
    linha1_->setObjectName("balanco1");
    linha2_ = new QLabel(this);
    linha2_->setObjectName("balanco2");
    for (QLabel* l : {total_, linha1_, linha2_}) v->addWidget(l);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setAutoDefault(false);  // Enter in a club's name box chooses the club, it does not close
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar, 0, Qt::AlignRight);
    escolhe(time1, time2);
    for (QComboBox* c : {time1_, time2_}) connect(c, &QComboBox::currentIndexChanged, this, &TelaConfrontos::preenche);
    resize(720, 480);
    escalatela(this);
}

void TelaConfrontos::escolhe(int time1, int time2) {
    const int a = time1_->findData(time1), b = time2_->findData(time2);
    if (a >= 0) time1_->setCurrentIndex(a);
    if (b >= 0) time2_->setCurrentIndex(b);
    preenche();
}

void TelaConfrontos::preenche() {
    const int a = time1_->currentData().toInt(), b = time2_->currentData().toInt();
    const TConfrontosClubes c = confrontosentre(m_, a, b);
    grade_->setRowCount(static_cast<int>(c.jogos.size()));
    for (int r = 0; r < grade_->rowCount(); ++r) {
        const TConfrontoLinha& l = c.jogos[static_cast<size_t>(r)];
        const TConfronto& j = m_.confrontos[static_cast<size_t>(l.registro)];
        const QString local = j.mandante >= 0 && j.mandante < static_cast<int>(m_.times.size())
                                  ? qtexto(m_.times[static_cast<size_t>(j.mandante)].estadio.utf8())
                                  : QString();
        grade_->setItem(r, 0, new QTableWidgetItem(QString::number(anotemporada(j.temporada))));
        grade_->setItem(r, 1, new QTableWidgetItem(local));
        grade_->setItem(r, 2, new QTableWidgetItem(nomeclube(m_, j.mandante)));
        auto* placar = new QTableWidgetItem(QString::number(j.golsmandante) + " x " + QString::number(j.golsvisitante));
        placar->setTextAlignment(Qt::AlignCenter);
        grade_->setItem(r, 3, placar);
        grade_->setItem(r, 4, new QTableWidgetItem(nomeclube(m_, j.visitante)));
        grade_->setItem(r, 5, new QTableWidgetItem(qtexto(l.competicao)));
    }
    pintalinhas(grade_);
    total_->setText(qtexto(textonumerojogos(static_cast<int>(c.jogos.size()))));
    const bool jogaram = !c.jogos.empty();
    linha1_->setText(jogaram ? nomeclube(m_, a) + ": " + qtexto(textobalanco(c.primeiro)) : QString());
    linha2_->setText(jogaram ? nomeclube(m_, b) + ": " + qtexto(textobalanco(c.segundo)) : QString());
}

}  // namespace tarvello
