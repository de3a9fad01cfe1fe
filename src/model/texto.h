#pragma once
// Short strings as the files store them: one length byte and N Windows-1252 bytes.
// Screens and the headless tool speak UTF-8; conversion happens only here.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tarvello {

std::string cp1252paraUtf8(std::string_view cp1252);
// Characters that Windows-1252 cannot hold become '?'.
std::string utf8paraCp1252(std::string_view utf8);

// ASCII letters compared without case (keys and names of text files).
bool iguaissemcaixa(std::string_view a, std::string_view b);

#pragma pack(push, 1)
template <int N>
struct TString {
    static_assert(N > 0 && N < 256);
    uint8_t tamanhobruto;  // as read from the file: may be larger than N, never trusted
    char dados[N];

    int tamanho() const { return std::min<int>(tamanhobruto, N); }
    std::string_view bruto() const { return {dados, static_cast<size_t>(tamanho())}; }
    std::string utf8() const { return cp1252paraUtf8(bruto()); }
    bool vazio() const { return tamanho() == 0; }

    // Stores raw Windows-1252 bytes, cut at N. Bytes past the length keep their values.
    void definebruto(std::string_view cp1252) {
        const size_t n = std::min<size_t>(cp1252.size(), N);
        std::memcpy(dados, cp1252.data(), n);
        tamanhobruto = static_cast<uint8_t>(n);
    }
    void define(std::string_view utf8) { definebruto(utf8paraCp1252(utf8)); }
    bool operator==(std::string_view utf8) const { return bruto() == utf8paraCp1252(utf8); }
};
#pragma pack(pop)

}  // namespace tarvello
