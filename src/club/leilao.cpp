#include "club/leilao.h"

#include <algorithm>
#include <limits>

#include "club/transferencias.h"
#include "database/arquivos.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

int32_t precosorteado(Mundo& m, int jogador) {
    return m.jogadores[static_cast<size_t>(jogador)].passe / 2 + m.sorteia(1000);
}

// A random club index in [inicio, fim - 1): the last real club is never drawn.
int sorteiaclube(Mundo& m, int inicio, int fim) { return fim - 1 > inicio ? inicio + m.sorteia(fim - 1 - inicio) : -1; }

}  // namespace

int sorteialeiloes(Mundo& m) {
    bool curto = false;
    for (int k = 0; k < m.estado.numtecnicoshumanos && k < kMaxHumanos; ++k) {
        const int t = m.estado.timedotecnico[k];
        if (timevalido(m, t) && m.times[static_cast<size_t>(t)].humano && m.times[static_cast<size_t>(t)].numjogadores < 25)
            curto = true;
    }
    return curto ? m.sorteia(4) : 0;
}

TLeilao escolheleilao(Mundo& m, int compradoranterior) {
    TLeilao l;
    const int reais = numclubesreais(m);
    if (reais <= 0) return l;
    if (m.ligas.size() > 1) {
        const int pais = m.ligas[static_cast<size_t>(m.sorteia(static_cast<int>(m.ligas.size())))].pais;
        for (int t = 0; t < reais; ++t)
            if (m.times[static_cast<size_t>(t)].pais == pais) {
                l.inicio = t;
                break;
            }
    }
    int vendedor = -1;
    for (int t = l.inicio; t < reais && vendedor < 0; ++t) {
        const TTime& x = m.times[static_cast<size_t>(t)];
        if (!x.humano && x.numjogadores > 25 && x.disponiveis > 11 && t != compradoranterior) vendedor = t;
    }
    for (int k = 0; k < 250 && vendedor < 0; ++k) {
        const int t = sorteiaclube(m, l.inicio, reais);
        if (t < 0) break;
        const TTime& x = m.times[static_cast<size_t>(t)];
        if (!x.humano && x.disponiveis > 15 && t != compradoranterior) vendedor = t;
    }
    if (vendedor < 0) return l;
    const TTime& v = m.times[static_cast<size_t>(vendedor)];
    for (int k = 0; k < 250 && l.jogador == 0; ++k) {
        const int pos = m.sorteia(kNumPosicoes);
        if (v.numporposicao[pos] < 3) continue;
        for (int i : elencoatual(m, vendedor)) {
            if (m.jogadores[static_cast<size_t>(i)].posicaooriginal != pos) continue;
            if (podetransferir(m, i)) l.jogador = i;
            break;
        }
    }
    if (l.jogador == 0) return l;
    l.vendedor = vendedor;
    l.precoinicial = precosorteado(m, l.jogador);
    return l;
}

TLeilao leilaodojogador(Mundo& m, int jogador, int32_t preco) {
    TLeilao l;
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return l;
    const int t = m.jogadores[static_cast<size_t>(jogador)].time;
    if (!timevalido(m, t)) return l;
    l.jogador = jogador;
    l.vendedor = t;
    l.dotecnico = true;
    l.davenda = preco >= 0;
    l.precoinicial = preco >= 0 ? preco : precosorteado(m, jogador);
    return l;
}

std::vector<int> licitantes(const Mundo& m, const TLeilao& l) {
    std::vector<int> r;
    for (int k = 0; k < m.estado.numtecnicoshumanos && k < kMaxHumanos; ++k) {
        const int t = m.estado.timedotecnico[k];
        if (!timevalido(m, t) || t == l.vendedor) continue;
        const TTime& c = m.times[static_cast<size_t>(t)];
        if (c.humano && c.numjogadores <= kMaximoElenco - 1 && c.dinheiro >= l.precoinicial) r.push_back(t);
    }
    return r;
}

bool lelance(std::string_view texto, int64_t& valor) {
    if (texto.empty()) {
        valor = 0;
        return true;
    }
    if (texto.size() > 12) return false;
    int64_t n = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    n *= 1000;
    if (n > std::numeric_limits<int32_t>::max()) return false;
    valor = n;
    return true;
}

