#include "match/relatorios.h"

#include <algorithm>

#include "competitions/liga.h"
#include "match/escalacao.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

// Reports written this season that the table really holds.
int numrelatorios(const Mundo& m) {
    return std::clamp(m.estado.numrelatorios, 0, static_cast<int>(m.relatorios.size()));
}

// Group of the screen a report belongs to: the state (kind 3), the league or confederation
// (kinds 1, 2, 4, 6), else 0.
int gruporelatorio(const Mundo& m, int tipo) {
    const TControleDia& c = m.controledia;
    if (tipo != kLiga && tipo != kCopaNacional && tipo != kEstadual && tipo != kContinental1 &&
        tipo != kContinental2)
        return 0;
    if (c.grupo < 0 || c.grupo >= static_cast<int>(c.grupos.size())) return 0;
    return c.grupos[static_cast<size_t>(c.grupo)];
}

void preencheonze(const Mundo& m, int time, int32_t* onze, TNotaRelatorio* notas) {
    const TEscalacao* r = linhade(m, time);
    for (int s = 1; s <= 11; ++s) {
        const int j = r ? (*r)[s] : 0;
        onze[s - 1] = j;
        notas[s - 1] = TNotaRelatorio{};
        if (j > 0 && j < static_cast<int>(m.jogadores.size()))
            notas[s - 1].nota = m.jogadores[static_cast<size_t>(j)].nota;
    }
}

}  // namespace

int rodadarelatorio(const Mundo& m, int tipo) {
    const TEstadoJogo& e = m.estado;
    switch (tipo) {
        case kLiga: return e.rodadaliga + (e.turnoliga == 2 ? rodadasporturno(m) - 1 : 0);
        case kCopaNacional: return 1;
        case kEstadual: return e.faseestadual + (e.turnoestadual == 2 ? 5 : 0);
        case kContinental1: return e.faselib + (e.turnolib == 2 ? 3 : 0);
        case kMundialClubes: return 1;
        case kContinental2: return e.fasesul + (e.turnosul == 2 ? 3 : 0);
        case kCopaMundo:
        case kCopaAmerica:
        case kEurocopa: return e.fasetorneio;
        default: return 0;
    }
}

void arquivarelatorios(Mundo& m) {
    const int tipo = m.controledia.tipo >= 0 ? m.controledia.tipo : m.estado.competicaoatual;
    const int rodada = rodadarelatorio(m, tipo);
    const int grupo = gruporelatorio(m, tipo);
    const double data = hojedodia(m);
    for (size_t slot = 1; slot <= m.diajogo.jogos.size(); ++slot) {
        const TJogos& g = m.diajogo.jogos[slot - 1];
        int& n = m.estado.numrelatorios;
        n = std::max(n, 0);
        // The report's entry and the spare zeroed one past it.
        if (m.relatorios.size() < static_cast<size_t>(n) + 2) m.relatorios.resize(static_cast<size_t>(n) + 2);
        for (TEventoPartida e : m.diajogo.eventos)
            if (e.partida == static_cast<int>(slot)) {
                e.partida = n;
                m.eventosrelatorios.push_back(e);
            }

        TRelatorioPartida& r = m.relatorios[static_cast<size_t>(n)];
        r = TRelatorioPartida{};
        r.mandante = g.mandante;
        r.visitante = g.visitante;
        r.golsmandante = g.gols[0];
        r.golsvisitante = g.gols[1];
        r.renda = g.renda;
        r.publico = g.publico;
        for (int s = 0; s < 4; ++s) r.publicosetor[s] = g.publicosetor[s];
        r.substituicoes[0] = g.nsubstituidos[0];
        r.substituicoes[1] = g.nsubstituidos[1];
        r.competicao = tipo;
        r.rodada = rodada;
        r.turno = m.estado.turnoliga;
        r.grupo = grupo;
        r.data = data;
        r.decididopenaltis = g.decididopenaltis;
        r.penaltismandante = g.penaltis[0];
        r.penaltisvisitante = g.penaltis[1];
        preencheonze(m, g.mandante, r.onzemandante, r.notasmandante);
        preencheonze(m, g.visitante, r.onzevisitante, r.notasvisitante);
        for (int lado = 0; lado < 2; ++lado) {
            int32_t* saidas = lado == 0 ? r.saidasmandante : r.saidasvisitante;
            float* notas = lado == 0 ? r.notassaidasmandante : r.notassaidasvisitante;
            for (int k = 0; k < g.nsubstituidos[lado] && k < kMaxSaidasLista; ++k) {
                const int j = g.substituidos[lado][k].jogador;
                saidas[k] = j;
                notas[k] = j > 0 && j < static_cast<int>(m.jogadores.size()) ? m.jogadores[static_cast<size_t>(j)].nota : 0;
            }
        }
        for (int lado = 0; lado < 2; ++lado) {
            int32_t* e = lado == 0 ? r.estatisticasmandante : r.estatisticasvisitante;
            e[0] = g.posse[lado];
            e[1] = g.roubadasbola[lado];
            e[2] = g.finalizacoes[lado];
            e[3] = g.passeserrados[lado];
            e[4] = g.faltas[lado];
            e[5] = g.ataques[lado];
            const TTime& t = m.times[static_cast<size_t>(g.time(lado + 1))];
            r.estilo[lado] = t.estilo;
            r.concentraataques[lado] = t.concentraataques;
            r.marcacao[lado] = t.marcacao;
        }
        ++n;
    }
}

