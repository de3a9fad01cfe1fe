#pragma once
// Texts of the squad grid and the player panel of the main screen (UTF-8).
#include <string>
#include <vector>

namespace tarvello {

struct Mundo;
struct TJogador;

// "dd/mm/aaaa"
std::string textodatacurta(double data);

// Hint of a grid row about the contract: expired, ending within a week or within three weeks.
std::string dicacontrato(const Mundo& m, int jogador);

// Characteristics: the name when both are equal, else "Fin/Pas" (short) or "Finalização/Passe".
std::string textohabilidades(const TJogador& j, bool completo);

// Panel title: "10 - Nome", or the name alone without a number.
std::string textonumeronome(const TJogador& j);
// Panel status line: card suspension, suspension, injury, or empty.
std::string textosituacao(const Mundo& m, int jogador);
// Panel contract line.
std::string textocontrato(const Mundo& m, int jogador);

// "Posição original: Zagueiro", with "  (Improvisado como: Atacante)" when he plays elsewhere.
std::string textoposicaooriginal(const TJogador& j);

// Shirt-number list of a club: "Sem número", then "1 - Nome" .. "28 - " for numbers 1..28.
std::vector<std::string> listanumeros(const Mundo& m, int time);

// "Moral do time: Ruim" / "Boa" / "Excelente".
std::string textomoraltime(int moraltime);

// The club's match of today: "Adversário (casa)"/"(fora)"; empty when it does not play today.
std::string textoproximoadversario(const Mundo& m, int time);

}  // namespace tarvello
