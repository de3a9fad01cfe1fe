#pragma once
// "Cores de fundo da Lista" (TForm64): the squad list's background per position.
#include <QColor>
#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>

class QPushButton;

namespace tarvello {

struct Mundo;

// The platform's colour dialog on a colour; an invalid colour when cancelled. Tests replace
// `ganchocor` to answer without the modal dialog.
using GanchoCor = std::function<QColor(QWidget* pai, const QColor& inicial)>;
GanchoCor& ganchocor();

class TelaCores : public QDialog {
    Q_OBJECT
public:
    TelaCores(Mundo& mundo, std::filesystem::path opcoes, QWidget* pai = nullptr);

signals:
    // "Fechar" with colours on: the squad list is to be redrawn.
    void listamudou();

private:
    void pinta();
    void escolhe(int posicao);
    void padrao();

    Mundo& m_;
    std::filesystem::path opcoes_;
    std::array<QPushButton*, 5> amostras_{};
};

}  // namespace tarvello
