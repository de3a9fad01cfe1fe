#include "newgame/inicializacao.h"

#include <algorithm>

#include "club/contratos.h"
#include "competitions/calendario.h"
#include "competitions/copas.h"
#include "competitions/jogosdatemporada.h"
#include "competitions/sorteiotorneio.h"
#include "database/preparacao.h"
#include "match/relatorios.h"
#include "match/simulacao.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/opcoes.h"
#include "model/tipos.h"
#include "newgame/carregamundo.h"
#include "news/mensagens.h"

namespace tarvello {

namespace {

int competicaodadata(const Mundo& m) {
    const int d = m.estado.dataatual;
    if (d < 1 || d > static_cast<int>(m.calendario.size())) return kSemJogos;
    return m.calendario[static_cast<size_t>(d - 1)].competicao;
}

// Does league `liga` have a national-cup tie on today's date?
bool copahoje(const Mundo& m, int liga) {
    const double hoje = datahoje(m);
    for (const TPartida& p : m.partidas)
        if (p.competicao == kCopaNacional && p.liga == liga && p.data == hoje) return true;
    return false;
}

}  // namespace

void contratosiniciais(Mundo& m) {
    for (int j = 0; j < static_cast<int>(m.jogadores.size()); ++j) novocontrato(m, j, 10 + m.sorteia(30));
}

void zerajogo(Mundo& m) {
    TEstadoJogo& e = m.estado;
    e.marcavalida = 81;
    e.temporada = 1;
    e.dataatual = 1;
    e.rodadaliga = 1;
    e.turnoliga = 1;
    e.tecnicoatual = e.timeatual;
    e.fasecopa = 1;
    e.marcacopa = 1;
    e.jogocopa = 1;
    e.turnoestadual = 1;
    e.faseestadual = 1;
    zerarelatorios(m);
    m.amistosos.clear();
    if (e.paisprincipal == kPersonalizado) e.numclubesextras = 0;
    m.confrontos.clear();
    e.competicaoatual = e.ckestadual ? kEstadual : kLiga;
}

std::string inicializamundo(Mundo& m, Preparacao& p, const std::filesystem::path& opcoes,
                            const std::function<void(int)>& progresso, std::vector<std::string>* avisos) {
    auto avanca = [&](int valor) {
        if (progresso) progresso(valor);
    };
    avanca(10);
    // The load builds the state championships as its last step.
    const ResultadoCarga carga = carregamundo(m, p, progresso);
    if (!carga.ok()) return carga.erro;
    if (avisos) avisos->insert(avisos->end(), carga.avisos.begin(), carga.avisos.end());
    avanca(40);
    carregaopcoes(m.estado, opcoes);
    zerajogo(m);
    // The state champions table starts with rows 0 and 1; row 0 is never filled.
    m.campeoesestaduais.assign(2, TCampeoesEstaduais{});

    avanca(60);
    p = Preparacao{};  // the loader's working lists are not needed any more
    // (The human coaches' job offers start empty once the coach career keeps them.)
    if (!m.jogadores.empty()) m.jogadores[0].time = -1;

    // Season 1 is a Eurocopa season; its draw comes before the dates are stamped.
    sorteiatorneiodatemporada(m);
    montacalendario(m);
    avanca(70);
    montajogosdatemporada(m);
    avanca(80);
    if (m.estado.ckcopa)
        for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) sorteiacopanacional(m, l);

    m.estado.dataatual = 1;
    proximadata(m);
    m.estado.competicaoatual = competicaodadata(m);

    contratosiniciais(m);

    // (The Eurocopa qualification draw comes here once national-team tournaments are played.)
    sorteiaarbitros(m);
    enviaboasvindas(m);
    avanca(100);
    return {};
}

TPrimeiraTela escolheprimeiratela(Mundo& m) {
    TEstadoJogo& e = m.estado;
    TPrimeiraTela r;
    if (e.competicaoatual == kCopaNacional) {
        bool humana = false;
        bool alguma = false;
        for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l) {
            if (!copahoje(m, l)) continue;
            alguma = true;
            if (m.ligas[static_cast<size_t>(l)].temhumano) humana = true;
        }
        if (humana) return r;
        if (alguma) {
            r.tela = Tela::Partidas;
            return r;
        }
        // No country's cup has a first phase: the phase is over before it starts, and the game
        // moves on to the next date that has something to play (friendlies booked before the
        // league included).
        if (pulacopasemjogos(m)) {
            // Only the welcome messages exist yet: they are dated the day the game opens on,
            // or they would already be old news on the first main screen.
            for (TMensagem& msg : m.mensagens) msg.data = datahoje(m);
            return escolheprimeiratela(m);
        }
        return r;
    }
    if (e.competicaoatual == kEstadual) {
        for (const TEstadual& s : m.estaduais)
            if (s.temestadual && s.temhumano) return r;
        r.tela = Tela::Partidas;
        for (int s : {25, 18, 10})
            if (m.estaduais[static_cast<size_t>(s)].temestadual) {
                r.estado = s;
                return r;
            }
        for (int s = 0; s < kNumEstados; ++s)
            if (m.estaduais[static_cast<size_t>(s)].temestadual) {
                r.estado = s;
                break;
            }
        return r;
    }
    return r;
}

}  // namespace tarvello
