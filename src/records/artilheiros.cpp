#include "records/artilheiros.h"

#include "club/premios.h"
#include "competitions/vagas.h"
#include "database/arquivos.h"
#include "model/mundo.h"
#include "model/tipos.h"

#include <algorithm>

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
    const int reg = competicao == kLiga || competicao == kCopaNacional || competicao >= kCopaMundo
                        ? m.times[a.time].pais
                        : (competicao == kMundialClubes ? -1 : regiao);
    registraartilheiro(m, competicao, a.time, melhor, reg, a.gols[competicao], competicao == kLiga ? divisao : -1);
    if (competicao == kLiga) {
        pagapremio(m, a.time, kPremioArtilheiroLiga);
        a.estrela = 1;
    } else if (competicao == kCopaNacional) {
        pagapremio(m, a.time, 1000000);
    } else if (competicao >= kCopaMundo) {
        // The tournament's players are discarded after the edition: its history keeps the name.
        THistoricoTorneio& h = m.estado.historicotorneios[competicao - kCopaMundo];
        const int e = m.estado.edicoes[competicao - kCopaMundo] - 1;
        if (e >= 0 && e < 50) {
            h.artilheiro[e].define(a.nome.utf8());
            h.golsartilheiro[e] = a.gols[competicao];
            h.paisartilheiro[e] = m.times[a.time].pais;
        }
    }
    return melhor;
}

void preservaartilheiro(Mundo& m, int jogador) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    bool citado = false;
    for (const THistoricoArtilheiro& h : m.historicoartilheiros)
        citado = citado || (h.jogador == jogador && h.competicao < kCopaMundo);
    for (const TCampeoesEstaduais& c : m.campeoesestaduais)
        for (const auto& a : c.artilheiro) citado = citado || a[0] == jogador;
    if (!citado) return;
    TJogador antigo = m.jogadores[static_cast<size_t>(jogador)];
    antigo.time = -1;
    antigo.historico = 0;  // the career record stays with the slot
    antigo.escalacao = 0;
    antigo.avenda = 0;
    antigo.emprestado = 0;
    const int novo = static_cast<int>(m.jogadores.size());
    m.jogadores.push_back(antigo);
    for (THistoricoArtilheiro& h : m.historicoartilheiros)
        if (h.jogador == jogador && h.competicao < kCopaMundo) h.jogador = novo;
    for (TCampeoesEstaduais& c : m.campeoesestaduais)
        for (auto& a : c.artilheiro)
            if (a[0] == jogador) a[0] = novo;
}

int edicaotorneio(int competicao, int temporada) {
    if (competicao < kCopaMundo || competicao > kEurocopa) return -1;
    const int base = competicao == kCopaMundo ? 3 : competicao == kCopaAmerica ? 4 : 1;
    if (temporada < base || (temporada - base) % 4 != 0) return -1;
    return (temporada - base) / 4;
}

int temporadaedicao(int competicao, int edicao) {
    const int base = competicao == kCopaMundo ? 3 : competicao == kCopaAmerica ? 4 : 1;
    return base + 4 * edicao;
}

std::string nomeartilheiro(const Mundo& m, int registro) {
    if (registro < 0 || registro >= static_cast<int>(m.historicoartilheiros.size())) return {};
    const THistoricoArtilheiro& h = m.historicoartilheiros[static_cast<size_t>(registro)];
    if (h.competicao >= kCopaMundo && h.competicao <= kEurocopa) {
        const int k = h.competicao - kCopaMundo;
        const int e = edicaotorneio(h.competicao, h.temporada);
        if (e < 0 || e >= 50 || e >= m.estado.edicoes[k]) return {};
        return m.estado.historicotorneios[k].artilheiro[e].utf8();
    }
    if (h.jogador <= 0 || h.jogador >= static_cast<int>(m.jogadores.size())) return {};
    return m.jogadores[static_cast<size_t>(h.jogador)].nome.utf8();
}

