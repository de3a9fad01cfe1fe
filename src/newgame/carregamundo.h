#pragma once
// The full load of a new game: the world read from the team files, then the clubs' opening
// business (player values and salaries, wage bills, sale lists) and the state championships.
#include "database/carregabase.h"

namespace tarvello {

// Loads the world composed by the set-up (see carregabase) and gives it its opening values.
// The new world replaces `m` only on success; on failure `m` and `p` are untouched and the
// result carries the message.
ResultadoCarga carregamundo(Mundo& m, Preparacao& p, const Progresso& progresso = {});

}  // namespace tarvello
