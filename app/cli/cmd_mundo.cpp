// tarvello-cli mundo: composes the leagues of the given countries and loads the whole world from
// the team files, every club computer-run, then prints what was loaded; optionally the first
// season's match list (--jogos) and every division's table (--tabelas).
#include <cstdio>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>

#include "comandos.h"
#include "competitions/calendario.h"
#include "competitions/jogosdatemporada.h"
#include "competitions/tabela.h"
#include "database/preparacao.h"
#include "model/tipos.h"
#include "newgame/carregamundo.h"
#include "newgame/escolhas.h"

namespace tarvello::cli {
namespace {

// Matches of the list per competition code, and per league (league and cup matches).
struct ContagemJogos {
    std::map<int, int> porcompeticao;
    std::vector<std::pair<int, int>> porliga;  // league, cup
};

ContagemJogos contajogos(const Mundo& m) {
    ContagemJogos c;
    c.porliga.assign(m.ligas.size(), {0, 0});
    for (const TPartida& p : m.partidas) {
        c.porcompeticao[p.competicao] += 1;
        if (p.liga < 0 || p.liga >= static_cast<int>(m.ligas.size())) continue;
        if (p.competicao == kLiga) c.porliga[static_cast<size_t>(p.liga)].first += 1;
        if (p.competicao == kCopaNacional) c.porliga[static_cast<size_t>(p.liga)].second += 1;
    }
    return c;
}

std::vector<int> divisaoemordem(const TLiga& l, int d) {
    std::vector<int> v;
    for (int c : l.classificacao[d])
        if (c >= 0) v.push_back(c);
    return v;
}

int executa(const Argumentos& a) {
    const std::string dados = a.texto("dados", "");
    EscolhasJogo e;
    e.paises = a.listainteiros("ligas");
    const long long sistema = a.inteiro("sistema", 10);
    if (sistema != 10 && sistema != 20) throw ErroUso("--sistema deve ser 10 ou 20");
    e.sistemadisputa = sistema == 10 ? 4 : 2;
    e.personalizado = a.tem("personalizado");
    e.estaduais = a.tem("estaduais");
    e.numtecnicoshumanos = 0;

    Mundo m;
    m.aleatorio.semeia(static_cast<uint64_t>(a.inteiro("semente", 1)));
    Preparacao p;
    lerresumos(p, dados);
    std::vector<std::string> avisos = p.avisos;
    imprimeavisos(p.avisos);
    if (!p.erro.empty()) throw std::runtime_error(p.erro);
    std::vector<std::string> avisosconfiguracao;
    if (std::string erro = preparaligas(m, p, e, &avisosconfiguracao); !erro.empty()) throw std::runtime_error(erro);
    imprimeavisos(avisosconfiguracao);
    const ResultadoCarga r = carregamundo(m, p);
    if (!r.ok()) throw std::runtime_error(r.erro);
    imprimeavisos(r.avisos);
    avisos.insert(avisos.end(), avisosconfiguracao.begin(), avisosconfiguracao.end());
    avisos.insert(avisos.end(), r.avisos.begin(), r.avisos.end());
    const bool jogos = a.tem("jogos");
    const bool tabelas = a.tem("tabelas");
    if (jogos) {
        if (m.estado.temporada < 1) m.estado.temporada = 1;
        montacalendario(m);
        montajogosdatemporada(m);
    }
    const ContagemJogos contagem = contajogos(m);

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
        if (jogos) {
            nlohmann::json pj;
            pj["total"] = m.partidas.size();
            pj["porcompeticao"] = nlohmann::json::object();
            for (const auto& [c, n] : contagem.porcompeticao) pj["porcompeticao"][std::to_string(c)] = n;
            pj["porliga"] = nlohmann::json::array();
            for (size_t l = 0; l < m.ligas.size(); ++l)
                pj["porliga"].push_back({{"liga", l},
                                         {"pais", m.ligas[l].pais},
                                         {"campeonato", contagem.porliga[l].first},
                                         {"copa", contagem.porliga[l].second}});
            j["partidas"] = pj;
        }
        if (tabelas) {
            j["tabelas"] = nlohmann::json::array();
            for (const TLiga& l : m.ligas) {
                nlohmann::json divs = nlohmann::json::array();
                for (int d = 0; d < l.numdivisoes && d < 4; ++d) {
                    nlohmann::json linhas = nlohmann::json::array();
                    for (const TLinhaTabela& t : ordenatabela(m, divisaoemordem(l, d), kLiga))
                        linhas.push_back({{"rotulo", t.rotulo}, {"time", t.time},
                                          {"nome", m.times[static_cast<size_t>(t.time)].nome.utf8()},
                                          {"pg", t.pontos}, {"j", t.jogos}, {"v", t.vitorias},
                                          {"e", t.empates}, {"d", t.derrotas}, {"gp", t.golspro},
                                          {"gc", t.golscontra}, {"sg", t.saldo}});
                    divs.push_back(linhas);
                }
                j["tabelas"].push_back({{"pais", l.pais}, {"divisoes", divs}});
            }
        }
        j["avisos"] = avisos;
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
    if (jogos) {
        std::cout << "\nPartidas: " << m.partidas.size() << "\n";
        for (const auto& [c, n] : contagem.porcompeticao) std::cout << "  competição " << c << ": " << n << "\n";
        for (size_t l = 0; l < m.ligas.size(); ++l)
            std::cout << "  " << nomecompeticao(m, kLiga, static_cast<int>(l)) << ": " << contagem.porliga[l].first
                      << "; " << nomecompeticao(m, kCopaNacional, static_cast<int>(l)) << ": "
                      << contagem.porliga[l].second << "\n";
    }
    if (tabelas) {
        char linha[200];
        for (const TLiga& l : m.ligas)
            for (int d = 0; d < l.numdivisoes && d < 4; ++d) {
                std::cout << "\n" << nomepais(l.pais) << " - " << d + 1 << "ª divisão\n"
                          << "     Time                        PG   J   V   E   D  GP  GC  SG\n";
                for (const TLinhaTabela& t : ordenatabela(m, divisaoemordem(l, d), kLiga)) {
                    // Names are UTF-8: pad by characters, not bytes.
                    std::string nome = m.times[static_cast<size_t>(t.time)].nome.utf8();
                    size_t largura = 0;
                    for (unsigned char ch : nome) largura += (ch & 0xC0) != 0x80;
                    if (largura < 25) nome.append(25 - largura, ' ');
                    std::string rotulo = t.rotulo;
                    for (size_t k = rotulo.empty() ? 0 : rotulo.size() - 1; k < 4; ++k) rotulo.insert(0, " ");
                    std::snprintf(linha, sizeof linha, "%s %s %4d %3d %3d %3d %3d %3d %3d %3d", rotulo.c_str(),
                                  nome.c_str(), t.pontos, t.jogos, t.vitorias, t.empates, t.derrotas, t.golspro,
                                  t.golscontra, t.saldo);
                    std::cout << linha << "\n";
                }
            }
    }
    return 0;
}

Registra mundo({"mundo", "compõe as ligas e carrega o mundo inteiro dos arquivos de times",
                {opcaodados(),
                 {"ligas", TipoOpcao::Lista, "P1,P2", "países das ligas jogadas", 0, 201},
                 opcaosistema(),
                 {"estaduais", TipoOpcao::Bandeira, "", "com os campeonatos estaduais"},
                 {"personalizado", TipoOpcao::Bandeira, "", "campeonato personalizado"},
                 opcaosemente(),
                 {"jogos", TipoOpcao::Bandeira, "", "conta as partidas da primeira temporada"},
                 {"tabelas", TipoOpcao::Bandeira, "", "mostra a tabela de cada divisão"},
                 opcaojson()},
                {},
                executa});

}  // namespace
}  // namespace tarvello::cli
