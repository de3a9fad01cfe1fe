#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "database/arquivos.h"
#include "database/bandeiras.h"
#include "database/escudos.h"
#include "database/gerador.h"
#include "model/tipos.h"

#include "../apoio/pastatemporaria.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

// Extra-club countries and their quotas, as the loader takes them.
std::vector<std::pair<int, int>> cotasextras() {
    std::vector<std::pair<int, int>> v = {{29, 14}};
    for (int p : {11, 195, 150, 46, 42, 60, 26, 151, 198, 131}) v.push_back({p, 12});
    for (int p : {104, 65, 3,  72, 97, 154, 162, 107, 192, 159, 21, 160, 171, 78,  9,   51,  38, 68, 14, 57, 129,
                  1,   190, 43, 49, 143, 141, 62, 193, 85, 15,  52, 31,  88,  179, 76, 142, 180, 103, 152, 54})
        v.push_back({p, 10});
    return v;
}

// Every country a national-team tournament draw names, and the world-cup hosts.
std::set<int> selecoesnecessarias() {
    return {// Copa América layouts
            46, 151, 26, 198, 11, 131, 195, 60, 29, 150, 51, 42, 68,
            // Eurocopa pots
            3, 97, 65, 104, 72, 85, 154, 159, 78, 162, 179, 192, 152, 193, 54, 52, 160, 142, 171, 31, 63, 180, 21, 100,
            // world-cup hosts
            1, 107};
}

class MundoGerado : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        raiz_ = new fs::path(tarvello::teste::pastatemporaria("tarvello_mundo_gerado"));
        fs::remove_all(*raiz_);
        TMundoGerado m = geramundo(7);
        ASSERT_EQ(gravamundo(*raiz_, m), "");
    }
    static void TearDownTestSuite() {
        fs::remove_all(*raiz_);
        delete raiz_;
    }
    static fs::path* raiz_;
};
fs::path* MundoGerado::raiz_ = nullptr;

}  // namespace

TEST_F(MundoGerado, ClubesLegiveisUsaveisERealistas) {
    const fs::path times = pastatimes(*raiz_);
    const auto arquivos = listaentradas(times, ".b08", true);
    ASSERT_GT(arquivos.size(), 500u);
    std::map<int, int> porpais;
    std::map<int, int> porestado;
    std::map<int, std::pair<int, int>> niveis;  // min, max per country
    int estrelas = 0;
    for (const auto& nome : arquivos) {
        ASSERT_EQ(fs::file_size(times / nome), 1263u) << nome;
        auto bruto = lerclubebruto(times / nome);
        ASSERT_TRUE(bruto) << bruto.erro;
        auto c = *bruto;
        EXPECT_EQ(saneiaclube(c), 0) << nome << " needed repairs";
        const auto& h = c.cabecalho;
        ASSERT_EQ(h.versao, 8);
        ASSERT_TRUE(clubeusavel(h)) << nome;
        EXPECT_FALSE(h.nome.vazio());
        EXPECT_EQ(h.arquivo.utf8() + ".b08", nome);
        EXPECT_FALSE(h.tecnico.vazio());
        EXPECT_FALSE(h.estadio.vazio());
        porpais[h.pais]++;
        if (h.pais == kBrasil) {
            ASSERT_TRUE(estadovalido(h.estado)) << nome;
            porestado[h.estado]++;
        }
        auto& [mn, mx] = niveis.try_emplace(h.pais, 99, -1).first->second;
        mn = std::min<int>(mn, h.nivel);
        mx = std::max<int>(mx, h.nivel);
        ASSERT_GE(h.nivel, 1);
        ASSERT_LE(h.nivel, 25);

        const auto& e = c.elenco;
        const int usados = slotsusados(e);
        EXPECT_GE(usados, 18) << nome;
        EXPECT_LE(usados, 25) << nome;
        int goleiros = 0, titulares = 0;
        std::set<std::string> nomes;
        for (int k = 0; k < kMaxJogadoresClube; ++k) {
            if (slotlivre(e.nome[k])) continue;
            EXPECT_TRUE(nomes.insert(e.nome[k].utf8()).second) << nome << ": " << e.nome[k].utf8();
            EXPECT_LE(e.nome[k].tamanho(), 20);
            ASSERT_LE(e.posicao[k], 4);
            const bool goleiro = e.posicao[k] == 0;
            goleiros += goleiro;
            titulares += e.status[k];
            estrelas += e.estrela[k];
            EXPECT_GE(e.idade[k], 17);
            EXPECT_LE(e.idade[k], 38);
            for (int hab : {e.habilidade1[k], e.habilidade2[k]}) {
                if (goleiro) {
                    EXPECT_LE(hab, 3) << nome;
                } else {
                    EXPECT_GE(hab, 4) << nome;
                    EXPECT_LE(hab, 13) << nome;
                }
            }
            EXPECT_TRUE(paisvalido(e.pais[k]));
        }
        EXPECT_GE(goleiros, 2);
        EXPECT_LE(goleiros, 3);
        EXPECT_EQ(titulares, 11);
        // Every club has its crest, and it decodes.
        auto escudo = procuraescudo(*raiz_, h.escudo.bruto());
        ASSERT_TRUE(escudo);
        EXPECT_EQ(escudo->filename().string(), h.escudo.utf8() + ".gif");
    }
    EXPECT_GT(estrelas, 300);

    EXPECT_GE(porpais[kBrasil], 80);
    int estadoscom6 = 0, maior = 0;
    for (auto [estado, n] : porestado) {
        estadoscom6 += n >= 6;
        maior = std::max(maior, n);
    }
    EXPECT_GE(estadoscom6, 8);
    EXPECT_GE(porestado[25], 6);
    EXPECT_GE(porestado[18], 6);
    EXPECT_GE(porestado[10], 6);
    EXPECT_GE(maior, 24);
    for (int p : {11, 97, 104, 65, 3, 72, 154}) {
        EXPECT_GE(porpais[p], 42) << nomepais(p);
        EXPECT_GE(niveis[p].second - niveis[p].first, 12) << "levels spread in " << nomepais(p);
    }
    for (auto [p, cota] : cotasextras()) EXPECT_GE(porpais[p], cota) << nomepais(p);

    // The summaries agree with the full files.
    const auto resumos = lerresumos(*raiz_);
    EXPECT_EQ(resumos.size(), arquivos.size());
    for (const auto& r : resumos) EXPECT_TRUE(resumousavel(r.resumo));
    auto nulo = carregaescudo(*raiz_, "naoexiste");
    EXPECT_FALSE(nulo.vazia());
}

