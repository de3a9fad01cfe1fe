#pragma once
// "Transferências de Jogadores": the game's transfers, newest first (at most 200); from a club
// screen, those from or to that club.
#include <QDialog>

class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaTransferencias : public QDialog {
    Q_OBJECT
public:
    // `time` -1: every transfer.
    TelaTransferencias(const Mundo& m, int time, QWidget* parent = nullptr);
};

}  // namespace tarvello
