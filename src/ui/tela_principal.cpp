#include "ui/tela_principal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "club/financas.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "news/mensagens.h"
#include "ui/tela.h"

namespace tarvello {

TelaPrincipal::TelaPrincipal(Mundo& mundo, QWidget* parent) : QMainWindow(parent), mundo_(&mundo) {
    setObjectName("TForm13");
    setWindowTitle("Tarvello 2008");
    setWindowFlag(Qt::FramelessWindowHint);
    montamenus();

    auto* centro = new QWidget(this);
    centro->setObjectName("centro");
    auto* v = new QVBoxLayout(centro);
    clube_ = new QLabel(centro);
    clube_->setObjectName("clube");
    QFont f = clube_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.8);
    clube_->setFont(f);
    v->addWidget(clube_);
    tecnico_ = new QLabel(centro);
    tecnico_->setObjectName("tecnico");
    v->addWidget(tecnico_);
    auto* linha = new QGridLayout;
    auto* rotulodinheiro = new QLabel("Seu dinheiro:", centro);
    dinheiro_ = new QLabel(centro);
    dinheiro_->setObjectName("dinheiro");
    linha->addWidget(rotulodinheiro, 0, 0);
    linha->addWidget(dinheiro_, 0, 1);
    data_ = new QLabel(centro);
    data_->setObjectName("data");
    linha->addWidget(data_, 1, 0, 1, 2);
    liga_ = new QLabel(centro);
    liga_->setObjectName("liga");
    linha->addWidget(liga_, 2, 0, 1, 2);
    noticias_ = new QLabel(centro);
    noticias_->setObjectName("noticias");
    linha->addWidget(noticias_, 3, 0, 1, 2);
    linha->setColumnStretch(2, 1);
    v->addLayout(linha);
    v->addStretch(1);
    auto* botoes = new QHBoxLayout;
    auto* noticias = new QPushButton("Notícias", centro);
    noticias->setObjectName("botaonoticias");
    noticias->setShortcut(Qt::Key_F7);
    connect(noticias, &QPushButton::clicked, this, &TelaPrincipal::abrenoticias);
    botoes->addWidget(noticias);
    botoes->addStretch(1);
    jogar_ = new QPushButton("Jogar >>", centro);
    jogar_->setObjectName("jogar");
    connect(jogar_, &QPushButton::clicked, this, &TelaPrincipal::jogar);
    botoes->addWidget(jogar_);
    v->addLayout(botoes);
    setCentralWidget(centro);

    atualiza();
    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

TelaPrincipal::~TelaPrincipal() = default;

void TelaPrincipal::montamenus() {
    // The screens behind most entries come with their own subsystems; until then the entries
    // are there but disabled.
    auto entrada = [](QMenu* menu, const QString& texto, bool ativa = false) {
        QAction* a = menu->addAction(texto);
        a->setEnabled(ativa);
        return a;
    };
    QMenu* opcoes = menuBar()->addMenu("Opções");
    entrada(opcoes, "Salvar jogo");
    entrada(opcoes, "Opções");
    entrada(opcoes, "Se demitir");
    QAction* sair = entrada(opcoes, "Sair do jogo", true);
    connect(sair, &QAction::triggered, this, [] { QApplication::quit(); });
    QAction* sobre = entrada(opcoes, "Sobre o jogo", true);
    connect(sobre, &QAction::triggered, this, [this] { mostramensagem(this, "Tarvello 2008"); });

    QMenu* tabela = menuBar()->addMenu("Tabela de jogos");
    for (const char* t : {"Jogos do seu time", "Tabela de jogos", "Tabela Copa",
                          "2ª fase - Competições internacionais", "Jogos Amistosos"})
        entrada(tabela, t);
    QMenu* financas = menuBar()->addMenu("Finanças");
    entrada(financas, "Finanças do Time");
    entrada(financas, "Empréstimo bancário");
    QMenu* tecnicos = menuBar()->addMenu("Ranking de técnicos");
    for (const char* t : {"Ranking de Técnicos", "Adicionar/Remover ténicos",
                          "Últimas contratações de técnicos"})
        entrada(tecnicos, t);
    QMenu* clubes = menuBar()->addMenu("Ranking de clubes");
    for (const char* t : {"Ranking de clubes", "Transferências de Jogadores",
                          "Histórico completo de confrontos", "Estatísticas gerais"})
        entrada(clubes, t);
}

void TelaPrincipal::atualiza() {
    const Mundo& m = *mundo_;
    const int c = m.estado.timeatual;
    const bool valido = c >= 0 && c < static_cast<int>(m.times.size());
    clube_->setText(valido ? QString::fromStdString(m.times[static_cast<size_t>(c)].nome.utf8())
                           : QString());
    const int t = m.estado.tecnicoatual;
    tecnico_->setText(t >= 0 && t < static_cast<int>(m.tecnicos.size())
                          ? "Técnico: " + QString::fromStdString(m.tecnicos[static_cast<size_t>(t)].nome.utf8())
                          : QString());
    dinheiro_->setText(valido ? "$ " + QString::fromStdString(formatadinheiro(
                                           m.times[static_cast<size_t>(c)].dinheiro))
                              : QString());
    liga_->setText(QString::fromStdString(m.estado.nomeliga.utf8()));
    noticias_->setText(valido ? QString::fromStdString(textonaolidas(naolidas(m, c))) : QString());
    const int d = m.estado.dataatual;
    if (d >= 1 && d <= static_cast<int>(m.calendario.size()))
    {
        const TDataCivil c = decodificadata(m.calendario[static_cast<size_t>(d - 1)].data);
        data_->setText(QString("Data: %1/%2/%3")
                           .arg(c.dia, 2, 10, QChar('0'))
                           .arg(c.mes, 2, 10, QChar('0'))
                           .arg(c.ano));
    }
}

void TelaPrincipal::closeEvent(QCloseEvent* e) {
    // Alt+F4 does not leave the game; "Sair do jogo" does.
    if (e->spontaneous()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

}  // namespace tarvello
