#pragma once
// "Fazer proposta pelo jogador": the coach offers an amount in thousands for a player of
// another club. A computer club answers by its rules (and the player may ask for a raise or
// refuse); another human coach answers on the spot.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvello {

struct Mundo;

class TelaOferta : public QDialog {
    Q_OBJECT
public:
    TelaOferta(Mundo& m, int jogador, int comprador, QWidget* parent = nullptr);
    // Whether the player was bought.
    bool comprou() const { return comprou_; }

private:
    void atualiza();
    void propoe();

    Mundo& m_;
    int jogador_;
    int comprador_;
    bool comprou_ = false;
    QLineEdit* proposta_;
    QLabel* eco_;
    QPushButton* propor_;
};

// "Comprar" on the club screen, and the end of an accepted offer: the raise a player of a
// higher division may ask for is put to the coach ("Aceitar"/"Recusar"), a refusal is told,
// and the purchase is concluded. True when the player was bought.
bool fechacompra(QWidget* pai, Mundo& m, int jogador, int comprador, int32_t preco, bool oferta, bool substituicao);

}  // namespace tarvello
