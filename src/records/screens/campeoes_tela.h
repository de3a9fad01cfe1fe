#pragma once
// The champions history (TForm29): the titles of every competition, newest first.
#include <QDialog>
#include <memory>

class QComboBox;
class QTableWidget;

namespace tarvello {

struct Mundo;
class CacheEscudos;

class TelaCampeoes : public QDialog {
    Q_OBJECT
public:
    TelaCampeoes(const Mundo& m, QWidget* parent = nullptr);
    ~TelaCampeoes() override;
    // Shows a choice of "Ver:" by its text; false when it is not offered.
    bool mostra(const QString& visao);

private:
    void preenche();
    const Mundo& m_;
    QComboBox* ver_ = nullptr;
    QComboBox* pais_ = nullptr;
    QComboBox* estado_ = nullptr;
    QTableWidget* grade_ = nullptr;
    std::unique_ptr<CacheEscudos> escudos_;
};

}  // namespace tarvello
