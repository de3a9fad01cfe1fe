#include "club/transferencias.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "club/contratos.h"
#include "club/elenco.h"
#include "club/financas.h"
#include "database/arquivos.h"
#include "match/escalacao.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "news/mensagens.h"

namespace tarvello {
namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }
bool jogadorvalido(const Mundo& m, int j) { return j > 0 && j < static_cast<int>(m.jogadores.size()); }

// The countries whose players may refuse a smaller club when bought at the asking price.
bool grandeliga(int pais) {
    const std::string_view n = nomepais(pais);
    return n == "Alemanha" || n == "Espanha" || n == "Inglaterra" || n == "Itália" || n == "Portugal";
}

bool dezclubes(const Mundo& m) { return m.estado.sistemadisputa == 4; }

int estrelasdo(const Mundo& m, int time) {
    int n = 0;
    for (int i : elencoatual(m, time)) n += m.jogadores[static_cast<size_t>(i)].estrela != 0;
    return n;
}

// Money to the origin and from the destination, the contract, the record and the player's
// resets; the player already belongs to `destino`.
void registravenda(Mundo& m, int jogador, int origem, int destino, int32_t preco, int32_t multa) {
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    novocontrato(m, jogador, dezclubes(m) ? 10 : 15);
    creditafinancas(m, origem, &TFinancas::vendas, preco);
    if (multa > 0) debitafinancas(m, origem, &TFinancas::multas, multa);
    debitafinancas(m, destino, &TFinancas::compras, preco);
    m.transferencias.push_back({jogador, m.estado.temporada, origem, destino, preco});
    j.gols[kEstadual] = 0;
    j.semjogar = 0;
    j.reclamou = 0;
    j.moralvolta = 0;
    j.emprestado = 0;
    j.avenda = 0;
    j.precovenda = j.passe;
    j.moral = 3;

    const TTime& d = m.times[static_cast<size_t>(destino)];
    const int atual = m.estado.timeatual;
    if (j.estrela && destino != atual && d.nivel > 22 && timevalido(m, atual) && m.times[static_cast<size_t>(atual)].humano)
        enviamensagem(m, atual, kMsgImprensa, 0, jogador, destino);
    if (j.estrela && d.humano && estrelasdo(m, destino) > 3 && m.sorteia(100) > 20) {
        TTime& dd = m.times[static_cast<size_t>(destino)];
        dd.moraltime = std::max(1, dd.moraltime - 1);
        enviamensagem(m, destino, kMsgRacha, 0, jogador);
    }
}

// A computer buyer of a human coach's player keeps its cash: the price goes back to it (its
// purchases column keeps the price).
void devolve(Mundo& m, int time, int32_t preco) {
    int32_t& d = m.times[static_cast<size_t>(time)].dinheiro;
    d = static_cast<int32_t>(std::clamp<int64_t>(static_cast<int64_t>(d) + preco, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max()));
}

// A club table draw among the real clubs from `inicio` on.
int sorteiaclube(Mundo& m, int inicio, int fim) { return fim > inicio ? inicio + m.sorteia(fim - inicio) : -1; }

// The first player of the club with natural position `pos` who may be sold; 0 none.
int primeirodaposicao(const Mundo& m, int time, int pos) {
    for (int i : elencoatual(m, time))
        if (m.jogadores[static_cast<size_t>(i)].posicaooriginal == pos) return podetransferir(m, i) ? i : 0;
    return 0;
}

}  // namespace

int numclubesreais(const Mundo& m) {
    const int64_t n = static_cast<int64_t>(m.estado.numclubesliga) + m.estado.numclubesextras;
    return static_cast<int>(std::clamp<int64_t>(n, 0, static_cast<int64_t>(m.times.size())));
}

bool podetransferir(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return false;
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    if (!timevalido(m, j.time) || j.emprestado == 2) return false;
    // A player in a line-up his coach has already confirmed for today plays for that club.
    if (const TEscalacao* r = linhade(m, j.time))
        for (int s = 1; s <= kUltimoBanco; ++s)
            if ((*r)[s] == jogador && (s <= 11 || s >= kPrimeiroBanco)) return false;
    return m.times[static_cast<size_t>(j.time)].numjogadores > kMinimoElenco;
}

int percentualmulta(int64_t dias) {
    if (dias < 0) return 0;
    if (dias <= 30) return 12;
    if (dias <= 60) return 15;
    if (dias <= 90) return 20;
    if (dias <= 180) return 22;
    if (dias <= 360) return 25;
    return 30;
}

