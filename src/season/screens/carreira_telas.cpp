#include "season/screens/carreira_telas.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "club/financas.h"
#include "club/plantel.h"
#include "club/plantel_textos.h"
#include "competitions/screens/classificacao_tela.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "season/carreira.h"
#include "season/tecnico.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QTableWidgetItem* celula(const QString& t) {
    auto* c = new QTableWidgetItem(t);
    c->setFlags(c->flags() & ~Qt::ItemIsEditable);
    return c;
}

int ligadopais(const Mundo& m, int pais) {
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l)
        if (m.ligas[static_cast<size_t>(l)].pais == pais) return l;
    return -1;
}

}  // namespace

TelaConvite::TelaConvite(Mundo& m, int tecnico, std::vector<int> clubes, QWidget* parent)
    : QDialog(parent), m_(m), tecnico_(tecnico), clubes_(std::move(clubes)) {
    setObjectName("convite");
    setWindowTitle("Convite para ser técnico");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* titulo = rotulotitulo(this, "titulo");
    titulo->setText("Os clubes abaixo lhe convidaram para ser técnico, deseja aceitar algum convite?");
    titulo->setWordWrap(true);
    v->addWidget(titulo);
    opcoes_ = new QButtonGroup(this);
    for (int k = 0; k < static_cast<int>(clubes_.size()) && k < 4; ++k) {
        const int c = clubes_[static_cast<size_t>(k)];
        const TTime& t = m.times[static_cast<size_t>(c)];
        auto* r = new QRadioButton(nomeclube(m, c) + " (" + qtexto(nomepais(t.pais)) + ") - " +
                                       QString::number(t.divisao) + "ª divisão",
                                   this);
        r->setObjectName("clube" + QString::number(k));
        opcoes_->addButton(r, k);
        v->addWidget(r);
    }
    if (!opcoes_->buttons().isEmpty()) opcoes_->buttons().first()->setChecked(true);
    v->addWidget(new QLabel("Plantel do time:", this));
    plantel_ = new QTableWidget(this);
    plantel_->setObjectName("plantel");
    preparagrade(plantel_, {"P", "Nome", "Força", "Energia", "Salário", "Valor", "Gols", "Características", "Idade"});
    v->addWidget(plantel_);
    auto* botoes = new QHBoxLayout;
    auto* classificacao = new QPushButton("Classificação", this);
    classificacao->setObjectName("classificacao");
    auto* assumir = new QPushButton("Assumir time", this);
    assumir->setObjectName("assumir");
    auto* rejeitar = new QPushButton("Rejeitar todos", this);
    rejeitar->setObjectName("rejeitar");
    botoes->addWidget(classificacao);
    botoes->addWidget(assumir);
    botoes->addWidget(rejeitar);
    v->addLayout(botoes);
    connect(opcoes_, &QButtonGroup::idClicked, this, &TelaConvite::mostraplantel);
    connect(assumir, &QPushButton::clicked, this, &TelaConvite::assume);
    connect(rejeitar, &QPushButton::clicked, this, &QDialog::reject);
    connect(classificacao, &QPushButton::clicked, this, [this] {
        const int c = escolhido();
        if (c < 0) return;
        auto* t = new TelaClassificacao(m_, this);
        const int l = ligadopais(m_, m_.times[static_cast<size_t>(c)].pais);
        if (l >= 0) t->mostraliga(l);
        abrejanela(t);
    });
    mostraplantel();
    resize(760, 560);
    escalatela(this);
}

int TelaConvite::escolhido() const {
    const int k = opcoes_->checkedId();
    return k >= 0 && k < static_cast<int>(clubes_.size()) ? clubes_[static_cast<size_t>(k)] : -1;
}

void TelaConvite::mostraplantel() {
    const int c = escolhido();
    const std::vector<int> lista = c >= 0 ? elenco(m_, c) : std::vector<int>{};
    plantel_->setRowCount(static_cast<int>(lista.size()));
    for (int r = 0; r < static_cast<int>(lista.size()); ++r) {
        const TJogador& j = m_.jogadores[static_cast<size_t>(lista[static_cast<size_t>(r)])];
        plantel_->setItem(r, 0, celula(QChar(letraposicao(j.posicaooriginal))));
        plantel_->setItem(r, 1, celula((j.estrela ? "★ " : "") + qs(j.nome.utf8())));
        plantel_->setItem(r, 2, celula(QString::number(j.forca)));
        plantel_->setItem(r, 3, celula(QString::number(j.energia) + "%"));
        plantel_->setItem(r, 4, celula(qs(formatadinheiro(j.salario))));
        plantel_->setItem(r, 5, celula(qs(formatak(valorgrade(j)))));
        plantel_->setItem(r, 6, celula(QString::number(golsgrade(j))));
        plantel_->setItem(r, 7, celula(qs(textohabilidades(j, false))));
        plantel_->setItem(r, 8, celula(QString::number(j.idade)));
    }
    pintalinhas(plantel_);
}

void TelaConvite::assume() {
    const int c = escolhido();
    if (c < 0 || !assumetime(m_, tecnico_, c)) return;
    assumido_ = c;
    accept();
}

