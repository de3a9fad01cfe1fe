#pragma once
// Auctions: one player sold to the best sealed bid of the human coaches, or to a computer club
// that steps in. The auction screen holds one `TLeilao` and calls these steps.
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarvello {

struct Mundo;

struct TLeilao {
    int jogador = 0;  // 0: no player found
    int vendedor = -1;
    int32_t precoinicial = 0;
    bool davenda = false;    // started from the sale dialog at the coach's price
    bool dotecnico = false;  // started by a coach (sale dialog or refused contract)
    int64_t melhorlance = 0;
    int melhorclube = -1;
    bool humanoparticipou = false;
    int inicio = 0;  // first club of the computer buyers' draws
};

// After a national-league match day that a human club plays: when some human club has fewer
// than 25 players, a random 0..3 auctions of computer clubs' players; otherwise none.
int sorteialeiloes(Mundo& m);

// One auction of the match-day sequence: a computer club with players to spare (not the club
// that bought in the previous auction) and one of its players, at half his value plus a random
// amount. `jogador` stays 0 when none is found.
TLeilao escolheleilao(Mundo& m, int compradoranterior);

// A coach's own auction: from the sale dialog at `preco` (davenda), or for a refused contract
// at half the value plus a random amount (preco < 0).
TLeilao leilaodojogador(Mundo& m, int jogador, int32_t preco);

// The human clubs that may bid, in the order of the coaches: not the seller, at most 27
// players, at least the start price in cash.
std::vector<int> licitantes(const Mundo& m, const TLeilao& l);

// A bid typed in thousands: an empty box is 0; otherwise a whole number whose value in
// dollars fits a 32-bit amount. False for anything else (the box is ignored).
bool lelance(std::string_view texto, int64_t& valor);

enum class Lance {
    Aceito,
    AcimaDoCaixa,   // "Valor maior que seu dinheiro em caixa": the same club bids again
    SaldoNegativo,  // "Saldo negativo, seu lance foi 0."
};
Lance registralance(const Mundo& m, TLeilao& l, int clube, int64_t valor);

// The outcome: a human winner, a computer buyer, or no sale. A sale goes through
// `efetuatransferencia`. An auction without a valid bid (none, 0, below the start price) and
// without a computer buyer sells nothing.
struct TDesfecho {
    int comprador = -1;  // -1: "Não houve compradores"
    int32_t preco = 0;
};
TDesfecho resolveleilao(Mundo& m, TLeilao& l);

// The match-day auctions with nobody at the screen: each is decided by the computer's rules.
// Returns the players sold.
int leiloessemtela(Mundo& m, int quantos);

}  // namespace tarvello
