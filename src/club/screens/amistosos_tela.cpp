#include "club/screens/amistosos_tela.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "club/amistosos.h"
#include "club/financas.h"
#include "club/plantel_textos.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TelaAmistosos::TelaAmistosos(Mundo& m, int time, bool pretemporada, QWidget* parent)
    : QDialog(parent), m_(m), time_(time), pretemporada_(pretemporada) {
    setObjectName("TForm81");
    setWindowTitle(pretemporada ? "Marcar amistosos pré-temporada" : "Marcar amistoso");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    const bool valido = time >= 0 && time < static_cast<int>(m.times.size());
    auto* clube = rotulotitulo(this, "clube");
    clube->setText("(" + (valido ? qs(m.times[static_cast<size_t>(time)].nome.utf8()) : QString()) + ")");
    v->addWidget(clube);
    auto* inicio = new QLabel(this);
    inicio->setObjectName("inicio");
    v->addWidget(inicio);
    const TDatasAmistoso d = datasamistoso(m, time, pretemporada);
    if (pretemporada && d.competicaolimite >= 0)
        inicio->setText((d.competicaolimite == kLiga ? "Camp. nacional se inicia em " : "Camp. estadual se inicia em ") +
                        qs(textodatacurta(d.limite)));
    else
        inicio->hide();

    auto* g = new QGridLayout;
    g->addWidget(new QLabel("Escolha uma data disponível:", this), 0, 0);
    g->addWidget(new QLabel("Escolha um adversário:", this), 0, 1);
    listadatas_ = new QListWidget(this);
    listadatas_->setObjectName("datas");
    g->addWidget(listadatas_, 1, 0);
    listaadversarios_ = new QListWidget(this);
    listaadversarios_->setObjectName("adversarios");
    listaadversarios_->setEnabled(false);
    adversarios_ = adversariosamistoso(m, time);
    for (int t : adversarios_) listaadversarios_->addItem(qs(m.times[static_cast<size_t>(t)].nome.utf8()));
    g->addWidget(listaadversarios_, 1, 1);
    v->addLayout(g, 1);

    auto* h = new QHBoxLayout;
    h->addWidget(new QLabel("Local do jogo:", this));
    local_ = new QComboBox(this);
    local_->setObjectName("local");
    local_->addItems({"Fora", "Em casa"});
    h->addWidget(local_);
    h->addStretch(1);
    v->addLayout(h);
    resultado_ = new QLabel(this);
    resultado_->setObjectName("resultado");
    v->addWidget(resultado_);

    auto* b = new QHBoxLayout;
    marcar_ = new QPushButton("Marcar amistoso", this);
    marcar_->setObjectName("marcar");
    marcar_->setEnabled(false);
    connect(marcar_, &QPushButton::clicked, this, &TelaAmistosos::marca);
    b->addWidget(marcar_);
    b->addStretch(1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    b->addWidget(fechar);
    v->addLayout(b);

    connect(listadatas_, &QListWidget::currentRowChanged, this, [this](int r) {
        listaadversarios_->setEnabled(r >= 0);
        resultado_->clear();
        atualizabotao();
    });
    connect(listaadversarios_, &QListWidget::currentRowChanged, this, [this] { atualizabotao(); });
    listadatas();
    resize(560, 480);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaAmistosos::listadatas() {
    listadatas_->clear();
    datas_ = datasamistoso(m_, time_, pretemporada_).datas;
    for (int d : datas_) listadatas_->addItem(qs(textodatacurta(m_.calendario[static_cast<size_t>(d - 1)].data)));
    listaadversarios_->setEnabled(false);
    atualizabotao();
}

void TelaAmistosos::atualizabotao() {
    marcar_->setEnabled(listadatas_->currentRow() >= 0 && listaadversarios_->currentRow() >= 0 &&
                        listaadversarios_->isEnabled());
}

void TelaAmistosos::marca() {
    const int rd = listadatas_->currentRow(), ra = listaadversarios_->currentRow();
    if (rd < 0 || rd >= static_cast<int>(datas_.size()) || ra < 0 || ra >= static_cast<int>(adversarios_.size())) return;
    const int data = datas_[static_cast<size_t>(rd)];
    const int adversario = adversarios_[static_cast<size_t>(ra)];
    const bool emcasa = local_->currentIndex() == 1;
    const QString nome = qs(m_.times[static_cast<size_t>(adversario)].nome.utf8());
    const TPropostaAmistoso p = propoeamistoso(m_, time_, adversario, data, emcasa);
    switch (p.situacao) {
        case SituacaoAmistoso::AdversarioOcupado: resultado_->setText(nome + " já tem amistoso nesta data"); return;
        case SituacaoAmistoso::SemDinheiro:
            resultado_->setText("dinheiro insuficiente para a cota de " + qs(formatamil(p.cota)));
            return;
        case SituacaoAmistoso::Invalido: return;
        case SituacaoAmistoso::Possivel: break;
    }
    const QString texto =
        p.doishumanos ? QString("Este será um amistoso entre dois times humanos, clique em sim para que seja marcado.")
                      : "O clube " + nome + " quer uma cota de " + qs(formatamil(p.cota)) +
                            "\nO dinheiro será descontado imediatamente. Confirmar o amistoso?";
    if (!pergunta(this, "Confirmação de amistoso\n\n" + texto)) {
        resultado_->setText("amistoso rejeitado");
        return;
    }
    if (marcaamistoso(m_, time_, adversario, data, emcasa) != SituacaoAmistoso::Possivel) return;
    if (p.cota > 0) emit dinheiromudou();
    listaadversarios_->setCurrentRow(-1);
    listaadversarios_->clearSelection();
    listadatas();
    marcar_->setEnabled(false);
    resultado_->setText("amistoso marcado");  // after the lists, whose changes clear the line
}

bool perguntapretemporada(QWidget* pai) {
    QDialog d(pai);
    d.setObjectName("TForm85");
    d.setWindowTitle("Amistosos de Pré-temporada");
    d.setModal(true);
    auto* v = new QVBoxLayout(&d);
    v->addWidget(new QLabel("Deseja marcar amistosos de pré-temporada?", &d));
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    auto* sim = new QPushButton("Sim", &d);
    sim->setObjectName("sim");
    sim->setDefault(true);
    QObject::connect(sim, &QPushButton::clicked, &d, &QDialog::accept);
    auto* nao = new QPushButton("Não", &d);
    nao->setObjectName("nao");
    QObject::connect(nao, &QPushButton::clicked, &d, &QDialog::reject);
    h->addWidget(sim);
    h->addWidget(nao);
    v->addLayout(h);
    aplicafundo(&d, "img/f01.bmp");
    escalatela(&d);
    return d.exec() == QDialog::Accepted;
}

}  // namespace tarvello
