#pragma once
// The built-in referees. They are shown on the match screen and do not affect play.
#include <string_view>

namespace tarvello {

struct TArbitro {
    std::string_view nome;  // UTF-8
    int tecnica;            // 3..5
    int rigor;              // 2..5
    int pais;
};

constexpr int kNumArbitros = 42;

// Referee by number 1..42; nullptr for 0 (no referee) or any other number.
const TArbitro* arbitro(int numero);

}  // namespace tarvello
