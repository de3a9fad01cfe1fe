// "simular": starts a new game and plays its dates with every club run by the computer, then
// prints the tables, the champions and the top scorers. A seed gives the same output byte for
// byte; the time taken goes to standard error so that it never changes the output.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "comandos.h"
#include "competitions/calendario.h"
#include "competitions/copas.h"
#include "competitions/tabela.h"
#include "jogonovo.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello::cli {
namespace {

std::string nome(const Mundo& m, int c) {
    return c >= 0 && c < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(c)].nome.utf8()
                                                           : std::string();
}

// Text left-aligned in `largura` characters (names are UTF-8: count characters, not bytes).
std::string alinha(const std::string& t, size_t largura) {
    size_t n = 0;
    for (unsigned char c : t) n += (c & 0xC0) != 0x80;
    return n >= largura ? t : t + std::string(largura - n, ' ');
}

int ligadopais(const Mundo& m, int pais) {
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l)
        if (m.ligas[static_cast<size_t>(l)].pais == pais) return l;
    return -1;
}

nlohmann::json partidajson(const Mundo& m, const TPartida& p) {
    return {{"mandante", p.mandante},
            {"visitante", p.visitante},
            {"nomemandante", nome(m, p.mandante)},
            {"nomevisitante", nome(m, p.visitante)},
            {"golsmandante", p.golsmandante},
            {"golsvisitante", p.golsvisitante},
            {"penaltismandante", p.penaltismandante},
            {"penaltisvisitante", p.penaltisvisitante},
            {"competicao", p.competicao},
            {"rodada", p.rodada},
            {"turno", p.turno},
            {"chave", p.chave},
            {"jogado", p.jogado != 0},
            {"data", textodata(p.data)},
            {"liga", p.liga},
            {"renda", p.renda},
            {"publico", p.publico}};
}

nlohmann::json tabelajson(const Mundo& m, const std::vector<TLinhaTabela>& linhas) {
    nlohmann::json t = nlohmann::json::array();
    for (const TLinhaTabela& l : linhas)
        t.push_back({{"posicao", l.rotulo},
                     {"time", l.time},
                     {"nome", nome(m, l.time)},
                     {"pontos", l.pontos},
                     {"jogos", l.jogos},
                     {"vitorias", l.vitorias},
                     {"empates", l.empates},
                     {"derrotas", l.derrotas},
                     {"golspro", l.golspro},
                     {"golscontra", l.golscontra}});
    return t;
}

std::vector<int> divisaodaliga(const TLiga& l, int d) {
    std::vector<int> r;
    for (int t : l.classificacao[d])
        if (t >= 0) r.push_back(t);
    if (r.empty())
        for (int t : l.times[d])
            if (t >= 0) r.push_back(t);
    return r;
}

