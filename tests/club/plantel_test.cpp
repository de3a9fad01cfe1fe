#include <gtest/gtest.h>

#include <algorithm>

#include "club/elenco.h"
#include "club/plantel.h"
#include "club/plantel_textos.h"
#include "match/escalacao.h"
#include "model/hoje.h"
#include "model/tipos.h"
#include "season/semana.h"
#include "../apoio/mundopequeno.h"

using namespace tarvello;

namespace {

// A club 0 built position by position: `g` goalkeepers, `l` laterais, `z` zagueiros, `me` meio
// campos, `a` atacantes; strengths grow with the player index so the best is the last added.
// Club 1 keeps the small world's squad.
Mundo clube(int g, int l, int z, int me, int a) {
    Mundo m = teste::mundopequeno(2, 12, 36);
    m.estado.competicaoatual = kLiga;
    for (auto& j : m.jogadores)
        if (j.time == 0) j.time = 1;
    int forca = 40;
    const int contagem[5] = {g, l, z, me, a};
    for (int p = 0; p < 5; ++p) {
        for (int k = 0; k < contagem[p]; ++k) {
            TJogador j{};
            j.nome.define(std::string(1, letraposicao(p)) + std::to_string(k));
            j.time = 0;
            j.posicao = j.posicaooriginal = p;
            j.forca = forca++;
            j.energia = 100;
            j.idade = 25;
            j.contratoate = 1e6;
            m.jogadores.push_back(j);
        }
    }
    recontaelenco(m, 0);
    recontaelenco(m, 1);
    return m;
}

// Row of the first player of a position (in grid order) with the given status.
int linha(const Mundo& m, const TPlantel& p, int posicao, int status) {
    for (size_t i = 0; i < p.linhas.size(); ++i)
        if (m.jogadores[p.linhas[i].jogador].posicao == posicao && p.linhas[i].status == status)
            return static_cast<int>(i);
    return -1;
}

// Selects `n` unselected players of a position as the clicks allow.
void seleciona(Mundo& m, TPlantel& p, int posicao, int n) {
    for (int k = 0; k < n; ++k) ASSERT_TRUE(clicastatus(m, p, linha(m, p, posicao, kNaoEscalado)));
}

int conta(const TPlantel& p, int status) {
    return static_cast<int>(std::count_if(p.linhas.begin(), p.linhas.end(),
                                          [&](const TLinhaPlantel& l) { return l.status == status; }));
}

}  // namespace

