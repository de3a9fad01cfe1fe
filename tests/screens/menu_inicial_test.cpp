#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "newgame/screens/menu_inicial.h"

using namespace tarvello;

TEST(MenuInicial, TituloEntradasENovoJogo) {
    MenuInicial menu;
    menu.show();
    EXPECT_EQ(menu.objectName(), "TForm1");
    EXPECT_EQ(menu.windowTitle(), "Tarvello 2008");
    QStringList textos;
    for (auto* b : menu.findChildren<QPushButton*>()) textos << b->text();
    EXPECT_TRUE(textos.contains("Novo Jogo"));
    EXPECT_TRUE(textos.contains("Carregar Jogo Salvo"));
    EXPECT_TRUE(textos.contains("Editor Equipes"));
    QSignalSpy novo(&menu, &MenuInicial::novojogo);
    QTest::mouseClick(menu.findChild<QPushButton*>("novojogo"), Qt::LeftButton);
    EXPECT_EQ(novo.count(), 1);
}
