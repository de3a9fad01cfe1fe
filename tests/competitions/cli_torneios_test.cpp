// Four seasons of the sample world headless from 2008 with every tournament on: the Eurocopa of
// 2008, the world cup of 2010 and the Copa América of 2011, each from its draw to its final.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"

namespace {

std::pair<int, std::string> roda(const std::string& args) {
    return tarvello::teste::rodacli(args, tarvello::teste::Erros::Fora);
}

}  // namespace

TEST(CliTorneios, QuatroTemporadasComOsTresTorneios) {
    const auto pasta = tarvello::teste::pastatemporaria("cli_torneios");
    ASSERT_EQ(roda("gerar-base --destino " + pasta.string()).first, 0);
    auto [rc, s] = roda("simular --dados " + pasta.string() + " --ligas 11,29 --temporadas 4 --resultados --json --semente 4");
    ASSERT_EQ(rc, 0);
    const auto j = nlohmann::json::parse(s);
    struct Torneio {
        std::set<std::string> selecoes;
        int jogos = 0, datas = 0, temporada = 0;
        nlohmann::json final;
    };
    std::map<int, Torneio> t;
    for (const auto& d : j["datas"]) {
        const int c = d["competicao"].get<int>();
        if (c < 7) continue;
        Torneio& x = t[c];
        x.temporada = d["temporada"].get<int>();
        ++x.datas;
        for (const auto& p : d["partidas"]) {
            ++x.jogos;
            x.selecoes.insert(p["nomemandante"].get<std::string>());
            x.selecoes.insert(p["nomevisitante"].get<std::string>());
            x.final = p;
        }
    }
    // competition: (season, teams, dates, matches): groups of four play six matches each, then
    // the knock-out (the world cup from its round of 16) with the match for third place.
    const std::map<int, std::array<int, 4>> esperado = {
        {9, {1, 16, 6, 24 + 8}}, {7, {3, 32, 7, 48 + 16}}, {8, {4, 12, 6, 18 + 8}}};
    for (const auto& [c, e] : esperado) {
        ASSERT_TRUE(t.count(c)) << c;
        EXPECT_EQ(t[c].temporada, e[0]) << c;
        EXPECT_EQ(static_cast<int>(t[c].selecoes.size()), e[1]) << c;
        EXPECT_EQ(t[c].datas, e[2]) << c;
        EXPECT_EQ(t[c].jogos, e[3]) << c;
    }
    // Each season's summary names the champion country of its tournament.
    std::map<int, std::string> campeoes;
    for (const auto& r : j["temporadas"])
        for (const auto& c : r["campeoes"])
            if (c["competicao"].get<int>() >= 7) campeoes[c["competicao"].get<int>()] = c["nome"].get<std::string>();
    ASSERT_EQ(campeoes.size(), 3u);
    for (const auto& [c, nome] : campeoes) EXPECT_TRUE(t[c].selecoes.count(nome)) << c << " " << nome;
    // The last season's match list (its "copas") holds the Copa América, all played.
    int copaamerica = 0;
    for (const auto& p : j["copas"])
        if (p["competicao"].get<int>() == 8) copaamerica += p["jogado"].get<bool>();
    EXPECT_EQ(copaamerica, 26);
}
