#include <gtest/gtest.h>

#include "../apoio/cli.h"

#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "../database/base_teste.h"

using tarvello::teste::BaseTeste;

namespace {

std::pair<int, std::string> roda(const std::string& args) {
    return tarvello::teste::rodacli(args, tarvello::teste::Erros::Fora);
}

}  // namespace

TEST(CliSimular, TemporadaComCopaEEstaduais) {
    BaseTeste b;
    for (int i = 0; i < 14; ++i)  // São Paulo: two full groups and two more clubs
        b.clube(29, std::max(1, 20 - i / 3), "SP" + std::to_string(i),
                [](tarvello::TArquivoClube& c) { c.cabecalho.estado = 25; });
    for (int i = 0; i < 8; ++i)
        b.clube(29, 10, "RJ" + std::to_string(i), [](tarvello::TArquivoClube& c) { c.cabecalho.estado = 18; });
    b.clubes(11, 22);
    const std::string args = "simular --dados " + b.raiz.string() +
                             " --ligas 29,11 --estaduais --sem-continentais --sem-selecoes --semente 9"
                             " --ate-fim-da-temporada --resultados --json";
    auto [rc, s] = roda(args);
    ASSERT_EQ(rc, 0) << s;
    const auto j = nlohmann::json::parse(s);
    EXPECT_TRUE(j["fimdatemporada"].get<bool>());

    // Every league match played once: each ordered pair of a division exactly once.
    std::map<std::pair<int, int>, int> liga;
    std::map<int, int> jogosporclube;
    for (const auto& d : j["datas"])
        for (const auto& p : d["partidas"]) {
            EXPECT_TRUE(p["jogado"].get<bool>());
            EXPECT_EQ(p["competicao"], d["competicao"]);
            if (p["competicao"] != 1) continue;
            ++liga[{p["mandante"].get<int>(), p["visitante"].get<int>()}];
            ++jogosporclube[p["mandante"].get<int>()];
            ++jogosporclube[p["visitante"].get<int>()];
        }
    EXPECT_EQ(liga.size(), 4u * 90u);  // two leagues of two divisions of 10
    for (const auto& [par, n] : liga) EXPECT_EQ(n, 1);
    for (const auto& [clube, n] : jogosporclube) EXPECT_EQ(n, 18);
    for (const auto& l : j["ligas"])
        for (const auto& d : l["divisoes"]) {
            ASSERT_EQ(d["tabela"].size(), 10u);
            int pontos = 0;
            for (const auto& r : d["tabela"]) {
                EXPECT_EQ(r["jogos"], 18);
                pontos += r["pontos"].get<int>();
            }
            EXPECT_GE(pontos, 90 * 2);  // each match hands out 2 or 3 points
            EXPECT_LE(pontos, 90 * 3);
            EXPECT_TRUE(d.contains("campeao"));
        }

    // One champion per cup and per state, every cup tie decided.
    std::map<int, int> campeoes;
    for (const auto& c : j["campeoes"]) ++campeoes[c["competicao"].get<int>()];
    EXPECT_EQ(campeoes[1], 4);  // one per division
    EXPECT_EQ(campeoes[2], 2);  // one per league's cup
    EXPECT_EQ(campeoes[3], 2);  // SP and RJ
    for (const auto& p : j["copas"]) {
        EXPECT_TRUE(p["jogado"].get<bool>()) << p.dump();
        EXPECT_GE(p["mandante"].get<int>(), 0);
    }

    // The same seed, the same output.
    auto [rc2, s2] = roda(args);
    EXPECT_EQ(rc2, 0);
    EXPECT_EQ(s, s2);
}

