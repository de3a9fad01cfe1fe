#include "competitions/calendario.h"
#include "competitions/torneio.h"

#include <initializer_list>
#include <vector>

#include "competitions/confrontos.h"
#include "competitions/copas.h"
#include "model/datas.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/nomesligas.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

constexpr int kQuarta = 4;  // weekday numbers run from 1 = Sunday

struct TCodigoDatas {
    int competicao;
    std::vector<int> datas;
};

std::vector<int> intervalo(int de, int ate, int passo) {
    std::vector<int> v;
    for (int d = de; d <= ate; d += passo) v.push_back(d);
    return v;
}

std::vector<int> junta(std::initializer_list<std::vector<int>> partes) {
    std::vector<int> v;
    for (const auto& p : partes) v.insert(v.end(), p.begin(), p.end());
    return v;
}

// The three national-team tournaments share these dates; only the world cup uses the last one.
const std::vector<int> kDatasTorneio = {78, 79, 81, 82, 84, 85, 87};

// Which dates each competition takes, for divisions of 20 clubs...
const std::vector<TCodigoDatas>& modelo20() {
    static const std::vector<TCodigoDatas> t = {
        {kAmistoso, {3, 6, 37, 50, 104, 110, 116, 125, 142}},
        {kLiga, junta({intervalo(36, 75, 3), intervalo(90, 120, 3),
                       {121, 123, 126, 129, 130, 132, 133, 135, 136, 138, 139, 141, 144}})},
        {kCopaNacional, {43, 49, 55, 64, 70, 76, 94, 100, 106, 112}},
        {kEstadual, {9, 10, 12, 13, 15, 16, 18, 21, 24, 27, 30, 33}},
        {kContinental1, {19, 22, 25, 28, 34, 40, 46, 52, 58, 61, 67, 73, 92, 98}},
        {kMundialClubes, {145, 146, 147}},
        {kContinental2, {59, 62, 68, 74, 91, 97, 103, 109, 115, 118, 124, 127, 131, 137}},
    };
    return t;
}

// ... and of 10 clubs.
const std::vector<TCodigoDatas>& modelo10() {
    static const std::vector<TCodigoDatas> t = {
        {kAmistoso, {3, 6, 9, 31, 39, 42, 46, 50, 56, 62, 74, 92, 104, 117, 123, 129, 135, 141}},
        {kLiga, junta({intervalo(45, 75, 3), {90, 93, 96, 99, 102, 105, 108}})},
        {kCopaNacional, {34, 37, 49, 55, 61, 67, 73, 91, 97, 103}},
        {kEstadual, {12, 13, 15, 16, 18, 19, 21, 24, 27, 30, 33, 36}},
        {kContinental1, {23, 26, 29, 41, 44, 53, 59, 65, 71, 77, 95, 101, 107, 110}},
        {kMundialClubes, {144, 145, 147}},
        {kContinental2, {22, 25, 28, 40, 43, 52, 58, 64, 70, 76, 94, 100, 106, 109}},
    };
    return t;
}

bool ligado(const Mundo& m, int competicao) {
    const TEstadoJogo& e = m.estado;
    switch (competicao) {
        case kAmistoso:
        case kLiga: return true;
        case kCopaNacional: return e.ckcopa != 0;
        case kEstadual: return e.ckestadual != 0;
        case kContinental1:
        case kMundialClubes: return e.ckinter != 0 && e.temporada > 1;
        case kContinental2: return e.ckinter3 != 0 && e.temporada > 1;
        default: return false;
    }
}

// Dates of the calendar given to a competition, in date order.
std::vector<double> datasde(const Mundo& m, int competicao) {
    std::vector<double> d;
    for (const TDiaCalendario& c : m.calendario)
        if (c.competicao == competicao) d.push_back(c.data);
    return d;
}

// The n-th date (1-based) of the list, or 0 when the calendar has fewer.
double enesima(const std::vector<double>& d, int n) {
    return n >= 1 && n <= static_cast<int>(d.size()) ? d[static_cast<size_t>(n - 1)] : 0.0;
}