int simular(const Argumentos& a) {
    std::unique_ptr<NovoJogo> jogo = criajogo(a);
    jogo->primeiratela();
    Mundo& m = jogo->mundo();
    const bool json = a.tem("json");
    const bool resultados = a.tem("resultados");
    const long long limite = a.tem("ate-fim-da-temporada") ? 1000000 : a.inteiro("datas", 1000000);
    if (limite < 0) throw std::runtime_error("--datas deve ser 0 ou mais");

    std::vector<int32_t> dinheiroinicial;
    for (const TTime& t : m.times) dinheiroinicial.push_back(t.dinheiro);

    InteracaoComputador ia;
    nlohmann::json datas = nlohmann::json::array();
    const auto inicio = std::chrono::steady_clock::now();
    long long jogadas = 0;
    bool fim = false;
    while (jogadas < limite && !fim) {
        const int data = m.estado.dataatual;
        const int tipo = m.estado.competicaoatual;
        jogadatasemtela(m, ia);
        ++jogadas;
        if (resultados) {
            const double dia = m.calendario[static_cast<size_t>(data - 1)].data;
            nlohmann::json jogos = nlohmann::json::array();
            std::vector<std::string> desempates;  // " (pên. a x b)" of ties settled on penalties
            for (int i = 0; i < static_cast<int>(m.partidas.size()); ++i) {
                const TPartida& p = m.partidas[static_cast<size_t>(i)];
                if (p.data != dia || p.competicao != tipo || !p.jogado) continue;
                jogos.push_back(partidajson(m, p));
                int placar[2];
                desempates.push_back(decididapenaltis(m, i, placar) ? " (pên. " + std::to_string(placar[0]) + " x " +
                                                                          std::to_string(placar[1]) + ")"
                                                                    : std::string());
            }
            if (json) {
                datas.push_back({{"numero", data}, {"data", textodata(dia)}, {"competicao", tipo},
                                 {"nome", nomecompeticao(m, tipo, -1)}, {"partidas", jogos}});
            } else {
                const int regiao = jogos.empty() ? -1 : jogos[0]["liga"].get<int>();
                std::printf("data %d (%s) %s\n", data, textodata(dia).c_str(),
                            nomecompeticao(m, tipo, regiao).c_str());
                for (size_t k = 0; k < jogos.size(); ++k) {
                    const auto& p = jogos[k];
                    std::printf("  %s %d x %d %s%s\n", p["nomemandante"].get<std::string>().c_str(),
                                p["golsmandante"].get<int>(), p["golsvisitante"].get<int>(),
                                p["nomevisitante"].get<std::string>().c_str(), desempates[k].c_str());
                }
            }
        }
        fim = continuar(m, ia) == ProximaEtapa::FimTemporada;
    }
    const double segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();

    nlohmann::json saida;
    saida["temporada"] = m.estado.temporada;
    saida["datasjogadas"] = jogadas;
    saida["fimdatemporada"] = fim;
    saida["dataatual"] = m.estado.dataatual;
    nlohmann::json ligas = nlohmann::json::array();
    for (const TLiga& l : m.ligas) {
        nlohmann::json divisoes = nlohmann::json::array();
        for (int d = 0; d < l.numdivisoes && d < 4; ++d) {
            const auto linhas = ordenatabela(m, divisaodaliga(l, d), kLiga);
            nlohmann::json div = {{"divisao", d + 1}, {"tabela", tabelajson(m, linhas)}};
            if (m.ligaencerrada && !linhas.empty())
                div["campeao"] = {{"time", linhas[0].time}, {"nome", nome(m, linhas[0].time)}};
            divisoes.push_back(div);
        }
        ligas.push_back({{"pais", l.pais}, {"nome", std::string(nomepais(l.pais))}, {"divisoes", divisoes}});
    }
    saida["ligas"] = ligas;

    nlohmann::json campeoes = nlohmann::json::array();
    for (const THistoricoColocado& h : m.historicocolocados)
        if (h.temporada == m.estado.temporada && h.colocacao == 1)
            campeoes.push_back({{"competicao", h.competicao}, {"regiao", h.regiao}, {"divisao", h.divisao},
                                {"time", h.time}, {"nome", nome(m, h.time)}});
    const size_t t = static_cast<size_t>(m.estado.temporada);
    if (t < m.campeoesestaduais.size())
        for (int s = 0; s < kNumEstados; ++s) {
            const int c = m.campeoesestaduais[t].campeao[s];
            if (m.estaduais[static_cast<size_t>(s)].temestadual && c >= 0 && m.estado.faseestadual >= 8)
                campeoes.push_back({{"competicao", kEstadual}, {"regiao", s},
                                    {"sigla", std::string(siglaestado(s))}, {"time", c}, {"nome", nome(m, c)}});
        }
    saida["campeoes"] = campeoes;

    std::vector<int> artilheiros;
    for (int j = 1; j < static_cast<int>(m.jogadores.size()); ++j)
        if (m.jogadores[static_cast<size_t>(j)].gols[kLiga] > 0) artilheiros.push_back(j);
    std::stable_sort(artilheiros.begin(), artilheiros.end(), [&](int x, int y) {
        return m.jogadores[static_cast<size_t>(x)].gols[kLiga] > m.jogadores[static_cast<size_t>(y)].gols[kLiga];
    });
    if (artilheiros.size() > 10) artilheiros.resize(10);
    nlohmann::json art = nlohmann::json::array();
    for (int j : artilheiros) {
        const TJogador& p = m.jogadores[static_cast<size_t>(j)];
        art.push_back({{"jogador", j}, {"nome", p.nome.utf8()}, {"time", p.time}, {"nometime", nome(m, p.time)},
                       {"gols", p.gols[kLiga]}});
    }
    saida["artilheiros"] = art;

    // Every club's money: its cash before the first date and now, and the season's columns.
    nlohmann::json clubes = nlohmann::json::object();
    for (size_t c = 0; c < m.times.size() && c < m.financas.size(); ++c) {
        const TFinancas& f = m.financas[c];
        clubes[std::to_string(c)] = {
            {"nome", nome(m, static_cast<int>(c))},
            {"humano", m.times[c].humano != 0},
            {"dinheiro", {{"inicio", c < dinheiroinicial.size() ? dinheiroinicial[c] : 0}, {"fim", m.times[c].dinheiro}}},
            {"financas",
             {{"salariosemanal", f.salariosemanal}, {"salarios", f.salarios}, {"ingressos", f.ingressos},
              {"obrasestadio", f.obrasestadio}, {"vendas", f.vendas}, {"compras", f.compras},
              {"emprestimo", f.emprestimo}, {"premios", f.premios}, {"juros", f.juros},
              {"patrocinio", f.patrocinio}, {"diversos", f.diversos}, {"multas", f.multas}}}};
    }

    if (json) {
        if (resultados) saida["datas"] = datas;
        nlohmann::json partidas = nlohmann::json::array();
        for (const TPartida& p : m.partidas)
            if (p.competicao != kLiga) partidas.push_back(partidajson(m, p));
        saida["copas"] = partidas;  // knock-out and state matches with their shoot-outs
        saida["clubes"] = clubes;
        std::puts(saida.dump(2).c_str());
    } else {
        std::printf("temporada %d: %lld datas jogadas, data atual %d%s\n", m.estado.temporada, jogadas,
                    m.estado.dataatual, fim ? ", fim da temporada" : "");
        for (const auto& l : saida["ligas"]) {
            for (const auto& d : l["divisoes"]) {
                std::printf("\n%s - %dª divisão\n", l["nome"].get<std::string>().c_str(), d["divisao"].get<int>());
                std::printf("     %s %3s %3s %3s %3s %3s %3s %3s %4s\n", alinha("", 28).c_str(), "PG", "J", "V", "E",
                            "D", "GP", "GC", "SG");
                for (const auto& r : d["tabela"]) {
                    const int gp = r["golspro"].get<int>(), gc = r["golscontra"].get<int>();
                    std::printf("%4s %s %3d %3d %3d %3d %3d %3d %3d %4d\n", r["posicao"].get<std::string>().c_str(),
                                alinha(r["nome"].get<std::string>(), 28).c_str(), r["pontos"].get<int>(), r["jogos"].get<int>(),
                                r["vitorias"].get<int>(), r["empates"].get<int>(), r["derrotas"].get<int>(), gp, gc,
                                gp - gc);
                }
            }
        }
        if (!campeoes.empty()) std::printf("\ncampeões:\n");
        for (const auto& c : campeoes) {
            const int comp = c["competicao"].get<int>(), regiao = c["regiao"].get<int>();
            std::string texto = nomecompeticao(m, comp, comp == kEstadual ? regiao : ligadopais(m, regiao));
            if (comp == kLiga) {
                texto += ' ';
                texto += std::to_string(c["divisao"].get<int>());
                texto += "ª divisão";
            }
            std::printf("  %s: %s\n", texto.c_str(), c["nome"].get<std::string>().c_str());
        }
        std::printf("\nartilheiros:\n");
        for (const auto& r : art)
            std::printf("  %s %s %d\n", alinha(r["nome"].get<std::string>(), 25).c_str(),
                        alinha(r["nometime"].get<std::string>(), 28).c_str(), r["gols"].get<int>());
    }
    std::fprintf(stderr, "simulação: %lld datas em %.3f s\n", jogadas, segundos);
    return 0;
}

Registra registro_simular("simular",
                          std::string("simular ") + kUsoNovoJogo +
                              " [--datas N | --ate-fim-da-temporada] [--resultados] [--json]",
                          simular);

}  // namespace
}  // namespace tarvello::cli
