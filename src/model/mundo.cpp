#include "model/mundo.h"

namespace tarvello {

std::vector<int> elenco(const Mundo& m, int time) {
    std::vector<int> r;
    if (time < 0) return r;
    for (size_t i = 1; i < m.jogadores.size(); ++i)
        if (m.jogadores[i].time == time) r.push_back(static_cast<int>(i));
    return r;
}

}  // namespace tarvello