TEST(CliSimular, VariasTemporadas) {
    BaseTeste b;
    b.clubes(29, 24);
    b.clubes(11, 22);
    const std::string args = "simular --dados " + b.raiz.string() +
                             " --ligas 29,11 --sem-continentais --sem-selecoes --semente 4 --temporadas 3 --json";
    auto [rc, s] = roda(args);
    ASSERT_EQ(rc, 0) << s;
    const auto j = nlohmann::json::parse(s);
    EXPECT_EQ(j["temporada"], 3);
    EXPECT_TRUE(j["fimdatemporada"].get<bool>());
    ASSERT_EQ(j["temporadas"].size(), 3u);
    for (size_t t = 0; t < 3; ++t) {
        const auto& r = j["temporadas"][t];
        EXPECT_EQ(r["temporada"], static_cast<int>(t) + 1);
        EXPECT_GT(r["mundo"]["forcamedia"].get<double>(), 0);
        for (size_t li = 0; li < r["ligas"].size(); ++li) {
            const auto& l = r["ligas"][li];
            const auto& d1 = l["divisoes"][0];
            const auto& d2 = l["divisoes"][1];
            // The bottom two of division 1 go down and the top two of division 2 come up, as
            // the final tables say.
            std::set<int> rebaixados, promovidos, fundo, topo;
            for (const auto& x : d1["rebaixados"]) rebaixados.insert(x.get<int>());
            for (const auto& x : d2["promovidos"]) promovidos.insert(x.get<int>());
            for (size_t k = 8; k < 10; ++k) fundo.insert(d1["tabela"][k]["time"].get<int>());
            for (size_t k = 0; k < 2; ++k) topo.insert(d2["tabela"][k]["time"].get<int>());
            EXPECT_EQ(rebaixados, fundo);
            EXPECT_EQ(promovidos, topo);
            EXPECT_TRUE(d1["promovidos"].empty());
            EXPECT_TRUE(d1.contains("campeao"));
            // The next season's first division is the old one less the bottom two plus the top two.
            if (t + 1 < 3) {
                std::set<int> proxima, esperada;
                for (const auto& x : j["temporadas"][t + 1]["ligas"][li]["divisoes"][0]["tabela"])
                    proxima.insert(x["time"].get<int>());
                for (size_t k = 0; k < 8; ++k) esperada.insert(d1["tabela"][k]["time"].get<int>());
                esperada.insert(topo.begin(), topo.end());
                EXPECT_EQ(proxima, esperada);
            }
        }
    }
    EXPECT_FALSE(j["clubes"].empty());
    for (const auto& [indice, c] : j["clubes"].items()) {
        const auto& e = c["elenco"];
        if (e["jogadores"].get<int>() > 0) {
            EXPECT_GT(e["forcamedia"].get<double>(), 0);
            EXPECT_GE(e["idademedia"].get<double>(), 17);
        }
        // The last season's money adds up from its own start.
        const auto& f = c["financas"];
        if (f["emprestimo"].get<int>() == 0) {
            EXPECT_EQ(c["dinheiro"]["fim"].get<long long>() - c["dinheiro"]["inicio"].get<long long>(),
                      f["ingressos"].get<long long>() + f["vendas"].get<long long>() + f["premios"].get<long long>() +
                          f["patrocinio"].get<long long>() - f["salarios"].get<long long>() -
                          f["compras"].get<long long>() - f["obrasestadio"].get<long long>() -
                          f["multas"].get<long long>() - f["diversos"].get<long long>())
                << indice;
        }
    }

    auto [rc2, s2] = roda(args);
    EXPECT_EQ(rc2, 0);
    EXPECT_EQ(s, s2);
    // A season count below one is refused.
    EXPECT_NE(roda("simular --dados " + b.raiz.string() + " --ligas 29,11 --temporadas 0").first, 0);
}

