#pragma once
// Top scorers of the competitions when they end, and their history.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

// Prize money of a national league's top scorer's club.
constexpr int kPremioArtilheiroLiga = 1500000;

void registraartilheiro(Mundo& m, int competicao, int time, int jogador, int regiao, int gols, int divisao);
// First history entry of that season, competition, region and division; -1 when none.
int artilheiro(const Mundo& m, int regiao, int temporada, int competicao, int divisao);

// Finds, records and rewards the top scorer of a competition that has just ended: most goals,
// then fewer matches. `regiao` is the league's country for codes 1 and 2, the confederation
// 1 (South America) or 2 (Europe) for codes 4 and 6, ignored otherwise. Returns the player or -1.
int apuraartilheiro(Mundo& m, int competicao, int divisao, int regiao);

// Before player slot `jogador` is given to someone else: when a history names him, his record
// moves to a new slot outside every club and the histories follow it, so they keep naming him.
void preservaartilheiro(Mundo& m, int jogador);

// Edition (0-based) of national-team tournament `competicao` (7..9) played in a season; -1 when
// that tournament is not played that season.
int edicaotorneio(int competicao, int temporada);
// Season of an edition of a national-team tournament.
int temporadaedicao(int competicao, int edicao);

// Name of the scorer of a history record (for tournaments, the name kept with the edition).
std::string nomeartilheiro(const Mundo& m, int registro);
// Name of the scorer's team: the club, or for tournaments the country.
std::string timeartilheiro(const Mundo& m, int registro);
// "Name (Club) - 12 gols", as the champions screens show it; empty for -1.
std::string textoartilheiro(const Mundo& m, int registro);

// The choices of the top scorers screen for a country, in order.
struct TOpcaoArtilheiros {
    std::string texto;
    int competicao = 1;  // 0 for the best of all time
    int divisao = -1;
    int confederacao = -1;  // continental cups: 1 South America, 0 Europe
};
std::vector<TOpcaoArtilheiros> opcoesartilheiros(const Mundo& m, int pais);

struct TLinhaArtilheiro {
    int jogador = 0;
    int time = -1;
    int gols = 0;
    int jogos = 0;
};
// Scorers of a choice, most goals first, then fewer matches. `pais` selects the league of the
// national choices, `estado` the state of "Estadual".
std::vector<TLinhaArtilheiro> listaartilheiros(const Mundo& m, const TOpcaoArtilheiros& opcao, int pais, int estado);

}  // namespace tarvello
