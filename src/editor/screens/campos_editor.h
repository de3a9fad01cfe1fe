#pragma once
// Fields shared by the editor's dialogs: the country list with flags (a letter key selects the
// first country beginning with it, "M" the first beginning with "Ma"), the colour buttons, and
// the conversions between the files' colours (0x00BBGGRR) and Qt's.
#include <QColor>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <string>

namespace tarvello {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string us(const QString& s) { return s.trimmed().toStdString(); }

QColor corqt(int32_t cor);
// After a message box: the dialog active again (also without a window manager), the cursor in
// `campo`.
void devolvefoco(QWidget* campo);
int32_t corarquivo(const QColor& c);

// The dialogs' bottom row: "Adicionar" (a new record) or "Ok", the default button that Enter
// presses, and "Cancelar", which rejects the dialog like Esc. Returns the confirming button.
QPushButton* botoesdialogo(QDialog* dialogo, QBoxLayout* layout, bool novo);

// Every country but "Personalizado", with its flag; the item data is the country index.
class ComboPaises : public QComboBox {
    Q_OBJECT
public:
    explicit ComboPaises(QWidget* parent = nullptr);
    int pais() const;
    void escolhe(int pais);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// The 27 state abbreviations with their flags; item data is the state index.
class ComboEstados : public QComboBox {
    Q_OBJECT
public:
    explicit ComboEstados(QWidget* parent = nullptr);
    int estado() const;  // -1 when none is chosen
    void escolhe(int estado);
};

// A button showing a colour; a click opens the colour choice.
class BotaoCor : public QPushButton {
    Q_OBJECT
public:
    BotaoCor(int32_t cor, QWidget* parent = nullptr);
    int32_t cor() const { return cor_; }
    void definecor(int32_t cor);

private:
    int32_t cor_;
};

}  // namespace tarvello
