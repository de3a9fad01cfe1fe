#include "ui/tela_principal.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "club/emprestimos.h"
#include "club/financas.h"
#include "club/leilao.h"
#include "club/screens/busca_tela.h"
#include "club/screens/clubes_tela.h"
#include "club/screens/leilao_tela.h"
#include "club/screens/transferencias_tela.h"
#include "club/screens/venda_tela.h"
#include "club/transferencias.h"
#include "club/plantel_textos.h"
#include "club/screens/contrato_tela.h"
#include "club/screens/amistosos_tela.h"
#include "club/screens/estadio_tela.h"
#include "club/screens/financas_tela.h"
#include "club/screens/plantel_dialogos.h"
#include "competitions/calendario.h"
#include "competitions/vagas.h"
#include "competitions/screens/calendario_clube_tela.h"
#include "competitions/screens/classificacao_tela.h"
#include "competitions/screens/continentais_tela.h"
#include "competitions/screens/copa_tela.h"
#include "competitions/screens/tabela_jogos_tela.h"
#include "competitions/screens/torneio_tela.h"
#include "competitions/torneio.h"
#include "match/screens/relatorio_tela.h"
#include "model/datas.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/opcoes.h"
#include "model/tipos.h"
#include "news/mensagens.h"
#include "records/screens/artilheiros_tela.h"
#include "records/screens/campeoes_tela.h"
#include "records/screens/confrontos_tela.h"
#include "records/screens/ranking_clubes_tela.h"
#include "records/screens/ranking_tecnicos_tela.h"
#include "records/screens/historicoclube_tela.h"
#include "ui/escudos_tela.h"
#include "season/screens/carreira_telas.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// Grid columns in order: key and header text. The hidden ones carry the index, the numbers
// sorted by and the line-up status.
struct TColuna {
    const char* chave;
    const char* titulo;
    bool oculta;
    const char* dica = nullptr;  // the full word behind a short heading
};
constexpr TColuna kColunas[] = {
    {"id", "id", true},          {"status", "Nº", false},          {"posicaojog", "P", false},
    {"condicao", "", false},     {"nome", "Nome", false},          {"funcaojog", "Função", false},
    {"forca", "F", false, "Força"}, {"energia", "Energia", false},  {"salario", "Salário", false},
    {"passe", "Valor", false},   {"gols", "G", false, "Gols"},      {"habilidades", "Caract.", false, "Características"},
    {"idade", "Id.", false, "Idade"}, {"moral", "M", false, "Moral"}, {"passet", "passet", true},
    {"salariot", "salariot", true}, {"nxstatus", "nxstatus", true},
};

int col(const char* chave) {
    for (int i = 0; i < static_cast<int>(std::size(kColunas)); ++i)
        if (std::string_view(kColunas[i].chave) == chave) return i;
    return -1;
}

// Shirt-number images: the number on the starter (green), reserve (amber) or unselected (grey)
// colour; 87 a red cross for an unavailable player, 88 a blue clock for one who may only play
// from the next match.
QIcon iconestatus(int imagem) {
    static QHash<int, QIcon> cache;
    auto it = cache.find(imagem);
    if (it != cache.end()) return *it;
    QPixmap px(26, 18);
    QColor fundo;
    QString texto;
    if (imagem == 87) {
        fundo = QColor(200, 40, 40);
        texto = "X";
    } else if (imagem == 88) {
        fundo = QColor(40, 90, 200);
        texto = "P";
    } else {
        const int cor = imagem / 29, numero = imagem % 29;
        fundo = cor == 0 ? QColor(30, 150, 60) : cor == 1 ? QColor(230, 160, 20) : QColor(170, 170, 170);
        texto = numero > 0 ? QString::number(numero) : QString("-");
    }
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fundo);
    p.setPen(fundo.darker(140));
    p.drawRoundedRect(QRectF(0.5, 0.5, 25, 17), 4, 4);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.drawText(px.rect(), Qt::AlignCenter, texto);
    p.end();
    return *cache.insert(imagem, QIcon(px));
}

// Condition images as short marks: suspended, injured, three cards, and the star.
QString textocondicao(int imagem) {
    const bool estrela = imagem >= 5 && imagem != 12;
    const int c = estrela ? imagem - 4 : imagem;
    QString t = c == 1 ? "S" : c == 3 ? "+" : c == 4 ? "3A" : "";
    if (estrela || imagem == 12) t = "★" + t;
    return t;
}
QString dicacondicao(int imagem) {
    const int c = imagem >= 5 && imagem != 12 ? imagem - 4 : imagem;
    QString t = c == 1 ? "Suspenso" : c == 3 ? "Contundido" : c == 4 ? "3 cartões amarelos" : "";
    if (imagem >= 5) t = t.isEmpty() ? "Estrela" : "Estrela - " + t;
    return t;
}

QString textomoral(int moral) { return moral <= 1 ? "Ruim" : moral == 2 ? "Boa" : "Excelente"; }
QColor cormoral(int moral) {
    return moral <= 1 ? QColor(190, 30, 30) : moral == 2 ? QColor(60, 60, 60) : QColor(20, 130, 40);
}

QIcon iconemoral(int moral) {
    static QHash<int, QIcon> cache;
    const int chave = std::clamp(moral, 0, 3);
    if (auto it = cache.find(chave); it != cache.end()) return *it;
    QPixmap px(14, 14);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(cormoral(chave));
    p.setPen(cormoral(chave).darker(150));
    p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    p.end();
    return *cache.insert(chave, QIcon(px));
}

// Position colours of the options are stored red in the low byte.
QColor corposicao(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QTableWidgetItem* item(const QString& texto, Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* i = new QTableWidgetItem(texto);
    i->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    i->setTextAlignment(alinhamento);
    return i;
}
QTableWidgetItem* numero(int n) {
    auto* i = item(QString::number(n), Qt::AlignRight | Qt::AlignVCenter);
    i->setData(Qt::UserRole, n);
    return i;
}

}  // namespace

