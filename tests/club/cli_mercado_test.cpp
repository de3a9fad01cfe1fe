// simular's JSON of the market: every transfer with its fields, and each squad's size, agreeing
// with the clubs' purchases and sales.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"

TEST(CliMercado, TransferenciasDaTemporada) {
    const auto pasta = tarvello::teste::pastatemporaria("cli_mercado");
    auto [rcb, b] = tarvello::teste::rodacli("gerar-base --destino " + pasta.string(), tarvello::teste::Erros::Fora);
    ASSERT_EQ(rcb, 0) << b;
    auto [rc, s] = tarvello::teste::rodacli("simular --dados " + pasta.string() + " --ligas 29,11 --semente 3 --json",
                                            tarvello::teste::Erros::Fora);
    ASSERT_EQ(rc, 0) << s;
    const auto j = nlohmann::json::parse(s);
    ASSERT_TRUE(j.contains("transferencias"));
    EXPECT_GT(j["transferencias"].size(), 20u);
    std::map<std::string, long long> compras, vendas;
    for (const auto& t : j["transferencias"]) {
        for (const char* k : {"jogador", "nome", "temporada", "origem", "destino", "preco"}) ASSERT_TRUE(t.contains(k)) << k;
        EXPECT_EQ(t["temporada"], 1);
        EXPECT_NE(t["origem"], t["destino"]);
        compras[std::to_string(t["destino"].get<int>())] += t["preco"].get<long long>();
        vendas[std::to_string(t["origem"].get<int>())] += t["preco"].get<long long>();
    }
    for (const auto& [indice, c] : j["clubes"].items()) {
        ASSERT_TRUE(c.contains("numjogadores"));
        EXPECT_EQ(c["financas"]["compras"].get<long long>(), compras[indice]) << indice;
        EXPECT_EQ(c["financas"]["vendas"].get<long long>(), vendas[indice]) << indice;
        if (compras[indice] + vendas[indice] > 0) {
            EXPECT_GE(c["numjogadores"].get<int>(), 11);
            EXPECT_LE(c["numjogadores"].get<int>(), 28);
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
}
