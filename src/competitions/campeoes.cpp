#include "competitions/campeoes.h"

#include "club/financas.h"
#include "competitions/continentais.h"
#include "competitions/copas.h"
#include "competitions/mundial.h"
#include "competitions/liga.h"
#include "model/mundo.h"
#include "records/artilheiros.h"
#include "records/historico.h"

namespace tarvello {

namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

// The coach who took that place, from the coaches' titles history.
std::string nometecnico(const Mundo& m, int competicao, int pais, int temporada, int divisao, int lugar) {
    for (const THistoricoTecnico& h : m.historicotecnicos)
        if (h.temporada == temporada && h.competicao == competicao && h.regiao == pais && h.divisao == divisao &&
            h.colocacao == lugar && h.tecnico >= 0 && h.tecnico < static_cast<int>(m.tecnicos.size()))
            return m.tecnicos[static_cast<size_t>(h.tecnico)].nome.utf8();
    return {};
}

void linhacolocado(const Mundo& m, std::vector<TLinhaCampeoes>& r, int competicao, int pais, int temporada,
              int divisao, int lugar, int premio) {
    const int t = colocado(m, pais, lugar, temporada, divisao, competicao);
    if (!timevalido(m, t)) return;
    r.push_back({m.times[static_cast<size_t>(t)].nome.utf8() + " - Téc.:" +
                     nometecnico(m, competicao, pais, temporada, divisao, lugar) + " ($" + rotulopremio(premio) + ")",
                 t, false});
}

// "Nome (Clube, 7 gols" of a competition's top scorer, empty when none was recorded.
std::string linhaartilheiro(const Mundo& m, int regiao, int temporada, int competicao, int divisao, int& time) {
    const int a = artilheiro(m, regiao, temporada, competicao, divisao);
    if (a < 0) return {};
    const THistoricoArtilheiro& h = m.historicoartilheiros[static_cast<size_t>(a)];
    time = h.time;
    return nomeartilheiro(m, a) + " (" + timeartilheiro(m, a) + ", " + std::to_string(h.gols) + " gols";
}

}  // namespace

std::vector<TLinhaCampeoes> linhascampeoesinternacionais(const Mundo& m, int temporada) {
    std::vector<TLinhaCampeoes> r;
    if (!m.estado.ckinter) return r;
    struct TCopa {
        int competicao, regiao, premio1, premio2;
    };
    std::vector<TCopa> copas = {{kMundialClubes, -1, kPremioMundialCampeao, kPremioMundialVice},
                                {kContinental1, 1, kPremioContinental1Campeao, kPremioContinental1Vice},
                                {kContinental1, 2, kPremioContinental1Campeao, kPremioContinental1Vice}};
    if (m.estado.ckinter3) {
        copas.push_back({kContinental2, 1, kPremioContinental2Campeao, kPremioContinental2Vice});
        copas.push_back({kContinental2, 2, kPremioContinental2Campeao, kPremioContinental2Vice});
    }
    for (const TCopa& c : copas) {
        r.push_back({nomeinternacional(c.competicao, c.regiao), -1, true});
        for (int lugar = 1; lugar <= 2; ++lugar) {
            const int t = colocado(m, c.regiao, lugar, temporada, -1, c.competicao);
            if (!timevalido(m, t)) continue;
            r.push_back({m.times[static_cast<size_t>(t)].nome.utf8() + " ($" +
                             rotulopremio(lugar == 1 ? c.premio1 : c.premio2) + ")",
                         t, false});
        }
        int time = -1;
        const std::string a = linhaartilheiro(m, c.regiao, temporada, c.competicao, -1, time);
        if (!a.empty()) r.push_back({a + ")", time, false});
    }
    return r;
}

std::string rotulopremio(int valor) {
    std::string r = formatamil(valor);
    while (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

std::vector<TLinhaCampeoes> linhascampeoesnacionais(const Mundo& m, int liga, int temporada) {
    std::vector<TLinhaCampeoes> r;
    if (liga < 0 || liga >= static_cast<int>(m.ligas.size())) return r;
    const TLiga& l = m.ligas[static_cast<size_t>(liga)];
    for (int d = 1; d <= l.numdivisoes && d <= 4; ++d) {
        r.push_back({std::to_string(d) + "ª Divisão", -1, true});
        linhacolocado(m, r, kLiga, l.pais, temporada, d, 1, premioliga(m, d, 1));
        linhacolocado(m, r, kLiga, l.pais, temporada, d, 2, premioliga(m, d, 2));
        int time = -1;
        std::string t = linhaartilheiro(m, l.pais, temporada, kLiga, d, time);
        if (!t.empty()) {
            if (d == 1) t += " - $" + rotulopremio(kPremioArtilheiroLiga);
            r.push_back({t + ")", time, false});
        }
    }
    if (m.estado.ckcopa) {
        r.push_back({"Copa " + frasecopa(l.pais), -1, true});
        linhacolocado(m, r, kCopaNacional, l.pais, temporada, -1, 1, kPremioCopaCampeao);
        linhacolocado(m, r, kCopaNacional, l.pais, temporada, -1, 2, kPremioCopaVice);
    }
    return r;
}

}  // namespace tarvello
