#pragma once
// Checks of a decoded saved game, one per table: each answers why its table cannot be trusted
// by the game (an index out of range, an unknown enumeration, a text longer than its field, a
// table of the wrong length), or "" when it is sound. A table's records are checked against
// the lengths of the tables they point into, so every checker runs on the whole decoded world.
//
// The rules for players, clubs, coaches and national teams are those the team files obey
// (countries, states, positions, abilities, text lengths, `danoselecao`), plus the game's own.
// A field that the game comes to use as an index gets its check in its table's function here.
#include <string>

namespace tarvello {

struct Mundo;

std::string confereestado(const Mundo& m);
std::string conferejogadores(const Mundo& m);
std::string conferehistoricos(const Mundo& m);
std::string conferetimes(const Mundo& m);
std::string confereselecoes(const Mundo& m);
std::string conferetecnicos(const Mundo& m);
std::string conferefinancas(const Mundo& m);
std::string confereconfrontos(const Mundo& m);
std::string conferechaves(const Mundo& m);
std::string confereestaduais(const Mundo& m);
std::string conferelatorios(const Mundo& m);
std::string conferecampeoes(const Mundo& m);
std::string confereconvocacoes(const Mundo& m);
std::string conferemensagens(const Mundo& m);
std::string confereamistosos(const Mundo& m);
std::string confereligas(const Mundo& m);
std::string conferepartidas(const Mundo& m);
std::string confereeventos(const Mundo& m);
std::string conferehistoricostitulos(const Mundo& m);  // places, coach titles, top scorers
std::string confereresultados(const Mundo& m);
std::string conferetransferencias(const Mundo& m);
std::string conferecontratacoes(const Mundo& m);
std::string confereobras(const Mundo& m);
std::string confereemprestimos(const Mundo& m);

// Every checker in the order of the file: the first reason found, or "".
std::string conferejogosalvo(const Mundo& m);
}  // namespace tarvello
