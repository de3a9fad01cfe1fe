#pragma once
// "Mostrar confrontos" (TForm15): every past meeting of two clubs.
#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaConfrontos : public QDialog {
    Q_OBJECT
public:
    TelaConfrontos(const Mundo& m, int time1, int time2, QWidget* parent = nullptr);
    void escolhe(int time1, int time2);

private:
    void preenche();
    const Mundo& m_;
    QComboBox* time1_ = nullptr;
    QComboBox* time2_ = nullptr;
    QTableWidget* grade_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* linha1_ = nullptr;
    QLabel* linha2_ = nullptr;
};

}  // namespace tarvello
