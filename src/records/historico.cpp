#include "records/historico.h"

#include "model/mundo.h"

namespace tarvello {

void registracampanha(Mundo& m, int time, int resultado, int competicao, int detalhe) {
    if (time < 0) return;
    m.resultadosclubes.push_back({time, m.estado.temporada, competicao, resultado, detalhe});
}

void registracolocado(Mundo& m, int competicao, int time, int regiao, int lugar, int divisao) {
    if (time < 0) return;
    m.historicocolocados.push_back({m.estado.temporada, competicao, time, regiao, divisao, lugar});
}

void registratitulotecnico(Mundo& m, int competicao, int time, int tecnico, int regiao, int lugar, int divisao) {
    if (time < 0) return;
    m.historicotecnicos.push_back({m.estado.temporada, competicao, time, tecnico, divisao, lugar, regiao});
}

int colocado(const Mundo& m, int regiao, int lugar, int temporada, int divisao, int competicao) {
    for (auto it = m.historicocolocados.rbegin(); it != m.historicocolocados.rend(); ++it)
        if (it->temporada == temporada && it->competicao == competicao && it->regiao == regiao &&
            it->colocacao == lugar && it->divisao == divisao)
            return it->time;
    return -1;
}

int campeao(const Mundo& m, int competicao, int regiao, int temporada) {
    for (auto it = m.historicocolocados.rbegin(); it != m.historicocolocados.rend(); ++it)
        if (it->temporada == temporada && it->competicao == competicao && it->regiao == regiao &&
            it->colocacao == 1)
            return it->time;
    return -1;
}

}  // namespace tarvello

namespace tarvello {

namespace {

const TResultadoClube* campanha(const Mundo& m, int time, int competicao, int temporada) {
    for (const TResultadoClube& r : m.resultadosclubes)
        if (r.time == time && r.competicao == competicao && r.temporada == temporada) return &r;
    return nullptr;
}

std::string fasecopanacional(int fase) {
    static constexpr const char* kFases[] = {"1ª fase", "1ª fase", "Oitavas", "Quartas", "Semi-final", "Final"};
    return fase >= 0 && fase <= 5 ? kFases[fase] : "";
}

std::string fasecontinental(int fase) {
    static constexpr const char* kFases[] = {"", "1ª fase", "1ª fase", "1ª fase", "Oitavas", "Quartas", "Semi-final",
                                             "Final"};
    return fase >= 1 && fase <= 7 ? kFases[fase] : "";
}

bool disputando(const TTime& t, int competicao) {
    if (competicao == kCopaNacional) return t.nacopa != 0;
    if (competicao == kContinental1) return t.nalib != 0;
    return t.nasul != 0;
}

}  // namespace

std::array<int, 9> titulosdeclube(const Mundo& m, int time) {
    std::array<int, 9> r{};
    for (const TResultadoClube& c : m.resultadosclubes) {
        if (c.time != time || c.colocacao != 1) continue;
        if (c.competicao == kLiga) {
            if (c.grupo == 1) r[0] += 1;
            else if (c.grupo >= 2 && c.grupo <= 4) r[4 + c.grupo] += 1;
        } else if (c.competicao >= kCopaNacional && c.competicao <= kContinental2) {
            r[static_cast<size_t>(c.competicao - 1)] += 1;
        }
    }
    return r;
}

std::string textocampanha(const Mundo& m, int time, int competicao, int temporada) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return {};
    const TTime& t = m.times[static_cast<size_t>(time)];
    const bool atual = temporada == m.estado.temporada;
    const TResultadoClube* r = campanha(m, time, competicao, temporada);
    switch (competicao) {
        case kLiga:
            if (atual) return "Na " + std::to_string(r ? r->grupo : t.divisao) + "ª divisão";
            if (!r) return {};
            return std::to_string(r->colocacao) + "º - " + std::to_string(r->grupo) + "ª divisão";
        case kCopaNacional:
        case kContinental1:
        case kContinental2: {
            const bool nacional = competicao == kCopaNacional;
            auto rotulo = [&](int fase) { return nacional ? fasecopanacional(fase) : fasecontinental(fase); };
            if (r && r->colocacao == 1) return "Campeão";
            if (atual && !r) {
                if (!disputando(t, competicao)) return {};
                if (nacional) return "Joga " + rotulo(m.estado.fasecopa);
                const int fase = competicao == kContinental1 ? m.estado.faselib : m.estado.fasesul;
                return fase > 4 ? "Joga " + rotulo(fase) : "Joga 1ª Fase";
            }
            if (!r) return {};
            if (atual) return "Elim. " + rotulo(r->colocacao);
            if (r->colocacao == (nacional ? 5 : 7)) return "Vice-Campeão";
            return "Elim. na " + rotulo(r->colocacao);
        }
        case kMundialClubes:
            if (!r) return {};
            switch (r->colocacao) {
                case 1: return "Campeão";
                case 2: return "Vice-Campeão";
                case 3: return "3º lugar";
                case 4: return "4º lugar";
                case 10: return "Elim. 1ª fase";
                case 20: return "Elim. semi-final";
                default: return {};
            }
        case kEstadual:
            if (!r || (atual && m.estado.faseestadual < 8)) return {};
            return std::to_string(r->colocacao) + "º - " + std::to_string(r->grupo) + "ª divisão";
        default:
            return {};
    }
}

}  // namespace tarvello
