#include "ui/opcoes_tela.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/mundo.h"
#include "model/opcoes.h"
#include "model/registros.h"
#include "model/tipos.h"
#include "ui/clube_tela.h"
#include "ui/cores_tela.h"
#include "ui/escudos_tela.h"
#include "ui/salvar_jogo_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QStringList velocidades(int n) {
    QStringList r;
    for (int i = 0; i < n; ++i) r << qtexto(kNomesVelocidade[static_cast<size_t>(i)]);
    return r;
}

// Selector index whose interval is `ms`, else `padrao`.
int indicevelocidade(int ms, int n, int padrao) {
    for (int i = 0; i < n; ++i)
        if (kIntervalosVelocidade[static_cast<size_t>(i)] == ms) return i;
    return padrao;
}

}  // namespace

TelaOpcoes::TelaOpcoes(Mundo& mundo, std::filesystem::path raiz, std::filesystem::path opcoes, QWidget* pai)
    : QDialog(pai), m_(mundo), raiz_(std::move(raiz)), opcoes_(std::move(opcoes)) {
    setObjectName("TForm32");
    setWindowTitle("Opções");
    setModal(true);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    aplicafundo(this, "img/f01.bmp");
    TEstadoJogo& e = m_.estado;
    if (e.intervalohumano == 0) e.intervalohumano = 600;

    auto* h = new QHBoxLayout(this);
    auto* gerais = new QGroupBox("Opções gerais", this);
    auto* f = new QFormLayout(gerais);

    QComboBox* salvar = seletor("salvar", {"Não salvar", "A cada 3 jogos", "A cada jogo", "Início do ano"});
    if (e.salvarauto >= 0 && e.salvarauto <= 3) salvar->setCurrentIndex(e.salvarauto);
    connect(salvar, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_.estado.salvarauto = i;
        grava("opsalvar", i);
    });
    f->addRow("Salvar automaticamente:", salvar);

    QComboBox* humano = seletor("velocidade", velocidades(6));
    humano->setCurrentIndex(indicevelocidade(e.intervalohumano, 6, 1));
    connect(humano, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_.estado.intervalohumano = intervalovelocidade(i, false);
        grava("opvelocidade", i);
    });
    f->addRow("Velocidade do Jogo:", humano);

    QComboBox* computador = seletor("velocidadenh", velocidades(7));
    computador->setCurrentIndex(indicevelocidade(e.intervalocomputador, 7, 5));
    connect(computador, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_.estado.intervalocomputador = intervalovelocidade(i, true);
        grava("opnhvelocidade", i);
    });
    f->addRow("Velocidade do Jogo sem times humanos:", computador);

    auto simnao = [&](const QString& objeto, const QString& rotulo, uint8_t& campo, const char* chave) {
        QComboBox* c = seletor(objeto, {"Não", "Sim"});
        c->setCurrentIndex(campo ? 1 : 0);
        connect(c, &QComboBox::currentIndexChanged, this, [this, &campo, chave](int i) {
            campo = i != 0;
            grava(chave, i);
        });
        f->addRow(rotulo, c);
    };
    simnao("verpenalty", "Ver disputas de penaltys não humanas:", e.verpenalty, "op_verpenalty");
    simnao("vertrocatecnicos", "Mostrar mudança de técnicos:", e.vertrocatecnicos, "opvertrocatecnicos");
    simnao("verintervalo", "Abrir janela de substituições no intervalo:", e.verintervalo, "opintervalo");

    QComboBox* emails = seletor("emails", {"Sim", "Só término", "Só faltando 3 semanas", "Não"});
    if (e.emails >= 0 && e.emails <= 3) emails->setCurrentIndex(e.emails);
    connect(emails, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_.estado.emails = i;
        grava("opemails", i);
    });
    f->addRow("Receber avisos de término de contratos:", emails);
    f->addRow(caixa("renovacontrato", "Atualizar automaticamente contratos encerrados", e.renovacontrato, "opcontrato"));

    auto* cores = new QGroupBox("Cores e sons", gerais);
    auto* cv = new QVBoxLayout(cores);
    cv->addWidget(caixa("som", "Usar sons nos eventos do jogo", e.som, "opsom"));
    cv->addWidget(caixa("negrito", "Mostrar em negrito os eventos do time da casa", e.negrito, "opnegrito"));
    auto* linhacor = new QHBoxLayout;
    QCheckBox* cornalista = caixa("cornalista", "Usar cores na lista de jogadores", e.cornalista, "opcornalista");
    connect(cornalista, &QCheckBox::toggled, this, &TelaOpcoes::mudacores);
    linhacor->addWidget(cornalista);
    // The small colour picture beside the box opens the colours window.
    auto* paleta = new QPushButton(cores);
    paleta->setObjectName("paleta");
    paleta->setToolTip("Cores de fundo da Lista");
    paleta->setFixedSize(24, 18);
    paleta->setStyleSheet(QString("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 %2);")
                              .arg(correferencia(kCoresPadrao[0]).name(), correferencia(kCoresPadrao[4]).name()));
    connect(paleta, &QPushButton::clicked, this, [this] {
        TelaCores t(m_, opcoes_, this);
        connect(&t, &TelaCores::listamudou, this, &TelaOpcoes::mudacores);
        centraliza(&t);
        t.exec();
    });
    linhacor->addWidget(paleta);
    linhacor->addStretch();
    cv->addLayout(linhacor);
    f->addRow(cores);
    h->addWidget(gerais);

    auto* direita = new QGroupBox("Visualização ligas", this);
    auto* dv = new QVBoxLayout(direita);
    auto* texto = new QLabel("Marque as ligas em que os jogos serão mostrados mesmo que não tenham times humanos:", direita);
    texto->setWordWrap(true);
    dv->addWidget(texto);
    ligas_ = new QTableWidget(static_cast<int>(m_.ligas.size()), 3, direita);
    ligas_->setObjectName("ligas");
    ligas_->setHorizontalHeaderLabels({"", "País", ""});
    ligas_->setColumnHidden(2, true);  // the league's index
    ligas_->verticalHeader()->hide();
    ligas_->horizontalHeader()->setStretchLastSection(false);
    ligas_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ligas_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ligas_->setSelectionMode(QAbstractItemView::NoSelection);
    for (int l = 0; l < static_cast<int>(m_.ligas.size()); ++l) {
        const TLiga& liga = m_.ligas[static_cast<size_t>(l)];
        auto* marca = new QTableWidgetItem(iconebandeira(liga.pais), QString());
        marca->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        marca->setCheckState(liga.mostrarjogos ? Qt::Checked : Qt::Unchecked);
        ligas_->setItem(l, 0, marca);
        ligas_->setItem(l, 1, new QTableWidgetItem(qtexto(nomepais(liga.pais))));
        ligas_->setItem(l, 2, new QTableWidgetItem(QString::number(l)));
    }
    ligas_->resizeColumnToContents(0);
    // A click anywhere on the row flips its mark and the league's flag.
    connect(ligas_, &QTableWidget::cellClicked, this, [this](int linha, int) {
        QTableWidgetItem* marca = ligas_->item(linha, 0);
        const int l = ligas_->item(linha, 2)->text().toInt();
        if (!marca || l < 0 || l >= static_cast<int>(m_.ligas.size())) return;
        TLiga& liga = m_.ligas[static_cast<size_t>(l)];
        liga.mostrarjogos = liga.mostrarjogos ? 0 : 1;
        QSignalBlocker b(ligas_);
        marca->setCheckState(liga.mostrarjogos ? Qt::Checked : Qt::Unchecked);
    });
    dv->addWidget(ligas_, 1);
    auto* obs = new QLabel(
        "Obs.: as ligas desmarcadas acontecerão normalmente, mas apenas os resultados e estatísticas serão "
        "mostrados no final dos jogos. Ligas com times humanos são sempre visualizadas.",
        direita);
    obs->setWordWrap(true);
    dv->addWidget(obs);
    auto* fechar = new QPushButton("Fechar", direita);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &TelaOpcoes::fechar);
    dv->addWidget(fechar, 0, Qt::AlignRight);
    h->addWidget(direita, 1);
    resize(860, 480);
}

