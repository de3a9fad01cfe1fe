// The national-team tournaments: draws, copies, group stage, knock-out, the edition's records,
// invitations, a human national team, and the removal of the copies at the season's turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../apoio/mundopequeno.h"
#include "../apoio/pastatemporaria.h"
#include "../apoio/selecoes.h"
#include "competitions/calendario.h"
#include "competitions/selecoestorneios.h"
#include "competitions/sorteiotorneio.h"
#include "competitions/temporada.h"
#include "competitions/torneio.h"
#include "database/arquivos.h"
#include "database/gerador.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "newgame/novojogo.h"
#include "newgame/salvamento.h"
#include "season/convitesselecao.h"

using namespace tarvello;

namespace {

Mundo mundocomselecoes(int temporada) {
    Mundo m;
    m.estado.temporada = temporada;
    m.estado.sistemadisputa = 4;
    m.jogadores.emplace_back();
    m.jogadores[0].time = -1;
    teste::todasasselecoes(m);
    return m;
}

std::vector<int> membros(const Mundo& m, int g) {
    std::vector<int> v;
    for (int t : m.estado.torneio.grupos[g]) v.push_back(t);
    return v;
}

// A game of the sample world with every tournament on; `humanos` human coaches.
struct JogoComTorneios {
    std::filesystem::path pasta;
    NovoJogo jogo;
    explicit JogoComTorneios(const char* nome, int humanos = 0)
        : pasta(teste::pastatemporaria(nome)), jogo(prepara(pasta), pasta / "nenhum.ini", 7) {
        jogo.lerbase();
        EscolhasJogo e;
        e.paises = {11, 29};
        e.sistemadisputa = 4;
        e.numtecnicoshumanos = humanos;
        EXPECT_EQ(jogo.configura(e), "");
        for (int k = 1; k <= humanos; ++k) EXPECT_EQ(jogo.escolhetime(k, k - 1, "Humano " + std::to_string(k)), "");
        EXPECT_EQ(jogo.inicializa(), "");
        jogo.primeiratela();
    }
    static std::filesystem::path prepara(const std::filesystem::path& p) {
        TMundoGerado g = geramundo(1);
        EXPECT_EQ(gravamundo(p, g), "");
        return p;
    }
};

// Plays the rest of the season without screens.
void jogatemporada(Mundo& m) {
    InteracaoComputador ia;
    do jogadatasemtela(m, ia);
    while (continuar(m, ia) != ProximaEtapa::FimTemporada);
}

}  // namespace

TEST(SorteioTorneio, ForcaBaseSobeNaTerceiraTemporada) {
    EXPECT_EQ(forcabaseselecao(1, 1), 7);
    EXPECT_EQ(forcabaseselecao(10, 2), 12);
    EXPECT_EQ(forcabaseselecao(11, 1), 15);
    EXPECT_EQ(forcabaseselecao(25, 2), 70);
    EXPECT_EQ(forcabaseselecao(5, 3), 12);
    EXPECT_EQ(forcabaseselecao(12, 3), 25);
    EXPECT_EQ(forcabaseselecao(25, 7), 90);
}

TEST(SorteioTorneio, CopiaGeraElencoComForcaDoNivel) {
    Mundo m = mundocomselecoes(1);
    const int s = selecaodopais(m, 29);
    m.selecoes[static_cast<size_t>(s)].nivel = 25;
    const int t = copiaselecao(m, s);
    const TTime& c = m.times[static_cast<size_t>(t)];
    EXPECT_EQ(c.nome.utf8(), "Brasil");
    EXPECT_EQ(c.estado, s);
    EXPECT_EQ(c.notorneio, 1);
    EXPECT_EQ(c.tecnico, -1);
    EXPECT_EQ(c.numjogadores, 22);
    EXPECT_EQ(m.financas.size(), m.times.size());
    for (int j : elenco(m, t)) {
        const TJogador& p = m.jogadores[static_cast<size_t>(j)];
        const int minimo = 70 + (p.escalacao == 1 ? 3 : 0) + (p.estrela ? 5 : 0);
        EXPECT_GE(p.forca, minimo);
        EXPECT_LE(p.forca, minimo + 5);
        EXPECT_EQ(p.pais, 29);
        EXPECT_EQ(p.energia, 100);
        EXPECT_GT(p.contratoate, codificadata(2009, 1, 1));  // no contract ends during the tournament
    }
    EXPECT_GT(c.capitao, 0);
}

