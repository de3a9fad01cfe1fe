#pragma once
// "Ranking de técnicos" (TForm47): coaches ranked by country or worldwide, with the selected
// coach's titles and season statistics.
#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaRankingTecnicos : public QDialog {
    Q_OBJECT
public:
    TelaRankingTecnicos(const Mundo& m, QWidget* parent = nullptr);
    // The world view ("Ranking Mundial").
    void mundial();
    // Fills the detail panel with a coach.
    void detalha(int tecnico);

private:
    void preenche();
    const Mundo& m_;
    int pais_ = -1;  // -1 world view
    int selecionado_ = -1;
    QComboBox* paises_ = nullptr;
    QTableWidget* grade_ = nullptr;
    QLabel* nome_ = nullptr;
    QLabel* pontos_ = nullptr;
    QLabel* cabecalhotitulos_ = nullptr;
    QLabel* titulos_ = nullptr;
    QTableWidget* estatisticas_ = nullptr;
    QLabel* galeria_ = nullptr;
};

}  // namespace tarvello
