#include "match/screens/partidas_tela.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "match/diajogo.h"
#include "match/interacao.h"
#include "match/screens/partida_tela.h"
#include "match/screens/sons_tela.h"
#include "match/sons.h"
#include "match/simulacao.h"
#include "match/textoeventos.h"
#include "model/mundo.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

enum Coluna { kMandante, kGolsMandante, kX, kGolsVisitante, kVisitante, kEvento, kPublico, kColunas };

}  // namespace

TelaPartidas::TelaPartidas(Mundo& m, Interacao& ia, QWidget* parent) : QWidget(parent), m_(m), ia_(ia) {
    setObjectName("TForm46");
    setWindowTitle("Partidas");
    auto* v = new QVBoxLayout(this);
    titulo_ = rotulotitulo(this, "titulo");
    v->addWidget(titulo_);
    auto* relogio = new QHBoxLayout;
    tempo_ = rotulotitulo(this, "tempo");
    tempo_->setText("1º tempo");
    relogio->addWidget(tempo_);
    minuto_ = rotulotitulo(this, "minuto");
    relogio->addWidget(minuto_);
    relogio->addStretch(1);
    // League days with more than two divisions show the first and one other at a time.
    trocadivisao_ = new QPushButton(this);
    trocadivisao_->setObjectName("trocadivisao");
    trocadivisao_->setFocusPolicy(Qt::NoFocus);
    trocadivisao_->hide();
    connect(trocadivisao_, &QPushButton::clicked, this, [this] {
        const int ultima = divisoes_.empty() ? 2 : divisoes_.back();
        segunda_ = segunda_ >= ultima ? 2 : segunda_ + 1;
        mostradivisoes();
    });
    relogio->addWidget(trocadivisao_);
    v->addLayout(relogio);
    jogos_ = new QTableWidget(0, kColunas, this);
    jogos_->setObjectName("jogos");
    jogos_->setHorizontalHeaderLabels({"Mandante", "", "", "", "Visitante", "", "Público"});
    jogos_->verticalHeader()->setVisible(false);
    jogos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jogos_->setSelectionMode(QAbstractItemView::NoSelection);
    jogos_->setFocusPolicy(Qt::NoFocus);
    jogos_->setIconSize(QSize(16, 16));
    jogos_->horizontalHeader()->setSectionResizeMode(kMandante, QHeaderView::Stretch);
    jogos_->horizontalHeader()->setSectionResizeMode(kVisitante, QHeaderView::Stretch);
    jogos_->horizontalHeader()->setSectionResizeMode(kEvento, QHeaderView::Stretch);
    for (int c : {kGolsMandante, kX, kGolsVisitante}) jogos_->setColumnWidth(c, 28);
    connect(jogos_, &QTableWidget::cellClicked, this, [this](int r, int c) {
        if (c < kGolsMandante || c > kGolsVisitante) {
            if (c != kEvento) return;
        }
        for (size_t s = 0; s < linhadojogo_.size(); ++s)
            if (linhadojogo_[s] == r) abrepartida(static_cast<int>(s) + 1);
    });
    v->addWidget(jogos_, 1);
    relogio_.setSingleShot(true);
    connect(&relogio_, &QTimer::timeout, this, &TelaPartidas::tique);
    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

int TelaPartidas::intervalo() const {
    const int i = m_.diajogo.slotshumanos.empty() ? m_.estado.intervalocomputador : m_.estado.intervalohumano;
    return i > 0 ? i : 600;
}

void TelaPartidas::inicia() { proximo(); }

void TelaPartidas::proximo() {
    if (proximogrupo(m_, ia_)) {
        terminou_ = false;
        monta();
        relogio_.start(intervalo());
        return;
    }
    emit encerrado();
}

// The panel a match belongs to on screen: the division on league days, the group on state days
// (the final has one panel of its own); 0 when the day has a single panel.
int TelaPartidas::painel(const TJogos& g) const {
    if (m_.controledia.tipo == kLiga) return g.divisao;
    if (m_.controledia.tipo == kEstadual && g.mandante >= 0) {
        if (m_.estado.faseestadual >= 6) return 0;
        return m_.times[static_cast<size_t>(g.mandante)].grupoestadual;
    }
    return 0;
}

void TelaPartidas::monta() {
    const TControleDia& c = m_.controledia;
    const int grupo = c.grupo >= 0 && c.grupo < static_cast<int>(c.grupos.size()) ? c.grupos[static_cast<size_t>(c.grupo)] : -1;
    titulo_->setText(q(titulogrupo(m_, c.tipo, grupo)));
    tempo_->setText("1º tempo");
    minuto_->clear();
    eventosetapa_ = 0;
    jogos_->setRowCount(0);
    linhadojogo_.clear();
    divisoes_.clear();
    segunda_ = 2;
    int atual = -1;
    for (const TJogos& g : m_.diajogo.jogos) {
        // One panel per division (league) or group (state championship), each under its heading.
        const int p = painel(g);
        if (p > 0 && p != atual) {
            atual = p;
            if (c.tipo == kLiga) divisoes_.push_back(p);
            const int l = jogos_->rowCount();
            jogos_->insertRow(l);
            auto* cab = new QTableWidgetItem(c.tipo == kLiga ? QString("%1ª divisão").arg(p) : QString("Grupo %1").arg(p));
            QFont f = cab->font();
            f.setBold(true);
            cab->setFont(f);
            cab->setBackground(QColor(220, 228, 240));
            cab->setData(Qt::UserRole, p);
            jogos_->setItem(l, 0, cab);
            jogos_->setSpan(l, 0, 1, kColunas);
        }
        const int l = jogos_->rowCount();
        jogos_->insertRow(l);
        linhadojogo_.push_back(l);
        jogos_->setItem(l, kMandante, new QTableWidgetItem(escudos_.icone(m_, g.mandante),
                                                           q(m_.times[static_cast<size_t>(g.mandante)].nome.utf8())));
        jogos_->setItem(l, kX, new QTableWidgetItem("X"));
        jogos_->setItem(l, kVisitante, new QTableWidgetItem(escudos_.icone(m_, g.visitante),
                                                            q(m_.times[static_cast<size_t>(g.visitante)].nome.utf8())));
        jogos_->setItem(l, kPublico, new QTableWidgetItem(QString::number(g.publico)));
        jogos_->item(l, kMandante)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        jogos_->item(l, kX)->setTextAlignment(Qt::AlignCenter);
    }
    mostradivisoes();
    atualiza();
}

void TelaPartidas::mostradivisoes() {
    const bool troca = m_.controledia.tipo == kLiga && divisoes_.size() > 2;
    trocadivisao_->setVisible(troca);
    int divisao = 0;
    for (int l = 0; l < jogos_->rowCount(); ++l) {
        if (jogos_->columnSpan(l, 0) > 1) divisao = jogos_->item(l, 0)->data(Qt::UserRole).toInt();
        jogos_->setRowHidden(l, troca && divisao != 1 && divisao != segunda_);
    }
    if (troca) {
        const int proxima = segunda_ >= divisoes_.back() ? 2 : segunda_ + 1;
        trocadivisao_->setText(QString("Ver %1ª divisão").arg(proxima));
    }
}

void TelaPartidas::atualiza() {
    const auto& eventos = m_.diajogo.eventos;
    for (size_t s = 0; s < linhadojogo_.size() && s < m_.diajogo.jogos.size(); ++s) {
        const TJogos& g = m_.diajogo.jogos[s];
        const int l = linhadojogo_[s];
        const int jogo = static_cast<int>(s) + 1;
        auto* gm = new QTableWidgetItem(QString::number(g.gols[0]));
        auto* gv = new QTableWidgetItem(QString::number(g.gols[1]));
        gm->setTextAlignment(Qt::AlignCenter);
        gv->setTextAlignment(Qt::AlignCenter);
        jogos_->setItem(l, kGolsMandante, gm);
        jogos_->setItem(l, kGolsVisitante, gv);
        // The latest event of this half, with its picture.
        int tipo = -1;
        for (size_t e = eventos.size(); e > eventosetapa_ && tipo < 0; --e)
            if (eventos[e - 1].partida == jogo) tipo = eventos[e - 1].tipo;
        auto* evento = new QTableWidgetItem(tipo >= 0 ? q(ultimoevento(m_, jogo)) : QString());
        if (tipo >= 0) evento->setIcon(iconeevento(tipo));
        jogos_->setItem(l, kEvento, evento);
        const bool humano = m_.times[static_cast<size_t>(g.mandante)].humano || m_.times[static_cast<size_t>(g.visitante)].humano;
        if (humano) destacalinha(jogos_, l);
    }
}

void TelaPartidas::tique() {
    if (m_.diajogo.tempo == 1 && m_.diajogo.minuto == 50) {
        // The last tick of the first half plays nothing (added time is at most two minutes) and
        // leads to the half-time windows: the event lines are cleared before they open.
        eventosetapa_ = m_.diajogo.eventos.size();
        atualiza();
        minuto_->setText("Intervalo");
    }
    const size_t antes = m_.diajogo.eventos.size();
    const EstadoMinuto e = minuto(m_, ia_);
    for (Som s : sonsdoseventos(m_, std::min(antes, m_.diajogo.eventos.size()))) tocasom(m_, s);
    if (e == EstadoMinuto::Intervalo) eventosetapa_ = m_.diajogo.eventos.size();
    atualiza();
    if (e == EstadoMinuto::Fim) {
        tempo_->setText("Fim de jogo");
        minuto_->clear();
        terminou_ = true;
        encerrapartidas(m_, ia_);
        tocasom(m_, Som::FimJogo);
        const bool penaltis = std::any_of(m_.diajogo.jogos.begin(), m_.diajogo.jogos.end(),
                                          [](const TJogos& g) { return g.decididopenaltis != 0; });
        if (penaltis) tempo_->setText("Desempate por Penaltis");
        // The final scores (or the shoot-out notice, 3 seconds) stay before the next group.
        QTimer::singleShot(penaltis ? 3000 : std::min(1500, 10 * intervalo()), this, &TelaPartidas::proximo);
        return;
    }
    tempo_->setText(m_.diajogo.tempo == 2 ? QString("2º tempo") : QString("1º tempo"));
    minuto_->setText(m_.diajogo.minuto > 0 ? q(rotulominuto(m_)) : QString());
    relogio_.start(intervalo());
}

void TelaPartidas::abrepartida(int jogo) {
    if (terminou_ || jogo < 1 || jogo > static_cast<int>(m_.diajogo.jogos.size())) return;
    const bool andando = relogio_.isActive();
    relogio_.stop();
    TelaPartida t(m_, jogo, false, this);
    t.exec();
    atualiza();
    if (andando) relogio_.start(intervalo());
}

void TelaPartidas::closeEvent(QCloseEvent* e) {
    if (e->spontaneous()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void TelaPartidas::keyPressEvent(QKeyEvent* e) {
    static const std::pair<int, int> velocidades[] = {
        {Qt::Key_F1, 4000}, {Qt::Key_F2, 2500}, {Qt::Key_F3, 800}, {Qt::Key_F4, 600}, {Qt::Key_F5, 100}};
    for (const auto& [tecla, ms] : velocidades)
        if (e->key() == tecla) {
            m_.estado.intervalohumano = ms;
            if (relogio_.isActive()) relogio_.start(intervalo());
            return;
        }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) &&
        !m_.diajogo.slotshumanos.empty()) {
        abrepartida(m_.diajogo.slotshumanos.front());
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace tarvello
