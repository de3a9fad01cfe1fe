#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

#include "../database/base_teste.h"
#include "model/mundo.h"
#include "model/opcoes.h"
#include "model/tipos.h"
#include "newgame/novojogo.h"
#include "newgame/screens/carregando_tela.h"
#include "newgame/screens/configuracao_tela.h"
#include "newgame/screens/escolha_time_tela.h"
#include "newgame/screens/menu_inicial.h"
#include "newgame/screens/personalizado_tela.h"
#include "ui/fluxo.h"
#include "ui/grade_paises.h"
#include "ui/tela.h"
#include "ui/tela_principal.h"

using namespace tarvello;
using teste::BaseTeste;

void clubes(BaseTeste& b, int pais, int n, int estado = kSemEstado) {
    for (int i = 0; i < n; ++i)
        b.clube(pais, std::max(1, 20 - i / 3), "C" + std::to_string(pais) + "-" + std::to_string(i),
                [&](TArquivoClube& c) { c.cabecalho.estado = static_cast<uint8_t>(estado); });
}

namespace {

constexpr int kArgentina = 11;
constexpr int kItalia = 104;

// Message boxes would block: the tests read their texts instead.
class Mensagens {
public:
    Mensagens() {
        anterior_ = ganchomensagem();
        ganchomensagem() = [this](QWidget*, const QString& t) { textos << t; };
    }
    ~Mensagens() { ganchomensagem() = anterior_; }
    QStringList textos;

private:
    GanchoMensagem anterior_;
};

template <class T>
T* filho(QWidget* w, const char* nome) {
    T* r = w->findChild<T*>(nome);
    EXPECT_NE(r, nullptr) << nome;
    return r;
}

// As a click on the button's caption would do (a click at the centre of a wide check box can
// miss its caption).
void clica(QAbstractButton* b) {
    ASSERT_TRUE(b->isEnabled());
    b->click();
}

// Clicks the tick cell of a country's row.
void marca(QTableWidget* g, int pais) {
    const int linha = linhadopais(g, pais);
    ASSERT_GE(linha, 0) << pais;
    const QRect r = g->visualRect(g->model()->index(linha, kColunaMarca));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

// Questions the game asks on its own (a computer club's offer for a player when the main
// screen opens) are answered "Não" without a modal box.
struct RecusaPerguntas {
    GanchoPergunta anterior_ = ganchopergunta();
    RecusaPerguntas() {
        ganchopergunta() = [](QWidget*, const QString&) { return false; };
    }
    ~RecusaPerguntas() { ganchopergunta() = anterior_; }
};

class FluxoNovoJogo : public ::testing::Test {
protected:
    void SetUp() override {
        clubes(base_, kBrasil, 24, 25);
        clubes(base_, kArgentina, 22);
        clubes(base_, kItalia, 20);  // too few for a league, enough for the custom mode
        base_.selecoesdostorneios();
        fluxo_ = std::make_unique<FluxoJogo>(base_.raiz, base_.raiz / "tarvello.ini", 9);
        fluxo_->inicia();
    }
    TelaConfiguracao* abreconfiguracao() {
        clica(filho<QPushButton>(fluxo_->menu(), "novojogo"));
        TelaConfiguracao* c = fluxo_->configuracao();
        EXPECT_NE(c, nullptr);
        return c;
    }
    BaseTeste base_;
    Mensagens mensagens_;
    RecusaPerguntas perguntas_;
    std::unique_ptr<FluxoJogo> fluxo_;
};

TEST_F(FluxoNovoJogo, ConfiguracaoLegendasERegras) {
    TelaConfiguracao* c = abreconfiguracao();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->objectName(), "TForm9");
    EXPECT_TRUE(c->isVisible());
    EXPECT_FALSE(fluxo_->menu()->isVisible());
    auto* grade = filho<QTableWidget>(c, "ligas");
    ASSERT_EQ(grade->rowCount(), 2);  // Itália has fewer than 22 clubs
    auto* copa = filho<QCheckBox>(c, "copa");
    auto* c1 = filho<QCheckBox>(c, "continental1");
    auto* c2 = filho<QCheckBox>(c, "continental2");
    auto* estadual = filho<QCheckBox>(c, "estadual");
    EXPECT_EQ(copa->text(), "Jogar Copa do Brasil");
    EXPECT_EQ(c1->text(), "Jogar Taça Libertadores");
    EXPECT_TRUE(estadual->isVisible());
    EXPECT_FALSE(estadual->isChecked());
    EXPECT_TRUE(copa->isChecked() && c1->isChecked() && c2->isChecked());
    EXPECT_EQ(filho<QComboBox>(c, "sistema")->currentText(), "Divisões com 10 times cada");
    EXPECT_EQ(filho<QComboBox>(c, "humanos")->currentText(), "1");

    // Nothing ticked: the message, and the screen stays.
    clica(filho<QPushButton>(c, "iniciar"));
    ASSERT_EQ(mensagens_.textos.size(), 1);
    EXPECT_EQ(mensagens_.textos[0], "Selecione pelo menos uma liga");
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(fluxo_->escolhatime(), nullptr);

    // Argentina alone: it is the main country, and the state box goes.
    marca(grade, kArgentina);
    EXPECT_EQ(copa->text(), "Jogar Copa do(a) Argentina");
    EXPECT_FALSE(estadual->isVisible());
    marca(grade, kBrasil);
    EXPECT_EQ(copa->text(), "Jogar Copa do Brasil");
    EXPECT_TRUE(estadual->isVisible());

    // Cup 2 never without cup 1.
    clica(c1);
    EXPECT_FALSE(c1->isChecked());
    EXPECT_FALSE(c2->isChecked());
    clica(c2);
    EXPECT_TRUE(c1->isChecked());
    EXPECT_TRUE(c2->isChecked());

    // Custom mode disables everything but the two buttons.
    clica(filho<QRadioButton>(c, "modofantasia"));
    EXPECT_FALSE(grade->isEnabled());
    EXPECT_FALSE(copa->isEnabled());
    EXPECT_FALSE(filho<QComboBox>(c, "humanos")->isEnabled());
    EXPECT_TRUE(filho<QPushButton>(c, "iniciar")->isEnabled());
    EXPECT_TRUE(filho<QPushButton>(c, "voltar")->isEnabled());
    clica(filho<QRadioButton>(c, "modoreal"));
    EXPECT_TRUE(grade->isEnabled());

    // Back to the start menu; a new game starts again from scratch.
    clica(filho<QPushButton>(c, "voltar"));
    EXPECT_TRUE(fluxo_->menu()->isVisible());
    EXPECT_EQ(fluxo_->novojogo(), nullptr);
    TelaConfiguracao* outra = abreconfiguracao();
    ASSERT_NE(outra, nullptr);
    EXPECT_TRUE(outra->marcados().empty());
}

TEST_F(FluxoNovoJogo, PersonalizadoPrecisaDe42Times) {
    TelaConfiguracao* c = abreconfiguracao();
    ASSERT_NE(c, nullptr);
    clica(filho<QRadioButton>(c, "modofantasia"));
    clica(filho<QPushButton>(c, "iniciar"));
    TelaPersonalizada* p = fluxo_->personalizada();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->objectName(), "TForm39");
    EXPECT_FALSE(c->isVisible());
    auto* grade = filho<QTableWidget>(p, "paises");
    auto* continuar = filho<QPushButton>(p, "continuar");
    EXPECT_EQ(grade->rowCount(), 3);
    EXPECT_EQ(filho<QLabel>(p, "compaises")->text(), "3");
    EXPECT_FALSE(continuar->isEnabled());
    EXPECT_FALSE(filho<QLabel>(p, "limite")->isVisible());
    marca(grade, kItalia);
    marca(grade, kBrasil);
    EXPECT_EQ(filho<QLabel>(p, "timesselecionados")->text(), "44");
    EXPECT_TRUE(continuar->isEnabled());
    marca(grade, kBrasil);
    marca(grade, kArgentina);  // 20 + 22 = 42
    EXPECT_EQ(filho<QLabel>(p, "selecionados")->text(), "2");
    EXPECT_TRUE(continuar->isEnabled());

