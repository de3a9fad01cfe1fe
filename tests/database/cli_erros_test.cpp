// The headless tool tells every mistake: bad command lines (exit 2), missing data, unreadable
// options files, failed writes and worlds that would mix (exit 1), with a message each.
#include <gtest/gtest.h>

#include "../apoio/cli.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "base_teste.h"

using tarvello::teste::BaseTeste;
using tarvello::teste::Erros;
using tarvello::teste::rodacli;

namespace {

// Runs a shell command line; returns its exit code and what it wrote.
std::pair<int, std::string> shell(const std::string& cmd) {
    FILE* f = popen(cmd.c_str(), "r");
    if (!f) return {-1, {}};
    std::string saida;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) saida.append(buf, n);
    const int rc = pclose(f);
    return {WEXITSTATUS(rc), saida};
}

// Exit code and standard error only.
std::pair<int, std::string> erros(const std::string& args) {
    return shell(std::string(TARVELLO_CLI) + " " + args + " 2>&1 >/dev/null");
}

}  // namespace

TEST(CliErros, LinhasDeComandoErradasSaoRecusadasComCodigo2) {
    BaseTeste b;
    b.clubes(11, 22);
    const std::string dados = "--dados " + b.raiz.string();
    struct Caso {
        std::string args;
        std::string mensagem;
    };
    const Caso casos[] = {
        {"base " + dados + " --jason", "opção desconhecida"},
        {"base", "informe --dados"},
        {"base --dados", "falta o valor de --dados"},
        {"base " + dados + " --json --json", "opção repetida"},
        {"simular " + dados + " --ligas 11 --datas tres", "não é um número"},
        {"simular " + dados + " --ligas 11 --datas 3x", "não é um número"},
        {"simular " + dados + " --ligas 11 --datas -1", "fora da faixa"},
        {"simular " + dados + " --ligas 11 --datas 2 --ate-fim-da-temporada", "não podem ser usadas juntas"},
        {"simular " + dados + " --ligas 11 --semente 99999999999999999999", "não é um número"},
        {"novo " + dados + " --ligas 11,300", "fora da faixa"},
        {"novo " + dados + " --ligas 11,,29", "não é um número"},
        {"novo " + dados + " --ligas 11 --sistema 15", "10 ou 20"},
        {"novo " + dados + " --ligas 11 --humanos-clubes 1,2,3,4,5,6,7", "no máximo 6"},
        {"calendario --temporada 0", "fora da faixa"},
        {"calendario extra", "argumento inesperado"},
        {"gerar-base", "informe --destino"},
        {"nenhum", "comando desconhecido"},
    };
    for (const Caso& c : casos) {
        auto [rc, s] = erros(c.args);
        EXPECT_EQ(rc, 2) << c.args << "\n" << s;
        EXPECT_NE(s.find(c.mensagem), std::string::npos) << c.args << "\n" << s;
    }
    EXPECT_EQ(rodacli("", Erros::Junto).first, 2);

    // Help: the commands, and each command's options.
    for (const std::string ajuda : {"--help", "-h", "help"}) {
        auto [rc, s] = rodacli(ajuda, Erros::Fora);
        EXPECT_EQ(rc, 0) << ajuda;
        for (const char* comando : {"base", "calendario", "gerar-base", "mundo", "novo", "simular", "versao"})
            EXPECT_NE(s.find(comando), std::string::npos) << ajuda << " " << comando;
    }
    auto [rc, s] = rodacli("simular --help", Erros::Fora);
    EXPECT_EQ(rc, 0);
    for (const char* opcao : {"--dados DIR", "--datas N", "--ate-fim-da-temporada", "--opcoes ARQUIVO", "--json"})
        EXPECT_NE(s.find(opcao), std::string::npos) << opcao;
    EXPECT_EQ(rodacli("help gerar-base", Erros::Fora).second, rodacli("gerar-base -h", Erros::Fora).second);
}

TEST(CliErros, DadosOpcoesEClubeHumanoConferidos) {
    BaseTeste b;
    b.clubes(11, 25);  // 20 in the division of 20, 5 outside it
    const std::string dados = "--dados " + b.raiz.string();

    // A data folder without club files, named in the message, for every command that reads one.
    const std::string vazia = (b.raiz / "vazia").string();
    std::filesystem::create_directories(b.raiz / "vazia" / "teams");
    for (const std::string cmd : {"base", "mundo --ligas 11", "novo --ligas 11", "simular --ligas 11"}) {
        auto [rc, s] = erros(cmd + " --dados " + vazia);
        EXPECT_EQ(rc, 1) << cmd;
        EXPECT_NE(s.find("Nenhum arquivo de time em " + vazia + "/teams"), std::string::npos) << cmd << "\n" << s;
    }
    auto [rcx, sx] = erros("base --dados " + (b.raiz / "naoexiste").string());
    EXPECT_EQ(rcx, 1);
    EXPECT_NE(sx.find("Nenhum arquivo de time em"), std::string::npos);

    // An options file asked for by name must be readable.
    auto [rco, so] = erros("novo " + dados + " --ligas 11 --opcoes " + (b.raiz / "naoexiste.ini").string());
    EXPECT_EQ(rco, 1);
    EXPECT_NE(so.find("naoexiste.ini"), std::string::npos) << so;
    std::ofstream(b.raiz / "bom.ini") << "[opcoes]\nopvelocidade=0\n";
    auto [rcb, sb] = rodacli("novo " + dados + " --ligas 11 --sistema 20 --sem-selecoes --json --opcoes " +
                                 (b.raiz / "bom.ini").string(), Erros::Fora);
    ASSERT_EQ(rcb, 0);
    EXPECT_EQ(nlohmann::json::parse(sb)["intervalohumano"], 4000);

    // A human club must play in a division: with 25 clubs and one division of 20, five do not.
    auto [rcm, sm] = rodacli("mundo " + dados + " --ligas 11 --sistema 20 --json", Erros::Fora);
    ASSERT_EQ(rcm, 0);
    int fora = -1, dentro = -1;
    const auto mundo = nlohmann::json::parse(sm);
    for (const auto& c : mundo["clubes"]) {
        if (c["divisao"] == 0 && fora < 0) fora = c["indice"];
        if (c["divisao"] == 1 && dentro < 0) dentro = c["indice"];
    }
    ASSERT_GE(fora, 0);
    auto [rch, sh] = erros("novo " + dados + " --ligas 11 --sistema 20 --sem-selecoes --humanos-clubes " + std::to_string(fora));
    EXPECT_EQ(rch, 1);
    EXPECT_NE(sh.find("não está em nenhuma divisão"), std::string::npos) << sh;
    EXPECT_EQ(erros("novo " + dados + " --ligas 11 --sistema 20 --sem-selecoes --humanos-clubes " + std::to_string(dentro)).first, 0);
}

