// The national-team tournament screens offscreen: the tables (TForm78), the invitation, the
// national-team screen and the call-up search.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "../apoio/selecoes.h"
#include "competitions/calendario.h"
#include "competitions/screens/convocacao_tela.h"
#include "competitions/screens/selecao_tela.h"
#include "competitions/screens/torneio_tela.h"
#include "competitions/sorteiotorneio.h"
#include "competitions/torneio.h"
#include "match/escalacao.h"
#include "season/convitesselecao.h"
#include "season/screens/convite_selecao_tela.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// One league of ten clubs (club 0 and 1 human) with the Eurocopa of season 1 drawn.
Mundo mundoeurocopa() {
    Mundo m = mundoliga(4, 1);
    todasasselecoes(m);
    m.estado.ckeurocopa = 1;
    m.estado.numclubesliga = 10;
    for (int k = 0; k < 2; ++k) {
        m.times[static_cast<size_t>(k)].humano = 1;
        m.tecnicos[static_cast<size_t>(k)].humano = 1;
        m.estado.timedotecnico[k] = k;
    }
    for (int k = 2; k < kMaxHumanos; ++k) m.estado.timedotecnico[k] = -1;
    m.estado.numtecnicoshumanos = 2;
    EXPECT_EQ(sorteiatorneiodatemporada(m), kEurocopa);
    montacalendario(m);
    montajogos(m, kEurocopa, -1);
    return m;
}

}  // namespace

TEST(TelaTorneio, GruposTabelaEChaveComVagas) {
    Mundo m = mundoeurocopa();
    TelaTorneio t(m);
    EXPECT_EQ(t.objectName(), "TForm78");
    EXPECT_EQ(t.findChild<QLabel*>("titulo")->text(), "Eurocopa 2008");
    EXPECT_FALSE(t.findChild<QPushButton*>("grupoD")->isHidden());
    EXPECT_TRUE(t.findChild<QPushButton*>("grupoE")->isHidden());
    EXPECT_EQ(t.findChild<QPushButton*>("grupoA")->text(), " A ");
    ASSERT_EQ(t.tabela()->rowCount(), 4);
    ASSERT_EQ(t.jogos()->rowCount(), 6);
    EXPECT_EQ(t.jogos()->item(0, 2)->text(), "Viena");  // first Eurocopa: Austria
    t.findChild<QPushButton*>("grupoC")->click();
    EXPECT_EQ(t.grupo(), 2);
    EXPECT_EQ(t.tabela()->item(0, 1)->text().isEmpty(), false);
    EXPECT_TRUE(t.textochave(1).contains("1º Grupo A "));
    EXPECT_TRUE(t.textochave(1).contains("2º Grupo B "));
    EXPECT_TRUE(t.textochave(7).contains("Vencedor jogo 5 "));
    EXPECT_TRUE(t.textochave(8).contains("Perdedor jogo 6 "));
    EXPECT_EQ(vagadachave(kCopaAmerica, 2, 2), "2º melhor 3º col. ");
    EXPECT_EQ(vagadachave(kCopaAmerica, 4, 1), "1º melhor 3º col. ");
    EXPECT_EQ(vagadachave(kCopaMundo, 6, 1), "1º Grupo G ");
    EXPECT_EQ(vagadachave(kCopaMundo, 16, 2), "Perdedor jogo 14 ");
}

TEST(TelaConviteSelecao, EscolheSelecaoLivreDoPote) {
    Mundo m = mundoeurocopa();
    m.estado.competicaoatual = kLiga;
    m.estado.turnoliga = 1;
    m.estado.rodadaliga = 6;
    m.times[1].colocacoes[kLiga] = 1;
    const TConviteSelecao c = conviteselecao(m, 0);
    ASSERT_EQ(c.competicao, kEurocopa);
    ASSERT_EQ(c.selecoes.size(), 8u);
    // The other coach took the first team of the pot already.
    ASSERT_TRUE(aceitaconvite(m, 1, c.selecoes[0]));
    TelaConviteSelecao t(m, 0, c);
    EXPECT_EQ(t.windowTitle(), "Escolha da seleção para treinar na Eurocopa");
    EXPECT_EQ(t.findChild<QLabel*>("titulo")->text(), "Escolha da seleção para treinar na Eurocopa");
    auto* ok = t.findChild<QPushButton*>("ok");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(t.findChild<QRadioButton*>(QString("selecao%1").arg(c.selecoes[0]))->isEnabled());
    t.findChild<QRadioButton*>(QString("selecao%1").arg(c.selecoes[3]))->click();
    EXPECT_TRUE(ok->isEnabled());
    ok->click();
    EXPECT_EQ(m.estado.selecaohumana[0], c.selecoes[3]);
    EXPECT_EQ(t.result(), QDialog::Accepted);
}

