// The team editor's rules on real files: what each change leaves on disk, byte for byte, and
// that a failure leaves both the files and the working set as they were.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <fstream>

#include "database/escudos.h"
#include "editor/clubes.h"
#include "editor/elencos.h"
#include "editor/selecoes.h"
#include "newgame/escolhas.h"

#include "../database/base_teste.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> bytes(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

int arquivosb08(const fs::path& raiz) { return static_cast<int>(listaentradas(pastatimes(raiz), ".b08", false).size()); }

int indicedoarquivo(const BaseEditor& b, const std::string& nome) {
    for (size_t i = 0; i < b.clubes.size(); ++i)
        if (b.clubes[i].nomearquivo == nome) return static_cast<int>(i);
    return -1;
}

TDadosClube dadosclube(const std::string& arquivo) {
    TDadosClube d;
    d.nomecompleto = "Esporte Clube Várzea";
    d.nome = "Várzea";
    d.tecnico = "Zé Técnico";
    d.estadio = "Estádio do Morro";
    d.arquivo = arquivo;
    d.pais = kBrasil;
    d.estado = 24;
    d.nivel = 12;
    d.corfundo = 0x00FF0000;
    d.cortexto = 0x0000FFFF;
    return d;
}

TJogadorEditor jogador(const std::string& nome, int posicao, int pais = kBrasil) {
    TJogadorEditor j;
    j.nome = nome;
    j.posicao = posicao;
    j.pais = pais;
    j.idade = 23;
    j.habilidade1 = posicao == kGoleiro ? 2 : 6;
    j.habilidade2 = posicao == kGoleiro ? 3 : 12;
    j.estrela = true;
    return j;
}

// While alive, no file may grow beyond `limite` bytes: a write past it fails half-way, as on a
// full disk.
struct LimiteDeArquivo {
    rlimit antes{};
    explicit LimiteDeArquivo(rlim_t limite) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &antes);
        rlimit r = antes;
        r.rlim_cur = limite;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteDeArquivo() { setrlimit(RLIMIT_FSIZE, &antes); }
};

// A crest picture in teams/escudos/ (or teams/selecoes/).
void escudo(const fs::path& raiz, const std::string& nome, bool selecao = false) {
    auto gif = codificagif(2, 2, {0xFF0000, 0x00FF00}, {0, 1, 1, 0});
    ASSERT_TRUE(gif);
    fs::create_directories(selecao ? pastaselecoes(raiz) : pastaescudos(raiz));
    ASSERT_EQ(gravaarquivo((selecao ? pastaselecoes(raiz) : pastaescudos(raiz)) / (nome + ".gif"), *gif), "");
}

}  // namespace

class Editor : public ::testing::Test, public teste::BaseTeste {};

TEST_F(Editor, CarregaTudoEListaSoAVersao8) {
    clube(29, 10, "Alfa");
    const std::string velho = clube(29, 10, "Beta", [](TArquivoClube& c) { c.cabecalho.versao = 7; });
    selecao(29);
    selecao(11);
    std::vector<int> progresso;
    BaseEditor b = carregatimes(raiz, [&](int n) { progresso.push_back(n); });
    ASSERT_EQ(b.clubes.size(), 2u);
    // The writer forces version 8, so the old version is put back by hand.
    EXPECT_EQ(progresso, (std::vector<int>{1, 2}));
    EXPECT_EQ(b.clubes[0].nomearquivo, "c00000.b08");
    EXPECT_EQ(selecoesemuso(b), (std::vector<int>{11, 29}));
    EXPECT_EQ(contaarquivostimes(raiz), 2);

    auto c = lerclubebruto(arquivo(velho));
    c->cabecalho.versao = 7;
    ASSERT_EQ(gravaarquivo(arquivo(velho), codificaclube(*c)), "");
    // A damaged file is left out and named.
    { std::ofstream(arquivo("curto.b08")) << "curto"; }
    std::vector<std::string> erros;
    b = carregatimes(raiz, {}, &erros);
    EXPECT_EQ(b.clubes.size(), 2u);
    EXPECT_EQ(clubeslistados(b), std::vector<int>{0});
    ASSERT_EQ(erros.size(), 1u);
    EXPECT_NE(erros[0].find("curto.b08"), std::string::npos);
}

