#pragma once
// The world's three core records, byte for byte as the team files and the saved game hold them.
#include <bit>
#include <cstddef>
#include <cstdint>

#include "model/texto.h"

namespace tarvello {

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");

// Competition codes index every per-competition array.
enum Competicao : int {
    kSemJogos = -1,
    kAmistoso = 0,
    kLiga = 1,
    kCopaNacional = 2,
    kEstadual = 3,
    kContinental1 = 4,
    kMundialClubes = 5,
    kContinental2 = 6,
    kCopaMundo = 7,
    kCopaAmerica = 8,
    kEurocopa = 9,
};
constexpr int kNumCompeticoes = 10;

// Every field sits at its natural alignment, so no packing is needed; the asserts below prove it.

struct TJogador {
    TString<20> nome;
    uint8_t estrela;
    uint8_t pad22[2];
    int32_t idade;
    int32_t pais;
    int32_t time;
    int32_t posicaooriginal;
    int32_t posicao;
    int32_t forca;
    int32_t salario;
    int32_t passe;
    int32_t precovenda;
    int32_t escalacao;  // 0 not selected, 1 starter, 2 reserve
    int32_t numero;
    int32_t funcao;
    int32_t habilidade1;
    int32_t habilidade2;
    double contusaoate;
    double contratoate;
    int32_t energia;
    uint8_t jogounapartida;
    uint8_t avenda;
    uint8_t pad102[2];
    float nota;
    float evolucao;
    uint8_t reaproveitado;  // cleared when the entry is reused for a new player
    uint8_t soproximojogo;
    uint8_t jogouhoje;
    uint8_t pad115;
    int32_t cartoespartida;
    int32_t amarelos[kNumCompeticoes];
    int32_t suspensao[kNumCompeticoes];
    int32_t gols[kNumCompeticoes];
    int32_t partidas[kNumCompeticoes];
    int32_t historico;
    int32_t moral;
    int32_t semjogar;
    uint8_t reclamou;
    uint8_t pad293[3];
    int32_t contadorcontrato;
    uint8_t marcacontrato;
    uint8_t escaladocansado;  // a starter with energy below 15 was fielded
    uint8_t pad302[2];
    int32_t moralvolta;
    int32_t avisocontrato;  // 0 none, 1 ending soon, 2 ended, 3 the player complained of having none
    uint8_t emprestado;
    uint8_t pad313[7];
};

struct TTime {
    TString<25> nome;
    TString<30> escudo;
    uint8_t humano;
    uint8_t pad58[2];
    int32_t pais;
    int32_t estado;
    int32_t tecnico;
    int32_t dinheiro;
    int32_t confiancadiretoria;
    int32_t confiancatorcida;
    int32_t vagagruposelecao;  // slot of a national team within its tournament group
    int32_t linhaescalacao;
    int32_t numjogadores;
    int32_t numporposicao[5];
    int32_t divisao;
    int32_t grupoestadual;
    int32_t grupolib;
    int32_t gruposul;
    int32_t grupotorneio;  // tournament group of a national team
    int32_t nivel;
    int32_t reservado140;
    int32_t disponiveis;
    int32_t capitao;
    int32_t cobradorfaltas;
    int32_t corfundo;
    int32_t cortexto;
    int32_t pontos[kNumCompeticoes];
    int32_t jogos[kNumCompeticoes];
    int32_t vitorias[kNumCompeticoes];
    int32_t derrotas[kNumCompeticoes];
    int32_t golspro[kNumCompeticoes];
    int32_t golscontra[kNumCompeticoes];
    int32_t colocacoes[kNumCompeticoes];
    int32_t ultimoresultado;
    TString<30> estadio;
    uint8_t pad479;
    int32_t reservado480;
    int32_t precoingresso[4];
    int32_t capacidade[4];
    uint8_t nacopa;
    uint8_t notorneio;
    uint8_t noestadual;
    uint8_t nalib;
    uint8_t nasul;
    uint8_t nomundial;
    uint8_t pad522[2];
    int32_t esquema;
    int32_t estilo;
    int32_t marcacao;
    int32_t concentraataques;
    int32_t moraltime;
    int32_t moralvoltatime;
    int32_t reservado548;
    int32_t notaderrota;
    int32_t titulosestaduais;
    int32_t totaiscompeticao[6][3];
    int32_t pontosranking[6];
};

struct TTecnico {
    TString<25> nome;
    uint8_t pad26[2];
    int32_t time;
    int32_t ultimotime;
    int32_t divisao;
    int32_t pontosranking;
    int32_t pontosrankingsemestadual;
    uint8_t ofertaano;
    uint8_t humano;
    uint8_t pad50[2];
    int32_t carencia;
    uint8_t convidadoselecao;
    uint8_t pad57[3];
    int32_t pais;
    uint8_t empregado;
    uint8_t pad65[3];
    int32_t jogos[11];
    int32_t vitorias[11];
    int32_t derrotas[11];
    int32_t pontosporano[11];
    int32_t titulos[11];
    int32_t clubes[10][3];
    int32_t conquistas[13];
};


static_assert(sizeof(TJogador) == 320);
static_assert(offsetof(TJogador, nome) == 0);
static_assert(offsetof(TJogador, estrela) == 21);
static_assert(offsetof(TJogador, idade) == 24);
static_assert(offsetof(TJogador, pais) == 28);
static_assert(offsetof(TJogador, time) == 32);
static_assert(offsetof(TJogador, posicaooriginal) == 36);
static_assert(offsetof(TJogador, posicao) == 40);
static_assert(offsetof(TJogador, forca) == 44);
static_assert(offsetof(TJogador, salario) == 48);
static_assert(offsetof(TJogador, passe) == 52);
static_assert(offsetof(TJogador, precovenda) == 56);
static_assert(offsetof(TJogador, escalacao) == 60);
static_assert(offsetof(TJogador, numero) == 64);
static_assert(offsetof(TJogador, funcao) == 68);
static_assert(offsetof(TJogador, habilidade1) == 72);
static_assert(offsetof(TJogador, habilidade2) == 76);
static_assert(offsetof(TJogador, contusaoate) == 80);
static_assert(offsetof(TJogador, contratoate) == 88);
static_assert(offsetof(TJogador, energia) == 96);
static_assert(offsetof(TJogador, jogounapartida) == 100);
static_assert(offsetof(TJogador, avenda) == 101);
static_assert(offsetof(TJogador, nota) == 104);
static_assert(offsetof(TJogador, evolucao) == 108);
static_assert(offsetof(TJogador, reaproveitado) == 112);
static_assert(offsetof(TJogador, soproximojogo) == 113);
static_assert(offsetof(TJogador, jogouhoje) == 114);
static_assert(offsetof(TJogador, cartoespartida) == 116);
static_assert(offsetof(TJogador, amarelos) == 120);
static_assert(offsetof(TJogador, suspensao) == 160);
static_assert(offsetof(TJogador, gols) == 200);
static_assert(offsetof(TJogador, partidas) == 240);
static_assert(offsetof(TJogador, historico) == 280);
static_assert(offsetof(TJogador, moral) == 284);
static_assert(offsetof(TJogador, semjogar) == 288);
static_assert(offsetof(TJogador, reclamou) == 292);
static_assert(offsetof(TJogador, contadorcontrato) == 296);
static_assert(offsetof(TJogador, marcacontrato) == 300);
static_assert(offsetof(TJogador, escaladocansado) == 301);
static_assert(offsetof(TJogador, moralvolta) == 304);
static_assert(offsetof(TJogador, avisocontrato) == 308);
static_assert(offsetof(TJogador, emprestado) == 312);

static_assert(sizeof(TTime) == 656);
static_assert(offsetof(TTime, nome) == 0);
static_assert(offsetof(TTime, escudo) == 26);
static_assert(offsetof(TTime, humano) == 57);
static_assert(offsetof(TTime, pais) == 60);
static_assert(offsetof(TTime, estado) == 64);
static_assert(offsetof(TTime, tecnico) == 68);
static_assert(offsetof(TTime, dinheiro) == 72);
static_assert(offsetof(TTime, confiancadiretoria) == 76);
static_assert(offsetof(TTime, confiancatorcida) == 80);
static_assert(offsetof(TTime, vagagruposelecao) == 84);
static_assert(offsetof(TTime, linhaescalacao) == 88);
static_assert(offsetof(TTime, numjogadores) == 92);
static_assert(offsetof(TTime, numporposicao) == 96);
static_assert(offsetof(TTime, divisao) == 116);
static_assert(offsetof(TTime, grupoestadual) == 120);
static_assert(offsetof(TTime, grupolib) == 124);
static_assert(offsetof(TTime, gruposul) == 128);
static_assert(offsetof(TTime, grupotorneio) == 132);
static_assert(offsetof(TTime, nivel) == 136);
static_assert(offsetof(TTime, reservado140) == 140);
static_assert(offsetof(TTime, disponiveis) == 144);
static_assert(offsetof(TTime, capitao) == 148);
static_assert(offsetof(TTime, cobradorfaltas) == 152);
static_assert(offsetof(TTime, corfundo) == 156);
static_assert(offsetof(TTime, cortexto) == 160);
static_assert(offsetof(TTime, pontos) == 164);
static_assert(offsetof(TTime, jogos) == 204);
static_assert(offsetof(TTime, vitorias) == 244);
static_assert(offsetof(TTime, derrotas) == 284);
static_assert(offsetof(TTime, golspro) == 324);
static_assert(offsetof(TTime, golscontra) == 364);
static_assert(offsetof(TTime, colocacoes) == 404);
static_assert(offsetof(TTime, ultimoresultado) == 444);
static_assert(offsetof(TTime, estadio) == 448);
static_assert(offsetof(TTime, reservado480) == 480);
static_assert(offsetof(TTime, precoingresso) == 484);
static_assert(offsetof(TTime, capacidade) == 500);
static_assert(offsetof(TTime, nacopa) == 516);
static_assert(offsetof(TTime, notorneio) == 517);
static_assert(offsetof(TTime, noestadual) == 518);
static_assert(offsetof(TTime, nalib) == 519);
static_assert(offsetof(TTime, nasul) == 520);
static_assert(offsetof(TTime, nomundial) == 521);
static_assert(offsetof(TTime, esquema) == 524);
static_assert(offsetof(TTime, estilo) == 528);
static_assert(offsetof(TTime, marcacao) == 532);
static_assert(offsetof(TTime, concentraataques) == 536);
static_assert(offsetof(TTime, moraltime) == 540);
static_assert(offsetof(TTime, moralvoltatime) == 544);
static_assert(offsetof(TTime, reservado548) == 548);
static_assert(offsetof(TTime, notaderrota) == 552);
static_assert(offsetof(TTime, titulosestaduais) == 556);
static_assert(offsetof(TTime, totaiscompeticao) == 560);
static_assert(offsetof(TTime, pontosranking) == 632);

static_assert(sizeof(TTecnico) == 460);
static_assert(offsetof(TTecnico, nome) == 0);
static_assert(offsetof(TTecnico, time) == 28);
static_assert(offsetof(TTecnico, ultimotime) == 32);
static_assert(offsetof(TTecnico, divisao) == 36);
static_assert(offsetof(TTecnico, pontosranking) == 40);
static_assert(offsetof(TTecnico, pontosrankingsemestadual) == 44);
static_assert(offsetof(TTecnico, ofertaano) == 48);
static_assert(offsetof(TTecnico, humano) == 49);
static_assert(offsetof(TTecnico, carencia) == 52);
static_assert(offsetof(TTecnico, convidadoselecao) == 56);
static_assert(offsetof(TTecnico, pais) == 60);
static_assert(offsetof(TTecnico, empregado) == 64);
static_assert(offsetof(TTecnico, jogos) == 68);
static_assert(offsetof(TTecnico, vitorias) == 112);
static_assert(offsetof(TTecnico, derrotas) == 156);
static_assert(offsetof(TTecnico, pontosporano) == 200);
static_assert(offsetof(TTecnico, titulos) == 244);
static_assert(offsetof(TTecnico, clubes) == 288);
static_assert(offsetof(TTecnico, conquistas) == 408);

}  // namespace tarvello
