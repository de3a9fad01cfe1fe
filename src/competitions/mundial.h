#pragma once
// The club world cup: six clubs, three match days in Japan. Its matches are added to the match
// list a day at a time, as the ties become known.
#include <string>

namespace tarvello {

struct Mundo;
class InteracaoPenaltis;
struct TDisputaPenaltis;

// Prize money of the club world cup's champion and runner-up.
constexpr int kPremioMundialCampeao = 5000000;
constexpr int kPremioMundialVice = 3000000;

// Appends the matches of the current club-world-cup day (`fasemundial` 1 quarter-finals, 2
// semi-finals, 3 final and third place) on that day's date, `chave` holding the tie number.
void agendamundial(Mundo& m);

// On the first club-world-cup date, before anything else looks at it: the draw. False when the
// draw cannot be made; the competition is then over for the season (`fasemundial` 4) and its
// dates pass without matches.
bool preparamundial(Mundo& m);

// A club-world-cup match that ended level (`indice` in the match list, its result written) goes
// to a shoot-out; the score is kept in the match, home club first. `vencedor` 0 when none was
// needed.
TDisputaPenaltis penaltismundial(Mundo& m, InteracaoPenaltis& ui, int indice, const int* onzemandante,
                                 const int* onzevisitante);

// After a club-world-cup day: results into the ties, the losers out, the next day's ties and
// matches; after the final day the places, titles, prizes and top scorer.
void avancamundial(Mundo& m, InteracaoPenaltis& ui);

// Where a club-world-cup match is played ("Toquio" for the day's first match, "Yokohama" for the
// second); empty for any other match.
std::string localmundial(const Mundo& m, int indice);

// "Quartas de final", "Semi-final", "Final" for the club world cup's day 1, 2, 3.
std::string fasemundialnome(int fase);

}  // namespace tarvello
