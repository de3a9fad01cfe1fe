#pragma once
// The season's match list and calendar records.
#include <cstddef>
#include <cstdint>

namespace tarvello {

constexpr int kNumDatas = 148;

// One date of the season and the competition played on it (-1 none).
struct TDiaCalendario {
    int32_t numero;  // 1..148
    double data;     // day number
    int32_t competicao;
};

// One scheduled match. Knock-out entries keep both clubs at -1 until they are known.
struct TPartida {
    int32_t mandante;
    int32_t visitante;
    int32_t golsmandante;
    int32_t golsvisitante;
    int32_t penaltismandante;  // a two-legged tie keeps its shoot-out in the first-leg entry
    int32_t penaltisvisitante;
    int32_t competicao;
    int32_t rodada;  // round; or the phase of a knock-out match; -1 for friendlies
    int32_t turno;   // half; leg of continental ties and state finals; tie number in the national cup
    int32_t chave;   // national cup bracket slot, -1 otherwise
    int32_t reservado40;
    uint8_t jogado;
    uint8_t pad45[3];
    double data;
    int32_t liga;  // league, state or confederation index; -1 for friendlies
    int32_t renda;
    int32_t publico;
    int32_t reservado68;
};
static_assert(sizeof(TPartida) == 72);
static_assert(offsetof(TPartida, penaltismandante) == 16);
static_assert(offsetof(TPartida, competicao) == 24);
static_assert(offsetof(TPartida, rodada) == 28);
static_assert(offsetof(TPartida, turno) == 32);
static_assert(offsetof(TPartida, chave) == 36);
static_assert(offsetof(TPartida, jogado) == 44);
static_assert(offsetof(TPartida, data) == 48);
static_assert(offsetof(TPartida, liga) == 56);
static_assert(offsetof(TPartida, renda) == 60);
static_assert(offsetof(TPartida, publico) == 64);

}  // namespace tarvello
