#pragma once
// "Artilheiros" (TForm20): this season's top scorers of any competition, and the best scorers
// of all time.
#include <QDialog>
#include <vector>

#include "records/artilheiros.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaArtilheiros : public QDialog {
    Q_OBJECT
public:
    TelaArtilheiros(const Mundo& m, QWidget* parent = nullptr);
    // Lists every row of "Melhores de Sempre" ("clique aqui").
    void mostratodos();

private:
    void montaopcoes();
    void preenche();
    void mudoupais();
    const Mundo& m_;
    std::vector<TOpcaoArtilheiros> opcoes_;
    bool todos_ = false;
    QComboBox* ver_ = nullptr;
    QComboBox* pais_ = nullptr;
    QComboBox* estado_ = nullptr;
    QTableWidget* grade_ = nullptr;
    QLabel* nota_ = nullptr;
    QLabel* clique_ = nullptr;
};

}  // namespace tarvello
