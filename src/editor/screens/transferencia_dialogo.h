#pragma once
// "Transferir Jogador": the player's name " para o clube:" and the club list; "Transferir" is
// enabled only while the selected club can take him.
#include <QDialog>

#include "editor/elencos.h"

class QPushButton;
class QTableWidget;

namespace tarvello {

class DialogoTransferencia : public QDialog {
    Q_OBJECT
public:
    DialogoTransferencia(BaseEditor& b, int clube, int slot, QWidget* parent = nullptr);
    QTableWidget* grade() const { return grade_; }
    int destino() const;  // the selected club, or -1

private:
    void atualiza();
    void transfere();

    BaseEditor& b_;
    int clube_;
    int slot_;
    QTableWidget* grade_;
    QPushButton* transferir_;
};

}  // namespace tarvello
