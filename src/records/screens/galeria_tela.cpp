#include "records/screens/galeria_tela.h"

#include <QImage>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "model/tipos.h"
#include "records/galeria.h"
#include "records/historico.h"
#include "records/ranking.h"
#include "records/screens/graficos.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

TelaGaleria::TelaGaleria(const Mundo& m, int tecnico, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm19");
    const bool valido = tecnico >= 0 && tecnico < static_cast<int>(m.tecnicos.size());
    setWindowTitle("Galeria de Troféus - " + (valido ? qtexto(m.tecnicos[static_cast<size_t>(tecnico)].nome.utf8()) : QString()));
    auto* v = new QVBoxLayout(this);
    auto* g = new QTableWidget(this);
    g->setObjectName("grade");
    g->setIconSize(QSize(18, 18));
    preparagrade(g, {"Ano", "Clube", ""});
    QFont negrito = g->font();
    negrito.setBold(true);
    CacheEscudos escudos;
    int r = 0;
    for (const TGrupoTrofeus& grupo : valido ? galeriatrofeus(m, tecnico) : std::vector<TGrupoTrofeus>{}) {
        g->insertRow(r);
        auto* cab = new QTableWidgetItem(qtexto(grupo.nome) + " " + "(" + QString::number(grupo.titulos.size()) + ")");
        cab->setFont(negrito);
        g->setItem(r, 0, cab);
        g->setSpan(r, 0, 1, 3);
        ++r;
        for (const TTrofeu& t : grupo.titulos) {
            g->insertRow(r);
            g->setItem(r, 0, new QTableWidgetItem(QString::number(anotemporada(t.temporada))));
            if (t.selecao) {
                g->setItem(r, 1, new QTableWidgetItem(iconebandeira(t.time), qtexto(nomepais(t.time))));
                g->setItem(r, 2, new QTableWidgetItem());
            } else {
                auto* clube = new QTableWidgetItem(nomeclube(m, t.time));
                // Only crests of the small size fit the row.
                const QIcon escudo = escudos.icone(m, t.time);
                const QList<QSize> tamanhos = escudo.availableSizes();
                if (!tamanhos.isEmpty() && tamanhos.front() == QSize(18, 18)) clube->setIcon(escudo);
                g->setItem(r, 1, clube);
                const int pais = t.time >= 0 && t.time < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(t.time)].pais : -1;
                g->setItem(r, 2, new QTableWidgetItem(iconebandeira(pais), QString()));
            }
            ++r;
        }
    }
    pintalinhas(g);
    v->addWidget(g, 3);
    v->addWidget(graficopontos(pontosporanotecnico(m, tecnico), this), 2);
    auto* fechar = new QPushButton("Fechar", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar, 0, Qt::AlignRight);
    resize(520, 560);
    escalatela(this);
}

}  // namespace tarvello
