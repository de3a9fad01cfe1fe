#include "match/diajogo.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "club/amistosos.h"
#include "club/estadio.h"
#include "club/emprestimos.h"
#include "club/leilao.h"
#include "club/transferencias.h"
#include "competitions/calendario.h"
#include "competitions/continentais.h"
#include "competitions/copas.h"
#include "competitions/estaduais.h"
#include "competitions/liga.h"
#include "competitions/mundial.h"
#include "competitions/torneio.h"
#include "match/contabilidade.h"
#include "match/escalacao.h"
#include "match/estatisticas.h"
#include "match/interacao.h"
#include "match/penaltis.h"
#include "match/publico.h"
#include "match/relatorios.h"
#include "match/simulacao.h"
#include "match/taticas.h"
#include "match/verificacao.h"
#include "model/funcoes.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/tipos.h"
#include "records/historico.h"
#include "season/evolucao.h"
#include "season/carreira.h"
#include "season/confianca.h"
#include "season/semana.h"
#include "season/tecnico.h"
#include "season/turno.h"

namespace tarvello {

namespace {

// The latest first-division champion of league `liga`, from the champions history; -1 none.
int campeaorecente(const Mundo& m, int liga) {
    if (liga < 0 || liga >= static_cast<int>(m.ligas.size())) return -1;
    const int pais = m.ligas[static_cast<size_t>(liga)].pais;
    for (int t = m.estado.temporada; t >= 1; --t) {
        const int c = colocado(m, pais, 1, t, 1, kLiga);
        if (c >= 0) return c;
    }
    return -1;
}

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }

bool agrupaporliga(int tipo) { return tipo == kLiga || tipo == kCopaNacional; }

// Every match of the day's kind still to be played today, in list order.
std::vector<int> partidasdehoje(const Mundo& m, int tipo) {
    std::vector<int> r;
    const double hoje = hojedodia(m);
    for (int i = 0; i < static_cast<int>(m.partidas.size()); ++i) {
        const TPartida& p = m.partidas[static_cast<size_t>(i)];
        if (p.competicao == tipo && p.data == hoje && !p.jogado && clubevalido(m, p.mandante) &&
            clubevalido(m, p.visitante) && p.mandante != p.visitante)
            r.push_back(i);
    }
    return r;
}

// The kind's step once every group of the day has been played.
void progressodotipo(Mundo& m, Interacao& ia, int tipo) {
    switch (tipo) {
        case kLiga:
            evoluiforca(m, kLiga);
            avancarodadaliga(m);
            // What the results screen shows: the tables after the round (and, on the last
            // round, the league's awards).
            atualizaclassificacao(m);
            atualizaconfiancadodia(m, kLiga);
            break;
        case kCopaNacional: encerradatacopa(m, ia); break;
        case kEstadual:
            evoluiforca(m, kEstadual);
            avancaestadual(m);
            atualizaconfiancadodia(m, kEstadual);
            break;
        case kContinental1:
        case kContinental2: encerradatacontinental(m, ia, tipo); break;
        case kMundialClubes: avancamundial(m, ia); break;
        case kCopaMundo:
        case kCopaAmerica:
        case kEurocopa: encerradatatorneio(m, ia, tipo); break;
        default: break;
    }
}

// A computer-run club's players go back to their own positions and default roles.
void restauraposicao(Mundo& m, int jogador) {
    if (jogador <= 0 || jogador >= static_cast<int>(m.jogadores.size())) return;
    TJogador& j = m.jogadores[static_cast<size_t>(jogador)];
    j.posicao = j.posicaooriginal;
    j.funcao = funcaopadrao(j.posicaooriginal, j.habilidade1, j.habilidade2);
}

void encerrajogo(Mundo& m, TJogos& g, int tipo) {
    const int H = g.mandante, A = g.visitante;
    const int gh = g.gols[0], ga = g.gols[1];
    if (g.indicepartida >= 0 && g.indicepartida < static_cast<int>(m.partidas.size())) {
        TPartida& p = m.partidas[static_cast<size_t>(g.indicepartida)];
        p.golsmandante = gh;
        p.golsvisitante = ga;
        p.publico = g.publicosetor[0] + g.publicosetor[1] + g.publicosetor[2] + g.publicosetor[3];
        p.renda = g.renda;
        p.jogado = 1;
    }
    if (tipo >= kLiga && tipo <= kContinental2) somatotaiscompeticao(m, tipo, H, A, gh, ga);
    for (int t : {H, A})
        if (TEscalacao* r = linhade(m, t))
            for (int s = kPrimeiroBanco; s <= kUltimoBanco; ++s) (*r)[s] = 0;
    if (tipo >= kLiga) {
        registraresultado(m, tipo, H, A, gh, ga);
        contabilizatecnicos(m, tipo, H, A, gh, ga);
        avaliagoleada(m, H, A, gh, ga);
    }
    if (tipo >= kAmistoso && tipo <= kContinental2) registraconfronto(m, tipo, H, A, gh, ga);
    // Wages, and on league and state Sundays the loan interest, once per week.
    cobrasemana(m, tipo, H, A);
    creditarenda(m, tipo, H, A, g.renda);
}

// A computer-run club's players of the match go back to their own positions and roles.
void restauraposicoes(Mundo& m, const TJogos& g) {
    for (int lado = 1; lado <= 2; ++lado) {
        const int t = g.time(lado);
        if (m.times[static_cast<size_t>(t)].humano) continue;
        const int32_t* onze = lado == 1 ? g.titularesmandante : g.titularesvisitante;
        for (int s = 0; s < 11; ++s) restauraposicao(m, onze[s]);
        for (int k = 0; k < g.nsubstituidos[lado - 1] && k < kMaxSaidasLista; ++k)
            restauraposicao(m, g.substituidos[lado - 1][k].jogador);
        if (const TEscalacao* r = linhade(m, t))
            for (int s = 1; s <= 11; ++s) restauraposicao(m, (*r)[s]);
    }
}

// Every player of the screen's clubs, after all their matches: computer-run clubs' players back
// to their own positions, and everyone's energy recovery. One pass over the player table.
void recuperajogadores(Mundo& m) {
    std::vector<uint8_t> notela(m.times.size(), 0);
    for (const TJogos& g : m.diajogo.jogos) notela[static_cast<size_t>(g.mandante)] = notela[static_cast<size_t>(g.visitante)] = 1;
    for (size_t j = 1; j < m.jogadores.size(); ++j) {
        TJogador& p = m.jogadores[j];
        if (p.time < 0 || p.time >= static_cast<int>(notela.size()) || !notela[static_cast<size_t>(p.time)]) continue;
        recuperaenergia(m, static_cast<int>(j));
    }
}

}  // namespace

