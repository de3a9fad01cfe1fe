#include "club/plantel.h"

#include <algorithm>

#include "club/contratos.h"
#include "match/escalacao.h"
#include "model/funcoes.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/semana.h"

namespace tarvello {
namespace {

bool jogadorvalido(const Mundo& m, int j) {
    return j > 0 && j < static_cast<int>(m.jogadores.size());
}
bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

bool selecionavel(int status) { return status != kIndisponivel && status != kSoProximoJogo; }

// Status the grid gives a player before any click.
int statusinicial(const Mundo& m, const TJogador& j, int indice) {
    if (j.soproximojogo) return kSoProximoJogo;
    if (condicaojogador(m, indice) != 0) return kIndisponivel;
    if (m.estado.salvarescalacao && (j.escalacao == kTitular || j.escalacao == kReserva))
        return j.escalacao;
    return kNaoEscalado;
}

}  // namespace

int condicaojogador(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return 0;
    const TJogador& j = m.jogadores[jogador];
    const int k = m.estado.competicaoatual;
    if (k >= 0 && k < kNumCompeticoes) {
        if (j.amarelos[k] >= 3) return 4;
        if (j.suspensao[k] > 0) return 1;
    }
    if (static_cast<int64_t>(j.contusaoate) > static_cast<int64_t>(datahoje(m))) return 3;
    return 0;
}

int imagemcondicao(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return 0;
    const int c = condicaojogador(m, jogador);
    const bool estrela = m.jogadores[jogador].estrela != 0;
    if (c != 0) return estrela ? c + 4 : c;
    return estrela ? 12 : 0;
}

int imagemstatus(int status, int numero) {
    switch (status) {
        case kTitular: return numero;
        case kReserva: return numero + 29;
        case kIndisponivel: return 87;
        case kSoProximoJogo: return 88;
        default: return numero + 58;
    }
}

int ordemposicao(int posicao, int funcao) {
    switch (posicao) {
        case kGoleiro: return 0;
        case kLateral: return funcao == 2 ? 6 : funcao == 1 ? 3 : 2;
        case kZagueiro: return funcao == 1 ? 5 : 4;
        case kMeioCampo: return funcao == 2 ? 6 : funcao == 1 ? 8 : 7;
        case kAtacante: return funcao == 0 ? 9 : funcao == 2 ? 11 : 10;
        default: return 12;
    }
}

void corrigehabilidades(TJogador& j) {
    const bool goleiro = j.posicaooriginal == kGoleiro;
    if (!habilidadevalida(j.habilidade1)) j.habilidade1 = goleiro ? 0 : 13;
    if (!habilidadevalida(j.habilidade2)) j.habilidade2 = goleiro ? 1 : 11;
}

int TPlantel::linhadojogador(int jogador) const {
    for (size_t i = 0; i < linhas.size(); ++i)
        if (linhas[i].jogador == jogador) return static_cast<int>(i);
    return -1;
}

TPlantel montaplantel(Mundo& m, int time) {
    TPlantel p;
    p.time = time;
    if (!timevalido(m, time)) return p;
    verificacontratos(m, time);
    for (int i : elenco(m, time)) {
        corrigehabilidades(m.jogadores[i]);
        p.linhas.push_back({i, statusinicial(m, m.jogadores[i], i)});
    }
    ordenaplantel(m, p, kPorPosicao);
    contaescalacao(m, p);
    return p;
}

void ordenaplantel(const Mundo& m, TPlantel& p, OrdemPlantel ordem, bool crescente) {
    auto chave = [&](const TLinhaPlantel& l) -> std::tuple<int, int, int> {
        const TJogador& j = m.jogadores[l.jogador];
        switch (ordem) {
            case kPorSalario: return {j.salario, 0, 0};
            case kPorValor: return {valorgrade(j), 0, 0};
            default: return {ordemposicao(j.posicao, j.funcao), j.forca, j.energia};
        }
    };
    std::stable_sort(p.linhas.begin(), p.linhas.end(),
                     [&](const TLinhaPlantel& a, const TLinhaPlantel& b) {
                         return crescente ? chave(a) < chave(b) : chave(b) < chave(a);
                     });
}

TContagem contaescalacao(Mundo& m, TPlantel& p) {
    TContagem c;
    int goleirosaptos = 0, linhaaptos = 0;
    for (const TLinhaPlantel& l : p.linhas) {
        const TJogador& j = m.jogadores[l.jogador];
        if (selecionavel(l.status)) (j.posicao == kGoleiro ? goleirosaptos : linhaaptos) += 1;
        if (l.status == kReserva) ++c.reservas;
        if (l.status != kTitular) continue;
        ++c.titulares;
        switch (linhadojogador(j.posicao, j.funcao)) {
            case 1: ++c.defensores; break;
            case 2: ++c.meias; break;
            case 3: ++c.atacantes; break;
            default: ++c.goleirostitulares; break;
        }
    }
    // Slot 11 holds one goalkeeper and the bench seven players. A club short of fit players
    // still plays with everyone it has; without a fit goalkeeper it plays with ten outfield
    // players at most, since the selection never lets an eleventh one in without a goalkeeper.
    const int linhatitulares = c.titulares - c.goleirostitulares;
    c.podejogar = c.goleirostitulares == (goleirosaptos > 0 ? 1 : 0) &&
                  linhatitulares == std::min(10, linhaaptos) && c.reservas <= kMaxReservas;
    const int goleiros = goleirosaptos > 0 ? 1 : 0, linha = std::min(10, linhaaptos);
    if (c.goleirostitulares < goleiros)
        c.motivo = "Falta escalar o goleiro";
    else if (c.goleirostitulares > goleiros)
        c.motivo = "Só um goleiro pode ser titular";
    else if (linhatitulares < linha)
        c.motivo = linha - linhatitulares == 1 ? "Falta escalar 1 titular"
                                               : "Faltam escalar " + std::to_string(linha - linhatitulares) + " titulares";
    else if (linhatitulares > linha)
        c.motivo = "Titulares demais: escale no máximo " + std::to_string(goleiros + linha);
    else if (c.reservas > kMaxReservas)
        c.motivo = "Reservas demais: no máximo " + std::to_string(kMaxReservas);
    if (c.podejogar) {
        c.esquema = std::to_string(c.defensores) + "-" + std::to_string(c.meias) + "-" +
                    std::to_string(c.atacantes);
        c.numeroesquema = c.defensores * 100 + c.meias * 10 + c.atacantes;
        if (timevalido(m, p.time)) m.times[p.time].esquema = c.numeroesquema;
    }
    for (const TLinhaPlantel& l : p.linhas) {
        TJogador& j = m.jogadores[l.jogador];
        j.escalacao = l.status == kTitular ? 1 : l.status == kReserva ? 2 : 0;
    }
    p.contagem = c;
    return c;
}

bool clicastatus(Mundo& m, TPlantel& p, int linha) {
    if (linha < 0 || linha >= static_cast<int>(p.linhas.size())) return false;
    TLinhaPlantel& l = p.linhas[linha];
    if (!selecionavel(l.status)) return false;
    const TContagem& c = p.contagem;
    const bool goleiro = m.jogadores[l.jogador].posicao == kGoleiro;
    const int S = c.titulares, R = c.reservas;
    int novo = l.status;
    if (S == 10 && !c.goleiro() && !goleiro) {
        // Only a goalkeeper may complete the eleven. A squad with no goalkeeper fit to play
        // lines up ten outfield players, so there a starter may still be taken out.
        const bool goleiroapto = std::any_of(p.linhas.begin(), p.linhas.end(), [&](const TLinhaPlantel& o) {
            return selecionavel(o.status) && m.jogadores[o.jogador].posicao == kGoleiro;
        });
        if (!goleiroapto && l.status == kTitular) novo = kNaoEscalado;
    } else if (goleiro && c.goleiro() && l.status != kTitular) {
        if (l.status == kNaoEscalado) {
            if (R < kMaxReservas) novo = kReserva;
        } else {
            novo = kNaoEscalado;
        }
    } else if (S >= 11) {
        if (R >= kMaxReservas || l.status != kNaoEscalado) novo = kNaoEscalado;
        else novo = kReserva;
    } else {
        novo = l.status == kTitular ? kNaoEscalado : kTitular;
    }
    if (novo == l.status) return false;
    l.status = novo;
    contaescalacao(m, p);
    return true;
}

void mudafuncao(Mundo& m, TPlantel& p, int linha, int funcao) {
    if (linha < 0 || linha >= static_cast<int>(p.linhas.size()) || funcao < 0 || funcao > 2) return;
    m.jogadores[p.linhas[linha].jogador].funcao = funcao;
    contaescalacao(m, p);
}

namespace {

struct TEsquemaHumano {
    const char* nome;
    int d, meias, a;
};
constexpr TEsquemaHumano kEsquemas[] = {
    {"5-4-1", 5, 4, 1}, {"5-3-2", 5, 3, 2}, {"4-3-3", 4, 3, 3}, {"4-4-2", 4, 4, 2},
    {"4-5-1", 4, 5, 1}, {"3-4-3", 3, 4, 3}, {"3-5-2", 3, 5, 2},
};

bool oferecido(const TEsquemaHumano& e, const TDisponiveis& d) {
    const int L = d.porposicao[kLateral], Z = d.porposicao[kZagueiro];
    const int M = d.porposicao[kMeioCampo], A = d.porposicao[kAtacante];
    if (std::string_view(e.nome) == "3-5-2") return M >= 3 && Z >= 3 && (L >= 2 || M >= 5) && A >= 2;
    return L + Z >= e.d && M >= e.meias && A >= e.a;
}

// Fit outfield players by position (and `disponiveis` recounted), without those who may only
// play from the next match: a formation is offered and split only with players who can start.
TDisponiveis aptos(Mundo& m, int time) {
    TDisponiveis d = contadisponiveis(m, time);
    for (int i : elenco(m, time)) {
        const TJogador& j = m.jogadores[i];
        if (j.soproximojogo && j.posicao >= 1 && j.posicao <= 4 && escalavel(m, i)) {
            --d.porposicao[j.posicao];
            --d.total;
        }
    }
    return d;
}

}  // namespace

std::vector<std::string> listaesquemas(Mundo& m, int time) {
    std::vector<std::string> r;
    if (!timevalido(m, time)) return r;
    const TDisponiveis d = aptos(m, time);
    for (const auto& e : kEsquemas)
        if (oferecido(e, d)) r.emplace_back(e.nome);
    return r;
}

bool escalaautomatica(Mundo& m, TPlantel& p, std::string_view esquema) {
    const TEsquemaHumano* e = nullptr;
    for (const auto& x : kEsquemas)
        if (esquema == x.nome) e = &x;
    if (!e || !timevalido(m, p.time)) return false;
    const TDisponiveis disp = aptos(m, p.time);

    std::vector<int> candidatos;  // row numbers, best first
    for (size_t i = 0; i < p.linhas.size(); ++i) {
        if (!selecionavel(p.linhas[i].status)) continue;
        p.linhas[i].status = kNaoEscalado;
        candidatos.push_back(static_cast<int>(i));
    }
    std::stable_sort(candidatos.begin(), candidatos.end(), [&](int a, int b) {
        const TJogador& x = m.jogadores[p.linhas[a].jogador];
        const TJogador& y = m.jogadores[p.linhas[b].jogador];
        return std::tuple(x.forca, x.energia, golsgrade(x)) > std::tuple(y.forca, y.energia, golsgrade(y));
    });
    // The best still unselected candidate of a position (any outfield position for -1).
    auto melhor = [&](int posicao) -> TLinhaPlantel* {
        for (int i : candidatos) {
            TLinhaPlantel& l = p.linhas[i];
            const int pos = m.jogadores[l.jogador].posicao;
            if (l.status != kNaoEscalado) continue;
            if (posicao >= 0 ? pos == posicao : pos != kGoleiro) return &l;
        }
        return nullptr;
    };

    int z = 0, l = 0, meias = e->meias;
    const bool tres5dois = std::string_view(e->nome) == "3-5-2";
    if (tres5dois) {
        l = disp.porposicao[kLateral] >= 2 ? 2 : 0;
        z = 3;
        meias = l == 2 ? 3 : 5;
    } else {
        // Zagueiros two at a time, then laterais two at a time, while both last; every one
        // placed is one fewer available, so the split never asks for more than the club has.
        int Z = disp.porposicao[kZagueiro], L = disp.porposicao[kLateral];
        int resta = e->d;
        while (resta > 0) {
            const int antes = resta;
            if (resta >= 2 && Z >= 2) { z += 2; Z -= 2; resta -= 2; }
            else if (resta >= 1 && Z >= 1) { z += 1; Z -= 1; resta -= 1; }
            if (resta >= 2 && L >= 2) { l += 2; L -= 2; resta -= 2; }
            else if (resta >= 1 && L >= 1) { l += 1; L -= 1; resta -= 1; }
            if (resta == antes) break;
        }
    }

    if (TLinhaPlantel* g = melhor(kGoleiro)) g->status = kTitular;
    for (int k = 0; k < l; ++k) {
        TLinhaPlantel* x = melhor(kLateral);
        if (!x) break;
        x->status = kTitular;
        TJogador& j = m.jogadores[x->jogador];
        if (tres5dois) j.funcao = 2;
        else if (j.funcao == 2) j.funcao = funcaopadrao(kLateral, j.habilidade1, j.habilidade2);
    }
    const std::pair<int, int> linhas[] = {{kZagueiro, z}, {kMeioCampo, meias}, {kAtacante, e->a}};
    for (auto [posicao, n] : linhas) {
        for (int k = 0; k < n; ++k) {
            TLinhaPlantel* x = melhor(posicao);
            if (!x) break;
            x->status = kTitular;
        }
    }
    int reservas = 0;
    for (int posicao : {kGoleiro, kLateral, kZagueiro, kMeioCampo, kAtacante}) {
        if (TLinhaPlantel* x = melhor(posicao)) {
            x->status = kReserva;
            ++reservas;
        }
    }
    while (reservas < kMaxReservas) {
        TLinhaPlantel* x = melhor(-1);
        if (!x) break;
        x->status = kReserva;
        ++reservas;
    }
    contaescalacao(m, p);
    return true;
}

bool confirmaescalacao(Mundo& m, TPlantel& p) {
    if (!timevalido(m, p.time)) return false;
    if (!contaescalacao(m, p).podejogar) return false;
    novalinha(m, p.time);
    TEscalacao& r = *linhade(m, p.time);
    int slot = 1, banco = kPrimeiroBanco;
    for (const TLinhaPlantel& l : p.linhas) {
        TJogador& j = m.jogadores[l.jogador];
        if (l.status == kTitular) {
            escalajogador(m, p.time, l.jogador, slot);
            if (j.posicao != kGoleiro) ++slot;
        } else if (l.status == kReserva && banco <= kUltimoBanco) {
            j.escalacao = 2;
            r[banco++] = l.jogador;
        } else {
            j.escalacao = 0;
            j.soproximojogo = 0;
        }
    }
    verificatitulares(m, p.time);
    contadisponiveis(m, p.time);
    return true;
}

void improvisa(Mundo& m, int jogador, int posicao) {
    if (!jogadorvalido(m, jogador)) return;
    TJogador& j = m.jogadores[jogador];
    j.posicao = posicaovalida(posicao) ? posicao : j.posicaooriginal;
}

std::vector<int> posicoesimprovisa(const TJogador& j) {
    std::vector<int> r;
    for (int p = 0; p < kNumPosicoes; ++p)
        if (p != j.posicaooriginal) r.push_back(p);
    return r;
}

void escolhenumero(Mundo& m, int jogador, int numero) {
    if (!jogadorvalido(m, jogador) || numero < 0 || numero > 28) return;
    TJogador& j = m.jogadores[jogador];
    if (numero > 0) {
        for (int i : elencoatual(m, j.time)) {
            TJogador& o = m.jogadores[static_cast<size_t>(i)];
            if (i != jogador && o.numero == numero) o.numero = 0;
        }
    }
    j.numero = numero;
}

void retiradavenda(Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return;
    m.jogadores[jogador].avenda = 0;
    m.jogadores[jogador].precovenda = 0;
}

int golsgrade(const TJogador& j) {
    int g = 0;
    for (int k = kLiga; k <= kMundialClubes; ++k) g += j.gols[k];
    return g;
}

int valorgrade(const TJogador& j) { return j.avenda ? j.precovenda : j.passe; }

bool podevender(const Mundo& m, int time) {
    return timevalido(m, time) && m.times[time].disponiveis > 9;
}
bool podeaposentar(const TJogador& j) { return j.idade >= 32 && j.emprestado != 2; }
bool podeimprovisar(const TJogador& j) { return j.emprestado != 2; }

bool podepropor(const TJogador& j) { return podeimprovisar(j); }

}  // namespace tarvello
