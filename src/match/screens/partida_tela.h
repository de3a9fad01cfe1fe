#pragma once
// The match screen (TForm16): one match in detail, paused while it is open. A human-run side
// changes style, marking and attack focus, substitutes players and moves them to other
// positions here.
#include <QDialog>
#include <QIcon>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace tarvello {

struct Mundo;

// The picture of a kind of event (goal, card, injury, substitution), as the match lists show it.
QIcon iconeevento(int tipo);

class TelaPartida : public QDialog {
    Q_OBJECT
public:
    // `jogo`: match slot 1..30 of the screen; `intervalo`: opened at half-time.
    TelaPartida(Mundo& m, int jogo, bool intervalo, QWidget* parent = nullptr);

    // Redraws everything from the world.
    void atualiza();

private:
    void montalado(int lado, QWidget* pai, QVBoxLayout* coluna);
    void preenchegrade(int lado);
    void substitui(int lado);

    Mundo& m_;
    int jogo_;
    bool intervalo_;
    int sorteiointervalo_ = 0;  // where a lopsided possession is shown, 0..9
    QLabel* placar_;
    QLabel* minuto_;
    QLabel* esquema_[2];
    QTableWidget* grade_[2];
    QPushButton* substituir_[2];
    QListWidget* eventos_;
    QLabel* estatisticas_;
};

}  // namespace tarvello