TEST(SorteioTorneio, EurocopaGruposDosPotes) {
    Mundo m = mundocomselecoes(1);
    m.estado.ckeurocopa = 1;
    ASSERT_EQ(sorteiatorneiodatemporada(m), kEurocopa);
    EXPECT_EQ(m.estado.numselecoestorneio, 16);
    EXPECT_EQ(m.estado.numclubesantes, 0);
    EXPECT_EQ(m.estado.fasetorneio, 1);
    auto pote = [&](int t) {
        const int pais = m.times[static_cast<size_t>(t)].pais;
        const auto i = std::find(kPaisesEurocopa.begin(), kPaisesEurocopa.end(), pais) - kPaisesEurocopa.begin();
        return static_cast<int>(i) / 8 + 1;
    };
    // Groups A and B: two teams of pot 1, two of pot 2; C and D: two of pot 1, one of 2, one of 3.
    const int esperado[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {1, 1, 2, 3}, {1, 1, 2, 3}};
    for (int g = 0; g < 4; ++g)
        for (int s = 0; s < 4; ++s) {
            const int t = m.estado.torneio.grupos[g][s];
            EXPECT_EQ(pote(t), esperado[g][s]);
            EXPECT_EQ(m.times[static_cast<size_t>(t)].grupotorneio, g + 1);
            EXPECT_EQ(m.times[static_cast<size_t>(t)].vagagruposelecao, s + 1);
        }
    EXPECT_EQ(m.estado.torneio.grupos[4][0], -1);
    // Pots by level, strongest first, two full pots of eight.
    for (int p = 0; p < 2; ++p)
        for (int k = 0; k < 8; ++k) EXPECT_GE(m.estado.potesforca[p][k], 0);
    EXPECT_GE(m.times[static_cast<size_t>(m.estado.potesforca[0][7])].nivel,
              m.times[static_cast<size_t>(m.estado.potesforca[1][0])].nivel);
    EXPECT_EQ(m.estado.potesforca[2][0], -1);
    EXPECT_EQ(m.estado.sede, 1);
}

TEST(SorteioTorneio, CopaAmericaUmDosCincoDesenhosEPotesCurtos) {
    Mundo m = mundocomselecoes(4);
    m.estado.ckcopaamerica = 1;
    m.estado.edicoes[1] = 9;
    ASSERT_EQ(sorteiatorneiodatemporada(m), kCopaAmerica);
    EXPECT_EQ(m.estado.numselecoestorneio, 12);
    EXPECT_EQ(m.estado.sede, 3);  // edition counter 9 reduced to 1..7
    bool achou = false;
    for (const auto& desenho : kGruposCopaAmerica) {
        bool igual = true;
        for (int g = 0; g < 3; ++g)
            for (int s = 0; s < 4; ++s)
                igual = igual && m.times[static_cast<size_t>(m.estado.torneio.grupos[g][s])].pais ==
                                     desenho[static_cast<size_t>(g)][static_cast<size_t>(s)];
        achou = achou || igual;
    }
    EXPECT_TRUE(achou);
    int nopote2 = 0;
    for (int t : m.estado.potesforca[1]) nopote2 += t >= 0;
    EXPECT_EQ(nopote2, 4);
    EXPECT_EQ(m.estado.potesforca[2][0], -1);
}

