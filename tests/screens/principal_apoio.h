#pragma once
// Driving the main screen in tests: picking a formation from the list as a coach does.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui/tela_principal.h"

namespace tarvello::teste {

// Clicks a formation of "Seleção tática automática:" (the first one offered when empty);
// false when the list does not hold it.
inline bool escolheesquema(TelaPrincipal* p, const QString& esquema = {}) {
    auto* lista = p->findChild<QListWidget*>("esquemas");
    if (!lista || lista->count() == 0) return false;
    QListWidgetItem* item = lista->item(0);
    if (!esquema.isEmpty()) {
        const auto achados = lista->findItems(esquema, Qt::MatchExactly);
        if (achados.isEmpty()) return false;
        item = achados.front();
    }
    lista->scrollToItem(item);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(item).center());
    return true;
}

// The coach picks the first formation offered and presses "Jogar >>".
inline void escalaejoga(TelaPrincipal* p) {
    escolheesquema(p);
    p->findChild<QPushButton*>("jogar")->click();
}

}  // namespace tarvello::teste
