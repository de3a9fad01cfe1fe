#include "model/hoje.h"

#include <algorithm>

#include "model/datas.h"
#include "model/mundo.h"

namespace tarvello {

double datadonumero(int temporada, int numero) {
    double d = codificadata(2007 + temporada, 1, 1);
    while (diadasemana(d) != 4) d += 1;  // Wednesday
    const int n = std::clamp(numero, 1, 148) - 1;
    static constexpr int kDesvio[3] = {0, 1, 4};  // Wednesday, Thursday, Sunday
    return d + 7 * (n / 3) + kDesvio[n % 3];
}

double datahoje(const Mundo& m) { return datadonumero(m.estado.temporada, m.estado.dataatual); }

}  // namespace tarvello
