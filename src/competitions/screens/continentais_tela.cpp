#include "competitions/screens/continentais_tela.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "competitions/partidas.h"
#include "competitions/screens/copa_tela.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "records/historico.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

constexpr int kOitavas = 4;
constexpr int kFinal = 7;

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

void escreveclube(QLabel* rotulo, const Mundo& m, int time) {
    rotulo->setText(nomeclube(m, time));
    pintaclube(rotulo, m, time);
    rotulo->setMinimumWidth(std::max(110, rotulo->sizeHint().width()));
}

// First box (1-based) of a phase 4..7: 1, 9, 13, 15.
int primeiracaixa(int fase) {
    int caixa = 1;
    for (int f = kOitavas; f < fase; ++f) caixa += 8 >> (f - kOitavas);
    return caixa;
}

QString titulo(int competicao, int confederacao) {
    if (competicao == kContinental2)
        return confederacao == 1 ? "Copa Sul-Americana - 2ª Fase" : "Copa da UEFA - 2ª Fase";
    return confederacao == 1 ? "Libertadores - 2ª Fase" : "Liga dos Campeões - 2ª Fase";
}

}  // namespace

TelaChaveContinental::TelaChaveContinental(const Mundo& m, int competicao, int confederacao, QWidget* parent)
    : QDialog(parent), m_(m) {
    setObjectName("TForm69");
    setModal(true);
    auto* raiz = new QVBoxLayout(this);

    for (int c : {kContinental1, kContinental2}) {
        if (c == kContinental2 && !m.estado.ckinter3) continue;
        for (int conf = 1; conf <= 2; ++conf) copas_.push_back({c, conf});
    }
    auto* topo = new QHBoxLayout;
    seletor_ = new QComboBox(this);
    seletor_->setObjectName("copa");
    for (const Copa& c : copas_) seletor_->addItem(titulo(c.competicao, c.confederacao));
    topo->addWidget(seletor_);
    topo->addStretch(1);
    raiz->addLayout(topo);

    // Four columns from the round of 16 to the final; each box spans twice the rows of the boxes
    // before it, so a tie sits between the two ties whose winners meet in it.
    auto* quadro = new QWidget;
    auto* grade = new QGridLayout(quadro);
    grade->setHorizontalSpacing(12);
    grade->setVerticalSpacing(2);
    for (int fase = kOitavas; fase <= kFinal; ++fase) {
        const int quantas = 8 >> (fase - kOitavas);
        const int altura = 1 << (fase - kOitavas);
        for (int k = 0; k < quantas; ++k) {
            const int numero = primeiracaixa(fase) + k;
            Caixa& c = caixas_[static_cast<size_t>(numero - 1)];
            auto* moldura = new QFrame(quadro);
            moldura->setObjectName(QString("caixa%1").arg(numero));
            moldura->setFrameShape(QFrame::Box);
            auto* dentro = new QGridLayout(moldura);
            dentro->setContentsMargins(2, 2, 2, 2);
            dentro->setSpacing(1);
            for (size_t lado = 0; lado < 2; ++lado) {
                if (fase == kOitavas) {
                    c.escudos[lado] = new QLabel(moldura);
                    c.escudos[lado]->setFixedSize(22, 22);
                    dentro->addWidget(c.escudos[lado], static_cast<int>(lado), 0);
                }
                c.nomes[lado] = new QLabel(moldura);
                c.nomes[lado]->setMinimumWidth(110);
                // Without a crest beside it the name takes the whole width of the box.
                if (fase == kOitavas) dentro->addWidget(c.nomes[lado], static_cast<int>(lado), 1);
                else dentro->addWidget(c.nomes[lado], static_cast<int>(lado), 0, 1, 2);
            }
            c.resultado = new QLabel(moldura);
            c.resultado->setObjectName(QString("resultado%1").arg(numero));
            dentro->addWidget(c.resultado, 2, 0, 1, 2);
            grade->addWidget(moldura, k * altura, fase - kOitavas, altura, 1, Qt::AlignVCenter);
        }
    }
    auto* rolagem = new QScrollArea(this);
    rolagem->setWidget(quadro);
    rolagem->setWidgetResizable(true);
    raiz->addWidget(rolagem, 1);

    campeao_ = rotulotitulo(this, "campeao");
    campeao_->setAlignment(Qt::AlignCenter);
    raiz->addWidget(campeao_);

    resize(760, 600);
    escalatela(this);
    int inicial = 0;
    for (size_t i = 0; i < copas_.size(); ++i)
        if (copas_[i].competicao == competicao && copas_[i].confederacao == confederacao) inicial = static_cast<int>(i);
    {
        const QSignalBlocker bloqueio(seletor_);
        seletor_->setCurrentIndex(inicial);
    }
    connect(seletor_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < static_cast<int>(copas_.size()))
            mostra(copas_[static_cast<size_t>(i)].competicao, copas_[static_cast<size_t>(i)].confederacao);
    });
    if (!copas_.empty()) mostra(copas_[static_cast<size_t>(inicial)].competicao, copas_[static_cast<size_t>(inicial)].confederacao);
}

