#include "match/eventos.h"

#include <algorithm>

#include "match/escalacao.h"
#include "match/forca.h"
#include "match/interacao.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/registraevento.h"

namespace tarvello {

namespace {

TJogos& jogode(Mundo& m, int jogo) { return m.diajogo.jogos[jogo - 1]; }

int contaemcampo(const Mundo& m, const TEscalacao& r, int posicao) {
    int n = 0;
    for (int s = 1; s <= 11; ++s)
        if (emcampo(m, r[s]) && m.jogadores[r[s]].posicao == posicao) ++n;
    return n;
}

void expulsa(Mundo& m, TJogos& g, int lado, int jogador) {
    defineemcampo(m, jogador, false);
    if (g.nexpulsos[lado - 1] < 11) g.expulsos[lado - 1][g.nexpulsos[lado - 1]++] = jogador;
}

int linhadocartao(Mundo& m, const TEscalacao& r) {
    const int d = m.sorteia(100) + 1;
    const int linha = d <= 2 ? kGoleiro : d <= 17 ? kLateral : d <= 47 ? kZagueiro
                      : d <= 85 ? kMeioCampo : kAtacante;
    if (contaemcampo(m, r, linha) > 0) return linha;
    for (int p : {kZagueiro, kMeioCampo, kLateral, kAtacante})
        if (contaemcampo(m, r, p) > 0) return p;
    return -1;
}

// Scans the eleven again and again; each candidate of the line is booked with chance 1 in w.
int jogadordocartao(Mundo& m, const TEscalacao& r, int linha) {
    const int n = contaemcampo(m, r, linha);
    int primeiro = 0;
    for (int volta = 0; volta < 1000; ++volta) {
        for (int s = 1; s <= 11; ++s) {
            const int id = r[s];
            if (!emcampo(m, id) || m.jogadores[id].posicao != linha) continue;
            if (!primeiro) primeiro = id;
            const TJogador& j = m.jogadores[id];
            int w = (linha == kGoleiro || n == 1) ? 1 : 5;
            if ((linha == kZagueiro || linha == kMeioCampo) && j.funcao == 0) w = 3;
            if (m.sorteia(w) == 0) return id;
        }
    }
    return primeiro;
}

bool nobanco(const TEscalacao& r, int jogador, int* slot = nullptr) {
    for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s) {
        if (jogador > 0 && r[s] == jogador) {
            if (slot) *slot = s;
            return true;
        }
    }
    return false;
}

bool livrenobanco(const Mundo& m, int id) {
    return id > 0 && id < static_cast<int>(m.jogadores.size()) && !m.jogadores[id].jogouhoje &&
           disponivel(m, id);
}

}  // namespace

void cobrancafalta(Mundo& m, int jogo, int lado) {
    TJogos& g = jogode(m, jogo);
    const int time = g.time(lado);
    const int adversario = g.time(3 - lado);
    TEscalacao* r = linhade(m, time);
    if (!r) return;
    TTime& t = m.times[time];
    int cobrador = 0;
    const int c = t.cobradorfaltas;
    if (c > 0 && c < static_cast<int>(m.jogadores.size()) && m.jogadores[c].time == time &&
        emcampo(m, c)) {
        for (int s = 1; s <= 11; ++s)
            if ((*r)[s] == c) cobrador = c;
    }
    if (!cobrador) {
        for (int s = 10; s >= 1 && !cobrador; --s)
            if (emcampo(m, (*r)[s])) cobrador = (*r)[s];
        if (!cobrador) return;
        if (t.humano) t.cobradorfaltas = cobrador;
    }
    const int k = m.jogadores[cobrador].forca > resumoatual(m, adversario).setor(kGoleiro) ? 2 : 0;
    if (m.sorteia(200) + 1 <= k) {
        ++g.finalizacoes[lado - 1];
        ++g.gols[lado - 1];
        anotaevento(m, kEvGolFalta, time, cobrador, -1, jogo);
        registraevento(m, cobrador, time, "g");
    }
}

