#include "club/dinheiroanual.h"

#include "club/elenco.h"
#include "club/financas.h"
#include "club/valores.h"
#include "model/mundo.h"

namespace tarvello {

void zerafinancasdoano(Mundo& m) {
    for (TFinancas& f : m.financas) {
        const int32_t emprestimo = f.emprestimo;
        f = TFinancas{};
        f.emprestimo = emprestimo;
    }
}

void reavaliajogadores(Mundo& m) {
    const int n = static_cast<int>(m.times.size());
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        TJogador& j = m.jogadores[i];
        if (j.time < 0 || j.time >= n) continue;
        j.passe = calculapasse(m, static_cast<int>(i));
        j.salario = calculasalario(m, static_cast<int>(i));
    }
    recalculasalarios(m);
}

int patrociniodivisao(int divisao) {
    switch (divisao) {
        case 1: return 3000000;
        case 2: return 1500000;
        case 3: return 1000000;
        case 4: return 800000;
        default: return 0;
    }
}

void dinheironovatemporada(Mundo& m) {
    const bool estaduais = m.estado.ckestadual != 0;
    for (size_t i = 0; i < m.times.size(); ++i) {
        TTime& t = m.times[i];
        if (t.humano) {
            creditafinancas(m, static_cast<int>(i), &TFinancas::patrocinio, patrociniodivisao(t.divisao));
            continue;
        }
        switch (t.divisao) {
            case 1: t.dinheiro = (estaduais ? 12000000 : 10000000) + m.sorteia(1000000); break;
            case 2: t.dinheiro = (estaduais ? 9000000 : 5000000) + m.sorteia(1000000); break;
            case 3: t.dinheiro = (estaduais ? 4000000 : 2000000) + m.sorteia(1000000); break;
            case 4: t.dinheiro = (estaduais ? 1000000 : 500000) + m.sorteia(500000); break;
            default: t.dinheiro = 200000 + m.sorteia(200000); break;
        }
    }
}

}  // namespace tarvello
