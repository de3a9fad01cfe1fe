#include "database/gerador.h"

#include "database/sons_gerados.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <set>
#include <system_error>

#include "database/bandeiras.h"
#include "database/escudos.h"
#include "database/nomes.h"
#include "model/tipos.h"

namespace tarvello {
namespace fs = std::filesystem;

namespace {

// How strong a country's football is, 1..25: sets its clubs' levels and its national level.
struct TPais {
    int pais;
    int clubes;     // clubs written for it (0 = national team only)
    int prestigio;  // 1..25
    bool selecao;   // writes a national-team file
};

// Clubs per country: leagues of four divisions need 42, the extra-club quotas need 12 or 10.
const std::vector<TPais>& paises() {
    static const std::vector<TPais> v = {
        // Brasil's clubs are made state by state (below).
        {29, 0, 25, true},
        {11, 44, 24, true}, {97, 44, 24, true}, {104, 44, 24, true}, {65, 44, 24, true},
        {3, 44, 24, true}, {72, 44, 24, true}, {154, 44, 22, true},
        {195, 12, 21, true}, {150, 12, 18, true}, {46, 12, 19, true}, {42, 12, 18, true}, {60, 12, 17, true},
        {26, 12, 13, true}, {151, 12, 16, true}, {198, 12, 13, true}, {131, 12, 19, true},
        {162, 10, 18, true}, {107, 10, 17, true}, {192, 10, 18, true}, {159, 10, 19, true}, {21, 10, 20, true},
        {160, 10, 17, true}, {171, 10, 18, true}, {78, 10, 18, true}, {9, 10, 14, true}, {51, 10, 15, true},
        {38, 10, 13, true}, {68, 10, 17, true}, {14, 10, 16, true}, {57, 10, 15, true}, {129, 10, 16, true},
        {1, 10, 14, true}, {190, 10, 15, true}, {43, 10, 13, true}, {49, 10, 17, true}, {143, 10, 11, true},
        {141, 10, 17, true}, {62, 10, 16, true}, {193, 10, 18, true}, {85, 10, 22, true}, {15, 10, 16, true},
        {52, 10, 20, true}, {31, 10, 15, true}, {88, 10, 14, true}, {179, 10, 19, true}, {76, 10, 12, true},
        {142, 10, 16, true}, {180, 10, 18, true}, {103, 10, 13, true}, {152, 10, 17, true}, {54, 10, 19, true},
        // National teams of countries without clubs in the sample world.
        {36, 0, 17, true}, {75, 0, 16, true}, {169, 0, 17, true}, {50, 0, 18, true}, {10, 0, 15, true},
        {98, 0, 16, true}, {39, 0, 13, true}, {86, 0, 13, true}, {106, 0, 12, true}, {63, 0, 16, true},
        {100, 0, 16, true}, {145, 0, 15, true},
    };
    return v;
}

struct TEstadoPlano {
    int estado, clubes, topo;
};
// Brazilian states: SP, RJ, MG, RS, PR, BA, PE, SC, GO, CE, PA, DF, AM, ES.
constexpr TEstadoPlano kEstados[] = {{25, 24, 25}, {18, 12, 25}, {10, 12, 24}, {22, 10, 24}, {17, 8, 21},
                                     {4, 8, 20},   {15, 8, 20},  {23, 6, 18},  {8, 6, 17},   {5, 6, 17},
                                     {13, 4, 14},  {6, 2, 10},   {2, 2, 10},   {7, 2, 10}};

// Where the foreign players of a squad come from (weights).
constexpr std::pair<int, int> kOrigemEstrangeiros[] = {
    {29, 10}, {11, 7}, {195, 3}, {46, 3}, {150, 2}, {42, 2}, {60, 1}, {131, 1}, {72, 2}, {141, 2}, {169, 2},
    {50, 2},  {36, 2}, {75, 2},  {85, 2}, {52, 2},  {171, 2}, {54, 1}, {179, 1}, {21, 2}, {154, 2}, {65, 1},
    {104, 1}, {3, 1},  {97, 1},  {107, 1}, {49, 1}, {68, 1},  {129, 1}, {10, 1}, {57, 1}, {162, 1}, {193, 1}};

// Colours as 0x00RRGGBB pairs (background, text).
constexpr std::pair<uint32_t, uint32_t> kCores[] = {
    {0xC8102E, 0xFFFFFF}, {0x0033A0, 0xFFFFFF}, {0x007A33, 0xFFFFFF}, {0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000},
    {0xFFD100, 0x00573F}, {0x7A1F2B, 0xFFFFFF}, {0x0B1F4B, 0xFFD100}, {0x6CACE4, 0x0B1F4B}, {0xFF6A13, 0x000000},
    {0x5B2C83, 0xFFFFFF}, {0xFFFFFF, 0xC8102E}, {0xFFFFFF, 0x0033A0}, {0x007A33, 0xFFD100}, {0x000000, 0xFFD100},
    {0xC8102E, 0x000000}, {0xB3A369, 0x000000}, {0x00843D, 0x000000}, {0x8A1538, 0x6CACE4}, {0x1D428A, 0xC8102E}};

// National colours of some countries (background, text).
std::pair<uint32_t, uint32_t> coresselecao(Aleatorio& a, int pais) {
    switch (pais) {
        case 29: return {0xFFDF00, 0x009C3B};
        case 11: return {0x75AADB, 0xFFFFFF};
        case 195: return {0x5CBFEB, 0x000000};
        case 97: return {0xFFFFFF, 0x1D2D5C};
        case 104: return {0x0066CC, 0xFFFFFF};
        case 65: return {0xC60B1E, 0xFFC400};
        case 3: return {0xFFFFFF, 0x000000};
        case 72: return {0x002395, 0xFFFFFF};
        case 154: return {0xC8102E, 0x006600};
        case 85: return {0xFF6600, 0x000000};
        case 131: return {0x006847, 0xFFFFFF};
        case 68: return {0xFFFFFF, 0x0A3161};
        case 107: return {0x0B1F8C, 0xFFFFFF};
        default: {
            const auto& c = kCores[static_cast<size_t>(a.sorteia(static_cast<int>(std::size(kCores))))];
            return c;
        }
    }
}

int32_t corwindows(uint32_t rgb) {
    // 0x00RRGGBB to the files' 0x00BBGGRR.
    return static_cast<int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

int entre(int v, int minimo, int maximo) { return std::max(minimo, std::min(maximo, v)); }

// ---- Crests: a shield in the club's colours ----

constexpr int kLarguraEscudo = 40;
constexpr int kAlturaEscudo = 48;

std::vector<uint8_t> desenhaescudo(Aleatorio& a, uint32_t fundo, uint32_t texto, int padrao, std::vector<uint32_t>& paleta) {
    // 0 see-through, 1 outline, 2 background colour, 3 text colour, 4 gold.
    paleta = {0xFF00FF, 0x1A1A1A, fundo, texto, 0xD4AF37};
    if (fundo == texto) paleta[3] = fundo == 0xFFFFFF ? 0x000000 : 0xFFFFFF;
    const int W = kLarguraEscudo, H = kAlturaEscudo;
    auto dentro = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= W || y >= H) return false;
        const double meia = y < 28 ? 19.0 : 19.0 * (H - 1 - y) / (H - 1 - 28.0) + 0.6;
        return std::abs(x + 0.5 - W / 2.0) <= meia;
    };
    const int estrelas = a.sorteia(4) == 0 ? 1 + a.sorteia(3) : 0;
    std::vector<uint8_t> px(static_cast<size_t>(W) * H, 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!dentro(x, y)) continue;
            const bool borda = !dentro(x - 1, y) || !dentro(x + 1, y) || !dentro(x, y - 1) || !dentro(x, y + 1);
            uint8_t c = 2;
            switch (padrao) {
                case 0: c = (y >= 18 && y < 28) ? 3 : 2; break;               // band
                case 1: c = ((x / 5) % 2) ? 3 : 2; break;                     // stripes
                case 2: c = std::abs((x - y) + 4) < 6 ? 3 : 2; break;         // sash
                case 3: c = x < W / 2 ? 2 : 3; break;                         // halves
                case 4: c = y < 15 ? 3 : 2; break;                            // top band
                default: {                                                    // ring
                    const int dx = x - W / 2, dy = y - 22;
                    const int d2 = dx * dx + dy * dy;
                    c = (d2 >= 64 && d2 < 144) ? 3 : 2;
                }
            }
            if (borda) c = 1;
            px[static_cast<size_t>(y) * W + x] = c;
        }
    // Small gold stars above the shield's top edge for titled clubs.
    for (int s = 0; s < estrelas; ++s) {
        const int cx = W / 2 + (s - (estrelas - 1) / 2.0) * 8;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx == 0 || dy == 0) {
                    const int x = cx + dx, y = 4 + dy;
                    if (x >= 0 && x < W) px[static_cast<size_t>(y) * W + x] = 4;
                }
    }
    return px;
}

