#include <cctype>
#include "model/texto.h"

namespace tarvello {
namespace {

// Code points of Windows-1252 bytes 0x80..0x9F (0 where the byte is undefined).
constexpr char32_t kFaixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void acrescentaUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char paraCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kFaixa80[i] == c && c != 0) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string cp1252paraUtf8(std::string_view cp1252) {
    std::string s;
    s.reserve(cp1252.size() + 8);
    for (unsigned char b : cp1252) {
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kFaixa80[b - 0x80] ? kFaixa80[b - 0x80] : b;
        acrescentaUtf8(s, c);
    }
    return s;
}

std::string utf8paraCp1252(std::string_view u) {
    std::string s;
    s.reserve(u.size());
    for (size_t i = 0; i < u.size();) {
        const unsigned char b = static_cast<unsigned char>(u[i]);
        char32_t c;
        int extra;
        if (b < 0x80) { c = b; extra = 0; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
        else { s += '?'; ++i; continue; }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= u.size() || (static_cast<unsigned char>(u[i + k]) & 0xC0) != 0x80) { ok = false; break; }
            c = (c << 6) | (static_cast<unsigned char>(u[i + k]) & 0x3F);
        }
        if (!ok) { s += '?'; ++i; continue; }
        s += paraCp1252(c);
        i += extra + 1;
    }
    return s;
}

bool iguaissemcaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace tarvello
