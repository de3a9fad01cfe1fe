#include "competitions/sorteiotorneio.h"

#include <algorithm>

#include "club/elenco.h"
#include "competitions/calendario.h"
#include "competitions/selecoestorneios.h"
#include "competitions/torneio.h"
#include "database/arquivos.h"
#include "model/funcoes.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

// Countries of the Copa América layouts.
constexpr int kColombia = 46, kPeru = 151, kBolivia = 26, kVenezuela = 198, kArgentina = 11, kMexico = 131,
              kUruguai = 195, kEquador = 60, kBrasilP = 29, kParaguai = 150, kCostaRica = 51, kChile = 42,
              kEUA = 68;

using Grupos = std::array<std::array<int, 4>, 8>;  // national-team indexes, -1 empty

struct TEntrada {
    int selecao;
    int nivel;
    int chave;
};

// Strongest first; equal levels by the random key, highest first.
void ordenapornivel(std::vector<TEntrada>& v) {
    std::stable_sort(v.begin(), v.end(), [](const TEntrada& a, const TEntrada& b) {
        if (a.nivel != b.nivel) return a.nivel > b.nivel;
        return a.chave > b.chave;
    });
}

// Fresh tournament state, before the participants are copied.
void iniciatorneio(Mundo& m, int competicao) {
    TEstadoJogo& e = m.estado;
    e.fasetorneio = 1;
    for (int32_t& s : e.selecaohumana) s = -1;
    e.selecaoatual = -1;
    e.numselecoestorneio = 0;
    TTorneio& t = e.torneio;
    t = TTorneio{};
    for (auto& g : t.grupos) std::fill(std::begin(g), std::end(g), -1);
    std::fill(std::begin(t.participantes), std::end(t.participantes), -1);
    t.melhoresterceiros[0] = t.melhoresterceiros[1] = -1;
    t.lado = 1;
    t.competicao = competicao;
    for (TJogoChave& c : m.chavestorneio) {
        c = TJogoChave{};
        c.clube1 = c.clube2 = c.vencedor = -1;
    }
    for (auto& p : e.potesforca) std::fill(std::begin(p), std::end(p), -1);
    e.numjogadoresantes = static_cast<int32_t>(m.jogadores.size());
    e.numclubesantes = static_cast<int32_t>(m.times.size());
}

bool completo(const Grupos& g, int numgrupos) {
    for (int i = 0; i < numgrupos; ++i)
        for (int s : g[static_cast<size_t>(i)])
            if (s < 0) return false;
    return true;
}

// Copies the groups' national teams in group order and builds the pots.
void copiagrupos(Mundo& m, const Grupos& g, int numgrupos) {
    TEstadoJogo& e = m.estado;
    int n = 0;
    for (int i = 0; i < numgrupos; ++i)
        for (int s = 0; s < 4; ++s) {
            const int t = copiaselecao(m, g[static_cast<size_t>(i)][static_cast<size_t>(s)]);
            m.times[static_cast<size_t>(t)].grupotorneio = i + 1;
            m.times[static_cast<size_t>(t)].vagagruposelecao = s + 1;
            e.torneio.grupos[i][s] = t;
            e.torneio.participantes[n++] = t;
        }
    e.numselecoestorneio = n;
    montapotes(m);
}

// Venue-table position for the Copa América and Eurocopa: the edition counter reduced to 1..7.
int sedeciclica(int edicao) { return edicao >= 0 && edicao <= 55 ? edicao % 7 + 1 : 1; }

}  // namespace

const std::array<std::array<std::array<int, 4>, 3>, 5> kGruposCopaAmerica = {{
    {{{kColombia, kPeru, kBolivia, kVenezuela}, {kArgentina, kMexico, kUruguai, kEquador},
      {kBrasilP, kParaguai, kCostaRica, kChile}}},
    {{{kColombia, kChile, kEquador, kVenezuela}, {kBrasilP, kMexico, kPeru, kParaguai},
      {kArgentina, kUruguai, kBolivia, kCostaRica}}},
    {{{kBrasilP, kColombia, kEquador, kPeru}, {kUruguai, kParaguai, kMexico, kVenezuela},
      {kArgentina, kBolivia, kEUA, kChile}}},
    {{{kArgentina, kChile, kBolivia, kMexico}, {kBrasilP, kPeru, kEUA, kEquador},
      {kColombia, kVenezuela, kParaguai, kUruguai}}},
    {{{kBrasilP, kParaguai, kCostaRica, kChile}, {kColombia, kPeru, kBolivia, kVenezuela},
      {kArgentina, kMexico, kUruguai, kEquador}}},
}};

int selecaodopais(const Mundo& m, int pais) {
    for (size_t i = 0; i < m.selecoes.size(); ++i) {
        const TSelecao& s = m.selecoes[i];
        if (s.pais == pais && s.valido && !s.tecnico.vazio()) return static_cast<int>(i);
    }
    return -1;
}

