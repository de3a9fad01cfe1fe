#include "database/sons_gerados.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvello {
namespace {

constexpr int kTaxa = 22050;
constexpr double kPi = 3.14159265358979323846;

void escreve32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void escreve16(std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void escreve(std::vector<uint8_t>& b, const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i]));
}

// A fixed noise source, so the files are the same bytes every time.
struct Ruido {
    uint32_t s = 0x1234567u;
    double proximo() {
        s = s * 1664525u + 1013904223u;
        return static_cast<double>(s >> 8) / 8388608.0 - 1.0;  // -1..1
    }
};

std::vector<int16_t> amostras(const std::vector<double>& v) {
    std::vector<int16_t> r(v.size());
    for (size_t i = 0; i < v.size(); ++i) r[i] = static_cast<int16_t>(std::clamp(v[i], -1.0, 1.0) * 30000);
    return r;
}

// A crowd rising and falling: noise through a soft low-pass, with a slow swell and flutter.
std::vector<int16_t> torcida() {
    const int n = kTaxa * 16 / 10;
    std::vector<double> v(static_cast<size_t>(n));
    Ruido r;
    double a = 0, b = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        a += 0.18 * (r.proximo() - a);
        b += 0.05 * (r.proximo() - b);
        const double envelope = std::min(1.0, t / 0.25) * std::min(1.0, (1.6 - t) / 0.6);
        const double vibra = 0.8 + 0.2 * std::sin(2 * kPi * 5.5 * t);
        v[static_cast<size_t>(i)] = (1.6 * a + 2.0 * b) * envelope * vibra;
    }
    return amostras(v);
}

// Referee's whistle blasts: a pea whistle's trill around 2.9 kHz. Each pair is (start, length) s.
std::vector<int16_t> apito(const std::vector<std::pair<double, double>>& toques) {
    double fim = 0;
    for (auto [inicio, duracao] : toques) fim = std::max(fim, inicio + duracao);
    const int n = static_cast<int>((fim + 0.05) * kTaxa);
    std::vector<double> v(static_cast<size_t>(n));
    double fase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        double ganho = 0;
        for (auto [inicio, duracao] : toques)
            if (t >= inicio && t < inicio + duracao)
                ganho = std::min({1.0, (t - inicio) / 0.01, (inicio + duracao - t) / 0.02});
        fase += 2 * kPi * (2900 + 180 * std::sin(2 * kPi * 32 * t)) / kTaxa;
        v[static_cast<size_t>(i)] = 0.55 * ganho * (std::sin(fase) + 0.25 * std::sin(2 * fase));
    }
    return amostras(v);
}

// A dull knock and a falling groan.
std::vector<int16_t> pancada() {
    const int n = kTaxa * 7 / 10;
    std::vector<double> v(static_cast<size_t>(n));
    Ruido r;
    double fase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kTaxa;
        const double batida = std::exp(-t * 30) * (std::sin(2 * kPi * 90 * t) + 0.3 * r.proximo());
        fase += 2 * kPi * (220 - 120 * t) / kTaxa;
        const double gemido = t > 0.12 ? 0.35 * std::exp(-(t - 0.12) * 4) * std::sin(fase) : 0;
        v[static_cast<size_t>(i)] = 0.9 * batida + gemido;
    }
    return amostras(v);
}

}  // namespace

std::vector<uint8_t> codificawav(const std::vector<int16_t>& a, int taxa) {
    std::vector<uint8_t> b;
    const auto dados = static_cast<uint32_t>(a.size() * 2);
    b.reserve(44 + dados);
    escreve(b, "RIFF");
    escreve32(b, 36 + dados);
    escreve(b, "WAVE");
    escreve(b, "fmt ");
    escreve32(b, 16);
    escreve16(b, 1);  // PCM
    escreve16(b, 1);  // mono
    escreve32(b, static_cast<uint32_t>(taxa));
    escreve32(b, static_cast<uint32_t>(taxa) * 2);
    escreve16(b, 2);
    escreve16(b, 16);
    escreve(b, "data");
    escreve32(b, dados);
    for (int16_t s : a) escreve16(b, static_cast<uint16_t>(s));
    return b;
}

std::vector<TSomGerado> gerasons() {
    return {{"gol1.wav", codificawav(torcida(), kTaxa)},
            {"penalty.wav", codificawav(apito({{0.0, 0.7}}), kTaxa)},
            {"contusao.wav", codificawav(pancada(), kTaxa)},
            {"fimjogo.wav", codificawav(apito({{0.0, 0.35}, {0.5, 0.35}, {1.0, 1.1}}), kTaxa)}};
}

}  // namespace tarvello
