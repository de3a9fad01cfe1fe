#pragma once
// The editor's national-team rules: a new national team, a changed one, its crest.
#include <string>

#include "editor/baseeditor.h"

namespace tarvello {

// What the national-team dialog holds (texts in UTF-8).
struct TDadosSelecao {
    int pais = -1;
    std::string tecnico;
    int nivel = 15;  // 1..25
    int32_t corfundo = 0xFFFFFF;
    int32_t cortexto = 0;
    std::string escudo;  // empty = none
};

// "Adicionar Seleção": refused when the country already has a national team ("Esta seleção já
// existe, você pode edita-la clicando em editar") or the coach is empty ("Nome do técnico não
// inserido"); else the country's slot gets an empty squad and its file is written.
std::string novaselecao(BaseEditor& b, const TDadosSelecao& d);
// "Editar Seleção": coach (not empty), level and colours, and the crest when one was chosen.
std::string editaselecao(BaseEditor& b, const TDadosSelecao& d);
// Why a national team's crest cannot be stored (too long, picture unreadable), or "".
std::string validaescudoselecao(const BaseEditor& b, const std::string& escudo);
// The crest chosen for a national team in use: checked as above (the old crest stays when it is
// refused), stored and written at once.
std::string escolheescudoselecao(BaseEditor& b, int pais, const std::string& escudo);

}  // namespace tarvello
