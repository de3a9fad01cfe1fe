// The money windows: "Finanças" and "Empréstimo Bancário" opened from the main screen, and the
// contract proposal from the player panel.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "club/screens/contrato_tela.h"
#include "club/screens/financas_tela.h"
#include "competitions/calendario.h"
#include "model/hoje.h"
#include "ui/tela.h"
#include "principal_apoio.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

QAction* acao(QMenuBar* barra, const QString& menu, const QString& texto) {
    for (QAction* a : barra->actions())
        if (a->text() == menu && a->menu())
            for (QAction* b : a->menu()->actions())
                if (b->text() == texto) return b;
    return nullptr;
}

// Runs `passo` on the modal window once it is open (the caller then opens it with exec).
void quandoabrir(const std::function<void(QWidget*)>& passo) {
    QTimer::singleShot(0, [passo] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        passo(w);
    });
}

QString texto(QWidget* w, const char* nome) {
    auto* l = w->findChild<QLabel*>(nome);
    return l ? l->text() : QString("<sem %1>").arg(nome);
}

void esc(QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }

}  // namespace

TEST(TelasFinancas, EmprestimoEFinancasPelaTelaPrincipal) {
    auto m = mundohumano();
    m->times[0].dinheiro = 1200000;
    m->financas[0].emprestimo = 1500000;
    m->financas[0].ingressos = 250000;
    m->financas[0].premios = 1000000;
    m->financas[0].salarios = 54000;
    m->financas[0].juros = 45000;
    m->financas[0].salariosemanal = 18000;
    TelaPrincipal p(*m);
    p.show();
    auto* caixa = p.findChild<QLabel*>("dinheiro");
    EXPECT_EQ(caixa->text(), "$ 1 milhão 200 mil");

    // The loan window: two loans reach the limit, one repayment re-enables borrowing; the main
    // screen's cash follows each step.
    QAction* emprestimo = acao(p.menuBar(), "Finanças", "Empréstimo bancário");
    ASSERT_NE(emprestimo, nullptr);
    QStringList vistos;
    quandoabrir([&](QWidget* w) {
        EXPECT_EQ(w->objectName(), "emprestimo");
        EXPECT_EQ(w->windowTitle(), "Empréstimo Bancário");
        auto* pegar = w->findChild<QPushButton*>("pegar");
        auto* pagar = w->findChild<QPushButton*>("pagar");
        EXPECT_EQ(texto(w, "valoremprestado"), "1 milhão 500 mil");
        EXPECT_EQ(texto(w, "jurossemanais"), "45 mil");
        pegar->click();
        EXPECT_TRUE(pegar->isEnabled());
        pegar->click();
        vistos << texto(w, "dinheiro") << texto(w, "valoremprestado") << texto(w, "jurossemanais") << caixa->text();
        EXPECT_FALSE(pegar->isEnabled());
        EXPECT_TRUE(pagar->isEnabled());
        pagar->click();
        EXPECT_TRUE(pegar->isEnabled());
        vistos << texto(w, "dinheiro") << texto(w, "valoremprestado") << caixa->text();
        esc(w);
    });
    emprestimo->trigger();
    EXPECT_EQ(vistos, (QStringList{"2 milhões 200 mil", "2 milhões 500 mil", "75 mil", "$ 2 milhões 200 mil",
                                   "1 milhão 700 mil", "2 milhões ", "$ 1 milhão 700 mil"}));
    EXPECT_EQ(m->financas[0].emprestimo, 2000000);
    EXPECT_EQ(m->times[0].dinheiro, 1700000);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // Esc closed it

    // Repaying everything, down to a negative cash.
    m->times[0].dinheiro = 100000;
    quandoabrir([&](QWidget* w) {
        auto* pagar = w->findChild<QPushButton*>("pagar");
        for (int i = 0; i < 4; ++i) pagar->click();
        EXPECT_FALSE(pagar->isEnabled());
        EXPECT_EQ(texto(w, "valoremprestado"), "0 mil");
        EXPECT_EQ(texto(w, "jurossemanais"), "0 mil");
        EXPECT_EQ(texto(w, "dinheiro"), "-1 milhão 900 mil");
        esc(w);
    });
    emprestimo->trigger();
    EXPECT_EQ(caixa->text(), "$ -1 milhão 900 mil");

    // The finance window from the cash label: the columns, sub-totals and balance.
    m->financas[0].emprestimo = 500000;
    QMap<QString, QString> financas;
    quandoabrir([&](QWidget* w) {
        EXPECT_EQ(w->objectName(), "financas");
        EXPECT_EQ(w->windowTitle(), "Finanças");
        for (const char* k : {"ingressos", "premios", "emprestimo", "subtotalentradas", "salarios", "juros",
                              "subtotalsaidas", "saldo", "jurossemanais", "salariosemanal", "dinheiro", "multas"})
            financas[k] = texto(w, k);
        esc(w);
    });
    QTest::mouseClick(caixa, Qt::LeftButton);
    EXPECT_EQ(financas["ingressos"], "$250 000");
    EXPECT_EQ(financas["premios"], "$1 000 000");
    EXPECT_EQ(financas["emprestimo"], "$500 000");
    EXPECT_EQ(financas["subtotalentradas"], "$1 750 000");
    EXPECT_EQ(financas["salarios"], "$54 000");
    EXPECT_EQ(financas["juros"], "$45 000");
    EXPECT_EQ(financas["subtotalsaidas"], "$99 000");
    EXPECT_EQ(financas["saldo"], "$1 651 000");
    EXPECT_EQ(financas["jurossemanais"], "$15 000");
    EXPECT_EQ(financas["salariosemanal"], "$18 000");
    EXPECT_EQ(financas["dinheiro"], "$-1 900 000");
    EXPECT_EQ(financas["multas"], "$0");

    // Without a loan the weekly interest reads "$0"; the menu entry opens the same window.
    m->financas[0].emprestimo = 0;
    QString juros;
    quandoabrir([&](QWidget* w) {
        juros = texto(w, "jurossemanais");
        w->findChild<QPushButton*>("fechar")->click();
    });
    acao(p.menuBar(), "Finanças", "Finanças do Time")->trigger();
    EXPECT_EQ(juros, "$0");
}

