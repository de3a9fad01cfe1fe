#pragma once
// Made-up names that sound right for a country's language: players, coaches, towns, clubs and
// stadiums of the sample world. Every name is built from syllables, so none is a real one.
#include <string>

#include "model/aleatorio.h"

namespace tarvello {

enum class Idioma {
    PortuguesBR,
    PortuguesPT,
    Espanhol,
    Italiano,
    Alemao,
    Frances,
    Ingles,
    Holandes,
    Eslavo,
    Nordico,
    Turco,
    Grego,
    Romeno,
    Hungaro,
    Arabe,
    Japones,
    Coreano,
    Chines,
    Africano,
    Persa,
    Hebraico,
    Georgiano,
};

Idioma idiomade(int pais);

// All results are UTF-8 and fit their fields once converted to Windows-1252:
// players and coaches at most 20 characters, towns at most 16.
std::string nomepessoa(Aleatorio& a, Idioma i);
std::string nomelugar(Aleatorio& a, Idioma i);

struct TNomeClube {
    std::string curto;     // at most 25
    std::string completo;  // at most 25
    std::string estadio;   // at most 30
};
TNomeClube nomeclube(Aleatorio& a, Idioma i, const std::string& lugar);

// Letters a-z only, accents folded, at most `maximo` characters (file and crest names).
std::string nomesimples(const std::string& utf8, size_t maximo);

}  // namespace tarvello
