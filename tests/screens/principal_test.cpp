// The squad side of the main screen: grid, selection clicks, formation list, "Jogar >>", the
// captain list, the player panel, the right-click menu and the two small windows.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "../apoio/pastatemporaria.h"
#include "club/plantel_textos.h"
#include "club/screens/plantel_dialogos.h"
#include "competitions/calendario.h"
#include "competitions/screens/classificacao_tela.h"
#include "match/escalacao.h"
#include "model/hoje.h"
#include "model/opcoes.h"
#include "model/tipos.h"
#include "principal_apoio.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

struct Tela {
    explicit Tela(Mundo& m) : tela(m) {
        tela.show();
        grade = tela.findChild<QTableWidget*>("plantel");
        jogar = tela.findChild<QPushButton*>("jogar");
    }
    QString celula(int linha, const char* chave) const {
        return grade->item(linha, tela.coluna(chave))->text();
    }
    int jogador(int linha) const { return celula(linha, "id").toInt(); }
    // First row whose position letter and status code match.
    int linha(QChar posicao, const char* status) const {
        for (int l = 0; l < grade->rowCount(); ++l)
            if (celula(l, "posicaojog") == posicao && celula(l, "nxstatus") == status) return l;
        return -1;
    }
    void clica(int linha, const char* chave) {
        QTableWidgetItem* i = grade->item(linha, tela.coluna(chave));
        grade->scrollToItem(i);
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, grade->visualItemRect(i).center());
    }
    QString rotulo(const char* nome) const { return tela.findChild<QLabel*>(nome)->text(); }

    TelaPrincipal tela;
    QTableWidget* grade;
    QPushButton* jogar;
};

}  // namespace

TEST(TelaPrincipalPlantel, EscalaPelaListaEJoga) {
    auto m = mundohumano();
    const auto squad = elenco(*m, 0);
    m->jogadores[squad[6]].contusaoate = datahoje(*m) + 14;  // an injured zagueiro
    Tela t(*m);
    ASSERT_NE(t.grade, nullptr);
    ASSERT_EQ(t.grade->rowCount(), 18);
    EXPECT_FALSE(t.jogar->isEnabled());
    EXPECT_TRUE(t.grade->isColumnHidden(t.tela.coluna("nxstatus")));
    EXPECT_EQ(t.celula(0, "posicaojog"), "G");  // goalkeepers first
    const int ferido = t.tela.plantel().linhadojogador(squad[6]);
    EXPECT_EQ(t.celula(ferido, "nxstatus"), "3");
    EXPECT_FALSE(t.rotulo("adversario").isEmpty());  // a league match today
    EXPECT_EQ(t.rotulo("moraltime"), "Moral do time: Boa");
    EXPECT_EQ(t.tela.findChild<QProgressBar*>("confiancadiretoria")->value(), 80);

    // Five laterais and three fit zagueiros; four meias, four atacantes.
    auto* lista = t.tela.findChild<QListWidget*>("esquemas");
    QStringList esquemas;
    for (int i = 0; i < lista->count(); ++i) esquemas << lista->item(i)->text();
    EXPECT_EQ(esquemas, (QStringList{"5-4-1", "5-3-2", "4-3-3", "4-4-2", "3-4-3", "3-5-2"}));
    ASSERT_TRUE(escolheesquema(&t.tela, "4-4-2"));
    EXPECT_EQ(t.rotulo("titulares"), "11");
    EXPECT_EQ(t.rotulo("reservas"), "6");  // everybody fit is used: 11 + 6 of 17
    EXPECT_EQ(t.rotulo("esquema"), "4-4-2");
    EXPECT_TRUE(t.jogar->isEnabled());
    EXPECT_EQ(lista->currentItem()->text(), "4-4-2");
    EXPECT_EQ(t.celula(ferido, "nxstatus"), "3");

    // Taking a starter out and putting him back.
    const int titular = t.linha('M', "1");
    ASSERT_GE(titular, 0);
    t.clica(titular, "status");
    EXPECT_EQ(t.celula(titular, "nxstatus"), "0");
    EXPECT_EQ(t.rotulo("titulares"), "10");
    EXPECT_FALSE(t.jogar->isEnabled());
    EXPECT_EQ(lista->currentItem(), nullptr);
    t.clica(titular, "status");
    EXPECT_EQ(t.celula(titular, "nxstatus"), "1");
    EXPECT_TRUE(t.jogar->isEnabled());
    // The injured player stays out.
    t.clica(ferido, "status");
    EXPECT_EQ(t.celula(ferido, "nxstatus"), "3");
    // A click shows the player on the panel.
    EXPECT_EQ(t.rotulo("jsituacao"), "Contundido até " + QString::fromStdString(
                                                             textodatacurta(datahoje(*m) + 14)));

    // The captain list names the chosen player at once.
    auto* capitao = t.tela.findChild<QComboBox*>("capitao");
    ASSERT_EQ(capitao->count(), 18);
    emit capitao->activated(5);
    EXPECT_EQ(m->times[0].capitao, t.jogador(5));

    QSignalSpy jogou(&t.tela, &TelaPrincipal::jogar);
    t.jogar->click();
    EXPECT_EQ(jogou.count(), 1);
    const TEscalacao* r = linhade(*m, 0);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ((*r)[kSlotGoleiro], t.jogador(0));
    EXPECT_EQ((*r)[kSlotDefesa], 4);
    EXPECT_EQ((*r)[kSlotMeio], 4);
    EXPECT_EQ((*r)[kSlotAtaque], 2);
    EXPECT_EQ(m->times[0].esquema, 442);
    for (int s = 1; s <= 11; ++s) EXPECT_GT((*r)[s], 0) << s;
    EXPECT_GT((*r)[kPrimeiroBanco], 0);
}

