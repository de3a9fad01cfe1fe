#include "model/nomesligas.h"

#include "model/tipos.h"

namespace tarvello {

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

std::string nomeliga(int pais) {
    if (pais == kPersonalizado) return "Campeonato Internacional";
    return "Campeonato " + adjetivoliga(pais);
}

std::string nomecopa(int pais) {
    if (pais == kPersonalizado) return "Copa Internacional";
    if (pais == kBrasil) return "Copa do Brasil";
    return "Copa " + std::string(nomepais(pais));
}

}  // namespace tarvello
