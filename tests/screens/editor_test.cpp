// The team editor driven as a person would, from the start menu, on the sample world: a new
// club with 18 players, edited, a transfer, a copy into the national team, a deleted player,
// back to the menu; then the headless tool finds the new club usable.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"
#include "database/arquivos.h"
#include "editor/elencos.h"
#include "editor/screens/carregando_editor_tela.h"
#include "editor/screens/editor_tela.h"
#include "editor/screens/campos_editor.h"
#include "editor/screens/jogador_dialogo.h"
#include "newgame/screens/menu_inicial.h"
#include "ui/fluxo.h"
#include "ui/tela.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

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

// Runs `passo` on the modal dialog once it is open (the caller then opens it).
void quandoabrir(const std::function<void(QWidget*)>& passo) {
    QTimer::singleShot(0, [passo] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        passo(w);
    });
}

void digita(QWidget* d, const char* campo, const QString& texto) {
    auto* e = d->findChild<QLineEdit*>(campo);
    ASSERT_NE(e, nullptr) << campo;
    e->clear();
    e->insert(texto);  // as typed (QTest types only ASCII keys)
}

void escolhe(QWidget* d, const char* campo, int dado) {
    auto* c = d->findChild<QComboBox*>(campo);
    ASSERT_NE(c, nullptr) << campo;
    c->setCurrentIndex(c->findData(dado));
}

int clubesdobrasil(const fs::path& raiz) {
    auto [rc, saida] = teste::rodacli("base --dados " + raiz.string() + " --json", teste::Erros::Fora);
    EXPECT_EQ(rc, 0) << saida;
    const auto j = nlohmann::json::parse(saida);
    for (const auto& x : j["personalizado"])
        if (x["pais"].get<int>() == kBrasil) return x["clubes"].get<int>();
    ADD_FAILURE() << saida;
    return 0;
}

int linhadoclube(QTableWidget* g, int clube) {
    for (int r = 0; r < g->rowCount(); ++r)
        if (g->item(r, 0)->text().toInt() == clube) return r;
    return -1;
}

}  // namespace

