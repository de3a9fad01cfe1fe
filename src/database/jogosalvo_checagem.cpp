#include "database/jogosalvo_checagem.h"

#include "database/arquivos.h"
#include "model/diajogo.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

constexpr int kMaxTemporada = 100000;
constexpr int kNumArbitros = 42;

bool entre(int64_t v, int64_t minimo, int64_t maximo) { return v >= minimo && v <= maximo; }

// An index into a table of `n` entries, or -1 (none).
bool indiceou(int64_t v, size_t n) { return v >= -1 && v < static_cast<int64_t>(n); }
bool indice(int64_t v, size_t n) { return v >= 0 && v < static_cast<int64_t>(n); }
bool booleano(uint8_t b) { return b <= 1; }

template <int N>
bool textobom(const TString<N>& t) {
    return t.tamanhobruto <= N;
}

std::string registro(const char* tabela, size_t i, const char* campo) {
    return std::string(tabela) + " " + std::to_string(i) + ": " + campo;
}

bool competicaovalida(int c) { return entre(c, kAmistoso, kNumCompeticoes - 1); }

}  // namespace

std::string confereestado(const Mundo& m) {
    const TEstadoJogo& e = m.estado;
    const size_t nt = m.times.size();
    if (e.marcavalida != 81) return "estado: marca de validade";
    if (e.sistemadisputa != 2 && e.sistemadisputa != 4) return "estado: sistemadisputa";
    if (!entre(e.temporada, 1, kMaxTemporada)) return "estado: temporada";
    if (!entre(e.dataatual, 1, kNumDatas)) return "estado: dataatual";
    if (!entre(e.competicaoatual, kSemJogos, kNumCompeticoes - 1)) return "estado: competicaoatual";
    if (!entre(e.paisprincipal, 0, kNumPaises - 1)) return "estado: paisprincipal";
    if (!entre(e.numtecnicoshumanos, 0, kMaxHumanos)) return "estado: numtecnicoshumanos";
    if (!indiceou(e.timeatual, nt)) return "estado: timeatual";
    if (!indiceou(e.tecnicoatual, m.tecnicos.size())) return "estado: tecnicoatual";
    if (!indiceou(e.selecaoatual, nt)) return "estado: selecaoatual";
    for (int k = 0; k < kMaxHumanos; ++k) {
        if (!indiceou(e.timedotecnico[k], nt)) return "estado: timedotecnico";
        if (!indiceou(e.timeshumanos[k], nt)) return "estado: timeshumanos";
        if (!indiceou(e.selecaohumana[k], nt)) return "estado: selecaohumana";
    }
    if (e.numclubesliga < 0 || e.numclubesextras < 0 ||
        static_cast<int64_t>(e.numclubesliga) + e.numclubesextras > static_cast<int64_t>(nt))
        return "estado: número de clubes";
    if (!entre(e.turnoliga, 1, 2) || !entre(e.rodadaliga, 0, 40)) return "estado: rodada da liga";
    if (!entre(e.salvarauto, 0, 3)) return "estado: salvarauto";
    if (!entre(e.emails, 0, 3)) return "estado: emails";
    if (!entre(e.intervalohumano, 0, 60000) || !entre(e.intervalocomputador, 0, 60000))
        return "estado: velocidades";
    for (const auto* g : {&e.gruposlib1, &e.gruposlib2, &e.grupossul1, &e.grupossul2})
        for (const auto& grupo : *g)
            for (int t : grupo)
                if (!indiceou(t, nt)) return "estado: grupos continentais";
    for (int a : e.arbitros)
        if (!entre(a, 0, kNumArbitros)) return "estado: árbitros";
    if (!textobom(e.nomeliga) || !textobom(e.nomearquivo) || !textobom(e.nomecopa) ||
        !textobom(e.nometecnicosalvo) || !textobom(e.nometimesalvo))
        return "estado: texto longo demais";
    if (e.numjogadoresantes < 0 || e.numclubesantes < 0 || static_cast<size_t>(e.numclubesantes) > nt ||
        static_cast<size_t>(e.numjogadoresantes) > m.jogadores.size())
        return "estado: tamanhos antes do torneio";
    for (const auto& grupo : e.torneio.grupos)
        for (int t : grupo)
            if (!indiceou(t, nt)) return "estado: grupos do torneio";
    for (int t : e.torneio.participantes)
        if (!indiceou(t, nt)) return "estado: seleções do torneio";
    for (int t : e.torneio.melhoresterceiros)
        if (!indiceou(t, nt)) return "estado: seleções do torneio";
    for (const auto& pote : e.potesforca)
        for (int t : pote)
            if (!indiceou(t, nt)) return "estado: potes do torneio";
    return {};
}