bool efetuatransferencia(Mundo& m, int jogador, int destino, int32_t preco) {
    if (!podetransferir(m, jogador) || !timevalido(m, destino)) return false;
    const int origem = m.jogadores[static_cast<size_t>(jogador)].time;
    if (origem == destino || m.times[static_cast<size_t>(destino)].numjogadores >= kMaximoElenco) return false;
    int32_t multa = 0;
    if (m.times[static_cast<size_t>(origem)].humano)
        multa = arredonda(static_cast<double>(preco) * percentualmulta(diasdecontrato(m, jogador)) / 100.0);
    mudaclube(m, jogador, destino);
    registravenda(m, jogador, origem, destino, preco, multa);
    return true;
}

int vontadejogador(const Mundo& m, int jogador, int comprador, bool oferta) {
    if (!jogadorvalido(m, jogador) || !timevalido(m, comprador)) return 0;
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    if (!timevalido(m, j.time)) return 0;
    const TTime& v = m.times[static_cast<size_t>(j.time)];
    const int a = v.divisao, b = m.times[static_cast<size_t>(comprador)].divisao;
    if (!(a < b)) return 0;
    const bool dez = dezclubes(m);
    if (!oferta) {
        if (!grandeliga(v.pais)) return 0;
        if (!dez) return a == 1 ? 3 : 0;
        if (a == 1 && b == 2) return j.forca <= 50 ? 4 : 5;
        if (a == 1) return j.forca <= 40 ? 5 : 8;
        return 0;
    }
    const bool aberto = v.nivel < 20 || j.avenda;
    if (!dez) return a == 1 ? (aberto ? 3 : -1) : 0;
    if (a == 1 && b == 2) return aberto ? (j.forca < 51 ? 3 : 4) : -1;
    if (a == 1 && b == 3) return aberto ? (j.forca < 41 ? 3 : 5) : -1;
    if (a == 1 && b == 4) return -1;
    if (a == 2 && b == 3) return aberto ? 2 : -1;
    if (a == 2 && b == 4) return v.nivel < 18 || j.avenda ? 3 : -1;
    return 0;
}

TRespostaOferta avaliaoferta(const Mundo& m, int jogador, int64_t oferta) {
    TRespostaOferta r;
    if (!jogadorvalido(m, jogador)) return r;
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    if (!timevalido(m, j.time)) return r;
    const int64_t v = j.passe;
    if (j.avenda && oferta >= v) {
        r.aceita = true;
        return r;
    }
    const TTime& t = m.times[static_cast<size_t>(j.time)];
    const int n = posicaovalida(j.posicao) ? t.numporposicao[j.posicao] : 0;
    // Factors in tenths of the value, by number of players in the position: 1, 2, 3, 4, more.
    static constexpr std::array<std::array<int, 5>, kNumPosicoes> kFatores = {{
        {25, 20, 15, 15, 15},  // goleiro
        {22, 20, 20, 12, 12},  // lateral
        {22, 20, 20, 12, 12},  // zagueiro
        {22, 22, 12, 20, 12},  // meio campo
        {22, 20, 13, 13, 13},  // atacante
    }};
    const int pos = posicaovalida(j.posicaooriginal) ? j.posicaooriginal : kMeioCampo;
    const int coluna = n >= 1 && n <= 4 ? n - 1 : 4;
    r.aceita = oferta * 10 >= v * kFatores[static_cast<size_t>(pos)][static_cast<size_t>(coluna)];
    r.substituicao = r.aceita && n == 1;
    return r;
}

bool concluicompra(Mundo& m, int jogador, int comprador, int32_t preco, int fator, bool substituicao) {
    if (!podetransferir(m, jogador)) return false;
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    const int vendedor = j.time;
    const int32_t salario = j.salario;
    if (fator > 1)
        j.salario = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(salario) * fator, std::numeric_limits<int32_t>::max()));
    if (!efetuatransferencia(m, jogador, comprador, preco)) {
        j.salario = salario;
        return false;
    }
    if (substituicao && !m.times[static_cast<size_t>(vendedor)].humano)
        compraposicao(m, vendedor, j.posicaooriginal, j.forca, preco);
    return true;
}

int compraposicao(Mundo& m, int time, int posicao, int forca, int64_t dinheiro) {
    if (!timevalido(m, time) || !posicaovalida(posicao)) return 0;
    const int reais = numclubesreais(m);
    const int sobra = posicao == kGoleiro ? 2 : 1;
    auto candidatos = [&](bool perto, int64_t limite, size_t maximo) {
        std::vector<int> r;
        const int minimo = forca <= 10 ? 5 : forca - 10;
        for (size_t i = 1; i < m.jogadores.size() && r.size() < maximo; ++i) {
            const TJogador& j = m.jogadores[i];
            if (j.time < 0 || j.time >= reais || j.time == time) continue;
            const TTime& t = m.times[static_cast<size_t>(j.time)];
            if (t.humano || t.numporposicao[posicao] <= sobra || j.posicaooriginal != posicao) continue;
            if (perto && (j.forca < minimo || j.forca > forca + 10)) continue;
            if (j.passe > limite || !podetransferir(m, static_cast<int>(i))) continue;
            r.push_back(static_cast<int>(i));
        }
        return r;
    };
    std::vector<int> c = candidatos(true, dinheiro, 50);
    if (c.empty()) c = candidatos(false, dinheiro * 3, 30);
    if (c.empty()) return 0;
    const int escolhido = c[static_cast<size_t>(m.sorteia(static_cast<int>(c.size())))];
    return efetuatransferencia(m, escolhido, time, m.jogadores[static_cast<size_t>(escolhido)].passe) ? escolhido : 0;
}

