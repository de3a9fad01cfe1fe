// "simular": starts a new game and plays its dates with every club run by the computer, then
// prints the tables, the champions and the top scorers. A seed gives the same output byte for
// byte; the time taken goes to standard error so that it never changes the output.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "comandos.h"
#include "club/amistosos.h"
#include "club/estadio.h"
#include "competitions/calendario.h"
#include "competitions/continentais.h"
#include "competitions/copas.h"
#include "competitions/tabela.h"
#include "competitions/liga.h"
#include "competitions/temporada.h"
#include "jogonovo.h"
#include "relatoriojson.h"
#include "match/diajogo.h"
#include "match/estatisticas.h"
#include "match/interacao.h"
#include "match/relatorios.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "newgame/salvamento.h"

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

nlohmann::json relatoriopartidajson(const Mundo& m, const TPartida& p) {
    const int i = p.jogado ? procurarelatorio(m, p.mandante, p.visitante, p.data) : -1;
    return i < 0 ? nlohmann::json(nullptr) : relatoriojson(m, i);
}

// The computer's answers, with the game's notices (a competition that cannot be played) on
// standard error.
class InteracaoAvisos : public InteracaoComputador {
public:
    void aviso(const std::string& texto) override { std::fprintf(stderr, "%s\n", texto.c_str()); }
};

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
            {"nomecompeticao", nomecompeticao(m, p.competicao, p.liga)},
            {"rodada", p.rodada},
            {"turno", p.turno},
            {"chave", p.chave},
            {"jogado", p.jogado != 0},
            {"data", textodata(p.data)},
            {"liga", p.liga},
            {"renda", p.renda},
            {"publico", p.publico},
            {"relatorio", relatoriopartidajson(m, p)}};
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

nlohmann::json ligasjson(const Mundo& m) {
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
    return ligas;
}

nlohmann::json campeoesjson(const Mundo& m) {
    nlohmann::json campeoes = nlohmann::json::array();
    for (const THistoricoColocado& h : m.historicocolocados)
        if (h.temporada == m.estado.temporada && h.colocacao == 1 && h.competicao < kCopaMundo) {
            nlohmann::json c = {{"competicao", h.competicao}, {"regiao", h.regiao}, {"divisao", h.divisao},
                                {"time", h.time}, {"nome", nome(m, h.time)}};
            if (const std::string n = nomeinternacional(h.competicao, h.regiao); !n.empty()) c["nomecompeticao"] = n;
            campeoes.push_back(c);
        }
    // The national-team tournament of the season, once its final is played: its champion country.
    if (const TTorneio& x = m.estado.torneio; x.competicao >= kCopaMundo && x.competicao <= kEurocopa && x.encerrado) {
        const int c = x.competicao - kCopaMundo;
        const int ed = m.estado.edicoes[c] - 1;
        if (ed >= 0 && ed < 50) {
            const int pais = m.estado.historicotorneios[c].campeao[ed];
            campeoes.push_back({{"competicao", x.competicao}, {"regiao", -1}, {"edicao", ed + 1}, {"pais", pais},
                                {"nome", std::string(nomepais(pais))},
                                {"vice", std::string(nomepais(m.estado.historicotorneios[c].vice[ed]))}});
        }
    }
    const size_t t = static_cast<size_t>(m.estado.temporada);
    if (t < m.campeoesestaduais.size())
        for (int s = 0; s < kNumEstados; ++s) {
            const int c = m.campeoesestaduais[t].campeao[s];
            if (m.estaduais[static_cast<size_t>(s)].temestadual && c >= 0 && m.estado.faseestadual >= 8)
                campeoes.push_back({{"competicao", kEstadual}, {"regiao", s},
                                    {"sigla", std::string(siglaestado(s))}, {"time", c}, {"nome", nome(m, c)}});
        }
    return campeoes;
}

// Average strength and age of the players of a club (every club for -1).
nlohmann::json resumojogadores(const Mundo& m, int time) {
    long long n = 0, forca = 0, idade = 0;
    auto soma = [&](const TJogador& p) {
        ++n;
        forca += p.forca;
        idade += p.idade;
    };
    if (time >= 0) {
        for (int j : elencoatual(m, time)) soma(m.jogadores[static_cast<size_t>(j)]);
    } else {
        for (size_t j = 1; j < m.jogadores.size(); ++j)
            if (m.jogadores[j].time >= 0 && m.jogadores[j].time < static_cast<int>(m.times.size())) soma(m.jogadores[j]);
    }
    const double d = n > 0 ? static_cast<double>(n) : 1.0;
    return {{"jogadores", n}, {"forcamedia", std::round(forca / d * 100) / 100},
            {"idademedia", std::round(idade / d * 100) / 100}};
}

