#include "season/screens/convite_selecao_tela.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

QString titulodoconvite(int competicao) {
    switch (competicao) {
        case kCopaMundo: return "Escolha da seleção para treinar na Copa do Mundo";
        case kCopaAmerica: return "Escolha da seleção para treinar na Copa América";
        default: return "Escolha da seleção para treinar na Eurocopa";
    }
}

TelaConviteSelecao::TelaConviteSelecao(Mundo& m, int slot, const TConviteSelecao& convite, QWidget* parent)
    : QDialog(parent), m_(m), slot_(slot), convite_(convite) {
    setObjectName("conviteselecao");
    setWindowTitle(titulodoconvite(convite.competicao));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* titulo = rotulotitulo(this, "titulo");
    titulo->setText(titulodoconvite(convite.competicao));
    v->addWidget(titulo);
    escolhas_ = new QButtonGroup(this);
    for (int t : convite.selecoes) {
        auto* r = new QRadioButton(nomeclube(m, t), this);
        r->setObjectName(QString("selecao%1").arg(t));
        r->setIcon(iconebandeira(m.times[static_cast<size_t>(t)].pais));
        r->setEnabled(!selecaoocupada(m, t));
        escolhas_->addButton(r, t);
        v->addWidget(r);
    }
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("ok");
    ok_->setEnabled(false);
    v->addWidget(ok_);
    connect(escolhas_, &QButtonGroup::idClicked, this, [this](int) { ok_->setEnabled(true); });
    connect(ok_, &QPushButton::clicked, this, &TelaConviteSelecao::confirma);
    escalatela(this);
}

void TelaConviteSelecao::escolhe(int time) {
    if (QAbstractButton* b = escolhas_->button(time); b && b->isEnabled()) {
        b->setChecked(true);
        ok_->setEnabled(true);
    }
}

void TelaConviteSelecao::confirma() {
    const int t = escolhas_->checkedId();
    if (t < 0 || !aceitaconvite(m_, slot_, t)) return;
    accept();
}

}  // namespace tarvello
