#include "records/screens/ranking_tecnicos_tela.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "database/arquivos.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "records/ranking.h"
#include "records/screens/galeria_tela.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

enum Coluna { kPos, kTecnico, kTime, kM, kL, kS, kN, kC, kE, kPontos, kIndice };

void cabecalho(QTableWidget* g, int coluna, const QString& texto, const QString& dica) {
    auto* h = new QTableWidgetItem(texto);
    h->setToolTip(dica);
    g->setHorizontalHeaderItem(coluna, h);
}

}  // namespace

TelaRankingTecnicos::TelaRankingTecnicos(const Mundo& m, QWidget* parent) : QDialog(parent), m_(m) {
    setObjectName("TForm47");
    auto* h = new QHBoxLayout(this);
    auto* esquerda = new QVBoxLayout;
    auto* topo = new QHBoxLayout;
    paises_ = new QComboBox(this);
    paises_->setObjectName("paises");
    const int c = m.estado.timeatual;
    const int paisatual = c >= 0 && c < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(c)].pais : kBrasil;
    int inicial = 0;
    for (const TLiga& l : m.ligas) {
        paises_->addItem(iconebandeira(l.pais), qtexto(nomepais(l.pais)), l.pais);
        if (l.pais == paisatual) inicial = paises_->count() - 1;
    }
    paises_->setCurrentIndex(inicial);
    topo->addWidget(paises_);
    auto* mundial = new QLabel("<a href=\"#\">Ranking Mundial</a>", this);
    mundial->setObjectName("rankingmundial");
    connect(mundial, &QLabel::linkActivated, this, &TelaRankingTecnicos::mundial);
    topo->addWidget(mundial);
    topo->addStretch(1);
    const bool varias = m.ligas.size() > 1;
    paises_->setVisible(varias);
    mundial->setVisible(varias);
    esquerda->addLayout(topo);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("grade");
    preparagrade(grade_, {"", "Técnico", "Time atual", "M", "L", "S", "N", "C", "E", "Pontos", ""});
    grade_->setColumnHidden(kIndice, true);
    // The names share what the counts leave, so every count and the points stay in view.
    grade_->horizontalHeader()->setStretchLastSection(false);
    grade_->horizontalHeader()->setSectionResizeMode(kTecnico, QHeaderView::Stretch);
    grade_->horizontalHeader()->setSectionResizeMode(kTime, QHeaderView::Stretch);
    esquerda->addWidget(grade_, 1);
    if (m.estado.ckestadual) {
        auto* obs = new QLabel("Obs: No ranking mundial os pontos ganhos no estadual não contam para a classificação", this);
        obs->setObjectName("obs");
        obs->setWordWrap(true);
        esquerda->addWidget(obs);
    }
    auto* fechar = new QPushButton("Fechar", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    esquerda->addWidget(fechar, 0, Qt::AlignLeft);
    h->addLayout(esquerda, 3);

    // Detail panel of the selected coach.
    auto* painel = new QVBoxLayout;
    nome_ = rotulotitulo(this, "nometecnico", 1.3);
    pontos_ = new QLabel(this);
    pontos_->setObjectName("pontos");
    cabecalhotitulos_ = rotulotitulo(this, "cabecalhotitulos", 1.0);
    cabecalhotitulos_->setText("Títulos");
    titulos_ = new QLabel(this);
    titulos_->setObjectName("titulos");
    estatisticas_ = new QTableWidget(this);
    estatisticas_->setObjectName("estatisticas");
    preparagrade(estatisticas_, {"Ano", "Clubes", "J", "V", "D", "PR", "Tit."});
    galeria_ = new QLabel("<a href=\"#\">Galeria de troféus</a>", this);
    galeria_->setObjectName("galeria");
    connect(galeria_, &QLabel::linkActivated, this, [this] {
        if (selecionado_ >= 0) abrejanela(new TelaGaleria(m_, selecionado_, this));
    });
    for (QWidget* w : {static_cast<QWidget*>(nome_), static_cast<QWidget*>(pontos_),
                       static_cast<QWidget*>(cabecalhotitulos_), static_cast<QWidget*>(titulos_)})
        painel->addWidget(w);
    painel->addWidget(estatisticas_, 1);
    painel->addWidget(galeria_);
    h->addLayout(painel, 2);

    connect(paises_, &QComboBox::currentIndexChanged, this, [this] {
        pais_ = paises_->currentData().toInt();
        preenche();
    });
    connect(grade_, &QTableWidget::currentCellChanged, this, [this](int linha) {
        if (linha < 0) return;
        if (QTableWidgetItem* i = grade_->item(linha, kIndice)) detalha(i->text().toInt());
    });
    pais_ = m.ligas.empty() ? -1 : paises_->currentData().toInt();
    preenche();
    detalha(-1);
    resize(790, 560);
    escalatela(this);
}

void TelaRankingTecnicos::mundial() {
    pais_ = -1;
    preenche();
}

