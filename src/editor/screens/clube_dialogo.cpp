#include "editor/screens/clube_dialogo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "database/escudos.h"
#include "editor/escudoeditor.h"
#include "editor/screens/campos_editor.h"
#include "editor/screens/escudo_dialogo.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QLineEdit* campo(QWidget* pai, const char* nome, int maximo, const std::string& texto) {
    auto* e = new QLineEdit(qs(texto), pai);
    e->setObjectName(nome);
    e->setMaxLength(maximo);
    e->setMinimumWidth(240);
    return e;
}

}  // namespace

DialogoClube::DialogoClube(const std::filesystem::path& raiz, bool novo, const TDadosClube& atual,
                           std::function<std::string(const TDadosClube&)> confirma, QWidget* parent)
    : QDialog(parent), raiz_(raiz), novo_(novo), confirma_(std::move(confirma)) {
    setObjectName(novo ? "TForm7" : "TForm4");
    setWindowTitle(novo ? "Adicionar Equipe" : "Editar Equipe");
    auto* v = new QVBoxLayout(this);
    form_ = new QFormLayout;
    nomecompleto_ = campo(this, "nomecompleto", 25, atual.nomecompleto);
    nome_ = campo(this, "nome", 25, atual.nome);
    tecnico_ = campo(this, "tecnico", 25, atual.tecnico);
    estadio_ = campo(this, "estadio", 30, atual.estadio);
    form_->addRow("Nome Completo:", nomecompleto_);
    form_->addRow("Nome Abreviado:", nome_);
    form_->addRow("Técnico:", tecnico_);
    form_->addRow("Estadio:", estadio_);
    if (novo) {
        arquivo_ = campo(this, "arquivo", kMaxNomeArquivo, atual.arquivo);
        form_->addRow("Nome do arquivo:", arquivo_);
    }
    pais_ = new ComboPaises(this);
    pais_->setObjectName("pais");
    pais_->escolhe(atual.pais);
    form_->addRow("País:", pais_);
    estado_ = new ComboEstados(this);
    estado_->setObjectName("estado");
    estado_->escolhe(atual.estado);
    form_->addRow("Estado:", estado_);
    nivel_ = new QSpinBox(this);
    nivel_->setObjectName("nivel");
    nivel_->setRange(0, 25);
    nivel_->setValue(atual.nivel);
    form_->addRow("Nível inicial:", nivel_);
    corfundo_ = new BotaoCor(atual.corfundo, this);
    corfundo_->setObjectName("corfundo");
    cortexto_ = new BotaoCor(atual.cortexto, this);
    cortexto_->setObjectName("cortexto");
    form_->addRow("Cor de fundo:", corfundo_);
    form_->addRow("Cor de texto:", cortexto_);
    if (novo) {
        escudo_ = new QPushButton("Clique para selecionar", this);
        escudo_->setObjectName("escudo");
        escudo_->setIconSize(QSize(48, 48));
        escudo_->setMinimumHeight(56);
        form_->addRow("Escudo:", escudo_);
        connect(escudo_, &QPushButton::clicked, this, &DialogoClube::escolheescudo);
    }
    v->addLayout(form_);

    QPushButton* ok = botoesdialogo(this, v, novo);
    connect(ok, &QPushButton::clicked, this, &DialogoClube::confirma);
    connect(pais_, &QComboBox::currentIndexChanged, this, &DialogoClube::mostraestado);
    mostraestado();
    centraliza(this);
}

void DialogoClube::mostraestado() {
    const bool brasil = pais_->pais() == kBrasil;
    form_->setRowVisible(estado_, brasil);
    adjustSize();
}

TDadosClube DialogoClube::dados() const {
    TDadosClube d;
    d.nomecompleto = us(nomecompleto_->text());
    d.nome = us(nome_->text());
    d.tecnico = us(tecnico_->text());
    d.estadio = us(estadio_->text());
    if (arquivo_) d.arquivo = us(arquivo_->text());
    d.escudo = nomeescudo_;
    d.pais = pais_->pais();
    d.estado = d.pais == kBrasil && estado_->estado() >= 0 ? estado_->estado() : kSemEstado;
    d.nivel = nivel_->value();
    d.corfundo = corfundo_->cor();
    d.cortexto = cortexto_->cor();
    return d;
}

void DialogoClube::escolheescudo() {
    // A crest whose picture cannot be read is refused there and then.
    DialogoEscudo d(raiz_, false, [this](const std::string& nome) { return confereescudo(raiz_, nome, false); }, this);
    if (d.exec() != QDialog::Accepted) return;
    nomeescudo_ = d.escolhido();
    escudo_->setText(qs(nomeescudo_));
    escudo_->setIcon(QIcon(pixmapdaimagem(carregaescudo(raiz_, utf8paraCp1252(nomeescudo_)))));
}

void DialogoClube::confirma() {
    if (auto erro = confirma_ ? confirma_(dados()) : std::string(); !erro.empty()) {
        mostramensagem(this, qs(erro));
        // Back to the field to mend: the first empty one, else the file name or the state.
        for (QLineEdit* e : {nomecompleto_, nome_, tecnico_, estadio_, arquivo_})
            if (e && e->text().trimmed().isEmpty()) {
                devolvefoco(e);
                return;
            }
        if (arquivo_ && qs(erro).contains("rquivo")) {
            devolvefoco(arquivo_);
            arquivo_->selectAll();
        } else if (qs(erro).startsWith("Estado")) {
            devolvefoco(estado_);
        } else {
            devolvefoco(nomecompleto_);
        }
        return;
    }
    accept();
}

}  // namespace tarvello
