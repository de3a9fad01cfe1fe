#include "ui/escudos_tela.h"

#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <system_error>

#include "database/escudos.h"
#include "model/mundo.h"

namespace tarvello {

QIcon CacheEscudos::icone(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return {};
    const std::string nome(m.times[static_cast<size_t>(time)].escudo.bruto());
    if (auto it = icones_.find(nome); it != icones_.end()) return it->second;
    std::error_code erro;
    const std::filesystem::path raiz = std::filesystem::current_path(erro);
    QIcon icone;
    if (!erro) {
        const TImagem img = carregaescudo(raiz, nome);
        if (!img.vazia()) {
            QImage q(img.largura, img.altura, QImage::Format_ARGB32);
            for (int y = 0; y < img.altura; ++y)
                for (int x = 0; x < img.largura; ++x) q.setPixel(x, y, img.pixel(x, y));
            icone = QIcon(QPixmap::fromImage(q));
        }
    }
    icones_.emplace(nome, icone);
    return icone;
}

}  // namespace tarvello