TelaPrincipal::TelaPrincipal(Mundo& mundo, QWidget* parent) : QMainWindow(parent), mundo_(&mundo) {
    setObjectName("TForm13");
    setWindowTitle("Tarvello 2008");
    setWindowFlag(Qt::FramelessWindowHint);
    montamenus();

    auto* centro = new QWidget(this);
    centro->setObjectName("centro");
    auto* v = new QVBoxLayout(centro);

    // Top: club, coach, money, date, league, next match and news.
    auto* topo = new QGridLayout;
    clube_ = new QLabel(centro);
    clube_->setObjectName("clube");
    QFont f = clube_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.8);
    clube_->setFont(f);
    auto* nomeclube = new QHBoxLayout;
    bandeira_ = new QLabel(centro);
    bandeira_->setObjectName("bandeira");
    nomeclube->addWidget(bandeira_);
    nomeclube->addWidget(clube_, 1);
    topo->addLayout(nomeclube, 0, 0, 1, 2);
    tecnico_ = new QLabel(centro);
    tecnico_->setObjectName("tecnico");
    topo->addWidget(tecnico_, 1, 0, 1, 2);
    // The money and its caption open the club's finances.
    seudinheiro_ = new QLabel("Seu dinheiro:", centro);
    seudinheiro_->setObjectName("seudinheiro");
    topo->addWidget(seudinheiro_, 2, 0);
    dinheiro_ = new QLabel(centro);
    dinheiro_->setObjectName("dinheiro");
    topo->addWidget(dinheiro_, 2, 1);
    for (QLabel* l : {seudinheiro_, dinheiro_}) {
        l->setCursor(Qt::PointingHandCursor);
        l->setToolTip("Finanças do Time");
        l->installEventFilter(this);
    }
    data_ = new QLabel(centro);
    data_->setObjectName("data");
    topo->addWidget(data_, 0, 2);
    liga_ = new QLabel(centro);
    liga_->setObjectName("liga");
    topo->addWidget(liga_, 1, 2);
    adversario_ = new QLabel(centro);
    adversario_->setObjectName("adversario");
    topo->addWidget(adversario_, 2, 2);
    noticias_ = new QLabel(centro);
    noticias_->setObjectName("noticias");
    topo->addWidget(noticias_, 3, 2);
    topo->setColumnStretch(1, 1);
    topo->setColumnStretch(2, 1);
    v->addLayout(topo);

    // Centre: the squad grid beside the team and player tabs.
    auto* meio = new QHBoxLayout;
    grade_ = new QTableWidget(centro);
    grade_->setObjectName("plantel");
    grade_->setColumnCount(static_cast<int>(std::size(kColunas)));
    for (int c = 0; c < grade_->columnCount(); ++c) {
        auto* h = new QTableWidgetItem(kColunas[c].titulo);
        h->setData(Qt::UserRole, QString(kColunas[c].chave));
        if (kColunas[c].dica) h->setToolTip(QString::fromUtf8(kColunas[c].dica));
        grade_->setHorizontalHeaderItem(c, h);
        grade_->setColumnHidden(c, kColunas[c].oculta);
    }
    grade_->verticalHeader()->setVisible(false);
    grade_->verticalHeader()->setDefaultSectionSize(20);
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->setIconSize(QSize(26, 18));
    grade_->setContextMenuPolicy(Qt::CustomContextMenu);
    grade_->horizontalHeader()->setSectionsClickable(true);
    grade_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grade_->horizontalHeader()->setSectionResizeMode(col("nome"), QHeaderView::Stretch);
    grade_->horizontalHeader()->setMinimumSectionSize(16);
    grade_->horizontalHeader()->setSectionResizeMode(col("energia"), QHeaderView::Fixed);

    connect(grade_, &QTableWidget::cellClicked, this, &TelaPrincipal::clicou);
    connect(grade_, &QTableWidget::customContextMenuRequested, this, &TelaPrincipal::menujogador);
    connect(grade_->horizontalHeader(), &QHeaderView::sectionClicked, this, &TelaPrincipal::ordena);
    meio->addWidget(grade_, 3);

    abas_ = new QTabWidget(centro);
    abas_->setObjectName("abas");
    abas_->addTab(montaladotime(abas_), "Time");
    abas_->addTab(montapainel(abas_), "Jogador");
    meio->addWidget(abas_, 1);
    v->addLayout(meio, 1);

    auto* botoes = new QHBoxLayout;
    auto* noticias = new QPushButton("Notícias", centro);
    noticias->setObjectName("botaonoticias");
    noticias->setShortcut(Qt::Key_F7);
    connect(noticias, &QPushButton::clicked, this, &TelaPrincipal::abrenoticias);
    botoes->addWidget(noticias);
    botoes->addStretch(1);
    motivo_ = new QLabel(centro);
    motivo_->setObjectName("motivo");
    motivo_->setStyleSheet("color: rgb(180, 0, 0);");
    botoes->addWidget(motivo_);
    jogar_ = new QPushButton("Jogar >>", centro);
    jogar_->setObjectName("jogar");
    connect(jogar_, &QPushButton::clicked, this, &TelaPrincipal::confirma);
    botoes->addWidget(jogar_);
    v->addLayout(botoes);
    setCentralWidget(centro);

    // The squad first: showing it checks the contracts, which may post to the inbox.
    montaplantel();
    // Messages more than two weeks old stop counting as news when the screen is built.
    contanaolidas(mundo, mundo.estado.timeatual, datahoje(mundo));
    atualiza();
    resize(800, 600);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
    ajustaaotamanho();
}

