#pragma once
// Money as the screens show it, and the bank's weekly interest.
#include <cstdint>
#include <string>

namespace tarvello {

// Digits grouped by three with a space: "1 234 567"; outside 1 000..99 999 999 and
// -9 999 999..-1 000, plain digits.
std::string formatadinheiro(int64_t valor);
// Portuguese thousands words: "45 mil", "1 milhão 500 mil", "3 milhões ".
std::string formatamil(int64_t valor);
// Thousands with " k" for 10 000..99 999 999 ("1 234 k"); plain digits otherwise.
std::string formatak(int64_t valor);

// 3 % of the loan a week, to the nearest integer.
int32_t jurossemanais(int32_t emprestimo);

}  // namespace tarvello
