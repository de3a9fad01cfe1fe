#pragma once
// The world's one random generator: seeded once, so a seed reproduces a whole game.
#include <cmath>
#include <cstdint>

namespace tarvello {

class Aleatorio {
public:
    explicit Aleatorio(uint64_t semente = 1) { semeia(semente); }
    void semeia(uint64_t semente);
    // Uniform integer 0..n-1 ("random n"); 0 when n <= 0.
    int sorteia(int n);
    // Uniform real in [0, 1).
    double real();
    uint64_t proximo();

private:
    uint64_t s_[4];
};

// Nearest integer with ties to the even one, as every money and factor amount is taken.
// Called many times a match minute: adding and taking away 1.5 * 2^52 leaves x rounded to an
// integer in the default rounding mode, exactly as nearbyint does, without a library call.
inline int arredonda(double x) {
    constexpr double k = 6755399441055744.0;
    if (!(x > -0x1p51 && x < 0x1p51)) return static_cast<int>(std::nearbyint(x));
    const double y = x + k;
    return static_cast<int>(y - k);
}

}  // namespace tarvello
