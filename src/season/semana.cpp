#include "season/semana.h"

#include <algorithm>
#include <vector>

#include "club/elenco.h"
#include "club/financas.h"
#include "model/datas.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "news/mensagens.h"

namespace tarvello {
namespace {

bool timevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

void cobraclube(Mundo& m, int time, bool juros) {
    if (time < 0 || time >= static_cast<int>(m.financas.size())) return;
    debitafinancas(m, time, &TFinancas::salarios, m.financas[time].salariosemanal);
    if (juros) cobrajuros(m, time);
}

void credita(Mundo& m, int time, int valor) { creditafinancas(m, time, &TFinancas::ingressos, valor); }

int recuperacao(int idade, bool jogou) {
    if (idade <= 25) return jogou ? 12 : 50;
    if (idade <= 35) return jogou ? 10 : 40;
    if (idade <= 45) return jogou ? 7 : 30;
    if (idade <= 55) return jogou ? 4 : 20;
    if (idade <= 70) return jogou ? 2 : 10;
    return jogou ? 0 : 5;
}

}  // namespace

void verificatitulares(Mundo& m, int time) {
    const double hoje = datahoje(m);
    for (int i : elencoatual(m, time)) {
        TJogador& j = m.jogadores[static_cast<size_t>(i)];
        if (j.escalacao != 1) continue;
        if (j.energia < 15 && j.habilidade1 != 12) {
            j.moral = 1;
            enviamensagem(m, time, kMsgJogador, 6, i);
        }
        if (j.contratoate < hoje) {
            j.energia -= 15;
            if (j.energia < 0) j.energia = 5;
        }
    }
}

bool cobrasemanahoje(const Mundo& m, int competicao) {
    if (competicao == kLiga || competicao == kEstadual) return diadasemana(datahoje(m)) == 1;
    if (competicao == kAmistoso) return m.estado.dataatual >= 1 && m.estado.dataatual <= 9;
    return false;
}

void cobrasemana(Mundo& m, int competicao, int mandante, int visitante) {
    if (!cobrasemanahoje(m, competicao)) return;
    const bool juros = competicao == kLiga || competicao == kEstadual;
    cobraclube(m, mandante, juros);
    cobraclube(m, visitante, juros);
}

void creditarenda(Mundo& m, int competicao, int mandante, int visitante, int renda) {
    if (competicao == kCopaNacional) {
        credita(m, mandante, renda / 2);
        credita(m, visitante, renda / 2);
    } else if (competicao >= kAmistoso && competicao <= kContinental2) {
        credita(m, mandante, renda);
    }
}

void recuperaenergia(Mundo& m, int jogador) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    TJogador& j = m.jogadores[jogador];
    const bool computador = timevalido(m, j.time) && !m.times[j.time].humano;
    if (computador) j.posicao = j.posicaooriginal;
    j.energia += recuperacao(j.idade, j.jogounapartida != 0);
    if (computador && j.energia < 30) j.energia = 20 + m.sorteia(20);
    if (j.energia > 100) j.energia = 100;
    if (j.energia < 0) j.energia = 5;
    // Match days without playing, which make a left-out player complain sooner or later.
    if (j.jogounapartida) j.semjogar = 0;
    else ++j.semjogar;
    j.jogounapartida = 0;
}

void atualizamoral(Mundo& m, int time) {
    if (!timevalido(m, time)) return;
    const std::vector<int> elencotime = elenco(m, time);
    const int limitesemjogar = m.estado.sistemadisputa == 4 ? 7 : 10;

    for (int idx : elencotime) {
        TJogador& j = m.jogadores[idx];
        if (j.moralvolta == 1) {
            ++j.moral;
            j.moralvolta = 0;
        } else if (j.moralvolta > 1) {
            --j.moralvolta;
        }
        if (j.semjogar > limitesemjogar && m.sorteia(10) > 5) {
            j.semjogar = 0;
            j.reclamou = 1;
            --j.moral;
            enviamensagem(m, time, kMsgJogador, 2, idx);
        }
        j.moral = std::clamp(j.moral, 1, 3);
    }

    const int n = static_cast<int>(elencotime.size());
    // A fight needs two different players; a smaller squad has nobody to fight.
    if (m.sorteia(100) == 0 && n >= 2) {
        const int a = m.sorteia(n);
        int b = m.sorteia(n - 1);
        if (b >= a) ++b;
        for (int idx : {elencotime[a], elencotime[b]}) {
            m.jogadores[idx].moral = 1;
            m.jogadores[idx].moralvolta = 4;
        }
        enviamensagem(m, time, kMsgJogador, 4, elencotime[a], elencotime[b]);
    }

    TTime& t = m.times[time];
    if (t.confiancatorcida < 20 && m.sorteia(30) == 0 && n >= 1) {
        const int idx = elencotime[m.sorteia(n)];
        m.jogadores[idx].moral = 1;
        m.jogadores[idx].moralvolta = 4;
        enviamensagem(m, time, kMsgJogador, 5, idx);
    }

    int n1 = 0, n2 = 0, n3 = 0;
    for (int idx : elencotime) {
        const int mo = m.jogadores[idx].moral;
        if (mo == 1) ++n1;
        else if (mo == 2) ++n2;
        else if (mo == 3) ++n3;
    }
    if (n1 + n2 < n3) t.moraltime = 3;
    else if (n2 > n1 + n3) t.moraltime = 2;
    else if (n3 < n1) t.moraltime = 1;
    else t.moraltime = 2;
    if ((n1 > 4 || n2 > 7) && t.moraltime == 3) t.moraltime = 2;

    static constexpr int kLimite[5] = {0, 50, 40, 20, 5};
    static constexpr int kVolta[5] = {0, 3, 3, 4, 5};
    if (t.notaderrota >= 1 && t.notaderrota <= 4 && m.sorteia(100) > kLimite[t.notaderrota]) {
        --t.moraltime;
        t.moralvoltatime += kVolta[t.notaderrota];
    }
    t.notaderrota = 0;

    if (t.moralvoltatime > 1) {
        --t.moralvoltatime;
    } else if (t.moralvoltatime == 1) {
        ++t.moraltime;
        t.moralvoltatime = 0;
    }
    t.moraltime = std::clamp(t.moraltime, 1, 3);
}

int verificafalecimento(Mundo& m, int time) {
    if (!timevalido(m, time) || m.estado.competicaoatual != kLiga) return 0;
    for (int idx : elenco(m, time)) {
        const TJogador& j = m.jogadores[idx];
        if (j.idade <= 52) continue;
        if (j.idade > 60 || m.sorteia(3) == 0) {
            mudaclube(m, idx, -1);
            m.times[time].pontos[kLiga] -= 5;
            return idx;
        }
    }
    return 0;
}

}  // namespace tarvello
