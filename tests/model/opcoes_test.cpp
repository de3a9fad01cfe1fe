#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/ini.h"
#include "model/opcoes.h"

#include "../apoio/pastatemporaria.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

class Opcoes : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ = tarvello::teste::pastatemporaria(std::string("tarvello_opcoes_") +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pasta_);
        fs::create_directories(pasta_);
        arquivo_ = pasta_ / "tarvello.ini";
    }
    void TearDown() override { fs::remove_all(pasta_); }
    void escreve(const std::string& texto) {
        std::ofstream f(arquivo_, std::ios::binary);
        f << texto;
    }
    std::string conteudo() {
        std::ifstream f(arquivo_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    TEstadoJogo carrega() {
        TEstadoJogo e{};
        carregaopcoes(e, arquivo_);
        return e;
    }
    fs::path pasta_, arquivo_;
};

TEST_F(Opcoes, SemArquivoValemOsPadroes) {
    const TEstadoJogo e = carrega();
    EXPECT_EQ(e.intervalohumano, 800);      // "Bem rápido"
    EXPECT_EQ(e.intervalocomputador, 600);  // "Super rápido"
    EXPECT_EQ(e.verintervalo, 1);
    EXPECT_EQ(e.som, 1);
    EXPECT_EQ(e.verpenalty, 0);
    EXPECT_EQ(e.vertrocatecnicos, 0);
    EXPECT_EQ(e.renovacontrato, 0);
    EXPECT_EQ(e.cornalista, 0);
    EXPECT_EQ(e.negrito, 0);
    EXPECT_EQ(e.salvarauto, 0);
    EXPECT_EQ(e.emails, 0);
    for (int v : e.verjogos) EXPECT_EQ(v, 0);
    for (int c : e.cores) EXPECT_EQ(c, 255);
    EXPECT_EQ(leopcao(arquivo_, "opcoes", "opsom"), "nofound");
    EXPECT_FALSE(fs::exists(arquivo_));  // reading never creates the file
}

TEST_F(Opcoes, ValoresForaDaFaixaOuInvalidos) {
    escreve("[opcoes]\nopvelocidade=9\nopnhvelocidade=6\nopintervalo=2\nopnegrito=2\n"
            "op_verpenalty=1\nopsalvar=7\nopemails=2\nopsom=abc\nopcontrato=0\n");
    TEstadoJogo e = carrega();
    EXPECT_EQ(e.intervalohumano, 600);
    EXPECT_EQ(e.intervalocomputador, 10);
    EXPECT_EQ(e.verintervalo, 1);
    EXPECT_EQ(e.negrito, 0);
    EXPECT_EQ(e.verpenalty, 1);
    EXPECT_EQ(e.salvarauto, 0);
    EXPECT_EQ(e.emails, 2);
    EXPECT_EQ(e.som, 1);  // not an integer: the key's own default
    EXPECT_EQ(e.renovacontrato, 0);

    escreve("[opcoes]\nopvelocidade=4\nopnhvelocidade=7\n");
    e = carrega();
    EXPECT_EQ(e.intervalohumano, 600);
    EXPECT_EQ(e.intervalocomputador, 600);
    escreve("[opcoes]\nopvelocidade=6\nopnhvelocidade=x\n");
    e = carrega();
    EXPECT_EQ(e.intervalohumano, 600);  // the fastest speed is only for computer matches
    EXPECT_EQ(e.intervalocomputador, 600);
    escreve("[opcoes]\nopvelocidade=rapido\nopsalvar=3\n");
    e = carrega();
    EXPECT_EQ(e.intervalohumano, 800);
    EXPECT_EQ(e.salvarauto, 3);
}

TEST_F(Opcoes, CoresCaemJuntas) {
    escreve("[opcoes]\ncor0=$00499494\ncor1=clSilver\ncor2=8503488\ncor3=10736081\ncor4=12377822\n");
    TEstadoJogo e = carrega();
    EXPECT_EQ(e.cores[0], 4822164);
    EXPECT_EQ(e.cores[1], 0xC0C0C0);
    EXPECT_EQ(e.cores[4], 12377822);
    // One unreadable key turns all five red, the readable ones too.
    // An unreadable colour gives its own position the default; the others keep theirs.
    escreve("[opcoes]\ncor0=$00499494\ncor1=clSilver\ncor2=verde\ncor3=10736081\ncor4=-5\n");
    e = carrega();
    EXPECT_EQ(e.cores[0], 4822164);
    EXPECT_EQ(e.cores[1], 0xC0C0C0);
    EXPECT_EQ(e.cores[2], 255);
    EXPECT_EQ(e.cores[3], 10736081);
    EXPECT_EQ(e.cores[4], 255);
    // A missing key counts as unreadable.
    escreve("[opcoes]\ncor0=1\ncor1=2\ncor2=3\ncor3=4\n");
    e = carrega();
    EXPECT_EQ(e.cores[3], 4);
    EXPECT_EQ(e.cores[4], 255);
    // Negative or out-of-range choices fall back to their defaults.
    escreve("[opcoes]\nopsalvar=-1\nopemails=-2\n");
    e = carrega();
    EXPECT_EQ(e.salvarauto, 0);
    EXPECT_EQ(e.emails, 0);
    escreve("[opcoes]\nopsalvar=2\nopemails=4\n");
    e = carrega();
    EXPECT_EQ(e.salvarauto, 2);
    EXPECT_EQ(e.emails, 0);
}

TEST_F(Opcoes, CorTextoIdaEVolta) {
    for (int32_t c : kCoresPadrao) EXPECT_EQ(textoparacor(corparatexto(c)), c);
    EXPECT_EQ(corparatexto(255), "clRed");
    EXPECT_EQ(corparatexto(4822164), "$00499494");
    EXPECT_EQ(textoparacor("clred"), 255);
    EXPECT_EQ(textoparainteiro("$FFFFFFFF"), -1);
    EXPECT_FALSE(textoparainteiro("99999999999"));
    EXPECT_FALSE(textoparainteiro("nofound"));
    EXPECT_FALSE(textoparainteiro(""));
    EXPECT_EQ(textoparainteiro(" -12 "), -12);
}

TEST_F(Opcoes, GravarUmaChavePreservaAsOutras) {
    escreve("; feito à mão\r\n[outra]\nopsom=0\n[OPCOES]\nopsom=1\nminha=xyz\n\n[fim]\na=1\n");
    ASSERT_TRUE(gravaopcao(arquivo_, "opcoes", "opsom", "0"));
    ASSERT_TRUE(gravaopcao(arquivo_, "opcoes", "opemails", "3"));
    EXPECT_EQ(leopcao(arquivo_, "opcoes", "opsom"), "0");
    EXPECT_EQ(leopcao(arquivo_, "opcoes", "opemails"), "3");
    EXPECT_EQ(leopcao(arquivo_, "opcoes", "minha"), "xyz");
    EXPECT_EQ(leopcao(arquivo_, "outra", "opsom"), "0");
    EXPECT_EQ(leopcao(arquivo_, "fim", "a"), "1");
    const std::string t = conteudo();
    EXPECT_NE(t.find("; feito à mão"), std::string::npos);
    // The new key lands inside its own section, before the next one.
    EXPECT_LT(t.find("opemails=3"), t.find("[fim]"));
    EXPECT_FALSE(fs::exists(arquivo_.string() + ".tmp"));

    // A file that does not exist yet is created with the section.
    fs::remove(arquivo_);
    ASSERT_TRUE(gravaopcao(arquivo_, "opcoes", "cor0", "clRed"));
    EXPECT_EQ(leopcao(arquivo_, "opcoes", "cor0"), "clRed");
}

TEST_F(Opcoes, ArquivoQueNaoPodeSerGravado) {
    // A folder where the file should be: reading falls back, writing fails without harm.
    fs::create_directories(arquivo_);
    EXPECT_EQ(leopcao(arquivo_, "opcoes", "opsom"), "nofound");
    EXPECT_FALSE(gravaopcao(arquivo_, "opcoes", "opsom", "1"));
    EXPECT_EQ(carrega().intervalohumano, 800);
}

}  // namespace
