#pragma once
// The windows of the coaches' careers: job offers, dismissal letters, the coach changes of
// computer clubs, the hirings list and the human coaches of the game.
#include <QDialog>
#include <vector>

#include "model/carreira.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;

// "Convite para ser técnico": up to four clubs as radio choices with the chosen club's squad.
// "Assumir time" hands the coach to the chosen club; "Rejeitar todos" closes.
class TelaConvite : public QDialog {
    Q_OBJECT
public:
    TelaConvite(Mundo& m, int tecnico, std::vector<int> clubes, QWidget* parent = nullptr);
    int escolhido() const;
    // The club the coach took, -1 while none.
    int assumido() const { return assumido_; }
    void assume();

private:
    void mostraplantel();

    Mundo& m_;
    int tecnico_;
    std::vector<int> clubes_;
    int assumido_ = -1;
    QButtonGroup* opcoes_;
    QTableWidget* plantel_;
};

// "Demitido!" for a human coach, "Técnico Demitido!" for a computer club's change.
class TelaDemissao : public QDialog {
    Q_OBJECT
public:
    TelaDemissao(const Mundo& m, const TMudancaTecnico& d, QWidget* parent = nullptr);
};

// "Últimas contratações de técnicos": the hirings, newest first.
class TelaContratacoes : public QDialog {
    Q_OBJECT
public:
    explicit TelaContratacoes(const Mundo& m, QWidget* parent = nullptr);
};

// TForm51: the name of a new human coach.
class TelaNomeTecnico : public QDialog {
    Q_OBJECT
public:
    explicit TelaNomeTecnico(QWidget* parent = nullptr);
    QString nome() const;

private:
    QLineEdit* nome_;
};

// TForm50 "Adicionar/Remover ténicos": the human coaches of the game.
class TelaTecnicosHumanos : public QDialog {
    Q_OBJECT
public:
    explicit TelaTecnicosHumanos(Mundo& m, QWidget* parent = nullptr);
    void remover();
    // Adds a coach with `nome` (the name window's answer).
    void adicionar(const QString& nome);

private:
    void preenche();

    Mundo& m_;
    QListWidget* lista_;
    QPushButton* adicionar_;
};

}  // namespace tarvello
