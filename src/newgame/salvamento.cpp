#include "newgame/salvamento.h"

#include <algorithm>

#include "competitions/calendario.h"
#include "competitions/liga.h"
#include "database/jogosalvo.h"
#include "model/mundo.h"
#include "model/registros.h"

namespace tarvello {
namespace fs = std::filesystem;

namespace {

std::string nomedotime(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.times.size()) ? std::string(m.times[static_cast<size_t>(t)].nome.bruto())
                                                           : std::string();
}

// What a saved game does not hold is worked out again from what it does.
void refazderivados(Mundo& m) {
    montacalendario(m);
    refazelencos(m);
    // The league's last round was played before the save, and its awards went with it.
    m.ligaencerrada = ligaterminada(m);
    m.ligapremiada = m.ligaencerrada;
}

}  // namespace

fs::path arquivosalvo(const fs::path& raiz, const TEstadoJogo& e) {
    return pastasalvos(raiz) / e.nomearquivo.utf8();
}

void preenchesalvo(Mundo& m) {
    TEstadoJogo& e = m.estado;
    int t = e.timeatual;
    // A coach who changed clubs since his last turn (headless, or between turns) is named with
    // the club he runs now.
    const bool humano = t >= 0 && t < static_cast<int>(m.times.size()) && m.times[static_cast<size_t>(t)].humano;
    for (int k = 0; !humano && k < std::min(e.numtecnicoshumanos, kMaxHumanos); ++k)
        if (e.timedotecnico[k] >= 0) {
            t = e.timedotecnico[k];
            break;
        }
    std::string tecnico;
    if (t >= 0 && t < static_cast<int>(m.times.size())) {
        const int k = m.times[static_cast<size_t>(t)].tecnico;
        if (k >= 0 && k < static_cast<int>(m.tecnicos.size())) tecnico = m.tecnicos[static_cast<size_t>(k)].nome.bruto();
    }
    std::string time = nomedotime(m, t);
    if (e.competicaoatual >= kCopaMundo) time = nomedotime(m, e.selecaoatual) + " (" + time + ")";
    e.nometecnicosalvo.definebruto(tecnico);
    e.nometimesalvo.definebruto(time);
}

std::string salvajogo(Mundo& m, const fs::path& arquivo) {
    preenchesalvo(m);
    if (!gravajogo(arquivo, m).empty()) return std::string(kErroSalvar);
    return {};
}

JogoCarregado carregajogo(const fs::path& arquivo, uint64_t semente) {
    JogoCarregado r;
    const auto bytes = learquivojogo(arquivo);
    if (!bytes) {
        r.erro = kErroCarregar;
        r.motivo = "não foi possível ler " + arquivo.filename().string();
        return r;
    }
    auto novo = std::make_unique<Mundo>();
    novo->aleatorio.semeia(semente);
    r.motivo = decodificajogo(*bytes, *novo);
    if (!r.motivo.empty()) {
        r.erro = kJogoInvalido;
        return r;
    }
    novo->estado.nomearquivo.define(arquivo.filename().string());
    refazderivados(*novo);
    r.mundo = std::move(novo);
    return r;
}

std::string descricaosalvo(const TEstadoJogo& e) {
    switch (e.competicaoatual) {
        case kAmistoso: return "Amistoso";
        case kLiga:
            return "Campeonato Nacional" + std::to_string(e.rodadaliga) + "ª rodada -" + std::to_string(e.turnoliga) +
                   "º turno";
        case kCopaNacional: return "Copa Nacional";
        case kEstadual: return "Campeonato estadual";
        case kContinental1: return "Libertadores/Liga Campeões";
        case kMundialClubes: return "Mundial Interclubes";
        case kContinental2: return "Sul-Americana/Copa da UEFA";
        case kCopaMundo: return "Copa do Mundo";
        case kCopaAmerica: return "Copa América";
        case kEurocopa: return "Eurocopa";
        default: return {};
    }
}

bool salvamentoautomatico(int& contador, int salvarauto) {
    if (salvarauto == 2) return true;
    if (salvarauto != 1) return false;
    if (contador == 2) {
        contador = 0;
        return true;
    }
    ++contador;
    return false;
}

bool salvamentoinicioano(int salvarauto) { return salvarauto == 3; }

}  // namespace tarvello
