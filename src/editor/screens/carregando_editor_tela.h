#pragma once
// The editor's loading screen: "Editor de Equipes", "Carregando equipes...", a progress bar
// over the club files and "Total de Equipes:" with the running count. The load starts from a
// one-shot timer once the window has been shown.
#include <QDialog>
#include <filesystem>
#include <memory>

#include "editor/baseeditor.h"

class QLabel;
class QProgressBar;

namespace tarvello {

class TelaCarregandoEditor : public QDialog {
    Q_OBJECT
public:
    explicit TelaCarregandoEditor(std::filesystem::path raiz, QWidget* parent = nullptr);
    // The loaded working set, once `carregado` was emitted.
    std::unique_ptr<BaseEditor> entregabase() { return std::move(base_); }
    int progresso() const;
    // The files left out by the load (damaged, unreadable), one text each naming the file.
    const std::vector<std::string>& avisos() const { return avisos_; }

signals:
    void carregado();

protected:
    void showEvent(QShowEvent* e) override;
    void reject() override {}  // the user cannot close it

private:
    void trabalha();

    std::filesystem::path raiz_;
    std::unique_ptr<BaseEditor> base_;
    std::vector<std::string> avisos_;
    QProgressBar* barra_;
    QLabel* total_;
    bool iniciado_ = false;
};

}  // namespace tarvello
