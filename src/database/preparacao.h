#pragma once
// Working lists of a new game, from the set-up screens to the end of the full load.
// They are not part of the saved game: world initialisation drops them.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "database/arquivos.h"
#include "model/estado.h"
#include "model/tipos.h"

namespace tarvello {

// A country needs this many usable clubs to be offered as a league on the set-up screen.
constexpr int kMinClubesLiga = 22;
// The custom championship needs this many selected clubs, and takes at most the second.
constexpr int kMinClubesPersonalizado = 42;
constexpr int kMaxClubesPersonalizado = 1000;

// One club of a league being composed: its club index, level and random key.
struct TEntradaLiga {
    int time;
    int nivel;
    int chave;
};

struct Preparacao {
    std::filesystem::path raiz;  // folder holding "teams/"
    // Every "teams/*.b08" summary, in listing order.
    std::vector<TResumoLido> resumos;
    // Usable clubs per country 0..201 over the summaries read.
    std::array<int, kPersonalizado> clubesusaveis{};
    // File name in "teams/" of every club-table entry (same index as the club).
    std::vector<std::string> arquivos;
    // Per league slot: its clubs in sorted order (level descending, random key ascending),
    // kept so the full load can close a gap left by a club whose file went bad.
    std::vector<std::vector<TEntradaLiga>> composicao;
    // Names typed by human coaches 1..6 on the team-choice screen (UTF-8).
    std::array<std::string, kMaxHumanos> nomestecnicos;
    // Every readable "teams/selecoes/*.s05", in listing order (the tournaments' teams).
    std::vector<TSelecao> selecoes;
    // The files the scan left out for damage, one text each naming the file and the reason.
    std::vector<std::string> avisos;
    // Set when the data folder holds no club file at all; nothing can be played then.
    std::string erro;
};

// The one test of whether a club file can take part in the game: valid squad, format version 8
// and a short name. Used for the counts of the set-up screen, the leagues and the extra clubs,
// so a country is never offered with clubs that its league would then leave out.
bool clubeutilizavel(const TResumoClube& r);
bool clubeutilizavel(const TCabecalhoClube& c);

// Scans "teams/*.b08" and "teams/selecoes/*.s05" under `raiz` into `p` (summaries, usable-club
// counts, national teams); the lists of earlier set-ups are discarded. Damaged files are left
// out with a warning in `p.avisos`; files that are merely not playable (`valido` 0, another
// version) are left out silently. A club file of the pseudo-country "Personalizado" (202) is
// left out with a warning: clubs join the custom championship through their real country, so a
// file claiming 202 belongs to no championship. A folder that does not exist, is not a folder
// or holds no readable club file sets `p.erro`.
void lerresumos(Preparacao& p, const std::filesystem::path& raiz);

// A country offered by the set-up screen (or the custom championship screen).
struct TPaisOferecido {
    int pais;
    int clubes;  // usable clubs
};
// Countries with at least `minimo` usable clubs, in country-index order.
std::vector<TPaisOferecido> paisesoferecidos(const Preparacao& p, int minimo = kMinClubesLiga);

// Custom championship: the summaries of the chosen countries are moved to country 202.
// Returns how many usable clubs that puts into the championship.
int marcapersonalizado(Preparacao& p, const std::vector<int>& paises);

}  // namespace tarvello
