#pragma once
// The crest choice ("Selecione o arquivo", "Prévia"): the crest pictures of the club or the
// national-team folder; a selected one is previewed and "OK" confirms it.
#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace tarvello {

class DialogoEscudo : public QDialog {
    Q_OBJECT
public:
    // `confirma` runs on "OK" with the chosen name; a non-empty answer is shown and the dialog
    // stays open. Without it "OK" only closes.
    DialogoEscudo(const std::filesystem::path& raiz, bool selecoes,
                  std::function<std::string(const std::string&)> confirma = {}, QWidget* parent = nullptr);
    std::string escolhido() const { return escolhido_; }
    QListWidget* lista() const { return lista_; }

private:
    void mostra();
    void ok();

    std::filesystem::path pasta_;
    std::function<std::string(const std::string&)> confirma_;
    QListWidget* lista_;
    QLabel* previa_;
    QPushButton* ok_;
    std::string escolhido_;
};

}  // namespace tarvello