std::vector<int> gruposdodia(const Mundo& m, int tipo) {
    std::vector<int> g;
    if (agrupaporliga(tipo)) {
        for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) g.push_back(l);
    } else if (tipo == kEstadual) {
        for (int s = 0; s < kNumEstados; ++s)
            if (m.estaduais[static_cast<size_t>(s)].temestadual) g.push_back(s);
    } else if (tipo == kContinental1 || tipo == kContinental2) {
        g = {1, 2};
    } else {
        g = {-1};
    }
    return g;
}

bool grupomostrado(const Mundo& m, int tipo, int grupo) {
    if (agrupaporliga(tipo)) {
        auto qualifica = [&](int l) {
            const TLiga& x = m.ligas[static_cast<size_t>(l)];
            return x.temhumano || x.mostrarjogos;
        };
        if (grupo < 0 || grupo >= static_cast<int>(m.ligas.size())) return false;
        if (qualifica(grupo)) return true;
        for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l)
            if (qualifica(l)) return false;
        return grupo == m.ligareserva;
    }
    if (tipo == kEstadual)
        return grupo >= 0 && grupo < kNumEstados && m.estaduais[static_cast<size_t>(grupo)].temhumano;
    return true;
}

std::vector<int> partidasdogrupo(const Mundo& m, int tipo, int grupo) {
    std::vector<int> r = partidasdehoje(m, tipo);
    if (grupo >= 0)
        std::erase_if(r, [&](int i) { return m.partidas[static_cast<size_t>(i)].liga != grupo; });
    return r;
}

std::vector<int> tecnicosdodia(const Mundo& m) {
    std::vector<int> r;
    const std::vector<int> hoje = partidasdehoje(m, m.estado.competicaoatual);
    // On tournament dates a coach confirms the line-up of the national team he runs.
    const bool selecoes = m.estado.competicaoatual >= kCopaMundo;
    for (int k = 0; k < m.estado.numtecnicoshumanos && k < kMaxHumanos; ++k) {
        const int t = selecoes ? m.estado.selecaohumana[k] : m.estado.timedotecnico[k];
        if (!clubevalido(m, t) || !m.times[static_cast<size_t>(t)].humano) continue;
        for (int i : hoje) {
            const TPartida& p = m.partidas[static_cast<size_t>(i)];
            if (p.mandante == t || p.visitante == t) {
                r.push_back(k);
                break;
            }
        }
    }
    return r;
}

