#include "editor/selecoes.h"

#include <algorithm>

#include "editor/clubes.h"
#include "editor/escudoeditor.h"

namespace tarvello {

std::string validaescudoselecao(const BaseEditor& b, const std::string& escudo) {
    if (auto erro = validanomeescudo(escudo, kMaxNomeEscudoSelecao); !erro.empty()) return erro;
    return confereescudo(b.raiz, escudo, true);
}

std::string escolheescudoselecao(BaseEditor& b, int pais, const std::string& escudo) {
    if (!selecaoemuso(b, pais)) return "Seleção inexistente";
    if (auto erro = validaescudoselecao(b, escudo); !erro.empty()) return erro;
    TSelecao s = b.selecoes[static_cast<size_t>(pais)];
    s.escudo.define(escudo);
    return salvaselecao(b, s);
}

namespace {

std::string preenche(const BaseEditor& b, TSelecao& s, const TDadosSelecao& d) {
    if (d.tecnico.empty()) return "Nome do técnico não inserido";
    if (!d.escudo.empty())
        if (auto erro = validaescudoselecao(b, d.escudo); !erro.empty()) return erro;
    s.tecnico.define(d.tecnico);
    s.nivel = std::clamp(d.nivel, 1, 25);
    s.corfundo = d.corfundo;
    s.cortexto = d.cortexto;
    if (!d.escudo.empty()) s.escudo.define(d.escudo);
    return {};
}

}  // namespace

std::string novaselecao(BaseEditor& b, const TDadosSelecao& d) {
    if (d.pais < 0 || d.pais >= kPersonalizado) return "País inválido";
    if (selecaoemuso(b, d.pais)) return "Esta seleção já existe, você pode edita-la clicando em editar";
    TSelecao s{};  // a new national team starts with empty names: every slot free
    s.pais = d.pais;
    s.confederacao = confederacao(d.pais, true);
    if (auto erro = preenche(b, s, d); !erro.empty()) return erro;
    s.numjogadores = 0;
    return salvaselecao(b, s);
}

std::string editaselecao(BaseEditor& b, const TDadosSelecao& d) {
    if (!selecaoemuso(b, d.pais)) return "Seleção inexistente";
    TSelecao s = b.selecoes[static_cast<size_t>(d.pais)];
    if (auto erro = preenche(b, s, d); !erro.empty()) return erro;
    return salvaselecao(b, s);
}

}  // namespace tarvello
