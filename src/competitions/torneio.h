#pragma once
// A national-team tournament from its group stage to the final: the group rounds on the match
// list, the end of the groups, the single-match knock-out rounds with their shoot-outs, the
// edition's records, and the return of the called-up players once it is over.
#include <string>
#include <utility>
#include <vector>

namespace tarvello {

struct Mundo;
class InteracaoPenaltis;
struct TDisputaPenaltis;
struct TPartida;

// The tournament drawn for the current season (7, 8 or 9), 0 when there is none.
int torneiodatemporada(const Mundo& m);

// Last knock-out phase (the final's): 7 for the world cup, 6 for the other two.
int ultimafasetorneio(int competicao);
// Knock-out ties (1-based records of `chavestorneio`) played in a phase 4.. of the tournament.
std::pair<int, int> chavesdafase(int competicao, int fase);

// Appends the three group rounds of every group on the tournament's first three dates.
void montajogostorneio(Mundo& m, int competicao);

// After a tournament date: the group counter moves on (filling the first knock-out round after
// the third), or the knock-out round is decided and the next one filled.
void encerradatatorneio(Mundo& m, InteracaoPenaltis& ui, int competicao);

// The groups are ranked (places kept in the teams' counters), third and fourth go out, and the
// first knock-out round is filled.
void encerragrupotorneio(Mundo& m, int competicao);

// Decides the ties of the current knock-out phase and fills the next; after the final, records
// the edition.
void avancatorneio(Mundo& m, InteracaoPenaltis& ui, int competicao);

// A level knock-out match of match-list entry `indice` goes to penalties; the score is kept in
// the entry. `vencedor` is 0 when no shoot-out was needed.
TDisputaPenaltis penaltistorneio(Mundo& m, InteracaoPenaltis& ui, int indice, const int* onzemandante,
                                 const int* onzevisitante);

// The next match of a tournament team: its opponent, whether it is listed first (the nominal
// home side) and the phase; opponent -1 when it has none.
struct TProximoAdversario {
    int adversario = -1;
    bool mandante = false;
    int rodada = 0;
};
TProximoAdversario proximoadversario(const Mundo& m, int time);

// The host city where a tournament match is played: a group's round at one city of the host's
// venue list, a knock-out tie by its number.
std::string cidadedojogo(const Mundo& m, int grupo, int rodada, int chave);

// Whether the tournament team has a match on the current date.
bool selecaojogahoje(const Mundo& m, int time);

// Most players a national coach may call up.
constexpr int kMaxConvocadosLinha = 20;
constexpr int kMaxConvocadosGoleiros = 3;

// A national coach's call-ups for tournament team `time`: the team's generated players (and any
// earlier call-ups) leave it and every listed player moves to it, his club kept for his return.
// Only players of the real clubs count. Returns "" when done, else why nothing was changed.
std::string convocajogadores(Mundo& m, int time, const std::vector<int>& jogadores);

// After the results screen of the final: the called-up players go back to their clubs and the
// human national coaches give their teams up.
void encerratorneio(Mundo& m);

// Every called-up player back to the club he came from; the call-up list is emptied.
void devolveconvocados(Mundo& m);

// Removes the tournament copies and their generated players (cuts both tables back to their
// sizes before the draw), after clearing every reference to them that outlives the season.
void removecopiastorneio(Mundo& m);

}  // namespace tarvello
