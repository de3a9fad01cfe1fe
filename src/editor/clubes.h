#pragma once
// The editor's club rules: a new club, a changed header, a chosen crest, a deleted club, and
// the club list's order by country and level.
#include <string>
#include <vector>

#include "editor/baseeditor.h"

namespace tarvello {

// What the club dialogs hold (texts in UTF-8).
struct TDadosClube {
    std::string nomecompleto;
    std::string nome;
    std::string tecnico;
    std::string estadio;
    std::string arquivo;  // file name without ".b08" (new club only)
    std::string escudo;   // crest name (new club only); empty = default crest
    int pais = kBrasil;
    int estado = kSemEstado;  // 0..26; needed for a Brazilian club
    int nivel = 10;           // 0..25
    int32_t corfundo = 0xFFFFFF;
    int32_t cortexto = 0;
};

constexpr int kMaxNomeArquivo = 21;
constexpr int kMaxNomeEscudoClube = 25;
constexpr int kMaxNomeEscudoSelecao = 30;

// Why a typed file name cannot name a new club file, or "" when it can: it must hold 1 to 21
// letters, digits, spaces, "-" and "_", and no club file of that name (in any letter case) may
// exist yet.
std::string validanomearquivo(const BaseEditor& b, const std::string& nome);
// Why a crest name cannot be stored (too long for the record), or "".
std::string validanomeescudo(const std::string& nome, int maximo);

// "Adicionar Equipe": checks the dialog (first failure's message), writes the new club's file
// with 25 free slots and appends it to the working set. `indice` receives its number.
std::string novoclube(BaseEditor& b, const TDadosClube& d, int* indice = nullptr);

// "Editar Equipe": stores every field the dialog holds, texts only when not empty (the file
// name and the crest are not part of this dialog), and writes the club.
std::string editaclube(BaseEditor& b, int clube, const TDadosClube& d);

// The crest for the current club: refused when the name is too long or the picture cannot be
// read, in which case the old crest stays; else stored and written.
std::string escolheescudo(BaseEditor& b, int clube, const std::string& escudo);

// Deletes the club's file. The club stays in memory but is no longer listed. A file that is
// still there afterwards is a failure: the club stays listed and the message says so.
std::string excluiclube(BaseEditor& b, int clube);

// Crest names offered by the crest choice: every "*.gif" then every "*.bmp" of
// teams/escudos/ (or teams/selecoes/ for national teams), without the extension.
std::vector<std::string> listaescudos(const std::filesystem::path& raiz, bool selecoes);

// Club list order by country ascending, then level descending, then short name (byte order).
void sortbypaisnivel(const BaseEditor& b, std::vector<int>& clubes);

}  // namespace tarvello
