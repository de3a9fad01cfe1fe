#include "jogonovo.h"

#include <stdexcept>

#include "model/mundo.h"
#include "model/opcoes.h"

namespace tarvello::cli {

namespace {

// League index holding club c, or -1.
int ligadoclube(const Mundo& m, int c) {
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l)
        for (const auto& d : m.ligas[static_cast<size_t>(l)].times)
            for (int t : d)
                if (t == c) return l;
    return -1;
}

}  // namespace

std::unique_ptr<NovoJogo> criajogo(const Argumentos& a) {
    const auto dados = a.valor("dados");
    if (!dados) throw std::runtime_error("informe --dados PASTA");
    const std::filesystem::path opcoes =
        a.texto("opcoes", (std::filesystem::path(*dados) / kArquivoOpcoes).string());
    const long long sistema = a.inteiro("sistema", 10);
    if (sistema != 10 && sistema != 20) throw std::runtime_error("--sistema deve ser 10 ou 20");
    const std::vector<int> humanos = a.listainteiros("humanos-clubes");
    if (humanos.size() > 6) throw std::runtime_error("no máximo 6 técnicos humanos");

    auto jogo = std::make_unique<NovoJogo>(*dados, opcoes, static_cast<uint64_t>(a.inteiro("semente", 1)));
    jogo->lerbase();
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
    if (std::string erro = jogo->configura(e); !erro.empty()) throw std::runtime_error(erro);

    Mundo& m = jogo->mundo();
    for (size_t k = 0; k < humanos.size(); ++k) {
        const int c = humanos[k];
        if (c < 0 || c >= m.estado.numclubesliga)
            throw std::runtime_error("clube " + std::to_string(c) + " não está em nenhuma liga");
        if (jogo->timeescolhido(c)) throw std::runtime_error("clube " + std::to_string(c) + " já escolhido");
        jogo->escolhetime(static_cast<int>(k) + 1, c, ligadoclube(m, c), "Técnico " + std::to_string(k + 1));
    }
    if (std::string erro = jogo->inicializa(); !erro.empty()) throw std::runtime_error(erro);
    return jogo;
}

}  // namespace tarvello::cli
