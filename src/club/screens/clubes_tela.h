#pragma once
// "Ver todos os times": the squad of any club, with the buttons to buy a listed player, make an
// offer or take a player on loan for the coach's club.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaClubes : public QDialog {
    Q_OBJECT
public:
    // `time`: the club shown first; `meuclube`: the coach's club that buys.
    TelaClubes(Mundo& m, int time, int meuclube, QWidget* parent = nullptr);
    void mostraclube(int time);
    int clube() const { return time_; }
    // Whether the coach's squad changed (a purchase or a loan).
    bool mudou() const { return mudou_; }
    // Selects the row of a player (tests and the player search).
    void selecionajogador(int jogador);

signals:
    void elencomudou();

private:
    void preenche();
    void atualizabotoes();
    int jogadorselecionado() const;
    void comprar();
    void oferta();
    void emprestimo();

    Mundo& m_;
    int time_;
    int meuclube_;
    bool mudou_ = false;
    QComboBox* clubes_;
    QLabel* dinheiro_;
    QLabel* tecnico_;
    QLabel* confianca_;
    QLabel* meudinheiro_;
    QTableWidget* grade_;
    QPushButton* comprar_;
    QPushButton* oferta_;
    QPushButton* emprestimo_;
};

}  // namespace tarvello
