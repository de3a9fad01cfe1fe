#include "competitions/copas.h"

#include <algorithm>

#include "club/premios.h"
#include "competitions/calendario.h"
#include "competitions/confronto.h"
#include "competitions/partidas.h"
#include "match/penaltis.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "records/artilheiros.h"
#include "records/historico.h"
#include "records/ranking.h"
#include "season/tecnico.h"

namespace tarvello {

namespace {

constexpr int kFinalCopa = 5;
constexpr int kFinalContinental = 7;

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }
bool humano(const Mundo& m, int t) { return timevalido(m, t) && m.times[t].humano; }

void completa(std::vector<int>& pote) {
    if (pote.size() > 16) pote.resize(16);
    while (pote.size() < 16) pote.push_back(-1);
}

void embaralha(Mundo& m, std::vector<int>& pote) {
    for (size_t k = 0; k < pote.size(); ++k) std::swap(pote[k], pote[static_cast<size_t>(m.sorteia(16))]);
}

// Clubs of division d (1-based) of a league in slot order.
std::vector<int> divisao(const TLiga& l, int d, int slots) {
    std::vector<int> r;
    if (d < 1 || d > std::min(l.numdivisoes, 4)) return r;
    for (int k = 0; k < slots; ++k)
        if (l.times[d - 1][k] >= 0) r.push_back(l.times[d - 1][k]);
    return r;
}

void adiciona(std::vector<int>& pote, int t) {
    if (t >= 0 && pote.size() < 16 && std::find(pote.begin(), pote.end(), t) == pote.end()) pote.push_back(t);
}

uint8_t& flagcompeticao(TTime& t, int competicao) {
    if (competicao == kContinental1) return t.nalib;
    if (competicao == kContinental2) return t.nasul;
    return t.nacopa;
}

int& fasede(Mundo& m, int competicao) {
    if (competicao == kContinental1) return m.estado.faselib;
    if (competicao == kContinental2) return m.estado.fasesul;
    return m.estado.fasecopa;
}

double hoje(const Mundo& m) {
    const int d = m.estado.dataatual;
    return d >= 1 && d <= kNumDatas ? m.calendario[d - 1].data : 0;
}

void premiacopa(Mundo& m, int liga, int campeao, int vice) {
    const int pais = liga >= 0 && liga < static_cast<int>(m.ligas.size()) ? m.ligas[liga].pais : -1;
    const int tecnicocampeao = m.times[campeao].tecnico;
    registracolocado(m, kCopaNacional, campeao, pais, 1, -1);
    registratitulotecnico(m, kCopaNacional, campeao, tecnicocampeao, pais, 1, -1);
    if (vice >= 0) {
        registracolocado(m, kCopaNacional, vice, pais, 2, -1);
        registratitulotecnico(m, kCopaNacional, vice, m.times[vice].tecnico, pais, 2, -1);
    }
    apuraartilheiro(m, kCopaNacional, -1, pais);
    if (tecnicocampeao >= 0 && tecnicocampeao < static_cast<int>(m.tecnicos.size())) {
        m.tecnicos[tecnicocampeao].conquistas[kCopaNacional] += 1;
        registratecnico(m, tecnicocampeao, 0, "t");
        registratecnico(m, tecnicocampeao, 20, "pr");
    }
    pagapremio(m, campeao, kPremioCopaCampeao);
    somarankingclube(m, kCopaNacional, campeao, 1);
    if (vice >= 0) {
        pagapremio(m, vice, kPremioCopaVice);
        somarankingclube(m, kCopaNacional, vice, 2);
    }
}

}  // namespace

std::string frasecopa(int pais) {
    switch (pais) {
        case 3: return "da Alemanha";
        case 11: return "da Argentina";
        case 29: return "do Brasil";
        case 65: return "da Espanha";
        case 72: return "da França";
        case 85: return "da Holanda";
        case 97: return "da Inglaterra";
        case 104: return "da Itália";
        case 107: return "do Japão";
        case 131: return "do México";
        case 154: return "de Portugal";
        case 162: return "da Rússia";
        case 202: return "Personalizada";
        default: return std::string(nomepais(pais));
    }
}