TEST(TelaPrincipalPlantel, EscalacaoSalvaVoltaNaProximaAbertura) {
    auto m = mundohumano();
    const std::filesystem::path pasta = teste::pastatemporaria("tarvello_principal_opcoes");
    std::filesystem::create_directories(pasta);
    const std::filesystem::path ini = pasta / "tarvello.ini";
    {
        Tela t(*m);
        t.tela.defineopcoes(ini);
        t.tela.findChild<QCheckBox*>("salvarescalacao")->setChecked(true);
        // Remembered in the options file for the next games too.
        EXPECT_EQ(leopcao(ini, kSecaoOpcoes, "opescalacao"), "1");
        ASSERT_TRUE(escolheesquema(&t.tela, "4-3-3"));
        EXPECT_TRUE(t.jogar->isEnabled());
    }
    EXPECT_EQ(m->estado.salvarescalacao, 1);
    Tela t(*m);
    EXPECT_EQ(t.rotulo("titulares"), "11");
    EXPECT_EQ(t.rotulo("esquema"), "4-3-3");
    EXPECT_TRUE(t.jogar->isEnabled());
    t.tela.defineopcoes(ini);
    t.tela.findChild<QCheckBox*>("salvarescalacao")->setChecked(false);
    EXPECT_EQ(leopcao(ini, kSecaoOpcoes, "opescalacao"), "0");
    std::filesystem::remove_all(pasta);
    Tela u(*m);
    EXPECT_EQ(u.rotulo("titulares"), "0");
    EXPECT_FALSE(u.jogar->isEnabled());
}

