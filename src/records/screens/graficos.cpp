#include "records/screens/graficos.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>

#include "records/ranking.h"
#include "records/historicoclube.h"
#include "records/historico.h"

namespace tarvello {

namespace {

QChartView* vista(QChart* grafico, QWidget* pai, const char* nome) {
    grafico->legend()->hide();
    grafico->setMargins(QMargins(2, 2, 2, 2));
    grafico->setBackgroundRoundness(0);
    auto* v = new QChartView(grafico, pai);
    v->setObjectName(nome);
    v->setRenderHint(QPainter::Antialiasing);
    v->setMinimumHeight(150);
    return v;
}

}  // namespace

QWidget* graficoposicoes(const std::vector<TPosicaoLiga>& posicoes, int clubespordivisao, QWidget* pai) {
    auto* grafico = new QChart;
    grafico->setTitle("Colocação no campeonato nacional");
    auto* linha = new QLineSeries(grafico);
    auto* pontos = new QScatterSeries(grafico);
    pontos->setMarkerSize(7);
    int pior = clubespordivisao, primeiro = 9999, ultimo = 0;
    for (const TPosicaoLiga& p : posicoes) {
        const int geral = (std::max(1, p.divisao) - 1) * clubespordivisao + p.posicao;
        const int ano = anotemporada(p.temporada);
        linha->append(ano, geral);
        pontos->append(ano, geral);
        pior = std::max(pior, ((geral - 1) / clubespordivisao + 1) * clubespordivisao);
        primeiro = std::min(primeiro, ano);
        ultimo = std::max(ultimo, ano);
    }
    grafico->addSeries(linha);
    grafico->addSeries(pontos);
    auto* x = new QValueAxis(grafico);
    x->setLabelFormat("%d");
    if (posicoes.empty()) x->setRange(2008, 2009);
    else x->setRange(primeiro - 0.5, ultimo + 0.5);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(primeiro);
    x->setTickInterval(std::max(1, (ultimo - primeiro) / 10 + 1));
    // One band per division, the first on top.
    auto* y = new QCategoryAxis(grafico);
    y->setStartValue(0.5);
    for (int d = 1; d * clubespordivisao <= pior; ++d)
        y->append(QString::number(d) + "ª div.", d * clubespordivisao + 0.5);
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    y->setRange(0.5, pior + 0.5);
    y->setReverse(true);
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(linha), static_cast<QAbstractSeries*>(pontos)}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    return vista(grafico, pai, "graficoposicoes");
}

QWidget* graficopontos(const std::vector<TPontosAno>& pontos, QWidget* pai) {
    auto* grafico = new QChart;
    grafico->setTitle("Pontos de ranking por temporada");
    auto* barras = new QBarSet("Pontos");
    QStringList anos;
    int maior = 1, menor = 0;
    for (const TPontosAno& p : pontos) {
        *barras << p.pontos;
        anos << QString::number(p.ano);
        maior = std::max(maior, p.pontos);
        menor = std::min(menor, p.pontos);
    }
    auto* serie = new QBarSeries(grafico);
    serie->append(barras);
    grafico->addSeries(serie);
    auto* x = new QBarCategoryAxis(grafico);
    x->append(anos);
    auto* y = new QValueAxis(grafico);
    y->setLabelFormat("%d");
    y->setRange(menor, maior);
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    serie->attachAxis(x);
    serie->attachAxis(y);
    return vista(grafico, pai, "graficopontos");
}

}  // namespace tarvello
