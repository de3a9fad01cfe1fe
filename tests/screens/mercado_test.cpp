// The market windows driven as a coach drives them: a purchase and an offer from "Ver todos os
// times", a listing and an auction from "Venda de jogador", a loan taken and sent back.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "club/elenco.h"
#include "club/emprestimos.h"
#include "club/leilao.h"
#include "club/screens/clubes_tela.h"
#include "club/screens/leilao_tela.h"
#include "club/screens/venda_tela.h"
#include "club/transferencias.h"
#include "principal_apoio.h"
#include "ui/tela.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

void quandoabrir(const std::function<void(QWidget*)>& passo) {
    QTimer::singleShot(0, [passo] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        passo(w);
    });
}

// Message boxes and questions answered without a modal box: the texts are kept, questions get
// `sim`.
struct Ganchos {
    QStringList mensagens;
    QStringList perguntas;
    GanchoMensagem m0 = ganchomensagem();
    GanchoPergunta p0 = ganchopergunta();
    explicit Ganchos(bool sim = true) {
        ganchomensagem() = [this](QWidget*, const QString& t) { mensagens << t; };
        ganchopergunta() = [this, sim](QWidget*, const QString& t) {
            perguntas << t;
            return sim;
        };
    }
    ~Ganchos() {
        ganchomensagem() = m0;
        ganchopergunta() = p0;
    }
};

void selecionalinha(QTableWidget* g, int jogador) {
    for (int r = 0; r < g->rowCount(); ++r)
        if (g->item(r, g->columnCount() - 1)->text().toInt() == jogador) g->selectRow(r);
}

}  // namespace

// "Ver todos os times" from the main screen's menu: a listed player is bought with "Comprar",
// the squad grid grows and "Jogador comprado com sucesso." is told.
TEST(TelasMercado, CompraPelaTelaPrincipal) {
    auto m = mundohumano();
    for (int t = 0; t < 10; ++t) recontaelenco(*m, t);
    const int p = elenco(*m, 3)[4];
    colocaalista(*m, p, 200000);
    m->times[0].dinheiro = 1000000;
    TelaPrincipal tela(*m);
    tela.show();
    Ganchos g;
    QAction* times = nullptr;
    for (QAction* a : tela.menuBar()->actions())
        if (a->text() == "Ver todos os times") times = a;
    ASSERT_NE(times, nullptr);
    bool viu = false;
    quandoabrir([&](QWidget* w) {
        auto* c = qobject_cast<TelaClubes*>(w);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->clube(), 0);
        c->mostraclube(3);
        auto* grade = c->findChild<QTableWidget*>("jogadores");
        auto* comprar = c->findChild<QPushButton*>("comprar");
        auto* oferta = c->findChild<QPushButton*>("fazeroferta");
        selecionalinha(grade, elenco(*m, 3)[5]);  // not listed: only an offer
        EXPECT_FALSE(comprar->isEnabled());
        EXPECT_TRUE(oferta->isEnabled());
        selecionalinha(grade, p);
        EXPECT_TRUE(comprar->isEnabled());
        comprar->click();
        viu = true;
        c->findChild<QPushButton*>("fechar")->click();
    });
    times->trigger();
    EXPECT_TRUE(viu);
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].time, 0);
    EXPECT_EQ(m->times[0].dinheiro, 800000);
    EXPECT_TRUE(g.mensagens.contains("Jogador comprado com sucesso."));
    EXPECT_EQ(tela.plantel().linhadojogador(p) >= 0, true);
}