TEST(CliErros, AvisosDeArquivosDanificadosEmTodosOsComandos) {
    BaseTeste b;
    b.clubes(11, 22);
    b.selecoesdostorneios();
    std::ofstream(b.raiz / "teams" / "quebrado.b08") << "xx";
    std::filesystem::create_directories(b.raiz / "teams" / "pasta.b08");
    std::filesystem::rename(b.raiz / "teams" / "selecoes" / "29.s05", b.raiz / "teams" / "selecoes" / "30.s05");
    const std::string dados = "--dados " + b.raiz.string();
    for (const std::string cmd : {"base", "mundo --ligas 11", "novo --ligas 11", "simular --ligas 11 --datas 1"}) {
        auto [rc, s] = erros(cmd + " " + dados);
        EXPECT_EQ(rc, 0) << cmd << "\n" << s;
        EXPECT_NE(s.find("aviso: Arquivo de time ignorado: teams/quebrado.b08"), std::string::npos) << cmd << "\n" << s;
        EXPECT_NE(s.find("teams/pasta.b08"), std::string::npos) << cmd;
        EXPECT_NE(s.find("teams/selecoes/30.s05"), std::string::npos) << cmd;
        // Brasil's team is missing now, which the Copa América needs.
        if (cmd != "base") {
            EXPECT_NE(s.find("Copa América"), std::string::npos) << cmd;
        }
        // The same warnings in the JSON.
        auto [rcj, sj] = rodacli(cmd + " " + dados + " --json", Erros::Fora);
        ASSERT_EQ(rcj, 0) << cmd;
        EXPECT_GE(nlohmann::json::parse(sj)["avisos"].size(), 3u) << cmd;
    }
}

TEST(CliErros, SaidaQueNaoPodeSerEscritaEhUmErro) {
    BaseTeste b;
    b.clubes(11, 22);
    for (const std::string& cmd : {std::string("versao"), std::string("calendario --json"),
                                  "base --dados " + b.raiz.string() + " --json"}) {
        auto [rc, s] = shell(std::string(TARVELLO_CLI) + " " + cmd + " 2>&1 >/dev/full");
        EXPECT_NE(rc, 0) << cmd;
        EXPECT_NE(s.find("não foi possível escrever a saída"), std::string::npos) << cmd << "\n" << s;
    }
    // A pipe the reader has already closed.
    auto [rc, saida] = shell("sh -c '{ sleep 0.5; " + std::string(TARVELLO_CLI) +
                             " calendario --json; echo codigo=$? >&2; } | true' 2>&1");
    EXPECT_NE(saida.find("não foi possível escrever a saída"), std::string::npos) << saida;
    EXPECT_NE(saida.find("codigo=1"), std::string::npos) << saida;
}

TEST(CliErros, GerarBaseNaoMisturaDoisMundos) {
    BaseTeste b;
    const std::string destino = (b.raiz / "mundo").string();
    ASSERT_EQ(rodacli("gerar-base --destino " + destino + " --semente 3", Erros::Junto).first, 0);
    const auto antes = tarvello::listaentradas(b.raiz / "mundo" / "teams", ".b08", true);

    // A second seed into the same folder is refused, and nothing changes.
    auto [rc, s] = erros("gerar-base --destino " + destino + " --semente 4");
    EXPECT_EQ(rc, 1);
    EXPECT_NE(s.find("--substituir"), std::string::npos) << s;
    EXPECT_EQ(tarvello::listaentradas(b.raiz / "mundo" / "teams", ".b08", true), antes);

    // --substituir removes exactly what the last run wrote.
    ASSERT_EQ(rodacli("gerar-base --destino " + destino + " --semente 4 --substituir", Erros::Junto).first, 0);
    const auto depois = tarvello::listaentradas(b.raiz / "mundo" / "teams", ".b08", true);
    ASSERT_EQ(rodacli("gerar-base --destino " + (b.raiz / "limpo").string() + " --semente 4", Erros::Junto).first, 0);
    EXPECT_EQ(depois, tarvello::listaentradas(b.raiz / "limpo" / "teams", ".b08", true));
    EXPECT_NE(depois, antes);

    // A club file the tool did not write stays, and so the folder is still refused.
    std::filesystem::copy_file(b.raiz / "mundo" / "teams" / depois[0], b.raiz / "mundo" / "teams" / "meu.b08");
    auto [rc2, s2] = erros("gerar-base --destino " + destino + " --semente 5 --substituir");
    EXPECT_EQ(rc2, 1);
    EXPECT_NE(s2.find("não gravou"), std::string::npos) << s2;
    EXPECT_TRUE(std::filesystem::exists(b.raiz / "mundo" / "teams" / "meu.b08"));
}
