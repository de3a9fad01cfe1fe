#include "newgame/carregamundo.h"

#include "club/avenda.h"
#include "club/elenco.h"
#include "club/valores.h"
#include "newgame/estaduais.h"

namespace tarvello {

ResultadoCarga carregamundo(Mundo& m, Preparacao& p, const Progresso& progresso) {
    Mundo w = m;
    Preparacao pw = p;
    ResultadoCarga r = carregabase(w, pw, progresso);
    if (!r.ok()) return r;

    const int n = static_cast<int>(w.times.size());
    for (size_t j = 1; j < w.jogadores.size(); ++j) {
        TJogador& p1 = w.jogadores[j];
        if (p1.time < 0 || p1.time >= n) continue;
        p1.passe = calculapasse(w, static_cast<int>(j));
        p1.salario = calculasalario(w, static_cast<int>(j));
    }
    recalculasalarios(w);

    // Computer league clubs with a surplus put players on sale.
    for (int c = 0; c < w.estado.numclubesliga; ++c)
        if (!w.times[c].humano && w.times[c].numjogadores > 15) colocaavenda(w, c);

    if (w.estado.ckestadual) montaestaduais(w);

    m = std::move(w);
    p = std::move(pw);
    return r;
}

}  // namespace tarvello
