#pragma once
// Player bookkeeping: games, goals, cards, injuries and club changes, per competition and in the
// player's career history.
#include <string_view>

namespace tarvello {

struct Mundo;

// codigo: "j" played a game, "g" goal, "ca" yellow card, "cv" red card, "ct" injury,
// "time" joined the club `time`. For the others `time` is the club the event happened for
// (-1: the player's own club). Unknown codes and invalid players are ignored.
void registraevento(Mundo& m, int jogador, int time, std::string_view codigo);

// Season slot of the career arrays: the season number, capped at 10.
int slottemporada(const Mundo& m);

}  // namespace tarvello
