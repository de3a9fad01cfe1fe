// The transfer market's rules: the value, the transfer's bookkeeping, the answers of clubs and
// players, the computer purchases and the player search.
#include <gtest/gtest.h>

#include <algorithm>

#include "../apoio/mundopequeno.h"
#include "club/busca.h"
#include "club/contratos.h"
#include "club/elenco.h"
#include "club/financas.h"
#include "club/transferencias.h"
#include "club/valores.h"
#include "match/escalacao.h"
#include "model/hoje.h"
#include "model/mensagem.h"
#include "model/tipos.h"

using namespace tarvello;

namespace {

int paischamado(std::string_view nome) {
    for (int p = 0; p < kNumPaises; ++p)
        if (nomepais(p) == nome) return p;
    return -1;
}

// Ten clubs of one 10-club division, club 0 run by the human coach.
Mundo mercado() {
    Mundo m = teste::mundoliga(4, 1);
    m.times[0].humano = 1;
    m.estado.numtecnicoshumanos = 1;
    m.estado.timedotecnico[0] = 0;
    m.estado.timeatual = 0;
    recalculasalarios(m);
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) recontaelenco(m, t);
    return m;
}

}  // namespace

// The value at a few bands: confederation and level pick the base, the star and starter
// bonuses and the age step follow.
TEST(Mercado, ValorPorFaixa) {
    Mundo m = teste::mundopequeno(1, 1);
    TJogador& j = m.jogadores[1];
    j.forca = 50;
    j.idade = 30;
    m.times[0].pais = paischamado("Inglaterra");
    m.times[0].nivel = 21;
    j.estrela = 1;  // level 21 in Europe: base doubled
    EXPECT_EQ(calculapasse(m, 1), (600 * 2 + 2 * 15) * 100 * 100);
    j.escalacao = 1;  // + 20 % of the doubled base
    EXPECT_EQ(calculapasse(m, 1), (1200 + 240 + 30) * 10000);
    j.estrela = 0;
    j.escalacao = 0;
    m.times[0].pais = kBrasil;  // South America: 366, age step 20 under 26
    j.idade = 22;
    EXPECT_EQ(calculapasse(m, 1), (366 + 10 * 20) * 10000);
    j.idade = 33;
    EXPECT_EQ(calculapasse(m, 1), (366 + 2 * 50) * 10000);
}

// A sale between a human seller and a computer buyer: the player's roles, marks and list
// entry go, both squads and wage bills are recounted, the money and finance columns of both
// clubs move by the price, and the seller pays the termination fine of the days left.
TEST(Mercado, TransferenciaEscrituraCompleta) {
    Mundo m = mercado();
    std::vector<int> e = elenco(m, 0);
    const int p = e[3];
    TJogador& j = m.jogadores[static_cast<size_t>(p)];
    j.escalacao = 1;
    j.numero = 9;
    j.avenda = 1;
    j.precovenda = 2000000;
    j.passe = 1500000;
    j.salario = 7000;
    j.estrela = 0;
    j.contratoate = datahoje(m) + 45;
    j.gols[kEstadual] = 4;
    j.moral = 1;
    m.times[0].capitao = p;
    m.times[0].cobradorfaltas = p;
    m.jogadores[static_cast<size_t>(e[4])].escalacao = 1;
    recalculasalarios(m);
    const int32_t caixav = m.times[0].dinheiro, caixac = m.times[5].dinheiro;
    const int posicao = j.posicao;
    const int antesv = m.times[0].numporposicao[posicao], antesc = m.times[5].numporposicao[posicao];

    ASSERT_TRUE(efetuatransferencia(m, p, 5, 1000000));
    EXPECT_EQ(j.time, 5);
    EXPECT_EQ(m.times[0].numjogadores, 17);
    EXPECT_EQ(m.times[5].numjogadores, 19);
    EXPECT_EQ(m.times[0].numporposicao[posicao], antesv - 1);
    EXPECT_EQ(m.times[5].numporposicao[posicao], antesc + 1);
    EXPECT_NE(m.times[0].capitao, p);
    EXPECT_NE(m.times[0].cobradorfaltas, p);
    EXPECT_EQ(j.escalacao, 0);
    EXPECT_EQ(j.numero, 0);
    EXPECT_EQ(j.avenda, 0);
    EXPECT_EQ(j.precovenda, j.passe);
    EXPECT_EQ(j.moral, 3);
    EXPECT_EQ(j.gols[kEstadual], 0);
    EXPECT_EQ(j.soproximojogo, 0);  // a computer buyer: he may play at once
    EXPECT_DOUBLE_EQ(j.contratoate, datahoje(m) + 70);  // 10 weeks in the 10-club format
    // 45 days left: 15 % fine.
    EXPECT_EQ(m.times[0].dinheiro, caixav + 850000);
    EXPECT_EQ(m.financas[0].vendas, 1000000);
    EXPECT_EQ(m.financas[0].multas, 150000);
    EXPECT_EQ(m.times[5].dinheiro, caixac - 1000000);
    EXPECT_EQ(m.financas[5].compras, 1000000);
    for (int t : {0, 5}) {
        const int32_t folha = m.financas[static_cast<size_t>(t)].salariosemanal;
        recalculasalarios(m, t);
        EXPECT_EQ(folha, m.financas[static_cast<size_t>(t)].salariosemanal);
    }
    ASSERT_EQ(m.transferencias.size(), 1u);
    const TTransferencia& r = m.transferencias[0];
    EXPECT_EQ(r.jogador, p);
    EXPECT_EQ(r.origem, 0);
    EXPECT_EQ(r.destino, 5);
    EXPECT_EQ(r.preco, 1000000);
    EXPECT_EQ(r.temporada, 1);

    // A computer seller pays no fine, whatever the contract.
    const int q = elenco(m, 6)[2];
    m.jogadores[static_cast<size_t>(q)].contratoate = datahoje(m) + 10;
    ASSERT_TRUE(efetuatransferencia(m, q, 5, 300000));
    EXPECT_EQ(m.financas[6].multas, 0);
    EXPECT_EQ(m.financas[6].vendas, 300000);
}

