// Line-up rows, availability, suspensions served per competition, and the player bookkeeping.
#include <gtest/gtest.h>

#include <set>

#include "match/escalacao.h"
#include "model/hoje.h"
#include "mundoteste.h"
#include "season/registraevento.h"

using namespace tarvello;
using namespace tarvello::teste;

TEST(Escalacao, GoleiroSempreNoSlotOnzeEBancoEsvaziado) {
    Mundo m = mundo(1);
    TEscalacao& r = novalinha(m, 0);
    const int gk = daposicao(m, 0, kGoleiro)[0];
    const int z = daposicao(m, 0, kZagueiro)[0];
    r[kPrimeiroBanco + 2] = z;
    escalajogador(m, 0, gk, 3);
    EXPECT_EQ(r[11], gk);
    EXPECT_EQ(r[3], 0);
    escalajogador(m, 0, z, 12);  // above 11: nothing
    EXPECT_EQ(r[kPrimeiroBanco + 2], z);
    EXPECT_FALSE(m.jogadores[z].jogouhoje);
    escalajogador(m, 0, z, 4);
    EXPECT_EQ(r[4], z);
    EXPECT_EQ(r[kPrimeiroBanco + 2], 0);
    EXPECT_TRUE(m.jogadores[z].jogouhoje);
    EXPECT_TRUE(m.jogadores[z].jogounapartida);
    EXPECT_EQ(m.jogadores[z].partidas[kLiga], 1);
    ASSERT_GT(m.jogadores[z].historico, 0);
    EXPECT_EQ(m.historicos[m.jogadores[z].historico].partidas[0], 1);
    EXPECT_EQ(m.historicos[m.jogadores[z].historico].partidas[1], 1);
    EXPECT_EQ(r[13], 1);  // one zagueiro on the pitch
    EXPECT_EQ(r[kSlotDefesa], 1);
}

TEST(Escalacao, SaidasGuardamTresEAQuartaSobrescreveATerceira) {
    Mundo m = mundo(2);
    escala442(m, 0);
    escala442(m, 1);
    const int jogo = jogomanual(m, 0, 1);
    m.diajogo.tempo = 2;
    for (int i = 0; i < 4; ++i) {
        m.diajogo.minuto = 10 + i;
        registrasaida(m, jogo, 100 + i, 2);
    }
    const TJogos& g = m.diajogo.jogos[0];
    EXPECT_EQ(g.nsubstituidos[1], 3);
    EXPECT_EQ(g.substituidos[1][0].minuto, 55);  // minute of the half + 45
    EXPECT_EQ(g.substituidos[1][2].jogador, 103);
    EXPECT_EQ(g.nsubstituidos[0], 0);
}

TEST(Escalacao, DisponibilidadeDependeDaCompeticaoDoDia) {
    Mundo m = mundo(1);
    const int total = 18;  // 4 + 4 + 6 + 4 outfield players
    EXPECT_EQ(contadisponiveis(m, 0).total, total);
    EXPECT_EQ(m.times[0].disponiveis, total);
    const auto l = daposicao(m, 0, kLateral);
    const auto z = daposicao(m, 0, kZagueiro);
    const auto a = daposicao(m, 0, kAtacante);
    const double hoje = datahoje(m);
    m.jogadores[l[0]].contusaoate = hoje;      // healed today: available
    m.jogadores[l[1]].contusaoate = hoje + 1;  // still injured
    m.jogadores[z[0]].suspensao[kLiga] = 1;
    m.jogadores[z[1]].suspensao[kCopaNacional] = 2;  // another competition
    m.jogadores[a[0]].amarelos[kLiga] = 3;
    m.jogadores[a[1]].amarelos[kLiga] = 2;
    const TDisponiveis d = contadisponiveis(m, 0);
    EXPECT_EQ(d.porposicao[kLateral], 3);
    EXPECT_EQ(d.porposicao[kZagueiro], 3);
    EXPECT_EQ(d.porposicao[kAtacante], 3);
    EXPECT_EQ(d.total, total - 3);
    EXPECT_TRUE(disponivel(m, a[0]));  // three yellows keep him out of the line-up only
    EXPECT_FALSE(escalavel(m, a[0]));

    // The next date heals him: today follows the calendar.
    EXPECT_FALSE(disponivel(m, l[1]));
    m.estado.dataatual += 1;
    EXPECT_TRUE(disponivel(m, l[1]));

    m.estado.competicaoatual = kCopaNacional;
    const TDisponiveis c = contadisponiveis(m, 0);
    EXPECT_EQ(c.porposicao[kZagueiro], 3);
    EXPECT_EQ(c.porposicao[kAtacante], 4);
}