// The coaches hired during season `temporada`, in hiring order.
nlohmann::json contratacoesjson(const Mundo& m, int temporada) {
    nlohmann::json r = nlohmann::json::array();
    for (const TContratacaoTecnico& c : m.contratacoestecnicos) {
        if (c.temporada != temporada) continue;
        const bool valido = c.tecnico >= 0 && c.tecnico < static_cast<int>(m.tecnicos.size());
        r.push_back({{"tecnico", c.tecnico},
                     {"nome", valido ? m.tecnicos[static_cast<size_t>(c.tecnico)].nome.utf8() : std::string()},
                     {"temporada", c.temporada},
                     {"time", c.time}});
    }
    return r;
}

// A finished season: tables, champions, and per division the clubs going up and down, as
// promotion and relegation will move them (worked out on a copy of the world, by the same rule).
nlohmann::json resumotemporada(const Mundo& m) {
    nlohmann::json r = {{"temporada", m.estado.temporada}, {"ligas", ligasjson(m)}, {"campeoes", campeoesjson(m)},
                        {"mundo", resumojogadores(m, -1)}, {"contratacoes", contratacoesjson(m, m.estado.temporada)}};
    Mundo depois = m;
    for (int l = 0; l < static_cast<int>(depois.ligas.size()); ++l) promoverebaixa(depois, l);
    for (size_t l = 0; l < m.ligas.size(); ++l) {
        const TLiga& x = m.ligas[l];
        for (int d = 0; d < x.numdivisoes && d < 4; ++d) {
            nlohmann::json sobem = nlohmann::json::array(), descem = nlohmann::json::array(),
                           entram = nlohmann::json::array();
            for (int t : x.times[d]) {
                if (t < 0 || t >= static_cast<int>(m.times.size())) continue;
                const int nova = depois.times[static_cast<size_t>(t)].divisao;
                if (nova >= 1 && nova < d + 1) sobem.push_back(t);
                else if (nova == 0 || nova > d + 1) descem.push_back(t);
            }
            for (int t : depois.ligas[l].times[d])
                if (t >= 0 && t < static_cast<int>(m.times.size()) && m.times[static_cast<size_t>(t)].divisao == 0)
                    entram.push_back(t);  // up from outside the divisions
            auto& div = r["ligas"][l]["divisoes"][static_cast<size_t>(d)];
            div["promovidos"] = sobem;
            div["rebaixados"] = descem;
            if (!entram.empty()) div["vindosdaregional"] = entram;
        }
    }
    return r;
}

// One finished season in the text output: the world's averages, and per division the champion
// and the clubs going up and down.
void imprimeresumo(const Mundo& m, const nlohmann::json& r) {
    std::printf("\ntemporada %d (%d): força média %.2f, idade média %.2f, %lld jogadores\n",
                r["temporada"].get<int>(), 2007 + r["temporada"].get<int>(),
                r["mundo"]["forcamedia"].get<double>(), r["mundo"]["idademedia"].get<double>(),
                r["mundo"]["jogadores"].get<long long>());
    for (const auto& l : r["ligas"])
        for (const auto& d : l["divisoes"]) {
            std::printf("  %s %dª divisão: campeão %s", l["nome"].get<std::string>().c_str(),
                        d["divisao"].get<int>(),
                        d.contains("campeao") ? d["campeao"]["nome"].get<std::string>().c_str() : "-");
            for (const char* chave : {"promovidos", "rebaixados"}) {
                std::printf("; %s:", chave);
                for (const auto& t : d[chave]) std::printf(" %s", nome(m, t.get<int>()).c_str());
            }
            std::printf("\n");
        }
}

// What the human coaches order at the start of a season when the command asks them to: up to
// `amistosos` friendlies each, against opponents drawn by the world's generator, and the
// expansion `obra` (seats per sector) when the club can pay for it.
void encomendasdoscoaches(Mundo& m, long long amistosos, const std::vector<int>& obra) {
    for (int k = 0; k < m.estado.numtecnicoshumanos && k < kMaxHumanos; ++k) {
        const int t = m.estado.timedotecnico[k];
        if (t < 0 || t >= static_cast<int>(m.times.size())) continue;
        const std::vector<int> adversarios = adversariosamistoso(m, t);
        for (long long n = 0; n < amistosos && !adversarios.empty(); ++n) {
            const std::vector<int> datas = datasamistoso(m, t, false).datas;
            if (datas.empty()) break;
            const int data = datas[static_cast<size_t>(m.sorteia(static_cast<int>(datas.size())))];
            const int adversario = adversarios[static_cast<size_t>(m.sorteia(static_cast<int>(adversarios.size())))];
            marcaamistoso(m, t, adversario, data, m.sorteia(2) == 1);
        }
        if (obra.size() == 4) iniciaobra(m, t, orcamento(m, t, {obra[0], obra[1], obra[2], obra[3]}));
    }
}

