#include "competitions/screens/tabela_jogos_tela.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "club/financas.h"
#include "competitions/calendario.h"
#include "competitions/continentais.h"
#include "competitions/screens/continentais_tela.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "match/relatorios.h"
#include "match/screens/relatorio_tela.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString texto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QString nomeclube(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.times.size()) ? texto(m.times[static_cast<size_t>(t)].nome.utf8())
                                                           : QString();
}

QTableWidgetItem* item(const QString& t, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* i = new QTableWidgetItem(t);
    i->setTextAlignment(a);
    return i;
}

std::vector<int> validos(const int32_t* t, int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        if (t[i] >= 0) v.push_back(t[i]);
    return v;
}

bool temjogos(const Mundo& m, int competicao, int regiao) {
    for (const TPartida& p : m.partidas)
        if (p.competicao == competicao && p.liga == regiao) return true;
    return false;
}

}  // namespace

TelaTabelaJogos::TelaTabelaJogos(Mundo& m, QWidget* parent) : QWidget(parent), m_(m) {
    setObjectName("TForm63");
    setWindowTitle("Tabela jogos");
    setWindowFlag(Qt::FramelessWindowHint);

    auto* raiz = new QVBoxLayout(this);
    auto* botoes = new QHBoxLayout;
    raiz->addLayout(botoes);
    struct Botao {
        const char* nome;
        const char* texto;
        int competicao, regiao;
        bool visivel;
    };
    const TEstadoJogo& e = m.estado;
    const Botao lista[] = {
        {"nacional", "Nacional", kLiga, 0, !m.ligas.empty()},
        {"estadual", "Estadual", kEstadual, -1, e.ckestadual != 0},
        {"libertadores", "Libertadores", kContinental1, 1, temjogos(m, kContinental1, 1)},
        {"sulamericana", "Sul-Americana", kContinental2, 1, temjogos(m, kContinental2, 1)},
        {"ligacampeoes", "Liga Campeões", kContinental1, 2, temjogos(m, kContinental1, 2)},
        {"copauefa", "Copa UEFA", kContinental2, 2, temjogos(m, kContinental2, 2)},
    };
    for (const Botao& b : lista) {
        auto* w = new QPushButton(QString::fromUtf8(b.texto), this);
        w->setObjectName(b.nome);
        w->setVisible(b.visivel);
        botoes->addWidget(w);
        const int c = b.competicao, r = b.regiao;
        connect(w, &QPushButton::clicked, this, [this, c, r] {
            int regiao = r;
            // The state fixtures open on the coach's own state when it has a championship.
            if (c == kEstadual) {
                const int t = m_.estado.timeatual;
                const int uf = t >= 0 && t < static_cast<int>(m_.times.size()) ? m_.times[static_cast<size_t>(t)].estado : -1;
                if (estadovalido(uf) && m_.estaduais[static_cast<size_t>(uf)].temestadual) regiao = uf;
            }
            if (c == kEstadual)
                for (int s = 0; s < kNumEstados && regiao < 0; ++s)
                    if (m_.estaduais[static_cast<size_t>(s)].temestadual) regiao = s;
            mostra(c, regiao);
        });
    }
    botoes->addStretch(1);

    auto* topo = new QHBoxLayout;
    raiz->addLayout(topo);
    titulo_ = rotulotitulo(this, "titulo", 1.0);
    topo->addWidget(titulo_);
    regiaocombo_ = new QComboBox(this);
    regiaocombo_->setObjectName("regiao");
    // Refilled for each competition: it grows to the longest entry ("MS - Sul-matogrossense").
    regiaocombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    topo->addWidget(regiaocombo_);
    topo->addStretch(1);
    anterior_ = new QPushButton("<", this);
    anterior_->setObjectName("anterior");
    rotulorodada_ = new QLabel(this);
    rotulorodada_->setObjectName("rodada");
    proxima_ = new QPushButton(">", this);
    proxima_->setObjectName("proxima");
    topo->addWidget(anterior_);
    topo->addWidget(rotulorodada_);
    topo->addWidget(proxima_);

    // One list per line, each as tall as its matches, in a scrolling area: the clubs' names,
    // "Público" and "Renda" show in full at the designed width.
    auto* rolagem = new QScrollArea(this);
    rolagem->setObjectName("rolagem");
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    area_ = new QWidget(rolagem);
    area_->setAutoFillBackground(false);
    rolagem->viewport()->setAutoFillBackground(false);
    grade_ = new QGridLayout(area_);
    grade_->setContentsMargins(0, 0, 0, 0);
    grade_->setAlignment(Qt::AlignTop);
    rolagem->setWidget(area_);
    raiz->addWidget(rolagem, 1);

    auto* baixo = new QHBoxLayout;
    raiz->addLayout(baixo);
    baixo->addStretch(1);
    // The knock-out rounds of the continental cups open in their own window, on the cup shown.
    auto* segundafase = new QPushButton("Tabela 2ª fase", this);
    segundafase->setObjectName("segundafase");
    segundafase->setVisible(temjogos(m, kContinental1, 1) || temjogos(m, kContinental1, 2));
    baixo->addWidget(segundafase);
    connect(segundafase, &QPushButton::clicked, this, [this] {
        const bool continental = competicao_ == kContinental1 || competicao_ == kContinental2;
        auto* t = new TelaChaveContinental(m_, continental ? competicao_ : kContinental1,
                                           continental && regiao_ == 2 ? 2 : 1, this);
        t->setAttribute(Qt::WA_DeleteOnClose);
        t->open();
    });
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    baixo->addWidget(fechar);

    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    connect(anterior_, &QPushButton::clicked, this, &TelaTabelaJogos::anterior);
    connect(proxima_, &QPushButton::clicked, this, &TelaTabelaJogos::proxima);
    connect(regiaocombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (preenchendo_ || i < 0 || i >= static_cast<int>(regioes_.size())) return;
        mostra(competicao_, regioes_[static_cast<size_t>(i)]);
    });

    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);

    // The league of the first human coach, else the first league.
    int liga = 0;
    for (int k = 0; k < e.numtecnicoshumanos && k < kMaxHumanos; ++k) {
        const int t = e.timedotecnico[k];
        if (t < 0 || t >= static_cast<int>(m.times.size())) continue;
        for (size_t l = 0; l < m.ligas.size(); ++l)
            if (m.ligas[l].pais == m.times[static_cast<size_t>(t)].pais) liga = static_cast<int>(l);
        break;
    }
    mostra(kLiga, liga);
}

