#include "editor/clubes.h"

#include <algorithm>
#include <system_error>

#include "database/escudos.h"
#include "editor/escudoeditor.h"

namespace tarvello {
namespace fs = std::filesystem;

namespace {

// One UTF-8 character at `i` (advancing `i`), or -1 for a broken sequence.
int32_t proximocaractere(const std::string& s, size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    if ((c & 0xE0) == 0xC0 && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
        const int32_t cp = ((c & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
        i += 2;
        return cp;
    }
    return -1;
}

bool caracterepermitido(int32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    if (c == ' ' || c == '-' || c == '_') return true;
    // Accented Latin letters (À..ÿ without × and ÷): every one is a Windows-1252 character.
    return c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7;
}

void definetexto(TString<25>& campo, const std::string& texto) {
    if (!texto.empty() && campo.utf8() != texto) campo.define(texto);
}
void definetexto(TString<30>& campo, const std::string& texto) {
    if (!texto.empty() && campo.utf8() != texto) campo.define(texto);
}

std::string validaestado(int pais, int estado) {
    if (pais == kBrasil && !estadovalido(estado)) return "Estado não informado";
    return {};
}

}  // namespace

std::string validanomearquivo(const BaseEditor& b, const std::string& nome) {
    if (nome.empty()) return "Nome arquivo não informado";
    int caracteres = 0;
    for (size_t i = 0; i < nome.size();) {
        const int32_t c = proximocaractere(nome, i);
        if (c < 0 || !caracterepermitido(c))
            return "Nome de arquivo inválido: use apenas letras, números, espaços, \"-\" e \"_\"";
        ++caracteres;
    }
    if (nome.front() == ' ' || nome.back() == ' ')
        return "Nome de arquivo inválido: não comece nem termine com espaço";
    if (caracteres > kMaxNomeArquivo)
        return "Nome de arquivo com mais de " + std::to_string(kMaxNomeArquivo) + " caracteres";
    const std::string alvo = nome + ".b08";
    for (const auto& existente : listaentradas(pastatimes(b.raiz), ".b08", false))
        if (iguaissemcaixa(existente, alvo)) return "Arquivo já existe, escolha outro nome";
    return {};
}

std::string validanomeescudo(const std::string& nome, int maximo) {
    if (static_cast<int>(utf8paraCp1252(nome).size()) > maximo)
        return "Nome do escudo com mais de " + std::to_string(maximo) + " caracteres";
    return {};
}

std::string novoclube(BaseEditor& b, const TDadosClube& d, int* indice) {
    if (d.nomecompleto.empty()) return "Nome completo não informado";
    if (d.nome.empty()) return "Nome abreviado não informado";
    if (d.tecnico.empty()) return "Técnico não informado";
    if (d.estadio.empty()) return "Estádio não informado";
    if (auto erro = validanomearquivo(b, d.arquivo); !erro.empty()) return erro;
    if (!paisvalido(d.pais) || d.pais == kPersonalizado) return "País inválido";
    if (auto erro = validaestado(d.pais, d.estado); !erro.empty()) return erro;
    if (auto erro = validanomeescudo(d.escudo, kMaxNomeEscudoClube); !erro.empty()) return erro;

    TClubeEditor novo;
    TCabecalhoClube& h = novo.dados.cabecalho;
    h.arquivo.define(d.arquivo);
    h.nome.define(d.nome);
    h.nomecompleto.define(d.nomecompleto);
    h.tecnico.define(d.tecnico);
    h.estadio.define(d.estadio);
    h.pais = static_cast<uint8_t>(d.pais);
    h.nivel = static_cast<uint8_t>(std::clamp(d.nivel, 0, 25));
    h.corfundo = d.corfundo;
    h.cortexto = d.cortexto;
    h.estado = estadovalido(d.estado) ? static_cast<uint8_t>(d.estado) : kSemEstado;
    h.escudo.define(d.escudo);
    h.versao = kVersaoArquivo;
    for (auto& nome : novo.dados.elenco.nome) marcaslotlivre(nome);
    novo.nomearquivo = d.arquivo + ".b08";

    b.clubes.push_back(novo);
    const int i = static_cast<int>(b.clubes.size()) - 1;
    if (auto erro = salvaclube(b, i, novo.dados); !erro.empty()) {
        b.clubes.pop_back();
        return erro;
    }
    if (indice) *indice = i;
    return {};
}

std::string editaclube(BaseEditor& b, int clube, const TDadosClube& d) {
    if (!clubevalido(b, clube)) return "Clube inexistente";
    TArquivoClube c = b.clubes[static_cast<size_t>(clube)].dados;
    TCabecalhoClube& h = c.cabecalho;
    if (!paisvalido(d.pais) || d.pais == kPersonalizado) return "País inválido";
    if (auto erro = validaestado(d.pais, d.estado); !erro.empty()) return erro;
    definetexto(h.nomecompleto, d.nomecompleto);
    definetexto(h.nome, d.nome);
    definetexto(h.tecnico, d.tecnico);
    definetexto(h.estadio, d.estadio);
    h.pais = static_cast<uint8_t>(d.pais);
    if (estadovalido(d.estado)) h.estado = static_cast<uint8_t>(d.estado);
    h.nivel = static_cast<uint8_t>(std::clamp(d.nivel, 0, 25));
    h.corfundo = d.corfundo;
    h.cortexto = d.cortexto;
    return salvaclube(b, clube, c);
}

std::string escolheescudo(BaseEditor& b, int clube, const std::string& escudo) {
    if (!clubevalido(b, clube)) return "Clube inexistente";
    if (auto erro = validanomeescudo(escudo, kMaxNomeEscudoClube); !erro.empty()) return erro;
    if (auto erro = confereescudo(b.raiz, escudo, false); !erro.empty()) return erro;
    TArquivoClube c = b.clubes[static_cast<size_t>(clube)].dados;
    c.cabecalho.escudo.define(escudo);
    return salvaclube(b, clube, c);
}

std::string excluiclube(BaseEditor& b, int clube) {
    if (!clubevalido(b, clube)) return "Clube inexistente";
    const fs::path arquivo = arquivodoclube(b, clube);
    std::error_code ec;
    fs::remove(arquivo, ec);
    std::error_code ec2;
    const bool resta = fs::symlink_status(arquivo, ec2).type() != fs::file_type::not_found;
    if (ec || resta) return "Não foi possível excluir o arquivo " + b.clubes[static_cast<size_t>(clube)].nomearquivo;
    b.clubes[static_cast<size_t>(clube)].excluido = true;
    return {};
}

std::vector<std::string> listaescudos(const fs::path& raiz, bool selecoes) {
    const fs::path pasta = selecoes ? pastaselecoes(raiz) : pastaescudos(raiz);
    std::vector<std::string> v;
    for (const char* ext : {".gif", ".bmp"})
        for (const auto& nome : listaentradas(pasta, ext, true)) v.push_back(nome.substr(0, nome.size() - 4));
    return v;
}

void sortbypaisnivel(const BaseEditor& b, std::vector<int>& clubes) {
    std::stable_sort(clubes.begin(), clubes.end(), [&](int x, int y) {
        const TCabecalhoClube& a = b.clubes[static_cast<size_t>(x)].dados.cabecalho;
        const TCabecalhoClube& c = b.clubes[static_cast<size_t>(y)].dados.cabecalho;
        if (a.pais != c.pais) return a.pais < c.pais;
        if (a.nivel != c.nivel) return a.nivel > c.nivel;
        return a.nome.bruto() < c.nome.bruto();
    });
}

}  // namespace tarvello
