#include "match/simulacao.h"

#include <algorithm>
#include <array>

#include "match/arbitros.h"
#include "match/escalacao.h"
#include "match/eventos.h"
#include "match/forca.h"
#include "match/interacao.h"
#include "model/aleatorio.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/registraevento.h"

namespace tarvello {

namespace {

TJogos& jogode(Mundo& m, int jogo) { return m.diajogo.jogos[jogo - 1]; }

int d100(Mundo& m) { return m.sorteia(100) + 1; }

// x -= p% and x += p%, each on the value x has at that moment.
void menos(int& x, int p) { x -= arredonda(static_cast<double>(x) * p / 100.0); }
void mais(int& x, int p) { x += arredonda(static_cast<double>(x) * p / 100.0); }

int conta(const TEscalacao* r, int slot) { return r ? (*r)[slot] : 0; }

void ajustavolantes(const TResumoLado& lado, int& x) {
    switch (lado.comfuncao(kMeioCampo, 0)) {
        case 0: menos(x, 30); break;
        case 1: mais(x, 10); break;
        case 2: mais(x, 20); break;
        case 3: mais(x, 30); break;
        default: break;
    }
}

void bonusnivel(const TTime& t, int& x) {
    if (t.humano) return;
    if (t.nivel >= 21) x += 15;
    else if (t.nivel >= 19) x += 12;
}

bool segundotempo(const TDiaJogo& d) {
    return d.instantaneo ? d.minutoabsoluto >= 56 : (d.tempo == 2 && d.minuto >= 11);
}

void copiatitulares(Mundo& m, TJogos& g) {
    const TEscalacao* h = linhade(m, g.mandante);
    const TEscalacao* a = linhade(m, g.visitante);
    for (int s = 1; s <= 11; ++s) {
        g.titularesmandante[s - 1] = conta(h, s);
        g.titularesvisitante[s - 1] = conta(a, s);
    }
}

}  // namespace

void preparatela(Mundo& m) {
    TDiaJogo& d = m.diajogo;
    d.jogos.clear();
    d.eventos.clear();
    d.slotshumanos.clear();
    d.minuto = 0;
    d.tempo = 1;
    d.minutoabsoluto = 0;
    d.instantaneo = false;
    d.semcontusoes = false;
}

int preparajogo(Mundo& m, int mandante, int visitante, int indicepartida) {
    TDiaJogo& d = m.diajogo;
    if (static_cast<int>(d.jogos.size()) >= kMaxJogosTela) return 0;
    if (!linhade(m, mandante) || !linhade(m, visitante) || mandante == visitante) return 0;
    const TTime& h = m.times[mandante];
    const TTime& a = m.times[visitante];
    TJogos g;
    g.divisao = h.divisao;
    g.mandante = mandante;
    g.visitante = visitante;
    g.escalacaomandante = h.linhaescalacao;
    g.escalacaovisitante = a.linhaescalacao;
    const int subs = limitesubstituicoes(m);
    g.substituicoes[0] = g.substituicoes[1] = subs;
    g.estadio = h.estadio;
    g.indicepartida = indicepartida;
    d.jogos.push_back(g);
    const int slot = static_cast<int>(d.jogos.size());
    if ((h.humano || a.humano) && d.slotshumanos.size() < 6) d.slotshumanos.push_back(slot);
    return slot;
}

void iniciapartidas(Mundo& m) {
    TDiaJogo& d = m.diajogo;
    for (size_t i = 0; i < d.jogos.size(); ++i) {
        TJogos& g = d.jogos[i];
        // Only the first twelve matches of a screen get a referee.
        const int a = i < 12 ? m.estado.arbitros[i] : 0;
        g.arbitro = arbitro(a) ? a : 0;
        g.acrescimos[0] = m.sorteia(3);
        g.acrescimos[1] = m.sorteia(4);
        copiatitulares(m, g);
        // The day's kind and date are set by now: the elevens' marks are taken from them.
        for (int lado = 1; lado <= 2; ++lado)
            if (const TEscalacao* r = linhade(m, g.time(lado)))
                for (int s = 1; s <= 11; ++s) refazemcampo(m, (*r)[s]);
    }
    d.minuto = 0;
    d.tempo = 1;
}

void encerradia(Mundo& m) {
    for (auto& j : m.jogadores) {
        j.jogouhoje = 0;
        j.cartoespartida = 0;
    }
    m.diajogo.emcampo.assign(m.jogadores.size(), 0);
    TDiaJogo& d = m.diajogo;
    d.escalacoes.clear();
    d.jogos.clear();
    d.eventos.clear();
    d.slotshumanos.clear();
}

void sorteiaarbitros(Mundo& m) {
    std::array<int, kNumArbitros> ordem{}, desempate{};
    for (int i = 0; i < kNumArbitros; ++i) {
        ordem[i] = i + 1;
        desempate[i] = m.sorteia(50);
    }
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        if (arbitro(a)->tecnica != arbitro(b)->tecnica)
            return arbitro(a)->tecnica > arbitro(b)->tecnica;
        return desempate[a - 1] < desempate[b - 1];
    });
    std::fill(std::begin(m.estado.arbitros), std::end(m.estado.arbitros), 0);
    int br = 0, ou = 6;
    for (int a : ordem) {
        if (arbitro(a)->pais == kBrasil && br < 6) m.estado.arbitros[br++] = a;
        else if (arbitro(a)->pais == 1 && ou < 12) m.estado.arbitros[ou++] = a;
    }
}