void TelaTabelaJogos::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

int TelaTabelaJogos::rodadasporturno() const {
    switch (competicao_) {
        case kLiga: return m_.estado.sistemadisputa == 2 ? 19 : 9;
        case kEstadual: return 5;
        default: return 3;
    }
}

void TelaTabelaJogos::mostra(int competicao, int regiao) {
    competicao_ = competicao;
    regiao_ = regiao;
    preencheregioes();
    // First round with a match still to be played.
    const int total = 2 * rodadasporturno();
    indice_ = total - 1;
    int primeiro = total;
    for (const TPartida& p : m_.partidas)
        if (p.competicao == competicao_ && p.liga == regiao_ && !p.jogado && p.rodada >= 1 &&
            p.rodada <= rodadasporturno() && (p.turno == 1 || p.turno == 2))
            primeiro = std::min(primeiro, (p.turno - 1) * rodadasporturno() + p.rodada - 1);
    if (primeiro < total) indice_ = primeiro;
    monta();
}

void TelaTabelaJogos::anterior() {
    if (indice_ > 0) --indice_;
    monta();
}

void TelaTabelaJogos::proxima() {
    if (indice_ < 2 * rodadasporturno() - 1) ++indice_;
    monta();
}

void TelaTabelaJogos::preencheregioes() {
    preenchendo_ = true;
    regiaocombo_->clear();
    regioes_.clear();
    if (competicao_ == kLiga) {
        for (int l = 0; l < static_cast<int>(m_.ligas.size()); ++l) {
            regiaocombo_->addItem(iconebandeira(m_.ligas[static_cast<size_t>(l)].pais), texto(nomepais(m_.ligas[static_cast<size_t>(l)].pais)));
            regioes_.push_back(l);
        }
    } else if (competicao_ == kEstadual) {
        for (int s = 0; s < kNumEstados; ++s)
            if (m_.estaduais[static_cast<size_t>(s)].temestadual) {
                regiaocombo_->addItem(iconebandeiraestado(s), texto(siglaestado(s)) + " - " + texto(adjetivoestado(s)));
                regioes_.push_back(s);
            }
    }
    const auto it = std::find(regioes_.begin(), regioes_.end(), regiao_);
    regiaocombo_->setCurrentIndex(it == regioes_.end() ? -1 : static_cast<int>(it - regioes_.begin()));
    regiaocombo_->setVisible(!regioes_.empty());
    preenchendo_ = false;
}

std::vector<std::pair<QString, std::vector<int>>> TelaTabelaJogos::blocos() const {
    std::vector<std::pair<QString, std::vector<int>>> b;
    if (competicao_ == kLiga) {
        if (regiao_ < 0 || regiao_ >= static_cast<int>(m_.ligas.size())) return b;
        const TLiga& l = m_.ligas[static_cast<size_t>(regiao_)];
        for (int d = 0; d < std::clamp(l.numdivisoes, 0, 4); ++d)
            b.push_back({QString::number(d + 1) + "ª divisão", validos(l.times[d], 20)});
    } else if (competicao_ == kEstadual) {
        if (!estadovalido(regiao_)) return b;
        const TEstadual& s = m_.estaduais[static_cast<size_t>(regiao_)];
        for (int g = 0; g < std::clamp(s.numgrupos, 0, 5); ++g)
            b.push_back({QString("Grupo %1").arg(g + 1), validos(s.grupos[g], 6)});
    } else {
        const int32_t(&grupos)[8][4] = gruposcontinentais(m_, competicao_, regiao_);
        for (int g = 0; g < 8; ++g) b.push_back({QString("Grupo %1").arg(g + 1), validos(grupos[g], 4)});
    }
    return b;
}

