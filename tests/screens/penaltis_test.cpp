// Penalty windows and the cup bracket, with every pause shortened.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <QFrame>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "competitions/copas.h"
#include "competitions/partidas.h"
#include "competitions/screens/copa_tela.h"
#include "match/penaltis.h"
#include "match/screens/disputa_penaltis_tela.h"
#include "match/screens/interacao_penaltis_janelas.h"
#include "match/screens/penalti_tela.h"
#include "match/screens/selecao_batedores_tela.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

constexpr double kRapido = 0.005;  // 2 s become 10 ms

std::vector<int> elencode(const Mundo& m, int time) {
    std::vector<int> r;
    for (size_t j = 1; j < m.jogadores.size(); ++j)
        if (m.jogadores[j].time == time) r.push_back(static_cast<int>(j));
    return r;
}

bool espera(const std::function<bool()>& condicao) { return QTest::qWaitFor(condicao, 5000); }

// Runs `acao` on the modal window with the given name as soon as it is open.
void quandoabrir(const QString& nome, std::function<void(QWidget*)> acao) {
    auto* relogio = new QTimer;
    relogio->setInterval(5);
    QObject::connect(relogio, &QTimer::timeout, [relogio, nome, acao] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w->objectName() != nome || !w->isVisible()) return;
        relogio->stop();
        relogio->deleteLater();
        acao(w);
    });
    relogio->start();
}

}  // namespace

TEST(JanelasPenalti, CobrancaHumanaEscolheBateENarraAteFechar) {
    Mundo m = mundopequeno(2, 12);
    m.aleatorio.semeia(5);
    const std::vector<int> candidatos = elencode(m, 0);
    int chamadas = 0, escolhido = -1;
    TCobrancaPenalti feita;
    auto cobra = [&](int batedor) {
        ++chamadas;
        escolhido = batedor;
        feita = cobrancahumana(m, batedor, -1);
        return feita;
    };
    TelaCobrancaPenalti janela(m, 0, std::vector<int>(candidatos.begin(), candidatos.begin() + 11), cobra, kRapido);
    EXPECT_EQ(janela.objectName(), "TForm34");
    auto* grade = janela.findChild<QTableWidget*>("jogadores");
    auto* bater = janela.findChild<QPushButton*>("bater");
    ASSERT_TRUE(grade && bater);
    QStringList cabecalhos;
    for (int c = 0; c < grade->columnCount(); ++c) cabecalhos << grade->horizontalHeaderItem(c)->text();
    for (const char* c : {"P", "Jogador", "F", "Energia", "Característ."}) EXPECT_TRUE(cabecalhos.contains(c)) << c;
    EXPECT_EQ(grade->rowCount(), 11);
    EXPECT_EQ(grade->item(3, 4)->text(), "100%");
    EXPECT_EQ(bater->text(), "Bater");
    EXPECT_FALSE(bater->isEnabled());

    janela.show();
    grade->selectRow(3);
    ASSERT_TRUE(bater->isEnabled());
    QTest::mouseClick(bater, Qt::LeftButton);
    EXPECT_EQ(chamadas, 1);
    EXPECT_EQ(escolhido, candidatos[3]);
    EXPECT_TRUE(bater->isHidden());
    // First line at once: the kicker's name and how he prepares.
    EXPECT_TRUE(janela.narracao().startsWith(QString::fromUtf8(m.jogadores[candidatos[3]].nome.utf8()) + " "));
    EXPECT_TRUE(espera([&] { return !janela.isVisible(); }));
    EXPECT_EQ(janela.narracao(), QString::fromUtf8(feita.falas.back()));
    EXPECT_EQ(janela.result(), QDialog::Accepted);
    EXPECT_EQ(chamadas, 1);
}

