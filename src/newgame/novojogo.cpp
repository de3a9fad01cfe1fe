#include "newgame/novojogo.h"

#include <algorithm>

#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

NovoJogo::NovoJogo(std::filesystem::path raiz, std::filesystem::path opcoes, uint64_t semente)
    : raiz_(std::move(raiz)), opcoes_(std::move(opcoes)), mundo_(std::make_unique<Mundo>()) {
    mundo_->aleatorio.semeia(semente);
    preparacao_.raiz = raiz_;
}

NovoJogo::~NovoJogo() = default;

void NovoJogo::lerbase() { lerresumos(preparacao_, raiz_); }

const std::array<int, 202>& NovoJogo::contagem() const { return preparacao_.clubesusaveis; }

std::vector<TPaisOferecido> NovoJogo::gradereal() const {
    return paisesoferecidos(preparacao_, kMinClubesLiga);
}

std::vector<TPaisOferecido> NovoJogo::gradepersonalizada() const {
    return paisesoferecidos(preparacao_, 1);
}

std::string NovoJogo::configura(const EscolhasJogo& escolhas) {
    return preparaligas(*mundo_, preparacao_, escolhas);
}

void NovoJogo::escolhetime(int k, int clube, int liga, const std::string& nome) {
    Mundo& m = *mundo_;
    if (k < 1 || k > kMaxHumanos) return;
    if (clube < 0 || clube >= static_cast<int>(m.times.size())) return;
    m.times[static_cast<size_t>(clube)].humano = 1;
    m.estado.timedotecnico[k - 1] = clube;
    m.estado.timeatual = clube;
    if (liga >= 0 && liga < static_cast<int>(m.ligas.size())) m.ligas[static_cast<size_t>(liga)].temhumano = 1;
    nomes_[static_cast<size_t>(k - 1)] = nome;
    preparacao_.nomestecnicos[static_cast<size_t>(k - 1)] = nome;
}

bool NovoJogo::timeescolhido(int clube) const {
    const TEstadoJogo& e = mundo_->estado;
    return clube >= 0 && std::find(std::begin(e.timedotecnico), std::end(e.timedotecnico), clube) !=
                             std::end(e.timedotecnico);
}

std::string NovoJogo::inicializa(const std::function<void(int)>& progresso) {
    return inicializamundo(*mundo_, preparacao_, opcoes_, progresso);
}

TPrimeiraTela NovoJogo::primeiratela() { return escolheprimeiratela(*mundo_); }

std::unique_ptr<Mundo> NovoJogo::entregamundo() { return std::move(mundo_); }

}  // namespace tarvello
