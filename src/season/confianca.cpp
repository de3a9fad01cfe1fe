#include "season/confianca.h"

#include <algorithm>

#include "match/escalacao.h"
#include "model/mundo.h"

namespace tarvello {
namespace {

// Adjustment of the first band of `faixas` ({from, to, delta}) that holds p.
struct Faixa {
    int de, ate, delta;
};

template <size_t N>
int porfaixa(const Faixa (&faixas)[N], int p) {
    for (const Faixa& f : faixas)
        if (p >= f.de && p <= f.ate) return f.delta;
    return 0;
}

int diretorialiga(bool vinte, int resultado, int mando, int p) {
    if (resultado == kEmpate) {
        static constexpr Faixa kCasa20[] = {{1, 1, 2}, {2, 2, 1}, {10, 16, -2}, {17, 20, -5}};
        static constexpr Faixa kFora20[] = {{1, 2, 3}, {3, 6, 1}, {14, 16, -2}, {17, 20, -4}};
        static constexpr Faixa k10[] = {{1, 2, 5}, {3, 4, 4}, {7, 8, -3}, {9, 10, -5}};
        if (!vinte) return porfaixa(k10, p);
        return mando == 1 ? porfaixa(kCasa20, p) : porfaixa(kFora20, p);
    }
    if (resultado == kVitoria) {
        static constexpr Faixa k20[] = {{1, 2, 5}, {3, 6, 3}, {7, 10, 1}};
        static constexpr Faixa k10[] = {{1, 2, 7}, {3, 4, 5}, {5, 6, 3}, {7, 8, 1}};
        return vinte ? porfaixa(k20, p) : porfaixa(k10, p);
    }
    static constexpr Faixa kCasa20[] = {{1, 3, -1}, {4, 8, -2}, {9, 10, -3}, {11, 16, -5}, {17, 20, -7}};
    static constexpr Faixa kCasa10[] = {{1, 2, -1}, {3, 4, -2}, {5, 8, -5}, {9, 10, -7}};
    static constexpr Faixa kFora20[] = {{4, 8, -1}, {9, 10, -2}, {11, 16, -4}, {17, 20, -7}};
    static constexpr Faixa kFora10[] = {{3, 4, -1}, {5, 8, -5}, {9, 10, -7}};
    if (mando == 1) return vinte ? porfaixa(kCasa20, p) : porfaixa(kCasa10, p);
    return vinte ? porfaixa(kFora20, p) : porfaixa(kFora10, p);
}

int torcidaliga(bool vinte, int resultado, int p) {
    if (resultado == kEmpate) {
        static constexpr Faixa k20[] = {{1, 2, 3}, {5, 10, -1}, {11, 16, -3}, {17, 20, -5}};
        static constexpr Faixa k10[] = {{1, 2, 2}, {5, 8, -5}, {9, 10, -7}};
        return vinte ? porfaixa(k20, p) : porfaixa(k10, p);
    }
    if (resultado == kVitoria) {
        static constexpr Faixa k20[] = {{1, 2, 3}, {3, 4, 1}};
        static constexpr Faixa k10[] = {{1, 2, 5}, {3, 4, 3}};
        return 5 + (vinte ? porfaixa(k20, p) : porfaixa(k10, p));
    }
    static constexpr Faixa k20[] = {{13, 17, -3}, {18, 20, -7}};
    static constexpr Faixa k10[] = {{5, 7, -7}, {8, 10, -10}};
    return -5 + (vinte ? porfaixa(k20, p) : porfaixa(k10, p));
}

int diretoriaestadual(int resultado, int p) {
    if (resultado == kEmpate) return (p < 3 ? 3 : 0) - (p >= 5 ? 2 : 0);
    if (resultado == kVitoria) return p <= 2 ? 5 : 2;
    return -2 - (p >= 4 ? 3 : 0);
}

int torcidaestadual(int resultado, int p) {
    static constexpr Faixa kEmpate[] = {{1, 2, 2}, {5, 6, -2}};
    static constexpr Faixa kVitoria[] = {{1, 2, 7}, {3, 4, 5}, {5, 6, 3}};
    static constexpr Faixa kDerrota[] = {{1, 2, -3}, {3, 4, -5}, {5, 6, -7}};
    if (resultado == tarvello::kEmpate) return porfaixa(kEmpate, p);
    if (resultado == tarvello::kVitoria) return porfaixa(kVitoria, p);
    return porfaixa(kDerrota, p);
}

}  // namespace

void atualizaconfianca(Mundo& m, int tipo, int time, int resultado, int mando, int difnivel) {
    if (tipo != kLiga && tipo != kEstadual) return;
    if (time < 0 || time >= static_cast<int>(m.times.size())) return;
    TTime& t = m.times[static_cast<size_t>(time)];
    int b = t.confiancadiretoria;
    int f = t.confiancatorcida;
    const bool devendo = t.dinheiro < 0;
    const int p = t.colocacoes[tipo];

    // A draw or a loss against a weaker side costs the board; a point or a win against a
    // stronger one earns.
    if (difnivel > 0) b -= resultado == kEmpate ? 1 : resultado == kDerrota ? 2 : 0;
    if (difnivel < 0) b += resultado == kEmpate ? 1 : resultado == kVitoria ? 2 : 0;

    if (tipo == kLiga) {
        const bool vinte = m.estado.sistemadisputa != 4;
        if (resultado == kEmpate && t.humano && devendo) b -= 10;
        if (resultado == kVitoria && t.humano && devendo) b -= 9;
        if (resultado == kDerrota) {
            if (devendo) b -= 12;
            if (t.nivel > 20) b -= 2;
        }
        b += diretorialiga(vinte, resultado, mando, p);
        f += torcidaliga(vinte, resultado, p);
    } else {
        if (t.humano && devendo) b -= 10;
        b += diretoriaestadual(resultado, p);
        f += torcidaestadual(resultado, p);
    }
    if (f < 40) b -= t.nivel <= 20 ? 8 : 5;
    t.confiancadiretoria = std::clamp(b, 0, 100);
    t.confiancatorcida = std::clamp(f, 0, 100);
}

void atualizaconfiancadodia(Mundo& m, int tipo) {
    if (tipo != kLiga && tipo != kEstadual) return;
    const double hoje = hojedodia(m);
    const int n = static_cast<int>(m.times.size());
    for (const TPartida& p : m.partidas) {
        if (p.competicao != tipo || p.data != hoje || !p.jogado) continue;
        const int h = p.mandante, a = p.visitante;
        if (h < 0 || h >= n || a < 0 || a >= n) continue;
        const int gh = p.golsmandante, ga = p.golsvisitante;
        const int rh = gh > ga ? kVitoria : gh < ga ? kDerrota : kEmpate;
        const int ra = gh > ga ? kDerrota : gh < ga ? kVitoria : kEmpate;
        const int mh = gh >= ga ? 1 : 2;
        const int ma = gh > ga ? 1 : 2;
        const int nh = m.times[static_cast<size_t>(h)].nivel, na = m.times[static_cast<size_t>(a)].nivel;
        atualizaconfianca(m, tipo, h, rh, mh, nh - na);
        atualizaconfianca(m, tipo, a, ra, ma, na - nh);
    }
}

}  // namespace tarvello
