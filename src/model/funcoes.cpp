#include "model/funcoes.h"

#include "model/tipos.h"

namespace tarvello {
namespace {
bool ofensiva(int h) { return h == 4 || h == 8 || h == 9 || h == 11; }
bool marcadora(int h) { return h == 7 || h == 10; }
bool ala(int h) { return h == 13 || h == 6; }
}  // namespace

int funcaopadrao(int posicaooriginal, int a1, int a2) {
    switch (posicaooriginal) {
        case kLateral:
            if (ala(a1)) return 1;
            if (marcadora(a1)) return 0;
            if (ala(a2)) return 1;
            if (marcadora(a2)) return 0;
            return ofensiva(a1) ? 1 : 0;
        case kMeioCampo:
            if (ofensiva(a1)) return 1;
            if (marcadora(a1)) return 0;
            if (ofensiva(a2)) return 1;
            if (marcadora(a2)) return 0;
            return 1;
        case kAtacante:
            if (a1 == 8 || a1 == 10) return 0;
            if (ala(a1)) return 2;
            return 1;
        default:
            return 0;
    }
}

}  // namespace tarvello