int disputaposse(Mundo& m, int jogo) {
    const TJogos& g = jogode(m, jogo);
    return disputaposse(m, jogo, resumolado(m, g.mandante), resumolado(m, g.visitante));
}

int disputaposse(Mundo& m, int jogo, const TResumoLado& rh, const TResumoLado& ra) {
    TJogos& g = jogode(m, jogo);
    const int H = g.mandante, A = g.visitante;
    const TTime& th = m.times[H];
    const TTime& ta = m.times[A];
    const int ch = conta(linhade(m, H), kSlotMeio);
    const int ca = conta(linhade(m, A), kSlotMeio);
    // The home side's midfield gets 10 points more.
    int f = ch > 0 ? arredonda((rh.setor(kMeioCampo) + 10) / static_cast<double>(ch)) : 3;
    int a = ca > 0 ? arredonda(ra.setor(kMeioCampo) / static_cast<double>(ca)) : 3;

    if (th.marcacao == 1) menos(a, 10);
    else if (th.marcacao == 2) menos(a, 15);
    if (ta.marcacao == 1) menos(f, 10);
    else if (ta.marcacao == 2) menos(f, 15);

    if (th.estilo == 2) menos(f, 70);
    if (ta.estilo == 2) menos(a, 70);

    if (ch > 5) menos(f, 10);
    if (ca > 5) menos(a, 10);

    if (ch == 4) ajustavolantes(rh, f);
    if (ca == 4) ajustavolantes(ra, a);

    if (ch == 5) mais(f, th.estilo == 2 ? 10 : 30);
    if (ca == 5) mais(a, ta.estilo == 2 ? 10 : 30);
    if (ch == 5) ajustavolantes(rh, f);
    if (ca == 5) ajustavolantes(ra, a);

    if (ch == 3) menos(f, 30);
    if (ca == 3) menos(a, 30);
    if (ch == 3) ajustavolantes(rh, f);
    if (ca == 3) ajustavolantes(ra, a);

    if (ch == 2) menos(f, 55);
    if (ca == 2) menos(a, 55);
    if (ch == 1) menos(f, 65);
    if (ca == 1) menos(a, 65);

    if (th.estilo == 1) menos(f, 10);
    if (ta.estilo == 1) menos(a, 10);

    auto recuados = [&](const TResumoLado& lado, int& x) {
        const int r = lado.comfuncao(kAtacante, 0);
        if (r >= 1 && r <= 3) mais(x, 10 * r);
    };
    recuados(rh, f);
    recuados(ra, a);

    const int k = tipodia(m);
    bonusnivel(th, f);
    bonusnivel(ta, a);
    if (k == kContinental1 || k == kContinental2) {
        bonusnivel(th, f);
        bonusnivel(ta, a);
    }
    if (k == kLiga) {
        if (!th.humano && th.nivel >= 18) f += 15;
        if (!ta.humano && ta.nivel >= 18) a += 15;
    }

    const int p = f + a > 0 ? (f * 100) / (f + a) : 0;
    const int lado = d100(m) <= p ? 1 : 2;
    ++g.posse[lado - 1];
    ++g.roubadasbola[lado - 1];
    return lado;
}

