#include "competitions/sorteiatimes.h"

#include <algorithm>
#include <utility>

#include "competitions/mundial.h"
#include "competitions/tabela.h"
#include "competitions/vagas.h"
#include "model/mundo.h"
#include "records/historico.h"

namespace tarvello {

namespace {

// Country indexes of the lists the draws walk.
constexpr int kArgentina = 11, kUruguai = 195, kParaguai = 150, kChile = 42, kColombia = 46,
              kEquador = 60, kMexico = 131, kPeru = 151, kBolivia = 26, kVenezuela = 198;
constexpr int kInglaterra = 97, kEspanha = 65, kItalia = 104, kAlemanha = 3, kFranca = 72, kHolanda = 85,
              kPortugal = 154, kRussia = 162, kUcrania = 193, kGrecia = 78, kRomenia = 160, kEscocia = 62,
              kBelgica = 21, kRepTcheca = 159, kTurquia = 192, kAustria = 15, kCroacia = 52, kBulgaria = 31,
              kHungria = 88, kServia = 171, kSuecia = 179, kPolonia = 152, kSuica = 180, kGeorgia = 76,
              kNoruega = 142, kIsrael = 103, kDinamarca = 54;
constexpr int kJapao = 107, kArabiaSaudita = 9, kChina = 43, kCoreiaSul = 49, kEgito = 57, kMarrocos = 129,
              kAfricaSul = 1, kTunisia = 190, kCostaRica = 51, kCanada = 38, kEUA = 68, kAustralia = 14,
              kNovaZelandia = 143;

// The countries of each confederation in the order their lists are walked for a replacement.
constexpr int kPaisesSul[] = {kBrasil, kArgentina, kUruguai, kParaguai, kChile, kColombia,
                              kEquador, kMexico,   kPeru,    kBolivia,  kVenezuela};
constexpr int kPaisesEuropa[] = {kInglaterra, kEspanha,  kItalia,   kAlemanha, kFranca,   kHolanda, kPortugal,
                                 kRussia,     kUcrania,  kGrecia,   kRomenia,  kEscocia,  kBelgica, kRepTcheca,
                                 kTurquia,    kAustria,  kCroacia,  kBulgaria, kHungria,  kServia,  kSuecia,
                                 kPolonia,    kSuica,    kGeorgia,  kNoruega,  kIsrael,   kDinamarca};

bool valido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

// One place of a draw: the club the list gives and the country it stands for, so that a missing
// club is replaced from the same country first.
struct TVaga {
    int pais;
    int time;
};

struct TSorteio {
    std::vector<TVaga> cabecas;  // 8 seeds
    std::vector<TVaga> outros;   // 24 others
};

TVaga vaga(Mundo& m, TClassificados& c, int pais, int k) { return {pais, classificado(m, c, pais, k)}; }

void acrescenta(Mundo& m, TClassificados& c, std::vector<TVaga>& v, int pais, int de, int ate) {
    for (int k = de; k <= ate; ++k) v.push_back(vaga(m, c, pais, k));
}

// Fills every gap (a missing club, or a club already placed) with the next club of its country's
// list that no place holds, then with one from the other countries of the confederation.
void preenchelacunas(Mundo& m, TClassificados& c, std::vector<TVaga*> vagas, const int* paises, size_t npaises) {
    std::vector<int> usados;
    std::vector<TVaga*> lacunas;
    for (TVaga* v : vagas) {
        if (!valido(m, v->time) || std::find(usados.begin(), usados.end(), v->time) != usados.end())
            lacunas.push_back(v);
        else
            usados.push_back(v->time);
    }
    auto livre = [&](int t) { return valido(m, t) && std::find(usados.begin(), usados.end(), t) == usados.end(); };
    for (TVaga* v : lacunas) {
        v->time = -1;
        for (int k = 1; k <= kMaxClassificados && v->time < 0; ++k) {
            const int t = paisvalido(v->pais) ? classificado(m, c, v->pais, k) : -1;
            if (livre(t)) v->time = t;
        }
        for (size_t p = 0; p < npaises && v->time < 0; ++p)
            for (int k = 1; k <= kMaxClassificados && v->time < 0; ++k) {
                const int t = classificado(m, c, paises[p], k);
                if (livre(t)) v->time = t;
            }
        if (v->time >= 0) usados.push_back(v->time);
    }
}

void embaralha(Mundo& m, std::vector<TVaga>& v) {
    const int n = static_cast<int>(v.size());
    for (int k = 0; k < n; ++k) std::swap(v[static_cast<size_t>(k)], v[static_cast<size_t>(m.sorteia(n))]);
}

int32_t (&grupos(Mundo& m, int copa, int confederacao))[8][4] {
    TEstadoJogo& e = m.estado;
    if (copa == 1) return confederacao == 1 ? e.gruposlib1 : e.gruposlib2;
    return confederacao == 1 ? e.grupossul1 : e.grupossul2;
}

// Shuffles seeds and others and writes the eight groups: seed g in slot 1, others 3g-2..3g.
void montagrupos(Mundo& m, TSorteio& s, int copa, int confederacao) {
    embaralha(m, s.cabecas);
    embaralha(m, s.outros);
    int32_t(&g)[8][4] = grupos(m, copa, confederacao);
    for (int k = 0; k < 8; ++k) {
        g[k][0] = k < static_cast<int>(s.cabecas.size()) ? s.cabecas[static_cast<size_t>(k)].time : -1;
        for (int j = 0; j < 3; ++j) {
            const size_t o = static_cast<size_t>(3 * k + j);
            g[k][j + 1] = o < s.outros.size() ? s.outros[o].time : -1;
        }
        for (int t : g[k]) {
            if (!valido(m, t)) continue;
            TTime& x = m.times[static_cast<size_t>(t)];
            if (copa == 1) {
                x.grupolib = k + 1;
                x.nalib = 1;
            } else {
                x.gruposul = k + 1;
                x.nasul = 1;
            }
        }
    }
}

// Both cups of a confederation, gaps filled over the places of both so no club plays in two.
void sorteia(Mundo& m, TClassificados& c, TSorteio& copa1, TSorteio& copa2, bool comcopa2, int confederacao,
             const int* paises, size_t npaises) {
    std::vector<TVaga*> vagas;
    for (TSorteio* s : {&copa1, &copa2}) {
        if (s == &copa2 && !comcopa2) break;
        for (TVaga& v : s->cabecas) vagas.push_back(&v);
        for (TVaga& v : s->outros) vagas.push_back(&v);
    }
    preenchelacunas(m, c, vagas, paises, npaises);
    montagrupos(m, copa1, 1, confederacao);
    if (comcopa2) montagrupos(m, copa2, 2, confederacao);
}

// One of several first-placed clubs: a human-run one when there is one, otherwise a random
// candidate, tried up to 50 times until one exists.
TVaga umdentre(Mundo& m, TClassificados& c, std::initializer_list<int> paises) {
    for (int p : paises) {
        const int t = classificado(m, c, p, 1);
        if (valido(m, t) && m.times[static_cast<size_t>(t)].humano) return {p, t};
    }
    const std::vector<int> lista(paises);
    TVaga v{lista.front(), -1};
    for (int tentativa = 0; tentativa < 50 && v.time < 0; ++tentativa) {
        const int p = lista[static_cast<size_t>(m.sorteia(static_cast<int>(lista.size())))];
        v = {p, classificado(m, c, p, 1)};
    }
    return v;
}

}  // namespace

bool clubeclassificavel(const Mundo& m, int time) {
    const int64_t base = static_cast<int64_t>(m.estado.numclubesliga) + m.estado.numclubesextras;
    return valido(m, time) && time < base && !m.times[static_cast<size_t>(time)].notorneio;
}

TClassificados montaclassificados(Mundo& m) {
    TClassificados c;
    for (TListaClassificados& l : c.lista) l.fill(-1);
    for (const TLiga& l : m.ligas) {
        if (!paisvalido(l.pais)) continue;
        std::vector<int> clubes;
        for (int t : l.times[0])
            if (clubeclassificavel(m, t)) clubes.push_back(t);
        std::vector<int> lista;
        for (const TLinhaTabela& x : ordenatabela(m, clubes, kLiga)) {
            if (lista.size() >= 8) break;
            lista.push_back(x.time);
        }
        const int vencedor = campeao(m, kCopaNacional, l.pais, m.estado.temporada);
        const int conf = confederacaocopas(l.pais);
        if (clubeclassificavel(m, vencedor) && conf != 0 && vagascontinentais(l.pais, 1, conf) > 1) {
            std::erase(lista, vencedor);
            lista.insert(lista.begin(), vencedor);
            if (lista.size() > 1) std::swap(lista[0], lista[1]);
        }
        TListaClassificados& r = c.lista[static_cast<size_t>(l.pais)];
        for (size_t k = 0; k < lista.size() && k < r.size(); ++k) r[k] = lista[k];
        c.pronta[static_cast<size_t>(l.pais)] = true;
    }
    return c;
}

TListaClassificados selecionamelhores(Mundo& m, int pais) {
    struct Candidato {
        int time, forca, chave;
    };
    std::vector<Candidato> v;
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
        if (m.times[static_cast<size_t>(t)].pais != pais || !clubeclassificavel(m, t)) continue;
        const int nivel = m.times[static_cast<size_t>(t)].nivel;
        int forca = nivel >= 20 ? 20 : nivel >= 18 ? 18 : nivel >= 16 ? 17 : nivel;
        // The banded clubs are not all that they were: now and then one slips back.
        if (nivel >= 16 && m.estado.temporada >= 2 && m.sorteia(12) == 0) forca -= forca == 17 ? 1 : 2;
        v.push_back({t, forca, m.sorteia(100)});
    }
    std::stable_sort(v.begin(), v.end(), [](const Candidato& a, const Candidato& b) {
        return a.forca != b.forca ? a.forca > b.forca : a.chave > b.chave;
    });
    TListaClassificados r;
    r.fill(-1);
    for (size_t k = 0; k < v.size() && k < r.size(); ++k) r[k] = v[k].time;
    return r;
}

