#include "match/sons.h"

#include "model/mundo.h"

namespace tarvello {

std::string_view aliassom(Som s) {
    switch (s) {
        case Som::Gol: return "gol";
        case Som::Penalti: return "penalty";
        case Som::Contusao: return "contusao";
        case Som::FimJogo: return "fimjogo";
    }
    return {};
}

std::string_view arquivosom(Som s) {
    switch (s) {
        case Som::Gol: return "sons/gol1.wav";
        case Som::Penalti: return "sons/penalty.wav";
        case Som::Contusao: return "sons/contusao.wav";
        case Som::FimJogo: return "sons/fimjogo.wav";
    }
    return {};
}

bool somligado(const Mundo& m) { return m.estado.som != 0 && !m.diajogo.instantaneo; }

std::vector<Som> sonsdoseventos(const Mundo& m, size_t desde) {
    std::vector<Som> r;
    if (!somligado(m)) return r;
    const auto& eventos = m.diajogo.eventos;
    for (size_t i = desde; i < eventos.size(); ++i) {
        const TEventoPartida& e = eventos[i];
        if (e.time < 0 || e.time >= static_cast<int>(m.times.size()) || !m.times[static_cast<size_t>(e.time)].humano)
            continue;
        // An own goal is logged under the club it counts for.
        if (e.tipo == kEvGol || e.tipo == kEvGolContra || e.tipo == kEvGolFalta || e.tipo == kEvGolPenalti)
            r.push_back(Som::Gol);
        else if (e.tipo == kEvContusao) r.push_back(Som::Contusao);
    }
    return r;
}

}  // namespace tarvello
