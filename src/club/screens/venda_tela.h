#pragma once
// "Venda de jogador": the coach sends one of his players to auction at a start price, or lists
// him at a fixed price for computer clubs to buy.
#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvello {

struct Mundo;

class TelaVenda : public QDialog {
    Q_OBJECT
public:
    enum Resultado { Nada, Leilao, Listado };
    TelaVenda(Mundo& m, int jogador, QWidget* parent = nullptr);
    Resultado resultado() const { return resultado_; }
    // The start price of the auction, in dollars.
    int32_t preco() const { return preco_; }

private:
    void atualiza();

    Mundo& m_;
    int jogador_;
    Resultado resultado_ = Nada;
    int32_t preco_ = 0;
    QRadioButton* leilao_;
    QRadioButton* lista_;
    QLineEdit* precoinicial_;
    QLineEdit* precofixado_;
    QPushButton* iniciar_;
    QPushButton* colocar_;
};

}  // namespace tarvello