QComboBox* TelaOpcoes::seletor(const QString& objeto, const QStringList& itens) {
    auto* c = new QComboBox(this);
    c->setObjectName(objeto);
    c->addItems(itens);
    return c;
}

QCheckBox* TelaOpcoes::caixa(const QString& objeto, const QString& texto, uint8_t& campo, const char* chave) {
    auto* c = new QCheckBox(texto, this);
    c->setObjectName(objeto);
    c->setChecked(campo != 0);
    connect(c, &QCheckBox::toggled, this, [this, &campo, chave](bool on) {
        campo = on ? 1 : 0;
        grava(chave, on ? 1 : 0);
    });
    return c;
}

void TelaOpcoes::grava(const char* chave, int valor) {
    // A file that cannot be written leaves the change in the running game all the same.
    gravaopcao(opcoes_, kSecaoOpcoes, chave, std::to_string(valor));
}

void TelaOpcoes::mudacores() {
    // During a national-team competition the national-team screen shows instead of the club's
    // squad list: nothing to redraw.
    if (m_.estado.competicaoatual >= kCopaMundo) return;
    emit listamudou();
}

void TelaOpcoes::fechar() {
    // Automatic saving needs a name: a game never saved asks for one now.
    if (m_.estado.salvarauto != 0 && m_.estado.nomearquivo.vazio()) salvajogotela(this, m_, raiz_);
    fechando_ = true;
    accept();
}

void TelaOpcoes::reject() { fechar(); }

void TelaOpcoes::closeEvent(QCloseEvent* e) {
    // Alt+F4 does nothing here: the screen closes through "Fechar".
    if (!fechando_) e->ignore();
    else QDialog::closeEvent(e);
}

}  // namespace tarvello
