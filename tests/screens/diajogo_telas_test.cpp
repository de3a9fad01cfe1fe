// A match day on screen: the main screen's "Jogar >>", the match-day screen at the fastest speed
// to "Fim de jogo", the results, "Continuar >>" and the main screen of the next date.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "principal_apoio.h"
#include "competitions/calendario.h"
#include "match/screens/dialogos_partida.h"
#include "match/screens/partida_tela.h"
#include "competitions/screens/classificacao_tela.h"
#include "match/screens/partidas_tela.h"
#include "match/screens/resultados_tela.h"
#include "match/diajogo.h"
#include "match/escalacao.h"
#include "match/interacao.h"
#include "match/simulacao.h"
#include "news/mensagens.h"
#include "news/screens/mensagens_tela.h"
#include "ui/controle_jogo.h"
#include "ui/tela.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// Two leagues of ten-club divisions, season scheduled, `humanos` clubs of league 0 (division
// `divisao` + 1) human-run, the clocks at 1 ms.
std::unique_ptr<Mundo> mundocomhumanos(int humanos, int divisao = 0) {
    auto m = std::make_unique<Mundo>(mundoliga(4, 2, 2));
    m->aleatorio = Aleatorio(11);
    m->estado.dataatual = 1;
    montacalendario(*m);
    for (int l = 0; l < 2; ++l) montajogos(*m, kLiga, l);
    m->estado.intervalohumano = m->estado.intervalocomputador = 1;
    m->estado.verintervalo = 1;
    for (int k = 0; k < humanos; ++k) {
        const int t = m->ligas[0].times[divisao][k];
        m->times[static_cast<size_t>(t)].humano = 1;
        m->estado.timedotecnico[k] = t;
        m->tecnicos[static_cast<size_t>(t)].humano = 1;
    }
    for (int k = humanos; k < kMaxHumanos; ++k) m->estado.timedotecnico[k] = -1;
    m->estado.numtecnicoshumanos = humanos;
    m->estado.timeatual = m->estado.timedotecnico[std::max(0, humanos - 1)];
    m->ligas[0].temhumano = humanos > 0;
    proximadata(*m);
    return m;
}

// Closes every modal window that opens (half-time match screens, injury replacements), as a
// person pressing its button would, and counts them by object name.
class FechaModais : public QObject {
public:
    FechaModais() {
        connect(&t_, &QTimer::timeout, this, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                vistos << w->objectName();
                if (auto* b = w->findChild<QPushButton*>("substituir")) b->click();
                else if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
            }
        });
        t_.start(5);
    }
    QStringList vistos;

private:
    QTimer t_;
};

}  // namespace

