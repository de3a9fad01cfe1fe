#include "newgame/screens/escolha_time_tela.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "model/tipos.h"
#include "newgame/novojogo.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {
QString texto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }
}  // namespace

TelaEscolhaTime::TelaEscolhaTime(NovoJogo& jogo, QWidget* parent) : QWidget(parent), jogo_(jogo) {
    setObjectName("TForm11");
    setWindowTitle("Escolha seu time");
    setWindowFlag(Qt::FramelessWindowHint);
    const Mundo& m = jogo_.mundo();
    const bool dez = m.estado.sistemadisputa != 2;
    const int caixas = dez ? 4 : 3;
    const int vagas = dez ? 10 : 20;

    auto* raiz = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    raiz->addLayout(topo);
    rotulopais_ = new QLabel("Treinar time do país:", this);
    pais_ = new QComboBox(this);
    pais_->setObjectName("pais");
    topo->addWidget(rotulopais_);
    topo->addWidget(pais_);
    topo->addStretch(1);
    int selecionar = 0;
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) {
        const int p = m.ligas[static_cast<size_t>(l)].pais;
        pais_->addItem(iconebandeira(p), texto(nomepais(p)));
        ligas_.push_back(l);
        if (p == kBrasil && selecionar == 0) selecionar = l;
    }
    pais_->setCurrentIndex(selecionar);
    const bool personalizado = m.estado.paisprincipal == kPersonalizado;
    rotulopais_->setVisible(!personalizado);
    pais_->setVisible(!personalizado);

    grupo_ = new QButtonGroup(this);
    grupo_->setExclusive(true);
    auto* grade = new QGridLayout;
    raiz->addLayout(grade, 1);
    for (int d = 0; d < caixas; ++d) {
        auto* caixa = new QGroupBox(QString::number(d + 1) + "ª divisão", this);
        caixa->setObjectName(QString("divisao%1").arg(d + 1));
        auto* lista = new QGridLayout(caixa);
        lista->setVerticalSpacing(1);
        std::vector<QRadioButton*> botoes;
        for (int s = 0; s < vagas; ++s) {
            auto* b = new QRadioButton(caixa);
            b->setObjectName(QString("clube_%1_%2").arg(d + 1).arg(s + 1));
            grupo_->addButton(b);
            // Twenty buttons go in two columns so a box stays readable.
            lista->addWidget(b, vagas > 10 ? s % 10 : s, vagas > 10 ? s / 10 : 0);
            connect(b, &QRadioButton::clicked, this, [this] {
                clicado_ = true;
                atualizabotao();
            });
            botoes.push_back(b);
        }
        divisoes_.push_back(caixa);
        clubes_.push_back(std::move(botoes));
        grade->addWidget(caixa, d / 2, d % 2);
    }

    auto* baixo = new QHBoxLayout;
    raiz->addLayout(baixo);
    baixo->addWidget(new QLabel("Seu nome:", this));
    nome_ = new QLineEdit(this);
    nome_->setObjectName("nome");
    nome_->setMaxLength(25);
    baixo->addWidget(nome_, 1);
    time_ = new QLabel("Time 1", this);
    time_->setObjectName("rotulotime");
    baixo->addWidget(time_);
    iniciar_ = new QPushButton(this);
    iniciar_->setObjectName("iniciar");
    baixo->addWidget(iniciar_);

    const int n = m.estado.numtecnicoshumanos;
    time_->setVisible(n > 1);
    iniciar_->setText(n > 1 ? "Escolher time 2" : "Iniciar jogo");

    connect(pais_, &QComboBox::currentIndexChanged, this, [this] {
        // A new league shows other clubs: nothing of the old view stays selected.
        clicado_ = false;
        preencheclubes();
        atualizabotao();
    });
    connect(nome_, &QLineEdit::textChanged, this, &TelaEscolhaTime::atualizabotao);
    connect(iniciar_, &QPushButton::clicked, this, &TelaEscolhaTime::escolhe);

    preencheclubes();
    atualizabotao();
    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

int TelaEscolhaTime::ligaselecionada() const {
    const int i = pais_->currentIndex();
    return i >= 0 && i < static_cast<int>(ligas_.size()) ? ligas_[static_cast<size_t>(i)] : 0;
}

void TelaEscolhaTime::preencheclubes() {
    const Mundo& m = jogo_.mundo();
    const int l = ligaselecionada();
    if (l < 0 || l >= static_cast<int>(m.ligas.size())) return;
    const TLiga& liga = m.ligas[static_cast<size_t>(l)];
    grupo_->setExclusive(false);
    for (size_t d = 0; d < divisoes_.size(); ++d) {
        const bool usada = static_cast<int>(d) < liga.numdivisoes;
        divisoes_[d]->setVisible(usada);
        for (size_t s = 0; s < clubes_[d].size(); ++s) {
            QRadioButton* b = clubes_[d][s];
            b->setChecked(false);
            const int c = usada ? liga.times[d][s] : -1;
            const bool existe = c >= 0 && c < static_cast<int>(m.times.size());
            b->setVisible(existe);
            b->setText(existe ? QString::fromStdString(m.times[static_cast<size_t>(c)].nome.utf8())
                              : QString());
            b->setToolTip(existe ? QString::number(c) : QString());
            b->setIcon(existe ? iconebandeiraclube(m, c) : QIcon());
            b->setProperty("clube", c);
            b->setEnabled(existe && !jogo_.timeescolhido(c));
        }
    }
    grupo_->setExclusive(true);
}

void TelaEscolhaTime::atualizabotao() {
    iniciar_->setEnabled(clicado_ && !nome_->text().isEmpty() && grupo_->checkedButton());
}

void TelaEscolhaTime::escolhe() {
    QAbstractButton* b = grupo_->checkedButton();
    if (!b || nome_->text().isEmpty()) return;
    const int c = b->property("clube").toInt();
    if (const std::string erro = jogo_.escolhetime(k_, c, nome_->text().toStdString()); !erro.empty()) {
        mostramensagem(this, QString::fromStdString(erro));
        return;
    }
    grupo_->setExclusive(false);
    b->setChecked(false);
    grupo_->setExclusive(true);
    b->setEnabled(false);
    if (k_ >= jogo_.mundo().estado.numtecnicoshumanos) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        iniciar_->setEnabled(false);
        emit escolhasfeitas();
        return;
    }
    ++k_;
    time_->setText("Time " + QString::number(k_));
    iniciar_->setText(k_ < jogo_.mundo().estado.numtecnicoshumanos
                          ? "Escolher time " + QString::number(k_ + 1)
                          : "Iniciar jogo");
    nome_->clear();
    clicado_ = false;
    atualizabotao();
}

}  // namespace tarvello
