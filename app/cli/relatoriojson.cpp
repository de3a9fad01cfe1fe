#include "relatoriojson.h"

#include "match/estatisticas.h"
#include "match/relatorios.h"
#include "model/mundo.h"

namespace tarvello::cli {

nlohmann::json relatoriojson(const Mundo& m, int i) {
    const TRelatorioPartida& r = m.relatorios[static_cast<size_t>(i)];
    auto par = [&](int k) { return nlohmann::json::array({r.estatisticasmandante[k], r.estatisticasvisitante[k]}); };
    const int posse = possemandante(r.estatisticasmandante[0], r.estatisticasvisitante[0]);
    auto notas = [](const int32_t* onze, const TNotaRelatorio* n) {
        nlohmann::json v = nlohmann::json::array();
        for (int s = 0; s < 11; ++s) v.push_back({{"jogador", onze[s]}, {"nota", n[s].nota}});
        return v;
    };
    nlohmann::json saidas = nlohmann::json::array();
    for (int lado = 1; lado <= 2; ++lado) {
        nlohmann::json l = nlohmann::json::array();
        for (const TSaidaRelatorio& x : saidasdorelatorio(r, lado)) l.push_back({{"jogador", x.jogador}, {"nota", x.nota}});
        saidas.push_back(l);
    }
    return {{"indice", i},
            {"posse", {posse, 100 - posse}},
            {"roubadasbola", par(1)},
            {"finalizacoes", par(2)},
            {"passeserrados", par(3)},
            {"faltas", par(4)},
            {"ataques", par(5)},
            {"publicosetor", {r.publicosetor[0], r.publicosetor[1], r.publicosetor[2], r.publicosetor[3]}},
            {"substituicoes", {r.substituicoes[0], r.substituicoes[1]}},
            {"notasmandante", notas(r.onzemandante, r.notasmandante)},
            {"notasvisitante", notas(r.onzevisitante, r.notasvisitante)},
            {"substituidos", saidas},
            {"eventos", eventosdorelatorio(m, i).size()}};
}

}  // namespace tarvello::cli