std::string conferejogadores(const Mundo& m) {
    if (m.jogadores.empty()) return "jogadores: falta a entrada 0";
    const size_t nt = m.times.size();
    for (size_t i = 0; i < m.jogadores.size(); ++i) {
        const TJogador& j = m.jogadores[i];
        if (!textobom(j.nome)) return registro("jogador", i, "nome");
        if (!paisvalido(j.pais)) return registro("jogador", i, "pais");
        if (!indiceou(j.time, nt)) return registro("jogador", i, "time");
        if (!posicaovalida(j.posicao) || !posicaovalida(j.posicaooriginal)) return registro("jogador", i, "posição");
        if (!habilidadevalida(j.habilidade1) || !habilidadevalida(j.habilidade2))
            return registro("jogador", i, "habilidade");
        if (!entre(j.funcao, 0, 4)) return registro("jogador", i, "funcao");
        if (!entre(j.escalacao, 0, 2)) return registro("jogador", i, "escalacao");
        if (!indice(j.historico, m.historicos.size())) return registro("jogador", i, "historico");
        if (!booleano(j.estrela)) return registro("jogador", i, "estrela");
    }
    return {};
}

std::string conferehistoricos(const Mundo& m) {
    if (m.historicos.empty()) return "históricos: falta a entrada 0";
    for (size_t i = 0; i < m.historicos.size(); ++i)
        for (const auto& temporada : m.historicos[i].clubes)
            for (int t : temporada)
                if (!indiceou(t, m.times.size())) return registro("histórico", i, "clube");
    return {};
}

std::string conferetimes(const Mundo& m) {
    for (size_t i = 0; i < m.times.size(); ++i) {
        const TTime& t = m.times[i];
        if (!textobom(t.nome) || !textobom(t.escudo) || !textobom(t.estadio)) return registro("clube", i, "texto");
        if (!paisvalido(t.pais)) return registro("clube", i, "pais");
        // A national-team tournament copy (after the real clubs) keeps its national team's index
        // where a club keeps its state.
        const bool copia = m.estado.numclubesantes > 0 && i >= static_cast<size_t>(m.estado.numclubesantes);
        if (copia ? !indice(t.estado, m.selecoes.size()) : (t.estado != -1 && !estadovalido(t.estado)))
            return registro("clube", i, "estado");
        if (!indiceou(t.tecnico, m.tecnicos.size())) return registro("clube", i, "tecnico");
        if (!entre(t.divisao, 0, 4)) return registro("clube", i, "divisao");
        if (!indice(t.capitao, m.jogadores.size()) || !indice(t.cobradorfaltas, m.jogadores.size()))
            return registro("clube", i, "capitão ou cobrador");
        if (!booleano(t.humano)) return registro("clube", i, "humano");
    }
    return {};
}

