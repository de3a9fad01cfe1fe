#pragma once
// Where a match needs a person, the core asks through this interface. The desktop game answers
// with its windows; the headless side answers as a computer-run club would.
#include <string>
#include <vector>

#include "model/diajogo.h"
#include "match/penaltis.h"

namespace tarvello {

struct Mundo;

// Penalties and shoot-outs are asked through the same object (`InteracaoPenaltis`).
class Interacao : public InteracaoPenaltis {
public:
    virtual ~Interacao() = default;

    // A human club's player got injured and the side has substitutions left. `candidatos` are
    // the bench players offered (never empty). Returns the chosen one, or 0 to play on without
    // a replacement.
    virtual int substitutocontusao(Mundo& m, int jogo, int lado, int contundido,
                                   const std::vector<int>& candidatos) = 0;

    // Half-time pause of a match with a human club (the match screen). The person may change
    // players, positions and tactics through the core operations before play resumes.
    virtual void intervalo(Mundo& m, int jogo) = 0;

    // A notice the game gives once and goes on (a competition that cannot be played).
    virtual void aviso(const std::string&) {}
};

// Answers every question as the computer answers for its own clubs.
class InteracaoComputador : public Interacao {
public:
    int substitutocontusao(Mundo& m, int jogo, int lado, int contundido,
                           const std::vector<int>& candidatos) override;
    void intervalo(Mundo&, int) override {}
};

}  // namespace tarvello
