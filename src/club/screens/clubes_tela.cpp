#include "club/screens/clubes_tela.h"

#include "records/screens/historicoclube_tela.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "club/emprestimos.h"
#include "club/financas.h"
#include "club/plantel.h"
#include "club/plantel_textos.h"
#include "club/screens/oferta_tela.h"
#include "club/screens/transferencias_tela.h"
#include "club/transferencias.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Column keys of the squad list, then the hidden player index.
constexpr const char* kChaves[] = {"posicaojog", "paisjog", "nomejog", "forca", "energia", "passe",
                                   "salario", "idade", "gols", "habilidadejog", "avenda", "nxemp", "id"};
constexpr const char* kTitulos[] = {"P", "País", "Nome", "F", "Energia", "Valor", "Salário", "Idade",
                                    "Gols", "Caract.", "À venda", "Emp.", "id"};

QTableWidgetItem* celula(const QString& t, bool numero = false) {
    auto* i = new QTableWidgetItem(t);
    if (numero) i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

}  // namespace

TelaClubes::TelaClubes(Mundo& m, int time, int meuclube, QWidget* parent)
    : QDialog(parent), m_(m), time_(time), meuclube_(meuclube) {
    setObjectName("clubes");
    setWindowTitle("Ver todos os times");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    clubes_ = new QComboBox(this);
    clubes_->setObjectName("listaclubes");
    for (int t = 0; t < numclubesreais(m); ++t) clubes_->addItem(nomeclube(m, t), t);
    v->addWidget(clubes_);
    auto* g = new QGridLayout;
    dinheiro_ = new QLabel(this);
    dinheiro_->setObjectName("dinheiroclube");
    tecnico_ = new QLabel(this);
    tecnico_->setObjectName("tecnicoclube");
    confianca_ = new QLabel(this);
    confianca_->setObjectName("confiancas");
    meudinheiro_ = new QLabel(this);
    meudinheiro_->setObjectName("meudinheiro");
    g->addWidget(dinheiro_, 0, 0);
    g->addWidget(tecnico_, 0, 1);
    g->addWidget(confianca_, 1, 0);
    g->addWidget(meudinheiro_, 1, 1);
    v->addLayout(g);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("jogadores");
    QStringList titulos;
    for (const char* t : kTitulos) titulos << QString::fromUtf8(t);
    preparagrade(grade_, titulos);
    for (int c = 0; c < grade_->columnCount(); ++c) grade_->horizontalHeaderItem(c)->setData(Qt::UserRole, QString(kChaves[c]));
    grade_->setColumnHidden(grade_->columnCount() - 1, true);
    grade_->horizontalHeader()->setStretchLastSection(false);
    grade_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    v->addWidget(grade_, 1);
    auto* botoes = new QHBoxLayout;
    comprar_ = new QPushButton("Comprar", this);
    comprar_->setObjectName("comprar");
    oferta_ = new QPushButton("Fazer uma oferta", this);
    oferta_->setObjectName("fazeroferta");
    emprestimo_ = new QPushButton("Pegar por empréstimo", this);
    emprestimo_->setObjectName("pegaremprestimo");
    auto* historico = new QPushButton("Transfers", this);
    historico->setObjectName("transfers");
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    auto* retrospecto = new QPushButton("Retrospecto", this);
    retrospecto->setObjectName("retrospecto");
    for (QPushButton* b : {comprar_, oferta_, emprestimo_, historico, retrospecto}) botoes->addWidget(b);
    botoes->addStretch(1);
    botoes->addWidget(fechar);
    v->addLayout(botoes);

    connect(clubes_, &QComboBox::activated, this, [this](int i) { mostraclube(clubes_->itemData(i).toInt()); });
    connect(grade_, &QTableWidget::itemSelectionChanged, this, &TelaClubes::atualizabotoes);
    connect(comprar_, &QPushButton::clicked, this, &TelaClubes::comprar);
    connect(oferta_, &QPushButton::clicked, this, &TelaClubes::oferta);
    connect(emprestimo_, &QPushButton::clicked, this, &TelaClubes::emprestimo);
    connect(historico, &QPushButton::clicked, this, [this] { abrejanela(new TelaTransferencias(m_, time_, this)); });
    connect(retrospecto, &QPushButton::clicked, this, [this] { abrejanela(new TelaRetrospecto(m_, time_, this)); });
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    resize(780, 520);
    mostraclube(time);
    escalatela(this);
}

void TelaClubes::mostraclube(int time) {
    if (time < 0 || time >= static_cast<int>(m_.times.size())) time = 0;
    time_ = time;
    clubes_->setCurrentIndex(clubes_->findData(time));
    preenche();
}