TEST(TelaPrincipalPlantel, MenuDoJogadorEJanelas) {
    auto m = mundohumano();
    Tela t(*m);
    // The right-click menu offers only the actions whose windows exist.
    QStringList entradas;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                if (a->isVisible()) entradas << a->text();  // the loan entries only for a loaned player
            menu->close();
        }
    });
    const QRect r = t.grade->visualItemRect(t.grade->item(2, t.tela.coluna("nome")));
    emit t.grade->customContextMenuRequested(r.center());
    EXPECT_EQ(entradas, (QStringList{"Propor contrato", "Vender jogador", "Mudar posição", "Escolher número",
                                     "Aposentar jogador", "Histórico Jogos"}));

    // The standings open over the main screen.
    for (QAction* a : t.tela.menuBar()->actions())
        if (a->text() == "Classificação") a->trigger();
    auto* tabela = t.tela.findChild<TelaClassificacao*>();
    ASSERT_NE(tabela, nullptr);
    EXPECT_TRUE(tabela->isVisible());
    EXPECT_TRUE(tabela->isWindow());
    tabela->close();

    // Shirt number 10 leaves the team-mate who wore it.
    const int a = t.jogador(2), b = t.jogador(3);
    m->jogadores[a].numero = 10;
    TelaNumero numero(*m, b);
    EXPECT_EQ(numero.objectName(), "TForm82");
    auto* numeros = numero.findChild<QListWidget*>("numeros");
    ASSERT_EQ(numeros->count(), 29);
    EXPECT_EQ(numeros->item(10)->text().toStdString(), "10 - " + m->jogadores[a].nome.utf8());
    numeros->setCurrentRow(10);
    numero.findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(m->jogadores[b].numero, 10);
    EXPECT_EQ(m->jogadores[a].numero, 0);

    // Improvising a lateral as atacante, then back.
    ASSERT_EQ(m->jogadores[a].posicaooriginal, kLateral);
    TelaImprovisa improvisa(*m, a);
    EXPECT_EQ(improvisa.objectName(), "TForm52");
    EXPECT_EQ(improvisa.findChild<QLabel*>("original")->text(), "Posição original: Lateral");
    auto* posicoes = improvisa.findChild<QListWidget*>("posicoes");
    ASSERT_EQ(posicoes->count(), 5);
    EXPECT_EQ(posicoes->item(4)->text(), "Voltar posição original");
    const auto atacante = posicoes->findItems("Atacante", Qt::MatchExactly);
    ASSERT_EQ(atacante.size(), 1);
    posicoes->setCurrentItem(atacante.front());
    improvisa.findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(m->jogadores[a].posicao, kAtacante);
    TelaImprovisa volta(*m, a);
    EXPECT_EQ(volta.findChild<QLabel*>("original")->text(),
              "Posição original: Lateral  (Improvisado como: Atacante)");
    volta.findChild<QListWidget*>("posicoes")->setCurrentRow(4);
    volta.findChild<QPushButton*>("cancelar")->click();
    EXPECT_EQ(m->jogadores[a].posicao, kAtacante);  // "Cancelar" changes nothing
}

TEST(TelaPrincipalPlantel, CoresPorPosicaoEJogadorAVenda) {
    auto m = mundohumano();
    m->estado.cornalista = 1;
    m->estado.cores[kGoleiro] = 4822164;  // red 148, green 148, blue 73
    const int listado = elenco(*m, 0)[4];
    m->jogadores[listado].passe = 20000;
    m->jogadores[listado].avenda = 1;
    m->jogadores[listado].precovenda = 35000;
    Tela t(*m);
    EXPECT_EQ(t.grade->item(0, t.tela.coluna("nome"))->background().color(), QColor(148, 148, 73));

    const int l = t.tela.plantel().linhadojogador(listado);
    EXPECT_EQ(t.celula(l, "passe"), "35 k");
    EXPECT_EQ(t.celula(l, "passet"), "35000");
    t.clica(l, "nome");
    auto* retira = t.tela.findChild<QPushButton*>("retiravenda");
    EXPECT_FALSE(retira->isHidden());
    retira->click();
    EXPECT_EQ(m->jogadores[listado].avenda, 0);
    EXPECT_EQ(t.celula(l, "passe"), "20 k");
    EXPECT_TRUE(retira->isHidden());
}
