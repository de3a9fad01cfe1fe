#include "club/elenco.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/mundo.h"
#include "model/tipos.h"
#include "season/registraevento.h"

namespace tarvello {
namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

}  // namespace

void recontaelenco(Mundo& m, int time) {
    if (!timevalido(m, time)) return;
    TTime& t = m.times[time];
    t.numjogadores = 0;
    for (auto& n : t.numporposicao) n = 0;
    for (int i : elencoatual(m, time)) {
        const TJogador& j = m.jogadores[static_cast<size_t>(i)];
        ++t.numjogadores;
        if (posicaovalida(j.posicao)) ++t.numporposicao[j.posicao];
    }
}

namespace {

int32_t folha(int64_t soma) { return static_cast<int32_t>(std::min<int64_t>(soma, INT32_MAX)); }

}  // namespace

void recalculasalarios(Mundo& m, int time) {
    if (!timevalido(m, time) || time >= static_cast<int>(m.financas.size())) return;
    int64_t soma = 0;
    for (int i : elencoatual(m, time)) soma += m.jogadores[static_cast<size_t>(i)].salario;
    m.financas[time].salariosemanal = folha(soma);
}

void recalculasalarios(Mundo& m) {
    const size_t n = std::min(m.times.size(), m.financas.size());
    std::vector<int64_t> soma(n, 0);
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        const int t = m.jogadores[i].time;
        if (t >= 0 && static_cast<size_t>(t) < n) soma[static_cast<size_t>(t)] += m.jogadores[i].salario;
    }
    for (size_t t = 0; t < n; ++t) m.financas[t].salariosemanal = folha(soma[t]);
}

void novocapitao(Mundo& m, int time) {
    if (!timevalido(m, time)) return;
    int primeiro = 0;
    for (int i : elencoatual(m, time)) {
        if (m.jogadores[static_cast<size_t>(i)].escalacao == 1) {
            m.times[time].capitao = i;
            return;
        }
        if (primeiro == 0) primeiro = i;
    }
    m.times[time].capitao = primeiro;
}

void novocobrador(Mundo& m, int time) {
    if (!timevalido(m, time)) return;
    int escolhido[4] = {0, 0, 0, 0};  // finisher, playmaker, passer, first starter
    for (int idx : elencoatual(m, time)) {
        const TJogador& j = m.jogadores[static_cast<size_t>(idx)];
        if (j.escalacao != 1) continue;
        if (j.habilidade1 == 9 && !escolhido[0]) escolhido[0] = idx;
        if (j.habilidade1 == 4 && !escolhido[1]) escolhido[1] = idx;
        if (j.habilidade1 == 11 && !escolhido[2]) escolhido[2] = idx;
        if (!escolhido[3]) escolhido[3] = idx;
    }
    for (int e : escolhido) {
        if (e) {
            m.times[time].cobradorfaltas = e;
            return;
        }
    }
}

void saidaclube(Mundo& m, int jogador) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    TJogador& j = m.jogadores[jogador];
    const int origem = j.time;
    if (!timevalido(m, origem)) return;
    j.time = -1;
    moveelenco(m, jogador, origem, -1);
    j.avenda = 0;
    j.escalacao = 0;
    j.soproximojogo = 0;
    j.numero = 0;
    TTime& t = m.times[origem];
    if (t.capitao == jogador) novocapitao(m, origem);
    if (t.cobradorfaltas == jogador) {
        novocobrador(m, origem);
        // With no starter left the old taker would stay on; nobody takes the kicks then.
        if (t.cobradorfaltas == jogador) t.cobradorfaltas = 0;
    }
    recontaelenco(m, origem);
    recalculasalarios(m, origem);
}

void mudaclube(Mundo& m, int jogador, int destino) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    TJogador& j = m.jogadores[jogador];
    const int origem = j.time;
    if (origem == destino) return;
    const bool entrehumanos = timevalido(m, origem) && timevalido(m, destino) &&
                              m.times[origem].humano && m.times[destino].humano;
    saidaclube(m, jogador);
    // Whatever the old club held (or a stale record of a club-less player) does not follow him.
    j.escalacao = 0;
    j.soproximojogo = 0;
    j.numero = 0;
    j.avenda = 0;
    if (!timevalido(m, destino)) {
        j.time = -1;
        return;
    }
    j.time = destino;
    moveelenco(m, jogador, -1, destino);
    registraevento(m, jogador, destino, "time");
    if (entrehumanos) j.soproximojogo = 1;
    recontaelenco(m, destino);
    recalculasalarios(m, destino);
}

}  // namespace tarvello
