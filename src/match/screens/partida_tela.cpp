#include "match/screens/partida_tela.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QRandomGenerator>
#include <QVBoxLayout>

#include "club/financas.h"
#include "match/escalacao.h"
#include "match/eventos.h"
#include "match/screens/dialogos_partida.h"
#include "match/estatisticas.h"
#include "match/textoeventos.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The row's slots as the grid lists them: the eleven, then the bench.
constexpr int kSlotsGrade[] = {11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 19, 20, 21, 22, 23, 24, 25};


}  // namespace

// A small picture per kind of event so the list reads at a glance: a ball for goals, cards in
// their colours, a red cross for injuries, a green and a red arrow for substitutions.
QIcon iconeevento(int tipo) {
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    switch (tipo) {
        case kEvGol:
        case kEvGolContra:
        case kEvGolPenalti:
        case kEvGolFalta:
            g.setPen(QPen(Qt::black, 1.2));
            g.setBrush(tipo == kEvGolContra ? QColor(200, 200, 200) : Qt::white);
            g.drawEllipse(QRectF(1.5, 1.5, 11, 11));
            g.setBrush(Qt::black);
            g.drawEllipse(QRectF(5, 5, 4, 4));
            break;
        case kEvAmarelo:
            g.fillRect(QRect(3, 1, 8, 12), QColor(240, 200, 0));
            break;
        case kEvVermelhoDireto:
        case kEvSegundoAmarelo:
            g.fillRect(QRect(3, 1, 8, 12), QColor(210, 20, 20));
            break;
        case kEvContusao:
            g.fillRect(QRect(5, 1, 4, 12), QColor(210, 20, 20));
            g.fillRect(QRect(1, 5, 12, 4), QColor(210, 20, 20));
            break;
        case kEvSubstituicao:
            g.setPen(QPen(QColor(0, 150, 0), 2));
            g.drawLine(4, 12, 4, 2);
            g.setPen(QPen(QColor(210, 20, 20), 2));
            g.drawLine(10, 2, 10, 12);
            break;
        default:
            break;
    }
    return QIcon(p);
}

TelaPartida::TelaPartida(Mundo& m, int jogo, bool intervalo, QWidget* parent)
    : QDialog(parent), m_(m), jogo_(jogo), intervalo_(intervalo) {
    setObjectName("TForm16");
    const TJogos& g = m.diajogo.jogos[static_cast<size_t>(jogo - 1)];
    setWindowTitle(q(m.times[static_cast<size_t>(g.mandante)].nome.utf8()) + " x " +
                   q(m.times[static_cast<size_t>(g.visitante)].nome.utf8()));
    auto* v = new QVBoxLayout(this);

    auto* topo = new QHBoxLayout;
    placar_ = new QLabel(this);
    placar_->setObjectName("placar");
    QFont f = placar_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.6);
    placar_->setFont(f);
    minuto_ = new QLabel(this);
    minuto_->setObjectName("minuto");
    auto* arbitro = new QPushButton("Árbitro", this);
    arbitro->setObjectName("arbitro");
    connect(arbitro, &QPushButton::clicked, this, [this] {
        TelaArbitro a(m_.diajogo.jogos[static_cast<size_t>(jogo_ - 1)].arbitro, this);
        a.exec();
    });
    topo->addWidget(placar_, 1);
    topo->addWidget(minuto_);
    topo->addWidget(arbitro);
    v->addLayout(topo);

    auto* local = new QLabel(QString("%1 - Público: %2 - Renda: $ %3")
                                 .arg(q(g.estadio.utf8()))
                                 .arg(g.publico)
                                 .arg(q(formatadinheiro(g.renda))),
                             this);
    local->setObjectName("local");
    v->addWidget(local);
    // Second leg of a two-legged tie: the first leg's result.
    for (const TPartida& p : m.partidas)
        if (g.indicepartida >= 0 && p.jogado && p.competicao == m.partidas[static_cast<size_t>(g.indicepartida)].competicao &&
            (p.competicao == kCopaNacional || p.competicao == kContinental1 || p.competicao == kContinental2) &&
            p.mandante == g.visitante && p.visitante == g.mandante) {
            auto* ida = new QLabel(QString("Primeiro jogo: %1 %2 x %3 %4")
                                       .arg(q(m.times[static_cast<size_t>(p.mandante)].nome.utf8()))
                                       .arg(p.golsmandante)
                                       .arg(p.golsvisitante)
                                       .arg(q(m.times[static_cast<size_t>(p.visitante)].nome.utf8())),
                                   this);
            ida->setObjectName("primeirojogo");
            v->addWidget(ida);
            break;
        }

    auto* lados = new QHBoxLayout;
    for (int lado = 1; lado <= 2; ++lado) {
        auto* coluna = new QVBoxLayout;
        montalado(lado, this, coluna);
        lados->addLayout(coluna, 1);
    }
    v->addLayout(lados, 1);

    estatisticas_ = new QLabel(this);
    estatisticas_->setObjectName("estatisticas");
    estatisticas_->setVisible(intervalo);
    sorteiointervalo_ = static_cast<int>(QRandomGenerator::global()->bounded(10));
    estatisticas_->setWordWrap(true);
    v->addWidget(estatisticas_);
    eventos_ = new QListWidget(this);
    eventos_->setObjectName("eventos");
    eventos_->setMaximumHeight(140);
    v->addWidget(eventos_);
    auto* voltar = new QPushButton("Voltar ao jogo", this);
    voltar->setObjectName("voltar");
    voltar->setDefault(true);
    connect(voltar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(voltar);

    atualiza();
    resize(860, 640);
    escalatela(this);
}