    // Back and forth keeps the set-up screen's scan.
    clica(filho<QPushButton>(p, "voltar"));
    EXPECT_TRUE(c->isVisible());
    clica(filho<QPushButton>(c, "iniciar"));
    p = fluxo_->personalizada();
    ASSERT_NE(p, nullptr);
    grade = filho<QTableWidget>(p, "paises");
    marca(grade, kItalia);
    EXPECT_FALSE(filho<QPushButton>(p, "continuar")->isEnabled());  // 20 clubs
    marca(grade, kArgentina);
    clica(filho<QPushButton>(p, "continuar"));
    TelaEscolhaTime* e = fluxo_->escolhatime();
    ASSERT_NE(e, nullptr);
    // One league only: no country list.
    EXPECT_FALSE(filho<QComboBox>(e, "pais")->isVisible());
    EXPECT_TRUE(filho<QGroupBox>(e, "divisao4")->isVisible());
    EXPECT_EQ(fluxo_->novojogo()->mundo().estado.paisprincipal, kPersonalizado);
}

TEST_F(FluxoNovoJogo, DoisTecnicosAteATelaPrincipal) {
    TelaConfiguracao* c = abreconfiguracao();
    ASSERT_NE(c, nullptr);
    auto* grade = filho<QTableWidget>(c, "ligas");
    marca(grade, kArgentina);
    marca(grade, kBrasil);
    filho<QComboBox>(c, "humanos")->setCurrentIndex(1);
    clica(filho<QPushButton>(c, "iniciar"));
    EXPECT_TRUE(mensagens_.textos.isEmpty());
    TelaEscolhaTime* e = fluxo_->escolhatime();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->objectName(), "TForm11");
    QTRY_VERIFY(fluxo_->configuracao() == nullptr);  // the set-up screen has closed

    auto* pais = filho<QComboBox>(e, "pais");
    auto* nome = filho<QLineEdit>(e, "nome");
    auto* botao = filho<QPushButton>(e, "iniciar");
    auto* rotulo = filho<QLabel>(e, "rotulotime");
    EXPECT_EQ(pais->currentText(), "Brasil");  // Brasil first even though ticked second
    EXPECT_EQ(pais->count(), 2);
    EXPECT_TRUE(rotulo->isVisible());
    EXPECT_EQ(rotulo->text(), "Time 1");
    EXPECT_EQ(botao->text(), "Escolher time 2");
    EXPECT_FALSE(botao->isEnabled());
    EXPECT_EQ(filho<QGroupBox>(e, "divisao1")->title(), "1ª divisão");
    EXPECT_TRUE(filho<QGroupBox>(e, "divisao2")->isVisible());
    EXPECT_FALSE(filho<QGroupBox>(e, "divisao3")->isVisible());  // 24 clubs: two divisions

    const Mundo& m = fluxo_->novojogo()->mundo();
    const int brasil = pais->currentIndex();
    auto* primeiro = filho<QRadioButton>(e, "clube_1_1");
    const int clube1 = primeiro->property("clube").toInt();
    EXPECT_EQ(primeiro->text().toStdString(), m.times[clube1].nome.utf8());
    EXPECT_EQ(primeiro->toolTip(), QString::number(clube1));

    clica(primeiro);
    EXPECT_FALSE(botao->isEnabled());  // no name yet
    QTest::keyClicks(nome, "Ana");
    EXPECT_TRUE(botao->isEnabled());
    nome->clear();
    EXPECT_FALSE(botao->isEnabled());
    QTest::keyClicks(nome, "Ana");
    clica(botao);

    EXPECT_EQ(e->tecnicoatual(), 2);
    EXPECT_EQ(rotulo->text(), "Time 2");
    EXPECT_EQ(botao->text(), "Iniciar jogo");
    EXPECT_TRUE(nome->text().isEmpty());
    EXPECT_FALSE(primeiro->isEnabled());
    EXPECT_FALSE(primeiro->isChecked());
    EXPECT_EQ(m.estado.timedotecnico[0], clube1);
    EXPECT_EQ(m.times[clube1].humano, 1);
    EXPECT_EQ(m.ligas[brasil].temhumano, 1);

    // Changing the league forgets any club clicked in the old view.
    auto* segundo = filho<QRadioButton>(e, "clube_1_2");
    clica(segundo);
    QTest::keyClicks(nome, "Bia");
    EXPECT_TRUE(botao->isEnabled());
    pais->setCurrentIndex(1 - brasil);
    EXPECT_FALSE(botao->isEnabled());
    pais->setCurrentIndex(brasil);
    EXPECT_FALSE(filho<QRadioButton>(e, "clube_1_1")->isEnabled());  // still taken
    pais->setCurrentIndex(1 - brasil);
    auto* argentino = filho<QRadioButton>(e, "clube_2_3");
    const int clube2 = argentino->property("clube").toInt();
    EXPECT_EQ(m.times[clube2].pais, kArgentina);
    clica(argentino);
    EXPECT_TRUE(botao->isEnabled());
    clica(botao);

    // The loading screen runs, then the main screen of the last chosen club opens.
    ASSERT_NE(fluxo_->carregando(), nullptr);
    EXPECT_EQ(fluxo_->carregando()->objectName(), "TForm12");
    EXPECT_TRUE(fluxo_->carregando()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(fluxo_->principal() != nullptr, 20000);
    TelaPrincipal* p = fluxo_->principal();
    EXPECT_EQ(p->objectName(), "TForm13");
    EXPECT_EQ(p->windowTitle(), "Tarvello 2008");
    EXPECT_TRUE(p->isVisible());
    QTRY_VERIFY(fluxo_->escolhatime() == nullptr);
    QTRY_VERIFY(fluxo_->carregando() == nullptr);
    const Mundo& jogo = p->mundo();
    EXPECT_EQ(jogo.estado.timeatual, clube2);
    EXPECT_EQ(jogo.ligas[1 - brasil].temhumano, 1);
    EXPECT_EQ(filho<QLabel>(p, "clube")->text().toStdString(), jogo.times[clube2].nome.utf8());
    EXPECT_TRUE(filho<QLabel>(p, "dinheiro")->text().startsWith("$ "));
    // The welcome message is waiting in the inbox.
    EXPECT_EQ(filho<QLabel>(p, "noticias")->text(), "1 notícia não lida");
    EXPECT_EQ(jogo.tecnicos[clube2].nome.utf8(), "Bia");
    EXPECT_EQ(jogo.tecnicos[clube1].nome.utf8(), "Ana");
    QStringList menus;
    for (QAction* a : p->menuBar()->actions()) menus << a->text();
    EXPECT_TRUE(menus.contains("Opções"));
    EXPECT_TRUE(menus.contains("Tabela de jogos"));
    EXPECT_TRUE(menus.contains("Finanças"));
    // "Salvar escalação" is remembered in the game's options file.
    filho<QCheckBox>(p, "salvarescalacao")->setChecked(true);
    EXPECT_EQ(leopcao(base_.raiz / "tarvello.ini", kSecaoOpcoes, "opescalacao"), "1");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FluxoNovoJogo, UmTecnicoSemRotuloDeTime) {
    TelaConfiguracao* c = abreconfiguracao();
    ASSERT_NE(c, nullptr);
    marca(filho<QTableWidget>(c, "ligas"), kArgentina);
    filho<QComboBox>(c, "sistema")->setCurrentIndex(1);
    clica(filho<QPushButton>(c, "iniciar"));
    TelaEscolhaTime* e = fluxo_->escolhatime();
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(filho<QLabel>(e, "rotulotime")->isVisible());
    EXPECT_EQ(filho<QPushButton>(e, "iniciar")->text(), "Iniciar jogo");
    // Divisions of 20: three boxes of 20 buttons, one used with 22 clubs.
    EXPECT_EQ(e->findChild<QGroupBox*>("divisao4"), nullptr);
    EXPECT_TRUE(filho<QGroupBox>(e, "divisao1")->isVisible());
    EXPECT_FALSE(filho<QGroupBox>(e, "divisao2")->isVisible());
    EXPECT_TRUE(filho<QRadioButton>(e, "clube_1_20")->isVisible());
}

