// A whole season of the sample world without screens: the computer market moves players, and
// after every date the squads are sound and the money of every transfer is booked on both
// sides.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "../apoio/pastatemporaria.h"
#include "club/transferencias.h"
#include "database/gerador.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/mundo.h"
#include "newgame/novojogo.h"

using namespace tarvello;

TEST(MercadoTemporada, MundoDeExemplo) {
    const auto pasta = teste::pastatemporaria("mercado_temporada");
    TMundoGerado g = geramundo(1);
    ASSERT_EQ(gravamundo(pasta, g), "");
    NovoJogo jogo(pasta, pasta / "nenhum.ini", 5);
    jogo.lerbase();
    EscolhasJogo e;
    e.paises = {11, 29};
    e.sistemadisputa = 4;
    e.numtecnicoshumanos = 0;
    ASSERT_EQ(jogo.configura(e), "");
    ASSERT_EQ(jogo.inicializa(), "");
    jogo.primeiratela();
    Mundo& m = jogo.mundo();
    InteracaoComputador ia;
    const int reais = numclubesreais(m);

    auto confere = [&](int data) {
        std::vector<int> contagem(m.times.size(), 0);
        for (size_t j = 1; j < m.jogadores.size(); ++j) {
            const int t = m.jogadores[j].time;
            if (t >= 0 && t < static_cast<int>(m.times.size())) ++contagem[static_cast<size_t>(t)];
        }
        for (int t = 0; t < reais; ++t) {
            // Each player counts in one squad only, and the kept counts agree with the table.
            ASSERT_EQ(m.times[static_cast<size_t>(t)].numjogadores, contagem[static_cast<size_t>(t)]) << "data " << data;
            ASSERT_GE(contagem[static_cast<size_t>(t)], kMinimoElenco) << "clube " << t << " data " << data;
            ASSERT_LE(contagem[static_cast<size_t>(t)], kMaximoElenco) << "clube " << t << " data " << data;
        }
    };
    confere(0);
    do {
        jogadatasemtela(m, ia);
        confere(m.estado.dataatual);
    } while (continuar(m, ia) != ProximaEtapa::FimTemporada);

    std::map<int, int64_t> compras, vendas;
    int pagas = 0;
    for (const TTransferencia& t : m.transferencias) {
        compras[t.destino] += t.preco;
        vendas[t.origem] += t.preco;
        pagas += t.preco > 0;
        EXPECT_LT(t.origem, reais);
        EXPECT_LT(t.destino, reais);
    }
    std::printf("transferências na temporada: %zu (%d pagas)\n", m.transferencias.size(), pagas);
    EXPECT_GT(pagas, 20);
    for (int t = 0; t < reais; ++t) {
        EXPECT_EQ(m.financas[static_cast<size_t>(t)].compras, compras[t]) << t;
        // Every club is computer-run: no termination fines, the whole price reaches the seller.
        EXPECT_EQ(m.financas[static_cast<size_t>(t)].vendas, vendas[t]) << t;
        EXPECT_EQ(m.financas[static_cast<size_t>(t)].multas, 0) << t;
    }
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
}
