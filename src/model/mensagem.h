#pragma once
// An inbox message of a human-run club and the event types that post them.
#include <cstddef>
#include <cstdint>

namespace tarvello {

struct TMensagem {
    int32_t time;  // club the message belongs to; -1 once detached
    uint8_t reservado4[4];
    double data;        // day it was posted
    int32_t texto;      // 1..73
    int32_t remetente;  // 1 Diretoria, 2 Torcida, 3 the player, 4 Imprensa, 5 Dep. Médico
    int32_t assunto;    // 1..18
    int32_t jogador;    // 0 = none
    int32_t outro;      // a club (9/0, 12/0) or a second player (2/4); 0 otherwise
    int32_t valor;      // sale price (12/0)
    uint8_t lido;
    uint8_t pergunta;   // fine question of a suspension still unanswered
    uint8_t reservado42[6];
};
static_assert(sizeof(TMensagem) == 48);
static_assert(offsetof(TMensagem, time) == 0);
static_assert(offsetof(TMensagem, data) == 8);
static_assert(offsetof(TMensagem, texto) == 16);
static_assert(offsetof(TMensagem, remetente) == 20);
static_assert(offsetof(TMensagem, assunto) == 24);
static_assert(offsetof(TMensagem, jogador) == 28);
static_assert(offsetof(TMensagem, outro) == 32);
static_assert(offsetof(TMensagem, valor) == 36);
static_assert(offsetof(TMensagem, lido) == 40);
static_assert(offsetof(TMensagem, pergunta) == 41);

// Message event types (the kind completes them; see enviamensagem).
enum TipoMensagem : int {
    kMsgBoasVindas = 0,    // 0 new game, 1 taking over a club that invited the coach
    kMsgSuspensao = 1,     // kind = matches of suspension: 2, 3, 5, 10
    kMsgJogador = 2,       // 1 raise, 2 not playing, 4 fight, 5 fans' attack, 6 tired starter
    kMsgContusao = 3,      // kind = weeks out
    kMsgGoleada = 4,       // heavy defeat
    kMsgImprensa = 9,      // 0 a star joins a big club, 1 national-team rumours
    kMsgRacha = 11,        // a star splits the squad
    kMsgVenda = 12,        // a listed player sold
    kMsgContrato = 13,     // 0 ends in under 3 weeks, 1 ended
};

}  // namespace tarvello
