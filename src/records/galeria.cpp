#include "records/galeria.h"

#include <algorithm>
#include <array>

#include "model/mundo.h"
#include "model/tipos.h"
#include "records/artilheiros.h"
#include "records/historico.h"

namespace tarvello {

namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

std::string nometecnico(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.tecnicos.size()) ? m.tecnicos[static_cast<size_t>(t)].nome.utf8()
                                                               : std::string();
}

constexpr std::array<const char*, 7> kSedesAmerica = {"Venezuela", "Argentina", "Chile", "Uruguai",
                                                      "Paraguai",  "Brasil",    "Colômbia"};
constexpr std::array<const char*, 7> kSedesEuro = {"Austria", "Portugal", "Inglaterra", "Alemanha",
                                                   "Espanha", "Itália",   "França"};

}  // namespace

std::vector<TVisaoCampeoes> visoescampeoes(const Mundo& m) {
    const TEstadoJogo& e = m.estado;
    std::vector<TVisaoCampeoes> r;
    r.push_back({"Nacional", kLiga, -1});
    if (e.ckcopa) r.push_back({"Copa", kCopaNacional, -1});
    if (e.ckestadual) r.push_back({"Estadual", kEstadual, -1});
    if (e.ckinter && e.temporada > 1) {
        r.push_back({"Libertadores", kContinental1, 1});
        r.push_back({"Liga Campeões", kContinental1, 2});
    }
    if (e.ckinter3 && e.temporada > 1) {
        r.push_back({"Sul-Americana", kContinental2, 1});
        r.push_back({"Copa UEFA", kContinental2, 2});
    }
    if (e.ckinter) r.push_back({"Mundial Interclubes", kMundialClubes, -1});
    if (e.ckcopamundo) r.push_back({"Copa do Mundo", kCopaMundo, -1});
    if (e.ckcopaamerica) r.push_back({"Copa América", kCopaAmerica, -1});
    if (e.ckeurocopa) r.push_back({"Eurocopa", kEurocopa, -1});
    return r;
}

std::vector<TLinhaCampeao> campeoesclubes(const Mundo& m, int competicao, int regiao) {
    std::vector<TLinhaCampeao> r;
    const int divisao = competicao == kLiga ? 1 : -1;
    auto casa = [&](int reg, int div, int comp) {
        return comp == competicao && div == divisao && (competicao == kMundialClubes || reg == regiao);
    };
    const auto& h = m.historicocolocados;
    for (size_t i = h.size(); i-- > 0;) {
        if (h[i].colocacao != 1 || !casa(h[i].regiao, h[i].divisao, h[i].competicao)) continue;
        TLinhaCampeao l;
        l.temporada = h[i].temporada;
        l.campeao = h[i].time;
        // The runner-up is recorded right after the champion.
        if (i + 1 < h.size() && h[i + 1].colocacao == 2 && casa(h[i + 1].regiao, h[i + 1].divisao, h[i + 1].competicao))
            l.vice = h[i + 1].time;
        l.artilheiro = textoartilheiro(
            m, artilheiro(m, competicao == kMundialClubes ? -1 : regiao, l.temporada, competicao, divisao));
        r.push_back(std::move(l));
    }
    // Coaches of the same titles, newest first, written row by row.
    size_t linha = 0;
    const auto& t = m.historicotecnicos;
    for (size_t i = t.size(); i-- > 0 && linha < r.size();) {
        if (t[i].colocacao != 1 || !casa(t[i].regiao, t[i].divisao, t[i].competicao)) continue;
        r[linha++].tecnico = nometecnico(m, t[i].tecnico);
    }
    return r;
}

std::vector<TLinhaCampeao> campeoesestado(const Mundo& m, int estado) {
    std::vector<TLinhaCampeao> r;
    if (!estadovalido(estado)) return r;
    for (int s = static_cast<int>(m.campeoesestaduais.size()) - 1; s >= 1; --s) {
        for (const TCampeaoEstadual& c : campeoesestaduaisdoano(m, s)) {
            if (c.estado != estado) continue;
            TLinhaCampeao l;
            l.temporada = s;
            l.campeao = c.campeao;
            l.vice = c.vice;
            l.artilheiro = c.artilheiro;
            l.tecnico = nometecnico(m, m.campeoesestaduais[static_cast<size_t>(s)].tecnico[estado]);
            r.push_back(std::move(l));
        }
    }
    return r;
}

