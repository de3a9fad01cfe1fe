#include "competitions/screens/selecao_tela.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competitions/calendario.h"
#include "competitions/screens/convocacao_tela.h"
#include "competitions/screens/torneio_tela.h"
#include "competitions/torneio.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

enum Coluna { kStatus, kPosicao, kNome, kFuncao, kForca, kEnergia, kIdade, kClube, kId };

QString textostatus(int status) {
    switch (status) {
        case kTitular: return "Titular";
        case kReserva: return "Reserva";
        case kIndisponivel: return "Fora";
        default: return "";
    }
}

// The club a called-up player came from; empty for the team's own generated players.
QString clubedeorigem(const Mundo& m, int jogador) {
    for (const TConvocacao& c : m.convocacoes)
        if (c.jogador == jogador) return nomeclube(m, c.time);
    return {};
}

}  // namespace

TelaSelecao::TelaSelecao(Mundo& m, int selecao, QWidget* parent) : QWidget(parent), m_(m), selecao_(selecao) {
    setObjectName("selecao");
    setWindowTitle(nomeclube(m, selecao) + " - " + QString::fromStdString(nomecompeticao(m, m.estado.competicaoatual, -1)));
    auto* v = new QVBoxLayout(this);
    auto* titulo = rotulotitulo(this, "titulo");
    titulo->setText("Seleção: " + nomeclube(m, selecao));
    v->addWidget(titulo);
    proximo_ = new QLabel(this);
    proximo_->setObjectName("proximo");
    v->addWidget(proximo_);

    auto* meio = new QHBoxLayout;
    grade_ = new QTableWidget(this);
    grade_->setObjectName("plantel");
    preparagrade(grade_, {"Status", "P", "Nome", "Função", "F", "Energia", "Idade", "Clube", "id"});
    grade_->setColumnHidden(kId, true);
    meio->addWidget(grade_, 1);
    auto* lado = new QVBoxLayout;
    lado->addWidget(new QLabel("Esquema tático:", this));
    esquemas_ = new QListWidget(this);
    esquemas_->setObjectName("esquemas");
    lado->addWidget(esquemas_);
    lado->addWidget(new QLabel("Função:", this));
    funcao_ = new QComboBox(this);
    funcao_->setObjectName("funcao");
    lado->addWidget(funcao_);
    convocar_ = new QPushButton("Convocar jogadores", this);
    convocar_->setObjectName("convocar");
    lado->addWidget(convocar_);
    auto* tabela = new QPushButton("Tabela", this);
    tabela->setObjectName("tabela");
    lado->addWidget(tabela);
    auto* salvar = new QPushButton("Salvar jogo", this);
    salvar->setObjectName("salvar");
    lado->addWidget(salvar);
    lado->addStretch(1);
    motivo_ = new QLabel(this);
    motivo_->setObjectName("motivo");
    motivo_->setWordWrap(true);
    lado->addWidget(motivo_);
    jogar_ = new QPushButton("Jogar >>", this);
    jogar_->setObjectName("jogar");
    lado->addWidget(jogar_);
    meio->addLayout(lado);
    v->addLayout(meio, 1);

    connect(grade_, &QTableWidget::cellClicked, this, [this](int linha, int coluna) {
        if (coluna == kStatus) clicastatusdalinha(linha);
        const int j = linha >= 0 && linha < static_cast<int>(plantel_.linhas.size())
                          ? plantel_.linhas[static_cast<size_t>(linha)].jogador
                          : 0;
        funcao_->blockSignals(true);
        funcao_->clear();
        if (j > 0) {
            const int pos = m_.jogadores[static_cast<size_t>(j)].posicao;
            const int n = pos == kGoleiro ? 1 : pos == kZagueiro ? 2 : 3;
            for (int f = 0; f < n; ++f) funcao_->addItem(qtexto(nomefuncao(pos, f)), f);
            funcao_->setCurrentIndex(funcao_->findData(m_.jogadores[static_cast<size_t>(j)].funcao));
        }
        funcao_->blockSignals(false);
    });
    connect(funcao_, &QComboBox::activated, this, [this](int i) {
        escolhefuncao(grade_->currentRow(), funcao_->itemData(i).toInt());
    });
    connect(esquemas_, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { escolheesquema(i->text()); });
    connect(convocar_, &QPushButton::clicked, this, &TelaSelecao::convocar);
    connect(tabela, &QPushButton::clicked, this, &TelaSelecao::abretabela);
    connect(salvar, &QPushButton::clicked, this, &TelaSelecao::salvarjogo);
    connect(jogar_, &QPushButton::clicked, this, &TelaSelecao::confirma);
    aplicafundo(this, "img/f01.bmp");
    resize(800, 560);
    escalatela(this);
    montaplantel();
}

