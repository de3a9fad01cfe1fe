#include "season/carreira.h"

#include <algorithm>

#include "club/contratos.h"
#include "model/mundo.h"
#include "news/mensagens.h"
#include "season/tecnico.h"

namespace tarvello {
namespace {

bool clubevalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.times.size()); }
bool tecnicovalido(const Mundo& m, int t) { return t >= 0 && t < static_cast<int>(m.tecnicos.size()); }

int ligadopais(const Mundo& m, int pais) {
    for (int l = 0; l < static_cast<int>(m.ligas.size()); ++l)
        if (m.ligas[static_cast<size_t>(l)].pais == pais) return l;
    return -1;
}

MotivoDemissao motivo(const TTime& t) {
    if (t.confiancatorcida <= 14) return MotivoDemissao::Torcida;
    if (t.dinheiro < 0) return MotivoDemissao::Dividas;
    return MotivoDemissao::Resultados;
}

// A computer club's coach change: the successor, swapped when he was poached.
void trocacomputador(Mundo& m, int time) {
    TMudancaTecnico d;
    d.time = time;
    d.tecnicoantigo = m.times[static_cast<size_t>(time)].tecnico;
    d.motivo = motivo(m.times[static_cast<size_t>(time)]);
    const TSucessor s = procuratecnico(m, time);
    d.tecniconovo = s.tecnico;
    if (s.troca >= 0) {
        d.outrotime = s.troca;
        demite(m, time, d.tecnicoantigo);
        demite(m, s.troca, s.tecnico);
        contrata(m, time, s.tecnico);
        contrata(m, s.troca, d.tecnicoantigo);
    } else {
        if (tecnicovalido(m, d.tecnicoantigo)) demite(m, time, d.tecnicoantigo);
        contrata(m, time, s.tecnico);
    }
    const int l = ligadopais(m, m.times[static_cast<size_t>(time)].pais);
    d.anunciar = m.estado.vertrocatecnicos && l >= 0 && m.ligas[static_cast<size_t>(l)].temhumano;
    m.mudancastecnicos.push_back(d);
}

// The league places from which an unemployed coach is offered a club: the bottom part.
std::vector<int> clubesdaoferta(const Mundo& m, const TLiga& l, int divisao) {
    const bool vinte = m.estado.sistemadisputa != 4;
    std::vector<int> r;
    for (int p = vinte ? 10 : 4; p <= (vinte ? 20 : 10); ++p) {
        int t = l.classificacao[divisao - 1][p - 1];
        if (!clubevalido(m, t)) t = l.times[divisao - 1][p - 1];
        if (clubevalido(m, t)) r.push_back(t);
    }
    return r;
}

// First computer-run club met at places `de`, `de + passo`, ... `ate` of division `divisao` of
// league `liga`; -1 when an empty place is reached first.
int primeirocomputador(const Mundo& m, int liga, int divisao, int de, int ate, int passo) {
    if (liga < 0 || liga >= static_cast<int>(m.ligas.size()) || divisao < 1 || divisao > 4) return -1;
    const TLiga& l = m.ligas[static_cast<size_t>(liga)];
    if (divisao > l.numdivisoes) return -1;
    for (int p = de; passo > 0 ? p <= ate : p >= ate; p += passo) {
        if (p < 1 || p > 20) return -1;
        const int t = l.classificacao[divisao - 1][p - 1];
        if (!clubevalido(m, t)) return -1;
        if (!m.times[static_cast<size_t>(t)].humano) return t;
    }
    return -1;
}

}  // namespace

void demitehumano(Mundo& m, int tecnico, MotivoDemissao motivo) {
    if (!tecnicovalido(m, tecnico)) return;
    const int time = m.tecnicos[static_cast<size_t>(tecnico)].time;
    if (!clubevalido(m, time)) return;
    TMudancaTecnico d;
    d.time = time;
    d.tecnicoantigo = tecnico;
    d.humano = true;
    d.motivo = motivo;
    // The successor comes free or from outside: a swap would need the human coach to go to the
    // other club.
    const TSucessor s = procuratecnico(m, time, false);
    d.tecniconovo = s.tecnico;
    demite(m, time, tecnico);
    contrata(m, time, s.tecnico);
    m.mudancastecnicos.push_back(d);
}

