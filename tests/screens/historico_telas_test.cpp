// The history screens on a world with three seasons played: each opens from the main screen's
// menus and shows what the histories hold.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"
#include "model/mundo.h"
#include "newgame/salvamento.h"
#include "records/galeria.h"
#include "records/historico.h"
#include "records/ranking.h"
#include "records/screens/artilheiros_tela.h"
#include "records/screens/campeoes_tela.h"
#include "records/screens/campeoesestaduais_tela.h"
#include "records/screens/galeria_tela.h"
#include "records/screens/ranking_clubes_tela.h"
#include "records/screens/ranking_tecnicos_tela.h"
#include "principal_apoio.h"
#include "ui/controle_jogo.h"
#include "ui/tela_principal.h"

using namespace tarvello;

namespace {

// Three seasons of Brazil and Argentina with state championships, one human club; shared by
// every test of this file.
const Mundo& mundojogado() {
    static std::unique_ptr<Mundo> m = [] {
        const auto pasta = teste::pastatemporaria("telas_historico");
        auto [rcb, b] = teste::rodacli("gerar-base --destino " + pasta.string(), teste::Erros::Fora);
        EXPECT_EQ(rcb, 0) << b;
        const std::string salvo = (pasta / "tres.s08").string();
        auto [rc, s] = teste::rodacli("simular --dados " + pasta.string() +
                                          " --ligas 29,11 --estaduais --humanos-clubes 27 --temporadas 3 --semente 9 "
                                          "--salvar " + salvo,
                                      teste::Erros::Fora);
        EXPECT_EQ(rc, 0) << s.substr(0, 300);
        JogoCarregado j = carregajogo(salvo, 1);
        EXPECT_TRUE(j.mundo) << j.erro;
        std::error_code ec;
        std::filesystem::remove_all(pasta, ec);
        return std::move(j.mundo);
    }();
    return *m;
}

QWidget* aberta(const char* nome) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nome && w->isVisible()) return w;
    return nullptr;
}

// Triggers a main-screen command by its object name and returns the window it opened.
QWidget* abre(TelaPrincipal& p, const char* acao, const char* janela) {
    auto* a = p.menuBar()->findChild<QAction*>(acao);
    EXPECT_NE(a, nullptr) << acao;
    if (!a) return nullptr;
    a->trigger();
    return aberta(janela);
}

// Accepts every modal window that opens and keeps its object name.
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

TEST(TelasHistorico, StateChampionsShowWhenTheFinalsEnd) {
    // A game stopped on the date of the state finals.
    const auto pasta = teste::pastatemporaria("telas_estaduais");
    auto [rcb, b] = teste::rodacli("gerar-base --destino " + pasta.string(), teste::Erros::Fora);
    ASSERT_EQ(rcb, 0) << b;
    const std::string salvo = (pasta / "final.s08").string();
    auto [rc, s] = teste::rodacli("simular --dados " + pasta.string() +
                                      " --ligas 29 --estaduais --humanos-clubes 27 --datas 12 --semente 3 --salvar " + salvo,
                                  teste::Erros::Fora);
    ASSERT_EQ(rc, 0) << s.substr(0, 300);
    JogoCarregado j = carregajogo(salvo, 1);
    ASSERT_TRUE(j.mundo) << j.erro;
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
    Mundo* m = j.mundo.get();
    ASSERT_EQ(m->calendario[static_cast<size_t>(m->estado.dataatual - 1)].competicao, kEstadual);
    ASSERT_TRUE(campeoesestaduaisdoano(*m, m->estado.temporada).empty());
    m->estado.intervalohumano = m->estado.intervalocomputador = 1;

    FechaModais modais;
    ControleJogo c(std::move(j.mundo), false);
    c.inicia();
    ASSERT_NE(c.principal(), nullptr);
    teste::escalaejoga(c.principal());
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 60000);
    EXPECT_FALSE(modais.vistos.contains("TForm66"));
    c.resultados()->findChild<QPushButton*>("continuar")->click();
    // The state champions came between the results and the next date.
    EXPECT_TRUE(modais.vistos.contains("TForm66")) << modais.vistos.join(",").toStdString();
    EXPECT_GE(campeoesestaduaisdoano(*m, m->estado.temporada).size(), 5u);
    EXPECT_EQ(modais.vistos.count("TForm66"), 1);
}