bool copacomprimeirafase(const Mundo& m, int liga) {
    if (liga < 0 || liga >= static_cast<int>(m.ligas.size())) return false;
    const int n = m.ligas[liga].numdivisoes;
    return m.estado.sistemadisputa == 2 ? n >= 2 : n >= 3;
}

TPotesCopa potescopa(const Mundo& m, int liga) {
    TPotesCopa p;
    if (liga < 0 || liga >= static_cast<int>(m.ligas.size())) return p;
    const TLiga& l = m.ligas[liga];
    const bool vinte = m.estado.sistemadisputa == 2;
    const int slots = vinte ? 20 : 10;
    p.primeirafase = copacomprimeirafase(m, liga);
    auto humanosde = [&](std::vector<int>& pote, int d) {
        for (int t : divisao(l, d, slots))
            if (humano(m, t)) adiciona(pote, t);
    };
    auto computadorde = [&](std::vector<int>& pote, int d) {
        for (int t : divisao(l, d, slots))
            if (!humano(m, t)) adiciona(pote, t);
    };
    if (p.primeirafase && vinte) {
        const std::vector<int> d1 = divisao(l, 1, slots);
        for (size_t k = 0; k < d1.size(); ++k) adiciona(k < 16 ? p.a : p.b, d1[k]);
        humanosde(p.b, 2);
        computadorde(p.b, 2);
    } else if (p.primeirafase) {
        for (int t : divisao(l, 1, slots)) adiciona(p.a, t);
        const std::vector<int> d2 = divisao(l, 2, slots);
        for (size_t k = 0; k < d2.size(); ++k) adiciona(k < 6 ? p.a : p.b, d2[k]);
        for (int d = 3; d <= l.numdivisoes; ++d) humanosde(p.b, d);
        for (int d = 3; d <= l.numdivisoes; ++d) computadorde(p.b, d);
        if (l.numdivisoes == 3) {
            // Still short: clubs of the country outside the divisions, in club-table order.
            for (int t = 0; t < static_cast<int>(m.times.size()) && p.b.size() < 16; ++t)
                if (m.times[t].pais == l.pais && m.times[t].divisao == 0) adiciona(p.b, t);
        }
    } else if (vinte) {
        humanosde(p.a, 1);
        computadorde(p.a, 1);
    } else {
        for (int d = 1; d <= l.numdivisoes; ++d) humanosde(p.a, d);
        computadorde(p.a, 1);
        computadorde(p.a, 2);
    }
    completa(p.a);
    if (p.primeirafase) completa(p.b);
    return p;
}

void sorteiacopanacional(Mundo& m, int liga) {
    TPotesCopa p = potescopa(m, liga);
    if (p.a.empty()) return;
    embaralha(m, p.a);
    if (p.primeirafase) embaralha(m, p.b);
    const int fase = p.primeirafase ? 1 : 2;
    const int confrontos = p.primeirafase ? 16 : 8;
    const int primeiro = procurajogo(m, liga, kCopaNacional, fase);
    if (primeiro < 0) return;
    for (int k = 0; k < confrontos; ++k) {
        const size_t i = static_cast<size_t>(primeiro + 2 * k);
        if (i + 1 >= m.partidas.size() || m.partidas[i].rodada != fase || m.partidas[i + 1].rodada != fase) break;
        const int x = p.a[static_cast<size_t>(k)];
        const int y = p.primeirafase ? p.b[static_cast<size_t>(k)] : p.a[static_cast<size_t>(k + 8)];
        m.partidas[i].mandante = m.partidas[i + 1].visitante = x;
        m.partidas[i].visitante = m.partidas[i + 1].mandante = y;
    }
    for (int t : p.a)
        if (timevalido(m, t)) m.times[t].nacopa = 1;
    for (int t : p.b)
        if (timevalido(m, t)) m.times[t].nacopa = 1;
}