void demissoesdarodada(Mundo& m) {
    for (const TLiga& l : m.ligas)
        for (int dv = 0; dv < std::clamp(l.numdivisoes, 0, 4); ++dv)
            for (int t : l.times[dv]) {
                if (!clubevalido(m, t) || m.times[static_cast<size_t>(t)].confiancadiretoria >= 10) continue;
                const int tec = m.times[static_cast<size_t>(t)].tecnico;
                if (m.times[static_cast<size_t>(t)].humano && tecnicovalido(m, tec))
                    demitehumano(m, tec, motivo(m.times[static_cast<size_t>(t)]));
                else
                    trocacomputador(m, t);
            }
}

void demiteforadasdivisoes(Mundo& m) {
    for (int t = 0; t < static_cast<int>(m.times.size()); ++t) {
        const TTime& c = m.times[static_cast<size_t>(t)];
        if (c.humano && c.divisao == 0 && tecnicovalido(m, c.tecnico)) demitehumano(m, c.tecnico, MotivoDemissao::Rebaixado);
    }
}

std::vector<int> sorteiaofertas(Mundo& m, int tecnico, bool estadual) {
    std::vector<int> r;
    if (!tecnicovalido(m, tecnico) || m.ligas.empty()) return r;
    const TTecnico& t = m.tecnicos[static_cast<size_t>(tecnico)];
    auto qualifica = [&](int c) {
        return clubevalido(m, c) && !m.times[static_cast<size_t>(c)].humano && c != t.ultimotime &&
               std::find(r.begin(), r.end(), c) == r.end();
    };
    const int n = 1 + m.sorteia(4);
    if (estadual) {
        std::vector<int> clubes;
        for (int c = 0; c < static_cast<int>(m.times.size()); ++c)
            if (m.times[static_cast<size_t>(c)].noestadual && m.times[static_cast<size_t>(c)].divisao >= 1) clubes.push_back(c);
        for (int k = 0; k < n; ++k) {
            std::erase_if(clubes, [&](int c) { return !qualifica(c); });
            if (clubes.empty()) break;
            r.push_back(clubes[static_cast<size_t>(m.sorteia(static_cast<int>(clubes.size())))]);
        }
        return r;
    }
    const int propria = ligadopais(m, t.pais);
    for (int k = 0; k < n; ++k) {
        const int l = k == 0 && propria >= 0 ? propria : m.sorteia(static_cast<int>(m.ligas.size()));
        const TLiga& liga = m.ligas[static_cast<size_t>(l)];
        const int nd = std::clamp(liga.numdivisoes, 1, 4);
        int d = t.divisao >= 1 ? t.divisao : nd;
        if (m.sorteia(100) < 51) d += m.sorteia(100) < 86 ? 1 : -1;
        d = std::clamp(d, 1, nd);
        // Drawn among the clubs that qualify: when none does, this offer is not made.
        std::vector<int> clubes = clubesdaoferta(m, liga, d);
        std::erase_if(clubes, [&](int c) { return !qualifica(c); });
        if (!clubes.empty()) r.push_back(clubes[static_cast<size_t>(m.sorteia(static_cast<int>(clubes.size())))]);
    }
    return r;
}

void ofertasdodia(Mundo& m, int tipo) {
    if (tipo != kLiga && tipo != kEstadual) return;
    for (int tec : tecnicoshumanos(m)) {
        if (!tecnicovalido(m, tec) || m.tecnicos[static_cast<size_t>(tec)].time >= 0) continue;
        if (m.sorteia(3) >= 2) continue;
        std::vector<int> clubes = sorteiaofertas(m, tec, tipo == kEstadual);
        if (clubes.empty()) continue;
        std::erase_if(m.ofertastecnicos, [&](const TOfertaTecnico& o) { return o.tecnico == tec; });
        m.ofertastecnicos.push_back({tec, std::move(clubes)});
    }
}