void zerarelatorios(Mundo& m) {
    m.estado.numrelatorios = 0;
    m.relatorios.assign(1, TRelatorioPartida{});
    m.eventosrelatorios.clear();
}

int procurarelatorio(const Mundo& m, int mandante, int visitante, double data) {
    const int n = numrelatorios(m);
    for (int i = 0; i < n; ++i) {
        const TRelatorioPartida& r = m.relatorios[static_cast<size_t>(i)];
        if (r.mandante == mandante && r.visitante == visitante && r.data == data) return i;
    }
    return -1;
}

int relatoriodapartida(const Mundo& m, int partida) {
    if (partida < 0 || partida >= static_cast<int>(m.partidas.size())) return -1;
    const TPartida& p = m.partidas[static_cast<size_t>(partida)];
    if (!p.jogado) return -1;
    return procurarelatorio(m, p.mandante, p.visitante, p.data);
}

float notanorelatorio(const TRelatorioPartida& r, int jogador) {
    if (jogador <= 0) return -1;
    for (int s = 0; s < 11; ++s) {
        if (r.onzemandante[s] == jogador) return r.notasmandante[s].nota;
        if (r.onzevisitante[s] == jogador) return r.notasvisitante[s].nota;
    }
    for (int lado = 1; lado <= 2; ++lado)
        for (const TSaidaRelatorio& x : saidasdorelatorio(r, lado))
            if (x.jogador == jogador) return x.nota;
    return -1;
}

std::vector<int> relatoriosdojogador(const Mundo& m, int jogador) {
    std::vector<int> v;
    for (int i = 0; i < numrelatorios(m); ++i)
        if (notanorelatorio(m.relatorios[static_cast<size_t>(i)], jogador) >= 0) v.push_back(i);
    return v;
}

std::vector<TEventoPartida> eventosdorelatorio(const Mundo& m, int r) {
    std::vector<TEventoPartida> v;
    for (const TEventoPartida& e : m.eventosrelatorios)
        if (e.partida == r) v.push_back(e);
    return v;
}

std::vector<TSaidaRelatorio> saidasdorelatorio(const TRelatorioPartida& r, int lado) {
    std::vector<TSaidaRelatorio> v;
    const int n = std::clamp(r.substituicoes[lado == 1 ? 0 : 1], 0, kMaxSaidasLista);
    for (int k = 0; k < n; ++k) {
        const int j = lado == 1 ? r.saidasmandante[k] : r.saidasvisitante[k];
        const float nota = lado == 1 ? r.notassaidasmandante[k] : r.notassaidasvisitante[k];
        if (j > 0) v.push_back({j, nota});
    }
    return v;
}

}  // namespace tarvello
