#include "editor/screens/jogador_dialogo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "editor/screens/campos_editor.h"
#include "ui/tela.h"

namespace tarvello {

DialogoJogador::DialogoJogador(bool novo, bool compais, const TJogadorEditor& atual,
                               std::function<std::string(const TJogadorEditor&)> confirma, QWidget* parent)
    : QDialog(parent), confirma_(std::move(confirma)) {
    setObjectName(novo ? "TForm5" : "TForm6");
    setWindowTitle(novo ? "Adicionar jogador" : "Editar jogador");
    auto* v = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    nome_ = new QLineEdit(novo ? QString() : qs(atual.nome), this);
    nome_->setObjectName("nome");
    nome_->setMaxLength(kMaxNomeJogador);
    nome_->setMinimumWidth(260);
    form->addRow("Nome:", nome_);
    posicao_ = new QComboBox(this);
    posicao_->setObjectName("posicao");
    for (int p = 0; p < kNumPosicoes; ++p) posicao_->addItem(qs(std::string(nomeposicao(p))));
    posicao_->setCurrentIndex(posicaovalida(atual.posicao) ? atual.posicao : 0);
    form->addRow("Posição:", posicao_);
    if (compais) {
        pais_ = new ComboPaises(this);
        pais_->setObjectName("pais");
        pais_->escolhe(atual.pais);
        form->addRow("País:", pais_);
    }
    auto* linhaidade = new QHBoxLayout;
    idade_ = new QSlider(Qt::Horizontal, this);
    idade_->setObjectName("idade");
    idade_->setRange(kIdadeMinima, kIdadeMaxima);
    idade_->setValue(limitaidade(atual.idade));
    valoridade_ = new QLabel(QString::number(idade_->value()), this);
    valoridade_->setObjectName("valoridade");
    valoridade_->setMinimumWidth(24);
    linhaidade->addWidget(idade_, 1);
    linhaidade->addWidget(valoridade_);
    form->addRow("Idade:", linhaidade);
    estrela_ = new QCheckBox("Estrela", this);
    estrela_->setObjectName("estrela");
    estrela_->setChecked(!novo && atual.estrela);
    form->addRow("", estrela_);
    hab1_ = new QComboBox(this);
    hab1_->setObjectName("habilidade1");
    hab2_ = new QComboBox(this);
    hab2_->setObjectName("habilidade2");
    form->addRow("Caract. 1:", hab1_);
    form->addRow("Caract. 2:", hab2_);
    v->addLayout(form);
    preenchehabilidades();
    if (const int i = itemdahabilidade(posicao_->currentIndex(), atual.habilidade1); i >= 0) hab1_->setCurrentIndex(i);
    if (const int i = itemdahabilidade(posicao_->currentIndex(), atual.habilidade2); i >= 0) hab2_->setCurrentIndex(i);

    QPushButton* ok = botoesdialogo(this, v, novo);
    connect(ok, &QPushButton::clicked, this, &DialogoJogador::confirma);
    connect(posicao_, &QComboBox::currentIndexChanged, this, &DialogoJogador::preenchehabilidades);
    connect(idade_, &QSlider::valueChanged, valoridade_, [this](int x) { valoridade_->setNum(x); });
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    nome_->setFocus();
    centraliza(this);
}

void DialogoJogador::preenchehabilidades() {
    const int posicao = posicao_->currentIndex();
    hab1_->clear();
    hab2_->clear();
    for (int i = 0; i < numitenshabilidade(posicao); ++i) {
        const QString nome = qs(std::string(nomehabilidade(habilidadedoitem(posicao, i))));
        hab1_->addItem(QString("F%1 - %2").arg(i + 1).arg(nome));
        hab2_->addItem(QString("%1 - %2").arg(i).arg(nome));
    }
    hab1_->setCurrentIndex(0);
    hab2_->setCurrentIndex(0);
}

bool DialogoJogador::atalho(const QKeyEvent* e, const QObject* alvo) {
    const int k = e->key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F10) {
        const int item = k - Qt::Key_F1;
        if (item < hab1_->count()) hab1_->setCurrentIndex(item);
        return true;
    }
    if (k >= Qt::Key_0 && k <= Qt::Key_9 && alvo != nome_ && e->modifiers() == Qt::NoModifier) {
        const int item = k - Qt::Key_0;
        if (item < hab2_->count()) hab2_->setCurrentIndex(item);
        return true;
    }
    return false;
}

void DialogoJogador::keyPressEvent(QKeyEvent* e) {
    if (!atalho(e, this)) QDialog::keyPressEvent(e);
}

// The fields would take the keys first (a list opens on F4, a digit searches it); digits typed
// into the name stay there.
bool DialogoJogador::eventFilter(QObject* alvo, QEvent* e) {
    if (e->type() == QEvent::KeyPress && atalho(static_cast<QKeyEvent*>(e), alvo)) return true;
    return QDialog::eventFilter(alvo, e);
}

TJogadorEditor DialogoJogador::dados() const {
    TJogadorEditor j;
    j.nome = us(nome_->text());
    j.posicao = posicao_->currentIndex();
    j.pais = pais_ ? pais_->pais() : -1;
    j.idade = idade_->value();
    j.estrela = estrela_->isChecked();
    j.habilidade1 = habilidadedoitem(j.posicao, hab1_->currentIndex());
    j.habilidade2 = habilidadedoitem(j.posicao, hab2_->currentIndex());
    return j;
}

void DialogoJogador::confirma() {
    if (auto erro = confirma_ ? confirma_(dados()) : std::string(); !erro.empty()) {
        mostramensagem(this, qs(erro));
        devolvefoco(nome_);
        return;
    }
    accept();
}

}  // namespace tarvello