void comecadia(Mundo& m) {
    const int tipo = m.estado.competicaoatual;
    std::vector<int> clubes;
    for (int i : partidasdehoje(m, tipo))
        for (int t : {m.partidas[static_cast<size_t>(i)].mandante, m.partidas[static_cast<size_t>(i)].visitante})
            if (std::find(clubes.begin(), clubes.end(), t) == clubes.end()) clubes.push_back(t);
    // A human club whose coach confirmed nothing (the headless tool) is lined up as the
    // computer would.
    for (int t : clubes)
        if (m.times[static_cast<size_t>(t)].humano && !linhade(m, t)) escalatime(m, t);
    escalacomputador(m, clubes);
    // Every match day goes through here, whether the game was started, loaded or is headless,
    // so this is where watched matches get their penalty draw. A hook already in place (a test
    // counting the draws) is kept.
    if (!m.diajogo.sorteiopenalti) m.diajogo.sorteiopenalti = sorteiapenalti;

    if (tipo == kAmistoso) marcaamistososdehoje(m);

    TControleDia& c = m.controledia;
    c = TControleDia{};
    c.tipo = tipo;
    c.grupos = gruposdodia(m, tipo);
}

bool proximogrupo(Mundo& m, Interacao& ia) {
    TControleDia& c = m.controledia;
    if (c.encerrado || c.tipo < 0) return false;
    for (;;) {
        if (c.pendentes.empty()) {
            if (++c.grupo >= static_cast<int>(c.grupos.size())) {
                progressodotipo(m, ia, c.tipo);
                c.encerrado = true;
                return false;
            }
            const int grupo = c.grupos[static_cast<size_t>(c.grupo)];
            c.pendentes = partidasdogrupo(m, c.tipo, grupo);
            c.mostrado = grupomostrado(m, c.tipo, grupo);
            if (c.tipo == kEstadual && grupo >= 0) m.estaduais[static_cast<size_t>(grupo)].jogouhoje = 1;
            if (c.pendentes.empty()) continue;
        }
        preparatela(m);
        m.diajogo.campeaoliga = c.tipo == kLiga ? campeaorecente(m, c.grupos[static_cast<size_t>(c.grupo)]) : -1;
        const size_t n = std::min<size_t>(c.pendentes.size(), kMaxJogosTela);
        for (size_t k = 0; k < n; ++k) {
            const int i = c.pendentes[k];
            const TPartida& p = m.partidas[static_cast<size_t>(i)];
            for (int t : {p.mandante, p.visitante})
                if (!linhade(m, t)) escalatime(m, t);  // a club the day's line-ups missed
            const int slot = preparajogo(m, p.mandante, p.visitante, i);
            if (slot == 0) continue;
            TJogos& g = m.diajogo.jogos[static_cast<size_t>(slot - 1)];
            const std::array<int, 4> setores = calculapublico(m, c.tipo, p.mandante, p.visitante, p.liga);
            for (int s = 0; s < 4; ++s) g.publicosetor[s] = setores[static_cast<size_t>(s)];
            g.publico = setores[0] + setores[1] + setores[2] + setores[3];
            g.renda = calcularenda(m, p.mandante, setores);
            if (c.tipo == kMundialClubes) g.estadio.define(localmundial(m, i));
            else if (c.tipo >= kCopaMundo)  // national teams play in the host's cities
                g.estadio.define(cidadedojogo(m, m.times[static_cast<size_t>(p.mandante)].grupotorneio - 1, p.rodada,
                                              p.chave));
        }
        c.pendentes.erase(c.pendentes.begin(), c.pendentes.begin() + static_cast<std::ptrdiff_t>(n));
        if (m.diajogo.jogos.empty()) continue;
        iniciapartidas(m);
        if (c.mostrado) return true;
        simulainstantaneo(m, ia, c.tipo == kEstadual);
        encerrapartidas(m, ia);
    }
}

