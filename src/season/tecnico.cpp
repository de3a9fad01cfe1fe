#include "season/tecnico.h"

#include <algorithm>
#include <array>

#include "club/amistosos.h"
#include "club/contratos.h"
#include "club/emprestimos.h"
#include "model/mundo.h"
#include "news/mensagens.h"

namespace tarvello {
namespace {

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }
bool tecnicovalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.tecnicos.size()); }

// Unemployed, not human, with a name.
bool livre(const TTecnico& t) { return t.time < 0 && !t.humano && !t.nome.vazio(); }

int ligadopais(const Mundo& m, int pais) {
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l)
        if (m.ligas[static_cast<size_t>(l)].pais == pais) return l;
    return -1;
}

constexpr std::array<const char*, 11> kPrenomes = {"João", "Paulo", "André", "Salvador", "Juarez", "Epitácio",
                                                   "Jacozinho", "Gerard", "Firmino", "Sandro", "Vítor"};
constexpr std::array<const char*, 11> kSobrenomes = {"Silva", "Pinto", "Souza", "Oliveira", "Magalhães",
                                                     "Ferreira", "Peres", "Batista", "Silveira", "Nascimento",
                                                     "Santos"};

int novotecnico(Mundo& m, int pais, int divisao) {
    TTecnico t{};
    const std::string nome = std::string(kPrenomes[static_cast<size_t>(m.sorteia(11))]) + " " +
                             kSobrenomes[static_cast<size_t>(m.sorteia(11))];
    t.nome.define(nome);
    t.pais = pais;
    t.divisao = divisao;
    t.time = -1;
    t.ultimotime = -1;
    for (auto& s : t.clubes)
        for (auto& c : s) c = -1;
    m.tecnicos.push_back(t);
    return static_cast<int>(m.tecnicos.size()) - 1;
}

// A computer club of divisions `de`..`ate` of the league, in table-list order, whose coach can be
// poached.
int procuratroca(const Mundo& m, const TLiga& l, int de, int ate, int time) {
    for (int d = std::max(de, 1); d <= std::min(ate, std::clamp(l.numdivisoes, 0, 4)); ++d)
        for (int t : l.times[d - 1]) {
            if (t == time || !clubevalido(m, t) || m.times[static_cast<size_t>(t)].humano) continue;
            const int tec = m.times[static_cast<size_t>(t)].tecnico;
            if (tecnicovalido(m, tec) && !m.tecnicos[static_cast<size_t>(tec)].humano &&
                m.tecnicos[static_cast<size_t>(tec)].carencia == 0)
                return t;
        }
    return -1;
}

}  // namespace

void registratecnico(Mundo& m, int tecnico, int valor, std::string_view codigo) {
    if (tecnico < 0 || tecnico >= static_cast<int>(m.tecnicos.size())) return;
    TTecnico& t = m.tecnicos[tecnico];
    // Same season slots as the players' careers: the season number, 10 from the tenth on.
    const int s = std::clamp(m.estado.temporada, 1, 10);
    if (codigo == "j") {
        ++t.jogos[0];
        ++t.jogos[s];
        if (t.carencia > 0) --t.carencia;
    } else if (codigo == "v") {
        ++t.vitorias[0];
        ++t.vitorias[s];
    } else if (codigo == "d") {
        ++t.derrotas[0];
        ++t.derrotas[s];
    } else if (codigo == "t") {
        ++t.titulos[0];
        ++t.titulos[s];
    } else if (codigo == "pr") {
        t.pontosranking += valor;
        t.pontosporano[s] += valor;
        if (m.estado.competicaoatual != kEstadual) t.pontosrankingsemestadual += valor;
    } else if (codigo == "time") {
        for (auto& c : t.clubes[s - 1]) {
            if (c == -1) {
                c = valor;
                break;
            }
        }
    }
}

void refazmarcashumanos(Mundo& m) {
    TEstadoJogo& e = m.estado;
    int n = 0;
    for (auto& h : e.timeshumanos) h = -1;
    for (int t = 0; t < static_cast<int>(m.times.size()) && n < kMaxHumanos; ++t)
        if (m.times[static_cast<size_t>(t)].humano) e.timeshumanos[n++] = t;
    for (TLiga& l : m.ligas) {
        l.temhumano = 0;
        for (int d = 0; d < std::clamp(l.numdivisoes, 0, 4); ++d)
            for (int t : l.times[d])
                if (clubevalido(m, t) && m.times[static_cast<size_t>(t)].humano) l.temhumano = 1;
    }
    for (TEstadual& s : m.estaduais) {
        s.temhumano = 0;
        if (!s.temestadual) continue;
        for (const auto& g : s.grupos)
            for (int t : g)
                if (clubevalido(m, t) && m.times[static_cast<size_t>(t)].humano) s.temhumano = 1;
    }
}

