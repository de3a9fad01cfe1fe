#include "competitions/screens/classificacao_tela.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

#include "competitions/calendario.h"
#include "competitions/continentais.h"
#include "competitions/tabela.h"
#include "competitions/vagas.h"
#include "competitions/zonas.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString texto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QColor corzona(ZonaTabela z) {
    switch (z) {
        case ZonaTabela::Continental1: return QColor(190, 220, 255);  // light blue
        case ZonaTabela::Continental2: return QColor(255, 255, 140);  // yellow
        case ZonaTabela::Acesso: return QColor(190, 255, 190);        // light green
        case ZonaTabela::Rebaixamento: return QColor(255, 190, 190);  // light red
        default: return QColor(255, 255, 255);
    }
}

QString ordinal(int n, const char* resto) { return QString::number(n) + "ª " + resto; }

std::vector<int> validos(const int32_t* t, int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        if (t[i] >= 0) v.push_back(t[i]);
    return v;
}

// A club of the first human coach, else -1.
int clubehumano(const Mundo& m) {
    const TEstadoJogo& e = m.estado;
    for (int k = 0; k < e.numtecnicoshumanos && k < kMaxHumanos; ++k) {
        const int t = e.timedotecnico[k];
        if (t >= 0 && t < static_cast<int>(m.times.size())) return t;
    }
    return -1;
}

}  // namespace

TelaClassificacao::TelaClassificacao(Mundo& m, QWidget* parent) : QWidget(parent), m_(m) {
    setObjectName("TForm36");
    setWindowTitle("Classificação");
    setWindowFlag(Qt::FramelessWindowHint);

    auto* raiz = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    raiz->addLayout(topo);
    titulo_ = rotulotitulo(this, "titulo");
    topo->addWidget(titulo_);
    topo->addStretch(1);
    regiao_ = new QComboBox(this);
    regiao_->setObjectName("regiao");
    // Refilled for each competition: it grows to the longest entry ("MS - Sul-matogrossense").
    regiao_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    regiao_->setIconSize(QSize(16, 16));
    topo->addWidget(regiao_);
    trocadivisao_ = new QPushButton("Ver 3ª divisão", this);
    trocadivisao_->setObjectName("trocadivisao");
    topo->addWidget(trocadivisao_);

    area_ = new QWidget(this);
    grade_ = new QGridLayout(area_);
    grade_->setContentsMargins(0, 0, 0, 0);
    raiz->addWidget(area_, 1);

    auto* baixo = new QHBoxLayout;
    raiz->addLayout(baixo);
    baixo->addStretch(1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    baixo->addWidget(fechar);

    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(regiao_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!preenchendo_) escolhe(i);
    });
    connect(trocadivisao_, &QPushButton::clicked, this, [this] {
        segunda_ = segunda_ == 2 ? 3 : 2;
        monta();
    });

    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);

    // The competition of the day decides what is shown first; a human coach sees his own.
    const int humano = clubehumano(m);
    const int c = m.estado.competicaoatual;
    if (c == kEstadual && m.estado.ckestadual) {
        int estado = -1;
        if (humano >= 0 && estadovalido(m.times[static_cast<size_t>(humano)].estado) &&
            m.estaduais[static_cast<size_t>(m.times[static_cast<size_t>(humano)].estado)].temestadual)
            estado = m.times[static_cast<size_t>(humano)].estado;
        for (int s = 0; s < kNumEstados && estado < 0; ++s)
            if (m.estaduais[static_cast<size_t>(s)].temestadual) estado = s;
        if (estado >= 0) {
            mostraestadual(estado);
            return;
        }
    }
    if ((c == kContinental1 || c == kContinental2) && m.estado.ckinter) {
        const int conf = humano >= 0 ? confederacaocopas(m.times[static_cast<size_t>(humano)].pais) : 0;
        mostracontinental(c, conf == 2 ? 2 : 1);
        return;
    }
    int liga = 0;
    if (humano >= 0)
        for (size_t l = 0; l < m.ligas.size(); ++l)
            if (m.ligas[l].pais == m.times[static_cast<size_t>(humano)].pais) liga = static_cast<int>(l);
    mostraliga(liga);
}

void TelaClassificacao::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TelaClassificacao::mostraliga(int liga) {
    modo_ = Modo::Liga;
    liga_ = liga;
    segunda_ = 2;
    preenchelista();
    monta();
}