TEST_F(Editor, NovoClubeGravaExatamenteOQueFoiDigitado) {
    escudo(raiz, "varzea");
    BaseEditor b = carregatimes(raiz);
    TDadosClube d = dadosclube("Varzea FC");
    d.escudo = "varzea";
    int i = -1;
    ASSERT_EQ(novoclube(b, d, &i), "");
    ASSERT_EQ(i, 0);

    TArquivoClube esperado{};
    auto& h = esperado.cabecalho;
    h.pais = kBrasil;
    h.valido = 0;  // no players yet
    h.versao = 8;
    h.nivel = 12;
    h.nome.define("Várzea");
    h.nomecompleto.define("Esporte Clube Várzea");
    h.estadio.define("Estádio do Morro");
    h.arquivo.define("Varzea FC");
    h.escudo.define("varzea");
    h.tecnico.define("Zé Técnico");
    h.corfundo = 0x00FF0000;
    h.cortexto = 0x0000FFFF;
    h.estado = 24;
    for (auto& n : esperado.elenco.nome) marcaslotlivre(n);
    EXPECT_EQ(bytes(arquivo("Varzea FC.b08")), codificaclube(esperado));
    EXPECT_EQ(clubeslistados(b), std::vector<int>{0});

    // Without a state (outside Brasil) the state byte is 255.
    TDadosClube fora = dadosclube("Fora");
    fora.pais = 11;
    fora.estado = -1;
    ASSERT_EQ(novoclube(b, fora, &i), "");
    EXPECT_EQ(lerclubebruto(arquivo("Fora.b08"))->cabecalho.estado, kSemEstado);
}

TEST_F(Editor, NovoClubeRecusadoNaoCriaArquivo) {
    clube(29, 10, "Alfa");  // c00000.b08
    BaseEditor b = carregatimes(raiz);
    auto recusa = [&](TDadosClube d, const std::string& mensagem) {
        EXPECT_EQ(novoclube(b, d), mensagem) << d.arquivo;
    };
    TDadosClube d = dadosclube("x");
    d.nomecompleto.clear();
    recusa(d, "Nome completo não informado");
    d = dadosclube("x");
    d.nome.clear();
    d.tecnico.clear();
    recusa(d, "Nome abreviado não informado");  // the first failure only
    d = dadosclube("");
    recusa(d, "Nome arquivo não informado");
    recusa(dadosclube("C00000"), "Arquivo já existe, escolha outro nome");
    const std::string invalido = "Nome de arquivo inválido: use apenas letras, números, espaços, \"-\" e \"_\"";
    for (const char* nome : {"..", "../fora", "a/b", "a\\b", "a.b08", "x.", "tab\there"}) recusa(dadosclube(nome), invalido);
    recusa(dadosclube("abcdefghijklmnopqrstuv"), "Nome de arquivo com mais de 21 caracteres");
    recusa(dadosclube(" espaco"), "Nome de arquivo inválido: não comece nem termine com espaço");
    d = dadosclube("Sem Estado");
    d.estado = kSemEstado;
    recusa(d, "Estado não informado");
    d = dadosclube("Escudo Longo");
    d.escudo = std::string(26, 'e');
    recusa(d, "Nome do escudo com mais de 25 caracteres");
    EXPECT_EQ(arquivosb08(raiz), 1);
    EXPECT_EQ(b.clubes.size(), 1u);
    EXPECT_FALSE(fs::exists(raiz / "fora.b08"));
    // Letters with accents, digits, spaces, "-" and "_" are fine.
    EXPECT_EQ(novoclube(b, dadosclube("São Paulo-2_B")), "");
    EXPECT_TRUE(fs::exists(arquivo("São Paulo-2_B.b08")));
}

