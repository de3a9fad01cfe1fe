#pragma once
// The start of a human coach's turn on a match day, when his main screen opens.
#include "club/transferencias.h"
#include "season/convitesselecao.h"

namespace tarvello {

struct Mundo;

struct TEventosTurno {
    bool novodia = false;  // the turn had not been opened yet today (morale and events ran)
    TProposta proposta;    // a computer club's offer for one of the coach's players
    int vendidos = 0;      // listed players computer clubs bought today
    int falecido = 0;      // a player of the club who died today, 0 none
    int ofertaemprego = -1;  // a club inviting the coach to be its coach, -1 none
    TConviteSelecao convite;  // an invitation to coach a national team in the season's tournament
};

// A job offer for the coach, the daily morale of his squad, then the day's events (an unsolicited offer the coach
// answers on his screen, computer clubs buying his listed players, a death on league days),
// then the contracts of the squad as when it is shown (automatic renewal, end warnings). Runs once
// per coach (slot 0..5 of `timedotecnico`) and match day: opening the screen again the same day
// changes nothing.
TEventosTurno abreturno(Mundo& m, int tecnico);

// A game loaded from a save made on the main screen of the current coach: his turn of today
// had opened before the save, so opening his screen again does not repeat the day's morale.
void retomaturno(Mundo& m);

}  // namespace tarvello