TelaDemissao::TelaDemissao(const Mundo& m, const TMudancaTecnico& d, QWidget* parent) : QDialog(parent) {
    const TTextoDemissao t = textodemissao(m, d);
    setObjectName(d.humano ? "demitido" : "trocatecnico");
    setWindowTitle(d.humano ? "Demitido!" : "Técnico Demitido!");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* titulo = rotulotitulo(this, "titulo", 1.5);
    titulo->setText(qs(t.titulo));
    v->addWidget(titulo);
    if (d.humano) {
        auto* espere = new QLabel("Espere agora que outro time resolva contrata-lo.", this);
        espere->setObjectName("espere");
        v->addWidget(espere);
    }
    auto* nome = rotulotitulo(this, "nome", 1.1);
    nome->setText(qs(t.nome));
    v->addWidget(nome);
    auto* linha = new QLabel(qs(t.linha), this);
    linha->setObjectName("linha");
    linha->setWordWrap(true);
    v->addWidget(linha);
    auto* sucessor = new QLabel(qs(t.sucessor), this);
    sucessor->setObjectName("sucessor");
    sucessor->setWordWrap(true);
    v->addWidget(sucessor);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    v->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(480, 240);
    escalatela(this);
}

TelaContratacoes::TelaContratacoes(const Mundo& m, QWidget* parent) : QDialog(parent) {
    setObjectName("contratacoestecnicos");
    setWindowTitle("Últimas contratações de técnicos");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(rotulotitulo(this, "titulo"));
    findChild<QLabel*>("titulo")->setText("Últimas contratações de técnicos");
    auto* grade = new QTableWidget(this);
    grade->setObjectName("grade");
    preparagrade(grade, {"Técnico", "Time", "Temporada"});
    const int n = static_cast<int>(m.contratacoestecnicos.size());
    grade->setRowCount(n);
    for (int r = 0; r < n; ++r) {
        const TContratacaoTecnico& c = m.contratacoestecnicos[static_cast<size_t>(n - 1 - r)];
        const bool valido = c.tecnico >= 0 && c.tecnico < static_cast<int>(m.tecnicos.size());
        grade->setItem(r, 0, celula(valido ? qs(m.tecnicos[static_cast<size_t>(c.tecnico)].nome.utf8()) : QString()));
        grade->setItem(r, 1, celula(nomeclube(m, c.time)));
        grade->setItem(r, 2, celula(QString::number(2007 + c.temporada)));
    }
    pintalinhas(grade);
    v->addWidget(grade);
    auto* fechar = new QPushButton("Fechar", this);
    v->addWidget(fechar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    resize(520, 480);
    escalatela(this);
}

TelaNomeTecnico::TelaNomeTecnico(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm51");
    setWindowTitle("Nome do Técnico");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel("Nome do Técnico:", this));
    nome_ = new QLineEdit(this);
    nome_->setObjectName("nome");
    nome_->setMaxLength(25);
    v->addWidget(nome_);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ok");
    ok->setEnabled(false);
    v->addWidget(ok);
    connect(nome_, &QLineEdit::textChanged, this, [ok](const QString& t) { ok->setEnabled(!t.isEmpty()); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    escalatela(this);
}

QString TelaNomeTecnico::nome() const { return nome_->text(); }

TelaTecnicosHumanos::TelaTecnicosHumanos(Mundo& m, QWidget* parent) : QDialog(parent), m_(m) {
    setObjectName("TForm50");
    setWindowTitle("Adicionar/Remover ténicos");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel("Técnicos Humanos:", this));
    lista_ = new QListWidget(this);
    lista_->setObjectName("lista");
    v->addWidget(lista_);
    auto* botoes = new QHBoxLayout;
    auto* remover = new QPushButton("Remover selecionado", this);
    remover->setObjectName("remover");
    adicionar_ = new QPushButton("Adicionar novo", this);
    adicionar_->setObjectName("adicionar");
    auto* fechar = new QPushButton("Fechar", this);
    botoes->addWidget(remover);
    botoes->addWidget(adicionar_);
    botoes->addWidget(fechar);
    v->addLayout(botoes);
    connect(remover, &QPushButton::clicked, this, &TelaTecnicosHumanos::remover);
    connect(adicionar_, &QPushButton::clicked, this, [this] {
        TelaNomeTecnico t(this);
        centraliza(&t);
        if (t.exec() == QDialog::Accepted) adicionar(t.nome());
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    preenche();
    resize(420, 320);
    escalatela(this);
}

void TelaTecnicosHumanos::preenche() {
    lista_->clear();
    const std::vector<int> humanos = tecnicoshumanos(m_);
    for (int k = 0; k < static_cast<int>(humanos.size()); ++k) {
        const int t = humanos[static_cast<size_t>(k)];
        const bool valido = t >= 0 && t < static_cast<int>(m_.tecnicos.size());
        const QString nome = valido ? qs(m_.tecnicos[static_cast<size_t>(t)].nome.utf8()) : QString();
        const QString clube = valido ? nomeclube(m_, m_.tecnicos[static_cast<size_t>(t)].time) : QString();
        lista_->addItem(QString::number(k + 1) + " - " + nome + (clube.isEmpty() ? QString() : " - " + clube));
    }
    adicionar_->setEnabled(lista_->count() < kMaxHumanos);
}

void TelaTecnicosHumanos::remover() {
    const int k = lista_->currentRow();
    if (k < 0) return;
    if (!removetecnico(m_, k)) {
        mostramensagem(this, "Para remover um técnico antes é necessário demiti-lo do time.");
        return;
    }
    preenche();
}

void TelaTecnicosHumanos::adicionar(const QString& nome) {
    if (adicionatecnico(m_, nome.toStdString()) >= 0) preenche();
}

}  // namespace tarvello
