#pragma once
// The way into a game: start menu -> set-up -> (custom championship) -> team choice -> loading
// -> first screen. Each "Novo Jogo" starts from a fresh world.
#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>

#include "newgame/screens/carregando_tela.h"
#include "newgame/screens/configuracao_tela.h"
#include "newgame/screens/escolha_time_tela.h"
#include "newgame/screens/personalizado_tela.h"
#include "ui/tela_principal.h"

namespace tarvello {

class MenuInicial;
class NovoJogo;
class ControleJogo;
class TelaCarregandoEditor;
class TelaEditor;

class FluxoJogo : public QObject {
    Q_OBJECT
public:
    // `raiz`: data folder; `opcoes`: options file; `semente`: the world's random seed
    // (a new game takes the next one, so two games of one run differ).
    FluxoJogo(std::filesystem::path raiz, std::filesystem::path opcoes, uint64_t semente,
              QObject* parent = nullptr);
    ~FluxoJogo() override;

    void inicia();  // shows the start menu

    MenuInicial* menu() const;
    TelaConfiguracao* configuracao() const { return configuracao_; }
    TelaPersonalizada* personalizada() const { return personalizada_; }
    TelaEscolhaTime* escolhatime() const { return escolha_; }
    TelaCarregando* carregando() const { return carregando_; }
    TelaPrincipal* principal() const;
    ControleJogo* controle() const { return controle_.get(); }
    NovoJogo* novojogo() const { return jogo_.get(); }
    TelaCarregandoEditor* carregandoeditor() const;
    TelaEditor* editor() const;

signals:
    // The first screen of the game is open: the main screen, or (`partidas`) the match-day
    // screen of a date no human club plays.
    void jogoiniciado(bool partidas);

private:
    void novo();
    void carregar();  // "Carregar Jogo Salvo": the load screen, then the loaded game
    void abreconfiguracao();
    void abrepersonalizada();
    void abreescolha();
    void abrecarregando();
    void abreprimeiratela();
    void descarta(QWidget* w);
    void voltaaomenu();
    void abreeditor();  // the team editor's loading screen, then its window  // the start menu again, its "loading" line hidden

    std::filesystem::path raiz_;
    std::filesystem::path opcoes_;
    uint64_t semente_;
    std::unique_ptr<MenuInicial> menu_;
    std::unique_ptr<NovoJogo> jogo_;
    std::unique_ptr<ControleJogo> controle_;  // the running game
    QPointer<TelaConfiguracao> configuracao_;
    QPointer<TelaPersonalizada> personalizada_;
    QPointer<TelaEscolhaTime> escolha_;
    QPointer<TelaCarregando> carregando_;
    QPointer<TelaCarregandoEditor> carregandoeditor_;
    QPointer<TelaEditor> editor_;
};

}  // namespace tarvello
