#include "news/screens/mensagens_tela.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "model/datas.h"
#include "model/mundo.h"
#include "news/mensagens.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

enum Coluna { kId, kLido, kAssunto, kDe, kData };

}  // namespace

TelaMensagens::TelaMensagens(Mundo& m, int time, QWidget* parent) : QDialog(parent), m_(m), time_(time) {
    setObjectName("TForm62");
    setWindowTitle("Sua caixa de emails");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    auto* titulo = new QLabel("Sua caixa de emails", this);
    QFont f = titulo->font();
    f.setBold(true);
    titulo->setFont(f);
    topo->addWidget(titulo, 1);
    auto* fechar = new QPushButton("X", this);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    topo->addWidget(fechar);
    v->addLayout(topo);

    lista_ = new QTableWidget(0, 5, this);
    lista_->setObjectName("mensagens");
    lista_->setHorizontalHeaderLabels({"id", "", "Assunto", "De", "Data"});
    lista_->setColumnHidden(kId, true);
    lista_->verticalHeader()->setVisible(false);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->horizontalHeader()->setSectionResizeMode(kAssunto, QHeaderView::Stretch);
    for (int i = static_cast<int>(m.mensagens.size()) - 1; i >= 0; --i) {
        const TMensagem& msg = m.mensagens[static_cast<size_t>(i)];
        if (msg.time != time) continue;
        const int l = lista_->rowCount();
        lista_->insertRow(l);
        lista_->setItem(l, kId, new QTableWidgetItem(QString::number(i)));
        lista_->setItem(l, kLido, new QTableWidgetItem(msg.lido ? "" : "●"));
        lista_->setItem(l, kAssunto, new QTableWidgetItem(q(assuntomensagem(m, msg, time))));
        lista_->setItem(l, kDe, new QTableWidgetItem(q(remetentemensagem(m, msg))));
        const TDataCivil d = decodificadata(msg.data);
        lista_->setItem(l, kData, new QTableWidgetItem(QString("%1/%2/%3")
                                                           .arg(d.dia, 2, 10, QChar('0'))
                                                           .arg(d.mes, 2, 10, QChar('0'))
                                                           .arg(d.ano)));
        for (int c = kId; c <= kData; ++c) {
            QTableWidgetItem* it = lista_->item(l, c);
            it->setBackground(l % 2 == 0 ? QColor(255, 255, 236) : QColor(Qt::white));
            QFont fo = it->font();
            fo.setBold(!msg.lido);
            it->setFont(fo);
        }
    }
    v->addWidget(lista_, 1);
    texto_ = new QTextEdit(this);
    texto_->setObjectName("texto");
    texto_->setReadOnly(true);
    v->addWidget(texto_);

    pergunta_ = new QWidget(this);
    pergunta_->setObjectName("pergunta");
    auto* h = new QHBoxLayout(pergunta_);
    h->addWidget(new QLabel("Deseja multar o jogador em 30% do salário?", pergunta_), 1);
    for (const char* r : {"Sim", "Não"}) {
        auto* b = new QPushButton(r, pergunta_);
        b->setObjectName(r == std::string("Sim") ? "sim" : "nao");
        const bool multar = r == std::string("Sim");
        connect(b, &QPushButton::clicked, this, [this, multar] {
            const int l = lista_->currentRow();
            if (l >= 0) respondepergunta(m_, lista_->item(l, kId)->text().toInt(), multar);
            pergunta_->hide();
        });
        h->addWidget(b);
    }
    pergunta_->hide();
    v->addWidget(pergunta_);
    connect(lista_, &QTableWidget::currentCellChanged, this, [this](int r, int, int, int) { seleciona(r); });
    resize(640, 480);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaMensagens::seleciona(int linha) {
    if (linha < 0 || linha >= lista_->rowCount()) return;
    const int i = lista_->item(linha, kId)->text().toInt();
    if (i < 0 || i >= static_cast<int>(m_.mensagens.size())) return;
    lemensagem(m_, i);
    const TMensagem& msg = m_.mensagens[static_cast<size_t>(i)];
    texto_->setPlainText(q(corpomensagem(msg)));
    pergunta_->setVisible(msg.pergunta == 1);
    lista_->item(linha, kLido)->setText("");
    for (int c = kId; c <= kData; ++c) {
        QFont fo = lista_->item(linha, c)->font();
        fo.setBold(false);
        lista_->item(linha, c)->setFont(fo);
    }
}

}  // namespace tarvello
