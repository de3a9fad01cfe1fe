#include "competitions/screens/resumo_temporada_tela.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competitions/campeoes.h"
#include "competitions/temporada.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The league preselected: the country of the club on screen, else Brazil's, else the first.
int ligainicial(const Mundo& m) {
    const int t = m.estado.timeatual;
    const int pais = t >= 0 && t < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(t)].pais : kBrasil;
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l)
        if (m.ligas[static_cast<size_t>(l)].pais == pais) return l;
    return m.ligas.empty() ? -1 : 0;
}

}  // namespace

TelaResumoTemporada::TelaResumoTemporada(Mundo& m, QWidget* parent) : QWidget(parent), m_(m) {
    setObjectName("TForm26");
    setWindowTitle("Fim de temporada");
    encerrada_ = m.estado.temporada;
    auto* v = new QVBoxLayout(this);
    QLabel* titulo = rotulotitulo(this, "titulo");
    titulo->setText(QString("Campeões de %1").arg(2007 + encerrada_));
    v->addWidget(titulo);

    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) ligas_.push_back(l);
    pais_ = new QComboBox(this);
    pais_->setObjectName("pais");
    for (int l : ligas_) pais_->addItem(q(std::string(nomepais(m.ligas[static_cast<size_t>(l)].pais))));
    pais_->setVisible(ligas_.size() > 1);
    v->addWidget(pais_);

    // The season turns now; the grid then reads the finished season from the histories.
    viratemporada(m);

    nacionais_ = new QTableWidget(0, 1, this);
    nacionais_->setObjectName("nacionais");
    nacionais_->horizontalHeader()->setVisible(false);
    nacionais_->verticalHeader()->setVisible(false);
    nacionais_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nacionais_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    v->addWidget(nacionais_, 1);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    auto* continuar = new QPushButton("Continuar >>", this);
    continuar->setObjectName("continuar");
    continuar->setDefault(true);
    connect(continuar, &QPushButton::clicked, this, &TelaResumoTemporada::continuar);
    botoes->addWidget(continuar);
    v->addLayout(botoes);

    const int inicial = ligainicial(m);
    if (inicial >= 0) pais_->setCurrentIndex(inicial);
    connect(pais_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < static_cast<int>(ligas_.size())) mostracampeoesnacionais(ligas_[static_cast<size_t>(i)]);
    });
    mostracampeoesnacionais(inicial);
    resize(640, 560);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaResumoTemporada::mostracampeoesnacionais(int liga) {
    liga_ = liga;
    nacionais_->setRowCount(0);
    const std::vector<TLinhaCampeoes> linhas = linhascampeoesnacionais(m_, liga, encerrada_);
    nacionais_->setRowCount(static_cast<int>(linhas.size()));
    for (size_t i = 0; i < linhas.size(); ++i) {
        const TLinhaCampeoes& l = linhas[i];
        auto* item = new QTableWidgetItem(q(l.texto));
        if (l.cabecalho) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        if (l.time >= 0) item->setIcon(escudos_.icone(m_, l.time));
        item->setBackground(corlinha(static_cast<int>(i)));
        nacionais_->setItem(static_cast<int>(i), 0, item);
    }
}

}  // namespace tarvello