int avancacopa(Mundo& m, InteracaoPenaltis& ui, int competicao, int regiao) {
    const int fase = fasede(m, competicao);
    const bool nacional = competicao == kCopaNacional;
    const int faseultima = nacional ? kFinalCopa : kFinalContinental;
    const int primeiro = procurajogo(m, regiao, competicao, fase);
    if (primeiro < 0) return -1;
    const bool assistir =
        !nacional || (regiao >= 0 && regiao < static_cast<int>(m.ligas.size()) && m.ligas[regiao].temhumano);

    std::vector<int> vencedores;
    int vice = -1;
    for (size_t i = static_cast<size_t>(primeiro); i + 1 < m.partidas.size(); i += 2) {
        TPartida& ida = m.partidas[i];
        const TPartida& volta = m.partidas[i + 1];
        if (ida.competicao != competicao || ida.liga != regiao || ida.rodada != fase) break;
        const int x = ida.mandante, y = ida.visitante;
        const bool temx = timevalido(m, x), temy = timevalido(m, y);
        if (!temx && !temy) {
            // Nobody to send on, but the place stays: the next round is paired by position.
            vencedores.push_back(-1);
            continue;
        }
        if (!temx || !temy) {
            // A club drawn against nobody goes through without playing.
            vencedores.push_back(temx ? x : y);
            continue;
        }
        int r = decideconfronto(ida.golsmandante, ida.golsvisitante, volta.golsmandante, volta.golsvisitante);
        if (r == kPenaltis) {
            if (ida.penaltismandante == ida.penaltisvisitante) {
                const TDisputaPenaltis d = disputapenaltis(m, ui, x, y, false, assistir);
                ida.penaltismandante = d.placar[0];
                ida.penaltisvisitante = d.placar[1];
            }
            r = ida.penaltismandante > ida.penaltisvisitante ? kAvancaMandante : kAvancaVisitante;
        }
        const int vencedor = r == kAvancaMandante ? x : y;
        const int perdedor = r == kAvancaMandante ? y : x;
        vencedores.push_back(vencedor);
        vice = perdedor;
        flagcompeticao(m.times[perdedor], competicao) = 0;
        const int resultado = nacional ? (fase == 1 ? 0 : fase) : fase;
        registracampanha(m, perdedor, resultado, competicao, -1);
    }

    if (fase >= faseultima) {
        if (vencedores.empty() || !timevalido(m, vencedores.front())) return -1;
        const int campeao = vencedores.front();
        flagcompeticao(m.times[campeao], competicao) = 0;
        registracampanha(m, campeao, 1, competicao, nacional ? 6 : 8);
        if (nacional) premiacopa(m, regiao, campeao, vice);
        return campeao;
    }
    const int proximo = procurajogo(m, regiao, competicao, fase + 1);
    if (proximo < 0) return -1;
    for (size_t k = 0; 2 * k < vencedores.size(); ++k) {
        const size_t i = static_cast<size_t>(proximo) + 2 * k;
        if (i + 1 >= m.partidas.size() || m.partidas[i].rodada != fase + 1) break;
        const int a = vencedores[2 * k];
        const int b = 2 * k + 1 < vencedores.size() ? vencedores[2 * k + 1] : -1;
        m.partidas[i].mandante = m.partidas[i + 1].visitante = a;
        m.partidas[i].visitante = m.partidas[i + 1].mandante = b;
    }
    return -1;
}

void encerradatacopa(Mundo& m, InteracaoPenaltis& ui) {
    TEstadoJogo& st = m.estado;
    if (st.jogocopa == 1) {
        st.jogocopa = 2;
        return;
    }
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) avancacopa(m, ui, kCopaNacional, l);
    st.fasecopa += 1;
    st.jogocopa = 1;
}

