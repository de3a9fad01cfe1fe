#include "competitions/screens/torneio_tela.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "competitions/calendario.h"
#include "competitions/confrontos.h"
#include "competitions/tabela.h"
#include "competitions/torneio.h"
#include "model/mundo.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"

namespace tarvello {

namespace {

QString letra(int g) { return QString(QChar('A' + g)); }

QString colocado(int lugar, int grupo) { return QString("%1º Grupo %2 ").arg(lugar).arg(letra(grupo)); }

}  // namespace

QString vagadachave(int competicao, int chave, int lado) {
    if (competicao == kCopaMundo) {
        if (chave <= 8) {
            // 1A-2B, 1C-2D, 1B-2A, 1D-2C, 1E-2F, 1G-2H, 1F-2E, 1H-2G
            static constexpr int grupos[8][2] = {{0, 1}, {2, 3}, {1, 0}, {3, 2}, {4, 5}, {6, 7}, {5, 4}, {7, 6}};
            return colocado(lado, grupos[chave - 1][lado - 1]);
        }
        static constexpr int origem[8][2] = {{1, 2}, {5, 6}, {3, 4}, {7, 8}, {9, 10}, {11, 12}, {13, 14}, {13, 14}};
        const int jogo = origem[chave - 9][lado - 1];
        return QString(chave == 16 ? "Perdedor jogo %1 " : "Vencedor jogo %1 ").arg(jogo);
    }
    if (chave <= 4) {
        if (competicao == kCopaAmerica) {
            if (chave == 2 && lado == 2) return "2º melhor 3º col. ";
            if (chave == 4 && lado == 1) return "1º melhor 3º col. ";
            static constexpr int grupos[4][2] = {{0, 1}, {2, -1}, {1, 0}, {-1, 2}};
            return colocado(lado, grupos[chave - 1][lado - 1]);
        }
        static constexpr int grupos[4][2] = {{0, 1}, {2, 3}, {1, 0}, {3, 2}};
        return colocado(lado, grupos[chave - 1][lado - 1]);
    }
    static constexpr int origem[4][2] = {{1, 2}, {3, 4}, {5, 6}, {5, 6}};
    return QString(chave == 8 ? "Perdedor jogo %1 " : "Vencedor jogo %1 ").arg(origem[chave - 5][lado - 1]);
}

TelaTorneio::TelaTorneio(const Mundo& m, QWidget* parent) : QDialog(parent), m_(m), competicao_(torneiodatemporada(m)) {
    setObjectName("TForm78");
    setModal(true);
    const QString nome = QString::fromStdString(nomecompeticao(m, competicao_, -1));
    setWindowTitle(nome);
    auto* v = new QVBoxLayout(this);
    auto* titulo = rotulotitulo(this, "titulo");
    titulo->setText(nome + " " + QString::number(2007 + m.estado.temporada));
    v->addWidget(titulo);
    auto* botoes = new QHBoxLayout;
    const int grupos = competicao_ == kCopaMundo ? 8 : (competicao_ == kCopaAmerica ? 3 : 4);
    for (int g = 0; g < 8; ++g) {
        auto* b = new QPushButton(" " + letra(g) + " ", this);
        b->setObjectName("grupo" + letra(g));
        b->setCheckable(true);
        b->setVisible(competicao_ != 0 && g < grupos);
        connect(b, &QPushButton::clicked, this, [this, g] { mostragrupo(g); });
        botoes->addWidget(b);
        botoes_.push_back(b);
    }
    botoes->addStretch(1);
    v->addLayout(botoes);
    auto* grupo = new QHBoxLayout;
    tabela_ = new QTableWidget(this);
    tabela_->setObjectName("tabela");
    preparagrade(tabela_, {"", "Seleção", "PG", "J", "V", "E", "D", "GP", "GC", "SG"});
    jogos_ = new QTableWidget(this);
    jogos_->setObjectName("jogos");
    preparagrade(jogos_, {"Rodada", "Jogo", "Local"});
    grupo->addWidget(tabela_, 3);
    grupo->addWidget(jogos_, 2);
    v->addLayout(grupo, 1);

    auto* chave = new QGridLayout;
    const bool copa = competicao_ == kCopaMundo;
    struct Fase {
        const char* titulo;
        int de, ate;
    };
    const std::vector<Fase> fases = copa ? std::vector<Fase>{{"Oitavas de Final", 1, 8},
                                                             {"Quartas de Final", 9, 12},
                                                             {"Semi-final", 13, 14},
                                                             {"Final", 15, 15},
                                                             {"Decisão 3º lugar", 16, 16}}
                                         : std::vector<Fase>{{"Quartas de Final", 1, 4},
                                                             {"Semi-final", 5, 6},
                                                             {"Final", 7, 7},
                                                             {"Decisão 3º lugar", 8, 8}};
    chaves_.assign(17, nullptr);
    int coluna = 0;
    for (const Fase& f : fases) {
        auto* caixa = new QGroupBox(f.titulo, this);
        auto* cv = new QVBoxLayout(caixa);
        for (int k = f.de; k <= f.ate; ++k) {
            auto* l = new QLabel(caixa);
            l->setObjectName(QString("chave%1").arg(k));
            l->setFrameShape(QFrame::Box);
            cv->addWidget(l);
            chaves_[static_cast<size_t>(k)] = l;
        }
        cv->addStretch(1);
        chave->addWidget(caixa, 0, coluna++);
    }
    v->addLayout(chave, 1);
    auto* fechar = new QPushButton("Fechar", this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(fechar);
    if (competicao_)
        for (int k = 1; k <= (copa ? 16 : 8); ++k) chaves_[static_cast<size_t>(k)]->setText(textochave(k));
    mostragrupo(0);
    resize(760, 540);
    escalatela(this);
}

QString TelaTorneio::textochave(int chave) const {
    if (!competicao_ || chave < 1 || chave > 16) return {};
    const TJogoChave& c = m_.chavestorneio[static_cast<size_t>(chave - 1)];
    auto lado = [&](int t, int l) { return t >= 0 ? nomeclube(m_, t) : vagadachave(competicao_, chave, l); };
    QString t = QString("%1: %2 x %3").arg(chave).arg(lado(c.clube1, 1), lado(c.clube2, 2));
    if (c.vencedor >= 0) t += "  " + QString::fromStdString(c.resultado.utf8());
    const std::string cidade = cidadedojogo(m_, -1, 0, chave);
    if (!cidade.empty()) t += "  (" + QString::fromStdString(cidade) + ")";
    return t;
}

void TelaTorneio::mostragrupo(int grupo) {
    grupo_ = grupo;
    for (size_t b = 0; b < botoes_.size(); ++b) botoes_[b]->setChecked(static_cast<int>(b) == grupo);
    tabela_->setRowCount(0);
    jogos_->setRowCount(0);
    if (!competicao_ || grupo < 0 || grupo >= 8) return;
    const TTorneio& t = m_.estado.torneio;
    std::vector<int> membros;
    for (int x : t.grupos[grupo])
        if (x >= 0) membros.push_back(x);
    const std::vector<TLinhaTabela> linhas = ordenatabela(m_, membros, competicao_);
    tabela_->setRowCount(static_cast<int>(linhas.size()));
    for (int r = 0; r < static_cast<int>(linhas.size()); ++r) {
        const TLinhaTabela& l = linhas[static_cast<size_t>(r)];
        const QString c[] = {QString::fromStdString(l.rotulo), nomeclube(m_, l.time), QString::number(l.pontos),
                             QString::number(l.jogos), QString::number(l.vitorias), QString::number(l.empates),
                             QString::number(l.derrotas), QString::number(l.golspro), QString::number(l.golscontra),
                             QString::number(l.saldo)};
        for (int k = 0; k < 10; ++k) tabela_->setItem(r, k, new QTableWidgetItem(c[k]));
    }
    pintalinhas(tabela_);
    for (int rodada = 1; rodada <= 3; ++rodada)
        for (int s = 1; s <= 2; ++s) {
            const TParConfronto par = confronto4(rodada, t.lado, s);
            const int a = t.grupos[grupo][par.mandante - 1], b = t.grupos[grupo][par.visitante - 1];
            QString placar = " x ";
            for (const TPartida& p : m_.partidas)
                if (p.competicao == competicao_ && p.chave < 0 && p.mandante == a && p.visitante == b && p.jogado)
                    placar = QString(" %1 x %2 ").arg(p.golsmandante).arg(p.golsvisitante);
            const int r = jogos_->rowCount();
            jogos_->insertRow(r);
            jogos_->setItem(r, 0, new QTableWidgetItem(QString("%1ª").arg(rodada)));
            jogos_->setItem(r, 1, new QTableWidgetItem(nomeclube(m_, a) + placar + nomeclube(m_, b)));
            jogos_->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(cidadedojogo(m_, grupo, rodada, -1))));
        }
    pintalinhas(jogos_);
}

}  // namespace tarvello
