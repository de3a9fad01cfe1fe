// Coaches' careers over whole headless seasons: the hirings of every season and the clubs'
// confidence in the JSON, computer clubs changing coaches, and human coaches who lose their
// clubs taking the first job offered.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "../apoio/cli.h"
#include "../database/base_teste.h"

using tarvello::teste::BaseTeste;

TEST(CliCarreira, ContratacoesEConfiancaEmTresTemporadas) {
    BaseTeste b;
    b.clubes(29, 40);
    bool humanomudou = false;
    int trocas = 0;
    // Two human coaches on clubs of the lower division; a few seeds, since whether one of them
    // is sacked depends on the draws.
    for (int semente = 1; semente <= 4 && !humanomudou; ++semente) {
        const std::string args = "simular --dados " + b.raiz.string() +
                                 " --ligas 29 --sistema 10 --sem-continentais --sem-selecoes --temporadas 3"
                                 " --humanos-clubes 15,18 --semente " + std::to_string(semente) + " --json";
        auto [rc, s] = tarvello::teste::rodacli(args, tarvello::teste::Erros::Fora);
        ASSERT_EQ(rc, 0) << tarvello::teste::rodacli(args, tarvello::teste::Erros::Junto).second;
        const auto j = nlohmann::json::parse(s);
        const auto& clubes = j["clubes"];
        for (const auto& [indice, c] : clubes.items()) {
            EXPECT_GE(c["confiancadiretoria"].get<int>(), 0) << indice;
            EXPECT_LE(c["confiancadiretoria"].get<int>(), 100) << indice;
            EXPECT_GE(c["confiancatorcida"].get<int>(), 0) << indice;
            EXPECT_LE(c["confiancatorcida"].get<int>(), 100) << indice;
        }
        ASSERT_EQ(j["temporadas"].size(), 3u);
        for (const auto& t : j["temporadas"]) {
            for (const auto& h : t["contratacoes"]) {
                EXPECT_EQ(h["temporada"], t["temporada"]);
                EXPECT_FALSE(h["nome"].get<std::string>().empty());
                EXPECT_TRUE(clubes.contains(std::to_string(h["time"].get<int>())));
                ++trocas;
                // The human coaches hold the coach records of the clubs they chose.
                const int tec = h["tecnico"].get<int>(), time = h["time"].get<int>();
                if ((tec == 15 || tec == 18) && time != tec) humanomudou = true;
            }
        }
    }
    EXPECT_GT(trocas, 0);
    EXPECT_TRUE(humanomudou);
}