int classificado(Mundo& m, TClassificados& c, int pais, int k) {
    if (!paisvalido(pais) || k < 1 || k > kMaxClassificados) return -1;
    const size_t p = static_cast<size_t>(pais);
    if (!c.pronta[p]) {
        c.lista[p] = selecionamelhores(m, pais);
        c.pronta[p] = true;
    }
    return c.lista[p][static_cast<size_t>(k - 1)];
}

void zeracontinentais(Mundo& m) {
    for (TTime& t : m.times) {
        t.grupolib = t.gruposul = 0;
        t.nalib = t.nasul = t.nomundial = 0;
    }
    TEstadoJogo& e = m.estado;
    e.turnolib = e.faselib = e.jogolib = 1;
    e.turnosul = e.fasesul = e.jogosul = 1;
    e.fasemundial = 1;
    for (auto* g : {&e.gruposlib1, &e.gruposlib2, &e.grupossul1, &e.grupossul2})
        for (auto& linha : *g)
            for (int32_t& t : linha) t = -1;
}

void sorteiasulamerica(Mundo& m, TClassificados& c) {
    TSorteio copa1, copa2;
    const int tres[] = {kUruguai, kParaguai, kChile, kColombia, kEquador, kMexico};
    const int dois[] = {kPeru, kBolivia, kVenezuela};
    for (int p : {kBrasil, kArgentina}) acrescenta(m, c, copa1.cabecas, p, 1, 4);
    for (int p : tres) acrescenta(m, c, copa1.outros, p, 1, 3);
    for (int p : dois) acrescenta(m, c, copa1.outros, p, 1, 2);
    const bool comcopa2 = m.estado.ckinter3 != 0;
    if (comcopa2) {
        for (int p : {kBrasil, kArgentina}) acrescenta(m, c, copa2.cabecas, p, 5, 8);
        for (int p : tres) acrescenta(m, c, copa2.outros, p, 4, 6);
        for (int p : dois) acrescenta(m, c, copa2.outros, p, 3, 4);
    }
    sorteia(m, c, copa1, copa2, comcopa2, 1, kPaisesSul, std::size(kPaisesSul));
}

