// The coaches' careers on screen: the job offer, the dismissal letters, the human coaches'
// window, and "Se demitir" from the main screen through to a match day without human clubs.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "principal_apoio.h"
#include "news/mensagens.h"
#include "news/screens/mensagens_tela.h"
#include "season/carreira.h"
#include "season/screens/carreira_telas.h"
#include "season/tecnico.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/controle_jogo.h"
#include "ui/tela.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// Accepts every modal dialog that opens, remembering its objectName.
class AceitaModais : public QObject {
public:
    AceitaModais() {
        connect(&t_, &QTimer::timeout, this, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                nomes.push_back(d->objectName());
                // An offer is taken.
                if (auto* b = d->findChild<QPushButton*>("assumir")) b->click();
                else d->accept();
            }
        });
        t_.start(5);
    }
    std::vector<QString> nomes;

private:
    QTimer t_;
};

}  // namespace

TEST(TelasCarreira, ConviteMostraClubesEPlantelEAssume) {
    auto m = mundohumano();
    demite(*m, 0, 0);
    TelaConvite t(*m, 0, {7, 8});
    EXPECT_EQ(t.windowTitle(), "Convite para ser técnico");
    auto* r0 = t.findChild<QRadioButton*>("clube0");
    auto* r1 = t.findChild<QRadioButton*>("clube1");
    ASSERT_TRUE(r0 && r1);
    EXPECT_EQ(r0->text(), "Clube 7 (" + qtexto(nomepais(m->times[7].pais)) + ") - 1ª divisão");
    auto* plantel = t.findChild<QTableWidget*>("plantel");
    EXPECT_EQ(plantel->rowCount(), 18);
    EXPECT_TRUE(plantel->item(0, 3)->text().endsWith("%"));
    r1->click();
    EXPECT_EQ(t.escolhido(), 8);
    t.findChild<QPushButton*>("assumir")->click();
    EXPECT_EQ(t.assumido(), 8);
    EXPECT_EQ(m->times[8].humano, 1);
    EXPECT_EQ(m->tecnicos[0].time, 8);
    EXPECT_EQ(m->estado.timedotecnico[0], 8);
}

TEST(TelasCarreira, CartasDeDemissao) {
    auto m = mundohumano();
    m->times[0].confiancadiretoria = 3;
    m->times[0].dinheiro = -10;
    demissoesdarodada(*m);
    ASSERT_EQ(m->mudancastecnicos.size(), 1u);
    TelaDemissao d(*m, m->mudancastecnicos[0]);
    EXPECT_EQ(d.windowTitle(), "Demitido!");
    EXPECT_EQ(d.findChild<QLabel*>("espere")->text(), "Espere agora que outro time resolva contrata-lo.");
    EXPECT_EQ(d.findChild<QLabel*>("linha")->text(),
              "Técnico 0, Clube 0 resolveu lhe demitir,pois você estava levando nosso clube para um pântano de "
              "dívidas sem fim.");
    TMudancaTecnico c = m->mudancastecnicos[0];
    c.humano = false;
    TelaDemissao t(*m, c);
    EXPECT_EQ(t.windowTitle(), "Técnico Demitido!");
    EXPECT_EQ(t.findChild<QLabel*>("titulo")->text(), "Técnico demitido");
    EXPECT_TRUE(t.findChild<QLabel*>("sucessor")->text().startsWith("Para seu lugar foi contratado "));

    TelaContratacoes h(*m);
    auto* g = h.findChild<QTableWidget*>("grade");
    ASSERT_EQ(g->rowCount(), 1);
    EXPECT_EQ(g->item(0, 1)->text(), "Clube 0");
}

TEST(TelasCarreira, AdicionarRemoverTecnicos) {
    auto m = mundohumano();
    std::vector<QString> avisos;
    auto antigo = ganchomensagem();
    ganchomensagem() = [&](QWidget*, const QString& t) { avisos.push_back(t); };
    TelaTecnicosHumanos t(*m);
    EXPECT_EQ(t.objectName(), "TForm50");
    auto* lista = t.findChild<QListWidget*>("lista");
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), "1 - Técnico 0 - Clube 0");
    lista->setCurrentRow(0);
    t.remover();
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_EQ(avisos[0], "Para remover um técnico antes é necessário demiti-lo do time.");
    for (int k = 0; k < 5; ++k) t.adicionar("Novo " + QString::number(k));
    EXPECT_EQ(lista->count(), 6);
    EXPECT_FALSE(t.findChild<QPushButton*>("adicionar")->isEnabled());
    EXPECT_EQ(lista->item(5)->text(), "6 - Novo 4");
    lista->setCurrentRow(5);
    t.remover();
    EXPECT_EQ(lista->count(), 5);
    EXPECT_TRUE(t.findChild<QPushButton*>("adicionar")->isEnabled());
    TelaNomeTecnico n;
    EXPECT_FALSE(n.findChild<QPushButton*>("ok")->isEnabled());
    ganchomensagem() = antigo;
}

