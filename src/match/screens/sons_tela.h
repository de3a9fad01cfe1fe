#pragma once
// The match sounds on Qt Multimedia: each WAV file registered once when the program starts
// (only when it exists), played without waiting; an unplayable file is skipped silently.
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "match/sons.h"

class QSoundEffect;

namespace tarvello {

struct Mundo;

class TocadorSons {
public:
    TocadorSons();
    ~TocadorSons();
    // Opens `arquivo` under `alias` when the file exists; false otherwise (nothing registered).
    bool registrasom(const std::filesystem::path& arquivo, const std::string& alias);
    // The four sounds of the data folder.
    void registrasons(const std::filesystem::path& raiz);
    // Plays the alias from its beginning, even while it is still playing; an alias never
    // registered does nothing. Counts every play (tests).
    void tocasom(const std::string& alias);
    int tocados(const std::string& alias) const;
    bool registrado(const std::string& alias) const { return efeitos_.count(alias) != 0; }

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> efeitos_;
    std::map<std::string, int> contagem_;
};

// The program's one player (the sounds are opened once for the whole run).
TocadorSons& tocador();

// Plays the sound when the game wants sounds now (`somligado`).
void tocasom(const Mundo& m, Som s);

}  // namespace tarvello