TEST_F(Editor, DozeJogadoresComUmGoleiroTornamOClubeValido) {
    BaseEditor b = carregatimes(raiz);
    int c = -1;
    ASSERT_EQ(novoclube(b, dadosclube("Doze"), &c), "");
    const RefElenco r{false, c};
    EXPECT_EQ(adicionajogador(b, r, jogador("", 1)), "Nome do jogador em Branco");
    // A goalkeeper may hold only goalkeeper abilities, the others only outfield ones.
    TJogadorEditor errado = jogador("Goleiro Errado", kGoleiro);
    errado.habilidade1 = 6;
    EXPECT_EQ(adicionajogador(b, r, errado), "Característica inválida para a posição");
    ASSERT_EQ(adicionajogador(b, r, jogador("Goleiro", kGoleiro)), "");
    for (int k = 0; k < 10; ++k) ASSERT_EQ(adicionajogador(b, r, jogador("Linha " + std::to_string(k), 1 + k % 4)), "");
    EXPECT_EQ(lerclubebruto(arquivo("Doze.b08"))->cabecalho.valido, 0);
    int slot = -1;
    ASSERT_EQ(adicionajogador(b, r, jogador("Décimo segundo", 4, 65), &slot), "");
    EXPECT_EQ(slot, 11);
    auto lido = lerclubebruto(arquivo("Doze.b08"));
    EXPECT_EQ(lido->cabecalho.valido, 1);
    const auto& e = lido->elenco;
    EXPECT_TRUE(e.nome[11] == "Décimo segundo");
    EXPECT_EQ(e.posicao[11], 4);
    EXPECT_EQ(e.pais[11], 65);
    EXPECT_EQ(e.idade[11], 23);
    EXPECT_EQ(e.habilidade1[11], 6);
    EXPECT_EQ(e.habilidade2[11], 12);
    EXPECT_EQ(e.estrela[11], 1);
    EXPECT_EQ(e.status[11], 0);
    EXPECT_EQ(b.paisultimojogador, 65);
    EXPECT_EQ(paisinicialjogador(b), 65);
    // Memory and file agree.
    EXPECT_EQ(codificaclube(b.clubes[static_cast<size_t>(c)].dados), bytes(arquivo("Doze.b08")));

    for (int k = 12; k < 25; ++k) ASSERT_EQ(adicionajogador(b, r, jogador("Mais " + std::to_string(k), 2)), "");
    EXPECT_EQ(elencocheio(b, r), "Você já tem 25 jogadores no time");
    EXPECT_EQ(adicionajogador(b, r, jogador("Vinte e seis", 2)), "Você já tem 25 jogadores no time");
}

TEST_F(Editor, EditarClubeMudaSoOQueFoiPreenchido) {
    const std::string nome = clube(29, 10, "Alfa", [](TArquivoClube& c) { c.cabecalho.estado = 3; });
    BaseEditor b = carregatimes(raiz);
    const auto antes = lerclubebruto(arquivo(nome));
    TDadosClube d;
    d.nome = "Alfa Novo";  // the other texts left empty: kept
    d.pais = kBrasil;
    d.estado = 5;
    d.nivel = 22;
    d.corfundo = 0x123456;
    d.cortexto = 0x654321;
    ASSERT_EQ(editaclube(b, 0, d), "");
    TArquivoClube esperado = *antes;
    esperado.cabecalho.nome.define("Alfa Novo");
    esperado.cabecalho.estado = 5;
    esperado.cabecalho.nivel = 22;
    esperado.cabecalho.corfundo = 0x123456;
    esperado.cabecalho.cortexto = 0x654321;
    EXPECT_EQ(bytes(arquivo(nome)), codificaclube(esperado));
    EXPECT_EQ(arquivosb08(raiz), 1);

    d.estado = -1;
    EXPECT_EQ(editaclube(b, 0, d), "Estado não informado");
}

