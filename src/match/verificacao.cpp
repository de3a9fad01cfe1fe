#include "match/verificacao.h"

#include <set>

#include "match/escalacao.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {

namespace {

void verificalinha(const Mundo& m, int jogo, int lado, std::vector<std::string>& erros) {
    const TJogos& g = m.diajogo.jogos[jogo - 1];
    const int time = g.time(lado);
    const std::string onde = "jogo " + std::to_string(jogo) + " lado " + std::to_string(lado) + ": ";
    const TEscalacao* r = linhade(m, time);
    if (!r) {
        erros.push_back(onde + "sem escalação");
        return;
    }
    const int n = static_cast<int>(m.jogadores.size());
    const int k = tipodia(m);
    const bool tipovalido = k >= 0 && k < kNumCompeticoes;
    std::set<int> vistos;
    int pos[5] = {}, def = 0, meio = 0, ata = 0;
    for (int s = 1; s <= kUltimoBanco; ++s) {
        if (s >= 12 && s < kPrimeiroBanco) continue;
        const int id = (*r)[s];
        if (id == 0) continue;
        if (id < 0 || id >= n) {
            erros.push_back(onde + "jogador inválido no slot " + std::to_string(s));
            continue;
        }
        if (!vistos.insert(id).second) erros.push_back(onde + "jogador repetido " + std::to_string(id));
        const TJogador& j = m.jogadores[id];
        if (j.energia < 0 || j.energia > 100) erros.push_back(onde + "energia fora da faixa");
        if (s > 11 || !j.jogouhoje) continue;
        if (static_cast<int64_t>(j.contusaoate) > static_cast<int64_t>(hojedodia(m)))
            erros.push_back(onde + "contundido em campo " + std::to_string(id));
        if (tipovalido && j.suspensao[k] > 0)
            erros.push_back(onde + "suspenso em campo " + std::to_string(id));
        if (!disponivel(m, id)) continue;
        if (j.posicao >= 1 && j.posicao <= 4) ++pos[j.posicao];
        if (j.posicao == kZagueiro || (j.posicao == kLateral && j.funcao != 2)) ++def;
        if (j.posicao == kMeioCampo || (j.posicao == kLateral && j.funcao == 2)) ++meio;
        if (j.posicao == kAtacante) ++ata;
    }
    bool contas = (*r)[kSlotDefesa] == def && (*r)[kSlotMeio] == meio && (*r)[kSlotAtaque] == ata;
    for (int p = 1; p <= 4; ++p) contas = contas && (*r)[kSlotContaPosicao + p] == pos[p];
    if (!contas) erros.push_back(onde + "contagens das linhas diferem do campo");

    const int limite = limitesubstituicoes(m);
    int trocas = 0, gols = 0;
    for (const auto& e : m.diajogo.eventos) {
        if (e.partida != jogo || e.time != time) continue;
        if (e.tipo == kEvSubstituicao) ++trocas;
        if (e.tipo == kEvGolFalta || e.tipo == kEvGolPenalti) ++gols;
    }
    if (g.substituicoes[lado - 1] < 0 || g.substituicoes[lado - 1] > limite || trocas > limite ||
        trocas > limite - g.substituicoes[lado - 1])
        erros.push_back(onde + "substituições além do permitido");
    if (g.nsubstituidos[lado - 1] < 0 || g.nsubstituidos[lado - 1] > kMaxSaidasLista)
        erros.push_back(onde + "lista de substituídos inválida");
    for (int i = 0; i < g.numgols && i < kMaxGolsLista; ++i)
        if (g.listagols[i].time == time) ++gols;
    // Open-play goals are listed (until the list is full), free-kick and penalty goals only logged.
    const bool cheia = g.numgols >= kMaxGolsLista;
    if (cheia ? g.gols[lado - 1] < gols : g.gols[lado - 1] != gols)
        erros.push_back(onde + "placar difere dos gols registrados");
}

}  // namespace

std::vector<std::string> verificadiajogo(const Mundo& m) {
    std::vector<std::string> erros;
    const int n = static_cast<int>(m.diajogo.jogos.size());
    if (n > kMaxJogosTela) erros.push_back("jogos demais na tela");
    for (int jogo = 1; jogo <= n; ++jogo) {
        const TJogos& g = m.diajogo.jogos[jogo - 1];
        if (g.numgols < 0 || g.numgols > kMaxGolsLista) erros.push_back("lista de gols inválida");
        verificalinha(m, jogo, 1, erros);
        verificalinha(m, jogo, 2, erros);
    }
    for (int j : emcampodivergentes(m)) erros.push_back("marca em campo errada do jogador " + std::to_string(j));
    for (int t : elencosdivergentes(m)) erros.push_back("elenco do clube " + std::to_string(t) + " fora do índice");
    return erros;
}

}  // namespace tarvello
