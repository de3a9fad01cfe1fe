#include <gtest/gtest.h>

#include <set>

#include "club/amistosos.h"
#include "club/contratos.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "news/mensagens.h"
#include "season/carreira.h"
#include "season/confianca.h"
#include "season/tecnico.h"

#include "../apoio/mundopequeno.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// A league of two divisions of 20 clubs; every coach is a named computer coach of the league's
// country with his club's division, free to be poached.
Mundo ligacomtecnicos(uint64_t semente = 1) {
    Mundo m = mundoliga(2, 2, 1);
    m.aleatorio = Aleatorio(semente);
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
        TTecnico& c = m.tecnicos[static_cast<size_t>(t)];
        c.pais = m.times[static_cast<size_t>(t)].pais;
        c.divisao = m.times[static_cast<size_t>(t)].divisao;
        c.empregado = 1;
        c.ultimotime = -1;
        for (auto& s : c.clubes)
            for (auto& x : s) x = -1;
    }
    return m;
}

// Club `time` becomes run by a human coach in slot 0.
void humaniza(Mundo& m, int time) {
    m.times[static_cast<size_t>(time)].humano = 1;
    m.tecnicos[static_cast<size_t>(time)].humano = 1;
    m.estado.numtecnicoshumanos = 1;
    for (auto& s : m.estado.timedotecnico) s = -1;
    m.estado.timedotecnico[0] = time;
    refazmarcashumanos(m);
}

struct Gauges {
    int b, f;
};

Gauges depois(int sistema, int tipo, int resultado, int mando, int lugar, int dinheiro = 0, bool humano = false,
              int nivel = 15, int difnivel = 0, int b = 50, int f = 60) {
    Mundo m = mundopequeno(1, 1);
    m.estado.sistemadisputa = sistema;
    TTime& t = m.times[0];
    t.confiancadiretoria = b;
    t.confiancatorcida = f;
    t.colocacoes[tipo] = lugar;
    t.dinheiro = dinheiro;
    t.humano = humano;
    t.nivel = nivel;
    atualizaconfianca(m, tipo, 0, resultado, mando, difnivel);
    return {m.times[0].confiancadiretoria, m.times[0].confiancatorcida};
}

}  // namespace

TEST(Confianca, FaixasDaLigaEDoEstadual) {
    // League, 20 clubs: a human club in debt drawing at home while top loses 10 before the +2.
    EXPECT_EQ(depois(2, kLiga, kEmpate, 1, 1, -1, true).b, 42);
    EXPECT_EQ(depois(2, kLiga, kEmpate, 1, 1, -1, true).f, 63);
    // Away, 15th: -2 for the board, -3 for the fans.
    EXPECT_EQ(depois(2, kLiga, kEmpate, 2, 15).b, 48);
    EXPECT_EQ(depois(2, kLiga, kEmpate, 2, 15).f, 57);
    // A win still costs a human club in debt 9.
    EXPECT_EQ(depois(2, kLiga, kVitoria, 1, 3, -5, true).b, 44);
    EXPECT_EQ(depois(2, kLiga, kVitoria, 1, 3).f, 66);
    // A loss away in the bottom four of a club of nivel 22 in debt: -12 -2 -7; fans 60-5-7 = 48.
    EXPECT_EQ(depois(2, kLiga, kDerrota, 2, 18, -1, false, 22).b, 29);
    // 10 clubs: a win at the top +7, fans +5 +5.
    EXPECT_EQ(depois(4, kLiga, kVitoria, 1, 1).b, 57);
    EXPECT_EQ(depois(4, kLiga, kVitoria, 1, 1).f, 70);
    EXPECT_EQ(depois(4, kLiga, kDerrota, 1, 9).f, 45);
    // The level difference: a draw with a stronger side earns 1, a loss to a weaker costs 2.
    EXPECT_EQ(depois(2, kLiga, kEmpate, 2, 8, 0, false, 15, -3).b, 51);
    EXPECT_EQ(depois(2, kLiga, kDerrota, 1, 2, 0, false, 15, 3).b, 47);
    // State championship: draw at 5th -2; win at 1st +5 (human in debt -10); loss at 4th -5.
    EXPECT_EQ(depois(2, kEstadual, kEmpate, 1, 5).b, 48);
    EXPECT_EQ(depois(2, kEstadual, kEmpate, 1, 5).f, 58);
    EXPECT_EQ(depois(2, kEstadual, kVitoria, 1, 1, -1, true).b, 45);
    EXPECT_EQ(depois(2, kEstadual, kVitoria, 1, 1).f, 67);
    EXPECT_EQ(depois(2, kEstadual, kDerrota, 2, 4).b, 45);
    // Other kinds change nothing.
    EXPECT_EQ(depois(2, kCopaNacional, kDerrota, 2, 20).b, 50);
}

