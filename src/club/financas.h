#pragma once
// A club's money: the money formats of the screens, the booking of every movement into the
// cash and the season's finance columns, the bank loan and its weekly interest.
#include <cstdint>
#include <string>

namespace tarvello {

struct Mundo;
struct TFinancas;

// Digits grouped by three with a space: "1 234 567"; outside 1 000..99 999 999 and
// -9 999 999..-1 000, plain digits.
std::string formatadinheiro(int64_t valor);
// Portuguese thousands words: "45 mil", "1 milhão 500 mil", "3 milhões ".
std::string formatamil(int64_t valor);
// Thousands with " k" for 10 000..99 999 999 ("1 234 k"); plain digits otherwise.
std::string formatak(int64_t valor);

// Money coming in: the cash and the finance column `campo` grow by `valor`.
void creditafinancas(Mundo& m, int time, int32_t TFinancas::*campo, int64_t valor);
// Money going out: the cash falls by `valor`, the spending column `campo` grows by it.
void debitafinancas(Mundo& m, int time, int32_t TFinancas::*campo, int64_t valor);

// The bank lends in steps of 500 000 up to 2 500 000 in all.
inline constexpr int32_t kParcelaEmprestimo = 500000;
inline constexpr int32_t kLimiteEmprestimo = 2500000;

// 3 % of the loan a week, to the nearest integer.
int32_t jurossemanais(int32_t emprestimo);
// The week's interest: taken from the cash; `juros` holds the last charge. Nothing without a loan.
void cobrajuros(Mundo& m, int time);

// Whether the club may borrow another 500 000 (loan below the limit) or repay one (loan above 0).
bool podepegaremprestimo(const Mundo& m, int time);
bool podepagaremprestimo(const Mundo& m, int time);
// Borrows 500 000 into the cash; false, changing nothing, when the loan is at its limit.
bool pegaemprestimo(Mundo& m, int time);
// Repays 500 000 from the cash, even when the cash does not cover it (it then goes negative);
// false, changing nothing, when nothing is owed.
bool pagaemprestimo(Mundo& m, int time);

// The finance screen's sums: income (the outstanding loan counts as income), spending and the
// balance between them.
struct TResumoFinancas {
    int64_t entradas = 0;
    int64_t saidas = 0;
    int64_t saldo = 0;
};
TResumoFinancas resumofinancas(const TFinancas& f);

}  // namespace tarvello
