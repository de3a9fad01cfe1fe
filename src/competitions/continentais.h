#pragma once
// The continental club cups between their draws and their finals: group tables and counters,
// the round of 16 from the groups, the knock-out rounds and the awards of the finals.
#include <string>

namespace tarvello {

struct Mundo;
class InteracaoPenaltis;
struct TClassificados;

// Prize money of the finals of continental cup 1 and 2.
constexpr int kPremioContinental1Campeao = 5000000;
constexpr int kPremioContinental1Vice = 3000000;
constexpr int kPremioContinental2Campeao = 3000000;
constexpr int kPremioContinental2Vice = 1500000;

// The new season's continental cups from the qualifier lists: both confederations' draws and
// their fixtures (cup 2 only when it is played).
void sorteiacontinentais(Mundo& m, TClassificados& c);

// The group table of a cup (4 or 6) and confederation (1 or 2).
const int32_t (&gruposcontinentais(const Mundo& m, int competicao, int confederacao))[8][4];

// After a group date of cup 4 or 6: every group sorted into `colocacoes`; when the group stage
// has just ended, the third and fourth of every group are out and the round of 16 is filled
// (runner-up at home in leg 1: E2-A1, A2-E1, F2-B1, B2-F1, G2-C1, C2-G1, H2-D1, D2-H1).
void encerragrupocontinental(Mundo& m, int competicao, bool fimdosgrupos);

// The cup's counters after one of its dates (group round and half; knock-out leg and phase),
// with the group tables, the progression after every second leg and the finals' awards.
void encerradatacontinental(Mundo& m, InteracaoPenaltis& ui, int competicao);

// Whether the current date is the second leg of a knock-out phase of that cup.
bool segundajogocontinental(const Mundo& m, int competicao);

// The cup's name with its confederation, as the summaries and titles show it: "Taça
// Libertadores", "Liga Campeões", "Copa Sul-Americana", "Copa Uefa", "Mundial Interclubes".
std::string nomeinternacional(int competicao, int confederacao);

}  // namespace tarvello
