#pragma once
// What interrupts the flow of a match: fouls and free kicks, cards, injuries, substitutions and
// position changes.
#include <vector>

namespace tarvello {

struct Mundo;
class Interacao;

// Foul draw of one side (the fouling side), the free kick it concedes, and the card draws.
void faltasecartoes(Mundo& m, int jogo, int lado);

// Free-kick goal attempt of the side that was fouled.
void cobrancafalta(Mundo& m, int jogo, int lado);

// Injury draw of one side with the average energy of its eleven.
void sorteiacontusao(Mundo& m, Interacao& ia, int jogo, int lado, int energia);

// Tired players of a computer-run side make way; `saldo` is the side's goal difference.
void substituicaocomputador(Mundo& m, int jogo, int lado, int saldo);

// Bench players a human coach may bring on for an injured player, in the order offered.
std::vector<int> candidatoscontusao(const Mundo& m, int jogo, int lado, int contundido);
// The replacement the computer picks among candidates for a player who played at `posicao`.
int preferidocontusao(const Mundo& m, const std::vector<int>& candidatos, int posicao);

// A human coach brings `entra` on for the player in slot 1..11 `slotsai`. Refused (false) when
// the side has no substitution left, the leaving player was sent off, the player coming on is
// not on the bench, or a goalkeeper would enter outside the goalkeeper's slot.
bool substituicaohumana(Mundo& m, int jogo, int lado, int slotsai, int entra);

// Position window: plays the player at an outfield position 1..4 with a role 0..2, or back at
// his natural position when posicao is -1 (role unchanged then unless given).
bool mudaposicao(Mundo& m, int time, int jogador, int posicao, int funcao);

}  // namespace tarvello
