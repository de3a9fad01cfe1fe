#pragma once
#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "club/plantel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace tarvello {

struct Mundo;

// The human coach's hub between match days, built for the coach whose turn it is
// (`timeatual`): his squad grid with the line-up, the club's gauges, and the commands. The
// running world belongs to the game controller.
class TelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TelaPrincipal(Mundo& mundo, QWidget* parent = nullptr);
    ~TelaPrincipal() override;

    Mundo& mundo() { return *mundo_; }
    const TPlantel& plantel() const { return plantel_; }
    // Redraws the labels from the world.
    void atualiza();
    // Refills the squad grid from the world (after anything changed the squad).
    void montaplantel();
    // The options file where "Salvar escalação" is remembered for the next games.
    void defineopcoes(std::filesystem::path arquivo) { opcoes_ = std::move(arquivo); }
    // Grid column of a key ("status", "nome", "nxstatus", ...), -1 when unknown.
    int coluna(const QString& chave) const;

signals:
    // "Jogar >>": the coach confirmed his line-up (his club's row of the day exists).
    void jogar();
    // F7 / "Notícias": the inbox of the coach's club.
    void abrenoticias();
    // F2 / "Salvar jogo" and F3 / "Opções" of the "Opções" menu.
    void salvarjogo();
    void abreopcoes();
    // "Se demitir" of the "Opções" menu (the controller asks and acts).
    void sedemitir();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void montamenus();
    void montamenusclube(QMenu* tabela);
    void montamenustecnicos(QMenu* tecnicos);  // the coaches' windows of "Ranking de técnicos"
    void montamenushistorico();
    void ajustaaotamanho();
    QWidget* montaladotime(QWidget* pai);
    QWidget* montapainel(QWidget* pai);
    void preenchegrade();
    void preenchelinha(int linha);
    void mostracontagem();
    void listaesquemas();
    void mostrajogador(int jogador);
    void clicou(int linha, int coluna);
    void escolhefuncao(int linha);
    void menujogador(const QPoint& pos);
    void mudaposicao(int jogador);
    void escolhenumero(int jogador);
    void propoecontrato(int jogador);
    void vende(int jogador);                      // "Vender jogador" / "vender"
    void leiloa(int jogador, int32_t preco);      // the coach's own auction (preco < 0: computed)
    void abreclubes(int time);                    // "Ver todos os times"
    void abrebusca();                             // "Procurar jogador"
    void elencomudou();                           // after a purchase, sale or loan
    void abrefinancas();
    void abreemprestimo();
    void aposenta(int jogador);  // "Aposentar jogador"
    void ordena(int coluna);
    void confirma();
    int jogadordalinha(int linha) const;

    Mundo* mundo_;
    std::filesystem::path opcoes_;
    TPlantel plantel_;
    bool preenchendo_ = false;
    int ordemsalario_ = 0, ordemvalor_ = 0;  // last sort direction of the two headers
    int jogadorpainel_ = 0;

    QPushButton* jogar_;
    QLabel* motivo_;    // why "Jogar >>" is disabled
    QLabel* bandeira_;  // the club's flag (its state's in Brazil)
    QLabel* clube_;
    QLabel* tecnico_;
    QLabel* seudinheiro_;
    QLabel* dinheiro_;
    QLabel* data_;
    QLabel* liga_;
    QLabel* noticias_;
    QLabel* adversario_;
    QTableWidget* grade_;
    QTabWidget* abas_;
    QListWidget* esquemas_;
    QLabel* titulares_;
    QLabel* reservas_;
    QLabel* esquema_;
    QComboBox* capitao_;
    QComboBox* cobrador_;
    QProgressBar* diretoria_;
    QProgressBar* torcida_;
    QLabel* moral_;
    QCheckBox* salvar_;
    // Player panel.
    QLabel* pnome_;
    QLabel* pposicao_;
    QLabel* pforca_;
    QLabel* pidade_;
    QLabel* psalario_;
    QLabel* ppasse_;
    QLabel* pjogos_;
    QLabel* pgols_;
    QLabel* pamarelos_;
    QLabel* phabilidades_;
    QLabel* psituacao_;
    QLabel* pcontrato_;
    QPushButton* pmudaposicao_;
    QPushButton* pbotaocontrato_;
    QPushButton* paposenta_;
    QPushButton* pretiravenda_;
    QPushButton* pvende_;
};

}  // namespace tarvello
