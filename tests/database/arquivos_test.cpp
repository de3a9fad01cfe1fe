#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "database/arquivos.h"
#include "model/aleatorio.h"
#include "model/tipos.h"

#include "../apoio/pastatemporaria.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

struct PastaTemporaria {
    fs::path caminho;
    PastaTemporaria() {
        caminho = tarvello::teste::pastatemporaria(std::string("tarvello_arquivos_") +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(caminho);
        fs::create_directories(caminho / "teams" / "selecoes");
        fs::create_directories(caminho / "teams" / "escudos");
    }
    ~PastaTemporaria() { fs::remove_all(caminho); }
};

std::vector<uint8_t> bytesdo(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void gravabytes(const fs::path& p, const std::vector<uint8_t>& b) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A club whose every byte, padding and text tails included, is something other than zero, so
// a writer that drops or reorders any byte shows up.
TArquivoClube clubesujo(int goleiros, int outros) {
    TArquivoClube c;
    auto* p = reinterpret_cast<uint8_t*>(&c);
    for (size_t i = 0; i < sizeof c; ++i) p[i] = static_cast<uint8_t>(i * 7 + 3);
    auto& h = c.cabecalho;
    h.pais = 29;
    h.nivel = 12;
    h.estado = 25;
    h.nome.define("Grêmio Vale");
    h.arquivo.define("gremiovale");
    h.nomecompleto.define("Grêmio Esportivo Vale");
    h.estadio.define("Estádio do Vale");
    h.escudo.define("gremiovale");
    h.tecnico.define("Técnico");
    for (int k = 0; k < kMaxJogadoresClube; ++k) {
        auto& e = c.elenco;
        if (k < goleiros + outros) {
            e.nome[k].define("Jogador " + std::to_string(k));
            e.posicao[k] = k < goleiros ? 0 : 1 + k % 4;
        } else {
            marcaslotlivre(e.nome[k]);
            e.posicao[k] = 0;  // a placeholder slot may hold any values; it is still free
        }
        e.habilidade1[k] = 4;
        e.habilidade2[k] = 13;
        e.pais[k] = 29;
        e.estrela[k] = 0;
        e.status[k] = 1;
    }
    return c;
}

TSelecao selecaosuja(int pais, int goleiros, int outros) {
    TSelecao s;
    auto* p = reinterpret_cast<uint8_t*>(&s);
    for (size_t i = 0; i < sizeof s; ++i) p[i] = static_cast<uint8_t>(i * 11 + 5);
    s.pais = pais;
    s.confederacao = confederacao(pais, true);
    s.nivel = 20;
    s.tecnico.define("Técnico");
    s.escudo.define("");
    for (int k = 0; k < kMaxJogadoresSelecao; ++k) {
        if (k < goleiros + outros) {
            s.nome[k].define("Atleta " + std::to_string(k));
        } else {
            s.nome[k].define("");
        }
        s.posicao[k] = k < goleiros ? 0 : 1 + k % 4;
        s.idade[k] = 25;
        s.habilidade1[k] = 5;
        s.habilidade2[k] = 6;
        s.escalacao[k] = 0;
        s.estrela[k] = 0;
    }
    s.numjogadores = goleiros + outros;
    return s;
}

}  // namespace

TEST(ArquivosTimes, ClubeIdaEVoltaByteABytePreservaOQueNaoTemSignificado) {
    PastaTemporaria d;
    TArquivoClube c = clubesujo(2, 14);
    ASSERT_EQ(timesalvar(d.caminho, c), "");
    const fs::path arq = d.caminho / "teams" / "gremiovale.b08";
    const auto escrito = bytesdo(arq);
    ASSERT_EQ(escrito.size(), 1263u);
    int32_t um = 0;
    std::memcpy(&um, escrito.data(), 4);
    EXPECT_EQ(um, 1);
    std::memcpy(&um, escrito.data() + 184, 4);
    EXPECT_EQ(um, 1);
    EXPECT_EQ(escrito[4 + 2], 8);  // versao
    EXPECT_EQ(escrito[4 + 1], 1);  // valido

    auto lido = lerclubebruto(arq);
    ASSERT_TRUE(lido) << lido.erro;
    EXPECT_EQ(codificaclube(*lido), escrito);
    ASSERT_EQ(timesalvar(d.caminho, *lido), "");
    EXPECT_EQ(bytesdo(arq), escrito);
    EXPECT_FALSE(fs::exists(d.caminho / "teams" / "gremiovale.b08.tmp"));
    // The reader of the game sees the same content when nothing needed repair.
    auto seguro = lerclube(arq);
    ASSERT_TRUE(seguro);
    EXPECT_EQ(codificaclube(*seguro), escrito);
}

TEST(ArquivosTimes, SelecaoIdaEVoltaByteAByte) {
    PastaTemporaria d;
    TSelecao s = selecaosuja(11, 3, 20);
    ASSERT_EQ(selecaosalvar(d.caminho, s), "");
    const fs::path arq = d.caminho / "teams" / "selecoes" / "11.s05";
    const auto escrito = bytesdo(arq);
    ASSERT_EQ(escrito.size(), 1692u);
    EXPECT_EQ(escrito[4 + 76], 1);
    auto lido = lerselecaobruta(arq);
    ASSERT_TRUE(lido) << lido.erro;
    EXPECT_EQ(codificaselecao(*lido), escrito);
    ASSERT_EQ(selecaosalvar(d.caminho, *lido), "");
    EXPECT_EQ(bytesdo(arq), escrito);
    EXPECT_EQ(std::memcmp(&*lido, escrito.data() + 4, 1688), 0);
}

TEST(ArquivosTimes, ValidoNosLimitesDaRegra) {
    PastaTemporaria d;
    struct Caso {
        int goleiros, outros;
        uint8_t esperado;
    };
    for (Caso k : {Caso{1, 11, 1}, Caso{1, 10, 0}, Caso{0, 12, 0}, Caso{2, 23, 1}}) {
        TArquivoClube c = clubesujo(k.goleiros, k.outros);
        c.cabecalho.valido = 1 - k.esperado;  // whatever the record held before
        c.cabecalho.versao = 7;
        ASSERT_EQ(timesalvar(d.caminho, c), "");
        auto lido = lerclubebruto(d.caminho / "teams" / "gremiovale.b08");
        ASSERT_TRUE(lido);
        EXPECT_EQ(lido->cabecalho.valido, k.esperado) << k.goleiros << "+" << k.outros;
        EXPECT_EQ(lido->cabecalho.versao, 8);
        auto resumo = lerresumo(d.caminho / "teams" / "gremiovale.b08");
        ASSERT_TRUE(resumo);
        EXPECT_EQ(resumousavel(resumo->resumo), k.esperado == 1);
    }
    // An empty name frees a slot just as the placeholder does.
    TArquivoClube c = clubesujo(1, 11);
    c.elenco.nome[5].define("");
    EXPECT_FALSE(clubejogavel(c.elenco));

    struct CasoSel {
        int goleiros, outros;
        uint8_t esperado;
    };
    for (CasoSel k : {CasoSel{2, 16, 1}, CasoSel{1, 17, 0}, CasoSel{2, 15, 0}, CasoSel{3, 25, 1}}) {
        TSelecao s = selecaosuja(42, k.goleiros, k.outros);
        ASSERT_EQ(selecaosalvar(d.caminho, s), "");
        auto lido = lerselecaobruta(d.caminho / "teams" / "selecoes" / "42.s05");
        ASSERT_TRUE(lido);
        EXPECT_EQ(lido->valido, k.esperado) << k.goleiros << "+" << k.outros;
    }
}

TEST(ArquivosTimes, ArquivosDanificadosNaoViramClubes) {
    PastaTemporaria d;
    const fs::path times = d.caminho / "teams";
    TArquivoClube c = clubesujo(1, 15);
    ASSERT_EQ(timesalvar(d.caminho, c), "");
    auto bom = bytesdo(times / "gremiovale.b08");

    auto curto = bom;
    curto.pop_back();
    gravabytes(times / "curto.b08", curto);
    auto longo = bom;
    longo.push_back(0);
    gravabytes(times / "longo.b08", longo);
    gravabytes(times / "vazio.b08", {});
    fs::create_directories(times / "pasta.b08");  // a folder is not a club file
    gravabytes(times / "outro.txt", bom);

    EXPECT_FALSE(lerclube(times / "curto.b08"));
    EXPECT_FALSE(lerclube(times / "longo.b08"));
    EXPECT_FALSE(lerclube(times / "vazio.b08"));
    EXPECT_FALSE(lerclube(times / "naoexiste.b08"));
    EXPECT_FALSE(lerresumo(times / "curto.b08"));
    EXPECT_FALSE(lerselecao(times / "gremiovale.b08"));  // a club is not a national team

    // Only real *.b08 files are listed, in byte order; the summary carries the entry name.
    EXPECT_EQ(listaentradas(times, ".b08", true),
              (std::vector<std::string>{"curto.b08", "gremiovale.b08", "longo.b08", "vazio.b08"}));
    fs::rename(times / "gremiovale.b08", times / "Outro Nome.B08");
    auto resumos = lerresumos(d.caminho);
    ASSERT_EQ(resumos.size(), 1u);
    EXPECT_EQ(resumos[0].arquivo, "Outro Nome.B08");
    EXPECT_EQ(resumos[0].resumo.arquivo.utf8(), "Outro Nome.B08");
    EXPECT_EQ(resumos[0].resumo.nome.utf8(), "Grêmio Vale");
    EXPECT_TRUE(listaentradas(d.caminho / "naoexiste", ".b08", true).empty());
    // Every kind of entry, for a reader that reports what it cannot use.
    EXPECT_EQ(listaentradas(times, ".b08", false),
              (std::vector<std::string>{"Outro Nome.B08", "curto.b08", "longo.b08", "pasta.b08", "vazio.b08"}));
}

TEST(ArquivosTimes, ValoresForaDaFaixaSaoReparados) {
    TArquivoClube c = clubesujo(1, 11);
    c.cabecalho.valido = 1;
    c.cabecalho.versao = 8;
    c.cabecalho.nivel = 77;
    c.cabecalho.estado = 40;
    c.cabecalho.nome.tamanhobruto = 200;
    c.elenco.habilidade1[3] = 14;
    c.elenco.habilidade2[3] = 255;
    c.elenco.pais[4] = 230;
    c.elenco.estrela[4] = 9;
    EXPECT_GT(saneiaclube(c), 0);
    EXPECT_EQ(c.cabecalho.nivel, 25);
    EXPECT_EQ(c.cabecalho.estado, kSemEstado);
    EXPECT_EQ(c.cabecalho.nome.tamanhobruto, 25);
    EXPECT_EQ(c.elenco.habilidade1[3], 0);
    EXPECT_EQ(c.elenco.habilidade2[3], 0);
    EXPECT_EQ(c.elenco.pais[4], 29);
    EXPECT_EQ(c.elenco.estrela[4], 1);
    EXPECT_EQ(c.cabecalho.valido, 1);
    EXPECT_EQ(saneiaclube(c), 0);  // repairs are stable

    // A player without a real position drops out, and with him the 11 outfield players:
    // the file's own flag no longer makes the club playable.
    c.elenco.posicao[6] = 9;
    saneiaclube(c);
    EXPECT_TRUE(slotlivre(c.elenco.nome[6]));
    EXPECT_EQ(c.cabecalho.valido, 0);

    TArquivoClube semPais = clubesujo(1, 14);
    semPais.cabecalho.valido = 1;
    semPais.cabecalho.pais = 203;
    saneiaclube(semPais);
    EXPECT_EQ(semPais.cabecalho.valido, 0);
    EXPECT_TRUE(paisvalido(semPais.cabecalho.pais));

    TSelecao s = selecaosuja(29, 2, 20);
    s.nivel = 0;
    s.numjogadores = 500;
    s.confederacao = 77;
    s.posicao[7] = -3;
    s.habilidade1[8] = 14;
    s.habilidade2[8] = -1;
    s.idade[9] = -40;
    saneiaselecao(s);
    EXPECT_EQ(s.nivel, 1);
    EXPECT_EQ(s.numjogadores, 21);
    EXPECT_EQ(s.confederacao, 1);
    EXPECT_TRUE(slotlivre(s.nome[7]));
    EXPECT_EQ(s.habilidade1[8], 0);
    EXPECT_EQ(s.habilidade2[8], 0);
    EXPECT_EQ(s.idade[9], 0);
    EXPECT_EQ(s.valido, 1);
}

TEST(ArquivosTimes, LixoAleatorioNuncaProduzIndiceForaDaFaixa) {
    Aleatorio a(2024);
    std::vector<uint8_t> b(kTamanhoArquivoClube);
    std::vector<uint8_t> bs(kTamanhoArquivoSelecao);
    for (int volta = 0; volta < 3000; ++volta) {
        for (auto& x : b) x = static_cast<uint8_t>(a.sorteia(256));
        auto c = decodificaclubebruto(b);
        ASSERT_TRUE(c);
        saneiaclube(*c);
        const auto& h = c->cabecalho;
        ASSERT_TRUE(paisvalido(h.pais));
        ASSERT_TRUE(estadovalido(h.estado) || h.estado == kSemEstado);
        ASSERT_LE(h.nivel, 25);
        ASSERT_LE(h.nome.tamanhobruto, 25);
        if (h.valido) {
            ASSERT_TRUE(clubejogavel(c->elenco));
        }
        for (int k = 0; k < kMaxJogadoresClube; ++k) {
            ASSERT_LE(c->elenco.nome[k].tamanhobruto, 35);
            if (slotlivre(c->elenco.nome[k])) continue;
            ASSERT_TRUE(posicaovalida(c->elenco.posicao[k]));
            ASSERT_TRUE(habilidadevalida(c->elenco.habilidade1[k]));
            ASSERT_TRUE(habilidadevalida(c->elenco.habilidade2[k]));
            ASSERT_TRUE(paisvalido(c->elenco.pais[k]));
        }

        for (auto& x : bs) x = static_cast<uint8_t>(a.sorteia(256));
        auto s = decodificaselecaobruta(bs);
        ASSERT_TRUE(s);
        saneiaselecao(*s);
        ASSERT_GE(s->numjogadores, 0);
        ASSERT_LE(s->numjogadores, 28);
        ASSERT_GE(s->nivel, 1);
        ASSERT_LE(s->nivel, 25);
        for (int k = 0; k < kMaxJogadoresSelecao; ++k) {
            if (slotlivre(s->nome[k])) continue;
            ASSERT_TRUE(posicaovalida(s->posicao[k]));
            ASSERT_TRUE(habilidadevalida(s->habilidade1[k]));
            ASSERT_TRUE(habilidadevalida(s->habilidade2[k]));
        }
    }
    EXPECT_FALSE(decodificaclubebruto(std::span<const uint8_t>(b.data(), 100)));
}

TEST(ArquivosTimes, EscritoresRecusamDestinosPerigosos) {
    PastaTemporaria d;
    TArquivoClube c = clubesujo(1, 11);
    c.cabecalho.arquivo.define("../fora");
    EXPECT_NE(timesalvar(d.caminho, c), "");
    c.cabecalho.arquivo.define("");
    EXPECT_NE(timesalvar(d.caminho, c), "");
    c.cabecalho.arquivo.define("..");
    EXPECT_NE(timesalvar(d.caminho, c), "");
    EXPECT_FALSE(fs::exists(d.caminho / "fora.b08"));
    TSelecao s = selecaosuja(202, 2, 16);
    EXPECT_NE(selecaosalvar(d.caminho, s), "");
    // A folder that does not exist is an error, not a crash, and no temporary file remains.
    c.cabecalho.arquivo.define("ok");
    EXPECT_NE(timesalvar(d.caminho / "naoexiste", c), "");

    // A national file whose country is not a real one is refused by the reader.
    TSelecao ruim = selecaosuja(29, 2, 16);
    ruim.pais = 250;
    ASSERT_EQ(gravaselecao(d.caminho / "teams" / "selecoes" / "250.s05", ruim), "");
    EXPECT_FALSE(lerselecao(d.caminho / "teams" / "selecoes" / "250.s05"));
    std::vector<std::string> erros;
    EXPECT_TRUE(lerselecoes(d.caminho, &erros).empty());
    EXPECT_EQ(erros.size(), 1u);
}

TEST(ArquivosTimes, Confederacoes) {
    EXPECT_EQ(confederacao(29, false), 1);
    EXPECT_EQ(confederacao(131, false), 1);
    EXPECT_EQ(confederacao(131, true), 4);
    EXPECT_EQ(confederacao(1, true), 2);
    EXPECT_EQ(confederacao(107, true), 3);
    EXPECT_EQ(confederacao(68, true), 4);
    EXPECT_EQ(confederacao(143, true), 5);
    EXPECT_EQ(confederacao(97, true), 0);
    EXPECT_EQ(confederacao(500, true), 0);
}
