// tarvello-cli historico: reads a saved game and lists, season by season, the champions and
// runners-up of every competition and the top scorers, then the top ten of the coach and club
// rankings, with the names the history screens show.
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "comandos.h"
#include "model/mundo.h"
#include "model/nomesligas.h"
#include "model/tipos.h"
#include "newgame/salvamento.h"
#include "records/artilheiros.h"
#include "records/galeria.h"
#include "records/historico.h"
#include "records/ranking.h"

namespace tarvello::cli {
namespace {

std::string nomeclube(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(t)].nome.utf8() : std::string();
}

// The competition as the champions screen names it; continental cups by confederation.
std::string nomecompeticao(int k, int regiao = -1) {
    if (k == kContinental1) return regiao == 2 ? "Liga Campeões" : "Libertadores";
    if (k == kContinental2) return regiao == 2 ? "Copa UEFA" : "Sul-Americana";
    static const char* kNomes[] = {"Amistoso", "Nacional", "Copa", "Estadual", "", "Mundial Interclubes", "",
                                   "Copa do Mundo", "Copa América", "Eurocopa"};
    return k >= 0 && k < kNumCompeticoes ? kNomes[k] : "";
}

nlohmann::json relatorio(const Mundo& m) {
    std::map<int, nlohmann::json> temporadas;
    auto temporada = [&](int s) -> nlohmann::json& {
        auto it = temporadas.find(s);
        if (it == temporadas.end())
            it = temporadas.emplace(s, nlohmann::json{{"temporada", s},
                                                      {"ano", anotemporada(s)},
                                                      {"colocados", nlohmann::json::array()},
                                                      {"artilheiros", nlohmann::json::array()}})
                     .first;
        return it->second;
    };
    for (const THistoricoColocado& h : m.historicocolocados)
        temporada(h.temporada)["colocados"].push_back({{"competicao", h.competicao},
                                                       {"nomecompeticao", nomecompeticao(h.competicao, h.regiao)},
                                                       {"regiao", h.regiao},
                                                       {"divisao", h.divisao},
                                                       {"lugar", h.colocacao},
                                                       {"time", h.time},
                                                       {"nome", nomeclube(m, h.time)}});
    for (int s = 1; s <= m.estado.temporada; ++s)
        for (const TCampeaoEstadual& c : campeoesestaduaisdoano(m, s)) {
            auto& t = temporada(s)["colocados"];
            const std::string sigla(siglaestado(c.estado));
            t.push_back({{"competicao", kEstadual}, {"nomecompeticao", "Estadual"}, {"regiao", c.estado},
                         {"sigla", sigla}, {"divisao", -1}, {"lugar", 1}, {"time", c.campeao},
                         {"nome", nomeclube(m, c.campeao)}});
            t.push_back({{"competicao", kEstadual}, {"nomecompeticao", "Estadual"}, {"regiao", c.estado},
                         {"sigla", sigla}, {"divisao", -1}, {"lugar", 2}, {"time", c.vice},
                         {"nome", nomeclube(m, c.vice)}});
            if (!c.artilheiro.empty())
                temporada(s)["artilheiros"].push_back({{"competicao", kEstadual}, {"regiao", c.estado}, {"texto", c.artilheiro}});
        }
    for (int k = kCopaMundo; k <= kEurocopa; ++k)
        for (const TLinhaCampeao& l : campeoestorneio(m, k)) {
            auto& t = temporada(l.temporada)["colocados"];
            const int lugares[] = {l.campeao, l.vice, l.terceiro, l.quarto};
            for (int p = 0; p < 4; ++p)
                t.push_back({{"competicao", k}, {"nomecompeticao", nomecompeticao(k)}, {"regiao", -1},
                             {"divisao", -1}, {"lugar", p + 1}, {"pais", lugares[p]},
                             {"nome", std::string(nomepais(lugares[p]))}});
        }
    for (size_t i = 0; i < m.historicoartilheiros.size(); ++i) {
        const THistoricoArtilheiro& h = m.historicoartilheiros[i];
        const int r = static_cast<int>(i);
        temporada(h.temporada)["artilheiros"].push_back({{"competicao", h.competicao},
                                                         {"regiao", h.regiao},
                                                         {"divisao", h.divisao},
                                                         {"jogador", h.jogador},
                                                         {"nome", nomeartilheiro(m, r)},
                                                         {"time", timeartilheiro(m, r)},
                                                         {"gols", h.gols},
                                                         {"texto", textoartilheiro(m, r)}});
    }
    nlohmann::json saida;
    saida["temporada"] = m.estado.temporada;
    saida["temporadas"] = nlohmann::json::array();
    for (auto& [s, t] : temporadas) saida["temporadas"].push_back(std::move(t));

    nlohmann::json tecnicos = nlohmann::json::array();
    const auto rt = rankingtecnicos(m, -1);
    for (size_t i = 0; i < rt.size() && i < 10; ++i) {
        const TLinhaRankingTecnico& l = rt[i];
        const TTecnico& t = m.tecnicos[static_cast<size_t>(l.tecnico)];
        tecnicos.push_back({{"posicao", i + 1}, {"tecnico", l.tecnico}, {"nome", t.nome.utf8()},
                            {"time", t.empregado ? nomeclube(m, l.time) : std::string()}, {"pontos", l.pontos},
                            {"M", l.m}, {"L", l.l}, {"S", l.s}, {"N", l.n}, {"C", l.c}, {"E", l.e}});
    }
    saida["rankingtecnicos"] = tecnicos;
    nlohmann::json clubes = nlohmann::json::array();
    for (const TLiga& liga : m.ligas) {
        nlohmann::json linhas = nlohmann::json::array();
        const auto rc = rankingclubes(m, VisaoRankingClubes::Colocacao, liga.pais);
        for (size_t i = 0; i < rc.size() && i < 10; ++i) {
            const TTime& t = m.times[static_cast<size_t>(rc[i].time)];
            linhas.push_back({{"posicao", i + 1}, {"time", rc[i].time}, {"nome", t.nome.utf8()}, {"total", rc[i].total},
                              {"pontos", t.pontosranking}});
        }
        clubes.push_back({{"pais", liga.pais}, {"nomepais", std::string(nomepais(liga.pais))}, {"ranking", linhas}});
    }
    saida["rankingclubes"] = clubes;
    return saida;
}

void imprime(const nlohmann::json& r) {
    for (const auto& t : r["temporadas"]) {
        std::printf("\n== %d (temporada %d)\n", t["ano"].get<int>(), t["temporada"].get<int>());
        for (const auto& c : t["colocados"]) {
            std::string onde;
            if (c.contains("sigla")) onde = " " + c["sigla"].get<std::string>();
            else if (c["divisao"].get<int>() > 0) onde = " " + std::to_string(c["divisao"].get<int>()) + "ª div.";
            std::printf("  %s%s [%d] %dº: %s\n", c["nomecompeticao"].get<std::string>().c_str(), onde.c_str(),
                        c["regiao"].get<int>(), c["lugar"].get<int>(), c["nome"].get<std::string>().c_str());
        }
        for (const auto& a : t["artilheiros"]) {
            const int d = a.value("divisao", -1);
            std::printf("  artilheiro %s%s [%d]: %s\n",
                        nomecompeticao(a["competicao"].get<int>(), a["regiao"].get<int>()).c_str(),
                        d > 0 ? (" " + std::to_string(d) + "ª div.").c_str() : "", a["regiao"].get<int>(),
                        a["texto"].get<std::string>().c_str());
        }
    }
    std::printf("\nRanking de técnicos - Mundial\n");
    for (const auto& l : r["rankingtecnicos"])
        std::printf("  %2d %-25s %-25s %5d\n", l["posicao"].get<int>(), l["nome"].get<std::string>().c_str(),
                    l["time"].get<std::string>().c_str(), l["pontos"].get<int>());
    for (const auto& p : r["rankingclubes"]) {
        std::printf("\nRanking de Clubes - %s\n", p["nomepais"].get<std::string>().c_str());
        for (const auto& l : p["ranking"])
            std::printf("  %2d %-25s %5d\n", l["posicao"].get<int>(), l["nome"].get<std::string>().c_str(),
                        l["total"].get<int>());
    }
}

int executa(const Argumentos& a) {
    const std::string arquivo = a.texto("carregar", "");
    JogoCarregado c = carregajogo(arquivo, 1);
    if (!c.mundo) {
        std::fprintf(stderr, "%s\n%s: %s\n", c.erro.c_str(), arquivo.c_str(), c.motivo.c_str());
        return 1;
    }
    const nlohmann::json r = relatorio(*c.mundo);
    if (a.tem("json")) std::puts(r.dump(2).c_str());
    else imprime(r);
    return 0;
}

Registra historico({"historico", "lista campeões, vices, artilheiros e rankings de um jogo salvo",
                    {{"carregar", TipoOpcao::Texto, "ARQUIVO", "o jogo salvo", 0, 0, true}, opcaojson()},
                    {},
                    executa});

}  // namespace
}  // namespace tarvello::cli
