// What a new player met on screen: windows that closed the game, a button over a name, the
// heading of a cup date, the half on the match-day screen, cut-off columns, Qt's English texts.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "../database/base_teste.h"
#include "competitions/calendario.h"
#include "competitions/screens/calendario_clube_tela.h"
#include "competitions/screens/classificacao_tela.h"
#include "competitions/screens/tabela_jogos_tela.h"
#include "match/diajogo.h"
#include "match/escalacao.h"
#include "match/interacao.h"
#include "match/screens/dialogos_partida.h"
#include "match/screens/partida_tela.h"
#include "match/screens/partidas_tela.h"
#include "match/screens/resultados_tela.h"
#include "match/screens/selecao_batedores_tela.h"
#include "match/taticas.h"
#include "model/hoje.h"
#include "model/tipos.h"
#include "newgame/screens/configuracao_tela.h"
#include "newgame/screens/menu_inicial.h"
#include "newgame/screens/personalizado_tela.h"
#include "ui/clube_tela.h"
#include "ui/fluxo.h"
#include "ui/tela.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using namespace tarvello::teste;

namespace {

// The window manager's close button: the close event arrives at the native window, which
// hands it to the widget as a spontaneous one (QWindow::close() would not).
void fechapelomanejador(QWidget* w) {
    ASSERT_NE(w->windowHandle(), nullptr);
    QCloseEvent e;
    QApplication::sendEvent(w->windowHandle(), &e);
    QApplication::processEvents();
}

// One league of ten clubs on its first league date; club 0 is the human coach's.
std::unique_ptr<Mundo> mundohumano(int divisoes = 1) {
    auto m = std::make_unique<Mundo>(mundoliga(4, divisoes));
    m->aleatorio = Aleatorio(5);
    m->estado.dataatual = 1;
    montacalendario(*m);
    montajogos(*m, kLiga, 0);
    const int humano = m->ligas[0].times[0][0];
    m->times[static_cast<size_t>(humano)].humano = 1;
    m->tecnicos[static_cast<size_t>(humano)].humano = 1;
    m->estado.numtecnicoshumanos = 1;
    m->estado.timedotecnico[0] = humano;
    for (int k = 1; k < kMaxHumanos; ++k) m->estado.timedotecnico[k] = -1;
    m->estado.timeatual = humano;
    m->estado.tecnicoatual = m->times[static_cast<size_t>(humano)].tecnico;
    m->ligas[0].temhumano = 1;
    m->estado.nomeliga.define("Campeonato Brasileiro");
    m->ligas[0].pais = kBrasil;
    m->estado.intervalohumano = m->estado.intervalocomputador = 1;
    proximadata(*m);
    return m;
}

// Questions are answered by the test, and remembered.
class Perguntas {
public:
    explicit Perguntas(bool resposta) {
        anterior_ = ganchopergunta();
        ganchopergunta() = [this, resposta](QWidget*, const QString& t) {
            textos << t;
            return resposta;
        };
    }
    ~Perguntas() { ganchopergunta() = anterior_; }
    QStringList textos;

private:
    GanchoPergunta anterior_;
};

void clubes(BaseTeste& b, int pais, int n, int estado) {
    for (int i = 0; i < n; ++i)
        b.clube(pais, std::max(1, 20 - i / 3), "J" + std::to_string(pais) + "-" + std::to_string(i),
                [&](TArquivoClube& c) { c.cabecalho.estado = static_cast<uint8_t>(estado); });
}

// Every visible column of a grid shows in full: nothing hangs past the right edge.
void colunascabem(QTableWidget* t, const char* onde) {
    QHeaderView* h = t->horizontalHeader();
    EXPECT_LE(h->length(), t->viewport()->width() + 1) << onde;
    for (int c = 0; c < t->columnCount(); ++c) {
        if (t->isColumnHidden(c) || !t->horizontalHeaderItem(c)) continue;
        const QString titulo = t->horizontalHeaderItem(c)->text();
        if (titulo.isEmpty()) continue;
        EXPECT_GE(h->sectionSize(c), t->fontMetrics().horizontalAdvance(titulo)) << onde << " " << titulo.toStdString();
    }
}

}  // namespace