TArquivoGerado escudogif(Aleatorio& a, const std::string& nome, uint32_t fundo, uint32_t texto) {
    std::vector<uint32_t> paleta;
    const int padrao = a.sorteia(6);
    auto px = desenhaescudo(a, fundo, texto, padrao, paleta);
    auto gif = codificagif(kLarguraEscudo, kAlturaEscudo, paleta, px, 0);
    return {nome + ".gif", gif ? std::move(*gif) : std::vector<uint8_t>{}};
}

// ---- Players ----

// Abilities that fit each position (numbers of the abilities table).
const std::vector<int>& habilidadesde(int posicao) {
    static const std::array<std::vector<int>, 5> t = {{
        {0, 1, 2, 3},
        {6, 7, 10, 13, 12, 11},
        {7, 10, 5, 12, 11},
        {4, 11, 7, 8, 12, 9},
        {9, 8, 5, 13, 4},
    }};
    return t[static_cast<size_t>(posicao)];
}

struct TJogadorGerado {
    std::string nome;
    int pais, idade, posicao, h1, h2, estrela, qualidade;
};

TJogadorGerado novojogador(Aleatorio& a, int pais, int posicao) {
    TJogadorGerado j;
    j.nome = nomepessoa(a, idiomade(pais));
    j.pais = pais;
    j.posicao = posicao;
    j.idade = entre(17 + a.sorteia(6) + a.sorteia(6) + a.sorteia(6) + a.sorteia(6) + (posicao == 0 ? a.sorteia(3) : 0), 17, 38);
    const auto& hs = habilidadesde(posicao);
    j.h1 = hs[static_cast<size_t>(a.sorteia(static_cast<int>(hs.size())))];
    j.h2 = hs[static_cast<size_t>(a.sorteia(static_cast<int>(hs.size())))];
    if (j.h2 == j.h1 && a.sorteia(3) != 0) j.h2 = hs[static_cast<size_t>(a.sorteia(static_cast<int>(hs.size())))];
    j.estrela = 0;
    j.qualidade = a.sorteia(10);
    return j;
}

