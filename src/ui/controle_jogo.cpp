#include "ui/controle_jogo.h"

#include "records/galeria.h"
#include "records/screens/campeoesestaduais_tela.h"

#include <QApplication>

#include "club/screens/amistosos_tela.h"
#include "club/financas.h"
#include "club/screens/leilao_tela.h"
#include "club/transferencias.h"
#include "competitions/screens/classificacao_tela.h"
#include "competitions/calendario.h"
#include "competitions/temporada.h"
#include "match/diajogo.h"
#include "match/escalacao.h"
#include "match/screens/interacao_janelas.h"
#include "match/screens/partidas_tela.h"
#include "match/screens/resultados_tela.h"
#include "match/taticas.h"
#include "model/mundo.h"
#include "model/registros.h"
#include "model/tipos.h"
#include "news/mensagens.h"
#include "newgame/inicializacao.h"
#include "news/screens/mensagens_tela.h"
#include "newgame/salvamento.h"
#include "ui/opcoes_tela.h"
#include "ui/salvar_jogo_tela.h"
#include "season/carreira.h"
#include "season/screens/carreira_telas.h"
#include "season/semana.h"
#include "season/tecnico.h"
#include "season/screens/convite_selecao_tela.h"
#include "season/turno.h"
#include "ui/clube_tela.h"
#include "ui/tela.h"
#include "ui/tela_principal.h"