int chancegol(int o, int l) {
    if (o == l) return 15;
    if (o > l) {
        const int d = o - l;
        if (d <= 9) return 14;
        if (d <= 19) return 15;
        if (d <= 29) return 16;
        if (d <= 39) return 17;
        if (d <= 59) return 18;
        return 19;  // every margin of 60 or more
    }
    const int d = l - o;
    if (d <= 9) return 15;
    if (d <= 19) return 14;
    if (d <= 29) return 13;
    if (d <= 39) return 12;
    if (d <= 59) return 11;
    if (d <= 79) return 9;
    if (d <= 100) return 7;
    return 0;
}

void jogadaataque(Mundo& m, int jogo, int lado) {
    const TJogos& g = jogode(m, jogo);
    jogadaataque(m, jogo, lado, resumolado(m, g.time(lado)), resumolado(m, g.time(3 - lado)));
}

void jogadaataque(Mundo& m, int jogo, int lado, const TResumoLado& ataque, const TResumoLado& defesa) {
    TJogos& g = jogode(m, jogo);
    const int T = g.time(lado), D = g.time(3 - lado);
    const TTime& tt = m.times[T];
    const TTime& td = m.times[D];
    const TEscalacao* rt = linhade(m, T);
    const TEscalacao* rd = linhade(m, D);

    const int ac = conta(rt, kSlotAtaque);
    int o = ac > 0 ? arredonda(ataque.setor(kAtacante) / static_cast<double>(ac)) : 3;
    const int dc = conta(rd, kSlotDefesa);
    int u = dc > 0 ? arredonda((defesa.setor(kLateral) + defesa.setor(kZagueiro) +
                                defesa.setor(kGoleiro)) /
                               static_cast<double>(dc + 1))
                   : 3;
    if (ac == 3) mais(o, 20);
    else if (ac == 4) mais(o, 22);
    else if (ac > 4) mais(o, 20);
    else if (ac == 1) menos(o, 30);
    if (dc == 5) mais(u, 20);
    else if (dc == 6) mais(u, 22);
    else if (dc > 6) mais(u, 20);

    const int v = o + u > 0 ? (o * 100) / (o + u) : 0;
    const bool passou = d100(m) <= v;
    if (passou) ++g.ataques[lado - 1];

    int s = 40;
    if (tt.estilo == 1) s += 3;
    if (td.estilo == 1) s += 5;
    if (passou) {
        const int k = ataque.comfuncao(kMeioCampo, 1) + ataque.comfuncao(kMeioCampo, 2);
        const int mc = conta(rt, kSlotMeio);
        if (mc == 4) {
            if (k == 0) s -= 5;
            else if (k == 1) s -= 3;
            else if (k == 3) s += 2;
            else if (k == 4) s += 3;
        } else if (mc == 5) {
            if (k == 0) s -= 6;
            else if (k == 1) s -= 4;
            else if (k == 3) s += 1;
            else if (k == 4 || k == 5) s += 3;
        } else if (mc == 3) {
            if (k == 0) s -= 5;
            else if (k == 2) s += 2;
        }
        if (td.estilo == 2) s -= 10;
        if (tt.estilo == 2) s += 10;
        if (tt.concentraataques == 0 && focoadequado(m, T)) s += 3;
    }
    if (!passou || d100(m) > s) return;
    ++g.finalizacoes[lado - 1];

    const int l = defesa.setor(kGoleiro);
    int chance = chancegol(o, l);
    if (o != l && rd) {
        const int gk = (*rd)[kSlotGoleiro];
        if (gk > 0 && gk < static_cast<int>(m.jogadores.size()) &&
            m.jogadores[gk].posicao != m.jogadores[gk].posicaooriginal)
            chance += o > l ? 15 : 10;
    }
    const int feitos = g.gols[lado - 1];
    if (feitos == 5) chance -= 7;
    else if (feitos == 6) chance -= 10;
    else if (feitos == 7) chance -= 12;
    chance -= lado == 2 ? (tipodia(m) == kCopaNacional ? 7 : 3) : 0;
    if (!tt.humano) {
        if (tt.nivel >= 21) chance += 5;
        else if (tt.nivel >= 19) chance += 3;
    }
    if (feitos >= 8) chance = 0;  // no open-play goal past eight, whatever the bonuses
    if (d100(m) < chance) marcagol(m, jogo, lado);

    // Consolation: the 9th shot without a goal and the 18th with a single goal always score.
    const int chutes = g.finalizacoes[lado - 1];
    if ((chutes == 9 && g.gols[lado - 1] == 0) || (chutes == 18 && g.gols[lado - 1] == 1))
        marcagol(m, jogo, lado);
}

