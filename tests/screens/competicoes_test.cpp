#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "competitions/calendario.h"
#include "competitions/jogosdatemporada.h"
#include "competitions/screens/calendario_clube_tela.h"
#include "competitions/screens/classificacao_tela.h"
#include "competitions/screens/tabela_jogos_tela.h"
#include "model/tipos.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

template <class T>
T* filho(QWidget* w, const char* nome) {
    T* r = w->findChild<T*>(nome);
    EXPECT_NE(r, nullptr) << nome;
    return r;
}

QString nome(const Mundo& m, int t) { return QString::fromStdString(m.times[static_cast<size_t>(t)].nome.utf8()); }

QString titulotabela(QTableWidget* t) {
    auto* l = t->parentWidget()->findChild<QLabel*>("titulotabela");
    return l ? l->text() : QString();
}

// Gives club t a record of wins in the table counters of competition c.
void vence(Mundo& m, int t, int c, int vitorias) {
    TTime& x = m.times[static_cast<size_t>(t)];
    x.pontos[c] = 3 * vitorias;
    x.vitorias[c] = x.jogos[c] = vitorias;
    x.golspro[c] = 2 * vitorias;
}

}  // namespace

TEST(TelaClassificacao, LigaDeVinteComTresDivisoes) {
    Mundo m = mundoliga(2, 3, 2);
    m.estado.ckinter = m.estado.ckinter3 = 1;
    m.estado.competicaoatual = kLiga;
    const int lider = m.ligas[0].classificacao[0][12];
    vence(m, lider, kLiga, 2);
    TelaClassificacao t(m);
    EXPECT_EQ(t.objectName(), "TForm36");
    EXPECT_EQ(t.modo(), TelaClassificacao::Modo::Liga);
    EXPECT_EQ(filho<QLabel>(&t, "titulo")->text(), "Campeonato Brasileiro");
    ASSERT_EQ(t.tabelas().size(), 2u);
    EXPECT_EQ(t.divisoes(), (std::vector<int>{1, 2}));
    QTableWidget* d1 = t.tabelas()[0];
    EXPECT_EQ(titulotabela(d1), "1ª divisão");
    EXPECT_EQ(titulotabela(t.tabelas()[1]), "2ª divisão");
    ASSERT_EQ(d1->rowCount(), 20);
    EXPECT_EQ(d1->horizontalHeaderItem(2)->text(), "PG");
    EXPECT_EQ(d1->horizontalHeaderItem(2)->toolTip(), "Pontos ganhos");
    EXPECT_EQ(d1->horizontalHeaderItem(9)->toolTip(), "Saldo gols");
    // The leader first with its label; the others level with each other share "2º".
    EXPECT_EQ(d1->item(0, 1)->text(), nome(m, lider));
    EXPECT_EQ(d1->item(0, 0)->text(), "1º");
    EXPECT_EQ(d1->item(0, 2)->text(), "6");
    EXPECT_EQ(d1->item(1, 0)->text(), "2º");
    EXPECT_EQ(d1->item(2, 0)->text(), "");
    // Zones: Brasil has 4 + 4 continental places, four go down from division 1.
    const QColor branco(255, 255, 255);
    const QColor azul = d1->item(0, 1)->background().color();
    const QColor amarelo = d1->item(3, 1)->background().color();
    const QColor vermelho = d1->item(16, 1)->background().color();
    EXPECT_NE(azul, branco);
    EXPECT_NE(amarelo, branco);
    EXPECT_NE(amarelo, azul);
    EXPECT_NE(vermelho, branco);
    EXPECT_EQ(d1->item(2, 1)->background().color(), azul);
    EXPECT_EQ(d1->item(6, 1)->background().color(), amarelo);
    EXPECT_EQ(d1->item(7, 1)->background().color(), branco);
    EXPECT_EQ(d1->item(15, 1)->background().color(), branco);
    EXPECT_EQ(d1->item(19, 1)->background().color(), vermelho);
    const QColor verde = t.tabelas()[1]->item(0, 1)->background().color();
    EXPECT_NE(verde, branco);
    EXPECT_NE(verde, vermelho);

    // The second table switches between divisions 2 and 3.
    auto* troca = filho<QPushButton>(&t, "trocadivisao");
    EXPECT_FALSE(troca->isHidden());
    EXPECT_EQ(troca->text(), "Ver 3ª divisão");
    troca->click();
    EXPECT_EQ(t.divisoes(), (std::vector<int>{1, 3}));
    EXPECT_EQ(troca->text(), "Ver 2ª divisão");
    EXPECT_EQ(titulotabela(t.tabelas()[1]), "3ª divisão");
    EXPECT_EQ(t.tabelas()[1]->item(0, 1)->data(Qt::UserRole).toInt(), m.ligas[0].classificacao[2][0]);
    troca->click();
    EXPECT_EQ(t.divisoes(), (std::vector<int>{1, 2}));

    // The country selector lists both leagues and shows the other one.
    auto* pais = filho<QComboBox>(&t, "regiao");
    ASSERT_EQ(pais->count(), 2);
    EXPECT_EQ(pais->itemText(0), "Brasil");
    pais->setCurrentIndex(1);
    ASSERT_EQ(t.tabelas().size(), 2u);
    EXPECT_EQ(t.tabelas()[0]->item(0, 1)->data(Qt::UserRole).toInt(), m.ligas[1].classificacao[0][0]);
    EXPECT_EQ(filho<QLabel>(&t, "titulo")->text(), QString::fromStdString(nomecompeticao(m, kLiga, 1)));
}

