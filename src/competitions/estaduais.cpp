#include "competitions/estaduais.h"

#include <vector>

#include "club/premios.h"
#include "competitions/confronto.h"
#include "competitions/partidas.h"
#include "competitions/tabela.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "records/historico.h"
#include "records/ranking.h"
#include "season/tecnico.h"

namespace tarvello {

namespace {

constexpr int kFaseFinal = 8;  // phase code of the state final in the match list
constexpr int kGrupos = 5;
constexpr int kVagas = 6;

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

std::vector<int> grupo(const TEstadual& e, int g) {
    std::vector<int> r;
    for (int k = 0; k < kVagas; ++k)
        if (e.grupos[g][k] >= 0) r.push_back(e.grupos[g][k]);
    return r;
}

// Date of the n-th (1-based) state-championship date of the calendar; 0 when there is none.
double dataestadual(const Mundo& m, int n) {
    int visto = 0;
    for (const TDiaCalendario& d : m.calendario)
        if (d.competicao == kEstadual && ++visto == n) return d.data;
    return 0;
}

TCampeoesEstaduais& linhacampeoes(Mundo& m) {
    const size_t t = static_cast<size_t>(std::max(0, m.estado.temporada));
    if (m.campeoesestaduais.size() <= t) m.campeoesestaduais.resize(t + 1, TCampeoesEstaduais{});
    return m.campeoesestaduais[t];
}

// Copies the score of a final leg into the state record.
void copiafinal(Mundo& m, int perna) {
    for (const TPartida& p : m.partidas) {
        if (p.competicao != kEstadual || p.rodada != kFaseFinal || p.turno != perna || !p.jogado) continue;
        if (p.liga < 0 || p.liga >= kNumEstados) continue;
        TEstadual& e = m.estaduais[p.liga];
        if (perna == 1) {  // the runner-up at home
            e.finalgols[0] = p.golsvisitante;
            e.finalgols[1] = p.golsmandante;
        } else {
            e.finalgols[2] = p.golsmandante;
            e.finalgols[3] = p.golsvisitante;
        }
    }
}

void encerrafasedegrupos(Mundo& m, int s) {
    TEstadual& e = m.estaduais[s];
    e.finalista1 = e.finalista2 = -1;
    for (int g = 0; g < kGrupos; ++g) {
        for (int k = 0; k < kVagas; ++k) {
            const int t = e.grupos[g][k];
            if (!timevalido(m, t)) continue;
            const int lugar = m.times[t].colocacoes[kEstadual];
            if (g == 0 && lugar == 1) {
                e.finalista1 = t;
            } else if (g == 0 && lugar == 2) {
                e.finalista2 = t;
            } else {
                // Clubs of a partly filled group never played; they only leave the competition.
                if (g < e.numgrupos) registracampanha(m, t, lugar, kEstadual, g + 1);
                m.times[t].noestadual = 0;
            }
        }
    }
    for (int& gols : e.finalgols) gols = 0;
    if (e.finalista1 < 0 || e.finalista2 < 0) return;
    adicionajogo(m, e.finalista2, e.finalista1, kFaseFinal, dataestadual(m, 11), -1, 1, s, kEstadual);
    adicionajogo(m, e.finalista1, e.finalista2, kFaseFinal, dataestadual(m, 12), -1, 2, s, kEstadual);
}

}  // namespace

TArtilheiroEstadual artilheiroestadual(const Mundo& m, int estado) {
    TArtilheiroEstadual a;
    int jogos = 0;
    for (size_t j = 1; j < m.jogadores.size(); ++j) {
        const TJogador& p = m.jogadores[j];
        if (!timevalido(m, p.time) || p.gols[kEstadual] <= 0) continue;
        const TTime& c = m.times[p.time];
        if (c.pais != kBrasil || c.estado != estado) continue;
        if (p.gols[kEstadual] > a.gols || (p.gols[kEstadual] == a.gols && p.partidas[kEstadual] < jogos)) {
            a = {static_cast<int>(j), p.time, p.gols[kEstadual]};
            jogos = p.partidas[kEstadual];
        }
    }
    return a;
}

void encerragrupoestadual(Mundo& m) {
    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        if (!e.temestadual) continue;
        for (int g = 0; g < std::min(e.numgrupos, kGrupos); ++g) {
            const std::vector<TLinhaTabela> linhas = ordenatabela(m, grupo(e, g), kEstadual);
            for (size_t i = 0; i < linhas.size(); ++i)
                m.times[linhas[i].time].colocacoes[kEstadual] = static_cast<int>(i) + 1;
        }
        if (m.estado.faseestadual == 6) encerrafasedegrupos(m, s);
    }
}

