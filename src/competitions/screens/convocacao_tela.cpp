#include "competitions/screens/convocacao_tela.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "club/busca.h"
#include "club/financas.h"
#include "competitions/torneio.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

void linhajogador(QTableWidget* g, int r, const Mundo& m, int j) {
    const TJogador& p = m.jogadores[static_cast<size_t>(j)];
    const QString c[] = {QString(QChar(letraposicao(p.posicaooriginal))), qtexto(p.nome.utf8()),
                         QString::number(p.forca), QString::number(p.idade), nomeclube(m, p.time),
                         p.estrela ? QString("*") : QString(), QString::number(j)};
    for (int k = 0; k < 7; ++k) g->setItem(r, k, new QTableWidgetItem(c[k]));
}

std::vector<int> linhasselecionadas(QTableWidget* g) {
    std::set<int> s;
    for (const QTableWidgetItem* i : g->selectedItems()) s.insert(i->row());
    return {s.begin(), s.end()};
}

}  // namespace

TelaConvocacao::TelaConvocacao(Mundo& m, int selecao, QWidget* parent) : QDialog(parent), m_(m), selecao_(selecao) {
    setObjectName("convocacao");
    setWindowTitle("Busca de jogadores para convocação");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* titulo = rotulotitulo(this, "titulo");
    titulo->setText("Busca de jogadores para convocação");
    v->addWidget(titulo);
    auto* g = new QGridLayout;
    auto lista = [&](const char* nome, const QStringList& itens, int inicial) {
        auto* c = new QComboBox(this);
        c->setObjectName(nome);
        c->addItems(itens);
        c->setCurrentIndex(inicial);
        return c;
    };
    nome_ = new QLineEdit(this);
    nome_->setObjectName("nome");
    QStringList posicoes{"Qualquer"};
    for (int p = 0; p < kNumPosicoes; ++p) posicoes << qtexto(nomeposicao(p));
    posicao_ = lista("posicao", posicoes, 0);
    QStringList habilidades{""};
    for (int h = 0; h <= 13; ++h) habilidades << qtexto(nomehabilidade(h));
    hab1_ = lista("habilidade1", habilidades, 0);
    hab2_ = lista("habilidade2", habilidades, 0);
    idade_ = lista("idade", {"16..25", "26..36", "37>", "Qualquer"}, 3);
    forca_ = lista("forca", {"1..10", "11..30", "31..50", "51..100", "Qualquer"}, 4);
    valor_ = lista("valor", {"até 100 mil", "100 mil a 500 mil", "500 mil a 1 milhão", "1 a 3 milhões",
                             "3 a 5 milhões", "5 a 10 milhões", "acima de 10 milhões", "Qualquer"},
                   kFaixasValor - 1);
    estrelas_ = new QCheckBox("Só mostrar estrelas", this);
    estrelas_->setObjectName("soestrelas");
    int r = 0;
    auto linha = [&](const char* rotulo, QWidget* w) {
        g->addWidget(new QLabel(rotulo, this), r, 0);
        g->addWidget(w, r, 1);
        ++r;
    };
    linha("Nome:", nome_);
    linha("Posição:", posicao_);
    linha("Característica 1:", hab1_);
    linha("Característica 2:", hab2_);
    g->addWidget(new QLabel("(deixe em branco para qualquer)", this), r++, 1);
    linha("Idade:", idade_);
    linha("Força:", forca_);
    linha("Valor:", valor_);
    g->addWidget(estrelas_, r++, 1);
    auto* procurar = new QPushButton("Procurar", this);
    procurar->setObjectName("procurar");
    g->addWidget(procurar, r++, 1);
    v->addLayout(g);
    situacao_ = new QLabel(this);
    situacao_->setObjectName("situacao");
    v->addWidget(situacao_);

    auto* listas = new QHBoxLayout;
    achados_ = new QTableWidget(this);
    achados_->setObjectName("achados");
    lista_ = new QTableWidget(this);
    lista_->setObjectName("convocados");
    for (QTableWidget* t : {achados_, lista_}) {
        preparagrade(t, {"P", "Nome", "F", "Idade", "Clube", "", "id"});
        t->setColumnHidden(6, true);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    listas->addWidget(achados_, 1);
    auto* setas = new QVBoxLayout;
    auto* mais = new QPushButton(">>", this);
    mais->setObjectName("adiciona");
    auto* menos = new QPushButton("<<", this);
    menos->setObjectName("remove");
    setas->addStretch(1);
    setas->addWidget(mais);
    setas->addWidget(menos);
    setas->addStretch(1);
    listas->addLayout(setas);
    listas->addWidget(lista_, 1);
    v->addLayout(listas, 1);
    v->addWidget(new QLabel("Você pode convocar até 20 jogadores de linha e 3 goleiros", this));
    auto* continuar = new QPushButton("Continuar >>", this);
    continuar->setObjectName("continuar");
    v->addWidget(continuar);

    connect(procurar, &QPushButton::clicked, this, &TelaConvocacao::procura);
    connect(nome_, &QLineEdit::returnPressed, this, &TelaConvocacao::procura);
    connect(mais, &QPushButton::clicked, this, &TelaConvocacao::adiciona);
    connect(menos, &QPushButton::clicked, this, &TelaConvocacao::remove);
    connect(continuar, &QPushButton::clicked, this, &TelaConvocacao::continua);
    // The call-ups already made are the starting list.
    for (const TConvocacao& c : m.convocacoes)
        if (c.jogador > 0 && c.jogador < static_cast<int>(m.jogadores.size()) &&
            m.jogadores[static_cast<size_t>(c.jogador)].time == selecao)
            escolhidos_.push_back(c.jogador);
    mostraescolhidos();
    resize(820, 600);
    escalatela(this);
}

void TelaConvocacao::procura() {
    situacao_->setText("Procurando ...");
    QApplication::processEvents();
    TFiltroBusca f;
    f.nome = nome_->text().trimmed().toStdString();
    f.posicao = posicao_->currentIndex() - 1;
    f.habilidade1 = hab1_->currentIndex() - 1;
    f.habilidade2 = hab2_->currentIndex() - 1;
    f.idade = idade_->currentIndex();
    f.forca = forca_->currentIndex();
    f.valor = valor_->currentIndex();
    f.soestrelas = estrelas_->isChecked();
    encontrados_ = buscajogadores(m_, f);
    achados_->setRowCount(static_cast<int>(encontrados_.size()));
    for (int i = 0; i < static_cast<int>(encontrados_.size()); ++i)
        linhajogador(achados_, i, m_, encontrados_[static_cast<size_t>(i)]);
    pintalinhas(achados_);
    situacao_->setText(QString::fromStdString(textoencontrados(encontrados_.size())));
}

void TelaConvocacao::adiciona() {
    for (int r : linhasselecionadas(achados_)) {
        const int j = encontrados_[static_cast<size_t>(r)];
        if (std::find(escolhidos_.begin(), escolhidos_.end(), j) == escolhidos_.end()) escolhidos_.push_back(j);
    }
    mostraescolhidos();
}

void TelaConvocacao::remove() {
    std::vector<int> fora;
    for (int r : linhasselecionadas(lista_)) fora.push_back(escolhidos_[static_cast<size_t>(r)]);
    std::erase_if(escolhidos_, [&](int j) { return std::find(fora.begin(), fora.end(), j) != fora.end(); });
    mostraescolhidos();
}

void TelaConvocacao::mostraescolhidos() {
    lista_->setRowCount(static_cast<int>(escolhidos_.size()));
    for (int i = 0; i < static_cast<int>(escolhidos_.size()); ++i)
        linhajogador(lista_, i, m_, escolhidos_[static_cast<size_t>(i)]);
    pintalinhas(lista_);
}

void TelaConvocacao::continua() {
    if (const std::string erro = convocajogadores(m_, selecao_, escolhidos_); !erro.empty()) {
        mostramensagem(this, QString::fromStdString(erro));
        return;
    }
    accept();
}

}  // namespace tarvello
