#include "season/renovajogador.h"

#include <algorithm>
#include <array>

#include "club/contratos.h"
#include "club/elenco.h"
#include "club/valores.h"
#include "model/funcoes.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "records/artilheiros.h"
#include "season/registraevento.h"

namespace tarvello {

namespace {

int idadejuvenil(Mundo& m) {
    const int r = m.sorteia(100);
    if (r < 35) return 20;
    if (r < 65) return 19;
    if (r < 85) return 18;
    return 17;
}

int forcajuvenil(Mundo& m, const TTime& t) {
    const int r = m.sorteia(100);
    if (t.humano || t.nivel < 18) {
        if (r < 35) return 2 + m.sorteia(5);
        if (r < 80) return 4 + m.sorteia(8);
        if (r < 99) return 7 + m.sorteia(5);
        return 10 + m.sorteia(5);
    }
    const int base = t.nivel >= 21 ? 10 : 8;
    if (r < 10) return base + m.sorteia(2);
    if (r < 80) return base + m.sorteia(4);
    if (r < 99) return base + 2 + m.sorteia(5);
    return base + 2 + m.sorteia(7);
}

// Characteristic pairs of each position, equally likely.
void sorteiahabilidades(Mundo& m, TJogador& j, int posicao) {
    using Par = std::array<int, 2>;
    static const std::array<std::array<Par, 4>, 5> kPares = {{
        {{{0, 2}, {2, 3}, {3, 0}, {0, 0}}},      // Goleiro
        {{{6, 10}, {6, 13}, {10, 11}, {0, 0}}},  // Lateral
        {{{7, 10}, {7, 12}, {7, 5}, {0, 0}}},    // Zagueiro
        {{{7, 10}, {7, 11}, {4, 11}, {4, 9}}},   // Meio Campo
        {{{9, 5}, {13, 9}, {8, 9}, {0, 0}}},     // Atacante
    }};
    const int n = posicao == 3 ? 4 : 3;
    const Par p = kPares[static_cast<size_t>(posicao)][static_cast<size_t>(m.sorteia(n))];
    j.habilidade1 = p[0];
    j.habilidade2 = p[1];
}

}  // namespace

void renovajogador(Mundo& m, int jogador, const std::optional<std::string>& nome, int posicao) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    const TJogador& atual = m.jogadores[static_cast<size_t>(jogador)];
    if (atual.time < 0 || atual.time >= static_cast<int>(m.times.size())) return;
    // Histories that name the old player keep naming him (this may grow the player table).
    preservaartilheiro(m, jogador);
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    const TTime& t = m.times[static_cast<size_t>(j.time)];

    j.idade = idadejuvenil(m);
    j.forca = forcajuvenil(m, t);
    if (nome && !nome->empty()) j.nome.define(nome->substr(0, 20));
    j.contusaoate = datahoje(m);
    j.energia = 100;
    j.moral = 3;
    j.evolucao = 0;
    if (posicao >= 0 && posicao <= 4) {
        j.posicaooriginal = j.posicao = posicao;
        sorteiahabilidades(m, j, posicao);
        j.funcao = funcaopadrao(posicao, j.habilidade1, j.habilidade2);
    }
    j.semjogar = 0;
    j.reclamou = 0;
    j.escaladocansado = 0;
    // A former star keeps the gift half the time; anyone else gets it 1 time in 70.
    j.estrela = j.estrela ? (m.sorteia(2) == 0 ? 1 : 0) : (m.sorteia(70) == 0 ? 1 : 0);
    for (int k = 0; k < kNumCompeticoes; ++k) j.amarelos[k] = j.suspensao[k] = j.gols[k] = j.partidas[k] = 0;
    // Value and salary follow the new strength, star mark and age; the first contract is short.
    j.passe = calculapasse(m, jogador);
    j.salario = calculasalario(m, jogador);
    novocontrato(m, jogador, 4);
    recalculasalarios(m, j.time);

    if (j.historico > 0 && j.historico < static_cast<int>(m.historicos.size())) {
        THistoricoJogador& h = m.historicos[static_cast<size_t>(j.historico)];
        h = THistoricoJogador{};
        for (auto& s : h.clubes)
            for (int& c : s) c = -1;
        h.clubes[slottemporada(m) - 1][0] = j.time;
    }
}

}  // namespace tarvello
