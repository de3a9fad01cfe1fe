// A whole headless season: every computer-run club's cash moves by exactly what its finance
// columns booked, so no money appears or vanishes between the first date and the last.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../apoio/cli.h"
#include "../database/base_teste.h"

using tarvello::teste::BaseTeste;

namespace {

struct Totais {
    int clubes = 0, pagaram = 0;
    long long ingressos = 0, premios = 0, salarios = 0;
};

Totais conferetemporada(const std::string& args) {
    auto [rc, s] = tarvello::teste::rodacli(args, tarvello::teste::Erros::Fora);
    EXPECT_EQ(rc, 0) << s;
    const auto j = nlohmann::json::parse(s);
    EXPECT_TRUE(j["fimdatemporada"].get<bool>());
    Totais t;
    for (const auto& [indice, c] : j["clubes"].items()) {
        if (c["humano"].get<bool>()) continue;
        const auto& f = c["financas"];
        auto v = [&](const char* k) { return f[k].get<long long>(); };
        const long long entradas = v("ingressos") + v("vendas") + v("premios") + v("emprestimo") + v("patrocinio");
        const long long saidas =
            v("compras") + v("obrasestadio") + v("salarios") + v("juros") + v("multas") + v("diversos");
        const long long mudou = c["dinheiro"]["fim"].get<long long>() - c["dinheiro"]["inicio"].get<long long>();
        EXPECT_EQ(mudou, entradas - saidas) << "clube " << indice << " " << c["nome"] << ": " << f.dump();
        EXPECT_GT(v("salariosemanal"), 0) << indice;
        ++t.clubes;
        t.pagaram += v("salarios") > 0;  // clubs outside the divisions may have had no Sunday match
        t.ingressos += v("ingressos");
        t.premios += v("premios");
        t.salarios += v("salarios");
    }
    return t;
}

}  // namespace

// Two leagues of ten-club divisions, state championships and national cups: gates, wages and
// every prize of the leagues, cups, states and top scorers.
TEST(CliFinancas, TemporadaComEstaduaisEmDezClubes) {
    BaseTeste b;
    for (int i = 0; i < 14; ++i)
        b.clube(29, std::max(1, 20 - i / 3), "SP" + std::to_string(i),
                [](tarvello::TArquivoClube& c) { c.cabecalho.estado = 25; });
    for (int i = 0; i < 8; ++i)
        b.clube(29, 10, "RJ" + std::to_string(i), [](tarvello::TArquivoClube& c) { c.cabecalho.estado = 18; });
    b.clubes(11, 22);
    const Totais t = conferetemporada("simular --dados " + b.raiz.string() +
                                      " --ligas 29,11 --sistema 10 --estaduais --sem-continentais --sem-selecoes"
                                      " --semente 5 --ate-fim-da-temporada --json");
    EXPECT_GE(t.clubes, 40);
    EXPECT_GE(t.pagaram, 40);
    EXPECT_GT(t.ingressos, 0);
    // Four divisions' champions and runners-up, two cups, two states and the top scorers.
    EXPECT_GE(t.premios, 5000000 + 3500000 + 2500000 + 2000000 + 2 * 6000000 + 2 * 1500000);
}

// One league of twenty-club divisions with its national cup and no state championships, with
// a human coach's club left out of the check.
TEST(CliFinancas, TemporadaEmVinteClubes) {
    BaseTeste b;
    b.clubes(11, 42);
    const Totais t = conferetemporada("simular --dados " + b.raiz.string() +
                                      " --ligas 11 --sistema 20 --sem-continentais --sem-selecoes"
                                      " --humanos-clubes 3 --semente 12 --ate-fim-da-temporada --json");
    EXPECT_GE(t.clubes, 40);
    EXPECT_GE(t.pagaram, 39);
    EXPECT_GT(t.ingressos, 0);
    EXPECT_GE(t.premios, 7000000 + 3500000 + 2500000 + 2000000 + 4000000 + 2000000);
}
