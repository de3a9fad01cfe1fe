#include "news/mensagens.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "club/financas.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "news/textos.h"

namespace tarvello {
namespace {

struct TEntrada {
    int remetente;
    int assunto;  // 0: drawn among 5..7
    int textode;
    int textoate;
    bool pergunta;
};

// Text group of an injury of w weeks; {0, 0} when no text is written for that length.
std::pair<int, int> textoscontusao(int w) {
    if (w == 2) return {25, 27};
    if (w == 3) return {28, 29};
    if (w == 4) return {30, 31};
    if (w == 5 || w == 6) return {32, 35};
    if (w == 7) return {36, 37};
    if (w >= 8 && w <= 10) return {38, 41};
    if (w >= 15 && w <= 20) return {42, 45};
    return {0, 0};
}

bool entrada(int tipo, int especie, TEntrada& e) {
    switch (tipo) {
        case kMsgBoasVindas:
            if (especie == 0) e = {1, 1, 73, 73, false};
            else if (especie == 1) e = {1, 1, 1, 1, false};
            else return false;
            return true;
        case kMsgSuspensao:
            if (especie == 2) e = {1, 2, 12, 17, true};
            else if (especie == 3) e = {1, 2, 7, 11, true};
            else if (especie == 5) e = {1, 2, 4, 5, true};
            else if (especie == 10) e = {1, 2, 2, 2, true};
            else return false;
            return true;
        case kMsgJogador:
            switch (especie) {
                case 0: e = {3, 3, 18, 21, false}; return true;
                case 1: e = {3, 10, 67, 67, false}; return true;
                case 2: e = {3, 11, 53, 54, false}; return true;
                case 3: e = {3, 12, 55, 56, false}; return true;
                case 4: e = {3, 13, 57, 58, false}; return true;
                case 5: e = {3, 14, 59, 60, false}; return true;
                case 6: e = {3, 11, 62, 63, false}; return true;
                default: return false;
            }
        case kMsgContusao: {
            const auto [de, ate] = textoscontusao(especie);
            if (de == 0) return false;
            e = {5, 4, de, ate, false};
            return true;
        }
        case kMsgGoleada:
            if (especie != 0) return false;
            e = {2, 0, 46, 48, false};
            return true;
        case kMsgImprensa:
            if (especie == 0) e = {4, 8, 22, 24, false};
            else if (especie == 1) e = {1, 16, 70, 70, false};
            else return false;
            return true;
        case kMsgRacha:
            if (especie != 0) return false;
            e = {1, 9, 51, 52, false};
            return true;
        case kMsgVenda:
            if (especie != 0) return false;
            e = {1, 15, 69, 69, false};
            return true;
        case kMsgContrato:
            if (especie == 0) e = {1, 17, 71, 71, false};
            else if (especie == 1) e = {1, 18, 72, 72, false};
            else return false;
            return true;
        default:
            return false;
    }
}

std::string nomejogador(const Mundo& m, int j) {
    if (j < 0 || j >= static_cast<int>(m.jogadores.size())) return {};
    return m.jogadores[j].nome.utf8();
}

std::string nometime(const Mundo& m, int t) {
    if (t < 0 || t >= static_cast<int>(m.times.size())) return {};
    return m.times[t].nome.utf8();
}

bool indicevalido(const Mundo& m, int i) {
    return i >= 0 && i < static_cast<int>(m.mensagens.size());
}

}  // namespace

int enviamensagem(Mundo& m, int time, int tipo, int especie, int jogador, int outro, int valor) {
    TEntrada e{};
    if (!entrada(tipo, especie, e)) return -1;
    if (tipo == kMsgVenda && jogador < 1) return -1;
    if ((tipo == kMsgImprensa && especie == 0) || tipo == kMsgVenda) time = m.estado.timeatual;

    TMensagem msg{};
    msg.time = time;
    msg.data = datahoje(m);
    msg.remetente = e.remetente;
    msg.assunto = e.assunto != 0 ? e.assunto : 5 + m.sorteia(3);
    msg.texto = e.textoate > e.textode ? e.textode + m.sorteia(e.textoate - e.textode + 1)
                                       : e.textode;
    msg.pergunta = e.pergunta ? 1 : 0;
    if (tipo != kMsgBoasVindas && tipo != kMsgGoleada && !(tipo == kMsgImprensa && especie == 1))
        msg.jogador = jogador;
    if ((tipo == kMsgJogador && especie == 4) || (tipo == kMsgImprensa && especie == 0) ||
        tipo == kMsgVenda)
        msg.outro = outro;
    if (tipo == kMsgVenda) msg.valor = valor;
    m.mensagens.push_back(msg);
    return static_cast<int>(m.mensagens.size()) - 1;
}

void desvinculamensagens(Mundo& m, int time) {
    for (auto& msg : m.mensagens)
        if (msg.time == time) msg.time = -1;
}

void enviaboasvindas(Mundo& m) {
    const int n = std::min(m.estado.numtecnicoshumanos, kMaxHumanos);
    for (int i = 0; i < n; ++i) {
        const int t = m.estado.timedotecnico[i];
        if (t >= 0) enviamensagem(m, t, kMsgBoasVindas, 0);
    }
}

std::string assuntomensagem(const Mundo& m, const TMensagem& msg, int timevisto) {
    if (msg.assunto < 1 || msg.assunto > kNumAssuntos) return {};
    const std::string a(kAssuntosMensagem[msg.assunto]);
    switch (msg.assunto) {
        case 1: return a + nometime(m, timevisto);
        case 2:
        case 4: return nomejogador(m, msg.jogador) + a;
        case 8:
        case 15: return nomejogador(m, msg.jogador) + a + nometime(m, msg.outro);
        case 9:
        case 14:
        case 17:
        case 18: return a + nomejogador(m, msg.jogador);
        case 13: return a + nomejogador(m, msg.jogador) + " e " + nomejogador(m, msg.outro);
        default: return a;
    }
}

std::string remetentemensagem(const Mundo& m, const TMensagem& msg) {
    if (msg.remetente < 1 || msg.remetente > 5) return {};
    std::string r(kRemetentesMensagem[msg.remetente]);
    if (msg.remetente == 3) r += nomejogador(m, msg.jogador);
    return r;
}

std::string corpomensagem(const TMensagem& msg) {
    if (msg.texto < 1 || msg.texto > kNumTextos) return {};
    std::string r(kTextosMensagem[msg.texto]);
    if (msg.texto == 69) r += formatamil(msg.valor);
    return r;
}

void lemensagem(Mundo& m, int indice) {
    if (indicevalido(m, indice)) m.mensagens[indice].lido = 1;
}

void respondepergunta(Mundo& m, int indice, bool multar) {
    if (!indicevalido(m, indice)) return;
    TMensagem& msg = m.mensagens[indice];
    if (!msg.pergunta) return;  // answered already: a second answer does nothing
    msg.pergunta = 0;
    const int time = msg.time, j = msg.jogador;
    if (!multar || time < 0 || time >= static_cast<int>(m.times.size()) || j <= 0 ||
        j >= static_cast<int>(m.jogadores.size()) || m.jogadores[j].time != time)
        return;
    const int64_t multa = std::llrint(m.jogadores[j].salario * 0.3);
    if (multa <= 0) return;
    m.times[time].dinheiro = static_cast<int32_t>(std::clamp<int64_t>(int64_t{m.times[time].dinheiro} + multa, INT32_MIN, INT32_MAX));
    if (time < static_cast<int>(m.financas.size())) m.financas[time].salarios -= static_cast<int32_t>(multa);
    enviamensagem(m, time, kMsgJogador, 0, j);
}

int contanaolidas(Mundo& m, int time, double hoje) {
    int n = 0;
    for (auto& msg : m.mensagens) {
        if (msg.time != time || msg.lido) continue;
        if (hoje - msg.data > 14) msg.lido = 1;
        else ++n;
    }
    return n;
}

int naolidas(const Mundo& m, int time) {
    int n = 0;
    for (const auto& msg : m.mensagens)
        if (msg.time == time && !msg.lido) ++n;
    return n;
}

std::string textonaolidas(int n) {
    if (n <= 0) return "Sem novas notícias";
    if (n == 1) return "1 notícia não lida";
    return std::to_string(n) + " notícias não lidas";
}

}  // namespace tarvello