void sorteiaeuropa(Mundo& m, TClassificados& c) {
    TSorteio copa1, copa2;
    for (int p : {kInglaterra, kEspanha, kItalia, kAlemanha}) acrescenta(m, c, copa1.cabecas, p, 1, 2);
    std::vector<TVaga>& o1 = copa1.outros;
    for (int p : {kInglaterra, kEspanha, kItalia}) acrescenta(m, c, o1, p, 3, 4);
    o1.push_back(vaga(m, c, kAlemanha, 3));
    acrescenta(m, c, o1, kFranca, 1, 3);
    acrescenta(m, c, o1, kHolanda, 1, 2);
    acrescenta(m, c, o1, kPortugal, 1, 2);
    for (int p : {kRussia, kUcrania, kGrecia, kRomenia, kEscocia, kBelgica, kRepTcheca, kTurquia})
        o1.push_back(vaga(m, c, p, 1));
    o1.push_back(umdentre(m, c, {kDinamarca, kCroacia, kBulgaria}));
    o1.push_back(umdentre(m, c, {kHungria, kServia, kSuecia, kAustria}));

    const bool comcopa2 = m.estado.ckinter3 != 0;
    if (comcopa2) {
        for (int p : {kInglaterra, kEspanha, kItalia}) acrescenta(m, c, copa2.cabecas, p, 5, 6);
        acrescenta(m, c, copa2.cabecas, kAlemanha, 4, 5);
        std::vector<TVaga>& o2 = copa2.outros;
        for (int p : {kInglaterra, kEspanha, kItalia}) o2.push_back(vaga(m, c, p, 7));
        acrescenta(m, c, o2, kFranca, 4, 5);
        o2.push_back(vaga(m, c, kHolanda, 3));
        acrescenta(m, c, o2, kPortugal, 3, 4);
        acrescenta(m, c, o2, kRussia, 2, 3);
        for (int p : {kUcrania, kGrecia, kRomenia, kEscocia, kBelgica, kTurquia}) o2.push_back(vaga(m, c, p, 2));
        for (int p : {kPolonia, kSuica, kGeorgia, kNoruega, kIsrael}) o2.push_back(vaga(m, c, p, 1));
        o2.push_back(vaga(m, c, kHolanda, 4));
        // Germany's sixth club is its last place here: taking the seventh would leave the sixth
        // out of every cup.
        o2.push_back(vaga(m, c, kAlemanha, 6));
        o2.push_back(vaga(m, c, kTurquia, 3));
    }
    sorteia(m, c, copa1, copa2, comcopa2, 2, kPaisesEuropa, std::size(kPaisesEuropa));
}

