#include "competitions/continentais.h"

#include <vector>

#include "club/premios.h"
#include "competitions/calendario.h"
#include "competitions/copas.h"
#include "competitions/partidas.h"
#include "competitions/sorteiatimes.h"
#include "competitions/tabela.h"
#include "model/mundo.h"
#include "records/artilheiros.h"
#include "records/historico.h"
#include "records/ranking.h"
#include "season/tecnico.h"

namespace tarvello {

namespace {

constexpr int kOitavas = 4;
constexpr int kFinal = 7;
constexpr int kEncerrada = 8;

bool valido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

struct TContadores {
    int32_t& turno;
    int32_t& fase;
    int32_t& jogo;
};

TContadores contadores(Mundo& m, int competicao) {
    TEstadoJogo& e = m.estado;
    if (competicao == kContinental2) return {e.turnosul, e.fasesul, e.jogosul};
    return {e.turnolib, e.faselib, e.jogolib};
}

// The loser of the final: the final's other club.
int finalista(const Mundo& m, int competicao, int confederacao, int campeao) {
    const int i = procurajogo(m, confederacao, competicao, kFinal);
    if (i < 0) return -1;
    const TPartida& p = m.partidas[static_cast<size_t>(i)];
    return p.mandante == campeao ? p.visitante : p.mandante;
}

void premiacontinental(Mundo& m, int competicao, int confederacao, int campeao, int vice) {
    const bool copa1 = competicao == kContinental1;
    registracolocado(m, competicao, campeao, confederacao, 1, -1);
    const int tecnico = tecnicodo(m, campeao);
    registratitulotecnico(m, competicao, campeao, tecnico, confederacao, 1, -1);
    if (valido(m, vice)) {
        registracolocado(m, competicao, vice, confederacao, 2, -1);
        registratitulotecnico(m, competicao, vice, tecnicodo(m, vice), confederacao, 2, -1);
    }
    apuraartilheiro(m, competicao, -1, confederacao);
    if (tecnico >= 0) {
        m.tecnicos[static_cast<size_t>(tecnico)].conquistas[competicao] += 1;
        registratecnico(m, tecnico, 0, "t");
        registratecnico(m, tecnico, copa1 ? 30 : 25, "pr");
    }
    // National teams play these cups only by mistake: prize money goes to clubs.
    if (clubeclassificavel(m, campeao))
        pagapremio(m, campeao, copa1 ? kPremioContinental1Campeao : kPremioContinental2Campeao);
    if (clubeclassificavel(m, vice)) pagapremio(m, vice, copa1 ? kPremioContinental1Vice : kPremioContinental2Vice);
    somarankingclube(m, competicao, campeao, 1);
    somarankingclube(m, competicao, vice, 2);
}

}  // namespace

void sorteiacontinentais(Mundo& m, TClassificados& c) {
    zeracontinentais(m);
    sorteiasulamerica(m, c);
    sorteiaeuropa(m, c);
    montajogos(m, kContinental1, -1);
    if (m.estado.ckinter3) montajogos(m, kContinental2, -1);
}

const int32_t (&gruposcontinentais(const Mundo& m, int competicao, int confederacao))[8][4] {
    const TEstadoJogo& e = m.estado;
    if (competicao == kContinental2) return confederacao == 1 ? e.grupossul1 : e.grupossul2;
    return confederacao == 1 ? e.gruposlib1 : e.gruposlib2;
}

void encerragrupocontinental(Mundo& m, int competicao, bool fimdosgrupos) {
    for (int conf = 1; conf <= 2; ++conf) {
        const int32_t(&grupos)[8][4] = gruposcontinentais(m, competicao, conf);
        int primeiro[8], segundo[8];
        for (int g = 0; g < 8; ++g) {
            std::vector<int> clubes;
            for (int t : grupos[g])
                if (valido(m, t)) clubes.push_back(t);
            const std::vector<TLinhaTabela> linhas = ordenatabela(m, clubes, competicao);
            for (size_t k = 0; k < linhas.size(); ++k)
                m.times[static_cast<size_t>(linhas[k].time)].colocacoes[competicao] = static_cast<int>(k) + 1;
            primeiro[g] = !linhas.empty() ? linhas[0].time : -1;
            segundo[g] = linhas.size() > 1 ? linhas[1].time : -1;
            if (!fimdosgrupos) continue;
            for (size_t k = 2; k < linhas.size(); ++k) {
                TTime& t = m.times[static_cast<size_t>(linhas[k].time)];
                (competicao == kContinental1 ? t.nalib : t.nasul) = 0;
                registracampanha(m, linhas[k].time, 3, competicao, conf);
            }
        }
        if (!fimdosgrupos) continue;
        const int i = procurajogo(m, conf, competicao, kOitavas);
        if (i < 0) continue;
        // Runner-up of the first group of each pair at home against the winner of the other.
        static constexpr int kPares[8][2] = {{4, 0}, {0, 4}, {5, 1}, {1, 5}, {6, 2}, {2, 6}, {7, 3}, {3, 7}};
        for (int k = 0; k < 8; ++k) {
            const size_t ida = static_cast<size_t>(i + 2 * k);
            if (ida + 1 >= m.partidas.size() || m.partidas[ida].rodada != kOitavas) break;
            const int casa = segundo[kPares[k][0]], fora = primeiro[kPares[k][1]];
            m.partidas[ida].mandante = m.partidas[ida + 1].visitante = casa;
            m.partidas[ida].visitante = m.partidas[ida + 1].mandante = fora;
        }
    }
}

void encerradatacontinental(Mundo& m, InteracaoPenaltis& ui, int competicao) {
    TContadores c = contadores(m, competicao);
    if (c.fase < kOitavas) {
        c.fase += 1;
        bool fim = false;
        if (c.fase == kOitavas) {
            if (c.turno == 1) {
                c.turno = 2;
                c.fase = 1;
            } else {
                c.jogo = 1;
                fim = true;
            }
        }
        encerragrupocontinental(m, competicao, fim);
        return;
    }
    if (c.fase >= kEncerrada) return;
    if (c.jogo == 1) {
        c.jogo = 2;
        return;
    }
    const bool final = c.fase == kFinal;
    for (int conf = 1; conf <= 2; ++conf) {
        const int campeao = avancacopa(m, ui, competicao, conf);
        if (final && valido(m, campeao))
            premiacontinental(m, competicao, conf, campeao, finalista(m, competicao, conf, campeao));
    }
    c.fase += 1;
    c.jogo = 1;
}

bool segundajogocontinental(const Mundo& m, int competicao) {
    const TEstadoJogo& e = m.estado;
    if (competicao == kContinental1) return e.faselib >= kOitavas && e.faselib <= kFinal && e.jogolib == 2;
    if (competicao == kContinental2) return e.fasesul >= kOitavas && e.fasesul <= kFinal && e.jogosul == 2;
    return false;
}

std::string nomeinternacional(int competicao, int confederacao) {
    switch (competicao) {
        case kContinental1: return confederacao == 1 ? "Taça Libertadores" : "Liga Campeões";
        case kContinental2: return confederacao == 1 ? "Copa Sul-Americana" : "Copa Uefa";
        case kMundialClubes: return "Mundial Interclubes";
        default: return {};
    }
}

}  // namespace tarvello
