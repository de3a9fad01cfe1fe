#pragma once
// Crests of clubs as small icons for grids, read once per window from teams/escudos/ in the
// working folder. A club without a crest file (and no default crest) gets an empty icon.
#include <QIcon>
#include <map>
#include <string>

namespace tarvello {

struct Mundo;

class CacheEscudos {
public:
    QIcon icone(const Mundo& m, int time);

private:
    std::map<std::string, QIcon> icones_;  // by crest name
};

}  // namespace tarvello
