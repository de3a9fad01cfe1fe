#pragma once
// Loans of players: a human coach takes a computer club's player for 180 days without paying;
// his wage follows him, and at the end (or earlier, or by buying him) he goes back or stays.

namespace tarvello {

struct Mundo;

// A club holds at most this many loaned players at once.
inline constexpr int kMaximoEmprestados = 2;
// Days a loan lasts, and the contract a returning player gets at his lending club.
inline constexpr int kDiasEmprestimo = 180;

// Appends an active loan record.
void registraemprestimo(Mundo& m, int jogador, int timeorigem, double dataretorno);
// Moves the player to `destino` for a loan or back at its end: contract until `contratoate`,
// the loan mark, no money; counts, roles, line-up marks and wage bills follow through the one
// club-change path, and the move is recorded as a transfer at price 0.
void moveemprestimo(Mundo& m, int jogador, int destino, double contratoate);
// Settles every active loan whose end date is not later than `data`.
void encerraemprestimos(Mundo& m, double data);
// Ends the player's active loan now. False when he is not on loan.
bool cancelaemprestimo(Mundo& m, int jogador);
// The club where the player is on loan buys him at his value from the lending club, whatever
// its cash. False when he is not on loan or the sale cannot be made.
bool compraemprestado(Mundo& m, int jogador);
// Every loan of players now at the club ends (its coach leaves it).
void encerraemprestimosdoclube(Mundo& m, int time);
// Active loans whose player now belongs to the club.
int contaemprestados(const Mundo& m, int time);
// Whether the player agrees to join `time` on loan, by the divisions and level of the clubs
// and the league format; he agrees wherever no rule says otherwise.
bool aceitaemprestimo(const Mundo& m, int jogador, int time);

// "Pegar por empréstimo".
enum class ResultadoEmprestimo {
    Feito,
    Limite,    // the club already holds two loaned players
    Recusa,    // the player will not come
    Invalido,  // not offered for loan, own club, full squad, or his club cannot spare him
};
// Whether the button applies: an offered player of another club, the coach's squad below 28.
bool podepegaremprestado(const Mundo& m, int jogador, int time);
ResultadoEmprestimo pegaemprestado(Mundo& m, int jogador, int time);

}  // namespace tarvello
