#include "match/taticas.h"

#include <algorithm>
#include <cstdint>

#include "model/aleatorio.h"
#include "model/funcoes.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

const std::vector<TEsquema>& esquemascomputador() {
    static const std::vector<TEsquema> e = {
        {"4-4-2", 4, 4, 2, 2}, {"3-5-2", 3, 5, 2, 2}, {"3-4-3", 3, 4, 3, 2},
        {"4-3-3", 4, 3, 3, 1}, {"4-5-1", 4, 5, 1, 2}, {"5-4-1", 5, 4, 1, 2},
        {"2-5-3", 2, 5, 3, 0},
    };
    return e;
}

const TEsquema* esquemapornome(std::string_view nome) {
    for (const auto& e : esquemascomputador())
        if (e.nome == nome) return &e;
    return nullptr;
}

bool esquemapossivel(const TDisponiveis& d, const TEsquema& e) {
    const int L = d.porposicao[kLateral], Z = d.porposicao[kZagueiro];
    const int M = d.porposicao[kMeioCampo], A = d.porposicao[kAtacante];
    if (A < e.atacantes) return false;
    if (e.nome == "3-5-2") {
        // Only two laterais play as "Ala": the midfield must be filled by them and the meio campos.
        return Z >= 3 && std::min(L, 2) + M >= 5;
    }
    return L + Z >= e.defensores && M >= e.meias;
}

void sorteiatatica(Mundo& m, int time) {
    TTime& t = m.times[time];
    const int e = m.sorteia(100);
    t.estilo = e < 70 ? 0 : (e < 80 ? 1 : 2);
    const int mc = m.sorteia(100);
    t.marcacao = mc < 5 ? 2 : (mc < 70 ? 0 : 1);
    const int c = m.sorteia(100);
    t.concentraataques = c < 70 ? 0 : 1;
}

namespace {

struct TCandidato {
    int jogador;
    uint8_t chave;
    uint8_t energia;
    bool colocado;
};

// Available players of the club, each given his default role and a minimum of energy, best first.
std::vector<TCandidato> listacandidatos(Mundo& m, int time) {
    std::vector<TCandidato> lista;
    for (int i : elencoatual(m, time)) {
        TJogador& j = m.jogadores[static_cast<size_t>(i)];
        if (!escalavel(m, i)) continue;
        j.funcao = funcaopadrao(j.posicaooriginal, j.habilidade1, j.habilidade2);
        defineemcampo(m, i, false);
        if (j.energia < 20) j.energia = 30 + m.sorteia(10);
        const int chave = std::clamp(j.forca + arredonda(0.6 * j.energia), 0, 255);
        lista.push_back({i, static_cast<uint8_t>(chave),
                         static_cast<uint8_t>(std::clamp(j.energia, 0, 255)), false});
    }
    std::stable_sort(lista.begin(), lista.end(), [](const TCandidato& a, const TCandidato& b) {
        if (a.chave != b.chave) return a.chave > b.chave;
        return a.energia > b.energia;
    });
    return lista;
}

// Bench: the spare goalkeeper, one of each outfield position, then the best of the rest.
void montabanco(Mundo& m, TEscalacao& r, std::vector<TCandidato>& lista) {
    int slot = kPrimeiroBanco;
    auto poe = [&](TCandidato& c) {
        r[slot++] = c.jogador;
        c.colocado = true;
    };
    auto primeiro = [&](int posicao) {
        for (auto& c : lista)
            if (!c.colocado && m.jogadores[c.jogador].posicao == posicao) return &c;
        return static_cast<TCandidato*>(nullptr);
    };
    for (int p : {kGoleiro, kLateral, kZagueiro, kMeioCampo, kAtacante}) {
        if (slot > kUltimoBanco) return;
        if (TCandidato* c = primeiro(p)) poe(*c);
    }
    for (auto& c : lista) {
        if (slot > kUltimoBanco) return;
        if (!c.colocado && m.jogadores[c.jogador].posicao != kGoleiro) poe(c);
    }
}

}  // namespace

void escalasemesquema(Mundo& m, int time, TEscalacao& r) {
    contadisponiveis(m, time);
    for (int s = 12; s <= kSlotAtaque; ++s) r[s] = 0;
    auto lista = listacandidatos(m, time);
    for (auto& c : lista) {
        if (m.jogadores[c.jogador].posicao == kGoleiro) {
            escalajogador(m, time, c.jogador, kSlotGoleiro);
            c.colocado = true;
            break;
        }
    }
    int slot = 10;
    for (auto& c : lista) {
        if (slot < 1) break;
        if (c.colocado || m.jogadores[c.jogador].posicao == kGoleiro) continue;
        escalajogador(m, time, c.jogador, slot--);
        c.colocado = true;
    }
    montabanco(m, r, lista);
}

