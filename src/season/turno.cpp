#include "season/turno.h"

#include "club/contratos.h"
#include "model/mundo.h"
#include "season/carreira.h"
#include "season/semana.h"

namespace tarvello {

namespace {

// Seasons have fewer than 1000 dates, so this names the match day uniquely.
int diadoturno(const Mundo& m) { return m.estado.temporada * 1000 + m.estado.dataatual; }

}  // namespace

void retomaturno(Mundo& m) {
    for (int k = 0; k < kMaxHumanos; ++k)
        if (m.estado.timedotecnico[k] >= 0 && m.estado.timedotecnico[k] == m.estado.timeatual)
            m.turnoaberto[static_cast<size_t>(k)] = diadoturno(m);
}

TEventosTurno abreturno(Mundo& m, int tecnico) {
    TEventosTurno r;
    if (tecnico < 0 || tecnico >= kMaxHumanos) return r;
    const int time = m.estado.timedotecnico[tecnico];
    if (time < 0 || time >= static_cast<int>(m.times.size()) || !m.times[static_cast<size_t>(time)].humano)
        return r;
    const int dia = diadoturno(m);
    if (m.turnoaberto[static_cast<size_t>(tecnico)] == dia) {
        // A national-team invitation stands until it is taken, also on a screen opened again.
        r.convite = conviteselecao(m, tecnico);
        return r;
    }
    m.turnoaberto[static_cast<size_t>(tecnico)] = dia;
    r.novodia = true;
    r.ofertaemprego = ofertaempregado(m, m.times[static_cast<size_t>(time)].tecnico);
    atualizamoral(m, time);
    r.proposta = sorteiaproposta(m, time);
    r.vendidos = vendelistados(m, time);
    r.falecido = verificafalecimento(m, time);
    // Then the squad is shown: contracts are renewed or flagged (the screen checks them again
    // each time it shows the squad; nothing happens twice).
    verificacontratos(m, time);
    r.convite = convitesdoturno(m, tecnico);
    return r;
}

}  // namespace tarvello
