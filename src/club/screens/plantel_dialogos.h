#pragma once
// The small windows of the squad grid: improvising a player in another position (TForm52) and
// choosing his shirt number (TForm82).
#include <QDialog>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace tarvello {

struct Mundo;

// "Mudar posição do jogador". "OK" with a choice moves the player; `mudou` tells the caller to
// recount.
class TelaImprovisa : public QDialog {
    Q_OBJECT
public:
    TelaImprovisa(Mundo& m, int jogador, QWidget* parent = nullptr);
    bool mudou() const { return mudou_; }

private:
    void aplica();
    Mundo& m_;
    int jogador_;
    QListWidget* lista_;
    std::vector<int> posicoes_;  // one per list entry; -1 for "Voltar posição original"
    bool mudou_ = false;
};

// "Escolher número": "Sem número" or 1..28 with the team-mate who wears each.
class TelaNumero : public QDialog {
    Q_OBJECT
public:
    TelaNumero(Mundo& m, int jogador, QWidget* parent = nullptr);
    bool mudou() const { return mudou_; }

private:
    void aplica();
    Mundo& m_;
    int jogador_;
    QListWidget* lista_;
    bool mudou_ = false;
};

// "Aposentadoria do jogador": a veteran of the human club retires and a youngster of the name
// and position chosen takes his place. `aposentou` tells the caller to refresh.
class TelaAposentadoria : public QDialog {
    Q_OBJECT
public:
    TelaAposentadoria(Mundo& m, int jogador, QWidget* parent = nullptr);
    bool aposentou() const { return aposentou_; }
    // "Aposentar": with a name, the slot is renewed; the position is passed only when changed.
    void aposenta();

private:
    Mundo& m_;
    int jogador_;
    QLineEdit* nome_;
    QComboBox* posicao_;
    bool aposentou_ = false;
};

}  // namespace tarvello