void TelaPrincipal::ajustaaotamanho() {
    // Thirteen columns share the designed width: a slightly smaller type, tight margins, a
    // narrow energy bar and a narrow side panel leave the names room to show in full. Sizes
    // follow the window's scale.
    const double f = std::max(1.0, width() / 800.0);
    QFont fg = font();
    if (fg.pointSizeF() > 0) fg.setPointSizeF(fg.pointSizeF() * 0.9);
    grade_->setFont(fg);
    grade_->horizontalHeader()->setFont(fg);
    QFont negrito = font();
    negrito.setBold(true);
    motivo_->setFont(negrito);
    grade_->setColumnWidth(col("energia"), grade_->fontMetrics().horizontalAdvance("Energia") + 4);
    grade_->verticalHeader()->setDefaultSectionSize(static_cast<int>(20 * f));
    abas_->setMinimumWidth(static_cast<int>(170 * f));
    abas_->setMaximumWidth(static_cast<int>(190 * f));
    preenchegrade();
}

TelaPrincipal::~TelaPrincipal() = default;

QWidget* TelaPrincipal::montaladotime(QWidget* pai) {
    auto* w = new QWidget(pai);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(3, 6, 3, 6);  // the tab is narrow: the lists get its whole width
    v->addWidget(new QLabel("Seleção tática automática:", w));
    esquemas_ = new QListWidget(w);
    esquemas_->setObjectName("esquemas");
    esquemas_->setMaximumHeight(130);
    connect(esquemas_, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) {
        if (preenchendo_ || !i) return;
        escalaautomatica(*mundo_, plantel_, i->text().toStdString());
        preenchegrade();
        mostracontagem();
    });
    v->addWidget(esquemas_);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel("Titulares:", w), 0, 0);
    titulares_ = new QLabel(w);
    titulares_->setObjectName("titulares");
    g->addWidget(titulares_, 0, 1);
    g->addWidget(new QLabel("Reservas:", w), 1, 0);
    reservas_ = new QLabel(w);
    reservas_->setObjectName("reservas");
    g->addWidget(reservas_, 1, 1);
    g->addWidget(new QLabel("Esquema:", w), 2, 0);
    esquema_ = new QLabel(w);
    esquema_->setObjectName("esquema");
    QFont f = esquema_->font();
    f.setBold(true);
    esquema_->setFont(f);
    g->addWidget(esquema_, 2, 1);
    // The two lists take the tab's whole width below their captions, so long names show.
    g->addWidget(new QLabel("Capitão:", w), 3, 0, 1, 2);
    capitao_ = new QComboBox(w);
    capitao_->setObjectName("capitao");
    g->addWidget(capitao_, 4, 0, 1, 2);
    g->addWidget(new QLabel("Cobrança faltas:", w), 5, 0, 1, 2);
    cobrador_ = new QComboBox(w);
    cobrador_->setObjectName("cobrador");
    g->addWidget(cobrador_, 6, 0, 1, 2);
    for (QComboBox* c : {capitao_, cobrador_}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(12);
    }
    g->setColumnStretch(1, 1);
    v->addLayout(g);
    // Choosing an entry names the player at once.
    auto escolhe = [this](QComboBox* c, bool capitao) {
        connect(c, &QComboBox::activated, this, [this, c, capitao](int i) {
            const int j = c->itemData(i).toInt();
            if (j <= 0 || plantel_.time < 0) return;
            TTime& t = mundo_->times[static_cast<size_t>(plantel_.time)];
            (capitao ? t.capitao : t.cobradorfaltas) = j;
        });
    };
    escolhe(capitao_, true);
    escolhe(cobrador_, false);

    v->addWidget(new QLabel("Confiança diretoria:", w));
    diretoria_ = new QProgressBar(w);
    diretoria_->setObjectName("confiancadiretoria");
    diretoria_->setRange(0, 100);
    v->addWidget(diretoria_);
    v->addWidget(new QLabel("Confiança torcida:", w));
    torcida_ = new QProgressBar(w);
    torcida_->setObjectName("confiancatorcida");
    torcida_->setRange(0, 100);
    v->addWidget(torcida_);
    moral_ = new QLabel(w);
    moral_->setObjectName("moraltime");
    v->addWidget(moral_);
    salvar_ = new QCheckBox("Salvar escalação", w);
    salvar_->setObjectName("salvarescalacao");
    salvar_->setChecked(mundo_->estado.salvarescalacao != 0);
    connect(salvar_, &QCheckBox::toggled, this,
            [this](bool b) {
                mundo_->estado.salvarescalacao = b ? 1 : 0;
                // The game keeps the choice even when the file cannot be written.
                if (!opcoes_.empty()) gravaopcao(opcoes_, kSecaoOpcoes, "opescalacao", b ? "1" : "0");
            });
    v->addWidget(salvar_);
    v->addStretch(1);
    return w;
}