TEST(JanelasPenalti, CobrancaDoComputadorMostradaEFechada) {
    Mundo m = mundopequeno(2, 12);
    const TCobrancaPenalti c = cobrancacomputador(m, 5, 15);
    TelaPenaltiComputador janela(m, 0, c, kRapido);
    EXPECT_EQ(janela.objectName(), "TForm54");
    QStringList vistas;
    QObject::connect(&janela, &TelaPenaltiComputador::fala, [&](const QString& t) {
        vistas << t;
        EXPECT_EQ(janela.narracao(), t);
    });
    janela.show();
    // Every line of the kick passes through the window before it closes.
    EXPECT_TRUE(espera([&] { return !janela.isVisible(); }));
    ASSERT_EQ(vistas.size(), 3);
    EXPECT_TRUE(vistas[0].startsWith(QString::fromUtf8(m.jogadores[5].nome.utf8()) + " "));
    EXPECT_EQ(vistas[1], "Bate o penalty e...");
    EXPECT_EQ(vistas[2], QString::fromUtf8(c.falas[2]));
}

TEST(JanelasPenalti, SelecaoDosBatedoresLiberaProximo) {
    Mundo m = mundopequeno(2, 12);
    const std::vector<int> disponiveis = elencode(m, 1);
    TelaSelecaoBatedores janela(m, 1, disponiveis);
    EXPECT_EQ(janela.objectName(), "TForm37");
    EXPECT_EQ(janela.windowTitle(), QString::fromUtf8("Desempate por Penaltis - Seleção dos batedores"));
    auto* grade = janela.findChild<QTableWidget*>("disponiveis");
    auto* mover = janela.findChild<QPushButton*>("mover");
    auto* automatico = janela.findChild<QPushButton*>("automatico");
    auto* proximo = janela.findChild<QPushButton*>("proximo");
    auto* ordem = janela.findChild<QListWidget*>("ordem");
    ASSERT_TRUE(grade && mover && automatico && proximo && ordem);
    EXPECT_EQ(mover->text(), ">>");
    EXPECT_EQ(automatico->text(), QString::fromUtf8("Automático"));
    EXPECT_EQ(proximo->text(), QString::fromUtf8("Próximo >>"));
    janela.show();
    EXPECT_FALSE(proximo->isEnabled());
    EXPECT_EQ(grade->rowCount(), 12);

    // Two chosen by hand: the fifth listed, then (the list having closed up) the first.
    grade->selectRow(4);
    QTest::mouseClick(mover, Qt::LeftButton);
    grade->selectRow(0);
    QTest::mouseClick(mover, Qt::LeftButton);
    EXPECT_EQ(grade->rowCount(), 10);
    EXPECT_EQ(ordem->count(), 2);
    EXPECT_FALSE(proximo->isEnabled());
    // The rest at once, the last listed first.
    QTest::mouseClick(automatico, Qt::LeftButton);
    EXPECT_EQ(grade->rowCount(), 0);
    EXPECT_TRUE(proximo->isEnabled());
    std::vector<int> esperado = {disponiveis[4], disponiveis[0]};
    for (int k = 11; k >= 1; --k)
        if (k != 4) esperado.push_back(disponiveis[static_cast<size_t>(k)]);
    EXPECT_EQ(janela.batedores(), esperado);
    QTest::mouseClick(proximo, Qt::LeftButton);
    EXPECT_EQ(janela.result(), QDialog::Accepted);
}

