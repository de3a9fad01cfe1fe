#pragma once
// "Campeões Estaduais" (TForm66): the state champions of the season, shown when the state
// championships end.
#include <QDialog>

namespace tarvello {

struct Mundo;

class TelaCampeoesEstaduais : public QDialog {
    Q_OBJECT
public:
    // `automatico`: the game runs in automatic-continue mode, "Continuar >>" presses itself.
    TelaCampeoesEstaduais(const Mundo& m, bool automatico, QWidget* parent = nullptr);
};

}  // namespace tarvello