QWidget* TelaPrincipal::montapainel(QWidget* pai) {
    auto* paginas = new QTabWidget(pai);
    auto* w = new QWidget(paginas);
    auto* v = new QVBoxLayout(w);
    auto rotulo = [&](const char* nome) {
        auto* l = new QLabel(w);
        l->setObjectName(nome);
        l->setWordWrap(true);
        v->addWidget(l);
        return l;
    };
    pnome_ = rotulo("jnome");
    QFont f = pnome_->font();
    f.setBold(true);
    pnome_->setFont(f);
    pposicao_ = rotulo("jposicao");
    pforca_ = rotulo("jforca");
    pidade_ = rotulo("jidade");
    psalario_ = rotulo("jsalario");
    ppasse_ = rotulo("jpasse");
    pjogos_ = rotulo("jjogos");
    pgols_ = rotulo("jgols");
    pamarelos_ = rotulo("jamarelos");
    phabilidades_ = rotulo("jhabilidades");
    psituacao_ = rotulo("jsituacao");
    psituacao_->setStyleSheet("color: rgb(180, 0, 0)");
    pcontrato_ = rotulo("jcontrato");
    pmudaposicao_ = new QPushButton("posição", w);
    pmudaposicao_->setObjectName("botaoposicao");
    connect(pmudaposicao_, &QPushButton::clicked, this, [this] {
        if (jogadorpainel_ > 0) mudaposicao(jogadorpainel_);
    });
    v->addWidget(pmudaposicao_);
    pvende_ = new QPushButton("vender", w);
    pvende_->setObjectName("botaovender");
    connect(pvende_, &QPushButton::clicked, this, [this] {
        if (jogadorpainel_ > 0) vende(jogadorpainel_);
    });
    v->addWidget(pvende_);
    pbotaocontrato_ = new QPushButton("contrato", w);
    pbotaocontrato_->setObjectName("botaocontrato");
    connect(pbotaocontrato_, &QPushButton::clicked, this, [this] {
        if (jogadorpainel_ > 0) propoecontrato(jogadorpainel_);
    });
    v->addWidget(pbotaocontrato_);
    pretiravenda_ = new QPushButton("Jogador à venda, clique aqui para retira-lo", w);
    pretiravenda_->setObjectName("retiravenda");
    connect(pretiravenda_, &QPushButton::clicked, this, [this] {
        if (jogadorpainel_ <= 0) return;
        retiradavenda(*mundo_, jogadorpainel_);
        const int l = plantel_.linhadojogador(jogadorpainel_);
        if (l >= 0) preenchelinha(l);
        mostrajogador(jogadorpainel_);
    });
    v->addWidget(pretiravenda_);
    paposenta_ = new QPushButton("aposentar", w);
    paposenta_->setObjectName("botaoaposentar");
    connect(paposenta_, &QPushButton::clicked, this, [this] {
        if (jogadorpainel_ > 0) aposenta(jogadorpainel_);
    });
    v->addWidget(paposenta_);
    v->addStretch(1);
    paginas->addTab(w, "Informações");
    mostrajogador(0);
    return paginas;
}

void TelaPrincipal::montamenus() {
    // Only commands whose windows exist are offered; the others join the menus with their
    // subsystems (rankings, friendlies).
    QMenu* opcoes = menuBar()->addMenu("Opções");
    QAction* salvar = opcoes->addAction("Salvar jogo");
    salvar->setShortcut(Qt::Key_F2);
    connect(salvar, &QAction::triggered, this, &TelaPrincipal::salvarjogo);
    QAction* preferencias = opcoes->addAction("Opções");
    preferencias->setShortcut(Qt::Key_F3);
    connect(preferencias, &QAction::triggered, this, &TelaPrincipal::abreopcoes);
    connect(opcoes->addAction("Se demitir"), &QAction::triggered, this, &TelaPrincipal::sedemitir);
    connect(opcoes->addAction("Sair do jogo"), &QAction::triggered, this, [this] {
        if (pergunta(this, "Deseja realmente sair do jogo? O que não foi salvo será perdido.")) QApplication::quit();
    });
    connect(opcoes->addAction("Sobre o jogo"), &QAction::triggered, this,
            [this] { mostramensagem(this, "Tarvello 2008"); });

    // The competition windows open over the main screen and close back to it.
    auto calendario = [this] {
        if (mundo_->estado.timeatual >= 0) abrejanela(new TelaCalendarioClube(*mundo_, mundo_->estado.timeatual, this));
    };
    auto classificacao = [this] { abrejanela(new TelaClassificacao(*mundo_, this)); };
    QMenu* tabela = menuBar()->addMenu("Tabela de jogos");
    connect(tabela->addAction("Jogos do seu time"), &QAction::triggered, this, calendario);
    connect(tabela->addAction("Tabela de jogos"), &QAction::triggered, this,
            [this] { abrejanela(new TelaTabelaJogos(*mundo_, this)); });
    if (mundo_->estado.ckcopa != 0 && !mundo_->ligas.empty())
        connect(tabela->addAction("Tabela Copa"), &QAction::triggered, this, [this] {
            // The cup of the coach's country, else of the first league.
            int liga = 0;
            const int c = mundo_->estado.timeatual;
            for (size_t l = 0; l < mundo_->ligas.size(); ++l)
                if (c >= 0 && mundo_->ligas[l].pais == mundo_->times[static_cast<size_t>(c)].pais)
                    liga = static_cast<int>(l);
            abrejanela(new TelaCopa(*mundo_, liga, this));
        });
    if (mundo_->estado.ckinter != 0)
        connect(tabela->addAction("2ª fase - Competições internacionais"), &QAction::triggered, this, [this] {
            // Cup 1 of the coach's confederation, South America for anyone else.
            const int c = mundo_->estado.timeatual;
            const int conf = c >= 0 ? confederacaocopas(mundo_->times[static_cast<size_t>(c)].pais) : 1;
            abrejanela(new TelaChaveContinental(*mundo_, kContinental1, conf == 2 ? 2 : 1, this));
        });
    // The season's national-team tournament, from its draw on.
    if (const int torneio = torneiodatemporada(*mundo_))
        connect(tabela->addAction(QString::fromStdString("Tabela " + nomecompeticao(*mundo_, torneio, -1))),
                &QAction::triggered, this, [this] { abrejanela(new TelaTorneio(*mundo_, this)); });
    QMenu* financas = menuBar()->addMenu("Finanças");
    connect(financas->addAction("Finanças do Time"), &QAction::triggered, this, &TelaPrincipal::abrefinancas);
    connect(financas->addAction("Empréstimo bancário"), &QAction::triggered, this, &TelaPrincipal::abreemprestimo);
    QAction* times = menuBar()->addAction("Ver todos os times");
    connect(times, &QAction::triggered, this, [this] { abreclubes(mundo_->estado.timeatual); });
    connect(new QShortcut(Qt::Key_F8, this), &QShortcut::activated, this, [this] { abreclubes(1); });
    QAction* procurar = menuBar()->addAction("Procurar jogador");
    connect(procurar, &QAction::triggered, this, &TelaPrincipal::abrebusca);
    montamenushistorico();
    QMenu* ranking = menuBar()->addMenu("Ranking de clubes");
    ranking->setObjectName("menurankingclubes");
    QAction* rc = ranking->addAction("Ranking de clubes");
    rc->setObjectName("rankingclubes");
    connect(rc, &QAction::triggered, this, [this] { abrejanela(new TelaRankingClubes(*mundo_, this)); });
    connect(ranking->addAction("Transferências de Jogadores"), &QAction::triggered, this,
            [this] { abrejanela(new TelaTransferencias(*mundo_, -1, this)); });
    QAction* confrontos = ranking->addAction("Histórico completo de confrontos");
    confrontos->setObjectName("confrontos");
    connect(confrontos, &QAction::triggered, this, [this] {
        // Starts on the coach's club and his next opponent.
        const Mundo& m = *mundo_;
        const int c = m.estado.timeatual;
        const int k = c >= 0 ? proximojogo(m, c, datahoje(m)) : -1;
        int outro = c;
        if (k >= 0) {
            const TPartida& p = m.partidas[static_cast<size_t>(k)];
            outro = p.mandante == c ? p.visitante : p.mandante;
        } else {
            // No match ahead: the last opponent.
            for (auto it = m.confrontos.rbegin(); it != m.confrontos.rend() && outro == c; ++it)
                if (it->mandante == c || it->visitante == c) outro = it->mandante == c ? it->visitante : it->mandante;
        }
        abrejanela(new TelaConfrontos(*mundo_, c, outro, this));
    });
    QAction* retro = ranking->addAction("Retrospecto do clube");
    retro->setObjectName("retrospecto");
    connect(retro, &QAction::triggered, this, [this] {
        if (mundo_->estado.timeatual >= 0) abrejanela(new TelaRetrospecto(*mundo_, mundo_->estado.timeatual, this));
    });
    QAction* tabelas = menuBar()->addAction("Classificação");
    tabelas->setToolTip("Tabela de classificação - F5");
    connect(tabelas, &QAction::triggered, this, classificacao);
    connect(new QShortcut(Qt::Key_F5, this), &QShortcut::activated, this, classificacao);
    connect(new QShortcut(Qt::Key_F4, this), &QShortcut::activated, this, calendario);
    montamenusclube(tabela);
}

