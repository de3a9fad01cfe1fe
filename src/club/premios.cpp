#include "club/premios.h"

#include "club/financas.h"
#include "model/mundo.h"

namespace tarvello {

void pagapremio(Mundo& m, int time, int valor) { creditafinancas(m, time, &TFinancas::premios, valor); }

}  // namespace tarvello
