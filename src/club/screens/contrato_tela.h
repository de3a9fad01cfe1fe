#pragma once
// "Propor novo contrato": the coach offers a player a new salary for 3 months to 2 years; the
// player accepts, refuses with a minimum demand the coach may accept or refuse, or is held to
// the demand when the club cannot spare him.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tarvello {

struct Mundo;

class TelaContrato : public QDialog {
    Q_OBJECT
public:
    enum Resultado { Nada, Renovado, Leilao };
    TelaContrato(Mundo& m, int jogador, QWidget* parent = nullptr);
    // Renovado: the player signed; Leilao: the coach refused his demand and he goes to auction.
    Resultado resultado() const { return resultado_; }
    // Milliseconds before a demand the coach cannot refuse is signed (2 s in the game).
    void defineespera(int ms) { espera_ = ms; }

protected:
    // Esc and "Cancelar" do nothing while a demand the club cannot refuse is being signed.
    void reject() override;

private:
    void digitou();
    void seta(int passo);
    void oferece();
    void assina(int32_t salario);
    void recusou(int32_t minimo);

    Mundo& m_;
    int jogador_;
    Resultado resultado_ = Nada;
    int espera_ = 2000;
    bool obrigatorio_ = false;
    QLineEdit* salario_;
    QLabel* erro_;
    QComboBox* duracao_;
    QPushButton* oferecer_;
    QPushButton* cancelar_;
    QWidget* proposta_;
    QWidget* recusa_;
    QLabel* exigencia_;
    QLabel* semleilao_;
    QPushButton* aceita_;
    QPushButton* recusaexigencia_;
};

}  // namespace tarvello
