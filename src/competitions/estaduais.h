#pragma once
// The Brazilian state championships: group tables, the final, titles and the yearly exchange
// of clubs between group levels.

namespace tarvello {

struct Mundo;

struct TArtilheiroEstadual {
    int jogador = -1;
    int time = -1;
    int gols = 0;
};

// The player of a club of the state with the most state-championship goals (fewer matches
// first on a tie); nobody when no one scored.
TArtilheiroEstadual artilheiroestadual(const Mundo& m, int estado);

// Sorts every group of every state and stores the places; once the group stage is over
// (`faseestadual` 6) also closes it: campaign records, finalists and the two final matches.
void encerragrupoestadual(Mundo& m);

// Progress after a state-championship date, once every state has played: rounds and halves of
// the group stage, the final legs (their scores copied into the state record) and, after the
// second leg, the titles.
void avancaestadual(Mundo& m);

// Decides every state final and awards titles, prize money, ranking points and the state's top
// scorer. Runs once, when the second leg has been played.
void decideestadual(Mundo& m);

// Rollover: the winner of each lower group swaps with the last of the group above, groups are
// shuffled, membership flags renewed and clubs without a coach get one.
void renovaestaduais(Mundo& m);

}  // namespace tarvello
