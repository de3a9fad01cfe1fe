#pragma once
// What the safe team-file readers promise about every record they accept, whatever the bytes:
// shared by the mutation tests and the fuzz target. Each check returns "" or the broken promise.
#include <string>

#include "database/arquivos.h"
#include "model/tipos.h"

namespace tarvello::teste {

inline std::string confereclube(const TArquivoClube& c) {
    const TCabecalhoClube& h = c.cabecalho;
    if (!paisvalido(h.pais)) return "país do clube fora da faixa";
    if (h.estado != kSemEstado && !estadovalido(h.estado)) return "estado fora da faixa";
    if (h.nivel > 25) return "nível acima de 25";
    if (h.nome.tamanhobruto > 25 || h.nomecompleto.tamanhobruto > 25 || h.estadio.tamanhobruto > 30 ||
        h.arquivo.tamanhobruto > 25 || h.escudo.tamanhobruto > 25 || h.tecnico.tamanhobruto > 25)
        return "texto do cabeçalho além da capacidade";
    if (h.valido && !clubejogavel(c.elenco)) return "válido sem elenco jogável";
    for (int k = 0; k < kMaxJogadoresClube; ++k) {
        const TElencoClube& e = c.elenco;
        if (e.nome[k].tamanhobruto > 35) return "nome de jogador além da capacidade";
        if (slotlivre(e.nome[k])) continue;
        if (!posicaovalida(e.posicao[k])) return "posição fora da faixa";
        if (!habilidadevalida(e.habilidade1[k]) || !habilidadevalida(e.habilidade2[k])) return "habilidade fora da faixa";
        if (!paisvalido(e.pais[k])) return "nacionalidade fora da faixa";
        if (e.estrela[k] > 1 || e.status[k] > 1) return "estrela ou titular diferente de 0 e 1";
    }
    return {};
}

inline std::string confereselecao(const TSelecao& s) {
    if (s.pais < 0 || s.pais >= kPersonalizado) return "país da seleção fora da faixa";
    if (s.nivel < 1 || s.nivel > 25) return "nível fora de 1..25";
    if (s.escudo.tamanhobruto > 30 || s.tecnico.tamanhobruto > 30) return "texto além da capacidade";
    if (s.numjogadores != slotsusados(s)) return "numjogadores diferente dos nomes";
    if ((s.valido != 0) != selecaojogavel(s)) return "válido diferente da regra";
    for (int k = 0; k < kMaxJogadoresSelecao; ++k) {
        if (s.nome[k].tamanhobruto > 35) return "nome de jogador além da capacidade";
        if (slotlivre(s.nome[k])) continue;
        if (!posicaovalida(s.posicao[k])) return "posição fora da faixa";
        if (!habilidadevalida(s.habilidade1[k]) || !habilidadevalida(s.habilidade2[k])) return "habilidade fora da faixa";
        if (s.idade[k] < 0 || s.idade[k] > 99) return "idade fora de 0..99";
        if (s.estrela[k] > 1 || (s.escalacao[k] != 0 && s.escalacao[k] != 1)) return "estrela ou titular fora de 0 e 1";
    }
    return {};
}

// Whole-file content through both safe decoders: "" when every promise holds.
inline std::string conferebytes(std::span<const uint8_t> bytes) {
    if (auto c = decodificaclube(bytes)) {
        if (bytes.size() != kTamanhoArquivoClube) return "clube aceito com tamanho errado";
        if (auto e = confereclube(*c); !e.empty()) return e;
        // What the reader accepts, written back and read again, is the same record.
        auto de_novo = decodificaclube(codificaclube(*c));
        if (!de_novo || codificaclube(*de_novo) != codificaclube(*c)) return "clube muda ao ser regravado";
    }
    if (auto s = decodificaselecao(bytes)) {
        if (bytes.size() != kTamanhoArquivoSelecao) return "seleção aceita com tamanho errado";
        if (auto e = confereselecao(*s); !e.empty()) return e;
        auto de_novo = decodificaselecao(codificaselecao(*s));
        if (!de_novo || codificaselecao(*de_novo) != codificaselecao(*s)) return "seleção muda ao ser regravada";
    }
    return {};
}

}  // namespace tarvello::teste