void marcagol(Mundo& m, int jogo, int lado) {
    ++jogode(m, jogo).gols[lado - 1];
    escolheartilheiro(m, jogo, lado);
}

namespace {

// Draws among the players of slots 1..10 whose natural position is one of `linhas` (visited in
// that order, each only while the row has someone playing at it), each with chance 1 in
// peso(player). When nobody qualifies, any player on the pitch is taken, so the draw always ends.
template <typename Peso>
int sorteiadaslinhas(Mundo& m, const TEscalacao& r, std::array<int, 4> linhas, Peso peso) {
    std::vector<int> elegiveis;
    for (int linha : linhas) {
        if (r[kSlotContaPosicao + linha] <= 0) continue;
        for (int s = 1; s <= 10; ++s)
            if (emcampo(m, r[s]) && m.jogadores[r[s]].posicaooriginal == linha)
                elegiveis.push_back(r[s]);
    }
    if (!elegiveis.empty()) {
        for (int volta = 0; volta < 1000; ++volta) {
            for (int linha : linhas) {
                if (r[kSlotContaPosicao + linha] <= 0) continue;
                for (int s = 1; s <= 10; ++s) {
                    const int id = r[s];
                    if (!emcampo(m, id) || m.jogadores[id].posicaooriginal != linha) continue;
                    if (m.sorteia(peso(m.jogadores[id], linha)) == 0) return id;
                }
            }
        }
        return elegiveis.front();
    }
    std::vector<int> emjogo;
    for (int s = 1; s <= 11; ++s)
        if (emcampo(m, r[s])) emjogo.push_back(r[s]);
    if (emjogo.empty()) return 0;
    return emjogo[m.sorteia(static_cast<int>(emjogo.size()))];
}

}  // namespace

int escolhecontra(Mundo& m, int jogo, int lado) {
    TJogos& g = jogode(m, jogo);
    const TEscalacao* r = linhade(m, g.time(3 - lado));
    if (!r) return 0;
    return sorteiadaslinhas(m, *r, {kLateral, kZagueiro, kMeioCampo, kAtacante},
                            [](const TJogador&, int linha) {
                                return linha == kZagueiro ? 2 : linha == kAtacante ? 4 : 6;
                            });
}

