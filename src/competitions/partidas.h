#pragma once
// Adding and finding matches of the season's match list.
#include "model/partida.h"

namespace tarvello {

struct Mundo;

// Appends one unplayed match with the given fields and no goals.
void adicionajogo(Mundo& m, int mandante, int visitante, int rodada, double data, int chave, int turno, int liga,
                  int competicao);

// Index of the first match with this league, competition and round, else -1.
int procurajogo(const Mundo& m, int liga, int competicao, int rodada);

}  // namespace tarvello