void montaliga(Mundo& m, int l, const std::vector<double>& d) {
    if (l < 0 || l >= static_cast<int>(m.ligas.size())) return;
    const TLiga& liga = m.ligas[static_cast<size_t>(l)];
    const bool vinte = m.estado.sistemadisputa == 2;
    const int rodadas = vinte ? 19 : 9;
    const int jogos = vinte ? 10 : 5;
    for (int h = 1; h <= 2; ++h)
        for (int r = 1; r <= rodadas; ++r)
            for (int j = 0; j < liga.numdivisoes && j < 4; ++j)
                for (int s = 1; s <= jogos; ++s) {
                    const TParConfronto p = vinte ? confronto20(r, h, s) : confronto10(r, h, s);
                    adicionajogo(m, liga.times[j][p.mandante - 1], liga.times[j][p.visitante - 1], r,
                                 enesima(d, (h - 1) * rodadas + r), -1, h, l, kLiga);
                }
}

void montaestadual(Mundo& m, int s, const std::vector<double>& d) {
    if (s < 0 || s >= static_cast<int>(m.estaduais.size())) return;
    const TEstadual& e = m.estaduais[static_cast<size_t>(s)];
    for (int h = 1; h <= 2; ++h)
        for (int r = 1; r <= 5; ++r)
            for (int g = 0; g < e.numgrupos && g < 5; ++g)
                for (int j = 1; j <= 3; ++j) {
                    const TParConfronto p = confronto6(r, h, j);
                    adicionajogo(m, e.grupos[g][p.mandante - 1], e.grupos[g][p.visitante - 1], r,
                                 enesima(d, (h - 1) * 5 + r), -1, h, s, kEstadual);
                }
}

// Every tie of the national cup, both clubs undecided until the draw; the bracket slots count
// down from 31 so that the winners of slots 2k and 2k+1 meet in the next phase.
void montacopa(Mundo& m, int l, const std::vector<double>& d) {
    if (l < 0 || l >= static_cast<int>(m.ligas.size())) return;
    int chave = 31;
    for (int fase = copacomprimeirafase(m, l) ? 1 : 2; fase <= 5; ++fase) {
        const int confrontos = 16 >> (fase - 1);
        for (int t = 1; t <= confrontos; ++t) {
            for (int perna = 1; perna <= 2; ++perna)
                adicionajogo(m, -1, -1, fase, enesima(d, (fase - 1) * 2 + perna), chave, t, l, kCopaNacional);
            --chave;
        }
    }
}

void montacontinental(Mundo& m, int competicao, const std::vector<double>& d) {
    const TEstadoJogo& e = m.estado;
    for (int c = 1; c <= 2; ++c) {
        const int32_t(&grupos)[8][4] = competicao == kContinental1 ? (c == 1 ? e.gruposlib1 : e.gruposlib2)
                                                                    : (c == 1 ? e.grupossul1 : e.grupossul2);
        for (int g = 0; g < 8; ++g)
            for (int h = 1; h <= 2; ++h)
                for (int r = 1; r <= 3; ++r)
                    for (int j = 1; j <= 2; ++j) {
                        const TParConfronto p = confronto4(r, h, j);
                        adicionajogo(m, grupos[g][p.mandante - 1], grupos[g][p.visitante - 1], r,
                                     enesima(d, (h - 1) * 3 + r), -1, h, c, competicao);
                    }
    }
    // Knock-out: round of 16 (phase 4) to the final (phase 7), two legs each.
    for (int c = 1; c <= 2; ++c)
        for (int fase = 4; fase <= 7; ++fase) {
            const int confrontos = 8 >> (fase - 4);
            for (int t = 0; t < confrontos; ++t)
                for (int perna = 1; perna <= 2; ++perna)
                    adicionajogo(m, -1, -1, fase, enesima(d, 7 + (fase - 4) * 2 + perna - 1), -1, perna, c,
                                 competicao);
        }
}

