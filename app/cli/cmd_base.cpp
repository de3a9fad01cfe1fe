// tarvello-cli base: the countries the set-up screen offers, with their usable clubs.
#include <iostream>
#include <nlohmann/json.hpp>

#include "comandos.h"
#include "database/preparacao.h"
#include "model/tipos.h"

namespace tarvello::cli {
namespace {

int executa(const Argumentos& a) {
    Preparacao p;
    lerresumos(p, a.texto("dados", ""));
    imprimeavisos(p.avisos);
    if (!p.erro.empty()) throw std::runtime_error(p.erro);
    const auto ligas = paisesoferecidos(p, kMinClubesLiga);
    const auto todos = paisesoferecidos(p, 1);
    if (a.tem("json")) {
        auto lista = [](const std::vector<TPaisOferecido>& v) {
            nlohmann::json j = nlohmann::json::array();
            for (const auto& x : v) j.push_back({{"pais", x.pais}, {"nome", std::string(nomepais(x.pais))}, {"clubes", x.clubes}});
            return j;
        };
        nlohmann::json j;
        j["numresumos"] = p.resumos.size();
        j["ligas"] = lista(ligas);
        j["personalizado"] = lista(todos);
        j["numselecoes"] = p.selecoes.size();
        j["avisos"] = p.avisos;
        std::cout << j.dump(2) << "\n";
        return 0;
    }
    std::cout << "Arquivos de times lidos: " << p.resumos.size() << "\n";
    std::cout << "Ligas oferecidas (pelo menos " << kMinClubesLiga << " times):\n";
    for (const auto& x : ligas) std::cout << "  " << x.pais << " " << nomepais(x.pais) << ": " << x.clubes << " times\n";
    std::cout << "Países com times (campeonato personalizado): " << todos.size() << "\n";
    return 0;
}

Registra base({"base", "países oferecidos pela tela de configuração, com seus times utilizáveis",
               {opcaodados(), opcaojson()}, {}, executa});

}  // namespace
}  // namespace tarvello::cli
