#pragma once
// The team editor's working set: every club file and every national-team file of the data
// folder, held apart from any game's world, and the writes that put a change on disk.
//
// Every change goes the same way: the record is copied, the copy is changed and written, and
// only a successful write replaces the record in memory. A failed write therefore leaves both
// the file and the working set as they were, and returns the message to show.
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "database/arquivos.h"
#include "model/tipos.h"

namespace tarvello {

// One club of the editor: the file's record and the real name of the file it came from (the
// directory entry with its extension, whatever its length), which is where it is written back.
struct TClubeEditor {
    TArquivoClube dados{};
    std::string nomearquivo;  // UTF-8, e.g. "Clube Exemplo.b08"
    bool excluido = false;    // file deleted: kept in memory, no longer listed
};

struct BaseEditor {
    std::filesystem::path raiz;  // the data folder (holds teams/)
    std::vector<TClubeEditor> clubes;  // in file-listing order; index = club number
    // National teams by country 0..201; a slot is in use when its coach is not empty.
    std::array<TSelecao, kPersonalizado> selecoes{};
    int paisultimojogador = -1;  // nationality last chosen when adding a player to a club
};

// Club files "teams/*.b08" the load will read (sizes the loading bar).
int contaarquivostimes(const std::filesystem::path& raiz);

// Progress of the load: called after every club file with the count read so far.
using ProgressoEditor = std::function<void(int lidos)>;

// Reads every club file in listing order and every national-team file into a new working set.
// Files that cannot be read (damaged, not regular files) are left out and named in `erros`.
BaseEditor carregatimes(const std::filesystem::path& raiz, const ProgressoEditor& progresso = {},
                        std::vector<std::string>* erros = nullptr);

// Clubs shown in the club list: version 8 and not deleted, in loading order.
std::vector<int> clubeslistados(const BaseEditor& b);
// Countries whose national-team slot is in use, ascending.
std::vector<int> selecoesemuso(const BaseEditor& b);
bool selecaoemuso(const BaseEditor& b, int pais);
bool clubevalido(const BaseEditor& b, int clube);  // an index of the working set, not deleted

// The path a club is written to.
std::filesystem::path arquivodoclube(const BaseEditor& b, int clube);

// Writes `novo` as club `clube` (versao and valido set by the rule) and, on success, makes it
// the club's record. Returns the error text, empty on success.
std::string salvaclube(BaseEditor& b, int clube, TArquivoClube novo);
// Same for the national team of `novo.pais`.
std::string salvaselecao(BaseEditor& b, TSelecao novo);

// Country list of the editor's dialogs (every country but "Personalizado").
std::vector<int> paiseseditor();
// The first country of `paises` (in that order) whose name begins with `letra` (accents
// ignored); "M" finds the first beginning with "Ma". -1 when none.
int paisdaletra(const std::vector<int>& paises, char letra);

}  // namespace tarvello
