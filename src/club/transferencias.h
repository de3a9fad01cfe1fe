#pragma once
// The transfer market: the one operation by which a player changes clubs for money, the rules a
// selling club and a player apply to a bid, and the purchases of computer-run clubs.
#include <cstdint>
#include <string_view>

namespace tarvello {

struct Mundo;

// A squad keeps at least a side's worth of players: no sale takes it below this.
inline constexpr int kMinimoElenco = 11;
// No squad grows beyond this.
inline constexpr int kMaximoElenco = 28;

// Whether the player may be sold now, by whatever way: he has a club, is not on loan there
// (a loan is settled or refused first), is not in a line-up already confirmed for today and
// his club keeps a side without him. Every entry
// point that sells asks this; `efetuatransferencia` refuses what it refuses.
bool podetransferir(const Mundo& m, int jogador);

// Clubs a random search may pick: the league and extra clubs, never the tournament copies of
// national teams that follow them in the table.
int numclubesreais(const Mundo& m);

// Termination fine of a contract with `dias` whole days left, in percent (12..30); 0 for an
// expired contract.
int percentualmulta(int64_t dias);

// The player joins `destino` for `preco`: his old club is paid (less the termination fine when
// it is human-run and the contract runs), the buyer pays, he signs for 15 weeks (10 in the
// 10-club format), leaves any list, and the move is recorded. Counts, roles, line-up marks and
// both wage bills follow through the one club-change path. False, changing nothing, when the
// player may not be sold or the buyer is full or the same club.
bool efetuatransferencia(Mundo& m, int jogador, int destino, int32_t preco);

// A player's answer to joining a club of a lower division: 0 joins as he is, a factor above 1
// is the raise he asks for, -1 refuses. `oferta` picks the table of an accepted offer; without
// it the table of a purchase at the asking price.
int vontadejogador(const Mundo& m, int jogador, int comprador, bool oferta);

// A computer club's answer to an offer for its player: whether it accepts and whether it then
// buys a replacement for the position at once.
struct TRespostaOferta {
    bool aceita = false;
    bool substituicao = false;
};
TRespostaOferta avaliaoferta(const Mundo& m, int jogador, int64_t oferta);

// A human coach's purchase once the seller and the player agreed: the player's salary is
// multiplied by the raise he asked for (`fator` 0 or 1 for none), the transfer is made at
// `preco`, and a computer seller that asked for it buys a replacement with the money.
bool concluicompra(Mundo& m, int jogador, int comprador, int32_t preco, int fator, bool substituicao);

// A computer club's replacement purchase for position `posicao`: a player of that natural
// position from a computer club with some to spare, near strength `forca` and worth at most
// `dinheiro` (else anyone of the position worth up to three times that), bought at his value.
// Returns the player bought, 0 none.
int compraposicao(Mundo& m, int time, int posicao, int forca, int64_t dinheiro);

// One computer-to-computer transfer attempt within country `pais` (-1: a drawn played country,
// or the whole world when one is played). Returns the player moved, 0 none.
int compramercado(Mundo& m, int pais);

// The computer market after a national-league match day `data` (date number): batches of
// attempts by format and date. Returns how many players moved.
int mercadodarodada(Mundo& m, int data);

// When the coach's main screen opens on a new match day: computer clubs of his country and
// division may buy each of his listed players, the nearer the asking price is to the value the
// likelier. Each sale is booked at the asking price and posted to the inbox. Returns the sales.
int vendelistados(Mundo& m, int time);

// An unsolicited offer of a computer club for a player of the coach's club.
struct TProposta {
    int jogador = 0;  // 0: no offer today
    int comprador = -1;
    int32_t valor = 0;
};
TProposta sorteiaproposta(Mundo& m, int time);
// "Sim": the player is sold at the offered amount; the computer buyer keeps its cash.
bool aceitaproposta(Mundo& m, const TProposta& p);

// The coach puts a player on the list at `preco`.
void colocaalista(Mundo& m, int jogador, int32_t preco);

// A price typed in thousands: a positive whole number whose value in dollars fits a 32-bit
// amount. False for anything else.
bool lemilhares(std::string_view texto, int32_t& valor);

}  // namespace tarvello