bool sorteiamundial(Mundo& m) {
    TClassificados c = montaclassificados(m);
    const int temporada = m.estado.temporada;
    const int sul = campeao(m, kContinental1, 1, temporada);
    const int europa = campeao(m, kContinental1, 2, temporada);
    auto primeiro = [&](int pais) { return classificado(m, c, pais, 1); };

    int r = m.sorteia(100);
    const int paisasia = r < 50 ? kJapao : r < 90 ? kArabiaSaudita : r < 95 ? kChina : kCoreiaSul;
    int asia = primeiro(paisasia);
    if (asia < 0) asia = primeiro(kJapao);

    r = m.sorteia(100);
    const int paisafrica = r < 30 ? kEgito : r < 60 ? kMarrocos : r < 90 ? kAfricaSul : kTunisia;
    int africa = primeiro(paisafrica);
    if (africa < 0) africa = primeiro(kEgito);

    // When a Mexican club won the South American cup, Mexico sends nobody else.
    const bool sulmexicano = valido(m, sul) && m.times[static_cast<size_t>(sul)].pais == kMexico;
    r = m.sorteia(100);
    const int paisnorte = sulmexicano ? (r < 50 ? kCostaRica : r < 55 ? kCanada : kEUA)
                                      : (r < 20 ? kCostaRica : r < 25 ? kCanada : r < 35 ? kEUA : kMexico);
    int norte = primeiro(paisnorte);
    if (norte < 0 && !sulmexicano) norte = primeiro(kMexico);
    if (norte < 0) norte = primeiro(kCostaRica);

    int oceania = primeiro(kAustralia);
    if (m.sorteia(100) >= 60 && primeiro(kNovaZelandia) >= 0) oceania = primeiro(kNovaZelandia);

    std::vector<int> seis = {sul, europa, asia, africa, norte, oceania};
    for (size_t k = 0; k < seis.size(); ++k)
        if (!valido(m, seis[k]) || std::count(seis.begin(), seis.end(), seis[k]) > 1) return false;

    for (TJogoChave& j : m.chavesmundial) {
        j.clube1 = j.clube2 = j.vencedor = -1;
        j.gols1 = j.gols2 = 0;
    }
    const bool d = m.sorteia(2) == 1;
    m.chavesmundial[0].clube1 = asia;
    m.chavesmundial[0].clube2 = d ? africa : norte;
    m.chavesmundial[1].clube1 = d ? norte : africa;
    m.chavesmundial[1].clube2 = oceania;
    const bool troca = m.sorteia(2) == 1;
    m.chavesmundial[2].clube1 = troca ? europa : sul;
    m.chavesmundial[3].clube1 = troca ? sul : europa;
    for (int t : seis) m.times[static_cast<size_t>(t)].nomundial = 1;
    m.estado.fasemundial = 1;
    agendamundial(m);
    return true;
}

}  // namespace tarvello
