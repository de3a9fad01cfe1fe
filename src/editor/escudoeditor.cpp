#include "editor/escudoeditor.h"

#include <system_error>

#include "database/escudos.h"

namespace tarvello {
namespace fs = std::filesystem;

std::string confereescudo(const fs::path& raiz, const std::string& nome, bool selecao) {
    const std::string erro = "Não foi possível carregar o escudo " + nome;
    if (nome.empty() || nome.find_first_of("/\\") != std::string::npos || nome == "." || nome == "..") return erro;
    const fs::path pasta = selecao ? pastaselecoes(raiz) : pastaescudos(raiz);
    for (const char* ext : {".gif", ".bmp"}) {
        const fs::path arquivo = pasta / (nome + ext);
        std::error_code ec;
        if (!fs::is_regular_file(arquivo, ec)) continue;
        auto img = carregaimagem(arquivo);
        return img && !img->vazia() ? std::string() : erro;
    }
    return erro;
}

}  // namespace tarvello
