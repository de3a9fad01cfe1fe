#include "competitions/temporada.h"

#include <algorithm>

#include "club/dinheiroanual.h"
#include "club/estadio.h"
#include "competitions/calendario.h"
#include "competitions/continentais.h"
#include "competitions/copas.h"
#include "competitions/estaduais.h"
#include "competitions/jogosdatemporada.h"
#include "competitions/liga.h"
#include "competitions/sorteiatimes.h"
#include "competitions/sorteiotorneio.h"
#include "competitions/torneio.h"
#include "match/relatorios.h"
#include "match/simulacao.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/carreira.h"
#include "season/viraano.h"

namespace tarvello {

namespace {

void zeracontadores(TTime& t) {
    for (int c = 0; c < kNumCompeticoes; ++c)
        t.pontos[c] = t.jogos[c] = t.vitorias[c] = t.derrotas[c] = t.golspro[c] = t.golscontra[c] =
            t.colocacoes[c] = 0;
}

}  // namespace

int viratemporada(Mundo& m) {
    TEstadoJogo& e = m.estado;
    const int encerrada = e.temporada;

    // Last season's tournament copies go before the yearly update looks at anyone.
    removecopiastorneio(m);
    abreano(m);
    // The continental qualifiers come from the final tables, read before promotion reorders them.
    TClassificados classificados;
    if (e.ckinter) classificados = montaclassificados(m);
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) promoverebaixa(m, l);
    e.rodadaliga = 1;
    e.turnoliga = 1;

    // The season's matches, reports and the match day's leftovers go.
    zerarelatorios(m);
    encerradia(m);
    m.controledia = TControleDia{};
    m.partidas.clear();

    zeratemporadajogadores(m);
    atualizaclubes(m);
    if (e.ckinter)
        for (TJogoChave& j : m.chavesmundial) j.clube1 = j.clube2 = j.vencedor = -1;
    if (e.ckestadual) {
        renovaestaduais(m);
        e.faseestadual = 1;
        e.turnoestadual = 1;
        for (TTime& t : m.times) t.colocacoes[kEstadual] = 0;
    }
    e.fasecopa = 1;
    e.jogocopa = 1;
    e.marcacopa = 1;
    for (TTime& t : m.times) t.nacopa = 0;
    for (TTime& t : m.times) zeracontadores(t);
    m.ligaencerrada = false;
    m.ligapremiada = false;

    envelhecejogadores(m);
    atualizaclubes(m);

    e.temporada += 1;
    for (TTecnico& t : m.tecnicos) t.convidadoselecao = 0;
    // The year's national-team tournament is drawn before its dates are stamped: a draw that
    // cannot be made switches the tournament off.
    sorteiatorneiodatemporada(m);
    m.campeoesestaduais.resize(static_cast<size_t>(e.temporada) + 1, TCampeoesEstaduais{});

    montacalendario(m);
    montajogosdatemporada(m);
    if (e.ckcopa)
        for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) sorteiacopanacional(m, l);
    if (e.ckinter) sorteiacontinentais(m, classificados);

    novatemporadahistoricos(m);
    dinheironovatemporada(m);
    return encerrada;
}

TInicioTemporada iniciatemporada(Mundo& m, const std::function<void(Mundo&)>& pretemporada) {
    TEstadoJogo& e = m.estado;
    TInicioTemporada r;
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t)
        if (m.times[static_cast<size_t>(t)].humano && m.times[static_cast<size_t>(t)].divisao == 0)
            r.demitidos.push_back(t);
    // Their coaches lose them (the dismissal letters are in `mudancastecnicos`).
    demiteforadasdivisoes(m);

    e.dataatual = 1;
    m.amistosos.clear();
    m.diajogo.eventos.clear();
    m.turnoaberto.fill(0);
    if (pretemporada) pretemporada(m);
    proximadata(m);
    // A national-cup date on which no league has a tie is passed over, as on the first season.
    pulacopasemjogos(m);
    concluiobras(m);
    sorteiaarbitros(m);
    return r;
}

void proximatemporada(Mundo& m) {
    viratemporada(m);
    iniciatemporada(m);
}

}  // namespace tarvello
