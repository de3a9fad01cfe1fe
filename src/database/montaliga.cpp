#include "database/montaliga.h"

#include <algorithm>

namespace tarvello {

TLiga novaliga(int pais) {
    TLiga l{};
    for (auto& d : l.times) std::fill(std::begin(d), std::end(d), -1);
    for (auto& d : l.classificacao) std::fill(std::begin(d), std::end(d), -1);
    l.pais = pais;
    return l;
}

int clubespordivisao(int sistemadisputa) { return sistemadisputa == 2 ? 20 : 10; }

int numerodivisoes(int sistemadisputa, int n) {
    if (sistemadisputa == 2) return n >= 60 ? 3 : n >= 42 ? 2 : 1;
    return n >= 42 ? 4 : n >= 32 ? 3 : 2;
}

void distribuidivisoes(Mundo& m, TLiga& liga, const std::vector<TEntradaLiga>& ordenados) {
    const int sistema = m.estado.sistemadisputa;
    const int pordiv = clubespordivisao(sistema);
    const int n = static_cast<int>(ordenados.size());
    liga.numdivisoes = numerodivisoes(sistema, n);
    for (int d = 0; d < 4; ++d) {
        std::fill(std::begin(liga.times[d]), std::end(liga.times[d]), -1);
        std::fill(std::begin(liga.classificacao[d]), std::end(liga.classificacao[d]), -1);
    }
    for (int i = 0; i < n; ++i) {
        const int time = ordenados[i].time;
        const int d = i / pordiv;  // 0-based division
        const bool colocado = d < liga.numdivisoes;
        if (colocado) {
            liga.times[d][i % pordiv] = time;
            liga.classificacao[d][i % pordiv] = time;
        }
        if (time >= 0 && time < static_cast<int>(m.times.size())) m.times[time].divisao = colocado ? d + 1 : 0;
    }
}

int montaliga(Mundo& m, Preparacao& p, int slot, int pais) {
    if (slot < 0 || slot >= static_cast<int>(m.ligas.size())) return 0;
    std::vector<TEntradaLiga> lista;
    for (const TResumoLido& r : p.resumos) {
        if (r.resumo.pais != pais || !clubeutilizavel(r.resumo)) continue;
        if (pais == kPersonalizado && static_cast<int>(lista.size()) >= kMaxClubesPersonalizado) break;
        TTime t{};
        t.nome = r.resumo.nome;
        t.pais = pais;
        t.nivel = r.resumo.nivel;
        t.tecnico = -1;
        t.estado = -1;  // not in the summary: the world's loading reads it from the file
        const int indice = static_cast<int>(m.times.size());
        m.times.push_back(t);
        if (p.arquivos.size() < m.times.size()) p.arquivos.resize(m.times.size());
        p.arquivos[indice] = r.arquivo;
        lista.push_back({indice, t.nivel, 0});
    }
    for (TEntradaLiga& e : lista) e.chave = m.sorteia(50);
    std::stable_sort(lista.begin(), lista.end(), [](const TEntradaLiga& a, const TEntradaLiga& b) {
        if (a.nivel != b.nivel) return a.nivel > b.nivel;
        return a.chave < b.chave;
    });
    distribuidivisoes(m, m.ligas[slot], lista);
    if (p.composicao.size() <= static_cast<size_t>(slot)) p.composicao.resize(slot + 1);
    p.composicao[slot] = std::move(lista);
    const int n = static_cast<int>(p.composicao[slot].size());
    m.estado.numclubesliga += n;
    return n;
}

}  // namespace tarvello