TEST(Plantel, OrdemDasLinhasEStatusIniciais) {
    Mundo m = clube(2, 3, 3, 3, 3);
    EXPECT_EQ(ordemposicao(kLateral, 2), ordemposicao(kMeioCampo, 2));  // wing-backs together
    EXPECT_LT(ordemposicao(kZagueiro, 1), ordemposicao(kLateral, 2));
    EXPECT_EQ(ordemposicao(kZagueiro, 2), 4);

    const auto squad = elenco(m, 0);
    TJogador& ala = m.jogadores[squad[2]];  // a lateral playing as wing-back
    ala.funcao = 2;
    m.jogadores[squad[5]].habilidade1 = 20;
    m.jogadores[squad[0]].habilidade2 = -1;
    m.jogadores[squad[6]].escalacao = 1;
    m.jogadores[squad[7]].escalacao = 2;
    m.jogadores[squad[8]].escalacao = 1;
    m.jogadores[squad[8]].contusaoate = datahoje(m) + 3;
    m.jogadores[squad[9]].soproximojogo = 1;

    TPlantel p = montaplantel(m, 0);
    ASSERT_EQ(p.linhas.size(), squad.size());
    int anterior = -1;
    for (const auto& l : p.linhas) {
        const TJogador& j = m.jogadores[l.jogador];
        const int chave = ordemposicao(j.posicao, j.funcao);
        EXPECT_LE(anterior, chave);
        anterior = chave;
    }
    EXPECT_EQ(m.jogadores[p.linhas[0].jogador].posicao, kGoleiro);
    EXPECT_EQ(m.jogadores[squad[5]].habilidade1, 13);
    EXPECT_EQ(m.jogadores[squad[0]].habilidade2, 1);  // goalkeeper default
    // Without "Salvar escalação" everybody starts unselected, except the marks.
    EXPECT_EQ(p.linhas[p.linhadojogador(squad[6])].status, kNaoEscalado);
    EXPECT_EQ(p.linhas[p.linhadojogador(squad[8])].status, kIndisponivel);
    EXPECT_EQ(p.linhas[p.linhadojogador(squad[9])].status, kSoProximoJogo);
    EXPECT_EQ(m.jogadores[squad[6]].escalacao, 0);  // the recount wrote it

    m.jogadores[squad[6]].escalacao = 1;
    m.jogadores[squad[7]].escalacao = 2;
    m.jogadores[squad[8]].escalacao = 1;
    m.estado.salvarescalacao = 1;
    p = montaplantel(m, 0);
    EXPECT_EQ(p.linhas[p.linhadojogador(squad[6])].status, kTitular);
    EXPECT_EQ(p.linhas[p.linhadojogador(squad[7])].status, kReserva);
    EXPECT_EQ(p.linhas[p.linhadojogador(squad[8])].status, kIndisponivel);  // injury wins

    // Sorting by salary keeps the statuses with their players.
    m.jogadores[squad[6]].salario = 99999;
    ordenaplantel(m, p, kPorSalario, false);
    EXPECT_EQ(p.linhas[0].jogador, squad[6]);
    EXPECT_EQ(p.linhas[0].status, kTitular);
}

TEST(Plantel, IndisponiveisNaoPodemSerEscolhidos) {
    Mundo m = clube(1, 4, 4, 4, 4);
    const auto squad = elenco(m, 0);
    m.jogadores[squad[1]].amarelos[kLiga] = 3;
    m.jogadores[squad[1]].suspensao[kLiga] = 2;  // cards are tested first
    m.jogadores[squad[2]].suspensao[kLiga] = 2;
    m.jogadores[squad[3]].contusaoate = datahoje(m) + 10;
    m.jogadores[squad[4]].soproximojogo = 1;
    m.jogadores[squad[5]].suspensao[kCopaNacional] = 1;  // another competition: available
    m.jogadores[squad[6]].estrela = 1;
    m.jogadores[squad[3]].estrela = 1;
    EXPECT_EQ(condicaojogador(m, squad[1]), 4);
    EXPECT_EQ(condicaojogador(m, squad[2]), 1);
    EXPECT_EQ(condicaojogador(m, squad[3]), 3);
    EXPECT_EQ(condicaojogador(m, squad[5]), 0);
    EXPECT_EQ(imagemcondicao(m, squad[3]), 7);
    EXPECT_EQ(imagemcondicao(m, squad[6]), 12);
    EXPECT_EQ(imagemcondicao(m, squad[7]), 0);
    EXPECT_EQ(textosituacao(m, squad[1]), "Suspenso por 1 jogo: 3 cartões amarelos");
    EXPECT_EQ(textosituacao(m, squad[2]), "Suspenso por 2 jogo(s)");
    EXPECT_EQ(textosituacao(m, squad[3]), "Contundido até " + textodatacurta(datahoje(m) + 10));
    EXPECT_EQ(textosituacao(m, squad[5]), "");

    TPlantel p = montaplantel(m, 0);
    for (int k = 1; k <= 4; ++k) {
        const int l = p.linhadojogador(squad[k]);
        EXPECT_EQ(p.linhas[l].status, k == 4 ? kSoProximoJogo : kIndisponivel);
        EXPECT_FALSE(clicastatus(m, p, l));
        EXPECT_EQ(p.linhas[l].status, k == 4 ? kSoProximoJogo : kIndisponivel);
    }
    EXPECT_TRUE(clicastatus(m, p, p.linhadojogador(squad[5])));
    // The automatic line-up leaves them out too.
    ASSERT_TRUE(escalaautomatica(m, p, "4-4-2"));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(m.jogadores[squad[k]].escalacao, 0);
}

