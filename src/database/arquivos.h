#pragma once
// Club files ("teams/*.b08", 1263 bytes) and national-team files ("teams/selecoes/<pais>.s05",
// 1692 bytes): byte-exact records, readers that never trust what they read, and the two writers.
//
// Paths: every function takes the data folder (the folder holding "teams/") or a file path.
// Names stored in the files are Windows-1252; file names on disk are UTF-8.
//
// A file is damaged, and refused by the safe readers with the reason, when its length is not
// exactly 1263 (club) or 1692 (national team), when it cannot be read, when it is not a regular
// file, when a text's length byte is above the field's capacity (the bytes are not what the
// writer meant, so an empty slot could turn into a player), or when its country is not one.
// A national-team file is also refused when its `pais` differs from the number of its name.
//
// Reading comes in two flavours:
//  - lerclube / lerselecao / lerresumo(s): the record with every value made safe to use as an
//    index (see "Repairs" below). This is what the game loads.
//  - lerclubebruto / lerselecaobruta: the bytes exactly as stored, for round trips. Do not use
//    their values as indexes without calling saneiaclube / saneiaselecao.
//
// Repairs made by the safe readers (the file on disk is never touched):
//  - (saneiaclube / saneiaselecao only, as the safe readers refuse such files) string length
//    bytes above the field capacity are cut to the capacity;
//  - club `pais` above 202: the club is unusable (`valido` 0); `nivel` above 25 becomes 25;
//    `estado` outside 0..26 becomes kSemEstado (255, the editor's "no state");
//  - a used player slot whose position is outside 0..4 becomes a free slot (empty name);
//  - abilities above 13 become 0; a player nationality above 202 becomes the club's country;
//    star and starter bytes other than 0 become 1;
//  - club `valido` is 1 only when the file says 1 AND the squad really satisfies the rule
//    (1 goalkeeper and 11 others), so a file cannot claim a squad it does not have;
//  - national team: `pais` outside 0..201 rejects the file; `nivel` is clamped to 1..25;
//    ages are clamped to 0..99; `numjogadores` is the real count of used slots; `valido` is
//    recomputed by the rule (2 goalkeepers and 16 others); `confederacao` from the country.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/selecao.h"
#include "model/texto.h"

