#pragma once
// Players' contracts: new contracts, the renewal a human coach proposes (the player accepts,
// refuses with a minimum demand, or is put up for auction), and the expiry warnings and
// automatic renewal when the coach's squad is shown.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvello {

struct Mundo;

// A salary a coach may offer: 1..9 999 999 (the dialog's arrows stop there too).
inline constexpr int32_t kSalarioMaximo = 9999999;

// A new contract of `semanas` weeks from today; the warnings start again.
void novocontrato(Mundo& m, int jogador, int semanas);

// Whole days from today to the contract's end: negative once it has expired.
int64_t diasdecontrato(const Mundo& m, int jogador);

// The club's place in its national-league table (1 = first), 0 outside the divisions.
int posicaonaliga(const Mundo& m, int time);

// What the player answers to a proposal of `novo` a week, with `atual` his salary, `posicao`
// the club's league place (0 counts with the top four) and `dias` left on his contract.
enum class RespostaContrato {
    Nenhuma,  // a salary outside the brackets (0, or above 9 950 000): no decision
    Limite,   // above 100 000 and more than five times the salary: "Salário maior que o limite..."
    Aceita,
    Recusa,
};
RespostaContrato respostacontrato(int64_t novo, int32_t atual, int posicao, int64_t dias);
// The limit named by the "Limite" answer: five times the salary.
int64_t limitesalario(int32_t atual);
// The minimum a refusing player demands: his salary plus a step by salary bracket and league
// place, and never below the coach's offer + 500 when it would fall under the offer.
int32_t exigenciaminima(int32_t atual, int posicao, int64_t oferta);

// The player signs for `salario` a week and `semanas` weeks: he leaves the sale list, a raise
// above 30 % lifts his morale and brings his thanks to the inbox, and the wage bill is recounted.
void renovacontrato(Mundo& m, int jogador, int32_t salario, int semanas);

// Whether the coach may refuse the demand (and so send the player to auction): not when the
// club is down to fewer than 11 fit outfield players, nor, for a goalkeeper, to fewer than 2
// goalkeepers. The text the dialog shows when he may not ("Como você não pode vender ...").
bool podeleiloarrecusado(const Mundo& m, int jogador);
std::string textosemleilao(const Mundo& m, int jogador);

// Reads a salary typed by the coach: a positive whole number up to kSalarioMaximo, digits
// only; anything else is refused.
bool lesalario(std::string_view texto, int32_t& salario);

// Each time the coach's squad is shown: expired contracts are renewed for 12 weeks at the same
// salary when the option is on; then the warnings the coach asked for are posted once per
// contract (13/0 while fewer than 21 days are left, 13/1 once it has expired); a player still
// without a contract three weeks after it ended complains himself (2/3, `avisocontrato` 3).
void verificacontratos(Mundo& m, int time);

}  // namespace tarvello
