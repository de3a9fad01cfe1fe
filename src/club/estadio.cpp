#include "club/estadio.h"

#include <algorithm>

#include "club/financas.h"
#include "model/aleatorio.h"
#include "model/hoje.h"
#include "model/mundo.h"

namespace tarvello {

namespace {

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

}  // namespace

int limitesetor(int temporada, int setor) {
    static constexpr int kLimites[6][4] = {
        {20000, 100000, 10000, 500}, {22000, 125000, 12000, 500}, {25000, 135000, 13000, 600},
        {30000, 150000, 15000, 700}, {35000, 160000, 17000, 800}, {40000, 180000, 20000, 1000},
    };
    if (setor < 0 || setor > 3) return 0;
    const int faixa = temporada <= 1 ? 0 : temporada <= 5 ? 1 : temporada <= 9 ? 2 : temporada <= 19 ? 3
                    : temporada <= 99 ? 4 : 5;
    return kLimites[faixa][setor];
}

int precoassento(int setor, int capacidade) {
    switch (setor) {
        case 0:
            if (capacidade <= 9999) return 50;
            if (capacidade <= 14999) return 75;
            if (capacidade <= 19999) return 100;
            if (capacidade <= 29999) return 200;
            return 300;  // from season 10 the general area may pass 30 000: seats never come free
        case 1:
            if (capacidade <= 9999) return 80;
            if (capacidade <= 19999) return 85;
            if (capacidade <= 39999) return 100;
            if (capacidade <= 59999) return 150;
            if (capacidade <= 79999) return 250;
            return 300;
        case 2:
            if (capacidade <= 9999) return 150;
            if (capacidade <= 14999) return 200;
            if (capacidade <= 19999) return 250;
            return 300;
        case 3:
            if (capacidade <= 99) return 800;
            if (capacidade <= 199) return 1200;
            if (capacidade <= 399) return 1500;
            return 2000;
        default: return 0;
    }
}

int32_t mudapreco(Mundo& m, int time, int setor, int delta) {
    if (!clubevalido(m, time) || setor < 0 || setor > 3) return 0;
    int32_t& p = m.times[static_cast<size_t>(time)].precoingresso[setor];
    p = static_cast<int32_t>(std::clamp<int64_t>(int64_t{p} + delta, 0, kPrecoMaximoIngresso));
    return p;
}

TOrcamento orcamento(const Mundo& m, int time, std::array<int, 4> acrescimo) {
    TOrcamento o;
    if (!clubevalido(m, time)) return o;
    const TTime& t = m.times[static_cast<size_t>(time)];
    for (int& a : acrescimo) a = std::max(a, 0);
    for (int s = 0; s < 4; ++s)
        if (int64_t{limitesetor(m.estado.temporada, s)} - t.capacidade[s] < acrescimo[static_cast<size_t>(s)]) {
            o.semtecnologia = true;
            return o;
        }
    int64_t total = 0;
    for (int a : acrescimo) total += a;
    if (total == 0) return o;
    o.vazio = false;
    o.acrescimo = acrescimo;
    o.custo = kCustoProjetoObra;
    for (int s = 0; s < 4; ++s) {
        const int a = acrescimo[static_cast<size_t>(s)];
        if (a > 0) o.custo += int64_t{a} * precoassento(s, t.capacidade[s] + a);
    }
    const int64_t duracao = total <= 1000 ? 1 : arredonda(static_cast<double>(total) / 1000.0);
    o.datafim = datahoje(m) + 3 + static_cast<double>(duracao);
    return o;
}

ResultadoObra iniciaobra(Mundo& m, int time, const TOrcamento& o) {
    if (!clubevalido(m, time) || o.semtecnologia || o.vazio || obraemandamento(m, time) >= 0)
        return ResultadoObra::Invalida;
    if (m.times[static_cast<size_t>(time)].dinheiro < o.custo) return ResultadoObra::SemDinheiro;
    TObra w{};
    w.time = time;
    w.datafim = o.datafim;
    for (int s = 0; s < 4; ++s) w.acrescimo[s] = o.acrescimo[static_cast<size_t>(s)];
    w.emandamento = 1;
    m.obras.push_back(w);
    debitafinancas(m, time, &TFinancas::obrasestadio, o.custo);
    return ResultadoObra::Iniciada;
}

int obraemandamento(const Mundo& m, int time) {
    for (size_t i = 0; i < m.obras.size(); ++i)
        if (m.obras[i].time == time && m.obras[i].emandamento) return static_cast<int>(i);
    return -1;
}

bool concluiobra(Mundo& m, int time) {
    if (!clubevalido(m, time)) return false;
    const double hoje = datahoje(m);
    for (TObra& w : m.obras) {
        if (w.time != time || !w.emandamento || w.datafim > hoje) continue;
        TTime& t = m.times[static_cast<size_t>(time)];
        for (int s = 0; s < 4; ++s)
            t.capacidade[s] = static_cast<int32_t>(std::min<int64_t>(int64_t{t.capacidade[s]} + std::max(0, w.acrescimo[s]), INT32_MAX));
        w.emandamento = 0;
        return true;
    }
    return false;
}

void concluiobras(Mundo& m) {
    const double hoje = datahoje(m);
    for (size_t i = 0; i < m.obras.size(); ++i) {
        const TObra& w = m.obras[i];
        if (w.emandamento && w.datafim <= hoje) concluiobra(m, w.time);
    }
}

}  // namespace tarvello
