#include "database/escudos.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "model/texto.h"

namespace tarvello {
namespace fs = std::filesystem;

namespace {

bool nomeseguro(const std::string& n) {
    if (n.empty() || n == "." || n == "..") return false;
    return n.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos;
}

bool existe(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

std::optional<fs::path> procura(const fs::path& pasta, const fs::path& padrao, std::string_view nome) {
    const std::string n = cp1252paraUtf8(nome);
    if (nomeseguro(n)) {
        for (const char* ext : {".gif", ".bmp"}) {
            fs::path p = pasta / (n + ext);
            if (existe(p)) return p;
        }
    }
    if (existe(padrao)) return padrao;
    return std::nullopt;
}

// ---- GIF ----

struct LeituraMemoria {
    std::span<const uint8_t> dados;
    size_t pos = 0;
};

int lememoria(GifFileType* gif, GifByteType* destino, int n) {
    auto* l = static_cast<LeituraMemoria*>(gif->UserData);
    if (n <= 0) return 0;
    const size_t resto = l->dados.size() - l->pos;
    const size_t k = std::min<size_t>(resto, static_cast<size_t>(n));
    std::memcpy(destino, l->dados.data() + l->pos, k);
    l->pos += k;
    return static_cast<int>(k);
}

struct FechaGif {
    GifFileType* g;
    ~FechaGif() {
        int e = 0;
        if (g) DGifCloseFile(g, &e);
    }
};

int escrevememoria(GifFileType* gif, const GifByteType* dados, int n) {
    auto* v = static_cast<std::vector<uint8_t>*>(gif->UserData);
    v->insert(v->end(), dados, dados + n);
    return n;
}

bool ladovalido(int v) { return v > 0 && v <= kLadoMaximoImagem; }

// ---- BMP ----

uint32_t le16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// Value of a bit-field mask scaled to 0..255.
uint32_t campo(uint32_t v, uint32_t mascara) {
    if (mascara == 0) return 0;
    int desloca = 0;
    while (!((mascara >> desloca) & 1)) ++desloca;
    const uint32_t m = mascara >> desloca;
    const uint32_t x = (v >> desloca) & m;
    return static_cast<uint32_t>((static_cast<uint64_t>(x) * 255 + m / 2) / m);
}

}  // namespace

std::optional<fs::path> procuraescudo(const fs::path& raiz, std::string_view nome) {
    const fs::path pasta = pastaescudos(raiz);
    return procura(pasta, pasta / "nullescudo.gif", nome);
}

std::optional<fs::path> procuraescudoselecao(const fs::path& raiz, std::string_view nome) {
    return procura(pastaselecoes(raiz), pastaescudos(raiz) / "nullescudo.gif", nome);
}

Lido<TImagem> decodificagif(std::span<const uint8_t> bytes) {
    Lido<TImagem> r;
    LeituraMemoria leitura{bytes, 0};
    int erro = 0;
    GifFileType* gif = DGifOpen(&leitura, lememoria, &erro);
    if (!gif) {
        r.erro = "GIF inválido";
        return r;
    }
    FechaGif fecha{gif};
    if (!ladovalido(gif->SWidth) || !ladovalido(gif->SHeight)) {
        r.erro = "GIF com dimensões inválidas";
        return r;
    }
    TImagem img;
    img.largura = gif->SWidth;
    img.altura = gif->SHeight;
    img.pixels.assign(static_cast<size_t>(img.largura) * img.altura, 0u);
    int transparente = -1;
    for (;;) {
        GifRecordType tipo;
        if (DGifGetRecordType(gif, &tipo) == GIF_ERROR) {
            r.erro = "GIF truncado";
            return r;
        }
        if (tipo == TERMINATE_RECORD_TYPE) break;
        if (tipo == EXTENSION_RECORD_TYPE) {
            int codigo = 0;
            GifByteType* bloco = nullptr;
            if (DGifGetExtension(gif, &codigo, &bloco) == GIF_ERROR) {
                r.erro = "GIF truncado";
                return r;
            }
            if (codigo == GRAPHICS_EXT_FUNC_CODE && bloco && bloco[0] >= 4 && (bloco[1] & 1)) transparente = bloco[4];
            while (bloco) {
                if (DGifGetExtensionNext(gif, &bloco) == GIF_ERROR) {
                    r.erro = "GIF truncado";
                    return r;
                }
            }
            continue;
        }
        if (tipo != IMAGE_DESC_RECORD_TYPE) continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR) {
            r.erro = "GIF truncado";
            return r;
        }
        const GifImageDesc& d = gif->Image;
        if (!ladovalido(d.Width) || !ladovalido(d.Height)) {
            r.erro = "GIF com dimensões inválidas";
            return r;
        }
        const ColorMapObject* mapa = d.ColorMap ? d.ColorMap : gif->SColorMap;
        if (!mapa || !mapa->Colors || mapa->ColorCount <= 0) {
            r.erro = "GIF sem paleta";
            return r;
        }
        std::vector<GifPixelType> linha(static_cast<size_t>(d.Width));
        // Interlaced frames store rows in four passes.
        std::vector<int> ordem;
        ordem.reserve(static_cast<size_t>(d.Height));
        if (d.Interlace) {
            const int inicio[] = {0, 4, 2, 1}, passo[] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = inicio[p]; y < d.Height; y += passo[p]) ordem.push_back(y);
        } else {
            for (int y = 0; y < d.Height; ++y) ordem.push_back(y);
        }
        for (int y : ordem) {
            if (DGifGetLine(gif, linha.data(), d.Width) == GIF_ERROR) {
                r.erro = "GIF truncado";
                return r;
            }
            const int yy = d.Top + y;
            if (yy < 0 || yy >= img.altura) continue;
            for (int x = 0; x < d.Width; ++x) {
                const int xx = d.Left + x;
                if (xx < 0 || xx >= img.largura) continue;
                const int i = linha[static_cast<size_t>(x)];
                if (i == transparente || i >= mapa->ColorCount) continue;
                const GifColorType c = mapa->Colors[i];
                img.pixels[static_cast<size_t>(yy) * img.largura + xx] =
                    0xFF000000u | (uint32_t{c.Red} << 16) | (uint32_t{c.Green} << 8) | c.Blue;
            }
        }
        break;  // crests show the first frame only
    }
    r.valor = std::move(img);
    return r;
}

