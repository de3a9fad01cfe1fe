#pragma once
// The national champions of a finished season as the season summary lists them.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

struct TLinhaCampeoes {
    std::string texto;       // UTF-8
    int time = -1;           // club whose crest goes beside the line, -1 none
    bool cabecalho = false;  // a division's or the cup's heading
};

// For league `liga` and season `temporada`, from the titles and top-scorer histories: per
// division a heading ("1ª Divisão"), the champion and the runner-up ("Clube - Téc.:Nome ($7
// milhões)", with the prize the club was paid) and the top scorer ("Nome (Clube, 12 gols)",
// with the prize in division 1); then the national cup's final when the cup is played.
std::vector<TLinhaCampeoes> linhascampeoesnacionais(const Mundo& m, int liga, int temporada);

// The international champions of season `temporada`: for the club world cup and each
// continental cup played, a heading, the champion and the finalist with their prizes
// ("Clube ($5 milhões)") and the top scorer ("Nome (Clube, 7 gols)").
std::vector<TLinhaCampeoes> linhascampeoesinternacionais(const Mundo& m, int temporada);

// The label of a prize as the summary shows it ("7 milhões", "750 mil").
std::string rotulopremio(int valor);

}  // namespace tarvello
