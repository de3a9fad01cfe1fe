#pragma once
// The season's club matches in the order the match list keeps them, and lookups over the list.
#include <vector>

namespace tarvello {

struct Mundo;

// After `montacalendario`: the matches of every league, of every state with a championship (when
// they are played) and the ties of every national cup (when it is played), appended in that
// order. The draws and the continental cups come after, from their own steps.
void montajogosdatemporada(Mundo& m);

// Indexes of a club's matches in the match list, by date (list order on the same date); only
// those of competition `competicao`, or all when it is -1.
std::vector<int> jogosdoclube(const Mundo& m, int time, int competicao = -1);

}  // namespace tarvello
