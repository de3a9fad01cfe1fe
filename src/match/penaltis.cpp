#include "match/penaltis.h"

#include <algorithm>

#include "match/escalacao.h"
#include "model/tipos.h"
#include "season/registraevento.h"

namespace tarvello {

namespace {

constexpr int kFinalizacao = 9;
constexpr int kDefPenalti = 1;

const TJogador* jogadorvalido(const Mundo& m, int j) {
    if (j <= 0 || j >= static_cast<int>(m.jogadores.size())) return nullptr;
    return &m.jogadores[j];
}

std::string nomede(const Mundo& m, int j) {
    const TJogador* p = jogadorvalido(m, j);
    return p ? p->nome.utf8() : std::string();
}

bool marca(Mundo& m, int batedor, int goleiro) {
    const TJogador* k = jogadorvalido(m, batedor);
    const TJogador* g = jogadorvalido(m, goleiro);
    // A side with nobody to send still takes its kick, at the chance of an ordinary kicker.
    static const TJogador kSemNinguem{};
    const int c = chancepenalti(k ? *k : kSemNinguem, g);
    return m.sorteia(100) + 1 <= c;
}

bool ehhumano(const Mundo& m, int time) {
    return time >= 0 && time < static_cast<int>(m.times.size()) && m.times[time].humano;
}

}  // namespace

int chancepenalti(const TJogador& batedor, const TJogador* goleiro) {
    int c = batedor.habilidade1 == kFinalizacao ? 80 : 70;
    if (batedor.habilidade2 == kFinalizacao) c += 5;
    if (batedor.estrela) c += 5;
    if (goleiro) {
        if (goleiro->habilidade1 == kDefPenalti) c -= 15;
        if (goleiro->habilidade2 == kDefPenalti) c -= 10;
        if (goleiro->estrela) c -= 5;
    }
    return c;
}

TCobrancaPenalti cobrancahumana(Mundo& m, int batedor, int goleiro) {
    static const char* const kPreparo[] = {
        " coloca a bola na marca.", " prepara para bater.", " ajeita com carinho.", " se concentra para chutar.",
        " parece um pouco nervoso, mas mesmo assim vai bater."};
    static const char* const kChute[] = {"Corre pra bola, bate o penalty e...", "Enfia um bicudo na bola e...",
                                         "Bate com força e...", "Manda uma bomba e..."};
    static const char* const kErro[] = {
        "O goleiro defendeu!",
        "Explode no travessão!",
        "Pra fora, longe do gol!",
        "A bola bate na trave e sai!",
        "O goleiro fez grande defesa!",
        "Chuta a bola por cima!",
        "Isola a bola na arquibancada!",
        "Mas o que é isso? Escorregou e chutou fraquinho nas mãos do goleiro!",
        "Perde bisonhamente o penalti, chutando na arquibancada!"};
    TCobrancaPenalti c;
    c.batedor = batedor;
    c.goleiro = goleiro;
    const std::string nome = nomede(m, batedor);
    c.falas.push_back(nome + kPreparo[m.sorteia(5)]);
    c.falas.push_back(kChute[m.sorteia(4)]);
    c.gol = marca(m, batedor, goleiro);
    const int r = m.sorteia(9);
    if (!c.gol) {
        c.falas.push_back(kErro[r]);
    } else {
        const std::string kGol[] = {"Golaço! O goleiro nem saiu na foto!",
                                    "Gol!!!!",
                                    "A torcida vibra, é gol!!!",
                                    "Bola no fundo das redes! Gol!!!",
                                    "O goleiro nem viu a bola! É gol!!!",
                                    "Cobrança perfeita de " + nome + "! Gol!!!",
                                    nome + " não titubeou e mandou a bola no fundo das redes!!!",
                                    "Bola pra um lado goleiro do outro, gol!!!",
                                    "Cobrança magnífica! Gol!!!"};
        c.falas.push_back(kGol[r]);
    }
    return c;
}

TCobrancaPenalti cobrancacomputador(Mundo& m, int batedor, int goleiro) {
    static const char* const kPreparo[] = {"poe a bola na marca.", "prepara para bater.", "ajeita com carinho."};
    TCobrancaPenalti c;
    c.batedor = batedor;
    c.goleiro = goleiro;
    const std::string nome = nomede(m, batedor);
    const std::string nomegoleiro = nomede(m, goleiro);
    c.falas.push_back(nome + " " + kPreparo[m.sorteia(3)]);
    c.falas.push_back("Bate o penalty e...");
    c.gol = marca(m, batedor, goleiro);
    const int r = m.sorteia(6);
    if (!c.gol) {
        const std::string kErro[] = {
            "Grande defesa de " + nomegoleiro + "!",
            "Explode na trave!!!",
            "Pra fora, longe do gol!",
            nomegoleiro + " faz uma brilhante defesa!",
            "Será que o batedor não sabe chutar? A bola foi parar na arquibancada!",
            nome + " escorregou na hora de chutar e o goleiro fez uma fácil defesa!"};
        c.falas.push_back(kErro[r]);
    } else {
        const std::string kGol[] = {"Gol!!!!",
                                    "Um chute forte e a bola estufa as redes! Gol!!!",
                                    "Goleiro de um lado e bola do outro! Gol!!!",
                                    "A torcida vibra, é gol!!!",
                                    nome + " executa uma cobrança perfeita! É gol!!!",
                                    nome + " bate bem no canto, sem chances para o goleiro! É gol!!!"};
        c.falas.push_back(kGol[r]);
    }
    return c;
}

int goleiroemcampo(const Mundo& m, int time) {
    const TEscalacao* r = linhade(m, time);
    if (!r) return -1;
    if (emcampo(m, (*r)[kSlotGoleiro])) return (*r)[kSlotGoleiro];
    for (int s = 1; s <= 11; ++s)
        if (emcampo(m, (*r)[s]) && m.jogadores[(*r)[s]].posicao == kGoleiro) return (*r)[s];
    return -1;
}

int batedoremcampo(const Mundo& m, int time) {
    const TEscalacao* r = linhade(m, time);
    if (!r) return -1;
    for (int s = 10; s >= 1; --s)
        if (emcampo(m, (*r)[s])) return (*r)[s];
    return emcampo(m, (*r)[kSlotGoleiro]) ? (*r)[kSlotGoleiro] : -1;
}

std::vector<int> candidatospenalti(const Mundo& m, int time) {
    std::vector<int> r;
    const TEscalacao* e = linhade(m, time);
    if (!e) return r;
    for (int s = 11; s >= 1; --s)
        if (emcampo(m, (*e)[s]) && std::find(r.begin(), r.end(), (*e)[s]) == r.end()) r.push_back((*e)[s]);
    std::stable_sort(r.begin(), r.end(), [&](int a, int b) {
        return m.jogadores[a].posicaooriginal < m.jogadores[b].posicaooriginal;
    });
    return r;
}

void registrapenalti(Mundo& m, int jogo, int lado, const TCobrancaPenalti& c) {
    if (!c.gol || jogo < 1 || jogo > static_cast<int>(m.diajogo.jogos.size()) || (lado != 1 && lado != 2)) return;
    TJogos& g = m.diajogo.jogos[static_cast<size_t>(jogo - 1)];
    const int time = g.time(lado);
    ++g.gols[lado - 1];
    anotaevento(m, kEvGolPenalti, time, c.batedor, -1, jogo);
    if (jogadorvalido(m, c.batedor)) registraevento(m, c.batedor, time, "g");
}

void sorteiapenalti(Mundo& m, InteracaoPenaltis& ui, int jogo) {
    if (jogo < 1 || jogo > static_cast<int>(m.diajogo.jogos.size())) return;
    TJogos& g = m.diajogo.jogos[static_cast<size_t>(jogo - 1)];
    int lado = 0;
    if (m.sorteia(500) == 1) {
        if (g.penaltiusado[0]) return;
        lado = 1;
    } else {
        if (g.penaltiusado[1]) return;
        if (m.sorteia(500) == 1) lado = 2;
    }
    if (!lado) return;
    g.penaltiusado[lado - 1] = 1;

    const int time = g.time(lado);
    const int adversario = g.time(3 - lado);
    if (!ehhumano(m, time) && !ehhumano(m, adversario)) return;  // nobody watches: nothing is kicked
    const int goleiro = goleiroemcampo(m, adversario);
    const int sugestao = batedoremcampo(m, time);
    // A side with nobody left on the pitch cannot kick; the penalty is simply lost.
    if (sugestao < 0) return;
    ui.penaltimarcado(m);

    TCobrancaPenalti c;
    if (ehhumano(m, time)) {
        const std::vector<int> candidatos = candidatospenalti(m, time);
        bool cobrada = false;
        auto cobra = [&](int batedor) {
            if (cobrada) return c;
            cobrada = true;
            // Only a player of the side still on the pitch may kick.
            if (std::find(candidatos.begin(), candidatos.end(), batedor) == candidatos.end()) batedor = sugestao;
            c = cobrancahumana(m, batedor, goleiro);
            return c;
        };
        ui.cobrapenalti(m, time, candidatos, sugestao, cobra);
        if (!cobrada) cobra(sugestao);
    } else {
        c = cobrancacomputador(m, sugestao, goleiro);
        ui.mostrapenalti(m, time, c);
    }
    registrapenalti(m, jogo, lado, c);
}

int mododisputa(const Mundo& m, int time1, int time2, bool jogounico, bool ligacomhumano) {
    if (ehhumano(m, time1) || ehhumano(m, time2)) return kDisputaComHumanos;
    if (!m.estado.verpenalty) return kDisputaInstantanea;
    if (jogounico || ligacomhumano) return kDisputaAssistida;
    return kDisputaInstantanea;
}

void disputainstantanea(Mundo& m, TDisputaPenaltis& d, bool jogounico) {
    const int faixa = jogounico ? 7 : 8;
    const int base = jogounico ? 2 : 0;  // the loser's score is at least this
    const int a = m.sorteia(faixa);
    const int b = m.sorteia(faixa);
    if (a >= b) {
        d.placar = {a + base + 1, a + base};
        d.vencedor = 1;
    } else {
        d.placar = {b + base, b + base + 1};
        d.vencedor = 2;
    }
}

void cobrancadisputa(Mundo& m, TDisputaPenaltis& d) {
    if (d.vencedor) return;
    const int lado = d.cobradas[0] == d.cobradas[1] ? 0 : 1;
    // Kickers in order; the order starts again after the eleventh or at the first empty place.
    const std::vector<int>& lista = d.batedores[lado];
    size_t& i = d.proximo[lado];
    if (i >= lista.size() || i >= 11 || lista[i] <= 0) i = 0;
    const int jogador = i < lista.size() && lista[i] > 0 ? lista[i] : -1;
    ++i;

    const bool gol = m.sorteia(3) < 2;
    d.cobrancas.push_back({lado, jogador, gol});
    ++d.cobradas[lado];
    if (gol) ++d.placar[lado];

    const int n = d.cobradas[0];
    const int s1 = d.placar[0], s2 = d.placar[1];
    if (lado == 0) {
        if (n <= 5 && gol && s2 + (6 - n) < s1)
            d.vencedor = 1;
        else if (n <= 5 && s1 + (5 - n) < s2)
            d.vencedor = 2;
    } else {
        if (n <= 5 && gol && s1 + (5 - n) < s2)
            d.vencedor = 2;
        else if (n > 5 && s1 != s2)
            d.vencedor = s1 > s2 ? 1 : 2;
        else if (n <= 5 && s2 + (5 - n) < s1)
            d.vencedor = 1;
    }
}

std::vector<int> batedorescomputador(const Mundo& m, int time, const int32_t* onze) {
    std::vector<int> r;
    if (onze) {
        for (int s = 0; s < 11; ++s)
            if (const TJogador* p = jogadorvalido(m, onze[s]); p && p->time == time) r.push_back(onze[s]);
        if (!r.empty()) return r;
    }
    for (int j : elenco(m, time))
        if (m.jogadores[j].jogouhoje && r.size() < 11) r.push_back(j);
    return r;
}

std::vector<int> batedoresdisponiveis(const Mundo& m, int time) {
    std::vector<int> r;
    for (int j : elenco(m, time))
        if (m.jogadores[j].jogouhoje) r.push_back(j);
    return r;
}

std::vector<int> InteracaoPenaltis::escolhebatedores(const Mundo&, int, const std::vector<int>&,
                                                     const std::vector<int>& sugestao) {
    return sugestao;
}

void InteracaoPenaltis::mostradisputa(const Mundo&, const TDisputaPenaltis&) {}

void InteracaoPenaltis::cobrapenalti(const Mundo&, int, const std::vector<int>&, int sugestao,
                                     const std::function<TCobrancaPenalti(int)>& cobra) {
    cobra(sugestao);
}

void InteracaoPenaltis::mostrapenalti(const Mundo&, int, const TCobrancaPenalti&) {}

TDisputaPenaltis disputapenaltis(Mundo& m, InteracaoPenaltis& ui, int time1, int time2, bool jogounico,
                                 bool ligacomhumano, const int32_t* onze1, const int32_t* onze2) {
    TDisputaPenaltis d;
    d.times = {time1, time2};
    d.modo = mododisputa(m, time1, time2, jogounico, ligacomhumano);
    if (d.modo == kDisputaInstantanea) {
        disputainstantanea(m, d, jogounico);
        return d;
    }
    const int32_t* onzes[2] = {onze1, onze2};
    for (int lado = 0; lado < 2; ++lado) {
        const int time = d.times[lado];
        std::vector<int> sugestao = batedorescomputador(m, time, onzes[lado]);
        if (d.modo == kDisputaComHumanos && ehhumano(m, time)) {
            // Keep only the club's own players, each once, whatever the screen returned.
            std::vector<int> escolha;
            for (int j : ui.escolhebatedores(m, time, batedoresdisponiveis(m, time), sugestao)) {
                const TJogador* p = jogadorvalido(m, j);
                if (p && p->time == time && std::find(escolha.begin(), escolha.end(), j) == escolha.end())
                    escolha.push_back(j);
            }
            d.batedores[lado] = escolha.empty() ? sugestao : escolha;
        } else {
            d.batedores[lado] = std::move(sugestao);
        }
    }
    while (!d.vencedor) cobrancadisputa(m, d);
    ui.mostradisputa(m, d);
    return d;
}

}  // namespace tarvello