void TelaRankingTecnicos::preenche() {
    const bool mundo = pais_ < 0;
    setWindowTitle("Ranking de técnicos - " + (mundo ? QString("Mundial") : qtexto(nomepais(pais_))));
    const int conf = mundo ? -1 : confederacao(pais_, false);
    const bool sul = conf == 1, europa = !mundo && conf == 0;
    if (mundo) {
        cabecalho(grade_, kL, "L/L.C", "Libertadores/Liga dos Campeões");
        cabecalho(grade_, kS, "S/C.U.", "Sul-Americana/Copa Uefa");
    } else if (europa) {
        cabecalho(grade_, kL, "L.C.", "Liga Campeões");
        cabecalho(grade_, kS, "C.U.", "Copa UEFA");
    } else {
        cabecalho(grade_, kL, "Lib", "Libertadores");
        cabecalho(grade_, kS, "Sul", "Sul-Americana");
    }
    cabecalho(grade_, kM, "M", "Mundial Interclubes");
    cabecalho(grade_, kN, "N", "Camp. Nacional");
    cabecalho(grade_, kC, "C", "Copa Nacional");
    cabecalho(grade_, kE, "E", "Estadual");
    const bool continental = m_.estado.ckinter && (mundo || sul || europa);
    grade_->setColumnHidden(kL, !continental);
    grade_->setColumnHidden(kM, !continental);
    grade_->setColumnHidden(kS, !(continental && m_.estado.ckinter3));
    grade_->setColumnHidden(kE, !(pais_ == kBrasil && m_.estado.ckestadual));

    const auto linhas = rankingtecnicos(m_, pais_);
    const QSignalBlocker bloqueio(grade_);  // the detail follows the coach, not the row number
    grade_->setCurrentCell(-1, -1);
    const PreenchimentoGrade preenchimento(grade_);
    grade_->setRowCount(static_cast<int>(linhas.size()));
    QFont negrito = grade_->font();
    negrito.setBold(true);
    for (int r = 0; r < grade_->rowCount(); ++r) {
        const TLinhaRankingTecnico& l = linhas[static_cast<size_t>(r)];
        const TTecnico& t = m_.tecnicos[static_cast<size_t>(l.tecnico)];
        auto num = [](int x) {
            auto* it = new QTableWidgetItem(QString::number(x));
            it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return it;
        };
        grade_->setItem(r, kPos, num(r + 1));
        grade_->setItem(r, kTecnico, new QTableWidgetItem(qtexto(t.nome.utf8())));
        grade_->setItem(r, kTime, new QTableWidgetItem(t.empregado ? nomeclube(m_, l.time) : QString()));
        const int v[] = {l.m, l.l, l.s, l.n, l.c, l.e, l.pontos};
        for (int k = 0; k < 7; ++k) grade_->setItem(r, kM + k, num(v[k]));
        grade_->setItem(r, kIndice, new QTableWidgetItem(QString::number(l.tecnico)));
        for (int k = 0; k < grade_->columnCount(); ++k) {
            QTableWidgetItem* it = grade_->item(r, k);
            it->setBackground(corlinha(r));
            if (t.humano) {
                it->setFont(negrito);
                it->setForeground(QColor(0, 64, 0));
            }
        }
        if (l.tecnico == selecionado_) grade_->setCurrentCell(r, kTecnico);
    }
}

void TelaRankingTecnicos::detalha(int tecnico) {
    selecionado_ = tecnico >= 0 && tecnico < static_cast<int>(m_.tecnicos.size()) ? tecnico : -1;
    const bool ha = selecionado_ >= 0;
    for (QWidget* w : {static_cast<QWidget*>(nome_), static_cast<QWidget*>(pontos_), static_cast<QWidget*>(titulos_),
                       static_cast<QWidget*>(estatisticas_), static_cast<QWidget*>(galeria_)})
        w->setVisible(ha);
    cabecalhotitulos_->setVisible(false);
    if (!ha) return;
    const TTecnico& t = m_.tecnicos[static_cast<size_t>(selecionado_)];
    nome_->setText(qtexto(t.nome.utf8()));
    pontos_->setText(QString::number(t.pontosranking) + " pontos");
    const QString titulos = qtexto(textotitulostecnico(m_, selecionado_));
    titulos_->setText(titulos);
    cabecalhotitulos_->setVisible(!titulos.isEmpty());

    const int n = std::clamp(m_.estado.temporada, 0, 10);
    estatisticas_->setRowCount(n + 1);
    for (int r = 0; r < n; ++r) {
        const int s = n - r;  // newest slot first
        QStringList clubes;
        for (int c : t.clubes[s - 1])
            if (c >= 0 && c < static_cast<int>(m_.times.size())) clubes << nomeclube(m_, c);
        const QString v[] = {QString::number(anoslot(m_, s)), clubes.join(","), QString::number(t.jogos[s]),
                             QString::number(t.vitorias[s]), QString::number(t.derrotas[s]),
                             QString::number(t.pontosporano[s]), QString::number(t.titulos[s])};
        for (int k = 0; k < 7; ++k) estatisticas_->setItem(r, k, new QTableWidgetItem(v[k]));
    }
    const QString total[] = {QString(), "Total carreira:", QString::number(t.jogos[0]), QString::number(t.vitorias[0]),
                             QString::number(t.derrotas[0]), QString::number(t.pontosranking), QString::number(t.titulos[0])};
    QFont negrito = estatisticas_->font();
    negrito.setBold(true);
    for (int k = 0; k < 7; ++k) {
        auto* it = new QTableWidgetItem(total[k]);
        it->setFont(negrito);
        estatisticas_->setItem(n, k, it);
    }
    pintalinhas(estatisticas_);
}

}  // namespace tarvello
