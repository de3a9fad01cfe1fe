#include "match/escalacao.h"

#include <algorithm>

#include "match/forca.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/registraevento.h"

namespace tarvello {

namespace {
bool jogadorvalido(const Mundo& m, int j) {
    return j > 0 && j < static_cast<int>(m.jogadores.size());
}
bool tipovalido(int k) { return k >= 0 && k < kNumCompeticoes; }
}  // namespace

int tipodia(const Mundo& m) { return m.estado.competicaoatual; }

int limitesubstituicoes(const Mundo& m) { return tipodia(m) == kAmistoso ? 5 : 3; }

double hojedodia(const Mundo& m) {
    const TDiaJogo& d = m.diajogo;
    if (d.temporadahoje != m.estado.temporada || d.datahoje != m.estado.dataatual) {
        d.hoje = datahoje(m);
        d.temporadahoje = m.estado.temporada;
        d.datahoje = m.estado.dataatual;
    }
    return d.hoje;
}

bool disponivel(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return false;
    const TJogador& j = m.jogadores[jogador];
    if (static_cast<int64_t>(j.contusaoate) > static_cast<int64_t>(hojedodia(m))) return false;
    const int k = tipodia(m);
    return !tipovalido(k) || j.suspensao[k] == 0;
}

bool escalavel(const Mundo& m, int jogador) {
    if (!disponivel(m, jogador)) return false;
    const int k = tipodia(m);
    return !tipovalido(k) || m.jogadores[jogador].amarelos[k] < 3;
}

namespace {

bool emcampoderivado(const Mundo& m, int jogador) {
    return jogadorvalido(m, jogador) && m.jogadores[jogador].jogouhoje && disponivel(m, jogador);
}

// Sizes the kept marks to the player table, deriving them all when it changed length.
std::vector<uint8_t>& marcasemcampo(const Mundo& m) {
    std::vector<uint8_t>& v = m.diajogo.emcampo;
    if (v.size() != m.jogadores.size()) {
        v.assign(m.jogadores.size(), 0);
        for (size_t i = 1; i < v.size(); ++i) v[i] = emcampoderivado(m, static_cast<int>(i)) ? 1 : 0;
    }
    return v;
}

}  // namespace

bool emcampolento(const Mundo& m, int jogador) {
    return jogadorvalido(m, jogador) && marcasemcampo(m)[static_cast<size_t>(jogador)] != 0;
}

void refazemcampo(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return;
    marcasemcampo(m)[static_cast<size_t>(jogador)] = emcampoderivado(m, jogador) ? 1 : 0;
    esqueceresumo(m, m.jogadores[static_cast<size_t>(jogador)].time);
}

void defineemcampo(Mundo& m, int jogador, bool entrou) {
    if (!jogadorvalido(m, jogador)) return;
    m.jogadores[jogador].jogouhoje = entrou ? 1 : 0;
    refazemcampo(m, jogador);
}

std::vector<int> emcampodivergentes(const Mundo& m) {
    std::vector<int> r;
    const std::vector<uint8_t>& v = marcasemcampo(m);
    for (size_t i = 1; i < v.size(); ++i)
        if ((v[i] != 0) != emcampoderivado(m, static_cast<int>(i))) r.push_back(static_cast<int>(i));
    return r;
}

TEscalacao& novalinha(Mundo& m, int time) {
    m.diajogo.escalacoes.push_back(TEscalacao{});
    m.times[time].linhaescalacao = static_cast<int32_t>(m.diajogo.escalacoes.size() - 1);
    return m.diajogo.escalacoes.back();
}

int linhadojogador(int posicao, int funcao) {
    switch (posicao) {
        case kLateral: return funcao == 2 ? 2 : 1;
        case kZagueiro: return 1;
        case kMeioCampo: return 2;
        case kAtacante: return 3;
        default: return 0;
    }
}

void recontalinhas(Mundo& m, TEscalacao& r) {
    for (int s = 12; s <= kSlotAtaque; ++s) r[s] = 0;
    for (int s = 1; s <= 11; ++s) {
        const int j = r[s];
        if (!emcampo(m, j)) continue;
        const TJogador& p = m.jogadores[j];
        if (p.posicao >= 1 && p.posicao <= 4) ++r[kSlotContaPosicao + p.posicao];
        const int l = linhadojogador(p.posicao, p.funcao);
        if (l > 0) ++r[kSlotDefesa + l - 1];
    }
}

void recontalinhas(Mundo& m, int time) {
    if (TEscalacao* r = linhade(m, time)) recontalinhas(m, *r);
}

std::string esquemaatual(const Mundo& m, int time) {
    const TEscalacao* r = linhade(m, time);
    if (!r) return {};
    return std::to_string((*r)[kSlotDefesa]) + "-" + std::to_string((*r)[kSlotMeio]) + "-" +
           std::to_string((*r)[kSlotAtaque]);
}

void escalajogador(Mundo& m, int time, int jogador, int slot) {
    TEscalacao* r = linhade(m, time);
    if (!r || !jogadorvalido(m, jogador)) return;
    TJogador& j = m.jogadores[jogador];
    if (j.posicao == kGoleiro) slot = kSlotGoleiro;
    if (slot < 1 || slot > 11) return;
    registraevento(m, jogador, time, "j");
    defineemcampo(m, jogador, true);
    j.jogounapartida = 1;
    (*r)[slot] = jogador;
    for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s) {
        if ((*r)[s] == jogador) {
            (*r)[s] = 0;
            break;
        }
    }
    recontalinhas(m, *r);
}