int forcabaseselecao(int nivel, int temporada) {
    static constexpr int kAte2[26] = {7,  7,  7,  7,  7,  7,  12, 12, 12, 12, 12, 15, 17,
                                      19, 22, 25, 27, 30, 35, 37, 40, 50, 55, 60, 65, 70};
    static constexpr int kDepois[26] = {12, 12, 12, 12, 12, 12, 15, 15, 15, 15, 15, 17, 25,
                                        30, 35, 38, 40, 42, 45, 50, 55, 70, 75, 80, 85, 90};
    const int n = std::clamp(nivel, 1, 25);
    return temporada >= 3 ? kDepois[n] : kAte2[n];
}

int copiaselecao(Mundo& m, int selecao) {
    const TSelecao& x = m.selecoes[static_cast<size_t>(selecao)];
    TTime t{};
    t.nome.define(nomepais(x.pais));
    t.nivel = x.nivel;
    t.corfundo = x.corfundo;
    t.cortexto = x.cortexto;
    t.escudo.definebruto(x.escudo.bruto());
    t.pais = x.pais;
    t.estado = selecao;
    t.tecnico = -1;
    t.capitao = 0;
    t.notorneio = 1;
    t.confiancadiretoria = 100;
    t.confiancatorcida = 80;
    const int indice = static_cast<int>(m.times.size());
    m.times.push_back(t);
    m.financas.resize(m.times.size());

    const int base = forcabaseselecao(x.nivel, m.estado.temporada);
    // The squad keeps its players until the tournament ends: no contract runs out meanwhile
    // (the draw of a new game comes before its calendar, so the date is not taken from it).
    const double contrato = codificadata(2007 + m.estado.temporada + 1, 12, 31);
    for (int k = 0; k < kMaxJogadoresSelecao; ++k) {
        if (slotlivre(x.nome[k]) || !posicaovalida(x.posicao[k])) continue;
        TJogador j{};
        j.nome.definebruto(x.nome[k].bruto());
        j.estrela = x.estrela[k] ? 1 : 0;
        j.idade = x.idade[k];
        j.pais = x.pais;
        j.posicaooriginal = j.posicao = x.posicao[k];
        j.escalacao = x.escalacao[k] ? 1 : 0;
        j.habilidade1 = habilidadevalida(x.habilidade1[k]) ? x.habilidade1[k] : 0;
        j.habilidade2 = habilidadevalida(x.habilidade2[k]) ? x.habilidade2[k] : 0;
        j.funcao = funcaopadrao(j.posicaooriginal, j.habilidade1, j.habilidade2);
        j.time = indice;
        j.energia = 100;
        j.moral = 3;
        j.contratoate = contrato;
        j.forca = base + m.sorteia(6) + (j.escalacao == 1 ? 3 : 0) + (j.estrela ? 5 : 0);
        m.jogadores.push_back(j);
    }
    recontaelenco(m, indice);
    novocapitao(m, indice);
    novocobrador(m, indice);
    return indice;
}

int sedecopamundo(int edicao) {
    const int i = edicao <= 10 ? std::max(edicao, 0) : (edicao - 1) % 10;
    return kSedesCopaMundo[static_cast<size_t>(i)];
}

void montapotes(Mundo& m) {
    TEstadoJogo& e = m.estado;
    std::vector<TEntrada> v;
    for (int i = 0; i < e.numselecoestorneio && i < 32; ++i) {
        const int t = e.torneio.participantes[i];
        v.push_back({t, m.times[static_cast<size_t>(t)].nivel, m.sorteia(100)});
    }
    ordenapornivel(v);
    for (auto& p : e.potesforca) std::fill(std::begin(p), std::end(p), -1);
    for (size_t k = 0; k < v.size(); ++k) e.potesforca[k / 8][k % 8] = v[k].selecao;
}

