#pragma once
// The running game between screens: whose turn it is on the main screen, the match day, the
// results, and "Continuar >>" to the next date. It owns the world.
#include <QObject>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <vector>

#include "competitions/screens/selecao_tela.h"
#include "match/screens/partidas_tela.h"
#include "competitions/screens/resumo_temporada_tela.h"
#include "match/screens/resultados_tela.h"
#include "ui/tela_principal.h"
#include "club/transferencias.h"

namespace tarvello {

struct Mundo;
class InteracaoJanelas;

class ControleJogo : public QObject {
    Q_OBJECT
public:
    // `partidas`: no human club plays the first date, so its match day starts at once.
    ControleJogo(std::unique_ptr<Mundo> mundo, bool partidas, QObject* parent = nullptr);
    ~ControleJogo() override;

    Mundo& mundo() { return *mundo_; }
    TelaPrincipal* principal() const { return principal_; }
    TelaPartidas* partidas() const { return partidas_; }
    TelaResultados* resultados() const { return resultados_; }
    TelaResumoTemporada* resumo() const { return resumo_; }
    TelaSelecao* selecao() const { return selecao_; }
    InteracaoJanelas& interacao() { return *interacao_; }

    // The options file the main screen writes its "Salvar escalação" choice to.
    void defineopcoes(std::filesystem::path arquivo) { opcoes_ = std::move(arquivo); }
    // The data folder, whose "sav/" receives the saved games.
    void defineraiz(std::filesystem::path raiz) { raiz_ = std::move(raiz); }
    // Opens the first screen of the game.
    void inicia();
    // Factor of the auction screen's pauses (tests speed them up).
    void defineritmoleilao(double r) { ritmoleilao_ = r; }

signals:
    // A screen of the game opened (tests follow the flow through it).
    void telaaberta(QWidget* tela);

private:
    void proximodia();          // the turns of the human coaches whose clubs play, or the day
    void abreprincipal(int k);  // main screen of human coach k
    void abreselecao(int k);    // national-team screen of human coach k on a tournament date
    void confirmou();           // "Jogar >>" of the coach on screen
    void comecapartidas();
    void abreresultados();
    void continuar();
    void abreresumo();      // the season is over: its summary, which turns the season
    void novatemporada();   // "Continuar >>" of the summary: the first date of the new season
    void abreclassificacao();  // "Classificação após a rodada"
    void abrenoticias();
    void salvar();          // "Salvar jogo" / F2
    void abreopcoes();      // "Opções" / F3
    void salvaautomatico(); // a main screen opened after a match day
    void propostadecompra(const TProposta& p);  // "Proposta de compra" of a computer club
    // The dismissal letters and coach changes to show, then the job offers waiting for an answer.
    void mostracarreira(QWidget* pai);
    void sedemitir();  // "Se demitir" of the coach on screen
    void proximavez();  // the coach on screen is done: the next one, or the match day
    void fecha(QWidget* w);

    std::unique_ptr<Mundo> mundo_;
    std::unique_ptr<InteracaoJanelas> interacao_;
    bool partidasprimeiro_;
    double ritmoleilao_ = 1.0;
    std::filesystem::path opcoes_;
    std::filesystem::path raiz_;
    int contadorsalvar_ = 0;  // openings since the last automatic save ("A cada 3 jogos")
    std::vector<int> vez_;  // human coaches still to confirm today
    QPointer<TelaPrincipal> principal_;
    QPointer<TelaPartidas> partidas_;
    QPointer<TelaResultados> resultados_;
    QPointer<TelaResumoTemporada> resumo_;
    QPointer<TelaSelecao> selecao_;
};

}  // namespace tarvello
