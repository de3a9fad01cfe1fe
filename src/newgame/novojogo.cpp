#include "newgame/novojogo.h"

#include <algorithm>

#include "database/montaliga.h"
#include "database/preparacao.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

struct NovoJogo::Carga {
    Preparacao preparacao;
};

NovoJogo::NovoJogo(std::filesystem::path raiz, std::filesystem::path opcoes, uint64_t semente)
    : raiz_(std::move(raiz)),
      opcoes_(std::move(opcoes)),
      mundo_(std::make_unique<Mundo>()),
      carga_(std::make_unique<Carga>()) {
    mundo_->aleatorio.semeia(semente);
    carga_->preparacao.raiz = raiz_;
}

NovoJogo::~NovoJogo() = default;

void NovoJogo::lerbase() { lerresumos(carga_->preparacao, raiz_); }

const std::array<int, 202>& NovoJogo::contagem() const { return carga_->preparacao.clubesusaveis; }

std::vector<TPaisOferecido> NovoJogo::gradereal() const {
    return paisesoferecidos(carga_->preparacao, kMinClubesLiga);
}

std::vector<TPaisOferecido> NovoJogo::gradepersonalizada() const {
    return paisesoferecidos(carga_->preparacao, 1);
}

namespace {
// The team choice starts with no club taken.
void semtecnicos(TEstadoJogo& e) {
    std::fill(std::begin(e.timedotecnico), std::end(e.timedotecnico), -1);
}
}  // namespace

std::string NovoJogo::configurareal(const TEscolhasJogo& escolhas) {
    if (escolhas.paises.empty()) return std::string(kMsgSelecioneLiga);
    Mundo& m = *mundo_;
    TEscolhasJogo e = escolhas;
    e.personalizado = false;
    registraescolhas(m, e);
    m.times.clear();
    carga_->preparacao.arquivos.clear();
    carga_->preparacao.composicao.clear();
    m.estado.numclubesliga = 0;
    for (int slot = 0; slot < static_cast<int>(m.ligas.size()); ++slot)
        montaliga(m, carga_->preparacao, slot, m.ligas[static_cast<size_t>(slot)].pais);
    semtecnicos(m.estado);
    return {};
}

std::string NovoJogo::configurapersonalizado(const TEscolhasJogo& escolhas) {
    int clubes = 0;
    for (int p : escolhas.paises)
        if (p >= 0 && p < kPersonalizado) clubes += carga_->preparacao.clubesusaveis[static_cast<size_t>(p)];
    // The screen keeps "Continuar >>" disabled below the minimum; the headless tool says why.
    if (clubes < kMinClubesPersonalizado)
        return "São necessários pelo menos " + std::to_string(kMinClubesPersonalizado) +
               " times selecionados";
    Mundo& m = *mundo_;
    TEscolhasJogo e = escolhas;
    e.personalizado = true;
    marcapersonalizado(carga_->preparacao, e.paises);
    registraescolhas(m, e);
    m.times.clear();
    carga_->preparacao.arquivos.clear();
    carga_->preparacao.composicao.clear();
    m.estado.numclubesliga = 0;
    montaliga(m, carga_->preparacao, 0, kPersonalizado);
    semtecnicos(m.estado);
    return {};
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
    carga_->preparacao.nomestecnicos[static_cast<size_t>(k - 1)] = nomes_[static_cast<size_t>(k - 1)];
}

bool NovoJogo::timeescolhido(int clube) const {
    const TEstadoJogo& e = mundo_->estado;
    return clube >= 0 && std::find(std::begin(e.timedotecnico), std::end(e.timedotecnico), clube) !=
                             std::end(e.timedotecnico);
}

void NovoJogo::inicializa(const std::function<void(int)>& progresso) {
    inicializamundo(*mundo_, carga_->preparacao, opcoes_, progresso);
}

TPrimeiraTela NovoJogo::primeiratela() { return escolheprimeiratela(*mundo_); }

std::unique_ptr<Mundo> NovoJogo::entregamundo() { return std::move(mundo_); }

}  // namespace tarvello
