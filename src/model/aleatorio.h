#pragma once
// The world's one random generator: seeded once, so a seed reproduces a whole game.
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
int arredonda(double x);

}  // namespace tarvello
