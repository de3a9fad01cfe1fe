// Saved games: round trips, hostile files, interrupted saves, save names and automatic saving.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "competitions/calendario.h"
#include "database/jogosalvo.h"
#include "database/jogosalvo_checagem.h"
#include "model/mundo.h"
#include "newgame/salvamento.h"

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"

using namespace tarvello;
namespace fs = std::filesystem;
using tarvello::teste::Erros;
using tarvello::teste::rodacli;

namespace {

std::vector<uint8_t> lebytes(const fs::path& p) {
    auto b = learquivojogo(p);
    return b ? *b : std::vector<uint8_t>{};
}

void gravabytes(const fs::path& p, const std::vector<uint8_t>& b) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A sample world with one human club, played into the middle of its first season and saved.
struct JogoSalvo {
    fs::path pasta = teste::pastatemporaria("tarvello_salvamento");
    fs::path arquivo;
    int humano = -1;

    JogoSalvo() {
        fs::remove_all(pasta);
        const std::string dados = (pasta / "dados").string();
        auto [rc, s] = rodacli("gerar-base --destino " + dados, Erros::Junto);
        EXPECT_EQ(rc, 0) << s;
        // A club of the first division, numbered as the set-up numbers them.
        auto [rc1, j] = rodacli("mundo --dados " + dados + " --ligas 29 --estaduais --json", Erros::Fora);
        EXPECT_EQ(rc1, 0);
        const auto mundo = nlohmann::json::parse(j);
        for (const auto& c : mundo["clubes"])
            if (c["divisao"] == 1) {
                humano = c["indice"];
                break;
            }
        arquivo = pasta / "meio.s08";
        auto [rc2, s2] = rodacli("simular --dados " + dados + " --ligas 29 --estaduais --datas 25 --humanos-clubes " +
                                     std::to_string(humano) + " --salvar " + arquivo.string(),
                                 Erros::Junto);
        EXPECT_EQ(rc2, 0) << s2;
    }
    ~JogoSalvo() { fs::remove_all(pasta); }
};

// Record sizes of items 1..29 (0 for the fixed blocks, whose sizes follow).
struct Item {
    size_t registro;  // size of one record of a table; 0 for a fixed block
    size_t fixo;      // size of a fixed block (its leading count included)
};
constexpr Item kItens[30] = {
    {0, 0},    {0, 4},   {0, 16752}, {320, 0}, {340, 0},    {656, 0},    {1688, 0},   {460, 0},
    {0, 84},   {56, 0},  {24, 0},    {0, 772}, {0, 292},    {0, 4108},   {600, 0},    {648, 0},
    {8, 0},    {48, 0},  {24, 0},    {660, 0}, {72, 0},     {24, 0},     {24, 0},     {28, 0},
    {28, 0},   {20, 0},  {20, 0},    {12, 0},  {40, 0},     {24, 0},
};

// Start of each item 1..29 in a saved game, and its end at [30].
std::array<size_t, 31> posicoes(const std::vector<uint8_t>& b) {
    std::array<size_t, 31> p{};
    size_t at = 0;
    for (int i = 1; i <= 29; ++i) {
        p[static_cast<size_t>(i)] = at;
        if (kItens[i].registro == 0) {
            at += kItens[i].fixo;
        } else {
            int32_t n;
            std::memcpy(&n, b.data() + at, 4);
            at += 4 + static_cast<size_t>(n) * kItens[i].registro;
        }
    }
    p[30] = at;
    return p;
}

void escreve(std::vector<uint8_t>& b, size_t at, int32_t v) { std::memcpy(b.data() + at, &v, 4); }

// One record of every list a game accumulates, so that every item of the file holds something.
void preenchelistas(Mundo& m) {
    const int a = 1, b = 2;
    TRelatorioPartida r{};
    r.mandante = a;
    r.visitante = b;
    r.competicao = kLiga;
    r.onzemandante[0] = 1;
    m.relatorios.push_back(r);
    m.convocacoes.push_back({1, a});
    TAmistoso am{};
    am.mandante = a;
    am.visitante = b;
    m.amistosos.push_back(am);
    m.eventosrelatorios.push_back({kEvGol, a, 1, -1, 10, 0});  // of report 0
    m.historicotecnicos.push_back({1, kLiga, a, a, 1, 1, 0});
    m.historicoartilheiros.push_back({1, kLiga, a, 1, 1, 9, 0});
    m.resultadosclubes.push_back({a, 1, kLiga, 1, 1});
    m.transferencias.push_back({1, 1, a, b, 1000});
    m.contratacoestecnicos.push_back({a, 1, a});
    TObra o{};
    o.time = a;
    o.emandamento = 1;
    m.obras.push_back(o);
    TEmprestimo e{};
    e.jogador = 1;
    e.timeorigem = a;
    m.emprestimos.push_back(e);
    m.confrontos.push_back({a, b, 1, 0, 1, kLiga});
    m.chavesmundial[0].clube1 = a;
    m.chavesmundial[0].vencedor = -1;
}

}  // namespace

