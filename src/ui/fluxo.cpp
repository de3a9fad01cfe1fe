#include "ui/fluxo.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTimer>

#include "editor/screens/carregando_editor_tela.h"
#include "editor/screens/editor_tela.h"
#include "match/screens/sons_tela.h"
#include "model/mundo.h"
#include "newgame/screens/carregar_jogo_tela.h"
#include "season/turno.h"
#include "newgame/novojogo.h"
#include "newgame/screens/carregando_tela.h"
#include "newgame/screens/configuracao_tela.h"
#include "newgame/screens/escolha_time_tela.h"
#include "newgame/screens/menu_inicial.h"
#include "newgame/screens/personalizado_tela.h"
#include "ui/avisos.h"
#include "ui/tela.h"
#include "ui/controle_jogo.h"
#include "ui/tela_principal.h"

namespace tarvello {

FluxoJogo::FluxoJogo(std::filesystem::path raiz, std::filesystem::path opcoes, uint64_t semente,
                     QObject* parent)
    : QObject(parent), raiz_(std::move(raiz)), opcoes_(std::move(opcoes)), semente_(semente) {
    menu_ = std::make_unique<MenuInicial>();
    connect(menu_.get(), &MenuInicial::novojogo, this, &FluxoJogo::novo);
    connect(menu_.get(), &MenuInicial::editorequipes, this, &FluxoJogo::abreeditor);
    connect(menu_.get(), &MenuInicial::carregarjogo, this, &FluxoJogo::carregar);
    // The match sounds are opened once, when the program starts (missing files are skipped).
    tocador().registrasons(raiz_);
}

FluxoJogo::~FluxoJogo() {
    for (QWidget* w : std::initializer_list<QWidget*>{configuracao_, personalizada_, escolha_,
                                                      carregando_, carregandoeditor_, editor_})
        delete w;
}

MenuInicial* FluxoJogo::menu() const { return menu_.get(); }

TelaPrincipal* FluxoJogo::principal() const { return controle_ ? controle_->principal() : nullptr; }

TelaCarregandoEditor* FluxoJogo::carregandoeditor() const { return carregandoeditor_; }
TelaEditor* FluxoJogo::editor() const { return editor_; }

void FluxoJogo::abreeditor() {
    descarta(carregandoeditor_);
    carregandoeditor_ = new TelaCarregandoEditor(raiz_);
    connect(carregandoeditor_, &TelaCarregandoEditor::carregado, this, [this] {
        editor_ = new TelaEditor(carregandoeditor()->entregabase());
        connect(editor_, &TelaEditor::voltar, this, [this] {
            descarta(editor_);
            voltaaomenu();
        });
        editor_->show();
        editor_->activateWindow();
        menu_->hide();
        // Files the editor could not read are named once, over its window.
        if (const auto& avisos = carregandoeditor()->avisos(); !avisos.empty()) {
            const QString texto = textoavisos(avisos);
            QTimer::singleShot(0, editor_, [this, texto] { mostramensagem(editor_, texto); });
        }
        descarta(carregandoeditor_);
    });
    carregandoeditor_->show();
}

void FluxoJogo::inicia() {
    menu_->show();
    centraliza(menu_.get());
}

void FluxoJogo::descarta(QWidget* w) {
    if (!w) return;
    w->hide();
    w->deleteLater();
}

void FluxoJogo::novo() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Whatever an earlier game left behind goes: a new game is a new world.
    descarta(configuracao_);
    descarta(personalizada_);
    descarta(escolha_);
    jogo_ = std::make_unique<NovoJogo>(raiz_, opcoes_, semente_++);
    abreconfiguracao();
    menu_->hide();
    QApplication::restoreOverrideCursor();
}

void FluxoJogo::carregar() {
    TelaCarregarJogo t(raiz_, semente_++, menu_.get());
    centraliza(&t);
    if (t.exec() != QDialog::Accepted) return;
    std::unique_ptr<Mundo> mundo = t.entregamundo();
    if (!mundo) return;
    // The save was made on the current coach's main screen, after his turn of the day opened.
    retomaturno(*mundo);
    controle_ = std::make_unique<ControleJogo>(std::move(mundo), false);
    controle_->defineopcoes(opcoes_);
    controle_->defineraiz(raiz_);
    controle_->inicia();
    menu_->hide();
    emit jogoiniciado(false);
}

void FluxoJogo::abreconfiguracao() {
    configuracao_ = new TelaConfiguracao(*jogo_);
    connect(configuracao_, &TelaConfiguracao::voltar, this, [this] {
        descarta(configuracao_);
        jogo_.reset();
        voltaaomenu();
    });
    connect(configuracao_, &TelaConfiguracao::ligasmontadas, this, [this] {
        abreescolha();
        descarta(configuracao_);
    });
    connect(configuracao_, &TelaConfiguracao::personalizado, this, &FluxoJogo::abrepersonalizada);
    configuracao_->show();
    centraliza(configuracao_);
}

void FluxoJogo::abrepersonalizada() {
    descarta(personalizada_);
    personalizada_ = new TelaPersonalizada(*jogo_, configuracao_->escolhas());
    connect(personalizada_, &TelaPersonalizada::voltar, this, [this] {
        descarta(personalizada_);
        configuracao_->show();
    });
    connect(personalizada_, &TelaPersonalizada::continuar, this, [this] {
        abreescolha();
        descarta(personalizada_);
        descarta(configuracao_);
    });
    personalizada_->show();
    centraliza(personalizada_);
}

void FluxoJogo::abreescolha() {
    escolha_ = new TelaEscolhaTime(*jogo_);
    connect(escolha_, &TelaEscolhaTime::escolhasfeitas, this, &FluxoJogo::abrecarregando);
    escolha_->show();
    centraliza(escolha_);
}

void FluxoJogo::abrecarregando() {
    carregando_ = new TelaCarregando(*jogo_, escolha_);
    connect(carregando_, &TelaCarregando::concluido, this, &FluxoJogo::abreprimeiratela);
    connect(carregando_, &TelaCarregando::falhou, this, [this](const QString& msg) {
        QApplication::restoreOverrideCursor();
        mostramensagem(carregando_, msg);
        descarta(carregando_);
        descarta(escolha_);
        jogo_.reset();
        voltaaomenu();
    });
    carregando_->show();
}

void FluxoJogo::voltaaomenu() {
    if (auto* c = menu_->findChild<QLabel*>("carregando")) c->setVisible(false);
    menu_->show();
}

void FluxoJogo::abreprimeiratela() {
    const TPrimeiraTela primeira = jogo_->primeiratela();
    controle_ = std::make_unique<ControleJogo>(jogo_->entregamundo(), primeira.tela == Tela::Partidas);
    jogo_.reset();
    controle_->defineopcoes(opcoes_);
    controle_->defineraiz(raiz_);
    controle_->inicia();
    descarta(carregando_);
    descarta(escolha_);
    QApplication::restoreOverrideCursor();
    emit jogoiniciado(primeira.tela == Tela::Partidas);
}

}  // namespace tarvello