TEST(JogadorNovo, FecharJanelasNaoEncerraOJogoEmSilencio) {
    auto m = mundohumano();
    InteracaoComputador ia;
    comecadia(*m);
    TelaPartidas partidas(*m, ia);
    partidas.show();
    fechapelomanejador(&partidas);
    EXPECT_TRUE(partidas.isVisible());
    partidas.close();  // the game itself may still close it
    EXPECT_FALSE(partidas.isVisible());

    TelaResultados resultados(*m, kLiga, datahoje(*m));
    resultados.show();
    fechapelomanejador(&resultados);
    EXPECT_TRUE(resultados.isVisible());

    // "Sair do jogo" asks first; "Não" keeps the game.
    TelaPrincipal principal(*m);
    principal.show();
    QAction* sair = nullptr;
    for (QAction* menu : principal.menuBar()->actions())
        if (menu->menu())
            for (QAction* a : menu->menu()->actions())
                if (a->text() == "Sair do jogo") sair = a;
    ASSERT_NE(sair, nullptr);
    Perguntas perguntas(false);
    sair->trigger();
    ASSERT_EQ(perguntas.textos.size(), 1);
    EXPECT_TRUE(perguntas.textos[0].contains("sair do jogo"));
    EXPECT_TRUE(principal.isVisible());
}

TEST(JogadorNovo, FecharPersonalizadoVoltaAConfiguracao) {
    BaseTeste base;
    clubes(base, kBrasil, 24, 25);
    clubes(base, 11, 22, kSemEstado);
    base.selecoesdostorneios();  // no notice of missing national teams over the set-up screen
    FluxoJogo fluxo(base.raiz, base.raiz / "tarvello.ini", 3);
    fluxo.inicia();
    fluxo.menu()->findChild<QPushButton*>("novojogo")->click();
    TelaConfiguracao* c = fluxo.configuracao();
    ASSERT_NE(c, nullptr);
    c->findChild<QRadioButton*>("modofantasia")->click();
    c->findChild<QPushButton*>("iniciar")->click();
    ASSERT_NE(fluxo.personalizada(), nullptr);
    EXPECT_FALSE(c->isVisible());
    fechapelomanejador(fluxo.personalizada());
    EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(fluxo.personalizada() == nullptr || !fluxo.personalizada()->isVisible());
    // Closing the set-up screen is "<< Voltar ao Início".
    fechapelomanejador(c);
    EXPECT_TRUE(fluxo.menu()->isVisible());
}

TEST(JogadorNovo, BotaoSubstituirNaoCobreONome) {
    Mundo m = mundopequeno(2, 18);
    const int contundido = primeirojogador(m, 0) + 1;
    std::vector<int> candidatos = {primeirojogador(m, 0) + 12, primeirojogador(m, 0) + 13};
    TelaContusao t(m, 0, contundido, candidatos);
    t.show();
    QApplication::processEvents();
    auto* nome = t.findChild<QLabel*>("contundido");
    auto* botao = t.findChild<QPushButton*>("substituir");
    ASSERT_TRUE(nome && botao);
    EXPECT_GE(t.layout()->indexOf(botao), 0);
    EXPECT_FALSE(botao->geometry().intersects(nome->geometry()));
    EXPECT_GT(botao->geometry().top(), t.findChild<QWidget*>("candidatos")->geometry().top());
}

TEST(JogadorNovo, CabecalhoNomeiaACompeticaoDoDia) {
    auto m = mundohumano();
    const int humano = m->estado.timeatual;
    TelaPrincipal liga(*m);
    EXPECT_EQ(liga.findChild<QLabel*>("liga")->text(), "Campeonato Brasileiro");
    // The club plays a cup match today instead.
    const double hoje = datahoje(*m);
    for (TPartida& p : m->partidas)
        if (p.data == hoje && (p.mandante == humano || p.visitante == humano)) {
            p.competicao = kCopaNacional;
            p.liga = 0;
        }
    TelaPrincipal copa(*m);
    EXPECT_EQ(copa.findChild<QLabel*>("liga")->text(), "Copa do Brasil");
}

TEST(JogadorNovo, JogarDesabilitadoDizPorque) {
    auto m = mundohumano();
    TelaPrincipal t(*m);
    t.show();
    auto* motivo = t.findChild<QLabel*>("motivo");
    ASSERT_NE(motivo, nullptr);
    EXPECT_FALSE(t.findChild<QPushButton*>("jogar")->isEnabled());
    EXPECT_EQ(motivo->text(), "Falta escalar o goleiro");
    auto* esquemas = t.findChild<QListWidget*>("esquemas");
    ASSERT_GT(esquemas->count(), 0);
    QTest::mouseClick(esquemas->viewport(), Qt::LeftButton, {}, esquemas->visualItemRect(esquemas->item(0)).center());
    EXPECT_TRUE(t.findChild<QPushButton*>("jogar")->isEnabled());
    EXPECT_TRUE(motivo->text().isEmpty());
}

