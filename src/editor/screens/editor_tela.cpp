#include "editor/screens/editor_tela.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "database/bandeiras.h"
#include "database/escudos.h"
#include "editor/clubes.h"
#include "editor/screens/campos_editor.h"
#include "editor/screens/clube_dialogo.h"
#include "editor/screens/escudo_dialogo.h"
#include "editor/screens/jogador_dialogo.h"
#include "editor/screens/selecao_dialogo.h"
#include "editor/screens/transferencia_dialogo.h"
#include "editor/selecoes.h"
#include "ui/escudos_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

// Club list columns.
enum { kCId, kCClube, kCBandeira, kCPais, kCNivel, kCColunas };
// National list columns.
enum { kSId, kSBandeira, kSNome, kSNivel, kSColunas };
// Squad list columns.
enum { kJId, kJStatus, kJEstrela, kJNome, kJPosicao, kJPais, kJIdade, kJHabilidade, kJColunas };

QTableWidget* criagrade(QWidget* pai, const char* nome, const QStringList& titulos) {
    auto* g = new QTableWidget(pai);
    g->setObjectName(nome);
    g->setColumnCount(static_cast<int>(titulos.size()));
    g->setHorizontalHeaderLabels(titulos);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(22);
    g->setIconSize(QSize(kLarguraBandeira, kAlturaBandeira));
    g->setColumnHidden(0, true);
    return g;
}

QTableWidgetItem* celula(const QString& texto) { return new QTableWidgetItem(texto); }

QTableWidgetItem* celulanumero(int n) {
    auto* i = new QTableWidgetItem;
    i->setData(Qt::DisplayRole, n);
    return i;
}

QTableWidgetItem* celulabandeira(const QIcon& icone) {
    auto* i = new QTableWidgetItem;
    i->setIcon(icone);
    return i;
}

QToolButton* icone(QWidget* pai, const char* nome, QStyle::StandardPixmap figura, const QString& dica) {
    auto* b = new QToolButton(pai);
    b->setObjectName(nome);
    b->setIcon(pai->style()->standardIcon(figura));
    b->setIconSize(QSize(28, 28));
    b->setToolTip(dica);
    b->setAutoRaise(true);
    return b;
}

QLabel* texto(QWidget* pai, const char* nome, bool negrito = false) {
    auto* l = new QLabel(pai);
    l->setObjectName(nome);
    if (negrito) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.3);
        l->setFont(f);
    }
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

}  // namespace

