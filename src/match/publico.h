#pragma once
// The crowd of a club match in the four stadium sectors, and its gate.
#include <array>

namespace tarvello {

struct Mundo;

// Attendance of sectors 1..4 for a match of kind `tipo` (0..4 and 6; every other kind has no
// crowd) at the home club's stadium. `confederacao` is the continental group (1 or 2) of kinds
// 4 and 6.
std::array<int, 4> calculapublico(Mundo& m, int tipo, int mandante, int visitante,
                                  int confederacao);

// Σ attendance × the home club's ticket price of the sector.
int calcularenda(const Mundo& m, int mandante, const std::array<int, 4>& setores);

}  // namespace tarvello
