#pragma once
// The match-day screen (TForm46): the day's matches group by group, watched minute by minute
// on a timer or played at once, up to 30 on the screen.
#include <QTimer>
#include <QWidget>
#include <vector>

#include "ui/escudos_tela.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;
struct TJogos;
class Interacao;

class TelaPartidas : public QWidget {
    Q_OBJECT
public:
    // The day must have been started (`comecadia`).
    TelaPartidas(Mundo& m, Interacao& ia, QWidget* parent = nullptr);

    // Sets up the first group and starts the clock.
    void inicia();
    // Opens the match screen of a slot (play pauses while it is open).
    void abrepartida(int jogo);
    // Interval of the clock in milliseconds for the screen as it is now.
    int intervalo() const;
    // One tick of the clock: a minute of every live match, and the rows redrawn.
    void tique();

signals:
    // Every group of the day has been played: the results screen follows.
    void encerrado();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // The window manager's close button and Alt+F4 do not stop a match day halfway.
    void closeEvent(QCloseEvent* e) override;

private:
    void proximo();
    void monta();
    int painel(const TJogos& g) const;
    void mostradivisoes();  // the first division and the one chosen with "Ver Nª divisão"
    void atualiza();

    Mundo& m_;
    Interacao& ia_;
    QTimer relogio_;
    QLabel* titulo_;
    QLabel* tempo_;   // the half being played, "Fim de jogo" at the end
    QLabel* minuto_;  // the minute of the half
    QPushButton* trocadivisao_;
    std::vector<int> divisoes_;  // divisions on screen, in order
    int segunda_ = 2;            // the division shown beside the first
    QTableWidget* jogos_;
    CacheEscudos escudos_;
    std::vector<int> linhadojogo_;  // table row of each slot
    bool terminou_ = false;
    // Events logged before this one belong to the first half: the event lines start afresh in
    // the second.
    size_t eventosetapa_ = 0;
};

}  // namespace tarvello
