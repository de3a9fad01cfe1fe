#pragma once
#include <QDialog>

class QProgressBar;

namespace tarvello {

class NovoJogo;

// Loading screen: "Inicializando o jogo...", a progress bar 0..100. The work starts from a
// one-shot timer once the window has been painted.
class TelaCarregando : public QDialog {
    Q_OBJECT
public:
    TelaCarregando(NovoJogo& jogo, QWidget* parent = nullptr);
    int progresso() const;

signals:
    void concluido();
    void falhou(const QString& mensagem);

protected:
    void showEvent(QShowEvent* e) override;
    void reject() override {}  // the user cannot close it

private:
    void trabalha();

    NovoJogo& jogo_;
    QProgressBar* barra_;
    bool iniciado_ = false;
};

}  // namespace tarvello
