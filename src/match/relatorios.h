#pragma once
// The permanent report of every finished match of the season, from which the results screen
// and the report viewer are drawn.
#include <vector>

#include "model/tabelas.h"

namespace tarvello {

struct Mundo;
struct TEventoPartida;

// Round number a report keeps for the match being played now (league rounds of the second half
// follow those of the first, and so on); 0 for friendlies.
int rodadarelatorio(const Mundo& m, int tipo);

// After the last slot of a screen: one report per slot, in slot order, with the slot's events
// copied to the reports' events. The table always keeps one zeroed entry past the last report.
void arquivarelatorios(Mundo& m);

// Empties the reports of the season (the table keeps its spare zeroed entry).
void zerarelatorios(Mundo& m);

// The report of the match between these clubs on that date; -1 when none is stored.
int procurarelatorio(const Mundo& m, int mandante, int visitante, double data);
// The report of a match-list entry (by its clubs and date); -1 when none.
int relatoriodapartida(const Mundo& m, int partida);

// Reports of the season in which the player was in an eleven or was taken off, oldest first.
std::vector<int> relatoriosdojogador(const Mundo& m, int jogador);
// The player's rating in report `r`; -1 when he is not in it.
float notanorelatorio(const TRelatorioPartida& r, int jogador);

// Stored events of report `r`, in the order they happened.
std::vector<TEventoPartida> eventosdorelatorio(const Mundo& m, int r);

// Players taken off by one side of a report (1 home, 2 away): up to five, in order.
struct TSaidaRelatorio {
    int jogador;
    float nota;
};
std::vector<TSaidaRelatorio> saidasdorelatorio(const TRelatorioPartida& r, int lado);

}  // namespace tarvello
