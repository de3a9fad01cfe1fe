#include "records/historicoclube.h"

#include <algorithm>
#include <array>

#include "competitions/copas.h"
#include "database/arquivos.h"
#include "model/mundo.h"
#include "model/nomesligas.h"
#include "model/tipos.h"
#include "records/historico.h"

namespace tarvello {

namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

std::string nometecnico(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.tecnicos.size()) ? m.tecnicos[static_cast<size_t>(t)].nome.utf8()
                                                               : std::string();
}

void conta(TContagemJogos& c, int pro, int contra) {
    c.jogos += 1;
    c.golspro += pro;
    c.golscontra += contra;
    if (pro > contra) c.vitorias += 1;
    else if (pro < contra) c.derrotas += 1;
    else c.empates += 1;
}

bool europeu(const Mundo& m, int time) {
    return timevalido(m, time) && confederacao(m.times[static_cast<size_t>(time)].pais, false) == 0;
}

// The coaches text of every season of the club, oldest first, from the hirings list.
std::vector<std::string> tecnicosporano(const Mundo& m, int time, int primeira, int ultima) {
    std::vector<std::string> r;
    int inicio = -1;
    for (const TContratacaoTecnico& c : m.contratacoestecnicos)
        if (c.time == time && (inicio < 0 || c.temporada < inicio)) inicio = c.temporada;
    const std::string inicial = nometecnico(m, time);  // the coach a club starts with shares its index
    std::string ultimo = inicial;
    const int atual = timevalido(m, time) ? m.times[static_cast<size_t>(time)].tecnico : -1;
    for (int s = 1; s <= ultima; ++s) {
        std::string t;
        if (inicio < 0 || s < inicio) {
            t = inicial;
        } else {
            t = s == inicio ? inicial : ultimo;
            for (const TContratacaoTecnico& c : m.contratacoestecnicos) {
                if (c.time != time || c.temporada != s || (s != inicio && c.tecnico == atual)) continue;
                const std::string n = nometecnico(m, c.tecnico);
                t += "," + n;
                ultimo = n;
            }
        }
        if (s >= primeira) r.push_back(t);
    }
    return r;
}

}  // namespace

std::string nomecompeticaoclube(const Mundo& m, int time, int competicao) {
    const int pais = timevalido(m, time) ? m.times[static_cast<size_t>(time)].pais : -1;
    const bool eur = europeu(m, time);
    switch (competicao) {
        case kAmistoso: return "Amistosos";
        case kLiga: return "Camp." + adjetivoliga(pais);
        case kCopaNacional: return "Copa";
        case kEstadual: return timevalido(m, time) ? std::string(adjetivoestado(m.times[static_cast<size_t>(time)].estado)) : "";
        case kContinental1: return eur ? "Liga Campeões" : "Libertadores";
        case kMundialClubes: return "Mundial";
        case kContinental2: return eur ? "Copa UEFA" : "Sul-Americana";
        default: return {};
    }
}

std::vector<TTemporadaRetrospecto> retrospecto(const Mundo& m, int time) {
    std::vector<TTemporadaRetrospecto> r;
    if (!timevalido(m, time)) return r;
    const int ultima = std::max(1, m.estado.temporada);
    const int primeira = std::max(1, ultima - 20);
    const int n = ultima - primeira + 1;
    std::vector<std::array<TContagemJogos, 7>> porcodigo(static_cast<size_t>(n));
    std::vector<TContagemJogos> total(static_cast<size_t>(n));
    for (const TConfronto& c : m.confrontos) {
        if (c.temporada < primeira || c.temporada > ultima || c.competicao < 0 || c.competicao > 6) continue;
        if (c.mandante != time && c.visitante != time) continue;
        const bool casa = c.mandante == time;
        const int pro = casa ? c.golsmandante : c.golsvisitante, contra = casa ? c.golsvisitante : c.golsmandante;
        const size_t s = static_cast<size_t>(c.temporada - primeira);
        conta(porcodigo[s][static_cast<size_t>(c.competicao)], pro, contra);
        conta(total[s], pro, contra);
    }
    const std::vector<std::string> tecnicos = tecnicosporano(m, time, primeira, ultima);
    for (int s = ultima; s >= primeira; --s) {
        const size_t i = static_cast<size_t>(s - primeira);
        TTemporadaRetrospecto t;
        t.temporada = s;
        t.tecnicos = i < tecnicos.size() ? tecnicos[i] : std::string();
        t.total = total[i];
        for (int k = 0; k <= 6; ++k) {
            const TContagemJogos& c = porcodigo[i][static_cast<size_t>(k)];
            if (c.jogos == 0) continue;
            t.competicoes.push_back({k, nomecompeticaoclube(m, time, k), textocampanha(m, time, k, s), c});
        }
        r.push_back(std::move(t));
    }
    return r;
}

