#pragma once
// "TForm26": the season summary. Opening it turns the season (the whole rollover runs once);
// it then shows the national champions of the season that has just ended, per country, with the
// prizes they were paid. "Continuar >>" starts the new season.
#include <QWidget>
#include <vector>

#include "competitions/campeoes.h"
#include "ui/escudos_tela.h"

class QComboBox;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaResumoTemporada : public QWidget {
    Q_OBJECT
public:
    explicit TelaResumoTemporada(Mundo& m, QWidget* parent = nullptr);

    int temporadaencerrada() const { return encerrada_; }
    int liga() const { return liga_; }
    // The national champions grid for a played league.
    void mostracampeoesnacionais(int liga);

signals:
    void continuar();

private:
    void preenchegrade(QTableWidget* grade, const std::vector<TLinhaCampeoes>& linhas);

    Mundo& m_;
    int encerrada_ = 0;
    int liga_ = -1;
    std::vector<int> ligas_;
    QComboBox* pais_ = nullptr;
    QTableWidget* nacionais_ = nullptr;
    QTableWidget* internacionais_ = nullptr;  // hidden after the first season or without the cups
    CacheEscudos escudos_;
};

}  // namespace tarvello
