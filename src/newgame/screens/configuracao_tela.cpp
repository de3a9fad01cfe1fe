#include "newgame/screens/configuracao_tela.h"

#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "model/registros.h"
#include "model/tipos.h"
#include "newgame/configuracao.h"
#include "newgame/novojogo.h"
#include "ui/avisos.h"
#include "ui/grade_paises.h"
#include "ui/tela.h"

namespace tarvello {

TelaConfiguracao::TelaConfiguracao(NovoJogo& jogo, QWidget* parent)
    : QWidget(parent), jogo_(jogo) {
    setObjectName("TForm9");
    setWindowTitle("Novo jogo");
    setWindowFlag(Qt::FramelessWindowHint);

    auto* raiz = new QVBoxLayout(this);
    real_ = new QRadioButton("Jogar campeonatos por países (modo real)", this);
    real_->setObjectName("modoreal");
    real_->setChecked(true);
    fantasia_ = new QRadioButton("Jogar campeonato personalizado (modo fantasia)", this);
    fantasia_->setObjectName("modofantasia");
    raiz->addWidget(real_);
    raiz->addWidget(fantasia_);

    auto* meio = new QHBoxLayout;
    raiz->addLayout(meio, 1);
    auto* esquerda = new QVBoxLayout;
    meio->addLayout(esquerda, 3);
    auto* titulogrid = new QLabel("Selecione as ligas que vão ser jogadas:", this);
    esquerda->addWidget(titulogrid);
    ligas_ = criagradepaises(this);
    ligas_->setObjectName("ligas");
    esquerda->addWidget(ligas_, 1);

    auto* coluna = new QVBoxLayout;
    meio->addLayout(coluna, 4);
    auto* formato = new QGroupBox("Campeonato", this);
    coluna->addWidget(formato);
    auto* direita = new QGridLayout(formato);
    int linha = 0;
    auto* lsistema = new QLabel("Sistema de disputa:", this);
    sistema_ = new QComboBox(this);
    sistema_->setObjectName("sistema");
    sistema_->addItems({"Divisões com 10 times cada", "Divisões com 20 times cada"});
    direita->addWidget(lsistema, linha, 0);
    direita->addWidget(sistema_, linha++, 1);
    auto* lhumanos = new QLabel("Número de times controlados por jogadores humanos:", this);
    lhumanos->setWordWrap(true);
    humanos_ = new QComboBox(this);
    humanos_->setObjectName("humanos");
    for (int i = 1; i <= kMaxHumanos; ++i) humanos_->addItem(QString::number(i));
    direita->addWidget(lhumanos, linha, 0);
    direita->addWidget(humanos_, linha++, 1);

    auto* competicoes = new QGroupBox("Competições", this);
    coluna->addWidget(competicoes);
    coluna->addStretch(1);
    auto* lista = new QVBoxLayout(competicoes);
    auto caixa = [&](const char* nome, const QString& texto, bool marcada) {
        auto* c = new QCheckBox(texto, competicoes);
        c->setObjectName(nome);
        c->setChecked(marcada);
        lista->addWidget(c);
        return c;
    };
    copa_ = caixa("copa", "Jogar Copa do Brasil", true);
    continental1_ = caixa("continental1", "Jogar Taça Libertadores", true);
    continental2_ = caixa("continental2", "Jogar Copa Sul-Americana", true);
    estadual_ = caixa("estadual", "Jogar campeonatos estaduais", false);
    copamundo_ = caixa("copamundo", "Jogar Copa do Mundo à cada 4 anos", true);
    eurocopa_ = caixa("eurocopa", "Jogar Eurocopa", true);
    copaamerica_ = caixa("copaamerica", "Jogar Copa América", true);

    auto* botoes = new QHBoxLayout;
    voltar_ = new QPushButton("<< Voltar ao Início", this);
    voltar_->setObjectName("voltar");
    iniciar_ = new QPushButton("Iniciar jogo >>", this);
    iniciar_->setObjectName("iniciar");
    botoes->addWidget(voltar_);
    botoes->addStretch(1);
    botoes->addWidget(iniciar_);
    raiz->addLayout(botoes);

    controlesreais_ = {titulogrid, ligas_,    lsistema,   sistema_,   lhumanos,
                       humanos_,   copa_,     continental1_, continental2_, estadual_,
                       copamundo_, eurocopa_, copaamerica_};

    // Cup 2 is never played without cup 1.
    connect(continental1_, &QCheckBox::toggled, this, [this](bool ligado) {
        if (!ligado) continental2_->setChecked(false);
    });
    connect(continental2_, &QCheckBox::toggled, this, [this](bool ligado) {
        if (ligado && !continental1_->isChecked()) continental1_->setChecked(true);
    });
    connect(ligas_, &QTableWidget::cellClicked, this, [this](int l, int coluna) {
        if (coluna == kColunaMarca) alternalinha(l);
    });
    connect(fantasia_, &QRadioButton::toggled, this, &TelaConfiguracao::atualizamodo);
    connect(voltar_, &QPushButton::clicked, this, &TelaConfiguracao::voltar);
    connect(iniciar_, &QPushButton::clicked, this, &TelaConfiguracao::iniciar);

    const std::string erro = jogo_.lerbase();
    grade_ = jogo_.gradereal();
    preenchegrade();
    humanos_->setCurrentIndex(0);
    atualizalegendas();
    // A tournament the database cannot fill is not offered; the notice below says why.
    std::vector<std::string> avisos = jogo_.avisos();
    for (auto [caixa, competicao] : {std::pair{copamundo_, int(kCopaMundo)}, std::pair{eurocopa_, int(kEurocopa)},
                                     std::pair{copaamerica_, int(kCopaAmerica)}}) {
        const std::string falta = jogo_.faltaselecoes(competicao);
        if (falta.empty() || !erro.empty()) continue;
        caixa->setChecked(false);
        caixa->setEnabled(false);
        avisos.push_back(falta);
    }
    controlesreais_.erase(std::remove_if(controlesreais_.begin(), controlesreais_.end(),
                                         [](QWidget* w) { return !w->isEnabled(); }),
                          controlesreais_.end());
    // Told once, over the screen itself; with no club file at all there is nothing to set up.
    if (!erro.empty() || !avisos.empty()) {
        QTimer::singleShot(0, this, [this, erro, avisos] {
            if (erro.empty()) {
                mostramensagem(this, textoavisos(avisos));
                return;
            }
            // The damaged files, if any, say why the folder has nothing to play.
            QString texto = QString::fromStdString(erro);
            if (!avisos.empty()) texto += "\n\n" + textoavisos(avisos);
            mostramensagem(this, texto);
            emit voltar();
        });
    }

    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaConfiguracao::preenchegrade() { preenchegradepaises(ligas_, grade_); }

void TelaConfiguracao::alternalinha(int linha) {
    alternamarca(ligas_, linha);
    atualizalegendas();
}

std::vector<int> TelaConfiguracao::marcados() const { return paisesmarcados(ligas_); }

int TelaConfiguracao::paisprincipalatual() const { return paisprincipaltela(marcados(), grade_); }

void TelaConfiguracao::atualizalegendas() {
    const int principal = paisprincipalatual();
    copa_->setText(QString::fromStdString(legendacopanacional(principal)));
    continental1_->setText(QString::fromStdString(legendacontinental1(principal)));
    continental2_->setText(QString::fromStdString(legendacontinental2(principal)));
    estadual_->setVisible(principal == kBrasil);
}

void TelaConfiguracao::atualizamodo() {
    const bool real = !fantasia_->isChecked();
    for (QWidget* w : controlesreais_) w->setEnabled(real);
}

EscolhasJogo TelaConfiguracao::escolhas() const {
    EscolhasJogo e;
    e.personalizado = fantasia_->isChecked();
    e.paises = marcados();
    e.sistemadisputa = sistema_->currentIndex() == 1 ? 2 : 4;
    e.copa = copa_->isChecked();
    e.estaduais = estadual_->isChecked() && paisprincipalatual() == kBrasil;
    e.inter = continental1_->isChecked();
    e.inter3 = continental2_->isChecked();
    e.copamundo = copamundo_->isChecked();
    e.eurocopa = eurocopa_->isChecked();
    e.copaamerica = copaamerica_->isChecked();
    e.numtecnicoshumanos = humanos_->currentIndex() + 1;
    return e;
}

void TelaConfiguracao::iniciar() {
    const EscolhasJogo e = escolhas();
    if (e.personalizado) {
        hide();
        emit personalizado();
        return;
    }
    // With no league ticked the loader's check answers "Selecione pelo menos uma liga".
    const std::string erro = jogo_.configura(e);
    if (!erro.empty()) {
        mostramensagem(this, QString::fromStdString(erro));
        return;
    }
    emit ligasmontadas();
}

void TelaConfiguracao::closeEvent(QCloseEvent* e) {
    if (!e->spontaneous()) {
        QWidget::closeEvent(e);
        return;
    }
    e->ignore();
    emit voltar();
}

}  // namespace tarvello