void escalatime(Mundo& m, int time) {
    novalinha(m, time);
    const TDisponiveis d = contadisponiveis(m, time);

    const auto& esquemas = esquemascomputador();
    const int sorteio = m.sorteia(100) + 1;
    const TEsquema* e = esquemapornome(sorteio <= 40   ? "3-5-2"
                                       : sorteio <= 90 ? "4-4-2"
                                       : sorteio <= 92 ? "3-4-3"
                                       : sorteio <= 95 ? "4-3-3"
                                       : sorteio <= 97 ? "4-5-1"
                                                       : "5-4-1");
    if (!esquemapossivel(d, *e)) {
        e = nullptr;
        for (const auto& x : esquemas) {
            if (esquemapossivel(d, x)) {
                e = &x;
                break;
            }
        }
    }
    if (!e) {
        escalasemesquema(m, time, *linhade(m, time));
        return;
    }

    auto lista = listacandidatos(m, time);
    int Z = d.porposicao[kZagueiro], L = d.porposicao[kLateral];
    int D = e->defensores, Mc = e->meias;
    int z = 0, l = 0;
    while (D > 0) {
        const int antes = D;
        if (D >= 2 && Z >= 2) { z += 2; D -= 2; Z -= 2; }
        else if (D >= 1 && Z >= 1) { z += 1; D -= 1; Z -= 1; }
        if (D >= 2 && L >= 2) { l += 2; D -= 2; L -= 2; }
        else if (D >= 1 && L >= 1) { l += 1; D -= 1; L -= 1; }
        if (D == antes) break;  // cannot happen for a feasible formation
    }
    const bool tres5dois = e->nome == "3-5-2";
    int alasmeio = 0;
    if (tres5dois) {
        z = 3;
        l = std::min(2, d.porposicao[kLateral]);
        Mc = 5 - l;
        alasmeio = 2 - l;
    } else if (e->nome == "3-4-3" && d.porposicao[kZagueiro] >= 3) {
        z = 3;
        l = 0;
    }

    int slot = 1;
    auto coloca = [&](TCandidato& c) {
        escalajogador(m, time, c.jogador, slot++);
        c.colocado = true;
    };
    for (auto& c : lista) {  // laterais
        if (l <= 0) break;
        TJogador& j = m.jogadores[c.jogador];
        if (c.colocado || j.posicao != kLateral) continue;
        if (tres5dois) j.funcao = 2;
        coloca(c);
        --l;
    }
    bool libero = tres5dois;
    for (auto& c : lista) {  // zagueiros
        if (z <= 0) break;
        TJogador& j = m.jogadores[c.jogador];
        if (c.colocado || j.posicao != kZagueiro) continue;
        if (libero) {
            j.funcao = 1;
            libero = false;
        }
        coloca(c);
        --z;
    }
    int volantes = std::min(e->volantes, Mc);
    for (auto& c : lista) {  // volantes
        if (volantes <= 0) break;
        TJogador& j = m.jogadores[c.jogador];
        if (c.colocado || j.posicao != kMeioCampo || j.funcao != 0) continue;
        coloca(c);
        --volantes;
        --Mc;
    }
    for (auto& c : lista) {  // the other midfielders
        if (Mc <= 0) break;
        TJogador& j = m.jogadores[c.jogador];
        if (c.colocado || j.posicao != kMeioCampo) continue;
        if (alasmeio > 0) {
            j.funcao = 2;
            --alasmeio;
        }
        coloca(c);
        --Mc;
    }
    int Ac = e->atacantes;
    for (auto& c : lista) {  // atacantes
        if (Ac <= 0) break;
        if (c.colocado || m.jogadores[c.jogador].posicao != kAtacante) continue;
        coloca(c);
        --Ac;
    }
    for (auto& c : lista) {  // goalkeeper
        if (!c.colocado && m.jogadores[c.jogador].posicao == kGoleiro) {
            escalajogador(m, time, c.jogador, kSlotGoleiro);
            c.colocado = true;
            break;
        }
    }
    m.times[time].esquema = e->defensores * 100 + e->meias * 10 + e->atacantes;
    montabanco(m, *linhade(m, time), lista);
    sorteiatatica(m, time);
}

std::vector<int> clubesdodia(const Mundo& m) {
    std::vector<int> r;
    const int n = static_cast<int>(m.times.size());
    auto adiciona = [&](int t) {
        if (t >= 0 && t < n && std::find(r.begin(), r.end(), t) == r.end()) r.push_back(t);
    };
    switch (tipodia(m)) {
        case kLiga:
            for (int t = 0; t < n; ++t)
                if (m.times[t].divisao > 0) adiciona(t);
            break;
        case kCopaNacional:
            for (int t = 0; t < n; ++t)
                if (m.times[t].nacopa) adiciona(t);
            break;
        case kEstadual:
            for (const auto& e : m.estaduais) {
                if (!e.temestadual) continue;
                for (int g = 0; g < std::clamp(e.numgrupos, 0, 5); ++g)
                    for (int t : e.grupos[g]) adiciona(t);
            }
            break;
        case kContinental1:
            for (const auto& g : m.estado.gruposlib1) for (int t : g) adiciona(t);
            for (const auto& g : m.estado.gruposlib2) for (int t : g) adiciona(t);
            break;
        case kContinental2:
            for (const auto& g : m.estado.grupossul1) for (int t : g) adiciona(t);
            for (const auto& g : m.estado.grupossul2) for (int t : g) adiciona(t);
            break;
        default:
            break;
    }
    return r;
}

void escalacomputador(Mundo& m, const std::vector<int>& clubes) {
    const int k = tipodia(m);
    for (int t : clubes) {
        if (t < 0 || t >= static_cast<int>(m.times.size()) || m.times[t].humano) continue;
        escalatime(m, t);
        if ((k >= 1 && k <= 4) || (k >= 6 && k <= 9)) sorteiatatica(m, t);
    }
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        TJogador& j = m.jogadores[i];
        if (j.time < 0) continue;
        if (j.energia > 100) j.energia = 100;
        if (j.energia <= 0) j.energia = 1;
        if (j.idade < 16) j.idade = 16;
    }
    cumpresuspensoes(m);
}

}  // namespace tarvello