void TelaChaveContinental::limpa() {
    for (Caixa& c : caixas_) {
        for (size_t lado = 0; lado < 2; ++lado) {
            escreveclube(c.nomes[lado], m_, -1);
            if (c.escudos[lado]) c.escudos[lado]->clear();
        }
        c.resultado->clear();
    }
    campeao_->clear();
    campeao_->setStyleSheet({});
    campeao_->hide();
}

void TelaChaveContinental::mostra(int competicao, int confederacao) {
    limpa();
    setWindowTitle(titulo(competicao, confederacao));
    for (int fase = kOitavas; fase <= kFinal; ++fase) {
        const int primeiro = procurajogo(m_, confederacao, competicao, fase);
        if (primeiro < 0) continue;
        const int quantas = 8 >> (fase - kOitavas);
        for (int k = 0; k < quantas; ++k) {
            const int i = primeiro + 2 * k;
            if (i + 1 >= static_cast<int>(m_.partidas.size())) break;
            const TPartida& ida = m_.partidas[static_cast<size_t>(i)];
            if (ida.competicao != competicao || ida.liga != confederacao || ida.rodada != fase) break;
            Caixa& c = caixas_[static_cast<size_t>(primeiracaixa(fase) + k - 1)];
            escreveclube(c.nomes[0], m_, ida.mandante);
            escreveclube(c.nomes[1], m_, ida.visitante);
            if (c.escudos[0]) {
                c.escudos[0]->setPixmap(escudopixmap(escudos_, m_, ida.mandante, 20));
                c.escudos[1]->setPixmap(escudopixmap(escudos_, m_, ida.visitante, 20));
            }
            c.resultado->setText(textoconfronto(m_, i));
        }
    }
    const int t = tarvello::campeao(m_, competicao, confederacao, m_.estado.temporada);
    if (timevalido(m_, t)) {
        escreveclube(campeao_, m_, t);
        campeao_->show();
    }
}

QString TelaChaveContinental::nome(int caixa, int lado) const {
    if (caixa < 1 || caixa > kCaixas || lado < 1 || lado > 2) return {};
    return caixas_[static_cast<size_t>(caixa - 1)].nomes[static_cast<size_t>(lado - 1)]->text();
}

QString TelaChaveContinental::resultado(int caixa) const {
    if (caixa < 1 || caixa > kCaixas) return {};
    return caixas_[static_cast<size_t>(caixa - 1)].resultado->text();
}

QString TelaChaveContinental::campeao() const { return campeao_->isHidden() ? QString() : campeao_->text(); }

QStringList TelaChaveContinental::copas() const {
    QStringList r;
    for (int i = 0; i < seletor_->count(); ++i) r << seletor_->itemText(i);
    return r;
}

}  // namespace tarvello