TEST(TelasDiaJogo, UmTecnicoJogaUmaRodadaEVoltaATelaPrincipal) {
    FechaModais modais;
    auto mundo = mundocomhumanos(1, 1);  // a club of the second division
    Mundo* m = mundo.get();
    const int humano = m->estado.timedotecnico[0];
    const int data = m->estado.dataatual;
    ControleJogo c(std::move(mundo), false);
    c.inicia();
    ASSERT_NE(c.principal(), nullptr);
    EXPECT_EQ(c.principal()->objectName(), "TForm13");
    EXPECT_EQ(m->estado.timeatual, humano);

    escalaejoga(c.principal());
    ASSERT_NE(c.partidas(), nullptr);
    EXPECT_EQ(c.partidas()->objectName(), "TForm46");
    EXPECT_TRUE(c.partidas()->findChild<QLabel*>("titulo")->text().contains("1ª rodada"));
    // League 0 has the human club: it is watched; league 1 is played at once.
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
    EXPECT_TRUE(modais.vistos.contains("TForm16"));  // the half-time match screen
    TelaResultados* r = c.resultados();
    EXPECT_EQ(r->objectName(), "TForm67");
    auto* grupo = r->findChild<QComboBox*>("grupo");
    EXPECT_EQ(grupo->count(), 4);  // two leagues of two divisions
    auto* resultados = r->findChild<QTableWidget*>("resultados");
    EXPECT_EQ(resultados->rowCount(), 5);
    // It opens on the human club's division.
    const QString nome = QString::fromStdString(m->times[static_cast<size_t>(humano)].nome.utf8());
    bool achou = false;
    for (int l = 0; l < resultados->rowCount(); ++l)
        achou = achou || resultados->item(l, 0)->text() == nome || resultados->item(l, 2)->text() == nome;
    EXPECT_TRUE(achou);
    for (const TPartida& p : m->partidas)
        if (p.competicao == kLiga && p.rodada == 1 && p.turno == 1) {
            EXPECT_TRUE(p.jogado);
        }

    // "Classificação após a rodada" opens the standings of the league selected on screen.
    grupo->setCurrentIndex(2);  // the second league's first division
    r->findChild<QPushButton*>("classificacao")->click();
    auto* tabela = r->findChild<TelaClassificacao*>();
    ASSERT_NE(tabela, nullptr);
    EXPECT_EQ(tabela->modo(), TelaClassificacao::Modo::Liga);
    EXPECT_EQ(tabela->findChild<QComboBox*>("regiao")->currentIndex(), 1);
    tabela->close();

    r->findChild<QPushButton*>("continuar")->click();
    ASSERT_NE(c.principal(), nullptr);
    EXPECT_GT(m->estado.dataatual, data);
    EXPECT_EQ(m->estado.rodadaliga, 2);
    EXPECT_TRUE(c.principal()->isVisible());
}

