#include <gtest/gtest.h>

#include "../apoio/cli.h"

#include <memory>
#include <nlohmann/json.hpp>

#include "base_teste.h"

using tarvello::teste::BaseTeste;

namespace {

std::pair<int, std::string> roda(const std::string& args) {
    return tarvello::teste::rodacli(args, tarvello::teste::Erros::Fora);
}

}  // namespace

TEST(CliCarga, MundoEBaseEmJson) {
    BaseTeste b;
    b.clubes(29, 42);
    b.clubes(11, 25);
    b.clubes(195, 5);
    const int selecoes = b.selecoesdostorneios();
    const std::string dados = "--dados " + b.raiz.string();

    auto [rcb, sb] = roda("base " + dados + " --json");
    ASSERT_EQ(rcb, 0);
    const auto base = nlohmann::json::parse(sb);
    ASSERT_EQ(base["ligas"].size(), 2u);
    EXPECT_EQ(base["ligas"][0]["pais"], 11);
    EXPECT_EQ(base["ligas"][0]["clubes"], 25);
    EXPECT_EQ(base["personalizado"].size(), 3u);

    auto [rc, s] = roda("mundo " + dados + " --ligas 11,29 --semente 3 --json");
    ASSERT_EQ(rc, 0);
    const auto j = nlohmann::json::parse(s);
    EXPECT_EQ(j["numclubesliga"], 67);
    EXPECT_EQ(j["numclubesextras"], 5);  // Uruguai
    EXPECT_EQ(j["paisprincipal"], 29);
    EXPECT_EQ(j["numselecoes"], selecoes);
    ASSERT_EQ(j["ligas"].size(), 2u);
    EXPECT_EQ(j["ligas"][0]["pais"], 11);  // in the order given
    EXPECT_EQ(j["ligas"][0]["numdivisoes"], 2);
    EXPECT_EQ(j["ligas"][1]["numdivisoes"], 4);
    const auto& d1 = j["ligas"][1]["times"][0];
    ASSERT_EQ(d1.size(), 10u);
    const int c = d1[0];
    EXPECT_EQ(j["clubes"][c]["pais"], 29);
    EXPECT_EQ(j["clubes"][c]["divisao"], 1);
    EXPECT_EQ(j["clubes"].size(), 72u);
    EXPECT_EQ(j["numjogadores"], 72 * 16);

    // Same seed, same world; an unknown league is refused with a message.
    EXPECT_EQ(roda("mundo " + dados + " --ligas 11,29 --semente 3 --json").second, s);
    EXPECT_EQ(roda("mundo " + dados + " --ligas 195").first, 1);
    EXPECT_EQ(roda("mundo " + dados + " --ligas 11,29,195 --personalizado --sistema 20 --json").first, 0);
}