int nacionalidade(Aleatorio& a, int pais, int porcentoestrangeiros) {
    if (a.sorteia(100) >= porcentoestrangeiros) return pais;
    int total = 0;
    for (auto [p, peso] : kOrigemEstrangeiros) total += p == pais ? 0 : peso;
    int r = a.sorteia(total);
    for (auto [p, peso] : kOrigemEstrangeiros) {
        if (p == pais) continue;
        if (r < peso) return p;
        r -= peso;
    }
    return pais;
}

int estrangeirosde(int pais) {
    switch (pais) {
        case 97: case 104: case 65: case 3: case 72: case 154: case 85: return 25;
        case 29: return 5;
        default: return 10;
    }
}

// Squad counts per position: 2 or 3 goalkeepers, then a base of 3-4-5-3 topped up to the size.
std::array<int, 5> distribuicao(Aleatorio& a, int tamanho) {
    std::array<int, 5> n = {tamanho >= 22 ? 3 : 2, 3, 4, 5, 3};
    constexpr int ordem[] = {3, 2, 4, 1, 3, 4, 2};
    int resto = tamanho - (n[0] + 15);
    for (int i = a.sorteia(7); resto > 0; ++i, --resto) n[static_cast<size_t>(ordem[i % 7])]++;
    return n;
}
constexpr int kTitulares[5] = {1, 2, 2, 4, 2};

