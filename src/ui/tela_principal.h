#pragma once
#include <QMainWindow>
#include <memory>

class QLabel;
class QPushButton;

namespace tarvello {

struct Mundo;

// The human coach's hub between match days, built for the coach whose turn it is
// (`timeatual`). The running world belongs to the game controller.
class TelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TelaPrincipal(Mundo& mundo, QWidget* parent = nullptr);
    ~TelaPrincipal() override;

    Mundo& mundo() { return *mundo_; }
    // Redraws the labels from the world.
    void atualiza();

signals:
    // "Jogar >>": the coach confirmed his line-up (his club's row of the day exists).
    void jogar();
    // F7 / "Notícias": the inbox of the coach's club.
    void abrenoticias();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void montamenus();

    Mundo* mundo_;
    QPushButton* jogar_;
    QLabel* clube_;
    QLabel* tecnico_;
    QLabel* dinheiro_;
    QLabel* data_;
    QLabel* liga_;
    QLabel* noticias_;
};

}  // namespace tarvello
