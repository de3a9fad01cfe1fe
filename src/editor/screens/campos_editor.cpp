#include "editor/screens/campos_editor.h"

#include <QColorDialog>
#include <QKeyEvent>

#include "editor/baseeditor.h"
#include "ui/escudos_tela.h"

namespace tarvello {

QColor corqt(int32_t cor) { return QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF); }

void devolvefoco(QWidget* campo) {
    if (!campo) return;
    campo->window()->activateWindow();
    campo->setFocus();
}

int32_t corarquivo(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

ComboPaises::ComboPaises(QWidget* parent) : QComboBox(parent) {
    for (int p : paiseseditor()) addItem(iconebandeira(p), qs(std::string(nomepais(p))), p);
    setMaxVisibleItems(20);
    escolhe(kBrasil);
}

int ComboPaises::pais() const { return currentData().toInt(); }

void ComboPaises::escolhe(int pais) {
    const int i = findData(pais);
    if (i >= 0) setCurrentIndex(i);
}

void ComboPaises::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (t.size() == 1 && t[0].isLetter() && t[0].unicode() < 128) {
        const int p = paisdaletra(paiseseditor(), static_cast<char>(t[0].toLatin1()));
        if (p >= 0) escolhe(p);
        return;
    }
    QComboBox::keyPressEvent(e);
}

ComboEstados::ComboEstados(QWidget* parent) : QComboBox(parent) {
    for (int e = 0; e < kNumEstados; ++e) addItem(iconebandeiraestado(e), qs(std::string(siglaestado(e))), e);
    setCurrentIndex(-1);
    setPlaceholderText("escolha");
}

int ComboEstados::estado() const { return currentIndex() < 0 ? -1 : currentData().toInt(); }

void ComboEstados::escolhe(int estado) { setCurrentIndex(estadovalido(estado) ? findData(estado) : -1); }

BotaoCor::BotaoCor(int32_t cor, QWidget* parent) : QPushButton(parent), cor_(cor) {
    definecor(cor);
    setMinimumWidth(80);
    connect(this, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(corqt(cor_), this);
        if (c.isValid()) definecor(corarquivo(c));
    });
}

void BotaoCor::definecor(int32_t cor) {
    cor_ = cor;
    const QColor c = corqt(cor);
    setStyleSheet(QString("background-color: %1; border: 1px solid black; min-height: 18px;").arg(c.name()));
}

QPushButton* botoesdialogo(QDialog* dialogo, QBoxLayout* layout, bool novo) {
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    auto* ok = new QPushButton(novo ? "Adicionar" : "Ok", dialogo);
    ok->setObjectName("ok");
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* cancelar = new QPushButton("Cancelar", dialogo);
    cancelar->setObjectName("cancelar");
    cancelar->setAutoDefault(false);
    botoes->addWidget(ok);
    botoes->addWidget(cancelar);
    layout->addLayout(botoes);
    QObject::connect(cancelar, &QPushButton::clicked, dialogo, &QDialog::reject);
    return ok;
}

}  // namespace tarvello
