// "novo": builds a new game's world from set-up choices, exactly as the screens do, and prints
// the state block's counters, the state championships' groups and the first date.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "comandos.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "model/opcoes.h"
#include "model/tipos.h"
#include "jogonovo.h"
#include "newgame/novojogo.h"

namespace tarvello::cli {
namespace {

std::string nomeclube(const Mundo& m, int c) {
    return c >= 0 && c < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(c)].nome.utf8()
                                                           : std::string();
}

int novo(const Argumentos& a) {
    std::unique_ptr<NovoJogo> novojogo = criajogo(a);
    NovoJogo& jogo = *novojogo;
    Mundo& m = jogo.mundo();
    const TPrimeiraTela primeira = jogo.primeiratela();

    const TEstadoJogo& s = m.estado;
    nlohmann::json j;
    j["marcavalida"] = s.marcavalida;
    j["temporada"] = s.temporada;
    j["dataatual"] = s.dataatual;
    j["competicaoatual"] = s.competicaoatual;
    j["rodadaliga"] = s.rodadaliga;
    j["turnoliga"] = s.turnoliga;
    j["fasecopa"] = s.fasecopa;
    j["jogocopa"] = s.jogocopa;
    j["turnoestadual"] = s.turnoestadual;
    j["faseestadual"] = s.faseestadual;
    j["paisprincipal"] = s.paisprincipal;
    j["nomeliga"] = s.nomeliga.utf8();
    j["nomecopa"] = s.nomecopa.utf8();
    j["sistemadisputa"] = s.sistemadisputa;
    j["numclubesliga"] = s.numclubesliga;
    j["numclubesextras"] = s.numclubesextras;
    j["numtecnicoshumanos"] = s.numtecnicoshumanos;
    j["timeatual"] = s.timeatual;
    j["tecnicoatual"] = s.tecnicoatual;
    j["timedotecnico"] = std::vector<int>(std::begin(s.timedotecnico), std::end(s.timedotecnico));
    j["timeshumanos"] = std::vector<int>(std::begin(s.timeshumanos), std::end(s.timeshumanos));
    j["ckcopa"] = s.ckcopa;
    j["ckestadual"] = s.ckestadual;
    j["ckinter"] = s.ckinter;
    j["ckinter3"] = s.ckinter3;
    j["ckcopamundo"] = s.ckcopamundo;
    j["ckeurocopa"] = s.ckeurocopa;
    j["ckcopaamerica"] = s.ckcopaamerica;
    j["intervalohumano"] = s.intervalohumano;
    j["intervalocomputador"] = s.intervalocomputador;
    j["clubes"] = m.times.size();
    j["jogadores"] = m.jogadores.size();
    j["partidas"] = m.partidas.size();
    nlohmann::json ligas = nlohmann::json::array();
    for (const TLiga& l : m.ligas)
        ligas.push_back({{"pais", l.pais}, {"nome", std::string(nomepais(l.pais))},
                         {"numdivisoes", l.numdivisoes}, {"numclubes", l.numclubes},
                         {"temhumano", l.temhumano}});
    j["ligas"] = ligas;
    nlohmann::json estaduais = nlohmann::json::array();
    for (int e2 = 0; e2 < kNumEstados; ++e2) {
        const TEstadual& est = m.estaduais[static_cast<size_t>(e2)];
        if (!est.temestadual) continue;
        nlohmann::json grupos = nlohmann::json::array();
        for (const auto& g : est.grupos) {
            nlohmann::json grupo = nlohmann::json::array();
            for (int c : g)
                if (c >= 0) grupo.push_back({{"clube", c}, {"nome", nomeclube(m, c)}});
            grupos.push_back(grupo);
        }
        estaduais.push_back({{"estado", e2}, {"sigla", std::string(siglaestado(e2))},
                             {"numgrupos", est.numgrupos}, {"temhumano", est.temhumano},
                             {"grupos", grupos}});
    }
    j["estaduais"] = estaduais;
    const int d = s.dataatual;
    nlohmann::json data;
    data["numero"] = d;
    if (d >= 1 && d <= static_cast<int>(m.calendario.size())) {
        data["data"] = textodata(m.calendario[static_cast<size_t>(d - 1)].data);
        data["competicao"] = m.calendario[static_cast<size_t>(d - 1)].competicao;
    }
    j["primeiradata"] = data;
    j["primeiratela"] = primeira.tela == Tela::Principal ? "principal" : "partidas";
    j["estadomostrado"] = primeira.estado;
    j["avisos"] = jogo.avisos();

    if (a.tem("json")) {
        std::puts(j.dump(2).c_str());
        return 0;
    }
    std::printf("%s (%s), sistema %d, temporada %d\n", j["nomeliga"].get<std::string>().c_str(),
                j["nomecopa"].get<std::string>().c_str(), s.sistemadisputa, s.temporada);
    std::printf("clubes: %zu (liga %d, extras %d), jogadores: %zu, partidas: %zu\n", m.times.size(),
                s.numclubesliga, s.numclubesextras, m.jogadores.size(), m.partidas.size());
    std::printf("copa %d, estaduais %d, continental %d/%d, copa do mundo %d, eurocopa %d, copa américa %d\n",
                s.ckcopa, s.ckestadual, s.ckinter, s.ckinter3, s.ckcopamundo, s.ckeurocopa,
                s.ckcopaamerica);
    std::printf("marca %d, data %d, competição %d, rodada %d/%d, copa %d/%d, estadual %d/%d\n",
                s.marcavalida, s.dataatual, s.competicaoatual, s.rodadaliga, s.turnoliga, s.fasecopa,
                s.jogocopa, s.turnoestadual, s.faseestadual);
    for (int k = 0; k < s.numtecnicoshumanos; ++k)
        std::printf("técnico %d: %s\n", k + 1, nomeclube(m, s.timedotecnico[k]).c_str());
    for (const auto& est : estaduais) {
        std::printf("estadual %s (%d grupos completos):\n", est["sigla"].get<std::string>().c_str(),
                    est["numgrupos"].get<int>());
        int g = 1;
        for (const auto& grupo : est["grupos"]) {
            if (!grupo.empty()) {
                std::printf("  grupo %d:", g);
                for (const auto& c : grupo) std::printf(" %s;", c["nome"].get<std::string>().c_str());
                std::printf("\n");
            }
            ++g;
        }
    }
    if (data.contains("data"))
        std::printf("primeira data: %d (%s), competição %d, tela %s\n", d,
                    data["data"].get<std::string>().c_str(), data["competicao"].get<int>(),
                    j["primeiratela"].get<std::string>().c_str());
    return 0;
}

Registra registro_novo({"novo", "começa um jogo novo e mostra o estado da primeira data",
                        [] {
                            auto o = opcoesnovojogo();
                            o.push_back(opcaojson());
                            return o;
                        }(),
                        {},
                        novo});

}  // namespace
}  // namespace tarvello::cli