struct TGerador {
    Aleatorio a;
    TMundoGerado mundo;
    std::vector<TJogadorGerado> jogadores;  // every club player, for the national squads
    std::set<std::string> arquivos;          // file names in use
    std::set<std::string> nomesclubes;

    explicit TGerador(uint64_t semente) : a(semente) {}

    std::string arquivolivre(const std::string& nome) {
        std::string base = nomesimples(nome, 17);
        if (base.empty()) base = "clube";
        std::string s = base;
        for (int n = 2; arquivos.count(s); ++n) s = base + std::to_string(n);
        arquivos.insert(s);
        return s;
    }

    void geraclube(int pais, int estado, int nivel) {
        const Idioma idioma = idiomade(pais);
        TNomeClube nome;
        do {
            nome = nomeclube(a, idioma, nomelugar(a, idioma));
        } while (nomesclubes.count(nome.curto));
        nomesclubes.insert(nome.curto);

        TArquivoClube c{};
        auto& h = c.cabecalho;
        h.pais = static_cast<uint8_t>(pais);
        h.versao = kVersaoArquivo;
        h.nivel = static_cast<uint8_t>(nivel);
        h.nome.define(nome.curto);
        h.nomecompleto.define(nome.completo);
        h.estadio.define(nome.estadio);
        const std::string arquivo = arquivolivre(nome.curto);
        h.arquivo.define(arquivo);
        h.escudo.define(arquivo);
        h.tecnico.define(nomepessoa(a, idioma));
        const auto& [fundo, texto] = kCores[static_cast<size_t>(a.sorteia(static_cast<int>(std::size(kCores))))];
        h.corfundo = corwindows(fundo);
        h.cortexto = corwindows(texto);
        h.estado = static_cast<uint8_t>(estado);

        // Squad, position by position; within a position the better players first, and the
        // first ones start.
        const int tamanho = 18 + a.sorteia(8);
        const auto porposicao = distribuicao(a, tamanho);
        int estrelas = nivel >= 22 ? 2 + a.sorteia(2) : nivel >= 17 ? 1 + a.sorteia(2) : nivel >= 12 ? a.sorteia(2)
                                                                                                      : (a.sorteia(4) == 0);
        int k = 0;
        const size_t primeiro = jogadores.size();
        const int estrangeiros = estrangeirosde(pais);
        std::set<std::string> nomesnoelenco;
        for (int p = 0; p < 5; ++p) {
            for (int i = 0; i < porposicao[static_cast<size_t>(p)]; ++i, ++k) {
                TJogadorGerado j = novojogador(a, nacionalidade(a, pais, estrangeiros), p);
                while (!nomesnoelenco.insert(j.nome).second) j.nome = nomepessoa(a, idiomade(j.pais));
                const bool titular = i < kTitulares[p];
                if (titular && p != 0 && estrelas > 0 && a.sorteia(3) == 0) {
                    j.estrela = 1;
                    --estrelas;
                }
                j.qualidade += nivel * 2 + (titular ? 6 : 0) + j.estrela * 14;
                auto& e = c.elenco;
                e.nome[k].define(j.nome);
                e.estrela[k] = static_cast<uint8_t>(j.estrela);
                e.pais[k] = static_cast<uint8_t>(j.pais);
                e.idade[k] = static_cast<uint8_t>(j.idade);
                e.posicao[k] = static_cast<uint8_t>(p);
                e.status[k] = titular ? 1 : 0;
                e.habilidade1[k] = static_cast<uint8_t>(j.h1);
                e.habilidade2[k] = static_cast<uint8_t>(j.h2);
                jogadores.push_back(std::move(j));
            }
        }
        // Stars left over go to the strikers and midfielders who start.
        for (int s = 0; s < kMaxJogadoresClube && estrelas > 0; ++s) {
            if (c.elenco.status[s] && c.elenco.posicao[s] >= 3 && !c.elenco.estrela[s]) {
                c.elenco.estrela[s] = 1;
                jogadores[primeiro + static_cast<size_t>(s)].estrela = 1;
                jogadores[primeiro + static_cast<size_t>(s)].qualidade += 14;
                --estrelas;
            }
        }
        for (; k < kMaxJogadoresClube; ++k) marcaslotlivre(c.elenco.nome[k]);
        c.cabecalho.valido = clubejogavel(c.elenco) ? 1 : 0;
        mundo.escudos.push_back(escudogif(a, arquivo, fundo, texto));
        mundo.clubes.push_back(c);
    }