std::string confereselecoes(const Mundo& m) {
    for (size_t i = 0; i < m.selecoes.size(); ++i) {
        const TSelecao& s = m.selecoes[i];
        const std::string dano = danoselecao(s);
        if (!dano.empty()) return "seleção " + std::to_string(i) + ": " + dano;
        // What the loader makes of every file (see saneiaselecao) holds in a saved game too.
        if (!entre(s.numjogadores, 0, kMaxJogadoresSelecao) || !entre(s.nivel, 1, 25))
            return registro("seleção", i, "tamanho ou nível");
        for (int k = 0; k < kMaxJogadoresSelecao; ++k)
            if (!slotlivre(s.nome[k]) && (!posicaovalida(s.posicao[k]) || !habilidadevalida(s.habilidade1[k]) ||
                                          !habilidadevalida(s.habilidade2[k])))
                return registro("seleção", i, "jogador");
    }
    return {};
}

std::string conferetecnicos(const Mundo& m) {
    const size_t nt = m.times.size();
    for (size_t i = 0; i < m.tecnicos.size(); ++i) {
        const TTecnico& t = m.tecnicos[i];
        if (!textobom(t.nome)) return registro("técnico", i, "nome");
        if (!indiceou(t.time, nt) || !indiceou(t.ultimotime, nt)) return registro("técnico", i, "time");
        if (!paisvalido(t.pais)) return registro("técnico", i, "pais");
        for (const auto& temporada : t.clubes)
            for (int c : temporada)
                if (!indiceou(c, nt)) return registro("técnico", i, "clubes");
    }
    return {};
}

std::string conferefinancas(const Mundo& m) {
    // Read by club index everywhere the club's money is shown or changed.
    if (m.financas.size() != m.times.size()) return "finanças: uma por clube";
    return {};
}

std::string confereconfrontos(const Mundo& m) {
    for (size_t i = 0; i < m.confrontos.size(); ++i) {
        const TConfronto& c = m.confrontos[i];
        if (!indice(c.mandante, m.times.size()) || !indice(c.visitante, m.times.size()))
            return registro("confronto", i, "clube");
        if (!competicaovalida(c.competicao)) return registro("confronto", i, "competição");
    }
    return {};
}

std::string conferechaves(const Mundo& m) {
    auto confere = [&](const TJogoChave& c) {
        return indiceou(c.clube1, m.times.size()) && indiceou(c.clube2, m.times.size()) &&
               indiceou(c.vencedor, m.times.size()) && textobom(c.resultado);
    };
    for (const TJogoChave& c : m.chavestorneio)
        if (!confere(c)) return "chaves do torneio de seleções";
    for (const TJogoChave& c : m.chavesmundial)
        if (!confere(c)) return "chaves do mundial de clubes";
    return {};
}

std::string confereestaduais(const Mundo& m) {
    for (size_t s = 0; s < m.estaduais.size(); ++s) {
        const TEstadual& e = m.estaduais[s];
        for (const auto& grupo : e.grupos)
            for (int t : grupo)
                if (!indiceou(t, m.times.size())) return registro("estadual", s, "grupos");
        if (!entre(e.numgrupos, 0, 5)) return registro("estadual", s, "numgrupos");
        if (!indiceou(e.finalista1, m.times.size()) || !indiceou(e.finalista2, m.times.size()))
            return registro("estadual", s, "finalistas");
    }
    return {};
}

std::string conferelatorios(const Mundo& m) {
    const size_t nt = m.times.size(), nj = m.jogadores.size();
    for (size_t i = 0; i < m.relatorios.size(); ++i) {
        const TRelatorioPartida& r = m.relatorios[i];
        if (!indiceou(r.mandante, nt) || !indiceou(r.visitante, nt)) return registro("relatório", i, "clube");
        if (!entre(r.competicao, kSemJogos, kNumCompeticoes - 1)) return registro("relatório", i, "competição");
        for (int k = 0; k < 11; ++k)
            if (!indiceou(r.onzemandante[k], nj) || !indiceou(r.onzevisitante[k], nj) ||
                !indiceou(r.saidasmandante[k], nj) || !indiceou(r.saidasvisitante[k], nj))
                return registro("relatório", i, "jogador");
    }
    return {};
}

