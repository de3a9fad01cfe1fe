#include <gtest/gtest.h>

#include <set>

#include "model/hoje.h"
#include "news/mensagens.h"
#include "news/textos.h"
#include "../apoio/mundopequeno.h"

using namespace tarvello;

TEST(Mensagens, TextosDoCatalogo) {
    EXPECT_EQ(kTextosMensagem[22], kTextosMensagem[23]);
    EXPECT_EQ(kTextosMensagem[67], kTextosMensagem[68]);
    for (int id : {49, 50, 64, 65, 66}) EXPECT_TRUE(kTextosMensagem[id].empty()) << id;
    for (int id = 1; id <= kNumTextos; ++id) {
        const bool vazio = id == 49 || id == 50 || (id >= 64 && id <= 66);
        EXPECT_EQ(kTextosMensagem[id].empty(), vazio) << id;
    }
    EXPECT_EQ(kTextosMensagem[35].back(), ' ');
    EXPECT_EQ(kTextosMensagem[56].back(), ' ');
    EXPECT_EQ(kTextosMensagem[73].substr(0, 15), "Bem vind@ ao no");
}

TEST(Mensagens, BoasVindasDeUmNovoJogo) {
    Mundo m = teste::mundopequeno(3, 1, 3);
    m.estado.numtecnicoshumanos = 2;
    m.estado.timedotecnico[0] = 2;
    m.estado.timedotecnico[1] = 0;
    enviaboasvindas(m);
    ASSERT_EQ(m.mensagens.size(), 2u);
    const TMensagem& a = m.mensagens[0];
    EXPECT_EQ(a.time, 2);
    EXPECT_EQ(a.texto, 73);
    EXPECT_EQ(a.data, datahoje(m));
    EXPECT_EQ(remetentemensagem(m, a), "Diretoria");
    EXPECT_EQ(assuntomensagem(m, a, 2), "Bem vindo ao Clube 2");
    EXPECT_EQ(contanaolidas(m, 2, datahoje(m)), 1);
    EXPECT_EQ(textonaolidas(1), "1 notícia não lida");
    EXPECT_EQ(textonaolidas(0), "Sem novas notícias");
    EXPECT_EQ(textonaolidas(3), "3 notícias não lidas");
}

TEST(Mensagens, CamposPorEvento) {
    Mundo m = teste::mundopequeno(3, 2);
    m.estado.timeatual = 1;
    const int j = teste::primeirojogador(m, 0);
    const int k = j + 1;

    // Suspensions carry the fine question; the subject names the player.
    TMensagem s = m.mensagens[enviamensagem(m, 0, kMsgSuspensao, 2, j)];
    EXPECT_EQ(s.pergunta, 1);
    EXPECT_GE(s.texto, 12);
    EXPECT_LE(s.texto, 17);
    EXPECT_EQ(assuntomensagem(m, s, 0), "Jogador 0-0 expulso");
    EXPECT_EQ(enviamensagem(m, 0, kMsgSuspensao, 1, j), -1);  // one match posts nothing
    EXPECT_EQ(enviamensagem(m, 0, kMsgContusao, 1, j), -1);   // neither does one week out

    TMensagem b = m.mensagens[enviamensagem(m, 0, kMsgJogador, 4, j, k)];
    EXPECT_EQ(assuntomensagem(m, b, 0), "Briga entre Jogador 0-0 e Jogador 0-1");
    EXPECT_EQ(remetentemensagem(m, b), "Jogador: Jogador 0-0");
    TMensagem t = m.mensagens[enviamensagem(m, 0, kMsgJogador, 5, j)];
    EXPECT_EQ(assuntomensagem(m, t, 0), "Torcida briga com Jogador 0-0");

    // A sale goes to the current coach's club whatever the caller names.
    const int iv = enviamensagem(m, 0, kMsgVenda, 0, j, 2, 1500000);
    TMensagem v = m.mensagens[iv];
    EXPECT_EQ(v.time, 1);
    EXPECT_EQ(v.valor, 1500000);
    EXPECT_EQ(assuntomensagem(m, v, 1), "Jogador 0-0 vendido ao Clube 2");
    EXPECT_EQ(corpomensagem(v), "O jogador que estava à venda foi vendido por 1 milhão 500 mil");
    EXPECT_EQ(enviamensagem(m, 0, kMsgVenda, 0, 0, 2, 10), -1);

    // Heavy defeat: fans, one of three subjects, no player.
    std::set<int> assuntos;
    for (int i = 0; i < 60; ++i) {
        TMensagem g = m.mensagens[enviamensagem(m, 0, kMsgGoleada, 0, j)];
        EXPECT_EQ(g.remetente, 2);
        EXPECT_EQ(g.jogador, 0);
        EXPECT_GE(g.texto, 46);
        EXPECT_LE(g.texto, 48);
        assuntos.insert(g.assunto);
    }
    EXPECT_EQ(assuntos, (std::set<int>{5, 6, 7}));

    // Injury texts follow the weeks out.
    for (auto [w, de, ate] : {std::tuple{2, 25, 27}, {7, 36, 37}, {10, 38, 41}, {17, 42, 45}}) {
        TMensagem c = m.mensagens[enviamensagem(m, 0, kMsgContusao, w, j)];
        EXPECT_GE(c.texto, de);
        EXPECT_LE(c.texto, ate);
        EXPECT_EQ(c.remetente, 5);
    }
    EXPECT_EQ(enviamensagem(m, 0, kMsgContusao, 12, j), -1);
    EXPECT_EQ(enviamensagem(m, 0, 5, 0, j), -1);
}

TEST(Mensagens, LeituraExpiracaoEDesvinculo) {
    Mundo m = teste::mundopequeno(2, 1);
    const double d = datahoje(m);
    const int a = enviamensagem(m, 0, kMsgSuspensao, 10, 1);
    enviamensagem(m, 0, kMsgContrato, 0, 1);
    EXPECT_EQ(contanaolidas(m, 0, d + 14), 2);
    lemensagem(m, a);
    respondepergunta(m, a);
    EXPECT_EQ(m.mensagens[a].pergunta, 0);
    EXPECT_EQ(naolidas(m, 0), 1);
    EXPECT_EQ(contanaolidas(m, 0, d + 15), 0);  // expired unread, marked read
    EXPECT_EQ(m.mensagens[1].lido, 1);
    desvinculamensagens(m, 0);
    EXPECT_EQ(m.mensagens[0].time, -1);
    EXPECT_EQ(naolidas(m, 0), 0);
}
