#pragma once
// A club's matches of the season by date, with a filter by competition.
#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaCalendarioClube : public QWidget {
    Q_OBJECT
public:
    TelaCalendarioClube(Mundo& m, int time, QWidget* parent = nullptr);

    // Competition code of each filter entry, -1 for "Todos os jogos".
    const std::vector<int>& filtros() const { return filtros_; }
    // Match-list index of each row shown.
    const std::vector<int>& linhas() const { return linhas_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void preenche();

    Mundo& m_;
    int time_;
    std::vector<int> filtros_;
    std::vector<int> linhas_;
    QComboBox* mostrar_;
    QTableWidget* grade_;
};

}  // namespace tarvello