namespace tarvello {
namespace {

// "Falecimento do jogador": the club is held responsible and loses league points.
void avisafalecimento(QWidget* pai, const Mundo& m, int jogador) {
    const QString nome = QString::fromStdString(m.jogadores[static_cast<size_t>(jogador)].nome.utf8());
    mostramensagem(pai, QStringLiteral("Falecimento do jogador\n\n%1 faleceu. O seu clube foi responsabilizado "
                                       "pela morte e irá perder 5 pontos no campeonato.")
                            .arg(nome));
}

}  // namespace

ControleJogo::ControleJogo(std::unique_ptr<Mundo> mundo, bool partidas, QObject* parent)
    : QObject(parent), mundo_(std::move(mundo)), interacao_(std::make_unique<InteracaoJanelas>()),
      partidasprimeiro_(partidas) {}

ControleJogo::~ControleJogo() {
    for (QWidget* w : std::initializer_list<QWidget*>{principal_, partidas_, resultados_, resumo_, selecao_}) delete w;
}

void ControleJogo::fecha(QWidget* w) {
    if (!w) return;
    w->hide();
    w->deleteLater();
}

void ControleJogo::inicia() {
    if (partidasprimeiro_) {
        comecapartidas();
        return;
    }
    vez_ = tecnicosdodia(*mundo_);
    // The coach who chose last sees his main screen first; the others follow in order.
    const int atual = mundo_->estado.timeatual;
    for (size_t i = 0; i < vez_.size(); ++i)
        if (mundo_->estado.timedotecnico[vez_[i]] == atual) {
            std::rotate(vez_.begin(), vez_.begin() + static_cast<std::ptrdiff_t>(i), vez_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            break;
        }
    if (vez_.empty()) {
        // Nobody plays today (the game started on such a date): the main screen still opens
        // for the first coach with a club, and "Jogar >>" starts the day. With every human
        // coach out of a job the day is played at once.
        for (int k = 0; k < mundo_->estado.numtecnicoshumanos && k < kMaxHumanos; ++k)
            if (mundo_->estado.timedotecnico[k] >= 0) {
                abreprincipal(k);
                return;
            }
        comecapartidas();
        return;
    }
    abreprincipal(vez_.front());
}

void ControleJogo::proximodia() {
    vez_ = tecnicosdodia(*mundo_);
    if (vez_.empty()) {
        comecapartidas();
        return;
    }
    abreprincipal(vez_.front());
    salvaautomatico();
}

void ControleJogo::salvaautomatico() {
    if (salvamentoautomatico(contadorsalvar_, mundo_->estado.salvarauto)) salvajogotela(principal_, *mundo_, raiz_);
}

void ControleJogo::salvar() {
    salvajogotela(principal_ ? static_cast<QWidget*>(principal_) : selecao_, *mundo_, raiz_);
}

void ControleJogo::abreopcoes() {
    TelaOpcoes t(*mundo_, raiz_, opcoes_, principal_);
    connect(&t, &TelaOpcoes::listamudou, this, [this] {
        if (principal_) principal_->montaplantel();
    });
    centraliza(&t);
    t.exec();
}

void ControleJogo::abreprincipal(int k) {
    Mundo& m = *mundo_;
    TEstadoJogo& e = m.estado;
    if (k >= 0 && k < kMaxHumanos && e.timedotecnico[k] >= 0) {
        e.timeatual = e.timedotecnico[k];
        e.tecnicoatual = m.times[static_cast<size_t>(e.timeatual)].tecnico;
    }
    // On a tournament date a national coach lines up his national team instead.
    if (e.competicaoatual >= kCopaMundo && k >= 0 && k < kMaxHumanos && e.selecaohumana[k] >= 0) {
        abreselecao(k);
        return;
    }
    // The day's morale and events come before the squad grid is built.
    const TEventosTurno eventos = abreturno(m, k);
    fecha(principal_);
    principal_ = new TelaPrincipal(m);
    principal_->defineopcoes(opcoes_);
    connect(principal_, &TelaPrincipal::jogar, this, &ControleJogo::confirmou);
    connect(principal_, &TelaPrincipal::abrenoticias, this, &ControleJogo::abrenoticias);
    connect(principal_, &TelaPrincipal::salvarjogo, this, &ControleJogo::salvar);
    connect(principal_, &TelaPrincipal::abreopcoes, this, &ControleJogo::abreopcoes);
    connect(principal_, &TelaPrincipal::sedemitir, this, &ControleJogo::sedemitir);
    principal_->show();
    centraliza(principal_);
    emit telaaberta(principal_);
    if (eventos.ofertaemprego >= 0 && e.timeatual >= 0) {
        TelaConvite t(m, m.times[static_cast<size_t>(e.timeatual)].tecnico, {eventos.ofertaemprego}, principal_);
        centraliza(&t);
        emit telaaberta(&t);
        t.exec();
        // His new club's screen replaces the old one.
        if (t.assumido() >= 0) {
            abreprincipal(k);
            return;
        }
    }
    if (eventos.proposta.jogador > 0) propostadecompra(eventos.proposta);
    if (eventos.falecido > 0) avisafalecimento(principal_, m, eventos.falecido);
    if (eventos.convite.competicao) {
        TelaConviteSelecao t(m, k, eventos.convite, principal_);
        centraliza(&t);
        emit telaaberta(&t);
        t.exec();
    }
}

void ControleJogo::abreselecao(int k) {
    Mundo& m = *mundo_;
    TEstadoJogo& e = m.estado;
    e.selecaoatual = e.selecaohumana[k];
    abreturno(m, k);
    fecha(principal_);
    fecha(selecao_);
    selecao_ = new TelaSelecao(m, e.selecaoatual);
    connect(selecao_, &TelaSelecao::jogar, this, &ControleJogo::confirmou);
    connect(selecao_, &TelaSelecao::salvarjogo, this, &ControleJogo::salvar);
    selecao_->show();
    centraliza(selecao_);
    emit telaaberta(selecao_);
}

void ControleJogo::propostadecompra(const TProposta& p) {
    Mundo& m = *mundo_;
    const TJogador& j = m.jogadores[static_cast<size_t>(p.jogador)];
    const QString texto =
        QStringLiteral("Proposta de compra\n\n%1\n%2\nValor da proposta: $%3\nForça: %4\nIdade: %5\n%6 / %7\n%8\n"
                       "Passe: $%9\n\nDeseja aceitar a proposta e vender o jogador?")
            .arg(nomeclube(m, p.comprador), qtexto(j.nome.utf8()), QString::fromStdString(formatamil(p.valor)))
            .arg(j.forca)
            .arg(j.idade)
            .arg(qtexto(nomehabilidade(j.habilidade1)), qtexto(nomehabilidade(j.habilidade2)),
                 qtexto(nomeposicao(j.posicaooriginal)), QString::fromStdString(formatamil(j.passe)));
    if (!pergunta(principal_, texto)) return;
    if (aceitaproposta(m, p) && principal_) {
        principal_->montaplantel();
        principal_->atualiza();
    }
}

void ControleJogo::confirmou() {
    Mundo& m = *mundo_;
    const int time = m.estado.competicaoatual >= kCopaMundo ? m.estado.selecaoatual : m.estado.timeatual;
    // A coach who confirmed nothing plays the line-up the computer would pick for him.
    if (time >= 0 && time < static_cast<int>(m.times.size()) && !linhade(m, time)) escalatime(m, time);
    proximavez();
}

void ControleJogo::sedemitir() {
    Mundo& m = *mundo_;
    const int time = m.estado.timeatual;
    if (time < 0 || time >= static_cast<int>(m.times.size()) || !m.times[static_cast<size_t>(time)].humano) return;
    if (!pergunta(principal_, "Deseja mesmo se demitir do time atual?")) return;
    demitehumano(m, m.times[static_cast<size_t>(time)].tecnico, MotivoDemissao::Pedido);
    mostracarreira(principal_);
    proximavez();
}

void ControleJogo::mostracarreira(QWidget* pai) {
    Mundo& m = *mundo_;
    const std::vector<TMudancaTecnico> mudancas = std::move(m.mudancastecnicos);
    m.mudancastecnicos.clear();
    for (const TMudancaTecnico& d : mudancas) {
        if (!d.humano && !d.anunciar) continue;
        TelaDemissao t(m, d, pai);
        centraliza(&t);
        emit telaaberta(&t);
        t.exec();
    }
    const std::vector<TOfertaTecnico> ofertas = std::move(m.ofertastecnicos);
    m.ofertastecnicos.clear();
    for (const TOfertaTecnico& o : ofertas) {
        TelaConvite t(m, o.tecnico, o.clubes, pai);
        centraliza(&t);
        emit telaaberta(&t);
        t.exec();
    }
}

void ControleJogo::proximavez() {
    if (!vez_.empty()) vez_.erase(vez_.begin());
    if (!vez_.empty()) {
        abreprincipal(vez_.front());
        return;
    }
    fecha(principal_);
    fecha(selecao_);
    comecapartidas();
}

void ControleJogo::comecapartidas() {
    Mundo& m = *mundo_;
    comecadia(m);
    fecha(partidas_);
    partidas_ = new TelaPartidas(m, *interacao_);
    interacao_->definepai(partidas_);
    connect(partidas_, &TelaPartidas::encerrado, this, &ControleJogo::abreresultados);
    partidas_->show();
    centraliza(partidas_);
    emit telaaberta(partidas_);
    partidas_->inicia();
}

void ControleJogo::abreresultados() {
    Mundo& m = *mundo_;
    if (!houvejogoshoje(m)) {
        // Nothing was played (a tournament that is not held): no empty results screen.
        fecha(partidas_);
        continuar();
        return;
    }
    const int d = m.estado.dataatual;
    const double data = d >= 1 && d <= kNumDatas ? m.calendario[static_cast<size_t>(d - 1)].data : 0;
    fecha(resultados_);
    resultados_ = new TelaResultados(m, m.controledia.tipo, data);
    connect(resultados_, &TelaResultados::continuar, this, &ControleJogo::continuar);
    connect(resultados_, &TelaResultados::classificacao, this, &ControleJogo::abreclassificacao);
    resultados_->show();
    centraliza(resultados_);
    fecha(partidas_);
    emit telaaberta(resultados_);
}

void ControleJogo::continuar() {
    Mundo& m = *mundo_;
    // The state finals were played today: their champions before the next date.
    if (m.controledia.tipo == kEstadual && m.estado.faseestadual >= 8 &&
        !campeoesestaduaisdoano(m, m.estado.temporada).empty()) {
        TelaCampeoesEstaduais t(m, m.estado.numtecnicoshumanos <= 0, resultados_);
        emit telaaberta(&t);
        t.exec();
    }
    ProximaEtapa etapa = tarvello::continuar(m, *interacao_);
    // The day's dismissals and the offers to coaches without a club come before the next date.
    mostracarreira(resultados_);
    if (etapa == ProximaEtapa::ProximoDia && humanojoga(m)) etapa = ProximaEtapa::TelaPrincipal;
    fecha(resultados_);
    switch (etapa) {
        case ProximaEtapa::FimTemporada: abreresumo(); break;
        case ProximaEtapa::ProximoDia: comecapartidas(); break;
        case ProximaEtapa::TelaPrincipal:
            // After a league date, the auctions drawn for it come before the main screens.
            if (m.leiloespendentes > 0) {
                const int n = m.leiloespendentes;
                m.leiloespendentes = 0;
                TelaLeilao t(m, n);
                t.defineritmo(ritmoleilao_);
                emit telaaberta(&t);
                t.exec();
            }
            proximodia();
            break;
    }
}

void ControleJogo::abreresumo() {
    fecha(resumo_);
    resumo_ = new TelaResumoTemporada(*mundo_);
    connect(resumo_, &TelaResumoTemporada::continuar, this, &ControleJogo::novatemporada);
    resumo_->show();
    centraliza(resumo_);
    emit telaaberta(resumo_);
}

void ControleJogo::novatemporada() {
    Mundo& m = *mundo_;
    // Before the first date is chosen, the coaches may book pre-season friendlies, each in
    // turn as the current coach.
    auto pretemporada = [this](Mundo& w) {
        // The dismissal letters come first.
        mostracarreira(resumo_);
        if (w.estado.numtecnicoshumanos <= 0 || !perguntapretemporada(resumo_)) return;
        const int atual = w.estado.timeatual;
        for (int k = 0; k < w.estado.numtecnicoshumanos && k < kMaxHumanos; ++k) {
            const int t = w.estado.timedotecnico[k];
            if (t < 0 || t >= static_cast<int>(w.times.size())) continue;
            w.estado.timeatual = t;
            TelaAmistosos tela(w, t, true, resumo_);
            emit telaaberta(&tela);
            tela.exec();
        }
        w.estado.timeatual = atual;
    };
    iniciatemporada(m, pretemporada);
    // The dismissal letters of the coaches whose clubs fell out of the divisions.
    mostracarreira(resumo_);
    fecha(resumo_);
    partidasprimeiro_ = escolheprimeiratela(m).tela == Tela::Partidas;
    inicia();
    // "Início do ano": the new season is saved as it begins.
    if (salvamentoinicioano(m.estado.salvarauto)) salvajogotela(principal_, m, raiz_);
}

void ControleJogo::abreclassificacao() {
    if (!resultados_) return;
    Mundo& m = *mundo_;
    auto* t = new TelaClassificacao(m, resultados_);
    // The standings of the group the results screen shows.
    const int liga = resultados_->ligaselecionada();
    if (liga >= 0) {
        switch (resultados_->tipo()) {
            case kLiga: t->mostraliga(liga); break;
            case kEstadual: t->mostraestadual(liga); break;
            case kContinental1:
            case kContinental2: t->mostracontinental(resultados_->tipo(), liga); break;
            default: break;
        }
    }
    abrejanela(t);
    emit telaaberta(t);
}

void ControleJogo::abrenoticias() {
    Mundo& m = *mundo_;
    TelaMensagens t(m, m.estado.timeatual, principal_);
    t.exec();
    if (principal_) principal_->atualiza();
}

}  // namespace tarvello