void faltasecartoes(Mundo& m, int jogo, int lado) {
    TJogos& g = jogode(m, jogo);
    const int time = g.time(lado);
    TEscalacao* r = linhade(m, time);
    if (!r) return;
    TTime& t = m.times[time];
    TDiaJogo& d = m.diajogo;

    const int chance = 23 + (t.marcacao == 1 ? 10 : t.marcacao == 2 ? 20 : 0);
    const bool falta = m.sorteia(100) + 1 <= chance;
    if (falta) {
        ++g.faltas[lado - 1];
        // The fouled side takes the free kick.
        if (g.gols[2 - lado] < 6) cobrancafalta(m, jogo, 3 - lado);
    }
    const int f = g.faltas[lado - 1];
    const bool cartao = (falta && (f == 10 || f == 20 || f == 30 || f == 40)) ||
                        m.sorteia(280) + 1 == 1;
    if (cartao && t.disponiveis > 10) {
        const int linha = linhadocartao(m, *r);
        const int id = linha < 0 ? 0 : jogadordocartao(m, *r, linha);
        if (id > 0) {
            TJogador& j = m.jogadores[id];
            if ((j.cartoespartida > 1 && j.posicao == kGoleiro) ||
                (j.posicao == kZagueiro && j.habilidade1 == 8 && m.sorteia(3) != 0))
                return;  // no card, and no red card this minute either
            if (emcampo(m, id)) {
                registraevento(m, id, time, "ca");
                ++j.cartoespartida;
                --t.disponiveis;
                if (j.cartoespartida > 1) {
                    if (d.tempo == 2) ++g.acrescimos[1];
                    expulsa(m, g, lado, id);
                    registraevento(m, id, time, "cv");
                    anotaevento(m, kEvSegundoAmarelo, time, id, minutoevento(m), jogo);
                    recontalinhas(m, *r);
                } else {
                    anotaevento(m, kEvAmarelo, time, id, 0, jogo);
                }
            }
        }
    }

    bool vermelho = false;
    if (d.tempo == 1) {
        if (d.minuto > 15) vermelho = m.sorteia(700) == 1;
    } else {
        vermelho = m.sorteia(550) == 1;
    }
    if (vermelho && t.disponiveis > 10) {
        if (d.tempo == 2) ++g.acrescimos[1];
        const int id = (*r)[m.sorteia(10) + 1];
        if (emcampo(m, id) && m.jogadores[id].cartoespartida == 0) {
            --t.disponiveis;
            expulsa(m, g, lado, id);
            if (tipodia(m) != kAmistoso) registraevento(m, id, time, "cv");
            anotaevento(m, kEvVermelhoDireto, time, id, 0, jogo);
            recontalinhas(m, *r);
        }
    }
}

int preferidocontusao(const Mundo& m, const std::vector<int>& cand, int posicao) {
    auto acha = [&](auto cond) {
        for (int id : cand)
            if (cond(m.jogadores[id])) return id;
        return 0;
    };
    if (cand.empty()) return 0;
    int r = 0;
    if (posicao == kGoleiro) {
        r = acha([](const TJogador& j) { return j.posicao == kGoleiro; });
    } else {
        r = acha([&](const TJogador& j) { return j.posicao == posicao; });
        if (!r) r = acha([](const TJogador& j) { return j.posicaooriginal != kGoleiro; });
    }
    return r ? r : cand.front();
}

std::vector<int> candidatoscontusao(const Mundo& m, int jogo, int lado, int contundido) {
    std::vector<int> r;
    const TJogos& g = m.diajogo.jogos[jogo - 1];
    const TEscalacao* l = linhade(m, g.time(lado));
    if (!l) return r;
    const bool goleiro = m.jogadores[contundido].posicao == kGoleiro;
    if (goleiro) {
        for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s)
            if (livrenobanco(m, (*l)[s]) && m.jogadores[(*l)[s]].posicao == kGoleiro)
                r.push_back((*l)[s]);
        if (!r.empty()) return r;
    }
    for (int p = kLateral; p <= kAtacante; ++p)
        for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s)
            if (livrenobanco(m, (*l)[s]) && m.jogadores[(*l)[s]].posicao == p)
                r.push_back((*l)[s]);
    return r;
}

int InteracaoComputador::substitutocontusao(Mundo& m, int, int, int contundido,
                                            const std::vector<int>& candidatos) {
    return preferidocontusao(m, candidatos, m.jogadores[contundido].posicao);
}

void sorteiacontusao(Mundo& m, Interacao& ia, int jogo, int lado, int energia) {
    TJogos& g = jogode(m, jogo);
    const int time = g.time(lado);
    TEscalacao* r = linhade(m, time);
    if (!r) return;
    TTime& t = m.times[time];
    const int e = energia;
    const int d = (e >= 0 && e <= 10) ? 240 : (e >= 11 && e <= 20) ? 280 : (e >= 21 && e <= 30) ? 300
                  : (e >= 31 && e <= 40) ? 360 : (e >= 41 && e <= 50) ? 450 : (e >= 51 && e <= 60) ? 480
                  : (e >= 61 && e <= 80) ? 500 : (e >= 81 && e <= 100) ? 550 : 400;
    if (m.sorteia(d) != 1 || t.disponiveis <= 10 || g.substituicoes[lado - 1] <= 0) return;
    int slot = m.sorteia(10) + 1;
    if (!m.diajogo.instantaneo && m.sorteia(200) == 0) slot = kSlotGoleiro;
    const int id = (*r)[slot];
    if (!emcampo(m, id)) return;

    TJogador& j = m.jogadores[id];
    registraevento(m, id, time, "ct");
    defineemcampo(m, id, false);
    recontalinhas(m, *r);
    anotaevento(m, kEvContusao, time, id, 0, jogo);
    --t.disponiveis;
    const int posicao = j.posicao;

    if (t.humano) {
        const auto cand = candidatoscontusao(m, jogo, lado, id);
        if (cand.empty()) {
            g.substituicoes[lado - 1] = 0;
            return;
        }
        const int entra = ia.substitutocontusao(m, jogo, lado, id, cand);
        if (std::find(cand.begin(), cand.end(), entra) == cand.end()) return;
        --g.substituicoes[lado - 1];
        contadisponiveis(m, time);
        escalajogador(m, time, entra, slot);
        if (posicao == kGoleiro) m.jogadores[entra].posicao = kGoleiro;
        recontalinhas(m, *r);
        anotaevento(m, kEvSubstituicao, time, id, entra, jogo);
        registrasaida(m, jogo, id, lado);
        return;
    }

    std::vector<int> banco;
    for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s)
        if (livrenobanco(m, (*r)[s])) banco.push_back((*r)[s]);
    if (banco.empty()) return;
    const int entra = preferidocontusao(m, banco, posicao);
    // Whoever comes on takes the injured player's place on the pitch.
    m.jogadores[entra].posicao = posicao;
    registrasaida(m, jogo, id, lado);
    anotaevento(m, kEvSubstituicao, time, id, entra, jogo);
    escalajogador(m, time, entra, slot);
    --g.substituicoes[lado - 1];
}