TEST_F(Editor, GravacaoQueFalhaNoMeioNaoMudaArquivoNemMemoria) {
    const std::string nome = clube(29, 10, "Alfa");
    BaseEditor b = carregatimes(raiz);
    const auto disco = bytes(arquivo(nome));
    const auto memoria = codificaclube(b.clubes[0].dados);
    TDadosClube d = dadosclube("");
    {
        LimiteDeArquivo limite(600);  // the 1263-byte file stops half-way
        EXPECT_NE(editaclube(b, 0, d), "");
        EXPECT_NE(adicionajogador(b, RefElenco{false, 0}, jogador("Novo", 2)), "");
        EXPECT_NE(excluijogador(b, RefElenco{false, 0}, 3), "");
    }
    EXPECT_EQ(bytes(arquivo(nome)), disco);
    EXPECT_EQ(codificaclube(b.clubes[0].dados), memoria);
    EXPECT_FALSE(fs::exists(arquivo(nome + ".tmp")));
    EXPECT_EQ(arquivosb08(raiz), 1);
    // The same change goes through once the disk has room.
    EXPECT_EQ(editaclube(b, 0, d), "");
    EXPECT_TRUE(lerclubebruto(arquivo(nome))->cabecalho.nome == "Várzea");
}

TEST_F(Editor, ClubeDeNomeLongoEGravadoNoProprioArquivo) {
    // A file name longer than the header's 25 characters, and a header naming another club's file.
    const std::string longo = "Um nome de arquivo bem comprido demais";
    clube(29, 10, "Outro");  // c00000.b08
    const std::string meu = clube(29, 10, "Meu");
    auto c = lerclubebruto(arquivo(meu));
    c->cabecalho.arquivo.define("c00000");
    ASSERT_EQ(gravaarquivo(arquivo(longo + ".b08"), codificaclube(*c)), "");
    fs::remove(arquivo(meu));
    BaseEditor b = carregatimes(raiz);
    const int i = indicedoarquivo(b, longo + ".b08");
    ASSERT_GE(i, 0);
    const auto outro = bytes(arquivo("c00000.b08"));
    TDadosClube d = dadosclube("");
    d.nome = "Meu Editado";
    ASSERT_EQ(editaclube(b, i, d), "");
    EXPECT_TRUE(lerclubebruto(arquivo(longo + ".b08"))->cabecalho.nome == "Meu Editado");
    EXPECT_EQ(bytes(arquivo("c00000.b08")), outro);
    EXPECT_EQ(arquivosb08(raiz), 2);
}

TEST_F(Editor, TransferenciaMoveOJogadorDeUmArquivoParaOOutro) {
    const std::string de = clube(29, 10, "Alfa");
    const std::string para = clube(29, 10, "Beta");
    BaseEditor b = carregatimes(raiz);
    ASSERT_TRUE(podereceber(b, 0, 1));
    EXPECT_FALSE(podereceber(b, 0, 0));
    ASSERT_EQ(transferejogador(b, 4, 0, 1), "");
    auto origem = lerclubebruto(arquivo(de));
    auto destino = lerclubebruto(arquivo(para));
    EXPECT_TRUE(slotlivre(origem->elenco.nome[4]));
    EXPECT_TRUE(destino->elenco.nome[16] == "Alfa 4");
    EXPECT_EQ(destino->elenco.status[16], 0);  // a starter at his old club is not one here
    EXPECT_EQ(destino->elenco.idade[16], 24);
    EXPECT_EQ(codificaclube(b.clubes[0].dados), bytes(arquivo(de)));
    EXPECT_EQ(codificaclube(b.clubes[1].dados), bytes(arquivo(para)));

    // A full club cannot take anyone.
    for (int k = 17; k < 25; ++k) ASSERT_EQ(adicionajogador(b, RefElenco{false, 1}, jogador("X" + std::to_string(k), 2)), "");
    EXPECT_FALSE(podereceber(b, 0, 1));
    EXPECT_NE(transferejogador(b, 5, 0, 1), "");
}

