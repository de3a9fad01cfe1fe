#include <QApplication>
#include <QScreen>

#include "newgame/screens/menu_inicial.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tarvello 2008");
    tarvello::MenuInicial menu;
    menu.show();
    if (auto* tela = QGuiApplication::primaryScreen())
        menu.move(tela->availableGeometry().center() - menu.rect().center());
    return app.exec();
}