TEST(SorteioTorneio, CopaDoMundoCotasSedeECabecas) {
    for (int semente = 1; semente <= 6; ++semente) {
        Mundo m = mundocomselecoes(3);
        m.aleatorio = Aleatorio(static_cast<uint64_t>(semente));
        m.estado.ckcopamundo = 1;
        ASSERT_EQ(sorteiatorneiodatemporada(m), kCopaMundo);
        EXPECT_EQ(m.estado.numselecoestorneio, 32);
        EXPECT_EQ(m.estado.sede, 1);  // edition 0: Africa do Sul
        std::set<int> paises;
        int porconf[6] = {};
        bool sedecabeca = false;
        for (int g = 0; g < 8; ++g) {
            const std::vector<int> v = membros(m, g);
            for (int t : v) {
                paises.insert(m.times[static_cast<size_t>(t)].pais);
                ++porconf[confederacao(m.times[static_cast<size_t>(t)].pais, true)];
            }
            sedecabeca = sedecabeca || m.times[static_cast<size_t>(v[0])].pais == 1;
        }
        EXPECT_EQ(paises.size(), 32u);
        EXPECT_TRUE(sedecabeca);
        EXPECT_EQ(porconf[0], 13);
        EXPECT_EQ(porconf[1] + porconf[5], 5);  // South America 4 and Oceania 1, or 5 and 0
        EXPECT_EQ(porconf[4], 3);
        EXPECT_EQ(porconf[3], 5);
    }
}

TEST(SorteioTorneio, SemSelecoesSuficientesCopaDesligada) {
    Mundo m = mundocomselecoes(3);
    m.selecoes.resize(40);
    m.estado.ckcopamundo = 1;
    EXPECT_EQ(sorteiatorneiodatemporada(m), 0);
    EXPECT_EQ(m.estado.ckcopamundo, 0);
    EXPECT_TRUE(m.times.empty());

    Mundo e = mundocomselecoes(1);
    e.selecoes.erase(e.selecoes.begin() + selecaodopais(e, 97));  // no England
    e.estado.ckeurocopa = 1;
    EXPECT_EQ(sorteiatorneiodatemporada(e), 0);
    EXPECT_EQ(e.estado.ckeurocopa, 0);
}

// The Eurocopa of the first season, drawn at the world's creation, played to its final; the
// copies go at the turn of the season without leaving an index behind.
TEST(Torneio, EurocopaDaPrimeiraTemporadaAteOFimERemocao) {
    JogoComTorneios j("torneio_euro");
    Mundo& m = j.jogo.mundo();
    ASSERT_EQ(torneiodatemporada(m), kEurocopa);
    const int clubes = m.estado.numclubesantes, jogadores = m.estado.numjogadoresantes;
    EXPECT_EQ(static_cast<int>(m.times.size()), clubes + 16);
    int grupos = 0;
    for (const TPartida& p : m.partidas) grupos += p.competicao == kEurocopa;
    EXPECT_EQ(grupos, 24);

    jogatemporada(m);
    EXPECT_EQ(m.estado.fasetorneio, 7);
    EXPECT_EQ(m.estado.edicoes[2], 1);
    const THistoricoTorneio& h = m.estado.historicotorneios[2];
    EXPECT_TRUE(paisvalido(h.campeao[0]));
    EXPECT_NE(h.campeao[0], h.vice[0]);
    EXPECT_FALSE(h.tecnico[0].vazio());
    // The top scorer is kept by name: his team and he himself are gone after the season.
    EXPECT_FALSE(h.artilheiro[0].vazio());
    EXPECT_GT(h.golsartilheiro[0], 0);
    EXPECT_TRUE(paisvalido(h.paisartilheiro[0]));
    int jogados = 0, knockout = 0;
    for (const TPartida& p : m.partidas)
        if (p.competicao == kEurocopa) {
            ++jogados;
            EXPECT_TRUE(p.jogado);
            if (p.chave > 0) {
                ++knockout;
                // A single knock-out match always has a winner.
                EXPECT_TRUE(p.golsmandante != p.golsvisitante || p.penaltismandante != p.penaltisvisitante);
            }
        }
    EXPECT_EQ(jogados, 24 + 8);
    EXPECT_EQ(knockout, 8);
    for (int k = 1; k <= 8; ++k) EXPECT_GE(m.chavestorneio[static_cast<size_t>(k - 1)].vencedor, 0);
    int dentro = 0;
    for (int t = clubes; t < static_cast<int>(m.times.size()); ++t) dentro += m.times[static_cast<size_t>(t)].notorneio;
    EXPECT_EQ(dentro, 2);  // only the finalists: semi-final losers went out before the last date

    proximatemporada(m);
    EXPECT_EQ(static_cast<int>(m.times.size()), clubes);
    EXPECT_EQ(static_cast<int>(m.jogadores.size()), jogadores);
    EXPECT_EQ(torneiodatemporada(m), 0);
    for (const TMensagem& x : m.mensagens) EXPECT_LT(x.time, clubes);
    for (const TTecnico& t : m.tecnicos) EXPECT_LT(t.time, clubes);
    for (const THistoricoArtilheiro& a : m.historicoartilheiros) EXPECT_LT(a.time, clubes);
    for (size_t i = 1; i < m.jogadores.size(); ++i) EXPECT_LT(m.jogadores[i].time, clubes);
}