TEST(TelasCarreira, SeDemitirLevaAoDiaSemTimesHumanos) {
    AceitaModais modais;
    auto antigo = ganchopergunta();
    std::vector<QString> perguntas;
    ganchopergunta() = [&](QWidget*, const QString& t) {
        perguntas.push_back(t);
        return true;
    };
    auto mundo = mundohumano();
    mundo->estado.intervalohumano = mundo->estado.intervalocomputador = 1;
    Mundo* m = mundo.get();
    ControleJogo c(std::move(mundo), false);
    c.inicia();
    ASSERT_NE(c.principal(), nullptr);
    QAction* demitir = nullptr;
    for (QAction* a : c.principal()->menuBar()->actions())
        if (a->menu())
            for (QAction* b : a->menu()->actions())
                if (b->text() == "Se demitir") demitir = b;
    ASSERT_NE(demitir, nullptr);
    demitir->trigger();
    ASSERT_EQ(perguntas.size(), 1u);
    EXPECT_EQ(perguntas[0], "Deseja mesmo se demitir do time atual?");
    ASSERT_FALSE(modais.nomes.empty());
    EXPECT_EQ(modais.nomes[0], "demitido");
    EXPECT_EQ(m->times[0].humano, 0);
    EXPECT_EQ(m->tecnicos[0].time, -1);
    // Nobody human is left on a club: the match day runs at once.
    QTRY_VERIFY_WITH_TIMEOUT(c.resultados() != nullptr, 20000);
    ganchopergunta() = antigo;
}

TEST(TelasCarreira, ConviteAoAbrirATelaDoTecnicoEmpregado) {
    AceitaModais modais;
    // Two divisions of ten; the human club leads the second in the second half of season 2.
    auto m = std::make_unique<Mundo>(mundoliga(4, 2, 1));
    m->aleatorio = Aleatorio(2);
    m->estado.dataatual = 1;
    montacalendario(*m);
    montajogos(*m, kLiga, 0);
    proximadata(*m);
    const int t = m->ligas[0].times[1][0];
    m->times[static_cast<size_t>(t)].humano = 1;
    m->tecnicos[static_cast<size_t>(t)].humano = 1;
    m->tecnicos[static_cast<size_t>(t)].ofertaano = 1;
    for (int k = 0; k < kMaxHumanos; ++k) m->estado.timedotecnico[k] = -1;
    m->estado.timedotecnico[0] = t;
    m->estado.numtecnicoshumanos = 1;
    m->ligas[0].temhumano = 1;
    m->estado.temporada = 2;
    m->estado.turnoliga = 2;
    m->estado.rodadaliga = 6;
    m->times[static_cast<size_t>(t)].colocacoes[kLiga] = 1;
    m->times[static_cast<size_t>(t)].confiancadiretoria = 90;
    Mundo* w = m.get();
    ControleJogo c(std::move(m), false);
    c.inicia();
    // First place: the scan of the first division starts at its third place.
    ASSERT_FALSE(modais.nomes.empty());
    EXPECT_EQ(modais.nomes[0], "convite");
    const int novo = w->ligas[0].classificacao[0][2];
    EXPECT_EQ(w->tecnicos[static_cast<size_t>(t)].time, novo);
    EXPECT_EQ(w->estado.timedotecnico[0], novo);
    EXPECT_EQ(w->times[static_cast<size_t>(t)].tecnico, novo);  // the swap
    ASSERT_NE(c.principal(), nullptr);
    EXPECT_EQ(w->estado.timeatual, novo);
    EXPECT_EQ(w->tecnicos[static_cast<size_t>(t)].ofertaano, 0);
}

// "Sim" of the fine question charges the suspended player; the question is gone afterwards.
TEST(TelasCarreira, MultaNaCaixaDeMensagens) {
    Mundo m = mundoliga(4, 1);
    m.estado.dataatual = 1;
    montacalendario(m);
    m.times[0].humano = 1;
    const int j = primeirojogador(m, 0);
    m.jogadores[static_cast<size_t>(j)].salario = 2000;
    enviamensagem(m, 0, kMsgSuspensao, 2, j);
    const int dinheiro = m.times[0].dinheiro;
    TelaMensagens t(m, 0);
    auto* lista = t.findChild<QTableWidget*>("mensagens");
    lista->setCurrentCell(0, 2);
    ASSERT_TRUE(t.findChild<QWidget*>("pergunta")->isVisibleTo(&t));
    t.findChild<QPushButton*>("sim")->click();
    EXPECT_FALSE(t.findChild<QWidget*>("pergunta")->isVisibleTo(&t));
    EXPECT_EQ(m.times[0].dinheiro, dinheiro + 600);
    ASSERT_EQ(m.mensagens.size(), 2u);
    EXPECT_EQ(m.mensagens[1].remetente, 3);
}
