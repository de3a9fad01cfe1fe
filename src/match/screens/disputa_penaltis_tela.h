#pragma once
// "TForm38": a shoot-out shown kick by kick, the first club first, one kick every 1.5 seconds;
// when it is over the winner is named and the window closes by itself.
#include <QDialog>
#include <array>

#include "match/penaltis.h"

class QLabel;
class QTableWidget;
class QTimer;

namespace tarvello {

class TelaDisputaPenaltis : public QDialog {
    Q_OBJECT
public:
    TelaDisputaPenaltis(const Mundo& m, const TDisputaPenaltis& d, double ritmo = 1.0, QWidget* parent = nullptr);

    // Kicks shown so far, the score they make and the closing text (empty until the end).
    size_t mostradas() const { return mostradas_; }
    std::array<int, 2> placar() const { return placar_; }
    QString resultado() const;

private:
    void proximacobranca();

    const Mundo& m_;
    TDisputaPenaltis disputa_;
    double ritmo_;
    size_t mostradas_ = 0;
    bool encerrada_ = false;
    std::array<int, 2> placar_{0, 0};
    std::array<QLabel*, 2> rotuloplacar_{};
    std::array<QTableWidget*, 2> listas_{};
    QLabel* resultado_;
    QTimer* relogio_;
};

}  // namespace tarvello