TEST(Confianca, TorcidaAbaixoDe40PesaNaDiretoriaEOsLimites) {
    // Fans at 39 after the match: the board loses 8 more (5 for nivel above 20).
    EXPECT_EQ(depois(2, kLiga, kDerrota, 2, 4, 0, false, 15, 0, 50, 44).f, 39);
    EXPECT_EQ(depois(2, kLiga, kDerrota, 2, 4, 0, false, 15, 0, 50, 44).b, 41);
    EXPECT_EQ(depois(2, kLiga, kDerrota, 2, 4, 0, false, 22, 0, 50, 44).b, 42);
    // Both gauges stay within 0..100.
    EXPECT_EQ(depois(2, kLiga, kDerrota, 1, 20, -1, false, 22, 5, 3, 2).b, 0);
    EXPECT_EQ(depois(2, kLiga, kDerrota, 1, 20, -1, false, 22, 5, 3, 2).f, 0);
    EXPECT_EQ(depois(4, kLiga, kVitoria, 1, 1, 0, false, 15, -2, 99, 99).b, 100);
    EXPECT_EQ(depois(4, kLiga, kVitoria, 1, 1, 0, false, 15, -2, 99, 99).f, 100);
}

TEST(Tecnico, ProcuraEmCadaRamo) {
    // A free coach of the country with the club's last division comes first.
    Mundo m = ligacomtecnicos();
    TTecnico livre{};
    livre.nome.define("Livre");
    livre.pais = m.times[25].pais;
    livre.divisao = 2;
    livre.time = -1;
    m.tecnicos.push_back(livre);
    EXPECT_EQ(procuratecnico(m, 25).tecnico, static_cast<int>(m.tecnicos.size()) - 1);
    EXPECT_EQ(procuratecnico(m, 25).troca, -1);

    // Without one, a computer club's coach who can be poached is swapped.
    m.tecnicos.back().divisao = 1;
    for (uint64_t s = 1; s <= 8; ++s) {
        m.aleatorio = Aleatorio(s);
        const TSucessor r = procuratecnico(m, 25);
        ASSERT_GE(r.troca, 0);
        EXPECT_NE(r.troca, 25);
        EXPECT_EQ(r.tecnico, m.times[static_cast<size_t>(r.troca)].tecnico);
    }
    // No swap wanted: any free coach of the country.
    EXPECT_EQ(procuratecnico(m, 25, false).tecnico, static_cast<int>(m.tecnicos.size()) - 1);

    // Nobody can be poached (hired too recently) and the free coach is abroad: he is taken.
    for (TTecnico& t : m.tecnicos) t.carencia = 3;
    m.tecnicos.back().pais = 11;
    EXPECT_EQ(procuratecnico(m, 25).tecnico, static_cast<int>(m.tecnicos.size()) - 1);

    // Nobody free at all: a new coach with a generated name, of the club's country and division.
    m.tecnicos.back().time = 3;
    const size_t antes = m.tecnicos.size();
    const TSucessor novo = procuratecnico(m, 25);
    ASSERT_EQ(m.tecnicos.size(), antes + 1);
    EXPECT_EQ(novo.tecnico, static_cast<int>(antes));
    const TTecnico& t = m.tecnicos.back();
    EXPECT_NE(t.nome.utf8().find(' '), std::string::npos);
    EXPECT_EQ(t.pais, m.times[25].pais);
    EXPECT_EQ(t.divisao, 2);
    EXPECT_EQ(t.time, -1);
}

