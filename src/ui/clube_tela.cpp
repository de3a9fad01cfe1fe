#include "ui/clube_tela.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "model/mundo.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

QString nomeclube(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return {};
    return qtexto(m.times[static_cast<size_t>(time)].nome.utf8());
}

QString nomejogador(const Mundo& m, int jogador) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return {};
    return qtexto(m.jogadores[static_cast<size_t>(jogador)].nome.utf8());
}

QColor correferencia(int32_t cor) {
    const auto c = static_cast<uint32_t>(cor);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

void pintaclube(QLabel* rotulo, const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) {
        rotulo->setStyleSheet("background-color: #e0e0e0;");
        return;
    }
    const TTime& t = m.times[static_cast<size_t>(time)];
    // A club whose two colours are the same (unset in its file) would be unreadable.
    if (t.corfundo == t.cortexto) {
        rotulo->setStyleSheet("background-color: white; color: black; padding: 0 3px;");
        return;
    }
    rotulo->setStyleSheet(QString("background-color: %1; color: %2; padding: 0 3px;")
                              .arg(correferencia(t.corfundo).name(), correferencia(t.cortexto).name()));
}

QPixmap escudoclube(const Mundo& m, int time, int altura) {
    CacheEscudos escudos;
    return escudopixmap(escudos, m, time, altura);
}

QPixmap escudopixmap(CacheEscudos& escudos, const Mundo& m, int time, int altura) {
    const QIcon icone = escudos.icone(m, time);
    if (icone.isNull()) return {};
    const QSize tamanho = icone.availableSizes().value(0, QSize(altura, altura));
    return icone.pixmap(tamanho).scaledToHeight(altura, Qt::SmoothTransformation);
}

int pausa(int ms, double ritmo) { return std::max(1, static_cast<int>(std::lround(ms * ritmo))); }

void preparagrade(QTableWidget* grade, const QStringList& colunas) {
    grade->setColumnCount(static_cast<int>(colunas.size()));
    grade->setHorizontalHeaderLabels(colunas);
    grade->verticalHeader()->setVisible(false);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grade->horizontalHeader()->setStretchLastSection(true);
}

void pintalinhas(QTableWidget* grade) {
    for (int r = 0; r < grade->rowCount(); ++r)
        for (int c = 0; c < grade->columnCount(); ++c)
            if (QTableWidgetItem* it = grade->item(r, c)) it->setBackground(corlinha(r));
}

}  // namespace tarvello
