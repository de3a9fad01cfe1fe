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

QTableWidget* novagrade(QWidget* pai, const char* nome) {
    auto* g = new QTableWidget(0, 1, pai);
    g->setObjectName(nome);
    g->horizontalHeader()->setVisible(false);
    g->verticalHeader()->setVisible(false);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return g;
}

}  // namespace

void TelaResumoTemporada::preenchegrade(QTableWidget* grade, const std::vector<TLinhaCampeoes>& linhas) {
    grade->setRowCount(0);
    grade->setRowCount(static_cast<int>(linhas.size()));
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
        grade->setItem(static_cast<int>(i), 0, item);
    }
}

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

    // National champions beside the international ones; alone (centred) after the first season
    // or without continental cups.
    auto* grades = new QHBoxLayout;
    nacionais_ = novagrade(this, "nacionais");
    internacionais_ = novagrade(this, "internacionais");
    grades->addWidget(nacionais_, 1);
    grades->addWidget(internacionais_, 1);
    v->addLayout(grades, 1);
    if (encerrada_ > 1 && m.estado.ckinter) preenchegrade(internacionais_, linhascampeoesinternacionais(m, encerrada_));
    else internacionais_->hide();

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
    resize(internacionais_->isHidden() ? 640 : 960, 560);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaResumoTemporada::mostracampeoesnacionais(int liga) {
    liga_ = liga;
    preenchegrade(nacionais_, linhascampeoesnacionais(m_, liga, encerrada_));
}

}  // namespace tarvello
