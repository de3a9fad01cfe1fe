// The turn of the season on screen: the last results, the season summary with the champions and
// the prizes they were paid, and "Continuar >>" to the main screen of season 2. Also the human
// retirement dialog.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "principal_apoio.h"
#include "club/screens/plantel_dialogos.h"
#include "competitions/calendario.h"
#include "competitions/screens/resumo_temporada_tela.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "ui/controle_jogo.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// One league of two ten-club divisions with a human club on top of the first, the season
// scheduled, clocks at 1 ms.
std::unique_ptr<Mundo> mundocomhumano() {
    auto m = std::make_unique<Mundo>(mundoliga(4, 2, 1));
    m->aleatorio = Aleatorio(5);
    m->estado.dataatual = 1;
    montacalendario(*m);
    montajogos(*m, kLiga, 0);
    m->estado.intervalohumano = m->estado.intervalocomputador = 1;
    m->estado.verintervalo = 1;
    const int t = m->ligas[0].times[0][0];
    m->times[static_cast<size_t>(t)].humano = 1;
    m->tecnicos[static_cast<size_t>(t)].humano = 1;
    for (int k = 0; k < kMaxHumanos; ++k) m->estado.timedotecnico[k] = -1;
    m->estado.timedotecnico[0] = t;
    m->estado.numtecnicoshumanos = 1;
    m->estado.timeatual = t;
    m->ligas[0].temhumano = 1;
    proximadata(*m);
    return m;
}

// Closes the modal windows of a watched match day.
class FechaModais : public QObject {
public:
    FechaModais() {
        connect(&t_, &QTimer::timeout, this, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                if (auto* b = w->findChild<QPushButton*>("substituir")) b->click();
                else if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
            }
        });
        t_.start(5);
    }

private:
    QTimer t_;
};

}  // namespace

TEST(TelasTemporada, ResumoEContinuarParaASegundaTemporada) {
    FechaModais modais;
    auto mundo = mundocomhumano();
    Mundo* m = mundo.get();
    // Every date but the last one with matches is played without a screen.
    int ultima = 0;
    for (int d = 1; d <= kNumDatas; ++d)
        if (m->calendario[static_cast<size_t>(d - 1)].competicao == kLiga) ultima = d;
    InteracaoComputador ia;
    while (m->estado.dataatual < ultima) {
        jogadatasemtela(*m, ia);
        ASSERT_NE(continuar(*m, ia), ProximaEtapa::FimTemporada);
    }
    ControleJogo c(std::move(mundo), false);
    c.inicia();
    ASSERT_NE(c.principal(), nullptr);
    escalaejoga(c.principal());
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
    c.resultados()->findChild<QPushButton*>("continuar")->click();

    // The summary has turned the season and shows the one that ended.
    TelaResumoTemporada* r = c.resumo();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->objectName(), "TForm26");
    EXPECT_EQ(r->temporadaencerrada(), 1);
    EXPECT_EQ(m->estado.temporada, 2);
    EXPECT_FALSE(r->findChild<QComboBox*>("pais")->isVisible());  // one league only
    auto* g = r->findChild<QTableWidget*>("nacionais");
    ASSERT_GE(g->rowCount(), 6);
    EXPECT_EQ(g->item(0, 0)->text(), "1ª Divisão");
    // Divisions of ten: the champion was paid 5 000 000, the runner-up 3 500 000.
    EXPECT_TRUE(g->item(1, 0)->text().endsWith("($5 milhões)")) << g->item(1, 0)->text().toStdString();
    EXPECT_TRUE(g->item(2, 0)->text().contains(" - Téc.:"));
    EXPECT_TRUE(g->item(2, 0)->text().endsWith("($3 milhões 500 mil)")) << g->item(2, 0)->text().toStdString();
    // TARVELLO_CAPTURAS=folder keeps a picture of the summary for the README.
    if (const QByteArray pasta = qgetenv("TARVELLO_CAPTURAS"); !pasta.isEmpty())
        r->grab().save(QString::fromUtf8(pasta) + "/resumo_temporada.png");
    bool segunda = false;
    for (int l = 0; l < g->rowCount(); ++l) segunda = segunda || g->item(l, 0)->text() == "2ª Divisão";
    EXPECT_TRUE(segunda);

    r->findChild<QPushButton*>("continuar")->click();
    ASSERT_NE(c.principal(), nullptr);
    EXPECT_TRUE(c.principal()->isVisible());
    QTRY_VERIFY(c.resumo() == nullptr);  // closed
    QTRY_VERIFY(c.resultados() == nullptr);
    EXPECT_EQ(m->estado.temporada, 2);
    EXPECT_EQ(m->estado.competicaoatual, kLiga);
    EXPECT_EQ(m->estado.rodadaliga, 1);
    // And the new season plays: its first round.
    escalaejoga(c.principal());
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
    c.resultados()->findChild<QPushButton*>("continuar")->click();
    EXPECT_EQ(m->estado.rodadaliga, 2);
}

TEST(TelasTemporada, AposentadoriaDoJogador) {
    Mundo m = mundoliga(4, 1);
    const int j = primeirojogador(m, 0) + 2;  // a zagueiro
    TJogador& p = m.jogadores[static_cast<size_t>(j)];
    p.idade = 34;
    TelaAposentadoria t(m, j);
    EXPECT_EQ(t.windowTitle(), "Aposentadoria do jogador");
    auto* nome = t.findChild<QLineEdit*>("nome");
    auto* posicao = t.findChild<QComboBox*>("posicao");
    EXPECT_EQ(nome->text().toStdString(), p.nome.utf8());
    EXPECT_EQ(posicao->currentText(), "Zagueiro");
    // No name, no retirement.
    nome->clear();
    t.aposenta();
    EXPECT_FALSE(t.aposentou());
    EXPECT_EQ(p.idade, 34);
    nome->setText("Garoto da Base");
    posicao->setCurrentIndex(4);
    t.aposenta();
    EXPECT_TRUE(t.aposentou());
    EXPECT_EQ(p.nome.utf8(), "Garoto da Base");
    EXPECT_EQ(p.posicaooriginal, 4);
    EXPECT_LE(p.idade, 20);
    EXPECT_EQ(p.time, 0);
}
