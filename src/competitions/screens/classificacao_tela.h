#pragma once
// Standings: the league tables of a country, the groups of a state championship or the groups
// of a continental cup.
#include <QWidget>
#include <vector>

#include "ui/escudos_tela.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaClassificacao : public QWidget {
    Q_OBJECT
public:
    enum class Modo { Liga, Estadual, Continental };

    // Opens on the current date's competition: a state championship, a continental cup's groups,
    // or the league otherwise (the first played league).
    explicit TelaClassificacao(Mundo& m, QWidget* parent = nullptr);

    void mostraliga(int liga);
    void mostraestadual(int estado);
    // `competicao` 4 or 6, `confederacao` 1 (South America) or 2 (Europe).
    void mostracontinental(int competicao, int confederacao);

    Modo modo() const { return modo_; }
    // The tables on screen, in order (divisions or groups).
    const std::vector<QTableWidget*>& tabelas() const { return tabelas_; }
    // Division (1-based) of each table in league mode.
    const std::vector<int>& divisoes() const { return divisoes_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    struct Escolha {
        int a, b;  // league / state / (competition, confederation)
    };
    void preenchelista();
    void escolhe(int indice);
    void monta();
    QTableWidget* novatabela(const QString& titulo, int linhas, int posicao, int colunas);
    void limpa();

    Mundo& m_;
    Modo modo_ = Modo::Liga;
    int liga_ = 0, estado_ = -1, competicao_ = 4, confederacao_ = 1;
    int segunda_ = 2;  // division in the second table of a 20-club league (2 or 3)
    std::vector<Escolha> escolhas_;
    bool preenchendo_ = false;
    QLabel* titulo_;
    QComboBox* regiao_;
    QPushButton* trocadivisao_;
    QWidget* area_ = nullptr;
    QGridLayout* grade_ = nullptr;
    std::vector<QTableWidget*> tabelas_;
    std::vector<int> divisoes_;
    CacheEscudos escudos_;
};

}  // namespace tarvello
