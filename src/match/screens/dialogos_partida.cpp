#include "match/screens/dialogos_partida.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "match/arbitros.h"
#include "match/escalacao.h"
#include "match/eventos.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

QString nome(const Mundo& m, int j) { return QString::fromStdString(m.jogadores[static_cast<size_t>(j)].nome.utf8()); }

}  // namespace

TelaContusao::TelaContusao(const Mundo& m, int time, int contundido, const std::vector<int>& candidatos,
                           QWidget* parent)
    : QDialog(parent), candidatos_(candidatos) {
    setObjectName("TForm53");
    setWindowTitle("Jogador contundido");
    auto* v = new QVBoxLayout(this);
    const TJogador& c = m.jogadores[static_cast<size_t>(contundido)];
    auto* titulo = new QLabel(nome(m, contundido) + " - " + QChar(letraposicao(c.posicaooriginal)) + " - " +
                                  QString::fromStdString(m.times[static_cast<size_t>(time)].nome.utf8()),
                              this);
    titulo->setObjectName("contundido");
    v->addWidget(titulo);
    const bool goleiro = c.posicao == kGoleiro;
    bool temgoleiro = false;
    for (int j : candidatos) temgoleiro |= m.jogadores[static_cast<size_t>(j)].posicao == kGoleiro;
    auto* prompt = new QLabel(goleiro && !temgoleiro ? "Improvisar como goleiro:" : "Substituir por:", this);
    prompt->setObjectName("prompt");
    v->addWidget(prompt);
    lista_ = new QListWidget(this);
    lista_->setObjectName("candidatos");
    const TEscalacao* r = linhade(m, time);
    for (int j : candidatos) {
        const TJogador& p = m.jogadores[static_cast<size_t>(j)];
        int banco = 0;
        if (r)
            for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s)
                if ((*r)[s] == j) banco = s;
        lista_->addItem(QString("%1%2 - %3 - %4 - %5% - %6")
                            .arg(p.estrela ? "* " : "")
                            .arg(nome(m, j))
                            .arg(QChar(letraposicao(p.posicao)))
                            .arg(p.forca)
                            .arg(p.energia)
                            .arg(banco));
    }
    v->addWidget(lista_);
    auto* botao = new QPushButton(candidatos.empty() ? "Fechar" : "Substituir", this);
    botao->setObjectName("substituir");
    botao->setEnabled(candidatos.empty());
    v->addWidget(botao);
    connect(lista_, &QListWidget::currentRowChanged, this, [botao](int l) { botao->setEnabled(l >= 0); });
    connect(botao, &QPushButton::clicked, this, [this] {
        const int l = lista_->currentRow();
        escolhido_ = l >= 0 && l < static_cast<int>(candidatos_.size()) ? candidatos_[static_cast<size_t>(l)] : 0;
        accept();
    });
    if (!candidatos.empty()) lista_->setCurrentRow(0);
}

TelaPosicao::TelaPosicao(Mundo& m, int time, int jogador, QWidget* parent)
    : QDialog(parent), m_(m), time_(time), jogador_(jogador) {
    setObjectName("TForm70");
    setWindowTitle("Mudar posição do jogador");
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(nome(m, jogador), this));
    QString original = "Posição original: " + QString::fromUtf8(nomeposicao(j.posicaooriginal).data(),
                                                                   static_cast<int>(nomeposicao(j.posicaooriginal).size()));
    if (j.posicao != j.posicaooriginal)
        original += "  (Improvisado como: " + QString::fromUtf8(nomeposicao(j.posicao).data(),
                                                                 static_cast<int>(nomeposicao(j.posicao).size())) + ")";
    auto* rotulo = new QLabel(original, this);
    rotulo->setObjectName("original");
    v->addWidget(rotulo);
    posicao_ = new QComboBox(this);
    posicao_->setObjectName("posicao");
    for (int p = 1; p <= 4; ++p)
        if (p != j.posicaooriginal)
            posicao_->addItem(QString::fromUtf8(nomeposicao(p).data(), static_cast<int>(nomeposicao(p).size())), p);
    posicao_->addItem("Voltar posição original", -1);
    v->addWidget(posicao_);
    funcao_ = new QComboBox(this);
    funcao_->setObjectName("funcao");
    v->addWidget(funcao_);
    auto enchefuncoes = [this] {
        const int p = posicao_->currentData().toInt();
        const int pos = p < 0 ? m_.jogadores[static_cast<size_t>(jogador_)].posicaooriginal : p;
        funcao_->clear();
        for (int f = 0; f < 3; ++f) {
            const std::string_view n = nomefuncao(pos, f);
            if (!n.empty()) funcao_->addItem(QString::fromUtf8(n.data(), static_cast<int>(n.size())), f);
        }
    };
    connect(posicao_, &QComboBox::currentIndexChanged, this, enchefuncoes);
    enchefuncoes();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    auto* cancelar = new QPushButton("Cancelar", this);
    connect(ok, &QPushButton::clicked, this, [this] {
        aplica();
        accept();
    });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* h = new QHBoxLayout;
    h->addWidget(ok);
    h->addWidget(cancelar);
    v->addLayout(h);
}

void TelaPosicao::aplica() {
    const int f = funcao_->currentData().isValid() ? funcao_->currentData().toInt() : -1;
    mudaposicao(m_, time_, jogador_, posicao_->currentData().toInt(), f);
}

TelaArbitro::TelaArbitro(int numero, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm80");
    setWindowTitle("Árbitro");
    auto* v = new QVBoxLayout(this);
    const TArbitro* a = arbitro(numero);
    auto texto = [](std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); };
    auto* n = new QLabel(a ? texto(a->nome) : QString("Sem árbitro"), this);
    n->setObjectName("nome");
    v->addWidget(n);
    if (a) {
        v->addWidget(new QLabel(QString("Técnica: %1").arg(a->tecnica), this));
        v->addWidget(new QLabel(QString("Rigor: %1").arg(a->rigor), this));
    }
    auto* fechar = new QPushButton("OK", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar);
}

}  // namespace tarvello
