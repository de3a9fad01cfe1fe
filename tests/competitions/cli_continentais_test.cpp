// Two seasons headless: the continental cups and the club world cup of season 2, played from
// the groups to the finals, in the JSON of simular.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"

TEST(CliContinentais, SegundaTemporadaComAsCopasInternacionais) {
    const auto pasta = tarvello::teste::pastatemporaria("cli_continentais");
    auto [rcb, b] = tarvello::teste::rodacli("gerar-base --destino " + pasta.string(), tarvello::teste::Erros::Fora);
    ASSERT_EQ(rcb, 0) << b;
    // Brasil, Argentina, Inglaterra, Espanha and Itália played; everyone else drawn from the base.
    auto [rc, s] = tarvello::teste::rodacli("simular --dados " + pasta.string() +
                                                " --ligas 29,11,97,65,104 --semente 4 --temporadas 2 --json",
                                            tarvello::teste::Erros::Fora);
    ASSERT_EQ(rc, 0) << s.substr(0, 2000);
    const auto j = nlohmann::json::parse(s);
    ASSERT_EQ(j["temporada"], 2);

    // Per cup and confederation: 96 group matches and 15 two-legged ties, every one played with
    // both clubs known.
    std::map<std::pair<int, int>, int> grupos, matamata;
    std::map<std::pair<int, int>, std::pair<int, int>> final;
    int mundial = 0;
    for (const auto& p : j["copas"]) {
        const int c = p["competicao"].get<int>();
        if (c == 5) {
            ++mundial;
            EXPECT_TRUE(p["jogado"].get<bool>());
            continue;
        }
        if (c != 4 && c != 6) continue;
        const std::pair<int, int> k{c, p["liga"].get<int>()};
        EXPECT_TRUE(p["jogado"].get<bool>());
        EXPECT_GE(p["mandante"].get<int>(), 0);
        EXPECT_GE(p["visitante"].get<int>(), 0);
        EXPECT_NE(p["mandante"], p["visitante"]);
        if (p["rodada"].get<int>() < 4) ++grupos[k];
        else ++matamata[k];
        if (p["rodada"].get<int>() == 7 && p["turno"].get<int>() == 1)
            final[k] = {p["mandante"].get<int>(), p["visitante"].get<int>()};
    }
    for (int c : {4, 6})
        for (int conf : {1, 2}) {
            EXPECT_EQ(grupos[std::make_pair(c, conf)], 96) << c << "/" << conf;
            EXPECT_EQ(matamata[std::make_pair(c, conf)], 30) << c << "/" << conf;
        }
    EXPECT_EQ(mundial, 6);

    // One champion per cup, a finalist of its final; the prizes reached the clubs.
    std::map<std::string, int> campeoes;
    for (const auto& c : j["campeoes"]) {
        if (!c.contains("nomecompeticao")) continue;
        const std::string nome = c["nomecompeticao"].get<std::string>();
        campeoes[nome] += 1;
        const int comp = c["competicao"].get<int>(), time = c["time"].get<int>();
        const long long premios = j["clubes"][std::to_string(time)]["financas"]["premios"].get<long long>();
        EXPECT_GE(premios, comp == 6 ? 3000000 : 5000000) << nome;
        if (comp != 5) {
            const auto f = final[{comp, c["regiao"].get<int>()}];
            EXPECT_TRUE(time == f.first || time == f.second) << nome;
        }
    }
    for (const char* n : {"Taça Libertadores", "Liga Campeões", "Copa Sul-Americana", "Copa Uefa", "Mundial Interclubes"})
        EXPECT_EQ(campeoes[n], 1) << n;
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
}
