// Fouls and free kicks, cards, injuries and substitutions.
#include <gtest/gtest.h>

#include "match/eventos.h"
#include "match/forca.h"
#include "mundoteste.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// Two clubs lined up 4-4-2 by hand and their match on the screen.
struct Partida {
    Mundo m;
    int jogo;
    explicit Partida(uint64_t semente = 7, int tipo = kLiga) : m(mundo(2, semente)) {
        m.estado.competicaoatual = tipo;
        escala442(m, 0);
        escala442(m, 1);
        jogo = jogomanual(m, 0, 1);
    }
    TJogos& g() { return m.diajogo.jogos[jogo - 1]; }
    TEscalacao& r(int time) { return *linhade(m, time); }
    int eventos(int tipo, int time) const {
        int n = 0;
        for (const auto& e : m.diajogo.eventos) n += e.tipo == tipo && e.time == time;
        return n;
    }
};

class InteracaoGravada : public InteracaoComputador {
public:
    std::vector<std::vector<int>> ofertas;
    int resposta = -1;  // -1: as the computer would
    int substitutocontusao(Mundo& m, int jogo, int lado, int contundido,
                           const std::vector<int>& candidatos) override {
        ofertas.push_back(candidatos);
        if (resposta >= 0) return resposta;
        return InteracaoComputador::substitutocontusao(m, jogo, lado, contundido, candidatos);
    }
};

}  // namespace

TEST(Faltas, CobrancaEhDoLadoQueSofreuContraOGoleiroDeQuemFez) {
    Partida p;
    // Side 1 fouls all the time; side 2 has a free-kick taker far stronger than side 1's keeper.
    p.m.times[0].marcacao = 2;
    const int cobrador = p.r(1)[5];
    p.m.jogadores[cobrador].forca = 200;
    p.m.times[1].cobradorfaltas = cobrador;
    p.m.jogadores[p.r(0)[11]].forca = 100;  // the foulers' keeper line: 100
    p.m.jogadores[p.r(1)[11]].forca = 300;  // the kicking side's own keeper does not matter
    for (int i = 0; i < 6000; ++i) {
        p.m.times[0].disponiveis = 20;
        p.g().gols[0] = p.g().gols[1] = 0;
        faltasecartoes(p.m, p.jogo, 1);
    }
    EXPECT_GT(p.g().faltas[0], 0);
    EXPECT_EQ(p.g().faltas[1], 0);
    const int gols = p.eventos(kEvGolFalta, 1);
    EXPECT_GT(gols, 5);  // 2 in 200 of about 2600 fouls
    EXPECT_EQ(p.eventos(kEvGolFalta, 0), 0);
    for (const auto& e : p.m.diajogo.eventos)
        if (e.tipo == kEvGolFalta) {
            EXPECT_EQ(e.jogador, cobrador);
        }
    EXPECT_EQ(p.m.jogadores[cobrador].gols[kLiga], gols);
}

TEST(Faltas, SemCobrancaAcimaDaForcaDoGoleiroOuComSeisGols) {
    Partida p;
    p.m.times[0].marcacao = 2;
    p.m.times[1].cobradorfaltas = p.r(1)[5];
    p.m.jogadores[p.r(1)[5]].forca = 100;
    p.m.jogadores[p.r(0)[11]].forca = 100;  // not above the keeper line: no chance
    p.m.jogadores[p.r(0)[11]].energia = 100;
    for (int i = 0; i < 3000; ++i) {
        p.m.times[0].disponiveis = 20;
        faltasecartoes(p.m, p.jogo, 1);
    }
    EXPECT_EQ(p.eventos(kEvGolFalta, 1), 0);

    Partida q;
    q.m.times[0].marcacao = 2;
    q.m.jogadores[q.r(1)[10]].forca = 500;  // no taker set: the first one from slot 10 down
    q.g().gols[1] = 6;
    for (int i = 0; i < 3000; ++i) {
        q.m.times[0].disponiveis = 20;
        faltasecartoes(q.m, q.jogo, 1);
    }
    EXPECT_EQ(q.eventos(kEvGolFalta, 1), 0);
    EXPECT_EQ(q.g().gols[1], 6);
}

