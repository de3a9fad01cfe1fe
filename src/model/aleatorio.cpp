#include "model/aleatorio.h"

#include <cmath>

namespace tarvello {
namespace {
uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

void Aleatorio::semeia(uint64_t semente) {
    // splitmix64 spreads any seed, 0 included, over the whole state.
    uint64_t z = semente;
    for (auto& s : s_) {
        z += 0x9E3779B97F4A7C15ULL;
        uint64_t x = z;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
        s = x ^ (x >> 31);
    }
}

uint64_t Aleatorio::proximo() {
    // xoshiro256**
    const uint64_t r = rotl(s_[1] * 5, 7) * 9;
    const uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return r;
}

int Aleatorio::sorteia(int n) {
    if (n <= 0) return 0;
    // Multiply-shift keeps the draw unbiased enough for n far below 2^32.
    const uint64_t x = proximo() >> 32;
    return static_cast<int>((x * static_cast<uint64_t>(n)) >> 32);
}

double Aleatorio::real() { return static_cast<double>(proximo() >> 11) * 0x1.0p-53; }


}  // namespace tarvello
