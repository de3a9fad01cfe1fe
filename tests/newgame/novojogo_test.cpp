#include "competitions/calendario.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/hoje.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "newgame/configuracao.h"
#include "newgame/inicializacao.h"
#include "newgame/novojogo.h"
#include "../database/base_teste.h"

using namespace tarvello;
using teste::BaseTeste;

// n clubs of a country (levels from 20 down, in creation order), in a Brazilian state or none.
void clubes(BaseTeste& b, int pais, int n, int estado = kSemEstado) {
    for (int i = 0; i < n; ++i)
        b.clube(pais, std::max(1, 20 - i / 3), "C" + std::to_string(pais) + "-" + std::to_string(estado) + "-" + std::to_string(i),
                [&](TArquivoClube& c) { c.cabecalho.estado = static_cast<uint8_t>(estado); });
}

namespace {

constexpr int kArgentina = 11;
constexpr int kItalia = 104;
constexpr int kChile = 42;
// State indexes of São Paulo, Rio de Janeiro and Minas Gerais.
constexpr int kSP = 25, kRJ = 18, kMG = 10;

EscolhasJogo real(std::vector<int> paises, bool estaduais = false, int humanos = 1) {
    EscolhasJogo e;
    e.paises = std::move(paises);
    e.estaduais = estaduais;
    e.numtecnicoshumanos = humanos;
    return e;
}

// Runs the whole new game as the screens do, coach k taking clubs[k-1] from the league holding it.
void joga(NovoJogo& j, const std::vector<int>& clubes) {
    for (size_t k = 0; k < clubes.size(); ++k)
        ASSERT_EQ(j.escolhetime(static_cast<int>(k) + 1, clubes[k], "Técnico " + std::to_string(k + 1)), "");
    const std::string erro = j.inicializa();
    ASSERT_TRUE(erro.empty()) << erro;
}

TEST(Configuracao, PaisPrincipalELegendas) {
    const std::vector<TPaisOferecido> comBrasil = {{kArgentina, 30}, {kBrasil, 40}, {kItalia, 25}};
    const std::vector<TPaisOferecido> semBrasil = {{kArgentina, 30}, {kItalia, 25}};
    // Before any tick, the captions follow Brasil when offered, else the first row.
    EXPECT_EQ(paisprincipaltela({}, comBrasil), kBrasil);
    EXPECT_EQ(paisprincipaltela({}, semBrasil), kArgentina);
    EXPECT_EQ(paisprincipaltela({}, {}), -1);
    // Once ticked, the main country is a played one: Brasil only when Brasil itself is ticked.
    EXPECT_EQ(paisprincipaltela({kItalia}, comBrasil), kItalia);
    EXPECT_EQ(paisprincipaltela({kArgentina, kBrasil}, comBrasil), kBrasil);

    EXPECT_EQ(legendacopanacional(kBrasil), "Jogar Copa do Brasil");
    EXPECT_EQ(legendacopanacional(kItalia), "Jogar Copa do(a) Itália");
    EXPECT_EQ(legendacontinental1(kArgentina), "Jogar Taça Libertadores");
    EXPECT_EQ(legendacontinental2(kArgentina), "Jogar Copa Sul-Americana");
    EXPECT_EQ(legendacontinental1(kItalia), "Jogar Copa dos Campeões");
    EXPECT_EQ(legendacontinental2(kItalia), "Jogar Copa da UEFA");
    EXPECT_EQ(legendacontinental1(131), "Jogar Taça Libertadores");  // México plays in the south
}

TEST(Inicializacao, PrimeirosContratosEmSemanasInteiras) {
    Mundo m;
    m.jogadores.resize(400);
    for (auto& j : m.jogadores) j.avisocontrato = 2;
    m.estado.temporada = 1;
    m.estado.dataatual = 12;
    const double hoje = datadonumero(1, 12);
    contratosiniciais(m);
    std::set<int> semanas;
    for (const TJogador& j : m.jogadores) {
        const double dias = j.contratoate - hoje;
        EXPECT_GE(dias, 70);
        EXPECT_LE(dias, 273);
        EXPECT_EQ(static_cast<int>(dias) % 7, 0);
        EXPECT_EQ(j.avisocontrato, 0);
        semanas.insert(static_cast<int>(dias) / 7);
    }
    // 400 draws over 30 possible lengths reach both ends.
    EXPECT_TRUE(semanas.count(10));
    EXPECT_TRUE(semanas.count(39));
}

TEST(Inicializacao, PrimeiraTelaDosEstaduais) {
    Mundo m;
    m.estado.competicaoatual = kEstadual;
    m.estaduais[3].temestadual = 1;
    m.estaduais[kMG].temestadual = 1;
    EXPECT_EQ(escolheprimeiratela(m).tela, Tela::Partidas);
    EXPECT_EQ(escolheprimeiratela(m).estado, kMG);
    m.estaduais[kRJ].temestadual = 1;
    EXPECT_EQ(escolheprimeiratela(m).estado, kRJ);
    m.estaduais[kSP].temestadual = 1;
    EXPECT_EQ(escolheprimeiratela(m).estado, kSP);
    m.estaduais[kMG].temestadual = 0;
    m.estaduais[kRJ].temestadual = 0;
    m.estaduais[kSP].temestadual = 0;
    EXPECT_EQ(escolheprimeiratela(m).estado, 3);
    // A human club in a state with a championship: his main screen first.
    m.estaduais[3].temhumano = 1;
    EXPECT_EQ(escolheprimeiratela(m).tela, Tela::Principal);
    EXPECT_EQ(m.estado.competicaoatual, kEstadual);
}

TEST(Inicializacao, PrimeiraTelaDaCopa) {
    Mundo m;
    auto prepara = [&m] {
        m.estado = {};
        m.estado.temporada = 1;
        m.estado.sistemadisputa = 4;
        m.estado.ckcopa = 1;
        montacalendario(m);
        m.estado.dataatual = 34;  // first cup date of the ten-club season
        m.estado.competicaoatual = kCopaNacional;
        m.estado.fasecopa = 1;
        m.estado.jogocopa = 1;
    };
    prepara();
    m.ligas.resize(2);
    m.ligas[1].temhumano = 1;

    // No cup tie anywhere on either first-phase date: the phase closes and the game goes on to
    // the league, the first date that has anything to play.
    EXPECT_EQ(escolheprimeiratela(m).tela, Tela::Principal);
    EXPECT_EQ(m.estado.fasecopa, 2);
    EXPECT_EQ(m.estado.jogocopa, 1);
    EXPECT_EQ(m.estado.competicaoatual, kLiga);
    EXPECT_EQ(m.estado.dataatual, 45);

    // A friendly booked before the league is not skipped.
    prepara();
    TPartida amistoso{};
    amistoso.competicao = kAmistoso;
    amistoso.mandante = 1;
    amistoso.visitante = 2;
    amistoso.data = m.calendario[38].data;  // date 39
    amistoso.liga = -1;
    m.partidas.push_back(amistoso);
    escolheprimeiratela(m);
    EXPECT_EQ(m.estado.dataatual, 39);
    EXPECT_EQ(m.estado.competicaoatual, kAmistoso);
    EXPECT_EQ(m.estado.fasecopa, 2);
    m.partidas.clear();

    prepara();
    TPartida p{};
    p.competicao = kCopaNacional;
    p.data = datahoje(m);
    p.mandante = p.visitante = -1;
    p.liga = 0;  // only the computer league plays today
    m.partidas.push_back(p);
    EXPECT_EQ(escolheprimeiratela(m).tela, Tela::Partidas);
    EXPECT_EQ(m.estado.dataatual, 34);
    p.liga = 1;
    m.partidas.push_back(p);
    EXPECT_EQ(escolheprimeiratela(m).tela, Tela::Principal);
    EXPECT_EQ(m.estado.fasecopa, 1);
}

// ---- Through the files: the scan, the league composition, the load, the first date. ----

TEST(NovoJogo, BrasilSemTimesSuficientesFicaForaDaGrade) {
    BaseTeste base;
    clubes(base, kBrasil, 21, 0);
    clubes(base, kArgentina, 22);
    clubes(base, kItalia, 30);
    NovoJogo j(base.raiz, base.raiz / "tarvello.ini", 7);
    j.lerbase();
    const auto grade = j.gradereal();
    ASSERT_EQ(grade.size(), 2u);
    EXPECT_EQ(grade[0].pais, kArgentina);
    EXPECT_EQ(grade[0].clubes, 22);
    EXPECT_EQ(paisprincipaltela({}, grade), kArgentina);
    // Brasil still has clubs for the custom championship.
    EXPECT_EQ(j.gradepersonalizada().size(), 3u);

    // Nothing ticked: the message, and nothing composed.
    EXPECT_EQ(j.configura(real({})), "Selecione pelo menos uma liga");
    EXPECT_TRUE(j.mundo().ligas.empty());

    EscolhasJogo e = real({kArgentina, kItalia}, true);
    e.inter = false;  // cup 2 asked for without cup 1
    ASSERT_EQ(j.configura(e), "");
    const TEstadoJogo& s = j.mundo().estado;
    EXPECT_EQ(s.paisprincipal, kArgentina);
    EXPECT_EQ(s.ckestadual, 0);  // state championships need Brasil as main country
    EXPECT_EQ(s.ckinter, 0);
    EXPECT_EQ(s.ckinter3, 0);
    EXPECT_EQ(s.nomeliga.utf8(), "Campeonato Argentino");
    EXPECT_EQ(s.nomecopa.utf8(), "Copa Argentina");
    EXPECT_EQ(s.numclubesliga, 52);
    EXPECT_EQ(j.mundo().ligas[0].numdivisoes, 2);
    EXPECT_EQ(j.mundo().ligas[1].numdivisoes, 2);
}

TEST(NovoJogo, PersonalizadoPrecisaDe42Clubes) {
    BaseTeste base;
    clubes(base, kChile, 20);
    clubes(base, kArgentina, 21);
    clubes(base, kItalia, 1);
    NovoJogo j(base.raiz, base.raiz / "tarvello.ini", 3);
    j.lerbase();
    EscolhasJogo e;
    e.personalizado = true;
    e.paises = {kChile, kArgentina};  // 41 clubs
    EXPECT_NE(j.configura(e), "");
    EXPECT_TRUE(j.mundo().ligas.empty());
    e.paises = {kChile, kArgentina, kItalia};  // 42
    ASSERT_EQ(j.configura(e), "");
    joga(j, {5});
    const Mundo& m = j.mundo();
    EXPECT_EQ(m.estado.paisprincipal, kPersonalizado);
    EXPECT_EQ(m.estado.nomeliga.utf8(), "Campeonato Internacional");
    EXPECT_EQ(m.estado.nomecopa.utf8(), "Copa Internacional");
    EXPECT_EQ(m.estado.numclubesextras, 0);
    EXPECT_EQ(m.estado.numclubesliga, 42);
    EXPECT_EQ(m.times.size(), 42u);  // no extra clubs
    for (const TTime& t : m.times) EXPECT_EQ(t.pais, kPersonalizado);
    ASSERT_EQ(m.ligas.size(), 1u);
    EXPECT_EQ(m.ligas[0].numdivisoes, 4);
    EXPECT_EQ(m.estado.ckcopamundo + m.estado.ckeurocopa + m.estado.ckcopaamerica +
                  m.estado.ckinter + m.estado.ckinter3 + m.estado.ckestadual,
              0);
}

TEST(NovoJogo, EstaduaisAbremOJogo) {
    BaseTeste base;
    clubes(base, kBrasil, 6, kSP);   // one full group, an empty second one
    clubes(base, kBrasil, 11, kRJ);  // one full group and a second of five
    clubes(base, kBrasil, 5, kMG);   // too few: no championship
    clubes(base, kArgentina, 22);
    NovoJogo j(base.raiz, base.raiz / "tarvello.ini", 11);
    j.lerbase();
    ASSERT_EQ(j.configura(real({kArgentina, kBrasil}, true)), "");
    EXPECT_EQ(j.mundo().estado.paisprincipal, kBrasil);
    // The human takes an Argentinian club: no human club in any state championship.
    const int argentino = 0;
    ASSERT_EQ(j.mundo().times[argentino].pais, kArgentina);
    joga(j, {argentino});
    const Mundo& m = j.mundo();
    const TEstadoJogo& s = m.estado;
    EXPECT_EQ(s.ckestadual, 1);
    EXPECT_EQ(s.competicaoatual, kEstadual);
    EXPECT_EQ(s.marcavalida, 81);
    EXPECT_EQ(s.temporada, 1);
    EXPECT_EQ(s.tecnicoatual, s.timeatual);

    auto contagrupo = [&](int estado, int g) {
        return std::count_if(std::begin(m.estaduais[estado].grupos[g]),
                             std::end(m.estaduais[estado].grupos[g]), [](int c) { return c >= 0; });
    };
    EXPECT_EQ(m.estaduais[kSP].numgrupos, 1);
    EXPECT_EQ(contagrupo(kSP, 0), 6);
    EXPECT_EQ(contagrupo(kSP, 1), 0);
    EXPECT_EQ(m.estaduais[kRJ].numgrupos, 1);
    EXPECT_EQ(contagrupo(kRJ, 0), 6);
    EXPECT_EQ(contagrupo(kRJ, 1), 5);
    EXPECT_EQ(m.estaduais[kMG].temestadual, 0);

    const TPrimeiraTela t = j.primeiratela();
    EXPECT_EQ(t.tela, Tela::Partidas);
    EXPECT_EQ(t.estado, kSP);
}

TEST(NovoJogo, HumanoNoEstadualAbreATelaPrincipal) {
    BaseTeste base;
    clubes(base, kBrasil, 40, kSP);  // more clubs than five groups hold
    NovoJogo j(base.raiz, base.raiz / "tarvello.ini", 5);
    j.lerbase();
    ASSERT_EQ(j.configura(real({kBrasil}, true)), "");
    // Club 0 has the top level: it is certainly in the first group.
    joga(j, {0});
    const Mundo& m = j.mundo();
    const TEstadual& sp = m.estaduais[kSP];
    EXPECT_EQ(sp.numgrupos, 5);  // the fifth group is full, so it plays too
    int nosgrupos = 0;
    for (const auto& g : sp.grupos)
        for (int c : g) nosgrupos += c >= 0;
    EXPECT_EQ(nosgrupos, 30);  // the rest are left out, nothing written past the fifth group
    int fora = 0;
    for (const TTime& t : m.times) fora += t.pais == kBrasil && t.noestadual == 0;
    EXPECT_EQ(fora, 10);
    EXPECT_EQ(m.times[0].grupoestadual, 1);
    EXPECT_EQ(sp.temhumano, 1);
    EXPECT_EQ(m.estado.competicaoatual, kEstadual);
    EXPECT_EQ(j.primeiratela().tela, Tela::Principal);
}

TEST(NovoJogo, CadaJogoNovoComecaDeUmMundoNovo) {
    BaseTeste base;
    clubes(base, kArgentina, 25);
    clubes(base, kItalia, 22);
    NovoJogo a(base.raiz, base.raiz / "tarvello.ini", 1);
    a.lerbase();
    ASSERT_EQ(a.configura(real({kArgentina, kItalia}, false, 2)), "");
    joga(a, {3, 30});
    EXPECT_EQ(a.mundo().estado.numtecnicoshumanos, 2);
    EXPECT_EQ(a.mundo().ligas[0].temhumano, 1);
    EXPECT_EQ(a.mundo().ligas[1].temhumano, 1);

    // A second game in the same run, with other choices: nothing of the first one is left.
    NovoJogo b(base.raiz, base.raiz / "tarvello.ini", 1);
    b.lerbase();
    ASSERT_EQ(b.configura(real({kItalia})), "");
    joga(b, {4});
    const Mundo& m = b.mundo();
    ASSERT_EQ(m.ligas.size(), 1u);
    EXPECT_EQ(m.ligas[0].temhumano, 1);
    int humanos = 0;
    for (const TTime& t : m.times) humanos += t.humano;
    EXPECT_EQ(humanos, 1);
    EXPECT_EQ(m.estado.timedotecnico[1], -1);
    EXPECT_EQ(m.tecnicos[4].nome.utf8(), "Técnico 1");
    // Contracts run from the first date with matches.
    for (size_t i = 0; i < m.jogadores.size(); ++i) {
        const double dias = m.jogadores[i].contratoate - datahoje(m);
        EXPECT_TRUE(dias >= 70 && dias <= 273) << i;
    }
}

}  // namespace
