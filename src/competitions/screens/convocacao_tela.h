#pragma once
// "Busca de jogadores para convocação": a human national coach searches the clubs' players,
// picks up to 20 outfield players and 3 goalkeepers, and "Continuar >>" calls them up.
#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace tarvello {

struct Mundo;

class TelaConvocacao : public QDialog {
    Q_OBJECT
public:
    TelaConvocacao(Mundo& m, int selecao, QWidget* parent = nullptr);

    void procura();       // "Procurar"
    void adiciona();      // ">>": the selected found players
    void remove();        // "<<": the selected called-up players
    void continua();      // "Continuar >>"
    QTableWidget* achados() const { return achados_; }
    const std::vector<int>& escolhidos() const { return escolhidos_; }

private:
    void mostraescolhidos();

    Mundo& m_;
    int selecao_;
    std::vector<int> encontrados_;
    std::vector<int> escolhidos_;
    QLineEdit* nome_;
    QComboBox* posicao_;
    QComboBox* hab1_;
    QComboBox* hab2_;
    QComboBox* idade_;
    QComboBox* forca_;
    QComboBox* valor_;
    QCheckBox* estrelas_;
    QLabel* situacao_;
    QTableWidget* achados_;
    QTableWidget* lista_;
};

}  // namespace tarvello
