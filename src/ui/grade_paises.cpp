#include "ui/grade_paises.h"

#include <QHeaderView>
#include <QTableWidget>

#include "model/tipos.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {
constexpr int kColunaBandeira = 0;
constexpr int kColunaPais = 2;
constexpr int kColunaTimes = 3;
constexpr int kColunaIndice = 4;

QTableWidgetItem* celula(const QString& texto) {
    auto* i = new QTableWidgetItem(texto);
    i->setFlags(Qt::ItemIsEnabled);
    return i;
}
}  // namespace

QTableWidget* criagradepaises(QWidget* pai) {
    auto* g = new QTableWidget(0, 5, pai);
    g->setHorizontalHeaderLabels({"", "", "País", "Times", ""});
    g->setColumnHidden(kColunaIndice, true);
    g->verticalHeader()->setVisible(false);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setIconSize(QSize(24, 16));
    g->setColumnWidth(kColunaBandeira, 34);
    g->setColumnWidth(kColunaMarca, 28);
    g->horizontalHeader()->setSectionResizeMode(kColunaPais, QHeaderView::Stretch);
    g->setColumnWidth(kColunaTimes, 60);
    return g;
}

void preenchegradepaises(QTableWidget* g, const std::vector<TPaisOferecido>& linhas) {
    g->setRowCount(0);
    g->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
        const TPaisOferecido& l = linhas[static_cast<size_t>(r)];
        auto* bandeira = celula("");
        bandeira->setIcon(iconebandeira(l.pais));
        g->setItem(r, kColunaBandeira, bandeira);
        auto* marca = celula("");
        marca->setData(Qt::UserRole, "0");
        marca->setCheckState(Qt::Unchecked);
        g->setItem(r, kColunaMarca, marca);
        g->setItem(r, kColunaPais, celula(QString::fromUtf8(nomepais(l.pais).data(),
                                                            static_cast<int>(nomepais(l.pais).size()))));
        g->setItem(r, kColunaTimes, celula(QString::number(l.clubes)));
        g->setItem(r, kColunaIndice, celula(QString::number(l.pais)));
        for (int c = 0; c < g->columnCount(); ++c) g->item(r, c)->setBackground(corlinha(r));
    }
}

bool linhamarcada(const QTableWidget* g, int linha) {
    const QTableWidgetItem* i = g->item(linha, kColunaMarca);
    return i && i->data(Qt::UserRole).toString() == "1";
}

void alternamarca(QTableWidget* g, int linha) {
    QTableWidgetItem* i = g->item(linha, kColunaMarca);
    if (!i) return;
    const bool marcar = !linhamarcada(g, linha);
    i->setData(Qt::UserRole, marcar ? "1" : "0");
    i->setCheckState(marcar ? Qt::Checked : Qt::Unchecked);
}

std::vector<int> paisesmarcados(const QTableWidget* g) {
    std::vector<int> r;
    for (int l = 0; l < g->rowCount(); ++l)
        if (linhamarcada(g, l)) r.push_back(g->item(l, kColunaIndice)->text().toInt());
    return r;
}

int linhadopais(const QTableWidget* g, int pais) {
    for (int l = 0; l < g->rowCount(); ++l)
        if (g->item(l, kColunaIndice)->text().toInt() == pais) return l;
    return -1;
}

}  // namespace tarvello