bool clubehumano(const Mundo& m, int t) {
    const TEstadoJogo& e = m.estado;
    for (int k = 0; k < e.numtecnicoshumanos && k < kMaxHumanos; ++k)
        if (t >= 0 && e.timedotecnico[k] == t) return true;
    return false;
}

// League index of a club's country, or -1.
int ligadoclube(const Mundo& m, int t) {
    if (t < 0 || t >= static_cast<int>(m.times.size())) return -1;
    for (size_t l = 0; l < m.ligas.size(); ++l)
        if (m.ligas[l].pais == m.times[static_cast<size_t>(t)].pais) return static_cast<int>(l);
    return -1;
}

}  // namespace

bool temporadacopamundo(int temporada) { return temporada >= 3 && temporada <= 191 && temporada % 4 == 3; }
bool temporadacopaamerica(int temporada) { return temporada >= 4 && temporada <= 192 && temporada % 4 == 0; }
bool temporadaeurocopa(int temporada) { return temporada >= 1 && temporada <= 193 && temporada % 4 == 1; }

void montacalendario(Mundo& m) {
    const TEstadoJogo& e = m.estado;
    double data = codificadata(2007 + e.temporada, 1, 1);
    while (diadasemana(data) != kQuarta) data += 1;
    // Wednesday, Thursday, Sunday, Wednesday...
    for (int n = 1; n <= kNumDatas; ++n) {
        m.calendario[static_cast<size_t>(n - 1)] = {n, data, kSemJogos};
        data += (n - 1) % 3 == 1 ? 3 : ((n - 1) % 3 == 0 ? 1 : 3);
    }
    if (e.sistemadisputa != 2 && e.sistemadisputa != 4) return;
    for (const TCodigoDatas& c : e.sistemadisputa == 2 ? modelo20() : modelo10())
        if (ligado(m, c.competicao))
            for (int d : c.datas) m.calendario[static_cast<size_t>(d - 1)].competicao = c.competicao;
    int torneio = kSemJogos;
    if (e.ckcopamundo && temporadacopamundo(e.temporada)) torneio = kCopaMundo;
    else if (e.ckcopaamerica && temporadacopaamerica(e.temporada)) torneio = kCopaAmerica;
    else if (e.ckeurocopa && temporadaeurocopa(e.temporada)) torneio = kEurocopa;
    if (torneio == kSemJogos) return;
    for (int d : kDatasTorneio)
        m.calendario[static_cast<size_t>(d - 1)].competicao = (d == 87 && torneio != kCopaMundo) ? kAmistoso : torneio;
}

void montajogos(Mundo& m, int competicao, int indice) {
    const std::vector<double> d = datasde(m, competicao);
    switch (competicao) {
        case kLiga: montaliga(m, indice, d); break;
        case kEstadual: montaestadual(m, indice, d); break;
        case kCopaNacional: montacopa(m, indice, d); break;
        case kContinental1:
        case kContinental2: montacontinental(m, competicao, d); break;
        case kCopaMundo:
        case kCopaAmerica:
        case kEurocopa: montajogostorneio(m, competicao); break;
        default: break;
    }
}

int proximojogo(const Mundo& m, int time, double data) {
    for (size_t i = 0; i < m.partidas.size(); ++i) {
        const TPartida& p = m.partidas[i];
        if (p.data == data && (p.mandante == time || p.visitante == time)) return static_cast<int>(i);
    }
    return -1;
}

bool temamistoso(const Mundo& m, double data) {
    for (const TPartida& p : m.partidas)
        if (p.competicao == kAmistoso && p.data == data && !p.jogado && p.mandante >= 0) return true;
    return false;
}