TEST(TelasHistorico, MenusOpenEveryScreen) {
    Mundo m = mundojogado();
    ASSERT_GE(m.estado.temporada, 3);
    TelaPrincipal p(m);
    p.show();

    QWidget* campeoes = abre(p, "campeoes", "TForm29");
    ASSERT_NE(campeoes, nullptr);
    auto* grade = campeoes->findChild<QTableWidget*>("grade");
    // The league of the human club's country, newest first, one row per past season.
    ASSERT_GE(grade->rowCount(), 3);
    EXPECT_GT(grade->item(0, 0)->text().toInt(), grade->item(1, 0)->text().toInt());
    EXPECT_FALSE(grade->item(0, 1)->text().isEmpty());
    EXPECT_FALSE(grade->item(0, 3)->text().isEmpty());  // top scorer
    auto* tela = static_cast<TelaCampeoes*>(campeoes);
    ASSERT_TRUE(tela->mostra("Estadual"));
    EXPECT_GE(grade->rowCount(), 3);
    EXPECT_TRUE(tela->mostra("Copa"));
    EXPECT_GE(grade->rowCount(), 3);
    campeoes->close();

    QWidget* art = abre(p, "artilheiros", "TForm20");
    ASSERT_NE(art, nullptr);
    auto* ga = art->findChild<QTableWidget*>("grade");
    auto* ver = art->findChild<QComboBox*>("ver");
    EXPECT_EQ(ver->itemText(0), "Nacional - 1ª divisão");
    ver->setCurrentIndex(ver->findText("Melhores de Sempre"));
    EXPECT_EQ(ga->rowCount(), 100);
    EXPECT_TRUE(art->findChild<QLabel*>("cliqueaqui")->isVisibleTo(art));
    static_cast<TelaArtilheiros*>(art)->mostratodos();
    EXPECT_GT(ga->rowCount(), 100);
    EXPECT_FALSE(art->findChild<QLabel*>("cliqueaqui")->isVisibleTo(art));
    for (int r = 1; r < ga->rowCount(); ++r)
        ASSERT_GE(ga->item(r - 1, 5)->text().toInt(), ga->item(r, 5)->text().toInt());
    art->close();

    QWidget* rt = abre(p, "rankingtecnicos", "TForm47");
    ASSERT_NE(rt, nullptr);
    EXPECT_EQ(rt->windowTitle(), "Ranking de técnicos - Brasil");
    auto* gt = rt->findChild<QTableWidget*>("grade");
    ASSERT_GT(gt->rowCount(), 10);
    gt->setCurrentCell(0, 1);
    EXPECT_TRUE(rt->findChild<QLabel*>("pontos")->text().endsWith(" pontos"));
    auto* est = rt->findChild<QTableWidget*>("estatisticas");
    EXPECT_EQ(est->rowCount(), 4);  // three seasons and the career
    EXPECT_EQ(est->item(3, 1)->text(), "Total carreira:");
    static_cast<TelaRankingTecnicos*>(rt)->mundial();
    EXPECT_EQ(rt->windowTitle(), "Ranking de técnicos - Mundial");
    rt->close();

    QWidget* rc = abre(p, "rankingclubes", "TForm71");
    ASSERT_NE(rc, nullptr);
    auto* gc = rc->findChild<QTableWidget*>("grade");
    ASSERT_GT(gc->rowCount(), 10);
    EXPECT_TRUE(gc->item(0, 3)->text().endsWith(" pts"));
    EXPECT_GE(gc->item(0, 9)->text().toInt(), gc->item(1, 9)->text().toInt());
    static_cast<TelaRankingClubes*>(rc)->escolhe(VisaoRankingClubes::PontosCorridos);
    EXPECT_TRUE(gc->item(0, 3)->text().startsWith("("));
    EXPECT_TRUE(rc->findChild<QLabel*>("legenda")->isVisibleTo(rc));
    rc->close();

    QWidget* retro = abre(p, "retrospecto", "TForm55");
    ASSERT_NE(retro, nullptr);
    auto* gr = retro->findChild<QTableWidget*>("grade");
    EXPECT_EQ(gr->item(0, 0)->text().toInt(), anotemporada(m.estado.temporada));
    bool colocacao = false;
    for (int r = 0; r < gr->rowCount(); ++r)
        colocacao = colocacao || gr->item(r, 2)->text().endsWith("ª divisão");
    EXPECT_TRUE(colocacao);
    EXPECT_NE(retro->findChild<QWidget*>("graficoposicoes"), nullptr);
    retro->close();

    QWidget* conf = abre(p, "confrontos", "TForm15");
    ASSERT_NE(conf, nullptr);
    EXPECT_TRUE(conf->findChild<QLabel*>("total")->text().contains("jogo"));
    conf->close();
}