void TelaPartida::montalado(int lado, QWidget* pai, QVBoxLayout* coluna) {
    const TJogos& g = m_.diajogo.jogos[static_cast<size_t>(jogo_ - 1)];
    const int t = g.time(lado);
    const TTime& c = m_.times[static_cast<size_t>(t)];
    const bool humano = c.humano != 0;
    auto* nome = new QLabel(q(c.nome.utf8()), pai);
    nome->setObjectName(QString("time%1").arg(lado));
    QFont f = nome->font();
    f.setBold(true);
    nome->setFont(f);
    coluna->addWidget(nome);
    if (c.tecnico >= 0 && c.tecnico < static_cast<int>(m_.tecnicos.size()))
        coluna->addWidget(new QLabel("Técnico: " + q(m_.tecnicos[static_cast<size_t>(c.tecnico)].nome.utf8()), pai));
    esquema_[lado - 1] = new QLabel(pai);
    esquema_[lado - 1]->setObjectName(QString("esquema%1").arg(lado));
    coluna->addWidget(esquema_[lado - 1]);

    // Tactics: written at once for a human side; shown, not editable, for the computer's.
    auto* taticas = new QGridLayout;
    struct Lista {
        const char* nome;
        QStringList itens;
        int32_t TTime::*campo;
    };
    const Lista listas[] = {
        {"estilo", {"Jogo equilibrado", "Ataque total", "Contra-ataque (retranca)"}, &TTime::estilo},
        {"marcacao", {"Leve", "Pesada", "Muito pesada"}, &TTime::marcacao},
        {"concentraataques", {"Pelo meio", "Pelas laterais"}, &TTime::concentraataques},
    };
    int linha = 0;
    for (const Lista& l : listas) {
        auto* caixa = new QComboBox(pai);
        caixa->setObjectName(QString("%1%2").arg(l.nome).arg(lado));
        caixa->addItems(l.itens);
        caixa->setCurrentIndex(std::clamp(c.*(l.campo), 0, static_cast<int>(l.itens.size()) - 1));
        caixa->setEnabled(humano);
        auto campo = l.campo;
        connect(caixa, &QComboBox::currentIndexChanged, this,
                [this, t, campo](int i) { m_.times[static_cast<size_t>(t)].*campo = i; });
        // The style on a line of its own, marking and focus below: two sides fit a screen of
        // the designed width.
        if (linha == 0) taticas->addWidget(caixa, 0, 0, 1, 2);
        else taticas->addWidget(caixa, 1, linha - 1);
        ++linha;
    }
    coluna->addLayout(taticas);

    auto* grade = new QTableWidget(0, 5, pai);
    grade->setObjectName(QString("escalacao%1").arg(lado));
    grade->setHorizontalHeaderLabels({"", "Jogador", "P", "F", "Energia"});
    grade->verticalHeader()->setVisible(false);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::MultiSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The name takes what the narrow columns leave; rows stay one line high.
    grade->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int c : {0, 2, 3, 4}) grade->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    grade->horizontalHeader()->setMinimumSectionSize(18);
    grade->setWordWrap(false);
    grade->verticalHeader()->setDefaultSectionSize(grade->fontMetrics().height() + 6);
    grade_[lado - 1] = grade;
    coluna->addWidget(grade, 1);
    if (humano)
        connect(grade, &QTableWidget::cellDoubleClicked, this, [this, lado, t](int r, int) {
            const int slot = grade_[lado - 1]->item(r, 0)->data(Qt::UserRole).toInt();
            const TEscalacao* row = linhade(m_, t);
            if (!row || slot < 1 || slot > 11 || (*row)[slot] <= 0) return;
            TelaPosicao p(m_, t, (*row)[slot], this);
            if (p.exec() == QDialog::Accepted) atualiza();
        });

    substituir_[lado - 1] = new QPushButton("Substituir", pai);
    substituir_[lado - 1]->setObjectName(QString("substituir%1").arg(lado));
    substituir_[lado - 1]->setToolTip("Selecione um jogador em campo e um do banco");
    connect(substituir_[lado - 1], &QPushButton::clicked, this, [this, lado] { substitui(lado); });
    coluna->addWidget(substituir_[lado - 1]);
}

