#include "jogonovo.h"

#include <fstream>
#include <stdexcept>

#include "model/mundo.h"
#include "model/opcoes.h"

namespace tarvello::cli {

std::vector<Opcao> opcoesnovojogo() {
    return {opcaodados(),
            {"ligas", TipoOpcao::Lista, "P1,P2", "países das ligas jogadas (ou do campeonato personalizado)", 0, 201},
            opcaosistema(),
            {"estaduais", TipoOpcao::Bandeira, "", "com os campeonatos estaduais (só com o Brasil)"},
            {"sem-copa", TipoOpcao::Bandeira, "", "sem a copa nacional"},
            {"sem-continentais", TipoOpcao::Bandeira, "", "sem as copas continentais"},
            {"sem-selecoes", TipoOpcao::Bandeira, "", "sem os torneios de seleções"},
            {"personalizado", TipoOpcao::Bandeira, "", "campeonato personalizado com os times dos países de --ligas"},
            {"humanos-clubes", TipoOpcao::Lista, "C1,C2", "clubes dos técnicos humanos (até 6)", 0, 1'000'000},
            opcaosemente(),
            {"opcoes", TipoOpcao::Texto, "ARQUIVO", "arquivo de opções (padrão: DIR/tarvello.ini, se existir)"}};
}

std::unique_ptr<NovoJogo> criajogo(const Argumentos& a) {
    const std::string dados = a.texto("dados", "");
    std::filesystem::path opcoes = std::filesystem::path(dados) / kArquivoOpcoes;
    if (const auto dado = a.valor("opcoes")) {
        // An options file asked for by name must be there: the defaults would hide the mistake.
        std::error_code ec;
        std::ifstream f(*dado);
        if (!std::filesystem::is_regular_file(*dado, ec) || !f)
            throw std::runtime_error("não foi possível ler o arquivo de opções " + *dado);
        opcoes = *dado;
    }
    const long long sistema = a.inteiro("sistema", 10);
    if (sistema != 10 && sistema != 20) throw ErroUso("--sistema deve ser 10 ou 20");
    const std::vector<int> humanos = a.listainteiros("humanos-clubes");
    if (humanos.size() > 6) throw ErroUso("no máximo 6 técnicos humanos");

    auto jogo = std::make_unique<NovoJogo>(dados, opcoes, static_cast<uint64_t>(a.inteiro("semente", 1)));
    const std::string erro = jogo->lerbase();
    imprimeavisos(jogo->avisos());
    if (!erro.empty()) throw std::runtime_error(erro);
    EscolhasJogo e;
    e.personalizado = a.tem("personalizado");
    e.paises = a.listainteiros("ligas");
    e.sistemadisputa = sistema == 20 ? 2 : 4;
    e.copa = !a.tem("sem-copa");
    e.estaduais = a.tem("estaduais");
    e.inter = e.inter3 = !a.tem("sem-continentais");
    e.copamundo = e.eurocopa = e.copaamerica = !a.tem("sem-selecoes");
    // No club given: a world run by the computer alone.
    e.numtecnicoshumanos = static_cast<int>(humanos.size());

    // The same checks as the screens: only countries they would offer, a minimum of clubs.
    const size_t lidos = jogo->avisos().size();
    if (std::string erro2 = jogo->configura(e); !erro2.empty()) throw std::runtime_error(erro2);
    imprimeavisos({jogo->avisos().begin() + static_cast<std::ptrdiff_t>(lidos), jogo->avisos().end()});

    for (size_t k = 0; k < humanos.size(); ++k)
        if (std::string erro3 = jogo->escolhetime(static_cast<int>(k) + 1, humanos[k], "Técnico " + std::to_string(k + 1));
            !erro3.empty())
            throw std::runtime_error(erro3);
    if (std::string erro4 = jogo->inicializa(); !erro4.empty()) throw std::runtime_error(erro4);
    imprimeavisos(jogo->avisosdacarga());
    return jogo;
}

}  // namespace tarvello::cli
