#include "club/amistosos.h"

#include <algorithm>

#include "club/financas.h"
#include "competitions/partidas.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

int numclubes(const Mundo& m) {
    const int n = m.estado.numclubesliga + m.estado.numclubesextras;
    const int total = static_cast<int>(m.times.size());
    return n > 0 ? std::min(n, total) : total;
}

}  // namespace

TDatasAmistoso datasamistoso(const Mundo& m, int time, bool pretemporada) {
    TDatasAmistoso r;
    r.limite = m.calendario[kNumDatas - 1].data;
    if (pretemporada)
        for (const TDiaCalendario& c : m.calendario)
            if (c.competicao == kLiga || c.competicao == kEstadual) {
                r.limite = c.data;
                r.competicaolimite = c.competicao;
                break;
            }
    const double hoje = datahoje(m);
    for (int d = 1; d <= kNumDatas; ++d) {
        const TDiaCalendario& c = m.calendario[static_cast<size_t>(d - 1)];
        if (c.competicao != kAmistoso || c.data <= hoje || c.data > r.limite) continue;
        if (temamistosonadata(m, time, c.data)) continue;
        r.datas.push_back(d);
    }
    return r;
}

std::vector<int> adversariosamistoso(const Mundo& m, int time) {
    std::vector<int> r;
    for (int t = 0; t < numclubes(m); ++t)
        if (t != time) r.push_back(t);
    std::stable_sort(r.begin(), r.end(), [&](int a, int b) {
        return m.times[static_cast<size_t>(a)].nome.utf8() < m.times[static_cast<size_t>(b)].nome.utf8();
    });
    return r;
}

int32_t cotaamistoso(const Mundo& m, int time, int adversario, bool emcasa) {
    if (!clubevalido(m, time) || !clubevalido(m, adversario)) return 0;
    const TTime& a = m.times[static_cast<size_t>(adversario)];
    if (a.pais == m.times[static_cast<size_t>(time)].pais) {
        static constexpr int32_t kDivisao[5][2] = {
            {20000, 10000}, {300000, 100000}, {180000, 80000}, {80000, 50000}, {50000, 30000}};
        if (a.divisao < 0 || a.divisao > 4) return 0;
        return kDivisao[a.divisao][emcasa ? 0 : 1];
    }
    static constexpr int32_t kNivel[4][2] = {{70000, 30000}, {200000, 60000}, {400000, 150000}, {600000, 350000}};
    if (a.nivel < 1 || a.nivel > 25) return 0;
    const int faixa = a.nivel <= 10 ? 0 : a.nivel <= 15 ? 1 : a.nivel <= 20 ? 2 : 3;
    return kNivel[faixa][emcasa ? 0 : 1];
}

bool temamistosonadata(const Mundo& m, int time, double data) {
    return std::any_of(m.amistosos.begin(), m.amistosos.end(), [&](const TAmistoso& a) {
        return !a.jogado && a.data == data && (a.mandante == time || a.visitante == time);
    });
}

TPropostaAmistoso propoeamistoso(const Mundo& m, int time, int adversario, int data, bool emcasa) {
    TPropostaAmistoso p;
    if (!clubevalido(m, time) || !clubevalido(m, adversario) || time == adversario || data < 1 || data > kNumDatas)
        return p;
    const TDiaCalendario& c = m.calendario[static_cast<size_t>(data - 1)];
    if (c.competicao != kAmistoso || c.data <= datahoje(m) || temamistosonadata(m, time, c.data)) return p;
    if (temamistosonadata(m, adversario, c.data)) {
        p.situacao = SituacaoAmistoso::AdversarioOcupado;
        return p;
    }
    p.doishumanos = m.times[static_cast<size_t>(adversario)].humano != 0;
    p.cota = p.doishumanos ? 0 : cotaamistoso(m, time, adversario, emcasa);
    p.situacao = m.times[static_cast<size_t>(time)].dinheiro < p.cota ? SituacaoAmistoso::SemDinheiro
                                                                       : SituacaoAmistoso::Possivel;
    return p;
}

SituacaoAmistoso marcaamistoso(Mundo& m, int time, int adversario, int data, bool emcasa) {
    const TPropostaAmistoso p = propoeamistoso(m, time, adversario, data, emcasa);
    if (p.situacao != SituacaoAmistoso::Possivel) return p.situacao;
    // The fee is money spent like any other: the finance columns keep adding up.
    if (p.cota > 0) debitafinancas(m, time, &TFinancas::diversos, p.cota);
    TAmistoso a{};
    a.mandante = emcasa ? time : adversario;
    a.visitante = emcasa ? adversario : time;
    a.data = m.calendario[static_cast<size_t>(data - 1)].data;
    m.amistosos.push_back(a);
    adicionajogo(m, a.mandante, a.visitante, -1, a.data, -1, -1, -1, kAmistoso);
    return SituacaoAmistoso::Possivel;
}

void cancelaamistosos(Mundo& m, int time) {
    for (TAmistoso& a : m.amistosos) {
        if (a.jogado || (a.mandante != time && a.visitante != time)) continue;
        // Its match stays in the season's list without clubs, so nobody plays it.
        for (TPartida& p : m.partidas)
            if (p.competicao == kAmistoso && !p.jogado && p.data == a.data && p.mandante == a.mandante &&
                p.visitante == a.visitante) {
                p.mandante = p.visitante = -1;
                break;
            }
        a.jogado = 1;
        a.mandante = a.visitante = -1;
    }
}

void marcaamistososdehoje(Mundo& m) {
    const double hoje = datahoje(m);
    for (TAmistoso& a : m.amistosos)
        if (!a.jogado && a.data == hoje) a.jogado = 1;
}

}  // namespace tarvello