TEST(TelaSelecao, EscalaConvocaEJoga) {
    Mundo m = mundoeurocopa();
    m.estado.competicaoatual = kLiga;
    m.estado.turnoliga = 1;
    m.estado.rodadaliga = 6;
    const std::vector<int> pote = conviteselecao(m, 0).selecoes;
    ASSERT_FALSE(pote.empty());
    const int sel = pote[0];
    ASSERT_TRUE(aceitaconvite(m, 0, sel));
    // The first Eurocopa date.
    for (int d = 1; d <= kNumDatas; ++d)
        if (m.calendario[static_cast<size_t>(d - 1)].competicao == kEurocopa) {
            m.estado.dataatual = d;
            break;
        }
    m.estado.competicaoatual = kEurocopa;
    EXPECT_TRUE(humanojoga(m));

    // Call-ups: the search lists the clubs' players; three are added and called up.
    {
        TelaConvocacao c(m, sel);
        EXPECT_EQ(c.windowTitle(), "Busca de jogadores para convocação");
        c.findChild<QLineEdit*>("nome")->setText("Jogador 0-");
        c.findChild<QPushButton*>("procurar")->click();
        ASSERT_EQ(c.achados()->rowCount(), 18);
        c.achados()->selectRow(0);
        c.findChild<QPushButton*>("adiciona")->click();
        EXPECT_EQ(c.escolhidos().size(), 1u);
        c.achados()->selectRow(0);
        c.findChild<QPushButton*>("adiciona")->click();  // the same player only once
        EXPECT_EQ(c.escolhidos().size(), 1u);
        c.findChild<QLineEdit*>("nome")->clear();
        c.findChild<QPushButton*>("procurar")->click();
        for (int r = 1; r < 16; ++r) {
            c.achados()->selectRow(r);
            c.findChild<QPushButton*>("adiciona")->click();
        }
        EXPECT_EQ(c.escolhidos().size(), 16u);
        c.findChild<QPushButton*>("continuar")->click();
        EXPECT_EQ(c.result(), QDialog::Accepted);
    }
    EXPECT_EQ(m.convocacoes.size(), 16u);
    EXPECT_EQ(static_cast<int>(elenco(m, sel).size()), 16);

    TelaSelecao t(m, sel);
    EXPECT_EQ(t.objectName(), "selecao");
    EXPECT_TRUE(t.findChild<QLabel*>("proximo")->text().startsWith("Próximo jogo: "));
    EXPECT_EQ(t.findChild<QTableWidget*>("plantel")->rowCount(), 16);
    auto* esquemas = t.findChild<QListWidget*>("esquemas");
    ASSERT_GT(esquemas->count(), 0);
    t.escolheesquema(esquemas->item(0)->text());
    QSignalSpy jogou(&t, &TelaSelecao::jogar);
    auto* jogar = t.findChild<QPushButton*>("jogar");
    ASSERT_TRUE(jogar->isEnabled());
    jogar->click();
    EXPECT_EQ(jogou.count(), 1);
    EXPECT_NE(linhade(m, sel), nullptr);
}

TEST(TelaTorneio, AbertaPeloMenuDaTelaPrincipal) {
    Mundo m = mundoeurocopa();
    m.estado.dataatual = 1;
    proximadata(m);
    m.estado.timeatual = 0;
    m.estado.tecnicoatual = 0;
    TelaPrincipal p(m);
    QAction* tabela = nullptr;
    for (QAction* a : p.findChildren<QAction*>())
        if (a->text() == "Tabela Eurocopa") tabela = a;
    ASSERT_NE(tabela, nullptr);
    tabela->trigger();
    auto* t = p.findChild<TelaTorneio*>();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->objectName(), "TForm78");
    t->close();
}
