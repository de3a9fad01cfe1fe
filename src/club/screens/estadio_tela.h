#pragma once
// The stadium screen (TForm8): capacity and ticket price of each sector against the reference
// prices of the club's division, and the expansion window (TForm10) with its quote.
#include <QDialog>
#include <array>

#include "club/estadio.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvello {

struct Mundo;

class TelaEstadio : public QDialog {
    Q_OBJECT
public:
    TelaEstadio(Mundo& m, int time, QWidget* parent = nullptr);

    // Opens the expansion window (as "Expandir estádio" does).
    void expandir();

signals:
    // Money was spent on works: the main screen shows the new cash.
    void dinheiromudou();

private:
    void atualiza();

    Mundo& m_;
    int time_;
    QLabel* titulo_;
    std::array<QLabel*, 4> capacidade_{};
    std::array<QLabel*, 4> preco_{};
    QLabel* andamento_;
    QPushButton* expandir_;
};

class TelaExpansao : public QDialog {
    Q_OBJECT
public:
    TelaExpansao(Mundo& m, int time, QWidget* parent = nullptr);

    bool iniciou() const { return iniciou_; }

private:
    void pedeorcamento();  // "Pedir orçamento"
    void inicia();         // "Iniciar construção"

    Mundo& m_;
    int time_;
    std::array<QLineEdit*, 4> campos_{};
    QLabel* mensagem_;
    QPushButton* iniciar_;
    TOrcamento orcamento_;
    bool iniciou_ = false;
};

}  // namespace tarvello
