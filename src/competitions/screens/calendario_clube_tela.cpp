#include "competitions/screens/calendario_clube_tela.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "club/financas.h"
#include "competitions/calendario.h"
#include "competitions/jogosdatemporada.h"
#include "competitions/vagas.h"
#include "match/relatorios.h"
#include "match/screens/relatorio_tela.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QString nomeclube(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.times.size()) ? texto(m.times[static_cast<size_t>(t)].nome.utf8())
                                                           : QString();
}

// "02/01/2008 - qua"
QString nxdata(double data) {
    static const char* const kDias[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};
    const TDataCivil d = decodificadata(data);
    return QString("%1/%2/%3 - %4")
        .arg(d.dia, 2, 10, QChar('0'))
        .arg(d.mes, 2, 10, QChar('0'))
        .arg(d.ano)
        .arg(QString::fromUtf8(kDias[diadasemana(data) - 1]));
}

QTableWidgetItem* item(const QString& t, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* i = new QTableWidgetItem(t);
    i->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    i->setTextAlignment(a);
    return i;
}

}  // namespace

TelaCalendarioClube::TelaCalendarioClube(Mundo& m, int time, QWidget* parent)
    : QWidget(parent), m_(m), time_(time) {
    setObjectName("TForm18");
    setWindowTitle("Calendário Jogos");
    setWindowFlag(Qt::FramelessWindowHint);

    auto* raiz = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    raiz->addLayout(topo);
    auto* nome = new QLabel(nomeclube(m, time), this);
    nome->setObjectName("nometime");
    QFont f = nome->font();
    f.setBold(true);
    nome->setFont(f);
    topo->addWidget(nome);
    topo->addStretch(1);
    topo->addWidget(new QLabel("Mostrar:", this));
    mostrar_ = new QComboBox(this);
    mostrar_->setObjectName("mostrar");
    topo->addWidget(mostrar_);

    // The filter offers the competitions this club can play this season.
    const TEstadoJogo& e = m.estado;
    const bool valido = time >= 0 && time < static_cast<int>(m.times.size());
    const TTime* c = valido ? &m.times[static_cast<size_t>(time)] : nullptr;
    const bool sulamericano = c && confederacaocopas(c->pais) == 1;
    auto adiciona = [&](const QString& t, int codigo) {
        mostrar_->addItem(t);
        filtros_.push_back(codigo);
    };
    adiciona("Todos os jogos", -1);
    adiciona("Nacional", kLiga);
    adiciona("Amistosos", kAmistoso);
    if (e.ckcopa) adiciona("Copa", kCopaNacional);
    if (e.ckestadual) adiciona("Estadual", kEstadual);
    if (c && (c->grupolib > 0 || c->nalib)) adiciona(sulamericano ? "Libertadores" : "Liga Campeões", kContinental1);
    if (c && (c->gruposul > 0 || c->nasul))
        adiciona(sulamericano ? "Sul-Americana" : "Copa UEFA", kContinental2);

    grade_ = new QTableWidget(this);
    grade_->setObjectName("jogos");
    grade_->setColumnCount(8);
    grade_->setHorizontalHeaderLabels({"Data", "", "Resultado", "Competição", "Mandante", "Visitante", "Público",
                                       "Renda"});
    grade_->verticalHeader()->hide();
    grade_->verticalHeader()->setDefaultSectionSize(grade_->fontMetrics().height() + 4);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Club names share what the other columns leave: dates, figures and "Renda" show in full.
    grade_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grade_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    grade_->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    raiz->addWidget(grade_, 1);

    auto* baixo = new QHBoxLayout;
    raiz->addLayout(baixo);
    baixo->addStretch(1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    fechar->setDefault(true);
    baixo->addWidget(fechar);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(mostrar_, &QComboBox::currentIndexChanged, this, &TelaCalendarioClube::preenche);
    // A played match opens its stored report.
    connect(grade_, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
        if (r >= 0 && r < static_cast<int>(linhas_.size()))
            abrerelatorio(this, m_, relatoriodapartida(m_, linhas_[static_cast<size_t>(r)]));
    });

    preenche();
    resize(800, 560);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaCalendarioClube::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TelaCalendarioClube::preenche() {
    const int i = mostrar_->currentIndex();
    const int codigo = i >= 0 && i < static_cast<int>(filtros_.size()) ? filtros_[static_cast<size_t>(i)] : -1;
    linhas_ = jogosdoclube(m_, time_, codigo);
    CacheEscudos escudos;
    grade_->setRowCount(static_cast<int>(linhas_.size()));
    for (int r = 0; r < static_cast<int>(linhas_.size()); ++r) {
        const TPartida& p = m_.partidas[static_cast<size_t>(linhas_[static_cast<size_t>(r)])];
        const bool casa = p.mandante == time_;
        auto* lado = item(casa ? "C" : "F", Qt::AlignCenter);
        lado->setForeground(casa ? QColor(0, 0, 160) : QColor(180, 0, 0));
        const QString resultado =
            p.jogado ? QString("%1 x %2").arg(p.golsmandante).arg(p.golsvisitante) : QString("x");
        grade_->setItem(r, 0, item(nxdata(p.data)));
        grade_->setItem(r, 1, lado);
        grade_->setItem(r, 2, item(resultado, Qt::AlignCenter));
        grade_->setItem(r, 3, item(texto(nomecompeticao(m_, p.competicao, p.liga))));
        auto* mandante = item(nomeclube(m_, p.mandante));
        mandante->setIcon(escudos.icone(m_, p.mandante));
        auto* visitante = item(nomeclube(m_, p.visitante));
        visitante->setIcon(escudos.icone(m_, p.visitante));
        grade_->setItem(r, 4, mandante);
        grade_->setItem(r, 5, visitante);
        grade_->setItem(r, 6, item(p.jogado ? texto(formatadinheiro(p.publico)) : QString(),
                                   Qt::AlignRight | Qt::AlignVCenter));
        grade_->setItem(r, 7, item(p.jogado ? "$ " + texto(formatadinheiro(p.renda)) : QString(),
                                   Qt::AlignRight | Qt::AlignVCenter));
        for (int col = 0; col < grade_->columnCount(); ++col) grade_->item(r, col)->setBackground(corlinha(r));
    }
}

}  // namespace tarvello
