#pragma once
// The game-state block and the auxiliary tables a saved game stores byte for byte.
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/texto.h"

namespace tarvello {

// Human coaches share one computer; at most six.
constexpr int kMaxHumanos = 6;

// One national-team tournament's past editions by country, indexed by edition 0..49; entries
// below the tournament's edition counter are filled.
struct THistoricoTorneio {
    int32_t campeao[50];
    int32_t vice[50];
    int32_t terceiro[50];
    int32_t quarto[50];
    TString<25> tecnico[50];     // the champion's coach, by name: the copies are gone afterwards
    TString<25> artilheiro[50];  // the top scorer, by name for the same reason
    int32_t golsartilheiro[50];
    int32_t paisartilheiro[50];
};
static_assert(sizeof(THistoricoTorneio) == 3800);
static_assert(offsetof(THistoricoTorneio, tecnico) == 800);
static_assert(offsetof(THistoricoTorneio, artilheiro) == 2100);
static_assert(offsetof(THistoricoTorneio, golsartilheiro) == 3400);
static_assert(offsetof(THistoricoTorneio, paisartilheiro) == 3600);

// The national-team tournament of the season: its groups and participants (tournament-team
// indexes, that is the club records of the copies; -1 empty).
struct TTorneio {
    int32_t grupos[8][4];       // groups A..H, slots 1..4
    int32_t participantes[32];  // in draw order
    int32_t lado;               // side of the 4-team table used by the group rounds
    int32_t competicao;         // code 7, 8 or 9 of the tournament drawn; 0 none
    int32_t melhoresterceiros[2];  // Copa América: the two best third-placed teams
    int32_t encerrado;          // 1 once the final has been played and the edition recorded
    uint8_t reservado276[336 - 276];
};
static_assert(sizeof(TTorneio) == 336);
static_assert(offsetof(TTorneio, participantes) == 128);
static_assert(offsetof(TTorneio, lado) == 256);
static_assert(offsetof(TTorneio, competicao) == 260);
static_assert(offsetof(TTorneio, melhoresterceiros) == 264);
static_assert(offsetof(TTorneio, encerrado) == 272);

// One block of scalar state: dates, counters, set-up choices, options, competition phases.
struct TEstadoJogo {
    int32_t reservado0;
    int32_t numrelatorios;
    int32_t marcavalida;  // always 81
    int32_t timeatual;
    int32_t reservado16;
    int32_t tecnicoatual;
    int32_t timeshumanos[kMaxHumanos];
    int32_t numclubesliga;
    int32_t numclubesextras;
    uint8_t reservado56[8];
    int32_t rodadaliga;
    int32_t turnoliga;
    TString<50> nomeliga;
    uint8_t pad123;
    int32_t competicaoatual;
    TString<50> nomearquivo;
    uint8_t pad179;
    int32_t temporada;  // 1 = first; calendar year = 2007 + temporada
    int32_t paisprincipal;
    int32_t intervalohumano;
    int32_t intervalocomputador;
    int32_t salvarauto;
    uint8_t vertrocatecnicos;
    uint8_t verintervalo;
    uint8_t verpenalty;
    uint8_t cornalista;
    uint8_t som;
    uint8_t negrito;
    uint8_t salvarescalacao;
    uint8_t pad207;
    int32_t emails;
    int32_t cores[5];
    int32_t reservado232;
    int32_t verjogos[4];
    uint8_t renovacontrato;
    uint8_t ckcopa;
    uint8_t pad254[2];
    int32_t fasecopa;
    int32_t marcacopa;  // set to 1 at initialisation and at every rollover
    int32_t jogocopa;
    TString<30> nomecopa;
    uint8_t pad299;
    int32_t numtecnicoshumanos;
    int32_t timedotecnico[kMaxHumanos];
    int32_t sistemadisputa;  // 4 = divisions of 10 clubs, 2 = divisions of 20
    int32_t dataatual;       // 1..148
    uint8_t ckestadual;
    uint8_t ckinter;
    uint8_t ckinter3;
    uint8_t reservado339[4];
    uint8_t ckcopamundo;
    uint8_t ckeurocopa;
    uint8_t ckcopaamerica;
    uint8_t pad346[2];
    int32_t turnoestadual;
    int32_t faseestadual;
    int32_t reservado356;
    int32_t turnolib;
    int32_t faselib;
    int32_t jogolib;
    int32_t turnosul;
    int32_t fasesul;
    int32_t jogosul;
    int32_t fasemundial;
    uint8_t reservado388[4168 - 388];
    int32_t gruposlib1[8][4];
    int32_t gruposlib2[8][4];
    int32_t grupossul1[8][4];
    int32_t grupossul2[8][4];
    TTorneio torneio;
    int32_t numselecoestorneio;
    int32_t selecaoatual;
    int32_t selecaohumana[kMaxHumanos];
    int32_t fasetorneio;
    THistoricoTorneio historicotorneios[3];  // world cup, Copa América, Eurocopa
    int32_t reservado16452;
    int32_t edicoes[3];
    int32_t reservado16468;
    int32_t sede;
    int32_t potesforca[4][8];
    uint8_t marcatelafim;  // flag of the end-of-day and end-of-season screens
    TString<25> nometecnicosalvo;
    TString<25> nometimesalvo;
    uint8_t pad16657[3];
    int32_t numjogadoresantes;
    int32_t numclubesantes;
    uint8_t reservado16668;
    uint8_t gruposreais2006;
    uint8_t pad16670[2];
    int32_t arbitros[20];  // referee assignments of the current match day
};

static_assert(sizeof(TEstadoJogo) == 16752);
static_assert(offsetof(TEstadoJogo, numrelatorios) == 4);
static_assert(offsetof(TEstadoJogo, marcavalida) == 8);
static_assert(offsetof(TEstadoJogo, timeatual) == 12);
static_assert(offsetof(TEstadoJogo, tecnicoatual) == 20);
static_assert(offsetof(TEstadoJogo, timeshumanos) == 24);
static_assert(offsetof(TEstadoJogo, numclubesliga) == 48);
static_assert(offsetof(TEstadoJogo, numclubesextras) == 52);
static_assert(offsetof(TEstadoJogo, rodadaliga) == 64);
static_assert(offsetof(TEstadoJogo, turnoliga) == 68);
static_assert(offsetof(TEstadoJogo, nomeliga) == 72);
static_assert(offsetof(TEstadoJogo, competicaoatual) == 124);
static_assert(offsetof(TEstadoJogo, nomearquivo) == 128);
static_assert(offsetof(TEstadoJogo, temporada) == 180);
static_assert(offsetof(TEstadoJogo, paisprincipal) == 184);
static_assert(offsetof(TEstadoJogo, intervalohumano) == 188);
static_assert(offsetof(TEstadoJogo, intervalocomputador) == 192);
static_assert(offsetof(TEstadoJogo, salvarauto) == 196);
static_assert(offsetof(TEstadoJogo, vertrocatecnicos) == 200);
static_assert(offsetof(TEstadoJogo, verintervalo) == 201);
static_assert(offsetof(TEstadoJogo, verpenalty) == 202);
static_assert(offsetof(TEstadoJogo, cornalista) == 203);
static_assert(offsetof(TEstadoJogo, som) == 204);
static_assert(offsetof(TEstadoJogo, negrito) == 205);
static_assert(offsetof(TEstadoJogo, salvarescalacao) == 206);
static_assert(offsetof(TEstadoJogo, emails) == 208);
static_assert(offsetof(TEstadoJogo, cores) == 212);
static_assert(offsetof(TEstadoJogo, verjogos) == 236);
static_assert(offsetof(TEstadoJogo, renovacontrato) == 252);
static_assert(offsetof(TEstadoJogo, ckcopa) == 253);
static_assert(offsetof(TEstadoJogo, fasecopa) == 256);
static_assert(offsetof(TEstadoJogo, marcacopa) == 260);
static_assert(offsetof(TEstadoJogo, jogocopa) == 264);
static_assert(offsetof(TEstadoJogo, nomecopa) == 268);
static_assert(offsetof(TEstadoJogo, numtecnicoshumanos) == 300);
static_assert(offsetof(TEstadoJogo, timedotecnico) == 304);
static_assert(offsetof(TEstadoJogo, sistemadisputa) == 328);
static_assert(offsetof(TEstadoJogo, dataatual) == 332);
static_assert(offsetof(TEstadoJogo, ckestadual) == 336);
static_assert(offsetof(TEstadoJogo, ckinter) == 337);
static_assert(offsetof(TEstadoJogo, ckinter3) == 338);
static_assert(offsetof(TEstadoJogo, ckcopamundo) == 343);
static_assert(offsetof(TEstadoJogo, ckeurocopa) == 344);
static_assert(offsetof(TEstadoJogo, ckcopaamerica) == 345);
static_assert(offsetof(TEstadoJogo, turnoestadual) == 348);
static_assert(offsetof(TEstadoJogo, faseestadual) == 352);
static_assert(offsetof(TEstadoJogo, turnolib) == 360);
static_assert(offsetof(TEstadoJogo, faselib) == 364);
static_assert(offsetof(TEstadoJogo, jogolib) == 368);
static_assert(offsetof(TEstadoJogo, turnosul) == 372);
static_assert(offsetof(TEstadoJogo, fasesul) == 376);
static_assert(offsetof(TEstadoJogo, jogosul) == 380);
static_assert(offsetof(TEstadoJogo, fasemundial) == 384);
static_assert(offsetof(TEstadoJogo, gruposlib1) == 4168);
static_assert(offsetof(TEstadoJogo, gruposlib2) == 4296);
static_assert(offsetof(TEstadoJogo, grupossul1) == 4424);
static_assert(offsetof(TEstadoJogo, grupossul2) == 4552);
static_assert(offsetof(TEstadoJogo, torneio) == 4680);
static_assert(offsetof(TEstadoJogo, numselecoestorneio) == 5016);
static_assert(offsetof(TEstadoJogo, selecaoatual) == 5020);
static_assert(offsetof(TEstadoJogo, selecaohumana) == 5024);
static_assert(offsetof(TEstadoJogo, fasetorneio) == 5048);
static_assert(offsetof(TEstadoJogo, historicotorneios) == 5052);
static_assert(offsetof(TEstadoJogo, edicoes) == 16456);
static_assert(offsetof(TEstadoJogo, sede) == 16472);
static_assert(offsetof(TEstadoJogo, potesforca) == 16476);
static_assert(offsetof(TEstadoJogo, marcatelafim) == 16604);
static_assert(offsetof(TEstadoJogo, nometecnicosalvo) == 16605);
static_assert(offsetof(TEstadoJogo, nometimesalvo) == 16631);
static_assert(offsetof(TEstadoJogo, numjogadoresantes) == 16660);
static_assert(offsetof(TEstadoJogo, numclubesantes) == 16664);
static_assert(offsetof(TEstadoJogo, gruposreais2006) == 16669);
static_assert(offsetof(TEstadoJogo, arbitros) == 16672);

// League of one played country.
struct TLiga {
    int32_t times[4][20];  // per division 1..4 (index 0..3), slot 1..20 (index 0..19); -1 = empty
    int32_t pais;
    int32_t numdivisoes;
    int32_t numclubes;
    uint8_t temhumano;
    uint8_t pad333[3];
    int32_t classificacao[4][20];  // the divisions in table order
    uint8_t mostrarjogos;
    uint8_t pad657[3];
};
static_assert(sizeof(TLiga) == 660);
static_assert(offsetof(TLiga, pais) == 320);
static_assert(offsetof(TLiga, numdivisoes) == 324);
static_assert(offsetof(TLiga, numclubes) == 328);
static_assert(offsetof(TLiga, temhumano) == 332);
static_assert(offsetof(TLiga, classificacao) == 336);
static_assert(offsetof(TLiga, mostrarjogos) == 656);

// Brazilian state championship, one per state index.
struct TEstadual {
    int32_t grupos[5][6];  // groups 1..5 (index 0..4), slots 1..6; -1 = empty
    int32_t numgrupos;
    int32_t finalgols[4];  // winner leg 1, runner-up leg 1, winner leg 2, runner-up leg 2
    int32_t finalista1;
    int32_t finalista2;
    uint8_t temhumano;
    uint8_t temestadual;
    uint8_t jogouhoje;
    uint8_t pad151;
};
static_assert(sizeof(TEstadual) == 152);
static_assert(offsetof(TEstadual, numgrupos) == 120);
static_assert(offsetof(TEstadual, finalgols) == 124);
static_assert(offsetof(TEstadual, finalista1) == 140);
static_assert(offsetof(TEstadual, finalista2) == 144);
static_assert(offsetof(TEstadual, temhumano) == 148);
static_assert(offsetof(TEstadual, temestadual) == 149);
static_assert(offsetof(TEstadual, jogouhoje) == 150);

// A player's career numbers: entry 0 is the total, 1..10 the season slots.
struct THistoricoJogador {
    int32_t gols[11];
    int32_t partidas[11];
    int32_t amarelos[11];
    int32_t vermelhos[11];
    int32_t contusoes[11];
    int32_t clubes[10][3];  // per season slot, up to three clubs; -1 = none
};
static_assert(sizeof(THistoricoJogador) == 340);
static_assert(offsetof(THistoricoJogador, partidas) == 44);
static_assert(offsetof(THistoricoJogador, amarelos) == 88);
static_assert(offsetof(THistoricoJogador, vermelhos) == 132);
static_assert(offsetof(THistoricoJogador, contusoes) == 176);
static_assert(offsetof(THistoricoJogador, clubes) == 220);

// A club's money columns, same index as the club.
struct TFinancas {
    int32_t reservado0;
    int32_t salariosemanal;
    int32_t salarios;
    int32_t reservado12;
    int32_t ingressos;
    int32_t obrasestadio;
    int32_t vendas;
    int32_t compras;
    int32_t emprestimo;
    int32_t premios;
    int32_t juros;
    int32_t patrocinio;
    int32_t diversos;
    int32_t multas;
};
static_assert(sizeof(TFinancas) == 56);
static_assert(offsetof(TFinancas, salariosemanal) == 4);
static_assert(offsetof(TFinancas, ingressos) == 16);
static_assert(offsetof(TFinancas, emprestimo) == 32);
static_assert(offsetof(TFinancas, multas) == 52);

// A finished match, kept for the head-to-head history.
struct TConfronto {
    int32_t mandante;
    int32_t visitante;
    int32_t golsmandante;
    int32_t golsvisitante;
    int32_t temporada;
    int32_t competicao;
};
static_assert(sizeof(TConfronto) == 24);

// A player called up to a national team and the club he returns to.
struct TConvocacao {
    int32_t jogador;
    int32_t time;
};
static_assert(sizeof(TConvocacao) == 8);

struct THistoricoColocado {
    int32_t temporada, competicao, time, regiao, divisao, colocacao;
};
static_assert(sizeof(THistoricoColocado) == 24);

struct THistoricoTecnico {
    int32_t temporada, competicao, time, tecnico, divisao, colocacao, regiao;
};
static_assert(sizeof(THistoricoTecnico) == 28);

struct THistoricoArtilheiro {
    int32_t temporada, competicao, time, jogador, divisao, gols, regiao;
};
static_assert(sizeof(THistoricoArtilheiro) == 28);

struct TResultadoClube {
    int32_t time, temporada, competicao, colocacao, grupo;
};
static_assert(sizeof(TResultadoClube) == 20);

// State champions of one season, by state index (a row per season; row 0 is never filled).
struct TCampeoesEstaduais {
    int32_t campeao[27];
    int32_t vice[27];
    int32_t tecnico[27];
    int32_t artilheiro[27][3];  // player, his club, goals
};
static_assert(sizeof(TCampeoesEstaduais) == 648);
static_assert(offsetof(TCampeoesEstaduais, vice) == 108);
static_assert(offsetof(TCampeoesEstaduais, tecnico) == 216);
static_assert(offsetof(TCampeoesEstaduais, artilheiro) == 324);

// Records whose contents are given by subsystems not built yet: carried unchanged through
// the saved game until their owners give them fields.
template <size_t N>
struct TRegistroBruto {
    uint8_t bytes[N];
};

// Default ticket prices: row = division 0..4, one price per stadium sector.
using TPrecosPadrao = std::array<std::array<int32_t, 4>, 5>;
// Prices of a new game; row 4 only exists in the system of four divisions of 10.
TPrecosPadrao precospadraoiniciais(int sistemadisputa);

}  // namespace tarvello
