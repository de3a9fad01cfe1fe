#pragma once
// The small windows of the squad grid: improvising a player in another position (TForm52) and
// choosing his shirt number (TForm82).
#include <QDialog>
#include <vector>

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

}  // namespace tarvello
