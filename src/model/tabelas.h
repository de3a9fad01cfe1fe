#pragma once
// Lists a game accumulates beside the world tables: transfers, loans, stadium works,
// friendlies, match reports, knock-out ties and coach hirings. Each record has the byte layout
// it has in the saved game, so it is written and read as it stands.
#include <cstddef>
#include <cstdint>

#include "model/texto.h"

namespace tarvello {

// A completed transfer (a loan bought out is one too, at price 0 for the loan itself).
struct TTransferencia {
    int32_t jogador;
    int32_t temporada;
    int32_t origem;
    int32_t destino;
    int32_t preco;
};
static_assert(sizeof(TTransferencia) == 20);

// A loan; appended and never removed. Active while `jogador` >= 0, -1 once settled.
struct TEmprestimo {
    int32_t jogador;
    int32_t reservado4;
    double dataretorno;
    int32_t timeorigem;
    int32_t reservado20;
};
static_assert(sizeof(TEmprestimo) == 24);
static_assert(offsetof(TEmprestimo, dataretorno) == 8);
static_assert(offsetof(TEmprestimo, timeorigem) == 16);

// A stadium expansion; appended and never removed.
struct TObra {
    int32_t time;
    int32_t reservado4;
    double datafim;
    int32_t acrescimo[4];  // seats added per sector 1..4
    uint8_t emandamento;   // 1 while in progress, 0 once applied
    uint8_t reservado33[7];
};
static_assert(sizeof(TObra) == 40);
static_assert(offsetof(TObra, datafim) == 8);
static_assert(offsetof(TObra, acrescimo) == 16);
static_assert(offsetof(TObra, emandamento) == 32);

// A booked friendly; the list is emptied at every season change.
struct TAmistoso {
    int32_t mandante;   // -1 once cancelled
    int32_t visitante;  // -1 once cancelled
    uint8_t jogado;     // 1 once played or cancelled
    uint8_t reservado9[7];
    double data;
};
static_assert(sizeof(TAmistoso) == 24);
static_assert(offsetof(TAmistoso, jogado) == 8);
static_assert(offsetof(TAmistoso, data) == 16);

// A player's rating in a report: the rating, then four unused bytes.
struct TNotaRelatorio {
    float nota;
    uint8_t reservado[4];
};
static_assert(sizeof(TNotaRelatorio) == 8);

// What is kept of a finished match for the report screens.
struct TRelatorioPartida {
    int32_t mandante;
    int32_t visitante;
    int32_t golsmandante;
    int32_t golsvisitante;
    int32_t renda;
    int32_t publico;
    int32_t publicosetor[4];
    int32_t substituicoes[2];  // home, away
    int32_t competicao;
    int32_t rodada;
    int32_t turno;
    int32_t grupo;
    double data;
    uint8_t decididopenaltis;
    uint8_t reservado73[3];
    int32_t penaltismandante;
    int32_t penaltisvisitante;
    int32_t onzemandante[11];
    int32_t onzevisitante[11];
    TNotaRelatorio notasmandante[11];
    TNotaRelatorio notasvisitante[11];
    int32_t saidasmandante[11];  // players taken off, entries 0..2 used
    int32_t saidasvisitante[11];
    float notassaidasmandante[11];
    float notassaidasvisitante[11];
    // possession, "Roubadas bola", "Finalizações", "Passes errados", "Faltas cometidas",
    // attacks past the defence
    int32_t estatisticasmandante[6];
    int32_t estatisticasvisitante[6];
    int32_t estilo[2];
    int32_t concentraataques[2];
    int32_t marcacao[2];
    uint8_t reservado596[4];
};
static_assert(sizeof(TRelatorioPartida) == 600);
static_assert(offsetof(TRelatorioPartida, data) == 64);
static_assert(offsetof(TRelatorioPartida, decididopenaltis) == 72);
static_assert(offsetof(TRelatorioPartida, onzemandante) == 84);
static_assert(offsetof(TRelatorioPartida, notasmandante) == 172);
static_assert(offsetof(TRelatorioPartida, notasvisitante) == 260);
static_assert(offsetof(TRelatorioPartida, saidasmandante) == 348);
static_assert(offsetof(TRelatorioPartida, notassaidasmandante) == 436);
static_assert(offsetof(TRelatorioPartida, estatisticasmandante) == 524);
static_assert(offsetof(TRelatorioPartida, estilo) == 572);
static_assert(offsetof(TRelatorioPartida, marcacao) == 588);

// A knock-out tie of the club world cup (six records) or of a national-team tournament (16).
#pragma pack(push, 1)
struct TJogoChave {
    int32_t clube1;
    int32_t clube2;
    int32_t gols1;
    int32_t gols2;
    int32_t reservado16[2];
    int32_t vencedor;  // -1 until played
    TString<16> resultado;
    uint8_t reservado45[3];
};
#pragma pack(pop)
static_assert(sizeof(TJogoChave) == 48);
static_assert(offsetof(TJogoChave, vencedor) == 24);
static_assert(offsetof(TJogoChave, resultado) == 28);

// A coach hired by a club in a season.
struct TContratacaoTecnico {
    int32_t tecnico;
    int32_t temporada;
    int32_t time;
};
static_assert(sizeof(TContratacaoTecnico) == 12);

}  // namespace tarvello
