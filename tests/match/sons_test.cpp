// Which match events sound: goals and injuries of human-run clubs in watched matches, only with
// the option on.
#include <gtest/gtest.h>

#include "../apoio/mundopequeno.h"
#include "match/sons.h"

using namespace tarvello;

TEST(Sons, SoEventosDeClubesHumanosComOSomLigado) {
    Mundo m = teste::mundopequeno(2, 11);
    m.times[0].humano = 1;
    m.estado.som = 1;
    auto& ev = m.diajogo.eventos;
    ev.push_back({kEvGol, 1, 12, -1, 3, 1});        // the computer club scores: silence
    ev.push_back({kEvGol, 0, 1, -1, 5, 1});         // the human club scores
    ev.push_back({kEvAmarelo, 0, 2, 0, 6, 1});      // a card: silence
    ev.push_back({kEvContusao, 0, 3, 0, 7, 1});     // an injury of the human club
    ev.push_back({kEvGolContra, 0, 14, -1, 8, 1});  // an own goal that counts for the human club
    ev.push_back({kEvGolPenalti, 0, 4, -1, 9, 1});
    ev.push_back({kEvGolFalta, 0, 5, -1, 10, 1});
    ev.push_back({kEvContusao, 1, 13, 0, 11, 1});   // the computer club's injury: silence
    EXPECT_EQ(sonsdoseventos(m, 0),
              (std::vector<Som>{Som::Gol, Som::Contusao, Som::Gol, Som::Gol, Som::Gol}));
    // Only what is new since the last look.
    EXPECT_EQ(sonsdoseventos(m, 6), (std::vector<Som>{Som::Gol}));
    EXPECT_TRUE(sonsdoseventos(m, ev.size()).empty());

    m.estado.som = 0;
    EXPECT_FALSE(somligado(m));
    EXPECT_TRUE(sonsdoseventos(m, 0).empty());
    m.estado.som = 1;
    m.diajogo.instantaneo = true;  // matches played at once make no sound
    EXPECT_TRUE(sonsdoseventos(m, 0).empty());

    EXPECT_EQ(aliassom(Som::Penalti), "penalty");
    EXPECT_EQ(arquivosom(Som::Gol), "sons/gol1.wav");
}