void TelaClassificacao::mostraestadual(int estado) {
    modo_ = Modo::Estadual;
    estado_ = estado;
    preenchelista();
    monta();
}

void TelaClassificacao::mostracontinental(int competicao, int confederacao) {
    modo_ = Modo::Continental;
    competicao_ = competicao == kContinental2 ? kContinental2 : kContinental1;
    confederacao_ = confederacao == 2 ? 2 : 1;
    preenchelista();
    monta();
}

void TelaClassificacao::preenchelista() {
    preenchendo_ = true;
    regiao_->clear();
    escolhas_.clear();
    int atual = 0;
    switch (modo_) {
        case Modo::Liga:
            for (int l = 0; l < static_cast<int>(m_.ligas.size()); ++l) {
                if (l == liga_) atual = static_cast<int>(escolhas_.size());
                regiao_->addItem(iconebandeira(m_.ligas[static_cast<size_t>(l)].pais), texto(nomepais(m_.ligas[static_cast<size_t>(l)].pais)));
                escolhas_.push_back({l, 0});
            }
            break;
        case Modo::Estadual:
            for (int s = 0; s < kNumEstados; ++s) {
                if (!m_.estaduais[static_cast<size_t>(s)].temestadual) continue;
                if (s == estado_) atual = static_cast<int>(escolhas_.size());
                regiao_->addItem(iconebandeiraestado(s), texto(siglaestado(s)) + " - " + texto(adjetivoestado(s)));
                escolhas_.push_back({s, 0});
            }
            break;
        case Modo::Continental:
            for (int conf = 1; conf <= 2; ++conf)
                for (int c : {kContinental1, kContinental2}) {
                    if (c == kContinental2 && !m_.estado.ckinter3) continue;
                    if (c == competicao_ && conf == confederacao_) atual = static_cast<int>(escolhas_.size());
                    regiao_->addItem(texto(nomecompeticao(m_, c, conf)));
                    escolhas_.push_back({c, conf});
                }
            break;
    }
    regiao_->setCurrentIndex(escolhas_.empty() ? -1 : atual);
    preenchendo_ = false;
}

void TelaClassificacao::escolhe(int i) {
    if (i < 0 || i >= static_cast<int>(escolhas_.size())) return;
    const Escolha e = escolhas_[static_cast<size_t>(i)];
    switch (modo_) {
        case Modo::Liga:
            liga_ = e.a;
            segunda_ = 2;
            break;
        case Modo::Estadual: estado_ = e.a; break;
        case Modo::Continental:
            competicao_ = e.a;
            confederacao_ = e.b;
            break;
    }
    monta();
}

void TelaClassificacao::limpa() {
    for (QTableWidget* t : tabelas_) delete t->parentWidget();
    tabelas_.clear();
    divisoes_.clear();
}

QTableWidget* TelaClassificacao::novatabela(const QString& titulo, int linhas, int posicao, int colunas) {
    auto* caixa = new QWidget(area_);
    auto* l = new QVBoxLayout(caixa);
    l->setContentsMargins(2, 2, 2, 2);
    l->setSpacing(1);
    QLabel* rotulo = rotulotitulo(caixa, "titulotabela", 1.0);
    rotulo->setText(titulo);
    l->addWidget(rotulo);
    auto* t = new QTableWidget(linhas, 10, caixa);
    t->setObjectName(QString("tabela%1").arg(tabelas_.size() + 1));
    t->setHorizontalHeaderLabels({"", "Time", "PG", "J", "V", "E", "D", "GP", "GC", "SG"});
    const char* dicas[] = {"Pontos ganhos", "Jogos", "Vitórias", "Empates", "Derrotas", "Gols pró", "Gols contra",
                           "Saldo gols"};
    for (int c = 0; c < 8; ++c) t->horizontalHeaderItem(c + 2)->setToolTip(QString::fromUtf8(dicas[c]));
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 2);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setIconSize(QSize(14, 14));
    // The figures keep their width whatever the window's size; the names take what is left.
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    t->horizontalHeader()->setMinimumSectionSize(18);
    l->addWidget(t, 1);
    grade_->addWidget(caixa, posicao / colunas, posicao % colunas);
    tabelas_.push_back(t);
    return t;
}