TelaEditor::TelaEditor(std::unique_ptr<BaseEditor> base, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), base_(std::move(base)) {
    setObjectName("TForm3");
    setWindowTitle("Editor de Equipes");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 64, 0));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);

    auto* v = new QVBoxLayout(this);
    // Icon bar and the two tab buttons.
    auto* barra = new QHBoxLayout;
    auto* bAdicionar = icone(this, "adicionar", QStyle::SP_FileDialogNewFolder, "Adicionar equipe ou seleção");
    auto* bEditar = icone(this, "editar", QStyle::SP_FileDialogDetailedView, "Editar equipe ou seleção");
    auto* bExcluir = icone(this, "excluir", QStyle::SP_TrashIcon, "Excluir equipe");
    auto* bAdJog = icone(this, "adicionarjogador", QStyle::SP_FileIcon, "Adicionar jogador (F1)");
    auto* bEdJog = icone(this, "editarjogador", QStyle::SP_FileDialogInfoView, "Editar jogador");
    auto* bExJog = icone(this, "excluirjogador", QStyle::SP_DialogDiscardButton, "Deletar jogador (Del)");
    auto* bVoltar = icone(this, "voltar", QStyle::SP_ArrowBack, "Voltar ao menu inicial");
    auto* bSair = icone(this, "sair", QStyle::SP_BrowserStop, "Sair do jogo");
    botaoclubes_ = new QPushButton("Clubes", this);
    botaoclubes_->setObjectName("clubes");
    botaoselecoes_ = new QPushButton("Seleções", this);
    botaoselecoes_->setObjectName("selecoes");
    for (auto* b : {botaoclubes_, botaoselecoes_}) {
        b->setCheckable(true);
        b->setMinimumSize(110, 32);
        b->setFocusPolicy(Qt::NoFocus);
    }
    botaoselecoes_->setAcceptDrops(true);
    botaoselecoes_->installEventFilter(this);
    barra->addWidget(botaoclubes_);
    barra->addWidget(botaoselecoes_);
    barra->addSpacing(24);
    for (auto* b : {bAdicionar, bEditar, bExcluir}) barra->addWidget(b);
    barra->addSpacing(24);
    for (auto* b : {bAdJog, bEdJog, bExJog}) barra->addWidget(b);
    barra->addStretch(1);
    barra->addWidget(bVoltar);
    barra->addWidget(bSair);
    v->addLayout(barra);

    auto* corpo = new QHBoxLayout;
    listas_ = new QStackedWidget(this);
    clubes_ = criagrade(this, "listaclubes", {"id", "Clube", "", "País", "Nível"});
    clubes_->setColumnWidth(kCClube, 190);
    clubes_->horizontalHeader()->setSectionResizeMode(kCClube, QHeaderView::Stretch);
    clubes_->setColumnWidth(kCBandeira, 40);
    clubes_->setColumnWidth(kCPais, 130);
    clubes_->setColumnWidth(kCNivel, 50);
    clubes_->horizontalHeader()->setSectionsClickable(true);
    selecoes_ = criagrade(this, "listaselecoes", {"idsel", "", "Seleção Nacional", "Nível"});
    selecoes_->setColumnWidth(kSBandeira, 40);
    selecoes_->horizontalHeader()->setSectionResizeMode(kSNome, QHeaderView::Stretch);
    selecoes_->setColumnWidth(kSNivel, 50);
    listas_->addWidget(clubes_);
    listas_->addWidget(selecoes_);
    listas_->setMinimumWidth(440);
    corpo->addWidget(listas_, 4);

    auto* direita = new QVBoxLayout;
    painel_ = new QFrame(this);
    painel_->setObjectName("painel");
    painel_->setFrameShape(QFrame::StyledPanel);
    painel_->setAutoFillBackground(true);
    painel_->setMinimumHeight(150);
    auto* gp = new QGridLayout(painel_);
    escudo_ = new QLabel(painel_);
    escudo_->setObjectName("escudo");
    escudo_->setFixedSize(110, 110);
    escudo_->setAlignment(Qt::AlignCenter);
    escudo_->setCursor(Qt::PointingHandCursor);
    escudo_->setToolTip("Clique para escolher o escudo");
    escudo_->installEventFilter(this);
    gp->addWidget(escudo_, 0, 0, 5, 1);
    nomecompleto_ = texto(painel_, "nomecompleto", true);
    nome_ = texto(painel_, "nome");
    nivel_ = texto(painel_, "nivel");
    tecnico_ = texto(painel_, "tecnico");
    estadio_ = texto(painel_, "estadio");
    gp->addWidget(nomecompleto_, 0, 1, 1, 3);
    gp->addWidget(nome_, 1, 1, 1, 3);
    gp->addWidget(nivel_, 2, 1, 1, 3);
    gp->addWidget(tecnico_, 3, 1, 1, 3);
    gp->addWidget(estadio_, 4, 1, 1, 3);
    bandeira_ = new QLabel(painel_);
    pais_rotulo_ = texto(painel_, "pais");
    bandeiraestado_ = new QLabel(painel_);
    estado_ = texto(painel_, "estado");
    auto* linhapais = new QHBoxLayout;
    linhapais->addWidget(bandeira_);
    linhapais->addWidget(pais_rotulo_);
    linhapais->addSpacing(16);
    linhapais->addWidget(bandeiraestado_);
    linhapais->addWidget(estado_);
    linhapais->addStretch(1);
    gp->addLayout(linhapais, 5, 0, 1, 4);
    gp->setColumnStretch(3, 1);
    for (QLabel* l : {nomecompleto_, nome_, nivel_, tecnico_, estadio_, pais_rotulo_, estado_}) l->installEventFilter(this);
    direita->addWidget(painel_);

    elenco_ = criagrade(this, "elenco", {"idjog", "", "", "Nome", "Posição", "País", "Idade", "Características"});
    elenco_->setColumnWidth(kJStatus, 28);
    elenco_->setColumnWidth(kJEstrela, 24);
    elenco_->setColumnWidth(kJNome, 220);
    elenco_->setColumnWidth(kJPosicao, 90);
    elenco_->setColumnWidth(kJPais, 44);
    elenco_->setColumnWidth(kJIdade, 50);
    elenco_->horizontalHeader()->setStretchLastSection(true);
    elenco_->setDragEnabled(true);
    elenco_->setDragDropMode(QAbstractItemView::DragOnly);
    elenco_->setContextMenuPolicy(Qt::CustomContextMenu);
    direita->addWidget(elenco_, 1);
    auto* rodape = new QHBoxLayout;
    total_ = new QLabel(this);
    total_->setObjectName("total");
    titulares_ = new QLabel(this);
    titulares_->setObjectName("titulares");
    rodape->addWidget(total_);
    rodape->addSpacing(24);
    rodape->addWidget(titulares_);
    rodape->addSpacing(24);
    aviso_ = new QLabel(this);
    aviso_->setObjectName("aviso");
    rodape->addWidget(aviso_, 1);
    direita->addLayout(rodape);
    corpo->addLayout(direita, 6);
    v->addLayout(corpo, 1);

    connect(botaoclubes_, &QPushButton::clicked, this, &TelaEditor::mostraclubes);
    connect(botaoselecoes_, &QPushButton::clicked, this, &TelaEditor::mostraselecoes);
    connect(bAdicionar, &QToolButton::clicked, this, &TelaEditor::adicionar);
    connect(bEditar, &QToolButton::clicked, this, &TelaEditor::editar);
    connect(bExcluir, &QToolButton::clicked, this, &TelaEditor::excluir);
    connect(bAdJog, &QToolButton::clicked, this, &TelaEditor::adicionajogador);
    connect(bEdJog, &QToolButton::clicked, this, &TelaEditor::editajogador);
    connect(bExJog, &QToolButton::clicked, this, &TelaEditor::excluijogador);
    connect(bVoltar, &QToolButton::clicked, this, &TelaEditor::voltar);
    connect(bSair, &QToolButton::clicked, qApp, &QApplication::quit);
    connect(clubes_, &QTableWidget::currentCellChanged, this, [this](int linha) {
        if (linha >= 0) listtime(clubes_->item(linha, kCId)->text().toInt());
    });
    connect(selecoes_, &QTableWidget::currentCellChanged, this, [this](int linha) {
        if (linha >= 0) listjogselecao(selecoes_->item(linha, kSId)->text().toInt());
    });
    connect(clubes_, &QTableWidget::cellDoubleClicked, this, &TelaEditor::editar);
    connect(selecoes_, &QTableWidget::cellDoubleClicked, this, &TelaEditor::editar);
    connect(clubes_->horizontalHeader(), &QHeaderView::sectionClicked, this, &TelaEditor::ordenaclubes);
    connect(elenco_, &QTableWidget::cellDoubleClicked, this, [this](int, int coluna) {
        if (coluna != kJStatus) editajogador();  // quick clicks on the mark only toggle it
    });
    connect(elenco_, &QTableWidget::cellClicked, this, [this](int linha, int coluna) {
        if (coluna == kJStatus) alternatitular(linha);
    });
    connect(elenco_, &QTableWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        menu.addAction("Adicionar jogador", this, &TelaEditor::adicionajogador);
        menu.addAction("Deletar Jogador", this, &TelaEditor::excluijogador);
        menu.addAction("Editar Jogador", this, &TelaEditor::editajogador);
        QAction* t = menu.addAction("Transferir jogador", this, &TelaEditor::transferir);
        t->setEnabled(!vistaselecoes_);
        menu.exec(elenco_->viewport()->mapToGlobal(pos));
    });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TelaEditor::adicionajogador);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, &TelaEditor::salvanovamente);
    elenco_->installEventFilter(this);  // Del and F5 on the squad list
    setTabOrder(clubes_, selecoes_);
    setTabOrder(selecoes_, elenco_);

    if (QScreen* tela = QGuiApplication::primaryScreen()) setGeometry(tela->availableGeometry());
    preencheclubes(clubeslistados(*base_));
    preencheselecoes();
    mostraclubes();
}

