#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include "club/estadio.h"
#include "club/screens/amistosos_tela.h"
#include "club/screens/estadio_tela.h"
#include "match/diajogo.h"
#include "match/interacao.h"
#include "match/relatorios.h"
#include "match/screens/relatorio_tela.h"
#include "match/screens/resultados_tela.h"
#include "model/hoje.h"
#include "principal_apoio.h"
#include "ui/tela.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// Answers every yes/no question while alive, and keeps the texts asked.
struct Respostas {
    explicit Respostas(bool sim) {
        antes = ganchopergunta();
        ganchopergunta() = [this, sim](QWidget*, const QString& t) {
            perguntas << t;
            return sim;
        };
    }
    ~Respostas() { ganchopergunta() = antes; }
    GanchoPergunta antes;
    QStringList perguntas;
};

}  // namespace

// The stadium screen: capacities, prices with their buttons, reference prices; the expansion
// window quotes, refuses and starts works, after which the stadium screen shows the end date.
TEST(TelaEstadio, PrecosEExpansao) {
    auto m = mundohumano();
    TTime& c = m->times[0];
    c.capacidade[0] = 9000;
    c.dinheiro = 175000;
    TelaEstadio t(*m, 0);
    EXPECT_EQ(t.objectName(), "TForm8");
    EXPECT_TRUE(t.findChild<QLabel*>("titulo")->text().endsWith(" lugares"));
    EXPECT_EQ(t.findChild<QLabel*>("referencia1")->text(), QString("Ger.: $%1").arg(m->precospadrao[1][0]));
    const int preco = c.precoingresso[1];
    t.findChild<QPushButton*>("sobe2")->click();
    EXPECT_EQ(c.precoingresso[1], preco + 1);
    EXPECT_EQ(t.findChild<QLabel*>("preco2")->text(), QString("$%1").arg(preco + 1));
    c.precoingresso[3] = 0;
    t.findChild<QPushButton*>("desce4")->click();
    EXPECT_EQ(c.precoingresso[3], 0);

    TelaExpansao e(*m, 0);
    EXPECT_EQ(e.objectName(), "TForm10");
    auto* mensagem = e.findChild<QLabel*>("mensagem");
    auto* iniciar = e.findChild<QPushButton*>("iniciar");
    e.findChild<QLineEdit*>("acrescimo1")->setText("20000");
    e.findChild<QPushButton*>("orcamento")->click();
    EXPECT_TRUE(mensagem->text().startsWith("Nossos engenheiros informaram"));
    EXPECT_TRUE(iniciar->isHidden());
    e.findChild<QLineEdit*>("acrescimo1")->setText("1000");
    e.findChild<QPushButton*>("orcamento")->click();
    EXPECT_TRUE(mensagem->text().startsWith("Custo total da obra, incluindo o custo do projeto inicial: $175 000\n"
                                            "Data prevista para o fim da obra:"))
        << mensagem->text().toStdString();
    EXPECT_FALSE(iniciar->isHidden());
    c.dinheiro = 174999;
    iniciar->click();
    EXPECT_EQ(mensagem->text(), "Dinheiro insuficiente para esta obra.");
    c.dinheiro = 175000;
    iniciar->click();
    EXPECT_TRUE(e.iniciou());
    EXPECT_EQ(c.dinheiro, 0);
    EXPECT_EQ(m->financas[0].obrasestadio, 175000);

    TelaEstadio depois(*m, 0);
    EXPECT_TRUE(depois.findChild<QLabel*>("andamento")->text().startsWith("Expansão em andamento, previsão de término:"));
    EXPECT_TRUE(depois.findChild<QPushButton*>("expandir")->isHidden());
}