// A human coach invited to the Eurocopa runs a national team from its first match to the end;
// called-up players go back to their clubs after the final.
TEST(Torneio, ConviteEHumanoNaSelecaoAteOFim) {
    JogoComTorneios j("torneio_humano", 1);
    Mundo& m = j.jogo.mundo();
    InteracaoComputador ia;
    TConviteSelecao convite;
    int slotconvite = -1;
    do {
        if (m.estado.competicaoatual == kLiga && m.estado.rodadaliga == 6) {
            convite = conviteselecao(m, 0);
            break;
        }
        jogadatasemtela(m, ia);
    } while (continuar(m, ia) != ProximaEtapa::FimTemporada);
    ASSERT_EQ(convite.competicao, kEurocopa);
    EXPECT_EQ(convite.selecoes.size(), 8u);
    const int clube = m.estado.timedotecnico[0];
    const int tec = m.times[static_cast<size_t>(clube)].tecnico;
    const int selecao = convite.selecoes[0];
    EXPECT_FALSE(aceitaconvite(m, 0, m.estado.potesforca[3][0] >= 0 ? m.estado.potesforca[3][0] : clube));
    ASSERT_TRUE(aceitaconvite(m, 0, selecao));
    slotconvite = 0;
    EXPECT_EQ(m.estado.selecaohumana[slotconvite], selecao);
    EXPECT_EQ(m.times[static_cast<size_t>(selecao)].tecnico, tec);
    EXPECT_TRUE(m.tecnicos[static_cast<size_t>(tec)].convidadoselecao);
    EXPECT_EQ(conviteselecao(m, 0).competicao, 0);  // one invitation a year

    // Call up two players of the coach's own club in place of the generated squad.
    std::vector<int> chamados;
    for (int jj : elenco(m, clube))
        if (chamados.size() < 2) chamados.push_back(jj);
    // (The screen's search and "Continuar >>" go through the same operation.)
    ASSERT_EQ(convocajogadores(m, selecao, chamados), "");
    EXPECT_EQ(m.jogadores[static_cast<size_t>(chamados[0])].time, selecao);
    EXPECT_EQ(m.convocacoes.size(), 2u);

    bool jogou = false, salvou = false;
    int ultimojogo = 0;
    do {
        if (m.estado.competicaoatual == kEurocopa && !salvou) {
            // A game saved during the tournament loads again, copies and call-ups included, and
            // names the national team in its preview.
            salvou = true;
            ASSERT_EQ(salvajogo(m, j.pasta / "meio.s08"), "");
            EXPECT_EQ(m.estado.nometimesalvo.utf8().rfind(m.times[static_cast<size_t>(selecao)].nome.utf8(), 0), 0u);
            const JogoCarregado c = carregajogo(j.pasta / "meio.s08", 3);
            ASSERT_EQ(c.erro, "") << c.motivo;
            EXPECT_EQ(c.mundo->times.size(), m.times.size());
            EXPECT_EQ(c.mundo->convocacoes.size(), 2u);
            EXPECT_EQ(c.mundo->estado.selecaohumana[0], selecao);
        }
        if (m.estado.competicaoatual == kEurocopa) {
            const bool joga = selecaojogahoje(m, selecao);
            EXPECT_EQ(humanojoga(m), joga);
            const std::vector<int> vez = tecnicosdodia(m);
            EXPECT_EQ(!vez.empty(), joga);
            if (joga) {
                const TProximoAdversario p = proximoadversario(m, selecao);
                EXPECT_GE(p.adversario, 0);
                EXPECT_EQ(p.rodada, m.estado.fasetorneio);
                jogou = true;
                ultimojogo = m.estado.fasetorneio;
            }
        }
        jogadatasemtela(m, ia);
    } while (continuar(m, ia) != ProximaEtapa::FimTemporada);
    EXPECT_TRUE(jogou);
    EXPECT_GE(ultimojogo, 3);
    EXPECT_EQ(m.estado.torneio.encerrado, 2);
    // After the final the called-up players are home and nobody runs a national team.
    EXPECT_TRUE(m.convocacoes.empty());
    EXPECT_EQ(m.jogadores[static_cast<size_t>(chamados[0])].time, clube);
    EXPECT_EQ(m.estado.selecaohumana[0], -1);
    EXPECT_EQ(m.times[static_cast<size_t>(selecao)].humano, 0);
    EXPECT_FALSE(m.tecnicos[static_cast<size_t>(tec)].convidadoselecao);
}

