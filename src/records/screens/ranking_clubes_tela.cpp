#include "records/screens/ranking_clubes_tela.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "database/arquivos.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

enum Coluna { cPos, cEscudo, cClube, cNacional, cEstadual, cCopa, cCont1, cCont2, cMundial, cTotal };
// Column of each competition code 1..6.
constexpr int kColunaCodigo[7] = {-1, cNacional, cCopa, cEstadual, cCont1, cMundial, cCont2};

}  // namespace

TelaRankingClubes::~TelaRankingClubes() = default;

TelaRankingClubes::TelaRankingClubes(const Mundo& m, QWidget* parent)
    : QDialog(parent), m_(m), escudos_(std::make_unique<CacheEscudos>()) {
    setObjectName("TForm71");
    setWindowTitle("Ranking de Clubes");
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    const char* nomes[] = {"Ranking por Colocação", "Ranking por pontos corridos", "Ranking Internacional"};
    const char* chaves[] = {"colocacao", "pontoscorridos", "internacional"};
    for (int i = 0; i < 3; ++i) {
        botoes_[i] = new QPushButton(nomes[i], this);
        botoes_[i]->setObjectName(chaves[i]);
        botoes_[i]->setCheckable(true);
        connect(botoes_[i], &QPushButton::clicked, this, [this, i] { escolhe(static_cast<VisaoRankingClubes>(i)); });
        topo->addWidget(botoes_[i]);
    }
    botoes_[2]->setVisible(m.ligas.size() > 1);
    paises_ = new QComboBox(this);
    paises_->setObjectName("paises");
    for (const TLiga& l : m.ligas) {
        paises_->addItem(iconebandeira(l.pais), qtexto(nomepais(l.pais)), l.pais);
        if (l.pais == kBrasil) paises_->setCurrentIndex(paises_->count() - 1);
    }
    topo->addWidget(paises_);
    topo->addStretch(1);
    v->addLayout(topo);
    legenda_ = new QLabel("Legenda: (PG/GP/GC)", this);
    legenda_->setObjectName("legenda");
    v->addWidget(legenda_);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("grade");
    grade_->setIconSize(QSize(18, 18));
    v->addWidget(grade_, 1);
    auto* fechar = new QPushButton("Fechar", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar, 0, Qt::AlignRight);
    connect(paises_, &QComboBox::currentIndexChanged, this, &TelaRankingClubes::preenche);
    escolhe(VisaoRankingClubes::Colocacao);
    resize(780, 540);
    escalatela(this);
}

void TelaRankingClubes::escolhe(VisaoRankingClubes visao) {
    visao_ = visao;
    for (int i = 0; i < 3; ++i) botoes_[i]->setChecked(static_cast<int>(visao) == i);
    preenche();
}

void TelaRankingClubes::preenche() {
    const bool internacional = visao_ == VisaoRankingClubes::Internacional;
    const bool colocacao = visao_ == VisaoRankingClubes::Colocacao;
    paises_->setVisible(!internacional);
    legenda_->setVisible(!colocacao);
    const int pais = internacional ? -1 : paises_->currentData().toInt();
    // A view is rebuilt only for another country (or another view).
    if (pais == construido_ && visao_ == visaoconstruida_) return;
    construido_ = pais;
    visaoconstruida_ = visao_;

    const int conf = internacional ? -1 : confederacao(pais, false);
    const bool europa = conf == 0;
    const QString cont1 = internacional ? "Libert./Liga C." : europa ? "Liga Campeões" : "Libertadores";
    const QString cont2 = internacional ? "Sul-Amer./UEFA" : europa ? "Copa UEFA" : "Sul-Americana";
    grade_->clear();
    preparagrade(grade_, {"", "", "Clube", "Nacional", "Estadual", "Copa", cont1, cont2, "Mundial",
                          colocacao ? "Total" : "Total pts"});
    const TEstadoJogo& e = m_.estado;
    const bool continental = e.ckinter && (internacional || conf == 0 || conf == 1);
    grade_->setColumnHidden(cCont1, !continental);
    grade_->setColumnHidden(cMundial, !continental);
    grade_->setColumnHidden(cCont2, !(continental && e.ckinter3));
    grade_->setColumnHidden(cEstadual, internacional || !(pais == kBrasil && e.ckestadual));
    grade_->setColumnHidden(cCopa, !e.ckcopa);

    const auto linhas = rankingclubes(m_, visao_, pais);
    const PreenchimentoGrade preenchimento(grade_);
    grade_->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < grade_->rowCount(); ++r) {
        const TLinhaRankingClube& l = linhas[static_cast<size_t>(r)];
        const TTime& t = m_.times[static_cast<size_t>(l.time)];
        grade_->setItem(r, cPos, new QTableWidgetItem(QString::number(r + 1)));
        auto* escudo = new QTableWidgetItem;
        const QIcon icone = escudos_->icone(m_, l.time);
        const QList<QSize> tamanhos = icone.availableSizes();
        if (!tamanhos.isEmpty() && tamanhos.front() == QSize(18, 18)) escudo->setIcon(icone);
        grade_->setItem(r, cEscudo, escudo);
        grade_->setItem(r, cClube, new QTableWidgetItem(nomeclube(m_, l.time)));
        for (int k = kLiga; k <= kContinental2; ++k) {
            const auto& x = t.totaiscompeticao[k - 1];
            const QString texto = colocacao ? QString::number(t.pontosranking[k - 1]) + " pts"
                                            : "(" + QString::number(x[0]) + "/" + QString::number(x[1]) + "/" +
                                                  QString::number(x[2]) + ")";
            grade_->setItem(r, kColunaCodigo[k], new QTableWidgetItem(texto));
        }
        auto* total = new QTableWidgetItem(QString::number(l.total));
        total->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grade_->setItem(r, cTotal, total);
    }
    pintalinhas(grade_);
}

}  // namespace tarvello
