#pragma once
// Booking friendlies (TForm81): a free friendly date, an opponent, home or away, and the fee;
// and the pre-season question (TForm85) asked at every season change.
#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tarvello {

struct Mundo;

class TelaAmistosos : public QDialog {
    Q_OBJECT
public:
    // `pretemporada`: only the dates before the first league or state match.
    TelaAmistosos(Mundo& m, int time, bool pretemporada, QWidget* parent = nullptr);

    // "Marcar amistoso" with the choices on screen.
    void marca();

signals:
    void dinheiromudou();

private:
    void listadatas();
    void atualizabotao();

    Mundo& m_;
    int time_;
    bool pretemporada_;
    std::vector<int> datas_;        // calendar date of each row of the date list
    std::vector<int> adversarios_;  // club of each row of the opponent list
    QListWidget* listadatas_;
    QListWidget* listaadversarios_;
    QComboBox* local_;
    QPushButton* marcar_;
    QLabel* resultado_;
};

// "Amistosos de Pré-temporada": true when the coaches want to book pre-season friendlies.
bool perguntapretemporada(QWidget* pai);

}  // namespace tarvello
