#include "records/ranking.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "model/mundo.h"
#include "model/nomesligas.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

}  // namespace

int pontosrankingclube(int competicao, int lugar, int divisao) {
    switch (competicao) {
        case kLiga: {
            static constexpr std::array<int, 10> kPontos = {12, 10, 8, 7, 6, 5, 4, 3, 2, 1};
            return divisao == 1 && lugar >= 1 && lugar <= 10 ? kPontos[static_cast<size_t>(lugar - 1)] : 0;
        }
        case kCopaNacional: return lugar == 1 ? 10 : lugar == 2 ? 7 : 0;
        case kEstadual: return lugar == 1 ? 5 : lugar == 2 ? 3 : 0;
        case kContinental1: return lugar == 1 ? 20 : lugar == 2 ? 15 : 0;
        // Points follow the finishing order: third place earns what was once handed to fourth.
        case kMundialClubes: return lugar == 1 ? 30 : lugar == 2 ? 15 : lugar == 3 ? 10 : 0;
        case kContinental2: return lugar == 1 ? 12 : lugar == 2 ? 10 : 0;
        default: return 0;
    }
}

void somarankingclube(Mundo& m, int competicao, int time, int lugar, int divisao) {
    if (!timevalido(m, time) || competicao < kLiga || competicao > kContinental2) return;
    m.times[static_cast<size_t>(time)].pontosranking[competicao - 1] += pontosrankingclube(competicao, lugar, divisao);
}

int paisranking(const Mundo& m, int tecnico) {
    const TTecnico& t = m.tecnicos[static_cast<size_t>(tecnico)];
    return timevalido(m, t.time) ? m.times[static_cast<size_t>(t.time)].pais : t.pais;
}

std::vector<TLinhaRankingTecnico> rankingtecnicos(const Mundo& m, int pais) {
    std::vector<TLinhaRankingTecnico> r;
    for (size_t i = 0; i < m.tecnicos.size(); ++i) {
        const TTecnico& t = m.tecnicos[i];
        if (t.nome.vazio()) continue;
        const int p = paisranking(m, static_cast<int>(i));
        if (pais >= 0 && p != pais) continue;
        TLinhaRankingTecnico l;
        l.tecnico = static_cast<int>(i);
        l.time = timevalido(m, t.time) ? t.time : -1;
        l.pontos = pais >= 0 ? t.pontosranking : t.pontosrankingsemestadual;
        l.m = t.conquistas[5];
        l.l = t.conquistas[4];
        l.s = t.conquistas[6];
        l.n = t.conquistas[1];
        l.c = t.conquistas[2];
        l.e = p == kBrasil ? t.conquistas[3] : 0;
        r.push_back(l);
    }
    std::stable_sort(r.begin(), r.end(), [](const TLinhaRankingTecnico& a, const TLinhaRankingTecnico& b) {
        const auto ka = std::make_tuple(a.pontos, a.m, a.l, a.s, a.n, a.c, a.e, -a.time);
        const auto kb = std::make_tuple(b.pontos, b.m, b.l, b.s, b.n, b.c, b.e, -b.time);
        return ka > kb;
    });
    return r;
}

