#include "database/jogosalvo.h"

#include <cstring>
#include <fstream>
#include <system_error>
#include <type_traits>

#include "database/arquivos.h"
#include "database/jogosalvo_checagem.h"
#include "model/mundo.h"
#include "model/texto.h"

namespace tarvello {
namespace fs = std::filesystem;

namespace {

// Appends records to the file's bytes.
class Escritor {
public:
    explicit Escritor(std::vector<uint8_t>& b) : b_(b) {}

    void inteiro(int32_t v) { bruto(&v, 4); }
    template <class T>
    void registro(const T& r) {
        static_assert(std::is_trivially_copyable_v<T>);
        bruto(&r, sizeof(T));
    }
    template <class T>
    void tabela(const std::vector<T>& v) {
        inteiro(static_cast<int32_t>(v.size()));
        if (!v.empty()) bruto(v.data(), v.size() * sizeof(T));
    }
    // A fixed table: its record count as a leading i32, then the records.
    template <class T, size_t N>
    void fixa(const std::array<T, N>& a) {
        inteiro(static_cast<int32_t>(N));
        bruto(a.data(), N * sizeof(T));
    }

private:
    void bruto(const void* p, size_t n) {
        const size_t at = b_.size();
        b_.resize(at + n);
        std::memcpy(b_.data() + at, p, n);
    }
    std::vector<uint8_t>& b_;
};

// Reads records from the file's bytes; the first failure sticks and names the item.
class Leitor {
public:
    explicit Leitor(std::span<const uint8_t> b) : b_(b) {}

    bool ok() const { return erro_.empty(); }
    const std::string& erro() const { return erro_; }
    size_t restante() const { return b_.size() - pos_; }

