#include "club/screens/busca_tela.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "club/busca.h"
#include "club/financas.h"
#include "club/screens/clubes_tela.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

TelaBusca::TelaBusca(Mundo& m, int meuclube, QWidget* parent) : QDialog(parent), m_(m), meuclube_(meuclube) {
    setObjectName("busca");
    setWindowTitle("Busca de Jogadores");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    auto lista = [&](const char* nome, const QStringList& itens) {
        auto* c = new QComboBox(this);
        c->setObjectName(nome);
        c->addItems(itens);
        return c;
    };
    nome_ = new QLineEdit(this);
    nome_->setObjectName("nome");
    QStringList posicoes{"Qualquer"};
    for (int p = 0; p < kNumPosicoes; ++p) posicoes << qtexto(nomeposicao(p));
    posicao_ = lista("posicao", posicoes);
    forca_ = lista("forca", {"1..10", "11..30", "31..50", "51..100", "Qualquer"});
    forca_->setCurrentIndex(4);
    idade_ = lista("idade", {"16..25", "26..36", "37>", "Qualquer"});
    idade_->setCurrentIndex(3);
    valor_ = lista("valor", {"até 100 mil", "100 mil a 500 mil", "500 mil a 1 milhão", "1 a 3 milhões",
                             "3 a 5 milhões", "5 a 10 milhões", "acima de 10 milhões", "Qualquer"});
    valor_->setCurrentIndex(kFaixasValor - 1);
    QStringList habilidades{"Qualquer"};
    for (int h = 0; h <= 13; ++h) habilidades << qtexto(nomehabilidade(h));
    hab1_ = lista("habilidade1", habilidades);
    hab2_ = lista("habilidade2", habilidades);
    nacionalidade_ = lista("nacionalidade", {"Qualquer"});
    for (int p = 0; p < kNumPaises; ++p) nacionalidade_->addItem(qtexto(nomepais(p)), p);
    pais_ = lista("pais", {"Qualquer"});
    for (const TLiga& l : m.ligas) pais_->addItem(qtexto(nomepais(l.pais)), l.pais);
    avenda_ = new QCheckBox("Só mostrar jogadores a venda", this);
    avenda_->setObjectName("soavenda");
    estrelas_ = new QCheckBox("So mostrar jogadores com estrela", this);
    estrelas_->setObjectName("soestrelas");
    int r = 0;
    auto linha = [&](const char* rotulo, QWidget* w) {
        g->addWidget(new QLabel(rotulo, this), r / 2, (r % 2) * 2);
        g->addWidget(w, r / 2, (r % 2) * 2 + 1);
        ++r;
    };
    linha("Nome:", nome_);
    linha("Posição:", posicao_);
    linha("Força:", forca_);
    linha("Idade:", idade_);
    linha("Valor:", valor_);
    linha("Nacionalidade:", nacionalidade_);
    linha("Característica 1:", hab1_);
    linha("Característica 2:", hab2_);
    // The custom league has one country: the filter says nothing there.
    const bool personalizado = m.ligas.size() == 1 && m.ligas[0].pais == kNumPaises - 1;
    if (!personalizado) linha("Só mostrar jogadores atuando no(a):", pais_);
    else pais_->hide();
    v->addLayout(g);
    auto* marcas = new QHBoxLayout;
    marcas->addWidget(avenda_);
    marcas->addWidget(estrelas_);
    auto* buscar = new QPushButton("Buscar", this);
    buscar->setObjectName("buscar");
    marcas->addWidget(buscar);
    v->addLayout(marcas);
    total_ = new QLabel(this);
    total_->setObjectName("total");
    v->addWidget(total_);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("resultado");
    preparagrade(grade_, {"Nome", "P", "F", "Idade", "Valor", "Clube", "id"});
    grade_->setColumnHidden(6, true);
    v->addWidget(grade_, 1);
    auto* fechar = new QPushButton("Fechar", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar);
    connect(buscar, &QPushButton::clicked, this, &TelaBusca::busca);
    connect(nome_, &QLineEdit::returnPressed, this, &TelaBusca::busca);
    connect(grade_, &QTableWidget::cellDoubleClicked, this, [this](int linha, int) {
        const int j = grade_->item(linha, 6)->text().toInt();
        if (j <= 0 || j >= static_cast<int>(m_.jogadores.size())) return;
        TelaClubes t(m_, m_.jogadores[static_cast<size_t>(j)].time, meuclube_, this);
        t.selecionajogador(j);
        connect(&t, &TelaClubes::elencomudou, this, &TelaBusca::elencomudou);
        t.exec();
        busca();
    });
    resize(720, 560);
    escalatela(this);
}

void TelaBusca::busca() {
    TFiltroBusca f;
    f.nome = nome_->text().trimmed().toStdString();
    f.posicao = posicao_->currentIndex() - 1;
    f.forca = forca_->currentIndex();
    f.idade = idade_->currentIndex();
    f.valor = valor_->currentIndex();
    f.habilidade1 = hab1_->currentIndex() - 1;
    f.habilidade2 = hab2_->currentIndex() - 1;
    f.nacionalidade = nacionalidade_->currentIndex() > 0 ? nacionalidade_->currentData().toInt() : -1;
    f.pais = pais_->currentIndex() > 0 ? pais_->currentData().toInt() : -1;
    f.soavenda = avenda_->isChecked();
    f.soestrelas = estrelas_->isChecked();
    const std::vector<int> achados = buscajogadores(m_, f);
    total_->setText(QString::fromStdString(textoencontrados(achados.size())));
    grade_->setRowCount(static_cast<int>(achados.size()));
    for (int r = 0; r < static_cast<int>(achados.size()); ++r) {
        const int idx = achados[static_cast<size_t>(r)];
        const TJogador& j = m_.jogadores[static_cast<size_t>(idx)];
        grade_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(j.nome.utf8())));
        grade_->setItem(r, 1, new QTableWidgetItem(QString(QChar(letraposicao(j.posicaooriginal)))));
        grade_->setItem(r, 2, new QTableWidgetItem(QString::number(j.forca)));
        grade_->setItem(r, 3, new QTableWidgetItem(QString::number(j.idade)));
        grade_->setItem(r, 4, new QTableWidgetItem(QString::fromStdString(formatak(j.passe))));
        grade_->setItem(r, 5, new QTableWidgetItem(nomeclube(m_, j.time)));
        grade_->setItem(r, 6, new QTableWidgetItem(QString::number(idx)));
    }
    pintalinhas(grade_);
}

}  // namespace tarvello
