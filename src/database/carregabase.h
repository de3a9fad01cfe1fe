#pragma once
// The load of a new game from the team files: every club, coach, player and national team of
// the world, with initial strengths, roles, captains and free-kick takers.
#include <functional>
#include <string>
#include <vector>

#include "database/preparacao.h"
#include "model/mundo.h"

namespace tarvello {

// The countries whose best clubs join as extra clubs when their league is not played, in
// priority order, with the number of clubs each may give.
struct TPaisExtra {
    int pais;
    int cota;
};
extern const std::array<TPaisExtra, 52> kPaisesExtras;

// Strength base of the players of a club outside the leagues, by level (0 for level 0).
int forcabasenivel(int nivel);
// Division of a club outside the leagues, by level (0 for level 0).
int divisaopornivel(int nivel);
// The preferred free-kick taker: a starter of this name takes the free kicks before any other.
extern const char* const kCobradorPreferido;

struct ResultadoCarga {
    std::string erro;                 // empty when the world was loaded
    // Clubs left out because their file changed since the scan, one text each naming the file.
    std::vector<std::string> avisos;
    bool ok() const { return erro.empty(); }
};

// Progress of the loading bar, 10..30: called after every club file read (so a screen can keep
// itself responsive), then with 20 and 30 at the two fixed points of the load.
using Progresso = std::function<void(int)>;

// Runs the full load on a world composed by the set-up (`m.ligas`, the league clubs at the head
// of `m.times`, the choices in `m.estado`, human clubs in `timedotecnico`) and the working lists
// `p`. The new world is built apart and replaces `m` only on success; on failure `m` and `p` are
// untouched and the result carries the message.
//
// A league club whose file can no longer be read as the same usable club is left out and its
// division closed up with the next clubs of its country; the load is refused when that would
// leave a division short or take away a human coach's club.
ResultadoCarga carregabase(Mundo& m, Preparacao& p, const Progresso& progresso = {});

}  // namespace tarvello