// "Fazer uma oferta": a low offer is turned down; one above the table's factor buys the player.
// The amount echo turns red beyond the coach's cash and "Propor compra" is disabled.
TEST(TelasMercado, OfertaPorJogadorDoComputador) {
    auto m = mundohumano();
    for (int t = 0; t < 10; ++t) recontaelenco(*m, t);
    const int p = elenco(*m, 4)[6];
    m->jogadores[static_cast<size_t>(p)].passe = 100000;
    m->times[0].dinheiro = 1000000;
    Ganchos g;
    TelaClubes c(*m, 4, 0);
    c.show();
    selecionalinha(c.findChild<QTableWidget*>("jogadores"), p);
    int passo = 0;
    std::function<void(QWidget*)> oferta = [&](QWidget* w) {
        auto* proposta = w->findChild<QLineEdit*>("proposta");
        auto* propor = w->findChild<QPushButton*>("proporcompra");
        ASSERT_NE(proposta, nullptr);
        EXPECT_EQ(proposta->text(), "100");
        proposta->setText("1001");  // above the cash
        EXPECT_FALSE(propor->isEnabled());
        proposta->setText(passo == 0 ? "101" : "300");
        EXPECT_TRUE(propor->isEnabled());
        propor->click();
        if (passo == 0) w->findChildren<QPushButton*>().last()->click();  // "Fechar"
        ++passo;
    };
    quandoabrir(oferta);
    c.findChild<QPushButton*>("fazeroferta")->click();
    EXPECT_TRUE(g.mensagens.contains("Sua proposta não foi aceita"));
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].time, 4);
    quandoabrir(oferta);
    c.findChild<QPushButton*>("fazeroferta")->click();
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].time, 0);
    EXPECT_TRUE(c.mudou());
    EXPECT_EQ(m->transferencias.back().preco, 300000);
}

// "Venda de jogador": listing at a fixed price; then the coach's own auction at a start price,
// decided at once with no other human bidder.
TEST(TelasMercado, VendaEListagem) {
    auto m = mundohumano();
    for (int t = 0; t < 10; ++t) recontaelenco(*m, t);
    const int p = elenco(*m, 0)[3];
    m->jogadores[static_cast<size_t>(p)].passe = 500000;
    TelaVenda v(*m, p);
    EXPECT_EQ(v.findChild<QLineEdit*>("precoinicial")->text(), "500");
    v.findChild<QRadioButton*>("opcaolista")->setChecked(true);
    v.findChild<QLineEdit*>("precofixado")->setText("650");
    v.findChild<QPushButton*>("colocaravenda")->click();
    EXPECT_EQ(v.resultado(), TelaVenda::Listado);
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].avenda, 1);
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].precovenda, 650000);

    TelaVenda w(*m, p);
    EXPECT_TRUE(w.findChild<QRadioButton*>("opcaolista")->isChecked());
    w.findChild<QRadioButton*>("opcaoleilao")->setChecked(true);
    w.findChild<QLineEdit*>("precoinicial")->setText("0");
    EXPECT_FALSE(w.findChild<QPushButton*>("iniciarleilao")->isEnabled());
    w.findChild<QLineEdit*>("precoinicial")->setText("400");
    w.findChild<QPushButton*>("iniciarleilao")->click();
    ASSERT_EQ(w.resultado(), TelaVenda::Leilao);
    TelaLeilao l(*m, leilaodojogador(*m, p, w.preco()));
    l.defineritmo(0.01);
    l.show();
    QTRY_VERIFY_WITH_TIMEOUT(l.isHidden(), 5000);
    const QString r = l.findChild<QLabel*>("resultado")->text();
    EXPECT_TRUE(r.startsWith("Vendido ao ") || r == "Não houve compradores") << r.toStdString();
    EXPECT_EQ(l.vendidos() > 0, m->jogadores[static_cast<size_t>(p)].time != 0);
}

// An auction of a computer club's player: the coach bids far above the value and wins; Alt+F4
// does not close the window.
TEST(TelasMercado, LeilaoComLance) {
    auto m = mundohumano();
    for (int t = 0; t < 10; ++t) recontaelenco(*m, t);
    const int p = elenco(*m, 5)[2];
    m->jogadores[static_cast<size_t>(p)].passe = 100000;
    m->times[0].dinheiro = 2000000;
    TLeilao x = leilaodojogador(*m, p, 50000);
    x.davenda = x.dotecnico = false;
    TelaLeilao l(*m, x);
    l.defineritmo(0.01);
    l.show();
    QTRY_VERIFY(l.findChild<QLabel*>("licitante")->text().contains("Dinheiro em caixa: $2 milhões"));
    l.close();
    EXPECT_TRUE(l.isVisible());
    auto* lance = l.findChild<QLineEdit*>("lance");
    lance->setText("1200");
    EXPECT_EQ(l.findChild<QLabel*>("eco")->text(), "1 milhão 200 mil");
    l.findChild<QPushButton*>("ofertar")->click();
    EXPECT_EQ(l.findChild<QLabel*>("resultado")->text(), "Vendido ao Clube 0 por $1 milhão 200 mil");
    QTRY_VERIFY_WITH_TIMEOUT(l.isHidden(), 5000);
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].time, 0);
    EXPECT_EQ(m->times[0].dinheiro, 800000);
}