TEST(Tecnico, ContrataEDemiteUmHumano) {
    Mundo m = ligacomtecnicos();
    humaniza(m, 4);
    m.times[4].dinheiro = -300;
    const int msg = enviamensagem(m, 4, kMsgGoleada, 0);
    demite(m, 4, 4);
    EXPECT_EQ(m.tecnicos[4].time, -1);
    EXPECT_EQ(m.tecnicos[4].ultimotime, 4);
    EXPECT_EQ(m.tecnicos[4].divisao, 1);
    EXPECT_EQ(m.times[4].humano, 0);
    EXPECT_EQ(m.times[4].tecnico, -1);
    EXPECT_EQ(m.estado.timedotecnico[0], -1);
    EXPECT_EQ(m.ligas[0].temhumano, 0);
    EXPECT_EQ(m.mensagens[static_cast<size_t>(msg)].time, -1);
    ASSERT_EQ(tecnicoshumanos(m), std::vector<int>{4});

    // Hired by another club: it becomes human-run in his slot, listed players come off the list.
    const int j = primeirojogador(m, 30);
    m.jogadores[static_cast<size_t>(j)].avenda = 1;
    contrata(m, 30, 4);
    EXPECT_EQ(m.times[30].humano, 1);
    EXPECT_EQ(m.estado.timedotecnico[0], 30);
    EXPECT_EQ(m.estado.timeshumanos[0], 30);
    EXPECT_EQ(m.ligas[0].temhumano, 1);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(j)].avenda, 0);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(j)].moral, 3);
    EXPECT_EQ(m.times[30].confiancadiretoria, 100);
    EXPECT_EQ(m.times[30].confiancatorcida, 80);
    EXPECT_GE(m.times[30].dinheiro, 4000000);
    ASSERT_FALSE(m.contratacoestecnicos.empty());
    EXPECT_EQ(m.contratacoestecnicos.back().tecnico, 4);
    EXPECT_EQ(m.contratacoestecnicos.back().time, 30);
}

TEST(Carreira, DemissoesAbaixoDe10) {
    Mundo m = ligacomtecnicos(3);
    m.estado.vertrocatecnicos = 1;
    humaniza(m, 0);
    m.times[7].confiancadiretoria = 9;   // sacked
    m.times[8].confiancadiretoria = 10;  // keeps his coach
    m.times[0].confiancadiretoria = 5;
    m.times[0].confiancatorcida = 12;
    const int antigo7 = m.times[7].tecnico;
    demissoesdarodada(m);
    EXPECT_NE(m.times[7].tecnico, antigo7);
    EXPECT_EQ(m.times[7].confiancadiretoria, 100);
    EXPECT_EQ(m.times[8].tecnico, 8);
    // The human coach lost his club to a successor; the club is computer-run again.
    EXPECT_EQ(m.tecnicos[0].time, -1);
    EXPECT_EQ(m.times[0].humano, 0);
    EXPECT_NE(m.times[0].tecnico, 0);
    EXPECT_GE(m.times[0].tecnico, 0);
    ASSERT_EQ(m.mudancastecnicos.size(), 2u);
    const TMudancaTecnico& h = m.mudancastecnicos[0];
    EXPECT_TRUE(h.humano);
    EXPECT_EQ(h.motivo, MotivoDemissao::Torcida);
    const TTextoDemissao t = textodemissao(m, h);
    EXPECT_EQ(t.titulo, "Demitido!");
    EXPECT_EQ(t.linha, "Técnico 0, Clube 0 resolveu lhe demitir,porque a pressão da torcida foi grande pois seus "
                       "resultados não estavam sendo bons.");
    EXPECT_EQ(t.sucessor, "Para seu lugar foi contratado " + m.tecnicos[static_cast<size_t>(h.tecniconovo)].nome.utf8());
    // The computer club's change is announced only while a human club plays in its league:
    // the human coach was sacked first, so this one is not.
    EXPECT_FALSE(m.mudancastecnicos[1].anunciar);
    EXPECT_FALSE(m.mudancastecnicos[1].humano);
}