// Every way of selling goes through one rule: a loaned player, a squad at its minimum, a full
// buyer and the same club are refused, changing nothing.
TEST(Mercado, VendasRecusadas) {
    Mundo m = mercado();
    const int p = elenco(m, 2)[1];
    m.jogadores[static_cast<size_t>(p)].emprestado = 2;
    EXPECT_FALSE(podetransferir(m, p));
    EXPECT_FALSE(efetuatransferencia(m, p, 3, 1000));
    m.jogadores[static_cast<size_t>(p)].emprestado = 0;
    // In a line-up confirmed for today he plays for his club first.
    novalinha(m, 2)[3] = p;
    EXPECT_FALSE(podetransferir(m, p));
    m.diajogo.escalacoes.clear();
    m.times[2].linhaescalacao = -1;
    EXPECT_TRUE(podetransferir(m, p));
    EXPECT_FALSE(efetuatransferencia(m, p, 2, 1000));
    m.times[3].numjogadores = kMaximoElenco;
    EXPECT_FALSE(efetuatransferencia(m, p, 3, 1000));
    recontaelenco(m, 3);
    // Down to a side's worth of players, the club sells no more.
    std::vector<int> e = elenco(m, 2);
    for (size_t k = 0; k + kMinimoElenco < e.size(); ++k) ASSERT_TRUE(efetuatransferencia(m, e[k], 4 + static_cast<int>(k % 5), 0));
    EXPECT_EQ(m.times[2].numjogadores, kMinimoElenco);
    EXPECT_FALSE(efetuatransferencia(m, elenco(m, 2)[0], 3, 1000));
    EXPECT_TRUE(m.transferencias.size() == e.size() - kMinimoElenco);
}

