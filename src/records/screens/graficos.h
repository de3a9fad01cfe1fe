#pragma once
// Small charts of the history screens: a club's league finish and a coach's points per season.
#include <vector>

class QWidget;

namespace tarvello {

struct TPosicaoLiga;
struct TPontosAno;

// League position season by season; a lower division counts below the whole division above,
// so a fall reads as a fall. `clubespordivisao` 20 or 10.
QWidget* graficoposicoes(const std::vector<TPosicaoLiga>& posicoes, int clubespordivisao, QWidget* pai);
// Prestige points per season as bars.
QWidget* graficopontos(const std::vector<TPontosAno>& pontos, QWidget* pai);

}  // namespace tarvello
