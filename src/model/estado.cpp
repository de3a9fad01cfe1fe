#include "model/estado.h"

namespace tarvello {

TPrecosPadrao precospadraoiniciais(int sistemadisputa) {
    TPrecosPadrao p{};
    p[0] = {1, 5, 15, 30};
    p[1] = {10, 15, 25, 80};
    p[2] = {7, 13, 20, 70};
    p[3] = {5, 12, 17, 40};
    if (sistemadisputa == 4) p[4] = {3, 10, 15, 30};
    return p;
}

}  // namespace tarvello
