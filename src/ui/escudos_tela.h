#pragma once
// Crests of clubs, and flags, as small icons for grids, read once per window from teams/escudos/ in the
// working folder. A club without a crest file (and no default crest) gets an empty icon.
#include <QIcon>
#include <QPixmap>
#include <map>
#include <string>

namespace tarvello {

struct Mundo;
struct TImagem;

// A decoded picture as Qt draws it (null for an empty picture).
QPixmap pixmapdaimagem(const TImagem& img);

class CacheEscudos {
public:
    QIcon icone(const Mundo& m, int time);

private:
    std::map<std::string, QIcon> icones_;  // by crest name
};

// Flags from img/bandeiras/ in the working folder (read once per run); an empty icon when the
// file is missing.
QIcon iconebandeira(int pais);
QIcon iconebandeiraestado(int estado);
// The flag beside a club: its state's for a Brazilian club with a state, else its country's.
QIcon iconebandeiraclube(const Mundo& m, int time);

}  // namespace tarvello
