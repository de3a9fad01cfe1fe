#pragma once
// "Opções" (TForm32): every choice changes the running game and writes its key to the options
// file at once; the right column marks the leagues shown even without human clubs.
#include <QDialog>
#include <filesystem>

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaOpcoes : public QDialog {
    Q_OBJECT
public:
    // `raiz`: data folder (for the save asked by "Fechar"); `opcoes`: the options file.
    TelaOpcoes(Mundo& mundo, std::filesystem::path raiz, std::filesystem::path opcoes, QWidget* pai = nullptr);

signals:
    // The squad list's colours changed: the main screen redraws it.
    void listamudou();

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;  // Esc is "Fechar"

private:
    QComboBox* seletor(const QString& objeto, const QStringList& itens);
    QCheckBox* caixa(const QString& objeto, const QString& texto, uint8_t& campo, const char* chave);
    void grava(const char* chave, int valor);
    void fechar();
    void mudacores();

    Mundo& m_;
    std::filesystem::path raiz_;
    std::filesystem::path opcoes_;
    bool fechando_ = false;
    QTableWidget* ligas_;
};

}  // namespace tarvello