TEST(TelasHistorico, GalleryStateChampionsAndTournaments) {
    Mundo m = mundojogado();
    // The coach with the most titles.
    int melhor = 0;
    for (size_t t = 0; t < m.tecnicos.size(); ++t)
        if (m.tecnicos[t].conquistas[1] > m.tecnicos[static_cast<size_t>(melhor)].conquistas[1]) melhor = static_cast<int>(t);
    ASSERT_GT(m.tecnicos[static_cast<size_t>(melhor)].conquistas[1], 0);
    TelaGaleria g(m, melhor);
    EXPECT_EQ(g.objectName(), "TForm19");
    auto* gg = g.findChild<QTableWidget*>("grade");
    ASSERT_GT(gg->rowCount(), 1);
    EXPECT_TRUE(gg->item(0, 0)->text().startsWith("Nacional ("));
    EXPECT_NE(g.findChild<QWidget*>("graficopontos"), nullptr);

    // State champions of the season once the finals are over; automatic mode presses on.
    m.estado.faseestadual = 8;
    m.estado.temporada -= 1;  // the last finished season's row
    TelaCampeoesEstaduais e(m, false);
    EXPECT_EQ(e.windowTitle(), "Campeões Estaduais " + QString::number(anotemporada(m.estado.temporada)));
    auto* ge = e.findChild<QTableWidget*>("grade");
    ASSERT_GE(ge->rowCount(), 5);
    EXPECT_TRUE(ge->item(0, 3)->text().endsWith(" gols"));

    // National-team tournaments from the edition history (entries put there by hand).
    m.estado.ckcopamundo = m.estado.ckcopaamerica = m.estado.ckeurocopa = 1;
    m.estado.edicoes[2] = 1;
    THistoricoTorneio& h = m.estado.historicotorneios[2];
    h.campeao[0] = 65;
    h.vice[0] = 3;
    h.terceiro[0] = 104;
    h.quarto[0] = 72;
    h.tecnico[0].define("Treinador Espanhol");
    h.artilheiro[0].define("Goleador");
    h.golsartilheiro[0] = 5;
    h.paisartilheiro[0] = 65;
    TelaCampeoes c(m);
    ASSERT_TRUE(c.mostra("Eurocopa"));
    auto* gc = c.findChild<QTableWidget*>("grade");
    ASSERT_EQ(gc->rowCount(), 1);
    EXPECT_EQ(gc->item(0, 0)->text(), "2008");
    EXPECT_EQ(gc->item(0, 1)->text(), "Austria");
    EXPECT_EQ(gc->item(0, 2)->text(), "Espanha");
    EXPECT_EQ(gc->item(0, 6)->text(), "Treinador Espanhol");
    EXPECT_EQ(gc->item(0, 7)->text(), "Goleador (Espanha) - 5 gols");
    // Continental and club world cup titles recorded by their competitions show too.
    m.estado.ckinter = 1;
    m.estado.temporada = 50;  // newer than anything played
    registracolocado(m, kMundialClubes, 5, -1, 1, -1);
    registracolocado(m, kMundialClubes, 6, -1, 2, -1);
    registracolocado(m, kContinental1, 7, 2, 1, -1);
    TelaCampeoes c2(m);
    ASSERT_TRUE(c2.mostra("Mundial Interclubes"));
    auto* g2 = c2.findChild<QTableWidget*>("grade");
    ASSERT_GE(g2->rowCount(), 1);
    EXPECT_EQ(g2->item(0, 0)->text(), "2057");
    EXPECT_EQ(g2->item(0, 1)->text(), QString::fromStdString(m.times[5].nome.utf8()));
    EXPECT_EQ(g2->item(0, 2)->text(), QString::fromStdString(m.times[6].nome.utf8()));
    ASSERT_TRUE(c2.mostra("Liga Campeões"));
    ASSERT_GE(g2->rowCount(), 1);
    EXPECT_EQ(g2->item(0, 1)->text(), QString::fromStdString(m.times[7].nome.utf8()));
}