namespace tarvello {

constexpr int kMaxJogadoresClube = 25;
constexpr int kVersaoArquivo = 8;
constexpr int kTamanhoArquivoClube = 1263;
constexpr int kTamanhoArquivoSelecao = 1692;
constexpr uint8_t kSemEstado = 255;

#pragma pack(push, 1)
// Header of a club file (file offsets 4..183).
struct TCabecalhoClube {
    uint8_t pais;
    uint8_t valido;
    uint8_t versao;  // always 8
    uint8_t nivel;   // 0..25
    TString<25> nome;  // short name, used everywhere in the game
    TString<25> nomecompleto;
    TString<30> estadio;
    TString<25> arquivo;  // own file name without ".b08"
    TString<25> escudo;   // crest name without extension; empty = default crest
    TString<25> tecnico;
    uint8_t pad165[3];
    int32_t corfundo;  // 0x00BBGGRR
    int32_t cortexto;
    uint8_t estado;  // Brazilian state 0..26 (only for Brasil); 255 = none
    uint8_t pad177[3];
};

// Squad block of a club file (file offsets 188..1262): parallel arrays over the 25 slots.
struct TElencoClube {
    TString<35> nome[kMaxJogadoresClube];
    uint8_t estrela[kMaxJogadoresClube];
    uint8_t pais[kMaxJogadoresClube];
    uint8_t idade[kMaxJogadoresClube];
    uint8_t posicao[kMaxJogadoresClube];
    uint8_t status[kMaxJogadoresClube];  // 1 = in the starting eleven
    uint8_t habilidade1[kMaxJogadoresClube];
    uint8_t habilidade2[kMaxJogadoresClube];
};

// The first 81 header bytes, read on their own while the set-up screens are open. `arquivo`
// holds the directory-entry name (with ".b08"), whatever the file stored at that place.
struct TResumoClube {
    uint8_t pais;
    uint8_t valido;
    uint8_t versao;
    uint8_t nivel;
    TString<25> nome;
    TString<50> arquivo;
};
#pragma pack(pop)

static_assert(sizeof(TCabecalhoClube) == 180);
static_assert(offsetof(TCabecalhoClube, pais) == 0);
static_assert(offsetof(TCabecalhoClube, valido) == 1);
static_assert(offsetof(TCabecalhoClube, versao) == 2);
static_assert(offsetof(TCabecalhoClube, nivel) == 3);
static_assert(offsetof(TCabecalhoClube, nome) == 4);
static_assert(offsetof(TCabecalhoClube, nomecompleto) == 30);
static_assert(offsetof(TCabecalhoClube, estadio) == 56);
static_assert(offsetof(TCabecalhoClube, arquivo) == 87);
static_assert(offsetof(TCabecalhoClube, escudo) == 113);
static_assert(offsetof(TCabecalhoClube, tecnico) == 139);
static_assert(offsetof(TCabecalhoClube, corfundo) == 168);
static_assert(offsetof(TCabecalhoClube, cortexto) == 172);
static_assert(offsetof(TCabecalhoClube, estado) == 176);

static_assert(sizeof(TElencoClube) == 1075);
static_assert(offsetof(TElencoClube, nome) == 0);
static_assert(offsetof(TElencoClube, estrela) == 900);
static_assert(offsetof(TElencoClube, pais) == 925);
static_assert(offsetof(TElencoClube, idade) == 950);
static_assert(offsetof(TElencoClube, posicao) == 975);
static_assert(offsetof(TElencoClube, status) == 1000);
static_assert(offsetof(TElencoClube, habilidade1) == 1025);
static_assert(offsetof(TElencoClube, habilidade2) == 1050);

static_assert(sizeof(TResumoClube) == 81);
static_assert(offsetof(TResumoClube, nome) == 4);
static_assert(offsetof(TResumoClube, arquivo) == 30);

// One whole club file.
struct TArquivoClube {
    TCabecalhoClube cabecalho;
    TElencoClube elenco;
};

// A value, or the reason there is none (Portuguese text naming the file).
template <class T>
struct Lido {
    std::optional<T> valor;
    std::string erro;
    explicit operator bool() const { return valor.has_value(); }
    T& operator*() { return *valor; }
    const T& operator*() const { return *valor; }
    T* operator->() { return &*valor; }
    const T* operator->() const { return &*valor; }
};

// A summary with the real file name (UTF-8, with ".b08"), which may be longer than the
// 50 characters the summary's own field can hold.
struct TResumoLido {
    TResumoClube resumo;
    std::string arquivo;
};

// ---- Free slots and the validity rule ----

// Empty name, or the 5-byte placeholder "nome" + 0xF8.
bool slotlivre(const TString<35>& nome);
// Writes the placeholder into a name.
void marcaslotlivre(TString<35>& nome);
// At least 1 goalkeeper and 11 others among the used slots.
bool clubejogavel(const TElencoClube& e);
// At least 2 goalkeepers and 16 others among the used slots.
bool selecaojogavel(const TSelecao& s);
int slotsusados(const TElencoClube& e);
int slotsusados(const TSelecao& s);
// Usable by the game: `valido` set and version 8.
inline bool resumousavel(const TResumoClube& r) { return r.valido != 0 && r.versao == kVersaoArquivo; }
inline bool clubeusavel(const TCabecalhoClube& c) { return c.valido != 0 && c.versao == kVersaoArquivo; }

// ---- Decoding from memory (the file's whole content) ----

Lido<TArquivoClube> decodificaclubebruto(std::span<const uint8_t> bytes);
Lido<TSelecao> decodificaselecaobruta(std::span<const uint8_t> bytes);
// The safe readers' work on a whole file's content: the record, or why it is damaged.
Lido<TArquivoClube> decodificaclube(std::span<const uint8_t> bytes);
Lido<TSelecao> decodificaselecao(std::span<const uint8_t> bytes);
// Why a decoded record is damaged (see the top of this file), or "" when it is not.
std::string danoclube(const TArquivoClube& c);
std::string danoselecao(const TSelecao& s);
// Applies the repairs listed at the top of this file; returns how many values were changed.
int saneiaclube(TArquivoClube& c);
int saneiaselecao(TSelecao& s);
// The exact bytes the writers put on disk (i32 1, header, i32 1, squad / i32 1, record).
std::vector<uint8_t> codificaclube(const TArquivoClube& c);
std::vector<uint8_t> codificaselecao(const TSelecao& s);

// ---- Files ----

// Whole file, refused when its size differs from `tamanho` (never reads more). Errors begin
// with the file name.
Lido<std::vector<uint8_t>> learquivo(const std::filesystem::path& caminho, size_t tamanho);

Lido<TArquivoClube> lerclube(const std::filesystem::path& arquivo);       // safe
Lido<TArquivoClube> lerclubebruto(const std::filesystem::path& arquivo);  // exact bytes
Lido<TSelecao> lerselecao(const std::filesystem::path& arquivo);          // safe
Lido<TSelecao> lerselecaobruta(const std::filesystem::path& arquivo);     // exact bytes

// Summary of one club file: the first 81 header bytes (after repairs), the directory-entry
// name at offset 30, and `valido` cleared when the file is not a usable club (the whole file
// is checked, not only the 81 bytes, so the summary never promises a squad the file lacks).
Lido<TResumoLido> lerresumo(const std::filesystem::path& arquivo);

// Listing: the entries of a folder whose name ends with `extensao` (e.g. ".b08", case ignored),
// sorted by file name in byte order, so every machine sees the same order: regular files only
// when `soarquivos`, else every kind of entry (folders, links, devices), so that a reader can
// report those it cannot use. A missing folder gives an empty list.
std::vector<std::string> listaentradas(const std::filesystem::path& pasta, std::string_view extensao, bool soarquivos);

// Folders below the data folder.
std::filesystem::path pastatimes(const std::filesystem::path& raiz);     // raiz/teams
std::filesystem::path pastaselecoes(const std::filesystem::path& raiz);  // raiz/teams/selecoes
std::filesystem::path pastaescudos(const std::filesystem::path& raiz);   // raiz/teams/escudos

// Every "teams/*.b08" entry in listing order; entries that cannot be read as a club (damaged
// files, folders) are left out and reported in `erros` (one text per entry, naming it).
std::vector<TResumoLido> lerresumos(const std::filesystem::path& raiz, std::vector<std::string>* erros = nullptr);
// Every "teams/selecoes/*.s05" in listing order, read safely; damaged or misnamed files (and a
// second file of one country) are left out and reported in `erros` when it is given.
std::vector<TSelecao> lerselecoes(const std::filesystem::path& raiz, std::vector<std::string>* erros = nullptr);

// ---- Writers. Return an empty text on success, else the error. ----
// Both set `versao` (club) and recompute `valido` in the record they are given, then write
// through a temporary file and a rename, so a failed write leaves the old file intact.

// raiz/teams/<arquivo>.b08. Refuses an empty file name or one holding '/', '\\' or "..".
std::string timesalvar(const std::filesystem::path& raiz, TArquivoClube& clube);
// raiz/teams/selecoes/<pais>.s05, pais 0..201.
std::string selecaosalvar(const std::filesystem::path& raiz, TSelecao& selecao);
// Same, to an explicit path.
std::string gravaclube(const std::filesystem::path& arquivo, TArquivoClube& clube);
std::string gravaselecao(const std::filesystem::path& arquivo, TSelecao& selecao);

// Any bytes to a file, through a temporary file and a rename; `duravel`: flushed to the disk
// before the rename (a saved game; not worth the wait for thousands of team files).
std::string gravaarquivo(const std::filesystem::path& arquivo, std::span<const uint8_t> bytes,
                         bool duravel = false);

// The two halves of that write, for changes that must reach several files together: prepare
// every file first (nothing is replaced yet), then confirm each. A failed preparation leaves
// no temporary file behind; a failed confirmation removes its temporary file and leaves the
// old file in place. `descartagravacao` drops a prepared write that will not be confirmed.
struct GravacaoPreparada {
    std::filesystem::path destino;
    std::filesystem::path temporario;  // empty once confirmed or discarded
};
std::string preparagravacao(const std::filesystem::path& arquivo, std::span<const uint8_t> bytes,
                            GravacaoPreparada& g, bool duravel = false);
std::string confirmagravacao(GravacaoPreparada& g);
void descartagravacao(GravacaoPreparada& g);

// Confederation of a country: 1 South America, 2 Africa, 3 Asia, 4 North and Central America,
// 5 Oceania, 0 Europe (and every country not listed). México is 1 for club competitions and 4
// for its national team.
int confederacao(int pais, bool selecao);

}  // namespace tarvello
