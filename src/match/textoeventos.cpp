#include "match/textoeventos.h"

#include <algorithm>

#include "competitions/calendario.h"
#include "competitions/mundial.h"
#include "model/mundo.h"

namespace tarvello {

namespace {

std::string nomejogador(const Mundo& m, int j) {
    return j > 0 && j < static_cast<int>(m.jogadores.size()) ? m.jogadores[static_cast<size_t>(j)].nome.utf8()
                                                            : std::string();
}

// " 23' - 1º" from a stored minute (above 45: the second half).
std::string minutometade(int minuto) {
    const bool segundo = minuto >= 46;
    return " " + std::to_string(segundo ? minuto - 45 : minuto) + "' - " + (segundo ? "2º" : "1º");
}

bool egol(int tipo) { return tipo == kEvGol || tipo == kEvGolContra || tipo == kEvGolPenalti || tipo == kEvGolFalta; }

}  // namespace

std::vector<TLinhaEvento> linhaseventos(const Mundo& m, int jogo) {
    if (jogo < 1 || jogo > static_cast<int>(m.diajogo.jogos.size())) return {};
    std::vector<TEventoPartida> eventos;
    for (const TEventoPartida& e : m.diajogo.eventos)
        if (e.partida == jogo) eventos.push_back(e);
    return linhaseventos(m, eventos, m.diajogo.jogos[static_cast<size_t>(jogo - 1)].mandante);
}

std::vector<TLinhaEvento> linhaseventos(const Mundo& m, const std::vector<TEventoPartida>& eventos, int mandante) {
    std::vector<TLinhaEvento> r;
    int gm = 0, gv = 0;
    for (const TEventoPartida& e : eventos) {
        if (egol(e.tipo)) {
            (e.time == mandante ? gm : gv) += 1;
            std::string l = std::to_string(gm) + "x" + std::to_string(gv) + " - " + nomejogador(m, e.jogador) + " -" +
                            minutometade(e.minuto);
            if (e.tipo == kEvGolPenalti) l += " (de penalti)";
            if (e.tipo == kEvGolFalta) l += " (de falta)";
            r.push_back({l, e.tipo});
        } else if (e.tipo == kEvSubstituicao) {
            r.push_back({"(" + nomejogador(m, e.jogador) + ") " + nomejogador(m, e.extra) + minutometade(e.minuto),
                         e.tipo});
        } else {
            r.push_back({nomejogador(m, e.jogador) + minutometade(e.minuto), e.tipo});
        }
    }
    return r;
}

std::string ultimoevento(const Mundo& m, int jogo) {
    for (auto it = m.diajogo.eventos.rbegin(); it != m.diajogo.eventos.rend(); ++it) {
        if (it->partida != jogo) continue;
        const TEventoPartida& e = *it;
        const int minuto = e.minuto >= 46 ? e.minuto - 45 : e.minuto;
        const std::string base = nomejogador(m, e.jogador) + " " + std::to_string(minuto);
        switch (e.tipo) {
            // A penalty goal is marked with a grave accent instead of the apostrophe.
            case kEvGolPenalti: return base + "`";
            case kEvGolContra: return base + "' (contra)";
            case kEvGolFalta: return base + "'(de falta)";
            case kEvAmarelo: return base + "' - " + (e.minuto >= 46 ? "2º" : "1º");
            case kEvSubstituicao:
                return "(" + nomejogador(m, e.jogador) + ") " + nomejogador(m, e.extra) + minutometade(e.minuto);
            default: return base + "'";
        }
    }
    return {};
}

std::string rotulominuto(const Mundo& m) {
    const TDiaJogo& d = m.diajogo;
    if (d.minuto == 0) return d.tempo == 1 ? "1º tempo" : "2º tempo";
    if (d.minuto > 45) return "acréscimos";
    return std::to_string(d.minuto) + "'";
}

std::string titulogrupo(const Mundo& m, int tipo, int grupo) {
    const TEstadoJogo& e = m.estado;
    std::string t = nomecompeticao(m, tipo, grupo);
    switch (tipo) {
        case kLiga:
            return t + " - " + std::to_string(e.turnoliga) + "º turno - " + std::to_string(e.rodadaliga) + "ª rodada";
        case kCopaNacional: {
            static const char* fases[] = {"1ª fase", "Oitavas de final", "Quartas de final", "Semi-final", "Final"};
            const int f = e.fasecopa >= 1 && e.fasecopa <= 5 ? e.fasecopa : 1;
            return t + " - " + fases[f - 1] + " - " + std::to_string(e.jogocopa) + "º jogo";
        }
        case kEstadual:
            if (e.faseestadual >= 6) return t + " - Final - " + std::to_string(e.faseestadual - 5) + "º jogo";
            return t + " - " + std::to_string(e.turnoestadual) + "º turno - " + std::to_string(e.faseestadual) +
                   "ª rodada";
        case kContinental1:
        case kContinental2: {
            const bool copa1 = tipo == kContinental1;
            const int fase = copa1 ? e.faselib : e.fasesul;
            if (fase < 4)
                return t + " - " + std::to_string(copa1 ? e.turnolib : e.turnosul) + "º turno - " +
                       std::to_string(fase) + "ª rodada";
            static const char* fases[] = {"Oitavas de final", "Quartas de final", "Semi-final", "Final"};
            return t + " - " + fases[std::min(fase, 7) - 4] + " - " + std::to_string(copa1 ? e.jogolib : e.jogosul) +
                   "º jogo";
        }
        case kMundialClubes: return t + " - " + fasemundialnome(e.fasemundial);
        default: return t;
    }
}

}  // namespace tarvello
