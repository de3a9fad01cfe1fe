#pragma once
// The day's results screen (TForm67): the results of the selected division, group or state,
// with the attendance and gate of the selected match; "Continuar >>" goes on to the next date.
#include <QWidget>
#include <vector>

#include "ui/escudos_tela.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace tarvello {

struct Mundo;
class PainelRelatorio;

class TelaResultados : public QWidget {
    Q_OBJECT
public:
    // `tipo`: the kind of the day just played; `data`: its date.
    TelaResultados(Mundo& m, int tipo, double data, QWidget* parent = nullptr);

    int tipo() const { return tipo_; }
    // League, state or confederation of the group on screen; -1 when nothing played.
    int ligaselecionada() const;
    // Report shown by a row of the results list, -1 none.
    int relatoriodalinha(int linha) const;

signals:
    void continuar();
    void classificacao();  // "Classificação após a rodada"

protected:
    // The window manager's close button does not end the game: "Continuar >>" leads on.
    void closeEvent(QCloseEvent* e) override;

private:
    struct TFiltro {
        int liga;     // league, state or confederation; -1 any
        int divisao;  // league division 1..4; 0 any
    };
    void mostra();
    void detalhe(int linha);

    Mundo& m_;
    int tipo_;
    double data_;
    std::vector<TFiltro> filtros_;
    std::vector<int> relatoriosdalinha_;  // report of each row
    QComboBox* grupo_;
    QTableWidget* resultados_;
    PainelRelatorio* relatorio_;
    CacheEscudos escudos_;
};

}  // namespace tarvello
