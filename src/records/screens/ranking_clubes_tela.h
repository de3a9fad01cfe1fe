#pragma once
// "Ranking de Clubes" (TForm71): clubs ranked by title points, by match points, or worldwide.
#include <QDialog>
#include <memory>

#include "records/ranking.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;
class CacheEscudos;

class TelaRankingClubes : public QDialog {
    Q_OBJECT
public:
    TelaRankingClubes(const Mundo& m, QWidget* parent = nullptr);
    ~TelaRankingClubes() override;
    void escolhe(VisaoRankingClubes visao);

private:
    void preenche();
    const Mundo& m_;
    VisaoRankingClubes visao_ = VisaoRankingClubes::Colocacao;
    int construido_ = -2;  // country the grid was last built for (-1: international)
    VisaoRankingClubes visaoconstruida_ = VisaoRankingClubes::Colocacao;
    QPushButton* botoes_[3] = {};
    QComboBox* paises_ = nullptr;
    QLabel* legenda_ = nullptr;
    QTableWidget* grade_ = nullptr;
    std::unique_ptr<CacheEscudos> escudos_;
};

}  // namespace tarvello