TEST_F(MundoGerado, SelecoesJogaveisParaTodosOsTorneios) {
    std::vector<std::string> erros;
    const auto selecoes = lerselecoes(*raiz_, &erros);
    EXPECT_TRUE(erros.empty());
    std::set<int> paises;
    std::map<int, int> porconf;
    for (const auto& nome : listaentradas(pastaselecoes(*raiz_), ".s05", true)) {
        ASSERT_EQ(fs::file_size(pastaselecoes(*raiz_) / nome), 1692u);
        auto s = lerselecaobruta(pastaselecoes(*raiz_) / nome);
        ASSERT_TRUE(s);
        EXPECT_EQ(std::to_string(s->pais) + ".s05", nome);
        auto seguro = *s;
        EXPECT_EQ(saneiaselecao(seguro), 0) << nome << " needed repairs";
        EXPECT_EQ(s->valido, 1);
        EXPECT_TRUE(selecaojogavel(*s));
        EXPECT_FALSE(s->tecnico.vazio());
        EXPECT_GE(s->numjogadores, 18);
        EXPECT_LE(s->numjogadores, 28);
        EXPECT_EQ(s->numjogadores, slotsusados(*s));
        EXPECT_GE(s->nivel, 1);
        EXPECT_LE(s->nivel, 25);
        int titulares = 0;
        for (int k = 0; k < kMaxJogadoresSelecao; ++k) titulares += !slotlivre(s->nome[k]) && s->escalacao[k] == 1;
        EXPECT_EQ(titulares, 11);
        EXPECT_TRUE(procuraescudoselecao(*raiz_, s->escudo.bruto()).has_value());
        paises.insert(s->pais);
        porconf[confederacao(s->pais, true)]++;
    }
    EXPECT_EQ(selecoes.size(), paises.size());
    for (int p : selecoesnecessarias()) EXPECT_TRUE(paises.count(p)) << nomepais(p);
    for (const auto& sede : kSedesCopa) EXPECT_TRUE(paises.count(sede.pais)) << nomepais(sede.pais);
    EXPECT_GE(porconf[0], 15);
    EXPECT_GE(porconf[1], 5);
    EXPECT_GE(porconf[4], 3);
    EXPECT_GE(porconf[2], 5);
    EXPECT_GE(porconf[3], 5);
    EXPECT_GE(porconf[5], 1);
}

