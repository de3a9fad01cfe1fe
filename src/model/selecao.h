#pragma once
// National-team record: one per national-team file, stored in the file and in the saved game
// exactly as it lies in memory.
#include <cstddef>
#include <cstdint>

#include "model/texto.h"

namespace tarvello {

constexpr int kMaxJogadoresSelecao = 28;

struct TSelecao {
    int32_t pais;          // country index; equals the number in the file name
    int32_t confederacao;  // recomputed at load from the country, whatever the file holds
    TString<30> escudo;    // crest; empty = none
    TString<30> tecnico;   // empty coach name = record not in use
    uint8_t pad70[2];
    int32_t nivel;  // 1..25
    uint8_t valido;
    uint8_t pad77[3];
    int32_t cortexto;  // note: text colour first here, background first in a club file
    int32_t corfundo;
    int32_t numjogadores;  // used player slots 0..28
    TString<35> nome[kMaxJogadoresSelecao];
    int32_t idade[kMaxJogadoresSelecao];
    int32_t posicao[kMaxJogadoresSelecao];
    int32_t escalacao[kMaxJogadoresSelecao];
    int32_t habilidade1[kMaxJogadoresSelecao];
    int32_t habilidade2[kMaxJogadoresSelecao];
    uint8_t estrela[kMaxJogadoresSelecao];
};

static_assert(sizeof(TSelecao) == 1688);
static_assert(offsetof(TSelecao, pais) == 0);
static_assert(offsetof(TSelecao, confederacao) == 4);
static_assert(offsetof(TSelecao, escudo) == 8);
static_assert(offsetof(TSelecao, tecnico) == 39);
static_assert(offsetof(TSelecao, nivel) == 72);
static_assert(offsetof(TSelecao, valido) == 76);
static_assert(offsetof(TSelecao, cortexto) == 80);
static_assert(offsetof(TSelecao, corfundo) == 84);
static_assert(offsetof(TSelecao, numjogadores) == 88);
static_assert(offsetof(TSelecao, nome) == 92);
static_assert(offsetof(TSelecao, idade) == 1100);
static_assert(offsetof(TSelecao, posicao) == 1212);
static_assert(offsetof(TSelecao, escalacao) == 1324);
static_assert(offsetof(TSelecao, habilidade1) == 1436);
static_assert(offsetof(TSelecao, habilidade2) == 1548);
static_assert(offsetof(TSelecao, estrela) == 1660);

}  // namespace tarvello
