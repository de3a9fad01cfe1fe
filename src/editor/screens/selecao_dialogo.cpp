#include "editor/screens/selecao_dialogo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "database/escudos.h"
#include "editor/screens/campos_editor.h"
#include "editor/screens/escudo_dialogo.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

DialogoSelecao::DialogoSelecao(const std::filesystem::path& raiz, bool novo, const TDadosSelecao& atual,
                               std::function<std::string(const TDadosSelecao&)> confirma,
                               std::function<std::string(const std::string&)> confirmaescudo, QWidget* parent)
    : QDialog(parent), raiz_(raiz), confirma_(std::move(confirma)), confirmaescudo_(std::move(confirmaescudo)) {
    setObjectName("TForm73");
    setWindowTitle(novo ? "Adicionar Seleção" : "Editar Seleção");
    auto* v = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    pais_ = new ComboPaises(this);
    pais_->setObjectName("pais");
    if (atual.pais >= 0) pais_->escolhe(atual.pais);
    pais_->setEnabled(novo);
    form->addRow("Pais:", pais_);
    tecnico_ = new QLineEdit(qs(atual.tecnico), this);
    tecnico_->setObjectName("tecnico");
    tecnico_->setMaxLength(30);
    tecnico_->setMinimumWidth(240);
    form->addRow("Técnico:", tecnico_);
    nivel_ = new QSpinBox(this);
    nivel_->setObjectName("nivel");
    nivel_->setRange(1, 25);
    nivel_->setValue(atual.nivel);
    form->addRow("Nível:", nivel_);
    corfundo_ = new BotaoCor(atual.corfundo, this);
    corfundo_->setObjectName("corfundo");
    cortexto_ = new BotaoCor(atual.cortexto, this);
    cortexto_->setObjectName("cortexto");
    form->addRow("Cor de fundo:", corfundo_);
    form->addRow("Cor de texto:", cortexto_);
    escudo_ = new QPushButton(atual.escudo.empty() ? QString("Clique para selecionar") : qs(atual.escudo), this);
    escudo_->setObjectName("escudo");
    escudo_->setIconSize(QSize(48, 48));
    escudo_->setMinimumHeight(56);
    if (auto img = procuraescudoselecao(raiz, utf8paraCp1252(atual.escudo)); img && !atual.escudo.empty())
        if (auto lido = carregaimagem(*img)) escudo_->setIcon(QIcon(pixmapdaimagem(*lido)));
    form->addRow("Símbolo (opcional):", escudo_);
    v->addLayout(form);
    connect(escudo_, &QPushButton::clicked, this, &DialogoSelecao::escolheescudo);

    QPushButton* ok = botoesdialogo(this, v, novo);
    connect(ok, &QPushButton::clicked, this, &DialogoSelecao::confirma);
    (novo ? static_cast<QWidget*>(pais_) : tecnico_)->setFocus();
    centraliza(this);
}

TDadosSelecao DialogoSelecao::dados() const {
    TDadosSelecao d;
    d.pais = pais_->pais();
    d.tecnico = us(tecnico_->text());
    d.nivel = nivel_->value();
    d.corfundo = corfundo_->cor();
    d.cortexto = cortexto_->cor();
    d.escudo = nomeescudo_;
    return d;
}

void DialogoSelecao::escolheescudo() {
    DialogoEscudo d(raiz_, true, confirmaescudo_, this);
    if (d.exec() != QDialog::Accepted) return;
    nomeescudo_ = d.escolhido();
    escudo_->setText(qs(nomeescudo_));
    if (auto img = carregaimagem(pastaselecoes(raiz_) / (nomeescudo_ + ".gif")))
        escudo_->setIcon(QIcon(pixmapdaimagem(*img)));
    else if (auto bmp = carregaimagem(pastaselecoes(raiz_) / (nomeescudo_ + ".bmp")))
        escudo_->setIcon(QIcon(pixmapdaimagem(*bmp)));
}

void DialogoSelecao::confirma() {
    if (auto erro = confirma_ ? confirma_(dados()) : std::string(); !erro.empty()) {
        mostramensagem(this, qs(erro));
        devolvefoco(tecnico_);
        return;
    }
    accept();
}

}  // namespace tarvello