    // Levels from `topo` down to about `topo - faixa`, one per club, with a little noise.
    void geraclubes(int pais, int estado, int quantos, int topo, int faixa) {
        for (int r = 0; r < quantos; ++r) {
            const int base = quantos > 1 ? topo - (faixa * r) / (quantos - 1) : topo;
            geraclube(pais, estado, entre(base + a.sorteia(3) - 1, 1, 25));
        }
    }

    void geraselecao(const TPais& info) {
        const int pais = info.pais;
        TSelecao s{};
        s.pais = pais;
        s.confederacao = confederacao(pais, true);
        s.nivel = entre(info.prestigio + a.sorteia(3) - 1, 1, 25);
        s.tecnico.define(nomepessoa(a, idiomade(pais)));
        const auto [fundo, texto] = coresselecao(a, pais);
        s.corfundo = corwindows(fundo);
        s.cortexto = corwindows(texto);
        const std::string escudo = nomesimples(std::string(nomepais(pais)), 30);
        s.escudo.define(escudo);
        mundo.escudosselecoes.push_back(escudogif(a, escudo, fundo, texto));

        // The best players of that nationality, wherever they play; the rest are new faces.
        std::array<int, 5> vagas = {3, 4, 5, 7, 4};
        for (int extra = a.sorteia(4); extra > 0; --extra) vagas[static_cast<size_t>(3 + a.sorteia(2))]++;
        std::vector<const TJogadorGerado*> candidatos;
        for (const auto& j : jogadores)
            if (j.pais == pais) candidatos.push_back(&j);
        std::stable_sort(candidatos.begin(), candidatos.end(),
                         [](const TJogadorGerado* x, const TJogadorGerado* y) { return x->qualidade > y->qualidade; });
        std::array<std::vector<TJogadorGerado>, 5> escolhidos;
        for (const auto* j : candidatos) {
            auto& lista = escolhidos[static_cast<size_t>(j->posicao)];
            if (static_cast<int>(lista.size()) < vagas[static_cast<size_t>(j->posicao)]) lista.push_back(*j);
        }
        for (int p = 0; p < 5; ++p) {
            auto& lista = escolhidos[static_cast<size_t>(p)];
            while (static_cast<int>(lista.size()) < vagas[static_cast<size_t>(p)]) {
                TJogadorGerado j = novojogador(a, pais, p);
                j.estrela = (p != 0 && info.prestigio >= 20 && a.sorteia(5) == 0) ? 1 : 0;
                lista.push_back(j);
            }
        }
        // A national squad has only a handful of stars: the best-rated ones keep the mark.
        std::vector<TJogadorGerado*> porqualidade;
        for (auto& lista : escolhidos)
            for (auto& j : lista) porqualidade.push_back(&j);
        std::stable_sort(porqualidade.begin(), porqualidade.end(),
                         [](const TJogadorGerado* x, const TJogadorGerado* y) { return x->qualidade > y->qualidade; });
        int estrelas = info.prestigio >= 22 ? 5 : info.prestigio >= 18 ? 3 : info.prestigio >= 14 ? 1 : 0;
        for (auto* j : porqualidade) {
            if (j->estrela && estrelas > 0) {
                --estrelas;
            } else {
                j->estrela = 0;
            }
        }
        int k = 0;
        for (int p = 0; p < 5; ++p) {
            const auto& lista = escolhidos[static_cast<size_t>(p)];
            for (size_t i = 0; i < lista.size() && k < kMaxJogadoresSelecao; ++i, ++k) {
                const auto& j = lista[i];
                s.nome[k].define(j.nome);
                s.idade[k] = j.idade;
                s.posicao[k] = p;
                s.escalacao[k] = static_cast<int>(i) < kTitulares[p] ? 1 : 0;
                s.habilidade1[k] = j.h1;
                s.habilidade2[k] = j.h2;
                s.estrela[k] = static_cast<uint8_t>(j.estrela);
            }
        }
        s.numjogadores = k;
        s.valido = selecaojogavel(s) ? 1 : 0;
        mundo.selecoes.push_back(s);
    }

