#pragma once
// The strength model of a side on the pitch: line strengths, improvisation, average energy.
namespace tarvello {

struct Mundo;
struct TJogador;

// What a player in his natural position adds to his line: energy × strength / 100, rounded.
int contribuicao(int energia, int forca);

// Share of his strength a player gives out of his natural position.
float fatorimprovisado(const TJogador& j);

// Strength of one line (effective position 0..4; a lateral "Ala" counts in midfield) of the
// club's eleven, from the players on the pitch.
int forcasetor(const Mundo& m, int time, int posicao);

// Average energy of the players on the pitch; 0 when nobody is.
int energiamedia(const Mundo& m, int time);

// Players on the pitch with that current position and role.
int contafuncao(const Mundo& m, int time, int posicao, int funcao);

// Whether the eleven suits attacks through the middle.
bool focoadequado(const Mundo& m, int time);

}  // namespace tarvello