TEST(TelasDiaJogo, DoisTecnicosSeRevezam) {
    FechaModais modais;
    auto mundo = mundocomhumanos(2);
    Mundo* m = mundo.get();
    const int primeiro = m->estado.timedotecnico[0], segundo = m->estado.timedotecnico[1];
    ControleJogo c(std::move(mundo), false);
    c.inicia();
    // The coach who chose last goes first.
    EXPECT_EQ(m->estado.timeatual, segundo);
    escalaejoga(c.principal());
    ASSERT_NE(c.principal(), nullptr);
    EXPECT_EQ(m->estado.timeatual, primeiro);
    EXPECT_EQ(c.partidas(), nullptr);  // not before both have confirmed
    escalaejoga(c.principal());
    ASSERT_NE(c.partidas(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
    c.resultados()->findChild<QPushButton*>("continuar")->click();
    ASSERT_NE(c.principal(), nullptr);
    EXPECT_EQ(m->estado.rodadaliga, 2);
}

TEST(TelasDiaJogo, SemHumanoODiaSegueDireto) {
    FechaModais modais;
    auto mundo = mundocomhumanos(0);
    Mundo* m = mundo.get();
    ControleJogo c(std::move(mundo), true);
    c.inicia();
    ASSERT_NE(c.partidas(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
    const int data = m->estado.dataatual;
    c.resultados()->findChild<QPushButton*>("continuar")->click();
    // Nobody human plays the next date: its match day starts at once.
    EXPECT_EQ(c.principal(), nullptr);
    ASSERT_NE(c.partidas(), nullptr);
    EXPECT_GT(m->estado.dataatual, data);
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
}

TEST(TelasDiaJogo, TelaDaPartidaSubstituicaoEPosicao) {
    Mundo m = mundoliga(4, 1);
    m.estado.dataatual = 1;
    montacalendario(m);
    montajogos(m, kLiga, 0);
    proximadata(m);
    const TPartida& p = m.partidas[0];
    m.times[static_cast<size_t>(p.mandante)].humano = 1;
    comecadia(m);
    preparatela(m);
    ASSERT_EQ(preparajogo(m, p.mandante, p.visitante, 0), 1);
    iniciapartidas(m);
    TelaPartida t(m, 1, false);
    EXPECT_EQ(t.objectName(), "TForm16");
    auto* sub = t.findChild<QPushButton*>("substituir1");
    EXPECT_FALSE(sub->isHidden());
    EXPECT_TRUE(t.findChild<QPushButton*>("substituir2")->isHidden());  // computer side
    EXPECT_FALSE(t.findChild<QComboBox*>("estilo2")->isEnabled());
    t.findChild<QComboBox*>("estilo1")->setCurrentIndex(1);
    EXPECT_EQ(m.times[static_cast<size_t>(p.mandante)].estilo, 1);

    // Substitution: one player on the pitch and one from the bench.
    auto* grade = t.findChild<QTableWidget*>("escalacao1");
    ASSERT_GE(grade->rowCount(), 12);
    const int sai = (*linhade(m, p.mandante))[1];
    const int entra = (*linhade(m, p.mandante))[19];
    int linhasai = -1, linhaentra = -1;
    for (int r = 0; r < grade->rowCount(); ++r) {
        const int slot = grade->item(r, 0)->data(Qt::UserRole).toInt();
        if (slot == 1) linhasai = r;
        if (slot == 19) linhaentra = r;
    }
    ASSERT_GE(linhasai, 0);
    ASSERT_GE(linhaentra, 0);
    grade->selectRow(linhasai);
    grade->selectRow(linhaentra);
    sub->click();
    EXPECT_EQ((*linhade(m, p.mandante))[1], entra);
    EXPECT_NE((*linhade(m, p.mandante))[1], sai);
    EXPECT_EQ(m.diajogo.jogos[0].substituicoes[0], 2);
    EXPECT_GE(t.findChild<QListWidget*>("eventos")->count(), 1);  // the substitution line

    // The position window moves a player to another position.
    const int jogador = (*linhade(m, p.mandante))[2];
    TelaPosicao pos(m, p.mandante, jogador);
    EXPECT_EQ(pos.objectName(), "TForm70");
    auto* caixa = pos.findChild<QComboBox*>("posicao");
    const int alvo = caixa->itemData(0).toInt();
    pos.findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(m.jogadores[static_cast<size_t>(jogador)].posicao, alvo);
}

TEST(TelasDiaJogo, CaixaDeMensagens) {
    Mundo m = mundoliga(4, 1);
    m.estado.dataatual = 1;
    montacalendario(m);
    m.times[0].humano = 1;
    enviamensagem(m, 0, kMsgBoasVindas, 0);
    enviamensagem(m, 0, kMsgGoleada, 0);
    enviamensagem(m, 1, kMsgGoleada, 0);  // another club's
    EXPECT_EQ(naolidas(m, 0), 2);
    TelaMensagens t(m, 0);
    EXPECT_EQ(t.objectName(), "TForm62");
    EXPECT_EQ(t.windowTitle(), "Sua caixa de emails");
    auto* lista = t.findChild<QTableWidget*>("mensagens");
    ASSERT_EQ(lista->rowCount(), 2);
    EXPECT_TRUE(lista->item(0, 2)->font().bold());
    lista->setCurrentCell(1, 2);  // the oldest: the welcome
    EXPECT_TRUE(lista->item(1, 2)->text().startsWith("Bem vindo ao "));
    EXPECT_FALSE(lista->item(1, 2)->font().bold());
    EXPECT_EQ(naolidas(m, 0), 1);
    EXPECT_FALSE(t.findChild<QWidget*>("pergunta")->isVisibleTo(&t));
}

// Opening a coach's main screen on a new date runs his turn: daily morale (the last result's
// grade is used up), a death on a league date told by "Falecimento do jogador", and news older
// than two weeks no longer counted.
TEST(TelasDiaJogo, TurnoDoTecnicoAoAbrirATelaPrincipal) {
    auto mundo = mundocomhumanos(1);
    Mundo* m = mundo.get();
    const int humano = m->estado.timedotecnico[0];
    ASSERT_EQ(m->estado.competicaoatual, kLiga);
    m->times[static_cast<size_t>(humano)].notaderrota = 4;
    int velho = 0;
    for (size_t j = 1; j < m->jogadores.size() && !velho; ++j)
        if (m->jogadores[j].time == humano) velho = static_cast<int>(j);
    m->jogadores[static_cast<size_t>(velho)].idade = 70;
    const int antiga = enviamensagem(*m, humano, kMsgBoasVindas, 0);
    ASSERT_GE(antiga, 0);
    m->mensagens[static_cast<size_t>(antiga)].data -= 15;

    QStringList avisos;
    const GanchoMensagem antes = ganchomensagem();
    ganchomensagem() = [&](QWidget*, const QString& texto) { avisos << texto; };
    ControleJogo c(std::move(mundo), false);
    c.inicia();
    ganchomensagem() = antes;

    ASSERT_NE(c.principal(), nullptr);
    EXPECT_EQ(m->times[static_cast<size_t>(humano)].notaderrota, 0);
    EXPECT_EQ(m->jogadores[static_cast<size_t>(velho)].time, -1);
    EXPECT_EQ(m->times[static_cast<size_t>(humano)].pontos[kLiga], -5);
    ASSERT_EQ(avisos.size(), 1);
    EXPECT_TRUE(avisos[0].startsWith("Falecimento do jogador"));
    EXPECT_TRUE(avisos[0].contains("O seu clube foi responsabilizado pela morte e irá perder 5 pontos no campeonato."));
    EXPECT_EQ(c.principal()->findChild<QLabel*>("noticias")->text(), "Sem novas notícias");
    EXPECT_TRUE(m->mensagens[static_cast<size_t>(antiga)].lido);
}

// A cup tie settled on penalties shows the shoot-out beside the second leg's score, with that
// match's home club first; the first leg shows its score alone. The rows come from the day's
// reports.
TEST(TelasDiaJogo, ResultadoComDesempateDePenaltis) {
    Mundo m = mundoliga(4, 1);
    for (int perna = 0; perna < 2; ++perna) {
        TRelatorioPartida r{};
        r.competicao = kCopaNacional;
        r.grupo = 0;
        r.mandante = perna == 0 ? 3 : 5;
        r.visitante = perna == 0 ? 5 : 3;
        r.golsmandante = r.golsvisitante = 1;
        r.data = 40000 + perna;
        if (perna == 1) {
            r.decididopenaltis = 1;
            r.penaltismandante = 5;
            r.penaltisvisitante = 4;
        }
        m.relatorios.push_back(r);
    }
    m.relatorios.push_back(TRelatorioPartida{});
    m.estado.numrelatorios = 2;
    TelaResultados volta(m, kCopaNacional, 40001);
    auto* r = volta.findChild<QTableWidget*>("resultados");
    ASSERT_EQ(r->rowCount(), 1);
    EXPECT_EQ(r->item(0, 1)->text(), "1 x 1 (P:5x4)");
    TelaResultados ida(m, kCopaNacional, 40000);
    EXPECT_EQ(ida.findChild<QTableWidget*>("resultados")->item(0, 1)->text(), "1 x 1");
}

// A date whose competition plays nothing (a tournament that is not held) leaves no empty
// results screen: the game goes straight on to the next date.
TEST(TelasDiaJogo, DataSemJogosNaoAbreResultados) {
    FechaModais modais;
    auto mundo = mundocomhumanos(0);
    Mundo* m = mundo.get();
    int vazia = -1;
    for (int d = m->estado.dataatual; d <= kNumDatas && vazia < 0; ++d) {
        const double dia = m->calendario[static_cast<size_t>(d - 1)].data;
        const bool temjogo = std::any_of(m->partidas.begin(), m->partidas.end(),
                                         [&](const TPartida& p) { return p.data == dia; });
        if (m->calendario[static_cast<size_t>(d - 1)].competicao >= 0 && !temjogo) vazia = d;
    }
    ASSERT_GT(vazia, 0);
    m->estado.dataatual = vazia;
    m->estado.competicaoatual = m->calendario[static_cast<size_t>(vazia - 1)].competicao;
    ControleJogo c(std::move(mundo), true);
    c.inicia();
    // The empty date is passed; the next one with matches is played and its results shown.
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
    EXPECT_GT(m->estado.dataatual, vazia);
    EXPECT_GT(c.resultados()->findChild<QTableWidget*>("resultados")->rowCount(), 0);
}
