// The save-name dialog, the load screen, the options screen and the colours window.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "../apoio/pastatemporaria.h"
#include "database/jogosalvo.h"
#include "database/sons_gerados.h"
#include "match/screens/sons_tela.h"
#include "model/opcoes.h"
#include "newgame/salvamento.h"
#include "newgame/screens/carregar_jogo_tela.h"
#include "principal_apoio.h"
#include "ui/cores_tela.h"
#include "ui/opcoes_tela.h"
#include "ui/salvar_jogo_tela.h"
#include "ui/tela.h"

using namespace tarvello;
using namespace tarvello::teste;
namespace fs = std::filesystem;

namespace {

struct Pasta {
    fs::path raiz = pastatemporaria("tarvello_telas_salvo");
    Pasta() {
        fs::remove_all(raiz);
        fs::create_directories(raiz / "sav");
    }
    ~Pasta() { fs::remove_all(raiz); }
};

// A world the saved-game reader accepts: the human one of the main-screen tests.
std::unique_ptr<Mundo> mundosalvavel() {
    auto m = mundohumano();
    if (m->historicos.empty()) m->historicos.resize(1);
    for (auto& j : m->jogadores) j.historico = 0;
    m->estado.marcavalida = kMarcaValida;  // as the world initialisation sets it
    return m;
}

// Runs `acao` on the modal window named `nome` once it is open (when it opens at all).
void quandoabrir(const char* nome, std::function<void(QWidget*)> acao, int tentativas = 50) {
    QTimer::singleShot(20, [nome, acao, tentativas] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->objectName() == nome) acao(w);
        else if (tentativas > 0) quandoabrir(nome, acao, tentativas - 1);
    });
}

// The game's message boxes, recorded instead of shown.
struct Mensagens {
    std::vector<QString> textos;
    GanchoMensagem antes = ganchomensagem();
    Mensagens() {
        ganchomensagem() = [this](QWidget*, const QString& t) { textos.push_back(t); };
    }
    ~Mensagens() { ganchomensagem() = antes; }
};

}  // namespace