void encerrapartidas(Mundo& m, Interacao& ia) {
#ifndef NDEBUG
    // Debug builds check the screen's matches before their results are booked, so a fault of
    // the minute's rules stops the run where it happened.
    if (const std::vector<std::string> erros = verificadiajogo(m); !erros.empty()) {
        for (const std::string& e : erros) std::fprintf(stderr, "verificadiajogo: %s\n", e.c_str());
        std::abort();
    }
#endif
    const int tipo = m.controledia.tipo >= 0 ? m.controledia.tipo : m.estado.competicaoatual;
    for (size_t i = 0; i < m.diajogo.jogos.size(); ++i) {
        encerrajogo(m, m.diajogo.jogos[i], tipo);
        // The figures and ratings come before computer-run clubs' players get their own
        // positions back: a player's rating weighs the position he played in.
        finalizaestatisticas(m, static_cast<int>(i) + 1);
        notasdojogo(m, static_cast<int>(i) + 1);
        restauraposicoes(m, m.diajogo.jogos[i]);
    }
    recuperajogadores(m);
    // Level matches that must have a winner today are settled on penalties, with the elevens that
    // finished: second legs level on aggregate, and the single matches of the club world cup and of
    // the national-team tournaments' knock-out.
    const bool volta = (tipo == kCopaNacional && m.estado.jogocopa == 2) || segundajogocontinental(m, tipo);
    const bool unico = tipo == kMundialClubes || (tipo >= kCopaMundo && m.estado.fasetorneio >= 4);
    if (volta || unico)
        for (TJogos& g : m.diajogo.jogos) {
            const auto disputa = volta ? penaltisconfronto : tipo == kMundialClubes ? penaltismundial : penaltistorneio;
            const TDisputaPenaltis d = disputa(m, ia, g.indicepartida, g.titularesmandante, g.titularesvisitante);
            if (d.vencedor == 0) continue;
            // A second leg's tie lists this match's away club first; the slot keeps home first.
            g.decididopenaltis = 1;
            g.penaltis[0] = d.placar[volta ? 1 : 0];
            g.penaltis[1] = d.placar[volta ? 0 : 1];
        }
    // The reports are kept once the shoot-outs are settled, so they carry their scores.
    arquivarelatorios(m);
}

void jogadia(Mundo& m, Interacao& ia) {
    while (proximogrupo(m, ia)) {
        while (minuto(m, ia) != EstadoMinuto::Fim) {
        }
        encerrapartidas(m, ia);
    }
}

void jogadatasemtela(Mundo& m, Interacao& ia) {
    // The auctions due before the main screens, with nobody to bid.
    if (m.leiloespendentes > 0) leiloessemtela(m, m.leiloespendentes);
    m.leiloespendentes = 0;
    // Headless coaches take the first job offered; the offer of a turn is taken at once, and
    // the first free national team a coach is invited to coach.
    aceitaofertassemtela(m);
    for (int k : tecnicosdodia(m)) {
        const TEventosTurno t = abreturno(m, k);
        if (t.ofertaemprego >= 0) {
            const std::vector<int> humanos = tecnicoshumanos(m);
            if (k < static_cast<int>(humanos.size())) assumetime(m, humanos[static_cast<size_t>(k)], t.ofertaemprego);
        }
        for (int s : t.convite.selecoes)
            if (aceitaconvite(m, k, s)) break;
    }
    comecadia(m);
    jogadia(m, ia);
}

bool houvejogoshoje(const Mundo& m) {
    const int d = m.estado.dataatual;
    if (d < 1 || d > kNumDatas) return false;
    const double dia = m.calendario[static_cast<size_t>(d - 1)].data;
    return std::any_of(m.partidas.begin(), m.partidas.end(),
                       [&](const TPartida& p) { return p.data == dia && p.jogado; });
}

ProximaEtapa continuar(Mundo& m, Interacao& ia) {
    TEstadoJogo& e = m.estado;
    const int antes = e.dataatual;
    const bool diadeliga = e.competicaoatual == kLiga;
    // The day's results judge the coaches before the next date begins.
    if (diadeliga) demissoesdarodada(m);
    ofertasdodia(m, e.competicaoatual);
    // After the final's results the called-up players go home.
    encerratorneio(m);
    proximadata(m);
    // Loans that end by the new date are settled before anything else looks at the squads.
    if (e.dataatual != antes) encerraemprestimos(m, datahoje(m));
    pulacopasemjogos(m);
    // The club world cup is drawn on its first date; without its six clubs its dates pass empty.
    if (!preparamundial(m)) {
        ia.aviso("Erro no jogo, reinstale os times");
        while (e.competicaoatual == kMundialClubes && e.dataatual < kNumDatas) {
            const int d = e.dataatual;
            proximadata(m);
            if (e.dataatual == d) break;
        }
    }
    // Works that end on the new date open their seats, whoever runs the club.
    concluiobras(m);
    encerradia(m);
    m.controledia = TControleDia{};
    m.leiloespendentes = 0;
    if (diadeliga) mercadodarodada(m, antes);
    if (e.dataatual == antes || e.competicaoatual == kSemJogos) return ProximaEtapa::FimTemporada;
    sorteiaarbitros(m);
    if (!humanojoga(m)) return ProximaEtapa::ProximoDia;
    if (diadeliga) m.leiloespendentes = sorteialeiloes(m);
    return ProximaEtapa::TelaPrincipal;
}

}  // namespace tarvello
