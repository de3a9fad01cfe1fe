#include "club/financas.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "model/aleatorio.h"
#include "model/mundo.h"

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

bool temfinancas(const Mundo& m, int time) {
    return time >= 0 && time < static_cast<int>(m.times.size()) && time < static_cast<int>(m.financas.size());
}

// Cash and columns are 32-bit; a sum beyond their range stops at the limit instead of wrapping.
void soma(int32_t& campo, int64_t valor) {
    constexpr int64_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
    campo = static_cast<int32_t>(std::clamp<int64_t>(campo + valor, lo, hi));
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

void creditafinancas(Mundo& m, int time, int32_t TFinancas::*campo, int64_t valor) {
    if (!temfinancas(m, time)) return;
    soma(m.times[time].dinheiro, valor);
    soma(m.financas[time].*campo, valor);
}

void debitafinancas(Mundo& m, int time, int32_t TFinancas::*campo, int64_t valor) {
    if (!temfinancas(m, time)) return;
    soma(m.times[time].dinheiro, -valor);
    soma(m.financas[time].*campo, valor);
}

int32_t jurossemanais(int32_t emprestimo) { return arredonda(emprestimo * 0.03); }

void cobrajuros(Mundo& m, int time) {
    if (!temfinancas(m, time)) return;
    TFinancas& f = m.financas[time];
    if (f.emprestimo <= 0) return;
    const int32_t j = jurossemanais(f.emprestimo);
    soma(m.times[time].dinheiro, -static_cast<int64_t>(j));
    f.juros = j;
}

bool podepegaremprestimo(const Mundo& m, int time) {
    return temfinancas(m, time) && m.financas[time].emprestimo < kLimiteEmprestimo;
}

bool podepagaremprestimo(const Mundo& m, int time) {
    return temfinancas(m, time) && m.financas[time].emprestimo > 0;
}

bool pegaemprestimo(Mundo& m, int time) {
    if (!podepegaremprestimo(m, time)) return false;
    creditafinancas(m, time, &TFinancas::emprestimo, kParcelaEmprestimo);
    return true;
}

bool pagaemprestimo(Mundo& m, int time) {
    if (!podepagaremprestimo(m, time)) return false;
    // The loan is a debt, not a season column: repaying takes it down, not up.
    soma(m.times[time].dinheiro, -static_cast<int64_t>(kParcelaEmprestimo));
    soma(m.financas[time].emprestimo, -static_cast<int64_t>(kParcelaEmprestimo));
    return true;
}

TResumoFinancas resumofinancas(const TFinancas& f) {
    TResumoFinancas r;
    r.entradas = int64_t{f.ingressos} + f.vendas + f.premios + f.emprestimo + f.patrocinio;
    r.saidas = int64_t{f.multas} + f.diversos + f.compras + f.obrasestadio + f.salarios + f.juros;
    r.saldo = r.entradas - r.saidas;
    return r;
}

}  // namespace tarvello