TEST(TelaEditor, ClubeNovoDoMenuAoJogo) {
    const fs::path raiz = teste::pastatemporaria("tarvello_editor_tela");
    fs::remove_all(raiz);
    ASSERT_EQ(teste::rodacli("gerar-base --destino " + raiz.string(), teste::Erros::Fora).first, 0);
    const int antes = clubesdobrasil(raiz);
    Mensagens mensagens;

    FluxoJogo fluxo(raiz, raiz / "tarvello.ini", 1);
    fluxo.inicia();
    QTest::mouseClick(fluxo.menu()->findChild<QPushButton*>("editorequipes"), Qt::LeftButton);
    auto* carregando = fluxo.carregandoeditor();
    ASSERT_NE(carregando, nullptr);
    EXPECT_EQ(carregando->objectName(), "TForm2");
    const int arquivos = carregando->findChild<QProgressBar*>("progresso")->maximum();
    EXPECT_EQ(arquivos, static_cast<int>(listaentradas(pastatimes(raiz), ".b08", true).size()));
    QTRY_VERIFY(fluxo.editor() != nullptr);
    TelaEditor* tela = fluxo.editor();
    EXPECT_EQ(tela->objectName(), "TForm3");
    EXPECT_FALSE(fluxo.menu()->isVisible());
    EXPECT_EQ(tela->gradeclubes()->rowCount(), arquivos);

    // "Adicionar Equipe": a file name with ".." is refused and the dialog stays open with what
    // was typed; a good name then creates the club at the top of the list.
    quandoabrir([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "TForm7");
        digita(d, "nomecompleto", "Clube do Editor");
        digita(d, "nome", "Editor FC");
        digita(d, "tecnico", "Técnico Novo");
        digita(d, "estadio", "Arena Nova");
        digita(d, "arquivo", "../fora");
        escolhe(d, "estado", 24);
        d->findChild<QSpinBox*>("nivel")->setValue(14);
        QTest::keyClick(d, Qt::Key_Return);
        ASSERT_TRUE(d->isVisible());
        digita(d, "arquivo", "editorfc");
        QTest::keyClick(d, Qt::Key_Return);
    });
    tela->adicionar();
    ASSERT_EQ(mensagens.textos.size(), 1);
    EXPECT_TRUE(mensagens.textos[0].startsWith("Nome de arquivo inválido"));
    EXPECT_FALSE(fs::exists(raiz / "teams" / "fora.b08"));
    const fs::path arquivo = raiz / "teams" / "editorfc.b08";
    ASSERT_TRUE(fs::exists(arquivo));
    const int clube = tela->clubeatual();
    EXPECT_EQ(linhadoclube(tela->gradeclubes(), clube), 0);
    EXPECT_EQ(tela->gradeclubes()->item(0, 1)->foreground().color(), QColor(255, 0, 0));  // no players yet

    // 18 players: two goalkeepers, then outfield players of every position.
    for (int k = 0; k < 18; ++k) {
        quandoabrir([&, k](QWidget* d) {
            EXPECT_EQ(d->objectName(), "TForm5");
            digita(d, "nome", QString("Jogador %1").arg(k + 1));
            d->findChild<QComboBox*>("posicao")->setCurrentIndex(k < 2 ? 0 : 1 + k % 4);
            QTest::keyClick(d, Qt::Key_F3);
            QTest::keyClick(d, Qt::Key_Return);
        });
        tela->adicionajogador();
    }
    EXPECT_EQ(mensagens.textos.size(), 1);
    auto lido = lerclubebruto(arquivo);
    ASSERT_TRUE(lido);
    EXPECT_EQ(slotsusados(lido->elenco), 18);
    EXPECT_EQ(lido->cabecalho.valido, 1);
    EXPECT_EQ(lido->elenco.habilidade1[0], 2);   // F3 on a goalkeeper: "Reflexo"
    EXPECT_EQ(lido->elenco.habilidade1[2], 6);   // F3 on the others: the third outfield ability
    EXPECT_EQ(lido->elenco.pais[5], kBrasil);
    EXPECT_EQ(tela->gradeelenco()->rowCount(), 18);
    EXPECT_EQ(tela->gradeclubes()->item(0, 1)->foreground().color(), QColor(Qt::black));

    // "Editar Equipe": Esc changes nothing, Enter keeps what was typed.
    quandoabrir([&](QWidget* d) {
        digita(d, "tecnico", "Outro Técnico");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    tela->editar();
    quandoabrir([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "TForm4");
        digita(d, "tecnico", "Técnico Editado");
        QTest::keyClick(d, Qt::Key_Return);
    });
    tela->editar();
    lido = lerclubebruto(arquivo);
    EXPECT_TRUE(lido->cabecalho.tecnico == "Técnico Editado");
    EXPECT_TRUE(lido->cabecalho.nome == "Editor FC");
    EXPECT_EQ(lido->cabecalho.estado, 24);

    // Transfer the first outfield player to the first club that can take him.
    tela->gradeelenco()->setCurrentCell(2, 3);
    const int slottransf = tela->slotselecionado();
    const QString nometransf = tela->gradeelenco()->item(2, 3)->text();
    int destino = -1;
    quandoabrir([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "TForm79");
        auto* g = d->findChild<QTableWidget*>("clubes");
        auto* transferir = d->findChild<QPushButton*>("transferir");
        EXPECT_FALSE(transferir->isEnabled());
        g->setCurrentCell(0, 1);
        ASSERT_TRUE(transferir->isEnabled());
        destino = g->item(0, 0)->text().toInt();
        QTest::keyClick(d, Qt::Key_Return);
    });
    tela->transferir();
    ASSERT_GE(destino, 0);
    EXPECT_EQ(slotsusados(lerclubebruto(arquivo)->elenco), 17);
    const auto alvo = lerclubebruto(arquivodoclube(tela->base(), destino));
    bool chegou = false;
    for (const auto& n : alvo->elenco.nome) chegou |= n.utf8() == nometransf.toStdString();
    EXPECT_TRUE(chegou);
    EXPECT_TRUE(slotlivre(lerclubebruto(arquivo)->elenco.nome[slottransf]));

    // Dropped onto "Seleções": a copy in the Brazilian national team, once only.
    const fs::path selecao = raiz / "teams" / "selecoes" / "29.s05";
    ASSERT_TRUE(fs::exists(selecao));
    const int antesselecao = slotsusados(*lerselecaobruta(selecao));
    tela->gradeelenco()->setCurrentCell(4, 3);
    const QString convocado = tela->gradeelenco()->item(4, 3)->text();
    tela->soltanaselecao();
    const QString aviso1 = tela->findChild<QLabel*>("aviso")->text();
    tela->soltanaselecao();
    const QString aviso2 = tela->findChild<QLabel*>("aviso")->text();
    if (antesselecao < 28) {
        EXPECT_EQ(aviso1, convocado + " copiado para a seleção: Brasil");
        EXPECT_EQ(aviso2, convocado + " já está na seleção: Brasil");
    }
    auto sel = lerselecaobruta(selecao);
    EXPECT_EQ(slotsusados(*sel), std::min(28, antesselecao + 1));
    if (antesselecao < 28) {
        int copias = 0;
        for (const auto& n : sel->nome) copias += n.utf8() == convocado.toStdString();
        EXPECT_EQ(copias, 1);
    }
    EXPECT_EQ(slotsusados(lerclubebruto(arquivo)->elenco), 17);

    // Del on the squad list deletes the selected player.
    tela->gradeelenco()->setCurrentCell(6, 3);
    tela->gradeelenco()->setFocus();
    QTest::keyClick(tela->gradeelenco(), Qt::Key_Delete);
    lido = lerclubebruto(arquivo);
    EXPECT_EQ(slotsusados(lido->elenco), 16);
    EXPECT_EQ(tela->gradeelenco()->rowCount(), 16);
    EXPECT_EQ(lido->cabecalho.valido, 1);
    EXPECT_EQ(mensagens.textos.size(), 1);

    // Back to the start menu; the new club is one more usable Brazilian club.
    QTest::mouseClick(tela->findChild<QWidget*>("voltar"), Qt::LeftButton);
    QTRY_VERIFY(fluxo.editor() == nullptr);
    EXPECT_TRUE(fluxo.menu()->isVisible());
    EXPECT_EQ(clubesdobrasil(raiz), antes + 1);
    fs::remove_all(raiz);
}