int ofertaempregado(Mundo& m, int tecnico) {
    if (!tecnicovalido(m, tecnico)) return -1;
    TTecnico& t = m.tecnicos[static_cast<size_t>(tecnico)];
    const TEstadoJogo& e = m.estado;
    if (!t.humano || !t.ofertaano || !clubevalido(m, t.time) || m.ligas.empty()) return -1;
    if (e.temporada < 2 || e.competicaoatual != kLiga || e.turnoliga != 2 || e.rodadaliga < 4 || e.rodadaliga % 2 != 0)
        return -1;
    const TTime& k = m.times[static_cast<size_t>(t.time)];
    const int b = k.confiancadiretoria, p = k.colocacoes[kLiga];
    const int nl = static_cast<int>(m.ligas.size());
    const int l = m.sorteia(nl);
    const int propria = ligadopais(m, k.pais);
    // The start place of the first-division scans.
    int s = 1;
    if (p == 1) s = 3;
    if (k.colocacoes[2] == 2) s = 4;
    if (k.colocacoes[kEstadual] == 3) s = 5;
    auto outraliga = [&] {
        std::vector<int> outras;
        for (int x = 0; x < nl; ++x)
            if (x != propria) outras.push_back(x);
        return outras.empty() ? -1 : outras[static_cast<size_t>(m.sorteia(static_cast<int>(outras.size())))];
    };
    int oferta = -1;
    if (b > 80 && k.divisao >= 1) {
        if (e.sistemadisputa == 4) {
            switch (k.divisao) {
                case 4:
                    if (p <= 2) {
                        int q = 2;
                        if (m.sorteia(100) == 99) q = 3;
                        else if (m.sorteia(100) > 30) q = 1;
                        oferta = primeirocomputador(m, l, 4 - q, 6, 1, -1);
                    }
                    break;
                case 3:
                    if (p <= 2) oferta = primeirocomputador(m, l, 3 - (m.sorteia(100) < 11 ? 2 : 1), 6, 1, -1);
                    break;
                case 2:
                    if (p <= 3) oferta = primeirocomputador(m, l, 1, s, 10, 1);
                    break;
                case 1:
                    if (p <= 2 && nl >= 2) {
                        const int outra = outraliga();
                        if (m.sorteia(100) == 99) s = 2;
                        oferta = primeirocomputador(m, outra, 1, s, 10, 1);
                    }
                    break;
                default: break;
            }
        } else {
            switch (k.divisao) {
                case 3:
                    if (p <= 4) oferta = primeirocomputador(m, l, 2, 10, 4, -1);
                    break;
                case 2:
                    if (p <= 4) oferta = primeirocomputador(m, l, 1, 10, 4, -1);
                    break;
                case 1:
                    if (p <= 3 && nl >= 2) oferta = primeirocomputador(m, outraliga(), 1, s, 10, 1);
                    break;
                default: break;
            }
        }
    }
    if (oferta >= 0) t.ofertaano = 0;
    return oferta;
}

bool assumetime(Mundo& m, int tecnico, int time) {
    if (!tecnicovalido(m, tecnico) || !clubevalido(m, time) || m.times[static_cast<size_t>(time)].humano) return false;
    TEstadoJogo& e = m.estado;
    const int antigo = m.tecnicos[static_cast<size_t>(tecnico)].time;
    const int anterior = m.times[static_cast<size_t>(time)].tecnico;
    int slot = -1;
    for (int k = 0; k < kMaxHumanos; ++k)
        if (antigo >= 0 && e.timedotecnico[k] == antigo) slot = k;
    if (tecnicovalido(m, anterior)) demite(m, time, anterior);
    if (clubevalido(m, antigo)) {
        demite(m, antigo, tecnico);
        if (tecnicovalido(m, anterior)) contrata(m, antigo, anterior);
        else contrata(m, antigo, procuratecnico(m, antigo, false).tecnico);
    }
    contrata(m, time, tecnico);
    // He keeps his place in the coaches' order.
    for (int k = 0; k < kMaxHumanos; ++k)
        if (slot >= 0 && k != slot && e.timedotecnico[k] == time) std::swap(e.timedotecnico[k], e.timedotecnico[slot]);
    for (int j : elenco(m, time)) {
        m.jogadores[static_cast<size_t>(j)].moral = 3;
        novocontrato(m, j, 10 + m.sorteia(30));
    }
    enviamensagem(m, time, kMsgBoasVindas, 1);
    std::erase_if(m.ofertastecnicos, [&](const TOfertaTecnico& o) { return o.tecnico == tecnico; });
    return true;
}

void aceitaofertassemtela(Mundo& m) {
    const std::vector<TOfertaTecnico> ofertas = std::move(m.ofertastecnicos);
    m.ofertastecnicos.clear();
    for (const TOfertaTecnico& o : ofertas)
        for (int c : o.clubes)
            if (assumetime(m, o.tecnico, c)) break;
}