TEST(Plantel, CliquesDeTitularesEReservas) {
    Mundo m = clube(3, 5, 5, 5, 5);
    TPlantel p = montaplantel(m, 0);
    EXPECT_FALSE(p.contagem.podejogar);

    // Ten outfield starters: only a goalkeeper completes the eleven.
    seleciona(m, p, kZagueiro, 4);
    seleciona(m, p, kMeioCampo, 4);
    seleciona(m, p, kAtacante, 2);
    EXPECT_EQ(p.contagem.titulares, 10);
    EXPECT_FALSE(clicastatus(m, p, linha(m, p, kLateral, kNaoEscalado)));
    EXPECT_EQ(p.contagem.titulares, 10);
    ASSERT_TRUE(clicastatus(m, p, linha(m, p, kGoleiro, kNaoEscalado)));
    EXPECT_EQ(p.contagem.titulares, 11);
    EXPECT_TRUE(p.contagem.podejogar);
    EXPECT_EQ(p.contagem.esquema, "4-4-2");
    EXPECT_EQ(m.times[0].esquema, 442);

    // A second goalkeeper goes to the bench, and back out.
    const int g2 = linha(m, p, kGoleiro, kNaoEscalado);
    ASSERT_TRUE(clicastatus(m, p, g2));
    EXPECT_EQ(p.linhas[g2].status, kReserva);
    EXPECT_EQ(p.contagem.goleirostitulares, 1);
    ASSERT_TRUE(clicastatus(m, p, g2));
    EXPECT_EQ(p.linhas[g2].status, kNaoEscalado);

    // With eleven starters, further clicks fill the bench up to seven.
    for (int k = 0; k < 5; ++k) seleciona(m, p, kLateral, 1);
    seleciona(m, p, kZagueiro, 1);
    seleciona(m, p, kAtacante, 1);
    EXPECT_EQ(p.contagem.reservas, 7);
    const int fora = linha(m, p, kAtacante, kNaoEscalado);
    EXPECT_FALSE(clicastatus(m, p, fora));
    EXPECT_FALSE(clicastatus(m, p, linha(m, p, kGoleiro, kNaoEscalado)));
    const int reserva = linha(m, p, kLateral, kReserva);
    ASSERT_TRUE(clicastatus(m, p, reserva));
    EXPECT_EQ(p.linhas[reserva].status, kNaoEscalado);
    ASSERT_TRUE(clicastatus(m, p, reserva));  // room again on the bench
    EXPECT_EQ(p.linhas[reserva].status, kReserva);
    const int titular = linha(m, p, kMeioCampo, kTitular);
    ASSERT_TRUE(clicastatus(m, p, titular));
    EXPECT_EQ(p.linhas[titular].status, kNaoEscalado);
    EXPECT_FALSE(p.contagem.podejogar);
    EXPECT_EQ(p.contagem.esquema, "");
    // Ten starters again: a reserve is promoted by a click.
    ASSERT_TRUE(clicastatus(m, p, reserva));
    EXPECT_EQ(p.linhas[reserva].status, kTitular);
    EXPECT_EQ(p.contagem.esquema, "5-3-2");
    EXPECT_EQ(m.jogadores[p.linhas[reserva].jogador].escalacao, 1);

    // Ten outfield starters and a fit goalkeeper left out: clicking an outfield starter does
    // nothing, only the goalkeeper can be added.
    Mundo n = clube(1, 4, 4, 4, 4);
    TPlantel q = montaplantel(n, 0);
    seleciona(n, q, kZagueiro, 4);
    seleciona(n, q, kMeioCampo, 4);
    seleciona(n, q, kAtacante, 2);
    EXPECT_FALSE(clicastatus(n, q, linha(n, q, kZagueiro, kTitular)));
    EXPECT_EQ(q.contagem.titulares, 10);
    // With the only goalkeeper injured, the ten may still be changed.
    n.jogadores[elenco(n, 0)[0]].contusaoate = datahoje(n) + 7;
    q = montaplantel(n, 0);
    seleciona(n, q, kZagueiro, 4);
    seleciona(n, q, kMeioCampo, 4);
    seleciona(n, q, kAtacante, 2);
    EXPECT_TRUE(clicastatus(n, q, linha(n, q, kZagueiro, kTitular)));
    EXPECT_EQ(q.contagem.titulares, 9);
}