// The player dialog's keys pick only items the list has, and follow the position.
TEST(TelaEditor, TeclasDoDialogoDeJogador) {
    TJogadorEditor j;
    j.posicao = kGoleiro;
    DialogoJogador d(true, true, j, {});
    d.show();
    auto* hab1 = d.findChild<QComboBox*>("habilidade1");
    auto* hab2 = d.findChild<QComboBox*>("habilidade2");
    ASSERT_EQ(hab1->count(), 4);
    EXPECT_EQ(hab1->itemText(0), "F1 - Colocação");
    EXPECT_EQ(hab2->itemText(0), "0 - Colocação");
    QTest::keyClick(&d, Qt::Key_F3);
    EXPECT_EQ(d.dados().habilidade1, 2);
    QTest::keyClick(&d, Qt::Key_F7);  // a goalkeeper has four: nothing changes
    EXPECT_EQ(d.dados().habilidade1, 2);
    hab2->setFocus();
    QTest::keyClick(hab2, Qt::Key_3);
    EXPECT_EQ(d.dados().habilidade2, 3);
    QTest::keyClick(hab2, Qt::Key_8);
    EXPECT_EQ(d.dados().habilidade2, 3);
    // An outfield position: ten items, stored from ability 4.
    d.findChild<QComboBox*>("posicao")->setCurrentIndex(kAtacante);
    QTest::keyClick(&d, Qt::Key_F10);
    EXPECT_EQ(d.dados().habilidade1, 13);
    EXPECT_EQ(d.dados().habilidade2, 4);  // refilled lists start on their first item
    // Digits typed in the name stay in the name.
    auto* nome = d.findChild<QLineEdit*>("nome");
    nome->setFocus();
    QTest::keyClicks(nome, "Camisa 10");
    EXPECT_EQ(d.dados().nome, "Camisa 10");
    EXPECT_EQ(d.dados().habilidade2, 4);
    // The age slider stays within 16..42.
    auto* idade = d.findChild<QSlider*>("idade");
    idade->setValue(60);
    EXPECT_EQ(d.dados().idade, 42);

    ComboPaises paises;
    paises.setFocus();
    QTest::keyClick(&paises, Qt::Key_M);
    EXPECT_TRUE(paises.currentText().startsWith("Ma"));
    QTest::keyClick(&paises, Qt::Key_B);
    EXPECT_EQ(paises.currentText(), "Bahamas");
}

