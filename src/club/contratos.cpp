#include "club/contratos.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "club/elenco.h"
#include "model/aleatorio.h"
#include "model/hoje.h"
#include "model/mensagem.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "news/mensagens.h"

namespace tarvello {
namespace {

bool jogadorvalido(const Mundo& m, int j) { return j > 0 && j < static_cast<int>(m.jogadores.size()); }
int64_t dia(double d) { return static_cast<int64_t>(d); }

// Warning choices of the options ("Receber avisos de término de contratos:").
enum AvisoContrato { kAvisoSim = 0, kAvisoSoTermino = 1, kAvisoTresSemanas = 2, kAvisoNao = 3 };

int32_t limita(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

void novocontrato(Mundo& m, int jogador, int semanas) {
    if (jogador < 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    TJogador& j = m.jogadores[jogador];
    j.contratoate = static_cast<double>(dia(datahoje(m)) + 7 * static_cast<int64_t>(semanas));
    j.avisocontrato = 0;
}

int64_t diasdecontrato(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return 0;
    return dia(m.jogadores[jogador].contratoate) - dia(datahoje(m));
}

int posicaonaliga(const Mundo& m, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return 0;
    const TTime& t = m.times[time];
    return t.divisao > 0 ? t.colocacoes[kLiga] : 0;
}

RespostaContrato respostacontrato(int64_t novo, int32_t atual, int posicao, int64_t dias) {
    const int64_t s = atual;
    if (novo > 100000 && novo > limitesalario(atual)) return RespostaContrato::Limite;
    const bool topo = posicao <= 4;
    if (novo == s) return topo ? RespostaContrato::Recusa : RespostaContrato::Aceita;
    if (novo < s) {
        if (dias >= 80 || posicao >= 7) return RespostaContrato::Recusa;
        int64_t corte;
        if (s >= 1 && s <= 10000) corte = 500;
        else if (s >= 10001 && s <= 50000) corte = 1000;
        else if (s >= 50001 && s <= 9950000) corte = 1500;
        else return RespostaContrato::Nenhuma;
        return s - novo <= corte ? RespostaContrato::Aceita : RespostaContrato::Recusa;
    }
    int64_t aumento;
    if (s >= 1 && s <= 10000) aumento = topo ? 1000 : 500;
    else if (s >= 10001 && s <= 50000) aumento = 1000;
    else if (s >= 50001 && s <= 9950000) aumento = 15000;
    else return RespostaContrato::Nenhuma;
    return novo - s >= aumento ? RespostaContrato::Aceita : RespostaContrato::Recusa;
}

int64_t limitesalario(int32_t atual) { return 5 * static_cast<int64_t>(atual); }

int32_t exigenciaminima(int32_t atual, int posicao, int64_t oferta) {
    struct Faixa {
        int64_t ate;
        int topo, outros;  // step for places 1..4 (and 0), and for the others
    };
    static constexpr Faixa kFaixas[] = {
        {1000, 700, 500},         {5000, 1000, 750},       {6000, 1200, 800},
        {9000, 1500, 850},        {10000, 1700, 950},      {20000, 2000, 1200},
        {50000, 3000, 2000},      {100000, 7000, 5000},    {500000000, 10000, 8000},
    };
    int64_t minimo = atual;
    if (atual >= 1)
        for (const Faixa& f : kFaixas)
            if (atual <= f.ate) {
                minimo += posicao <= 4 ? f.topo : f.outros;
                break;
            }
    if (minimo < oferta) minimo = oferta + 500;
    return limita(minimo);
}

void renovacontrato(Mundo& m, int jogador, int32_t salario, int semanas) {
    if (!jogadorvalido(m, jogador)) return;
    TJogador& j = m.jogadores[jogador];
    if (j.avenda) {
        j.avenda = 0;
        j.precovenda = j.passe;
    }
    novocontrato(m, jogador, semanas);
    if (salario - static_cast<int64_t>(j.salario) > arredonda(j.salario * 0.3)) {
        j.moral = std::min(j.moral + 1, 3);
        enviamensagem(m, j.time, kMsgJogador, 1, jogador);
    }
    j.salario = salario;
    recalculasalarios(m, j.time);
}

bool podeleiloarrecusado(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return false;
    const TJogador& j = m.jogadores[jogador];
    if (j.time < 0 || j.time >= static_cast<int>(m.times.size())) return false;
    if (m.times[j.time].disponiveis < 11) return false;
    if (j.posicaooriginal != kGoleiro) return true;
    int goleiros = 0;
    for (int g : elenco(m, j.time))
        if (m.jogadores[g].posicaooriginal == kGoleiro) ++goleiros;
    return goleiros >= 2;
}

std::string textosemleilao(const Mundo& m, int jogador) {
    if (jogadorvalido(m, jogador) && m.jogadores[jogador].posicaooriginal == kGoleiro)
        return "Como você não pode vender este goleiro o salário exigido terá de ser aceito";
    return "Como você não pode vender jogadores o salário exigido terá de ser aceito";
}

bool lesalario(std::string_view texto, int32_t& salario) {
    while (!texto.empty() && std::isspace(static_cast<unsigned char>(texto.front()))) texto.remove_prefix(1);
    while (!texto.empty() && std::isspace(static_cast<unsigned char>(texto.back()))) texto.remove_suffix(1);
    if (texto.empty() || texto.size() > 9) return false;
    int64_t v = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > kSalarioMaximo) return false;
    salario = static_cast<int32_t>(v);
    return true;
}

void verificacontratos(Mundo& m, int time) {
    const int aviso = m.estado.emails;
    for (int idx : elenco(m, time)) {
        TJogador& j = m.jogadores[idx];
        int64_t dias = diasdecontrato(m, idx);
        if (m.estado.renovacontrato && dias < 0) {
            novocontrato(m, idx, 12);
            dias = diasdecontrato(m, idx);
        }
        // Three weeks without a contract, the player asks for one himself (once; a new
        // contract starts the warnings again).
        if (dias < -21 && j.avisocontrato < 3) {
            enviamensagem(m, time, kMsgJogador, 3, idx);
            j.avisocontrato = 3;
            continue;
        }
        if (aviso == kAvisoNao || j.avisocontrato >= 2) continue;
        if (dias >= 0) {
            // The three-week warning is for a contract still running, never for one that ended.
            if (dias < 21 && j.avisocontrato == 0 && (aviso == kAvisoSim || aviso == kAvisoTresSemanas)) {
                enviamensagem(m, time, kMsgContrato, 0, idx);
                j.avisocontrato = 1;
            }
        } else if (aviso == kAvisoSim || aviso == kAvisoSoTermino) {
            enviamensagem(m, time, kMsgContrato, 1, idx);
            j.avisocontrato = 2;
        }
    }
}

}  // namespace tarvello
