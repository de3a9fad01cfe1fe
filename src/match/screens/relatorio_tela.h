#pragma once
// A stored match report as the screens show it: venue, crowd and gate, the score, the five
// statistics, both sides' tactics, both elevens with their ratings, the players taken off and
// the match's events. The panel serves the day's results screen; the viewer (TForm17) shows one
// report on its own.
#include <QDialog>
#include <QWidget>

class QLabel;
class QListWidget;
class QTextBrowser;

namespace tarvello {

struct Mundo;

class PainelRelatorio : public QWidget {
    Q_OBJECT
public:
    PainelRelatorio(const Mundo& m, QWidget* parent = nullptr);

    // Shows report `r` (-1 clears). `resultados`: as the results screen shows it (the shoot-out
    // score, "Japão" as the club world cup's venue).
    void mostra(int r, bool resultados);

private:
    const Mundo& m_;
    QLabel* estadio_;
    QLabel* publico_;
    QLabel* setores_;
    QLabel* renda_;
    QLabel* placar_;
    QTextBrowser* detalhes_;
    QListWidget* eventos_;
};

class TelaRelatorio : public QDialog {
    Q_OBJECT
public:
    TelaRelatorio(const Mundo& m, int relatorio, QWidget* parent = nullptr);
};

// "Histórico Jogos": the season's matches of a player with his ratings; a double click opens
// the match's report.
class TelaHistoricoJogos : public QDialog {
    Q_OBJECT
public:
    TelaHistoricoJogos(const Mundo& m, int jogador, QWidget* parent = nullptr);
};

// Opens the viewer over `pai` for report `r`; nothing when `r` is -1.
void abrerelatorio(QWidget* pai, const Mundo& m, int r);

}  // namespace tarvello
