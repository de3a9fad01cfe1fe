#pragma once
// A club's stadium: ticket prices of the four sectors, and expansions from the quote to the day
// the new seats open.
#include <array>
#include <cstdint>

namespace tarvello {

struct Mundo;

// Ticket prices are whole dollars from 0 to this.
inline constexpr int32_t kPrecoMaximoIngresso = 999;
// Cost of the project of every expansion.
inline constexpr int64_t kCustoProjetoObra = 100000;

// Seats a sector (0 general, 1 stands, 2 seats, 3 boxes) may reach in a season.
int limitesetor(int temporada, int setor);
// Price of each seat added to a sector that will then hold `capacidade` seats.
int precoassento(int setor, int capacidade);

// Changes the ticket price of a sector by `delta`, kept within 0..kPrecoMaximoIngresso.
// Returns the new price.
int32_t mudapreco(Mundo& m, int time, int setor, int delta);

struct TOrcamento {
    bool semtecnologia = false;  // a sector would pass its limit: the engineers refuse
    bool vazio = true;           // nothing asked
    std::array<int, 4> acrescimo{};
    int64_t custo = 0;
    double datafim = 0;
};
// Quote for adding seats to the club's sectors (non-positive entries count as 0).
TOrcamento orcamento(const Mundo& m, int time, std::array<int, 4> acrescimo);

enum class ResultadoObra { Iniciada, SemDinheiro, Invalida };
// Starts the quoted works: the cost is paid (stadium spending of the season) and the works
// record appended. Nothing changes when the cash is short or the quote cannot be built.
ResultadoObra iniciaobra(Mundo& m, int time, const TOrcamento& o);

// Index of the club's works in progress, -1 none.
int obraemandamento(const Mundo& m, int time);

// Applies the first finished works of the club (end date not after today): its seats open.
// Returns whether one was applied.
bool concluiobra(Mundo& m, int time);
// Every club's finished works, so that seats open on their date whoever runs the club.
void concluiobras(Mundo& m);

}  // namespace tarvello
