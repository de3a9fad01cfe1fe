#pragma once
// "Venda de jogador em leilão" (TForm23): each human coach who may bid gives one sealed bid in
// turn; then the outcome is shown for 2.5 seconds. A coach's own auction closes after it; the
// match-day sequence runs its auctions one after the other.
#include <QDialog>

#include "club/leilao.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvello {

struct Mundo;

class TelaLeilao : public QDialog {
    Q_OBJECT
public:
    // A coach's auction of one player (sale dialog or refused contract).
    TelaLeilao(Mundo& m, const TLeilao& leilao, QWidget* parent = nullptr);
    // The match-day sequence of `quantos` auctions of computer clubs' players.
    TelaLeilao(Mundo& m, int quantos, QWidget* parent = nullptr);
    // Factor of the timed pauses (1 in the game; tests speed them up).
    void defineritmo(double r) { ritmo_ = r; }
    // Players sold by this screen.
    int vendidos() const { return vendidos_; }
    // Whether an auction is on screen (false when the sequence found no player).
    bool temleilao() const { return l_.jogador > 0; }

protected:
    void closeEvent(QCloseEvent* e) override;  // Alt+F4 is ignored
    void reject() override;                    // so is Esc

private:
    void monta();
    void mostra();
    void pedelance();
    void ofertar();
    void decide();
    void depois();
    void termina();

    Mundo& m_;
    TLeilao l_;
    int restantes_ = 0;
    int anterior_ = -1;  // buyer of the previous auction of the sequence
    std::vector<int> fila_;
    size_t vez_ = 0;
    int vendidos_ = 0;
    double ritmo_ = 1.0;
    bool fim_ = false;

    QLabel* vendedor_;
    QLabel* escudo_;
    QLabel* nome_;
    QLabel* dados_;
    QLabel* situacao_;
    QLabel* preco_;
    QLabel* licitante_;
    QLineEdit* lance_;
    QLabel* eco_;
    QPushButton* ofertar_;
    QLabel* aviso_;
    QLabel* resultado_;
    QLabel* escudocomprador_;
};

}  // namespace tarvello