std::string textotitulostecnico(const Mundo& m, int tecnico) {
    // Place-1 records of this coach, by code; continental ones by confederation, league ones by
    // division and, for the first division, by country.
    std::array<int, kNumCompeticoes> porcodigo{};
    std::array<std::array<int, 3>, 2> continental{};  // [cup 1/2][confederation 1/2]
    std::array<int, 5> divisoes{};
    std::array<int, kNumPaises> primeirapais{};
    for (const THistoricoTecnico& h : m.historicotecnicos) {
        if (h.tecnico != tecnico || h.colocacao != 1 || h.competicao < 0 || h.competicao >= kNumCompeticoes) continue;
        porcodigo[static_cast<size_t>(h.competicao)] += 1;
        if ((h.competicao == kContinental1 || h.competicao == kContinental2) && (h.regiao == 1 || h.regiao == 2))
            continental[h.competicao == kContinental1 ? 0 : 1][static_cast<size_t>(h.regiao)] += 1;
        if (h.competicao == kLiga && h.divisao >= 1 && h.divisao <= 4) {
            divisoes[static_cast<size_t>(h.divisao)] += 1;
            if (h.divisao == 1 && paisvalido(h.regiao)) primeirapais[static_cast<size_t>(h.regiao)] += 1;
        }
    }
    std::string r;
    auto linha = [&r](const char* rotulo, int n) {
        if (n > 0) r += std::string(rotulo) + std::to_string(n) + "\n";
    };
    linha("Copa do Mundo:", porcodigo[kCopaMundo]);
    linha("Copa América:", porcodigo[kCopaAmerica]);
    linha("Eurocopa:", porcodigo[kEurocopa]);
    linha("Mundial:", porcodigo[kMundialClubes]);
    if (m.estado.ckinter && porcodigo[kContinental1] > 0) {
        linha("Libertadores:", continental[0][1]);
        linha("Liga Campeões:", continental[0][2]);
    }
    if (m.estado.ckinter3 && porcodigo[kContinental2] > 0) {
        linha("Sul-Americana:", continental[1][1]);
        linha("Copa UEFA:", continental[1][2]);
    }
    if (divisoes[1] > 0) {
        r += "Nacional 1ª divisão:" + std::to_string(divisoes[1]) + " (";
        for (int p = 0; p < kNumPaises; ++p)
            if (primeirapais[static_cast<size_t>(p)] > 0)
                r += adjetivoliga(p) + ":" + std::to_string(primeirapais[static_cast<size_t>(p)]) + " ";
        r += ")\n";
    }
    linha("Copa:", porcodigo[kCopaNacional]);
    // The state titles are written once, from the coach's own counter.
    const int estaduais = m.tecnicos[static_cast<size_t>(tecnico)].conquistas[kEstadual];
    linha("Nacional 2ª divisão:", divisoes[2]);
    linha("Nacional 3ª divisão:", divisoes[3]);
    linha("Nacional 4ª divisão:", divisoes[4]);
    if (estaduais > 0) r += "Estadual:" + std::to_string(estaduais);
    return r;
}

std::vector<TLinhaRankingClube> rankingclubes(const Mundo& m, VisaoRankingClubes visao, int pais) {
    std::vector<TLinhaRankingClube> r;
    const int n = std::min(m.estado.numclubesliga, static_cast<int>(m.times.size()));
    for (int i = 0; i < n; ++i) {
        const TTime& t = m.times[static_cast<size_t>(i)];
        if (visao != VisaoRankingClubes::Internacional && t.pais != pais) continue;
        TLinhaRankingClube l;
        l.time = i;
        if (visao == VisaoRankingClubes::Colocacao) {
            for (int k = 0; k < 6; ++k) l.total += t.pontosranking[k];
        } else {
            for (int k = kLiga; k <= kContinental2; ++k) {
                if (visao == VisaoRankingClubes::Internacional && k == kEstadual) continue;
                const auto& x = t.totaiscompeticao[k - 1];
                l.total += x[0];
                l.golspro += x[1];
                l.saldo += x[1] - x[2];
            }
        }
        r.push_back(l);
    }
    std::stable_sort(r.begin(), r.end(), [](const TLinhaRankingClube& a, const TLinhaRankingClube& b) {
        return std::tie(a.total, a.saldo, a.golspro) > std::tie(b.total, b.saldo, b.golspro);
    });
    return r;
}

int anoslot(const Mundo& m, int slot) {
    const int t = m.estado.temporada;
    return t <= 10 ? 2007 + slot : 2007 + t - (10 - slot);
}

std::vector<TPontosAno> pontosporanotecnico(const Mundo& m, int tecnico) {
    std::vector<TPontosAno> r;
    if (tecnico < 0 || tecnico >= static_cast<int>(m.tecnicos.size())) return r;
    const TTecnico& t = m.tecnicos[static_cast<size_t>(tecnico)];
    const int ultimo = std::clamp(m.estado.temporada, 1, 10);
    for (int s = 1; s <= ultimo; ++s) r.push_back({anoslot(m, s), t.pontosporano[s]});
    return r;
}

}  // namespace tarvello
