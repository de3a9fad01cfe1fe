#pragma once
// "Carregar jogo" (TForm21): the saved games of "sav/", a preview of the one selected, and
// "Carregar", "Cancelar" and "Apagar ".
#include <QDialog>
#include <filesystem>
#include <memory>

class QLabel;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaCarregarJogo : public QDialog {
    Q_OBJECT
public:
    TelaCarregarJogo(std::filesystem::path raiz, uint64_t semente, QWidget* pai = nullptr);
    ~TelaCarregarJogo() override;

    // The loaded world once "Carregar" succeeded (the dialog is then accepted).
    std::unique_ptr<Mundo> entregamundo();
    // Grid column of a key ("nxarquivo"), -1 when unknown.
    int coluna(const QString& chave) const;

private:
    void lista();
    void mostraprevia();
    void carregar();
    void apagar();
    std::filesystem::path selecionado() const;

    std::filesystem::path raiz_;
    uint64_t semente_;
    std::unique_ptr<Mundo> mundo_;
    QTableWidget* grade_;
    QLabel* tecnico_;
    QLabel* time_;
    QLabel* ano_;
    QLabel* competicao_;
    QLabel* invalido_;
};

}  // namespace tarvello
