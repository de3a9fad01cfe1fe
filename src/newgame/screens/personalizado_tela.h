#pragma once
#include <QWidget>
#include <vector>

#include "database/preparacao.h"
#include "newgame/escolhas.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvello {

class NovoJogo;

// Custom championship ("modo fantasia"): the clubs of the ticked countries form one league.
class TelaPersonalizada : public QWidget {
    Q_OBJECT
public:
    // `escolhas` carries what the set-up screen holds (number of human coaches).
    TelaPersonalizada(NovoJogo& jogo, EscolhasJogo escolhas, QWidget* parent = nullptr);

    int timesselecionados() const;

signals:
    void voltar();     // back to the set-up screen
    void continuar();  // the league is composed: team choice next

protected:
    // Closing the window is "<< Voltar": the set-up screen comes back.
    void closeEvent(QCloseEvent* e) override;

private:
    void atualizacontagens();
    void continua();

    NovoJogo& jogo_;
    EscolhasJogo escolhas_;
    std::vector<TPaisOferecido> grade_;
    QTableWidget* paises_;
    QLabel* compaises_;
    QLabel* selecionados_;
    QLabel* times_;
    QLabel* limite_;
    QComboBox* sistema_;
    QCheckBox* copa_;
    QPushButton* continuar_;
};

}  // namespace tarvello