bool sorteiacopamundo(Mundo& m) {
    TEstadoJogo& e = m.estado;
    const int edicao = e.edicoes[0];
    const int sede = sedecopamundo(edicao);
    const int sedesel = selecaodopais(m, sede);

    // Quotas by confederation: 0 Europe, 1 South America, 2 Africa, 3 Asia, 4 North and Central
    // America, 5 Oceania.
    std::array<int, 6> cota = {sedesel >= 0 ? 13 : 14, 4, 5, 5, 3, 1};
    if (m.sorteia(2) == 0) {
        cota[1] = 5;
        cota[5] = 0;
    }
    std::array<std::vector<int>, 6> vagas;
    for (int c = 0; c < 6; ++c) {
        std::vector<TEntrada> lista;
        for (size_t i = 0; i < m.selecoes.size(); ++i) {
            const TSelecao& s = m.selecoes[i];
            if (s.confederacao != c || s.pais == sede || selecaodopais(m, s.pais) != static_cast<int>(i)) continue;
            lista.push_back({static_cast<int>(i), s.nivel, m.sorteia(100)});
        }
        ordenapornivel(lista);
        const int n = static_cast<int>(lista.size());
        if (c == 0)  // slots 6..11 of Europe are mixed among themselves
            for (int k = 5; k <= 10; ++k) {
                const int j = 5 + m.sorteia(6);
                if (k < n && j < n) std::swap(lista[static_cast<size_t>(k)], lista[static_cast<size_t>(j)]);
            }
        for (int k = 1; k < n; ++k) {
            const int j = m.sorteia(n - 1);
            std::swap(lista[static_cast<size_t>(k)], lista[static_cast<size_t>(j)]);
        }
        for (int k = 0; k < cota[static_cast<size_t>(c)] && k < n; ++k)
            vagas[static_cast<size_t>(c)].push_back(lista[static_cast<size_t>(k)].selecao);
    }
    auto vaga = [&](int c, int k) {  // k-th qualified of a confederation, 1-based; -1 missing
        const auto& v = vagas[static_cast<size_t>(c)];
        return k >= 1 && k <= static_cast<int>(v.size()) ? v[static_cast<size_t>(k - 1)] : -1;
    };
    auto E = [&](int k) { return vaga(0, k); };
    auto S = [&](int k) { return vaga(1, k); };
    auto F = [&](int k) { return vaga(2, k); };
    auto A = [&](int k) { return vaga(3, k); };
    auto N = [&](int k) { return vaga(4, k); };
    const bool temsede = sedesel >= 0;
    const Grupos linhas = {{
        {E(1), temsede ? E(6) : E(14), S(3), A(1)},
        {E(2), E(7), S(4), A(2)},
        {E(3), E(8), cota[5] > 0 ? vaga(5, 1) : S(5), N(1)},
        {E(4), E(9), F(1), A(3)},
        {E(5), E(10), F(2), A(4)},
        {S(1), E(11), F(3), A(5)},
        {S(2), E(12), F(4), N(2)},
        {temsede ? sedesel : E(6), E(13), F(5), N(3)},
    }};
    std::array<int, 8> ordem = {0, 1, 2, 3, 4, 5, 6, 7};
    for (int k = 0; k < 8; ++k) std::swap(ordem[static_cast<size_t>(k)], ordem[static_cast<size_t>(m.sorteia(8))]);
    Grupos g{};
    for (int k = 0; k < 8; ++k) g[static_cast<size_t>(k)] = linhas[static_cast<size_t>(ordem[static_cast<size_t>(k)])];
    if (!completo(g, 8)) {
        e.ckcopamundo = 0;  // never enough national teams: no world cup for the rest of the game
        return false;
    }
    iniciatorneio(m, kCopaMundo);
    const auto pos = std::find(kSedesCopaMundo.begin(), kSedesCopaMundo.end(), sede);
    e.sede = static_cast<int32_t>(pos - kSedesCopaMundo.begin()) + 1;
    copiagrupos(m, g, 8);
    return true;
}

bool sorteiacopaamerica(Mundo& m) {
    TEstadoJogo& e = m.estado;
    const auto& layout = kGruposCopaAmerica[static_cast<size_t>(m.sorteia(5))];
    Grupos g;
    for (auto& x : g) x.fill(-1);
    for (size_t i = 0; i < 3; ++i)
        for (size_t s = 0; s < 4; ++s) g[i][s] = selecaodopais(m, layout[i][s]);
    if (!completo(g, 3)) {
        e.ckcopaamerica = 0;
        return false;
    }
    iniciatorneio(m, kCopaAmerica);
    e.sede = sedeciclica(e.edicoes[1]);
    copiagrupos(m, g, 3);
    return true;
}

bool sorteiaeurocopa(Mundo& m) {
    TEstadoJogo& e = m.estado;
    std::array<std::array<int, 8>, 3> potes{};
    for (size_t p = 0; p < 3; ++p) {
        std::vector<std::pair<int, int>> v;  // (key, country)
        for (size_t k = 0; k < 8; ++k) v.push_back({m.sorteia(100), kPaisesEurocopa[p * 8 + k]});
        std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t k = 0; k < 8; ++k) potes[p][k] = selecaodopais(m, v[k].second);
    }
    const auto& P1 = potes[0];
    const auto& P2 = potes[1];
    const auto& P3 = potes[2];
    Grupos g;
    for (auto& x : g) x.fill(-1);
    g[0] = {P1[0], P1[4], P2[0], P2[4]};
    g[1] = {P1[1], P1[5], P2[1], P2[5]};
    g[2] = {P1[2], P1[6], P2[2], P3[0]};
    g[3] = {P1[3], P1[7], P2[3], P3[1]};
    if (!completo(g, 4)) {
        e.ckeurocopa = 0;
        return false;
    }
    iniciatorneio(m, kEurocopa);
    e.sede = sedeciclica(e.edicoes[2]);
    copiagrupos(m, g, 4);
    return true;
}

int sorteiatorneiodatemporada(Mundo& m) {
    TEstadoJogo& e = m.estado;
    removecopiastorneio(m);
    for (auto& p : e.potesforca) std::fill(std::begin(p), std::end(p), -1);
    if (e.ckcopamundo && temporadacopamundo(e.temporada)) return sorteiacopamundo(m) ? kCopaMundo : 0;
    if (e.ckcopaamerica && temporadacopaamerica(e.temporada)) return sorteiacopaamerica(m) ? kCopaAmerica : 0;
    if (e.ckeurocopa && temporadaeurocopa(e.temporada)) return sorteiaeurocopa(m) ? kEurocopa : 0;
    return 0;
}

}  // namespace tarvello
