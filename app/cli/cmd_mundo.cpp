// tarvello-cli mundo: composes the leagues of the given countries and loads the whole world from
// the team files, every club computer-run, then prints what was loaded.
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "comandos.h"
#include "database/carregamundo.h"
#include "database/preparacao.h"
#include "model/tipos.h"
#include "newgame/escolhas.h"

namespace tarvello::cli {
namespace {

int executa(const Argumentos& a) {
    const auto dados = a.valor("dados");
    if (!dados) throw std::runtime_error("informe a pasta dos dados com --dados DIR");
    EscolhasJogo e;
    e.paises = a.listainteiros("ligas");
    const long long sistema = a.inteiro("sistema", 10);
    if (sistema != 10 && sistema != 20) throw std::runtime_error("--sistema deve ser 10 ou 20");
    e.sistemadisputa = sistema == 10 ? 4 : 2;
    e.personalizado = a.tem("personalizado");
    e.estaduais = a.tem("estaduais");
    e.numtecnicoshumanos = 0;

    Mundo m;
    m.aleatorio.semeia(static_cast<uint64_t>(a.inteiro("semente", 1)));
    Preparacao p;
    lerresumos(p, *dados);
    if (std::string erro = preparaligas(m, p, e); !erro.empty()) {
        std::fprintf(stderr, "erro: %s\n", erro.c_str());
        return 1;
    }
    const ResultadoCarga r = carregamundo(m, p);
    if (!r.ok()) {
        std::fprintf(stderr, "erro: %s\n", r.erro.c_str());
        return 1;
    }
    const TEstadoJogo& s = m.estado;
    const int numjogadores = static_cast<int>(m.jogadores.size()) - 1;  // entry 0 is no player

    if (a.tem("json")) {
        nlohmann::json j;
        j["sistemadisputa"] = s.sistemadisputa;
        j["paisprincipal"] = s.paisprincipal;
        j["nomeliga"] = s.nomeliga.utf8();
        j["nomecopa"] = s.nomecopa.utf8();
        j["ckestadual"] = s.ckestadual != 0;
        j["numclubesliga"] = s.numclubesliga;
        j["numclubesextras"] = s.numclubesextras;
        j["numjogadores"] = numjogadores;
        j["numtecnicos"] = m.tecnicos.size();
        j["numselecoes"] = m.selecoes.size();
        j["ligas"] = nlohmann::json::array();
        for (const TLiga& l : m.ligas) {
            nlohmann::json lj;
            lj["pais"] = l.pais;
            lj["nomepais"] = std::string(nomepais(l.pais));
            lj["numdivisoes"] = l.numdivisoes;
            lj["numclubes"] = l.numclubes;
            lj["times"] = nlohmann::json::array();
            for (int d = 0; d < l.numdivisoes; ++d) {
                nlohmann::json dv = nlohmann::json::array();
                for (int c : l.times[d])
                    if (c >= 0) dv.push_back(c);
                lj["times"].push_back(dv);
            }
            j["ligas"].push_back(lj);
        }
        j["clubes"] = nlohmann::json::array();
        for (size_t c = 0; c < m.times.size(); ++c) {
            const TTime& t = m.times[c];
            j["clubes"].push_back({{"indice", c},
                                   {"nome", t.nome.utf8()},
                                   {"pais", t.pais},
                                   {"nivel", t.nivel},
                                   {"divisao", t.divisao},
                                   {"estado", t.estado},
                                   {"numjogadores", t.numjogadores},
                                   {"dinheiro", t.dinheiro},
                                   {"tecnico", m.tecnicos[t.tecnico].nome.utf8()},
                                   {"grupoestadual", t.grupoestadual}});
        }
        j["selecoes"] = nlohmann::json::array();
        for (const TSelecao& sel : m.selecoes)
            j["selecoes"].push_back({{"pais", sel.pais}, {"confederacao", sel.confederacao}, {"numjogadores", sel.numjogadores}});
        if (s.ckestadual) {
            j["estaduais"] = nlohmann::json::array();
            for (int e2 = 0; e2 < kNumEstados; ++e2) {
                const TEstadual& est = m.estaduais[e2];
                if (!est.temestadual) continue;
                nlohmann::json g = nlohmann::json::array();
                for (int k = 0; k < 5; ++k) {
                    nlohmann::json gk = nlohmann::json::array();
                    for (int c : est.grupos[k])
                        if (c >= 0) gk.push_back(c);
                    if (!gk.empty()) g.push_back(gk);
                }
                j["estaduais"].push_back({{"estado", e2}, {"sigla", std::string(siglaestado(e2))}, {"numgrupos", est.numgrupos}, {"grupos", g}});
            }
        }
        j["avisos"] = r.avisos;
        std::cout << j.dump(2) << "\n";
        return 0;
    }

    std::cout << s.nomeliga.utf8() << " / " << s.nomecopa.utf8() << "\n";
    for (const TLiga& l : m.ligas) {
        std::cout << "\nLiga " << nomepais(l.pais) << " (" << l.pais << "): " << l.numdivisoes << " divisões, "
                  << l.numclubes << " times do país\n";
        for (int d = 0; d < l.numdivisoes; ++d) {
            std::cout << "  " << d + 1 << "ª divisão:";
            bool primeiro = true;
            for (int c : l.times[d]) {
                if (c < 0) continue;
                std::cout << (primeiro ? " " : ", ") << m.times[c].nome.utf8() << " (" << m.times[c].nivel << ")";
                primeiro = false;
            }
            std::cout << "\n";
        }
    }
    std::cout << "\nClubes: " << m.times.size() << " (ligas " << s.numclubesliga << ", extras " << s.numclubesextras
              << ")\nJogadores: " << numjogadores << "\nTécnicos: " << m.tecnicos.size()
              << "\nSeleções: " << m.selecoes.size() << "\n";
    if (s.ckestadual) {
        int n = 0;
        for (const TEstadual& est : m.estaduais) n += est.temestadual;
        std::cout << "Estaduais: " << n << "\n";
    }
    for (const std::string& aviso : r.avisos) std::cout << "Aviso: " << aviso << "\n";
    return 0;
}

Registra mundo("mundo",
               "mundo --dados DIR --ligas 29,11,... [--sistema 10|20] [--estaduais] [--personalizado] [--semente N] "
               "[--json]",
               executa);

}  // namespace
}  // namespace tarvello::cli
