#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

#include "base_teste.h"
#include "club/valores.h"
#include "database/montaliga.h"
#include "model/tipos.h"
#include "newgame/carregamundo.h"
#include "newgame/escolhas.h"

using namespace tarvello;
using tarvello::teste::BaseTeste;

namespace {

constexpr int kArgentina = 11, kItalia = 104, kMexico = 131, kUruguai = 195;

struct Jogo {
    Mundo m;
    Preparacao p;
    std::string erro;
};

Jogo prepara(const BaseTeste& b, EscolhasJogo e, uint64_t semente = 7) {
    Jogo j;
    j.m.aleatorio.semeia(semente);
    lerresumos(j.p, b.raiz);
    j.erro = preparaligas(j.m, j.p, e);
    return j;
}

EscolhasJogo ligas(std::vector<int> paises, int sistema = 4) {
    EscolhasJogo e;
    e.paises = std::move(paises);
    e.sistemadisputa = sistema;
    e.numtecnicoshumanos = 0;
    return e;
}

std::vector<int> divisao(const TLiga& l, int d) {
    std::vector<int> v;
    for (int c : l.times[d - 1])
        if (c >= 0) v.push_back(c);
    return v;
}

}  // namespace

TEST(Carga, SoOferecePaisComVinteEDoisTimesUtilizaveisEElesEnchemAPrimeiraDivisao) {
    BaseTeste b;
    b.clubes(kArgentina, 21);
    b.clubes(kUruguai, 22);
    // Files the game cannot use, each of its own kind: none may count for Argentina.
    {
        // Version 7 on disk (the writer always stores 8).
        std::fstream f(b.arquivo(b.clube(kArgentina, 20, "Versão antiga")), std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(6);
        f.put(7);
    }
    b.clube(kArgentina, 20, "Curto", [](TArquivoClube& c) {
        for (int k = 2; k < 25; ++k) c.elenco.nome[k].define("");  // one goalkeeper short of a team
    });
    b.clube(kArgentina, 20, "");  // no short name
    Preparacao p;
    lerresumos(p, b.raiz);
    EXPECT_EQ(p.clubesusaveis[kArgentina], 21);
    EXPECT_EQ(p.clubesusaveis[kUruguai], 22);
    const auto oferecidos = paisesoferecidos(p);
    ASSERT_EQ(oferecidos.size(), 1u);
    EXPECT_EQ(oferecidos[0].pais, kUruguai);
    EXPECT_EQ(paisesoferecidos(p, 1).size(), 2u);

    Jogo j = prepara(b, ligas({kArgentina}));
    EXPECT_NE(j.erro, "");
    EXPECT_TRUE(j.m.ligas.empty());

    // 22 usable clubs fill the only division of the 20-club system.
    Jogo u = prepara(b, ligas({kUruguai}, 2));
    ASSERT_EQ(u.erro, "");
    EXPECT_EQ(u.m.ligas[0].numdivisoes, 1);
    EXPECT_EQ(divisao(u.m.ligas[0], 1).size(), 20u);
    Jogo u10 = prepara(b, ligas({kUruguai}, 4));
    EXPECT_EQ(u10.m.ligas[0].numdivisoes, 2);
    EXPECT_EQ(divisao(u10.m.ligas[0], 2).size(), 10u);
}

TEST(Carga, QuarentaEUmTimesDaoTresDivisoesEQuarentaEDoisQuatro) {
    BaseTeste b;
    b.clubes(kArgentina, 42);
    b.clubes(kUruguai, 41);
    Jogo j = prepara(b, ligas({kArgentina, kUruguai}));
    ASSERT_EQ(j.erro, "");
    EXPECT_EQ(j.m.estado.numclubesliga, 83);
    const TLiga& arg = j.m.ligas[0];
    const TLiga& uru = j.m.ligas[1];
    EXPECT_EQ(arg.numdivisoes, 4);
    EXPECT_EQ(uru.numdivisoes, 3);
    for (int d = 1; d <= 4; ++d) EXPECT_EQ(divisao(arg, d).size(), 10u);
    EXPECT_TRUE(divisao(uru, 4).empty());
    int fora = 0;
    std::set<int> vistos;
    for (int c = 42; c < 83; ++c) {
        EXPECT_EQ(j.m.times[c].pais, kUruguai);
        if (j.m.times[c].divisao == 0) ++fora;
        vistos.insert(c);
    }
    EXPECT_EQ(fora, 11);
    for (int d = 1; d <= 3; ++d)
        for (int c : divisao(uru, d)) {
            EXPECT_EQ(j.m.times[c].divisao, d);
            EXPECT_EQ(uru.classificacao[d - 1][std::find(uru.times[d - 1], uru.times[d - 1] + 20, c) - uru.times[d - 1]], c);
        }
    // The 20-club system: 41 clubs make one division, 42 two, 60 three.
    EXPECT_EQ(numerodivisoes(2, 41), 1);
    EXPECT_EQ(numerodivisoes(2, 42), 2);
    EXPECT_EQ(numerodivisoes(2, 59), 2);
    EXPECT_EQ(numerodivisoes(2, 60), 3);
    EXPECT_EQ(numerodivisoes(4, 31), 2);
    EXPECT_EQ(numerodivisoes(4, 32), 3);
}

TEST(Carga, NiveisIguaisSeguemAChaveAleatoria) {
    BaseTeste b;
    for (int i = 0; i < 30; ++i) b.clube(kArgentina, 10, "Igual " + std::to_string(i));
    for (int i = 0; i < 5; ++i) b.clube(kArgentina, 15, "Forte " + std::to_string(i));
    std::set<std::vector<int>> primeiras;
    for (uint64_t semente = 1; semente <= 6; ++semente) {
        Jogo j = prepara(b, ligas({kArgentina}), semente);
        ASSERT_EQ(j.erro, "");
        const auto& lista = j.p.composicao[0];
        ASSERT_EQ(lista.size(), 35u);
        for (size_t i = 1; i < lista.size(); ++i) {
            ASSERT_GE(lista[i - 1].nivel, lista[i].nivel);
            if (lista[i - 1].nivel == lista[i].nivel) {
                ASSERT_LE(lista[i - 1].chave, lista[i].chave);
            }
        }
        // The five strong clubs lead division 1 whatever the draw.
        auto d1 = divisao(j.m.ligas[0], 1);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(j.m.times[d1[k]].nivel, 15);
        primeiras.insert(d1);
    }
    EXPECT_GT(primeiras.size(), 1u);  // who else makes division 1 varies from game to game
}

TEST(Carga, JogadoresCaracteristicasFuncoesForcaValorESalario) {
    BaseTeste b;
    b.clubes(kArgentina, 21);
    b.clube(kArgentina, 20, "Teste", [](TArquivoClube& c) {
        auto& e = c.elenco;
        e.habilidade1[0] = 0;  // goalkeeper "Colocação" stays
        e.habilidade2[0] = 0;
        e.habilidade1[5] = 0;  // outfield 0 and 0: both drawn
        e.habilidade2[5] = 0;
        e.status[5] = 0;  // its drawn characteristics must not make it the free-kick taker
        e.estrela[6] = 1;
        e.nome[7].define("Um nome de jogador muito comprido");
        e.habilidade1[8] = 13;  // lateral "Velocidade": offensive role
        e.posicao[8] = 1;
        e.habilidade1[9] = 4;  // the first starter with "Armação" takes free kicks (none has 9 here)
        for (int k = 0; k < 16; ++k)
            if (e.habilidade1[k] == 9) e.habilidade1[k] = 7;
    });
    Jogo j = prepara(b, ligas({kArgentina}));
    ASSERT_EQ(j.erro, "");
    const ResultadoCarga r = carregamundo(j.m, j.p);
    ASSERT_TRUE(r.ok()) << r.erro;
    Mundo& m = j.m;
    const int c = 21;  // clubs are appended in listing order
    ASSERT_EQ(m.times[c].nome.utf8(), "Teste");
    const auto el = elenco(m, c);
    ASSERT_EQ(el.size(), 16u);
    EXPECT_EQ(m.jogadores[el[0]].habilidade1, 0);
    EXPECT_EQ(m.jogadores[el[0]].habilidade2, 0);
    for (int h : {m.jogadores[el[5]].habilidade1, m.jogadores[el[5]].habilidade2}) {
        EXPECT_GE(h, 4);
        EXPECT_LE(h, 11);
    }
    EXPECT_EQ(m.jogadores[el[7]].nome.tamanho(), 20);
    EXPECT_EQ(m.jogadores[el[8]].funcao, 1);
    EXPECT_EQ(m.times[c].capitao, el[0]);
    EXPECT_EQ(m.times[c].cobradorfaltas, el[9]);

    const TTime& t = m.times[c];
    const int base = 20 * (t.divisao == 1) + 15 * (t.divisao == 2) + t.nivel;
    int64_t folha = 0;
    int porposicao[5] = {};
    for (int idx : el) {
        const TJogador& p = m.jogadores[idx];
        const int extra = (p.escalacao == 1 ? 7 : 0) + (p.estrela ? 7 : 0);
        EXPECT_GE(p.forca, base + extra);
        EXPECT_LE(p.forca, base + extra + 5);
        EXPECT_EQ(p.passe, calculapasse(m, idx));
        EXPECT_EQ(p.salario, calculasalario(m, idx));
        EXPECT_EQ(p.energia, 100);
        EXPECT_EQ(p.moral, 3);
        EXPECT_GE(p.historico, 1);
        EXPECT_EQ(m.historicos[p.historico].clubes[0][0], c);
        EXPECT_EQ(m.historicos[p.historico].clubes[0][1], -1);
        EXPECT_EQ(m.historicos[p.historico].clubes[1][0], -1);
        folha += p.salario;
        ++porposicao[p.posicao];
    }
    EXPECT_EQ(m.financas[c].salariosemanal, folha);
    EXPECT_EQ(t.numjogadores, 16);
    for (int pos = 0; pos < 5; ++pos) EXPECT_EQ(t.numporposicao[pos], porposicao[pos]);
    EXPECT_EQ(m.jogadores[0].time, -1);
    EXPECT_EQ(static_cast<int>(m.historicos.size()), static_cast<int>(m.jogadores.size()));
}

TEST(Carga, ValorESalarioDosExemplos) {
    Mundo m;
    TTime t{};
    t.pais = kItalia;
    t.nivel = 22;
    t.dinheiro = 15'000'000;
    m.times.push_back(t);
    TJogador j{};
    j.time = 0;
    j.idade = 30;
    j.forca = 50;
    m.jogadores = {TJogador{}, j};
    EXPECT_EQ(calculapasse(m, 1), 7'800'000);
    EXPECT_EQ(calculasalario(m, 1), 50 * 1250);
    m.jogadores[1].idade = 40;  // 750 - 1200 falls to 100 before the strength factor
    EXPECT_EQ(calculapasse(m, 1), 100 * 100 * 100);
    EXPECT_EQ(calculasalario(m, 1), 50 * 1250 - 8 * 500);
    m.jogadores[1].estrela = 1;
    m.jogadores[1].idade = 25;
    m.times[0].pais = kMexico;  // South America for clubs: base 366, star +60 %
    EXPECT_EQ(calculapasse(m, 1), (586 + 7 * 20) * 100 * 100);
    m.jogadores[1].forca = 10;
    m.jogadores[1].idade = 60;
    EXPECT_EQ(calculasalario(m, 1), 500);
}

TEST(Carga, ClubesExtrasCotasBrasilPuladoQuandoJogadoENivelZero) {
    BaseTeste b;
    b.clubes(kBrasil, 22);
    b.clubes(kArgentina, 22);
    b.clubes(kItalia, 12, 25);
    b.clubes(kUruguai, 3);
    b.clube(kUruguai, 0, "Nível zero");
    b.clube(kItalia, 25, "Sem jogadores", [](TArquivoClube& c) { c.cabecalho.valido = 0; });

    Jogo j = prepara(b, ligas({kBrasil}));
    ASSERT_EQ(j.erro, "");
    ASSERT_TRUE(carregamundo(j.m, j.p).ok());
    const Mundo& m = j.m;
    EXPECT_EQ(m.estado.numclubesliga, 22);
    EXPECT_EQ(m.estado.numclubesextras, 12 + 10 + 4);
    std::map<int, int> porpais;
    for (int c = 22; c < static_cast<int>(m.times.size()); ++c) {
        ++porpais[m.times[c].pais];
        EXPECT_GT(m.times[c].numjogadores, 0);
    }
    EXPECT_EQ(porpais[kBrasil], 0);
    EXPECT_EQ(porpais[kArgentina], 12);
    EXPECT_EQ(porpais[kItalia], 10);
    // Extras come in list order (Argentina before Uruguai before Itália), best first.
    EXPECT_EQ(m.times[22].pais, kArgentina);
    EXPECT_EQ(m.times[34].pais, kUruguai);
    EXPECT_EQ(m.times[38].pais, kItalia);
    EXPECT_EQ(m.times[38].nivel, 25);
    const TTime& zero = m.times[37];
    ASSERT_EQ(zero.nome.utf8(), "Nível zero");
    EXPECT_EQ(zero.divisao, 0);
    EXPECT_EQ(zero.dinheiro, 700'000);
    EXPECT_EQ(zero.capacidade[1], 5000);
    EXPECT_EQ(zero.precoingresso[3], 25);
    EXPECT_EQ(m.times[22].divisao, 1);  // level 20 outside the leagues counts as division 1
    EXPECT_EQ(m.times[22].dinheiro, 12'000'000);
    EXPECT_EQ(m.ligas[0].numclubes, 22);
    EXPECT_EQ(m.precospadrao[4][0], 3);

    // Argentina played: Brasil gives its 14 best.
    Jogo a = prepara(b, ligas({kArgentina}));
    ASSERT_TRUE(carregamundo(a.m, a.p).ok());
    int brasileiros = 0;
    for (int c = a.m.estado.numclubesliga; c < static_cast<int>(a.m.times.size()); ++c)
        brasileiros += a.m.times[c].pais == kBrasil;
    EXPECT_EQ(brasileiros, 14);
    EXPECT_EQ(a.m.times[a.m.estado.numclubesliga].pais, kBrasil);
}

TEST(Carga, CampeonatoPersonalizado) {
    BaseTeste b;
    b.clubes(kArgentina, 30);
    b.clubes(kUruguai, 11);
    b.clubes(kItalia, 5);
    EscolhasJogo e = ligas({kArgentina, kUruguai});
    e.personalizado = true;
    Jogo poucos = prepara(b, e);
    EXPECT_NE(poucos.erro, "");  // 41 clubs

    e.paises = {kArgentina, kUruguai, kItalia};
    Jogo j = prepara(b, e);
    ASSERT_EQ(j.erro, "");
    ASSERT_TRUE(carregamundo(j.m, j.p).ok());
    const Mundo& m = j.m;
    EXPECT_EQ(m.estado.paisprincipal, kPersonalizado);
    EXPECT_EQ(m.estado.nomecopa.utf8(), "Copa Internacional");
    EXPECT_EQ(m.estado.nomeliga.utf8(), "Campeonato Internacional");
    EXPECT_EQ(m.estado.ckcopamundo + m.estado.ckinter + m.estado.ckestadual, 0);
    ASSERT_EQ(m.ligas.size(), 1u);
    EXPECT_EQ(m.ligas[0].pais, kPersonalizado);
    EXPECT_EQ(m.ligas[0].numdivisoes, 4);
    EXPECT_EQ(m.ligas[0].numclubes, 46);
    EXPECT_EQ(m.estado.numclubesextras, 0);
    ASSERT_EQ(m.times.size(), 46u);
    for (const TTime& t : m.times) EXPECT_EQ(t.pais, kPersonalizado);
    EXPECT_TRUE(m.selecoes.empty());
}

TEST(Carga, TecnicosHumanosEComputador) {
    BaseTeste b;
    b.clubes(kArgentina, 22);
    Jogo j = prepara(b, ligas({kArgentina}));
    ASSERT_EQ(j.erro, "");
    j.m.estado.numtecnicoshumanos = 2;
    j.m.estado.timedotecnico[0] = 5;
    j.m.estado.timedotecnico[1] = 3;
    j.p.nomestecnicos[0] = "Ana Técnica";
    j.p.nomestecnicos[1] = "Beto";
    ASSERT_TRUE(carregamundo(j.m, j.p).ok());
    const Mundo& m = j.m;
    ASSERT_EQ(m.tecnicos.size(), 22u + 6u);
    EXPECT_EQ(m.estado.timeshumanos[0], 3);  // club-table order
    EXPECT_EQ(m.estado.timeshumanos[1], 5);
    EXPECT_EQ(m.estado.timeshumanos[2], -1);
    EXPECT_EQ(m.tecnicos[5].nome.utf8(), "Ana Técnica");
    EXPECT_TRUE(m.tecnicos[5].humano);
    EXPECT_EQ(m.tecnicos[3].nome.utf8(), "Beto");
    // The clubs' own coaches step aside into the spare entries, free to be hired.
    EXPECT_EQ(m.tecnicos[22].nome.utf8(), "Técnico " + m.times[3].nome.utf8());
    EXPECT_EQ(m.tecnicos[23].nome.utf8(), "Técnico " + m.times[5].nome.utf8());
    EXPECT_EQ(m.tecnicos[22].time, -1);
    EXPECT_EQ(m.tecnicos[22].empregado, 0);
    EXPECT_EQ(m.tecnicos[22].divisao, m.times[3].divisao);
    EXPECT_EQ(m.tecnicos[22].clubes[0][0], -1);
    EXPECT_EQ(m.tecnicos[24].nome.tamanho(), 0);
    EXPECT_EQ(m.tecnicos[24].time, -1);
    for (int c = 0; c < 22; ++c) {
        EXPECT_EQ(m.times[c].tecnico, c);
        EXPECT_EQ(m.tecnicos[c].time, c);
        EXPECT_EQ(m.tecnicos[c].empregado, 1);
        EXPECT_EQ(m.tecnicos[c].clubes[0][0], c);
        EXPECT_EQ(m.tecnicos[c].clubes[0][1], -1);
        EXPECT_EQ(m.tecnicos[c].clubes[1][0], -1);
        EXPECT_EQ(m.times[c].humano, c == 3 || c == 5);
        // Human clubs keep their whole squad; computer clubs with a surplus list some players.
        int avenda = 0;
        for (int p : elenco(m, c)) {
            avenda += m.jogadores[p].avenda;
            if (m.jogadores[p].avenda) {
                EXPECT_EQ(m.jogadores[p].escalacao, 0);
                EXPECT_EQ(m.jogadores[p].precovenda, m.jogadores[p].passe);
            }
        }
        if (m.times[c].humano) {
            EXPECT_EQ(avenda, 0);
        } else {
            EXPECT_GE(avenda, 1);
        }
    }
}

TEST(Carga, ArquivoQueSomeDepoisDaEscolhaNaoDeixaDivisaoVazia) {
    BaseTeste b;
    b.clubes(kArgentina, 23);
    Jogo j = prepara(b, ligas({kArgentina}, 2));
    ASSERT_EQ(j.erro, "");
    const int perdido = j.m.ligas[0].times[0][4];
    const std::string nome = j.m.times[perdido].nome.utf8();
    std::filesystem::remove(b.arquivo(j.p.arquivos[perdido]));
    const ResultadoCarga r = carregamundo(j.m, j.p);
    ASSERT_TRUE(r.ok()) << r.erro;
    ASSERT_EQ(r.avisos.size(), 1u);
    EXPECT_NE(r.avisos[0].find(nome), std::string::npos);
    const Mundo& m = j.m;
    EXPECT_EQ(m.estado.numclubesliga, 22);
    EXPECT_EQ(divisao(m.ligas[0], 1).size(), 20u);
    for (int c : divisao(m.ligas[0], 1)) {
        EXPECT_NE(m.times[c].nome.utf8(), nome);
        EXPECT_GT(m.times[c].numjogadores, 0);
        EXPECT_EQ(m.times[c].divisao, 1);
    }
    EXPECT_EQ(j.p.arquivos.size(), m.times.size());

    // With three clubs more gone the only division would be short: the load is refused and the
    // world stays as the set-up left it.
    Jogo k = prepara(b, ligas({kArgentina}, 2));
    for (int c = 0; c < 4; ++c) std::filesystem::remove(b.arquivo(k.p.arquivos[c]));  // 19 left
    const size_t antes = k.m.times.size();
    const ResultadoCarga r2 = carregamundo(k.m, k.p);
    EXPECT_FALSE(r2.ok());
    EXPECT_EQ(k.m.times.size(), antes);
    EXPECT_TRUE(k.m.jogadores.empty());
}

TEST(Carga, ArquivoDoTimeHumanoQueSomeRecusaACarga) {
    BaseTeste b;
    b.clubes(kArgentina, 22);
    Jogo j = prepara(b, ligas({kArgentina}));
    j.m.estado.numtecnicoshumanos = 1;
    j.m.estado.timedotecnico[0] = 2;
    const std::string nome = j.m.times[2].nome.utf8();
    std::filesystem::remove(b.arquivo(j.p.arquivos[2]));
    const ResultadoCarga r = carregamundo(j.m, j.p);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.erro.find(nome), std::string::npos);
    EXPECT_TRUE(j.m.jogadores.empty());
    EXPECT_EQ(j.m.estado.timedotecnico[0], 2);
}

TEST(Carga, SelecoesEConfederacoes) {
    BaseTeste b;
    b.clubes(kArgentina, 22);
    const int n = b.selecoesdostorneios();
    Jogo j = prepara(b, ligas({kArgentina}));
    j.m.estado.edicoes[1] = 5;
    ASSERT_TRUE(carregamundo(j.m, j.p).ok());
    ASSERT_EQ(static_cast<int>(j.m.selecoes.size()), n);
    EXPECT_EQ(j.m.estado.edicoes[1], 0);
    std::map<int, int> conf;
    for (const TSelecao& s : j.m.selecoes) conf[s.pais] = s.confederacao;
    EXPECT_EQ(conf[kMexico], 4);
    EXPECT_EQ(conf[kBrasil], 1);
    EXPECT_EQ(conf[kItalia], 0);
    EXPECT_EQ(j.m.estado.ckcopamundo, 1);
    EXPECT_EQ(j.m.estado.ckeurocopa, 1);
    EXPECT_EQ(j.m.estado.ckcopaamerica, 1);
    EXPECT_TRUE(j.p.avisos.empty());

    // A damaged file and a misnamed one (Brasil's team under Chile's number) are left out, each
    // with a warning naming it; the game goes on with the others.
    {
        std::ofstream f(b.raiz / "teams" / "selecoes" / "50.s05", std::ios::binary);
        f << "curto";
    }
    const auto pasta = b.raiz / "teams" / "selecoes";
    std::filesystem::rename(pasta / "42.s05", pasta / "guardado");
    std::filesystem::copy_file(pasta / "29.s05", pasta / "42.s05");
    Jogo k = prepara(b, ligas({kArgentina}));
    ASSERT_EQ(k.erro, "");
    ASSERT_EQ(k.p.avisos.size(), 2u);
    EXPECT_NE(k.p.avisos[0].find("teams/selecoes/42.s05"), std::string::npos) << k.p.avisos[0];
    EXPECT_NE(k.p.avisos[1].find("teams/selecoes/50.s05"), std::string::npos) << k.p.avisos[1];
    // Chile is missing now: the Copa América is switched off, the others stay.
    EXPECT_EQ(k.m.estado.ckcopaamerica, 0);
    EXPECT_EQ(k.m.estado.ckeurocopa, 1);
    EXPECT_EQ(k.m.estado.ckcopamundo, 1);
    ASSERT_TRUE(carregamundo(k.m, k.p).ok());
    EXPECT_EQ(static_cast<int>(k.m.selecoes.size()), n - 1);

    // With every tournament off the national teams are not loaded, and their lack is no news.
    EscolhasJogo sem = ligas({kArgentina});
    sem.copamundo = sem.eurocopa = sem.copaamerica = false;
    std::vector<std::string> avisos;
    Jogo s;
    lerresumos(s.p, b.raiz);
    ASSERT_EQ(preparaligas(s.m, s.p, sem, &avisos), "");
    EXPECT_TRUE(avisos.empty());
    ASSERT_TRUE(carregamundo(s.m, s.p).ok());
    EXPECT_TRUE(s.m.selecoes.empty());
}

TEST(Carga, ProgressoChegaA20E30EmOrdem) {
    BaseTeste b;
    b.clubes(kArgentina, 22);
    Jogo j = prepara(b, ligas({kArgentina}));
    std::vector<int> valores;
    ASSERT_TRUE(carregamundo(j.m, j.p, [&](int v) { valores.push_back(v); }).ok());
    ASSERT_FALSE(valores.empty());
    EXPECT_TRUE(std::is_sorted(valores.begin(), valores.end()));
    EXPECT_GE(valores.front(), 10);
    EXPECT_EQ(valores.back(), 30);
    EXPECT_NE(std::find(valores.begin(), valores.end(), 20), valores.end());
}