TEST(Tela, FatorDeEscala) {
    EXPECT_DOUBLE_EQ(fatorescala(800, 600), 1.0);
    EXPECT_DOUBLE_EQ(fatorescala(1024, 768), 1.28);
    EXPECT_DOUBLE_EQ(fatorescala(640, 480), 0.8);
    EXPECT_DOUBLE_EQ(fatorescala(1280, 1024), 1.6);
    EXPECT_DOUBLE_EQ(fatorescala(1280, 800), 1.33);
    EXPECT_DOUBLE_EQ(fatorescala(1920, 1080), 1.0);
    EXPECT_DOUBLE_EQ(fatorescala(1024, 600), 1.0);
    EXPECT_EQ(corlinha(0), QColor(255, 255, 255));
    EXPECT_EQ(corlinha(1), QColor(255, 255, 236));
}

}  // namespace

TEST(ConfiguracaoAvisos, ArquivosDanificadosETorneiosSemSelecoesNumAvisoSo) {
    BaseTeste b;
    clubes(b, kArgentina, 22);
    b.selecao(kBrasil);  // far from enough for any tournament
    std::ofstream(b.raiz / "teams" / "estragado.b08") << "pouco";
    std::filesystem::create_directories(b.raiz / "teams" / "pasta.b08");
    Mensagens mensagens;
    FluxoJogo fluxo(b.raiz, b.raiz / "tarvello.ini", 3);
    fluxo.inicia();
    clica(filho<QPushButton>(fluxo.menu(), "novojogo"));
    TelaConfiguracao* c = fluxo.configuracao();
    ASSERT_NE(c, nullptr);
    QTest::qWait(20);
    ASSERT_EQ(mensagens.textos.size(), 1);
    const QString aviso = mensagens.textos[0];
    EXPECT_TRUE(aviso.contains("teams/estragado.b08")) << aviso.toStdString();
    EXPECT_TRUE(aviso.contains("teams/pasta.b08")) << aviso.toStdString();
    for (const char* torneio : {"Copa do Mundo", "Eurocopa", "Copa América"})
        EXPECT_TRUE(aviso.contains(torneio)) << torneio;
    // Those tournaments are not offered; the game goes on with the readable clubs.
    for (const char* caixa : {"copamundo", "eurocopa", "copaamerica"}) {
        EXPECT_FALSE(filho<QCheckBox>(c, caixa)->isChecked()) << caixa;
        EXPECT_FALSE(filho<QCheckBox>(c, caixa)->isEnabled()) << caixa;
    }
    // Switching to the custom mode and back does not offer them again.
    clica(filho<QRadioButton>(c, "modofantasia"));
    clica(filho<QRadioButton>(c, "modoreal"));
    EXPECT_FALSE(filho<QCheckBox>(c, "eurocopa")->isEnabled());
    EXPECT_EQ(paisesmarcados(filho<QTableWidget>(c, "ligas")).size(), 0u);
    EXPECT_EQ(filho<QTableWidget>(c, "ligas")->rowCount(), 1);
}

