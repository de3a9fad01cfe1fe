#pragma once
// Fixtures and results of the round-robin competitions, round by round.
#include <QWidget>
#include <vector>

#include "ui/escudos_tela.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaTabelaJogos : public QWidget {
    Q_OBJECT
public:
    explicit TelaTabelaJogos(Mundo& m, QWidget* parent = nullptr);

    // `competicao` 1 (league, region = league index), 3 (state), 4 or 6 (region = confederation
    // 1 or 2). Opens on the first round with a match still to play, else the last.
    void mostra(int competicao, int regiao);
    void anterior();
    void proxima();

    int competicao() const { return competicao_; }
    int regiao() const { return regiao_; }
    int rodadasporturno() const;
    // Round 1..rodadasporturno() and half 1..2 on screen.
    int rodada() const { return indice_ % rodadasporturno() + 1; }
    int turno() const { return indice_ / rodadasporturno() + 1; }
    // One list per division or group, in order.
    const std::vector<QTableWidget*>& listas() const { return listas_; }
    // Match-list index of each row of list k.
    const std::vector<std::vector<int>>& jogos() const { return jogos_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void preencheregioes();
    void monta();
    // Clubs of each division or group of the competition shown, and their titles.
    std::vector<std::pair<QString, std::vector<int>>> blocos() const;

    Mundo& m_;
    int competicao_ = 1;
    int regiao_ = 0;
    int indice_ = 0;  // (turno - 1) * rounds + rodada - 1
    bool preenchendo_ = false;
    std::vector<int> regioes_;
    QLabel* titulo_;
    QLabel* rotulorodada_;
    QComboBox* regiaocombo_;
    QPushButton* anterior_;
    QPushButton* proxima_;
    QWidget* area_;
    QGridLayout* grade_;
    std::vector<QTableWidget*> listas_;
    std::vector<std::vector<int>> jogos_;
    CacheEscudos escudos_;
};

}  // namespace tarvello