void TelaPrincipal::montamenustecnicos(QMenu* tecnicos) {
    connect(tecnicos->addAction("Adicionar/Remover ténicos"), &QAction::triggered, this, [this] {
        TelaTecnicosHumanos t(*mundo_, this);
        centraliza(&t);
        t.exec();
    });
    connect(tecnicos->addAction("Últimas contratações de técnicos"), &QAction::triggered, this, [this] {
        TelaContratacoes t(*mundo_, this);
        centraliza(&t);
        t.exec();
    });
}

void TelaPrincipal::montamenushistorico() {
    // Rankings, champions and top scorers: windows that only read the histories.
    QMenu* tecnicos = menuBar()->addMenu("Ranking de técnicos");
    tecnicos->setObjectName("menurankingtecnicos");
    QAction* rt = tecnicos->addAction("Ranking de Técnicos");
    rt->setObjectName("rankingtecnicos");
    connect(rt, &QAction::triggered, this, [this] { abrejanela(new TelaRankingTecnicos(*mundo_, this)); });
    montamenustecnicos(tecnicos);
    QAction* campeoes = menuBar()->addAction("Campeões");
    campeoes->setObjectName("campeoes");
    connect(campeoes, &QAction::triggered, this, [this] { abrejanela(new TelaCampeoes(*mundo_, this)); });
    QAction* artilheiros = menuBar()->addAction("Artilheiros");
    artilheiros->setObjectName("artilheiros");
    artilheiros->setToolTip("Artilheiros");
    connect(artilheiros, &QAction::triggered, this, [this] { abrejanela(new TelaArtilheiros(*mundo_, this)); });
}

void TelaPrincipal::montamenusclube(QMenu* tabela) {
    // The stadium (F6, "Estádio") and friendlies (F9, "Jogos Amistosos") of the coach's club.
    auto estadio = [this] {
        auto* t = new TelaEstadio(*mundo_, mundo_->estado.timeatual, this);
        connect(t, &TelaEstadio::dinheiromudou, this, &TelaPrincipal::atualiza);
        abrejanela(t);
    };
    auto amistosos = [this] {
        auto* t = new TelaAmistosos(*mundo_, mundo_->estado.timeatual, false, this);
        connect(t, &TelaAmistosos::dinheiromudou, this, &TelaPrincipal::atualiza);
        abrejanela(t);
    };
    QAction* a = menuBar()->addAction("Estádio");
    a->setObjectName("estadio");
    a->setToolTip("Estádio");
    connect(a, &QAction::triggered, this, estadio);
    connect(new QShortcut(Qt::Key_F6, this), &QShortcut::activated, this, estadio);
    QAction* b = tabela->addAction("Jogos Amistosos");
    b->setObjectName("amistosos");
    connect(b, &QAction::triggered, this, amistosos);
    connect(new QShortcut(Qt::Key_F9, this), &QShortcut::activated, this, amistosos);
}

void TelaPrincipal::atualiza() {
    const Mundo& m = *mundo_;
    const int c = m.estado.timeatual;
    const bool valido = c >= 0 && c < static_cast<int>(m.times.size());
    const TTime* t = valido ? &m.times[static_cast<size_t>(c)] : nullptr;
    clube_->setText(t ? qs(t->nome.utf8()) : QString());
    const QIcon bandeira = iconebandeiraclube(m, c);
    bandeira_->setPixmap(bandeira.isNull() ? QPixmap() : bandeira.pixmap(30, 20));
    const int tc = m.estado.tecnicoatual;
    tecnico_->setText(tc >= 0 && tc < static_cast<int>(m.tecnicos.size())
                          ? "Técnico: " + qs(m.tecnicos[static_cast<size_t>(tc)].nome.utf8())
                          : QString());
    dinheiro_->setText(t ? "$ " + qs(formatamil(t->dinheiro)) : QString());
    liga_->setText(qs(competicaodehoje(m, c)));
    noticias_->setText(t ? qs(textonaolidas(naolidas(m, c))) : QString());
    const std::string adv = t ? textoproximoadversario(m, c) : std::string();
    adversario_->setText(adv.empty() ? QString() : "Próximo jogo: " + qs(adv));
    const int d = m.estado.dataatual;
    if (d >= 1 && d <= static_cast<int>(m.calendario.size()))
        data_->setText("Data: " + qs(textodatacurta(m.calendario[static_cast<size_t>(d - 1)].data)));
    diretoria_->setValue(t ? std::clamp(t->confiancadiretoria, 0, 100) : 0);
    torcida_->setValue(t ? std::clamp(t->confiancatorcida, 0, 100) : 0);
    moral_->setText(t ? qs(textomoraltime(t->moraltime)) : QString());
}