TelaEditor::~TelaEditor() = default;

RefElenco TelaEditor::elencoatual() const {
    return vistaselecoes_ ? RefElenco{true, pais_} : RefElenco{false, clube_};
}

int TelaEditor::slotselecionado() const {
    const int linha = elenco_->currentRow();
    if (linha < 0 || elenco_->selectedItems().isEmpty()) return -1;
    return elenco_->item(linha, kJId)->text().toInt() - 1;
}

int TelaEditor::abre(QDialog& dialogo) {
    const int r = dialogo.exec();
    // The keys (F1, F2, Del, F5) come back to this window, with or without a window manager.
    activateWindow();
    return r;
}

void TelaEditor::avisa(const std::string& erro) {
    if (erro.empty()) return;
    mostramensagem(this, qs(erro));
    activateWindow();
}

void TelaEditor::recolore(QTableWidget* g) {
    for (int r = 0; r < g->rowCount(); ++r)
        for (int c = 0; c < g->columnCount(); ++c)
            if (auto* i = g->item(r, c)) i->setBackground(corlinha(r));
}

// ---- Lists ----

void TelaEditor::linhaclube(int linha, int clube) {
    const TCabecalhoClube& h = base_->clubes[static_cast<size_t>(clube)].dados.cabecalho;
    clubes_->setItem(linha, kCId, celula(QString::number(clube)));
    auto* nome = celula(qs(h.nome.utf8()));
    nome->setForeground(h.valido ? QColor(Qt::black) : QColor(255, 0, 0));
    clubes_->setItem(linha, kCClube, nome);
    clubes_->setItem(linha, kCBandeira, celulabandeira(iconebandeira(h.pais)));
    clubes_->setItem(linha, kCPais, celula(qs(std::string(nomepais(h.pais)))));
    clubes_->setItem(linha, kCNivel, celulanumero(h.nivel));
}

