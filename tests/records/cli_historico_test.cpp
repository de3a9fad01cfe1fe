// Twenty seasons played headless, then `historico` on the saved game: the champions history
// holds exactly the champions the league tables gave each season, every title is counted once in
// the club and coach counters, and the ranking totals are the sums of their awards.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <tuple>

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "newgame/salvamento.h"
#include "records/historico.h"
#include "records/ranking.h"

namespace tarvello {
namespace {

TEST(CliHistorico, VinteTemporadas) {
    const auto pasta = teste::pastatemporaria("cli_historico");
    auto [rcb, b] = teste::rodacli("gerar-base --destino " + pasta.string(), teste::Erros::Fora);
    ASSERT_EQ(rcb, 0) << b;
    const std::string salvo = (pasta / "vinte.s08").string();
    auto [rc, s] = teste::rodacli("simular --dados " + pasta.string() +
                                      " --ligas 29 --estaduais --temporadas 20 --semente 5 --json --salvar " + salvo,
                                  teste::Erros::Fora);
    ASSERT_EQ(rc, 0) << s.substr(0, 400);
    const auto sim = nlohmann::json::parse(s);
    auto [rch, h] = teste::rodacli("historico --carregar " + salvo + " --json", teste::Erros::Fora);
    ASSERT_EQ(rch, 0) << h;
    const auto hist = nlohmann::json::parse(h);

    // League champions per season and division: the final tables against the history.
    std::map<std::tuple<int, int, int>, int> tabelas, historico;  // season, division, place -> club
    ASSERT_EQ(sim["temporadas"].size(), 20u);
    for (const auto& t : sim["temporadas"])
        for (const auto& l : t["ligas"])
            for (const auto& d : l["divisoes"]) {
                ASSERT_TRUE(d.contains("campeao"));
                tabelas[{t["temporada"].get<int>(), d["divisao"].get<int>(), 1}] = d["campeao"]["time"].get<int>();
                tabelas[{t["temporada"].get<int>(), d["divisao"].get<int>(), 2}] = d["tabela"][1]["time"].get<int>();
            }
    int copas = 0, estaduais = 0, artilheiros = 0;
    for (const auto& t : hist["temporadas"]) {
        for (const auto& c : t["colocados"]) {
            const int k = c["competicao"].get<int>();
            if (k == kLiga) {
                auto chave = std::make_tuple(t["temporada"].get<int>(), c["divisao"].get<int>(), c["lugar"].get<int>());
                EXPECT_FALSE(historico.count(chave)) << "lugar registrado duas vezes";
                historico[chave] = c["time"].get<int>();
            }
            copas += k == kCopaNacional && c["lugar"] == 1;
            estaduais += k == kEstadual && c["lugar"] == 1;
            EXPECT_FALSE(c["nome"].get<std::string>().empty());
        }
        for (const auto& a : t["artilheiros"]) {
            EXPECT_FALSE(a["texto"].get<std::string>().empty());
            ++artilheiros;
        }
    }
    EXPECT_EQ(historico, tabelas);
    EXPECT_EQ(copas, 20);
    EXPECT_GE(estaduais, 20 * 5);
    EXPECT_GE(artilheiros, 20 * 5);  // four divisions and the cup each season
    ASSERT_EQ(hist["rankingtecnicos"].size(), 10u);
    for (size_t i = 1; i < 10; ++i)
        EXPECT_GE(hist["rankingtecnicos"][i - 1]["pontos"].get<int>(), hist["rankingtecnicos"][i]["pontos"].get<int>());

    // The counters against the histories, on the saved world itself.
    JogoCarregado j = carregajogo(salvo, 1);
    ASSERT_TRUE(j.mundo) << j.erro;
    const Mundo& m = *j.mundo;
    std::vector<std::array<int, 6>> pontos(m.times.size());
    std::vector<int> titulosliga(m.times.size()), titulosestado(m.times.size());
    for (const TResultadoClube& r : m.resultadosclubes)
        if (r.competicao == kLiga) {
            pontos[static_cast<size_t>(r.time)][0] += pontosrankingclube(kLiga, r.colocacao, r.grupo);
            titulosliga[static_cast<size_t>(r.time)] += r.colocacao == 1;
        }
    for (const THistoricoColocado& c : m.historicocolocados)
        if (c.competicao == kCopaNacional) pontos[static_cast<size_t>(c.time)][1] += pontosrankingclube(kCopaNacional, c.colocacao);
    for (size_t s = 1; s < m.campeoesestaduais.size(); ++s)
        for (int e = 0; e < kNumEstados; ++e)
            if (m.estaduais[static_cast<size_t>(e)].temestadual && static_cast<int>(s) <= 20) {
                const auto& c = m.campeoesestaduais[s];
                pontos[static_cast<size_t>(c.campeao[e])][2] += 5;
                pontos[static_cast<size_t>(c.vice[e])][2] += 3;
                titulosestado[static_cast<size_t>(c.campeao[e])] += 1;
            }
    for (size_t t = 0; t < m.times.size(); ++t) {
        for (int k = 0; k < 3; ++k) EXPECT_EQ(m.times[t].pontosranking[k], pontos[t][static_cast<size_t>(k)]) << t << " " << k;
        const auto ti = titulosdeclube(m, static_cast<int>(t));
        EXPECT_EQ(ti[0] + ti[6] + ti[7] + ti[8], titulosliga[t]) << t;
        EXPECT_EQ(m.times[t].titulosestaduais, titulosestado[t]) << t;
    }
    std::vector<std::array<int, 13>> conquistas(m.tecnicos.size());
    for (const THistoricoTecnico& h : m.historicotecnicos) {
        if (h.colocacao != 1 || h.tecnico < 0) continue;
        auto& c = conquistas[static_cast<size_t>(h.tecnico)];
        if (h.competicao == kLiga) c[h.divisao == 1 ? 1 : 7 + h.divisao] += 1;
        else if (h.competicao <= kContinental2) c[static_cast<size_t>(h.competicao)] += 1;
    }
    for (size_t t = 0; t < m.tecnicos.size(); ++t)
        for (int k : {1, 2, 3, 9, 10, 11})
            EXPECT_EQ(m.tecnicos[t].conquistas[k], conquistas[t][static_cast<size_t>(k)]) << t << " " << k;
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
}

}  // namespace
}  // namespace tarvello
