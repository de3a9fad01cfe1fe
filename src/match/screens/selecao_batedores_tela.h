#pragma once
// "TForm37": a human club's coach puts the players who played today in the order they take
// the shoot-out's kicks.
#include <QDialog>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaSelecaoBatedores : public QDialog {
    Q_OBJECT
public:
    TelaSelecaoBatedores(const Mundo& m, int time, const std::vector<int>& disponiveis, QWidget* parent = nullptr);

    // The kickers in the order chosen so far.
    const std::vector<int>& batedores() const { return batedores_; }
    const std::vector<int>& disponiveis() const { return disponiveis_; }

    // ">>": the selected available player goes to the end of the order.
    void move();
    // "Automático": every remaining player, the last listed first.
    void automatico();

private:
    void atualiza();

    const Mundo& m_;
    std::vector<int> disponiveis_;
    std::vector<int> batedores_;
    QTableWidget* grade_;
    QListWidget* ordem_;
    QPushButton* mover_;
    QPushButton* automatico_;
    QPushButton* proximo_;
};

}  // namespace tarvello
