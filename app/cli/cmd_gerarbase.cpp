// gerar-base: writes the fictional sample world (clubs, national teams, crests) into a folder.
#include <chrono>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>

#include "comandos.h"
#include "database/gerador.h"
#include "model/tipos.h"

namespace tarvello::cli {
namespace {

int gerarbase(const Argumentos& args) {
    const auto destino = args.valor("destino");
    if (!destino || destino->empty()) {
        std::fprintf(stderr, "erro: informe a pasta com --destino DIR\n");
        return 2;
    }
    const long long semente = args.inteiro("semente", 1);
    const auto inicio = std::chrono::steady_clock::now();
    TMundoGerado mundo = geramundo(static_cast<uint64_t>(semente));
    const std::string erro = gravamundo(*destino, mundo);
    if (!erro.empty()) {
        std::fprintf(stderr, "erro: %s\n", erro.c_str());
        return 1;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    std::map<int, int> porpais;
    for (const auto& c : mundo.clubes) porpais[c.cabecalho.pais]++;
    const size_t escudos = mundo.escudos.size() + mundo.escudosselecoes.size();
    if (args.tem("json")) {
        nlohmann::json j;
        j["destino"] = *destino;
        j["semente"] = semente;
        j["clubes"] = mundo.clubes.size();
        j["selecoes"] = mundo.selecoes.size();
        j["escudos"] = escudos;
        j["milissegundos"] = ms;
        nlohmann::json paises = nlohmann::json::object();
        for (auto [p, n] : porpais) paises[std::string(nomepais(p))] = n;
        j["clubesporpais"] = paises;
        std::puts(j.dump(2).c_str());
    } else {
        std::printf("Mundo de exemplo gravado em %s (semente %lld): %zu clubes de %zu países, %zu seleções, %zu escudos.\n",
                    destino->c_str(), semente, mundo.clubes.size(), porpais.size(), mundo.selecoes.size(), escudos);
    }
    return 0;
}

Registra registra("gerar-base", "gerar-base --destino DIR [--semente N] [--json]", gerarbase);

}  // namespace
}  // namespace tarvello::cli