int compramercado(Mundo& m, int pais) {
    const int reais = numclubesreais(m);
    if (reais <= 1) return 0;
    const bool livre = pais < 0;
    if (pais < 0 && m.ligas.size() > 1)
        pais = m.ligas[static_cast<size_t>(m.sorteia(static_cast<int>(m.ligas.size())))].pais;
    std::vector<int> faixa;
    for (int t = 0; t < reais; ++t)
        if (pais < 0 || m.times[static_cast<size_t>(t)].pais == pais) faixa.push_back(t);
    if (faixa.empty()) return 0;
    auto vendedorvalido = [&](const TTime& t) { return !t.humano && t.divisao > 0; };

    int vendedor = -1;
    // With no country asked for, a crowded squad sells first.
    if (livre)
        for (int t : faixa) {
            const TTime& x = m.times[static_cast<size_t>(t)];
            if (vendedorvalido(x) && x.numjogadores > 25 && x.disponiveis > 11) {
                vendedor = t;
                break;
            }
        }
    for (int k = 0; k < 500 && vendedor < 0; ++k) {
        const int t = faixa[static_cast<size_t>(m.sorteia(static_cast<int>(faixa.size())))];
        const TTime& x = m.times[static_cast<size_t>(t)];
        if (vendedorvalido(x) && x.disponiveis > 15 && x.nivel > 6) vendedor = t;
    }
    if (vendedor < 0) return 0;
    const TTime& v = m.times[static_cast<size_t>(vendedor)];

    int posicao = -1;
    for (int k = 0; k < 250 && posicao < 0; ++k) {
        const int p = m.sorteia(kNumPosicoes);
        if (v.numporposicao[p] > 2) posicao = p;
    }
    if (posicao < 0) return 0;
    const int jogador = primeirodaposicao(m, vendedor, posicao);
    if (jogador == 0) return 0;

    static constexpr int kLimite[kNumPosicoes] = {3, 5, 5, 10, 6};
    int comprador = -1;
    for (int k = 0; k < 500 && comprador < 0; ++k) {
        const int t = sorteiaclube(m, faixa.front(), reais);
        if (t == vendedor || t < 0) continue;
        const TTime& c = m.times[static_cast<size_t>(t)];
        if (c.humano || c.disponiveis >= 22 || c.divisao <= 0) continue;
        if (c.nivel < v.nivel - 2 || c.nivel > v.nivel + 5 || c.numporposicao[posicao] >= kLimite[posicao]) continue;
        comprador = t;
    }
    if (comprador < 0) return 0;
    return efetuatransferencia(m, jogador, comprador, m.jogadores[static_cast<size_t>(jogador)].passe) ? jogador : 0;
}

int mercadodarodada(Mundo& m, int data) {
    int k, j;
    auto sorteio = [&](int base) { return m.sorteia(3) + base; };
    if (dezclubes(m)) {
        if (data < 60) k = 3, j = 4;
        else if (data <= 92) k = 1, j = 2;
        else if (data <= 101) k = sorteio(1), j = sorteio(1);
        else k = sorteio(3), j = sorteio(3);
    } else {
        if (data <= 62) k = 3, j = 4;
        else if (data <= 119) k = 1, j = 2;
        else if (data <= 135) k = sorteio(0), j = sorteio(0);
        else k = sorteio(2), j = sorteio(2);
    }
    int lotes = 1;
    if (m.ligas.size() > 1) ++lotes;
    if (m.ligas.size() > 4) ++lotes;
    int movidos = 0;
    for (int l = 0; l < lotes; ++l)
        for (int a = 0; a < k; ++a) movidos += compramercado(m, -1) != 0;
    const bool brasil = std::any_of(m.ligas.begin(), m.ligas.end(), [](const TLiga& l) { return l.pais == kBrasil; });
    if (brasil && m.ligas.size() > 1)
        for (int a = 0; a < j; ++a) movidos += compramercado(m, kBrasil) != 0;
    return movidos;
}