TEST(Torneio, ConvocacaoRespeitaLimites) {
    Mundo m = mundocomselecoes(1);
    for (int c = 0; c < 2; ++c) {
        TTime t{};
        t.nome.define("Clube");
        m.times.push_back(t);
        m.financas.emplace_back();
        for (int k = 0; k < 25; ++k) {
            TJogador j{};
            j.nome.define("J");
            j.time = c;
            j.posicaooriginal = j.posicao = k < 5 ? 0 : 3;
            m.jogadores.push_back(j);
        }
    }
    m.estado.ckeurocopa = 1;
    ASSERT_EQ(sorteiatorneiodatemporada(m), kEurocopa);
    const int sel = m.estado.torneio.grupos[0][0];
    std::vector<int> goleiros = {1, 2, 3, 4};
    EXPECT_NE(convocajogadores(m, sel, goleiros), "");
    std::vector<int> linha;
    for (int j = 6; j <= 25; ++j) linha.push_back(j);  // 21 outfield players
    linha.push_back(31);
    EXPECT_NE(convocajogadores(m, sel, linha), "");
    EXPECT_NE(convocajogadores(m, sel, {}), "");
    const int copia = elenco(m, sel)[0];
    EXPECT_NE(convocajogadores(m, sel, {copia}), "");  // his own generated players are no call-up
    EXPECT_TRUE(m.convocacoes.empty());
    EXPECT_EQ(convocajogadores(m, sel, {1, 2, 3, 6, 7}), "");
    EXPECT_EQ(elenco(m, sel).size(), 5u);
    EXPECT_EQ(m.jogadores[static_cast<size_t>(copia)].time, -1);
    removecopiastorneio(m);
    EXPECT_EQ(m.times.size(), 2u);
    EXPECT_EQ(m.jogadores[1].time, 0);
    EXPECT_EQ(m.jogadores[7].time, 0);
}

