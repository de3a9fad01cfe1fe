#include <gtest/gtest.h>

#include "../apoio/cli.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "../database/base_teste.h"

using tarvello::teste::BaseTeste;

namespace {

std::pair<int, std::string> roda(const std::string& args) {
    return tarvello::teste::rodacli(args, tarvello::teste::Erros::Junto);
}

void estado(BaseTeste& b, int n, int uf) {
    for (int i = 0; i < n; ++i)
        b.clube(29, std::max(1, 20 - i / 3), "E" + std::to_string(uf) + "-" + std::to_string(i),
                [&](tarvello::TArquivoClube& c) { c.cabecalho.estado = static_cast<uint8_t>(uf); });
}

TEST(CliNovo, MundoDoNovoJogoEmJson) {
    BaseTeste b;
    estado(b, 12, 25);  // São Paulo: two full groups
    estado(b, 10, 18);  // Rio de Janeiro: one full group and four more
    b.clubes(11, 22);
    b.selecoesdostorneios();  // no warning on standard error, merged into the JSON read here
    const std::string dados = "--dados " + b.raiz.string();

    auto [rc, s] = roda("novo " + dados + " --ligas 29,11 --estaduais --humanos-clubes 30 --semente 4 --json");
    ASSERT_EQ(rc, 0) << s;
    const auto j = nlohmann::json::parse(s);
    EXPECT_EQ(j["marcavalida"], 81);
    EXPECT_EQ(j["temporada"], 1);
    EXPECT_EQ(j["paisprincipal"], 29);
    EXPECT_EQ(j["nomeliga"], "Campeonato Brasileiro");
    EXPECT_EQ(j["competicaoatual"], 3);
    EXPECT_EQ(j["primeiradata"]["competicao"], 3);
    EXPECT_EQ(j["numclubesliga"], 44);
    EXPECT_EQ(j["timedotecnico"][0], 30);
    EXPECT_EQ(j["tecnicoatual"], 30);
    EXPECT_EQ(j["intervalohumano"], 800);  // no options file
    // Club 30 is Argentinian: no human club in a state championship.
    EXPECT_EQ(j["primeiratela"], "partidas");
    EXPECT_EQ(j["estadomostrado"], 25);
    ASSERT_EQ(j["estaduais"].size(), 2u);
    EXPECT_EQ(j["estaduais"][0]["sigla"], "RJ");
    EXPECT_EQ(j["estaduais"][0]["numgrupos"], 1);
    EXPECT_EQ(j["estaduais"][0]["grupos"][1].size(), 4u);
    EXPECT_EQ(j["estaduais"][1]["numgrupos"], 2);

    // The same seed builds the same world.
    auto [rc2, s2] = roda("novo " + dados + " --ligas 29,11 --estaduais --humanos-clubes 30 --semente 4 --json");
    EXPECT_EQ(rc2, 0);
    EXPECT_EQ(s, s2);

    // The options file of the data folder seeds the options.
    std::ofstream(b.raiz / "tarvello.ini") << "[opcoes]\nopvelocidade=0\n";
    auto [rc3, s3] = roda("novo " + dados + " --ligas 11 --json");
    ASSERT_EQ(rc3, 0) << s3;
    EXPECT_EQ(nlohmann::json::parse(s3)["intervalohumano"], 4000);
}

TEST(CliNovo, EscolhasInvalidasFalhamComAMensagem) {
    BaseTeste b;
    b.clubes(11, 22);
    b.clubes(42, 21);
    const std::string dados = "--dados " + b.raiz.string();
    auto [rc, s] = roda("novo " + dados);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(s.find("Selecione pelo menos uma liga"), std::string::npos) << s;
    auto [rc2, s2] = roda("novo " + dados + " --ligas 42");  // Chile: 21 clubs
    EXPECT_EQ(rc2, 1);
    auto [rc3, s3] = roda("novo " + dados + " --ligas 11 --humanos-clubes 5,5");
    EXPECT_EQ(rc3, 1);
    EXPECT_NE(s3.find("já escolhido"), std::string::npos) << s3;
    // 43 clubs make a custom championship; all of them, no extras.
    auto [rc4, s4] = roda("novo " + dados + " --ligas 11,42 --personalizado --json");
    ASSERT_EQ(rc4, 0) << s4;
    const auto j = nlohmann::json::parse(s4);
    EXPECT_EQ(j["paisprincipal"], 202);
    EXPECT_EQ(j["clubes"], 43);
    EXPECT_EQ(j["numclubesextras"], 0);
    EXPECT_EQ(j["numtecnicoshumanos"], 0);  // the computer runs every club
    EXPECT_EQ(j["timedotecnico"][0], -1);
}

}  // namespace