void escolheartilheiro(Mundo& m, int jogo, int lado) {
    TJogos& g = jogode(m, jogo);
    const int T = g.time(lado);
    const TEscalacao* r = linhade(m, T);
    int autor = 0;
    if (m.sorteia(1000) <= 30) autor = escolhecontra(m, jogo, lado);
    if (!autor && r) {
        autor = sorteiadaslinhas(m, *r, {kAtacante, kMeioCampo, kZagueiro, kLateral},
                                 [](const TJogador& j, int) {
                                     if (j.energia < 15) return 10;
                                     return (j.estrela || j.habilidade1 == 9) ? 3 : 4;
                                 });
    }
    if (m.sorteia(1200) == 1 && r && emcampo(m, (*r)[kSlotGoleiro])) autor = (*r)[kSlotGoleiro];

    if (g.numgols < kMaxGolsLista) g.listagols[g.numgols++] = {T, autor, minutolista(m), 0};
    const bool dotime = autor > 0 && m.jogadores[autor].time == T;
    if (dotime || autor == 0) {
        anotaevento(m, kEvGol, T, autor, -1, jogo);
        if (dotime) registraevento(m, autor, T, "g");
    } else {
        anotaevento(m, kEvGolContra, T, autor, -1, jogo);
    }
}

void desgaste(Mundo& m, int time, int minuto) {
    const TEscalacao* r = linhade(m, time);
    if (!r) return;
    esqueceresumo(m, time);
    const TTime& t = m.times[time];
    auto perdaporidade = [](int idade) {
        if (idade >= 1 && idade <= 20) return 1;
        if (idade >= 21 && idade <= 30) return 2;
        if (idade >= 31 && idade <= 50) return 3;
        if (idade >= 51 && idade <= 100) return 6;
        return 0;
    };
    const bool todos = minuto == 10 || minuto == 15 || minuto == 20 || minuto == 25 ||
                       minuto == 35 || minuto == 40 || minuto == 45;
    const bool alguns = minuto == 10 || minuto == 20 || minuto == 40 || minuto == 45;
    for (int s = 1; s <= 11; ++s) {
        const int id = (*r)[s];
        if (!emcampo(m, id)) continue;
        TJogador& j = m.jogadores[id];
        if (j.posicaooriginal == kGoleiro) continue;
        const int i = j.idade;
        if (todos) {
            if (i >= 18 && i <= 25) j.energia -= 1;
            else if (i >= 33 && i <= 36) j.energia -= 2;
            else if (i >= 43 && i <= 48) j.energia -= 3;
        }
        if (alguns) {
            if (i >= 1 && i <= 17) j.energia -= 1;
            else if (i >= 26 && i <= 32) j.energia -= 2;
            else if (i >= 37 && i <= 42) j.energia -= 4;
            else if (i >= 49 && i <= 55) j.energia -= 5;
            else if (i >= 56 && i <= 60) j.energia -= 6;
            else if (i >= 61 && i <= 70) j.energia -= 7;
            else if (i >= 71 && i <= 80) j.energia -= 8;
            else if (i >= 81 && i <= 90) j.energia -= 9;
            else if (i >= 91 && i <= 100) j.energia -= 10;
        }
        if (minuto == 40) {
            if (t.concentraataques == 1 && j.posicao == kLateral) j.energia -= perdaporidade(i);
            if (t.marcacao > 0 && j.posicao == kZagueiro) j.energia -= perdaporidade(i);
        }
        if (j.energia < 0) j.energia = 0;
        if (minuto == 10 || minuto == 15 || minuto == 20) {
            if (j.habilidade1 == 12) j.energia += 2;
            else if (j.habilidade2 == 12) j.energia += 1;
        }
        if (j.energia > 100) j.energia = 100;
    }
    const int gk = (*r)[kSlotGoleiro];
    if (minuto == 40 && emcampo(m, gk) && m.jogadores[gk].posicao == kGoleiro) {
        TJogador& j = m.jogadores[gk];
        j.energia -= perdaporidade(j.idade);
        if (j.energia < 0) j.energia = 0;
    }
}

