#include "match/screens/sons_tela.h"

#include <QSoundEffect>
#include <QUrl>
#include <system_error>

namespace tarvello {

TocadorSons::TocadorSons() = default;
TocadorSons::~TocadorSons() = default;

bool TocadorSons::registrasom(const std::filesystem::path& arquivo, const std::string& alias) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(arquivo, ec)) return false;
    auto e = std::make_unique<QSoundEffect>();
    e->setSource(QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(arquivo, ec).string())));
    efeitos_[alias] = std::move(e);
    return true;
}

void TocadorSons::registrasons(const std::filesystem::path& raiz) {
    for (Som s : kSons) registrasom(raiz / arquivosom(s), std::string(aliassom(s)));
}

void TocadorSons::tocasom(const std::string& alias) {
    const auto it = efeitos_.find(alias);
    if (it == efeitos_.end()) return;
    ++contagem_[alias];
    // A file that cannot be decoded, or no audio device, plays nothing and says nothing.
    if (it->second->status() == QSoundEffect::Error) return;
    it->second->stop();
    it->second->play();
}

int TocadorSons::tocados(const std::string& alias) const {
    const auto it = contagem_.find(alias);
    return it == contagem_.end() ? 0 : it->second;
}

TocadorSons& tocador() {
    // Opened once for the whole run and never closed: destroying the sound objects after the
    // application object is gone (at exit) would abort.
    static TocadorSons* t = new TocadorSons;
    return *t;
}

void tocasom(const Mundo& m, Som s) {
    if (somligado(m)) tocador().tocasom(std::string(aliassom(s)));
}

}  // namespace tarvello