// The match-day screen tells the half; the event lines of the first half are gone before the
// half-time windows open; divisions are laid out in panels under their headings.
TEST(JogadorNovo, DiaDeJogoMostraOTempoELimpaOIntervalo) {
    auto m = mundohumano(2);
    class Intervalo : public InteracaoComputador {
    public:
        void intervalo(Mundo& m, int) override {
            if (!tela) return;
            auto* jogos = tela->findChild<QTableWidget*>("jogos");
            for (int l = 0; l < jogos->rowCount(); ++l)
                if (jogos->item(l, 5) && !jogos->item(l, 5)->text().isEmpty()) ++linhas;
            ++vezes;
            eventos = m.diajogo.eventos.size();
        }
        TelaPartidas* tela = nullptr;
        int linhas = 0, vezes = 0;
        size_t eventos = 0;
    } ia;
    m->estado.verintervalo = 1;
    escalatime(*m, m->estado.timeatual);
    comecadia(*m);
    TelaPartidas t(*m, ia);
    ia.tela = &t;
    t.show();
    t.inicia();
    auto* tempo = t.findChild<QLabel*>("tempo");
    auto* jogos = t.findChild<QTableWidget*>("jogos");
    EXPECT_EQ(tempo->text(), "1º tempo");
    QStringList cabecalhos;
    for (int l = 0; l < jogos->rowCount(); ++l)
        if (jogos->columnSpan(l, 0) > 1) cabecalhos << jogos->item(l, 0)->text();
    EXPECT_EQ(cabecalhos, (QStringList{"1ª divisão", "2ª divisão"}));

    for (int k = 0; k < 20; ++k) t.tique();
    EXPECT_EQ(tempo->text(), "1º tempo");
    EXPECT_EQ(t.findChild<QLabel*>("minuto")->text(), "20'");
    while (m->diajogo.tempo == 1) t.tique();
    ASSERT_FALSE(m->diajogo.eventos.empty());  // something happened in the first half
    EXPECT_EQ(ia.vezes, 1);
    EXPECT_EQ(ia.linhas, 0);
    EXPECT_EQ(tempo->text(), "2º tempo");
    t.tique();
    EXPECT_EQ(tempo->text(), "2º tempo");
    EXPECT_EQ(t.findChild<QLabel*>("minuto")->text(), "1'");
    {
        // The half-time match screen fits the designed width (scaled by 1.6 it fits 1280).
        TelaPartida partida(*m, m->diajogo.slotshumanos.front(), true);
        partida.show();
        QApplication::processEvents();
        EXPECT_LE(partida.minimumSizeHint().width(), 800);
        EXPECT_LE(partida.width(), partida.screen()->availableGeometry().width());
    }
    // A first-half event never comes back on a line: a line shows only matches with events
    // logged since half-time.
    for (int k = 0; k < 10; ++k) t.tique();
    int jogo = 0;
    for (int l = 0; l < jogos->rowCount(); ++l) {
        if (jogos->columnSpan(l, 0) > 1) continue;
        ++jogo;
        bool novo = false;
        for (size_t e = ia.eventos; e < m->diajogo.eventos.size(); ++e) novo = novo || m->diajogo.eventos[e].partida == jogo;
        EXPECT_EQ(!jogos->item(l, 5)->text().isEmpty(), novo) << jogo;
        EXPECT_EQ(!jogos->item(l, 5)->icon().isNull(), novo) << jogo;  // the event's picture
    }
    while (m->diajogo.tempo == 2 && m->diajogo.minuto < 51) t.tique();
    EXPECT_EQ(tempo->text(), "Fim de jogo");
}

TEST(JogadorNovo, DiaDeLigaMostraDuasDivisoesDeCadaVez) {
    auto m = mundohumano(4);
    InteracaoComputador ia;
    escalatime(*m, m->estado.timeatual);
    comecadia(*m);
    TelaPartidas t(*m, ia);
    t.show();
    t.inicia();
    auto* jogos = t.findChild<QTableWidget*>("jogos");
    auto* troca = t.findChild<QPushButton*>("trocadivisao");
    ASSERT_TRUE(troca && troca->isVisible());
    auto visiveis = [&] {
        QStringList v;
        for (int l = 0; l < jogos->rowCount(); ++l)
            if (jogos->columnSpan(l, 0) > 1 && !jogos->isRowHidden(l)) v << jogos->item(l, 0)->text();
        return v;
    };
    EXPECT_EQ(visiveis(), (QStringList{"1ª divisão", "2ª divisão"}));
    EXPECT_EQ(troca->text(), "Ver 3ª divisão");
    troca->click();
    EXPECT_EQ(visiveis(), (QStringList{"1ª divisão", "3ª divisão"}));
    EXPECT_EQ(troca->text(), "Ver 4ª divisão");
    troca->click();
    EXPECT_EQ(visiveis(), (QStringList{"1ª divisão", "4ª divisão"}));
    EXPECT_EQ(troca->text(), "Ver 2ª divisão");
    troca->click();
    EXPECT_EQ(visiveis(), (QStringList{"1ª divisão", "2ª divisão"}));
}

