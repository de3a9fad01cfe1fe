#include "club/financas.h"

#include <cstdio>

#include "model/aleatorio.h"

namespace tarvello {
namespace {

std::string agrupado(int64_t n) {  // n >= 0
    std::string s = std::to_string(n);
    std::string r;
    const int len = static_cast<int>(s.size());
    for (int i = 0; i < len; ++i) {
        if (i > 0 && (len - i) % 3 == 0) r += ' ';
        r += s[i];
    }
    return r;
}

std::string tresdigitos(int64_t n) {
    char b[8];
    std::snprintf(b, sizeof b, "%03d", static_cast<int>(n % 1000));
    return b;
}

// Non-negative values from 1 000 up.
std::string palavras(int64_t v) {
    const int64_t mil = v / 1000 % 1000;
    if (v < 1000000) return std::to_string(v / 1000) + " mil";
    const int64_t milhoes = v / 1000000;
    if (v < 2000000) return "1 milhão " + tresdigitos(mil) + " mil";
    if (v < 1000000000) return std::to_string(milhoes) + " milhões " + tresdigitos(mil) + " mil";
    const int64_t bilhoes = v / 1000000000;
    return std::to_string(bilhoes) + (bilhoes == 1 ? " bilhão " : " bilhões ") +
           tresdigitos(milhoes) + " milhões " + tresdigitos(mil) + " mil";
}

}  // namespace

std::string formatadinheiro(int64_t valor) {
    if (valor >= 1000 && valor <= 99999999) return agrupado(valor);
    if (valor <= -1000 && valor >= -9999999) return "-" + agrupado(-valor);
    return std::to_string(valor);
}

std::string formatamil(int64_t valor) {
    if (valor == 0) return "0 mil";
    std::string r;
    if (valor > 0) {
        r = valor < 1000 ? std::to_string(valor) : palavras(valor);
    } else if (valor > -1000 || valor < -99999999) {
        return std::to_string(valor);
    } else {
        r = "-" + palavras(-valor);
    }
    static const std::string kFim = "000 mil";
    if (r.size() >= kFim.size() && r.compare(r.size() - kFim.size(), kFim.size(), kFim) == 0)
        r.erase(r.size() - kFim.size());
    return r;
}

std::string formatak(int64_t valor) {
    if (valor >= 10000 && valor <= 99999999) return agrupado(valor / 1000) + " k";
    return std::to_string(valor);
}

int32_t jurossemanais(int32_t emprestimo) { return arredonda(emprestimo * 0.03); }

}  // namespace tarvello