TEST(Escalacao, SuspensoesCumpridasPorCompeticao) {
    Mundo m = mundo(2);
    const auto z = daposicao(m, 0, kZagueiro);
    TJogador& s = m.jogadores[z[0]];
    TJogador& y = m.jogadores[z[1]];
    TJogador& y2 = m.jogadores[z[2]];
    s.suspensao[kLiga] = 2;
    s.suspensao[kEstadual] = 1;
    y.amarelos[kLiga] = 3;
    y.amarelos[kCopaNacional] = 3;
    y2.amarelos[kLiga] = 2;
    TJogador livre{};
    livre.time = -1;
    livre.suspensao[kLiga] = 1;
    m.jogadores.push_back(livre);

    cumpresuspensoes(m);  // a league day, whether or not the club plays
    EXPECT_EQ(s.suspensao[kLiga], 1);
    EXPECT_EQ(s.suspensao[kEstadual], 1);
    EXPECT_EQ(y.amarelos[kLiga], 0);
    EXPECT_EQ(y.amarelos[kCopaNacional], 3);
    EXPECT_EQ(y2.amarelos[kLiga], 2);
    EXPECT_EQ(m.jogadores.back().suspensao[kLiga], 1);  // no club: untouched
    m.estado.competicaoatual = kEstadual;
    cumpresuspensoes(m);
    EXPECT_EQ(s.suspensao[kEstadual], 0);
    EXPECT_EQ(s.suspensao[kLiga], 1);
}

TEST(RegistraEvento, CartaoVermelhoSuspendeUmDosComprimentosPrevistos) {
    Mundo m = mundo(1);
    m.times[0].humano = 1;
    const int j = daposicao(m, 0, kMeioCampo)[0];
    std::set<int> vistos;
    int longas = 0;
    for (int i = 0; i < 2000; ++i) {
        const int antes = m.jogadores[j].suspensao[kLiga];
        registraevento(m, j, 0, "cv");
        const int n = m.jogadores[j].suspensao[kLiga] - antes;
        vistos.insert(n);
        if (n > 1) ++longas;
    }
    EXPECT_EQ(vistos, (std::set<int>{1, 2, 3, 5, 10}));
    EXPECT_EQ(m.historicos[m.jogadores[j].historico].vermelhos[0], 2000);
    EXPECT_EQ(m.jogadores[j].suspensao[kCopaNacional], 0);
    int mensagens = 0;
    for (const auto& msg : m.mensagens) mensagens += msg.time == 0 && msg.jogador == j;
    EXPECT_EQ(mensagens, longas);  // only suspensions longer than one match reach the inbox
}

TEST(RegistraEvento, ContusaoTiraForcaPorIdadeEMarcaAData) {
    Mundo m = mundo(1);
    const double hoje = datahoje(m);
    TJogador& velho = m.jogadores[daposicao(m, 0, kZagueiro)[0]];
    velho.idade = 70;
    velho.forca = 5;
    velho.habilidade1 = 12;
    registraevento(m, daposicao(m, 0, kZagueiro)[0], 0, "ct");
    EXPECT_EQ(velho.forca, 3);  // 5 - 10, floored at 1, 2 back for "Resistência"
    const double semanas = (velho.contusaoate - hoje - 2) / 7;
    EXPECT_EQ(semanas, static_cast<int>(semanas));
    EXPECT_GE(semanas, 5);  // 6..9 weeks, one less for "Resistência" (or the long 15..20)

    TJogador& jovem = m.jogadores[daposicao(m, 0, kZagueiro)[1]];
    jovem.idade = 22;
    jovem.forca = 60;
    jovem.energia = 90;
    jovem.habilidade1 = 7;
    jovem.habilidade2 = 12;
    registraevento(m, daposicao(m, 0, kZagueiro)[1], 0, "ct");
    EXPECT_EQ(jovem.forca, 58);  // 60 - 3 + 1
    EXPECT_TRUE(jovem.contusaoate == hoje + 9 || jovem.contusaoate >= hoje + 7 * 15 + 2);
}