TEST(JogadorNovo, NadaCortadoNoTamanhoProjetado) {
    auto m = mundohumano(2);
    for (TTime& c : m->times) c.nome.define("Sociedade Esportiva Longa");  // 25 characters
    TelaClassificacao tabela(*m);
    tabela.show();
    QApplication::processEvents();
    for (QTableWidget* t : tabela.tabelas()) colunascabem(t, "classificação");
    // Wider and back: the figures keep their room.
    tabela.resize(1000, 700);
    QApplication::processEvents();
    tabela.resize(800, 600);
    QApplication::processEvents();
    for (QTableWidget* t : tabela.tabelas()) colunascabem(t, "classificação após redimensionar");
    // The human club stands out.
    bool destacado = false;
    for (QTableWidget* t : tabela.tabelas())
        for (int r = 0; r < t->rowCount(); ++r)
            if (t->item(r, 1)->data(Qt::UserRole).toInt() == m->estado.timeatual) destacado = t->item(r, 1)->font().bold();
    EXPECT_TRUE(destacado);

    // The squad grid: every column in view, and names of 18 letters in full.
    for (TJogador& j : m->jogadores)
        if (j.time == m->estado.timeatual) j.nome.define("Lunaldo Vasgalves");
    TelaPrincipal principal(*m);
    principal.show();
    QApplication::processEvents();
    auto* plantel = principal.findChild<QTableWidget*>("plantel");
    colunascabem(plantel, "plantel");
    EXPECT_GE(plantel->columnWidth(principal.coluna("nome")),
              plantel->fontMetrics().horizontalAdvance("Lunaldo Vasgalves"));
    auto* capitao = principal.findChild<QComboBox*>("capitao");
    EXPECT_GE(capitao->width(), capitao->fontMetrics().horizontalAdvance("Lunaldo Vasgalves - G") + 30);

    TelaTabelaJogos jogos(*m);
    jogos.show();
    QApplication::processEvents();
    for (QTableWidget* t : jogos.findChildren<QTableWidget*>()) colunascabem(t, "tabela de jogos");

    TelaCalendarioClube calendario(*m, m->estado.timeatual);
    calendario.show();
    QApplication::processEvents();
    colunascabem(calendario.findChild<QTableWidget*>("jogos"), "calendário");
}

TEST(JogadorNovo, ListaDeBatedoresMostraAEnergia) {
    Mundo m = mundopequeno(2, 18);
    std::vector<int> disponiveis;
    for (int k = 0; k < 11; ++k) {
        const int j = primeirojogador(m, 0) + k;
        m.jogadores[static_cast<size_t>(j)].nome.define("Lunaldo Vasgalves Pe");
        disponiveis.push_back(j);
    }
    TelaSelecaoBatedores t(m, 0, disponiveis);
    t.show();
    QApplication::processEvents();
    colunascabem(t.findChild<QTableWidget*>("disponiveis"), "batedores");
}

TEST(JogadorNovo, TabelaEstadualAbreNoEstadoDoTecnico) {
    auto m = mundohumano();
    m->estado.ckestadual = 1;
    constexpr int kSP = 25, kRJ = 18;
    for (int s : {kSP, kRJ}) {
        m->estaduais[s].temestadual = 1;
        m->estaduais[s].numgrupos = 1;
        for (int k = 0; k < 6; ++k) m->estaduais[s].grupos[0][k] = (s == kSP ? 0 : 6) + k;
    }
    m->times[static_cast<size_t>(m->estado.timeatual)].estado = kSP;
    TelaTabelaJogos t(*m);
    t.findChild<QPushButton*>("estadual")->click();
    EXPECT_EQ(t.findChild<QComboBox*>("regiao")->currentText(), "SP - Paulista");
}

TEST(JogadorNovo, NomesLegiveisNasCoresDoClube) {
    const QColor branco(255, 255, 255), preto(0, 0, 0);
    // Colours that contrast are kept; black on navy and yellow on white are not.
    EXPECT_EQ(cortextolegivel(QColor(200, 16, 46), branco), branco);
    EXPECT_EQ(cortextolegivel(QColor(0, 36, 125), preto), branco);
    EXPECT_EQ(cortextolegivel(branco, QColor(255, 209, 0)), preto);
    EXPECT_EQ(cortextolegivel(QColor(10, 10, 10), QColor(10, 10, 10)), branco);
}

TEST(JogadorNovo, TextosDoQtEmPortugues) {
    ASSERT_TRUE(carregatraducoes());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Undo"), "&Undo");
}
