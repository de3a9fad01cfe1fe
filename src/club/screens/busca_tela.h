#pragma once
// "Busca de Jogadores": filters over every player with a club; a double click opens the
// player's club.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaBusca : public QDialog {
    Q_OBJECT
public:
    TelaBusca(Mundo& m, int meuclube, QWidget* parent = nullptr);
    void busca();

signals:
    void elencomudou();

private:
    Mundo& m_;
    int meuclube_;
    QLineEdit* nome_;
    QComboBox* posicao_;
    QComboBox* forca_;
    QComboBox* idade_;
    QComboBox* valor_;
    QComboBox* hab1_;
    QComboBox* hab2_;
    QComboBox* nacionalidade_;
    QComboBox* pais_;
    QCheckBox* avenda_;
    QCheckBox* estrelas_;
    QLabel* total_;
    QTableWidget* grade_;
};

}  // namespace tarvello
