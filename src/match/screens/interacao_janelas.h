#pragma once
// The desktop game's answers to the questions a match asks a person: the injury replacement
// window and the match screen at half-time. Penalty questions are answered as the computer
// would until their windows take them over.
#include "match/interacao.h"

class QWidget;

namespace tarvello {

class InteracaoJanelas : public Interacao {
public:
    explicit InteracaoJanelas(QWidget* pai = nullptr) : pai_(pai) {}
    void definepai(QWidget* pai) { pai_ = pai; }

    int substitutocontusao(Mundo& m, int jogo, int lado, int contundido, const std::vector<int>& candidatos) override;
    void intervalo(Mundo& m, int jogo) override;

private:
    QWidget* pai_;
};

}  // namespace tarvello
