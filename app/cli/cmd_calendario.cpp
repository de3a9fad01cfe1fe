// tarvello-cli calendario: the 148 dates of a season and the competition of each, from the
// set-up switches alone (no database needed).
#include <cstdio>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "comandos.h"
#include "competitions/calendario.h"
#include "model/datas.h"
#include "model/mundo.h"

namespace tarvello::cli {
namespace {

constexpr const char* kDiasSemana[] = {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"};

int calendario(const Argumentos& a) {
    const long long temporada = a.inteiro("temporada", 1);
    const long long sistema = a.inteiro("sistema", 10);
    if (sistema != 10 && sistema != 20) throw ErroUso("--sistema deve ser 10 ou 20");

    Mundo m;
    TEstadoJogo& e = m.estado;
    e.temporada = static_cast<int32_t>(temporada);
    e.sistemadisputa = sistema == 20 ? 2 : 4;
    e.ckcopa = a.tem("sem-copa") ? 0 : 1;
    e.ckestadual = a.tem("estaduais") ? 1 : 0;
    e.ckinter = e.ckinter3 = a.tem("sem-continentais") ? 0 : 1;
    e.ckcopamundo = e.ckcopaamerica = e.ckeurocopa = a.tem("sem-selecoes") ? 0 : 1;
    montacalendario(m);

    if (a.tem("json")) {
        nlohmann::json j = nlohmann::json::array();
        for (const TDiaCalendario& d : m.calendario)
            j.push_back({{"numero", d.numero},
                         {"data", textodata(d.data)},
                         {"diasemana", kDiasSemana[diadasemana(d.data) - 1]},
                         {"competicao", d.competicao}});
        std::puts(j.dump(2).c_str());
        return 0;
    }
    for (const TDiaCalendario& d : m.calendario)
        std::printf("%3d %s %s %2d\n", d.numero, textodata(d.data).c_str(), kDiasSemana[diadasemana(d.data) - 1],
                    d.competicao);
    return 0;
}

Registra registro_calendario({"calendario",
                              "as 148 datas de uma temporada e a competição de cada uma",
                              {{"temporada", TipoOpcao::Inteiro, "N", "temporada (1 = 2008)", 1, 100000},
                               opcaosistema(),
                               {"sem-copa", TipoOpcao::Bandeira, "", "sem a copa nacional"},
                               {"estaduais", TipoOpcao::Bandeira, "", "com os campeonatos estaduais"},
                               {"sem-continentais", TipoOpcao::Bandeira, "", "sem as copas continentais"},
                               {"sem-selecoes", TipoOpcao::Bandeira, "", "sem os torneios de seleções"},
                               opcaojson()},
                              {},
                              calendario});

}  // namespace
}  // namespace tarvello::cli
