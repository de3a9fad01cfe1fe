#include "club/emprestimos.h"

#include <algorithm>

#include "club/elenco.h"
#include "club/transferencias.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/registros.h"
#include "news/mensagens.h"

namespace tarvello {
namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }
bool jogadorvalido(const Mundo& m, int j) { return j > 0 && j < static_cast<int>(m.jogadores.size()); }

TEmprestimo* ativo(Mundo& m, int jogador) {
    for (TEmprestimo& e : m.emprestimos)
        if (e.jogador == jogador) return &e;
    return nullptr;
}

// The player goes back to his lending club with a contract of 180 days from today.
void liquida(Mundo& m, TEmprestimo& e) {
    const int jogador = e.jogador;
    e.jogador = -1;
    if (!jogadorvalido(m, jogador)) return;
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    // A player who left the game while on loan (he died) does not come back.
    if (timevalido(m, j.time) && timevalido(m, e.timeorigem))
        moveemprestimo(m, jogador, e.timeorigem, datahoje(m) + kDiasEmprestimo);
    j.emprestado = 0;
}

}  // namespace

void registraemprestimo(Mundo& m, int jogador, int timeorigem, double dataretorno) {
    TEmprestimo e{};
    e.jogador = jogador;
    e.dataretorno = dataretorno;
    e.timeorigem = timeorigem;
    m.emprestimos.push_back(e);
}

void moveemprestimo(Mundo& m, int jogador, int destino, double contratoate) {
    if (!jogadorvalido(m, jogador) || !timevalido(m, destino)) return;
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    const int origem = j.time;
    mudaclube(m, jogador, destino);
    j.contratoate = contratoate;
    j.avisocontrato = 0;
    j.emprestado = 2;
    m.transferencias.push_back({jogador, m.estado.temporada, origem, destino, 0});
    j.gols[kEstadual] = 0;
    const int atual = m.estado.timeatual;
    if (j.estrela && destino != atual && m.times[static_cast<size_t>(destino)].nivel > 22 && timevalido(m, atual) &&
        m.times[static_cast<size_t>(atual)].humano)
        enviamensagem(m, atual, kMsgImprensa, 0, jogador, destino);
    j.moral = 3;
    j.reclamou = 0;
    j.semjogar = 0;
    j.moralvolta = 0;
    j.escaladocansado = 0;
    j.avenda = 0;
    j.precovenda = j.passe;
}

void encerraemprestimos(Mundo& m, double data) {
    for (size_t i = 0; i < m.emprestimos.size(); ++i) {
        TEmprestimo& e = m.emprestimos[i];
        if (e.jogador >= 0 && e.dataretorno <= data) liquida(m, m.emprestimos[i]);
    }
}

bool cancelaemprestimo(Mundo& m, int jogador) {
    TEmprestimo* e = jogador > 0 ? ativo(m, jogador) : nullptr;
    if (!e) return false;
    liquida(m, *e);
    return true;
}

bool compraemprestado(Mundo& m, int jogador) {
    TEmprestimo* e = jogador > 0 ? ativo(m, jogador) : nullptr;
    if (!e || !jogadorvalido(m, jogador) || !timevalido(m, e->timeorigem)) return false;
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    const int comprador = j.time;
    if (!timevalido(m, comprador)) return false;
    // Back at the lending club, the loan settled, then bought like any player. The lending
    // club must be able to spare him, as for any sale; otherwise the loan goes on.
    const int origem = e->timeorigem;
    if (m.times[static_cast<size_t>(origem)].numjogadores + 1 <= kMinimoElenco) return false;
    e->jogador = -1;
    mudaclube(m, jogador, origem);
    j.emprestado = 0;
    return efetuatransferencia(m, jogador, comprador, j.passe);
}

void encerraemprestimosdoclube(Mundo& m, int time) {
    for (size_t i = 0; i < m.emprestimos.size(); ++i) {
        TEmprestimo& e = m.emprestimos[i];
        if (e.jogador > 0 && jogadorvalido(m, e.jogador) && m.jogadores[static_cast<size_t>(e.jogador)].time == time)
            liquida(m, m.emprestimos[i]);
    }
}

int contaemprestados(const Mundo& m, int time) {
    int n = 0;
    for (const TEmprestimo& e : m.emprestimos)
        if (e.jogador > 0 && jogadorvalido(m, e.jogador) && m.jogadores[static_cast<size_t>(e.jogador)].time == time) ++n;
    return n;
}

bool aceitaemprestimo(const Mundo& m, int jogador, int time) {
    if (!jogadorvalido(m, jogador) || !timevalido(m, time)) return false;
    const int origem = m.jogadores[static_cast<size_t>(jogador)].time;
    if (!timevalido(m, origem)) return false;
    const int b = m.times[static_cast<size_t>(origem)].divisao;
    const int c = m.times[static_cast<size_t>(time)].divisao;
    const int n = m.times[static_cast<size_t>(origem)].nivel;
    if (m.estado.sistemadisputa != 4) return !(b == 1 && c > 1 && n > 20);
    if (b >= c) return true;
    if (b == 1) {
        if (c == 2) return n < 20;
        if (c == 3) return n <= 20;
        if (c == 4) return false;
    }
    if (b == 2) {
        if (c == 3) return n < 21;
        if (c == 4) return n < 19;
    }
    return true;
}

bool podepegaremprestado(const Mundo& m, int jogador, int time) {
    if (!jogadorvalido(m, jogador) || !timevalido(m, time)) return false;
    const TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    return j.emprestado == 1 && j.time != time && m.times[static_cast<size_t>(time)].numjogadores <= kMaximoElenco - 1;
}

ResultadoEmprestimo pegaemprestado(Mundo& m, int jogador, int time) {
    if (!podepegaremprestado(m, jogador, time) || !podetransferir(m, jogador)) return ResultadoEmprestimo::Invalido;
    if (contaemprestados(m, time) >= kMaximoEmprestados) return ResultadoEmprestimo::Limite;
    if (!aceitaemprestimo(m, jogador, time)) return ResultadoEmprestimo::Recusa;
    const double fim = datahoje(m) + kDiasEmprestimo;
    registraemprestimo(m, jogador, m.jogadores[static_cast<size_t>(jogador)].time, fim);
    moveemprestimo(m, jogador, time, fim);
    return ResultadoEmprestimo::Feito;
}

}  // namespace tarvello
