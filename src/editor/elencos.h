#pragma once
// The editor's squad rules, the same for a club (25 slots) and a national team (28 slots):
// adding, changing and deleting a player, the starting eleven, the abilities a position may
// have, a transfer between two clubs and the copy of a club player into his national team.
// Slots are counted from 0 here; screens show them from 1.
#include <string>
#include <vector>

#include "editor/baseeditor.h"

namespace tarvello {

// A club (indice = club number) or a national team (indice = country).
struct RefElenco {
    bool selecao = false;
    int indice = -1;
};

// One player as the player dialogs hold him (name in UTF-8).
struct TJogadorEditor {
    std::string nome;
    int posicao = 0;
    int pais = kBrasil;  // nationality; a national team's players have its country
    int idade = 25;
    int habilidade1 = 0;
    int habilidade2 = 0;
    bool estrela = false;
    bool titular = false;
};

constexpr int kIdadeMinima = 16;
constexpr int kIdadeMaxima = 42;
constexpr int kMaxTitulares = 11;
constexpr int kMaxNomeJogador = 30;

bool elencovalido(const BaseEditor& b, RefElenco r);  // a listed club, or a national team in use
int numslots(RefElenco r);                             // 25 or 28
int jogadoresnoelenco(const BaseEditor& b, RefElenco r);  // used slots
bool slotusado(const BaseEditor& b, RefElenco r, int slot);
TJogadorEditor jogadordoslot(const BaseEditor& b, RefElenco r, int slot);
// Used slots grouped by position 0..4, each group in slot order: the squad list's rows.
std::vector<int> ordemelenco(const BaseEditor& b, RefElenco r);
int contatitulares(const BaseEditor& b, RefElenco r);
// "Você já tem 25 jogadores no time" (28 for a national team) when no slot is free, else "".
std::string elencocheio(const BaseEditor& b, RefElenco r);

// Abilities a position may hold: 0..3 for a goalkeeper, 4..13 for the others. The dialogs'
// lists show them as items 0..n-1.
int numitenshabilidade(int posicao);
int habilidadedoitem(int posicao, int item);      // -1 when the item is not in the list
int itemdahabilidade(int posicao, int habilidade);  // -1 when the ability is not the position's
// "Colocação" when both are equal, else the two abbreviations joined by "/".
std::string textocaracteristicas(int habilidade1, int habilidade2);
int limitaidade(int idade);  // 16..42

// The nationality the add-player dialog starts on.
int paisinicialjogador(const BaseEditor& b);

// "Adicionar jogador": the first free slot receives the player (not a starter). Refused with
// "Nome do jogador em Branco" for an empty name, when the squad is full, or when an ability
// is not one of the position's. `slot` receives the slot used.
std::string adicionajogador(BaseEditor& b, RefElenco r, const TJogadorEditor& j, int* slot = nullptr);
// "Editar jogador": stores the name when not empty, and everything else always.
std::string editajogador(BaseEditor& b, RefElenco r, int slot, const TJogadorEditor& j);
// Frees the slot.
std::string excluijogador(BaseEditor& b, RefElenco r, int slot);
// A starter becomes a non-starter; a non-starter becomes a starter only while fewer than 11
// are. `mudou` tells whether anything changed (nothing is written otherwise).
std::string alternatitular(BaseEditor& b, RefElenco r, int slot, bool* mudou = nullptr);
// One year older (never beyond 42), written at once.
std::string envelhecejogador(BaseEditor& b, int clube, int slot);

// Whether club `para` can take a player: a listed club other than `de` with a free slot.
bool podereceber(const BaseEditor& b, int de, int para);
// Moves the player of `slot` from club `de` to the first free slot of club `para`. Both files
// are prepared before either is replaced, and a failure to replace the second puts the first
// back, so the player is never in both squads nor in neither, on disk or in memory.
std::string transferejogador(BaseEditor& b, int slot, int de, int para);

enum class ResultadoCopia { Copiado, SemSelecao, SelecaoCheia, JaConvocado, Falhou };
// Copies the club player into the national team of his nationality: nothing when that team is
// not in use, is full (28 used slots) or already holds a player of that name. The copy is not
// a starter. `erro` receives the write error when the result is Falhou.
ResultadoCopia dragjogadorselecao(BaseEditor& b, int clube, int slot, std::string* erro = nullptr);

}  // namespace tarvello