// The world cup's invitations: the rumours in round 5, the pot by the club's standing, and
// nothing outside the invitation rounds.
TEST(Torneio, ConvitesDaCopaDoMundoEBoatos) {
    Mundo m = teste::mundoliga(4, 1);
    teste::todasasselecoes(m);
    m.estado.temporada = 3;
    m.estado.ckcopamundo = 1;
    m.times[0].humano = 1;
    m.tecnicos[0].humano = 1;
    m.estado.numtecnicoshumanos = 1;
    m.estado.timedotecnico[0] = 0;
    for (int k = 1; k < kMaxHumanos; ++k) m.estado.timedotecnico[k] = -1;
    ASSERT_EQ(sorteiatorneiodatemporada(m), kCopaMundo);
    montacalendario(m);
    m.estado.dataatual = 36;
    m.estado.competicaoatual = kLiga;
    m.estado.turnoliga = 1;
    m.estado.rodadaliga = 4;
    EXPECT_EQ(convitesdoturno(m, 0).competicao, 0);
    EXPECT_TRUE(m.mensagens.empty());

    m.estado.rodadaliga = 5;
    m.times[0].colocacoes[kLiga] = 3;
    TConviteSelecao c = convitesdoturno(m, 0);
    EXPECT_EQ(c.competicao, kCopaMundo);
    EXPECT_EQ(c.pote, 1);  // first world cup: division 1 and third place
    ASSERT_EQ(m.mensagens.size(), 1u);
    EXPECT_EQ(m.mensagens[0].texto, 70);
    EXPECT_EQ(m.mensagens[0].assunto, 16);
    EXPECT_EQ(m.mensagens[0].time, 0);

    m.estado.rodadaliga = 6;
    m.times[0].colocacoes[kLiga] = 4;
    c = convitesdoturno(m, 0);
    EXPECT_EQ(c.pote, 2);  // fourth is not enough for the first world cup...
    m.estado.edicoes[0] = 1;
    EXPECT_EQ(conviteselecao(m, 0).pote, 1);  // ...but is for the later ones
    EXPECT_EQ(m.mensagens.size(), 1u);  // the rumours come once
    EXPECT_EQ(c.selecoes.size(), 8u);

    m.estado.turnoliga = 2;
    EXPECT_EQ(conviteselecao(m, 0).competicao, 0);  // only in the first half of the league
}

// A host without a national team: Europe gives fourteen and its sixth seeds the host's group;
// a short Copa América pot is offered with what it has.
TEST(SorteioTorneio, SedeSemSelecaoEPoteCurto) {
    Mundo m = mundocomselecoes(3);
    m.selecoes.erase(m.selecoes.begin() + selecaodopais(m, 1));  // no Africa do Sul
    m.estado.ckcopamundo = 1;
    ASSERT_EQ(sorteiatorneiodatemporada(m), kCopaMundo);
    int europeus = 0;
    for (int t = 0; t < 32; ++t)
        europeus += confederacao(m.times[static_cast<size_t>(m.estado.torneio.participantes[t])].pais, true) == 0;
    EXPECT_EQ(europeus, 14);

    Mundo a = teste::mundoliga(4, 1);
    teste::todasasselecoes(a);
    a.estado.temporada = 4;
    a.estado.ckcopaamerica = 1;
    a.times[0].humano = 1;
    a.estado.numtecnicoshumanos = 1;
    a.estado.timedotecnico[0] = 0;
    ASSERT_EQ(sorteiatorneiodatemporada(a), kCopaAmerica);
    montacalendario(a);
    a.estado.competicaoatual = kLiga;
    a.estado.turnoliga = 1;
    a.estado.rodadaliga = 7;
    a.times[0].divisao = 3;
    const TConviteSelecao c = conviteselecao(a, 0);
    EXPECT_EQ(c.competicao, kCopaAmerica);
    EXPECT_EQ(c.pote, 2);
    EXPECT_EQ(c.selecoes.size(), 4u);
    a.estado.numtecnicoshumanos = 5;  // more than four human coaches: always the first pot
    EXPECT_EQ(conviteselecao(a, 0).pote, 1);
}