std::string textotitulosclube(const Mundo& m, int time) {
    if (!timevalido(m, time)) return {};
    const std::array<int, 9> t = titulosdeclube(m, time);
    const bool eur = europeu(m, time);
    const std::pair<std::string, int> itens[] = {
        {"Nacional:", t[0]},
        {"2ª divisão:", t[6]},
        {"3ª divisão:", t[7]},
        {"4ª divisão:", t[8]},
        {"Copa:", t[1]},
        {std::string(eur ? "Liga Campeões" : "Libertadores") + ":", t[3]},
        {std::string(eur ? "Copa UEFA" : "Sul-Americana") + ":", t[5]},
        {"Mundial:", t[4]},
        {"Estadual:", m.times[static_cast<size_t>(time)].titulosestaduais},
    };
    std::string r;
    for (const auto& [rotulo, n] : itens)
        if (n > 0) r += rotulo + std::to_string(n) + "; ";
    return r;
}

std::vector<TPosicaoLiga> posicoesliga(const Mundo& m, int time) {
    std::vector<TPosicaoLiga> r;
    for (const TResultadoClube& c : m.resultadosclubes)
        if (c.time == time && c.competicao == kLiga && c.colocacao > 0) r.push_back({c.temporada, c.grupo, c.colocacao});
    std::stable_sort(r.begin(), r.end(), [](const TPosicaoLiga& a, const TPosicaoLiga& b) { return a.temporada < b.temporada; });
    return r;
}

TConfrontosClubes confrontosentre(const Mundo& m, int a, int b) {
    TConfrontosClubes r;
    if (!timevalido(m, a) || !timevalido(m, b) || a == b) return r;
    const int pais = m.times[static_cast<size_t>(a)].pais;
    const bool eur = europeu(m, a);
    for (size_t i = 0; i < m.confrontos.size(); ++i) {
        const TConfronto& c = m.confrontos[i];
        if (!((c.mandante == a && c.visitante == b) || (c.mandante == b && c.visitante == a))) continue;
        std::string nome;
        switch (c.competicao) {
            case kAmistoso: nome = "Amistoso"; break;
            case kLiga: nome = "Campeonato " + adjetivoliga(pais); break;
            case kCopaNacional: nome = "Copa " + frasecopa(pais); break;
            case kEstadual: nome = "Estadual"; break;
            case kContinental1: nome = eur ? "Liga Campeões" : "Libertadores"; break;
            case kMundialClubes: nome = "Mundial Interclubes"; break;
            case kContinental2: nome = eur ? "Copa UEFA" : "Sul-Americana"; break;
            default: break;
        }
        r.jogos.push_back({static_cast<int>(i), nome});
        const bool acasa = c.mandante == a;
        conta(r.primeiro, acasa ? c.golsmandante : c.golsvisitante, acasa ? c.golsvisitante : c.golsmandante);
        conta(r.segundo, acasa ? c.golsvisitante : c.golsmandante, acasa ? c.golsmandante : c.golsvisitante);
    }
    return r;
}

std::string textonumerojogos(int n) { return std::to_string(n) + (n == 1 ? " jogo" : " jogos"); }

std::string textobalanco(const TContagemJogos& c) {
    if (c.jogos == 0) return {};
    return std::to_string(c.vitorias) + "v " + std::to_string(c.derrotas) + "d " + std::to_string(c.golspro) + "gp " +
           std::to_string(c.golscontra) + "gc ";
}

}  // namespace tarvello