TEST_F(Editor, TransferenciaQueFalhaDeixaOJogadorEmUmSoClube) {
    const std::string de = clube(29, 10, "Alfa");
    const std::string para = clube(29, 10, "Beta");
    BaseEditor b = carregatimes(raiz);
    const auto discode = bytes(arquivo(de)), discopara = bytes(arquivo(para));
    const auto memde = codificaclube(b.clubes[0].dados), mempara = codificaclube(b.clubes[1].dados);
    auto igual = [&] {
        EXPECT_EQ(bytes(arquivo(de)), discode);
        EXPECT_EQ(bytes(arquivo(para)), discopara);
        EXPECT_EQ(codificaclube(b.clubes[0].dados), memde);
        EXPECT_EQ(codificaclube(b.clubes[1].dados), mempara);
    };
    // The source's file cannot be prepared: the target is not touched.
    fs::create_directories(arquivo(de + ".tmp") / "x");
    EXPECT_NE(transferejogador(b, 4, 0, 1), "");
    igual();
    EXPECT_FALSE(fs::exists(arquivo(para + ".tmp")));
    fs::remove_all(arquivo(de + ".tmp"));

    // The source's file cannot be replaced once the target's was: the target is put back.
    const fs::path guardado = raiz / "guardado";
    fs::rename(arquivo(de), guardado);
    fs::create_directories(arquivo(de) / "ocupado");
    EXPECT_NE(transferejogador(b, 4, 0, 1), "");
    fs::remove_all(arquivo(de));
    fs::rename(guardado, arquivo(de));
    igual();
    EXPECT_FALSE(fs::exists(arquivo(de + ".tmp")));
}

TEST_F(Editor, EscudoLongoOuIlegivelMantemOAntigo) {
    escudo(raiz, "bom");
    fs::create_directories(pastaescudos(raiz));
    { std::ofstream(pastaescudos(raiz) / "quebrado.gif") << "GIF89a lixo"; }
    const std::string nome = clube(29, 10, "Alfa", [](TArquivoClube& c) { c.cabecalho.escudo.define("antigo"); });
    BaseEditor b = carregatimes(raiz);
    const auto disco = bytes(arquivo(nome));
    EXPECT_EQ(escolheescudo(b, 0, std::string(26, 'e')), "Nome do escudo com mais de 25 caracteres");
    EXPECT_EQ(escolheescudo(b, 0, "quebrado"), "Não foi possível carregar o escudo quebrado");
    EXPECT_EQ(escolheescudo(b, 0, "naoexiste"), "Não foi possível carregar o escudo naoexiste");
    EXPECT_EQ(bytes(arquivo(nome)), disco);
    EXPECT_TRUE(b.clubes[0].dados.cabecalho.escudo == "antigo");
    EXPECT_EQ(escolheescudo(b, 0, "bom"), "");
    EXPECT_TRUE(lerclubebruto(arquivo(nome))->cabecalho.escudo == "bom");
    EXPECT_EQ(listaescudos(raiz, false), (std::vector<std::string>{"bom", "quebrado"}));
}

TEST_F(Editor, ExcluirClubeConfereQueOArquivoSumiu) {
    const std::string a = clube(29, 10, "Alfa");
    clube(29, 10, "Beta");
    BaseEditor b = carregatimes(raiz);
    ASSERT_EQ(excluiclube(b, 0), "");
    EXPECT_FALSE(fs::exists(arquivo(a)));
    EXPECT_EQ(clubeslistados(b), std::vector<int>{1});
    // A file that stays (here a folder in its place, which a plain delete cannot remove) keeps
    // the club listed.
    fs::remove(arquivo("c00001.b08"));
    fs::create_directories(arquivo("c00001.b08") / "dentro");
    EXPECT_EQ(excluiclube(b, 1), "Não foi possível excluir o arquivo c00001.b08");
    EXPECT_EQ(clubeslistados(b), std::vector<int>{1});
}