void TelaClubes::preenche() {
    const TTime& t = m_.times[static_cast<size_t>(time_)];
    dinheiro_->setText("Dinheiro em caixa: $" + qs(formatamil(t.dinheiro)));
    const int tec = t.tecnico;
    tecnico_->setText("Técnico: " + (tec >= 0 && tec < static_cast<int>(m_.tecnicos.size())
                                         ? qs(m_.tecnicos[static_cast<size_t>(tec)].nome.utf8())
                                         : QString()));
    confianca_->setText(QString("Confiança diretoria: %1   torcida: %2").arg(t.confiancadiretoria).arg(t.confiancatorcida));
    const bool meu = meuclube_ >= 0 && meuclube_ < static_cast<int>(m_.times.size());
    meudinheiro_->setText(meu ? "Dinheiro em caixa do seu time: $" + qs(formatamil(m_.times[static_cast<size_t>(meuclube_)].dinheiro))
                              : QString());
    const std::vector<int> lista = elenco(m_, time_);
    grade_->setRowCount(static_cast<int>(lista.size()));
    for (int r = 0; r < static_cast<int>(lista.size()); ++r) {
        const int idx = lista[static_cast<size_t>(r)];
        const TJogador& j = m_.jogadores[static_cast<size_t>(idx)];
        grade_->setItem(r, 0, celula(QChar(letraposicao(j.posicaooriginal))));
        grade_->setItem(r, 1, celula(qtexto(nomepais(j.pais))));
        auto* nome = celula(qs(j.nome.utf8()));
        if (j.estrela) nome->setText("★ " + nome->text());
        grade_->setItem(r, 2, nome);
        grade_->setItem(r, 3, celula(QString::number(j.forca), true));
        grade_->setItem(r, 4, celula(QString::number(j.energia), true));
        grade_->setItem(r, 5, celula(qs(formatak(valorgrade(j))), true));
        grade_->item(r, 5)->setToolTip(qs(formatamil(valorgrade(j))));
        grade_->setItem(r, 6, celula(qs(formatadinheiro(j.salario)), true));
        grade_->setItem(r, 7, celula(QString::number(j.idade), true));
        grade_->setItem(r, 8, celula(QString::number(golsgrade(j)), true));
        grade_->setItem(r, 9, celula(qs(textohabilidades(j, false))));
        grade_->setItem(r, 10, celula(j.avenda ? "Sim" : ""));
        auto* emp = celula(j.emprestado == 1 ? "E" : "");
        if (j.emprestado == 1) emp->setToolTip("Disponível para empréstimo");
        grade_->setItem(r, 11, emp);
        grade_->setItem(r, 12, celula(QString::number(idx)));
    }
    pintalinhas(grade_);
    atualizabotoes();
}

int TelaClubes::jogadorselecionado() const {
    const int r = grade_->currentRow();
    if (r < 0 || !grade_->item(r, 12) || !grade_->selectionModel()->hasSelection()) return 0;
    return grade_->item(r, 12)->text().toInt();
}

void TelaClubes::selecionajogador(int jogador) {
    for (int r = 0; r < grade_->rowCount(); ++r)
        if (grade_->item(r, 12)->text().toInt() == jogador) grade_->selectRow(r);
}

void TelaClubes::atualizabotoes() {
    const int j = jogadorselecionado();
    const bool meu = meuclube_ >= 0 && meuclube_ < static_cast<int>(m_.times.size());
    const bool outro = meu && j > 0 && time_ != meuclube_ && podetransferir(m_, j);
    const TTime* c = meu ? &m_.times[static_cast<size_t>(meuclube_)] : nullptr;
    const bool cabe = c && c->numjogadores < kMaximoElenco;
    comprar_->setEnabled(outro && cabe && m_.jogadores[static_cast<size_t>(j)].avenda &&
                         c->dinheiro >= m_.jogadores[static_cast<size_t>(j)].precovenda);
    oferta_->setEnabled(outro && cabe);
    emprestimo_->setEnabled(meu && j > 0 && podepegaremprestado(m_, j, meuclube_));
}

void TelaClubes::comprar() {
    const int j = jogadorselecionado();
    if (j <= 0) return;
    if (fechacompra(this, m_, j, meuclube_, m_.jogadores[static_cast<size_t>(j)].precovenda, false, false)) {
        mudou_ = true;
        emit elencomudou();
    }
    preenche();
}

void TelaClubes::oferta() {
    const int j = jogadorselecionado();
    if (j <= 0) return;
    TelaOferta t(m_, j, meuclube_, this);
    t.exec();
    if (t.comprou()) {
        mudou_ = true;
        emit elencomudou();
    }
    preenche();
}

void TelaClubes::emprestimo() {
    const int j = jogadorselecionado();
    if (j <= 0) return;
    switch (pegaemprestado(m_, j, meuclube_)) {
        case ResultadoEmprestimo::Limite:
            mostramensagem(this, "Você pode ter no máximo 2 jogadores emprestados no seu time.");
            return;
        case ResultadoEmprestimo::Recusa:
            mostramensagem(this, nomejogador(m_, j) + " não demonstrou interesse em jogar, por empréstimo, no seu modesto time.");
            return;
        case ResultadoEmprestimo::Invalido: return;
        case ResultadoEmprestimo::Feito: break;
    }
    mudou_ = true;
    emit elencomudou();
    preenche();
    comprar_->setEnabled(false);
    emprestimo_->setEnabled(false);
}

}  // namespace tarvello
