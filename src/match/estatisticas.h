#pragma once
// The figures of a finished match: the five statistics the screens show, built from the raw
// counters the minutes kept, and every player's rating.
namespace tarvello {

struct Mundo;
struct TJogos;

// End of a match (slot 1..n): missed passes, a shot or two for a side that had none, possession
// brought back from the extremes, and tackles. A side never shows fewer shots than goals (goals
// from penalties are not counted as shots while the match runs).
void finalizaestatisticas(Mundo& m, int jogo);

// Home possession in percent (the away side shows 100 minus it).
int possemandante(int posse1, int posse2);

// The half-time figures of both sides: possession %, shots, tackles, missed passes, fouls.
// Possession of 14 minutes or fewer on either side is shown as 21..30% for that side, `sorteio`
// (0..9) choosing where: what is only shown draws nothing from the world's generator.
struct TEstatisticasIntervalo {
    int posse[2] = {};
    int finalizacoes[2] = {};
    int roubadas[2] = {};
    int passeserrados[2] = {};
    int faltas[2] = {};
};
TEstatisticasIntervalo estatisticasintervalo(const TJogos& g, int sorteio);

// Rating of `jogador` for the match of slot `jogo`, his side `proprio` against side `adversario`
// (1 home, 2 away): 0 or 0.5..10 in steps of 0.5. Stored in his `nota` and returned.
float calculanota(Mundo& m, int jogador, int jogo, int adversario, int proprio);

// Ratings of both elevens (home first), then of the players taken off, home then away.
void notasdojogo(Mundo& m, int jogo);

}  // namespace tarvello