    void item(int n) { item_ = n; }
    bool inteiro(int32_t& v) { return bruto(&v, 4); }
    template <class T>
    bool registro(T& r) {
        static_assert(std::is_trivially_copyable_v<T>);
        return bruto(&r, sizeof(T));
    }
    // A growable table: its count may not promise more records than the bytes left.
    template <class T>
    bool tabela(std::vector<T>& v) {
        int32_t n = 0;
        if (!inteiro(n)) return false;
        if (n < 0 || static_cast<uint64_t>(n) > restante() / sizeof(T)) return falha("contagem impossível");
        v.resize(static_cast<size_t>(n));
        return n == 0 || bruto(v.data(), static_cast<size_t>(n) * sizeof(T));
    }
    // A fixed table: the leading count is skipped, the fixed number of records read.
    template <class T, size_t N>
    bool fixa(std::array<T, N>& a) {
        int32_t ignorado = 0;
        return inteiro(ignorado) && bruto(a.data(), N * sizeof(T));
    }
    bool falha(const std::string& motivo) {
        if (erro_.empty()) erro_ = "item " + std::to_string(item_) + ": " + motivo;
        return false;
    }

private:
    bool bruto(void* p, size_t n) {
        if (!ok()) return false;
        if (n > restante()) return falha("arquivo truncado");
        std::memcpy(p, b_.data() + pos_, n);
        pos_ += n;
        return true;
    }
    std::span<const uint8_t> b_;
    size_t pos_ = 0;
    int item_ = 0;
    std::string erro_;
};

}  // namespace

std::vector<uint8_t> codificajogo(const Mundo& m) {
    std::vector<uint8_t> b;
    size_t tamanho = 4 + sizeof(TEstadoJogo) + 29 * 4;
    tamanho += m.jogadores.size() * sizeof(TJogador) + m.historicos.size() * sizeof(THistoricoJogador) +
               m.times.size() * sizeof(TTime) + m.selecoes.size() * sizeof(TSelecao) +
               m.tecnicos.size() * sizeof(TTecnico) + m.partidas.size() * sizeof(TPartida) +
               m.confrontos.size() * sizeof(TConfronto) + m.relatorios.size() * sizeof(TRelatorioPartida) +
               m.mensagens.size() * sizeof(TMensagem) + 65536;
    b.reserve(tamanho);
    Escritor w(b);
    w.inteiro(1);                     // 1 format word
    w.registro(m.estado);             // 2
    w.tabela(m.jogadores);            // 3
    w.tabela(m.historicos);           // 4
    w.tabela(m.times);                // 5
    w.tabela(m.selecoes);             // 6
    w.tabela(m.tecnicos);             // 7
    w.inteiro(4);                     // 8 reference ticket prices: "4", then five rows
    w.registro(m.precospadrao);
    w.tabela(m.financas);             // 9
    w.tabela(m.confrontos);           // 10
    w.fixa(m.chavestorneio);          // 11
    w.fixa(m.chavesmundial);          // 12
    w.fixa(m.estaduais);              // 13
    w.tabela(m.relatorios);           // 14
    w.tabela(m.campeoesestaduais);    // 15
    w.tabela(m.convocacoes);          // 16
    w.tabela(m.mensagens);            // 17
    w.tabela(m.amistosos);            // 18
    w.tabela(m.ligas);                // 19
    w.tabela(m.partidas);             // 20
    w.tabela(m.eventosrelatorios);    // 21: the events of the stored reports
    w.tabela(m.historicocolocados);   // 22
    w.tabela(m.historicotecnicos);    // 23
    w.tabela(m.historicoartilheiros); // 24
    w.tabela(m.resultadosclubes);     // 25
    w.tabela(m.transferencias);       // 26
    w.tabela(m.contratacoestecnicos); // 27
    w.tabela(m.obras);                // 28
    w.tabela(m.emprestimos);          // 29
    return b;
}

std::string decodificajogo(std::span<const uint8_t> bytes, Mundo& m) {
    static_assert(sizeof(TPrecosPadrao) == 80);
    Leitor r(bytes);
    int32_t palavra = 0;
    r.item(1);
    r.inteiro(palavra);  // written as 1, never checked
    r.item(2);
    if (r.registro(m.estado) && m.estado.marcavalida != kMarcaValida) r.falha("marca de validade");
    r.item(3);  r.tabela(m.jogadores);
    r.item(4);  r.tabela(m.historicos);
    r.item(5);  r.tabela(m.times);
    r.item(6);  r.tabela(m.selecoes);
    r.item(7);  r.tabela(m.tecnicos);
    r.item(8);
    int32_t linhas = 0;
    r.inteiro(linhas);
    r.registro(m.precospadrao);
    r.item(9);  r.tabela(m.financas);
    r.item(10); r.tabela(m.confrontos);
    r.item(11); r.fixa(m.chavestorneio);
    r.item(12); r.fixa(m.chavesmundial);
    r.item(13); r.fixa(m.estaduais);
    r.item(14); r.tabela(m.relatorios);
    r.item(15); r.tabela(m.campeoesestaduais);
    r.item(16); r.tabela(m.convocacoes);
    r.item(17); r.tabela(m.mensagens);
    r.item(18); r.tabela(m.amistosos);
    r.item(19); r.tabela(m.ligas);
    r.item(20); r.tabela(m.partidas);
    r.item(21); r.tabela(m.eventosrelatorios);
    r.item(22); r.tabela(m.historicocolocados);
    r.item(23); r.tabela(m.historicotecnicos);
    r.item(24); r.tabela(m.historicoartilheiros);
    r.item(25); r.tabela(m.resultadosclubes);
    r.item(26); r.tabela(m.transferencias);
    r.item(27); r.tabela(m.contratacoestecnicos);
    r.item(28); r.tabela(m.obras);
    r.item(29); r.tabela(m.emprestimos);
    if (!r.ok()) return r.erro();
    if (r.restante() != 0) return "bytes além do item 29";
    return conferejogosalvo(m);
}

std::optional<std::vector<uint8_t>> learquivojogo(const fs::path& arquivo, size_t limite) {
    std::error_code ec;
    if (!fs::is_regular_file(arquivo, ec)) return std::nullopt;
    const auto tamanho = fs::file_size(arquivo, ec);
    if (ec || tamanho > limite) return std::nullopt;
    std::ifstream f(arquivo, std::ios::binary);
    if (!f) return std::nullopt;
    std::vector<uint8_t> v(static_cast<size_t>(tamanho));
    f.read(reinterpret_cast<char*>(v.data()), static_cast<std::streamsize>(v.size()));
    if (static_cast<size_t>(f.gcount()) != v.size()) return std::nullopt;
    // A file that grew while it was read is not the file that was measured.
    if (f.peek() != std::ifstream::traits_type::eof()) return std::nullopt;
    return v;
}

std::optional<TEstadoJogo> lecabecalhojogo(const fs::path& arquivo) {
    std::error_code ec;
    if (!fs::is_regular_file(arquivo, ec)) return std::nullopt;
    std::ifstream f(arquivo, std::ios::binary);
    if (!f) return std::nullopt;
    uint8_t b[4 + sizeof(TEstadoJogo)];
    f.read(reinterpret_cast<char*>(b), sizeof b);
    if (static_cast<size_t>(f.gcount()) != sizeof b) return std::nullopt;
    TEstadoJogo e;
    std::memcpy(&e, b + 4, sizeof e);
    return e;
}

std::string gravajogo(const fs::path& arquivo, const Mundo& m) {
    return gravaarquivo(arquivo, codificajogo(m), true);
}

std::string filtranomesalvo(std::string_view nome) {
    // Filtered in Windows-1252, where every letter is one byte: accented letters stay.
    std::string r;
    for (unsigned char c : utf8paraCp1252(nome)) {
        const bool ascii = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == ' ' || c == '-' || c == '_';
        const bool acentuada = c >= 0xC0 && c != 0xD7 && c != 0xF7;
        if (ascii || acentuada) r.push_back(static_cast<char>(c));
    }
    const size_t inicio = r.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    r = r.substr(inicio, r.find_last_not_of(' ') - inicio + 1);
    if (r.size() > static_cast<size_t>(kMaxNomeSalvo)) r.resize(static_cast<size_t>(kMaxNomeSalvo));
    while (!r.empty() && r.back() == ' ') r.pop_back();
    return cp1252paraUtf8(r);
}

fs::path pastasalvos(const fs::path& raiz) { return raiz / "sav"; }

std::vector<std::string> listasalvos(const fs::path& raiz) {
    return listaentradas(pastasalvos(raiz), kExtensaoJogoSalvo, true);
}

}  // namespace tarvello