std::string timeartilheiro(const Mundo& m, int registro) {
    if (registro < 0 || registro >= static_cast<int>(m.historicoartilheiros.size())) return {};
    const THistoricoArtilheiro& h = m.historicoartilheiros[static_cast<size_t>(registro)];
    if (h.competicao >= kCopaMundo) return std::string(nomepais(h.regiao));
    if (h.time < 0 || h.time >= static_cast<int>(m.times.size())) return {};
    return m.times[static_cast<size_t>(h.time)].nome.utf8();
}

std::string textoartilheiro(const Mundo& m, int registro) {
    if (registro < 0 || registro >= static_cast<int>(m.historicoartilheiros.size())) return {};
    return nomeartilheiro(m, registro) + " (" + timeartilheiro(m, registro) + ") - " +
           std::to_string(m.historicoartilheiros[static_cast<size_t>(registro)].gols) + " gols";
}

std::vector<TOpcaoArtilheiros> opcoesartilheiros(const Mundo& m, int pais) {
    std::vector<TOpcaoArtilheiros> r;
    r.push_back({"Nacional - 1ª divisão", kLiga, 1, -1});
    int divisoes = 1;
    for (const TLiga& l : m.ligas)
        if (l.pais == pais) divisoes = l.numdivisoes;
    const int ultima = m.estado.sistemadisputa == 4 ? 4 : std::min(divisoes, 3);
    for (int d = 2; d <= ultima; ++d) r.push_back({"Nacional - " + std::to_string(d) + "ª divisão", kLiga, d, -1});
    const TEstadoJogo& e = m.estado;
    if (e.ckcopa) r.push_back({"Copa", kCopaNacional, -1, -1});
    if (e.ckestadual) r.push_back({"Estadual", kEstadual, -1, -1});
    if (e.ckinter && e.temporada > 1) {
        r.push_back({"Libertadores", kContinental1, -1, 1});
        r.push_back({"Liga Campeões", kContinental1, -1, 0});
    }
    if (e.ckinter3 && e.temporada > 1) {
        r.push_back({"Sul-Americana", kContinental2, -1, 1});
        r.push_back({"Copa UEFA", kContinental2, -1, 0});
    }
    r.push_back({"Melhores de Sempre", 0, -1, -1});
    return r;
}

std::vector<TLinhaArtilheiro> listaartilheiros(const Mundo& m, const TOpcaoArtilheiros& opcao, int pais, int estado) {
    std::vector<TLinhaArtilheiro> r;
    const int k = opcao.competicao;
    for (size_t j = 1; j < m.jogadores.size(); ++j) {
        const TJogador& p = m.jogadores[j];
        if (p.time < 0 || p.time >= static_cast<int>(m.times.size())) continue;
        const TTime& c = m.times[static_cast<size_t>(p.time)];
        TLinhaArtilheiro l{static_cast<int>(j), p.time, 0, 0};
        if (k == 0) {
            if (p.historico <= 0 || p.historico >= static_cast<int>(m.historicos.size())) continue;
            const THistoricoJogador& h = m.historicos[static_cast<size_t>(p.historico)];
            l.gols = h.gols[0];
            l.jogos = h.partidas[0];
        } else {
            if (k == kLiga && (c.pais != pais || c.divisao != opcao.divisao)) continue;
            if (k == kCopaNacional && c.pais != pais) continue;
            if (k == kEstadual && c.estado != estado) continue;
            if ((k == kContinental1 || k == kContinental2) && confederacao(c.pais, false) != opcao.confederacao)
                continue;
            l.gols = p.gols[k];
            l.jogos = p.partidas[k];
        }
        if (l.gols > 0) r.push_back(l);
    }
    std::stable_sort(r.begin(), r.end(), [](const TLinhaArtilheiro& a, const TLinhaArtilheiro& b) {
        return a.gols != b.gols ? a.gols > b.gols : a.jogos < b.jogos;
    });
    return r;
}

}  // namespace tarvello
