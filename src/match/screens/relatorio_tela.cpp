#include "match/screens/relatorio_tela.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "club/financas.h"
#include "match/estatisticas.h"
#include "match/relatorios.h"
#include "match/textoeventos.h"
#include "club/plantel_textos.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "ui/tela.h"

namespace tarvello {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QString nomeclube(const Mundo& m, int t) {
    return t >= 0 && t < static_cast<int>(m.times.size()) ? qs(m.times[static_cast<size_t>(t)].nome.utf8()) : QString();
}

// Rating as stars, one per two points, a half star for the odd point, then the figure.
QString estrelas(float nota) {
    const int meios = static_cast<int>(nota * 2 + 0.25f);
    QString s(meios / 4, QChar(0x2605));
    if (meios % 4 >= 2) s += QChar(0x00BD);
    return s + QString(" %1").arg(static_cast<double>(nota), 0, 'f', 1);
}

const char* estilo(int e) {
    switch (e) {
        case 1: return "Ataque total";
        case 2: return "Contra-ataque";
        default: return "Jogo equilibrado";
    }
}
const char* foco(int c) { return c == 1 ? "Pelas laterais" : "Pelo meio"; }
const char* marcacao(int c) {
    switch (c) {
        case 1: return "Pesada";
        case 2: return "Muito Pesada";
        default: return "Leve";
    }
}

}  // namespace

PainelRelatorio::PainelRelatorio(const Mundo& m, QWidget* parent) : QWidget(parent), m_(m) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto nomeado = [this, v](const char* nome) {
        auto* l = new QLabel(this);
        l->setObjectName(nome);
        l->setAlignment(Qt::AlignCenter);
        v->addWidget(l);
        return l;
    };
    placar_ = nomeado("placar");
    QFont f = placar_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    placar_->setFont(f);
    estadio_ = nomeado("estadio");
    publico_ = nomeado("publico");
    setores_ = nomeado("setores");
    renda_ = nomeado("renda");
    auto* h = new QHBoxLayout;
    detalhes_ = new QTextBrowser(this);
    detalhes_->setObjectName("detalhes");
    h->addWidget(detalhes_, 3);
    eventos_ = new QListWidget(this);
    eventos_->setObjectName("eventos");
    h->addWidget(eventos_, 2);
    v->addLayout(h, 1);
}