TEST(GeradorDeMundo, MesmaSementeMesmosBytes) {
    auto a = geramundo(42), b = geramundo(42), c = geramundo(43);
    ASSERT_EQ(a.clubes.size(), b.clubes.size());
    bool diferente = a.clubes.size() != c.clubes.size();
    for (size_t i = 0; i < a.clubes.size(); ++i) {
        ASSERT_EQ(codificaclube(a.clubes[i]), codificaclube(b.clubes[i]));
        if (i < c.clubes.size() && codificaclube(a.clubes[i]) != codificaclube(c.clubes[i])) diferente = true;
    }
    ASSERT_EQ(a.selecoes.size(), b.selecoes.size());
    for (size_t i = 0; i < a.selecoes.size(); ++i) ASSERT_EQ(codificaselecao(a.selecoes[i]), codificaselecao(b.selecoes[i]));
    ASSERT_EQ(a.escudos.size(), b.escudos.size());
    for (size_t i = 0; i < a.escudos.size(); ++i) ASSERT_EQ(a.escudos[i].bytes, b.escudos[i].bytes);
    EXPECT_TRUE(diferente);
}

TEST(GeradorDeMundo, LinhaDeComando) {
    const fs::path destino = tarvello::teste::pastatemporaria("tarvello_cli_gerar_base");
    fs::remove_all(destino);
    const std::string cmd = std::string(TARVELLO_CLI) + " gerar-base --destino " + destino.string() + " --semente 5 > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_TRUE(fs::exists(destino / "teams" / "escudos" / "nullescudo.gif"));
    EXPECT_TRUE(fs::exists(destino / "teams" / "selecoes" / "29.s05"));
    EXPECT_GT(listaentradas(destino / "teams", ".b08", true).size(), 500u);
    // Without a destination the command refuses to run.
    const std::string semdestino = std::string(TARVELLO_CLI) + " gerar-base > /dev/null 2>&1";
    EXPECT_NE(std::system(semdestino.c_str()), 0);
    fs::remove_all(destino);
}

// The pictures beside the teams: backgrounds and a flag for every country and state, each a
// readable BMP in the country's colours.
TEST_F(MundoGerado, FundosEBandeiras) {
    for (const char* f : {"f01.bmp", "f02.bmp"}) {
        auto img = carregaimagem(*raiz_ / "img" / f);
        ASSERT_TRUE(img) << f << " " << img.erro;
        EXPECT_EQ(img->largura, 64);
        // Soft: pale enough for black text on it.
        const uint32_t p = img->pixel(10, 10);
        EXPECT_GT(((p >> 8) & 0xFF), 180u) << f;
    }
    auto cores = [](const TImagem& i) {
        std::set<uint32_t> c;
        for (int y = 1; y < i.altura - 1; ++y)
            for (int x = 1; x < i.largura - 1; ++x) c.insert(i.pixel(x, y));
        return c.size();
    };
    for (int p = 0; p < kNumPaises; ++p) {
        ASSERT_FALSE(desenhopais(p).empty()) << p;
        auto img = carregaimagem(arquivobandeira(*raiz_, p));
        ASSERT_TRUE(img) << p << " " << img.erro;
        EXPECT_EQ(img->largura, kLarguraBandeira);
        EXPECT_EQ(img->altura, kAlturaBandeira);
        EXPECT_GE(cores(*img), 2u) << nomepais(p);
    }
    for (int e = 0; e < kNumEstados; ++e) {
        auto img = carregaimagem(arquivobandeiraestado(*raiz_, e));
        ASSERT_TRUE(img) << siglaestado(e) << " " << img.erro;
        EXPECT_GE(cores(*img), 2u) << siglaestado(e);
    }
    EXPECT_TRUE(fs::exists(*raiz_ / "img" / "bandeiras" / "estados" / "SP.bmp"));

    // Brasil: green field, yellow rhombus, blue disc; written and read back pixel for pixel.
    const TImagem brasil = desenhabandeira(desenhopais(kBrasil));
    auto lido = carregaimagem(arquivobandeira(*raiz_, kBrasil));
    ASSERT_TRUE(lido);
    EXPECT_EQ(lido->pixels, brasil.pixels);
    EXPECT_EQ(brasil.pixel(2, 2) & 0xFFFFFF, 0x007A3Du);
    EXPECT_EQ(brasil.pixel(kLarguraBandeira / 2, 3) & 0xFFFFFF, 0xFCD116u);
    EXPECT_EQ(brasil.pixel(kLarguraBandeira / 2, kAlturaBandeira / 2) & 0xFFFFFF, 0x0038A8u);
    // Bad designs draw nothing rather than garbage.
    EXPECT_TRUE(desenhabandeira("").vazia());
    EXPECT_TRUE(desenhabandeira("H").vazia());
    EXPECT_TRUE(desenhabandeira("H:").vazia());
}