void contrata(Mundo& m, int time, int tecnico) {
    if (!clubevalido(m, time) || !tecnicovalido(m, tecnico)) return;
    TTime& k = m.times[time];
    TTecnico& t = m.tecnicos[tecnico];
    // The coach who leaves takes his loans with him: the loaned players go back.
    encerraemprestimosdoclube(m, time);
    k.tecnico = tecnico;
    t.time = time;
    t.empregado = 1;
    t.carencia = 5;
    registratecnico(m, tecnico, time, "time");
    k.confiancadiretoria = 100;
    k.confiancatorcida = 80;
    if (time < static_cast<int>(m.financas.size())) m.financas[time].emprestimo = 0;
    const int d = std::clamp(k.divisao, 0, 4);
    for (int s = 0; s < 4; ++s) k.precoingresso[s] = m.precospadrao[static_cast<size_t>(d)][static_cast<size_t>(s)];
    if (t.humano) {
        k.humano = 1;
        TEstadoJogo& e = m.estado;
        for (int s = 0; s < std::min(e.numtecnicoshumanos, kMaxHumanos); ++s)
            if (e.timedotecnico[s] < 0) {
                e.timedotecnico[s] = time;
                break;
            }
        refazmarcashumanos(m);
        for (int j : elenco(m, time)) {
            TJogador& p = m.jogadores[static_cast<size_t>(j)];
            if (!p.avenda) continue;
            p.avenda = 0;
            p.precovenda = 0;
            p.moral = 3;
            novocontrato(m, j, 10 + m.sorteia(30));
        }
        // A human coach starts with fresh funds for the club's division. Computer clubs keep
        // their cash: their money moves only by what their accounts book.
        switch (k.divisao) {
            case 1: k.dinheiro = 6000000 + m.sorteia(2000000); break;
            case 2: k.dinheiro = 4000000 + m.sorteia(1000000); break;
            case 3: k.dinheiro = 2000000 + m.sorteia(1000000); break;
            case 4: k.dinheiro = 1000000 + m.sorteia(500000); break;
            default: k.dinheiro = 500000 + m.sorteia(200000); break;
        }
    }
    m.contratacoestecnicos.push_back({tecnico, m.estado.temporada, time});
}

void demite(Mundo& m, int time, int tecnico) {
    if (!clubevalido(m, time) || !tecnicovalido(m, tecnico)) return;
    TTime& k = m.times[time];
    TTecnico& t = m.tecnicos[tecnico];
    t.divisao = k.divisao;
    // With divisions of 10 clubs, the second division of a two-division country is the fourth
    // level of the game.
    if (m.estado.sistemadisputa == 4 && k.divisao == 2) {
        const int l = ligadopais(m, k.pais);
        if (l >= 0 && m.ligas[static_cast<size_t>(l)].numdivisoes == 2) t.divisao = 4;
    }
    t.time = -1;
    t.empregado = 0;
    t.ultimotime = time;
    if (k.tecnico == tecnico) k.tecnico = -1;
    if (!t.humano) return;
    k.humano = 0;
    TEstadoJogo& e = m.estado;
    for (auto& s : e.timedotecnico)
        if (s == time) s = -1;
    refazmarcashumanos(m);
    // His league stays on screen while he has no club.
    const int l = ligadopais(m, k.pais);
    if (l >= 0) m.ligareserva = l;
    if (e.competicaoatual != kAmistoso) cancelaamistosos(m, time);
    desvinculamensagens(m, time);
}

TSucessor procuratecnico(Mundo& m, int time, bool troca) {
    TSucessor r;
    if (!clubevalido(m, time)) return r;
    const TTime& k = m.times[static_cast<size_t>(time)];
    const int c = k.pais, d = k.divisao;
    const int n = static_cast<int>(m.tecnicos.size());
    for (int i = 0; i < n; ++i) {
        const TTecnico& t = m.tecnicos[static_cast<size_t>(i)];
        if (livre(t) && t.pais == c && t.divisao == d) {
            r.tecnico = i;
            return r;
        }
    }
    const int l = ligadopais(m, c);
    if (troca && l >= 0 && d >= 1) {
        const TLiga& liga = m.ligas[static_cast<size_t>(l)];
        // Own division and those below it, or the one above.
        const int outro = m.sorteia(2) == 0 ? procuratroca(m, liga, d, 4, time) : procuratroca(m, liga, d - 1, d - 1, time);
        if (outro >= 0) {
            r.tecnico = m.times[static_cast<size_t>(outro)].tecnico;
            r.troca = outro;
            return r;
        }
    }
    for (int i = 0; i < n; ++i)
        if (livre(m.tecnicos[static_cast<size_t>(i)]) && m.tecnicos[static_cast<size_t>(i)].pais == c) {
            r.tecnico = i;
            return r;
        }
    for (int i = 0; i < n; ++i)
        if (livre(m.tecnicos[static_cast<size_t>(i)])) {
            r.tecnico = i;
            return r;
        }
    r.tecnico = novotecnico(m, c, d);
    return r;
}

int tecnicodo(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return -1;
    const int t = m.times[time].tecnico;
    return t >= 0 && t < static_cast<int>(m.tecnicos.size()) ? t : -1;
}

std::vector<int> tecnicoshumanos(const Mundo& m) {
    std::vector<int> livres;
    for (int i = 0; i < static_cast<int>(m.tecnicos.size()); ++i) {
        const TTecnico& t = m.tecnicos[static_cast<size_t>(i)];
        if (t.humano && !t.nome.vazio() && t.time < 0) livres.push_back(i);
    }
    std::vector<int> r;
    size_t proximo = 0;
    for (int k = 0; k < std::clamp(m.estado.numtecnicoshumanos, 0, kMaxHumanos); ++k) {
        const int c = m.estado.timedotecnico[k];
        const int t = tecnicodo(m, c);
        if (t >= 0 && m.tecnicos[static_cast<size_t>(t)].humano) r.push_back(t);
        else r.push_back(proximo < livres.size() ? livres[proximo++] : -1);
    }
    return r;
}

}  // namespace tarvello
