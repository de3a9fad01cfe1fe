#pragma once
// "TForm78": the tables of the national-team tournament: one group at a time (buttons " A " to
// " H ", only the tournament's groups) with its table and its round fixtures at their host
// cities, and the knock-out bracket, whose undecided places name where their teams come from.
#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaTorneio : public QDialog {
    Q_OBJECT
public:
    TelaTorneio(const Mundo& m, QWidget* parent = nullptr);

    void mostragrupo(int grupo);  // 0-based
    int grupo() const { return grupo_; }
    // Text of knock-out tie `chave` (1-based): both places and, once played, the result.
    QString textochave(int chave) const;
    QTableWidget* tabela() const { return tabela_; }
    QTableWidget* jogos() const { return jogos_; }

private:
    const Mundo& m_;
    int competicao_;
    int grupo_ = 0;
    std::vector<QPushButton*> botoes_;
    QTableWidget* tabela_;
    QTableWidget* jogos_;
    std::vector<QLabel*> chaves_;
};

// What an undecided place of tie `chave` reads ("1º Grupo A ", "Vencedor jogo 1 ", ...).
QString vagadachave(int competicao, int chave, int lado);

}  // namespace tarvello