TEST_F(Editor, TitularesNoMaximoOnze) {
    clube(29, 10, "Alfa");  // slots 0 and 2..10 are starters: 10
    BaseEditor b = carregatimes(raiz);
    const RefElenco r{false, 0};
    EXPECT_EQ(contatitulares(b, r), 10);
    bool mudou = false;
    ASSERT_EQ(alternatitular(b, r, 11, &mudou), "");
    EXPECT_TRUE(mudou);
    EXPECT_EQ(contatitulares(b, r), 11);
    ASSERT_EQ(alternatitular(b, r, 12, &mudou), "");
    EXPECT_FALSE(mudou);
    EXPECT_EQ(lerclubebruto(arquivo("c00000.b08"))->elenco.status[12], 0);
    ASSERT_EQ(alternatitular(b, r, 0, &mudou), "");
    EXPECT_TRUE(mudou);
    EXPECT_EQ(lerclubebruto(arquivo("c00000.b08"))->elenco.status[0], 0);
    // Grouped by position, each group in slot order.
    const auto ordem = ordemelenco(b, r);
    EXPECT_EQ(ordem.front(), 0);
    EXPECT_EQ(ordem[1], 1);
    EXPECT_EQ(ordem[2], 2);  // the first lateral
    EXPECT_EQ(ordem.size(), 16u);
}

TEST_F(Editor, HabilidadesEIdadeNosLimites) {
    EXPECT_EQ(numitenshabilidade(kGoleiro), 4);
    EXPECT_EQ(numitenshabilidade(kAtacante), 10);
    for (int item = 4; item < 10; ++item) EXPECT_EQ(habilidadedoitem(kGoleiro, item), -1) << item;
    EXPECT_EQ(habilidadedoitem(kGoleiro, 3), 3);
    EXPECT_EQ(habilidadedoitem(kLateral, 0), 4);
    EXPECT_EQ(habilidadedoitem(kLateral, 9), 13);
    EXPECT_EQ(habilidadedoitem(kLateral, 10), -1);
    EXPECT_EQ(itemdahabilidade(kGoleiro, 5), -1);
    EXPECT_EQ(itemdahabilidade(kZagueiro, 2), -1);
    EXPECT_EQ(limitaidade(15), 16);
    EXPECT_EQ(limitaidade(300), 42);
    EXPECT_EQ(textocaracteristicas(6, 6), std::string(nomehabilidade(6)));
    EXPECT_EQ(textocaracteristicas(6, 12), std::string(siglahabilidade(6)) + "/" + std::string(siglahabilidade(12)));

    clube(29, 10, "Alfa", [](TArquivoClube& c) { c.elenco.idade[0] = 42; });
    BaseEditor b = carregatimes(raiz);
    ASSERT_EQ(envelhecejogador(b, 0, 0), "");
    ASSERT_EQ(envelhecejogador(b, 0, 1), "");
    auto lido = lerclubebruto(arquivo("c00000.b08"));
    EXPECT_EQ(lido->elenco.idade[0], 42);
    EXPECT_EQ(lido->elenco.idade[1], 22);
}

