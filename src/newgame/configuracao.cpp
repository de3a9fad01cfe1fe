#include "newgame/configuracao.h"

#include <algorithm>

#include "database/arquivos.h"
#include "database/montaliga.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

std::string adjetivoliga(int pais) {
    switch (pais) {
        case 3: return "Alemão";
        case 11: return "Argentino";
        case 26: return "Boliviano";
        case 29: return "Brasileiro";
        case 42: return "Chileno";
        case 43: return "Chinês";
        case 46: return "Colombiano";
        case 60: return "Equatoriano";
        case 62: return "Escocês";
        case 65: return "Espanhol";
        case 72: return "Francês";
        case 78: return "Grego";
        case 85: return "Holandês";
        case 97: return "Inglês";
        case 104: return "Italiano";
        case 107: return "Japonês";
        case 131: return "Mexicano";
        case 150: return "Paraguaio";
        case 151: return "Peruano";
        case 154: return "Português";
        case 162: return "Russo";
        case 179: return "Sueco";
        case 180: return "Suiço";
        case 192: return "Turco";
        case 193: return "Ucraniano";
        case 195: return "Uruguaio";
        case 198: return "Venezuelano";
        case 202: return "Personalizado";
        default: return std::string(nomepais(pais));
    }
}

bool europeu(int pais) { return confederacao(pais, false) == 0; }

}  // namespace

int paisprincipal(const std::vector<int>& marcados, const std::vector<TPaisOferecido>& grade) {
    if (!marcados.empty()) {
        if (std::find(marcados.begin(), marcados.end(), kBrasil) != marcados.end()) return kBrasil;
        return marcados.front();
    }
    for (const TPaisOferecido& l : grade)
        if (l.pais == kBrasil) return kBrasil;
    return grade.empty() ? -1 : grade.front().pais;
}

std::string nomeliga(int pais) {
    if (pais == kPersonalizado) return "Campeonato Internacional";
    return "Campeonato " + adjetivoliga(pais);
}

std::string nomecopa(int pais) {
    if (pais == kPersonalizado) return "Copa Internacional";
    if (pais == kBrasil) return "Copa do Brasil";
    return "Copa " + std::string(nomepais(pais));
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

void registraescolhas(Mundo& m, const TEscolhasJogo& esc, const std::vector<TPaisOferecido>& grade) {
    TEstadoJogo& e = m.estado;
    m.ligas.clear();
    e.sistemadisputa = esc.sistemadisputa == 2 ? 2 : 4;
    e.numtecnicoshumanos = std::clamp(esc.numtecnicos, 1, kMaxHumanos);
    e.gruposreais2006 = 1;
    if (esc.personalizado) {
        e.paisprincipal = kPersonalizado;
        e.ckcopa = esc.copa;
        e.ckcopamundo = e.ckcopaamerica = e.ckeurocopa = 0;
        e.ckestadual = e.ckinter = e.ckinter3 = 0;
        m.ligas.push_back(novaliga(kPersonalizado));
        m.ligas.back().temhumano = 1;
    } else {
        e.paisprincipal = paisprincipal(esc.paises, {});
        e.ckcopa = esc.copa;
        e.ckestadual = esc.estadual && e.paisprincipal == kBrasil;
        e.ckinter = esc.continental1;
        e.ckinter3 = esc.continental2 && esc.continental1;
        e.ckcopamundo = esc.copamundo;
        e.ckeurocopa = esc.eurocopa;
        e.ckcopaamerica = esc.copaamerica;
        for (int p : esc.paises) m.ligas.push_back(novaliga(p));
    }
    e.nomeliga.define(nomeliga(e.paisprincipal));
    e.nomecopa.define(nomecopa(e.paisprincipal));
}

}  // namespace tarvello
