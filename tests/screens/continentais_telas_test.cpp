// The continental cups on screen after a season in which they were played: the knock-out bracket
// (TForm69) and the international champions of the season summary.
#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "../apoio/cli.h"
#include "../apoio/pastatemporaria.h"
#include "competitions/screens/continentais_tela.h"
#include "competitions/screens/resumo_temporada_tela.h"
#include "model/mundo.h"
#include "newgame/salvamento.h"
#include "records/historico.h"

using namespace tarvello;

TEST(TelaChaveContinental, SegundaTemporadaJogada) {
    const auto pasta = teste::pastatemporaria("tela_continentais");
    auto [rcb, b] = teste::rodacli("gerar-base --destino " + pasta.string(), teste::Erros::Fora);
    ASSERT_EQ(rcb, 0) << b;
    const std::string arquivo = (pasta / "duas.sav").string();
    auto [rc, s] = teste::rodacli("simular --dados " + pasta.string() +
                                      " --ligas 29,11,97,65,104 --semente 6 --temporadas 2 --salvar " + arquivo,
                                  teste::Erros::Fora);
    ASSERT_EQ(rc, 0) << s.substr(0, 2000);
    JogoCarregado c = carregajogo(arquivo, 1);
    ASSERT_TRUE(c.mundo) << c.erro;
    Mundo& m = *c.mundo;
    ASSERT_EQ(m.estado.temporada, 2);

    TelaChaveContinental tela(m, kContinental1, 1);
    tela.show();
    EXPECT_EQ(tela.objectName(), "TForm69");
    EXPECT_EQ(tela.windowTitle(), "Libertadores - 2ª Fase");
    EXPECT_EQ(tela.copas(), QStringList({"Libertadores - 2ª Fase", "Liga dos Campeões - 2ª Fase",
                                         "Copa Sul-Americana - 2ª Fase", "Copa da UEFA - 2ª Fase"}));
    for (int k = 0; k < 4; ++k) {
        tela.findChild<QComboBox*>("copa")->setCurrentIndex(k);
        // Every tie known and played over two legs; the champion is a finalist.
        for (int caixa = 1; caixa <= TelaChaveContinental::kCaixas; ++caixa) {
            EXPECT_FALSE(tela.nome(caixa, 1).isEmpty()) << k << "/" << caixa;
            EXPECT_FALSE(tela.nome(caixa, 2).isEmpty()) << k << "/" << caixa;
            EXPECT_TRUE(tela.resultado(caixa).contains("-")) << tela.resultado(caixa).toStdString();
        }
        const QString campeao = tela.campeao();
        EXPECT_FALSE(campeao.isEmpty()) << k;
        EXPECT_TRUE(campeao == tela.nome(15, 1) || campeao == tela.nome(15, 2)) << campeao.toStdString();
    }
    EXPECT_EQ(tela.windowTitle(), "Copa da UEFA - 2ª Fase");

    // The summary that turns the season lists the international champions beside the national.
    const int libertadores = campeao(m, kContinental1, 1, 2);
    ASSERT_GE(libertadores, 0);
    TelaResumoTemporada resumo(m);
    auto* grade = resumo.findChild<QTableWidget*>("internacionais");
    ASSERT_NE(grade, nullptr);
    EXPECT_FALSE(grade->isHidden());
    QStringList linhas;
    for (int r = 0; r < grade->rowCount(); ++r) linhas << grade->item(r, 0)->text();
    for (const char* titulo : {"Mundial Interclubes", "Taça Libertadores", "Liga Campeões", "Copa Sul-Americana", "Copa Uefa"})
        EXPECT_TRUE(linhas.contains(QString::fromUtf8(titulo))) << titulo;
    const int i = static_cast<int>(linhas.indexOf("Taça Libertadores"));
    ASSERT_GE(i, 0);
    EXPECT_EQ(linhas[i + 1], QString::fromStdString(m.times[static_cast<size_t>(libertadores)].nome.utf8()) + " ($5 milhões)");
    EXPECT_TRUE(linhas[i + 2].endsWith(" ($3 milhões)")) << linhas[i + 2].toStdString();
    EXPECT_TRUE(linhas[i + 3].endsWith(" gols)")) << linhas[i + 3].toStdString();
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
}