int TelaPrincipal::coluna(const QString& chave) const { return col(chave.toUtf8().constData()); }

int TelaPrincipal::jogadordalinha(int linha) const {
    if (linha < 0 || linha >= static_cast<int>(plantel_.linhas.size())) return 0;
    return plantel_.linhas[static_cast<size_t>(linha)].jogador;
}

void TelaPrincipal::montaplantel() {
    jogar_->setEnabled(false);
    plantel_ = tarvello::montaplantel(*mundo_, mundo_->estado.timeatual);
    preenchegrade();
    listaesquemas();
    mostracontagem();
    if (!plantel_.linhas.empty()) mostrajogador(plantel_.linhas.front().jogador);
}

void TelaPrincipal::preenchegrade() {
    preenchendo_ = true;
    grade_->setRowCount(static_cast<int>(plantel_.linhas.size()));
    for (int l = 0; l < grade_->rowCount(); ++l) preenchelinha(l);

    // Captain and free-kick lists follow the grid order.
    const Mundo& m = *mundo_;
    const bool valido = plantel_.time >= 0;
    for (QComboBox* c : {capitao_, cobrador_}) {
        c->clear();
        for (const TLinhaPlantel& l : plantel_.linhas) {
            const TJogador& j = m.jogadores[static_cast<size_t>(l.jogador)];
            c->addItem(qs(j.nome.utf8()) + " - " + QChar(letraposicao(j.posicaooriginal)), l.jogador);
        }
    }
    if (valido) {
        const TTime& t = m.times[static_cast<size_t>(plantel_.time)];
        capitao_->setCurrentIndex(capitao_->findData(t.capitao));
        cobrador_->setCurrentIndex(cobrador_->findData(t.cobradorfaltas));
    }
    preenchendo_ = false;
}

void TelaPrincipal::preenchelinha(int l) {
    const Mundo& m = *mundo_;
    const TLinhaPlantel& lp = plantel_.linhas[static_cast<size_t>(l)];
    const TJogador& j = m.jogadores[static_cast<size_t>(lp.jogador)];
    const QString dica = qs(dicacontrato(m, lp.jogador));

    auto* id = item(QString::number(lp.jogador));
    grade_->setItem(l, col("id"), id);
    auto* st = item(QString());
    st->setIcon(iconestatus(imagemstatus(lp.status, j.numero)));
    grade_->setItem(l, col("status"), st);
    grade_->setItem(l, col("posicaojog"), item(QChar(letraposicao(j.posicao)), Qt::AlignCenter));
    const int ic = imagemcondicao(m, lp.jogador);
    auto* cond = item(textocondicao(ic), Qt::AlignCenter);
    cond->setToolTip(dicacondicao(ic));
    if (ic != 12 && ic != 0) cond->setForeground(QColor(200, 0, 0));
    else cond->setForeground(QColor(200, 150, 0));
    grade_->setItem(l, col("condicao"), cond);
    grade_->setItem(l, col("nome"), item(qs(j.nome.utf8())));
    grade_->setItem(l, col("funcaojog"), item(qs(nomefuncao(j.posicao, j.funcao))));
    grade_->setItem(l, col("forca"), numero(j.forca));

    auto* energia = new QProgressBar(grade_);
    energia->setRange(0, 100);
    energia->setValue(std::clamp(j.energia, 0, 100));
    energia->setFormat("%v");
    energia->setMaximumHeight(grade_->verticalHeader()->defaultSectionSize() - 4);
    grade_->setCellWidget(l, col("energia"), energia);
    auto* valorenergia = numero(j.energia);
    valorenergia->setText({});  // the bar shows it; the number stays for sorting
    grade_->setItem(l, col("energia"), valorenergia);

    grade_->setItem(l, col("salario"), item(qs(formatadinheiro(j.salario)), Qt::AlignRight | Qt::AlignVCenter));
    const int valor = valorgrade(j);
    auto* passe = item(qs(formatak(valor)), Qt::AlignRight | Qt::AlignVCenter);
    passe->setToolTip(qs(formatamil(valor)));
    if (j.avenda) passe->setForeground(QColor(0, 0, 190));
    grade_->setItem(l, col("passe"), passe);
    grade_->setItem(l, col("gols"), numero(golsgrade(j)));
    auto* hab = item(qs(textohabilidades(j, false)));
    hab->setToolTip(qs(textohabilidades(j, true)));
    grade_->setItem(l, col("habilidades"), hab);
    grade_->setItem(l, col("idade"), numero(j.idade));
    // The morale as a coloured mark, its word in the hint: the grid has no room for the words.
    auto* moral = item(QString(), Qt::AlignCenter);
    moral->setIcon(iconemoral(j.moral));
    moral->setToolTip(textomoral(j.moral));
    moral->setData(Qt::UserRole, j.moral + 7);
    grade_->setItem(l, col("moral"), moral);
    grade_->setItem(l, col("passet"), numero(valor));
    grade_->setItem(l, col("salariot"), numero(j.salario));
    grade_->setItem(l, col("nxstatus"), item(QString::number(lp.status)));

    const QColor fundo = m.estado.cornalista && posicaovalida(j.posicao)
                             ? corposicao(m.estado.cores[j.posicao])
                             : corlinha(l);
    for (int c = 0; c < grade_->columnCount(); ++c) {
        if (QTableWidgetItem* i = grade_->item(l, c)) {
            i->setBackground(fundo);
            if (!dica.isEmpty() && c != col("condicao") && c != col("passe") && c != col("habilidades"))
                i->setToolTip(dica);
        }
    }
}