TEST(Carreira, TrocaDeTecnicosETexto) {
    Mundo m = ligacomtecnicos(5);
    m.times[22].confiancadiretoria = 2;
    m.times[22].dinheiro = -1;
    // No free coach: the successor is poached, and the two clubs swap coaches.
    demissoesdarodada(m);
    ASSERT_EQ(m.mudancastecnicos.size(), 1u);
    const TMudancaTecnico& d = m.mudancastecnicos[0];
    ASSERT_GE(d.outrotime, 0);
    EXPECT_EQ(m.times[22].tecnico, d.tecniconovo);
    EXPECT_EQ(m.times[static_cast<size_t>(d.outrotime)].tecnico, 22);
    const TTextoDemissao t = textodemissao(m, d);
    EXPECT_EQ(t.titulo, "Troca de técnicos");
    const std::string novo = m.tecnicos[static_cast<size_t>(d.tecniconovo)].nome.utf8();
    EXPECT_EQ(t.nome, "Técnico 22 por " + novo);
    EXPECT_EQ(t.linha, "Técnico 22 demitido do Clube 22 pois estava levando nosso clube para um pântano de dívidas sem fim.");
    EXPECT_EQ(t.sucessor, "Em seu lugar foi contratado " + novo + " e Técnico 22 foi parar no " +
                              m.times[static_cast<size_t>(d.outrotime)].nome.utf8());
}

TEST(Carreira, OfertasParaDesempregado) {
    Mundo m = ligacomtecnicos(7);
    humaniza(m, 2);
    demite(m, 2, 2);
    for (uint64_t s = 1; s <= 20; ++s) {
        m.aleatorio = Aleatorio(s);
        const std::vector<int> o = sorteiaofertas(m, 2, false);
        ASSERT_GE(o.size(), 1u);
        ASSERT_LE(o.size(), 4u);
        EXPECT_EQ(std::set<int>(o.begin(), o.end()).size(), o.size());
        for (int c : o) {
            EXPECT_NE(c, 2);
            // The bottom part of a division: places 10..20.
            EXPECT_GE(c % 20, 9);
        }
    }
    // When no club qualifies, no offer is made (and nothing loops forever).
    for (int c = 0; c < static_cast<int>(m.times.size()); ++c)
        if (c % 20 >= 9) m.times[static_cast<size_t>(c)].humano = 1;
    EXPECT_TRUE(sorteiaofertas(m, 2, false).empty());
}

TEST(Carreira, OfertaParaEmpregadoEAssumirTime) {
    Mundo m = ligacomtecnicos(9);
    humaniza(m, 20);  // division 2, first place
    m.tecnicos[20].ofertaano = 1;
    m.estado.temporada = 2;
    m.estado.competicaoatual = kLiga;
    m.estado.turnoliga = 2;
    m.estado.rodadaliga = 5;
    m.times[20].colocacoes[kLiga] = 1;
    m.times[20].confiancadiretoria = 90;
    EXPECT_EQ(ofertaempregado(m, 20), -1);  // an odd round
    m.estado.rodadaliga = 6;
    m.times[9].humano = 1;  // place 10 of division 1 is human-run: the scan moves up
    EXPECT_EQ(ofertaempregado(m, 20), 8);
    EXPECT_EQ(m.tecnicos[20].ofertaano, 0);
    EXPECT_EQ(ofertaempregado(m, 20), -1);  // one offer a season
    m.times[9].humano = 0;

    // "Assumir time": the old club gets the new club's coach, the coach keeps his slot.
    m.estado.numtecnicoshumanos = 2;
    m.estado.timedotecnico[0] = 33;
    m.estado.timedotecnico[1] = 20;
    m.times[33].humano = 1;
    m.tecnicos[33].humano = 1;
    ASSERT_TRUE(assumetime(m, 20, 8));
    EXPECT_EQ(m.estado.timedotecnico[1], 8);
    EXPECT_EQ(m.estado.timedotecnico[0], 33);
    EXPECT_EQ(m.times[8].tecnico, 20);
    EXPECT_EQ(m.times[20].tecnico, 8);
    EXPECT_EQ(m.times[20].humano, 0);
    EXPECT_EQ(m.tecnicos[8].time, 20);
    for (int j : elenco(m, 8)) EXPECT_EQ(m.jogadores[static_cast<size_t>(j)].moral, 3);
    ASSERT_FALSE(m.mensagens.empty());
    EXPECT_EQ(m.mensagens.back().time, 8);
    EXPECT_EQ(m.mensagens.back().texto, 1);
    // A club that is human-run is refused.
    EXPECT_FALSE(assumetime(m, 20, 33));
}