int vendelistados(Mundo& m, int time) {
    if (!timevalido(m, time)) return 0;
    const TTime& h = m.times[static_cast<size_t>(time)];
    int liga = -1;
    for (size_t l = 0; l < m.ligas.size(); ++l)
        if (m.ligas[l].pais == h.pais) liga = static_cast<int>(l);
    if (liga < 0 || h.divisao < 1 || h.divisao > 4) return 0;
    const int pordivisao = dezclubes(m) ? 10 : 20;
    int vendas = 0;
    for (int jogador : elenco(m, time)) {
        TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
        if (!j.avenda || !podetransferir(m, jogador)) continue;
        const int64_t margem = static_cast<int64_t>(j.precovenda) - j.passe;
        int acima;  // a random 0..99 above this sells
        if (margem <= 0) acima = -1;
        else if (margem < 1000) acima = 10;
        else if (margem * 10 <= j.passe) acima = 20;
        else if (margem * 5 <= j.passe) acima = 40;
        else if (margem * 10 <= static_cast<int64_t>(j.passe) * 3) acima = 75;
        else if (margem * 5 <= static_cast<int64_t>(j.passe) * 2) acima = 85;
        else if (margem * 2 <= j.passe) acima = 95;
        else continue;
        if (acima >= 0 && m.sorteia(100) <= acima) continue;
        int comprador = -1;
        for (int k = 0; k < 30 && comprador < 0; ++k) {
            const int t = m.ligas[static_cast<size_t>(liga)].times[h.divisao - 1][m.sorteia(pordivisao)];
            if (timevalido(m, t) && t < numclubesreais(m) && !m.times[static_cast<size_t>(t)].humano &&
                m.times[static_cast<size_t>(t)].numjogadores < 23)
                comprador = t;
        }
        if (comprador < 0) continue;
        const int32_t preco = j.precovenda;
        j.passe = preco;
        if (!efetuatransferencia(m, jogador, comprador, preco)) continue;
        devolve(m, comprador, preco);
        enviamensagem(m, time, kMsgVenda, 0, jogador, comprador, preco);
        ++vendas;
    }
    return vendas;
}

TProposta sorteiaproposta(Mundo& m, int time) {
    TProposta p;
    if (!timevalido(m, time)) return p;
    const TTime& h = m.times[static_cast<size_t>(time)];
    if (h.numjogadores <= 14 || m.sorteia(30) != 0) return p;
    const int reais = numclubesreais(m);
    for (int k = 0; k < 200 && p.comprador < 0; ++k) {
        const int t = sorteiaclube(m, 0, reais);
        if (t < 0) break;
        const TTime& c = m.times[static_cast<size_t>(t)];
        if (!c.humano && c.numjogadores <= 24 && c.divisao > 0 && c.divisao >= h.divisao && c.nivel > 8) p.comprador = t;
    }
    if (p.comprador < 0) return p;
    const std::vector<int> lista = elenco(m, time);
    for (int k = 0; k < 28 && p.jogador == 0; ++k) {
        const int i = m.sorteia(28);
        if (i < static_cast<int>(lista.size()) && podetransferir(m, lista[static_cast<size_t>(i)]))
            p.jogador = lista[static_cast<size_t>(i)];
    }
    if (p.jogador == 0) {
        p.comprador = -1;
        return p;
    }
    const TJogador& j = m.jogadores[static_cast<size_t>(p.jogador)];
    const int r = m.sorteia(100);
    const double acrescimo = r <= 40 ? 0.25 : r <= 70 ? 0.35 : r <= 85 ? 0.45 : r <= 95 ? 0.50 : 0.60;
    int64_t valor = static_cast<int64_t>(j.passe) + arredonda(j.passe * acrescimo);
    if (j.avenda && valor >= j.precovenda) valor = j.precovenda - arredonda(j.precovenda * 0.2);
    p.valor = static_cast<int32_t>(std::clamp<int64_t>(valor, 0, std::numeric_limits<int32_t>::max()));
    return p;
}

bool aceitaproposta(Mundo& m, const TProposta& p) {
    if (p.jogador <= 0 || !timevalido(m, p.comprador)) return false;
    if (!efetuatransferencia(m, p.jogador, p.comprador, p.valor)) return false;
    devolve(m, p.comprador, p.valor);
    return true;
}

void colocaalista(Mundo& m, int jogador, int32_t preco) {
    if (!jogadorvalido(m, jogador)) return;
    m.jogadores[static_cast<size_t>(jogador)].avenda = 1;
    m.jogadores[static_cast<size_t>(jogador)].precovenda = preco;
}

bool lemilhares(std::string_view texto, int32_t& valor) {
    if (texto.empty() || texto.size() > 12) return false;
    int64_t n = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    n *= 1000;
    if (n <= 0 || n > std::numeric_limits<int32_t>::max()) return false;
    valor = static_cast<int32_t>(n);
    return true;
}

}  // namespace tarvello
