#pragma once
// "Adicionar Seleção" / "Editar Seleção": country, coach, level, colours and crest.
#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

#include "editor/selecoes.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarvello {

class BotaoCor;
class ComboPaises;

class DialogoSelecao : public QDialog {
    Q_OBJECT
public:
    // `novo`: adding (the country can be chosen), else editing `atual` (country fixed).
    // `confirmaescudo` checks a chosen crest (and, while editing, stores it at once); a refused
    // crest keeps the crest choice open.
    DialogoSelecao(const std::filesystem::path& raiz, bool novo, const TDadosSelecao& atual,
                   std::function<std::string(const TDadosSelecao&)> confirma,
                   std::function<std::string(const std::string&)> confirmaescudo, QWidget* parent = nullptr);
    TDadosSelecao dados() const;

private:
    void escolheescudo();
    void confirma();

    std::filesystem::path raiz_;
    std::function<std::string(const TDadosSelecao&)> confirma_;
    std::function<std::string(const std::string&)> confirmaescudo_;
    ComboPaises* pais_;
    QLineEdit* tecnico_;
    QSpinBox* nivel_;
    BotaoCor* corfundo_;
    BotaoCor* cortexto_;
    QPushButton* escudo_;
    std::string nomeescudo_;
};

}  // namespace tarvello