TEST(Carreira, AdicionarERemoverTecnicos) {
    Mundo m = ligacomtecnicos();
    humaniza(m, 0);
    m.estado.paisprincipal = 29;
    const int t = adicionatecnico(m, "Novo Técnico");
    ASSERT_GE(t, 0);
    EXPECT_EQ(m.estado.numtecnicoshumanos, 2);
    EXPECT_EQ(m.tecnicos[static_cast<size_t>(t)].divisao, 2);
    EXPECT_EQ(m.tecnicos[static_cast<size_t>(t)].pais, 29);
    EXPECT_EQ(tecnicoshumanos(m), (std::vector<int>{0, t}));
    EXPECT_FALSE(removetecnico(m, 0));  // still has a club
    EXPECT_TRUE(removetecnico(m, 1));
    EXPECT_EQ(m.estado.numtecnicoshumanos, 1);
    EXPECT_TRUE(m.tecnicos[static_cast<size_t>(t)].nome.vazio());
    // The freed record is the next one taken.
    EXPECT_EQ(adicionatecnico(m, "Outro"), t);
    EXPECT_EQ(adicionatecnico(m, ""), -1);
}

TEST(Mensagens, MultaDaPerguntaDeSuspensao) {
    Mundo m = mundopequeno(1, 3);
    m.times[0].humano = 1;
    const int j = primeirojogador(m, 0);
    m.jogadores[static_cast<size_t>(j)].salario = 1005;
    const int a = enviamensagem(m, 0, kMsgSuspensao, 2, j);
    const int b = enviamensagem(m, 0, kMsgSuspensao, 3, j);
    const int dinheiro = m.times[0].dinheiro;
    respondepergunta(m, a, true);
    EXPECT_EQ(m.times[0].dinheiro, dinheiro + 302);  // 30 % of 1005 = 301.5, to the even 302
    EXPECT_EQ(m.financas[0].salarios, -302);
    ASSERT_EQ(m.mensagens.size(), 3u);
    EXPECT_EQ(m.mensagens.back().assunto, 3);  // the fined player complains
    EXPECT_GE(m.mensagens.back().texto, 18);
    EXPECT_LE(m.mensagens.back().texto, 21);
    respondepergunta(m, a, true);  // answered already
    respondepergunta(m, b, false);
    EXPECT_EQ(m.times[0].dinheiro, dinheiro + 302);
    EXPECT_EQ(m.mensagens.size(), 3u);
    EXPECT_EQ(m.mensagens[static_cast<size_t>(b)].pergunta, 0);
}

TEST(Carreira, ForaDasDivisoesNaViradaDaTemporada) {
    Mundo m = ligacomtecnicos();
    humaniza(m, 39);
    demiteforadasdivisoes(m);
    EXPECT_TRUE(m.mudancastecnicos.empty());  // still in a division
    m.times[39].divisao = 0;
    demiteforadasdivisoes(m);
    ASSERT_EQ(m.mudancastecnicos.size(), 1u);
    EXPECT_EQ(m.mudancastecnicos[0].motivo, MotivoDemissao::Rebaixado);
    EXPECT_EQ(m.tecnicos[39].time, -1);
    EXPECT_EQ(m.times[39].humano, 0);
    EXPECT_GE(m.times[39].tecnico, 0);
    EXPECT_NE(textodemissao(m, m.mudancastecnicos[0]).linha.find("rebaixado pra divisão regional..."), std::string::npos);
}

TEST(Mensagens, JogadorSemContratoHaTresSemanasReclama) {
    Mundo m = mundopequeno(1, 2);
    m.times[0].humano = 1;
    m.estado.emails = 3;  // no warnings asked for: the player's own complaint still comes
    const int j = primeirojogador(m, 0);
    m.jogadores[static_cast<size_t>(j)].contratoate = datahoje(m) - 20;
    verificacontratos(m, 0);
    EXPECT_TRUE(m.mensagens.empty());
    m.jogadores[static_cast<size_t>(j)].contratoate = datahoje(m) - 22;
    verificacontratos(m, 0);
    verificacontratos(m, 0);  // once
    ASSERT_EQ(m.mensagens.size(), 1u);
    EXPECT_EQ(m.mensagens[0].assunto, 12);
    EXPECT_EQ(m.mensagens[0].jogador, j);
    EXPECT_GE(m.mensagens[0].texto, 55);
    EXPECT_LE(m.mensagens[0].texto, 56);
}