    void gera() {
        for (const auto& e : kEstados) geraclubes(kBrasil, e.estado, e.clubes, e.topo, std::min(e.topo - 2, 18));
        for (const auto& p : paises()) {
            if (p.clubes == 0) continue;
            const int topo = std::min(25, p.prestigio + 1);
            const int faixa = p.clubes >= 40 ? 20 : 9;
            geraclubes(p.pais, kSemEstado, p.clubes, topo, std::min(faixa, topo - 1));
        }
        for (const auto& p : paises())
            if (p.selecao) geraselecao(p);
        // The default crest, plain grey.
        std::vector<uint32_t> paleta;
        Aleatorio fixo(0);
        auto px = desenhaescudo(fixo, 0xB4B4B4, 0x8C8C8C, 3, paleta);
        for (auto& c : px)
            if (c == 4) c = 2;
        auto gif = codificagif(kLarguraEscudo, kAlturaEscudo, paleta, px, 0);
        mundo.escudos.push_back({"nullescudo.gif", gif ? std::move(*gif) : std::vector<uint8_t>{}});
    }
};

}  // namespace

// Pictures that do not depend on the seed: the two backgrounds and every flag.
void geraimagens(TMundoGerado& mundo) {
    auto bmp = [&](std::string nome, const TImagem& img) { mundo.imagens.push_back({std::move(nome), codificabmp(img)}); };
    bmp("f01.bmp", desenhafundo(1));
    bmp("f02.bmp", desenhafundo(2));
    const fs::path nada;
    for (int p = 0; p < kNumPaises; ++p)
        bmp(arquivobandeira(nada, p).lexically_relative("img").generic_string(), desenhabandeira(desenhopais(p)));
    for (int e = 0; e < kNumEstados; ++e)
        bmp(arquivobandeiraestado(nada, e).lexically_relative("img").generic_string(),
            desenhabandeira(desenhoestado(e)));
}

TMundoGerado geramundo(uint64_t semente) {
    TGerador g(semente);
    g.gera();
    geraimagens(g.mundo);
    for (TSomGerado& s : gerasons()) g.mundo.sons.push_back({std::move(s.nome), std::move(s.bytes)});
    return std::move(g.mundo);
}

std::string gravamundo(const fs::path& raiz, TMundoGerado& mundo) {
    std::error_code ec;
    fs::create_directories(pastaselecoes(raiz), ec);
    fs::create_directories(pastaescudos(raiz), ec);
    if (ec) return "Não foi possível criar as pastas em " + raiz.string() + ": " + ec.message();
    for (auto& c : mundo.clubes)
        if (auto erro = timesalvar(raiz, c); !erro.empty()) return erro;
    for (auto& s : mundo.selecoes)
        if (auto erro = selecaosalvar(raiz, s); !erro.empty()) return erro;
    for (const auto& e : mundo.escudos)
        if (auto erro = gravaarquivo(pastaescudos(raiz) / e.nome, e.bytes); !erro.empty()) return erro;
    for (const auto& e : mundo.escudosselecoes)
        if (auto erro = gravaarquivo(pastaselecoes(raiz) / e.nome, e.bytes); !erro.empty()) return erro;
    for (const auto& e : mundo.imagens) {
        const fs::path destino = raiz / "img" / e.nome;
        fs::create_directories(destino.parent_path(), ec);
        if (ec) return "Não foi possível criar as pastas em " + destino.parent_path().string() + ": " + ec.message();
        if (auto erro = gravaarquivo(destino, e.bytes); !erro.empty()) return erro;
    }
    fs::create_directories(raiz / "sons", ec);
    fs::create_directories(raiz / "sav", ec);
    if (ec) return "Não foi possível criar as pastas em " + raiz.string() + ": " + ec.message();
    for (const auto& e : mundo.sons)
        if (auto erro = gravaarquivo(raiz / "sons" / e.nome, e.bytes); !erro.empty()) return erro;
    return {};
}

}  // namespace tarvello