TEST(Plantel, AlaContaComoMeiaEFuncaoRecontada) {
    Mundo m = clube(1, 4, 4, 4, 4);
    TPlantel p = montaplantel(m, 0);
    seleciona(m, p, kGoleiro, 1);
    seleciona(m, p, kLateral, 2);
    seleciona(m, p, kZagueiro, 2);
    seleciona(m, p, kMeioCampo, 4);
    seleciona(m, p, kAtacante, 2);
    EXPECT_EQ(p.contagem.esquema, "4-4-2");
    mudafuncao(m, p, linha(m, p, kLateral, kTitular), 2);
    EXPECT_EQ(p.contagem.esquema, "3-5-2");
    EXPECT_EQ(m.times[0].esquema, 352);
}

// The bench has seven slots and the eleven one goalkeeper's slot: a line-up that breaks either
// (kept from an earlier day, or changed by an improvisation) is not accepted.
TEST(Plantel, JogarExigeUmGoleiroESeteReservasNoMaximo) {
    Mundo m = clube(2, 5, 5, 5, 5);
    TPlantel p = montaplantel(m, 0);
    EXPECT_EQ(p.contagem.motivo, "Falta escalar o goleiro");  // nobody chosen yet
    ASSERT_TRUE(escalaautomatica(m, p, "4-4-2"));
    ASSERT_TRUE(p.contagem.podejogar);
    EXPECT_EQ(p.contagem.motivo, "");
    EXPECT_EQ(p.contagem.reservas, 7);
    // One outfield starter left out, then two.
    p.linhas[linha(m, p, kAtacante, kTitular)].status = kNaoEscalado;
    EXPECT_EQ(contaescalacao(m, p).motivo, "Falta escalar 1 titular");
    p.linhas[linha(m, p, kAtacante, kTitular)].status = kNaoEscalado;
    EXPECT_EQ(contaescalacao(m, p).motivo, "Faltam escalar 2 titulares");
    p = montaplantel(m, 0);
    ASSERT_TRUE(escalaautomatica(m, p, "4-4-2"));

    // The reserve goalkeeper is made a starter in place of an outfield player by a kept line-up.
    const int g2 = linha(m, p, kGoleiro, kReserva);
    const int sai = linha(m, p, kAtacante, kTitular);
    p.linhas[g2].status = kTitular;
    p.linhas[sai].status = kNaoEscalado;
    EXPECT_FALSE(contaescalacao(m, p).podejogar);
    EXPECT_EQ(p.contagem.motivo, "Só um goleiro pode ser titular");
    EXPECT_FALSE(confirmaescalacao(m, p));
    EXPECT_EQ(m.times[0].linhaescalacao, 0);
    EXPECT_TRUE(m.diajogo.escalacoes.empty());

    // An outfield starter improvised as goalkeeper: two goalkeepers in the eleven.
    p = montaplantel(m, 0);
    ASSERT_TRUE(escalaautomatica(m, p, "4-4-2"));
    const int z = linha(m, p, kZagueiro, kTitular);
    improvisa(m, p.linhas[z].jogador, kGoleiro);
    EXPECT_FALSE(contaescalacao(m, p).podejogar);
    improvisa(m, p.linhas[z].jogador, -1);
    EXPECT_EQ(m.jogadores[p.linhas[z].jogador].posicao, kZagueiro);
    EXPECT_TRUE(contaescalacao(m, p).podejogar);

    // Eight reserves, from a line-up saved when the squad was different.
    p.linhas[linha(m, p, kLateral, kNaoEscalado)].status = kReserva;
    ASSERT_EQ(conta(p, kReserva), 8);
    EXPECT_FALSE(contaescalacao(m, p).podejogar);
    EXPECT_EQ(p.contagem.motivo, "Reservas demais: no máximo 7");
    EXPECT_FALSE(confirmaescalacao(m, p));
    EXPECT_TRUE(m.diajogo.escalacoes.empty());
}

