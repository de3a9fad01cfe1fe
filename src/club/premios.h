#pragma once
// Prize money: credited to the club's cash and to its prize income of the season.

namespace tarvello {

struct Mundo;

void pagapremio(Mundo& m, int time, int valor);

}  // namespace tarvello