// Options of a new game that a loaded game already carries.
const char* const kOpcoesDoJogoNovo[] = {"dados", "ligas", "sistema", "estaduais", "sem-copa", "sem-continentais",
                                         "sem-selecoes", "personalizado", "humanos-clubes", "opcoes"};

int simular(const Argumentos& a) {
    std::unique_ptr<NovoJogo> jogo;
    std::unique_ptr<Mundo> carregado;
    if (const auto arquivo = a.valor("carregar")) {
        JogoCarregado c = carregajogo(*arquivo, static_cast<uint64_t>(a.inteiro("semente", 1)));
        if (!c.mundo) {
            std::fprintf(stderr, "%s\n%s: %s\n", c.erro.c_str(), arquivo->c_str(), c.motivo.c_str());
            return 1;
        }
        carregado = std::move(c.mundo);
    } else {
        if (!a.tem("dados")) throw ErroUso("informe --dados DIR ou --carregar ARQUIVO");
        jogo = criajogo(a);
        jogo->primeiratela();
    }
    Mundo& m = carregado ? *carregado : jogo->mundo();
    const bool json = a.tem("json");
    const bool resultados = a.tem("resultados");
    const long long limite = a.inteiro("datas", 1000000);
    // A loaded game plays on from its own season: --temporadas counts seasons from there.
    const long long primeira = m.estado.temporada;
    const long long temporadas = primeira - 1 + a.inteiro("temporadas", 1);

    std::vector<int32_t> dinheiroinicial;
    for (const TTime& t : m.times) dinheiroinicial.push_back(t.dinheiro);

    const long long amistosos = a.inteiro("amistosos", 0);
    const std::vector<int> obra = a.tem("obra") ? a.listainteiros("obra") : std::vector<int>{};
    if (!obra.empty() && obra.size() != 4) throw ErroUso("--obra pede quatro números: G,A,C,Cm");
    encomendasdoscoaches(m, amistosos, obra);

    InteracaoAvisos ia;
    nlohmann::json datas = nlohmann::json::array();
    nlohmann::json resumos = nlohmann::json::array();  // one per finished season
    const auto inicio = std::chrono::steady_clock::now();
    long long jogadas = 0;
    // A game saved after the season's last date has nothing left to play in that season.
    bool fim = carregado && (houvejogoshoje(m) || m.estado.competicaoatual == kSemJogos);
    for (;;) {
        if (fim) {
            // The season is over: its summary, then the turn of the season when more follow.
            // Text goes out season by season, so a long run keeps nothing of past seasons.
            if (a.tem("temporadas")) {
                if (json) resumos.push_back(resumotemporada(m));
                else imprimeresumo(m, resumotemporada(m));
            }
            if (m.estado.temporada >= temporadas) break;
            proximatemporada(m);
            encomendasdoscoaches(m, amistosos, obra);
            // The money columns start afresh with the season: the cash "before the first date"
            // is the new season's, less the sponsorship the turn of the season booked.
            for (size_t c = 0; c < dinheiroinicial.size() && c < m.financas.size(); ++c)
                dinheiroinicial[c] = m.times[c].dinheiro - m.financas[c].patrocinio;
            fim = false;
        }
        if (jogadas >= limite) break;
        const int data = m.estado.dataatual;
        const int tipo = m.estado.competicaoatual;
        const double dia = m.calendario[static_cast<size_t>(data - 1)].data;
        jogadatasemtela(m, ia);
        // A date on which nothing was played (a tournament that is not held) is passed, not counted.
        const bool teve = houvejogoshoje(m);
        if (teve) ++jogadas;
        if (resultados && teve) {
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
            const int regiao = jogos.empty() ? -1 : jogos[0]["liga"].get<int>();
            if (json) {
                datas.push_back({{"temporada", m.estado.temporada}, {"numero", data}, {"data", textodata(dia)},
                                 {"competicao", tipo}, {"nome", nomecompeticao(m, tipo, regiao)}, {"partidas", jogos}});
            } else {
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

    if (const auto destino = a.valor("salvar")) {
        // A new game takes the file's name as its save name; a loaded one keeps its own, so that
        // loading and saving without playing writes the very bytes that were read.
        if (m.estado.nomearquivo.vazio())
            m.estado.nomearquivo.define(std::filesystem::path(*destino).filename().string());
        if (const std::string erro = salvajogo(m, *destino); !erro.empty()) {
            std::fprintf(stderr, "%s\n", erro.c_str());
            return 1;
        }
    }

    nlohmann::json saida;
    saida["temporada"] = m.estado.temporada;
    saida["datasjogadas"] = jogadas;
    saida["fimdatemporada"] = fim;
    saida["dataatual"] = m.estado.dataatual;
    saida["relatorios"] = m.estado.numrelatorios;
    saida["ligas"] = ligasjson(m);

    const nlohmann::json campeoes = campeoesjson(m);
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
    if (a.tem("temporadas")) saida["temporadas"] = resumos;

    // Every club's money: its cash before the first date and now, and the season's columns.
    nlohmann::json clubes = nlohmann::json::object();
    for (size_t c = 0; c < m.times.size() && c < m.financas.size(); ++c) {
        const TFinancas& f = m.financas[c];
        clubes[std::to_string(c)] = {
            {"nome", nome(m, static_cast<int>(c))},
            {"humano", m.times[c].humano != 0},
            {"dinheiro", {{"inicio", c < dinheiroinicial.size() ? dinheiroinicial[c] : 0}, {"fim", m.times[c].dinheiro}}},
            {"divisao", m.times[c].divisao},
            {"confiancadiretoria", m.times[c].confiancadiretoria},
            {"confiancatorcida", m.times[c].confiancatorcida},
            {"estadio",
             {{"nome", m.times[c].estadio.utf8()},
              {"capacidade", {m.times[c].capacidade[0], m.times[c].capacidade[1], m.times[c].capacidade[2], m.times[c].capacidade[3]}},
              {"precoingresso",
               {m.times[c].precoingresso[0], m.times[c].precoingresso[1], m.times[c].precoingresso[2], m.times[c].precoingresso[3]}}}},
            {"numjogadores", m.times[c].numjogadores},
            {"elenco", resumojogadores(m, static_cast<int>(c))},
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
        saida["avisos"] = jogo ? jogo->avisos() : std::vector<std::string>{};
        // Every completed transfer of the game, oldest first (a loan's moves at price 0).
        nlohmann::json transferencias = nlohmann::json::array();
        for (const TTransferencia& t : m.transferencias) {
            const bool valido = t.jogador > 0 && t.jogador < static_cast<int>(m.jogadores.size());
            transferencias.push_back({{"jogador", t.jogador},
                                      {"nome", valido ? m.jogadores[static_cast<size_t>(t.jogador)].nome.utf8() : std::string()},
                                      {"temporada", t.temporada},
                                      {"origem", t.origem},
                                      {"destino", t.destino},
                                      {"preco", t.preco}});
        }
        saida["transferencias"] = transferencias;
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
            std::string texto = c.contains("nomecompeticao")
                                    ? c["nomecompeticao"].get<std::string>()
                                    : nomecompeticao(m, comp, comp == kEstadual ? regiao : ligadopais(m, regiao));
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

Registra registro_simular({"simular", "começa um jogo novo só com clubes do computador e joga as suas datas",
                           [] {
                               auto o = opcoesnovojogo();
                               o[0].obrigatoria = false;  // --dados, unless a saved game is loaded
                               o.push_back({"carregar", TipoOpcao::Texto, "ARQUIVO",
                                            "continua um jogo salvo em vez de começar um novo"});
                               o.push_back({"salvar", TipoOpcao::Texto, "ARQUIVO",
                                            "salva o jogo depois da última data jogada"});
                               o.push_back({"datas", TipoOpcao::Inteiro, "N", "joga N datas com partidas", 0, 1'000'000});
                               o.push_back({"ate-fim-da-temporada", TipoOpcao::Bandeira, "", "joga até o fim da temporada (padrão)"});
                               o.push_back({"temporadas", TipoOpcao::Inteiro, "N",
                                            "joga N temporadas, com o resumo de cada uma", 1, 10'000});
                               o.push_back({"resultados", TipoOpcao::Bandeira, "", "mostra as partidas de cada data"});
                               o.push_back({"amistosos", TipoOpcao::Inteiro, "N",
                                            "cada técnico humano marca até N amistosos por temporada", 0, 148});
                               o.push_back({"obra", TipoOpcao::Lista, "G,A,C,Cm",
                                            "cada técnico humano encomenda esta expansão do estádio por temporada", 0,
                                            1'000'000});
                               o.push_back(opcaojson());
                               return o;
                           }(),
                           [] {
                               std::vector<std::pair<std::string, std::string>> c = {{"datas", "ate-fim-da-temporada"}};
                               for (const char* o : kOpcoesDoJogoNovo) c.push_back({"carregar", o});
                               return c;
                           }(),
                           simular});

}  // namespace
}  // namespace tarvello::cli
