#pragma once
// "Adicionar Equipe" (a new club file) and "Editar Equipe" (a club's header).
#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

#include "editor/clubes.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarvello {

class BotaoCor;
class ComboEstados;
class ComboPaises;

class DialogoClube : public QDialog {
    Q_OBJECT
public:
    // `novo`: the new-club dialog (file name and crest fields), else the edit dialog filled from
    // `atual`. `confirma` runs the rule; a non-empty answer is shown and the dialog stays open.
    DialogoClube(const std::filesystem::path& raiz, bool novo, const TDadosClube& atual,
                 std::function<std::string(const TDadosClube&)> confirma, QWidget* parent = nullptr);
    TDadosClube dados() const;

private:
    void escolheescudo();
    void confirma();
    void mostraestado();

    std::filesystem::path raiz_;
    bool novo_;
    std::function<std::string(const TDadosClube&)> confirma_;
    QFormLayout* form_;
    QLineEdit* nomecompleto_;
    QLineEdit* nome_;
    QLineEdit* tecnico_;
    QLineEdit* estadio_;
    QLineEdit* arquivo_ = nullptr;
    ComboPaises* pais_;
    ComboEstados* estado_;
    QSpinBox* nivel_;
    BotaoCor* corfundo_;
    BotaoCor* cortexto_;
    QPushButton* escudo_ = nullptr;
    std::string nomeescudo_;
};

}  // namespace tarvello