void TelaEditor::preencheclubes(const std::vector<int>& ordem) {
    QSignalBlocker bloqueio(clubes_);
    clubes_->setRowCount(static_cast<int>(ordem.size()));
    for (size_t r = 0; r < ordem.size(); ++r) linhaclube(static_cast<int>(r), ordem[r]);
    recolore(clubes_);
}

void TelaEditor::linhaselecao(int linha, int pais) {
    const TSelecao& s = base_->selecoes[static_cast<size_t>(pais)];
    selecoes_->setItem(linha, kSId, celula(QString::number(pais)));
    selecoes_->setItem(linha, kSBandeira, celulabandeira(iconebandeira(pais)));
    selecoes_->setItem(linha, kSNome, celula(qs(std::string(nomepais(pais)))));
    selecoes_->setItem(linha, kSNivel, celulanumero(s.nivel));
}

void TelaEditor::preencheselecoes() {
    QSignalBlocker bloqueio(selecoes_);
    const auto paises = selecoesemuso(*base_);
    selecoes_->setRowCount(static_cast<int>(paises.size()));
    for (size_t r = 0; r < paises.size(); ++r) linhaselecao(static_cast<int>(r), paises[r]);
    recolore(selecoes_);
}

void TelaEditor::atualizaclube(int clube) {
    if (vistaselecoes_) return;
    QSignalBlocker bloqueio(clubes_);
    for (int r = 0; r < clubes_->rowCount(); ++r)
        if (clubes_->item(r, kCId)->text().toInt() == clube) {
            linhaclube(r, clube);
            for (int c = 0; c < kCColunas; ++c) clubes_->item(r, c)->setBackground(corlinha(r));
        }
}

void TelaEditor::ordenaclubes(int coluna) {
    std::vector<int> ordem;
    for (int r = 0; r < clubes_->rowCount(); ++r) ordem.push_back(clubes_->item(r, kCId)->text().toInt());
    if (coluna == kCBandeira || coluna == kCPais) {
        sortbypaisnivel(*base_, ordem);
        preencheclubes(ordem);
    } else {
        QSignalBlocker bloqueio(clubes_);
        clubes_->sortItems(coluna);
        recolore(clubes_);
    }
    selecionaclube(clube_);
}