// First save: the name is asked, filtered and kept; the next save asks nothing. An existing
// file asks before it is overwritten; a missing "sav" folder is an error box.
TEST(TelasSalvamento, NomeDoArquivoEConfirmacao) {
    Pasta p;
    auto m = mundosalvavel();
    quandoabrir("TForm40", [](QWidget* w) {
        auto* nome = w->findChild<QLineEdit*>("nome");
        auto* salvar = w->findChild<QPushButton*>("salvar");
        EXPECT_FALSE(salvar->isEnabled());
        EXPECT_EQ(nome->maxLength(), 30);
        QTest::keyClicks(nome, "../minha vida");
        EXPECT_TRUE(salvar->isEnabled());
        salvar->click();
    });
    ASSERT_TRUE(salvajogotela(nullptr, *m, p.raiz));
    EXPECT_EQ(m->estado.nomearquivo.utf8(), "minha vida.s08");
    EXPECT_TRUE(fs::exists(p.raiz / "sav" / "minha vida.s08"));
    EXPECT_FALSE(fs::exists(p.raiz / "minha vida.s08"));
    EXPECT_TRUE(salvajogotela(nullptr, *m, p.raiz));  // no dialog this time

    // Another game choosing the same name: "Não" goes back to the name, closing saves nothing.
    auto outro = mundosalvavel();
    quandoabrir("TForm40", [](QWidget* w) {
        QTest::keyClicks(w->findChild<QLineEdit*>("nome"), "minha vida");
        quandoabrir("TForm41", [w](QWidget* c) {
            c->findChild<QPushButton*>("nao")->click();
            quandoabrir("TForm40", [](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
            (void)w;
        });
        w->findChild<QPushButton*>("salvar")->click();
    });
    EXPECT_FALSE(salvajogotela(nullptr, *outro, p.raiz));
    EXPECT_TRUE(outro->estado.nomearquivo.vazio());
    // "Sim" overwrites.
    quandoabrir("TForm40", [](QWidget* w) {
        QTest::keyClicks(w->findChild<QLineEdit*>("nome"), "minha vida");
        quandoabrir("TForm41", [](QWidget* c) { c->findChild<QPushButton*>("sim")->click(); });
        w->findChild<QPushButton*>("salvar")->click();
    });
    EXPECT_TRUE(salvajogotela(nullptr, *outro, p.raiz));
    EXPECT_EQ(outro->estado.nomearquivo.utf8(), "minha vida.s08");

    Mensagens msg;
    fs::remove_all(p.raiz / "sav");
    EXPECT_FALSE(salvajogotela(nullptr, *m, p.raiz));
    ASSERT_EQ(msg.textos.size(), 1u);
    EXPECT_EQ(msg.textos[0].toStdString(), kErroSalvar);
}

// The load screen lists the saves with their preview, refuses a damaged file without closing,
// loads a sound one, and deletes on confirmation (keeping the row when the delete fails).
TEST(TelasSalvamento, TelaCarregarJogo) {
    Pasta p;
    auto m = mundosalvavel();
    m->estado.nomearquivo.define("bom.s08");
    ASSERT_EQ(salvajogo(*m, p.raiz / "sav" / "bom.s08"), "");
    {
        JogoCarregado c = carregajogo(p.raiz / "sav" / "bom.s08", 1);
        ASSERT_TRUE(c.mundo) << c.motivo;
    }
    auto bytes = codificajogo(*m);
    bytes[4 + 8] = 80;  // the validity marker
    std::ofstream(p.raiz / "sav" / "marca.s08", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes[4 + 8] = 81;
    bytes.push_back(7);  // one byte after the last item
    std::ofstream(p.raiz / "sav" / "sobra.s08", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::ofstream(p.raiz / "sav" / "curto.s08") << "abc";

    TelaCarregarJogo t(p.raiz, 5);
    t.show();
    auto* grade = t.findChild<QTableWidget*>("arquivos");
    ASSERT_EQ(grade->rowCount(), 4);
    ASSERT_GE(t.coluna("nxarquivo"), 0);
    auto linha = [&](const QString& nome) {
        for (int l = 0; l < grade->rowCount(); ++l)
            if (grade->item(l, 0)->text() == nome) return l;
        return -1;
    };
    auto rotulo = [&](const char* n) { return t.findChild<QLabel*>(n)->text(); };

    grade->selectRow(linha("bom.s08"));
    EXPECT_EQ(rotulo("time"), "Clube 0");
    EXPECT_EQ(rotulo("ano"), "2008");
    EXPECT_TRUE(rotulo("competicao").startsWith("Campeonato Nacional1ª rodada -1º turno"));
    grade->selectRow(linha("marca.s08"));
    EXPECT_EQ(rotulo("invalido"), "arquivo inválido");
    EXPECT_TRUE(rotulo("time").isEmpty());
    grade->selectRow(linha("curto.s08"));
    EXPECT_TRUE(rotulo("invalido").isEmpty() && rotulo("time").isEmpty());

    Mensagens msg;
    for (const char* ruim : {"marca.s08", "sobra.s08", "curto.s08"}) {
        grade->selectRow(linha(ruim));
        t.findChild<QPushButton*>("carregar")->click();
        EXPECT_EQ(t.result(), QDialog::Rejected) << ruim;
        EXPECT_FALSE(t.entregamundo()) << ruim;
    }
    ASSERT_EQ(msg.textos.size(), 3u);
    EXPECT_EQ(msg.textos[0].toStdString(), kJogoInvalido);
    EXPECT_EQ(msg.textos[1].toStdString(), kJogoInvalido);
    EXPECT_EQ(msg.textos[2].toStdString(), kJogoInvalido);

    // Deleting: "Não" keeps everything; "Sim" removes file and row; a file already gone keeps
    // its row and says so.
    GanchoPergunta antes = ganchopergunta();
    bool resposta = false;
    ganchopergunta() = [&](QWidget*, const QString& texto) {
        EXPECT_EQ(texto, "Deseja apagar mesmo o arquivo?");
        return resposta;
    };
    grade->selectRow(linha("curto.s08"));
    t.findChild<QPushButton*>("apagar")->click();
    EXPECT_TRUE(fs::exists(p.raiz / "sav" / "curto.s08"));
    resposta = true;
    t.findChild<QPushButton*>("apagar")->click();
    EXPECT_FALSE(fs::exists(p.raiz / "sav" / "curto.s08"));
    EXPECT_EQ(grade->rowCount(), 3);
    fs::remove(p.raiz / "sav" / "sobra.s08");
    grade->selectRow(linha("sobra.s08"));
    t.findChild<QPushButton*>("apagar")->click();
    EXPECT_EQ(grade->rowCount(), 3);
    EXPECT_EQ(msg.textos.back(), "Não foi possível apagar o arquivo.");
    ganchopergunta() = antes;

    grade->selectRow(linha("bom.s08"));
    t.findChild<QPushButton*>("carregar")->click();
    EXPECT_EQ(t.result(), QDialog::Accepted);
    auto carregado = t.entregamundo();
    ASSERT_TRUE(carregado);
    EXPECT_EQ(carregado->estado.nomearquivo.utf8(), "bom.s08");
    EXPECT_EQ(codificajogo(*carregado), codificajogo(*m));
}

// Every choice of the options screen changes the game and its key at once; the colours
// redraw the squad list except during national-team competitions; the league list flips its
// flag; "Fechar" with automatic saving asks for a name in a game never saved.
TEST(TelasSalvamento, TelaOpcoesECores) {
    Pasta p;
    auto m = mundosalvavel();
    TEstadoJogo& e = m->estado;
    e.intervalohumano = 0;
    e.intervalocomputador = 10;
    e.som = 1;
    const fs::path ini = p.raiz / "tarvello.ini";
    TelaOpcoes t(*m, p.raiz, ini);
    t.show();
    EXPECT_EQ(t.objectName(), "TForm32");
    EXPECT_EQ(e.intervalohumano, 600);
    EXPECT_EQ(t.findChild<QComboBox*>("velocidade")->currentText(), "Super rápido");
    EXPECT_EQ(t.findChild<QComboBox*>("velocidadenh")->currentText(), "Hiper rápido");

    t.findChild<QComboBox*>("velocidade")->setCurrentIndex(5);
    EXPECT_EQ(e.intervalohumano, 100);
    EXPECT_EQ(leopcao(ini, "opcoes", "opvelocidade"), "5");
    t.findChild<QComboBox*>("emails")->setCurrentIndex(2);
    EXPECT_EQ(e.emails, 2);
    EXPECT_EQ(leopcao(ini, "opcoes", "opemails"), "2");
    t.findChild<QComboBox*>("verpenalty")->setCurrentIndex(1);
    EXPECT_EQ(e.verpenalty, 1);
    EXPECT_EQ(leopcao(ini, "opcoes", "op_verpenalty"), "1");
    t.findChild<QCheckBox*>("som")->setChecked(false);
    EXPECT_EQ(e.som, 0);
    EXPECT_EQ(leopcao(ini, "opcoes", "opsom"), "0");

    QSignalSpy redesenho(&t, &TelaOpcoes::listamudou);
    t.findChild<QCheckBox*>("cornalista")->setChecked(true);
    EXPECT_EQ(e.cornalista, 1);
    EXPECT_EQ(redesenho.count(), 1);
    for (int c : {kCopaMundo, kCopaAmerica, kEurocopa}) {
        e.competicaoatual = c;
        t.findChild<QCheckBox*>("cornalista")->toggle();
    }
    EXPECT_EQ(redesenho.count(), 1);
    e.competicaoatual = kLiga;

    auto* ligas = t.findChild<QTableWidget*>("ligas");
    ASSERT_EQ(ligas->rowCount(), 1);
    QTest::mouseClick(ligas->viewport(), Qt::LeftButton, {}, ligas->visualItemRect(ligas->item(0, 1)).center());
    EXPECT_EQ(m->ligas[0].mostrarjogos, 1);
    EXPECT_EQ(ligas->item(0, 0)->checkState(), Qt::Checked);

    // The colours window: a picked colour, then the standard ones.
    GanchoCor antes = ganchocor();
    ganchocor() = [](QWidget*, const QColor&) { return QColor(10, 20, 30); };
    {
        TelaCores c(*m, ini);
        c.findChild<QPushButton*>("cor2")->click();
        EXPECT_EQ(e.cores[2], 10 | (20 << 8) | (30 << 16));
        EXPECT_EQ(textoparacor(leopcao(ini, "opcoes", "cor2")), e.cores[2]);
        c.findChild<QPushButton*>("padrao")->click();
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(e.cores[k], kCoresPadrao[static_cast<size_t>(k)]);
            EXPECT_EQ(textoparacor(leopcao(ini, "opcoes", "cor" + std::to_string(k))), kCoresPadrao[static_cast<size_t>(k)]);
        }
    }
    ganchocor() = antes;

    // Automatic saving chosen in a game never saved: "Fechar" asks for the name first.
    t.findChild<QComboBox*>("salvar")->setCurrentIndex(2);
    EXPECT_EQ(e.salvarauto, 2);
    EXPECT_EQ(leopcao(ini, "opcoes", "opsalvar"), "2");
    bool perguntou = false;
    quandoabrir("TForm40", [&](QWidget* w) {
        perguntou = true;
        QTest::keyClicks(w->findChild<QLineEdit*>("nome"), "auto");
        w->findChild<QPushButton*>("salvar")->click();
    });
    t.findChild<QPushButton*>("fechar")->click();
    EXPECT_TRUE(perguntou);
    EXPECT_TRUE(fs::exists(p.raiz / "sav" / "auto.s08"));
    EXPECT_FALSE(t.isVisible());
}

// Sounds are registered only when their file exists; a play restarts the sound each time and an
// unknown alias is silent; the option and the instant mode silence every play.
TEST(TelasSalvamento, SonsRegistradosETocados) {
    Pasta p;
    fs::create_directories(p.raiz / "sons");
    const auto sons = gerasons();
    ASSERT_EQ(sons.size(), 4u);
    // Only the goal and the whistle at the end are there.
    for (const auto& s : sons)
        if (s.nome == "gol1.wav" || s.nome == "fimjogo.wav")
            std::ofstream(p.raiz / "sons" / s.nome, std::ios::binary)
                .write(reinterpret_cast<const char*>(s.bytes.data()), static_cast<std::streamsize>(s.bytes.size()));
    TocadorSons t;
    t.registrasons(p.raiz);
    EXPECT_TRUE(t.registrado("gol"));
    EXPECT_TRUE(t.registrado("fimjogo"));
    EXPECT_FALSE(t.registrado("penalty"));
    t.tocasom("gol");
    t.tocasom("gol");  // a second goal while the first still sounds
    t.tocasom("penalty");
    EXPECT_EQ(t.tocados("gol"), 2);
    EXPECT_EQ(t.tocados("penalty"), 0);

    auto m = mundosalvavel();
    m->estado.som = 0;
    const int antes = tocador().tocados("fimjogo");
    tocador().registrasons(p.raiz);
    tocasom(*m, Som::FimJogo);
    EXPECT_EQ(tocador().tocados("fimjogo"), antes);
    m->estado.som = 1;
    m->diajogo.instantaneo = true;
    tocasom(*m, Som::FimJogo);
    EXPECT_EQ(tocador().tocados("fimjogo"), antes);
    m->diajogo.instantaneo = false;
    tocasom(*m, Som::FimJogo);
    EXPECT_EQ(tocador().tocados("fimjogo"), antes + 1);
}
