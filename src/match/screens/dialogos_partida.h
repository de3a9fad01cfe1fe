#pragma once
// The small windows of a match: the injury replacement (TForm53), the position window
// (TForm70) and the referee window (TForm80).
#include <QDialog>
#include <vector>

class QListWidget;
class QComboBox;

namespace tarvello {

struct Mundo;

// A human club's player got injured: the coach picks a bench player, or closes the window
// when nobody can come on.
class TelaContusao : public QDialog {
    Q_OBJECT
public:
    TelaContusao(const Mundo& m, int time, int contundido, const std::vector<int>& candidatos,
                 QWidget* parent = nullptr);
    // The chosen bench player, 0 for none.
    int escolhido() const { return escolhido_; }

private:
    QListWidget* lista_;
    std::vector<int> candidatos_;
    int escolhido_ = 0;
};

// Position and role of a player of a human club's eleven during a match.
class TelaPosicao : public QDialog {
    Q_OBJECT
public:
    TelaPosicao(Mundo& m, int time, int jogador, QWidget* parent = nullptr);

private:
    void aplica();
    Mundo& m_;
    int time_, jogador_;
    QComboBox* posicao_;
    QComboBox* funcao_;
};

// The referee of a match: name, technique and rigour.
class TelaArbitro : public QDialog {
    Q_OBJECT
public:
    TelaArbitro(int arbitro, QWidget* parent = nullptr);
};

}  // namespace tarvello
