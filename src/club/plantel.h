#pragma once
// The human coach's squad between match days: the line-up status of every player, the
// selection clicks, the recount, the formation list, the automatic line-up and the
// confirmation that writes the club's line-up row for the day.
#include <string>
#include <string_view>
#include <vector>

namespace tarvello {

struct Mundo;
struct TJogador;

// Line-up status of a row of the squad grid (the grid's "nxstatus").
enum StatusEscalacao : int {
    kNaoEscalado = 0,
    kTitular = 1,
    kReserva = 2,
    kIndisponivel = 3,
    kSoProximoJogo = 4,  // arrived from another human club on this match day
};

constexpr int kMaxReservas = 7;

// Why a player cannot play today, tested in this order: 4 three yellow cards, 1 suspended,
// 3 injured; 0 when he can.
int condicaojogador(const Mundo& m, int jogador);
// Condition icon: the condition (+4 for a star), 12 for an available star, 0 for none.
int imagemcondicao(const Mundo& m, int jogador);
// Shirt-number icon of a row: `numero` in the starter colour, +29 reserve, +58 unselected;
// 87 unavailable, 88 only available next match.
int imagemstatus(int status, int numero);

// Row order key by position and role (goalkeepers first, wing-backs among the midfield).
int ordemposicao(int posicao, int funcao);

// Characteristics outside 0..13 are replaced by the defaults of the player's natural position.
void corrigehabilidades(TJogador& j);

struct TLinhaPlantel {
    int jogador = 0;
    int status = kNaoEscalado;
};

struct TContagem {
    int titulares = 0;
    int reservas = 0;
    int goleirostitulares = 0;
    int defensores = 0;  // zagueiros and laterais not playing as wing-backs
    int meias = 0;       // meio campos and wing-back laterais
    int atacantes = 0;
    bool podejogar = false;  // "Jogar >>" may be pressed
    std::string motivo;      // why it may not, for the coach ("Falta escalar o goleiro", ...)
    std::string esquema;     // "4-4-2" when the line-up can be played, else empty
    int numeroesquema = 0;   // 442
    bool goleiro() const { return goleirostitulares > 0; }
};

// The squad grid of one club: rows in display order and the count of the last recount.
struct TPlantel {
    int time = -1;
    std::vector<TLinhaPlantel> linhas;
    TContagem contagem;
    int linhadojogador(int jogador) const;
};

// Fills the grid for a club: the contracts checked first (automatic renewal and warnings,
// `verificacontratos`), characteristics corrected, players ordered by position key, then
// strength, then energy (ascending); statuses from the saved line-up when "Salvar escalação"
// is on, unselected otherwise, then unavailability overrides; then recounts.
TPlantel montaplantel(Mundo& m, int time);

enum OrdemPlantel { kPorPosicao, kPorSalario, kPorValor };
// Reorders the rows keeping their statuses (the grid's header clicks).
void ordenaplantel(const Mundo& m, TPlantel& p, OrdemPlantel ordem, bool crescente = true);

// Recounts the line-up, writes every row's `escalacao`, and when the line-up can be played the
// club's `esquema`. A line-up can be played with exactly one goalkeeper starting, at most
// seven reserves and ten outfield starters; a club short of fit players plays with all of them
// (all fit outfield players start, and the fit goalkeeper when there is one).
TContagem contaescalacao(Mundo& m, TPlantel& p);

// A click on a row's status cell; returns whether anything changed (then it has recounted).
bool clicastatus(Mundo& m, TPlantel& p, int linha);

// A role chosen from the list of the player's current position; recounts.
void mudafuncao(Mundo& m, TPlantel& p, int linha, int funcao);

// Formations the club's fit players allow, in list order ("5-4-1" ... "3-5-2").
std::vector<std::string> listaesquemas(Mundo& m, int time);

// Picks starters and reserves for a formation of the list; false for a formation it does not
// know. Unavailable rows are left alone.
bool escalaautomatica(Mundo& m, TPlantel& p, std::string_view esquema);

// "Jogar >>": when the recount allows it, appends the club's line-up row, puts the starters in
// slots (goalkeeper 11, the others 1, 2, ...) and the reserves on the bench (19..25), checks the
// tired and the out-of-contract starters, clears the marks of the players left out and
// recounts the fit players. Returns false, writing nothing, when the line-up cannot be played.
bool confirmaescalacao(Mundo& m, TPlantel& p);

// Improvisation: the player plays at `posicao` (his natural one for -1).
void improvisa(Mundo& m, int jogador, int posicao);
// Positions offered for improvisation: the four other than the natural one.
std::vector<int> posicoesimprovisa(const TJogador& j);

// Shirt number 0..28 (0 none); a team-mate wearing it gives it up.
void escolhenumero(Mundo& m, int jogador, int numero);

// Takes a listed player off the sale list.
void retiradavenda(Mundo& m, int jogador);

// Goals shown in the grid: national league, cup, state championship and the two club cups.
int golsgrade(const TJogador& j);
// The value shown in the grid: the asking price while listed, else `passe`.
int valorgrade(const TJogador& j);

// Whether the player actions apply: sale while the club has more than 9 fit outfield players
// (as last counted), retirement from 32, none of the contract actions for a loaned-in player.
bool podevender(const Mundo& m, int time);
bool podeaposentar(const TJogador& j);
bool podeimprovisar(const TJogador& j);
// A new contract may be proposed to any player but one on loan at the club.
bool podepropor(const TJogador& j);

}  // namespace tarvello
