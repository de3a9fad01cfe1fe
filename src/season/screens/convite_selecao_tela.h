#pragma once
// "Escolha da seleção para treinar na Copa do Mundo" (or the Copa América, the Eurocopa): the
// national teams of the pot a human coach is invited to choose from, with their flags; those
// already run by a human coach cannot be chosen.
#include <QDialog>

#include "season/convitesselecao.h"

class QButtonGroup;
class QPushButton;

namespace tarvello {

struct Mundo;

class TelaConviteSelecao : public QDialog {
    Q_OBJECT
public:
    TelaConviteSelecao(Mundo& m, int slot, const TConviteSelecao& convite, QWidget* parent = nullptr);

    // Marks team `time` as chosen, as a click on its choice does.
    void escolhe(int time);
    // "OK": the coach takes the chosen team.
    void confirma();

private:
    Mundo& m_;
    int slot_;
    TConviteSelecao convite_;
    QButtonGroup* escolhas_;
    QPushButton* ok_;
};

// The screen's title for a tournament code.
QString titulodoconvite(int competicao);

}  // namespace tarvello
