#pragma once
// "Adicionar jogador" and "Editar jogador". F1..F10 pick the items of "Caract. 1:", the digits
// (outside the name field) those of "Caract. 2:"; keys beyond a list's end pick nothing.
#include <QDialog>
#include <functional>
#include <string>

#include "editor/elencos.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace tarvello {

class ComboPaises;

class DialogoJogador : public QDialog {
    Q_OBJECT
public:
    // `novo`: adding (empty name, "Estrela" off), else editing `atual`. `compais`: a club's
    // player (the nationality field is shown).
    DialogoJogador(bool novo, bool compais, const TJogadorEditor& atual,
                   std::function<std::string(const TJogadorEditor&)> confirma, QWidget* parent = nullptr);
    TJogadorEditor dados() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    bool atalho(const QKeyEvent* e, const QObject* alvo);
    void preenchehabilidades();
    void confirma();

    std::function<std::string(const TJogadorEditor&)> confirma_;
    QLineEdit* nome_;
    QComboBox* posicao_;
    ComboPaises* pais_ = nullptr;
    QSlider* idade_;
    QLabel* valoridade_;
    QCheckBox* estrela_;
    QComboBox* hab1_;
    QComboBox* hab2_;
};

}  // namespace tarvello