// Booking a friendly: dates and opponents, the fee confirmation, the refusal for lack of money.
TEST(TelaAmistosos, MarcaComCota) {
    auto m = mundohumano();
    m->estado.dataatual = 1;
    TelaAmistosos t(*m, 0, false);
    EXPECT_EQ(t.objectName(), "TForm81");
    EXPECT_EQ(t.windowTitle(), "Marcar amistoso");
    auto* datas = t.findChild<QListWidget*>("datas");
    auto* adversarios = t.findChild<QListWidget*>("adversarios");
    auto* marcar = t.findChild<QPushButton*>("marcar");
    auto* resultado = t.findChild<QLabel*>("resultado");
    ASSERT_GT(datas->count(), 1);
    EXPECT_FALSE(adversarios->isEnabled());
    EXPECT_FALSE(marcar->isEnabled());
    datas->setCurrentRow(0);
    EXPECT_TRUE(adversarios->isEnabled());
    adversarios->setCurrentRow(0);
    EXPECT_TRUE(marcar->isEnabled());
    m->times[0].dinheiro = 0;
    marcar->click();
    EXPECT_TRUE(resultado->text().startsWith("dinheiro insuficiente para a cota de ")) << resultado->text().toStdString();
    m->times[0].dinheiro = 10000000;
    {
        Respostas nao(false);
        marcar->click();
        EXPECT_EQ(resultado->text(), "amistoso rejeitado");
        ASSERT_EQ(nao.perguntas.size(), 1);
        EXPECT_TRUE(nao.perguntas[0].contains(" quer uma cota de "));
    }
    const int antes = datas->count();
    Respostas sim(true);
    marcar->click();
    EXPECT_EQ(resultado->text(), "amistoso marcado");
    EXPECT_EQ(m->amistosos.size(), 1u);
    EXPECT_LT(m->times[0].dinheiro, 10000000);
    EXPECT_EQ(datas->count(), antes - 1);
    EXPECT_FALSE(marcar->isEnabled());

    TelaAmistosos pre(*m, 0, true);
    EXPECT_EQ(pre.windowTitle(), "Marcar amistosos pré-temporada");
    EXPECT_TRUE(pre.findChild<QLabel*>("inicio")->text().startsWith("Camp. nacional se inicia em "));
}

// A played day: the results screen lists the day's reports and shows the selected one; the
// viewer shows the same report; F6 and the "Estádio" icon open the stadium.
TEST(TelaRelatorio, ResultadosEVisualizador) {
    auto m = mundohumano();
    InteracaoComputador ia;
    comecadia(*m);
    jogadia(*m, ia);
    ASSERT_GT(m->estado.numrelatorios, 0);
    TelaResultados r(*m, kLiga, datahoje(*m));
    auto* lista = r.findChild<QTableWidget*>("resultados");
    ASSERT_EQ(lista->rowCount(), m->estado.numrelatorios);
    lista->setCurrentCell(0, 0);
    const int rel = r.relatoriodalinha(0);
    ASSERT_GE(rel, 0);
    const TRelatorioPartida& x = m->relatorios[static_cast<size_t>(rel)];
    auto* publico = r.findChild<QLabel*>("publico");
    EXPECT_TRUE(publico->text().startsWith("Público: ")) << publico->text().toStdString();
    EXPECT_TRUE(publico->text().endsWith(" pagantes"));
    EXPECT_TRUE(r.findChild<QLabel*>("setores")->text().startsWith("(G:"));
    EXPECT_TRUE(r.findChild<QLabel*>("renda")->text().startsWith("Renda: $"));
    EXPECT_EQ(r.findChild<QLabel*>("estadio")->text(),
              QString::fromStdString(m->times[static_cast<size_t>(x.mandante)].estadio.utf8()));
    const QString detalhes = r.findChild<QTextBrowser*>("detalhes")->toPlainText();
    EXPECT_TRUE(detalhes.contains("Posse de bola"));
    EXPECT_TRUE(detalhes.contains("Finalizações"));
    EXPECT_TRUE(detalhes.contains(QString::fromStdString(m->jogadores[static_cast<size_t>(x.onzemandante[0])].nome.utf8())));

    TelaRelatorio v(*m, rel);
    EXPECT_EQ(v.objectName(), "TForm17");
    EXPECT_TRUE(v.findChild<QLabel*>("placar")->text().contains(QString("%1 x %2").arg(x.golsmandante).arg(x.golsvisitante)));
    EXPECT_EQ(v.findChild<QListWidget*>("eventos")->count(),
              std::min<int>(25, static_cast<int>(eventosdorelatorio(*m, rel).size())));

    // The main screen's icon opens the stadium.
    TelaPrincipal p(*m);
    p.show();
    QAction* estadio = p.menuBar()->findChild<QAction*>("estadio");
    ASSERT_NE(estadio, nullptr);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "TForm8" && w->isVisible()) w->close();
    });
    estadio->trigger();
    bool aberta = false;
    for (QWidget* w : QApplication::topLevelWidgets()) aberta = aberta || w->objectName() == "TForm8";
    EXPECT_TRUE(aberta);
}

// The pre-season question: "Sim" books, "Não" goes straight on.
TEST(TelaAmistosos, PerguntaPreTemporada) {
    for (const char* botao : {"sim", "nao"}) {
        QTimer::singleShot(0, [botao] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "TForm85" && w->isVisible())
                    if (auto* b = w->findChild<QPushButton*>(botao)) b->click();
        });
        EXPECT_EQ(perguntapretemporada(nullptr), std::string(botao) == "sim");
    }
}
