#include "newgame/novojogo.h"

#include <algorithm>

#include "competitions/selecoestorneios.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

NovoJogo::NovoJogo(std::filesystem::path raiz, std::filesystem::path opcoes, uint64_t semente)
    : raiz_(std::move(raiz)), opcoes_(std::move(opcoes)), mundo_(std::make_unique<Mundo>()) {
    mundo_->aleatorio.semeia(semente);
    preparacao_.raiz = raiz_;
}

NovoJogo::~NovoJogo() = default;

std::string NovoJogo::lerbase() {
    lerresumos(preparacao_, raiz_);
    avisos_ = preparacao_.avisos;
    return preparacao_.erro;
}

std::string NovoJogo::faltaselecoes(int competicao) const {
    return tarvello::faltaselecoes(competicao, preparacao_.selecoes);
}

std::vector<std::string> NovoJogo::avisosdacarga() const {
    return {avisos_.begin() + static_cast<std::ptrdiff_t>(std::min(avisosantesdacarga_, avisos_.size())), avisos_.end()};
}

const std::array<int, 202>& NovoJogo::contagem() const { return preparacao_.clubesusaveis; }

std::vector<TPaisOferecido> NovoJogo::gradereal() const {
    return paisesoferecidos(preparacao_, kMinClubesLiga);
}

std::vector<TPaisOferecido> NovoJogo::gradepersonalizada() const {
    return paisesoferecidos(preparacao_, 1);
}

std::string NovoJogo::configura(const EscolhasJogo& escolhas) {
    // A second try on the set-up screen replaces the notices of the first.
    avisos_ = preparacao_.avisos;
    std::vector<std::string> novos;
    std::string erro = preparaligas(*mundo_, preparacao_, escolhas, &novos);
    if (erro.empty()) avisos_.insert(avisos_.end(), novos.begin(), novos.end());
    return erro;
}

std::string NovoJogo::escolhetime(int k, int clube, const std::string& nome) {
    Mundo& m = *mundo_;
    if (k < 1 || k > kMaxHumanos) return "Técnico " + std::to_string(k) + " inválido";
    const int liga = ligadadivisao(m, clube);
    if (liga < 0) return "O clube " + std::to_string(clube) + " não está em nenhuma divisão de uma liga jogada";
    if (timeescolhido(clube) && m.estado.timedotecnico[k - 1] != clube)
        return "Clube " + m.times[static_cast<size_t>(clube)].nome.utf8() + " já escolhido por outro técnico";
    m.times[static_cast<size_t>(clube)].humano = 1;
    m.estado.timedotecnico[k - 1] = clube;
    m.estado.timeatual = clube;
    m.ligas[static_cast<size_t>(liga)].temhumano = 1;
    nomes_[static_cast<size_t>(k - 1)] = nome;
    preparacao_.nomestecnicos[static_cast<size_t>(k - 1)] = nome;
    return {};
}

bool NovoJogo::timeescolhido(int clube) const {
    const TEstadoJogo& e = mundo_->estado;
    return clube >= 0 && std::find(std::begin(e.timedotecnico), std::end(e.timedotecnico), clube) !=
                             std::end(e.timedotecnico);
}

std::string NovoJogo::inicializa(const std::function<void(int)>& progresso) {
    avisosantesdacarga_ = avisos_.size();
    return inicializamundo(*mundo_, preparacao_, opcoes_, progresso, &avisos_);
}

TPrimeiraTela NovoJogo::primeiratela() { return escolheprimeiratela(*mundo_); }

std::unique_ptr<Mundo> NovoJogo::entregamundo() { return std::move(mundo_); }

}  // namespace tarvello