// The final decides the edition: a level final goes to penalties (the score in the tie's text),
// the champion's country, coach and places are kept, and a human coach's title goes to his
// history with the country in place of a club.
TEST(Torneio, FinalComPenaltisETituloDoTecnicoHumano) {
    Mundo m = mundocomselecoes(1);
    m.estado.ckeurocopa = 1;
    ASSERT_EQ(sorteiatorneiodatemporada(m), kEurocopa);
    TTecnico humano{};
    humano.nome.define("Fulano");
    humano.humano = 1;
    humano.convidadoselecao = 1;
    m.tecnicos.push_back(humano);
    const int a = m.estado.torneio.grupos[0][0], b = m.estado.torneio.grupos[1][0];
    const int c = m.estado.torneio.grupos[2][0], d = m.estado.torneio.grupos[3][0];
    m.times[static_cast<size_t>(b)].tecnico = 0;
    m.times[static_cast<size_t>(b)].humano = 1;
    m.estado.fasetorneio = ultimafasetorneio(kEurocopa);
    auto jogo = [&](int chave, int x, int y, int gx, int gy) {
        TJogoChave& k = m.chavestorneio[static_cast<size_t>(chave - 1)];
        k.clube1 = x;
        k.clube2 = y;
        TPartida p{};
        p.mandante = x;
        p.visitante = y;
        p.golsmandante = gx;
        p.golsvisitante = gy;
        p.competicao = kEurocopa;
        p.chave = chave;
        p.jogado = 1;
        m.partidas.push_back(p);
    };
    jogo(7, a, b, 1, 1);
    jogo(8, c, d, 0, 0);
    InteracaoComputador ia;
    avancatorneio(m, ia, kEurocopa);
    const TJogoChave& final = m.chavestorneio[6];
    ASSERT_TRUE(final.vencedor == a || final.vencedor == b);
    const std::string texto = final.resultado.utf8();
    EXPECT_EQ(texto.rfind("1x1 (", 0), 0u) << texto;
    // Two computer teams' level match is drawn at once: decided by one kick.
    const TPartida& p = m.partidas.back();
    EXPECT_EQ(std::abs(p.penaltismandante - p.penaltisvisitante), 1);
    EXPECT_EQ(m.estado.edicoes[2], 1);
    EXPECT_EQ(m.estado.torneio.encerrado, 1);
    const THistoricoTorneio& h = m.estado.historicotorneios[2];
    const int campeao = final.vencedor, vice = campeao == a ? b : a;
    EXPECT_EQ(h.campeao[0], m.times[static_cast<size_t>(campeao)].pais);
    EXPECT_EQ(h.vice[0], m.times[static_cast<size_t>(vice)].pais);
    const int terceiro = m.chavestorneio[7].vencedor, quarto = terceiro == c ? d : c;
    EXPECT_EQ(h.terceiro[0], m.times[static_cast<size_t>(terceiro)].pais);
    EXPECT_EQ(h.quarto[0], m.times[static_cast<size_t>(quarto)].pais);
    EXPECT_FALSE(m.tecnicos[0].convidadoselecao);
    if (campeao == b) {
        EXPECT_EQ(h.tecnico[0].utf8(), "Fulano");
        ASSERT_EQ(m.historicotecnicos.size(), 1u);
        EXPECT_EQ(m.historicotecnicos[0].time, m.times[static_cast<size_t>(b)].pais);
        EXPECT_EQ(m.historicotecnicos[0].competicao, kEurocopa);
    } else {
        EXPECT_EQ(h.tecnico[0].utf8(), m.selecoes[static_cast<size_t>(m.times[static_cast<size_t>(a)].estado)].tecnico.utf8());
        EXPECT_TRUE(m.historicotecnicos.empty());
    }
}
