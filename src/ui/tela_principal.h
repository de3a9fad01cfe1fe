#pragma once
#include <QMainWindow>
#include <memory>

class QLabel;

namespace tarvello {

struct Mundo;

// The human coach's hub between match days. It owns the running world.
class TelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TelaPrincipal(std::unique_ptr<Mundo> mundo, QWidget* parent = nullptr);
    ~TelaPrincipal() override;

    Mundo& mundo() { return *mundo_; }
    // Redraws the labels from the world.
    void atualiza();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void montamenus();

    std::unique_ptr<Mundo> mundo_;
    QLabel* clube_;
    QLabel* tecnico_;
    QLabel* dinheiro_;
    QLabel* data_;
    QLabel* liga_;
    QLabel* noticias_;
};

}  // namespace tarvello
