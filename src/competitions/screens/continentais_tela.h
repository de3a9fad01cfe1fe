#pragma once
// "TForm69": the knock-out rounds of a continental cup in one confederation: the 15 ties from the
// round of 16 to the final, both legs' scores and shoot-outs, the 16 clubs' crests and the
// champion once the cup is over. A selector switches between the cups.
#include <QDialog>
#include <array>
#include <vector>

#include "ui/escudos_tela.h"

class QComboBox;
class QLabel;

namespace tarvello {

struct Mundo;

class TelaChaveContinental : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCaixas = 15;

    // `competicao` 4 or 6 and `confederacao` 1 or 2: the cup shown first.
    TelaChaveContinental(const Mundo& m, int competicao, int confederacao, QWidget* parent = nullptr);

    void mostra(int competicao, int confederacao);

    // What box 1..15 shows: the two clubs' names and the result; the champion's label.
    QString nome(int caixa, int lado) const;
    QString resultado(int caixa) const;
    QString campeao() const;
    // Entries of the cup selector.
    QStringList copas() const;

private:
    struct Caixa {
        std::array<QLabel*, 2> nomes{};
        std::array<QLabel*, 2> escudos{};  // round-of-16 boxes only
        QLabel* resultado = nullptr;
    };
    struct Copa {
        int competicao, confederacao;
    };
    void limpa();

    const Mundo& m_;
    std::vector<Copa> copas_;
    QComboBox* seletor_ = nullptr;
    std::array<Caixa, kCaixas> caixas_;
    QLabel* campeao_ = nullptr;
    CacheEscudos escudos_;
};

}  // namespace tarvello
