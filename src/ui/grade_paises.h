#pragma once
// The countries grids of the set-up screens: flag, tick box, "País", "Times" and the hidden
// country index. A click on the tick column flips the tick.
#include <vector>

#include "newgame/configuracao.h"

class QTableWidget;
class QWidget;

namespace tarvello {

constexpr int kColunaMarca = 1;

QTableWidget* criagradepaises(QWidget* pai);
void preenchegradepaises(QTableWidget* grade, const std::vector<TPaisOferecido>& linhas);
void alternamarca(QTableWidget* grade, int linha);
bool linhamarcada(const QTableWidget* grade, int linha);
// Country indexes of the ticked rows, in grid order.
std::vector<int> paisesmarcados(const QTableWidget* grade);
// Row of a country, or -1.
int linhadopais(const QTableWidget* grade, int pais);

}  // namespace tarvello