void TelaEditor::selecionaclube(int clube) {
    for (int r = 0; r < clubes_->rowCount(); ++r)
        if (clubes_->item(r, kCId)->text().toInt() == clube) {
            clubes_->setCurrentCell(r, kCClube);
            listtime(clube);
            return;
        }
}

void TelaEditor::selecionaselecao(int pais) {
    for (int r = 0; r < selecoes_->rowCount(); ++r)
        if (selecoes_->item(r, kSId)->text().toInt() == pais) {
            selecoes_->setCurrentCell(r, kSNome);
            listjogselecao(pais);
            return;
        }
}

void TelaEditor::mostraclubes() {
    vistaselecoes_ = false;
    botaoclubes_->setChecked(true);
    botaoselecoes_->setChecked(false);
    listas_->setCurrentWidget(clubes_);
    if (clube_ < 0 && clubes_->rowCount() > 0) clubes_->setCurrentCell(0, kCClube);
    else listtime(clube_);
}

void TelaEditor::mostraselecoes() {
    vistaselecoes_ = true;
    botaoclubes_->setChecked(false);
    botaoselecoes_->setChecked(true);
    listas_->setCurrentWidget(selecoes_);
    if (pais_ < 0 && selecoes_->rowCount() > 0) selecoes_->setCurrentCell(0, kSNome);
    else listjogselecao(pais_);
}

// ---- Panel and squad ----

void TelaEditor::pintapainel(int32_t corfundo, int32_t cortexto) {
    QPalette p = painel_->palette();
    p.setColor(QPalette::Window, corqt(corfundo));
    p.setColor(QPalette::WindowText, corqt(cortexto));
    painel_->setPalette(p);
    for (QLabel* l : painel_->findChildren<QLabel*>()) l->setPalette(p);
}

void TelaEditor::listtime(int clube) {
    if (vistaselecoes_) return;
    if (clube != clube_) aviso_->clear();
    clube_ = clube;
    if (!clubevalido(*base_, clube)) {
        for (QLabel* l : painel_->findChildren<QLabel*>()) l->clear();
        listaelenco();
        return;
    }
    const TCabecalhoClube& h = base_->clubes[static_cast<size_t>(clube)].dados.cabecalho;
    nome_->setVisible(true);
    estadio_->setVisible(true);
    nomecompleto_->setText(qs(h.nomecompleto.utf8()));
    nome_->setText(qs(h.nome.utf8()));
    nivel_->setText(QString("Nível inicial: %1").arg(h.nivel));
    tecnico_->setText("Técnico: " + qs(h.tecnico.utf8()));
    estadio_->setText("Estádio: " + qs(h.estadio.utf8()));
    pais_rotulo_->setText(qs(std::string(nomepais(h.pais))));
    bandeira_->setPixmap(iconebandeira(h.pais).pixmap(kLarguraBandeira, kAlturaBandeira));
    const bool estado = h.pais == kBrasil && estadovalido(h.estado);
    estado_->setText(estado ? qs(std::string(siglaestado(h.estado))) : QString());
    bandeiraestado_->setPixmap(estado ? iconebandeiraestado(h.estado).pixmap(kLarguraBandeira, kAlturaBandeira)
                                      : QPixmap());
    const QPixmap e = pixmapdaimagem(carregaescudo(base_->raiz, h.escudo.bruto()));
    escudo_->setPixmap(e.isNull() ? e : e.scaled(escudo_->size() - QSize(6, 6), Qt::KeepAspectRatio));
    pintapainel(h.corfundo, h.cortexto);
    listaelenco();
}

