#include "club/premios.h"

#include "model/mundo.h"

namespace tarvello {

void pagapremio(Mundo& m, int time, int valor) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return;
    m.times[time].dinheiro += valor;
    if (time < static_cast<int>(m.financas.size())) m.financas[time].premios += valor;
}

}  // namespace tarvello
