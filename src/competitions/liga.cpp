#include "competitions/liga.h"

#include <algorithm>
#include <array>
#include <vector>

#include "club/premios.h"
#include "competitions/tabela.h"
#include "model/mundo.h"
#include "records/artilheiros.h"
#include "records/historico.h"
#include "records/ranking.h"
#include "season/tecnico.h"

namespace tarvello {

namespace {

bool fasedegrupos(const TEstadoJogo& e, int competicao) {
    switch (competicao) {
        case kLiga: return true;
        case kEstadual: return e.faseestadual < 6;
        case kContinental1: return e.faselib < 4;
        case kContinental2: return e.fasesul < 4;
        case kCopaMundo:
        case kCopaAmerica:
        case kEurocopa: return e.fasetorneio < 4;
        default: return false;
    }
}

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

int clubesdivisao(const Mundo& m) { return m.estado.sistemadisputa == 4 ? 10 : 20; }

// The division's clubs from its fixture list (the table order is rebuilt from the counters).
std::vector<int> clubesdadivisao(const Mundo& m, const TLiga& l, int d) {
    std::vector<int> r;
    const int n = clubesdivisao(m);
    for (int k = 0; k < n; ++k)
        if (clubevalido(m, l.times[d][k])) r.push_back(l.times[d][k]);
    return r;
}

void premiadivisao(Mundo& m, const TLiga& l, int divisao, const std::vector<TLinhaTabela>& linhas) {
    if (linhas.empty()) return;
    const int pais = l.pais;
    const int campeao = linhas[0].time;
    const int vice = linhas.size() > 1 ? linhas[1].time : -1;
    registracolocado(m, kLiga, campeao, pais, 1, divisao);
    registratitulotecnico(m, kLiga, campeao, m.times[campeao].tecnico, pais, 1, divisao);
    if (vice >= 0) {
        registracolocado(m, kLiga, vice, pais, 2, divisao);
        registratitulotecnico(m, kLiga, vice, m.times[vice].tecnico, pais, 2, divisao);
    }
    for (size_t i = 0; i < linhas.size(); ++i)
        registracampanha(m, linhas[i].time, static_cast<int>(i) + 1, kLiga, divisao);

    pagapremio(m, campeao, premioliga(m, divisao, 1));
    if (vice >= 0) pagapremio(m, vice, premioliga(m, divisao, 2));

    const int tecnico = tecnicodo(m, campeao);
    if (divisao == 1) {
        for (size_t i = 0; i < linhas.size(); ++i)
            somarankingclube(m, kLiga, linhas[i].time, static_cast<int>(i) + 1, divisao);
        if (tecnico >= 0) {
            m.tecnicos[tecnico].conquistas[1] += 1;
            registratecnico(m, tecnico, 0, "t");
            registratecnico(m, tecnico, 25, "pr");
        }
    } else if (tecnico >= 0) {
        m.tecnicos[tecnico].conquistas[7 + divisao] += 1;  // divisions 2..4: entries 9..11
        registratecnico(m, tecnico, 0, "t");
    }
    apuraartilheiro(m, kLiga, divisao, pais);
}

// Up to ten clubs of the country outside the divisions, strongest first, then shuffled: the
// first two come up. Empty slots are -1 (club 0 is a club like any other).
std::array<int, 10> promovidosregionais(Mundo& m, int pais) {
    struct Candidato {
        int time, nivel, chave;
    };
    std::vector<Candidato> c;
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
        const TTime& x = m.times[t];
        if (x.pais == pais && x.divisao == 0) c.push_back({t, x.nivel, m.sorteia(100)});
    }
    std::stable_sort(c.begin(), c.end(), [](const Candidato& a, const Candidato& b) {
        return a.nivel != b.nivel ? a.nivel > b.nivel : a.chave > b.chave;
    });
    std::array<int, 10> r;
    r.fill(-1);
    for (size_t i = 0; i < c.size() && i < r.size(); ++i) r[i] = c[i].time;
    for (size_t k = 0; k < r.size(); ++k) {
        const size_t x = static_cast<size_t>(m.sorteia(10));
        if (r[k] >= 0 && r[x] >= 0) std::swap(r[k], r[x]);
    }
    return r;
}

}  // namespace

void registraresultado(Mundo& m, int competicao, int mandante, int visitante, int golsmandante,
                       int golsvisitante) {
    if (competicao < 0 || competicao >= kNumCompeticoes) return;
    if (!clubevalido(m, mandante) || !clubevalido(m, visitante)) return;
    if (!fasedegrupos(m.estado, competicao)) return;
    TTime& h = m.times[mandante];
    TTime& a = m.times[visitante];
    const int c = competicao;
    h.jogos[c] += 1;
    a.jogos[c] += 1;
    if (golsmandante == golsvisitante) {
        h.pontos[c] += 1;
        a.pontos[c] += 1;
        h.ultimoresultado = a.ultimoresultado = 0;
    } else {
        TTime& v = golsmandante > golsvisitante ? h : a;
        TTime& d = golsmandante > golsvisitante ? a : h;
        v.pontos[c] += 3;
        v.vitorias[c] += 1;
        v.ultimoresultado = 1;
        d.derrotas[c] += 1;
        d.ultimoresultado = 2;
    }
    h.golspro[c] += golsmandante;
    h.golscontra[c] += golsvisitante;
    a.golspro[c] += golsvisitante;
    a.golscontra[c] += golsmandante;
}