TEST_F(Editor, CopiaParaASelecao) {
    clube(29, 10, "Alfa", [](TArquivoClube& c) {
        c.elenco.pais[3] = 11;   // Argentina: no national team in this folder
        c.elenco.pais[4] = kPersonalizado;
    });
    selecao(29);  // 20 players, slots 20..27 free
    BaseEditor b = carregatimes(raiz);
    {
        // A slot left with a line-up mark by an earlier player.
        TSelecao s = b.selecoes[29];
        s.escalacao[20] = 1;
        ASSERT_EQ(salvaselecao(b, s), "");
    }
    ASSERT_EQ(dragjogadorselecao(b, 0, 2), ResultadoCopia::Copiado);  // a starter at his club
    auto s = lerselecaobruta(raiz / "teams" / "selecoes" / "29.s05");
    EXPECT_TRUE(s->nome[20] == "Alfa 2");
    EXPECT_EQ(s->escalacao[20], 0);
    EXPECT_EQ(s->numjogadores, 21);
    EXPECT_EQ(s->posicao[20], 1);
    EXPECT_EQ(s->idade[20], 22);
    EXPECT_EQ(s->habilidade1[20], 9);
    EXPECT_EQ(dragjogadorselecao(b, 0, 2), ResultadoCopia::JaConvocado);
    EXPECT_EQ(dragjogadorselecao(b, 0, 3), ResultadoCopia::SemSelecao);
    EXPECT_EQ(dragjogadorselecao(b, 0, 4), ResultadoCopia::SemSelecao);
    for (int k = 5; k < 12; ++k) ASSERT_EQ(dragjogadorselecao(b, 0, k), ResultadoCopia::Copiado) << k;
    EXPECT_EQ(dragjogadorselecao(b, 0, 12), ResultadoCopia::SelecaoCheia);
    EXPECT_EQ(lerselecaobruta(raiz / "teams" / "selecoes" / "29.s05")->numjogadores, 28);
    // The club is not changed.
    EXPECT_TRUE(b.clubes[0].dados.elenco.nome[2] == "Alfa 2");
}

TEST_F(Editor, SelecaoNovaEEditada) {
    selecao(29);
    escudo(raiz, "arg", true);
    BaseEditor b = carregatimes(raiz);
    TDadosSelecao d;
    d.pais = 29;
    d.tecnico = "Outro";
    EXPECT_EQ(novaselecao(b, d), "Esta seleção já existe, você pode edita-la clicando em editar");
    d.pais = 11;
    d.tecnico.clear();
    EXPECT_EQ(novaselecao(b, d), "Nome do técnico não inserido");
    d.tecnico = "Técnico Argentino";
    d.nivel = 18;
    d.corfundo = 0xFFEEDD;
    d.cortexto = 0x112233;
    d.escudo = "arg";
    ASSERT_EQ(novaselecao(b, d), "");
    TSelecao esperado{};
    esperado.pais = 11;
    esperado.confederacao = confederacao(11, true);
    esperado.escudo.define("arg");
    esperado.tecnico.define("Técnico Argentino");
    esperado.nivel = 18;
    esperado.corfundo = 0xFFEEDD;
    esperado.cortexto = 0x112233;
    EXPECT_EQ(bytes(raiz / "teams" / "selecoes" / "11.s05"), codificaselecao(esperado));
    EXPECT_EQ(selecoesemuso(b), (std::vector<int>{11, 29}));

    // 28 slots for a national team.
    const RefElenco r{true, 11};
    ASSERT_EQ(adicionajogador(b, r, jogador("Primeiro", kGoleiro, 65)), "");
    EXPECT_EQ(lerselecaobruta(raiz / "teams" / "selecoes" / "11.s05")->numjogadores, 1);
    for (int k = 1; k < 28; ++k) ASSERT_EQ(adicionajogador(b, r, jogador("J" + std::to_string(k), k < 3 ? 0 : 3)), "");
    EXPECT_EQ(elencocheio(b, r), "Você já tem 28 jogadores no time");
    ASSERT_EQ(excluijogador(b, r, 5), "");
    EXPECT_EQ(lerselecaobruta(raiz / "teams" / "selecoes" / "11.s05")->numjogadores, 27);

    d.tecnico.clear();
    EXPECT_EQ(editaselecao(b, d), "Nome do técnico não inserido");
    d.tecnico = "Novo";
    d.nivel = 30;
    d.escudo = std::string(31, 'x');
    EXPECT_EQ(editaselecao(b, d), "Nome do escudo com mais de 30 caracteres");
    d.escudo.clear();
    ASSERT_EQ(editaselecao(b, d), "");
    auto lido = lerselecaobruta(raiz / "teams" / "selecoes" / "11.s05");
    EXPECT_EQ(lido->nivel, 25);
    EXPECT_TRUE(lido->tecnico == "Novo");
    EXPECT_TRUE(lido->escudo == "arg");
    // A crest chosen on its own is written at once; one that cannot be read keeps the old one.
    EXPECT_EQ(escolheescudoselecao(b, 11, "falta"), "Não foi possível carregar o escudo falta");
    escudo(raiz, "arg2", true);
    ASSERT_EQ(escolheescudoselecao(b, 11, "arg2"), "");
    EXPECT_TRUE(lerselecaobruta(raiz / "teams" / "selecoes" / "11.s05")->escudo == "arg2");
}

