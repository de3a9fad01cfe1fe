#pragma once
// The penalty kick during a match: the human club's kick (the coach picks the kicker) and a
// computer club's kick shown to the coaches. Both tell the kick line by line, two seconds apart,
// and close by themselves.
#include <QDialog>
#include <functional>
#include <vector>

#include "match/penaltis.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

namespace tarvello {

// "TForm34": the human club's kick. `cobra` takes the kick for the chosen player (the core
// decides it); the window then tells it and closes.
class TelaCobrancaPenalti : public QDialog {
    Q_OBJECT
public:
    TelaCobrancaPenalti(const Mundo& m, int time, const std::vector<int>& candidatos,
                        std::function<TCobrancaPenalti(int batedor)> cobra, double ritmo = 1.0,
                        QWidget* parent = nullptr);

    // The player of the selected row, or -1.
    int selecionado() const;
    // Whether the kick was taken, and how it went.
    bool cobrada() const { return cobrada_; }
    const TCobrancaPenalti& cobranca() const { return cobranca_; }
    QString narracao() const;

signals:
    // Each line of the kick as it appears (a screen may play the goal sound on the last).
    void fala(const QString& texto);

private:
    void bate();
    void proximafala();

    const Mundo& m_;
    int time_;
    std::vector<int> candidatos_;
    std::function<TCobrancaPenalti(int)> cobra_;
    double ritmo_;
    bool cobrada_ = false;
    TCobrancaPenalti cobranca_;
    size_t fala_ = 0;
    QTableWidget* grade_;
    QPushButton* bater_;
    QLabel* texto_;
    QTimer* relogio_;
};

// "TForm54": a computer club's kick, already decided, shown to the human coaches.
class TelaPenaltiComputador : public QDialog {
    Q_OBJECT
public:
    TelaPenaltiComputador(const Mundo& m, int time, const TCobrancaPenalti& c, double ritmo = 1.0,
                          QWidget* parent = nullptr);
    QString narracao() const;

signals:
    void fala(const QString& texto);

private:
    void proximafala();

    TCobrancaPenalti cobranca_;
    double ritmo_;
    size_t fala_ = 0;
    QLabel* texto_;
    QTimer* relogio_;
};

}  // namespace tarvello
