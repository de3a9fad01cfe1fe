#include "match/forca.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "match/escalacao.h"
#include "model/aleatorio.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

float fatorimprovisado(const TJogador& j) {
    const bool goleironato = j.posicaooriginal == kGoleiro;
    switch (j.posicao) {
        case kGoleiro: return 0.3f;
        case kLateral:
            if (goleironato) return 0.5f;
            return (j.habilidade1 == 5 || j.habilidade2 == 5) ? 0.7f : 0.8f;
        case kZagueiro:
            if (goleironato) return 0.5f;
            return (j.habilidade1 == 4 || j.habilidade1 == 6 || j.habilidade1 == 8) ? 0.6f : 0.7f;
        case kMeioCampo:
            if (goleironato) return 0.5f;
            return j.habilidade1 == 6 ? 0.6f : 0.7f;
        case kAtacante: return goleironato ? 0.5f : 0.7f;
        default: return 0.01f;
    }
}

namespace {
int posicaoefetiva(const TJogador& j) {
    return (j.posicao == kLateral && j.funcao == 2) ? kMeioCampo : j.posicao;
}

// The latest first-division champion plays under pressure while near the top of the table.
bool campeaopressionado(const Mundo& m, int time) {
    return tipodia(m) == kLiga && time == m.diajogo.campeaoliga && m.estado.temporada > 3 &&
           m.times[time].colocacoes[kLiga] < 3;
}
}  // namespace

TResumoLado resumolado(const Mundo& m, int time) {
    TResumoLado x;
    const TEscalacao* r = linhade(m, time);
    if (!r) return x;
    int energia = 0, n = 0;
    for (int s = 1; s <= 11; ++s) {
        const int id = (*r)[s];
        if (!emcampo(m, id)) continue;
        const TJogador& j = m.jogadores[id];
        energia += j.energia;
        ++n;
        if (j.posicao >= 0 && j.posicao <= 4 && j.funcao >= 0 && j.funcao <= 2) ++x.funcoes[j.posicao][j.funcao];
        const int p = posicaoefetiva(j);
        if (p < 0 || p > 4) continue;
        if (j.posicao == j.posicaooriginal)
            x.forca[p] += contribuicao(j.energia, j.forca);
        else
            x.forca[p] += arredonda(static_cast<double>(fatorimprovisado(j)) * j.forca * j.energia / 100.0);
    }
    if (campeaopressionado(m, time))
        for (int& f : x.forca) f = arredonda(f * 0.8);
    x.energia = n == 0 ? 0 : arredonda(static_cast<double>(energia) / n);
    return x;
}

TResumoLado resumoatual(const Mundo& m, int time) {
    const TDiaJogo& d = m.diajogo;
    if (!d.guardaresumos) return resumolado(m, time);
    const size_t n = m.times.size();
    if (d.resumovalido.size() != n) {
        d.resumovalido.assign(n, 0);
        d.resumos.resize(n);
    }
    if (time < 0 || static_cast<size_t>(time) >= n) {
        static const TResumoLado vazio;
        return vazio;
    }
    const size_t t = static_cast<size_t>(time);
    if (!d.resumovalido[t]) {
        d.resumos[t] = resumolado(m, time);
        d.resumovalido[t] = 1;
    }
#ifndef NDEBUG
    // Debug builds (every test of the sanitizer build) prove that nothing changed a pitch
    // without forgetting its summary.
    if (!(d.resumos[t] == resumolado(m, time))) {
        std::fprintf(stderr, "resumo do time %d desatualizado no minuto %d\n", time, d.minuto);
        std::abort();
    }
#endif
    return d.resumos[t];
}

void esqueceresumo(const Mundo& m, int time) {
    std::vector<uint8_t>& v = m.diajogo.resumovalido;
    if (time >= 0 && static_cast<size_t>(time) < v.size()) v[static_cast<size_t>(time)] = 0;
}

void esqueceresumos(const Mundo& m) {
    std::vector<uint8_t>& v = m.diajogo.resumovalido;
    std::fill(v.begin(), v.end(), uint8_t{0});
}

GuardaResumos::GuardaResumos(Mundo& m) : m_(m) {
    esqueceresumos(m_);
    m_.diajogo.guardaresumos = true;
}

GuardaResumos::~GuardaResumos() {
    m_.diajogo.guardaresumos = false;
    esqueceresumos(m_);
}

int forcasetor(const Mundo& m, int time, int posicao) { return resumolado(m, time).setor(posicao); }

int energiamedia(const Mundo& m, int time) { return resumolado(m, time).energia; }

int contafuncao(const Mundo& m, int time, int posicao, int funcao) {
    return resumolado(m, time).comfuncao(posicao, funcao);
}

bool focoadequado(const Mundo& m, int time) {
    const TEscalacao* r = linhade(m, time);
    if (!r) return false;
    int sc = 0, ct = 0;
    auto armador = [](int h) { return h == 4 || h == 9 || h == 11; };
    auto aberto = [](int h) { return h == 6 || h == 11 || h == 13; };
    for (int s = 1; s <= 10; ++s) {  // central pass
        const int id = (*r)[s];
        if (id <= 0 || id >= static_cast<int>(m.jogadores.size())) continue;
        const TJogador& j = m.jogadores[id];
        if (!j.jogouhoje) continue;
        if (j.posicao == kMeioCampo && (j.funcao == 1 || j.funcao == 2)) {
            ++ct;
            if (armador(j.habilidade1)) sc += 2;
            if (armador(j.habilidade2)) sc += 1;
        } else if (j.posicao == kAtacante) {
            ++ct;
            if (j.funcao == 1) sc += 2;
        }
    }
    for (int s = 1; s <= 10; ++s) {  // wide pass
        const int id = (*r)[s];
        if (id <= 0 || id >= static_cast<int>(m.jogadores.size())) continue;
        const TJogador& j = m.jogadores[id];
        if (!j.jogouhoje) continue;
        if (j.posicao == kLateral && (j.funcao == 1 || j.funcao == 2)) {
            ++ct;
            if (aberto(j.habilidade1)) sc += 2;
            if (aberto(j.habilidade2)) sc += 1;
        } else if (j.posicao == kAtacante) {
            ++ct;
            if (j.funcao == 2) sc += 2;
            if (j.habilidade1 == 5) sc += 2;
            if (j.habilidade2 == 5) sc += 1;
        }
    }
    return sc > ct + 1;
}

}  // namespace tarvello
