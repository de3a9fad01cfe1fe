#include <gtest/gtest.h>

#include "../apoio/cli.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "../database/base_teste.h"

using tarvello::teste::BaseTeste;
using tarvello::teste::Erros;
using tarvello::teste::rodacli;

// The stored reports of a saved game tell the same matches the run that saved it played.
TEST(CliRelatorio, RelatoriosDoJogoSalvoBatemComAsPartidasJogadas) {
    BaseTeste b;
    b.clubes(29, 22);
    const std::string salvo = (b.raiz / "r.s08").string();
    const std::string args = "simular --dados " + b.raiz.string() +
                             " --ligas 29 --sem-continentais --sem-selecoes --semente 4 --datas 3 --resultados"
                             " --json --salvar " + salvo;
    auto [rc, s] = rodacli(args, Erros::Fora);
    ASSERT_EQ(rc, 0) << rodacli(args, Erros::Junto).second;
    const auto j = nlohmann::json::parse(s);
    int jogadas = 0;
    for (const auto& d : j["datas"])
        for (const auto& p : d["partidas"]) {
            if (!p["jogado"].get<bool>()) continue;
            ++jogadas;
            ASSERT_FALSE(p["relatorio"].is_null());
            const int n = p["relatorio"]["indice"].get<int>() + 1;
            auto [rcp, sp] = rodacli("relatorio --carregar " + salvo + " --partida " + std::to_string(n) + " --json",
                                     Erros::Fora);
            ASSERT_EQ(rcp, 0) << sp;
            const auto r = nlohmann::json::parse(sp);
            EXPECT_EQ(r["nomemandante"], p["nomemandante"]);
            EXPECT_EQ(r["nomevisitante"], p["nomevisitante"]);
            EXPECT_EQ(r["golsmandante"], p["golsmandante"]);
            EXPECT_EQ(r["golsvisitante"], p["golsvisitante"]);
            EXPECT_EQ(r["finalizacoes"], p["relatorio"]["finalizacoes"]);
            // Every event of the report has its line, and each goal reads with the running score.
            EXPECT_EQ(r["linhaseventos"].size(), r["eventos"].get<size_t>());
            int gols = 0;
            for (const auto& l : r["linhaseventos"]) gols += l.get<std::string>().find("x") == 1 ? 1 : 0;
            EXPECT_EQ(gols, p["golsmandante"].get<int>() + p["golsvisitante"].get<int>());
        }
    ASSERT_GT(jogadas, 0);

    // The list has one line per stored report; a report past the last is refused.
    auto [rcl, lista] = rodacli("relatorio --carregar " + salvo, Erros::Fora);
    ASSERT_EQ(rcl, 0);
    std::istringstream in(lista);
    int linhas = 0;
    for (std::string l; std::getline(in, l);) ++linhas;
    EXPECT_EQ(linhas, jogadas);
    EXPECT_EQ(rodacli("relatorio --carregar " + salvo + " --partida " + std::to_string(jogadas + 1), Erros::Fora).first, 1);
    EXPECT_EQ(rodacli("relatorio --carregar " + (b.raiz / "nenhum.s08").string(), Erros::Fora).first, 1);
    EXPECT_EQ(rodacli("relatorio", Erros::Fora).first, 2);
}
