#pragma once
// Line-up rows: putting players into slots, taking them off, the line counts, availability and
// the serving of suspensions.
#include <string>
#include <vector>

#include "model/diajogo.h"
#include "model/mundo.h"

namespace tarvello {

struct Mundo;

// Competition kind of the day being played (0..9; -1 when nothing is played).
int tipodia(const Mundo& m);

// Substitutions each side may make in the day's matches: 5 in friendlies, 3 otherwise.
int limitesubstituicoes(const Mundo& m);

// Date of the current calendar entry.
double hojedodia(const Mundo& m);

// Not injured today and no suspension left for the day's kind.
bool disponivel(const Mundo& m, int jogador);
// Available and fewer than 3 yellow cards in the day's kind: may be chosen for the day.
bool escalavel(const Mundo& m, int jogador);
// Holds a place on the pitch: entered the match, not injured, not sent off. Read from the marks
// the match keeps; asked many times a minute, hence inline.
bool emcampolento(const Mundo& m, int jogador);
inline bool emcampo(const Mundo& m, int jogador) {
    const std::vector<uint8_t>& v = m.diajogo.emcampo;
    if (v.size() != m.jogadores.size()) return emcampolento(m, jogador);
    return jogador > 0 && static_cast<size_t>(jogador) < v.size() && v[static_cast<size_t>(jogador)] != 0;
}
// Marks a player as entered (or taken off, sent off, injured) and keeps the on-pitch list right.
void defineemcampo(Mundo& m, int jogador, bool entrou);
// Derives again whether the player holds his place (after his availability changed).
void refazemcampo(const Mundo& m, int jogador);
// Players whose kept on-pitch mark differs from what their records say (empty when right).
std::vector<int> emcampodivergentes(const Mundo& m);

// The club's row of the day, or nullptr when it has none. Asked several times a minute.
inline TEscalacao* linhade(Mundo& m, int time) {
    if (time < 0 || static_cast<size_t>(time) >= m.times.size()) return nullptr;
    const int l = m.times[static_cast<size_t>(time)].linhaescalacao;
    if (l < 0 || static_cast<size_t>(l) >= m.diajogo.escalacoes.size()) return nullptr;
    return &m.diajogo.escalacoes[static_cast<size_t>(l)];
}
inline const TEscalacao* linhade(const Mundo& m, int time) { return linhade(const_cast<Mundo&>(m), time); }

// Appends an empty row for the club and points the club at it.
TEscalacao& novalinha(Mundo& m, int time);

// Line (1 defence, 2 midfield, 3 attack, 0 none) a player counts in by position and role.
int linhadojogador(int posicao, int funcao);

// Rebuilds the position counts (slots 12..15) and line counts (16..18) from the players on the
// pitch in slots 1..11, so they never drift from the eleven.
void recontalinhas(Mundo& m, TEscalacao& r);
void recontalinhas(Mundo& m, int time);

// The formation the eleven plays now, as defenders-midfielders-attackers ("4-4-2"), from the
// players on the pitch; empty when the club has no row.
std::string esquemaatual(const Mundo& m, int time);

// Puts a player into a slot of the club's row: goalkeepers always into slot 11, slots above 11
// do nothing. Records the appearance and empties the bench slot that held him.
void escalajogador(Mundo& m, int time, int jogador, int slot);

// Records a player leaving by substitution in the side's list.
void registrasaida(Mundo& m, int jogo, int jogador, int lado);

struct TDisponiveis {
    int porposicao[5] = {};  // 1..4 used: laterais, zagueiros, meio campos, atacantes
    int total = 0;
};
// Recounts the club's available outfield players per position into `disponiveis`.
TDisponiveis contadisponiveis(Mundo& m, int time);

// Serves one match of suspension of the day's kind for every player with a club.
void cumpresuspensoes(Mundo& m);

// Minute written in the event log and in the goal and substitution lists.
int minutoevento(const Mundo& m);
int minutolista(const Mundo& m);

// Appends an event to the log.
void anotaevento(Mundo& m, int tipo, int time, int jogador, int extra, int jogo);

}  // namespace tarvello
