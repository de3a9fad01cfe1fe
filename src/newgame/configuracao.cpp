#include "newgame/configuracao.h"

#include "database/arquivos.h"
#include "newgame/escolhas.h"
#include "model/tipos.h"

namespace tarvello {

namespace {
bool europeu(int pais) { return confederacao(pais, false) == 0; }
}  // namespace

int paisprincipaltela(const std::vector<int>& marcados, const std::vector<TPaisOferecido>& grade) {
    if (!marcados.empty()) return paisprincipal(marcados);
    for (const TPaisOferecido& l : grade)
        if (l.pais == kBrasil) return kBrasil;
    return grade.empty() ? -1 : grade.front().pais;
}

std::string legendacopanacional(int pais) {
    if (pais == kBrasil) return "Jogar Copa do Brasil";
    return "Jogar Copa do(a) " + std::string(nomepais(pais));
}

std::string legendacontinental1(int pais) {
    return europeu(pais) ? "Jogar Copa dos Campeões" : "Jogar Taça Libertadores";
}

std::string legendacontinental2(int pais) {
    return europeu(pais) ? "Jogar Copa da UEFA" : "Jogar Copa Sul-Americana";
}

}  // namespace tarvello