// The player's answer to a club of a lower division, in both formats and both tables.
TEST(Mercado, VontadeDoJogador) {
    Mundo m = teste::mundoliga(2, 2);
    const int vendedor = 0, comprador = 25;  // first and second division
    const int p = elenco(m, vendedor)[1];
    TJogador& j = m.jogadores[static_cast<size_t>(p)];
    m.times[vendedor].pais = paischamado("Itália");
    j.avenda = 0;
    m.times[vendedor].nivel = 21;
    EXPECT_EQ(vontadejogador(m, p, comprador, false), 3);
    EXPECT_EQ(vontadejogador(m, p, comprador, true), -1);  // closed: level 21, not listed
    j.avenda = 1;
    EXPECT_EQ(vontadejogador(m, p, comprador, true), 3);
    EXPECT_EQ(vontadejogador(m, elenco(m, comprador)[1], vendedor, true), 0);  // moving up: no effect
    m.times[vendedor].pais = kBrasil;  // "Comprar" asks nothing outside the five big leagues
    EXPECT_EQ(vontadejogador(m, p, comprador, false), 0);

    m.estado.sistemadisputa = 4;
    m.times[vendedor].pais = paischamado("Espanha");
    m.times[vendedor].divisao = 1;
    m.times[comprador].divisao = 2;
    j.forca = 50;
    EXPECT_EQ(vontadejogador(m, p, comprador, false), 4);
    j.forca = 51;
    EXPECT_EQ(vontadejogador(m, p, comprador, false), 5);
    EXPECT_EQ(vontadejogador(m, p, comprador, true), 4);
    m.times[comprador].divisao = 3;
    EXPECT_EQ(vontadejogador(m, p, comprador, false), 8);
    EXPECT_EQ(vontadejogador(m, p, comprador, true), 5);
    j.forca = 40;
    EXPECT_EQ(vontadejogador(m, p, comprador, true), 3);
    m.times[comprador].divisao = 4;
    EXPECT_EQ(vontadejogador(m, p, comprador, true), -1);
    m.times[vendedor].divisao = 2;
    j.avenda = 0;
    m.times[vendedor].nivel = 18;
    EXPECT_EQ(vontadejogador(m, p, comprador, true), -1);
    m.times[vendedor].nivel = 17;
    EXPECT_EQ(vontadejogador(m, p, comprador, true), 3);
    EXPECT_EQ(vontadejogador(m, p, comprador, false), 0);  // second to fourth: bought at once
}

// A computer club's answer to an offer: a listed player at his value, else the table by the
// players left in his position; the only goalkeeper needs 2.5 times and a replacement follows.
TEST(Mercado, OfertaEReposicao) {
    Mundo m = mercado();
    const int v = 3;
    std::vector<int> e = elenco(m, v);
    int goleiro = 0;
    for (int p : e)
        if (m.jogadores[static_cast<size_t>(p)].posicaooriginal == kGoleiro) goleiro = p;
    ASSERT_GT(goleiro, 0);
    ASSERT_EQ(m.times[v].numporposicao[kGoleiro], 1);
    m.jogadores[static_cast<size_t>(goleiro)].passe = 1000000;
    EXPECT_FALSE(avaliaoferta(m, goleiro, 2499999).aceita);
    const TRespostaOferta r = avaliaoferta(m, goleiro, 2500000);
    EXPECT_TRUE(r.aceita);
    EXPECT_TRUE(r.substituicao);
    m.jogadores[static_cast<size_t>(goleiro)].avenda = 1;
    EXPECT_TRUE(avaliaoferta(m, goleiro, 1000000).aceita);
    EXPECT_FALSE(avaliaoferta(m, goleiro, 1000000).substituicao);

    // Another club with three goalkeepers to spare one.
    std::vector<int> outros = elenco(m, 7);
    for (int k = 1; k <= 2; ++k) {
        TJogador& g = m.jogadores[static_cast<size_t>(outros[static_cast<size_t>(k)])];
        g.posicao = g.posicaooriginal = kGoleiro;
        g.forca = 50;
        g.passe = 100000;
    }
    recontaelenco(m, 7);
    ASSERT_TRUE(concluicompra(m, goleiro, 0, 2500000, 0, r.substituicao));
    EXPECT_EQ(m.jogadores[static_cast<size_t>(goleiro)].time, 0);
    EXPECT_EQ(m.times[v].numporposicao[kGoleiro], 1);  // bought another at once
    EXPECT_EQ(m.transferencias.back().destino, v);
    EXPECT_EQ(m.transferencias.back().origem, 7);
}

// A listed player priced at his value always sells when a buyer has room; the buyer keeps its
// cash while its purchases column shows the price, and the coach hears of it.
TEST(Mercado, ComputadorCompraListados) {
    Mundo m = mercado();
    const int p = elenco(m, 0)[2];
    TJogador& j = m.jogadores[static_cast<size_t>(p)];
    j.avenda = 1;
    j.precovenda = j.passe = 400000;
    std::vector<int32_t> caixa;
    for (const TTime& t : m.times) caixa.push_back(t.dinheiro);
    EXPECT_EQ(vendelistados(m, 0), 1);
    const int c = j.time;
    ASSERT_NE(c, 0);
    EXPECT_EQ(m.times[static_cast<size_t>(c)].dinheiro, caixa[static_cast<size_t>(c)]);
    EXPECT_EQ(m.financas[static_cast<size_t>(c)].compras, 400000);
    EXPECT_EQ(m.financas[0].vendas, 400000);
    ASSERT_FALSE(m.mensagens.empty());
    EXPECT_EQ(m.mensagens.back().outro, c);
    // Far above the value: never.
    const int q = elenco(m, 0)[3];
    m.jogadores[static_cast<size_t>(q)].avenda = 1;
    m.jogadores[static_cast<size_t>(q)].passe = 100000;
    m.jogadores[static_cast<size_t>(q)].precovenda = 160000;
    for (int k = 0; k < 50; ++k) vendelistados(m, 0);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(q)].time, 0);
}