TEST(Cartoes, ExpulsoSaiDeCampoNaHoraMesmoEmAmistoso) {
    for (int tipo : {kAmistoso, kLiga}) {
        Partida p(3, tipo);
        p.m.diajogo.tempo = 2;
        p.m.diajogo.minuto = 20;
        int expulso = 0;
        for (int i = 0; i < 100000 && !expulso; ++i) {
            p.m.times[0].disponiveis = 20;
            faltasecartoes(p.m, p.jogo, 1);
            for (const auto& e : p.m.diajogo.eventos)
                if (e.tipo == kEvVermelhoDireto) expulso = e.jogador;
        }
        ASSERT_GT(expulso, 0);
        const TJogador& j = p.m.jogadores[expulso];
        EXPECT_FALSE(j.jogouhoje);
        EXPECT_FALSE(emcampo(p.m, expulso));
        EXPECT_EQ(j.suspensao[kAmistoso], 0) << "a direct red suspends nobody in friendlies";
        if (tipo == kLiga) {
            EXPECT_GT(j.suspensao[kLiga], 0);
        }
        EXPECT_GT(p.g().acrescimos[1], 0);  // second-half reds lengthen the half
        // He no longer counts in his line nor in the line counts.
        int nalinha = 0;
        for (int s = 1; s <= 11; ++s) {
            const int id = p.r(0)[s];
            if (id > 0 && p.m.jogadores[id].jogouhoje && p.m.jogadores[id].posicao == j.posicao) ++nalinha;
        }
        if (j.posicao >= 1) {
            EXPECT_EQ(p.r(0)[11 + j.posicao], nalinha);
        }
        // No substitution brings the side back to eleven.
        int slot = 0;
        for (int s = 1; s <= 11; ++s)
            if (p.r(0)[s] == expulso) slot = s;
        ASSERT_GT(slot, 0);
        EXPECT_FALSE(substituicaohumana(p.m, p.jogo, 1, slot, p.r(0)[kPrimeiroBanco + 3]));
    }
}

TEST(Cartoes, PoucosDisponiveisNaoSofremFaltasCartoesNemContusoes) {
    InteracaoComputador ia;
    for (uint64_t s = 1; s <= 20; ++s) {
        Mundo m = mundo(2, s);
        preparadia(m, {{0, 1}});
        m.times[0].disponiveis = 10;
        simulainstantaneo(m, ia);
        EXPECT_EQ(m.diajogo.jogos[0].faltas[0], 0);
        for (const auto& e : m.diajogo.eventos) {
            if (e.time != 0) continue;
            EXPECT_NE(e.tipo, kEvAmarelo);
            EXPECT_NE(e.tipo, kEvSegundoAmarelo);
            EXPECT_NE(e.tipo, kEvVermelhoDireto);
            EXPECT_NE(e.tipo, kEvContusao);
        }
    }
}

TEST(Contusoes, GoleiroDoComputadorSemReservaDaLugarAoPrimeiroDoBanco) {
    InteracaoComputador ia;
    Partida p;
    TEscalacao& r = p.r(0);
    const int goleiro = r[11];
    for (int s = 1; s <= 10; ++s) r[s] = 0;  // only the keeper can be hit
    r[kPrimeiroBanco] = 0;                   // no spare keeper
    const int primeiro = r[kPrimeiroBanco + 1];
    p.m.diajogo.minuto = 30;
    for (int i = 0; i < 200000 && p.eventos(kEvContusao, 0) == 0; ++i) {
        p.m.times[0].disponiveis = 20;
        sorteiacontusao(p.m, ia, p.jogo, 1, 0);
    }
    ASSERT_EQ(p.eventos(kEvContusao, 0), 1);
    EXPECT_GT(p.m.jogadores[goleiro].contusaoate, hojedodia(p.m));
    EXPECT_EQ(r[11], primeiro);
    EXPECT_EQ(p.m.jogadores[primeiro].posicao, kGoleiro);
    EXPECT_NE(p.m.jogadores[primeiro].posicaooriginal, kGoleiro);
    EXPECT_EQ(p.g().substituicoes[0], 2);
    EXPECT_EQ(p.g().nsubstituidos[0], 1);
    EXPECT_EQ(p.g().substituidos[0][0].jogador, goleiro);
    // He plays in goal at 0.3 of his strength.
    const TJogador& j = p.m.jogadores[primeiro];
    EXPECT_EQ(forcasetor(p.m, 0, kGoleiro), arredonda(0.3f * j.forca * j.energia / 100.0));
}

