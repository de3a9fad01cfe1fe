#pragma once
// The inbox: one world table of short messages for the human-run clubs, posted by event type
// and kind from a fixed catalogue.
#include <string>

#include "model/mensagem.h"

namespace tarvello {

struct Mundo;

// Appends one message dated today for `time` (events 9/0 and 12/0 go to the current coach's
// club instead), from the catalogue entry tipo/especie. Returns its index, or -1 when nothing
// was appended: a pair outside the catalogue, or type 12 without a player.
int enviamensagem(Mundo& m, int time, int tipo, int especie, int jogador = 0, int outro = 0,
                  int valor = 0);

// Detaches every message of the club: no inbox shows them again.
void desvinculamensagens(Mundo& m, int time);

// The welcome message of a new game, one to the club of every human coach.
void enviaboasvindas(Mundo& m);

// The inbox columns, composed from the records as they are now (UTF-8).
std::string assuntomensagem(const Mundo& m, const TMensagem& msg, int timevisto);
std::string remetentemensagem(const Mundo& m, const TMensagem& msg);
std::string corpomensagem(const TMensagem& msg);

// Selecting a message marks it read.
void lemensagem(Mundo& m, int indice);
// Answering the fine question clears it; "Sim" (`multar`) fines the suspended player 30 % of his
// weekly salary, which comes back to the club's cash off the season's wages, and he complains.
void respondepergunta(Mundo& m, int indice, bool multar = false);

// Unread messages of a club when the main screen is built: messages more than 14 days older
// than `hoje` are marked read without being counted.
int contanaolidas(Mundo& m, int time, double hoje);
// Unread messages of a club as they stand (the count shown when the inbox closes).
int naolidas(const Mundo& m, int time);
// "Sem novas notícias", "1 notícia não lida", "n notícias não lidas".
std::string textonaolidas(int n);

}  // namespace tarvello