// "Sim" on an unsolicited offer sells at the offer; the player's value stays.
TEST(Mercado, PropostaAceitaPeloValorOferecido) {
    Mundo m = mercado();
    for (TTime& t : m.times) t.nivel = 12;
    TProposta p;
    for (int k = 0; k < 2000 && p.jogador == 0; ++k) p = sorteiaproposta(m, 0);
    ASSERT_GT(p.jogador, 0);
    const int32_t passe = m.jogadores[static_cast<size_t>(p.jogador)].passe;
    EXPECT_GE(p.valor, passe);
    EXPECT_NE(m.times[static_cast<size_t>(p.comprador)].humano, 1);
    ASSERT_TRUE(aceitaproposta(m, p));
    EXPECT_EQ(m.jogadores[static_cast<size_t>(p.jogador)].passe, passe);
    EXPECT_EQ(m.transferencias.back().preco, p.valor);
}

// Prices typed in thousands: positive whole numbers whose dollars fit 32 bits.
TEST(Mercado, PrecoEmMilhares) {
    int32_t v = -1;
    EXPECT_TRUE(lemilhares("1200", v));
    EXPECT_EQ(v, 1200000);
    EXPECT_TRUE(lemilhares("2147483", v));
    EXPECT_EQ(v, 2147483000);
    for (const char* t : {"", "0", "-5", "12a", "2147484", "99999999999", " 5", "1.5"}) EXPECT_FALSE(lemilhares(t, v)) << t;
}

// The computer market moves players between computer clubs only, at their value, and never
// picks the national-team copies beyond the real clubs.
TEST(Mercado, MercadoEntreComputadores) {
    Mundo m = teste::mundoliga(4, 2);
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
        m.times[static_cast<size_t>(t)].disponiveis = 17;
        m.times[static_cast<size_t>(t)].nivel = 10;
        recontaelenco(m, t);
    }
    m.times[1].humano = 1;
    // A national-team copy after the real clubs.
    m.times.push_back(m.times[2]);
    m.financas.emplace_back();
    m.times.back().divisao = 1;
    int movidos = 0;
    for (int k = 0; k < 200; ++k) movidos += compramercado(m, -1) != 0;
    EXPECT_GT(movidos, 20);
    for (const TTransferencia& t : m.transferencias) {
        EXPECT_NE(t.origem, 1);
        EXPECT_NE(t.destino, 1);
        EXPECT_LT(t.destino, numclubesreais(m));
        EXPECT_LT(t.origem, numclubesreais(m));
        EXPECT_EQ(t.preco, m.jogadores[static_cast<size_t>(t.jogador)].passe);
    }
}

// The search: value bands meet without gaps, "Qualquer" takes everyone, players without a club
// are left out, and names match by prefix whatever the case.
TEST(Mercado, BuscaDeJogadores) {
    for (int f = 0; f + 2 < kFaixasValor; ++f) EXPECT_EQ(faixavalor(f).ate, faixavalor(f + 1).de);
    Mundo m = teste::mundopequeno(2, 5);
    m.estado.numclubesliga = 2;
    const int32_t valores[] = {0, 1000, 100000, 100001, 500000, 500001, 1000000, 3000000, 3000001, 10000001};
    for (size_t k = 0; k < std::size(valores); ++k) m.jogadores[k + 1].passe = valores[k];
    m.jogadores[10].time = -1;
    TFiltroBusca f;
    EXPECT_EQ(buscajogadores(m, f).size(), 9u);
    size_t soma = 0;
    for (int b = 0; b + 1 < kFaixasValor; ++b) {
        f.valor = b;
        soma += buscajogadores(m, f).size();
    }
    EXPECT_EQ(soma, 9u);  // each player in exactly one band
    f = TFiltroBusca{};
    m.jogadores[2].nome.define("Ávila Souza");
    f.nome = "ávi";
    EXPECT_EQ(buscajogadores(m, f), std::vector<int>{2});
    f.nome = "JOGADOR 1";  // club 1's five, less the one without a club
    EXPECT_EQ(buscajogadores(m, f).size(), 4u);
    EXPECT_EQ(textoencontrados(0), "Nenhum jogador encontrado");
    EXPECT_EQ(textoencontrados(3), "3 jogadores encontrados");
}
