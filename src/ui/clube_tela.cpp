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

namespace {

// Relative luminance of a colour (sRGB), 0 black .. 1 white.
double luminancia(const QColor& c) {
    auto canal = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.red()) + 0.7152 * canal(c.green()) + 0.0722 * canal(c.blue());
}

double contraste(const QColor& a, const QColor& b) {
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

QColor cortextolegivel(const QColor& fundo, const QColor& texto) {
    if (contraste(fundo, texto) >= 3.0) return texto;
    const QColor preto(0, 0, 0), branco(255, 255, 255);
    return contraste(fundo, preto) >= contraste(fundo, branco) ? preto : branco;
}

void pintaclube(QLabel* rotulo, const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) {
        rotulo->setStyleSheet("background-color: #e0e0e0;");
        return;
    }
    const TTime& t = m.times[static_cast<size_t>(time)];
    // Colours that do not contrast (the same twice, or yellow on white) would be unreadable.
    const QColor fundo = correferencia(t.corfundo);
    rotulo->setStyleSheet(QString("background-color: %1; color: %2; padding: 0 3px;")
                              .arg(fundo.name(), cortextolegivel(fundo, correferencia(t.cortexto)).name()));
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

PreenchimentoGrade::PreenchimentoGrade(QTableWidget* grade) : grade_(grade) {
    QHeaderView* h = grade_->horizontalHeader();
    for (int c = 0; c < grade_->columnCount(); ++c) {
        modos_.push_back(static_cast<int>(h->sectionResizeMode(c)));
        h->setSectionResizeMode(c, QHeaderView::Fixed);
    }
}

PreenchimentoGrade::~PreenchimentoGrade() {
    QHeaderView* h = grade_->horizontalHeader();
    for (int c = 0; c < static_cast<int>(modos_.size()) && c < grade_->columnCount(); ++c)
        h->setSectionResizeMode(c, static_cast<QHeaderView::ResizeMode>(modos_[static_cast<size_t>(c)]));
}

}  // namespace tarvello