Lido<TImagem> decodificabmp(std::span<const uint8_t> b) {
    Lido<TImagem> r;
    const size_t n = b.size();
    if (n < 26 || b[0] != 'B' || b[1] != 'M') {
        r.erro = "BMP inválido";
        return r;
    }
    const uint32_t inicio = le32(&b[10]);
    const uint32_t tamcab = le32(&b[14]);
    if (tamcab < 12 || 14ull + tamcab > n) {
        r.erro = "BMP inválido";
        return r;
    }
    int64_t largura, altura;
    uint32_t bits, compressao = 0, usadas = 0;
    if (tamcab == 12) {
        largura = le16(&b[18]);
        altura = static_cast<int16_t>(le16(&b[20]));
        bits = le16(&b[24]);
    } else {
        if (tamcab < 40) {
            r.erro = "BMP inválido";
            return r;
        }
        largura = static_cast<int32_t>(le32(&b[18]));
        altura = static_cast<int32_t>(le32(&b[22]));
        bits = le16(&b[28]);
        compressao = le32(&b[30]);
        usadas = le32(&b[46]);
    }
    const bool descendo = altura < 0;
    if (descendo) altura = -altura;
    if (!ladovalido(static_cast<int>(std::min<int64_t>(largura, 1 << 30))) ||
        !ladovalido(static_cast<int>(std::min<int64_t>(altura, 1 << 30)))) {
        r.erro = "BMP com dimensões inválidas";
        return r;
    }
    uint32_t mr = 0x00FF0000, mg = 0x0000FF00, mb = 0x000000FF;
    if (bits == 16) mr = 0x7C00, mg = 0x03E0, mb = 0x001F;
    if (compressao == 3) {  // bit fields, after a 40-byte header or inside a larger one
        if (14ull + 40 + 12 > n) {
            r.erro = "BMP inválido";
            return r;
        }
        mr = le32(&b[54]);
        mg = le32(&b[58]);
        mb = le32(&b[62]);
    } else if (compressao != 0) {
        r.erro = "BMP comprimido não suportado";
        return r;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        r.erro = "BMP com profundidade de cor não suportada";
        return r;
    }
    if (compressao == 3 && bits != 16 && bits != 32) {
        r.erro = "BMP inválido";
        return r;
    }
    // Palette for 1, 4 and 8 bits: after the header, 3 bytes per entry in the old format, else 4.
    std::vector<uint32_t> paleta;
    if (bits <= 8) {
        const uint32_t maximo = 1u << bits;
        const uint32_t cores = (usadas == 0 || usadas > maximo) ? maximo : usadas;
        const size_t passo = tamcab == 12 ? 3 : 4;
        const size_t base = 14 + tamcab;
        for (uint32_t i = 0; i < cores; ++i) {
            const size_t at = base + i * passo;
            if (at + 3 > n) break;
            paleta.push_back(0xFF000000u | (uint32_t{b[at + 2]} << 16) | (uint32_t{b[at + 1]} << 8) | b[at]);
        }
        if (paleta.empty()) {
            r.erro = "BMP sem paleta";
            return r;
        }
    }
    const uint64_t passolinha = ((static_cast<uint64_t>(largura) * bits + 31) / 32) * 4;
    if (inicio > n || passolinha * static_cast<uint64_t>(altura) > n - inicio) {
        r.erro = "BMP truncado";
        return r;
    }
    TImagem img;
    img.largura = static_cast<int>(largura);
    img.altura = static_cast<int>(altura);
    img.pixels.resize(static_cast<size_t>(img.largura) * img.altura);
    for (int y = 0; y < img.altura; ++y) {
        const uint8_t* linha = b.data() + inicio + passolinha * static_cast<uint64_t>(y);
        const int destino = descendo ? y : img.altura - 1 - y;
        uint32_t* saida = img.pixels.data() + static_cast<size_t>(destino) * img.largura;
        for (int x = 0; x < img.largura; ++x) {
            uint32_t cor;
            if (bits <= 8) {
                const uint32_t bitpos = static_cast<uint32_t>(x) * bits;
                const uint32_t byte = linha[bitpos / 8];
                const uint32_t i = (byte >> (8 - bits - bitpos % 8)) & ((1u << bits) - 1);
                cor = i < paleta.size() ? paleta[i] : 0xFF000000u;
            } else if (bits == 24) {
                const uint8_t* p = linha + x * 3;
                cor = 0xFF000000u | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
            } else {
                const uint32_t v = bits == 16 ? le16(linha + x * 2) : le32(linha + x * 4);
                cor = 0xFF000000u | (campo(v, mr) << 16) | (campo(v, mg) << 8) | campo(v, mb);
            }
            saida[x] = cor;
        }
    }
    r.valor = std::move(img);
    return r;
}

