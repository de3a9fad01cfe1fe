#include "database/preparacao.h"

#include <algorithm>

namespace tarvello {

bool clubeutilizavel(const TResumoClube& r) { return resumousavel(r) && !r.nome.vazio(); }
bool clubeutilizavel(const TCabecalhoClube& c) { return clubeusavel(c) && !c.nome.vazio(); }

void lerresumos(Preparacao& p, const std::filesystem::path& raiz) {
    p = Preparacao{};
    p.raiz = raiz;
    p.resumos = tarvello::lerresumos(raiz);
    for (const TResumoLido& r : p.resumos)
        if (r.resumo.pais < kPersonalizado && clubeutilizavel(r.resumo)) ++p.clubesusaveis[r.resumo.pais];
}

std::vector<TPaisOferecido> paisesoferecidos(const Preparacao& p, int minimo) {
    std::vector<TPaisOferecido> v;
    for (int pais = 0; pais < kPersonalizado; ++pais)
        if (p.clubesusaveis[pais] >= std::max(1, minimo)) v.push_back({pais, p.clubesusaveis[pais]});
    return v;
}

int marcapersonalizado(Preparacao& p, const std::vector<int>& paises) {
    int n = 0;
    for (TResumoLido& r : p.resumos) {
        if (std::find(paises.begin(), paises.end(), r.resumo.pais) == paises.end()) continue;
        r.resumo.pais = kPersonalizado;
        if (clubeutilizavel(r.resumo)) ++n;
    }
    return n;
}

}  // namespace tarvello