// National teams in the editor window: a new one, its players, at most eleven starters.
TEST(TelaEditor, SelecaoNovaComTitulares) {
    const fs::path raiz = teste::pastatemporaria("tarvello_editor_selecao");
    fs::remove_all(raiz);
    fs::create_directories(raiz / "teams" / "selecoes");
    TSelecao brasil{};
    brasil.pais = kBrasil;
    brasil.nivel = 20;
    brasil.tecnico.define("Técnico");
    ASSERT_EQ(selecaosalvar(raiz, brasil), "");
    Mensagens mensagens;
    TelaEditor tela(std::make_unique<BaseEditor>(carregatimes(raiz)));
    tela.show();
    tela.mostraselecoes();
    ASSERT_EQ(tela.gradeselecoes()->rowCount(), 1);

    // Brasil exists already: the dialog says so and stays open until cancelled.
    quandoabrir([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "TForm73");
        EXPECT_EQ(d->windowTitle(), "Adicionar Seleção");
        escolhe(d, "pais", kBrasil);
        digita(d, "tecnico", "Outro");
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    tela.adicionar();
    ASSERT_EQ(mensagens.textos.size(), 1);
    EXPECT_EQ(mensagens.textos[0], "Esta seleção já existe, você pode edita-la clicando em editar");

    quandoabrir([&](QWidget* d) {
        escolhe(d, "pais", 11);
        digita(d, "tecnico", "Técnico Argentino");
        QTest::keyClick(d, Qt::Key_Return);
    });
    tela.adicionar();
    ASSERT_EQ(tela.gradeselecoes()->rowCount(), 2);
    EXPECT_EQ(tela.selecaoatual(), 11);
    EXPECT_EQ(tela.gradeselecoes()->currentRow(), 1);  // after the row that was selected
    ASSERT_TRUE(fs::exists(raiz / "teams" / "selecoes" / "11.s05"));

    for (int k = 0; k < 12; ++k) {
        quandoabrir([&, k](QWidget* d) {
            EXPECT_EQ(d->findChild<QComboBox*>("pais"), nullptr);  // a national team's players are its own
            digita(d, "nome", QString("Atleta %1").arg(k));
            d->findChild<QComboBox*>("posicao")->setCurrentIndex(k == 0 ? 0 : 3);
            QTest::keyClick(d, Qt::Key_Return);
        });
        tela.adicionajogador();
    }
    EXPECT_EQ(tela.gradeelenco()->rowCount(), 12);
    for (int linha = 0; linha < 12; ++linha) tela.alternatitular(linha);
    auto s = lerselecaobruta(raiz / "teams" / "selecoes" / "11.s05");
    ASSERT_TRUE(s);
    int titulares = 0;
    for (int k = 0; k < 28; ++k) titulares += s->escalacao[k];
    EXPECT_EQ(titulares, 11);
    EXPECT_EQ(s->numjogadores, 12);
    EXPECT_EQ(tela.findChild<QLabel*>("total")->text(), "Total:12 jogadores");
    EXPECT_EQ(mensagens.textos.size(), 1);
    fs::remove_all(raiz);
}
