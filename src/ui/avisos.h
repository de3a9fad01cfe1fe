#pragma once
// The loader's warnings as one message for the player.
#include <QString>
#include <string>
#include <vector>

namespace tarvello {

// One warning per line; past `maximo` lines the rest is only counted, so a folder full of
// damaged files still fits on the screen.
QString textoavisos(const std::vector<std::string>& avisos, size_t maximo = 25);

}  // namespace tarvello