// A world in the middle of its season, with every table filled, gives the same bytes when it is
// saved, loaded and saved again; the loaded game carries the season's calendar and plays on.
TEST(JogoSalvo, IdaEVoltaDeUmMundoNoMeioDaTemporada) {
    JogoSalvo j;
    JogoCarregado c = carregajogo(j.arquivo, 1);
    ASSERT_TRUE(c.mundo) << c.erro << ": " << c.motivo;
    Mundo& m = *c.mundo;
    EXPECT_FALSE(m.mensagens.empty());
    EXPECT_FALSE(m.historicocolocados.empty() && m.confrontos.empty());
    EXPECT_GT(std::count_if(m.partidas.begin(), m.partidas.end(), [](const TPartida& p) { return p.jogado; }), 0);
    EXPECT_EQ(m.estado.nomearquivo.utf8(), "meio.s08");
    EXPECT_GE(m.estado.timeatual, 0);
    EXPECT_FALSE(m.estado.nometimesalvo.vazio());

    // The calendar was rebuilt from the season: it is the one a fresh build gives.
    Mundo outro = m;
    outro.calendario = {};
    montacalendario(outro);
    for (int d = 0; d < kNumDatas; ++d) {
        EXPECT_EQ(m.calendario[d].data, outro.calendario[d].data);
        EXPECT_EQ(m.calendario[d].competicao, outro.calendario[d].competicao);
    }
    EXPECT_NE(m.calendario[m.estado.dataatual - 1].competicao, kSemJogos);

    preenchelistas(m);
    const std::vector<uint8_t> primeira = codificajogo(m);
    Mundo lido;
    ASSERT_EQ(decodificajogo(primeira, lido), "");
    EXPECT_EQ(codificajogo(lido), primeira);
    EXPECT_EQ(lido.relatorios.size(), m.relatorios.size());
    EXPECT_EQ(lido.emprestimos.size(), m.emprestimos.size());

    // Saving twice without a change writes identical files.
    const fs::path x = j.pasta / "x.s08", y = j.pasta / "y.s08";
    ASSERT_EQ(salvajogo(m, x), "");
    ASSERT_EQ(salvajogo(m, y), "");
    EXPECT_EQ(lebytes(x), lebytes(y));
    EXPECT_FALSE(fs::exists(j.pasta / "x.s08.tmp"));
}