Lido<TImagem> decodificaimagem(std::span<const uint8_t> bytes) {
    if (bytes.size() >= 6 && std::memcmp(bytes.data(), "GIF8", 4) == 0) return decodificagif(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return decodificabmp(bytes);
    return {std::nullopt, "formato de imagem desconhecido"};
}

Lido<TImagem> carregaimagem(const fs::path& arquivo) {
    std::error_code ec;
    const auto tamanho = fs::file_size(arquivo, ec);
    if (ec || !fs::is_regular_file(arquivo, ec)) return {std::nullopt, "Imagem não encontrada: " + arquivo.filename().string()};
    if (tamanho > kTamanhoMaximoArquivoImagem) return {std::nullopt, "Imagem grande demais: " + arquivo.filename().string()};
    auto bytes = learquivo(arquivo, static_cast<size_t>(tamanho));
    if (!bytes) return {std::nullopt, bytes.erro};
    auto r = decodificaimagem(*bytes);
    if (!r) r.erro += " (" + arquivo.filename().string() + ")";
    return r;
}

TImagem carregaescudo(const fs::path& raiz, std::string_view nome) {
    auto p = procuraescudo(raiz, nome);
    if (!p) return {};
    auto img = carregaimagem(*p);
    return img ? std::move(*img) : TImagem{};
}

Lido<std::vector<uint8_t>> codificagif(int largura, int altura, const std::vector<uint32_t>& paleta,
                                       const std::vector<uint8_t>& indices, int transparente) {
    Lido<std::vector<uint8_t>> r;
    if (!ladovalido(largura) || !ladovalido(altura) || paleta.empty() || paleta.size() > 256 ||
        indices.size() != static_cast<size_t>(largura) * altura) {
        r.erro = "imagem inválida para GIF";
        return r;
    }
    for (uint8_t i : indices)
        if (i >= paleta.size()) {
            r.erro = "índice de cor fora da paleta";
            return r;
        }
    int potencia = 2;
    while (potencia < static_cast<int>(paleta.size())) potencia *= 2;
    ColorMapObject* mapa = GifMakeMapObject(potencia, nullptr);
    if (!mapa) {
        r.erro = "sem memória";
        return r;
    }
    for (int i = 0; i < potencia; ++i) {
        const uint32_t c = i < static_cast<int>(paleta.size()) ? paleta[static_cast<size_t>(i)] : 0;
        mapa->Colors[i] = GifColorType{static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                                       static_cast<GifByteType>(c)};
    }
    std::vector<uint8_t> saida;
    int erro = 0;
    GifFileType* gif = EGifOpen(&saida, escrevememoria, &erro);
    if (!gif) {
        GifFreeMapObject(mapa);
        r.erro = "falha ao iniciar o GIF";
        return r;
    }
    const bool comtransparencia = transparente >= 0 && transparente < static_cast<int>(paleta.size());
    EGifSetGifVersion(gif, comtransparencia);
    bool ok = EGifPutScreenDesc(gif, largura, altura, 8, 0, mapa) != GIF_ERROR;
    if (ok && comtransparencia) {
        const GifByteType controle[4] = {0x01, 0, 0, static_cast<GifByteType>(transparente)};
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, controle) != GIF_ERROR;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, largura, altura, false, nullptr) != GIF_ERROR;
    std::vector<GifPixelType> linha(static_cast<size_t>(largura));
    for (int y = 0; ok && y < altura; ++y) {
        std::copy_n(indices.begin() + static_cast<ptrdiff_t>(y) * largura, largura, linha.begin());
        ok = EGifPutLine(gif, linha.data(), largura) != GIF_ERROR;
    }
    if (EGifCloseFile(gif, &erro) == GIF_ERROR) ok = false;
    GifFreeMapObject(mapa);
    if (!ok) {
        r.erro = "falha ao codificar o GIF";
        return r;
    }
    r.valor = std::move(saida);
    return r;
}

}  // namespace tarvello