Lance registralance(const Mundo& m, TLeilao& l, int clube, int64_t valor) {
    if (!timevalido(m, clube)) return Lance::Aceito;
    const int32_t caixa = m.times[static_cast<size_t>(clube)].dinheiro;
    Lance r = Lance::Aceito;
    if (caixa < 0) {
        valor = 0;
        r = Lance::SaldoNegativo;
    } else if (valor > caixa) {
        return Lance::AcimaDoCaixa;
    }
    l.humanoparticipou = true;
    if (valor > l.melhorlance) {
        l.melhorlance = valor;
        l.melhorclube = clube;
    }
    return r;
}

TDesfecho resolveleilao(Mundo& m, TLeilao& l) {
    TDesfecho d;
    if (l.jogador <= 0 || !timevalido(m, l.vendedor)) return d;
    const TJogador& j = m.jogadores[static_cast<size_t>(l.jogador)];
    const int64_t g = l.melhorlance;
    int64_t b = l.precoinicial;
    // Only a real bid can win: someone bid, above zero, at least the start price.
    const bool lancevalido = l.melhorclube >= 0 && g > 0 && g >= b;
    bool humano = l.humanoparticipou && m.sorteia(4) == 1;
    const int c = m.sorteia(3);
    const int64_t multiplicador = c == 1 ? 2 : 3;
    if (!lancevalido) humano = false;
    else if (g > j.passe && g > b * multiplicador) humano = true;
    if (humano) {
        if (efetuatransferencia(m, l.jogador, l.melhorclube, static_cast<int32_t>(g))) d = {l.melhorclube, static_cast<int32_t>(g)};
        return d;
    }
    if (l.davenda && b * 10 > static_cast<int64_t>(j.passe) * 12) return d;

    if (g > b) b = g;
    const TTime& v = m.times[static_cast<size_t>(l.vendedor)];
    const bool fraco = j.forca < 25;
    const int teto = v.nivel + (fraco ? 2 : 3);
    const int reais = numclubesreais(m);
    int comprador = -1;
    for (int k = 0; k < 500 && comprador < 0; ++k) {
        const int t = sorteiaclube(m, l.inicio, reais);
        if (t < 0) break;
        if (t == l.vendedor) continue;
        const TTime& x = m.times[static_cast<size_t>(t)];
        if (x.humano || x.disponiveis > 21 || x.nivel < v.nivel - 2 || x.nivel > teto) continue;
        if (fraco ? confederacao(x.pais, false) != confederacao(v.pais, false) : x.divisao <= 0) continue;
        comprador = t;
    }
    if (comprador >= 0) {
        int64_t o, acrescimo;
        if (b >= 1 && b <= 100000) o = 10000, acrescimo = 3000;
        else if (b > 100000 && b <= 500000) o = 100000, acrescimo = 10000;
        else if (b > 500000 && b <= 1000000) o = 200000, acrescimo = 30000;
        else if (b > 1000000 && b <= 2000000) o = 300000, acrescimo = 50000;
        else o = 500000, acrescimo = 50000;
        const int64_t preco = std::min<int64_t>(b + acrescimo + m.sorteia(static_cast<int>(o)),
                                                std::numeric_limits<int32_t>::max());
        if (efetuatransferencia(m, l.jogador, comprador, static_cast<int32_t>(preco)))
            d = {comprador, static_cast<int32_t>(preco)};
        return d;
    }
    if (lancevalido && efetuatransferencia(m, l.jogador, l.melhorclube, static_cast<int32_t>(g)))
        d = {l.melhorclube, static_cast<int32_t>(g)};
    return d;
}

int leiloessemtela(Mundo& m, int quantos) {
    int vendidos = 0, anterior = -1;
    for (int k = 0; k < quantos; ++k) {
        TLeilao l = escolheleilao(m, anterior);
        if (l.jogador == 0) break;
        const TDesfecho d = resolveleilao(m, l);
        anterior = d.comprador;
        vendidos += d.comprador >= 0;
    }
    return vendidos;
}

}  // namespace tarvello