TEST(EditorListas, OrdemPorPaisNivelENome) {
    BaseEditor b;
    auto poe = [&](int pais, int nivel, const char* nome) {
        TClubeEditor c;
        c.dados.cabecalho.pais = static_cast<uint8_t>(pais);
        c.dados.cabecalho.nivel = static_cast<uint8_t>(nivel);
        c.dados.cabecalho.nome.define(nome);
        b.clubes.push_back(c);
    };
    poe(65, 20, "Zeta");   // 0
    poe(29, 10, "Beta");   // 1
    poe(29, 18, "Gama");   // 2
    poe(29, 10, "Alfa");   // 3
    std::vector<int> v{0, 1, 2, 3};
    sortbypaisnivel(b, v);
    EXPECT_EQ(v, (std::vector<int>{2, 3, 1, 0}));
}

TEST(EditorListas, LetraEscolheOPais) {
    const auto paises = paiseseditor();
    EXPECT_EQ(paises.size(), 202u);
    EXPECT_EQ(paisdaletra(paises, 'a'), 0);
    EXPECT_EQ(nomepais(paisdaletra(paises, 'B')), "Bahamas");
    EXPECT_EQ(nomepais(paisdaletra(paises, 'M')).substr(0, 2), "Ma");
    EXPECT_EQ(nomepais(paisdaletra(paises, 'I')).substr(0, 1), "I");
    EXPECT_EQ(paisdaletra(paises, '#'), -1);
}

// A club made in the editor is read by a new game like any other: it joins its country's league.
TEST_F(Editor, ClubeDoEditorEntraNoNovoJogo) {
    clubes(11, 44, 20);
    BaseEditor b = carregatimes(raiz);
    TDadosClube d = dadosclube("novo");
    d.pais = 11;
    d.estado = kSemEstado;
    d.nome = "Clube do Editor";
    d.nivel = 25;
    int c = -1;
    ASSERT_EQ(novoclube(b, d, &c), "");
    for (int k = 0; k < 18; ++k) ASSERT_EQ(adicionajogador(b, RefElenco{false, c}, jogador("J" + std::to_string(k), k < 2 ? 0 : 1 + k % 4, 11)), "");

    Preparacao p;
    lerresumos(p, raiz);
    Mundo m;
    EscolhasJogo e;
    e.paises = {11};
    e.sistemadisputa = 2;
    e.numtecnicoshumanos = 0;
    ASSERT_EQ(preparaligas(m, p, e), "");
    int achado = -1;
    for (size_t i = 0; i < m.times.size(); ++i)
        if (m.times[i].nome == "Clube do Editor") achado = static_cast<int>(i);
    ASSERT_GE(achado, 0);
    EXPECT_GE(ligadadivisao(m, achado), 0);
}