void TelaEditor::listjogselecao(int pais) {
    if (!vistaselecoes_) return;
    aviso_->clear();
    pais_ = pais;
    if (!selecaoemuso(*base_, pais)) {
        for (QLabel* l : painel_->findChildren<QLabel*>()) l->clear();
        listaelenco();
        return;
    }
    const TSelecao& s = base_->selecoes[static_cast<size_t>(pais)];
    nomecompleto_->setText(qs(std::string(nomepais(pais))));
    nome_->setVisible(false);  // a national team has no short name nor stadium
    estadio_->setVisible(false);
    nivel_->setText(QString("Nível: %1").arg(s.nivel));
    tecnico_->setText("Técnico: " + qs(s.tecnico.utf8()));
    pais_rotulo_->setText(qs(std::string(nomepais(pais))));
    bandeira_->setPixmap(iconebandeira(pais).pixmap(kLarguraBandeira, kAlturaBandeira));
    estado_->clear();
    bandeiraestado_->clear();
    QPixmap e;
    if (auto arquivo = procuraescudoselecao(base_->raiz, s.escudo.bruto()))
        if (auto img = carregaimagem(*arquivo)) e = pixmapdaimagem(*img);
    escudo_->setPixmap(e.isNull() ? e : e.scaled(escudo_->size() - QSize(6, 6), Qt::KeepAspectRatio));
    pintapainel(s.corfundo, s.cortexto);
    listaelenco();
}

void TelaEditor::listaelenco() {
    const RefElenco r = elencoatual();
    const int anterior = slotselecionado();
    QSignalBlocker bloqueio(elenco_);
    elenco_->setRowCount(0);
    if (!elencovalido(*base_, r)) {
        total_->setText("Total:0 jogadores");
        titulares_->clear();
        return;
    }
    const auto ordem = ordemelenco(*base_, r);
    elenco_->setRowCount(static_cast<int>(ordem.size()));
    for (size_t i = 0; i < ordem.size(); ++i) {
        const int linha = static_cast<int>(i);
        const TJogadorEditor j = jogadordoslot(*base_, r, ordem[i]);
        elenco_->setItem(linha, kJId, celula(QString::number(ordem[i] + 1)));
        auto* status = new QTableWidgetItem;
        status->setCheckState(j.titular ? Qt::Checked : Qt::Unchecked);
        // The mark changes only through the rule (at most 11), never by the grid itself.
        status->setFlags(status->flags() & ~Qt::ItemIsUserCheckable);
        status->setToolTip("Titular");
        elenco_->setItem(linha, kJStatus, status);
        elenco_->setItem(linha, kJEstrela, celula(j.estrela ? QString::fromUtf8("\u2605") : QString()));
        elenco_->setItem(linha, kJNome, celula(qs(j.nome)));
        elenco_->setItem(linha, kJPosicao, celula(qs(std::string(nomeposicao(j.posicao)))));
        elenco_->setItem(linha, kJPais, celulabandeira(iconebandeira(j.pais)));
        elenco_->setItem(linha, kJIdade, celulanumero(j.idade));
        elenco_->setItem(linha, kJHabilidade, celula(qs(textocaracteristicas(j.habilidade1, j.habilidade2))));
        if (ordem[i] == anterior) elenco_->setCurrentCell(linha, kJNome);
    }
    recolore(elenco_);
    total_->setText(QString("Total:%1 jogadores").arg(ordem.size()));
    titulares_->setText(QString("Titulares: %1").arg(contatitulares(*base_, r)));
}

// ---- Actions on clubs and national teams ----

void TelaEditor::adicionar() {
    if (vistaselecoes_) {
        TDadosSelecao d;
        DialogoSelecao dlg(
            base_->raiz, true, d, [this](const TDadosSelecao& x) { return novaselecao(*base_, x); },
            [this](const std::string& nome) { return validaescudoselecao(*base_, nome); }, this);
        if (abre(dlg) != QDialog::Accepted) return;
        const int pais = dlg.dados().pais;
        const int linha = selecoes_->currentRow() + 1;
        QSignalBlocker bloqueio(selecoes_);
        selecoes_->insertRow(linha);
        linhaselecao(linha, pais);
        recolore(selecoes_);
        selecionaselecao(pais);
        return;
    }
    int novo = -1;
    DialogoClube dlg(base_->raiz, true, TDadosClube{},
                     [this, &novo](const TDadosClube& d) { return novoclube(*base_, d, &novo); }, this);
    if (abre(dlg) != QDialog::Accepted || novo < 0) return;
    {
        QSignalBlocker bloqueio(clubes_);
        clubes_->insertRow(0);
        linhaclube(0, novo);
        recolore(clubes_);
    }
    selecionaclube(novo);
}

