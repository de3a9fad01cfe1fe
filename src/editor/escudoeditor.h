#pragma once
// Whether a crest chosen in the editor can be shown: its own picture file must exist and decode.
#include <filesystem>
#include <string>

namespace tarvello {

// The picture <nome>.gif, else <nome>.bmp, of teams/escudos/ (club) or teams/selecoes/
// (national team): "" when it exists and decodes, else the message to show. The default crest
// does not count: a chosen crest must be the picture that was chosen.
std::string confereescudo(const std::filesystem::path& raiz, const std::string& nome, bool selecao);

}  // namespace tarvello