void registrasaida(Mundo& m, int jogo, int jogador, int lado) {
    if (jogo < 1 || jogo > static_cast<int>(m.diajogo.jogos.size()) || (lado != 1 && lado != 2))
        return;
    TJogos& g = m.diajogo.jogos[jogo - 1];
    // Every player taken off is kept, up to the match's own substitution limit.
    int& n = g.nsubstituidos[lado - 1];
    if (n < std::min(kMaxSaidasLista, limitesubstituicoes(m))) ++n;
    g.substituidos[lado - 1][n - 1] = {jogador, minutolista(m)};
    recontalinhas(m, g.time(lado));
}

TDisponiveis contadisponiveis(Mundo& m, int time) {
    TDisponiveis d;
    for (int i : elencoatual(m, time)) {
        const TJogador& j = m.jogadores[static_cast<size_t>(i)];
        if (j.posicao <= 0 || j.posicao > 4) continue;
        if (!escalavel(m, i)) continue;
        ++d.porposicao[j.posicao];
        ++d.total;
    }
    if (time >= 0 && time < static_cast<int>(m.times.size())) m.times[time].disponiveis = d.total;
    return d;
}

void cumpresuspensoes(Mundo& m) {
    const int k = tipodia(m);
    if (!tipovalido(k)) return;
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        TJogador& j = m.jogadores[i];
        if (j.time < 0) continue;
        if (j.suspensao[k] > 0) {
            --j.suspensao[k];
            if (j.jogouhoje) refazemcampo(m, static_cast<int>(i));
        }
        if (j.amarelos[k] >= 3) j.amarelos[k] = 0;
    }
}

int minutoevento(const Mundo& m) {
    const TDiaJogo& d = m.diajogo;
    if (d.instantaneo) return d.minutoabsoluto;
    if (d.tempo == 2) return d.minuto + 45;
    return d.minuto > 45 ? 45 : d.minuto;
}

int minutolista(const Mundo& m) {
    const TDiaJogo& d = m.diajogo;
    if (d.instantaneo) return d.minutoabsoluto;
    return d.tempo == 2 ? d.minuto + 45 : d.minuto;
}

void anotaevento(Mundo& m, int tipo, int time, int jogador, int extra, int jogo) {
    m.diajogo.eventos.push_back({tipo, time, jogador, extra, minutoevento(m), jogo});
}

}  // namespace tarvello