int adicionatecnico(Mundo& m, const std::string& nome) {
    TEstadoJogo& e = m.estado;
    if (nome.empty() || e.numtecnicoshumanos >= kMaxHumanos) return -1;
    int i = 0;
    while (i < static_cast<int>(m.tecnicos.size()) && !m.tecnicos[static_cast<size_t>(i)].nome.vazio()) ++i;
    if (i == static_cast<int>(m.tecnicos.size())) m.tecnicos.emplace_back();
    TTecnico t{};
    t.nome.define(nome);
    t.divisao = e.sistemadisputa == 4 ? 4 : 2;
    t.ultimotime = -1;
    t.time = -1;
    t.ofertaano = 1;
    t.humano = 1;
    t.pais = e.paisprincipal;
    for (auto& s : t.clubes)
        for (auto& c : s) c = -1;
    m.tecnicos[static_cast<size_t>(i)] = t;
    e.timedotecnico[e.numtecnicoshumanos] = -1;
    ++e.numtecnicoshumanos;
    return i;
}

bool removetecnico(Mundo& m, int slot) {
    TEstadoJogo& e = m.estado;
    const std::vector<int> humanos = tecnicoshumanos(m);
    if (slot < 0 || slot >= static_cast<int>(humanos.size())) return false;
    const int tec = humanos[static_cast<size_t>(slot)];
    if (tecnicovalido(m, tec)) {
        TTecnico& t = m.tecnicos[static_cast<size_t>(tec)];
        if (t.time >= 0) return false;
        t.nome.define("");
        t.time = -1;
        t.empregado = 0;
        std::erase_if(m.ofertastecnicos, [&](const TOfertaTecnico& o) { return o.tecnico == tec; });
    }
    for (int k = slot; k + 1 < kMaxHumanos; ++k) {
        e.timedotecnico[k] = e.timedotecnico[k + 1];
        m.turnoaberto[static_cast<size_t>(k)] = m.turnoaberto[static_cast<size_t>(k) + 1];
    }
    e.timedotecnico[kMaxHumanos - 1] = -1;
    m.turnoaberto[kMaxHumanos - 1] = 0;
    --e.numtecnicoshumanos;
    return true;
}

TTextoDemissao textodemissao(const Mundo& m, const TMudancaTecnico& d) {
    auto tecnico = [&](int t) { return tecnicovalido(m, t) ? m.tecnicos[static_cast<size_t>(t)].nome.utf8() : std::string(); };
    auto clube = [&](int t) { return clubevalido(m, t) ? m.times[static_cast<size_t>(t)].nome.utf8() : std::string(); };
    TTextoDemissao r;
    const std::string antigo = tecnico(d.tecnicoantigo), novo = tecnico(d.tecniconovo);
    if (d.humano) {
        std::string motivo;
        switch (d.motivo) {
            case MotivoDemissao::Torcida: motivo = "porque a pressão da torcida foi grande pois seus resultados não estavam sendo bons"; break;
            case MotivoDemissao::Dividas: motivo = "pois você estava levando nosso clube para um pântano de dívidas sem fim"; break;
            case MotivoDemissao::Resultados: motivo = "você não foi aprovado como treinador de nosso clube, da próxima vez tente ter melhores resultados"; break;
            case MotivoDemissao::Rebaixado: motivo = "você não salvou nosso time de ser rebaixado pra divisão regional..."; break;
            case MotivoDemissao::Pedido: motivo = "conforme você solicitou, boa sorte no próximo clube"; break;
        }
        r.titulo = "Demitido!";
        r.nome = antigo;
        r.linha = antigo + ", " + clube(d.time) + " resolveu lhe demitir," + motivo + ".";
        r.sucessor = "Para seu lugar foi contratado " + novo;
        return r;
    }
    std::string motivo;
    switch (d.motivo) {
        case MotivoDemissao::Torcida: motivo = "porque a pressão da torcida foi grande pois os resultados não estavam sendo nada bons"; break;
        case MotivoDemissao::Dividas: motivo = "pois estava levando nosso clube para um pântano de dívidas sem fim"; break;
        default: motivo = "pois não foi aprovado como treinador do clube, muitas derrotas e poucas vitórias"; break;
    }
    const bool troca = d.outrotime >= 0;
    r.titulo = troca ? "Troca de técnicos" : "Técnico demitido";
    r.nome = troca ? antigo + " por " + novo : antigo;
    r.linha = antigo + " demitido do " + clube(d.time) + " " + motivo + ".";
    r.sucessor = troca ? "Em seu lugar foi contratado " + novo + " e " + antigo + " foi parar no " + clube(d.outrotime)
                       : "Para seu lugar foi contratado " + novo;
    return r;
}

}  // namespace tarvello