void PainelRelatorio::mostra(int r, bool resultados) {
    for (QLabel* l : {estadio_, publico_, setores_, renda_, placar_}) l->clear();
    detalhes_->clear();
    eventos_->clear();
    if (r < 0 || r >= m_.estado.numrelatorios || r >= static_cast<int>(m_.relatorios.size())) return;
    const TRelatorioPartida& x = m_.relatorios[static_cast<size_t>(r)];
    const bool semtorcida = x.competicao == kMundialClubes || x.competicao >= kCopaMundo;
    const bool valido = x.mandante >= 0 && x.mandante < static_cast<int>(m_.times.size());
    QString local = valido ? qs(m_.times[static_cast<size_t>(x.mandante)].estadio.utf8()) : QString();
    if (resultados && x.competicao == kMundialClubes) local = "Japão";
    estadio_->setText(local);
    estadio_->setVisible(!(semtorcida && !resultados) || x.competicao == kMundialClubes);
    publico_->setText("Público: " + qs(formatadinheiro(x.publico)) + " pagantes");
    setores_->setText(QString("(G:%1 A:%2 Cd:%3 Cm:%4)")
                          .arg(qs(formatadinheiro(x.publicosetor[0])), qs(formatadinheiro(x.publicosetor[1])),
                               qs(formatadinheiro(x.publicosetor[2])), qs(formatadinheiro(x.publicosetor[3]))));
    renda_->setText("Renda: $" + qs(formatadinheiro(x.renda)));
    for (QLabel* l : {publico_, setores_, renda_}) l->setVisible(!semtorcida);
    if (x.competicao >= kCopaMundo) estadio_->setVisible(false);

    QString placar = nomeclube(m_, x.mandante) + "  " + QString("%1 x %2").arg(x.golsmandante).arg(x.golsvisitante);
    if (resultados && x.decididopenaltis)
        placar += QString(" (P:%1x%2)").arg(x.penaltismandante).arg(x.penaltisvisitante);
    placar_->setText(placar + "  " + nomeclube(m_, x.visitante));

    // Statistics, tactics, elevens and the players taken off, home and away side by side.
    const int posse = possemandante(x.estatisticasmandante[0], x.estatisticasvisitante[0]);
    QString h = "<table width='100%' cellspacing='2'><tr><th></th><th>" + nomeclube(m_, x.mandante).toHtmlEscaped() +
                "</th><th>" + nomeclube(m_, x.visitante).toHtmlEscaped() + "</th></tr>";
    auto linha = [&h](const QString& a, const QString& b, const QString& c) {
        h += "<tr><td>" + a + "</td><td align='center'>" + b + "</td><td align='center'>" + c + "</td></tr>";
    };
    h += "<tr><td colspan='3'><b>Estatísticas</b></td></tr>";
    linha("Posse de bola", QString("%1%").arg(posse), QString("%1%").arg(100 - posse));
    const char* nomes[5] = {"", "Roubadas bola", "Finalizações", "Passes errados", "Faltas cometidas"};
    for (int k = 1; k <= 4; ++k)
        linha(nomes[k], QString::number(x.estatisticasmandante[k]), QString::number(x.estatisticasvisitante[k]));
    linha("Estilo", estilo(x.estilo[0]), estilo(x.estilo[1]));
    linha("Ataques", foco(x.concentraataques[0]), foco(x.concentraataques[1]));
    linha("Marcação", marcacao(x.marcacao[0]), marcacao(x.marcacao[1]));
    h += "</table><table width='100%'><tr>";
    const int comp = std::clamp(x.competicao, 0, kNumCompeticoes - 1);
    for (int lado = 1; lado <= 2; ++lado) {
        const int32_t* onze = lado == 1 ? x.onzemandante : x.onzevisitante;
        const TNotaRelatorio* notas = lado == 1 ? x.notasmandante : x.notasvisitante;
        h += "<td valign='top' width='50%'>";
        for (int pos = kGoleiro; pos <= kAtacante; ++pos)
            for (int s = 0; s < 11; ++s) {
                const int j = onze[s];
                if (j <= 0 || j >= static_cast<int>(m_.jogadores.size())) continue;
                const TJogador& p = m_.jogadores[static_cast<size_t>(j)];
                if (std::clamp(p.posicaooriginal, 0, 4) != pos) continue;
                const QString letra = qs(nomeposicao(p.posicaooriginal)).left(1);
                h += qs(p.nome.utf8()).toHtmlEscaped() + " " + letra + " " + estrelas(notas[s].nota);
                if (p.suspensao[comp] > 0) h += " <font color='red'>(S)</font>";
                h += "<br>";
            }
        const auto saidas = saidasdorelatorio(x, lado);
        if (!saidas.empty()) {
            h += "<br><b>Jogadores substituídos</b><br>";
            for (const TSaidaRelatorio& s : saidas)
                h += qs(m_.jogadores[static_cast<size_t>(s.jogador)].nome.utf8()).toHtmlEscaped() + " " +
                     estrelas(s.nota) + "<br>";
        }
        h += "</td>";
    }
    h += "</tr></table>";
    detalhes_->setHtml(h);

    // At most 25 events, each on its club's side.
    const auto todos = eventosdorelatorio(m_, r);
    const auto linhas = linhaseventos(m_, todos, x.mandante);
    for (size_t i = 0; i < linhas.size() && i < 25; ++i) {
        auto* item = new QListWidgetItem(qs(linhas[i].texto), eventos_);
        item->setTextAlignment(todos[i].time == x.mandante ? Qt::AlignLeft : Qt::AlignRight);
    }
}

TelaRelatorio::TelaRelatorio(const Mundo& m, int relatorio, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm17");
    setWindowTitle("Relatório da partida");
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* painel = new PainelRelatorio(m, this);
    painel->setObjectName("painel");
    v->addWidget(painel, 1);
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    h->addWidget(fechar);
    v->addLayout(h);
    painel->mostra(relatorio, false);
    resize(720, 560);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

TelaHistoricoJogos::TelaHistoricoJogos(const Mundo& m, int jogador, QWidget* parent) : QDialog(parent) {
    setObjectName("historicojogos");
    setModal(true);
    const bool valido = jogador > 0 && jogador < static_cast<int>(m.jogadores.size());
    setWindowTitle("Histórico Jogos - " + (valido ? qs(m.jogadores[static_cast<size_t>(jogador)].nome.utf8()) : QString()));
    auto* v = new QVBoxLayout(this);
    auto* lista = new QListWidget(this);
    lista->setObjectName("jogos");
    const std::vector<int> rs = relatoriosdojogador(m, jogador);
    for (int r : rs) {
        const TRelatorioPartida& x = m.relatorios[static_cast<size_t>(r)];
        lista->addItem(qs(textodatacurta(x.data)) + "  " + nomeclube(m, x.mandante) +
                       QString(" %1 x %2 ").arg(x.golsmandante).arg(x.golsvisitante) + nomeclube(m, x.visitante) +
                       "  " + estrelas(notanorelatorio(x, jogador)));
    }
    connect(lista, &QListWidget::itemDoubleClicked, this, [this, lista, rs, &m] {
        const int i = lista->currentRow();
        if (i >= 0 && i < static_cast<int>(rs.size())) abrerelatorio(this, m, rs[static_cast<size_t>(i)]);
    });
    v->addWidget(lista, 1);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("fechar");
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar, 0, Qt::AlignRight);
    resize(560, 400);
    aplicafundo(this, "img/f01.bmp");
    escalatela(this);
}

void abrerelatorio(QWidget* pai, const Mundo& m, int r) {
    if (r < 0) return;
    abrejanela(new TelaRelatorio(m, r, pai));
}

}  // namespace tarvello
