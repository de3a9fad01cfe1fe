#pragma once
// "TForm35": the national cup bracket of one league: the 31 ties from the first phase to the
// final, with both legs' scores and shoot-outs, and the champion once the cup is over.
#include <QDialog>
#include <array>
#include <vector>

#include "ui/escudos_tela.h"

class QComboBox;
class QLabel;

namespace tarvello {

struct Mundo;

class TelaCopa : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCaixas = 31;

    // `liga` is the league shown first (a country selector offers the others).
    TelaCopa(const Mundo& m, int liga, QWidget* parent = nullptr);

    void mostraliga(int liga);
    int liga() const { return liga_; }

    // What box 1..31 shows: the two clubs' names and the result.
    QString nome(int caixa, int lado) const;
    QString resultado(int caixa) const;
    QString campeao() const;

private:
    struct Caixa {
        std::array<QLabel*, 2> nomes{};
        std::array<QLabel*, 2> escudos{};  // first-phase boxes only
        QLabel* resultado = nullptr;
    };
    void limpa();

    const Mundo& m_;
    int liga_ = -1;
    std::vector<int> ligas_;
    QComboBox* pais_ = nullptr;
    std::array<Caixa, kCaixas> caixas_;
    QLabel* campeao_;
    CacheEscudos escudos_;
};

// Result text of a tie: leg 1 "hxa"; after leg 2 "-" and leg 2 seen from the leg-1 home club;
// after a shoot-out ";P:" and the two penalty counts, the leg-1 home club first.
QString textoconfronto(const Mundo& m, int ida);

}  // namespace tarvello
