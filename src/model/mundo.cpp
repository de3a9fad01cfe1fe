#include "model/mundo.h"

#include <algorithm>

namespace tarvello {

namespace {

bool indiceatual(const Mundo& m) {
    const Mundo::IndiceElencos& x = m.indiceelencos;
    return x.valido && x.jogadores == m.jogadores.size() && x.times == m.times.size();
}

const std::vector<int>& vazio() {
    static const std::vector<int> v;
    return v;
}

}  // namespace

void refazelencos(const Mundo& m) {
    Mundo::IndiceElencos& x = m.indiceelencos;
    x.porclube.assign(m.times.size(), {});
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        const int t = m.jogadores[i].time;
        if (t >= 0 && t < static_cast<int>(x.porclube.size()))
            x.porclube[static_cast<size_t>(t)].push_back(static_cast<int>(i));
    }
    x.jogadores = m.jogadores.size();
    x.times = m.times.size();
    x.valido = true;
}

const std::vector<int>& elencoatual(const Mundo& m, int time) {
    if (!indiceatual(m)) refazelencos(m);
    if (time < 0 || time >= static_cast<int>(m.indiceelencos.porclube.size())) return vazio();
    return m.indiceelencos.porclube[static_cast<size_t>(time)];
}

std::vector<int> elenco(const Mundo& m, int time) { return elencoatual(m, time); }

void moveelenco(const Mundo& m, int jogador, int de, int para) {
    // A stale index is rebuilt whole on its next use, which already sees the move.
    if (!indiceatual(m)) return;
    auto& porclube = m.indiceelencos.porclube;
    const int n = static_cast<int>(porclube.size());
    if (de >= 0 && de < n) {
        auto& v = porclube[static_cast<size_t>(de)];
        auto it = std::lower_bound(v.begin(), v.end(), jogador);
        if (it != v.end() && *it == jogador) v.erase(it);
    }
    if (para >= 0 && para < n) {
        auto& v = porclube[static_cast<size_t>(para)];
        auto it = std::lower_bound(v.begin(), v.end(), jogador);
        if (it == v.end() || *it != jogador) v.insert(it, jogador);
    }
}

std::vector<int> elencosdivergentes(const Mundo& m) {
    std::vector<int> r;
    if (!indiceatual(m)) return r;  // nothing built yet: the next use scans the table
    std::vector<std::vector<int>> scan(m.times.size());
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        const int t = m.jogadores[i].time;
        if (t >= 0 && t < static_cast<int>(scan.size())) scan[static_cast<size_t>(t)].push_back(static_cast<int>(i));
    }
    for (size_t t = 0; t < scan.size(); ++t)
        if (scan[t] != m.indiceelencos.porclube[t]) r.push_back(static_cast<int>(t));
    return r;
}

}  // namespace tarvello
