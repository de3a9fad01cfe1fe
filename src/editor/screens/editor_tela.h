#pragma once
// The editor window: "Clubes" and "Seleções" lists, the team panel, the squad list and the
// icon buttons. Every action calls one editor rule, which writes the file at once, and then
// redraws what changed.
#include <QWidget>
#include <memory>

#include "editor/elencos.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QToolButton;
class QDialog;
class QFrame;

namespace tarvello {

class TelaEditor : public QWidget {
    Q_OBJECT
public:
    explicit TelaEditor(std::unique_ptr<BaseEditor> base, QWidget* parent = nullptr);
    ~TelaEditor() override;

    BaseEditor& base() { return *base_; }
    QTableWidget* gradeclubes() const { return clubes_; }
    QTableWidget* gradeselecoes() const { return selecoes_; }
    QTableWidget* gradeelenco() const { return elenco_; }
    bool vistaselecoes() const { return vistaselecoes_; }
    int clubeatual() const { return clube_; }
    int selecaoatual() const { return pais_; }
    RefElenco elencoatual() const;
    int slotselecionado() const;  // slot of the selected squad row, or -1

    // The actions of the icons, keys and menus.
    void mostraclubes();
    void mostraselecoes();
    void adicionar();
    void editar();
    void excluir();
    void clicaescudo();
    void adicionajogador();
    void editajogador();
    void excluijogador();
    void alternatitular(int linha);
    void transferir();
    void envelhece();
    void salvanovamente();
    // A squad row dropped onto "Seleções".
    void soltanaselecao();
    void ordenaclubes(int coluna);

signals:
    void voltar();

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    void preencheclubes(const std::vector<int>& ordem);
    void preencheselecoes();
    void linhaclube(int linha, int clube);
    void linhaselecao(int linha, int pais);
    void atualizaclube(int clube);  // redraws the club's row (name, level, validity colour)
    void listtime(int clube);
    void listjogselecao(int pais);
    void listaelenco();
    void pintapainel(int32_t corfundo, int32_t cortexto);
    void selecionaclube(int clube);
    void selecionaselecao(int pais);
    void recolore(QTableWidget* g);
    void avisa(const std::string& erro);
    int abre(QDialog& dialogo);  // exec, then this window active again

    std::unique_ptr<BaseEditor> base_;
    bool vistaselecoes_ = false;
    int clube_ = -1;
    int pais_ = -1;
    QPushButton* botaoclubes_;
    QPushButton* botaoselecoes_;
    QStackedWidget* listas_;
    QTableWidget* clubes_;
    QTableWidget* selecoes_;
    QTableWidget* elenco_;
    QFrame* painel_;
    QLabel* escudo_;
    QLabel* nomecompleto_;
    QLabel* nome_;
    QLabel* nivel_;
    QLabel* tecnico_;
    QLabel* estadio_;
    QLabel* bandeira_;
    QLabel* pais_rotulo_;
    QLabel* bandeiraestado_;
    QLabel* estado_;
    QLabel* total_;
    QLabel* titulares_;
    QLabel* aviso_;  // what a drop onto "Seleções" did
};

}  // namespace tarvello
