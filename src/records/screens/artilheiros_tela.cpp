#include "records/screens/artilheiros_tela.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

// Columns by key: the season pair or the career pair shows, the other is hidden.
enum Coluna { kId, kJogador, kClube, kGols, kJogos, kGolsT, kJogosT, kJogId };

int estadoinicial(const Mundo& m) {
    auto tem = [&](int s) { return estadovalido(s) && m.estaduais[static_cast<size_t>(s)].temestadual; };
    const int c = m.estado.timeatual;
    if (c >= 0 && c < static_cast<int>(m.times.size()) && tem(m.times[static_cast<size_t>(c)].estado))
        return m.times[static_cast<size_t>(c)].estado;
    for (const char* sigla : {"SP", "RJ"})
        for (int s = 0; s < kNumEstados; ++s)
            if (siglaestado(s) == sigla && tem(s)) return s;
    for (int s = 0; s < kNumEstados; ++s)
        if (siglaestado(s) == "MG") return s;
    return 0;
}

}  // namespace

TelaArtilheiros::TelaArtilheiros(const Mundo& m, QWidget* parent) : QDialog(parent), m_(m) {
    setObjectName("TForm20");
    setWindowTitle("Artilheiros");
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("Ver:", this));
    ver_ = new QComboBox(this);
    ver_->setObjectName("ver");
    topo->addWidget(ver_);
    pais_ = new QComboBox(this);
    pais_->setObjectName("pais");
    const int c = m.estado.timeatual;
    const int paisatual = c >= 0 && c < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(c)].pais : kBrasil;
    for (const TLiga& l : m.ligas) {
        pais_->addItem(iconebandeira(l.pais), qtexto(nomepais(l.pais)), l.pais);
        if (l.pais == paisatual) pais_->setCurrentIndex(pais_->count() - 1);
    }
    topo->addWidget(pais_);
    estado_ = new QComboBox(this);
    estado_->setObjectName("estado");
    const int inicial = estadoinicial(m);
    for (int s = 0; s < kNumEstados; ++s)
        if (m.estaduais[static_cast<size_t>(s)].temestadual) {
            estado_->addItem(iconebandeiraestado(s), qtexto(siglaestado(s)), s);
            if (s == inicial) estado_->setCurrentIndex(estado_->count() - 1);
        }
    topo->addWidget(estado_);
    topo->addStretch(1);
    v->addLayout(topo);

    grade_ = new QTableWidget(this);
    grade_->setObjectName("grade");
    preparagrade(grade_, {"", "Jogador", "Clube", "Gols", "Jogos", "Total Gols ", "Total Jogos", ""});
    const char* chaves[] = {"nxid", "nxjogador", "nxclube", "nxgols", "nxjogos", "nxgolst", "nxjogost", "nxjogid"};
    for (int k = 0; k < 8; ++k) grade_->horizontalHeaderItem(k)->setData(Qt::UserRole, QString(chaves[k]));
    grade_->setColumnHidden(kJogId, true);
    v->addWidget(grade_, 1);
    auto* rodape = new QHBoxLayout;
    nota_ = new QLabel("mostrando apenas os 100 primeiros, para mostrar todos", this);
    nota_->setObjectName("nota");
    clique_ = new QLabel("<a href=\"#\">clique aqui</a>", this);
    clique_->setObjectName("cliqueaqui");
    connect(clique_, &QLabel::linkActivated, this, &TelaArtilheiros::mostratodos);
    rodape->addWidget(nota_);
    rodape->addWidget(clique_);
    rodape->addStretch(1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    fechar->setDefault(true);  // Enter closes the screen too
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    rodape->addWidget(fechar);
    v->addLayout(rodape);

    montaopcoes();
    connect(ver_, &QComboBox::currentIndexChanged, this, [this] {
        todos_ = false;
        preenche();
    });
    connect(pais_, &QComboBox::currentIndexChanged, this, &TelaArtilheiros::mudoupais);
    connect(estado_, &QComboBox::currentIndexChanged, this, &TelaArtilheiros::preenche);
    preenche();
    resize(560, 560);
    escalatela(this);
}

void TelaArtilheiros::montaopcoes() {
    const QSignalBlocker b(ver_);
    opcoes_ = opcoesartilheiros(m_, pais_->currentData().toInt());
    ver_->clear();
    for (const TOpcaoArtilheiros& o : opcoes_) ver_->addItem(qtexto(o.texto));
    ver_->setCurrentIndex(0);
}

void TelaArtilheiros::mudoupais() {
    // A national choice is listed again for the new country; then the list follows its divisions.
    montaopcoes();
    todos_ = false;
    preenche();
}

void TelaArtilheiros::mostratodos() {
    todos_ = true;
    preenche();
}

void TelaArtilheiros::preenche() {
    const int i = ver_->currentIndex();
    if (i < 0 || i >= static_cast<int>(opcoes_.size())) return;
    const TOpcaoArtilheiros& o = opcoes_[static_cast<size_t>(i)];
    const bool sempre = o.competicao == 0;
    pais_->setVisible((o.competicao == kLiga || o.competicao == kCopaNacional) && m_.ligas.size() > 1);
    estado_->setVisible(o.competicao == kEstadual);
    grade_->setColumnHidden(kGols, sempre);
    grade_->setColumnHidden(kJogos, sempre);
    grade_->setColumnHidden(kGolsT, !sempre);
    grade_->setColumnHidden(kJogosT, !sempre);
    const auto linhas = listaartilheiros(m_, o, pais_->currentData().toInt(), estado_->currentData().toInt());
    const bool corta = sempre && !todos_ && linhas.size() > 100;
    nota_->setVisible(sempre && !todos_);
    clique_->setVisible(sempre && !todos_);
    const int n = corta ? 100 : static_cast<int>(linhas.size());
    const PreenchimentoGrade preenchimento(grade_);
    grade_->setRowCount(n);
    for (int r = 0; r < n; ++r) {
        const TLinhaArtilheiro& l = linhas[static_cast<size_t>(r)];
        auto num = [](int x) {
            auto* it = new QTableWidgetItem(QString::number(x));
            it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return it;
        };
        grade_->setItem(r, kId, num(r + 1));
        grade_->setItem(r, kJogador, new QTableWidgetItem(nomejogador(m_, l.jogador)));
        grade_->setItem(r, kClube, new QTableWidgetItem(nomeclube(m_, l.time)));
        grade_->setItem(r, sempre ? kGolsT : kGols, num(l.gols));
        grade_->setItem(r, sempre ? kJogosT : kJogos, num(l.jogos));
        grade_->setItem(r, sempre ? kGols : kGolsT, new QTableWidgetItem());
        grade_->setItem(r, sempre ? kJogos : kJogosT, new QTableWidgetItem());
        grade_->setItem(r, kJogId, new QTableWidgetItem(QString::number(l.jogador)));
    }
    pintalinhas(grade_);
}

}  // namespace tarvello