void TelaPartida::preenchegrade(int lado) {
    const TJogos& g = m_.diajogo.jogos[static_cast<size_t>(jogo_ - 1)];
    const int t = g.time(lado);
    QTableWidget* grade = grade_[lado - 1];
    grade->clearSelection();
    grade->setRowCount(0);
    const TEscalacao* r = linhade(m_, t);
    if (!r) return;
    for (int slot : kSlotsGrade) {
        const int j = (*r)[slot];
        if (j <= 0 || j >= static_cast<int>(m_.jogadores.size())) continue;
        const TJogador& p = m_.jogadores[static_cast<size_t>(j)];
        const int l = grade->rowCount();
        grade->insertRow(l);
        QString estado = slot <= 11 ? (emcampo(m_, j) ? "" : "x") : "R";
        if (g.expulso(lado, j)) estado = "V";
        auto* s = new QTableWidgetItem(estado);
        s->setData(Qt::UserRole, slot);
        grade->setItem(l, 0, s);
        grade->setItem(l, 1, new QTableWidgetItem((p.estrela ? "* " : "") + q(p.nome.utf8())));
        grade->setItem(l, 2, new QTableWidgetItem(QString(QChar(letraposicao(p.posicao)))));
        grade->setItem(l, 3, new QTableWidgetItem(QString::number(p.forca)));
        grade->setItem(l, 4, new QTableWidgetItem(QString::number(p.energia) + "%"));
        if (slot > 11)
            for (int c = 0; c < 5; ++c) grade->item(l, c)->setForeground(Qt::darkGray);
    }
}

void TelaPartida::substitui(int lado) {
    const TJogos& g = m_.diajogo.jogos[static_cast<size_t>(jogo_ - 1)];
    int sai = 0, entra = 0;
    const TEscalacao* r = linhade(m_, g.time(lado));
    for (QTableWidgetItem* it : grade_[lado - 1]->selectedItems()) {
        if (it->column() != 0 || !r) continue;
        const int slot = it->data(Qt::UserRole).toInt();
        if (slot <= 11) sai = slot;
        else entra = (*r)[slot];
    }
    if (sai == 0 || entra <= 0) {
        mostramensagem(this, "Selecione um jogador em campo e um jogador do banco.");
        return;
    }
    if (!substituicaohumana(m_, jogo_, lado, sai, entra))
        mostramensagem(this, "Substituição não permitida.");
    atualiza();
}

void TelaPartida::atualiza() {
    const TJogos& g = m_.diajogo.jogos[static_cast<size_t>(jogo_ - 1)];
    placar_->setText(QString("%1 %2 x %3 %4")
                         .arg(q(m_.times[static_cast<size_t>(g.mandante)].nome.utf8()))
                         .arg(g.gols[0])
                         .arg(g.gols[1])
                         .arg(q(m_.times[static_cast<size_t>(g.visitante)].nome.utf8())));
    minuto_->setText(intervalo_ ? QString("Intervalo") : q(rotulominuto(m_)));
    for (int lado = 1; lado <= 2; ++lado) {
        esquema_[lado - 1]->setText(q(esquemaatual(m_, g.time(lado))));
        preenchegrade(lado);
        substituir_[lado - 1]->setVisible(m_.times[static_cast<size_t>(g.time(lado))].humano &&
                                          g.substituicoes[lado - 1] > 0);
    }
    eventos_->clear();
    for (const TLinhaEvento& l : linhaseventos(m_, jogo_)) eventos_->addItem(new QListWidgetItem(iconeevento(l.tipo), q(l.texto)));
    if (intervalo_) {
        const TEstatisticasIntervalo e = estatisticasintervalo(g, sorteiointervalo_);
        estatisticas_->setText(QString("Estatísticas no Intervalo - Posse de bola: %1% x %2% - Finalizações: %3 x %4 "
                                       "- Roubadas bola: %5 x %6 - Passes errados: %7 x %8 - Faltas cometidas: %9 x %10")
                                   .arg(e.posse[0])
                                   .arg(e.posse[1])
                                   .arg(e.finalizacoes[0])
                                   .arg(e.finalizacoes[1])
                                   .arg(e.roubadas[0])
                                   .arg(e.roubadas[1])
                                   .arg(e.passeserrados[0])
                                   .arg(e.passeserrados[1])
                                   .arg(e.faltas[0])
                                   .arg(e.faltas[1]));
    }
}

}  // namespace tarvello
