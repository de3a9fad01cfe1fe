#pragma once
// Round-robin tables: rows built from the per-competition counters of the clubs, in table order.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

struct TLinhaTabela {
    int time = -1;
    int pontos = 0, jogos = 0, vitorias = 0, empates = 0, derrotas = 0;
    int golspro = 0, golscontra = 0, saldo = 0;
    std::string rotulo;  // "1º", "2º", ...; empty when level in every criterion with the row above
};

// Points, then wins, then goal difference, then goals scored, all descending. Clubs below 0 are
// left out.
std::vector<TLinhaTabela> ordenatabela(const Mundo& m, const std::vector<int>& times, int competicao);

}  // namespace tarvello