TEST(Plantel, TimeDesfalcadoJogaComOQueTem) {
    // Eight fit players: a goalkeeper and seven outfield players, two more injured.
    Mundo m = clube(1, 2, 3, 2, 2);
    const auto squad = elenco(m, 0);
    m.jogadores[squad[1]].contusaoate = datahoje(m) + 7;
    m.jogadores[squad[9]].suspensao[kLiga] = 1;
    TPlantel p = montaplantel(m, 0);
    EXPECT_TRUE(listaesquemas(m, 0).empty());
    seleciona(m, p, kLateral, 1);
    seleciona(m, p, kZagueiro, 3);
    seleciona(m, p, kMeioCampo, 2);
    seleciona(m, p, kAtacante, 1);
    EXPECT_FALSE(p.contagem.podejogar);  // no goalkeeper yet
    seleciona(m, p, kGoleiro, 1);
    EXPECT_TRUE(p.contagem.podejogar);
    EXPECT_EQ(p.contagem.esquema, "4-2-1");
    ASSERT_TRUE(confirmaescalacao(m, p));
    const TEscalacao& r = *linhade(m, 0);
    EXPECT_EQ(r[kSlotGoleiro], squad[0]);
    for (int s = 1; s <= 7; ++s) EXPECT_GT(r[s], 0) << s;
    for (int s = 8; s <= 10; ++s) EXPECT_EQ(r[s], 0) << s;

    // Nobody fit in goal: ten outfield starters are enough, an eleventh is not allowed in.
    Mundo n = clube(1, 4, 4, 4, 4);
    n.jogadores[elenco(n, 0)[0]].contusaoate = datahoje(n) + 7;
    TPlantel q = montaplantel(n, 0);
    seleciona(n, q, kZagueiro, 4);
    seleciona(n, q, kMeioCampo, 4);
    seleciona(n, q, kAtacante, 1);
    EXPECT_FALSE(q.contagem.podejogar);
    seleciona(n, q, kAtacante, 1);
    EXPECT_TRUE(q.contagem.podejogar);
    EXPECT_FALSE(clicastatus(n, q, linha(n, q, kLateral, kNaoEscalado)));
    ASSERT_TRUE(confirmaescalacao(n, q));
    EXPECT_EQ((*linhade(n, 0))[kSlotGoleiro], 0);
    EXPECT_GT((*linhade(n, 0))[10], 0);
}