void TelaTabelaJogos::monta() {
    for (QTableWidget* t : listas_) delete t->parentWidget();
    listas_.clear();
    jogos_.clear();
    titulo_->setText(texto(nomecompeticao(m_, competicao_, regiao_)));
    rotulorodada_->setText(QString("%1ª rodada - %2º turno").arg(rodada()).arg(turno()));
    anterior_->setEnabled(indice_ > 0);
    proxima_->setEnabled(indice_ < 2 * rodadasporturno() - 1);

    const auto lista = blocos();
    auto humano = [this](int t) { return t >= 0 && t < static_cast<int>(m_.times.size()) && m_.times[static_cast<size_t>(t)].humano; };
    // Club lists take a line each; the continental groups of two matches go two to a line.
    const int colunas = competicao_ == kLiga || competicao_ == kEstadual ? 1 : 2;
    for (size_t k = 0; k < lista.size(); ++k) {
        std::vector<int> jogos;
        for (size_t i = 0; i < m_.partidas.size(); ++i) {
            const TPartida& p = m_.partidas[i];
            if (p.competicao != competicao_ || p.liga != regiao_ || p.rodada != rodada() || p.turno != turno())
                continue;
            const auto& clubes = lista[k].second;
            if (std::find(clubes.begin(), clubes.end(), p.mandante) == clubes.end()) continue;
            jogos.push_back(static_cast<int>(i));
        }
        auto* caixa = new QWidget(area_);
        auto* l = new QVBoxLayout(caixa);
        l->setContentsMargins(2, 2, 2, 2);
        l->setSpacing(1);
        auto* rotulo = new QLabel(lista[k].first, caixa);
        rotulo->setObjectName("titulolista");
        l->addWidget(rotulo);
        auto* t = new QTableWidget(static_cast<int>(jogos.size()), 5, caixa);
        t->setObjectName(QString("lista%1").arg(k + 1));
        t->setHorizontalHeaderLabels({"Mandante", "", "Visitante", "Público", "Renda"});
        t->verticalHeader()->hide();
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 2);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->setIconSize(QSize(14, 14));
        for (int r = 0; r < static_cast<int>(jogos.size()); ++r) {
            const TPartida& p = m_.partidas[static_cast<size_t>(jogos[static_cast<size_t>(r)])];
            auto* mandante = item(nomeclube(m_, p.mandante), Qt::AlignRight | Qt::AlignVCenter);
            mandante->setIcon(escudos_.icone(m_, p.mandante));
            auto* visitante = item(nomeclube(m_, p.visitante));
            visitante->setIcon(escudos_.icone(m_, p.visitante));
            t->setItem(r, 0, mandante);
            t->setItem(r, 1,
                       item(p.jogado ? QString("%1 x %2").arg(p.golsmandante).arg(p.golsvisitante) : QString("x"),
                            Qt::AlignCenter));
            t->setItem(r, 2, visitante);
            t->setItem(r, 3, item(p.jogado ? texto(formatadinheiro(p.publico)) : QString(),
                                  Qt::AlignRight | Qt::AlignVCenter));
            t->setItem(r, 4, item(p.jogado ? "$ " + texto(formatadinheiro(p.renda)) : QString(),
                                  Qt::AlignRight | Qt::AlignVCenter));
            for (int c = 0; c < 5; ++c) t->item(r, c)->setBackground(corlinha(r));
            if (humano(p.mandante) || humano(p.visitante)) destacalinha(t, r);
        }
        // Names share what the figures leave, so "Público" and "Renda" always show in full.
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        t->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setFixedHeight(t->horizontalHeader()->sizeHint().height() +
                          t->verticalHeader()->defaultSectionSize() * std::max(1, t->rowCount()) + 2 * t->frameWidth());
        // A played match opens its stored report.
        connect(t, &QTableWidget::cellDoubleClicked, this, [this, jogos](int r, int) {
            if (r >= 0 && r < static_cast<int>(jogos.size()))
                abrerelatorio(this, m_, relatoriodapartida(m_, jogos[static_cast<size_t>(r)]));
        });
        l->addWidget(t);
        caixa->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        grade_->addWidget(caixa, static_cast<int>(k) / colunas, static_cast<int>(k) % colunas);
        listas_.push_back(t);
        jogos_.push_back(std::move(jogos));
    }
}

}  // namespace tarvello