TEST(TelaClassificacao, LigasDeDezEUmaDivisao) {
    Mundo m = mundoliga(4, 4);
    TelaClassificacao t(m);
    ASSERT_EQ(t.tabelas().size(), 4u);
    EXPECT_EQ(t.divisoes(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(t.tabelas()[3]->rowCount(), 10);
    EXPECT_TRUE(filho<QPushButton>(&t, "trocadivisao")->isHidden());

    Mundo u = mundoliga(2, 1);
    TelaClassificacao t1(u);
    ASSERT_EQ(t1.tabelas().size(), 1u);
    // One division: only 19 and 20 go down (no continental cups played here).
    const QColor branco(255, 255, 255);
    EXPECT_EQ(t1.tabelas()[0]->item(0, 1)->background().color(), branco);
    EXPECT_EQ(t1.tabelas()[0]->item(17, 1)->background().color(), branco);
    EXPECT_NE(t1.tabelas()[0]->item(18, 1)->background().color(), branco);
}

TEST(TelaClassificacao, EstadualEContinental) {
    Mundo m = mundoliga(4, 4);
    m.estado.ckestadual = 1;
    m.estado.competicaoatual = kEstadual;
    constexpr int kSP = 25, kRJ = 18;
    for (int s : {kSP, kRJ}) {
        TEstadual& e = m.estaduais[s];
        for (auto& g : e.grupos)
            for (int& c : g) c = -1;
        e.temestadual = 1;
    }
    for (int k = 0; k < 12; ++k) m.estaduais[kSP].grupos[k / 6][k % 6] = k;
    m.estaduais[kSP].numgrupos = 2;
    for (int k = 0; k < 6; ++k) m.estaduais[kRJ].grupos[0][k] = 20 + k;
    m.estaduais[kRJ].numgrupos = 1;
    vence(m, 9, kEstadual, 1);

    TelaClassificacao t(m);
    EXPECT_EQ(t.modo(), TelaClassificacao::Modo::Estadual);
    auto* estado = filho<QComboBox>(&t, "regiao");
    ASSERT_EQ(estado->count(), 2);
    EXPECT_EQ(estado->itemText(0), "RJ - Carioca");
    EXPECT_EQ(estado->itemText(1), "SP - Paulista");
    ASSERT_EQ(t.tabelas().size(), 1u);
    estado->setCurrentIndex(1);
    ASSERT_EQ(t.tabelas().size(), 2u);
    EXPECT_EQ(titulotabela(t.tabelas()[1]), "Grupo 2");
    EXPECT_EQ(t.tabelas()[1]->rowCount(), 6);
    EXPECT_EQ(t.tabelas()[1]->item(0, 1)->data(Qt::UserRole).toInt(), 9);
    EXPECT_EQ(filho<QLabel>(&t, "titulo")->text(), "Camp. Paulista");

    // Continental groups before and after the draw.
    m.estado.ckinter = 1;
    m.estado.competicaoatual = kContinental1;
    TelaClassificacao c(m);
    EXPECT_EQ(c.modo(), TelaClassificacao::Modo::Continental);
    EXPECT_EQ(filho<QLabel>(&c, "titulo")->text(), "Libertadores (grupos ainda não sorteados)");
    ASSERT_EQ(c.tabelas().size(), 8u);
    EXPECT_EQ(c.tabelas()[0]->rowCount(), 0);
    EXPECT_EQ(filho<QComboBox>(&c, "regiao")->count(), 2);  // no cup 2
    for (int g = 0; g < 8; ++g)
        for (int k = 0; k < 4; ++k) m.estado.gruposlib2[g][k] = 1 + g * 4 + k;
    filho<QComboBox>(&c, "regiao")->setCurrentIndex(1);
    EXPECT_EQ(filho<QLabel>(&c, "titulo")->text(), "Liga Campeões");
    ASSERT_EQ(c.tabelas().size(), 8u);
    EXPECT_EQ(c.tabelas()[7]->rowCount(), 4);
    EXPECT_EQ(titulotabela(c.tabelas()[7]), "Grupo 8");
}

TEST(TelaTabelaJogos, RodadasDivisoesEResultados) {
    Mundo m = mundoliga(2, 2, 2);
    m.estado.ckcopa = 1;
    montacalendario(m);
    montajogosdatemporada(m);
    // Round 1 of the first half is played everywhere.
    for (TPartida& p : m.partidas)
        if (p.competicao == kLiga && p.rodada == 1 && p.turno == 1) {
            p.jogado = 1;
            p.golsmandante = 2;
            p.golsvisitante = 1;
            p.publico = 15000;
            p.renda = 123456;
        }
    TelaTabelaJogos t(m);
    EXPECT_EQ(t.objectName(), "TForm63");
    EXPECT_EQ(t.windowTitle(), "Tabela jogos");
    EXPECT_FALSE(filho<QPushButton>(&t, "nacional")->isHidden());
    EXPECT_TRUE(filho<QPushButton>(&t, "estadual")->isHidden());
    EXPECT_TRUE(filho<QPushButton>(&t, "libertadores")->isHidden());
    EXPECT_TRUE(filho<QPushButton>(&t, "copauefa")->isHidden());
    auto* rodada = filho<QLabel>(&t, "rodada");
    EXPECT_EQ(rodada->text(), "2ª rodada - 1º turno");
    ASSERT_EQ(t.listas().size(), 2u);
    EXPECT_EQ(t.listas()[1]->rowCount(), 10);
    EXPECT_EQ(t.listas()[0]->item(0, 1)->text(), "x");

    filho<QPushButton>(&t, "anterior")->click();
    EXPECT_EQ(rodada->text(), "1ª rodada - 1º turno");
    EXPECT_FALSE(filho<QPushButton>(&t, "anterior")->isEnabled());
    QTableWidget* l = t.listas()[1];
    ASSERT_EQ(l->rowCount(), 10);
    EXPECT_EQ(l->item(0, 1)->text(), "2 x 1");
    EXPECT_EQ(l->item(0, 3)->text(), "15 000");
    EXPECT_EQ(l->item(0, 4)->text(), "$ 123 456");
    // Every match of the second list is of the second division, of this round.
    for (int idx : t.jogos()[1]) {
        const TPartida& p = m.partidas[static_cast<size_t>(idx)];
        EXPECT_EQ(m.times[static_cast<size_t>(p.mandante)].divisao, 2);
        EXPECT_EQ(p.rodada, 1);
        EXPECT_EQ(p.turno, 1);
        EXPECT_EQ(p.liga, 0);
    }
    for (int k = 0; k < 40; ++k) t.proxima();
    EXPECT_EQ(rodada->text(), "19ª rodada - 2º turno");
    EXPECT_FALSE(filho<QPushButton>(&t, "proxima")->isEnabled());
    EXPECT_EQ(t.listas()[0]->rowCount(), 10);

    // The other league, from the selector, again on its first round still to play.
    filho<QComboBox>(&t, "regiao")->setCurrentIndex(1);
    EXPECT_EQ(t.regiao(), 1);
    EXPECT_EQ(rodada->text(), "2ª rodada - 1º turno");
    ASSERT_FALSE(t.jogos()[0].empty());
    EXPECT_EQ(m.partidas[static_cast<size_t>(t.jogos()[0][0])].liga, 1);
}

TEST(TelaCalendarioClube, JogosDoClubeEFiltro) {
    Mundo m = mundoliga(4, 2);
    m.estado.ckcopa = 1;
    montacalendario(m);
    montajogosdatemporada(m);
    const int t = m.ligas[0].times[1][4];
    // A friendly on date 3, the first date of the season with a match for this club.
    adicionajogo(m, m.ligas[0].times[0][0], t, -1, m.calendario[2].data, -1, -1, -1, kAmistoso);
    const std::vector<int> liga = jogosdoclube(m, t, kLiga);
    TPartida& primeiro = m.partidas[static_cast<size_t>(liga.front())];
    primeiro.jogado = 1;
    primeiro.golsmandante = 0;
    primeiro.golsvisitante = 3;
    primeiro.renda = 5000;

    TelaCalendarioClube c(m, t);
    EXPECT_EQ(c.objectName(), "TForm18");
    EXPECT_EQ(c.windowTitle(), "Calendário Jogos");
    auto* mostrar = filho<QComboBox>(&c, "mostrar");
    QStringList opcoes;
    for (int i = 0; i < mostrar->count(); ++i) opcoes << mostrar->itemText(i);
    EXPECT_EQ(opcoes, (QStringList{"Todos os jogos", "Nacional", "Amistosos", "Copa"}));
    auto* grade = filho<QTableWidget>(&c, "jogos");
    ASSERT_EQ(grade->rowCount(), 19);
    EXPECT_EQ(grade->item(0, 0)->text(), "06/01/2008 - dom");
    EXPECT_EQ(grade->item(0, 1)->text(), "F");
    EXPECT_EQ(grade->item(0, 3)->text(), "Amistoso");
    EXPECT_EQ(grade->item(0, 2)->text(), "x");
    EXPECT_EQ(grade->item(1, 2)->text(), "0 x 3");
    EXPECT_EQ(grade->item(1, 3)->text(), "Campeonato Brasileiro");
    EXPECT_EQ(grade->item(1, 7)->text(), "$ 5 000");
    EXPECT_EQ(grade->item(1, 1)->text(), primeiro.mandante == t ? "C" : "F");
    EXPECT_EQ(grade->item(0, 1)->foreground().color() == grade->item(1, 1)->foreground().color(),
              grade->item(0, 1)->text() == grade->item(1, 1)->text());

    mostrar->setCurrentIndex(2);
    EXPECT_EQ(grade->rowCount(), 1);
    mostrar->setCurrentIndex(1);
    EXPECT_EQ(grade->rowCount(), 18);
    mostrar->setCurrentIndex(3);
    EXPECT_EQ(grade->rowCount(), 0);  // the cup is not drawn in this world

    QTest::keyClick(&c, Qt::Key_Return);
    EXPECT_FALSE(c.isVisible());
}