namespace {

void preenchelinhas(QTableWidget* t, const Mundo& m, const std::vector<TLinhaTabela>& linhas, CacheEscudos& escudos,
                    const std::function<QColor(int)>& cor) {
    t->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
        const TLinhaTabela& l = linhas[static_cast<size_t>(r)];
        const int valores[] = {l.pontos, l.jogos, l.vitorias, l.empates, l.derrotas, l.golspro, l.golscontra, l.saldo};
        auto* pos = new QTableWidgetItem(QString::fromStdString(l.rotulo));
        pos->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(r, 0, pos);
        auto* nome = new QTableWidgetItem(texto(m.times[static_cast<size_t>(l.time)].nome.utf8()));
        nome->setIcon(escudos.icone(m, l.time));
        nome->setData(Qt::UserRole, l.time);
        t->setItem(r, 1, nome);
        for (int c = 0; c < 8; ++c) {
            auto* v = new QTableWidgetItem(QString::number(valores[c]));
            v->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c + 2, v);
        }
        const QColor fundo = cor(r);
        for (int c = 0; c < t->columnCount(); ++c) t->item(r, c)->setBackground(fundo);
        if (m.times[static_cast<size_t>(l.time)].humano) destacalinha(t, r);
    }
}

}  // namespace

void TelaClassificacao::monta() {
    limpa();
    trocadivisao_->setVisible(false);
    switch (modo_) {
        case Modo::Liga: {
            if (liga_ < 0 || liga_ >= static_cast<int>(m_.ligas.size())) {
                titulo_->clear();
                return;
            }
            const TLiga& liga = m_.ligas[static_cast<size_t>(liga_)];
            titulo_->setText(texto(nomecompeticao(m_, kLiga, liga_)));
            const bool vinte = m_.estado.sistemadisputa == 2;
            const int n = std::clamp(liga.numdivisoes, 1, 4);
            std::vector<int> mostrar;
            if (vinte) {
                mostrar.push_back(1);
                if (n >= 2) mostrar.push_back(n >= 3 ? segunda_ : 2);
                trocadivisao_->setVisible(n == 3);
                trocadivisao_->setText(segunda_ == 2 ? "Ver 3ª divisão" : "Ver 2ª divisão");
            } else {
                for (int d = 1; d <= n; ++d) mostrar.push_back(d);
            }
            const TRegraZonas regra = regrazonas(m_, liga_);
            for (size_t k = 0; k < mostrar.size(); ++k) {
                const int d = mostrar[k];
                const auto linhas = ordenatabela(m_, validos(liga.classificacao[d - 1], 20), kLiga);
                QTableWidget* t = novatabela(ordinal(d, "divisão"), static_cast<int>(linhas.size()),
                                             static_cast<int>(k), 2);
                divisoes_.push_back(d);
                preenchelinhas(t, m_, linhas, escudos_,
                               [&](int r) { return corzona(zonatabela(regra, d, r + 1)); });
            }
            break;
        }
        case Modo::Estadual: {
            if (!estadovalido(estado_)) {
                titulo_->clear();
                return;
            }
            const TEstadual& e = m_.estaduais[static_cast<size_t>(estado_)];
            titulo_->setText(texto(nomecompeticao(m_, kEstadual, estado_)));
            for (int g = 0; g < std::clamp(e.numgrupos, 0, 5); ++g) {
                const auto linhas = ordenatabela(m_, validos(e.grupos[g], 6), kEstadual);
                QTableWidget* t = novatabela(QString("Grupo %1").arg(g + 1), static_cast<int>(linhas.size()), g, 2);
                preenchelinhas(t, m_, linhas, escudos_, [](int r) { return corlinha(r); });
            }
            break;
        }
        case Modo::Continental: {
            const auto& grupos = gruposcontinentais(m_, competicao_, confederacao_);
            // Drawn groups hold distinct clubs, so at least one index above 0.
            bool sorteado = false;
            for (const auto& g : grupos)
                for (int c : g) sorteado = sorteado || c > 0;
            titulo_->setText(texto(nomecompeticao(m_, competicao_, confederacao_)) +
                             (sorteado ? QString() : QString(" (grupos ainda não sorteados)")));
            for (int g = 0; g < 8; ++g) {
                const auto linhas =
                    sorteado ? ordenatabela(m_, validos(grupos[g], 4), competicao_) : std::vector<TLinhaTabela>{};
                QTableWidget* t = novatabela(QString("Grupo %1").arg(g + 1), static_cast<int>(linhas.size()), g, 2);
                preenchelinhas(t, m_, linhas, escudos_, [](int r) { return corlinha(r); });
            }
            break;
        }
    }
}

}  // namespace tarvello
