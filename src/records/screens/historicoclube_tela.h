#pragma once
// "Retrospecto" (TForm55): a club's seasons, newest first, with its titles and a chart of its
// league finishes.
#include <QDialog>

class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaRetrospecto : public QDialog {
    Q_OBJECT
public:
    TelaRetrospecto(const Mundo& m, int time, QWidget* parent = nullptr);
};

}  // namespace tarvello