void TelaEditor::editar() {
    if (vistaselecoes_) {
        if (!selecaoemuso(*base_, pais_)) return;
        const TSelecao& s = base_->selecoes[static_cast<size_t>(pais_)];
        TDadosSelecao d;
        d.pais = pais_;
        d.tecnico = s.tecnico.utf8();
        d.nivel = s.nivel;
        d.corfundo = s.corfundo;
        d.cortexto = s.cortexto;
        d.escudo = s.escudo.utf8();
        const int pais = pais_;
        DialogoSelecao dlg(
            base_->raiz, false, d, [this](const TDadosSelecao& x) { return editaselecao(*base_, x); },
            [this, pais](const std::string& nome) { return escolheescudoselecao(*base_, pais, nome); }, this);
        const bool ok = abre(dlg) == QDialog::Accepted;
        listjogselecao(pais_);  // a crest may have been stored even when the dialog was cancelled
        if (!ok) return;
        if (auto* i = selecoes_->item(selecoes_->currentRow(), kSNivel))
            i->setData(Qt::DisplayRole, base_->selecoes[static_cast<size_t>(pais_)].nivel);
        listjogselecao(pais_);
        return;
    }
    if (!clubevalido(*base_, clube_)) return;
    const TCabecalhoClube& h = base_->clubes[static_cast<size_t>(clube_)].dados.cabecalho;
    TDadosClube d;
    d.nomecompleto = h.nomecompleto.utf8();
    d.nome = h.nome.utf8();
    d.tecnico = h.tecnico.utf8();
    d.estadio = h.estadio.utf8();
    d.pais = h.pais;
    d.estado = h.estado;
    d.nivel = h.nivel;
    d.corfundo = h.corfundo;
    d.cortexto = h.cortexto;
    const int clube = clube_;
    DialogoClube dlg(base_->raiz, false, d,
                     [this, clube](const TDadosClube& x) { return editaclube(*base_, clube, x); }, this);
    if (abre(dlg) != QDialog::Accepted) return;
    atualizaclube(clube);
    listtime(clube);
}

void TelaEditor::excluir() {
    if (vistaselecoes_ || !clubevalido(*base_, clube_)) return;
    const QString nome = qs(base_->clubes[static_cast<size_t>(clube_)].dados.cabecalho.nome.utf8());
    if (!pergunta(this, "Quer mesmo excluir o time " + nome +
                            ". Campeonatos podem deixar de funcionar corretamente por isso.")) {
        activateWindow();
        return;
    }
    activateWindow();
    if (auto erro = excluiclube(*base_, clube_); !erro.empty()) {
        avisa(erro);
        return;
    }
    {
        QSignalBlocker bloqueio(clubes_);
        clubes_->removeRow(clubes_->currentRow());
        recolore(clubes_);
    }
    clube_ = -1;
    if (clubes_->rowCount() > 0) selecionaclube(clubes_->item(0, kCId)->text().toInt());
    else listtime(-1);
}

void TelaEditor::clicaescudo() {
    if (vistaselecoes_) {
        editar();
        return;
    }
    if (!clubevalido(*base_, clube_)) return;
    const int clube = clube_;
    DialogoEscudo dlg(base_->raiz, false,
                      [this, clube](const std::string& nome) { return escolheescudo(*base_, clube, nome); }, this);
    if (abre(dlg) == QDialog::Accepted) listtime(clube);
}

// ---- Actions on players ----

void TelaEditor::adicionajogador() {
    const RefElenco r = elencoatual();
    if (!elencovalido(*base_, r)) return;
    if (auto cheio = elencocheio(*base_, r); !cheio.empty()) {
        avisa(cheio);
        return;
    }
    TJogadorEditor j;
    j.pais = r.selecao ? r.indice : paisinicialjogador(*base_);
    j.habilidade1 = j.habilidade2 = 0;
    DialogoJogador dlg(true, !r.selecao, j,
                       [this, r](const TJogadorEditor& x) { return tarvello::adicionajogador(*base_, r, x); }, this);
    if (abre(dlg) != QDialog::Accepted) return;
    listaelenco();
    atualizaclube(r.indice);
}

