#include "match/screens/disputa_penaltis_tela.h"

#include <QGridLayout>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/clube_tela.h"
#include "model/mundo.h"
#include "ui/tela.h"

namespace tarvello {

namespace {
constexpr int kPausaCobranca = 1500;
constexpr int kPausaFinal = 2500;
}  // namespace

TelaDisputaPenaltis::TelaDisputaPenaltis(const Mundo& m, const TDisputaPenaltis& d, double ritmo, QWidget* parent)
    : QDialog(parent), m_(m), disputa_(d), ritmo_(ritmo) {
    setObjectName("TForm38");
    setWindowTitle("Decisão por Penaltis");
    setModal(true);
    auto* raiz = new QVBoxLayout(this);
    auto* titulo = new QLabel("Decisão por Penaltis", this);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    titulo->setFont(f);
    titulo->setAlignment(Qt::AlignCenter);
    raiz->addWidget(titulo);

    auto* grade = new QGridLayout;
    raiz->addLayout(grade, 1);
    for (int lado = 0; lado < 2; ++lado) {
        const int time = d.times[static_cast<size_t>(lado)];
        auto* escudo = new QLabel(this);
        escudo->setPixmap(escudoclube(m, time, 56));
        escudo->setAlignment(Qt::AlignCenter);
        grade->addWidget(escudo, 0, lado);
        auto* nome = new QLabel(nomeclube(m, time), this);
        nome->setObjectName(QString("clube%1").arg(lado + 1));
        nome->setAlignment(Qt::AlignCenter);
        pintaclube(nome, m, time);
        grade->addWidget(nome, 1, lado);
        auto* placar = new QLabel("0", this);
        placar->setObjectName(QString("placar%1").arg(lado + 1));
        placar->setAlignment(Qt::AlignCenter);
        QFont fp = placar->font();
        fp.setBold(true);
        fp.setPointSizeF(fp.pointSizeF() * 2);
        placar->setFont(fp);
        rotuloplacar_[static_cast<size_t>(lado)] = placar;
        grade->addWidget(placar, 2, lado);
        auto* lista = new QTableWidget(this);
        lista->setObjectName(QString("cobrancas%1").arg(lado + 1));
        preparagrade(lista, {"Batedor:", ""});
        lista->setSelectionMode(QAbstractItemView::NoSelection);
        lista->setFocusPolicy(Qt::NoFocus);
        listas_[static_cast<size_t>(lado)] = lista;
        grade->addWidget(lista, 3, lado);
    }
    resultado_ = new QLabel(this);
    resultado_->setObjectName("resultado");
    resultado_->setAlignment(Qt::AlignCenter);
    QFont fr = resultado_->font();
    fr.setBold(true);
    resultado_->setFont(fr);
    raiz->addWidget(resultado_);

    relogio_ = new QTimer(this);
    relogio_->setSingleShot(true);
    connect(relogio_, &QTimer::timeout, this, &TelaDisputaPenaltis::proximacobranca);
    resize(560, 460);
    escalatela(this);
    relogio_->start(pausa(kPausaCobranca, ritmo_));
}

QString TelaDisputaPenaltis::resultado() const { return resultado_->text(); }

void TelaDisputaPenaltis::proximacobranca() {
    if (encerrada_) {
        accept();
        return;
    }
    if (mostradas_ < disputa_.cobrancas.size()) {
        const TCobrancaDisputa& c = disputa_.cobrancas[mostradas_++];
        const size_t lado = c.lado == 1 ? 1 : 0;
        if (c.gol) ++placar_[lado];
        rotuloplacar_[lado]->setText(QString::number(placar_[lado]));
        QTableWidget* lista = listas_[lado];
        const int r = lista->rowCount();
        lista->insertRow(r);
        lista->setItem(r, 0, new QTableWidgetItem(nomejogador(m_, c.jogador)));
        lista->setItem(r, 1, new QTableWidgetItem(c.gol ? "Gol" : "Perdeu"));
        pintalinhas(lista);
        lista->scrollToBottom();
    }
    if (mostradas_ >= disputa_.cobrancas.size()) {
        // A shoot-out decided at once has no kicks to show: its score appears straight away.
        placar_ = disputa_.placar;
        for (size_t lado = 0; lado < 2; ++lado) rotuloplacar_[lado]->setText(QString::number(placar_[lado]));
        const int vencedor = disputa_.vencedor == 2 ? 1 : 0;
        resultado_->setText(nomeclube(m_, disputa_.times[static_cast<size_t>(vencedor)]) + " venceu.");
        encerrada_ = true;
        relogio_->start(pausa(kPausaFinal, ritmo_));
        return;
    }
    relogio_->start(pausa(kPausaCobranca, ritmo_));
}

}  // namespace tarvello
