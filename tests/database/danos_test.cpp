// Damaged databases: every file left out is named with its reason, files that are merely not
// playable stay silent, and a folder without club files is an error naming it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "base_teste.h"
#include "database/preparacao.h"
#include "newgame/carregamundo.h"
#include "newgame/escolhas.h"

using namespace tarvello;
using tarvello::teste::BaseTeste;

namespace {

constexpr int kArgentina = 11;

std::vector<uint8_t> bytesde(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void grava(const std::filesystem::path& p, const std::vector<uint8_t>& b) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// The one warning naming `arquivo`, or "" (and a failure) when there is not exactly one.
std::string avisode(const std::vector<std::string>& avisos, const std::string& arquivo) {
    std::vector<std::string> achados;
    for (const auto& a : avisos)
        if (a.find("teams/" + arquivo + ":") != std::string::npos) achados.push_back(a);
    EXPECT_EQ(achados.size(), 1u) << arquivo;
    return achados.empty() ? "" : achados[0];
}

}  // namespace

TEST(Danos, MundoDanificadoListaExatamenteOsArquivosRuins) {
    BaseTeste b;
    b.clubes(kArgentina, 22);
    const auto times = b.raiz / "teams";
    const std::string modelo = b.clube(kArgentina, 10, "Modelo");
    const auto bom = bytesde(times / modelo);
    std::filesystem::remove(times / modelo);

    auto curto = bom;
    curto.resize(1000);
    grava(times / "curto.b08", curto);
    auto longo = bom;
    longo.push_back(7);
    grava(times / "longo.b08", longo);
    grava(times / "vazio.b08", {});
    std::filesystem::create_directories(times / "pasta.b08");
    // Not playable for the reasons the format gives: left out without a word.
    b.clube(kArgentina, 10, "Incompleto", [](TArquivoClube& c) {
        for (int k = 5; k < kMaxJogadoresClube; ++k) marcaslotlivre(c.elenco.nome[k]);
    });
    const std::string versao7 = b.clube(kArgentina, 10, "Antigo");
    auto v7 = bytesde(times / versao7);
    v7[4 + 2] = 7;
    grava(times / versao7, v7);
    // A name whose length byte says 255: the record is corrupt.
    auto comprido = bom;
    comprido[188 + 20 * 36] = 255;
    grava(times / "comprido.b08", comprido);
    // A club of the pseudo-country 202 belongs to no championship.
    b.clube(202, 10, "Sem Pais");

    Preparacao p;
    lerresumos(p, b.raiz);
    EXPECT_EQ(p.erro, "");
    ASSERT_EQ(p.avisos.size(), 6u);
    EXPECT_NE(avisode(p.avisos, "curto.b08").find("1000 bytes"), std::string::npos);
    EXPECT_NE(avisode(p.avisos, "longo.b08").find("1264 bytes"), std::string::npos);
    EXPECT_NE(avisode(p.avisos, "vazio.b08").find("0 bytes"), std::string::npos);
    EXPECT_NE(avisode(p.avisos, "pasta.b08").find("não é um arquivo"), std::string::npos);
    EXPECT_NE(avisode(p.avisos, "comprido.b08").find("jogador 21"), std::string::npos);
    EXPECT_NE(avisode(p.avisos, "c00025.b08").find("202"), std::string::npos);
    EXPECT_EQ(p.clubesusaveis[kArgentina], 22);

    // The game goes on with the others.
    Mundo m;
    EscolhasJogo e;
    e.paises = {kArgentina};
    e.numtecnicoshumanos = 0;
    e.copamundo = e.eurocopa = e.copaamerica = false;
    ASSERT_EQ(preparaligas(m, p, e), "");
    ASSERT_TRUE(carregamundo(m, p).ok());
    EXPECT_EQ(m.estado.numclubesliga, 22);
}

TEST(Danos, ComprimentoDeNomeAcimaDaCapacidadeNuncaViraJogador) {
    BaseTeste b;
    // Slots 17..25 hold the placeholder, whose bytes are "nome" + 0xF8 and then garbage; with a
    // length byte of 255 the old reader cut it to 35 bytes and made a player aged 0 of it.
    const std::string nome = b.clube(kArgentina, 10, "Longo");
    auto bytes = bytesde(b.arquivo(nome));
    bytes[188 + 18 * 36] = 255;
    grava(b.arquivo(nome), bytes);
    auto lido = lerclube(b.arquivo(nome));
    EXPECT_FALSE(lido);
    EXPECT_NE(lido.erro.find("jogador 19"), std::string::npos) << lido.erro;
    // A header text too (the short name, capacity 25).
    bytes[188 + 18 * 36] = 5;
    bytes[4 + 4] = 26;
    grava(b.arquivo(nome), bytes);
    EXPECT_FALSE(lerclube(b.arquivo(nome)));
    EXPECT_FALSE(lerresumo(b.arquivo(nome)));
    // The raw reader still gives the bytes, for a program that wants to mend the file.
    EXPECT_TRUE(lerclubebruto(b.arquivo(nome)));

    // Between the scan and the load the file goes bad: the club is left out with a warning and
    // no player of it is made.
    BaseTeste c;
    c.clubes(kArgentina, 23);
    Mundo m;
    Preparacao p;
    lerresumos(p, c.raiz);
    EscolhasJogo e;
    e.paises = {kArgentina};
    e.sistemadisputa = 2;
    e.numtecnicoshumanos = 0;
    e.copamundo = e.eurocopa = e.copaamerica = false;
    ASSERT_EQ(preparaligas(m, p, e), "");
    const int vitima = m.ligas[0].times[0][3];
    auto v = bytesde(c.arquivo(p.arquivos[vitima]));
    v[188 + 20 * 36] = 255;
    grava(c.arquivo(p.arquivos[vitima]), v);
    const ResultadoCarga r = carregamundo(m, p);
    ASSERT_TRUE(r.ok()) << r.erro;
    ASSERT_EQ(r.avisos.size(), 1u);
    EXPECT_NE(r.avisos[0].find("jogador 21"), std::string::npos) << r.avisos[0];
    for (size_t j = 1; j < m.jogadores.size(); ++j) EXPECT_GT(m.jogadores[j].idade, 0) << j;
}

TEST(Danos, PastaSemArquivosDeTimes) {
    BaseTeste b;
    const std::string esperado = "Nenhum arquivo de time em " + (b.raiz / "teams").string();
    auto erro = [](const std::filesystem::path& raiz) {
        Preparacao p;
        lerresumos(p, raiz);
        return p.erro;
    };
    // teams/ exists but holds no club file.
    EXPECT_EQ(erro(b.raiz).rfind(esperado, 0), 0u) << erro(b.raiz);
    // Only damaged files.
    grava(b.raiz / "teams" / "ruim.b08", {1, 2, 3});
    EXPECT_EQ(erro(b.raiz).rfind(esperado, 0), 0u);
    // No teams/ at all.
    std::filesystem::remove_all(b.raiz / "teams");
    EXPECT_EQ(erro(b.raiz).rfind(esperado, 0), 0u);
    // teams is a file.
    grava(b.raiz / "teams", {1});
    EXPECT_NE(erro(b.raiz).find("não é uma pasta"), std::string::npos);
    // The folder itself is missing, or is a file.
    EXPECT_NE(erro(b.raiz / "naoexiste").find("não existe"), std::string::npos);
    EXPECT_EQ(erro(b.raiz / "teams").rfind("Nenhum arquivo de time em " + (b.raiz / "teams" / "teams").string(), 0), 0u);
    // One readable club is enough to go on.
    std::filesystem::remove(b.raiz / "teams");
    std::filesystem::create_directories(b.raiz / "teams");
    b.clube(kArgentina, 10, "Sozinho");
    EXPECT_EQ(erro(b.raiz), "");
}

TEST(Danos, SelecaoComNomeTrocadoOuRepetida) {
    BaseTeste b;
    b.selecao(29);
    b.selecao(11);
    const auto pasta = b.raiz / "teams" / "selecoes";
    std::filesystem::rename(pasta / "11.s05", pasta / "12.s05");  // Argentina's team under number 12
    std::filesystem::copy_file(pasta / "29.s05", pasta / "029.s05");
    std::vector<std::string> erros;
    const auto lidas = lerselecoes(b.raiz, &erros);
    ASSERT_EQ(lidas.size(), 1u);
    EXPECT_EQ(lidas[0].pais, 29);
    ASSERT_EQ(erros.size(), 2u);
    EXPECT_EQ(erros[0].rfind("029.s05:", 0), 0u) << erros[0];
    EXPECT_EQ(erros[1].rfind("12.s05:", 0), 0u) << erros[1];
    EXPECT_NE(erros[1].find("11.s05"), std::string::npos) << erros[1];
}
