#pragma once
// The club's money windows: "Finanças" (the season's income and spending) and "Empréstimo
// Bancário" (borrowing and repaying in steps of 500 000).
#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvello {

struct Mundo;

// "Finanças": every column of the club's finance record with "$" and grouped digits, the two
// sub-totals, the balance, the weekly interest and wage bill and the cash. Modal; "Fechar" or
// Esc closes it.
class TelaFinancas : public QDialog {
    Q_OBJECT
public:
    TelaFinancas(const Mundo& m, int time, QWidget* parent = nullptr);
};

// "Empréstimo Bancário": cash, loan and weekly interest in thousands words; "Pegar 500 mil
// emprestado" while the loan is below 2 500 000, "Pagar 500 mil" while there is a loan.
class TelaEmprestimo : public QDialog {
    Q_OBJECT
public:
    TelaEmprestimo(Mundo& m, int time, QWidget* parent = nullptr);

signals:
    // After each loan taken or repaid: the main screen shows the new cash.
    void dinheiromudou();

private:
    void atualiza();
    Mundo& m_;
    int time_;
    QLabel* dinheiro_;
    QLabel* emprestimo_;
    QLabel* juros_;
    QPushButton* pegar_;
    QPushButton* pagar_;
};

}  // namespace tarvello