TEST(CliSimular, DatasSemPartidasNaoContamENomesTrazemARegiao) {
    BaseTeste b;
    b.clubes(11, 22);
    b.selecoesdostorneios();  // the Eurocopa stays on: season 1 has its dates
    const std::string args = "simular --dados " + b.raiz.string() + " --ligas 11 --sistema 20 --semente 2";
    auto [rc, s] = roda(args + " --resultados --json");
    ASSERT_EQ(rc, 0) << s;
    const auto j = nlohmann::json::parse(s);
    ASSERT_TRUE(j["fimdatemporada"].get<bool>());
    // Only dates with matches are listed and counted; the Eurocopa of season 1 is drawn at the
    // world's creation and played on its dates.
    EXPECT_EQ(j["datasjogadas"].get<size_t>(), j["datas"].size());
    std::set<std::string> nomes;
    for (const auto& d : j["datas"]) {
        EXPECT_FALSE(d["partidas"].empty()) << d["numero"];
        nomes.insert(d["nome"].get<std::string>());
        for (const auto& p : d["partidas"]) nomes.insert(p["nomecompeticao"].get<std::string>());
    }
    EXPECT_EQ(nomes, (std::set<std::string>{"Campeonato Argentino", "Copa da Argentina", "Eurocopa"}));

    // --datas counts dates with matches only.
    auto [rc2, s2] = roda(args + " --datas 5 --json");
    ASSERT_EQ(rc2, 0);
    EXPECT_EQ(nlohmann::json::parse(s2)["datasjogadas"], 5);
}

// A whole season headless, with two human coaches who book friendlies and expand their
// stadiums: every home crowd fits the stadium, every sector's gate is its crowd times its price,
// every played match has exactly one report, and the reports agree with the scores.
TEST(CliSimular, PublicoRendaERelatoriosDaTemporada) {
    BaseTeste b;
    b.clubes(29, 22);
    const std::string args = "simular --dados " + b.raiz.string() +
                             " --ligas 29 --sistema 10 --sem-continentais --sem-selecoes --semente 5"
                             " --humanos-clubes 0,1 --amistosos 4 --obra 1000,0,0,0 --resultados --json";
    auto [rc, s] = roda(args);
    ASSERT_EQ(rc, 0) << tarvello::teste::rodacli(args, tarvello::teste::Erros::Junto).second;
    const auto j = nlohmann::json::parse(s);
    ASSERT_TRUE(j["fimdatemporada"].get<bool>());
    int partidas = 0, amistosos = 0;
    std::set<int> relatorios;
    for (const auto& d : j["datas"])
        for (const auto& p : d["partidas"]) {
            ++partidas;
            amistosos += p["competicao"] == 0;
            const auto& r = p["relatorio"];
            ASSERT_FALSE(r.is_null());
            EXPECT_TRUE(relatorios.insert(r["indice"].get<int>()).second);
            const auto& estadio = j["clubes"][std::to_string(p["mandante"].get<int>())]["estadio"];
            long long renda = 0, publico = 0;
            for (int k = 0; k < 4; ++k) {
                const int setor = r["publicosetor"][k].get<int>();
                EXPECT_GE(setor, 0);
                EXPECT_LE(setor, estadio["capacidade"][k].get<int>());  // capacities only grow
                renda += static_cast<long long>(setor) * estadio["precoingresso"][k].get<int>();
                publico += setor;
            }
            EXPECT_EQ(publico, p["publico"].get<int>());
            EXPECT_EQ(renda, p["renda"].get<int>());
            EXPECT_LE(p["golsmandante"].get<int>(), r["finalizacoes"][0].get<int>());
            EXPECT_LE(p["golsvisitante"].get<int>(), r["finalizacoes"][1].get<int>());
            EXPECT_EQ(r["posse"][0].get<int>() + r["posse"][1].get<int>(), 100);
            EXPECT_LE(r["substituicoes"][0].get<int>(), p["competicao"] == 0 ? 5 : 3);
        }
    EXPECT_EQ(j["relatorios"].get<int>(), partidas);
    EXPECT_GT(amistosos, 0);
    // The works were paid and their seats opened.
    const auto& c0 = j["clubes"]["0"];
    EXPECT_GT(c0["financas"]["obrasestadio"].get<int>(), 0);
    EXPECT_GT(c0["financas"]["diversos"].get<int>(), 0);
}
