#include "database/arquivos.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "model/tipos.h"

namespace tarvello {
namespace fs = std::filesystem;

namespace {

constexpr char kMarcaLivre[] = "nome\xF8";

std::string nomeexibido(const fs::path& p) { return p.filename().string(); }

template <int N>
int cortatexto(TString<N>& s) {
    if (s.tamanhobruto <= N) return 0;
    s.tamanhobruto = N;
    return 1;
}

template <class T>
int limita(T& v, T minimo, T maximo) {
    if (v < minimo) {
        v = minimo;
        return 1;
    }
    if (v > maximo) {
        v = maximo;
        return 1;
    }
    return 0;
}

int umoouzero(uint8_t& b) {
    if (b <= 1) return 0;
    b = 1;
    return 1;
}

void escrevei32(std::vector<uint8_t>& v, int32_t x) {
    const size_t at = v.size();
    v.resize(at + 4);
    std::memcpy(v.data() + at, &x, 4);
}

template <class T>
void escreveregistro(std::vector<uint8_t>& v, const T& r) {
    const size_t at = v.size();
    v.resize(at + sizeof(T));
    std::memcpy(v.data() + at, &r, sizeof(T));
}

std::string gravabytes(const fs::path& arquivo, std::span<const uint8_t> bytes, bool duravel = false) {
    GravacaoPreparada g;
    if (auto erro = preparagravacao(arquivo, bytes, g, duravel); !erro.empty()) return erro;
    return confirmagravacao(g);
}

bool nomedearquivoseguro(const std::string& n) {
    if (n.empty() || n == "." || n == "..") return false;
    return n.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos;
}

template <int N>
bool comprimentobom(const TString<N>& t) {
    return t.tamanhobruto <= N;
}

}  // namespace

std::string danoclube(const TArquivoClube& c) {
    const TCabecalhoClube& h = c.cabecalho;
    if (h.pais >= kNumPaises) return "país inválido (" + std::to_string(h.pais) + ")";
    const struct {
        bool bom;
        const char* campo;
    } textos[] = {{comprimentobom(h.nome), "nome"},         {comprimentobom(h.nomecompleto), "nome completo"},
                  {comprimentobom(h.estadio), "estádio"},   {comprimentobom(h.arquivo), "arquivo"},
                  {comprimentobom(h.escudo), "escudo"},     {comprimentobom(h.tecnico), "técnico"}};
    for (const auto& t : textos)
        if (!t.bom) return std::string("comprimento do texto acima da capacidade (") + t.campo + ")";
    for (int k = 0; k < kMaxJogadoresClube; ++k)
        if (!comprimentobom(c.elenco.nome[k]))
            return "comprimento do texto acima da capacidade (jogador " + std::to_string(k + 1) + ")";
    return {};
}

std::string danoselecao(const TSelecao& s) {
    if (s.pais < 0 || s.pais >= kPersonalizado) return "país inválido (" + std::to_string(s.pais) + ")";
    if (!comprimentobom(s.escudo)) return "comprimento do texto acima da capacidade (escudo)";
    if (!comprimentobom(s.tecnico)) return "comprimento do texto acima da capacidade (técnico)";
    for (int k = 0; k < kMaxJogadoresSelecao; ++k)
        if (!comprimentobom(s.nome[k]))
            return "comprimento do texto acima da capacidade (jogador " + std::to_string(k + 1) + ")";
    return {};
}

bool slotlivre(const TString<35>& nome) {
    return nome.tamanho() == 0 || nome.bruto() == std::string_view(kMarcaLivre, 5);
}

void marcaslotlivre(TString<35>& nome) { nome.definebruto(std::string_view(kMarcaLivre, 5)); }

int slotsusados(const TElencoClube& e) {
    int n = 0;
    for (const auto& nome : e.nome) n += !slotlivre(nome);
    return n;
}

int slotsusados(const TSelecao& s) {
    int n = 0;
    for (const auto& nome : s.nome) n += !slotlivre(nome);
    return n;
}

bool clubejogavel(const TElencoClube& e) {
    int goleiros = 0, outros = 0;
    for (int k = 0; k < kMaxJogadoresClube; ++k) {
        if (slotlivre(e.nome[k])) continue;
        (e.posicao[k] == kGoleiro ? goleiros : outros)++;
    }
    return goleiros >= 1 && outros >= 11;
}

bool selecaojogavel(const TSelecao& s) {
    int goleiros = 0, outros = 0;
    for (int k = 0; k < kMaxJogadoresSelecao; ++k) {
        if (slotlivre(s.nome[k])) continue;
        (s.posicao[k] == kGoleiro ? goleiros : outros)++;
    }
    return goleiros >= 2 && outros >= 16;
}

Lido<TArquivoClube> decodificaclubebruto(std::span<const uint8_t> bytes) {
    Lido<TArquivoClube> r;
    if (bytes.size() != kTamanhoArquivoClube) {
        r.erro = "tamanho inválido para um clube: " + std::to_string(bytes.size()) + " bytes";
        return r;
    }
    TArquivoClube c;
    std::memcpy(&c.cabecalho, bytes.data() + 4, sizeof(TCabecalhoClube));
    std::memcpy(&c.elenco, bytes.data() + 188, sizeof(TElencoClube));
    r.valor = c;
    return r;
}

Lido<TSelecao> decodificaselecaobruta(std::span<const uint8_t> bytes) {
    Lido<TSelecao> r;
    if (bytes.size() != kTamanhoArquivoSelecao) {
        r.erro = "tamanho inválido para uma seleção: " + std::to_string(bytes.size()) + " bytes";
        return r;
    }
    TSelecao s;
    std::memcpy(&s, bytes.data() + 4, sizeof(TSelecao));
    r.valor = s;
    return r;
}

int saneiaclube(TArquivoClube& c) {
    TCabecalhoClube& h = c.cabecalho;
    TElencoClube& e = c.elenco;
    int n = 0;
    n += cortatexto(h.nome) + cortatexto(h.nomecompleto) + cortatexto(h.estadio) + cortatexto(h.arquivo) +
         cortatexto(h.escudo) + cortatexto(h.tecnico);
    bool inutilizavel = false;
    if (h.pais >= kNumPaises) {
        h.pais = kPersonalizado;
        inutilizavel = true;
        ++n;
    }
    n += limita<uint8_t>(h.nivel, 0, 25);
    if (h.estado >= kNumEstados && h.estado != kSemEstado) {
        h.estado = kSemEstado;
        ++n;
    }
    for (int k = 0; k < kMaxJogadoresClube; ++k) {
        n += cortatexto(e.nome[k]);
        if (slotlivre(e.nome[k])) continue;
        if (e.posicao[k] >= kNumPosicoes) {
            e.nome[k].tamanhobruto = 0;  // a player with no position cannot be fielded
            ++n;
            continue;
        }
        // An ability the game does not know reads as the first one.
        if (e.habilidade1[k] >= kNumHabilidades) e.habilidade1[k] = 0, ++n;
        if (e.habilidade2[k] >= kNumHabilidades) e.habilidade2[k] = 0, ++n;
        if (e.pais[k] >= kNumPaises) {
            e.pais[k] = h.pais;
            ++n;
        }
        n += umoouzero(e.estrela[k]) + umoouzero(e.status[k]);
    }
    const uint8_t valido = (h.valido != 0 && !inutilizavel && clubejogavel(e)) ? 1 : 0;
    if (valido != h.valido) {
        h.valido = valido;
        ++n;
    }
    return n;
}

int saneiaselecao(TSelecao& s) {
    int n = cortatexto(s.escudo) + cortatexto(s.tecnico);
    const int conf = confederacao(s.pais, true);
    if (s.confederacao != conf) {
        s.confederacao = conf;
        ++n;
    }
    n += limita<int32_t>(s.nivel, 1, 25);
    for (int k = 0; k < kMaxJogadoresSelecao; ++k) {
        n += cortatexto(s.nome[k]);
        if (slotlivre(s.nome[k])) continue;
        if (!posicaovalida(s.posicao[k])) {
            s.nome[k].tamanhobruto = 0;
            ++n;
            continue;
        }
        if (!habilidadevalida(s.habilidade1[k])) s.habilidade1[k] = 0, ++n;
        if (!habilidadevalida(s.habilidade2[k])) s.habilidade2[k] = 0, ++n;
        n += limita<int32_t>(s.idade[k], 0, 99);
        n += umoouzero(s.estrela[k]);
        if (s.escalacao[k] != 0 && s.escalacao[k] != 1) s.escalacao[k] = 1, ++n;
    }
    const int usados = slotsusados(s);
    if (s.numjogadores != usados) {
        s.numjogadores = usados;
        ++n;
    }
    const uint8_t valido = selecaojogavel(s) ? 1 : 0;
    if (s.valido != valido) {
        s.valido = valido;
        ++n;
    }
    return n;
}

std::vector<uint8_t> codificaclube(const TArquivoClube& c) {
    std::vector<uint8_t> v;
    v.reserve(kTamanhoArquivoClube);
    escrevei32(v, 1);
    escreveregistro(v, c.cabecalho);
    escrevei32(v, 1);
    escreveregistro(v, c.elenco);
    return v;
}

std::vector<uint8_t> codificaselecao(const TSelecao& s) {
    std::vector<uint8_t> v;
    v.reserve(kTamanhoArquivoSelecao);
    escrevei32(v, 1);
    escreveregistro(v, s);
    return v;
}

Lido<std::vector<uint8_t>> learquivo(const fs::path& caminho, size_t tamanho) {
    Lido<std::vector<uint8_t>> r;
    std::error_code ec;
    const auto tipo = fs::status(caminho, ec).type();
    if (tipo == fs::file_type::not_found || tipo == fs::file_type::none) {
        r.erro = nomeexibido(caminho) + ": arquivo não encontrado";
        return r;
    }
    if (tipo != fs::file_type::regular) {
        r.erro = nomeexibido(caminho) + ": não é um arquivo comum";
        return r;
    }
    const auto real = fs::file_size(caminho, ec);
    if (ec) {
        r.erro = nomeexibido(caminho) + ": não pode ser lido";
        return r;
    }
    if (real != tamanho) {
        r.erro = nomeexibido(caminho) + ": tamanho de " + std::to_string(real) + " bytes (esperado " +
                 std::to_string(tamanho) + ")";
        return r;
    }
    std::ifstream f(caminho, std::ios::binary);
    if (!f) {
        r.erro = nomeexibido(caminho) + ": não pode ser aberto";
        return r;
    }
    std::vector<uint8_t> v(tamanho);
    f.read(reinterpret_cast<char*>(v.data()), static_cast<std::streamsize>(tamanho));
    if (static_cast<size_t>(f.gcount()) != tamanho) {
        r.erro = nomeexibido(caminho) + ": erro de leitura";
        return r;
    }
    r.valor = std::move(v);
    return r;
}

Lido<TArquivoClube> lerclubebruto(const fs::path& arquivo) {
    auto b = learquivo(arquivo, kTamanhoArquivoClube);
    if (!b) return {std::nullopt, b.erro};
    auto r = decodificaclubebruto(*b);
    if (!r) r.erro = nomeexibido(arquivo) + ": " + r.erro;
    return r;
}

Lido<TArquivoClube> decodificaclube(std::span<const uint8_t> bytes) {
    auto r = decodificaclubebruto(bytes);
    if (!r) return r;
    if (std::string dano = danoclube(*r); !dano.empty()) return {std::nullopt, dano};
    saneiaclube(*r);
    return r;
}

Lido<TSelecao> decodificaselecao(std::span<const uint8_t> bytes) {
    auto r = decodificaselecaobruta(bytes);
    if (!r) return r;
    if (std::string dano = danoselecao(*r); !dano.empty()) return {std::nullopt, dano};
    saneiaselecao(*r);
    return r;
}

Lido<TArquivoClube> lerclube(const fs::path& arquivo) {
    auto b = learquivo(arquivo, kTamanhoArquivoClube);
    if (!b) return {std::nullopt, b.erro};
    auto r = decodificaclube(*b);
    if (!r) r.erro = nomeexibido(arquivo) + ": " + r.erro;
    return r;
}

Lido<TSelecao> lerselecaobruta(const fs::path& arquivo) {
    auto b = learquivo(arquivo, kTamanhoArquivoSelecao);
    if (!b) return {std::nullopt, b.erro};
    auto r = decodificaselecaobruta(*b);
    if (!r) r.erro = nomeexibido(arquivo) + ": " + r.erro;
    return r;
}

Lido<TSelecao> lerselecao(const fs::path& arquivo) {
    auto b = learquivo(arquivo, kTamanhoArquivoSelecao);
    if (!b) return {std::nullopt, b.erro};
    auto r = decodificaselecao(*b);
    if (!r) return {std::nullopt, nomeexibido(arquivo) + ": " + r.erro};
    // The file name is the country: a file holding another country is misplaced, not that team.
    const std::string esperado = std::to_string(r->pais) + ".s05";
    std::string nome = nomeexibido(arquivo);
    for (char& ch : nome)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    if (nome != esperado) {
        return {std::nullopt, nomeexibido(arquivo) + ": guarda a seleção do país " + std::to_string(r->pais) +
                                  " (" + std::string(nomepais(r->pais)) + "), que deveria estar em " + esperado};
    }
    return r;
}

Lido<TResumoLido> lerresumo(const fs::path& arquivo) {
    auto c = lerclube(arquivo);
    if (!c) return {std::nullopt, c.erro};
    TResumoLido r{};
    const TCabecalhoClube& h = c->cabecalho;
    r.resumo.pais = h.pais;
    r.resumo.valido = h.valido;
    r.resumo.versao = h.versao;
    r.resumo.nivel = h.nivel;
    r.resumo.nome = h.nome;
    r.arquivo = arquivo.filename().string();
    r.resumo.arquivo.definebruto(utf8paraCp1252(r.arquivo));
    return {r, {}};
}

std::vector<std::string> listaentradas(const fs::path& pasta, std::string_view extensao, bool soarquivos) {
    std::vector<std::string> nomes;
    std::error_code ec;
    fs::directory_iterator it(pasta, ec);
    if (ec) return nomes;
    auto minuscula = [](std::string s) {
        for (char& ch : s)
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        return s;
    };
    const std::string ext = minuscula(std::string(extensao));
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code ec2;
        if (soarquivos && !it->is_regular_file(ec2)) continue;
        const std::string nome = it->path().filename().string();
        if (nome.size() <= ext.size()) continue;
        if (minuscula(nome.substr(nome.size() - ext.size())) != ext) continue;
        nomes.push_back(nome);
    }
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

fs::path pastatimes(const fs::path& raiz) { return raiz / "teams"; }
fs::path pastaselecoes(const fs::path& raiz) { return raiz / "teams" / "selecoes"; }
fs::path pastaescudos(const fs::path& raiz) { return raiz / "teams" / "escudos"; }

std::vector<TResumoLido> lerresumos(const fs::path& raiz, std::vector<std::string>* erros) {
    std::vector<TResumoLido> v;
    const fs::path pasta = pastatimes(raiz);
    // Every entry named like a club file, folders included: each one that is not read is reported.
    for (const auto& nome : listaentradas(pasta, ".b08", false)) {
        auto r = lerresumo(pasta / nome);
        if (r) {
            v.push_back(std::move(*r));
        } else if (erros) {
            erros->push_back(r.erro);
        }
    }
    return v;
}

std::vector<TSelecao> lerselecoes(const fs::path& raiz, std::vector<std::string>* erros) {
    std::vector<TSelecao> v;
    const fs::path pasta = pastaselecoes(raiz);
    std::vector<bool> visto(kPersonalizado, false);
    for (const auto& nome : listaentradas(pasta, ".s05", false)) {
        auto s = lerselecao(pasta / nome);
        if (s && visto[static_cast<size_t>(s->pais)]) {
            // Only on a file system that tells "29.s05" from "29.S05".
            if (erros) erros->push_back(nome + ": outra seleção do país " + std::to_string(s->pais) + " já foi lida");
        } else if (s) {
            visto[static_cast<size_t>(s->pais)] = true;
            v.push_back(*s);
        } else if (erros) {
            erros->push_back(s.erro);
        }
    }
    return v;
}

std::string preparagravacao(const fs::path& arquivo, std::span<const uint8_t> bytes, GravacaoPreparada& g,
                            bool duravel) {
    fs::path temp = arquivo;
    temp += ".tmp";
    // Written beside the target; `duravel` also waits for the bytes to reach the disk, so not
    // even a power cut between this and the rename can leave a half-written file under the name.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return "Não foi possível criar o arquivo " + nomeexibido(arquivo);
    size_t feito = 0;
    bool ok = true;
    while (ok && feito < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + feito, bytes.size() - feito);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else feito += static_cast<size_t>(n);
    }
    if (ok && duravel && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (!ok) {
        std::error_code ec;
        fs::remove(temp, ec);
        return "Erro ao gravar o arquivo " + nomeexibido(arquivo);
    }
    g.destino = arquivo;
    g.temporario = temp;
    return {};
}

std::string confirmagravacao(GravacaoPreparada& g) {
    if (g.temporario.empty()) return "Erro ao gravar o arquivo " + nomeexibido(g.destino);
    std::error_code ec;
    fs::rename(g.temporario, g.destino, ec);
    if (ec) {
        descartagravacao(g);
        return "Erro ao gravar o arquivo " + nomeexibido(g.destino);
    }
    g.temporario.clear();
    return {};
}

void descartagravacao(GravacaoPreparada& g) {
    if (g.temporario.empty()) return;
    std::error_code ec;
    fs::remove(g.temporario, ec);
    g.temporario.clear();
}

std::string gravaarquivo(const fs::path& arquivo, std::span<const uint8_t> bytes, bool duravel) {
    return gravabytes(arquivo, bytes, duravel);
}

std::string gravaclube(const fs::path& arquivo, TArquivoClube& clube) {
    clube.cabecalho.versao = kVersaoArquivo;
    clube.cabecalho.valido = clubejogavel(clube.elenco) ? 1 : 0;
    return gravabytes(arquivo, codificaclube(clube));
}

std::string gravaselecao(const fs::path& arquivo, TSelecao& selecao) {
    selecao.valido = selecaojogavel(selecao) ? 1 : 0;
    return gravabytes(arquivo, codificaselecao(selecao));
}

std::string timesalvar(const fs::path& raiz, TArquivoClube& clube) {
    const std::string nome = clube.cabecalho.arquivo.utf8();
    if (!nomedearquivoseguro(nome)) return "Nome de arquivo inválido: \"" + nome + "\"";
    return gravaclube(pastatimes(raiz) / (nome + ".b08"), clube);
}

std::string selecaosalvar(const fs::path& raiz, TSelecao& selecao) {
    if (selecao.pais < 0 || selecao.pais >= kPersonalizado) {
        return "País inválido para uma seleção: " + std::to_string(selecao.pais);
    }
    return gravaselecao(pastaselecoes(raiz) / (std::to_string(selecao.pais) + ".s05"), selecao);
}

}  // namespace tarvello
