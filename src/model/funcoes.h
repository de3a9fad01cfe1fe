#pragma once
// The role a player takes by default, from his natural position and his two characteristics.
namespace tarvello {

int funcaopadrao(int posicaooriginal, int habilidade1, int habilidade2);

}  // namespace tarvello
