#pragma once
// Coach and club rankings: the club points each title or place earns, and the ranking tables
// the ranking screens and the headless report show.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

// Club-ranking points of a place in a competition (league: division 1 only). Zero when the
// place earns nothing.
int pontosrankingclube(int competicao, int lugar, int divisao = 1);
// Adds those points to the club's accumulator of that competition.
void somarankingclube(Mundo& m, int competicao, int time, int lugar, int divisao = 1);

struct TLinhaRankingTecnico {
    int tecnico = -1;
    int time = -1;    // -1 without a club
    int pontos = 0;
    int m = 0, l = 0, s = 0, n = 0, c = 0, e = 0;  // title counts shown under M, L, S, N, C, E
};

// Country a coach is ranked under: his club's while he has one, else his own.
int paisranking(const Mundo& m, int tecnico);
// Coaches of a country (every coach for `pais` -1, the world view), sorted: points, then M, L,
// S, N, C, E, then club index (without a club first).
std::vector<TLinhaRankingTecnico> rankingtecnicos(const Mundo& m, int pais);

// The titles text of a coach's detail panel, one "Label:count" line per kind of title won.
std::string textotitulostecnico(const Mundo& m, int tecnico);

enum class VisaoRankingClubes { Colocacao, PontosCorridos, Internacional };

struct TLinhaRankingClube {
    int time = -1;
    int total = 0;  // sum of the ranking points, or of the match points
    int saldo = 0;  // goal difference (match-point views)
    int golspro = 0;
};

// Clubs of the played leagues (of `pais` in the first two views), sorted for the view.
std::vector<TLinhaRankingClube> rankingclubes(const Mundo& m, VisaoRankingClubes visao, int pais);

// A coach's prestige points per season slot, oldest first, with the year of each slot.
struct TPontosAno {
    int ano = 0;
    int pontos = 0;
};
std::vector<TPontosAno> pontosporanotecnico(const Mundo& m, int tecnico);
// Year of a coach season slot 1..10 as the statistics show it.
int anoslot(const Mundo& m, int slot);

}  // namespace tarvello
