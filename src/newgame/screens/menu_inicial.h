#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

namespace tarvello {

// Start menu: new game, load a saved game, team editor, exit.
class MenuInicial : public QWidget {
    Q_OBJECT
public:
    explicit MenuInicial(QWidget* parent = nullptr);

signals:
    void novojogo();
    void carregarjogo();
    void editorequipes();

private:
    QLabel* carregando_;
};

}  // namespace tarvello
