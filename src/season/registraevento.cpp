#include "season/registraevento.h"

#include <algorithm>

#include "model/hoje.h"
#include "model/mundo.h"
#include "news/mensagens.h"

namespace tarvello {

int slottemporada(const Mundo& m) { return std::clamp(m.estado.temporada, 1, 10); }

namespace {

THistoricoJogador& historicode(Mundo& m, TJogador& j) {
    if (m.historicos.empty()) m.historicos.emplace_back();  // entry 0 means "none"
    if (j.historico <= 0 || j.historico >= static_cast<int>(m.historicos.size())) {
        THistoricoJogador h{};
        for (auto& temporada : h.clubes)
            for (auto& c : temporada) c = -1;
        m.historicos.push_back(h);
        j.historico = static_cast<int32_t>(m.historicos.size() - 1);
    }
    return m.historicos[j.historico];
}

int duracaosuspensao(Mundo& m) {
    const int r = m.sorteia(35);
    if (r == 0) return 10;
    if (r <= 2) return 5;
    if (r <= 5) return 3;
    if (r <= 15) return 2;
    return 1;
}

// Weeks out and strength lost; both depend on age, energy and "Resistência".
int contusao(Mundo& m, TJogador& j) {
    int w = 0;
    if (j.energia < 50) ++w;
    const int idade = j.idade;
    if (idade < 26) w += 1;
    else if (idade <= 30) w += 1 + m.sorteia(3);
    else if (idade <= 35) w += 2 + m.sorteia(3);
    else if (idade <= 40) w += 3 + m.sorteia(4);
    else if (idade <= 50) w += 4 + m.sorteia(4);
    else if (idade <= 60) w += 5 + m.sorteia(4);
    else w += 6 + m.sorteia(4);

    int perda = 10;
    if (idade >= 16 && idade <= 20) perda = 2;
    else if (idade >= 21 && idade <= 25) perda = 3;
    else if (idade >= 26 && idade <= 30) perda = 4;
    else if (idade >= 31 && idade <= 35) perda = 5;
    else if (idade >= 36 && idade <= 40) perda = 7;
    j.forca -= perda;
    if (j.forca < 1) j.forca = 1;
    if (j.habilidade1 == 12) j.forca += 2;
    else if (j.habilidade2 == 12) j.forca += 1;
    if (w > 1 && j.habilidade1 == 12) --w;

    if (m.sorteia(300) == 0) w = 15 + m.sorteia(6);
    return w;
}

}  // namespace

void registraevento(Mundo& m, int jogador, int time, std::string_view codigo) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    TJogador& j = m.jogadores[jogador];
    if (time < 0) time = j.time;
    const int tipo = m.estado.competicaoatual;
    const bool tipovalido = tipo >= 0 && tipo < kNumCompeticoes;
    const int s = slottemporada(m);
    const bool humano = time >= 0 && time < static_cast<int>(m.times.size()) && m.times[time].humano;

    if (codigo == "j") {
        auto& h = historicode(m, j);
        ++h.partidas[0];
        ++h.partidas[s];
        if (tipovalido) ++j.partidas[tipo];
    } else if (codigo == "g") {
        auto& h = historicode(m, j);
        ++h.gols[0];
        ++h.gols[s];
        if (tipovalido) ++j.gols[tipo];
    } else if (codigo == "ca") {
        auto& h = historicode(m, j);
        ++h.amarelos[0];
        ++h.amarelos[s];
        if (tipovalido) ++j.amarelos[tipo];
    } else if (codigo == "cv") {
        auto& h = historicode(m, j);
        ++h.vermelhos[0];
        ++h.vermelhos[s];
        const int jogos = duracaosuspensao(m);
        if (tipovalido) j.suspensao[tipo] += jogos;
        if (humano && jogos > 1) enviamensagem(m, time, kMsgSuspensao, jogos, jogador);
    } else if (codigo == "ct") {
        auto& h = historicode(m, j);
        ++h.contusoes[0];
        ++h.contusoes[s];
        const int semanas = contusao(m, j);
        if (semanas > 0) j.contusaoate = datahoje(m) + 7.0 * semanas + 2.0;
        if (humano && semanas > 1 && tipo >= 0 && tipo <= 6)
            enviamensagem(m, time, kMsgContusao, semanas, jogador);
    } else if (codigo == "time") {
        auto& h = historicode(m, j);
        for (auto& c : h.clubes[s - 1]) {
            if (c == -1) {
                c = time;
                break;
            }
        }
    }
}

}  // namespace tarvello
