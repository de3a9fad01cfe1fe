#include "club/screens/financas_tela.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "club/financas.h"
#include "model/mundo.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString dolares(int64_t v) { return "$" + qs(formatadinheiro(v)); }

bool timevalido(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.times.size()) && t < static_cast<int>(m.financas.size());
}

QPushButton* fechar(QDialog* d, QVBoxLayout* v) {
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    auto* b = new QPushButton("Fechar", d);
    b->setObjectName("fechar");
    QObject::connect(b, &QPushButton::clicked, d, &QDialog::accept);
    h->addWidget(b);
    v->addLayout(h);
    return b;
}

// One row of a two-column grid: the caption and the amount, right-aligned, named `nome`.
QLabel* linha(QGridLayout* g, QWidget* pai, const QString& rotulo, const char* nome, const QString& valor,
              bool negrito = false) {
    const int r = g->rowCount();
    auto* r1 = new QLabel(rotulo, pai);
    auto* r2 = new QLabel(valor, pai);
    r2->setObjectName(nome);
    r2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (negrito) {
        QFont f = r1->font();
        f.setBold(true);
        r1->setFont(f);
        r2->setFont(f);
    }
    g->addWidget(r1, r, 0);
    g->addWidget(r2, r, 1);
    return r2;
}

}  // namespace

TelaFinancas::TelaFinancas(const Mundo& m, int time, QWidget* parent) : QDialog(parent) {
    setObjectName("financas");
    setWindowTitle("Finanças");
    setModal(true);
    const TFinancas f = timevalido(m, time) ? m.financas[static_cast<size_t>(time)] : TFinancas{};
    const int32_t caixa = timevalido(m, time) ? m.times[static_cast<size_t>(time)].dinheiro : 0;
    const TResumoFinancas r = resumofinancas(f);

    auto* v = new QVBoxLayout(this);
    if (timevalido(m, time)) {
        QLabel* clube = rotulotitulo(this, "clube", 1.0);
        clube->setText(qs(m.times[static_cast<size_t>(time)].nome.utf8()));
        v->addWidget(clube);
    }

    auto* colunas = new QHBoxLayout;
    auto* entradas = new QGridLayout;
    QLabel* tituloentradas = rotulotitulo(this, "tituloentradas", 1.0);
    tituloentradas->setText("Entradas:");
    entradas->addWidget(tituloentradas, 0, 0, 1, 2);
    linha(entradas, this, "Ingressos...........:", "ingressos", dolares(f.ingressos));
    linha(entradas, this, "Venda jogadores:", "vendas", dolares(f.vendas));
    linha(entradas, this, "Prêmios..............:", "premios", dolares(f.premios));
    linha(entradas, this, "Empréstimo........:", "emprestimo", dolares(f.emprestimo));
    linha(entradas, this, "Patrocínio.........:", "patrocinio", dolares(f.patrocinio));
    linha(entradas, this, "Sub-total:", "subtotalentradas", dolares(r.entradas), true);
    entradas->setRowStretch(entradas->rowCount(), 1);
    colunas->addLayout(entradas);
    colunas->addSpacing(24);

    auto* saidas = new QGridLayout;
    QLabel* titulosaidas = rotulotitulo(this, "titulosaidas", 1.0);
    titulosaidas->setText("Saídas:");
    saidas->addWidget(titulosaidas, 0, 0, 1, 2);
    linha(saidas, this, "Compra jogadores:", "compras", dolares(f.compras));
    linha(saidas, this, "Estádio................:", "obrasestadio", dolares(f.obrasestadio));
    linha(saidas, this, "Salários...............:", "salarios", dolares(f.salarios));
    linha(saidas, this, "Juros empréstimo:", "juros", dolares(f.juros));
    linha(saidas, this, "Multa rescisão....:", "multas", dolares(f.multas));
    linha(saidas, this, "Diversos.............:", "diversos", dolares(f.diversos));
    linha(saidas, this, "Sub-total:", "subtotalsaidas", dolares(r.saidas), true);
    colunas->addLayout(saidas);
    v->addLayout(colunas);

    auto* resumo = new QGridLayout;
    auto* saldo = linha(resumo, this, "Saldo:", "saldo", dolares(r.saldo), true);
    if (r.saldo < 0) {
        QPalette vermelho = saldo->palette();
        vermelho.setColor(QPalette::WindowText, QColor(190, 0, 0));
        saldo->setPalette(vermelho);
    }
    linha(resumo, this, "Juros semanais:", "jurossemanais",
          f.emprestimo > 0 ? dolares(jurossemanais(f.emprestimo)) : QString("$0"));
    linha(resumo, this, "Salário semanal:", "salariosemanal", dolares(f.salariosemanal));
    linha(resumo, this, "Dinheiro em caixa:", "dinheiro", dolares(caixa), true);
    v->addSpacing(8);
    v->addLayout(resumo);
    fechar(this, v)->setDefault(true);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

TelaEmprestimo::TelaEmprestimo(Mundo& m, int time, QWidget* parent) : QDialog(parent), m_(m), time_(time) {
    setObjectName("emprestimo");
    setWindowTitle("Empréstimo Bancário");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    dinheiro_ = linha(g, this, "Dinheiro em caixa:", "dinheiro", QString());
    emprestimo_ = linha(g, this, "Valor já emprestado:", "valoremprestado", "0 mil");
    juros_ = linha(g, this, "Juros semanais:", "jurossemanais", "0 mil");
    v->addLayout(g);
    auto* h = new QHBoxLayout;
    pegar_ = new QPushButton("Pegar 500 mil emprestado", this);
    pegar_->setObjectName("pegar");
    pagar_ = new QPushButton("Pagar 500 mil", this);
    pagar_->setObjectName("pagar");
    h->addWidget(pegar_);
    h->addWidget(pagar_);
    v->addLayout(h);
    connect(pegar_, &QPushButton::clicked, this, [this] {
        if (pegaemprestimo(m_, time_)) emit dinheiromudou();
        atualiza();
    });
    connect(pagar_, &QPushButton::clicked, this, [this] {
        if (pagaemprestimo(m_, time_)) emit dinheiromudou();
        atualiza();
    });
    fechar(this, v);
    atualiza();
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void TelaEmprestimo::atualiza() {
    const bool valido = timevalido(m_, time_);
    const int32_t caixa = valido ? m_.times[static_cast<size_t>(time_)].dinheiro : 0;
    const int32_t divida = valido ? m_.financas[static_cast<size_t>(time_)].emprestimo : 0;
    dinheiro_->setText(qs(formatamil(caixa)));
    emprestimo_->setText(qs(formatamil(divida > 0 ? divida : 0)));
    juros_->setText(qs(formatamil(jurossemanais(divida > 0 ? divida : 0))));
    pegar_->setEnabled(podepegaremprestimo(m_, time_));
    pagar_->setEnabled(podepagaremprestimo(m_, time_));
}

}  // namespace tarvello