TEST(Plantel, ListaDeEsquemas) {
    auto lista = [](int l, int z, int me, int a) {
        Mundo m = clube(1, l, z, me, a);
        return listaesquemas(m, 0);
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(lista(2, 3, 5, 3), (V{"5-4-1", "5-3-2", "4-3-3", "4-4-2", "4-5-1", "3-4-3", "3-5-2"}));
    EXPECT_EQ(lista(1, 3, 4, 2), (V{"4-4-2"}));  // 3-5-2 needs two laterais or five meias
    EXPECT_EQ(lista(2, 3, 4, 2), (V{"5-4-1", "5-3-2", "4-4-2", "3-5-2"}));
    EXPECT_EQ(lista(1, 3, 3, 2), (V{}));
    EXPECT_EQ(lista(0, 2, 6, 3), (V{}));
    EXPECT_EQ(lista(0, 3, 5, 2), (V{"3-5-2"}));

    // A zagueiro who may only play from the next match cannot be the third one of a 3-5-2.
    Mundo m = clube(1, 1, 3, 5, 2);
    EXPECT_EQ(listaesquemas(m, 0), (V{"4-4-2", "4-5-1", "3-5-2"}));
    m.jogadores[elenco(m, 0)[2]].soproximojogo = 1;
    EXPECT_EQ(listaesquemas(m, 0), (V{}));
    EXPECT_EQ(m.times[0].disponiveis, 11);
}

TEST(Plantel, EscalacaoAutomatica) {
    Mundo m = clube(2, 3, 4, 5, 3);
    const auto squad = elenco(m, 0);
    TJogador& ala = m.jogadores[squad[4]];  // the best lateral plays as wing-back
    ala.funcao = 2;
    ala.habilidade1 = ala.habilidade2 = 7;  // a marker: "Defensivo" by default
    TPlantel p = montaplantel(m, 0);
    ASSERT_TRUE(escalaautomatica(m, p, "4-4-2"));
    EXPECT_TRUE(p.contagem.podejogar);
    EXPECT_EQ(p.contagem.esquema, "4-4-2");
    EXPECT_EQ(ala.funcao, 0);
    // Two zagueiros and two laterais, the best of each; the best goalkeeper.
    auto titular = [&](int j) { return m.jogadores[j].escalacao == 1; };
    EXPECT_TRUE(titular(squad[1]));  // the stronger goalkeeper
    EXPECT_FALSE(titular(squad[0]));
    EXPECT_EQ(m.jogadores[squad[0]].escalacao, 2);
    EXPECT_TRUE(titular(squad[3]) && titular(squad[4]) && !titular(squad[2]));
    EXPECT_TRUE(titular(squad[7]) && titular(squad[8]) && !titular(squad[6]) && !titular(squad[5]));
    // Bench: goalkeeper, lateral, zagueiro, meia, atacante, then the best outfield left (all
    // seventeen players are used).
    EXPECT_EQ(p.contagem.reservas, 6);
    EXPECT_EQ(m.jogadores[squad[2]].escalacao, 2);
    EXPECT_EQ(m.jogadores[squad[9]].escalacao, 2);   // the weakest meia left
    EXPECT_EQ(m.jogadores[squad[14]].escalacao, 2);  // the weakest atacante left

    // Energy breaks ties of strength.
    Mundo e = clube(2, 4, 4, 4, 4);
    const auto se = elenco(e, 0);
    e.jogadores[se[0]].forca = e.jogadores[se[1]].forca;
    e.jogadores[se[1]].energia = 60;
    TPlantel pe = montaplantel(e, 0);
    escalaautomatica(e, pe, "4-4-2");
    EXPECT_EQ(e.jogadores[se[0]].escalacao, 1);

    // 3-5-2 with one lateral: three zagueiros, five meias, two atacantes.
    Mundo t = clube(1, 1, 4, 6, 3);
    TPlantel q = montaplantel(t, 0);
    ASSERT_TRUE(escalaautomatica(t, q, "3-5-2"));
    EXPECT_EQ(q.contagem.esquema, "3-5-2");
    EXPECT_EQ(linha(t, q, kLateral, kTitular), -1);
    // With two laterais they start as wing-backs.
    Mundo u = clube(1, 3, 4, 4, 3);
    TPlantel r = montaplantel(u, 0);
    ASSERT_TRUE(escalaautomatica(u, r, "3-5-2"));
    EXPECT_EQ(r.contagem.esquema, "3-5-2");
    int alas = 0;
    for (const auto& l : r.linhas)
        if (l.status == kTitular && u.jogadores[l.jogador].posicao == kLateral) {
            EXPECT_EQ(u.jogadores[l.jogador].funcao, 2);
            ++alas;
        }
    EXPECT_EQ(alas, 2);
    EXPECT_FALSE(escalaautomatica(u, r, "2-6-2"));

    // Five defenders from one zagueiro and four laterais: the split never asks for a second
    // zagueiro the club does not have.
    Mundo v = clube(1, 4, 1, 4, 2);
    TPlantel s = montaplantel(v, 0);
    ASSERT_TRUE(escalaautomatica(v, s, "5-4-1"));
    EXPECT_EQ(s.contagem.titulares, 11);
    EXPECT_EQ(s.contagem.esquema, "5-4-1");
    EXPECT_TRUE(s.contagem.podejogar);
}

TEST(Plantel, ConfirmarEscreveALinhaDoTime) {
    Mundo m = clube(2, 4, 4, 5, 4);
    const auto squad = elenco(m, 0);
    m.jogadores[squad[3]].energia = 10;  // a tired lateral
    m.jogadores[squad[3]].forca = 99;
    m.jogadores[squad[4]].contratoate = datahoje(m) - 3;
    m.jogadores[squad[4]].forca = 98;
    TPlantel p = montaplantel(m, 0);
    ASSERT_TRUE(escalaautomatica(m, p, "4-4-2"));
    // A player who came from another human club and is left out loses the mark.
    ASSERT_EQ(m.jogadores[squad[2]].escalacao, 0);
    m.jogadores[squad[2]].soproximojogo = 1;
    p.linhas[p.linhadojogador(squad[2])].status = kSoProximoJogo;
    ASSERT_TRUE(confirmaescalacao(m, p));
    ASSERT_NE(linhade(m, 0), nullptr);
    const TEscalacao& r = *linhade(m, 0);
    // Starters fill 1..10 in grid order, the goalkeeper 11.
    int s = 1;
    for (const auto& l : p.linhas) {
        if (l.status != kTitular) continue;
        if (m.jogadores[l.jogador].posicao == kGoleiro) {
            EXPECT_EQ(r[kSlotGoleiro], l.jogador);
        } else {
            EXPECT_EQ(r[s++], l.jogador);
        }
        EXPECT_EQ(m.jogadores[l.jogador].jogouhoje, 1);
    }
    EXPECT_EQ(s, 11);
    int b = kPrimeiroBanco;
    for (const auto& l : p.linhas) {
        if (l.status == kReserva) {
            EXPECT_EQ(r[b++], l.jogador);
        }
    }
    EXPECT_EQ(b, kUltimoBanco + 1);
    EXPECT_EQ(r[kSlotDefesa], 4);
    EXPECT_EQ(m.jogadores[squad[2]].soproximojogo, 0);
    // Tired and out-of-contract starters.
    EXPECT_EQ(m.jogadores[squad[3]].moral, 1);
    EXPECT_EQ(m.jogadores[squad[4]].energia, 85);
    EXPECT_EQ(m.times[0].disponiveis, 17);
}

TEST(Plantel, TrocaDeClubeLimpaAEscalacao) {
    Mundo m = clube(1, 4, 4, 4, 4);
    m.times[0].humano = 1;
    m.times[1].humano = 1;
    const int j = elenco(m, 0)[5];
    m.jogadores[j].escalacao = 1;
    m.jogadores[j].numero = 9;
    m.jogadores[j].salario = 500;
    // The wage bills are summed again from the squads, whatever they held before.
    auto folha = [&](int t) {
        int soma = 0;
        for (int k : elenco(m, t)) soma += m.jogadores[k].salario;
        return soma;
    };
    const int folha0 = folha(0), folha1 = folha(1);
    m.financas[0].salariosemanal = m.financas[1].salariosemanal = 12345;
    mudaclube(m, j, 1);
    EXPECT_EQ(m.jogadores[j].time, 1);
    EXPECT_EQ(m.jogadores[j].escalacao, 0);
    EXPECT_EQ(m.jogadores[j].numero, 0);
    EXPECT_EQ(m.jogadores[j].soproximojogo, 1);  // between two human clubs
    EXPECT_EQ(m.financas[0].salariosemanal, folha0 - 500);
    EXPECT_EQ(m.financas[1].salariosemanal, folha1 + 500);
    EXPECT_EQ(m.times[1].numjogadores, 25);
    EXPECT_EQ(m.times[0].numjogadores, 16);
    EXPECT_EQ(m.historicos[m.jogadores[j].historico].clubes[0][0], 1);

    // On to a computer club: the mark of the last move does not follow him.
    m.times[0].humano = 0;
    m.jogadores[j].escalacao = 2;
    mudaclube(m, j, 0);
    EXPECT_EQ(m.jogadores[j].soproximojogo, 0);
    EXPECT_EQ(m.jogadores[j].escalacao, 0);

    // A death takes the player out of everything.
    m.estado.competicaoatual = kLiga;
    m.jogadores[j].idade = 70;
    m.jogadores[j].escalacao = 1;
    m.jogadores[j].soproximojogo = 1;
    ASSERT_EQ(verificafalecimento(m, 0), j);
    EXPECT_EQ(m.jogadores[j].time, -1);
    EXPECT_EQ(m.jogadores[j].escalacao, 0);
    EXPECT_EQ(m.jogadores[j].soproximojogo, 0);
}

TEST(Plantel, NumerosEAcoes) {
    Mundo m = clube(1, 4, 4, 4, 4);
    const auto squad = elenco(m, 0);
    m.jogadores[elenco(m, 1)[0]].numero = 10;  // another club's 10 stays
    escolhenumero(m, squad[3], 10);
    escolhenumero(m, squad[5], 10);
    EXPECT_EQ(m.jogadores[squad[3]].numero, 0);
    EXPECT_EQ(m.jogadores[squad[5]].numero, 10);
    EXPECT_EQ(m.jogadores[elenco(m, 1)[0]].numero, 10);

    m.times[0].disponiveis = 9;
    EXPECT_FALSE(podevender(m, 0));
    m.times[0].disponiveis = 10;
    EXPECT_TRUE(podevender(m, 0));
    TJogador& velho = m.jogadores[squad[2]];
    velho.idade = 31;
    EXPECT_FALSE(podeaposentar(velho));
    velho.idade = 32;
    EXPECT_TRUE(podeaposentar(velho));
    velho.emprestado = 2;
    EXPECT_FALSE(podeaposentar(velho));
    EXPECT_FALSE(podeimprovisar(velho));
}

TEST(Plantel, TextosDeContrato) {
    Mundo m = clube(1, 1, 1, 1, 1);
    const int j = elenco(m, 0)[1];
    TJogador& p = m.jogadores[j];
    const double hoje = datahoje(m);
    p.contratoate = hoje - 1;
    EXPECT_EQ(dicacontrato(m, j), "Contrato expirado");
    EXPECT_EQ(textocontrato(m, j), "Jogador com contrato expirado");
    p.contratoate = hoje;
    EXPECT_EQ(dicacontrato(m, j), "Contrato expira em 1 semana");
    EXPECT_EQ(textocontrato(m, j), "Contrato até " + textodatacurta(hoje));
    p.contratoate = hoje + 7;
    EXPECT_EQ(dicacontrato(m, j), "Contrato expira em 1 semana");
    p.contratoate = hoje + 8;
    EXPECT_EQ(dicacontrato(m, j), "Contrato expira em menos de 3 semanas");
    p.contratoate = hoje + 20;
    EXPECT_EQ(dicacontrato(m, j), "Contrato expira em menos de 3 semanas");
    p.contratoate = hoje + 21;
    EXPECT_EQ(dicacontrato(m, j), "");
    p.emprestado = 2;
    EXPECT_EQ(textocontrato(m, j), "Emprestado até " + textodatacurta(hoje + 21));
    p.soproximojogo = 1;
    EXPECT_EQ(textocontrato(m, j), "Jogador só disponível no próximo jogo");
    EXPECT_EQ(textodatacurta(hoje), "23/03/2008");
}
