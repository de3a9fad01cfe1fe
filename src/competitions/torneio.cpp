#include "competitions/torneio.h"

#include <algorithm>
#include <string>

#include "club/elenco.h"
#include "competitions/confrontos.h"
#include "competitions/selecoestorneios.h"
#include "competitions/tabela.h"
#include "match/penaltis.h"
#include "model/mundo.h"
#include "records/artilheiros.h"
#include "records/historico.h"

namespace tarvello {

namespace {

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

int numgrupos(int competicao) { return competicao == kCopaMundo ? 8 : (competicao == kCopaAmerica ? 3 : 4); }

// Day number of the tournament's n-th date (1-based), from the season's calendar; 0 if none.
double datadotorneio(const Mundo& m, int competicao, int n) {
    int k = 0;
    for (const TDiaCalendario& d : m.calendario)
        if (d.competicao == competicao && ++k == n) return d.data;
    return 0;
}

void acrescentajogo(Mundo& m, int competicao, int mandante, int visitante, int rodada, int chave, double data) {
    TPartida p{};
    p.mandante = mandante;
    p.visitante = visitante;
    p.competicao = competicao;
    p.rodada = rodada;
    p.turno = chave > 0 ? chave : 1;
    p.chave = chave > 0 ? chave : -1;
    p.data = data;
    p.liga = -1;
    m.partidas.push_back(p);
}

// Match-list entry of knock-out tie `chave` of the current tournament, else -1.
int jogodachave(const Mundo& m, int competicao, int chave) {
    for (int i = static_cast<int>(m.partidas.size()) - 1; i >= 0; --i) {
        const TPartida& p = m.partidas[static_cast<size_t>(i)];
        if (p.competicao == competicao && p.chave == chave) return i;
    }
    return -1;
}

// Fills tie `chave` and schedules it on the date of phase `fase`.
void marcachave(Mundo& m, int competicao, int chave, int clube1, int clube2, int fase) {
    TJogoChave& c = m.chavestorneio[static_cast<size_t>(chave - 1)];
    c = TJogoChave{};
    c.clube1 = clube1;
    c.clube2 = clube2;
    c.vencedor = -1;
    acrescentajogo(m, competicao, clube1, clube2, fase, chave, datadotorneio(m, competicao, fase));
}

int vencedor(const Mundo& m, int chave) { return m.chavestorneio[static_cast<size_t>(chave - 1)].vencedor; }
int perdedor(const Mundo& m, int chave) {
    const TJogoChave& c = m.chavestorneio[static_cast<size_t>(chave - 1)];
    return c.vencedor == c.clube1 ? c.clube2 : c.clube1;
}

std::vector<int> grupo(const Mundo& m, int g) {
    std::vector<int> v;
    for (int t : m.estado.torneio.grupos[g])
        if (clubevalido(m, t)) v.push_back(t);
    return v;
}

// The edition's places, champion coach and top scorer; the coaches' invitations end.
void encerraedicao(Mundo& m, int competicao) {
    TEstadoJogo& e = m.estado;
    const int c = competicao - kCopaMundo;
    const int final = competicao == kCopaMundo ? 15 : 7;
    const int campeao = vencedor(m, final), vice = perdedor(m, final);
    const int terceiro = vencedor(m, final + 1), quarto = perdedor(m, final + 1);
    const int ed = e.edicoes[c];
    if (ed >= 0 && ed < 50 && clubevalido(m, campeao)) {
        THistoricoTorneio& h = e.historicotorneios[c];
        auto pais = [&](int t) { return clubevalido(m, t) ? m.times[static_cast<size_t>(t)].pais : -1; };
        h.campeao[ed] = pais(campeao);
        h.vice[ed] = pais(vice);
        h.terceiro[ed] = pais(terceiro);
        h.quarto[ed] = pais(quarto);
        const TTime& t = m.times[static_cast<size_t>(campeao)];
        const int tec = t.tecnico;
        if (tec >= 0 && tec < static_cast<int>(m.tecnicos.size()) && m.tecnicos[static_cast<size_t>(tec)].humano)
            h.tecnico[ed].definebruto(m.tecnicos[static_cast<size_t>(tec)].nome.bruto());
        else if (t.estado >= 0 && t.estado < static_cast<int>(m.selecoes.size()))
            h.tecnico[ed].definebruto(m.selecoes[static_cast<size_t>(t.estado)].tecnico.bruto());
    }
    e.edicoes[c] += 1;
    if (clubevalido(m, campeao)) {
        const TTime& t = m.times[static_cast<size_t>(campeao)];
        // A human coach's title goes to his history with the country in place of a club.
        if (t.tecnico >= 0 && t.tecnico < static_cast<int>(m.tecnicos.size()) &&
            m.tecnicos[static_cast<size_t>(t.tecnico)].humano)
            registratitulotecnico(m, competicao, t.pais, t.tecnico, t.pais, 1, -1);
    }
    apuraartilheiro(m, competicao, -1, -1);
    for (TTecnico& t : m.tecnicos) t.convidadoselecao = 0;
    e.torneio.encerrado = 1;
}

}  // namespace

int torneiodatemporada(const Mundo& m) {
    const int c = m.estado.torneio.competicao;
    return c >= kCopaMundo && c <= kEurocopa && m.estado.numselecoestorneio > 0 ? c : 0;
}

int ultimafasetorneio(int competicao) { return competicao == kCopaMundo ? 7 : 6; }

std::pair<int, int> chavesdafase(int competicao, int fase) {
    if (competicao == kCopaMundo) {
        switch (fase) {
            case 4: return {1, 8};
            case 5: return {9, 12};
            case 6: return {13, 14};
            case 7: return {15, 16};
            default: return {0, -1};
        }
    }
    switch (fase) {
        case 4: return {1, 4};
        case 5: return {5, 6};
        case 6: return {7, 8};
        default: return {0, -1};
    }
}

void montajogostorneio(Mundo& m, int competicao) {
    if (torneiodatemporada(m) != competicao) return;
    const TTorneio& t = m.estado.torneio;
    for (int r = 1; r <= 3; ++r) {
        const double data = datadotorneio(m, competicao, r);
        for (int g = 0; g < numgrupos(competicao); ++g)
            for (int s = 1; s <= 2; ++s) {
                const TParConfronto par = confronto4(r, t.lado, s);
                acrescentajogo(m, competicao, t.grupos[g][par.mandante - 1], t.grupos[g][par.visitante - 1], r, -1,
                               data);
            }
    }
}

void encerradatatorneio(Mundo& m, InteracaoPenaltis& ui, int competicao) {
    TEstadoJogo& e = m.estado;
    if (torneiodatemporada(m) != competicao || e.torneio.encerrado) return;
    if (e.fasetorneio < 4) {
        e.fasetorneio += 1;
        if (e.fasetorneio == 4) encerragrupotorneio(m, competicao);
        return;
    }
    avancatorneio(m, ui, competicao);
}

void encerragrupotorneio(Mundo& m, int competicao) {
    TTorneio& t = m.estado.torneio;
    const int n = numgrupos(competicao);
    std::array<int, 8> primeiro{}, segundo{};
    primeiro.fill(-1);
    segundo.fill(-1);
    std::vector<int> terceiros;
    for (int g = 0; g < n; ++g) {
        const std::vector<TLinhaTabela> linhas = ordenatabela(m, grupo(m, g), competicao);
        for (size_t i = 0; i < linhas.size(); ++i) {
            TTime& x = m.times[static_cast<size_t>(linhas[i].time)];
            x.colocacoes[competicao] = static_cast<int>(i) + 1;
            if (i >= 2) x.notorneio = 0;
        }
        if (linhas.size() > 0) primeiro[static_cast<size_t>(g)] = linhas[0].time;
        if (linhas.size() > 1) segundo[static_cast<size_t>(g)] = linhas[1].time;
        if (linhas.size() > 2) terceiros.push_back(linhas[2].time);
    }
    auto P = [&](int g) { return primeiro[static_cast<size_t>(g)]; };
    auto S = [&](int g) { return segundo[static_cast<size_t>(g)]; };
    if (competicao == kCopaMundo) {
        const int pares[8][2] = {{P(0), S(1)}, {P(2), S(3)}, {P(1), S(0)}, {P(3), S(2)},
                                 {P(4), S(5)}, {P(6), S(7)}, {P(5), S(4)}, {P(7), S(6)}};
        for (int k = 0; k < 8; ++k) marcachave(m, competicao, k + 1, pares[k][0], pares[k][1], 4);
    } else if (competicao == kCopaAmerica) {
        // The two best third-placed teams stay in.
        const std::vector<TLinhaTabela> t3 = ordenatabela(m, terceiros, competicao);
        t.melhoresterceiros[0] = t3.size() > 0 ? t3[0].time : -1;
        t.melhoresterceiros[1] = t3.size() > 1 ? t3[1].time : -1;
        for (int k = 0; k < 2; ++k)
            if (clubevalido(m, t.melhoresterceiros[k])) m.times[static_cast<size_t>(t.melhoresterceiros[k])].notorneio = 1;
        const int pares[4][2] = {
            {P(0), S(1)}, {P(2), t.melhoresterceiros[1]}, {P(1), S(0)}, {t.melhoresterceiros[0], S(2)}};
        for (int k = 0; k < 4; ++k) marcachave(m, competicao, k + 1, pares[k][0], pares[k][1], 4);
    } else {
        const int pares[4][2] = {{P(0), S(1)}, {P(2), S(3)}, {P(1), S(0)}, {P(3), S(2)}};
        for (int k = 0; k < 4; ++k) marcachave(m, competicao, k + 1, pares[k][0], pares[k][1], 4);
    }
}

TDisputaPenaltis penaltistorneio(Mundo& m, InteracaoPenaltis& ui, int indice, const int* onzemandante,
                                 const int* onzevisitante) {
    TDisputaPenaltis d;
    if (indice < 0 || indice >= static_cast<int>(m.partidas.size())) return d;
    TPartida& p = m.partidas[static_cast<size_t>(indice)];
    if (p.competicao < kCopaMundo || p.chave < 1 || p.golsmandante != p.golsvisitante) return d;
    if (p.penaltismandante != p.penaltisvisitante) return d;  // already settled
    d = disputapenaltis(m, ui, p.mandante, p.visitante, true, true, onzemandante, onzevisitante);
    p.penaltismandante = d.placar[0];
    p.penaltisvisitante = d.placar[1];
    return d;
}

void avancatorneio(Mundo& m, InteracaoPenaltis& ui, int competicao) {
    TEstadoJogo& e = m.estado;
    const int fase = e.fasetorneio;
    const bool final = fase == ultimafasetorneio(competicao);
    const auto [a, b] = chavesdafase(competicao, fase);
    for (int k = a; k <= b; ++k) {
        TJogoChave& c = m.chavestorneio[static_cast<size_t>(k - 1)];
        const int i = jogodachave(m, competicao, k);
        if (i < 0 || !clubevalido(m, c.clube1) || !clubevalido(m, c.clube2)) continue;
        if (m.partidas[static_cast<size_t>(i)].golsmandante == m.partidas[static_cast<size_t>(i)].golsvisitante)
            penaltistorneio(m, ui, i, nullptr, nullptr);  // a level match not settled on the pitch
        const TPartida& p = m.partidas[static_cast<size_t>(i)];
        c.gols1 = p.golsmandante;
        c.gols2 = p.golsvisitante;
        std::string texto = std::to_string(p.golsmandante) + "x" + std::to_string(p.golsvisitante);
        bool primeiro = p.golsmandante > p.golsvisitante;
        if (p.golsmandante == p.golsvisitante) {
            primeiro = p.penaltismandante > p.penaltisvisitante;
            texto += " (" + std::to_string(p.penaltismandante) + "x" + std::to_string(p.penaltisvisitante) + ")";
        }
        c.vencedor = primeiro ? c.clube1 : c.clube2;
        c.resultado.define(texto);
        if (!final) m.times[static_cast<size_t>(primeiro ? c.clube2 : c.clube1)].notorneio = 0;
    }
    e.fasetorneio += 1;
    if (final) {
        encerraedicao(m, competicao);
        return;
    }
    const int prox = fase + 1;
    if (competicao == kCopaMundo) {
        if (fase == 4) {
            const int pares[4][2] = {{1, 2}, {5, 6}, {3, 4}, {7, 8}};
            for (int k = 0; k < 4; ++k)
                marcachave(m, competicao, 9 + k, vencedor(m, pares[k][0]), vencedor(m, pares[k][1]), prox);
        } else if (fase == 5) {
            marcachave(m, competicao, 13, vencedor(m, 9), vencedor(m, 10), prox);
            marcachave(m, competicao, 14, vencedor(m, 11), vencedor(m, 12), prox);
        } else {
            marcachave(m, competicao, 15, vencedor(m, 13), vencedor(m, 14), prox);
            marcachave(m, competicao, 16, perdedor(m, 13), perdedor(m, 14), prox);
        }
    } else if (fase == 4) {
        marcachave(m, competicao, 5, vencedor(m, 1), vencedor(m, 2), prox);
        marcachave(m, competicao, 6, vencedor(m, 3), vencedor(m, 4), prox);
    } else {
        marcachave(m, competicao, 7, vencedor(m, 5), vencedor(m, 6), prox);
        marcachave(m, competicao, 8, perdedor(m, 5), perdedor(m, 6), prox);
    }
}

TProximoAdversario proximoadversario(const Mundo& m, int time) {
    TProximoAdversario r;
    const TEstadoJogo& e = m.estado;
    const int competicao = torneiodatemporada(m);
    if (!competicao || !clubevalido(m, time) || e.torneio.encerrado) return r;
    const TTime& t = m.times[static_cast<size_t>(time)];
    r.rodada = e.fasetorneio;
    if (e.fasetorneio >= 1 && e.fasetorneio <= 3) {
        const int g = t.grupotorneio - 1;
        if (g < 0 || g >= 8) return r;
        for (int s = 1; s <= 2; ++s) {
            const TParConfronto par = confronto4(e.fasetorneio, e.torneio.lado, s);
            if (par.mandante == t.vagagruposelecao) {
                r.adversario = e.torneio.grupos[g][par.visitante - 1];
                r.mandante = true;
            } else if (par.visitante == t.vagagruposelecao) {
                r.adversario = e.torneio.grupos[g][par.mandante - 1];
                r.mandante = false;
            }
        }
        return r;
    }
    const auto [a, b] = chavesdafase(competicao, e.fasetorneio);
    for (int k = a; k <= b; ++k) {
        const TJogoChave& c = m.chavestorneio[static_cast<size_t>(k - 1)];
        if (c.clube1 == time) {
            r.adversario = c.clube2;
            r.mandante = true;
        } else if (c.clube2 == time) {
            r.adversario = c.clube1;
            r.mandante = false;
        }
    }
    return r;
}

std::string cidadedojogo(const Mundo& m, int grupo, int rodada, int chave) {
    const std::vector<std::string> cidades = cidadessede(m.estado.torneio.competicao, m.estado.sede);
    if (cidades.empty()) return {};
    const int n = static_cast<int>(cidades.size());
    const int i = chave > 0 ? (chave - 1) % n : (std::max(grupo, 0) + std::max(rodada - 1, 0)) % n;
    return cidades[static_cast<size_t>(i)];
}

bool selecaojogahoje(const Mundo& m, int time) {
    const int d = m.estado.dataatual;
    if (time < 0 || d < 1 || d > kNumDatas) return false;
    const double hoje = m.calendario[static_cast<size_t>(d - 1)].data;
    const int c = m.estado.competicaoatual;
    return std::any_of(m.partidas.begin(), m.partidas.end(), [&](const TPartida& p) {
        return p.competicao == c && p.data == hoje && !p.jogado && (p.mandante == time || p.visitante == time);
    });
}

void devolveconvocados(Mundo& m) {
    std::vector<int> mexidos;
    for (const TConvocacao& c : m.convocacoes) {
        if (c.jogador <= 0 || c.jogador >= static_cast<int>(m.jogadores.size())) continue;
        TJogador& j = m.jogadores[static_cast<size_t>(c.jogador)];
        const int de = j.time;
        const int para = clubevalido(m, c.time) ? c.time : -1;
        j.time = para;
        moveelenco(m, c.jogador, de, para);
        for (int t : {de, para})
            if (clubevalido(m, t) && std::find(mexidos.begin(), mexidos.end(), t) == mexidos.end()) mexidos.push_back(t);
    }
    m.convocacoes.clear();
    for (int t : mexidos) {
        recontaelenco(m, t);
        novocapitao(m, t);
        novocobrador(m, t);
    }
}

std::string convocajogadores(Mundo& m, int time, const std::vector<int>& jogadores) {
    const TEstadoJogo& e = m.estado;
    if (!torneiodatemporada(m) || time < e.numclubesantes || !clubevalido(m, time))
        return "Não há seleção para convocar.";
    if (jogadores.empty()) return "Nenhum jogador convocado.";
    int goleiros = 0, linha = 0;
    for (size_t i = 0; i < jogadores.size(); ++i) {
        const int j = jogadores[i];
        if (j <= 0 || j >= e.numjogadoresantes || j >= static_cast<int>(m.jogadores.size()))
            return "Jogador inválido.";
        int clube = m.jogadores[static_cast<size_t>(j)].time;
        if (clube == time)  // called up before: his club is the one he came from
            for (const TConvocacao& c : m.convocacoes)
                if (c.jogador == j) clube = c.time;
        if (clube < 0 || clube >= e.numclubesantes) return "Só jogadores de clubes podem ser convocados.";
        if (std::find(jogadores.begin(), jogadores.begin() + static_cast<std::ptrdiff_t>(i), j) !=
            jogadores.begin() + static_cast<std::ptrdiff_t>(i))
            return "Jogador repetido.";
        (m.jogadores[static_cast<size_t>(j)].posicaooriginal == 0 ? goleiros : linha) += 1;
    }
    if (goleiros > kMaxConvocadosGoleiros || linha > kMaxConvocadosLinha)
        return "Você pode convocar até 20 jogadores de linha e 3 goleiros";
    // Earlier call-ups of this team go home; its generated players leave it.
    std::vector<TConvocacao> outros;
    std::vector<TConvocacao> destes;
    for (const TConvocacao& c : m.convocacoes)
        (c.jogador > 0 && c.jogador < static_cast<int>(m.jogadores.size()) &&
                 m.jogadores[static_cast<size_t>(c.jogador)].time == time
             ? destes
             : outros)
            .push_back(c);
    m.convocacoes = destes;
    devolveconvocados(m);
    m.convocacoes = outros;
    for (int j : elenco(m, time)) {
        m.jogadores[static_cast<size_t>(j)].time = -1;
        moveelenco(m, j, time, -1);
    }
    std::vector<int> clubes;
    for (int j : jogadores) {
        TJogador& p = m.jogadores[static_cast<size_t>(j)];
        m.convocacoes.push_back({j, p.time});
        if (std::find(clubes.begin(), clubes.end(), p.time) == clubes.end()) clubes.push_back(p.time);
        const int de = p.time;
        p.time = time;
        moveelenco(m, j, de, time);
    }
    clubes.push_back(time);
    for (int t : clubes) {
        recontaelenco(m, t);
        novocapitao(m, t);
        novocobrador(m, t);
    }
    return {};
}

void encerratorneio(Mundo& m) {
    TEstadoJogo& e = m.estado;
    if (!torneiodatemporada(m) || e.torneio.encerrado != 1) return;
    devolveconvocados(m);
    for (int32_t& s : e.selecaohumana) {
        if (clubevalido(m, s)) m.times[static_cast<size_t>(s)].humano = 0;
        s = -1;
    }
    e.selecaoatual = -1;
    e.torneio.encerrado = 2;
}

void removecopiastorneio(Mundo& m) {
    TEstadoJogo& e = m.estado;
    const int ct = e.numclubesantes, cj = e.numjogadoresantes;
    if (ct <= 0 || cj <= 0 || ct >= static_cast<int>(m.times.size()) || cj > static_cast<int>(m.jogadores.size())) {
        e.torneio.competicao = 0;
        return;
    }
    devolveconvocados(m);
    // Nothing that outlives the season may point at a removed team or player.
    auto time = [&](int32_t& t) {
        if (t >= ct) t = -1;
    };
    auto jogador = [&](int32_t& j) {
        if (j >= cj) j = 0;
    };
    for (TMensagem& x : m.mensagens) {
        if (x.time >= ct) {
            x.time = -1;
            x.jogador = x.outro = 0;
        }
        jogador(x.jogador);
    }
    for (TPartida& p : m.partidas) {
        time(p.mandante);
        time(p.visitante);
    }
    for (TTecnico& t : m.tecnicos) {
        time(t.time);
        time(t.ultimotime);
    }
    for (THistoricoArtilheiro& h : m.historicoartilheiros) {
        time(h.time);
        jogador(h.jogador);
    }
    for (THistoricoColocado& h : m.historicocolocados)
        if (h.competicao < kCopaMundo) time(h.time);
    for (TResultadoClube& h : m.resultadosclubes) time(h.time);
    for (TConfronto& h : m.confrontos) {
        time(h.mandante);
        time(h.visitante);
    }
    for (TTransferencia& h : m.transferencias) {
        time(h.origem);
        time(h.destino);
    }
    for (int32_t& s : e.selecaohumana) time(s);
    time(e.selecaoatual);
    m.jogadores.resize(static_cast<size_t>(cj));
    m.times.resize(static_cast<size_t>(ct));
    if (m.financas.size() > m.times.size()) m.financas.resize(m.times.size());
    refazelencos(m);
    e.numselecoestorneio = 0;
    TTorneio& t = e.torneio;
    t.competicao = 0;
    for (auto& g : t.grupos) std::fill(std::begin(g), std::end(g), -1);
    std::fill(std::begin(t.participantes), std::end(t.participantes), -1);
    t.melhoresterceiros[0] = t.melhoresterceiros[1] = -1;
    for (auto& p : e.potesforca) std::fill(std::begin(p), std::end(p), -1);
    for (TJogoChave& c : m.chavestorneio) {
        c = TJogoChave{};
        c.clube1 = c.clube2 = c.vencedor = -1;
    }
}

}  // namespace tarvello
