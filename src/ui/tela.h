#pragma once
// Conventions shared by every window: scaling to the display, tiled backgrounds, centring,
// grid row colours and the game's message boxes.
#include <QColor>
#include <QString>
#include <functional>

class QLabel;
class QTableWidget;
class QWidget;
class QScreen;

namespace tarvello {

// Windows are designed for a display 800 pixels wide. On a display of a known 4:3 size (or
// 1280x1024) they grow or shrink by width/800; on 1280x800 by 133/100; otherwise not at all.
double fatorescala(int largura, int altura);

// Applies the factor of the display the window is on: fonts and the window's size.
void escalatela(QWidget* janela);

// Tiles `arquivo` (e.g. "img/f01.bmp", relative to the working folder) as the window's
// background when the file exists; leaves the window as it is otherwise.
void aplicafundo(QWidget* janela, const QString& arquivo);

// Centres a window on the screen it is shown on.
void centraliza(QWidget* janela);

// Opens a window over the current screen, modal, deleted when closed, centred.
void abrejanela(QWidget* janela);

// A bold heading label named `nome`; `escala` enlarges its font.
QLabel* rotulotitulo(QWidget* pai, const QString& nome, double escala = 1.3);

// Grid rows alternate white and pale yellow.
QColor corlinha(int linha);

// Message box with the game's fixed texts. Everything goes through `ganchomensagem`, which a
// test replaces to see the text without a modal box blocking it.
using GanchoMensagem = std::function<void(QWidget* pai, const QString& texto)>;
GanchoMensagem& ganchomensagem();
void mostramensagem(QWidget* pai, const QString& texto);

// Yes/No question with the game's fixed texts; true for "Sim". A test replaces
// `ganchopergunta` to answer without a modal box.
using GanchoPergunta = std::function<bool(QWidget* pai, const QString& texto)>;
GanchoPergunta& ganchopergunta();
bool pergunta(QWidget* pai, const QString& texto);
// The same with the two buttons named by the game ("Aceitar" / "Recusar"); true for the first.
// A test replaces `ganchoperguntabotoes` likewise.
using GanchoPerguntaBotoes =
    std::function<bool(QWidget* pai, const QString& texto, const QString& sim, const QString& nao)>;
GanchoPerguntaBotoes& ganchoperguntabotoes();
bool pergunta(QWidget* pai, const QString& texto, const QString& sim, const QString& nao);

// Qt's own texts (context menus, standard buttons) in Brazilian Portuguese: installs the
// qtbase_pt_BR translation shipped with Qt. False when it is not installed.
bool carregatraducoes();

// The human coaches' clubs stand out in every table: bold, dark blue text.
void destacalinha(QTableWidget* grade, int linha);

}  // namespace tarvello