void TelaEditor::editajogador() {
    const RefElenco r = elencoatual();
    const int slot = slotselecionado();
    if (slot < 0) return;
    DialogoJogador dlg(false, !r.selecao, jogadordoslot(*base_, r, slot),
                       [this, r, slot](const TJogadorEditor& x) { return tarvello::editajogador(*base_, r, slot, x); },
                       this);
    if (abre(dlg) != QDialog::Accepted) return;
    listaelenco();
    if (!r.selecao) atualizaclube(r.indice);
}

void TelaEditor::excluijogador() {
    const RefElenco r = elencoatual();
    const int slot = slotselecionado();
    if (slot < 0) return;
    avisa(tarvello::excluijogador(*base_, r, slot));
    listaelenco();
    if (!r.selecao) atualizaclube(r.indice);
}

void TelaEditor::alternatitular(int linha) {
    if (linha < 0 || linha >= elenco_->rowCount()) return;
    const int slot = elenco_->item(linha, kJId)->text().toInt() - 1;
    avisa(tarvello::alternatitular(*base_, elencoatual(), slot));
    listaelenco();
}

void TelaEditor::transferir() {
    if (vistaselecoes_) return;
    const int slot = slotselecionado();
    if (slot < 0) return;
    DialogoTransferencia dlg(*base_, clube_, slot, this);
    if (abre(dlg) != QDialog::Accepted) return;
    listaelenco();
    atualizaclube(clube_);
    atualizaclube(dlg.destino());
}

void TelaEditor::envelhece() {
    if (vistaselecoes_) return;
    const int slot = slotselecionado();
    if (slot < 0) return;
    avisa(envelhecejogador(*base_, clube_, slot));
    listaelenco();
}

void TelaEditor::salvanovamente() {
    if (vistaselecoes_ || !clubevalido(*base_, clube_)) return;
    avisa(salvaclube(*base_, clube_, base_->clubes[static_cast<size_t>(clube_)].dados));
}

void TelaEditor::soltanaselecao() {
    if (vistaselecoes_) return;
    const int slot = slotselecionado();
    if (slot < 0) return;
    const TJogadorEditor j = jogadordoslot(*base_, elencoatual(), slot);
    const QString nome = qs(j.nome);
    const QString pais = qs(std::string(nomepais(j.pais)));
    std::string erro;
    // The drop leaves a line under the squad, so it is never silent.
    switch (dragjogadorselecao(*base_, clube_, slot, &erro)) {
        case ResultadoCopia::Copiado: aviso_->setText(nome + " copiado para a seleção: " + pais); break;
        case ResultadoCopia::SemSelecao: aviso_->setText(pais + " não tem seleção"); break;
        case ResultadoCopia::SelecaoCheia: aviso_->setText("A seleção " + pais + " já tem 28 jogadores"); break;
        case ResultadoCopia::JaConvocado: aviso_->setText(nome + " já está na seleção: " + pais); break;
        case ResultadoCopia::Falhou:
            aviso_->clear();
            avisa(erro);
            break;
    }
}

bool TelaEditor::eventFilter(QObject* alvo, QEvent* e) {
    if (alvo == botaoselecoes_) {
        if ((e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove)) {
            auto* d = static_cast<QDropEvent*>(e);
            if (d->source() == elenco_ && !vistaselecoes_) {
                d->acceptProposedAction();
                return true;
            }
        } else if (e->type() == QEvent::Drop) {
            auto* d = static_cast<QDropEvent*>(e);
            if (d->source() == elenco_) {
                d->acceptProposedAction();
                soltanaselecao();
                return true;
            }
        }
        return false;
    }
    if (alvo == elenco_ && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Delete) {
            excluijogador();
            return true;
        }
        if (tecla == Qt::Key_F5) {
            envelhece();
            return true;
        }
        return false;
    }
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        if (alvo == escudo_) {
            clicaescudo();
            return true;
        }
        if (qobject_cast<QLabel*>(alvo) && static_cast<QWidget*>(alvo)->parentWidget() == painel_) {
            editar();
            return true;
        }
    }
    return QWidget::eventFilter(alvo, e);
}

}  // namespace tarvello
