#pragma once
// A new game from the set-up choices to the first date, as one object both the screens and the
// headless tool drive: every new game builds a fresh world, so nothing of an earlier game in the
// same run survives.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/preparacao.h"
#include "newgame/configuracao.h"
#include "newgame/escolhas.h"
#include "newgame/inicializacao.h"

namespace tarvello {

struct Mundo;

class NovoJogo {
public:
    // `raiz` is the data folder (holding "teams/"); `opcoes` the options file.
    NovoJogo(std::filesystem::path raiz, std::filesystem::path opcoes, uint64_t semente);
    ~NovoJogo();
    NovoJogo(const NovoJogo&) = delete;
    NovoJogo& operator=(const NovoJogo&) = delete;

    // Summary scan of the club and national-team files: usable clubs per country. Returns ""
    // or, when the data folder holds no club file, the message naming it (nothing can be played).
    // Damaged files left out are listed in `avisos`.
    std::string lerbase();
    const std::array<int, 202>& contagem() const;
    // Rows of the real-mode grid (22+ usable clubs) and of the custom grid (1+).
    std::vector<TPaisOferecido> gradereal() const;
    std::vector<TPaisOferecido> gradepersonalizada() const;

    // "Iniciar jogo >>" in real mode, or "Continuar >>" of the custom championship: writes the
    // choices and composes the leagues. Empty text on success, else the message to show
    // (nothing changes then).
    std::string configura(const EscolhasJogo& escolhas);

    // Human coach k (1-based) takes club `clube`. Only a club placed in a division of a played
    // league can be taken, once: otherwise nothing changes and the message is returned.
    std::string escolhetime(int k, int clube, const std::string& nome);
    bool timeescolhido(int clube) const;
    const std::array<std::string, 6>& nomestecnicos() const { return nomes_; }

    // Loads the whole database and builds the first season, reporting progress 10..100.
    // Empty text on success, else the loader's message (the game cannot start).
    std::string inicializa(const std::function<void(int)>& progresso = {});
    // Which screen opens first (may move the date, see `escolheprimeiratela`).
    TPrimeiraTela primeiratela();

    Mundo& mundo() { return *mundo_; }
    const Mundo& mundo() const { return *mundo_; }
    // Playable national teams lack for tournament `competicao`: the notice, else "".
    std::string faltaselecoes(int competicao) const;
    // Everything the player must be told so far, in order: damaged files left out by the scan,
    // tournaments switched off by the set-up, clubs left out by the full load.
    const std::vector<std::string>& avisos() const { return avisos_; }
    // The warnings added since the set-up (those of the full load).
    std::vector<std::string> avisosdacarga() const;

    // Hands the finished world to whoever runs the game.
    std::unique_ptr<Mundo> entregamundo();

private:
    std::filesystem::path raiz_;
    std::filesystem::path opcoes_;
    std::unique_ptr<Mundo> mundo_;
    Preparacao preparacao_;
    std::array<std::string, 6> nomes_;
    std::vector<std::string> avisos_;
    size_t avisosantesdacarga_ = 0;
};

}  // namespace tarvello