// Every item truncated, every count larger than the bytes left, an index out of range in every
// table, bytes after item 29 and a wrong marker: each is refused, and loading a refused file
// leaves nothing behind.
TEST(JogoSalvo, ArquivosHostisSaoRecusados) {
    JogoSalvo j;
    JogoCarregado c = carregajogo(j.arquivo, 1);
    ASSERT_TRUE(c.mundo);
    preenchelistas(*c.mundo);
    const std::vector<uint8_t> bom = codificajogo(*c.mundo);
    const auto pos = posicoes(bom);
    ASSERT_EQ(pos[30], bom.size());
    auto recusa = [&](const std::vector<uint8_t>& b, const std::string& caso) {
        Mundo m;
        EXPECT_NE(decodificajogo(b, m), "") << caso;
    };

    for (int i = 1; i <= 29; ++i) {
        const std::string item = "item " + std::to_string(i);
        const size_t inicio = pos[static_cast<size_t>(i)], fim = pos[static_cast<size_t>(i) + 1];
        recusa(std::vector<uint8_t>(bom.begin(), bom.begin() + static_cast<std::ptrdiff_t>(inicio)), item + " ausente");
        recusa(std::vector<uint8_t>(bom.begin(), bom.begin() + static_cast<std::ptrdiff_t>((inicio + fim) / 2 + 1)),
               item + " cortado");
        if (kItens[i].registro == 0) continue;
        // A count larger than the bytes left (just one record too many, and far too many), and a
        // negative one.
        const int32_t justo = static_cast<int32_t>((bom.size() - inicio - 4) / kItens[i].registro) + 1;
        for (int32_t n : {justo, std::numeric_limits<int32_t>::max(), -1}) {
            auto b = bom;
            escreve(b, inicio, n);
            recusa(b, item + " contagem " + std::to_string(n));
        }
    }

    // An index out of range in the first record of each table (the player table: record 1, as
    // entry 0 is the placeholder). Offset of a field holding an index, per item.
    const std::pair<int, size_t> indices[] = {{3, 320 + 32}, {4, 220}, {5, 68},  {6, 0},   {7, 28},  {10, 0},
                                              {11, 4},       {12, 4},  {13, 4},  {14, 0},  {15, 0},  {16, 0},
                                              {17, 0},       {18, 0},  {19, 0},  {20, 0},  {21, 4},  {22, 8},
                                              {23, 8},       {24, 8},  {25, 0},  {26, 0},  {27, 0},  {28, 0},
                                              {29, 0}};
    for (auto [i, campo] : indices) {
        auto b = bom;
        escreve(b, pos[static_cast<size_t>(i)] + 4 + campo, 1'000'000);
        recusa(b, "índice do item " + std::to_string(i));
    }
    // The state block's own rules.
    for (auto [campo, valor] : {std::pair<size_t, int32_t>{328, 3}, {180, 0}, {332, 149}, {12, 1'000'000}}) {
        auto b = bom;
        escreve(b, 4 + campo, valor);
        recusa(b, "estado " + std::to_string(campo));
    }
    auto longo = bom;
    longo.push_back(0);
    recusa(longo, "bytes a mais");
    auto marca = bom;
    escreve(marca, 4 + 8, 80);
    recusa(marca, "marca");

    // Through the file: the message the player sees, and no world.
    gravabytes(j.pasta / "ruim.s08", marca);
    JogoCarregado r = carregajogo(j.pasta / "ruim.s08", 1);
    EXPECT_FALSE(r.mundo);
    EXPECT_EQ(r.erro, kJogoInvalido);
    JogoCarregado ausente = carregajogo(j.pasta / "nada.s08", 1);
    EXPECT_EQ(ausente.erro, kErroCarregar);
}

// A save cut off at any byte (a crash before the rename leaves only the temporary file) never
// spoils the previous save; a save that cannot be written says so and changes nothing.
TEST(JogoSalvo, SalvamentoInterrompidoPreservaOAnterior) {
    JogoSalvo j;
    JogoCarregado c = carregajogo(j.arquivo, 1);
    ASSERT_TRUE(c.mundo);
    const std::vector<uint8_t> antigo = lebytes(j.arquivo);
    const std::vector<uint8_t> novo = codificajogo(*c.mundo);
    const fs::path temp = j.arquivo.string() + ".tmp";
    std::vector<size_t> cortes = {0, 1, 4, 100, novo.size() / 2, novo.size() - 1};
    for (size_t k : posicoes(novo)) cortes.push_back(k);
    for (size_t k : cortes) {
        gravabytes(temp, std::vector<uint8_t>(novo.begin(), novo.begin() + static_cast<std::ptrdiff_t>(std::min(k, novo.size()))));
        EXPECT_TRUE(carregajogo(j.arquivo, 1).mundo) << "corte em " << k;
        // The same prefix under the real name would be refused, not half-loaded.
        if (k < novo.size()) {
            Mundo m;
            EXPECT_NE(decodificajogo(std::span(novo.data(), k), m), "") << k;
        }
    }
    // The next save replaces the leftover temporary file and completes.
    ASSERT_EQ(salvajogo(*c.mundo, j.arquivo), "");
    EXPECT_EQ(lebytes(j.arquivo), novo);

    // A temporary name that cannot be created: the error, the old file intact.
    fs::remove(temp);
    fs::create_directory(temp);
    const Mundo antes = *c.mundo;
    EXPECT_EQ(salvajogo(*c.mundo, j.arquivo), kErroSalvar);
    EXPECT_EQ(lebytes(j.arquivo), novo);
    EXPECT_EQ(codificajogo(*c.mundo), codificajogo(antes));
    EXPECT_EQ(salvajogo(*c.mundo, j.pasta / "semPasta" / "x.s08"), kErroSalvar);
    (void)antigo;
}

TEST(JogoSalvo, NomesDeArquivoFiltrados) {
    EXPECT_EQ(filtranomesalvo("Minha carreira 2"), "Minha carreira 2");
    EXPECT_EQ(filtranomesalvo("../../etc/passwd"), "etcpasswd");
    EXPECT_EQ(filtranomesalvo("C:\\jogo.exe"), "Cjogoexe");
    EXPECT_EQ(filtranomesalvo("  São Paulo_x-1  "), "São Paulo_x-1");
    EXPECT_EQ(filtranomesalvo("/"), "");
    EXPECT_EQ(filtranomesalvo(std::string(40, 'a')), std::string(kMaxNomeSalvo, 'a'));
}

