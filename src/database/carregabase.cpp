#include "database/carregabase.h"

#include <algorithm>
#include <cstdint>

#include "database/montaliga.h"
#include "model/funcoes.h"
#include "model/tipos.h"

namespace tarvello {

const std::array<TPaisExtra, 52> kPaisesExtras = {{
    {29, 14},
    {11, 12}, {195, 12}, {150, 12}, {46, 12}, {42, 12}, {60, 12}, {26, 12}, {151, 12}, {198, 12}, {131, 12},
    {104, 10}, {65, 10}, {3, 10}, {72, 10}, {97, 10}, {154, 10}, {162, 10}, {107, 10}, {192, 10}, {159, 10},
    {21, 10}, {160, 10}, {171, 10}, {78, 10}, {9, 10}, {51, 10}, {38, 10}, {68, 10}, {14, 10}, {57, 10},
    {129, 10}, {1, 10}, {190, 10}, {43, 10}, {49, 10}, {143, 10}, {141, 10}, {62, 10}, {193, 10}, {85, 10},
    {15, 10}, {52, 10}, {31, 10}, {88, 10}, {179, 10}, {76, 10}, {142, 10}, {180, 10}, {103, 10}, {152, 10},
    {54, 10},
}};

const char* const kCobradorPreferido = "Tião Curvinha";

int forcabasenivel(int nivel) {
    if (nivel >= 1 && nivel <= 5) return 7;
    if (nivel >= 6 && nivel <= 10) return 12;
    constexpr int tabela[] = {15, 17, 19, 22, 25, 27, 30, 35, 37, 40, 45, 50, 55, 60, 65};  // 11..25
    if (nivel >= 11 && nivel <= 25) return tabela[nivel - 11];
    return 0;
}

int divisaopornivel(int nivel) {
    if (nivel >= 1 && nivel <= 11) return 4;
    if (nivel >= 12 && nivel <= 17) return 3;
    if (nivel >= 18 && nivel <= 19) return 2;
    if (nivel >= 20 && nivel <= 25) return 1;
    return 0;
}

namespace {

// Stadium, prices and cash of a club by division 0..4.
struct TPadraoDivisao {
    int32_t capacidade[4];
    int32_t preco[4];
    int32_t caixacomestaduais;
    int32_t caixasemestaduais;
};
constexpr TPadraoDivisao kPadroes[5] = {
    {{1000, 5000, 100, 0}, {1, 5, 15, 25}, 1'000'000, 700'000},
    {{15000, 60000, 5000, 400}, {10, 15, 25, 80}, 15'000'000, 12'000'000},
    {{10000, 45000, 5000, 300}, {7, 13, 20, 70}, 12'000'000, 10'000'000},
    {{8000, 20000, 2000, 100}, {5, 12, 17, 40}, 10'000'000, 7'000'000},
    {{3500, 10000, 1000, 50}, {3, 10, 15, 30}, 3'000'000, 2'500'000},
};

// Strength base of the players of a league club.
int forcabaseliga(int sistemadisputa, int divisao, int nivel) {
    int b = 0;
    if (sistemadisputa == 2) {
        b = divisao == 0 ? 1 : divisao == 1 ? 20 : divisao == 2 ? 15 : 0;
    } else {
        b = divisao == 1 ? 20 : divisao == 2 ? 15 : divisao == 3 ? 10 : 0;
    }
    return b + nivel;
}

void historiconenhum(int32_t (&clubes)[10][3]) {
    for (auto& s : clubes) std::fill(std::begin(s), std::end(s), -1);
}

struct Leitura {
    std::vector<TArquivoClube> brutos;  // same index as the club
    int lidos = 0;
    int total = 1;
};

void avisa(const Progresso& progresso, const Leitura& l) {
    if (progresso) progresso(10 + (10 * l.lidos) / std::max(1, l.total));
}

// Why a club file read again for the full load is no longer the usable club of country `pais`
// that the scan saw ("" when it still is). In the custom championship any real country will do.
std::string motivomudanca(const Lido<TArquivoClube>& lido, int pais, bool personalizado) {
    if (!lido) {
        // The caller names the file already.
        const size_t dois = lido.erro.find(": ");
        return dois == std::string::npos ? lido.erro : lido.erro.substr(dois + 2);
    }
    if (!clubeutilizavel(lido->cabecalho)) return "não é mais um time jogável";
    const int agora = lido->cabecalho.pais;
    if (personalizado ? agora >= kPersonalizado : agora != pais)
        return "agora é do país " + std::to_string(agora);
    return {};
}

// Rechecks the league clubs against their files. Returns an error text, or "" when every league
// is complete (clubs whose file went bad are removed and the divisions recomposed).
std::string confereligas(Mundo& w, Preparacao& p, std::vector<std::string>& arquivos, Leitura& l,
                         bool personalizado, const Progresso& progresso, std::vector<std::string>& avisos) {
    const int n = static_cast<int>(w.times.size());
    std::vector<int> novoindice(n, -1);
    int proximo = 0;
    for (int c = 0; c < n; ++c) {
        auto lido = lerclube(pastatimes(p.raiz) / arquivos[c]);
        ++l.lidos;
        avisa(progresso, l);
        const std::string motivo = motivomudanca(lido, w.times[c].pais, personalizado);
        if (motivo.empty()) {
            novoindice[c] = proximo++;
            l.brutos.push_back(*lido);
            continue;
        }
        const std::string nome = w.times[c].nome.utf8();
        if (w.times[c].humano) {
            return "O arquivo do time " + nome + " (" + arquivos[c] +
                   ") mudou ou não pode mais ser lido depois da escolha dos times (" + motivo +
                   "). Comece um novo jogo.";
        }
        avisos.push_back("Time " + nome + " deixado de fora: o arquivo teams/" + arquivos[c] +
                         " mudou ou não pode mais ser lido (" + motivo + ").");
    }
    if (proximo == n) return {};

    // Close the gaps: survivors keep their order and their random keys.
    std::vector<TTime> times;
    std::vector<std::string> nomes;
    for (int c = 0; c < n; ++c) {
        if (novoindice[c] < 0) continue;
        times.push_back(w.times[c]);
        nomes.push_back(arquivos[c]);
    }
    w.times = std::move(times);
    arquivos = std::move(nomes);
    auto remapeia = [&](int32_t& c) {
        if (c >= 0 && c < n) c = novoindice[c];
    };
    for (auto& c : w.estado.timedotecnico) remapeia(c);
    remapeia(w.estado.timeatual);
    if (p.composicao.size() < w.ligas.size()) return "As ligas não foram montadas antes da carga.";
    const int pordiv = clubespordivisao(w.estado.sistemadisputa);
    for (size_t s = 0; s < w.ligas.size(); ++s) {
        std::vector<TEntradaLiga> lista;
        for (TEntradaLiga e : p.composicao[s]) {
            if (e.time < 0 || e.time >= n || novoindice[e.time] < 0) continue;
            e.time = novoindice[e.time];
            lista.push_back(e);
        }
        TLiga& liga = w.ligas[s];
        distribuidivisoes(w, liga, lista);
        if (static_cast<int>(lista.size()) < pordiv) {
            return "A liga de " + std::string(nomepais(liga.pais)) + " ficou com " + std::to_string(lista.size()) +
                   " times, menos que os " + std::to_string(pordiv) +
                   " de uma divisão, porque arquivos de times mudaram depois da escolha. Comece um novo jogo.";
        }
        p.composicao[s] = std::move(lista);
    }
    for (const TTime& t : w.times) {
        if (t.humano && t.divisao == 0) {
            return "O time " + t.nome.utf8() +
                   " saiu das divisões porque arquivos de times mudaram depois da escolha. Comece um novo jogo.";
        }
    }
    return {};
}

// Appends the extra clubs: the best usable clubs of the listed countries whose league is not
// played, up to each country's quota.
void carregaextras(Mundo& w, const Preparacao& p, std::vector<std::string>& arquivos, Leitura& l,
                   const Progresso& progresso, std::vector<std::string>& avisos) {
    std::vector<const TResumoLido*> ordenados;
    for (const TResumoLido& r : p.resumos) ordenados.push_back(&r);
    std::stable_sort(ordenados.begin(), ordenados.end(), [](const TResumoLido* a, const TResumoLido* b) {
        if (a->resumo.nivel != b->resumo.nivel) return a->resumo.nivel > b->resumo.nivel;
        return a->resumo.pais < b->resumo.pais;
    });
    std::array<std::vector<const TResumoLido*>, kNumPaises> porpais;
    for (const TResumoLido* r : ordenados) porpais[r->resumo.pais].push_back(r);

    for (const TPaisExtra& x : kPaisesExtras) {
        const bool jogado = std::any_of(w.ligas.begin(), w.ligas.end(), [&](const TLiga& g) { return g.pais == x.pais; });
        if (jogado) continue;
        int tomados = 0;
        for (const TResumoLido* r : porpais[x.pais]) {
            if (tomados >= x.cota) break;
            if (!clubeutilizavel(r->resumo)) continue;
            auto lido = lerclube(pastatimes(p.raiz) / r->arquivo);
            ++l.lidos;
            ++l.total;
            avisa(progresso, l);
            if (const std::string motivo = motivomudanca(lido, x.pais, false); !motivo.empty()) {
                avisos.push_back("Time " + r->resumo.nome.utf8() + " deixado de fora: o arquivo teams/" + r->arquivo +
                                 " mudou ou não pode mais ser lido (" + motivo + ").");
                continue;
            }
            TTime t{};
            t.nome = r->resumo.nome;
            t.pais = x.pais;
            w.times.push_back(t);
            arquivos.push_back(r->arquivo);
            l.brutos.push_back(*lido);
            ++w.estado.numclubesextras;
            ++tomados;
        }
    }
}

void montaclube(TTime& t, const TCabecalhoClube& h, bool liga, bool personalizado, bool estaduais) {
    TTime n{};
    n.humano = t.humano;
    n.nivel = h.nivel;
    n.nome = h.nome;
    n.corfundo = h.corfundo;
    n.cortexto = h.cortexto;
    n.escudo.definebruto(h.escudo.bruto());
    n.estadio = h.estadio;
    n.estado = h.estado < kNumEstados ? h.estado : -1;
    n.pais = personalizado ? kPersonalizado : h.pais;
    n.confiancadiretoria = 100;
    n.confiancatorcida = 100;
    n.divisao = liga ? t.divisao : divisaopornivel(h.nivel);
    const TPadraoDivisao& d = kPadroes[std::clamp(n.divisao, 0, 4)];
    std::copy(std::begin(d.capacidade), std::end(d.capacidade), n.capacidade);
    std::copy(std::begin(d.preco), std::end(d.preco), n.precoingresso);
    n.dinheiro = estaduais ? d.caixacomestaduais : d.caixasemestaduais;
    // Player 0 belongs to no club: a captain or taker of 0 is nobody.
    n.capitao = 0;
    n.cobradorfaltas = 0;
    n.linhaescalacao = -1;
    n.moraltime = 3;  // every player starts with morale 3, so the team does too
    t = n;
}

void montatecnicos(Mundo& w, const Preparacao& p, const std::vector<TArquivoClube>& brutos) {
    const int n = static_cast<int>(w.times.size());
    w.tecnicos.assign(n + kMaxHumanos, TTecnico{});
    for (int s = n; s < n + kMaxHumanos; ++s) {
        TTecnico& t = w.tecnicos[s];
        t.time = -1;
        t.ultimotime = -1;
        historiconenhum(t.clubes);
    }
    int reserva = n;
    int humanos = 0;
    for (int j = 0; j < n; ++j) {
        TTime& clube = w.times[j];
        TTecnico& t = w.tecnicos[j];
        t.ultimotime = -1;
        historiconenhum(t.clubes);
        if (clube.humano && reserva < n + kMaxHumanos && humanos < kMaxHumanos) {
            // The club's own coach steps aside, free to be hired elsewhere.
            TTecnico& antigo = w.tecnicos[reserva++];
            antigo.nome = brutos[j].cabecalho.tecnico;
            antigo.pais = clube.pais;
            antigo.divisao = clube.divisao;
            antigo.time = -1;
            antigo.empregado = 0;

            std::string nome;
            for (int k = 0; k < kMaxHumanos; ++k)
                if (w.estado.timedotecnico[k] == j) nome = p.nomestecnicos[k];
            if (nome.empty()) nome = "Técnico " + std::to_string(humanos + 1);
            t.nome.define(nome);
            t.humano = 1;
            w.estado.timeshumanos[humanos++] = j;
        } else {
            clube.humano = 0;
            t.nome = brutos[j].cabecalho.tecnico;
        }
        t.pais = clube.pais;
        t.time = j;
        t.divisao = clube.divisao;
        t.clubes[0][0] = j;
        t.empregado = 1;
        clube.tecnico = j;
    }
}

// Appends the players of every club; returns the first player index of each club (plus the end).
std::vector<int> montajogadores(Mundo& w, const std::vector<TArquivoClube>& brutos) {
    const int n = static_cast<int>(w.times.size());
    std::vector<int> inicio(n + 1);
    w.jogadores.clear();
    w.jogadores.reserve(1 + static_cast<size_t>(n) * kMaxJogadoresClube);
    TJogador zero{};
    zero.time = -1;
    w.jogadores.push_back(zero);
    for (int c = 0; c < n; ++c) {
        inicio[c] = static_cast<int>(w.jogadores.size());
        const TElencoClube& e = brutos[c].elenco;
        for (int k = 0; k < kMaxJogadoresClube; ++k) {
            if (slotlivre(e.nome[k])) continue;
            TJogador j{};
            j.nome.definebruto(e.nome[k].bruto());
            j.estrela = e.estrela[k] ? 1 : 0;
            j.idade = e.idade[k];
            j.pais = e.pais[k];
            j.posicaooriginal = e.posicao[k];
            j.posicao = e.posicao[k];
            j.escalacao = e.status[k] ? 1 : 0;
            j.habilidade1 = e.habilidade1[k] < kNumHabilidades ? e.habilidade1[k] : 0;
            j.habilidade2 = e.habilidade2[k] < kNumHabilidades ? e.habilidade2[k] : 0;
            if (j.posicaooriginal != kGoleiro) {
                // An outfield player without a characteristic gets a random outfield one.
                if (j.habilidade1 == 0) j.habilidade1 = 4 + w.sorteia(8);
                if (j.habilidade2 == 0) j.habilidade2 = 4 + w.sorteia(8);
            }
            j.funcao = funcaopadrao(j.posicaooriginal, j.habilidade1, j.habilidade2);
            j.time = c;
            j.energia = 100;
            j.moral = 3;
            w.jogadores.push_back(j);
        }
    }
    inicio[n] = static_cast<int>(w.jogadores.size());
    return inicio;
}

void forcasiniciais(Mundo& w, const std::vector<int>& inicio) {
    const int n = static_cast<int>(w.times.size());
    const std::string preferido = utf8paraCp1252(kCobradorPreferido);
    for (int c = 0; c < n; ++c) {
        TTime& t = w.times[c];
        const int base = c < w.estado.numclubesliga ? forcabaseliga(w.estado.sistemadisputa, t.divisao, t.nivel)
                                                    : forcabasenivel(t.nivel);
        for (int j = inicio[c]; j < inicio[c + 1]; ++j) {
            TJogador& p = w.jogadores[j];
            p.forca = base + w.sorteia(6) + (p.escalacao == 1 ? 7 : 0) + (p.estrela ? 7 : 0);
        }

        int capitao = -1;
        int preferidoj = -1;
        int porhabilidade[3] = {-1, -1, -1};  // finalização, armação, passe
        for (int j = inicio[c]; j < inicio[c + 1]; ++j) {
            const TJogador& p = w.jogadores[j];
            if (p.escalacao != 1) continue;
            if (capitao < 0) capitao = j;
            if (preferidoj < 0 && p.nome.bruto() == preferido) preferidoj = j;
            const int h[3] = {9, 4, 11};
            for (int i = 0; i < 3; ++i)
                if (porhabilidade[i] < 0 && p.habilidade1 == h[i]) porhabilidade[i] = j;
        }
        if (capitao >= 0) {
            t.cobradorfaltas = preferidoj >= 0        ? preferidoj
                               : porhabilidade[0] >= 0 ? porhabilidade[0]
                               : porhabilidade[1] >= 0 ? porhabilidade[1]
                               : porhabilidade[2] >= 0 ? porhabilidade[2]
                                                       : capitao;
        }
        if (capitao < 0) capitao = inicio[c] < inicio[c + 1] ? inicio[c] : 0;
        t.capitao = capitao;
    }
}

void contaclubes(Mundo& w, const std::vector<int>& inicio) {
    const int n = static_cast<int>(w.times.size());
    w.financas.assign(n, TFinancas{});
    for (int c = 0; c < n; ++c) {
        TTime& t = w.times[c];
        t.numjogadores = inicio[c + 1] - inicio[c];
        std::fill(std::begin(t.numporposicao), std::end(t.numporposicao), 0);
        for (int j = inicio[c]; j < inicio[c + 1]; ++j) {
            const TJogador& p = w.jogadores[j];
            if (posicaovalida(p.posicao)) ++t.numporposicao[p.posicao];
        }
    }
}

// The national teams read by the scan (damaged and misnamed files were left out there, with a
// warning), their confederation from their country.
void carregaselecoes(Mundo& w, const Preparacao& p) {
    w.estado.edicoes[0] = w.estado.edicoes[1] = w.estado.edicoes[2] = 0;
    w.estado.fasetorneio = 0;
    for (TSelecao s : p.selecoes) {
        s.confederacao = confederacao(s.pais, true);
        w.selecoes.push_back(s);
    }
}

void historicosiniciais(Mundo& w) {
    const int n = static_cast<int>(w.times.size());
    w.historicos.assign(1, THistoricoJogador{});  // numbering starts at 1
    for (size_t j = 1; j < w.jogadores.size(); ++j) {
        TJogador& p = w.jogadores[j];
        if (p.time < 0 || p.time >= n) continue;
        THistoricoJogador h{};
        historiconenhum(h.clubes);
        h.clubes[0][0] = p.time;
        p.historico = static_cast<int32_t>(w.historicos.size());
        w.historicos.push_back(h);
    }
}

}  // namespace

ResultadoCarga carregabase(Mundo& m, Preparacao& p, const Progresso& progresso) {
    ResultadoCarga r;
    Mundo w = m;
    std::vector<std::string> arquivos = p.arquivos;
    arquivos.resize(w.times.size());
    Preparacao pw = p;
    TEstadoJogo& e = w.estado;
    const bool personalizado =
        e.paisprincipal == kPersonalizado ||
        std::any_of(w.ligas.begin(), w.ligas.end(), [](const TLiga& g) { return g.pais == kPersonalizado; });

    // 1. Human clubs are listed anew below; the reference ticket prices.
    for (auto& h : e.timeshumanos) h = -1;
    w.precospadrao = precospadraoiniciais(e.sistemadisputa);
    for (int k = 0; k < kMaxHumanos; ++k) {
        const int c = e.timedotecnico[k];
        if (k < e.numtecnicoshumanos && c >= 0 && c < static_cast<int>(w.times.size())) w.times[c].humano = 1;
    }

    // The league clubs are checked against their files once more.
    Leitura l;
    l.total = static_cast<int>(w.times.size()) + 1;
    r.erro = confereligas(w, pw, arquivos, l, personalizado, progresso, r.avisos);
    if (!r.erro.empty()) return r;
    e.numclubesliga = static_cast<int>(w.times.size());

    // 2. Extra clubs.
    e.numclubesextras = 0;
    if (!personalizado) carregaextras(w, pw, arquivos, l, progresso, r.avisos);

    // 3-5. Clubs, coaches, players.
    if (progresso) progresso(20);
    const int n = static_cast<int>(w.times.size());
    for (int c = 0; c < n; ++c)
        montaclube(w.times[c], l.brutos[c].cabecalho, c < e.numclubesliga, personalizado, e.ckestadual != 0);
    montatecnicos(w, pw, l.brutos);
    const std::vector<int> inicio = montajogadores(w, l.brutos);

    // 6. Strength, captain, free-kick taker (values and salaries are the clubs' business).
    forcasiniciais(w, inicio);

    // 7. Clubs per league country, league and extra clubs together.
    if (progresso) progresso(30);
    for (TLiga& g : w.ligas)
        g.numclubes = static_cast<int>(std::count_if(w.times.begin(), w.times.end(), [&](const TTime& t) { return t.pais == g.pais; }));

    // 8. Squad counts (the wage bills follow the salaries, set by the new game).
    contaclubes(w, inicio);

    // 9. National teams.
    w.selecoes.clear();
    if (e.ckcopamundo || e.ckeurocopa || e.ckcopaamerica) carregaselecoes(w, pw);

    // 10. Player histories.
    historicosiniciais(w);
    refazelencos(w);

    pw.arquivos = std::move(arquivos);
    m = std::move(w);
    p = std::move(pw);
    return r;
}

}  // namespace tarvello