bool copatemjogoshoje(const Mundo& m) {
    const double d = hoje(m);
    for (const TPartida& p : m.partidas)
        if (p.competicao == kCopaNacional && p.data == d && !p.jogado && p.mandante >= 0 && p.visitante >= 0)
            return true;
    return false;
}

bool pulacopasemjogos(Mundo& m) {
    TEstadoJogo& st = m.estado;
    bool mudou = false;
    while (st.competicaoatual == kCopaNacional) {
        const double d = hoje(m);
        bool algum = false;
        for (const TPartida& p : m.partidas)
            if (p.competicao == kCopaNacional && p.data == d) {
                algum = true;
                break;
            }
        if (algum) break;
        if (st.fasecopa == 1) {
            st.fasecopa = 2;
            st.jogocopa = 1;
        }
        const int antes = st.dataatual;
        proximadata(m);
        if (st.dataatual == antes) break;
        mudou = true;
    }
    return mudou;
}

int idadoconfronto(const Mundo& m, int indice) {
    if (indice < 1 || indice >= static_cast<int>(m.partidas.size())) return -1;
    const TPartida& volta = m.partidas[static_cast<size_t>(indice)];
    if (volta.competicao != kCopaNacional && volta.competicao != kContinental1 && volta.competicao != kContinental2)
        return -1;
    const int primeiro = procurajogo(m, volta.liga, volta.competicao, volta.rodada);
    // Knock-out ties are pairs of entries from the first entry of their phase: leg 2 is the second.
    if (primeiro < 0 || (indice - primeiro) % 2 != 1) return -1;
    const TPartida& ida = m.partidas[static_cast<size_t>(indice - 1)];
    if (ida.mandante != volta.visitante || ida.visitante != volta.mandante || ida.mandante < 0 ||
        ida.visitante < 0)
        return -1;
    return indice - 1;
}

bool decididapenaltis(const Mundo& m, int indice, int placar[2]) {
    if (indice < 0 || indice >= static_cast<int>(m.partidas.size())) return false;
    const TPartida& p = m.partidas[static_cast<size_t>(indice)];
    if (!p.jogado) return false;
    const int ida = idadoconfronto(m, indice);
    if (ida >= 0) {
        const TPartida& i = m.partidas[static_cast<size_t>(ida)];
        if (i.penaltismandante == i.penaltisvisitante) return false;
        // The first leg's home club is this match's away club.
        placar[0] = i.penaltisvisitante;
        placar[1] = i.penaltismandante;
        return true;
    }
    // A first leg keeps the tie's shoot-out for its second leg; it was not decided itself.
    if (p.competicao == kCopaNacional || p.competicao == kContinental1 || p.competicao == kContinental2) return false;
    if (p.penaltismandante == p.penaltisvisitante) return false;
    placar[0] = p.penaltismandante;
    placar[1] = p.penaltisvisitante;
    return true;
}

TDisputaPenaltis penaltisconfronto(Mundo& m, InteracaoPenaltis& ui, int indice, const int* onzemandante,
                                   const int* onzevisitante) {
    TDisputaPenaltis nenhuma;
    const int i = idadoconfronto(m, indice);
    if (i < 0) return nenhuma;
    const TPartida& volta = m.partidas[static_cast<size_t>(indice)];
    const int competicao = volta.competicao;
    TPartida& ida = m.partidas[static_cast<size_t>(i)];
    if (decideconfronto(ida.golsmandante, ida.golsvisitante, volta.golsmandante, volta.golsvisitante) != kPenaltis)
        return nenhuma;
    const bool assistir = competicao != kCopaNacional ||
                          (volta.liga >= 0 && volta.liga < static_cast<int>(m.ligas.size()) &&
                           m.ligas[volta.liga].temhumano);
    // The first club of the tie is the leg-2 away club.
    TDisputaPenaltis d = disputapenaltis(m, ui, ida.mandante, ida.visitante, false, assistir, onzevisitante,
                                         onzemandante);
    ida.penaltismandante = d.placar[0];
    ida.penaltisvisitante = d.placar[1];
    return d;
}

}  // namespace tarvello
