#pragma once
// Champions lists and a coach's trophy gallery, read from the histories.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

// What the champions screen can show.
struct TVisaoCampeoes {
    std::string texto;  // "Nacional", "Copa", "Libertadores", ...
    int competicao = 1;
    int regiao = -1;  // continental cups: confederation 1 or 2; club world cup -1; else by country
};
// The choices of the champions screen in order, as the game's set-up allows them.
std::vector<TVisaoCampeoes> visoescampeoes(const Mundo& m);

struct TLinhaCampeao {
    int temporada = 0;
    int campeao = -1, vice = -1;  // clubs (or countries for the national-team tournaments)
    int terceiro = -1, quarto = -1;
    std::string local;     // tournaments: the host
    std::string artilheiro;
    std::string tecnico;
};
// Titles of a club competition, newest first. `regiao` is the country for the league (first
// division) and cup, the confederation for the continental cups, ignored for the club world cup.
std::vector<TLinhaCampeao> campeoesclubes(const Mundo& m, int competicao, int regiao);
// State champions of a state, newest season first.
std::vector<TLinhaCampeao> campeoesestado(const Mundo& m, int estado);
// Editions of a national-team tournament (7..9), newest first.
std::vector<TLinhaCampeao> campeoestorneio(const Mundo& m, int competicao);
// Host of an edition of a national-team tournament.
std::string sedetorneio(int competicao, int edicao);

// One state's final of a season: for the state champions screen and the headless report.
struct TCampeaoEstadual {
    int estado = 0;
    int campeao = -1, vice = -1;
    std::string artilheiro;  // "Name (Club) - 9 gols", empty when nobody scored
};
// The states with a championship whose final of season `temporada` has been played.
std::vector<TCampeaoEstadual> campeoesestaduaisdoano(const Mundo& m, int temporada);

struct TTrofeu {
    int temporada = 0;
    int time = -1;  // club, or the country for national-team tournaments
    bool selecao = false;
};
struct TGrupoTrofeus {
    std::string nome;
    std::vector<TTrofeu> titulos;  // history order
};
// A coach's titles grouped for the trophy gallery; only groups with titles.
std::vector<TGrupoTrofeus> galeriatrofeus(const Mundo& m, int tecnico);

}  // namespace tarvello
