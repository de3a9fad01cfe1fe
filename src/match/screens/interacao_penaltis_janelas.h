#pragma once
// The penalty questions of the core answered with the game's windows, each opened modally:
// the kick of a human club (TForm34), a computer club's kick (TForm54), the order of a human
// club's kickers (TForm37) and the watched shoot-out (TForm38).
#include "match/penaltis.h"

class QWidget;

namespace tarvello {

class PenaltisJanelas : public InteracaoPenaltis {
public:
    // `ritmo` multiplies every pause of the windows (1 in the game).
    explicit PenaltisJanelas(QWidget* pai = nullptr, double ritmo = 1.0) : pai_(pai), ritmo_(ritmo) {}

    std::vector<int> escolhebatedores(const Mundo& m, int time, const std::vector<int>& disponiveis,
                                      const std::vector<int>& sugestao) override;
    void mostradisputa(const Mundo& m, const TDisputaPenaltis& d) override;
    void cobrapenalti(const Mundo& m, int time, const std::vector<int>& candidatos, int sugestao,
                      const std::function<TCobrancaPenalti(int batedor)>& cobra) override;
    void mostrapenalti(const Mundo& m, int time, const TCobrancaPenalti& c) override;

    void defineritmo(double ritmo) { ritmo_ = ritmo; }
    void definepai(QWidget* pai) { pai_ = pai; }

private:
    QWidget* pai_;
    double ritmo_;
};

}  // namespace tarvello
