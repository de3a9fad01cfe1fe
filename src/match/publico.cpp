#include "match/publico.h"

#include <algorithm>

#include "model/aleatorio.h"
#include "model/mundo.h"

namespace tarvello {
namespace {

using Setores = std::array<int, 4>;

struct Calculo {
    Mundo& m;
    Setores cap;
    Setores a{};

    // Every sector at (p + roll n)% of its capacity, a new roll per sector.
    void todos(double p, int n) {
        for (int s = 0; s < 4; ++s) a[s] = arredonda((p + m.sorteia(n)) / 100.0 * cap[s]);
    }
    void soma(int s, double fator) { a[s] += arredonda(fator * a[s]); }
};

bool em(int v, std::initializer_list<int> l) { return std::find(l.begin(), l.end(), v) != l.end(); }

void capacidadeliga(Mundo& m, int divisao, Setores& c) {
    auto limita = [&](int s, int acima, int base, int n) {
        if (c[s] > acima) c[s] = base + m.sorteia(n);
    };
    if (divisao == 4) {
        limita(0, 3000, 2000, 1000);
        limita(1, 15000, 13000, 2000);
        limita(2, 1000, 900, 100);
        limita(3, 150, 100, 50);
    } else if (divisao == 3) {
        limita(0, 15000, 13000, 2000);
        limita(1, 35000, 30000, 5000);
        limita(2, 4000, 3000, 1000);
        limita(3, 500, 300, 200);
    } else if (divisao == 2) {
        limita(1, 70000, 60000, 10000);
    }
}

// P1 / P2 of the continental cups by the home fans' confidence band and the cup's phase.
std::pair<int, int> continental(int copa, int conf, int fase) {
    static constexpr int kCopa1[3][5][2] = {
        {{45, 55}, {60, 65}, {70, 75}, {80, 85}, {85, 85}},
        {{40, 45}, {60, 65}, {70, 75}, {80, 80}, {85, 85}},
        {{30, 35}, {50, 60}, {60, 65}, {70, 75}, {80, 80}},
    };
    static constexpr int kCopa2[3][5][2] = {
        {{25, 35}, {30, 40}, {40, 45}, {60, 60}, {65, 75}},
        {{20, 30}, {25, 30}, {35, 40}, {55, 55}, {65, 65}},
        {{15, 25}, {20, 30}, {30, 40}, {45, 50}, {60, 60}},
    };
    if (fase > 100) return {0, 0};
    const int banda = conf > 80 ? 0 : (conf > 50 ? 1 : 2);
    const int coluna = fase <= 3 ? 0 : std::min(fase, 7) - 3;
    const auto& t = copa == 4 ? kCopa1 : kCopa2;
    return {t[banda][coluna][0], t[banda][coluna][1]};
}

}  // namespace

std::array<int, 4> calculapublico(Mundo& m, int tipo, int mandante, int visitante,
                                  int confederacao) {
    const int n = static_cast<int>(m.times.size());
    if (!em(tipo, {0, 1, 2, 3, 4, 6}) || mandante < 0 || mandante >= n || visitante < 0 ||
        visitante >= n)
        return {0, 0, 0, 0};
    const TTime& h = m.times[mandante];
    const TTime& v = m.times[visitante];
    const Setores bruto = {h.capacidade[0], h.capacidade[1], h.capacidade[2], h.capacidade[3]};
    Calculo c{m, bruto};
    if (tipo == 1 || tipo == 3) capacidadeliga(m, h.divisao, c.cap);

    const double conf = h.confiancatorcida;
    const int S = m.estado.sistemadisputa;
    const int dh = h.divisao, da = v.divisao;
    switch (tipo) {
        case 1:
            if (m.estado.rodadaliga == 1 && m.estado.turnoliga == 1) c.todos(50, 30);
            else c.todos(0.8 * conf, 20);
            if (v.nivel > h.nivel) {
                c.soma(0, 0.15);
                c.soma(1, 0.15);
            }
            if (h.pais == 29 && v.pais == 29 && h.estado == v.estado) {
                c.soma(0, 0.25);
                c.soma(1, 0.35);
                c.soma(2, 0.1);
            }
            break;
        case 3:
            c.todos(0.5 * conf, 20);
            if (S == 4 && em(dh, {0, 4}) && em(da, {1, 2})) c.todos(70, 30);
            else if (S == 2 && em(dh, {2, 3}) && da == 1) c.todos(70, 30);
            else if (S == 4 && em(dh, {1, 2}) && em(da, {4, 0})) c.todos(0.2 * conf, 30);
            else if (S == 2 && dh == 1 && em(da, {2, 3})) c.todos(0.2 * conf, 30);
            else if (S == 4 && em(dh, {1, 2}) && em(da, {1, 2})) c.todos(70, 30);
            else if (S == 2 && dh == 1 && da == 1) c.todos(70, 30);
            if (m.estado.faseestadual > 5) c.todos(70, 30);
            break;
        case 2: {
            static constexpr int kFase[6][4] = {
                {0, 0, 0, 0}, {40, 65, 55, 25}, {70, 90, 85, 10},
                {80, 95, 90, 5}, {90, 100, 100, 1}, {95, 100, 100, 1},
            };
            const int f = m.estado.fasecopa >= 1 && m.estado.fasecopa <= 5 ? m.estado.fasecopa : 0;
            const int p1 = kFase[f][0], p2 = kFase[f][1], p3 = kFase[f][2], r = kFase[f][3];
            if (S == 4 && em(dh, {3, 4, 5}) && em(da, {1, 2})) c.todos(p2, r);
            else if (S == 2 && em(dh, {2, 3, 5}) && da == 1) c.todos(p2, r);
            else if (S == 4 && em(dh, {1, 2}) && em(da, {4, 5})) c.todos(p1, 15);
            else if (S == 2 && dh == 1 && em(da, {2, 3})) c.todos(p1, 15);
            else if (S == 4 && em(dh, {1, 2}) && em(da, {1, 2})) c.todos(p3, r);
            else if (S == 2 && dh == 1 && da == 1) c.todos(p3, r);
            if (c.a[0] == 0 && c.a[1] == 0) c.todos(0.5 * conf, 30);
            break;
        }
        case 0: {
            const bool mesmo = h.pais == v.pais;
            if (mesmo) c.todos(0.2 * conf, 20);
            else c.todos(30, 20);
            if (v.nivel >= 17) {
                if (h.nivel <= 10) mesmo ? c.todos(20, 20) : c.todos(30, 40);
                else if (h.nivel <= 14) mesmo ? c.todos(20, 20) : c.todos(30, 35);
                else mesmo ? c.todos(20, 10) : c.todos(20, 40);
            }
            break;
        }
        case 4:
        case 6: {
            const int fase = tipo == 4 ? m.estado.faselib : m.estado.fasesul;
            auto [p1, p2] = continental(tipo, h.confiancatorcida, fase);
            if (tipo == 4 && confederacao == 1) {
                p1 -= 5;
                p2 -= 5;
            } else if (tipo == 6 && confederacao == 2) {
                p1 += 5;
                p2 += 10;
            }
            c.todos(h.pais == v.pais ? p1 : p2, 15);
            break;
        }
    }

    Setores& a = c.a;
    if (tipo == 3) {
        if (a[0] < 50) a[0] = 50 + m.sorteia(100);
        if (a[1] < 100) a[1] = 50 + m.sorteia(200);
        if (a[2] < 10) a[2] = 50 + m.sorteia(50);
        if (a[3] < 0) a[3] = m.sorteia(20);
    }
    if (h.humano) {
        const bool semreferencia = tipo == 6 && (dh < 1 || dh > 4);
        const int linha = std::clamp(dh, 0, 4);
        for (int s = 0; s < 4; ++s) {
            const int d = semreferencia ? 0 : m.precospadrao[linha][s] - h.precoingresso[s];
            if (d == 0) continue;
            // Worked out in floating point and bounded before rounding: a price far from the
            // reference empties the sector or fills it, it never overflows.
            const double efeito = a[s] * 0.12 * d;
            if (efeito >= bruto[s]) a[s] = bruto[s];
            else if (efeito <= -a[s]) a[s] = 0;
            else a[s] += arredonda(efeito);
            a[s] = std::clamp(a[s], 0, std::max(0, bruto[s]));
        }
    }
    for (int s = 0; s < 4; ++s) a[s] = std::min(a[s], c.cap[s]);
    if (tipo != 3) {
        if (a[0] < 50) a[0] = 50 + m.sorteia(100);
        if (a[1] < 100) a[1] = 50 + m.sorteia(200);
        if (a[2] < 10) a[2] = 50 + m.sorteia(50);
        if (a[3] < 0) a[3] = 0;
    } else {
        if (a[0] < 0) a[0] = 50 + m.sorteia(100);
        if (a[1] < 0) a[1] = 50 + m.sorteia(200);
        if (a[2] < 0) a[2] = 50 + m.sorteia(50);
        if (a[3] < 0) a[3] = 0;
    }
    // The floors give a small crowd to a tiny sector: still never more people than seats.
    for (int s = 0; s < 4; ++s) a[s] = std::clamp(a[s], 0, std::max(0, bruto[s]));
    return a;
}

int calcularenda(const Mundo& m, int mandante, const std::array<int, 4>& setores) {
    if (mandante < 0 || mandante >= static_cast<int>(m.times.size())) return 0;
    int64_t r = 0;
    for (int s = 0; s < 4; ++s)
        r += static_cast<int64_t>(setores[s]) * m.times[mandante].precoingresso[s];
    return static_cast<int>(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}

}  // namespace tarvello
