#pragma once
// Top scorers of the competitions when they end, and their history.

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

}  // namespace tarvello
