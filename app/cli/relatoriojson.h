#pragma once
// A stored match report as the headless tool prints it, shared by "simular" and "relatorio".
#include <nlohmann/json.hpp>

namespace tarvello {
struct Mundo;
}

namespace tarvello::cli {

// The figures of report `indice` of the season, as the report screens show them.
nlohmann::json relatoriojson(const Mundo& m, int indice);

}  // namespace tarvello::cli