int premioliga(const Mundo& m, int divisao, int lugar) {
    static constexpr std::array<std::array<int, 2>, 4> kPremios = {
        {{7000000, 3500000}, {2500000, 2000000}, {1500000, 1000000}, {750000, 500000}}};
    if (divisao < 1 || divisao > 4 || lugar < 1 || lugar > 2) return 0;
    if (divisao == 1 && lugar == 1 && m.estado.sistemadisputa == 4) return 5000000;
    return kPremios[static_cast<size_t>(divisao - 1)][static_cast<size_t>(lugar - 1)];
}

int rodadasporturno(const Mundo& m) { return clubesdivisao(m); }

void avancarodadaliga(Mundo& m) {
    TEstadoJogo& e = m.estado;
    e.rodadaliga += 1;
    if (e.rodadaliga < rodadasporturno(m)) return;
    if (e.turnoliga == 1) {
        e.turnoliga = 2;
        e.rodadaliga = 1;
    } else {
        m.ligaencerrada = true;
    }
}

bool ligaterminada(const Mundo& m) {
    return m.estado.turnoliga == 2 && m.estado.rodadaliga >= rodadasporturno(m);
}

void atualizaclassificacao(Mundo& m) {
    const bool premiar = m.ligaencerrada && !m.ligapremiada;
    for (TLiga& l : m.ligas) {
        for (int d = 0; d < l.numdivisoes && d < 4; ++d) {
            const std::vector<TLinhaTabela> linhas = ordenatabela(m, clubesdadivisao(m, l, d), kLiga);
            std::fill(std::begin(l.classificacao[d]), std::end(l.classificacao[d]), -1);
            for (size_t i = 0; i < linhas.size() && i < 20; ++i) {
                l.classificacao[d][i] = linhas[i].time;
                m.times[linhas[i].time].colocacoes[kLiga] = static_cast<int>(i) + 1;
            }
            if (premiar) premiadivisao(m, l, d + 1, linhas);
        }
    }
    if (premiar) m.ligapremiada = true;
}

void promoverebaixa(Mundo& m, int indice) {
    if (indice < 0 || indice >= static_cast<int>(m.ligas.size())) return;
    TLiga& l = m.ligas[static_cast<size_t>(indice)];
    const int n = clubesdivisao(m);
    const int sobe = n == 20 ? 4 : 2;  // clubs that change places at each boundary between divisions
    const int nd = std::clamp(l.numdivisoes, 1, 4);

    const std::array<int, 10> regionais = promovidosregionais(m, l.pais);
    const int r1 = regionais[0], r2 = regionais[1];
    for (int r : {r1, r2})
        if (r >= 0) m.times[r].confiancadiretoria = m.times[r].confiancatorcida = 100;

    // Final tables; a slot the tables never filled falls back to the division list.
    auto pos = [&](int d, int k) {  // division 1..4, place 1..n
        const int t = l.classificacao[d - 1][k - 1];
        return clubevalido(m, t) ? t : l.times[d - 1][k - 1];
    };
    std::array<std::vector<int>, 4> novas;
    for (int d = 1; d <= nd; ++d) {
        std::vector<int>& v = novas[d - 1];
        if (d > 1)
            for (int k = n - sobe + 1; k <= n; ++k) v.push_back(pos(d - 1, k));
        const int de = d > 1 ? sobe + 1 : 1;
        const int ate = d < nd ? n - sobe : n - 2;
        for (int k = de; k <= ate; ++k) v.push_back(pos(d, k));
        if (d < nd) {
            for (int k = 1; k <= sobe; ++k) v.push_back(pos(d + 1, k));
        } else {
            // The bottom two drop out only when a club comes up to take their place.
            v.push_back(r1 >= 0 ? r1 : pos(d, n - 1));
            v.push_back(r2 >= 0 ? r2 : pos(d, n));
            if (r1 >= 0) m.times[pos(d, n - 1)].divisao = 0;
            if (r2 >= 0) m.times[pos(d, n)].divisao = 0;
        }
    }
    for (int d = 1; d <= nd; ++d)
        for (int k = 0; k < n; ++k) {
            const int t = novas[d - 1][k];
            l.times[d - 1][k] = t;
            l.classificacao[d - 1][k] = t;
            if (clubevalido(m, t)) m.times[t].divisao = d;
        }

    for (int r : {r1, r2}) {
        if (r < 0) continue;
        const size_t linha = static_cast<size_t>(std::clamp(m.times[r].divisao, 0, 4));
        for (int s = 0; s < 4; ++s) m.times[r].precoingresso[s] = m.precospadrao[linha][s];
    }
    for (int r : {r1, r2}) {
        if (r < 0 || m.times[r].tecnico >= 0) continue;
        for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
            const TTime& c = m.times[t];
            const int tec = c.tecnico;
            if (c.humano || c.divisao != 0 || tec < 0 || tec >= static_cast<int>(m.tecnicos.size()) ||
                m.tecnicos[tec].nome.vazio())
                continue;
            m.times[t].tecnico = -1;
            contrata(m, r, tec);
            break;
        }
    }
    for (int tec = 0; tec < static_cast<int>(m.tecnicos.size()); ++tec) {
        TTecnico& c = m.tecnicos[tec];
        if (c.humano || c.nome.vazio() || !clubevalido(m, c.time)) continue;
        if (m.times[c.time].tecnico != tec) {
            c.time = -1;
            c.empregado = 0;
        }
    }
}

}  // namespace tarvello
