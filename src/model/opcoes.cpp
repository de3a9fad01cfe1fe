#include "model/opcoes.h"

#include "model/texto.h"

#include <cctype>
#include <cstdio>
#include <limits>

#include "model/ini.h"

namespace tarvello {
namespace {

struct NomeCor {
    std::string_view nome;
    int32_t valor;
};
constexpr NomeCor kNomesCores[] = {
    {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},   {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},   {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},   {"clMedGray", 0xA4A0A0},
};

// An integer option: the key's value, or `padrao` when it is absent or not an integer.
int32_t inteiro(const std::filesystem::path& arquivo, std::string_view chave, int32_t padrao) {
    return textoparainteiro(leopcao(arquivo, kSecaoOpcoes, chave)).value_or(padrao);
}

}  // namespace

std::string leopcao(const std::filesystem::path& arquivo, std::string_view secao,
                    std::string_view chave) {
    return leini(arquivo, secao, chave).value_or(std::string(kOpcaoAusente));
}

bool gravaopcao(const std::filesystem::path& arquivo, std::string_view secao,
                std::string_view chave, std::string_view texto) {
    return gravaini(arquivo, secao, chave, texto);
}

int intervalovelocidade(int indice, bool semhumanos) {
    const int ultimo = semhumanos ? 6 : 5;
    if (indice < 0 || indice > ultimo) return 600;
    return kIntervalosVelocidade[static_cast<size_t>(indice)];
}

std::optional<int32_t> textoparainteiro(std::string_view t) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    bool negativo = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negativo = t.front() == '-';
        t.remove_prefix(1);
    }
    int base = 10;
    if (!t.empty() && t.front() == '$') {
        base = 16;
        t.remove_prefix(1);
    } else if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.remove_prefix(2);
    }
    if (t.empty()) return std::nullopt;
    int64_t v = 0;
    for (char ch : t) {
        int d;
        if (ch >= '0' && ch <= '9') d = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
        else if (base == 16 && ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
        else return std::nullopt;
        v = v * base + d;
        if (v > 0xFFFFFFFFll) return std::nullopt;
    }
    if (negativo) v = -v;
    // Hexadecimal texts may spell the full 32-bit pattern ("$FF000000").
    if (base == 16 && !negativo && v > std::numeric_limits<int32_t>::max())
        return static_cast<int32_t>(static_cast<uint32_t>(v));
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

std::string corparatexto(int32_t cor) {
    for (const NomeCor& n : kNomesCores)
        if (n.valor == cor) return std::string(n.nome);
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<uint32_t>(cor));
    return buf;
}

std::optional<int32_t> textoparacor(std::string_view texto) {
    std::string_view t = texto;
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    for (const NomeCor& n : kNomesCores)
        if (iguaissemcaixa(n.nome, t)) return n.valor;
    return textoparainteiro(t);
}

void carregaopcoes(TEstadoJogo& e, const std::filesystem::path& arquivo) {
    // An absent key reads as "nofound", which no conversion accepts: the default applies.
    const auto velocidade = textoparainteiro(leopcao(arquivo, kSecaoOpcoes, "opvelocidade"));
    e.intervalohumano = velocidade ? intervalovelocidade(*velocidade, false) : 800;
    const auto nhvelocidade = textoparainteiro(leopcao(arquivo, kSecaoOpcoes, "opnhvelocidade"));
    e.intervalocomputador = nhvelocidade ? intervalovelocidade(*nhvelocidade, true) : 600;

    // Switches read "0 -> off, anything else -> on" or "1 -> on, anything else -> off".
    e.verintervalo = inteiro(arquivo, "opintervalo", 1) != 0;
    e.verpenalty = inteiro(arquivo, "op_verpenalty", 0) == 1;
    e.vertrocatecnicos = inteiro(arquivo, "opvertrocatecnicos", 0) != 0;
    e.som = inteiro(arquivo, "opsom", 1) != 0;
    e.renovacontrato = inteiro(arquivo, "opcontrato", 0) != 0;
    e.cornalista = inteiro(arquivo, "opcornalista", 0) == 1;
    e.negrito = inteiro(arquivo, "opnegrito", 0) == 1;
    e.salvarauto = inteiro(arquivo, "opsalvar", 0);
    e.emails = inteiro(arquivo, "opemails", 0);
    e.verjogos[0] = inteiro(arquivo, "opver41", 0);
    e.verjogos[1] = inteiro(arquivo, "opver42", 0);
    e.verjogos[2] = inteiro(arquivo, "opver61", 0);
    e.verjogos[3] = inteiro(arquivo, "opver62", 0);
    // Values outside their selectors (negative ones too) fall back to the defaults.
    if (e.salvarauto < 0 || e.salvarauto > 3) e.salvarauto = 0;
    if (e.emails < 0 || e.emails > 3) e.emails = 0;

    // Each colour falls back on its own: a key that cannot be read (or holds more than a colour)
    // gives that position the default red, and the readable ones keep their values.
    for (int p = 0; p < 5; ++p) {
        const auto c = textoparacor(leopcao(arquivo, kSecaoOpcoes, "cor" + std::to_string(p)));
        e.cores[p] = c && *c >= 0 && *c <= 0xFFFFFF ? *c : 255;
    }
}

}  // namespace tarvello