void proximadata(Mundo& m) {
    TEstadoJogo& e = m.estado;
    for (int d = e.dataatual + 1; d <= kNumDatas; ++d) {
        const TDiaCalendario& c = m.calendario[static_cast<size_t>(d - 1)];
        const bool vale = c.competicao > kAmistoso || (c.competicao == kAmistoso && temamistoso(m, c.data)) ||
                          (c.competicao == kSemJogos && d == kNumDatas);
        if (vale) {
            e.dataatual = d;
            e.competicaoatual = c.competicao;
            return;
        }
    }
}

bool humanojoga(const Mundo& m) {
    const TEstadoJogo& e = m.estado;
    if (e.numtecnicoshumanos <= 0) return false;
    if (e.dataatual < 1 || e.dataatual > kNumDatas) return false;
    const double hoje = m.calendario[static_cast<size_t>(e.dataatual - 1)].data;
    auto algumhumano = [&](auto&& condicao) {
        for (int k = 0; k < e.numtecnicoshumanos && k < kMaxHumanos; ++k) {
            const int t = e.timedotecnico[k];
            if (t >= 0 && t < static_cast<int>(m.times.size()) && condicao(t)) return true;
        }
        return false;
    };
    switch (e.competicaoatual) {
        case kAmistoso:
        case kMundialClubes:
            for (const TPartida& p : m.partidas)
                if (p.competicao == e.competicaoatual && p.data == hoje && !p.jogado &&
                    (clubehumano(m, p.mandante) || clubehumano(m, p.visitante)))
                    return true;
            return false;
        case kLiga: return true;
        case kCopaNacional:
            return algumhumano([&](int t) {
                if (!m.times[static_cast<size_t>(t)].nacopa) return false;
                return e.fasecopa >= 2 || procurajogo(m, ligadoclube(m, t), kCopaNacional, 1) >= 0;
            });
        case kEstadual:
            return algumhumano([&](int t) {
                const TTime& c = m.times[static_cast<size_t>(t)];
                return c.noestadual && c.estado >= 0 && c.estado < static_cast<int>(m.estaduais.size()) &&
                       m.estaduais[static_cast<size_t>(c.estado)].temestadual;
            });
        case kContinental1: return algumhumano([&](int t) { return m.times[static_cast<size_t>(t)].nalib != 0; });
        case kContinental2: return algumhumano([&](int t) { return m.times[static_cast<size_t>(t)].nasul != 0; });
        case kCopaMundo:
        case kCopaAmerica:
        case kEurocopa:
            for (int k = 0; k < e.numtecnicoshumanos && k < kMaxHumanos; ++k)
                if (selecaojogahoje(m, e.selecaohumana[k])) return true;
            return false;
        default: return false;
    }
}

std::string nomecompeticao(const Mundo& m, int competicao, int liga) {
    const int pais = liga >= 0 && liga < static_cast<int>(m.ligas.size()) ? m.ligas[static_cast<size_t>(liga)].pais : -1;
    switch (competicao) {
        case kAmistoso: return "Amistoso";
        case kLiga: return nomeliga(pais);
        case kCopaNacional: return "Copa " + frasecopa(pais);
        case kEstadual: return "Camp. " + std::string(adjetivoestado(liga));
        case kContinental1: return liga == 1 ? "Libertadores" : "Liga Campeões";
        case kMundialClubes: return "Mundial Interclubes";
        case kContinental2: return liga == 1 ? "Sul-Americana" : "Copa UEFA";
        case kCopaMundo: return "Copa do Mundo";
        case kCopaAmerica: return "Copa América";
        case kEurocopa: return "Eurocopa";
        default: return "";
    }
}

std::string competicaodehoje(const Mundo& m, int time) {
    const int k = time >= 0 ? proximojogo(m, time, datahoje(m)) : -1;
    if (k < 0) return m.estado.nomeliga.utf8();
    const TPartida& p = m.partidas[static_cast<size_t>(k)];
    if (p.competicao == kEstadual) return "Campeonato " + std::string(adjetivoestado(p.liga));
    return nomecompeticao(m, p.competicao, p.liga);
}

}  // namespace tarvello