// "Pegar por empréstimo" on a player offered for loan, then "Cancelar Empréstimo" sends him back.
TEST(TelasMercado, Emprestimo) {
    auto m = mundohumano();
    for (int t = 0; t < 10; ++t) recontaelenco(*m, t);
    const int p = elenco(*m, 6)[7];
    m->jogadores[static_cast<size_t>(p)].emprestado = 1;
    Ganchos g;
    TelaClubes c(*m, 6, 0);
    c.show();
    auto* grade = c.findChild<QTableWidget*>("jogadores");
    selecionalinha(grade, p);
    auto* botao = c.findChild<QPushButton*>("pegaremprestimo");
    ASSERT_TRUE(botao->isEnabled());
    bool marcado = false;
    for (int r = 0; r < grade->rowCount(); ++r)
        if (grade->item(r, 12)->text().toInt() == p) marcado = grade->item(r, 11)->toolTip() == "Disponível para empréstimo";
    EXPECT_TRUE(marcado);
    botao->click();
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].time, 0);
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].emprestado, 2);
    EXPECT_TRUE(c.mudou());
    TelaPrincipal tela(*m);
    EXPECT_GE(tela.plantel().linhadojogador(p), 0);
    EXPECT_TRUE(cancelaemprestimo(*m, p));
    EXPECT_EQ(m->jogadores[static_cast<size_t>(p)].time, 6);
}

// A player of a higher division asks for a raise once his club accepted the offer: "Recusar"
// leaves him where he is, "Aceitar" buys him with the salary multiplied.
TEST(TelasMercado, AumentoPedidoPeloJogador) {
    auto m = mundohumano();
    for (int t = 0; t < 10; ++t) recontaelenco(*m, t);
    m->times[0].divisao = 2;  // the coach's club a division below the seller's
    const int p = elenco(*m, 4)[6];
    TJogador& j = m->jogadores[static_cast<size_t>(p)];
    j.forca = 50;
    j.salario = 10000;
    colocaalista(*m, p, 100000);
    j.passe = 100000;
    Ganchos g;
    QStringList botoes;
    bool aceita = false;
    GanchoPerguntaBotoes anterior = ganchoperguntabotoes();
    ganchoperguntabotoes() = [&](QWidget*, const QString& t, const QString& sim, const QString& nao) {
        botoes << t << sim << nao;
        return aceita;
    };
    TelaClubes c(*m, 4, 0);
    c.show();
    auto oferta = [&](QWidget* w) { w->findChild<QPushButton*>("proporcompra")->click(); };
    selecionalinha(c.findChild<QTableWidget*>("jogadores"), p);
    quandoabrir(oferta);
    c.findChild<QPushButton*>("fazeroferta")->click();
    EXPECT_EQ(j.time, 4);
    ASSERT_EQ(botoes.size(), 3);
    EXPECT_EQ(botoes[0], "Para jogar no seu clube " + QString::fromStdString(j.nome.utf8()) +
                             " quer um aumento de salário de 3 vezes, passando seu salário para $30 000. Deseja aceitar?");
    EXPECT_EQ(botoes[1], "Aceitar");
    EXPECT_EQ(botoes[2], "Recusar");
    aceita = true;
    selecionalinha(c.findChild<QTableWidget*>("jogadores"), p);
    quandoabrir(oferta);
    c.findChild<QPushButton*>("fazeroferta")->click();
    EXPECT_EQ(j.time, 0);
    EXPECT_EQ(j.salario, 30000);
    ganchoperguntabotoes() = anterior;
}
