#include "competitions/confronto.h"

namespace tarvello {

int decideconfronto(int golsmandante1, int golsvisitante1, int golsmandante2, int golsvisitante2) {
    const int vitoriasx = (golsmandante1 > golsvisitante1) + (golsvisitante2 > golsmandante2);
    const int vitoriasy = (golsvisitante1 > golsmandante1) + (golsmandante2 > golsvisitante2);
    if (vitoriasx != vitoriasy) return vitoriasx > vitoriasy ? kAvancaMandante : kAvancaVisitante;
    const int somax = golsmandante1 + golsvisitante2;
    const int somay = golsvisitante1 + golsmandante2;
    if (somax != somay) return somax > somay ? kAvancaMandante : kAvancaVisitante;
    // Away goals: X scored away in leg 2, Y in leg 1.
    if (golsvisitante2 != golsvisitante1)
        return golsvisitante2 > golsvisitante1 ? kAvancaMandante : kAvancaVisitante;
    return kPenaltis;
}

int decidefinalestadual(const int finalgols[4]) {
    const int vencedor1 = finalgols[0], vice1 = finalgols[1];
    const int vencedor2 = finalgols[2], vice2 = finalgols[3];
    const int vitoriasv = (vencedor1 > vice1) + (vencedor2 > vice2);
    const int vitoriasr = (vice1 > vencedor1) + (vice2 > vencedor2);
    if (vitoriasv != vitoriasr) return vitoriasv > vitoriasr ? 1 : 2;
    const int somav = vencedor1 + vencedor2, somar = vice1 + vice2;
    if (somav != somar) return somav > somar ? 1 : 2;
    return 1;
}

}  // namespace tarvello
