#pragma once
// Names of the national leagues and cups, from the country.
#include <string>

namespace tarvello {

// "Brasileiro", "Argentino", ...; a country without an adjective of its own uses its name.
std::string adjetivoliga(int pais);
// "Campeonato " + adjective, or "Campeonato Internacional" for the custom championship.
std::string nomeliga(int pais);
// "Copa do Brasil", "Copa " + country name, or "Copa Internacional".
std::string nomecopa(int pais);

}  // namespace tarvello