TEST(JanelasPenalti, DisputaAssistidaTerminaComOVencedor) {
    Mundo m = mundopequeno(2, 12);
    m.aleatorio.semeia(9);
    TDisputaPenaltis d;
    d.times = {0, 1};
    d.batedores[0] = elencode(m, 0);
    d.batedores[1] = elencode(m, 1);
    while (!d.vencedor) cobrancadisputa(m, d);
    TelaDisputaPenaltis janela(m, d, kRapido);
    EXPECT_EQ(janela.objectName(), "TForm38");
    EXPECT_EQ(janela.windowTitle(), QString::fromUtf8("Decisão por Penaltis"));
    janela.show();
    EXPECT_TRUE(janela.resultado().isEmpty());
    EXPECT_TRUE(espera([&] { return !janela.resultado().isEmpty(); }));
    EXPECT_EQ(janela.mostradas(), d.cobrancas.size());
    EXPECT_EQ(janela.placar(), d.placar);
    EXPECT_EQ(janela.resultado(), "Clube " + QString::number(d.vencedor - 1) + " venceu.");
    auto* primeira = janela.findChild<QTableWidget*>("cobrancas1");
    ASSERT_TRUE(primeira);
    EXPECT_EQ(primeira->horizontalHeaderItem(0)->text(), "Batedor:");
    int gols = 0;
    for (int r = 0; r < primeira->rowCount(); ++r) {
        const QString t = primeira->item(r, 1)->text();
        EXPECT_TRUE(t == "Gol" || t == "Perdeu");
        gols += t == "Gol";
    }
    EXPECT_EQ(gols, d.placar[0]);
    EXPECT_TRUE(espera([&] { return !janela.isVisible(); }));
}

TEST(JanelasPenalti, InteracaoAbreAsJanelasModais) {
    Mundo m = mundopequeno(2, 12);
    m.aleatorio.semeia(4);
    m.times[1].humano = 1;
    for (auto& j : m.jogadores) j.jogouhoje = j.time >= 0;
    PenaltisJanelas janelas(nullptr, kRapido);

    // A shoot-out with a human club: his coach orders the kickers ("Automático", "Próximo >>"),
    // then watches it.
    bool selecao = false, assistida = false;
    quandoabrir("TForm37", [&](QWidget* w) {
        selecao = true;
        QTest::mouseClick(w->findChild<QPushButton*>("automatico"), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QPushButton*>("proximo"), Qt::LeftButton);
        quandoabrir("TForm38", [&](QWidget*) { assistida = true; });
    });
    const TDisputaPenaltis d = disputapenaltis(m, janelas, 0, 1, true, false);
    EXPECT_TRUE(selecao);
    EXPECT_TRUE(assistida);
    EXPECT_NE(d.vencedor, 0);
    std::vector<int> invertido = elencode(m, 1);
    std::reverse(invertido.begin(), invertido.end());
    EXPECT_EQ(d.batedores[1], invertido);

    // The kick of a human club during a match: the coach picks a row and presses "Bater".
    std::vector<int> candidatos = elencode(m, 1);
    candidatos.resize(11);
    int batedor = -1;
    quandoabrir("TForm34", [&](QWidget* w) {
        w->findChild<QTableWidget*>("jogadores")->selectRow(2);
        QTest::mouseClick(w->findChild<QPushButton*>("bater"), Qt::LeftButton);
    });
    janelas.cobrapenalti(m, 1, candidatos, candidatos[9], [&](int j) {
        batedor = j;
        return cobrancahumana(m, j, -1);
    });
    EXPECT_EQ(batedor, candidatos[2]);

    // A computer club's kick closes by itself.
    bool mostrada = false;
    quandoabrir("TForm54", [&](QWidget*) { mostrada = true; });
    janelas.mostrapenalti(m, 0, cobrancacomputador(m, 3, candidatos[0]));
    EXPECT_TRUE(mostrada);
}

