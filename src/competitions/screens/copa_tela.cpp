#include "competitions/screens/copa_tela.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "competitions/copas.h"
#include "competitions/partidas.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "records/historico.h"
#include "ui/escudos_tela.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

constexpr int kFaseFinal = 5;

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

// A club's name on its colours; an empty grey place when the club is not known yet.
void escreveclube(QLabel* rotulo, const Mundo& m, int time) {
    rotulo->setText(nomeclube(m, time));
    pintaclube(rotulo, m, time);
    // The box grows with a long name instead of clipping it.
    rotulo->setMinimumWidth(std::max(110, rotulo->sizeHint().width()));
}

// First box (1-based) of a phase 1..5: 1, 17, 25, 29, 31.
int primeiracaixa(int fase) {
    int caixa = 1;
    for (int f = 1; f < fase; ++f) caixa += 16 >> (f - 1);
    return caixa;
}

}  // namespace

QString textoconfronto(const Mundo& m, int ida) {
    if (ida < 0 || ida + 1 >= static_cast<int>(m.partidas.size())) return {};
    const TPartida& p1 = m.partidas[static_cast<size_t>(ida)];
    const TPartida& p2 = m.partidas[static_cast<size_t>(ida + 1)];
    if (!p1.jogado) return {};
    QString t = QString("%1x%2").arg(p1.golsmandante).arg(p1.golsvisitante);
    if (!p2.jogado) return t;
    // Leg 2 is stored from its own home club (the leg-1 away club): turned round here.
    t += QString("-%1x%2").arg(p2.golsvisitante).arg(p2.golsmandante);
    if (p1.penaltismandante != p1.penaltisvisitante)
        t += QString(";P:%1x%2").arg(p1.penaltismandante).arg(p1.penaltisvisitante);
    return t;
}

TelaCopa::TelaCopa(const Mundo& m, int liga, QWidget* parent) : QDialog(parent), m_(m) {
    setObjectName("TForm35");
    setModal(true);
    auto* raiz = new QVBoxLayout(this);

    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) ligas_.push_back(l);
    if (ligas_.size() > 1) {
        auto* topo = new QHBoxLayout;
        pais_ = new QComboBox(this);
        pais_->setObjectName("pais");
        for (int l : ligas_)
            pais_->addItem(iconebandeira(m.ligas[static_cast<size_t>(l)].pais), qtexto(nomepais(m.ligas[static_cast<size_t>(l)].pais)));
        topo->addWidget(pais_);
        topo->addStretch(1);
        raiz->addLayout(topo);
        connect(pais_, &QComboBox::currentIndexChanged, this, [this](int i) {
            if (i >= 0 && i < static_cast<int>(ligas_.size())) mostraliga(ligas_[static_cast<size_t>(i)]);
        });
    }

    // Five columns from the first phase to the final; each box spans twice the rows of the
    // boxes before it, so a tie sits between the two ties whose winners meet in it.
    auto* quadro = new QWidget;
    auto* grade = new QGridLayout(quadro);
    grade->setHorizontalSpacing(12);
    grade->setVerticalSpacing(2);
    for (int fase = 1; fase <= kFaseFinal; ++fase) {
        const int quantas = 16 >> (fase - 1);
        const int altura = 1 << (fase - 1);
        for (int k = 0; k < quantas; ++k) {
            const int numero = primeiracaixa(fase) + k;
            Caixa& c = caixas_[static_cast<size_t>(numero - 1)];
            auto* moldura = new QFrame(quadro);
            moldura->setObjectName(QString("caixa%1").arg(numero));
            moldura->setFrameShape(QFrame::Box);
            auto* dentro = new QGridLayout(moldura);
            dentro->setContentsMargins(2, 2, 2, 2);
            dentro->setSpacing(1);
            for (int lado = 0; lado < 2; ++lado) {
                if (fase == 1) {
                    c.escudos[static_cast<size_t>(lado)] = new QLabel(moldura);
                    c.escudos[static_cast<size_t>(lado)]->setFixedSize(22, 22);
                    dentro->addWidget(c.escudos[static_cast<size_t>(lado)], lado, 0);
                }
                c.nomes[static_cast<size_t>(lado)] = new QLabel(moldura);
                c.nomes[static_cast<size_t>(lado)]->setMinimumWidth(110);
                dentro->addWidget(c.nomes[static_cast<size_t>(lado)], lado, 1);
            }
            c.resultado = new QLabel(moldura);
            c.resultado->setObjectName(QString("resultado%1").arg(numero));
            dentro->addWidget(c.resultado, 2, 0, 1, 2);
            grade->addWidget(moldura, k * altura, fase - 1, altura, 1, Qt::AlignVCenter);
        }
    }
    auto* rolagem = new QScrollArea(this);
    rolagem->setWidget(quadro);
    rolagem->setWidgetResizable(true);
    raiz->addWidget(rolagem, 1);

    campeao_ = rotulotitulo(this, "campeao");
    campeao_->setAlignment(Qt::AlignCenter);
    raiz->addWidget(campeao_);

    resize(800, 600);
    escalatela(this);
    int inicial = liga >= 0 && liga < static_cast<int>(m.ligas.size()) ? liga : (m.ligas.empty() ? -1 : 0);
    if (pais_ && inicial >= 0) {
        const QSignalBlocker bloqueio(pais_);
        pais_->setCurrentIndex(inicial);
    }
    mostraliga(inicial);
}

