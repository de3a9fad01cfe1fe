#pragma once
#include <QWidget>
#include <vector>

#include "database/preparacao.h"
#include "newgame/escolhas.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tarvello {

class NovoJogo;

// Set-up screen: the leagues to play, the league format, the competitions and the number of
// human coaches; or the custom championship.
class TelaConfiguracao : public QWidget {
    Q_OBJECT
public:
    TelaConfiguracao(NovoJogo& jogo, QWidget* parent = nullptr);

    // Ticked countries in grid order.
    std::vector<int> marcados() const;
    int paisprincipalatual() const;
    // Everything chosen on the screen as it stands.
    EscolhasJogo escolhas() const;

signals:
    void voltar();        // "<< Voltar ao Início", also the window manager's close button
    void ligasmontadas(); // real mode: leagues composed, team choice next
    void personalizado(); // custom championship screen next

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void preenchegrade();
    void alternalinha(int linha);
    void atualizalegendas();
    void atualizamodo();
    void iniciar();

    NovoJogo& jogo_;
    std::vector<TPaisOferecido> grade_;
    QRadioButton* real_;
    QRadioButton* fantasia_;
    QTableWidget* ligas_;
    QComboBox* sistema_;
    QComboBox* humanos_;
    QCheckBox* copa_;
    QCheckBox* continental1_;
    QCheckBox* continental2_;
    QCheckBox* estadual_;
    QCheckBox* copamundo_;
    QCheckBox* eurocopa_;
    QCheckBox* copaamerica_;
    QPushButton* voltar_;
    QPushButton* iniciar_;
    std::vector<QWidget*> controlesreais_;
};

}  // namespace tarvello
