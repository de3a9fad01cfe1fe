#pragma once
// The desktop game's answers to the questions a match asks a person: the injury replacement
// window, the match screen at half-time and the penalty windows.
#include "match/interacao.h"
#include "match/screens/interacao_penaltis_janelas.h"

class QWidget;

namespace tarvello {

class InteracaoJanelas : public Interacao {
public:
    explicit InteracaoJanelas(QWidget* pai = nullptr) : pai_(pai), penaltis_(pai) {}
    void definepai(QWidget* pai) {
        pai_ = pai;
        penaltis_.definepai(pai);
    }
    // Speeds the penalty windows' pauses up (tests).
    void defineritmopenaltis(double ritmo) { penaltis_.defineritmo(ritmo); }

    int substitutocontusao(Mundo& m, int jogo, int lado, int contundido, const std::vector<int>& candidatos) override;
    void intervalo(Mundo& m, int jogo) override;

    std::vector<int> escolhebatedores(const Mundo& m, int time, const std::vector<int>& disponiveis,
                                      const std::vector<int>& sugestao) override {
        return penaltis_.escolhebatedores(m, time, disponiveis, sugestao);
    }
    void mostradisputa(const Mundo& m, const TDisputaPenaltis& d) override { penaltis_.mostradisputa(m, d); }
    void cobrapenalti(const Mundo& m, int time, const std::vector<int>& candidatos, int sugestao,
                      const std::function<TCobrancaPenalti(int batedor)>& cobra) override {
        penaltis_.cobrapenalti(m, time, candidatos, sugestao, cobra);
    }
    void mostrapenalti(const Mundo& m, int time, const TCobrancaPenalti& c) override { penaltis_.mostrapenalti(m, time, c); }
    void penaltimarcado(const Mundo& m) override;
    void aviso(const std::string& texto) override;

private:
    QWidget* pai_;
    PenaltisJanelas penaltis_;
};

}  // namespace tarvello