TEST(JogoSalvo, SalvamentoAutomatico) {
    int contador = 0;
    std::vector<bool> a3;
    for (int i = 0; i < 6; ++i) a3.push_back(salvamentoautomatico(contador, 1));
    EXPECT_EQ(a3, (std::vector<bool>{false, false, true, false, false, true}));
    contador = 0;
    EXPECT_TRUE(salvamentoautomatico(contador, 2));
    EXPECT_FALSE(salvamentoautomatico(contador, 0));
    EXPECT_FALSE(salvamentoautomatico(contador, 3));
    EXPECT_TRUE(salvamentoinicioano(3));
    EXPECT_FALSE(salvamentoinicioano(2));

    TEstadoJogo e{};
    e.competicaoatual = kLiga;
    e.rodadaliga = 5;
    e.turnoliga = 2;
    EXPECT_EQ(descricaosalvo(e), "Campeonato Nacional5ª rodada -2º turno");
    e.competicaoatual = kContinental2;
    EXPECT_EQ(descricaosalvo(e), "Sul-Americana/Copa da UEFA");
}

// The headless tool: loading and saving without playing writes the bytes it read; a game
// saved in its second season plays on to the end of the third; a bad file is an error.
TEST(JogoSalvo, SimularCarregaESalva) {
    JogoSalvo j;
    const std::string dados = (j.pasta / "dados").string();
    const fs::path a = j.pasta / "a.s08", b = j.pasta / "b.s08";
    auto [rc, s] = rodacli("simular --dados " + dados + " --ligas 29 --estaduais --temporadas 2 --datas 50 --salvar " +
                               a.string(),
                           Erros::Junto);
    ASSERT_EQ(rc, 0) << s;
    auto [rc0, s0] = rodacli("simular --carregar " + a.string() + " --datas 0 --salvar " + b.string(), Erros::Junto);
    ASSERT_EQ(rc0, 0) << s0;
    EXPECT_EQ(lebytes(a), lebytes(b));

    auto [rc1, s1] = rodacli("simular --carregar " + a.string() + " --temporadas 2 --json", Erros::Fora);
    ASSERT_EQ(rc1, 0);
    const auto r = nlohmann::json::parse(s1);
    EXPECT_EQ(r["temporada"].get<int>(), 3);
    EXPECT_TRUE(r["fimdatemporada"].get<bool>());
    ASSERT_EQ(r["temporadas"].size(), 2u);
    EXPECT_EQ(r["temporadas"][0]["temporada"].get<int>(), 2);

    auto ruim = lebytes(a);
    ruim.resize(ruim.size() - 3);
    gravabytes(b, ruim);
    auto [rc2, s2] = rodacli("simular --carregar " + b.string() + " --datas 1", Erros::Junto);
    EXPECT_NE(rc2, 0);
    EXPECT_NE(s2.find(std::string(kJogoInvalido)), std::string::npos) << s2;
    auto [rc3, s3] = rodacli("simular --carregar " + a.string() + " --ligas 29", Erros::Junto);
    EXPECT_EQ(rc3, 2) << s3;
}

// The load preview names the club the coach runs when he saves, even when he changed clubs since
// the turn that last set the current club.
TEST(JogoSalvo, PreviaNomeiaOClubeQueOTecnicoDirigeAgora) {
    Mundo m;
    m.times.resize(3);
    m.tecnicos.resize(3);
    m.times[0].nome.define("Antigo");
    m.times[0].tecnico = 1;
    m.times[2].nome.define("Novo");
    m.times[2].tecnico = 2;
    m.times[2].humano = 1;
    m.tecnicos[1].nome.define("Sucessor");
    m.tecnicos[2].nome.define("Humano");
    m.estado.numtecnicoshumanos = 1;
    m.estado.timeatual = 0;  // the club he left
    m.estado.timedotecnico[0] = 2;
    preenchesalvo(m);
    EXPECT_EQ(m.estado.nometimesalvo.utf8(), "Novo");
    EXPECT_EQ(m.estado.nometecnicosalvo.utf8(), "Humano");
    // On his own club's turn nothing changes.
    m.estado.timeatual = 2;
    m.times[0].humano = 0;
    preenchesalvo(m);
    EXPECT_EQ(m.estado.nometimesalvo.utf8(), "Novo");
}