void avancaestadual(Mundo& m) {
    TEstadoJogo& st = m.estado;
    if (st.faseestadual <= 5) {
        st.faseestadual += 1;
        if (st.faseestadual > 5 && st.turnoestadual == 1) {
            st.turnoestadual = 2;
            st.faseestadual = 1;
        }
        encerragrupoestadual(m);
    } else if (st.faseestadual == 6) {
        copiafinal(m, 1);
        st.faseestadual = 7;
    } else if (st.faseestadual == 7) {
        copiafinal(m, 2);
        st.faseestadual = 8;
        decideestadual(m);
    }
    for (TEstadual& e : m.estaduais) e.jogouhoje = 0;
}

void decideestadual(Mundo& m) {
    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        if (!e.temestadual || !timevalido(m, e.finalista1) || !timevalido(m, e.finalista2)) continue;
        const bool venceu = decidefinalestadual(e.finalgols) == 1;
        const int campeao = venceu ? e.finalista1 : e.finalista2;
        const int vice = venceu ? e.finalista2 : e.finalista1;
        TTime& c = m.times[campeao];
        const int tecnico = c.tecnico;

        TCampeoesEstaduais& linha = linhacampeoes(m);
        linha.campeao[s] = campeao;
        linha.vice[s] = vice;
        linha.tecnico[s] = tecnico;
        registratitulotecnico(m, kEstadual, campeao, tecnico, kBrasil, 1, s);
        if (tecnico >= 0 && tecnico < static_cast<int>(m.tecnicos.size())) {
            TTecnico& tec = m.tecnicos[tecnico];
            tec.conquistas[kEstadual] += 1;
            tec.pontosranking += 15;  // counts only in the national ranking
            registratecnico(m, tecnico, 0, "t");
        }
        c.titulosestaduais += 1;
        somarankingclube(m, kEstadual, campeao, 1);
        somarankingclube(m, kEstadual, vice, 2);
        pagapremio(m, campeao, 1000000);
        pagapremio(m, vice, 500000);
        registracampanha(m, campeao, 1, kEstadual, 1);
        registracampanha(m, vice, 2, kEstadual, 1);
        c.noestadual = 0;
        m.times[vice].noestadual = 0;

        const TArtilheiroEstadual a = artilheiroestadual(m, s);
        linha.artilheiro[s][0] = a.jogador;
        linha.artilheiro[s][1] = a.time;
        linha.artilheiro[s][2] = a.gols;
        if (a.jogador > 0) pagapremio(m, a.time, 500000);
    }
}

void renovaestaduais(Mundo& m) {
    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        if (!e.temestadual) continue;
        // Only groups that play exchange clubs; a partly filled group below them never plays.
        for (int g = 0; g + 1 < std::min(e.numgrupos, kGrupos); ++g) {
            int vp = -1, vq = -1;
            for (int k = 0; k < kVagas; ++k) {
                const int t = e.grupos[g + 1][k];
                if (timevalido(m, t) && m.times[t].colocacoes[kEstadual] == 1 && vp < 0) vp = k;
            }
            if (vp < 0) continue;
            for (int k = 0; k < kVagas; ++k) {
                const int t = e.grupos[g][k];
                if (timevalido(m, t) && m.times[t].colocacoes[kEstadual] == 6 && vq < 0) vq = k;
            }
            if (vq < 0) vq = kVagas - 1;
            const int p = e.grupos[g + 1][vp], q = e.grupos[g][vq];
            e.grupos[g][vq] = p;
            e.grupos[g + 1][vp] = q;
            m.times[p].colocacoes[kEstadual] = 0;
            if (timevalido(m, q)) m.times[q].colocacoes[kEstadual] = 0;
        }
    }
    for (TEstadual& e : m.estaduais) e.temhumano = e.jogouhoje = 0;
    for (TTime& t : m.times) t.noestadual = 0;
    for (int s = 0; s < kNumEstados; ++s) {
        TEstadual& e = m.estaduais[s];
        if (!e.temestadual) continue;
        for (int g = 0; g < kGrupos; ++g) {
            for (int k = 0; k < kVagas; ++k) {
                const int r = m.sorteia(kVagas);
                if (e.grupos[g][k] >= 0 && e.grupos[g][r] >= 0) std::swap(e.grupos[g][k], e.grupos[g][r]);
            }
            for (int k = 0; k < kVagas; ++k) {
                const int t = e.grupos[g][k];
                if (!timevalido(m, t)) continue;
                m.times[t].grupoestadual = g + 1;
                m.times[t].noestadual = 1;
                if (m.times[t].humano) e.temhumano = 1;
            }
        }
    }
}

}  // namespace tarvello
