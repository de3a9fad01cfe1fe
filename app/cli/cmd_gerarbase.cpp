// gerar-base: writes the fictional sample world (clubs, national teams, crests) into a folder.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>
#include <map>
#include <set>
#include <nlohmann/json.hpp>

#include "comandos.h"
#include "database/gerador.h"
#include "model/tipos.h"

namespace tarvello::cli {
namespace {

// The list of files a gerar-base wrote, kept beside them so that --substituir removes exactly
// those and nothing the user put there.
constexpr const char* kLista = "gerar-base.lista";

namespace fs = std::filesystem;

// Paths, relative to the data folder, of every file `gravamundo` writes for this world.
std::vector<std::string> arquivosgerados(const TMundoGerado& w) {
    std::vector<std::string> v;
    for (const auto& c : w.clubes) v.push_back("teams/" + c.cabecalho.arquivo.utf8() + ".b08");
    for (const auto& s : w.selecoes) v.push_back("teams/selecoes/" + std::to_string(s.pais) + ".s05");
    for (const auto& e : w.escudos) v.push_back("teams/escudos/" + e.nome);
    for (const auto& e : w.escudosselecoes) v.push_back("teams/selecoes/" + e.nome);
    return v;
}

// Club and national-team files already in the destination (paths relative to it).
std::vector<std::string> arquivosdetimes(const fs::path& raiz) {
    std::vector<std::string> v;
    for (const auto& n : listaentradas(pastatimes(raiz), ".b08", false)) v.push_back("teams/" + n);
    for (const auto& n : listaentradas(pastaselecoes(raiz), ".s05", false)) v.push_back("teams/selecoes/" + n);
    return v;
}

// Removes the files the previous run listed, after checking that every club and national-team
// file of the folder is one of them (otherwise nothing is removed). Returns an error text, or "".
std::string apagaanterior(const fs::path& raiz) {
    std::ifstream f(pastatimes(raiz) / kLista);
    if (!f) return "não há a lista de um gerar-base anterior em " + (pastatimes(raiz) / kLista).string();
    std::set<std::string> lista;
    std::string linha;
    // Only plain names below teams/: a list edited by hand never reaches outside the world.
    while (std::getline(f, linha))
        if (linha.rfind("teams/", 0) == 0 && linha.find("..") == std::string::npos) lista.insert(linha);
    size_t alheios = 0;
    for (const std::string& a : arquivosdetimes(raiz)) alheios += lista.count(a) == 0;
    if (alheios > 0)
        return raiz.string() + " tem " + std::to_string(alheios) +
               " arquivos de times que o gerar-base não gravou; nada foi apagado";
    for (const std::string& a : lista) {
        std::error_code ec;
        fs::remove(raiz / a, ec);
        if (ec) return "não foi possível apagar " + (raiz / a).string() + ": " + ec.message();
    }
    return {};
}

int gerarbase(const Argumentos& args) {
    const std::string destino = args.texto("destino", "");
    const long long semente = args.inteiro("semente", 1);
    // Two seeds must never mix into one world: a folder with team files is refused, unless the
    // files are those of an earlier run and --substituir asks to remove them first.
    if (!arquivosdetimes(destino).empty()) {
        if (!args.tem("substituir")) {
            std::fprintf(stderr,
                         "erro: %s já tem arquivos de times; escolha uma pasta vazia ou use --substituir para "
                         "apagar os gravados por um gerar-base anterior\n",
                         destino.c_str());
            return 1;
        }
        if (const std::string erro = apagaanterior(destino); !erro.empty()) {
            std::fprintf(stderr, "erro: %s\n", erro.c_str());
            return 1;
        }
    }
    const auto inicio = std::chrono::steady_clock::now();
    TMundoGerado mundo = geramundo(static_cast<uint64_t>(semente));
    std::string erro = gravamundo(destino, mundo);
    if (erro.empty()) {
        std::string lista;
        for (const std::string& a : arquivosgerados(mundo)) lista += a + "\n";
        erro = gravaarquivo(pastatimes(destino) / kLista,
                            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(lista.data()), lista.size()));
    }
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
        j["destino"] = destino;
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
                    destino.c_str(), semente, mundo.clubes.size(), porpais.size(), mundo.selecoes.size(), escudos);
    }
    return 0;
}

Registra registra({"gerar-base", "grava o mundo de exemplo (times, seleções, escudos) numa pasta",
                   {{"destino", TipoOpcao::Texto, "DIR", "pasta onde o mundo é gravado", 0, 0, true},
                    opcaosemente(),
                    {"substituir", TipoOpcao::Bandeira, "",
                     "apaga antes os arquivos que um gerar-base anterior gravou nessa pasta"},
                    opcaojson()},
                   {},
                   gerarbase});

}  // namespace
}  // namespace tarvello::cli
