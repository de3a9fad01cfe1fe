#pragma once
// Everything a game holds. Rule functions take the world by reference; there is no global state,
// so tests build small worlds and two worlds never interfere.
#include <array>
#include <vector>

#include "model/aleatorio.h"
#include "model/carreira.h"
#include "model/diajogo.h"
#include "model/estado.h"
#include "model/mensagem.h"
#include "model/partida.h"
#include "model/registros.h"
#include "model/selecao.h"
#include "model/tabelas.h"

namespace tarvello {

struct Mundo {
    // Entry 0 of the players is a placeholder that belongs to no club.
    std::vector<TJogador> jogadores;
    std::vector<TTime> times;
    std::vector<TTecnico> tecnicos;
    std::vector<TSelecao> selecoes;  // one per national-team file, in listing order

    TEstadoJogo estado{};
    std::vector<TLiga> ligas;  // one per played country, in set-up order
    std::array<TEstadual, 27> estaduais{};
    std::vector<TFinancas> financas;  // same index as the club
    // Player histories are numbered from 1 (a player's `historico` 0 = none): entry 0 is unused.
    std::vector<THistoricoJogador> historicos;
    TPrecosPadrao precospadrao{};

    std::vector<TConfronto> confrontos;
    std::vector<TConvocacao> convocacoes;
    std::vector<THistoricoColocado> historicocolocados;
    std::vector<THistoricoTecnico> historicotecnicos;
    std::vector<THistoricoArtilheiro> historicoartilheiros;
    std::vector<TResultadoClube> resultadosclubes;
    std::vector<TMensagem> mensagens;  // every inbox, in posting order

    std::vector<TTransferencia> transferencias;  // every completed transfer, oldest first
    std::vector<TEmprestimo> emprestimos;        // every loan ever made
    std::vector<TObra> obras;                    // every stadium expansion ever started
    std::vector<TAmistoso> amistosos;            // friendlies booked this season
    // Reports of this season's finished matches, with one spare zeroed entry at the end.
    std::vector<TRelatorioPartida> relatorios;
    // Events of the reported matches, their sixth field holding the report's index.
    std::vector<TEventoPartida> eventosrelatorios;
    std::array<TJogoChave, 16> chavestorneio{};  // national-team tournament knock-out ties
    std::array<TJogoChave, 6> chavesmundial{};   // club world cup ties
    std::vector<TContratacaoTecnico> contratacoestecnicos;
    // Coach changes not yet shown and job offers not yet answered (see model/carreira.h).
    std::vector<TMudancaTecnico> mudancastecnicos;
    std::vector<TOfertaTecnico> ofertastecnicos;

    TDiaJogo diajogo;  // line-ups, live matches and events of the current match day
    TControleDia controledia;
    // League shown on league and cup days when no league has a human club or is marked to be
    // shown; -1 none. Set when a human coach loses his job; not saved.
    int ligareserva = -1;
    std::vector<TCampeoesEstaduais> campeoesestaduais;  // indexed by season

    // The last league round has been played / its awards handed out. Cleared at the turn of the
    // season and not saved: a game loaded after the league ended does not award it again.
    bool ligaencerrada = false;
    bool ligapremiada = false;

    // Match day (season * 1000 + date) on which each human coach's turn last opened, so the
    // daily morale and the day's events run once per coach and day. Not saved.
    std::array<int32_t, kMaxHumanos> turnoaberto{};

    // Auctions of computer clubs' players still to run before the next main screen (drawn
    // after a league day); not saved.
    int leiloespendentes = 0;

    std::array<TDiaCalendario, kNumDatas> calendario{};  // rebuilt every season, never saved
    std::vector<TPartida> partidas;                       // the season's match list

    Aleatorio aleatorio;
    int sorteia(int n) { return aleatorio.sorteia(n); }

    // Players of every club in player-table order: derived from `TJogador::time`, never saved.
    // Built on first use after the player or club table changes length (see `elencoatual`),
    // kept right by the operations that move players between clubs; anything that rewrites
    // `time` by other means calls `refazelencos`.
    struct IndiceElencos {
        std::vector<std::vector<int>> porclube;
        size_t jogadores = 0;
        size_t times = 0;
        bool valido = false;
    };
    mutable IndiceElencos indiceelencos;
};

// Squad of a club: players whose club is that index, in player-table order. A copy, so the
// caller may move players while walking it.
std::vector<int> elenco(const Mundo& m, int time);
// The same list without copying; it changes when a player joins or leaves the club, so do not
// move players while walking it. Empty for an index that is not a club.
const std::vector<int>& elencoatual(const Mundo& m, int time);
// Rebuilds the squad index from the player table.
void refazelencos(const Mundo& m);
// Keeps the index right when `jogador` has just left club `de` for club `para` (-1 = none);
// call after `time` was changed.
void moveelenco(const Mundo& m, int jogador, int de, int para);
// Squad lists that differ from a scan of the player table (empty when the index is right).
std::vector<int> elencosdivergentes(const Mundo& m);

}  // namespace tarvello