void TelaPrincipal::mostracontagem() {
    const TContagem& c = plantel_.contagem;
    titulares_->setText(QString::number(c.titulares));
    reservas_->setText(QString::number(c.reservas));
    esquema_->setText(qs(c.esquema));
    jogar_->setEnabled(c.podejogar);
    motivo_->setText(c.podejogar ? QString() : qs(c.motivo));
    preenchendo_ = true;
    esquemas_->clearSelection();
    esquemas_->setCurrentRow(-1);
    if (c.podejogar) {
        const auto achados = esquemas_->findItems(qs(c.esquema), Qt::MatchExactly);
        if (!achados.isEmpty()) esquemas_->setCurrentItem(achados.front());
    }
    preenchendo_ = false;
}

void TelaPrincipal::listaesquemas() {
    preenchendo_ = true;
    esquemas_->clear();
    if (plantel_.time >= 0)
        for (const std::string& e : tarvello::listaesquemas(*mundo_, plantel_.time)) esquemas_->addItem(qs(e));
    preenchendo_ = false;
}

void TelaPrincipal::mostrajogador(int jogador) {
    const Mundo& m = *mundo_;
    const bool valido = jogador > 0 && jogador < static_cast<int>(m.jogadores.size());
    jogadorpainel_ = valido ? jogador : 0;
    for (QLabel* l : {pnome_, pposicao_, pforca_, pidade_, psalario_, ppasse_, pjogos_, pgols_,
                      pamarelos_, phabilidades_, psituacao_, pcontrato_})
        l->clear();
    pmudaposicao_->setEnabled(valido);
    pbotaocontrato_->setEnabled(valido);
    pvende_->setEnabled(false);
    paposenta_->setEnabled(false);
    pretiravenda_->setVisible(false);
    if (!valido) return;
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    pnome_->setText(qs(textonumeronome(j)));
    pposicao_->setText(QChar(letraposicao(j.posicaooriginal)));
    pforca_->setText("Força: " + QString::number(j.forca));
    pidade_->setText("Idade: " + QString::number(j.idade));
    psalario_->setText("Salário: $ " + qs(formatadinheiro(j.salario)));
    ppasse_->setText("Valor passe: $ " + qs(formatadinheiro(j.passe)));
    int jogos = 0;
    for (int k = kLiga; k <= kMundialClubes; ++k) jogos += j.partidas[k];
    pjogos_->setText("Jogos: " + QString::number(jogos));
    pgols_->setText("Gols: " + QString::number(golsgrade(j)));
    const int k = m.estado.competicaoatual;
    pamarelos_->setText("Cartões amarelos: " +
                        QString::number(k >= 0 && k < kNumCompeticoes ? j.amarelos[k] : 0));
    phabilidades_->setText("Características: " + qs(textohabilidades(j, true)));
    psituacao_->setText(qs(textosituacao(m, jogador)));
    pcontrato_->setText(qs(textocontrato(m, jogador)));
    pmudaposicao_->setEnabled(podeimprovisar(j));
    pbotaocontrato_->setEnabled(podepropor(j));
    pvende_->setEnabled(podevender(m, j.time) && podetransferir(m, jogador));
    paposenta_->setEnabled(podeaposentar(j));
    pretiravenda_->setVisible(j.avenda != 0);
}

void TelaPrincipal::clicou(int linha, int coluna) {
    const int j = jogadordalinha(linha);
    if (j <= 0) return;
    mostrajogador(j);
    if (coluna == col("status")) {
        if (clicastatus(*mundo_, plantel_, linha)) {
            preenchelinha(linha);
            mostracontagem();
        }
    } else if (coluna == col("funcaojog")) {
        escolhefuncao(linha);
    }
}

void TelaPrincipal::escolhefuncao(int linha) {
    const int j = jogadordalinha(linha);
    const int posicao = mundo_->jogadores[static_cast<size_t>(j)].posicao;
    QMenu menu(this);
    menu.setObjectName("funcoes");
    const int n = posicao == kGoleiro ? 1 : posicao == kZagueiro ? 2 : 3;
    for (int f = 0; f < n; ++f) menu.addAction(qs(nomefuncao(posicao, f)))->setData(f);
    const QRect r = grade_->visualItemRect(grade_->item(linha, col("funcaojog")));
    QAction* a = menu.exec(grade_->viewport()->mapToGlobal(r.bottomLeft()));
    if (!a) return;
    mudafuncao(*mundo_, plantel_, linha, a->data().toInt());
    preenchelinha(linha);
    mostracontagem();
}

void TelaPrincipal::menujogador(const QPoint& pos) {
    const int linha = grade_->rowAt(pos.y());
    const int j = jogadordalinha(linha);
    if (j <= 0) return;
    grade_->selectRow(linha);
    mostrajogador(j);
    QMenu menu(this);
    menu.setObjectName("menujogador");
    const TJogador& jog = mundo_->jogadores[static_cast<size_t>(j)];
    QAction* contrato = menu.addAction("Propor contrato");
    contrato->setEnabled(podepropor(jog));
    QAction* vender = menu.addAction("Vender jogador");
    vender->setEnabled(podevender(*mundo_, jog.time) && podetransferir(*mundo_, j));
    QAction* posicao = menu.addAction("Mudar posição");
    posicao->setEnabled(podeimprovisar(mundo_->jogadores[static_cast<size_t>(j)]));
    QAction* numero = menu.addAction("Escolher número");
    QAction* aposentar = menu.addAction("Aposentar jogador");
    aposentar->setEnabled(podeaposentar(mundo_->jogadores[static_cast<size_t>(j)]));
    QAction* historico = menu.addAction("Histórico Jogos");
    // A loaned-in player can be sent back or bought.
    QAction* cancela = menu.addAction("Cancelar Empréstimo");
    QAction* compra = menu.addAction("Comprar jogador");
    cancela->setVisible(jog.emprestado == 2);
    compra->setVisible(jog.emprestado == 2);
    QAction* a = menu.exec(grade_->viewport()->mapToGlobal(pos));
    if (a == historico) abrejanela(new TelaHistoricoJogos(*mundo_, j, this));
    if (a == contrato) propoecontrato(j);
    else if (a == vender) vende(j);
    else if (a == cancela) {
        if (cancelaemprestimo(*mundo_, j)) elencomudou();
    } else if (a == compra) {
        if (compraemprestado(*mundo_, j)) elencomudou();
    }
    else if (a == posicao) mudaposicao(j);
    else if (a == numero) escolhenumero(j);
    else if (a == aposentar) aposenta(j);
}