void TelaCopa::limpa() {
    for (Caixa& c : caixas_) {
        for (int lado = 0; lado < 2; ++lado) {
            escreveclube(c.nomes[static_cast<size_t>(lado)], m_, -1);
            if (c.escudos[static_cast<size_t>(lado)]) c.escudos[static_cast<size_t>(lado)]->clear();
        }
        c.resultado->clear();
    }
    campeao_->clear();
    campeao_->setStyleSheet({});
    campeao_->hide();
}

void TelaCopa::mostraliga(int liga) {
    limpa();
    liga_ = liga;
    if (liga < 0 || liga >= static_cast<int>(m_.ligas.size())) {
        setWindowTitle("Tabela da Copa");
        return;
    }
    const int pais = m_.ligas[static_cast<size_t>(liga)].pais;
    setWindowTitle(qtexto("Tabela da Copa " + frasecopa(pais)));
    const bool primeirafase = copacomprimeirafase(m_, liga);
    for (int fase = primeirafase ? 1 : 2; fase <= kFaseFinal; ++fase) {
        const int primeiro = procurajogo(m_, liga, kCopaNacional, fase);
        if (primeiro < 0) continue;
        const int quantas = 16 >> (fase - 1);
        for (int k = 0; k < quantas; ++k) {
            const int i = primeiro + 2 * k;
            if (i + 1 >= static_cast<int>(m_.partidas.size())) break;
            const TPartida& ida = m_.partidas[static_cast<size_t>(i)];
            const TPartida& volta = m_.partidas[static_cast<size_t>(i + 1)];
            if (ida.competicao != kCopaNacional || ida.liga != liga || ida.rodada != fase ||
                volta.rodada != fase)
                break;
            Caixa& c = caixas_[static_cast<size_t>(primeiracaixa(fase) + k - 1)];
            escreveclube(c.nomes[0], m_, ida.mandante);
            escreveclube(c.nomes[1], m_, ida.visitante);
            if (c.escudos[0]) {
                c.escudos[0]->setPixmap(escudopixmap(escudos_, m_, ida.mandante, 20));
                c.escudos[1]->setPixmap(escudopixmap(escudos_, m_, ida.visitante, 20));
            }
            c.resultado->setText(textoconfronto(m_, i));
            // A cup of 16 opens at the round of 16: its clubs also fill the first column, one a
            // box, the two of tie k in boxes 2k-1 and 2k.
            if (!primeirafase && fase == 2) {
                for (int lado = 0; lado < 2; ++lado) {
                    Caixa& primeira = caixas_[static_cast<size_t>(2 * k + lado)];
                    const int time = lado == 0 ? ida.mandante : ida.visitante;
                    escreveclube(primeira.nomes[0], m_, time);
                    primeira.escudos[0]->setPixmap(escudopixmap(escudos_, m_, time, 20));
                }
            }
        }
    }
    if (m_.estado.fasecopa > kFaseFinal) {
        const int t = tarvello::campeao(m_, kCopaNacional, pais, m_.estado.temporada);
        if (timevalido(m_, t)) {
            escreveclube(campeao_, m_, t);
            campeao_->show();
        }
    }
}

QString TelaCopa::nome(int caixa, int lado) const {
    if (caixa < 1 || caixa > kCaixas || lado < 1 || lado > 2) return {};
    return caixas_[static_cast<size_t>(caixa - 1)].nomes[static_cast<size_t>(lado - 1)]->text();
}

QString TelaCopa::resultado(int caixa) const {
    if (caixa < 1 || caixa > kCaixas) return {};
    return caixas_[static_cast<size_t>(caixa - 1)].resultado->text();
}

QString TelaCopa::campeao() const { return campeao_->isHidden() ? QString() : campeao_->text(); }

}  // namespace tarvello
