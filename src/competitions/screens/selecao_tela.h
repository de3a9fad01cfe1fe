#pragma once
// The national-team screen of a human national coach on tournament dates: the squad with the
// club screen's line-up clicks, the formations, the roles, the next opponent, the call-ups
// before the first match, the tournament tables, "Salvar jogo" and "Jogar >>".
#include <QWidget>

#include "club/plantel.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaSelecao : public QWidget {
    Q_OBJECT
public:
    TelaSelecao(Mundo& m, int selecao, QWidget* parent = nullptr);

    // The squad grid anew (after call-ups).
    void montaplantel();
    // A click on a row's status cell, as the coach makes it.
    void clicastatusdalinha(int linha);
    // A formation of the list: the automatic line-up for it.
    void escolheesquema(const QString& esquema);
    // A role of the selected row's position.
    void escolhefuncao(int linha, int funcao);
    // "Jogar >>".
    void confirma();

    const TPlantel& plantel() const { return plantel_; }
    QString proximojogo() const;

signals:
    void jogar();
    void salvarjogo();

private:
    void preenche();
    void convocar();
    void abretabela();

    Mundo& m_;
    int selecao_;
    TPlantel plantel_;
    QLabel* proximo_;
    QLabel* motivo_;
    QTableWidget* grade_;
    QListWidget* esquemas_;
    QComboBox* funcao_;
    QPushButton* convocar_;
    QPushButton* jogar_;
};

}  // namespace tarvello