void TelaPrincipal::aposenta(int jogador) {
    TelaAposentadoria t(*mundo_, jogador, this);
    if (t.exec() != QDialog::Accepted || !t.aposentou()) return;
    const int l = plantel_.linhadojogador(jogador);
    if (l >= 0) preenchelinha(l);
    contaescalacao(*mundo_, plantel_);
    listaesquemas();
    mostracontagem();
    mostrajogador(jogador);
    paposenta_->setEnabled(false);
}

void TelaPrincipal::mudaposicao(int jogador) {
    TelaImprovisa t(*mundo_, jogador, this);
    if (t.exec() != QDialog::Accepted || !t.mudou()) return;
    const int l = plantel_.linhadojogador(jogador);
    if (l >= 0) preenchelinha(l);
    contaescalacao(*mundo_, plantel_);
    listaesquemas();
    mostracontagem();
    // The coach looks at the line-up again before it can be played.
    jogar_->setEnabled(false);
    motivo_->setText("Confira a escalação após a mudança de posição");
    mostrajogador(jogador);
}

void TelaPrincipal::propoecontrato(int jogador) {
    TelaContrato t(*mundo_, jogador, this);
    t.exec();
    if (t.resultado() == TelaContrato::Renovado) {
        const int l = plantel_.linhadojogador(jogador);
        if (l >= 0) preenchelinha(l);
        mostrajogador(jogador);
        // The new contract stands; the panel offers no second proposal or sale until rebuilt.
        pbotaocontrato_->setEnabled(false);
    } else if (t.resultado() == TelaContrato::Leilao) {
        // The coach refused the player's demand: the player goes to auction.
        leiloa(jogador, -1);
    }
}

void TelaPrincipal::vende(int jogador) {
    TelaVenda t(*mundo_, jogador, this);
    t.exec();
    if (t.resultado() == TelaVenda::Leilao) {
        leiloa(jogador, t.preco());
    } else if (t.resultado() == TelaVenda::Listado) {
        const int l = plantel_.linhadojogador(jogador);
        if (l >= 0) preenchelinha(l);
        mostrajogador(jogador);
    }
}

void TelaPrincipal::leiloa(int jogador, int32_t preco) {
    TelaLeilao t(*mundo_, leilaodojogador(*mundo_, jogador, preco), this);
    t.exec();
    if (t.vendidos() > 0) elencomudou();
}

void TelaPrincipal::abreclubes(int time) {
    TelaClubes t(*mundo_, time, mundo_->estado.timeatual, this);
    t.exec();
    if (t.mudou()) elencomudou();
    atualiza();
}

void TelaPrincipal::abrebusca() {
    TelaBusca t(*mundo_, mundo_->estado.timeatual, this);
    bool mudou = false;
    connect(&t, &TelaBusca::elencomudou, this, [&mudou] { mudou = true; });
    t.exec();
    if (mudou) elencomudou();
    atualiza();
}

void TelaPrincipal::elencomudou() {
    // The squad grid, counts and formations are rebuilt; "Jogar >>" waits for a new line-up.
    montaplantel();
    atualiza();
}

void TelaPrincipal::abrefinancas() {
    TelaFinancas t(*mundo_, mundo_->estado.timeatual, this);
    t.exec();
    atualiza();
}

void TelaPrincipal::abreemprestimo() {
    TelaEmprestimo t(*mundo_, mundo_->estado.timeatual, this);
    connect(&t, &TelaEmprestimo::dinheiromudou, this, &TelaPrincipal::atualiza);
    t.exec();
    atualiza();
}

bool TelaPrincipal::eventFilter(QObject* o, QEvent* e) {
    if ((o == dinheiro_ || o == seudinheiro_) && e->type() == QEvent::MouseButtonRelease) {
        abrefinancas();
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void TelaPrincipal::escolhenumero(int jogador) {
    TelaNumero t(*mundo_, jogador, this);
    if (t.exec() != QDialog::Accepted || !t.mudou()) return;
    for (int l = 0; l < grade_->rowCount(); ++l) preenchelinha(l);  // a team-mate may lose his
    mostrajogador(jogador);
}

void TelaPrincipal::ordena(int coluna) {
    if (coluna == col("salario")) {
        ordemsalario_ = ordemsalario_ == 1 ? 2 : 1;
        ordenaplantel(*mundo_, plantel_, kPorSalario, ordemsalario_ == 1);
    } else if (coluna == col("passe")) {
        ordemvalor_ = ordemvalor_ == 1 ? 2 : 1;
        ordenaplantel(*mundo_, plantel_, kPorValor, ordemvalor_ == 1);
    } else if (coluna == col("posicaojog")) {
        ordenaplantel(*mundo_, plantel_, kPorPosicao);
    } else {
        return;
    }
    preenchegrade();
}

void TelaPrincipal::confirma() {
    if (!confirmaescalacao(*mundo_, plantel_)) {
        mostracontagem();
        return;
    }
    jogar_->setEnabled(false);
    emit jogar();
}

void TelaPrincipal::closeEvent(QCloseEvent* e) {
    // Alt+F4 does not leave the game; "Sair do jogo" does.
    if (e->spontaneous()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

}  // namespace tarvello
