#pragma once
// The career-long histories: places, coach titles and each club's campaign per competition.
#include <array>
#include <string>

namespace tarvello {

struct Mundo;

// A club's result in a competition this season (place or phase reached, and group or division).
void registracampanha(Mundo& m, int time, int resultado, int competicao, int detalhe);
// A place awarded in a competition this season (1 champion, 2 runner-up, ...).
void registracolocado(Mundo& m, int competicao, int time, int regiao, int lugar, int divisao);
// The same for the club's coach (-1 when the club had none).
void registratitulotecnico(Mundo& m, int competicao, int time, int tecnico, int regiao, int lugar, int divisao);

// Club that took `lugar` in a competition of a region and season, newest entry first; -1 none.
int colocado(const Mundo& m, int regiao, int lugar, int temporada, int divisao, int competicao);
int campeao(const Mundo& m, int competicao, int regiao, int temporada);

// A club's titles from its campaign records: division 1 league, cup, state, continental cup 1,
// club world cup, continental cup 2, then league titles of divisions 2, 3 and 4.
std::array<int, 9> titulosdeclube(const Mundo& m, int time);

// Where a club finished (or stands) in a competition of a season: "3º - 1ª divisão", "Campeão",
// "Elim. na Oitavas", "Joga Quartas", ... Empty when there is nothing to say.
std::string textocampanha(const Mundo& m, int time, int competicao, int temporada);

// The year a season is played in.
inline int anotemporada(int temporada) { return 2007 + temporada; }

}  // namespace tarvello
