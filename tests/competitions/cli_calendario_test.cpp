#include <gtest/gtest.h>

#include "../apoio/cli.h"

#include <map>
#include <nlohmann/json.hpp>

namespace {

std::pair<int, std::string> roda(const std::string& args) {
    return tarvello::teste::rodacli(args, tarvello::teste::Erros::Junto);
}

std::map<int, int> contagem(const nlohmann::json& j) {
    std::map<int, int> c;
    for (const auto& d : j) c[d["competicao"].get<int>()] += 1;
    return c;
}

}  // namespace

TEST(CliCalendario, PrimeiraTemporadaEmJson) {
    auto [rc, s] = roda("calendario --temporada 1 --sistema 20 --json");
    ASSERT_EQ(rc, 0) << s;
    const auto j = nlohmann::json::parse(s);
    ASSERT_EQ(j.size(), 148u);
    EXPECT_EQ(j[0]["numero"], 1);
    EXPECT_EQ(j[0]["data"], "2008-01-02");
    EXPECT_EQ(j[0]["diasemana"], "qua");
    EXPECT_EQ(j[1]["diasemana"], "qui");
    EXPECT_EQ(j[2]["data"], "2008-01-06");
    EXPECT_EQ(j[35]["data"], "2008-03-23");
    EXPECT_EQ(j[35]["competicao"], 1);
    EXPECT_EQ(j[147]["data"], "2008-12-10");
    // Season 1: no continental cups; a Eurocopa season (date 87 a friendly date).
    const auto c = contagem(j);
    EXPECT_EQ(c.at(1), 38);
    EXPECT_EQ(c.at(2), 10);
    EXPECT_EQ(c.count(4), 0u);
    EXPECT_EQ(c.count(3), 0u);
    EXPECT_EQ(c.at(9), 6);
    EXPECT_EQ(j[86]["competicao"], 0);
}

TEST(CliCalendario, SwitchesESistemaDeDez) {
    auto [rc, s] = roda("calendario --temporada 3 --sistema 10 --estaduais --sem-copa --json");
    ASSERT_EQ(rc, 0) << s;
    const auto c = contagem(nlohmann::json::parse(s));
    EXPECT_EQ(c.at(1), 18);
    EXPECT_EQ(c.at(3), 12);
    EXPECT_EQ(c.count(2), 0u);
    EXPECT_EQ(c.at(4), 14);
    EXPECT_EQ(c.at(6), 14);
    EXPECT_EQ(c.at(5), 3);
    EXPECT_EQ(c.at(7), 7);  // world cup season

    auto [rc2, s2] = roda("calendario --temporada 3 --sem-continentais --sem-selecoes --json");
    ASSERT_EQ(rc2, 0) << s2;
    const auto c2 = contagem(nlohmann::json::parse(s2));
    EXPECT_EQ(c2.count(4) + c2.count(5) + c2.count(6) + c2.count(7), 0u);

    auto [rc3, s3] = roda("calendario --temporada 1 --sistema 15");
    EXPECT_NE(rc3, 0);
}