// The contract dialog: typed amounts are checked, the arrows step by 500, a refusal shows the
// demand, and a club that cannot spare the player signs the demand by itself.
TEST(TelasFinancas, PropostaDeContrato) {
    auto m = mundohumano();
    const int j = primeirojogador(*m, 0) + 1;  // an outfield player
    m->jogadores[j].salario = 20000;
    m->times[0].colocacoes[kLiga] = 3;
    m->times[0].disponiveis = 15;
    m->estado.emails = 3;

    TelaContrato c(*m, j);
    EXPECT_EQ(c.windowTitle(), "Propor novo contrato");
    EXPECT_EQ(c.findChild<QLabel*>("salarioatual")->text(), "$20 000");
    auto* campo = c.findChild<QLineEdit*>("novosalario");
    auto* oferecer = c.findChild<QPushButton*>("oferecer");
    EXPECT_EQ(campo->text(), "20000");
    EXPECT_EQ(c.findChild<QComboBox*>("duracao")->currentText(), "6 meses");
    for (const char* ruim : {"-5", "abc", "0", "10000000", "4294967296"}) {
        campo->setText(ruim);
        EXPECT_FALSE(oferecer->isEnabled()) << ruim;
        EXPECT_FALSE(c.findChild<QLabel*>("erro")->text().isEmpty()) << ruim;
    }
    campo->setText("20000");
    EXPECT_TRUE(oferecer->isEnabled());
    c.findChild<QToolButton*>("sobe")->click();
    EXPECT_EQ(campo->text(), "20500");

    // 20 500 at a third-placed club: refused, the demand is 20 000 + 2 000.
    oferecer->click();
    EXPECT_FALSE(c.findChild<QWidget*>("recusa")->isHidden());
    EXPECT_EQ(c.findChild<QLabel*>("exigencia")->text(), "Jogador recusou, exige um mínimo de $ 22 000");
    c.findChild<QPushButton*>("aceita")->click();
    EXPECT_EQ(c.resultado(), TelaContrato::Renovado);
    EXPECT_EQ(m->jogadores[j].salario, 22000);
    EXPECT_EQ(m->jogadores[j].contratoate, datahoje(*m) + 24 * 7);

    // A club with too few fit players cannot refuse: the demand is signed by itself.
    m->times[0].disponiveis = 10;
    TelaContrato d(*m, j);
    d.defineespera(10);
    d.findChild<QComboBox*>("duracao")->setCurrentIndex(3);
    d.findChild<QPushButton*>("oferecer")->click();  // the same salary, refused: 22 000 + 3 000
    EXPECT_TRUE(d.findChild<QPushButton*>("aceita")->isHidden());
    EXPECT_TRUE(d.findChild<QPushButton*>("cancelar")->isHidden());
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);  // no way out of it
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.findChild<QLabel*>("semleilao")->text(),
              "Como você não pode vender jogadores o salário exigido terá de ser aceito");
    QTRY_COMPARE(static_cast<int>(d.resultado()), static_cast<int>(TelaContrato::Renovado));
    EXPECT_EQ(m->jogadores[j].salario, 25000);
    EXPECT_EQ(m->jogadores[j].contratoate, datahoje(*m) + 96 * 7);
    EXPECT_EQ(m->financas[0].salariosemanal, 25000 + 17 * 1000);
}

// Showing the squad checks the contracts: the expired one is flagged in the salary cell and on
// the panel, and the inbox holds the notice; with automatic renewal it runs 12 more weeks.
TEST(TelasFinancas, ContratosAoMostrarOElenco) {
    auto m = mundohumano();
    const int j = primeirojogador(*m, 0) + 2;
    m->jogadores[j].contratoate = datahoje(*m) - 1;
    m->estado.emails = 0;
    {
        TelaPrincipal p(*m);
        p.show();
        auto* grade = p.findChild<QTableWidget*>("plantel");
        int linha = -1;
        for (int l = 0; l < grade->rowCount(); ++l)
            if (grade->item(l, p.coluna("id"))->text().toInt() == j) linha = l;
        ASSERT_GE(linha, 0);
        EXPECT_EQ(grade->item(linha, p.coluna("salario"))->toolTip(), "Contrato expirado");
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {},
                          grade->visualItemRect(grade->item(linha, p.coluna("nome"))).center());
        EXPECT_EQ(p.findChild<QLabel*>("jcontrato")->text(), "Jogador com contrato expirado");
        EXPECT_EQ(p.findChild<QLabel*>("noticias")->text(), "1 notícia não lida");
        EXPECT_EQ(m->jogadores[j].avisocontrato, 2);
    }
    m->estado.renovacontrato = 1;
    TelaPrincipal p(*m);
    EXPECT_EQ(m->jogadores[j].contratoate, datahoje(*m) + 84);
    EXPECT_EQ(m->jogadores[j].avisocontrato, 0);
}