namespace {

void jogaminuto(Mundo& m, Interacao& ia, int jogo) {
    TDiaJogo& d = m.diajogo;
    TJogos& g = jogode(m, jogo);
    const int H = g.mandante, A = g.visitante;
    // Nothing changes the elevens between here and the end of the attack: one look at each,
    // and none at all while the side has not changed since an earlier minute.
    const TResumoLado rh = resumoatual(m, H), ra = resumoatual(m, A);
    d.energiamandante = rh.energia;
    d.energiavisitante = ra.energia;

    const int lado = disputaposse(m, jogo, rh, ra);
    jogadaataque(m, jogo, lado, lado == 1 ? rh : ra, lado == 1 ? ra : rh);

    if (!d.instantaneo && !(g.penaltiusado[0] && g.penaltiusado[1]) && d.sorteiopenalti)
        d.sorteiopenalti(m, ia, jogo);

    if (m.times[H].disponiveis > 10) faltasecartoes(m, jogo, 1);
    if (m.times[A].disponiveis > 10) faltasecartoes(m, jogo, 2);
    if (!d.semcontusoes) {
        if (m.times[H].disponiveis > 10) sorteiacontusao(m, ia, jogo, 1, d.energiamandante);
        if (m.times[A].disponiveis > 10) sorteiacontusao(m, ia, jogo, 2, d.energiavisitante);
    }
    const int mi = d.minuto;
    if (mi == 10 || mi == 15 || mi == 20 || mi == 25 || mi == 35 || mi == 40 || mi == 45) {
        desgaste(m, H, mi);
        desgaste(m, A, mi);
    }
    if (segundotempo(d)) {
        if (!m.times[H].humano && g.substituicoes[0] > 0)
            substituicaocomputador(m, jogo, 1, g.gols[0] - g.gols[1]);
        if (!m.times[A].humano && g.substituicoes[1] > 0)
            substituicaocomputador(m, jogo, 2, g.gols[1] - g.gols[0]);
    }
}

}  // namespace

EstadoMinuto minuto(Mundo& m, Interacao& ia) {
    TDiaJogo& d = m.diajogo;
    if (d.tempo == 2 && d.minuto >= 51) return EstadoMinuto::Fim;
    d.instantaneo = false;
    ++d.minuto;
    {
        GuardaResumos guarda(m);
        for (int i = 1; i <= static_cast<int>(d.jogos.size()); ++i) {
            const TJogos& g = d.jogos[i - 1];
            if (d.minuto <= 45 || g.acrescimos[d.tempo - 1] >= d.minuto - 45) jogaminuto(m, ia, i);
        }
    }
    if (d.minuto < 51) return EstadoMinuto::Jogando;
    if (d.tempo == 2) return EstadoMinuto::Fim;

    // Half-time: the second half starts from minute 0; human coaches may see their matches.
    d.minuto = 0;
    d.tempo = 2;
    if (m.estado.numtecnicoshumanos > 0 && m.estado.verintervalo) {
        const std::vector<int> humanos = d.slotshumanos;
        for (int slot : humanos) ia.intervalo(m, slot);
    }
    return EstadoMinuto::Intervalo;
}

void simulainstantaneo(Mundo& m, Interacao& ia, bool semcontusoes) {
    TDiaJogo& d = m.diajogo;
    d.instantaneo = true;
    d.semcontusoes = semcontusoes;
    d.tempo = 1;
    GuardaResumos guarda(m);
    for (auto& g : d.jogos) copiatitulares(m, g);
    for (int mi = 1; mi <= 90; ++mi) {
        d.minutoabsoluto = mi;
        d.minuto = mi <= 45 ? mi : mi - 45;
        for (int i = 1; i <= static_cast<int>(d.jogos.size()); ++i) jogaminuto(m, ia, i);
    }
}

}  // namespace tarvello