namespace {
// A 16-club cup (one division of 20) with both legs of every phase played, the round of 16's
// first tie 2-1 and, at the other club's home, 1-0 (the leg-1 away club goes through on away
// goals) and the second 1-1 and 1-1 (a shoot-out).
Mundo copajogada(int ultimafase) {
    Mundo m = mundoliga(2, 1);
    m.aleatorio.semeia(12);
    m.estado.fasecopa = 2;
    m.estado.jogocopa = 1;
    for (int fase = 2; fase <= 5; ++fase)
        for (int t = 1; t <= 16 >> (fase - 1); ++t)
            for (int perna = 1; perna <= 2; ++perna) {
                TPartida p{};
                p.mandante = p.visitante = -1;
                p.competicao = kCopaNacional;
                p.rodada = fase;
                p.turno = t;
                p.liga = 0;
                p.data = fase * 10 + perna;
                m.partidas.push_back(p);
            }
    sorteiacopanacional(m, 0);
    InteracaoPenaltis ui;
    while (m.estado.fasecopa <= ultimafase) {
        for (int perna = 1; perna <= 2; ++perna) {
            const int primeiro = procurajogo(m, 0, kCopaNacional, m.estado.fasecopa);
            for (int i = primeiro; i < static_cast<int>(m.partidas.size()); i += 2) {
                TPartida& p = m.partidas[static_cast<size_t>(i + perna - 1)];
                if (p.rodada != m.estado.fasecopa) break;
                const int tie = (i - primeiro) / 2;
                const bool primeira = m.estado.fasecopa == 2;
                p.golsmandante = primeira && tie == 0 ? (perna == 1 ? 2 : 1) : primeira && tie == 1 ? 1 : m.sorteia(4);
                p.golsvisitante = primeira && tie == 0 ? (perna == 1 ? 1 : 0) : primeira && tie == 1 ? 1 : m.sorteia(4);
                p.jogado = 1;
                if (perna == 2) penaltisconfronto(m, ui, i + 1, nullptr, nullptr);
            }
            encerradatacopa(m, ui);
        }
    }
    return m;
}
}  // namespace

TEST(TabelaCopa, ChavesResultadosPenaltisECampeao) {
    Mundo m = copajogada(2);
    TelaCopa tela(m, 0);
    EXPECT_EQ(tela.objectName(), "TForm35");
    EXPECT_EQ(tela.windowTitle(), "Tabela da Copa do Brasil");
    // Without a first phase the round of 16 starts at box 17 and its clubs fill the first column.
    const TPartida& ida1 = m.partidas[0];
    EXPECT_EQ(tela.nome(17, 1), QString::fromUtf8(m.times[ida1.mandante].nome.utf8()));
    EXPECT_EQ(tela.nome(1, 1), tela.nome(17, 1));
    EXPECT_EQ(tela.nome(2, 1), tela.nome(17, 2));
    for (int caixa = 1; caixa <= 16; ++caixa) EXPECT_FALSE(tela.nome(caixa, 1).isEmpty()) << caixa;
    // Leg 2 is seen from the leg-1 home club.
    EXPECT_EQ(tela.resultado(17), "2x1-0x1");
    EXPECT_EQ(tela.nome(25, 1), QString::fromUtf8(m.times[ida1.visitante].nome.utf8()));
    EXPECT_TRUE(tela.resultado(18).startsWith("1x1-1x1;P:")) << tela.resultado(18).toStdString();
    // The quarter-finals are drawn but not played; the champion is not known.
    EXPECT_TRUE(tela.resultado(25).isEmpty());
    EXPECT_TRUE(tela.nome(31, 1).isEmpty());
    EXPECT_TRUE(tela.campeao().isEmpty());

    Mundo fim = copajogada(5);
    TelaCopa final(fim, 0);
    final.show();
    ASSERT_GT(fim.estado.fasecopa, 5);
    EXPECT_FALSE(final.resultado(31).isEmpty());
    const QString campeao = final.campeao();
    EXPECT_FALSE(campeao.isEmpty());
    EXPECT_TRUE(campeao == final.nome(31, 1) || campeao == final.nome(31, 2));

    // Long names fit their boxes.
    for (TTime& t : fim.times) t.nome.define("Associacao Atletica Longa");
    TelaCopa longa(fim, 0);
    longa.show();
    QApplication::processEvents();
    int vistos = 0;
    for (QFrame* caixa : longa.findChildren<QFrame*>())
        if (caixa->objectName().startsWith("caixa"))
            for (QLabel* l : caixa->findChildren<QLabel*>())
                if (!l->text().isEmpty() && l->objectName().isEmpty()) {
                    ++vistos;
                    EXPECT_GE(l->contentsRect().width(), l->fontMetrics().horizontalAdvance(l->text()))
                        << caixa->objectName().toStdString();
                }
    EXPECT_GT(vistos, 16);
}
