#pragma once
// The inbox (TForm62): the messages of the coach's club, newest first; selecting one reads it.
#include <QDialog>

class QLabel;
class QTableWidget;
class QTextEdit;
class QWidget;

namespace tarvello {

struct Mundo;

class TelaMensagens : public QDialog {
    Q_OBJECT
public:
    TelaMensagens(Mundo& m, int time, QWidget* parent = nullptr);

private:
    void seleciona(int linha);

    Mundo& m_;
    int time_;
    QTableWidget* lista_;
    QTextEdit* texto_;
    QWidget* pergunta_;
};

}  // namespace tarvello
