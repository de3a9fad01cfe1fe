// Top scorers: who is chosen, what is paid, the history, the screen lists, and the history
// keeping the right name when a slot is renewed or a tournament's players are gone.
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "records/artilheiros.h"
#include "records/galeria.h"
#include "season/renovajogador.h"

namespace tarvello {
namespace {

using teste::mundopequeno;
using teste::primeirojogador;

// Four clubs of Brazil: 0 and 1 in division 1, 2 in division 2, 3 in Argentina.
Mundo mundoartilheiros() {
    Mundo m = mundopequeno(4, 3);
    for (int t = 0; t < 4; ++t) {
        m.times[t].pais = t == 3 ? 11 : 29;
        m.times[t].divisao = t == 2 ? 2 : 1;
        m.times[t].dinheiro = 0;
    }
    return m;
}

TEST(Artilheiros, MostGoalsThenFewerMatchesWinsAndIsPaidPerCompetition) {
    Mundo m = mundoartilheiros();
    const int a = primeirojogador(m, 0), b = primeirojogador(m, 1), c = primeirojogador(m, 2);
    const int d = primeirojogador(m, 3);
    m.jogadores[a].gols[kLiga] = 10;
    m.jogadores[a].partidas[kLiga] = 12;
    m.jogadores[b].gols[kLiga] = 10;
    m.jogadores[b].partidas[kLiga] = 9;   // same goals, fewer matches: he wins
    m.jogadores[d].gols[kLiga] = 30;      // another country
    m.jogadores[c].gols[kLiga] = 5;       // another division
    EXPECT_EQ(apuraartilheiro(m, kLiga, 1, 29), b);
    EXPECT_EQ(m.times[1].dinheiro, kPremioArtilheiroLiga);
    EXPECT_EQ(m.jogadores[b].estrela, 1);
    // Division 2 pays and stars exactly like the first.
    EXPECT_EQ(apuraartilheiro(m, kLiga, 2, 29), c);
    EXPECT_EQ(m.times[2].dinheiro, kPremioArtilheiroLiga);
    EXPECT_EQ(m.jogadores[c].estrela, 1);
    ASSERT_EQ(m.historicoartilheiros.size(), 2u);
    EXPECT_EQ(artilheiro(m, 29, 1, kLiga, 2), 1);
    EXPECT_EQ(textoartilheiro(m, 0), "Jogador 1-0 (Clube 1) - 10 gols");

    // The cup pays its own prize and gives no star.
    m.jogadores[d].gols[kCopaNacional] = 4;
    m.jogadores[d].estrela = 0;
    EXPECT_EQ(apuraartilheiro(m, kCopaNacional, -1, 11), d);
    EXPECT_EQ(m.times[3].dinheiro, 1000000);
    EXPECT_EQ(m.jogadores[d].estrela, 0);
    EXPECT_EQ(m.historicoartilheiros.back().regiao, 11);
    EXPECT_EQ(m.historicoartilheiros.back().divisao, -1);

    // Nobody scored: no record, nobody paid.
    const size_t antes = m.historicoartilheiros.size();
    EXPECT_EQ(apuraartilheiro(m, kContinental1, -1, 1), -1);
    EXPECT_EQ(m.historicoartilheiros.size(), antes);
    EXPECT_EQ(artilheiro(m, 1, 1, kContinental1, -1), -1);
    EXPECT_EQ(textoartilheiro(m, -1), "");
}

TEST(Artilheiros, ScreenListsFollowTheCurrentClubAndTheCareer) {
    Mundo m = mundoartilheiros();
    m.estado.ckcopa = 1;
    m.estado.ckestadual = 1;
    m.estado.ckinter = 1;
    m.estado.sistemadisputa = 2;
    TLiga l{};
    l.pais = 29;
    l.numdivisoes = 3;
    m.ligas.push_back(l);
    auto opcoes = opcoesartilheiros(m, 29);
    std::vector<std::string> textos;
    for (const auto& o : opcoes) textos.push_back(o.texto);
    // Season 1: no continental choices yet.
    EXPECT_EQ(textos, (std::vector<std::string>{"Nacional - 1ª divisão", "Nacional - 2ª divisão",
                                                "Nacional - 3ª divisão", "Copa", "Estadual", "Melhores de Sempre"}));
    m.estado.sistemadisputa = 4;
    m.estado.temporada = 2;
    opcoes = opcoesartilheiros(m, 29);
    EXPECT_EQ(opcoes[3].texto, "Nacional - 4ª divisão");
    EXPECT_EQ(opcoes[6].texto, "Libertadores");

    // A player who moved counts for his new club; one without a club is never listed.
    const int a = primeirojogador(m, 0), b = primeirojogador(m, 3), semclube = primeirojogador(m, 1);
    m.jogadores[a].gols[kLiga] = 3;
    m.jogadores[b].gols[kLiga] = 7;
    m.jogadores[b].time = 1;
    m.jogadores[semclube].gols[kLiga] = 20;
    m.jogadores[semclube].time = -1;
    const auto linhas = listaartilheiros(m, opcoes[0], 29, -1);
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0].jogador, b);
    EXPECT_EQ(linhas[0].time, 1);
    EXPECT_EQ(linhas[1].jogador, a);

