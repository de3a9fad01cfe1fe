#include "records/artilheiros.h"

#include "club/premios.h"
#include "competitions/vagas.h"
#include "database/arquivos.h"
#include "model/mundo.h"

namespace tarvello {

void registraartilheiro(Mundo& m, int competicao, int time, int jogador, int regiao, int gols, int divisao) {
    m.historicoartilheiros.push_back({m.estado.temporada, competicao, time, jogador, divisao, gols, regiao});
}

int artilheiro(const Mundo& m, int regiao, int temporada, int competicao, int divisao) {
    for (size_t i = 0; i < m.historicoartilheiros.size(); ++i) {
        const THistoricoArtilheiro& h = m.historicoartilheiros[i];
        if (h.temporada == temporada && h.competicao == competicao && h.regiao == regiao && h.divisao == divisao)
            return static_cast<int>(i);
    }
    return -1;
}

int apuraartilheiro(Mundo& m, int competicao, int divisao, int regiao) {
    if (competicao < 0 || competicao >= kNumCompeticoes) return -1;
    int melhor = -1;
    for (size_t j = 1; j < m.jogadores.size(); ++j) {
        const TJogador& p = m.jogadores[j];
        if (p.time < 0 || p.time >= static_cast<int>(m.times.size()) || p.gols[competicao] <= 0) continue;
        const TTime& c = m.times[p.time];
        switch (competicao) {
            case kLiga:
                if (c.pais != regiao || c.divisao != divisao) continue;
                break;
            case kCopaNacional:
                if (c.pais != regiao) continue;
                break;
            case kContinental1:
            case kContinental2:
                if (confederacaocopas(c.pais) != regiao) continue;
                break;
            default:
                break;
        }
        if (melhor < 0) {
            melhor = static_cast<int>(j);
            continue;
        }
        const TJogador& b = m.jogadores[melhor];
        if (p.gols[competicao] > b.gols[competicao] ||
            (p.gols[competicao] == b.gols[competicao] && p.partidas[competicao] < b.partidas[competicao]))
            melhor = static_cast<int>(j);
    }
    if (melhor < 0) return -1;
    TJogador& a = m.jogadores[melhor];
    if (competicao >= kCopaMundo) {
        // The tournament's teams and generated players are removed after the season, so the
        // edition keeps its top scorer by name rather than by index.
        THistoricoTorneio& h = m.estado.historicotorneios[competicao - kCopaMundo];
        const int ed = m.estado.edicoes[competicao - kCopaMundo] - 1;
        if (ed >= 0 && ed < 50) {
            h.artilheiro[ed].definebruto(a.nome.bruto());
            h.golsartilheiro[ed] = a.gols[competicao];
            h.paisartilheiro[ed] = m.times[a.time].pais;
        }
        return melhor;
    }
    const int reg = competicao == kLiga || competicao == kCopaNacional || competicao >= kCopaMundo
                        ? m.times[a.time].pais
                        : (competicao == kMundialClubes ? -1 : regiao);
    registraartilheiro(m, competicao, a.time, melhor, reg, a.gols[competicao], competicao == kLiga ? divisao : -1);
    if (competicao == kLiga) {
        pagapremio(m, a.time, kPremioArtilheiroLiga);
        a.estrela = 1;
    } else if (competicao == kCopaNacional) {
        pagapremio(m, a.time, 1000000);
    }
    return melhor;
}

}  // namespace tarvello