std::string conferecampeoes(const Mundo& m) {
    const size_t nt = m.times.size();
    for (size_t i = 0; i < m.campeoesestaduais.size(); ++i) {
        const TCampeoesEstaduais& c = m.campeoesestaduais[i];
        for (int s = 0; s < kNumEstados; ++s)
            if (!indiceou(c.campeao[s], nt) || !indiceou(c.vice[s], nt) ||
                !indiceou(c.tecnico[s], m.tecnicos.size()) || !indiceou(c.artilheiro[s][0], m.jogadores.size()) ||
                !indiceou(c.artilheiro[s][1], nt))
                return registro("campeões da temporada", i, "índice");
    }
    return {};
}

std::string confereconvocacoes(const Mundo& m) {
    for (size_t i = 0; i < m.convocacoes.size(); ++i)
        if (!indice(m.convocacoes[i].jogador, m.jogadores.size()) ||
            !indiceou(m.convocacoes[i].time, m.times.size()))
            return registro("convocação", i, "índice");
    return {};
}

std::string conferemensagens(const Mundo& m) {
    for (size_t i = 0; i < m.mensagens.size(); ++i) {
        const TMensagem& g = m.mensagens[i];
        if (!indiceou(g.time, m.times.size())) return registro("mensagem", i, "time");
        if (!entre(g.texto, 1, 73) || !entre(g.remetente, 1, 5) || !entre(g.assunto, 1, 18))
            return registro("mensagem", i, "texto");
        if (!indice(g.jogador, m.jogadores.size())) return registro("mensagem", i, "jogador");
    }
    return {};
}

std::string confereamistosos(const Mundo& m) {
    for (size_t i = 0; i < m.amistosos.size(); ++i)
        if (!indiceou(m.amistosos[i].mandante, m.times.size()) || !indiceou(m.amistosos[i].visitante, m.times.size()))
            return registro("amistoso", i, "clube");
    return {};
}

std::string confereligas(const Mundo& m) {
    for (size_t i = 0; i < m.ligas.size(); ++i) {
        const TLiga& l = m.ligas[i];
        if (!paisvalido(l.pais)) return registro("liga", i, "pais");
        if (!entre(l.numdivisoes, 1, 4)) return registro("liga", i, "numdivisoes");
        for (int d = 0; d < 4; ++d)
            for (int s = 0; s < 20; ++s)
                if (!indiceou(l.times[d][s], m.times.size()) || !indiceou(l.classificacao[d][s], m.times.size()))
                    return registro("liga", i, "clube");
        if (!booleano(l.temhumano) || !booleano(l.mostrarjogos)) return registro("liga", i, "marcas");
    }
    return {};
}

std::string conferepartidas(const Mundo& m) {
    for (size_t i = 0; i < m.partidas.size(); ++i) {
        const TPartida& p = m.partidas[i];
        if (!indiceou(p.mandante, m.times.size()) || !indiceou(p.visitante, m.times.size()))
            return registro("partida", i, "clube");
        if (!competicaovalida(p.competicao)) return registro("partida", i, "competição");
        size_t regioes = 6;  // continental confederations and the single-screen kinds
        if (p.competicao == kLiga || p.competicao == kCopaNacional) regioes = m.ligas.size();
        else if (p.competicao == kEstadual) regioes = kNumEstados;
        if (!indiceou(p.liga, regioes)) return registro("partida", i, "liga");
        if (!booleano(p.jogado)) return registro("partida", i, "jogado");
    }
    return {};
}

std::string confereeventos(const Mundo& m) {
    // Stored events belong to a report: their match field holds the report's index.
    for (size_t i = 0; i < m.eventosrelatorios.size(); ++i) {
        const TEventoPartida& e = m.eventosrelatorios[i];
        if (!indiceou(e.time, m.times.size()) || !indiceou(e.jogador, m.jogadores.size()))
            return registro("evento", i, "índice");
        if (e.partida < 0 || static_cast<size_t>(e.partida) >= m.relatorios.size()) return registro("evento", i, "relatório");
    }
    return {};
}

