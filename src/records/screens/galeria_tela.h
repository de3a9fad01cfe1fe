#pragma once
// "Galeria de Troféus" (TForm19): a coach's titles grouped by competition, and his ranking
// points season by season.
#include <QDialog>

namespace tarvello {

struct Mundo;

class TelaGaleria : public QDialog {
    Q_OBJECT
public:
    TelaGaleria(const Mundo& m, int tecnico, QWidget* parent = nullptr);
};

}  // namespace tarvello
