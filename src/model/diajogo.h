#pragma once
// The live data of one match day: line-up rows, the matches on the screen and their event log.
// It lives from the set-up of the day until the results screen is left.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/texto.h"

namespace tarvello {

struct Mundo;
class Interacao;

constexpr int kMaxJogosTela = 30;
constexpr int kMaxGolsLista = 16;
constexpr int kMaxSaidasLista = 5;  // players taken off per side (5 in friendlies)

// A club's line-up for the day. Slots are numbered from 1 as the rules name them:
// 1..11 the eleven (11 is the goalkeeper's), 12..15 players on the pitch per position 1..4,
// 16..18 defence, midfield and attack line counts, 19..25 the bench (0 = empty).
struct TEscalacao {
    int32_t v[26];

    int32_t& operator[](int slot) { return v[slot - 1]; }
    int32_t operator[](int slot) const { return v[slot - 1]; }
};
static_assert(sizeof(TEscalacao) == 104);

constexpr int kSlotGoleiro = 11;
constexpr int kSlotContaPosicao = 11;  // + position 1..4
constexpr int kSlotDefesa = 16;
constexpr int kSlotMeio = 17;
constexpr int kSlotAtaque = 18;
constexpr int kPrimeiroBanco = 19;
constexpr int kUltimoBanco = 25;

enum TipoEvento : int32_t {
    kEvVermelhoDireto = 1,
    kEvAmarelo = 2,
    kEvContusao = 3,
    kEvGol = 5,
    kEvSegundoAmarelo = 6,
    kEvSubstituicao = 7,
    kEvGolContra = 11,
    kEvGolPenalti = 12,
    kEvGolFalta = 13,
};

struct TEventoPartida {
    int32_t tipo;
    int32_t time;
    int32_t jogador;
    int32_t extra;   // goals -1; second yellow: the minute; substitution: the player who came on
    int32_t minuto;  // 0..90 plus added time
    int32_t partida; // match slot 1..30
};
static_assert(sizeof(TEventoPartida) == 24);
static_assert(offsetof(TEventoPartida, minuto) == 16);
static_assert(offsetof(TEventoPartida, partida) == 20);

struct TGolLista {
    int32_t time;
    int32_t jogador;
    int32_t minuto;
    int32_t reservado;
};

struct TSaidaLista {
    int32_t jogador;
    int32_t minuto;
};

// One match on the match-day screen. Side 1 is the home club, side 2 the away club; every
// two-entry array is indexed by side - 1.
struct TJogos {
    int32_t divisao = 0;
    int32_t mandante = -1;
    int32_t visitante = -1;
    int32_t escalacaomandante = -1;
    int32_t escalacaovisitante = -1;
    int32_t substituicoes[2] = {3, 3};
    int32_t arbitro = 0;  // 1..42, 0 = none
    int32_t renda = 0;
    int32_t publico = 0;
    int32_t publicosetor[4] = {};
    TString<30> estadio{};
    uint8_t penaltiusado[2] = {};
    int32_t gols[2] = {};
    TGolLista listagols[kMaxGolsLista] = {};
    int32_t numgols = 0;  // entries used in listagols
    TSaidaLista substituidos[2][kMaxSaidasLista] = {};
    int32_t nsubstituidos[2] = {};
    int32_t posse[2] = {};
    int32_t finalizacoes[2] = {};
    int32_t roubadasbola[2] = {};
    int32_t passeserrados[2] = {};
    int32_t faltas[2] = {};
    int32_t ataques[2] = {};
    int32_t titularesmandante[11] = {};
    int32_t titularesvisitante[11] = {};
    uint8_t decididopenaltis = 0;
    int32_t penaltis[2] = {};
    int32_t indicepartida = -1;
    int32_t acrescimos[2] = {};
    // Players sent off, so that no substitution can bring a side back to eleven.
    int32_t expulsos[2][11] = {};
    int32_t nexpulsos[2] = {};

    int time(int lado) const { return lado == 1 ? mandante : visitante; }
    bool expulso(int lado, int jogador) const {
        for (int i = 0; i < nexpulsos[lado - 1]; ++i)
            if (expulsos[lado - 1][i] == jogador) return true;
        return false;
    }
    int escalacao(int lado) const { return lado == 1 ? escalacaomandante : escalacaovisitante; }
};

// Where the match-day driver stands within the day.
struct TControleDia {
    int tipo = -1;               // competition kind of the day
    std::vector<int> grupos;     // leagues, states or confederations in play order; {-1}: one group
    int grupo = -1;              // position in `grupos` of the group being played
    std::vector<int> pendentes;  // matches of the group not yet on a screen (a screen holds 30)
    bool mostrado = false;       // the group on screen is watched minute by minute
    bool encerrado = false;      // every group played and the kind's progress step done
};

// What the minute asks of a side's eleven, taken in one pass over the players on the pitch.
struct TResumoLado {
    int forca[5] = {};       // line strength per effective position (see forcasetor)
    int energia = 0;         // average energy (see energiamedia)
    int funcoes[5][3] = {};  // players per current position and role (see contafuncao)
    int setor(int posicao) const { return posicao >= 0 && posicao <= 4 ? forca[posicao] : 0; }
    int comfuncao(int posicao, int funcao) const {
        return posicao >= 0 && posicao <= 4 && funcao >= 0 && funcao <= 2 ? funcoes[posicao][funcao] : 0;
    }
    bool operator==(const TResumoLado&) const = default;
};

// State of the match-day screen shared by the simulation operations.
struct TDiaJogo {
    // Today's date, remembered for the many availability tests of a minute and refreshed
    // whenever the current date changes (see hojedodia).
    mutable double hoje = 0;
    mutable int32_t temporadahoje = -1;
    mutable int32_t datahoje = -1;
    // Per player: on the pitch now (entered, not injured, not sent off, available for the day).
    // Kept by the operations that put players in and take them off, so the minute never
    // re-derives it; rebuilt whole when the player table changes length.
    mutable std::vector<uint8_t> emcampo;
    // Per club: its side summary, valid while nothing on its pitch has changed. Forgotten by
    // every operation that changes a player on the pitch (in or out, energy, position), and
    // wholly around every watched minute and every instant day, since a screen or a test may
    // change a line-up between them; outside them nothing is kept.
    mutable std::vector<TResumoLado> resumos;
    mutable std::vector<uint8_t> resumovalido;
    bool guardaresumos = false;  // set only while minutes are being played
    int32_t campeaoliga = -1; // latest first-division champion of the league on screen, -1 none
    std::vector<TEscalacao> escalacoes;
    std::vector<TJogos> jogos;  // match slot i is jogos[i - 1]
    int32_t minuto = 0;         // minute of the half 0..51
    int32_t tempo = 1;          // half 1 or 2
    bool instantaneo = false;
    bool semcontusoes = false;  // state-championship variant of the instant mode
    int32_t minutoabsoluto = 0; // 1..90 in instant mode
    std::vector<int> slotshumanos;
    int32_t energiamandante = 0;
    int32_t energiavisitante = 0;
    std::vector<TEventoPartida> eventos;
    // The in-match penalty draw; the minute calls it for every live match whose two sides have
    // not both had their penalty. Empty until penalties are played.
    std::function<void(Mundo&, Interacao&, int jogo)> sorteiopenalti;
};

}  // namespace tarvello