std::string sedetorneio(int competicao, int edicao) {
    if (edicao < 0) return {};
    if (competicao == kCopaMundo) {
        const size_t i = static_cast<size_t>(edicao <= 10 ? edicao : (edicao - 1) % 10);
        return std::string(nomepais(kSedesCopa[i].pais));
    }
    if (competicao == kCopaAmerica) return kSedesAmerica[static_cast<size_t>(edicao % 7)];
    if (competicao == kEurocopa) return kSedesEuro[static_cast<size_t>(edicao % 7)];
    return {};
}

std::vector<TLinhaCampeao> campeoestorneio(const Mundo& m, int competicao) {
    std::vector<TLinhaCampeao> r;
    if (competicao < kCopaMundo || competicao > kEurocopa) return r;
    const int k = competicao - kCopaMundo;
    const THistoricoTorneio& h = m.estado.historicotorneios[k];
    for (int e = std::min(m.estado.edicoes[k], 50) - 1; e >= 0; --e) {
        TLinhaCampeao l;
        l.temporada = temporadaedicao(competicao, e);
        l.local = sedetorneio(competicao, e);
        l.campeao = h.campeao[e];
        l.vice = h.vice[e];
        l.terceiro = h.terceiro[e];
        l.quarto = h.quarto[e];
        l.tecnico = h.tecnico[e].utf8();
        if (!h.artilheiro[e].vazio())
            l.artilheiro = h.artilheiro[e].utf8() + " (" + std::string(nomepais(h.paisartilheiro[e])) + ") - " +
                           std::to_string(h.golsartilheiro[e]) + " gols";
        r.push_back(std::move(l));
    }
    return r;
}

std::vector<TCampeaoEstadual> campeoesestaduaisdoano(const Mundo& m, int temporada) {
    std::vector<TCampeaoEstadual> r;
    if (temporada < 1 || temporada >= static_cast<int>(m.campeoesestaduais.size())) return r;
    // This season's row is only complete once the state finals are over.
    if (temporada == m.estado.temporada && m.estado.faseestadual < 8) return r;
    if (temporada > m.estado.temporada) return r;
    const TCampeoesEstaduais& c = m.campeoesestaduais[static_cast<size_t>(temporada)];
    for (int s = 0; s < kNumEstados; ++s) {
        if (!m.estaduais[static_cast<size_t>(s)].temestadual || !timevalido(m, c.campeao[s])) continue;
        TCampeaoEstadual l;
        l.estado = s;
        l.campeao = c.campeao[s];
        l.vice = timevalido(m, c.vice[s]) ? c.vice[s] : -1;
        const int jogador = c.artilheiro[s][0], time = c.artilheiro[s][1];
        if (jogador > 0 && jogador < static_cast<int>(m.jogadores.size()) && c.artilheiro[s][2] > 0)
            l.artilheiro = m.jogadores[static_cast<size_t>(jogador)].nome.utf8() + " (" +
                           (timevalido(m, time) ? m.times[static_cast<size_t>(time)].nome.utf8() : std::string()) +
                           ") - " + std::to_string(c.artilheiro[s][2]) + " gols";
        r.push_back(std::move(l));
    }
    return r;
}

std::vector<TGrupoTrofeus> galeriatrofeus(const Mundo& m, int tecnico) {
    // Group order; continental titles are split by confederation (2 = Europe).
    struct Grupo {
        const char* nome;
        int competicao;
        int regiao;  // 0 any, 1 outside Europe, 2 Europe
    };
    static constexpr Grupo kGrupos[] = {
        {"Nacional", kLiga, 0},           {"Copa", kCopaNacional, 0},      {"Libertadores", kContinental1, 1},
        {"Mundial", kMundialClubes, 0},   {"Sul-Americana", kContinental2, 1}, {"Copa do Mundo", kCopaMundo, 0},
        {"Copa América", kCopaAmerica, 0}, {"Eurocopa", kEurocopa, 0},      {"Liga dos Campeões", kContinental1, 2},
        {"Copa da UEFA", kContinental2, 2}, {"Estadual", kEstadual, 0},
    };
    std::vector<TGrupoTrofeus> r;
    for (const Grupo& g : kGrupos) {
        TGrupoTrofeus grupo{g.nome, {}};
        for (const THistoricoTecnico& h : m.historicotecnicos) {
            if (h.tecnico != tecnico || h.colocacao != 1 || h.competicao != g.competicao) continue;
            if (g.competicao == kLiga && h.divisao != 1) continue;
            if (g.regiao == 1 && h.regiao == 2) continue;
            if (g.regiao == 2 && h.regiao != 2) continue;
            grupo.titulos.push_back({h.temporada, h.time, h.competicao >= kCopaMundo});
        }
        if (!grupo.titulos.empty()) r.push_back(std::move(grupo));
    }
    return r;
}

}  // namespace tarvello
