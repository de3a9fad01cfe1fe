#pragma once
// Saving from the screens: the save-name dialog ("Salvar", TForm40), its overwrite question
// ("Confirmação", TForm41) and the whole save with its error box.
#include <QDialog>
#include <filesystem>

class QLineEdit;
class QPushButton;

namespace tarvello {

struct Mundo;

// TForm40: asks for a save name the first time a game is saved.
class TelaNomeSalvo : public QDialog {
    Q_OBJECT
public:
    TelaNomeSalvo(std::filesystem::path raiz, QWidget* pai = nullptr);
    // The chosen file name ("<name>.s08", UTF-8) once accepted, else empty.
    const std::string& arquivo() const { return arquivo_; }

private:
    void salvar();
    std::filesystem::path raiz_;
    QLineEdit* nome_;
    QPushButton* salvar_;
    std::string arquivo_;
};

// TForm41: "O arquivo já existe, sobrescreve-lo?" with "Sim" and "Não".
class TelaConfirmacaoSalvo : public QDialog {
    Q_OBJECT
public:
    explicit TelaConfirmacaoSalvo(QWidget* pai = nullptr);
};

// The whole save of the running game: the save-name dialog when the game has no name yet, then
// the file under "sav/". True when the game was saved; a failure is told in an error box and
// leaves the previous file as it was.
bool salvajogotela(QWidget* pai, Mundo& m, const std::filesystem::path& raiz);

}  // namespace tarvello
