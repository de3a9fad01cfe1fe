#pragma once
// How many clubs each country sends to the two continental club cups.

namespace tarvello {

// Places of a country in continental cup `copa` (1 or 2) of confederation `confederacao`
// (1 South America, 2 Europe, as in the cups' data). A country outside that confederation, or a
// cup or confederation out of range, has 0 places.
int vagascontinentais(int pais, int copa, int confederacao);

// Confederation of a club's country: 1 South America, 2 Africa, 3 Asia, 4 North and Central
// America and the Caribbean, 5 Oceania, 0 Europe (every country not listed).
int confederacaopais(int pais);

// Confederation of a country as the cups number it: 1 South America, 2 Europe, 0 for a country
// that plays no continental club cup.
int confederacaocopas(int pais);

}  // namespace tarvello
