#pragma once
// Computer clubs putting their surplus players on the transfer list.
#include "model/mundo.h"

namespace tarvello {

// A computer club's yearly sale list: in shuffled squad order, the first player of each natural
// position who is neither a star nor a starter is listed at his value, when the club has more
// than 2 goalkeepers, 3 laterals, 3 zagueiros, 5 meio campos or 4 atacantes. A listed outfield
// player weaker than 40 is also offered for loan (69 %, meio campo 59 %).
void colocaavenda(Mundo& m, int time);

}  // namespace tarvello
