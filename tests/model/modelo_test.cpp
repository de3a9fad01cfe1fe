#include <gtest/gtest.h>

#include "model/aleatorio.h"
#include "model/datas.h"
#include "model/registros.h"
#include "model/tipos.h"

using namespace tarvello;

TEST(Texto, ComprimentoAcimaDoLimiteEhCortado) {
    TString<5> s{};
    s.tamanhobruto = 200;
    std::memcpy(s.dados, "abcde", 5);
    EXPECT_EQ(s.tamanho(), 5);
    EXPECT_EQ(s.utf8(), "abcde");
}

TEST(Texto, ConverteAcentosNosDoisSentidos) {
    TString<25> s{};
    s.define("São Paulo – Grêmio €");
    EXPECT_EQ(s.tamanho(), 20);
    EXPECT_EQ(static_cast<unsigned char>(s.dados[1]), 0xE3);  // ã
    EXPECT_EQ(static_cast<unsigned char>(s.dados[19]), 0x80);  // €
    EXPECT_EQ(s.utf8(), "São Paulo – Grêmio €");
    // Characters Windows-1252 cannot hold, and broken UTF-8, degrade to '?'.
    EXPECT_EQ(utf8paraCp1252("a\xE4\xB8\xADz"), "a?z");
    EXPECT_EQ(utf8paraCp1252("a\xC3"), "a?");
    // A longer text is cut at the field's size.
    TString<3> t{};
    t.define("Atlético");
    EXPECT_EQ(t.utf8(), "Atl");
}

TEST(Datas, DiaZeroEConversoes) {
    EXPECT_EQ(codificadata(1899, 12, 30), 0.0);
    EXPECT_EQ(codificadata(1900, 1, 1), 2.0);
    EXPECT_EQ(codificadata(2008, 1, 1), 39448.0);
    const TDataCivil c = decodificadata(39448.75);  // the fraction is ignored
    EXPECT_EQ(c.ano, 2008);
    EXPECT_EQ(c.mes, 1);
    EXPECT_EQ(c.dia, 1);
    EXPECT_EQ(decodificadata(codificadata(2012, 2, 29)).dia, 29);
    // 1 January 2008 was a Tuesday: 1 = Sunday, so 3.
    EXPECT_EQ(diadasemana(39448), 3);
    EXPECT_EQ(diadasemana(0), 7);  // a Saturday
    EXPECT_EQ(textodata(codificadata(2009, 3, 7)), "2009-03-07");
    for (double d = 30000; d < 60000; d += 37) {
        const TDataCivil x = decodificadata(d);
        EXPECT_EQ(codificadata(x.ano, x.mes, x.dia), d);
    }
}

TEST(Tipos, TabelasDeReferencia) {
    EXPECT_EQ(kPaises[29], "Brasil");
    EXPECT_EQ(kPaises[18], "Bahrain ");
    EXPECT_EQ(kPaises[68], "EUA");
    EXPECT_EQ(kPaises[105], "Montenegro");
    EXPECT_EQ(kPaises[201], "Zimbabue");
    EXPECT_EQ(nomepais(202), "Personalizado");
    EXPECT_EQ(nomepais(203), "");
    EXPECT_EQ(nomepais(-1), "");
    EXPECT_EQ(siglaestado(25), "SP");
    EXPECT_EQ(adjetivoestado(22), "Gaúcho");
    EXPECT_EQ(letraposicao(kMeioCampo), 'M');
    EXPECT_EQ(siglahabilidade(9), "Fin");
    EXPECT_EQ(nomefuncao(kZagueiro, 1), "Líbero");
    EXPECT_EQ(nomefuncao(9, 1), "");
    ASSERT_NE(sedecopa(131), nullptr);
    EXPECT_EQ(sedecopa(131)->cidades[0], "Cid. México");
    EXPECT_EQ(sedecopa(30), nullptr);
}

TEST(Aleatorio, MesmaSementeMesmaSequenciaEFaixa) {
    Aleatorio a(42), b(42);
    int contagem[7] = {};
    for (int i = 0; i < 7000; ++i) {
        const int x = a.sorteia(7);
        ASSERT_EQ(x, b.sorteia(7));
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 7);
        ++contagem[x];
    }
    for (int c : contagem) EXPECT_GT(c, 800);
    EXPECT_EQ(a.sorteia(0), 0);
    EXPECT_EQ(arredonda(2.5), 2);
    EXPECT_EQ(arredonda(3.5), 4);
    EXPECT_EQ(arredonda(-2.5), -2);
    EXPECT_EQ(arredonda(2.6), 3);
    // The quick rounding agrees with the library's on halves, near-halves and large amounts.
    for (int i = 0; i < 200000; ++i) {
        const double base = static_cast<double>(static_cast<int64_t>(a.proximo() % 4000000001ULL) - 2000000000);
        for (double x : {base / 2.0, base / 100.0, base / 3.0, std::nextafter(base / 2.0, 1e12),
                         std::nextafter(base / 2.0, -1e12)})
            ASSERT_EQ(arredonda(x), static_cast<int>(std::nearbyint(x))) << x;
    }
}
