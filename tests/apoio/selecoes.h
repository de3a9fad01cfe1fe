#pragma once
// National teams for the tournament tests: one for every country but the custom one.
#include <string>

#include "database/arquivos.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello::teste {

// 22 players each (3 goalkeepers), eleven starters, levels spread over 1..25.
inline void todasasselecoes(Mundo& m) {
    for (int p = 0; p < kPersonalizado; ++p) {
        TSelecao s{};
        s.pais = p;
        s.confederacao = confederacao(p, true);
        s.tecnico.define("Técnico " + std::to_string(p));
        s.nivel = 1 + p % 25;
        s.valido = 1;
        s.numjogadores = 22;
        for (int k = 0; k < 22; ++k) {
            s.nome[k].define("Sel " + std::to_string(p) + "-" + std::to_string(k));
            s.idade[k] = 25;
            s.posicao[k] = k < 3 ? 0 : 1 + k % 4;
            s.escalacao[k] = k == 0 || (k >= 3 && k < 13) ? 1 : 0;
            s.habilidade1[k] = s.habilidade2[k] = k < 3 ? 0 : 4 + k % 8;
            s.estrela[k] = k == 5 ? 1 : 0;
        }
        m.selecoes.push_back(s);
    }
}

}  // namespace tarvello::teste
