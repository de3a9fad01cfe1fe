#pragma once
// A club's record season by season, and the meetings of two clubs, from the results history.
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;

struct TContagemJogos {
    int jogos = 0, vitorias = 0, derrotas = 0, empates = 0, golspro = 0, golscontra = 0;
};

struct TLinhaRetrospecto {
    int competicao = 0;
    std::string campeonato;  // "Amistosos", "Camp.Brasileiro", "Paulista", ...
    std::string colocacao;   // placement text
    TContagemJogos contagem;
};

struct TTemporadaRetrospecto {
    int temporada = 0;
    std::string tecnicos;
    TContagemJogos total;
    std::vector<TLinhaRetrospecto> competicoes;  // codes 0..6 the club played, in code order
};

// The last 21 seasons of a club, newest first.
std::vector<TTemporadaRetrospecto> retrospecto(const Mundo& m, int time);
// The "Títulos:" line under the history ("Nacional:2; Copa:1; ..."); empty without titles.
std::string textotitulosclube(const Mundo& m, int time);
// The name of a competition as a club's history shows it.
std::string nomecompeticaoclube(const Mundo& m, int time, int competicao);

// The club's league finish per season (oldest first): division and position.
struct TPosicaoLiga {
    int temporada = 0;
    int divisao = 0;
    int posicao = 0;
};
std::vector<TPosicaoLiga> posicoesliga(const Mundo& m, int time);

struct TConfrontoLinha {
    int registro = 0;  // index in the results history
    std::string competicao;
};
struct TConfrontosClubes {
    std::vector<TConfrontoLinha> jogos;  // oldest first
    TContagemJogos primeiro, segundo;    // seen from each club
};
// Every past meeting of two clubs.
TConfrontosClubes confrontosentre(const Mundo& m, int a, int b);
// "3 jogos" / "1 jogo"; and a club's line "2v 1d 5gp 3gc " (empty when they never met).
std::string textonumerojogos(int n);
std::string textobalanco(const TContagemJogos& c);

}  // namespace tarvello