TEST(ConfiguracaoAvisos, PastaSemTimesVoltaAoMenu) {
    BaseTeste b;  // teams/ exists, without a club file
    Mensagens mensagens;
    FluxoJogo fluxo(b.raiz, b.raiz / "tarvello.ini", 3);
    fluxo.inicia();
    clica(filho<QPushButton>(fluxo.menu(), "novojogo"));
    QTest::qWait(20);
    ASSERT_EQ(mensagens.textos.size(), 1);
    EXPECT_TRUE(mensagens.textos[0].startsWith(
        QString::fromStdString("Nenhum arquivo de time em " + (b.raiz / "teams").string())))
        << mensagens.textos[0].toStdString();
    EXPECT_TRUE(fluxo.menu()->isVisible());
}

TEST_F(FluxoNovoJogo, ClubeDeixadoDeForaNaCargaEhAvisado) {
    TelaConfiguracao* c = abreconfiguracao();
    ASSERT_NE(c, nullptr);
    marca(filho<QTableWidget>(c, "ligas"), kArgentina);
    filho<QComboBox>(c, "sistema")->setCurrentIndex(1);
    clica(filho<QPushButton>(c, "iniciar"));
    TelaEscolhaTime* e = fluxo_->escolhatime();
    ASSERT_NE(e, nullptr);
    // Argentina's clubs were written after Brasil's 24: "C11-6" is c00030.b08. It goes bad
    // between the team choice and the load.
    auto* clube = filho<QRadioButton>(e, "clube_1_1");
    if (clube->text() == "C11-6") clube = filho<QRadioButton>(e, "clube_1_2");
    clica(clube);
    QTest::keyClicks(filho<QLineEdit>(e, "nome"), "Ana");
    std::filesystem::resize_file(base_.raiz / "teams" / "c00030.b08", 100);
    clica(filho<QPushButton>(e, "iniciar"));
    QTRY_VERIFY_WITH_TIMEOUT(fluxo_->principal() != nullptr, 20000);
    ASSERT_EQ(mensagens_.textos.size(), 1);
    EXPECT_TRUE(mensagens_.textos[0].contains("C11-6")) << mensagens_.textos[0].toStdString();
    EXPECT_TRUE(mensagens_.textos[0].contains("teams/c00030.b08")) << mensagens_.textos[0].toStdString();
    EXPECT_EQ(fluxo_->principal()->mundo().estado.numclubesliga, 21);
}
