#pragma once
#include <QWidget>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvello {

class NovoJogo;

// Team choice: each human coach in turn types a name and picks a club.
class TelaEscolhaTime : public QWidget {
    Q_OBJECT
public:
    TelaEscolhaTime(NovoJogo& jogo, QWidget* parent = nullptr);

    int tecnicoatual() const { return k_; }
    int ligaselecionada() const;

signals:
    // The last coach has chosen: the loading screen takes over.
    void escolhasfeitas();

private:
    void preencheclubes();
    void atualizabotao();
    void escolhe();

    NovoJogo& jogo_;
    int k_ = 1;
    bool clicado_ = false;
    std::vector<int> ligas_;  // league index of each list entry
    QLabel* rotulopais_;
    QComboBox* pais_;
    std::vector<QGroupBox*> divisoes_;
    std::vector<std::vector<QRadioButton*>> clubes_;
    QButtonGroup* grupo_;
    QLineEdit* nome_;
    QLabel* time_;
    QPushButton* iniciar_;
};

}  // namespace tarvello
