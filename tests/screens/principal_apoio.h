#pragma once
// Driving the main screen in tests: picking a formation from the list as a coach does.
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "../apoio/mundopequeno.h"
#include "competitions/calendario.h"
#include "ui/tela_principal.h"

namespace tarvello::teste {

// One league of ten clubs on its first league date; club 0 is the one human coach's.
inline std::unique_ptr<Mundo> mundohumano() {
    auto m = std::make_unique<Mundo>(mundoliga(4, 1));
    m->estado.dataatual = 1;
    montacalendario(*m);
    montajogos(*m, kLiga, 0);
    m->times[0].humano = 1;
    m->tecnicos[0].humano = 1;
    m->estado.numtecnicoshumanos = 1;
    m->estado.timedotecnico[0] = 0;
    for (int k = 1; k < kMaxHumanos; ++k) m->estado.timedotecnico[k] = -1;
    m->estado.timeatual = 0;
    m->estado.tecnicoatual = 0;
    m->ligas[0].temhumano = 1;
    proximadata(*m);
    return m;
}

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