QString TelaSelecao::proximojogo() const {
    const TProximoAdversario p = proximoadversario(m_, selecao_);
    if (p.adversario < 0) return "Sem próximo jogo";
    const QString fase = p.rodada <= 3 ? QString("%1ª rodada").arg(p.rodada) : QString("mata-mata");
    return "Próximo jogo: " + (p.mandante ? nomeclube(m_, selecao_) + " x " + nomeclube(m_, p.adversario)
                                          : nomeclube(m_, p.adversario) + " x " + nomeclube(m_, selecao_)) +
           " (" + fase + ")";
}

void TelaSelecao::montaplantel() {
    plantel_ = tarvello::montaplantel(m_, selecao_);
    esquemas_->clear();
    for (const std::string& e : listaesquemas(m_, selecao_)) esquemas_->addItem(QString::fromStdString(e));
    convocar_->setEnabled(m_.estado.fasetorneio == 1);
    proximo_->setText(proximojogo());
    preenche();
}

void TelaSelecao::preenche() {
    grade_->setRowCount(static_cast<int>(plantel_.linhas.size()));
    for (int l = 0; l < grade_->rowCount(); ++l) {
        const TLinhaPlantel& lp = plantel_.linhas[static_cast<size_t>(l)];
        const TJogador& j = m_.jogadores[static_cast<size_t>(lp.jogador)];
        const QString celulas[] = {textostatus(lp.status),
                                   QString(QChar(letraposicao(j.posicao))),
                                   qtexto(j.nome.utf8()),
                                   qtexto(nomefuncao(j.posicao, j.funcao)),
                                   QString::number(j.forca),
                                   QString::number(j.energia) + "%",
                                   QString::number(j.idade),
                                   clubedeorigem(m_, lp.jogador),
                                   QString::number(lp.jogador)};
        for (int c = 0; c <= kId; ++c) grade_->setItem(l, c, new QTableWidgetItem(celulas[c]));
    }
    pintalinhas(grade_);
    const TContagem& c = plantel_.contagem;
    jogar_->setEnabled(c.podejogar);
    motivo_->setText(c.podejogar ? "Esquema: " + QString::fromStdString(c.esquema) : QString::fromStdString(c.motivo));
}

void TelaSelecao::clicastatusdalinha(int linha) {
    if (clicastatus(m_, plantel_, linha)) preenche();
}

void TelaSelecao::escolheesquema(const QString& esquema) {
    if (escalaautomatica(m_, plantel_, esquema.toStdString())) preenche();
}

void TelaSelecao::escolhefuncao(int linha, int funcao) {
    if (linha < 0 || linha >= static_cast<int>(plantel_.linhas.size())) return;
    mudafuncao(m_, plantel_, linha, funcao);
    preenche();
}

void TelaSelecao::confirma() {
    if (!confirmaescalacao(m_, plantel_)) {
        preenche();
        return;
    }
    jogar_->setEnabled(false);
    emit jogar();
}

void TelaSelecao::convocar() {
    TelaConvocacao t(m_, selecao_, this);
    t.exec();
    montaplantel();
}

void TelaSelecao::abretabela() {
    TelaTorneio t(m_, this);
    t.exec();
}

}  // namespace tarvello
