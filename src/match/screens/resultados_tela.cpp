#include "match/screens/resultados_tela.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "club/financas.h"
#include "competitions/calendario.h"
#include "competitions/copas.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "match/screens/relatorio_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TelaResultados::TelaResultados(Mundo& m, int tipo, double data, QWidget* parent)
    : QWidget(parent), m_(m), tipo_(tipo), data_(data) {
    setObjectName("TForm67");
    setWindowTitle("Resultados");
    auto* v = new QVBoxLayout(this);
    grupo_ = new QComboBox(this);
    grupo_->setObjectName("grupo");
    v->addWidget(grupo_);

    // The choices: the groups whose reports are today's, league days per division.
    auto ja = [&](int liga, int divisao) {
        for (const TFiltro& f : filtros_)
            if (f.liga == liga && f.divisao == divisao) return true;
        return false;
    };
    auto humano = [&](int t) { return t >= 0 && t < static_cast<int>(m.times.size()) && m.times[static_cast<size_t>(t)].humano; };
    TFiltro dohumano{-1, 0};  // the group of the first match of a human club
    for (int i = 0; i < m.estado.numrelatorios && i < static_cast<int>(m.relatorios.size()); ++i) {
        const TRelatorioPartida& r = m.relatorios[static_cast<size_t>(i)];
        if (r.data != data || r.competicao != tipo) continue;
        const int divisao = tipo == kLiga && r.mandante >= 0 && r.mandante < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(r.mandante)].divisao : 0;
        if (dohumano.liga < 0 && (humano(r.mandante) || humano(r.visitante))) dohumano = {r.grupo, divisao};
        if (ja(r.grupo, divisao)) continue;
        filtros_.push_back({r.grupo, divisao});
    }
    std::stable_sort(filtros_.begin(), filtros_.end(), [](const TFiltro& a, const TFiltro& b) {
        return a.liga != b.liga ? a.liga < b.liga : a.divisao < b.divisao;
    });
    for (const TFiltro& f : filtros_) {
        QString t = q(nomecompeticao(m, tipo, f.liga));
        if (f.divisao > 0) t += QString(" - %1ª divisão").arg(f.divisao);
        grupo_->addItem(t);
    }

    resultados_ = new QTableWidget(0, 3, this);
    resultados_->setObjectName("resultados");
    resultados_->setHorizontalHeaderLabels({"Mandante", "", "Visitante"});
    resultados_->verticalHeader()->setVisible(false);
    resultados_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultados_->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultados_->setSelectionMode(QAbstractItemView::SingleSelection);
    resultados_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    resultados_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    v->addWidget(resultados_, 2);
    relatorio_ = new PainelRelatorio(m, this);
    relatorio_->setObjectName("relatorio");
    v->addWidget(relatorio_, 5);

    auto* botoes = new QHBoxLayout;
    auto* tabela = new QPushButton("Classificação após a rodada", this);
    tabela->setObjectName("classificacao");
    tabela->setVisible(tipo == kLiga || tipo == kEstadual || tipo == kContinental1 || tipo == kContinental2);
    connect(tabela, &QPushButton::clicked, this, &TelaResultados::classificacao);
    botoes->addWidget(tabela);
    botoes->addStretch(1);
    auto* continuar = new QPushButton("Continuar >>", this);
    continuar->setObjectName("continuar");
    continuar->setDefault(true);
    connect(continuar, &QPushButton::clicked, this, &TelaResultados::continuar);
    botoes->addWidget(continuar);
    v->addLayout(botoes);

    // The coaches look for their own results first: open on the first group with a human club.
    for (size_t i = 0; i < filtros_.size(); ++i)
        if (filtros_[i].liga == dohumano.liga && filtros_[i].divisao == dohumano.divisao) {
            grupo_->setCurrentIndex(static_cast<int>(i));
            break;
        }
    connect(grupo_, &QComboBox::currentIndexChanged, this, &TelaResultados::mostra);
    connect(resultados_, &QTableWidget::currentCellChanged, this, [this](int r, int, int, int) { detalhe(r); });
    mostra();
    resize(800, 760);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaResultados::closeEvent(QCloseEvent* e) {
    if (e->spontaneous()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

int TelaResultados::ligaselecionada() const {
    const int g = grupo_->currentIndex();
    return g >= 0 && g < static_cast<int>(filtros_.size()) ? filtros_[static_cast<size_t>(g)].liga : -1;
}

void TelaResultados::mostra() {
    resultados_->setRowCount(0);
    relatoriosdalinha_.clear();
    relatorio_->mostra(-1, true);
    const int g = grupo_->currentIndex();
    if (g < 0 || g >= static_cast<int>(filtros_.size())) return;
    const TFiltro f = filtros_[static_cast<size_t>(g)];
    int humana = -1;
    for (int i = 0; i < m_.estado.numrelatorios && i < static_cast<int>(m_.relatorios.size()); ++i) {
        const TRelatorioPartida& r = m_.relatorios[static_cast<size_t>(i)];
        if (r.data != data_ || r.competicao != tipo_ || r.grupo != f.liga) continue;
        if (r.mandante < 0 || r.visitante < 0) continue;
        const TTime& casa = m_.times[static_cast<size_t>(r.mandante)];
        const TTime& fora = m_.times[static_cast<size_t>(r.visitante)];
        if (f.divisao > 0 && casa.divisao != f.divisao) continue;
        const int l = resultados_->rowCount();
        resultados_->insertRow(l);
        relatoriosdalinha_.push_back(i);
        auto* a = new QTableWidgetItem(escudos_.icone(m_, r.mandante), q(casa.nome.utf8()));
        resultados_->setItem(l, 0, a);
        QString placar = QString("%1 x %2").arg(r.golsmandante).arg(r.golsvisitante);
        if (r.decididopenaltis) placar += QString(" (P:%1x%2)").arg(r.penaltismandante).arg(r.penaltisvisitante);
        resultados_->setItem(l, 1, new QTableWidgetItem(placar));
        resultados_->setItem(l, 2, new QTableWidgetItem(escudos_.icone(m_, r.visitante), q(fora.nome.utf8())));
        resultados_->item(l, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        resultados_->item(l, 1)->setTextAlignment(Qt::AlignCenter);
        if (casa.humano || fora.humano) {
            destacalinha(resultados_, l);
            if (humana < 0) humana = l;
        }
    }
    // The report of the coach's own match (else the first) is shown at once.
    if (resultados_->rowCount() > 0) resultados_->setCurrentCell(std::max(humana, 0), 0);
}

void TelaResultados::detalhe(int linha) { relatorio_->mostra(relatoriodalinha(linha), true); }

int TelaResultados::relatoriodalinha(int linha) const {
    return linha >= 0 && linha < static_cast<int>(relatoriosdalinha_.size()) ? relatoriosdalinha_[static_cast<size_t>(linha)] : -1;
}

}  // namespace tarvello