void substituicaocomputador(Mundo& m, int jogo, int lado, int saldo) {
    TJogos& g = jogode(m, jogo);
    const int time = g.time(lado);
    TEscalacao* r = linhade(m, time);
    if (!r) return;
    const int minuto = m.diajogo.minuto;
    const int restantes = g.substituicoes[lado - 1];
    auto cansado = [&]() {
        for (int s = 1; s <= 11; ++s)
            if (emcampo(m, (*r)[s]) && m.jogadores[(*r)[s]].energia < 80) return s;
        return 0;
    };
    int slot = 0;
    if (restantes == 3 && m.sorteia(45) + 10 < minuto) slot = cansado();
    if (!slot && m.sorteia(35) + 20 < minuto && restantes > 1 && saldo <= 0) slot = cansado();
    if (!slot) return;
    const int sai = (*r)[slot];
    const int natural = m.jogadores[sai].posicaooriginal;
    auto procura = [&](auto cond) {
        for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s) {
            const int id = (*r)[s];
            if (!livrenobanco(m, id)) continue;
            const TJogador& j = m.jogadores[id];
            // A goalkeeper can only enter the goalkeeper's slot.
            if (j.posicao == kGoleiro && slot != kSlotGoleiro) continue;
            if (j.energia > 90 && cond(j)) return id;
        }
        return 0;
    };
    int entra = procura([&](const TJogador& j) { return j.posicaooriginal == natural; });
    if (!entra && natural != kGoleiro)
        entra = procura([](const TJogador& j) { return j.posicaooriginal != kGoleiro; });
    if (!entra) return;
    escalajogador(m, time, entra, slot);
    --g.substituicoes[lado - 1];
    registrasaida(m, jogo, sai, lado);
    anotaevento(m, kEvSubstituicao, time, sai, entra, jogo);
}

bool substituicaohumana(Mundo& m, int jogo, int lado, int slotsai, int entra) {
    if (jogo < 1 || jogo > static_cast<int>(m.diajogo.jogos.size()) || (lado != 1 && lado != 2))
        return false;
    TJogos& g = jogode(m, jogo);
    const int time = g.time(lado);
    TEscalacao* r = linhade(m, time);
    if (!r || g.substituicoes[lado - 1] <= 0 || slotsai < 1 || slotsai > 11) return false;
    const int sai = (*r)[slotsai];
    int slotbanco = 0;
    if (sai <= 0 || g.expulso(lado, sai) || !nobanco(*r, entra, &slotbanco) || !livrenobanco(m, entra))
        return false;
    if (m.jogadores[entra].posicao == kGoleiro && slotsai != kSlotGoleiro) return false;
    registrasaida(m, jogo, sai, lado);
    (*r)[slotbanco] = 0;
    --g.substituicoes[lado - 1];
    defineemcampo(m, sai, false);
    m.jogadores[sai].cartoespartida = 0;
    escalajogador(m, time, entra, slotsai);
    anotaevento(m, kEvSubstituicao, time, sai, entra, jogo);
    return true;
}

bool mudaposicao(Mundo& m, int time, int jogador, int posicao, int funcao) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return false;
    TJogador& j = m.jogadores[jogador];
    if (j.time != time) return false;
    if (posicao == -1) posicao = j.posicaooriginal;
    else if (posicao < kLateral || posicao > kAtacante) return false;
    if (funcao < -1 || funcao > 2) return false;
    j.posicao = posicao;
    if (funcao >= 0) j.funcao = funcao;
    esqueceresumo(m, time);
    recontalinhas(m, time);
    return true;
}

}  // namespace tarvello