TEST(Contusoes, TecnicoHumanoEscolheEntreOsReservasOferecidos) {
    Partida p;
    p.m.times[0].humano = 1;
    InteracaoGravada ia;
    for (int i = 0; i < 200000 && p.eventos(kEvContusao, 0) == 0; ++i) {
        p.m.times[0].disponiveis = 20;
        sorteiacontusao(p.m, ia, p.jogo, 1, 0);
    }
    ASSERT_EQ(p.eventos(kEvContusao, 0), 1);
    ASSERT_EQ(ia.ofertas.size(), 1u);
    // Outfield injury: the outfield bench players by position, never the spare keeper.
    const auto& oferta = ia.ofertas[0];
    ASSERT_EQ(oferta.size(), 4u);
    for (size_t i = 1; i < oferta.size(); ++i)
        EXPECT_LE(p.m.jogadores[oferta[i - 1]].posicao, p.m.jogadores[oferta[i]].posicao);
    EXPECT_EQ(p.eventos(kEvSubstituicao, 0), 1);
    EXPECT_EQ(p.g().substituicoes[0], 2);

    // An empty bench: the window can only close, and the side makes no more substitutions.
    Partida q;
    q.m.times[0].humano = 1;
    for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s) q.r(0)[s] = 0;
    InteracaoGravada ib;
    for (int i = 0; i < 200000 && q.eventos(kEvContusao, 0) == 0; ++i) {
        q.m.times[0].disponiveis = 20;
        sorteiacontusao(q.m, ib, q.jogo, 1, 0);
    }
    EXPECT_TRUE(ib.ofertas.empty());
    EXPECT_EQ(q.g().substituicoes[0], 0);
    // With no substitution left, no further injury.
    const auto antes = q.m.diajogo.eventos.size();
    for (int i = 0; i < 20000; ++i) {
        q.m.times[0].disponiveis = 20;
        sorteiacontusao(q.m, ib, q.jogo, 1, 0);
    }
    EXPECT_EQ(q.m.diajogo.eventos.size(), antes);
}

TEST(Substituicoes, TecnicoHumanoTrocaDentroDasRegras) {
    Partida p;
    TEscalacao& r = p.r(0);
    const int sai = r[5], entra = r[kPrimeiroBanco + 3];
    const int goleiroreserva = r[kPrimeiroBanco];
    p.m.diajogo.tempo = 2;
    p.m.diajogo.minuto = 30;
    EXPECT_FALSE(substituicaohumana(p.m, p.jogo, 1, 5, goleiroreserva));  // keeper outside goal
    EXPECT_FALSE(substituicaohumana(p.m, p.jogo, 1, 5, r[3]));             // not on the bench
    EXPECT_FALSE(substituicaohumana(p.m, p.jogo, 1, 12, entra));
    ASSERT_TRUE(substituicaohumana(p.m, p.jogo, 1, 5, entra));
    EXPECT_EQ(r[5], entra);
    EXPECT_EQ(r[kPrimeiroBanco + 3], 0);
    EXPECT_FALSE(p.m.jogadores[sai].jogouhoje);
    EXPECT_EQ(p.g().substituidos[0][0].jogador, sai);
    EXPECT_EQ(p.g().substituidos[0][0].minuto, 75);
    EXPECT_TRUE(substituicaohumana(p.m, p.jogo, 1, 11, goleiroreserva));
    EXPECT_TRUE(substituicaohumana(p.m, p.jogo, 1, 1, r[kPrimeiroBanco + 1]));
    EXPECT_EQ(p.g().substituicoes[0], 0);
    EXPECT_FALSE(substituicaohumana(p.m, p.jogo, 1, 2, r[kPrimeiroBanco + 2]));  // none left
    EXPECT_EQ(p.eventos(kEvSubstituicao, 0), 3);
}

