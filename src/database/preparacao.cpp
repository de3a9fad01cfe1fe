#include "database/preparacao.h"

#include <algorithm>

namespace tarvello {

bool clubeutilizavel(const TResumoClube& r) { return resumousavel(r) && !r.nome.vazio(); }
bool clubeutilizavel(const TCabecalhoClube& c) { return clubeusavel(c) && !c.nome.vazio(); }

void lerresumos(Preparacao& p, const std::filesystem::path& raiz) {
    p = Preparacao{};
    p.raiz = raiz;
    std::vector<std::string> erros;
    std::vector<TResumoLido> lidos = tarvello::lerresumos(raiz, &erros);
    for (const std::string& e : erros) p.avisos.push_back("Arquivo de time ignorado: teams/" + e);
    for (TResumoLido& r : lidos) {
        if (r.resumo.pais == kPersonalizado) {
            // Told only for a club that could play; an unplayable one is left out silently anyway.
            if (clubeutilizavel(r.resumo))
                p.avisos.push_back("Arquivo de time ignorado: teams/" + r.arquivo +
                                   ": país \"Personalizado\" (202), que não é um país de liga nem do campeonato "
                                   "personalizado");
            continue;
        }
        if (clubeutilizavel(r.resumo)) ++p.clubesusaveis[r.resumo.pais];
        p.resumos.push_back(std::move(r));
    }
    erros.clear();
    p.selecoes = lerselecoes(raiz, &erros);
    for (const std::string& e : erros) p.avisos.push_back("Arquivo de seleção ignorado: teams/selecoes/" + e);

    namespace fs = std::filesystem;
    const fs::path times = pastatimes(raiz);
    std::error_code ec;
    std::string motivo;
    if (!fs::exists(raiz, ec)) {
        motivo = "a pasta " + raiz.string() + " não existe";
    } else if (!fs::is_directory(raiz, ec)) {
        motivo = raiz.string() + " não é uma pasta";
    } else if (!fs::exists(times, ec)) {
        motivo = "a pasta teams não existe";
    } else if (!fs::is_directory(times, ec)) {
        motivo = "teams não é uma pasta";
    } else if (p.resumos.empty()) {
        motivo = "nenhum arquivo .b08 legível";
    }
    if (!motivo.empty()) p.erro = "Nenhum arquivo de time em " + times.string() + " (" + motivo + ")";
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
