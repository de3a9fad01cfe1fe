#include "ui/escudos_tela.h"

#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <system_error>

#include "database/bandeiras.h"
#include "database/escudos.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

QIcon iconedaimagem(const TImagem& img) {
    if (img.vazia()) return {};
    return QIcon(pixmapdaimagem(img));
}

QIcon iconedoarquivo(const std::filesystem::path& arquivo) {
    static std::map<std::string, QIcon> icones;
    const std::string chave = arquivo.string();
    if (auto it = icones.find(chave); it != icones.end()) return it->second;
    std::error_code erro;
    QIcon icone;
    if (std::filesystem::is_regular_file(arquivo, erro))
        if (auto img = carregaimagem(arquivo)) icone = iconedaimagem(*img);
    icones.emplace(chave, icone);
    return icone;
}

std::filesystem::path pastadojogo() {
    std::error_code erro;
    const std::filesystem::path raiz = std::filesystem::current_path(erro);
    return erro ? std::filesystem::path() : raiz;
}

}  // namespace

QPixmap pixmapdaimagem(const TImagem& img) {
    if (img.vazia()) return {};
    QImage q(img.largura, img.altura, QImage::Format_ARGB32);
    for (int y = 0; y < img.altura; ++y)
        for (int x = 0; x < img.largura; ++x) q.setPixel(x, y, img.pixel(x, y));
    return QPixmap::fromImage(q);
}

QIcon iconebandeira(int pais) { return iconedoarquivo(arquivobandeira(pastadojogo(), pais)); }

QIcon iconebandeiraestado(int estado) { return iconedoarquivo(arquivobandeiraestado(pastadojogo(), estado)); }

QIcon iconebandeiraclube(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return {};
    const TTime& t = m.times[static_cast<size_t>(time)];
    if (t.pais == kBrasil && t.estado >= 0 && t.estado < kNumEstados) return iconebandeiraestado(t.estado);
    return iconebandeira(t.pais);
}

QIcon CacheEscudos::icone(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return {};
    const std::string nome(m.times[static_cast<size_t>(time)].escudo.bruto());
    if (auto it = icones_.find(nome); it != icones_.end()) return it->second;
    std::error_code erro;
    const std::filesystem::path raiz = std::filesystem::current_path(erro);
    QIcon icone;
    if (!erro) {
        icone = iconedaimagem(carregaescudo(raiz, nome));
    }
    icones_.emplace(nome, icone);
    return icone;
}

}  // namespace tarvello