    // Best of all time reads the career record.
    m.historicos.resize(3);
    m.jogadores[a].historico = 1;
    m.historicos[1].gols[0] = 150;
    m.historicos[1].partidas[0] = 300;
    m.jogadores[b].historico = 2;
    m.historicos[2].gols[0] = 0;
    const auto sempre = listaartilheiros(m, opcoes.back(), 29, -1);
    ASSERT_EQ(sempre.size(), 1u);
    EXPECT_EQ(sempre[0].gols, 150);
    EXPECT_EQ(sempre[0].jogos, 300);
}

TEST(Artilheiros, HistoryKeepsNamingThePlayerAfterHisSlotIsRenewed) {
    Mundo m = mundoartilheiros();
    m.campeoesestaduais.assign(2, TCampeoesEstaduais{});
    const int a = primeirojogador(m, 0);
    m.jogadores[a].gols[kLiga] = 9;
    ASSERT_EQ(apuraartilheiro(m, kLiga, 1, 29), a);
    m.campeoesestaduais[1].artilheiro[25][0] = a;
    const size_t jogadores = m.jogadores.size();
    renovajogador(m, a, std::string("Novato Juvenil"));
    // The youngster took the slot; the history names the old player, kept outside every club.
    EXPECT_EQ(m.jogadores[a].nome.utf8(), "Novato Juvenil");
    EXPECT_EQ(m.jogadores[a].time, 0);
    ASSERT_EQ(m.jogadores.size(), jogadores + 1);
    EXPECT_EQ(nomeartilheiro(m, 0), "Jogador 0-0");
    EXPECT_EQ(m.jogadores.back().time, -1);
    EXPECT_EQ(m.campeoesestaduais[1].artilheiro[25][0], static_cast<int>(jogadores));
    // A slot no history names is renewed in place without growing the table.
    renovajogador(m, primeirojogador(m, 1), std::string("Outro"));
    EXPECT_EQ(m.jogadores.size(), jogadores + 1);
}

TEST(Artilheiros, TournamentScorerIsNamedFromTheEditionAfterTheCopiesAreGone) {
    Mundo m = mundoartilheiros();
    m.estado.temporada = 3;  // a world cup season
    m.estado.edicoes[0] = 1;  // the edition has just been counted
    const int a = primeirojogador(m, 3);
    m.jogadores[a].gols[kCopaMundo] = 6;
    ASSERT_EQ(apuraartilheiro(m, kCopaMundo, -1, -1), a);
    const THistoricoTorneio& h = m.estado.historicotorneios[0];
    EXPECT_EQ(h.artilheiro[0].utf8(), "Jogador 3-0");
    EXPECT_EQ(h.golsartilheiro[0], 6);
    EXPECT_EQ(h.paisartilheiro[0], 11);
    // The tournament's players are discarded and the slot goes to someone else.
    m.jogadores[a].nome.define("Outra Pessoa");
    EXPECT_EQ(nomeartilheiro(m, 0), "Jogador 3-0");
    EXPECT_EQ(timeartilheiro(m, 0), "Argentina");
    EXPECT_EQ(edicaotorneio(kCopaMundo, 7), 1);
    EXPECT_EQ(edicaotorneio(kCopaAmerica, 7), -1);
    EXPECT_EQ(temporadaedicao(kEurocopa, 2), 9);
    const auto linhas = campeoestorneio(m, kCopaMundo);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].artilheiro, "Jogador 3-0 (Argentina) - 6 gols");
    EXPECT_EQ(linhas[0].local, "Africa do Sul");
}

}  // namespace
}  // namespace tarvello
