#include "records/screens/campeoes_tela.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "model/tipos.h"
#include "records/galeria.h"
#include "records/historico.h"
#include "ui/clube_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

TelaCampeoes::~TelaCampeoes() = default;

TelaCampeoes::TelaCampeoes(const Mundo& m, QWidget* parent)
    : QDialog(parent), m_(m), escudos_(std::make_unique<CacheEscudos>()) {
    setObjectName("TForm29");
    setWindowTitle("Campeões");
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel("Ver:", this));
    ver_ = new QComboBox(this);
    ver_->setObjectName("ver");
    for (const TVisaoCampeoes& c : visoescampeoes(m)) ver_->addItem(qtexto(c.texto), QVariant::fromValue(QList<int>{c.competicao, c.regiao}));
    topo->addWidget(ver_);
    pais_ = new QComboBox(this);
    pais_->setObjectName("pais");
    const int atual = m.estado.timeatual;
    const int paisatual = atual >= 0 && atual < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(atual)].pais : kBrasil;
    for (const TLiga& l : m.ligas) {
        pais_->addItem(iconebandeira(l.pais), qtexto(nomepais(l.pais)), l.pais);
        if (l.pais == paisatual) pais_->setCurrentIndex(pais_->count() - 1);
    }
    topo->addWidget(pais_);
    estado_ = new QComboBox(this);
    estado_->setObjectName("estado");
    const int estadoatual = atual >= 0 && atual < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(atual)].estado : -1;
    for (int s = 0; s < kNumEstados; ++s)
        if (m.estaduais[static_cast<size_t>(s)].temestadual) {
            estado_->addItem(iconebandeiraestado(s), qtexto(siglaestado(s)), s);
            if (s == estadoatual) estado_->setCurrentIndex(estado_->count() - 1);
        }
    topo->addWidget(estado_);
    topo->addStretch(1);
    v->addLayout(topo);
    grade_ = new QTableWidget(this);
    grade_->setObjectName("grade");
    grade_->setIconSize(QSize(18, 18));
    v->addWidget(grade_, 1);
    auto* fechar = new QPushButton("Fechar", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar, 0, Qt::AlignRight);
    for (QComboBox* c : {ver_, pais_, estado_})
        connect(c, &QComboBox::currentIndexChanged, this, &TelaCampeoes::preenche);
    preenche();
    resize(780, 520);
    escalatela(this);
}

bool TelaCampeoes::mostra(const QString& visao) {
    const int i = ver_->findText(visao);
    if (i < 0) return false;
    ver_->setCurrentIndex(i);
    preenche();
    return true;
}

void TelaCampeoes::preenche() {
    const QList<int> escolha = ver_->currentData().value<QList<int>>();
    if (escolha.size() < 2) return;
    const int k = escolha[0], regiao = escolha[1];
    pais_->setVisible(k == kLiga || k == kCopaNacional);
    estado_->setVisible(k == kEstadual);
    auto clube = [this](int t) {
        auto* i = new QTableWidgetItem(nomeclube(m_, t));
        i->setIcon(escudos_->icone(m_, t));
        return i;
    };
    auto pais = [](int p) { return new QTableWidgetItem(iconebandeira(p), qtexto(nomepais(p))); };
    grade_->clear();
    grade_->setRowCount(0);
    if (k >= kCopaMundo) {
        preparagrade(grade_, {"Ano", "Local", "Campeão", "Vice", "3º", "4º", "Técnico Campeão", "Artilheiro"});
        const auto linhas = campeoestorneio(m_, k);
        grade_->setRowCount(static_cast<int>(linhas.size()));
        for (int r = 0; r < grade_->rowCount(); ++r) {
            const TLinhaCampeao& l = linhas[static_cast<size_t>(r)];
            grade_->setItem(r, 0, new QTableWidgetItem(QString::number(anotemporada(l.temporada))));
            grade_->setItem(r, 1, new QTableWidgetItem(qtexto(l.local)));
            grade_->setItem(r, 2, pais(l.campeao));
            grade_->setItem(r, 3, pais(l.vice));
            grade_->setItem(r, 4, pais(l.terceiro));
            grade_->setItem(r, 5, pais(l.quarto));
            grade_->setItem(r, 6, new QTableWidgetItem(qtexto(l.tecnico)));
            grade_->setItem(r, 7, new QTableWidgetItem(qtexto(l.artilheiro)));
        }
    } else {
        preparagrade(grade_, {"Ano", "Campeão", "Vice", "Artilheiro", "Técnico Campeão"});
        const auto linhas = k == kEstadual ? campeoesestado(m_, estado_->currentData().toInt())
                                           : campeoesclubes(m_, k, k == kLiga || k == kCopaNacional ? pais_->currentData().toInt() : regiao);
        grade_->setRowCount(static_cast<int>(linhas.size()));
        for (int r = 0; r < grade_->rowCount(); ++r) {
            const TLinhaCampeao& l = linhas[static_cast<size_t>(r)];
            grade_->setItem(r, 0, new QTableWidgetItem(QString::number(anotemporada(l.temporada))));
            grade_->setItem(r, 1, clube(l.campeao));
            grade_->setItem(r, 2, clube(l.vice));
            grade_->setItem(r, 3, new QTableWidgetItem(qtexto(l.artilheiro)));
            grade_->setItem(r, 4, new QTableWidgetItem(qtexto(l.tecnico)));
        }
    }
    pintalinhas(grade_);
}

}  // namespace tarvello