std::string conferehistoricostitulos(const Mundo& m) {
    const size_t nt = m.times.size();
    for (size_t i = 0; i < m.historicocolocados.size(); ++i) {
        const THistoricoColocado& h = m.historicocolocados[i];
        if (!indiceou(h.time, nt) || !competicaovalida(h.competicao)) return registro("colocados", i, "índice");
    }
    for (size_t i = 0; i < m.historicotecnicos.size(); ++i) {
        const THistoricoTecnico& h = m.historicotecnicos[i];
        if (!indiceou(h.time, nt) || !indiceou(h.tecnico, m.tecnicos.size()) || !competicaovalida(h.competicao))
            return registro("técnicos campeões", i, "índice");
    }
    for (size_t i = 0; i < m.historicoartilheiros.size(); ++i) {
        const THistoricoArtilheiro& h = m.historicoartilheiros[i];
        if (!indiceou(h.time, nt) || !indiceou(h.jogador, m.jogadores.size()) || !competicaovalida(h.competicao))
            return registro("artilheiros", i, "índice");
    }
    return {};
}

std::string confereresultados(const Mundo& m) {
    for (size_t i = 0; i < m.resultadosclubes.size(); ++i) {
        const TResultadoClube& r = m.resultadosclubes[i];
        if (!indiceou(r.time, m.times.size()) || !competicaovalida(r.competicao))
            return registro("resultado de clube", i, "índice");
    }
    return {};
}

std::string conferetransferencias(const Mundo& m) {
    for (size_t i = 0; i < m.transferencias.size(); ++i) {
        const TTransferencia& t = m.transferencias[i];
        if (!indice(t.jogador, m.jogadores.size()) || !indiceou(t.origem, m.times.size()) ||
            !indiceou(t.destino, m.times.size()))
            return registro("transferência", i, "índice");
    }
    return {};
}

std::string conferecontratacoes(const Mundo& m) {
    for (size_t i = 0; i < m.contratacoestecnicos.size(); ++i) {
        const TContratacaoTecnico& c = m.contratacoestecnicos[i];
        if (!indice(c.tecnico, m.tecnicos.size()) || !indiceou(c.time, m.times.size()))
            return registro("contratação de técnico", i, "índice");
    }
    return {};
}

std::string confereobras(const Mundo& m) {
    for (size_t i = 0; i < m.obras.size(); ++i)
        if (!indice(m.obras[i].time, m.times.size()) || !booleano(m.obras[i].emandamento))
            return registro("obra", i, "índice");
    return {};
}

std::string confereemprestimos(const Mundo& m) {
    for (size_t i = 0; i < m.emprestimos.size(); ++i)
        if (!indiceou(m.emprestimos[i].jogador, m.jogadores.size()) ||
            !indiceou(m.emprestimos[i].timeorigem, m.times.size()))
            return registro("empréstimo", i, "índice");
    return {};
}

std::string conferejogosalvo(const Mundo& m) {
    using Checagem = std::string (*)(const Mundo&);
    static constexpr Checagem kChecagens[] = {
        confereestado,     conferejogadores,  conferehistoricos,   conferetimes,
        confereselecoes,   conferetecnicos,   conferefinancas,     confereconfrontos,
        conferechaves,     confereestaduais,  conferelatorios,     conferecampeoes,
        confereconvocacoes, conferemensagens, confereamistosos,    confereligas,
        conferepartidas,   confereeventos,    conferehistoricostitulos, confereresultados,
        conferetransferencias, conferecontratacoes, confereobras,  confereemprestimos,
    };
    for (Checagem c : kChecagens) {
        std::string erro = c(m);
        if (!erro.empty()) return erro;
    }
    return {};
}

}  // namespace tarvello
