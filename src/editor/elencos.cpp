#include "editor/elencos.h"

#include <algorithm>

namespace tarvello {

namespace {

// ---- One player slot of either record ----

TJogadorEditor le(const TArquivoClube& c, int k) {
    const TElencoClube& e = c.elenco;
    TJogadorEditor j;
    j.nome = e.nome[k].utf8();
    j.posicao = e.posicao[k];
    j.pais = e.pais[k];
    j.idade = e.idade[k];
    j.habilidade1 = e.habilidade1[k];
    j.habilidade2 = e.habilidade2[k];
    j.estrela = e.estrela[k] != 0;
    j.titular = e.status[k] != 0;
    return j;
}

TJogadorEditor le(const TSelecao& s, int k) {
    TJogadorEditor j;
    j.nome = s.nome[k].utf8();
    j.posicao = s.posicao[k];
    j.pais = s.pais;
    j.idade = s.idade[k];
    j.habilidade1 = s.habilidade1[k];
    j.habilidade2 = s.habilidade2[k];
    j.estrela = s.estrela[k] != 0;
    j.titular = s.escalacao[k] != 0;
    return j;
}

// Everything but the name and the starter mark.
void escreve(TArquivoClube& c, int k, const TJogadorEditor& j) {
    TElencoClube& e = c.elenco;
    e.posicao[k] = static_cast<uint8_t>(j.posicao);
    e.pais[k] = static_cast<uint8_t>(j.pais);
    e.idade[k] = static_cast<uint8_t>(limitaidade(j.idade));
    e.habilidade1[k] = static_cast<uint8_t>(j.habilidade1);
    e.habilidade2[k] = static_cast<uint8_t>(j.habilidade2);
    e.estrela[k] = j.estrela ? 1 : 0;
}

void escreve(TSelecao& s, int k, const TJogadorEditor& j) {
    s.posicao[k] = j.posicao;
    s.idade[k] = limitaidade(j.idade);
    s.habilidade1[k] = j.habilidade1;
    s.habilidade2[k] = j.habilidade2;
    s.estrela[k] = j.estrela ? 1 : 0;
}

void definetitular(TArquivoClube& c, int k, bool t) { c.elenco.status[k] = t ? 1 : 0; }
void definetitular(TSelecao& s, int k, bool t) { s.escalacao[k] = t ? 1 : 0; }

int slots(const TArquivoClube&) { return kMaxJogadoresClube; }
int slots(const TSelecao&) { return kMaxJogadoresSelecao; }
TString<35>* nomes(TArquivoClube& c) { return c.elenco.nome; }
TString<35>* nomes(TSelecao& s) { return s.nome; }
const TString<35>* nomes(const TArquivoClube& c) { return c.elenco.nome; }
const TString<35>* nomes(const TSelecao& s) { return s.nome; }

// A national team's count follows its used slots after every change.
void acertacontagem(TSelecao& s) { s.numjogadores = slotsusados(s); }

template <class R>
int primeirolivre(const R& rec) {
    for (int k = 0; k < slots(rec); ++k)
        if (slotlivre(nomes(rec)[k])) return k;
    return -1;
}

// Copies the squad's record, lets `f` change the copy (it returns an error to refuse), then
// writes the copy; the working set changes only when the write succeeded.
template <class F>
std::string altera(BaseEditor& b, RefElenco r, F&& f) {
    if (!elencovalido(b, r)) return "Time inexistente";
    if (r.selecao) {
        TSelecao s = b.selecoes[static_cast<size_t>(r.indice)];
        if (auto erro = f(s); !erro.empty()) return erro;
        acertacontagem(s);
        return salvaselecao(b, s);
    }
    TArquivoClube c = b.clubes[static_cast<size_t>(r.indice)].dados;
    if (auto erro = f(c); !erro.empty()) return erro;
    return salvaclube(b, r.indice, c);
}

template <class F>
auto consulta(const BaseEditor& b, RefElenco r, F&& f) {
    if (r.selecao) return f(b.selecoes[static_cast<size_t>(r.indice)]);
    return f(b.clubes[static_cast<size_t>(r.indice)].dados);
}

std::string confere(const TJogadorEditor& j) {
    if (!posicaovalida(j.posicao)) return "Posição inválida";
    if (itemdahabilidade(j.posicao, j.habilidade1) < 0 || itemdahabilidade(j.posicao, j.habilidade2) < 0)
        return "Característica inválida para a posição";
    return {};
}

std::string cheio(RefElenco r) { return "Você já tem " + std::to_string(numslots(r)) + " jogadores no time"; }

}  // namespace

bool elencovalido(const BaseEditor& b, RefElenco r) {
    if (r.selecao) return selecaoemuso(b, r.indice);
    return clubevalido(b, r.indice);
}

int numslots(RefElenco r) { return r.selecao ? kMaxJogadoresSelecao : kMaxJogadoresClube; }

int jogadoresnoelenco(const BaseEditor& b, RefElenco r) {
    if (!elencovalido(b, r)) return 0;
    return consulta(b, r, [](const auto& rec) {
        if constexpr (std::is_same_v<std::decay_t<decltype(rec)>, TSelecao>) return slotsusados(rec);
        else return slotsusados(rec.elenco);
    });
}

bool slotusado(const BaseEditor& b, RefElenco r, int slot) {
    if (!elencovalido(b, r) || slot < 0 || slot >= numslots(r)) return false;
    return consulta(b, r, [&](const auto& rec) {
        if constexpr (std::is_same_v<std::decay_t<decltype(rec)>, TSelecao>) return !slotlivre(rec.nome[slot]);
        else return !slotlivre(rec.elenco.nome[slot]);
    });
}

TJogadorEditor jogadordoslot(const BaseEditor& b, RefElenco r, int slot) {
    if (!elencovalido(b, r) || slot < 0 || slot >= numslots(r)) return {};
    return consulta(b, r, [&](const auto& rec) { return le(rec, slot); });
}

std::vector<int> ordemelenco(const BaseEditor& b, RefElenco r) {
    std::vector<int> v;
    for (int p = 0; p < kNumPosicoes; ++p)
        for (int k = 0; k < numslots(r); ++k)
            if (slotusado(b, r, k) && jogadordoslot(b, r, k).posicao == p) v.push_back(k);
    return v;
}

int contatitulares(const BaseEditor& b, RefElenco r) {
    int n = 0;
    for (int k = 0; k < numslots(r); ++k)
        if (slotusado(b, r, k) && jogadordoslot(b, r, k).titular) ++n;
    return n;
}

std::string elencocheio(const BaseEditor& b, RefElenco r) {
    return jogadoresnoelenco(b, r) >= numslots(r) ? cheio(r) : std::string();
}

int numitenshabilidade(int posicao) { return posicao == kGoleiro ? 4 : kNumHabilidades - 4; }

int habilidadedoitem(int posicao, int item) {
    if (!posicaovalida(posicao) || item < 0 || item >= numitenshabilidade(posicao)) return -1;
    return posicao == kGoleiro ? item : item + 4;
}

int itemdahabilidade(int posicao, int habilidade) {
    if (!posicaovalida(posicao)) return -1;
    const int item = posicao == kGoleiro ? habilidade : habilidade - 4;
    return item >= 0 && item < numitenshabilidade(posicao) ? item : -1;
}

std::string textocaracteristicas(int habilidade1, int habilidade2) {
    if (!habilidadevalida(habilidade1) || !habilidadevalida(habilidade2)) return {};
    if (habilidade1 == habilidade2) return std::string(nomehabilidade(habilidade1));
    return std::string(siglahabilidade(habilidade1)) + "/" + std::string(siglahabilidade(habilidade2));
}

int limitaidade(int idade) { return std::clamp(idade, kIdadeMinima, kIdadeMaxima); }

int paisinicialjogador(const BaseEditor& b) {
    return b.paisultimojogador > 0 && b.paisultimojogador < kPersonalizado ? b.paisultimojogador : kBrasil;
}

std::string adicionajogador(BaseEditor& b, RefElenco r, const TJogadorEditor& j, int* slot) {
    if (j.nome.empty()) return "Nome do jogador em Branco";
    if (auto erro = confere(j); !erro.empty()) return erro;
    if (!r.selecao && (!paisvalido(j.pais) || j.pais == kPersonalizado)) return "País inválido";
    int usado = -1;
    auto erro = altera(b, r, [&](auto& rec) -> std::string {
        const int k = primeirolivre(rec);
        if (k < 0) return cheio(r);
        nomes(rec)[k].define(j.nome);
        if (nomes(rec)[k].tamanho() > kMaxNomeJogador) nomes(rec)[k].tamanhobruto = kMaxNomeJogador;
        escreve(rec, k, j);
        definetitular(rec, k, false);
        usado = k;
        return {};
    });
    if (!erro.empty()) return erro;
    if (!r.selecao) b.paisultimojogador = j.pais;
    if (slot) *slot = usado;
    return {};
}

std::string editajogador(BaseEditor& b, RefElenco r, int slot, const TJogadorEditor& j) {
    if (!slotusado(b, r, slot)) return "Jogador inexistente";
    if (auto erro = confere(j); !erro.empty()) return erro;
    if (!r.selecao && (!paisvalido(j.pais) || j.pais == kPersonalizado)) return "País inválido";
    return altera(b, r, [&](auto& rec) -> std::string {
        TString<35>& nome = nomes(rec)[slot];
        if (!j.nome.empty() && nome.utf8() != j.nome) {
            nome.define(j.nome);
            if (nome.tamanho() > kMaxNomeJogador) nome.tamanhobruto = kMaxNomeJogador;
        }
        escreve(rec, slot, j);
        return {};
    });
}

std::string excluijogador(BaseEditor& b, RefElenco r, int slot) {
    if (!slotusado(b, r, slot)) return "Jogador inexistente";
    return altera(b, r, [&](auto& rec) -> std::string {
        marcaslotlivre(nomes(rec)[slot]);
        return {};
    });
}

std::string alternatitular(BaseEditor& b, RefElenco r, int slot, bool* mudou) {
    if (mudou) *mudou = false;
    if (!slotusado(b, r, slot)) return "Jogador inexistente";
    const bool titular = jogadordoslot(b, r, slot).titular;
    if (!titular && contatitulares(b, r) >= kMaxTitulares) return {};
    auto erro = altera(b, r, [&](auto& rec) -> std::string {
        definetitular(rec, slot, !titular);
        return {};
    });
    if (erro.empty() && mudou) *mudou = true;
    return erro;
}

std::string envelhecejogador(BaseEditor& b, int clube, int slot) {
    const RefElenco r{false, clube};
    if (!slotusado(b, r, slot)) return "Jogador inexistente";
    TArquivoClube c = b.clubes[static_cast<size_t>(clube)].dados;
    c.elenco.idade[slot] = static_cast<uint8_t>(limitaidade(c.elenco.idade[slot] + 1));
    return salvaclube(b, clube, c);
}

bool podereceber(const BaseEditor& b, int de, int para) {
    if (de == para || !clubevalido(b, para) || b.clubes[static_cast<size_t>(para)].dados.cabecalho.versao != kVersaoArquivo)
        return false;
    return primeirolivre(b.clubes[static_cast<size_t>(para)].dados) >= 0;
}

std::string transferejogador(BaseEditor& b, int slot, int de, int para) {
    if (!slotusado(b, RefElenco{false, de}, slot)) return "Jogador inexistente";
    if (!podereceber(b, de, para)) return "O clube escolhido não tem vaga";
    TArquivoClube origem = b.clubes[static_cast<size_t>(de)].dados;
    TArquivoClube destino = b.clubes[static_cast<size_t>(para)].dados;
    const TArquivoClube destinoantigo = destino;
    const int k = primeirolivre(destino);
    destino.elenco.nome[k] = origem.elenco.nome[slot];
    escreve(destino, k, le(origem, slot));
    definetitular(destino, k, false);
    marcaslotlivre(origem.elenco.nome[slot]);

    // Prepare both files; only when both are ready is either replaced.
    destino.cabecalho.versao = origem.cabecalho.versao = kVersaoArquivo;
    destino.cabecalho.valido = clubejogavel(destino.elenco) ? 1 : 0;
    origem.cabecalho.valido = clubejogavel(origem.elenco) ? 1 : 0;
    GravacaoPreparada gdestino, gorigem;
    if (auto erro = preparagravacao(arquivodoclube(b, para), codificaclube(destino), gdestino); !erro.empty())
        return erro;
    if (auto erro = preparagravacao(arquivodoclube(b, de), codificaclube(origem), gorigem); !erro.empty()) {
        descartagravacao(gdestino);
        return erro;
    }
    // The target's file exactly as it is now, to put back if the source cannot follow.
    auto lido = learquivo(arquivodoclube(b, para), kTamanhoArquivoClube);
    const std::vector<uint8_t> antigo = lido ? *lido : codificaclube(destinoantigo);
    if (auto erro = confirmagravacao(gdestino); !erro.empty()) {
        descartagravacao(gorigem);
        return erro;
    }
    if (auto erro = confirmagravacao(gorigem); !erro.empty()) {
        if (auto erro2 = gravaarquivo(arquivodoclube(b, para), antigo); !erro2.empty()) return erro + "; " + erro2;
        return erro;
    }
    b.clubes[static_cast<size_t>(para)].dados = destino;
    b.clubes[static_cast<size_t>(de)].dados = origem;
    return {};
}

ResultadoCopia dragjogadorselecao(BaseEditor& b, int clube, int slot, std::string* erro) {
    const RefElenco r{false, clube};
    if (!slotusado(b, r, slot)) return ResultadoCopia::SemSelecao;
    const TJogadorEditor j = jogadordoslot(b, r, slot);
    if (!selecaoemuso(b, j.pais)) return ResultadoCopia::SemSelecao;
    const TSelecao& s = b.selecoes[static_cast<size_t>(j.pais)];
    if (slotsusados(s) >= kMaxJogadoresSelecao) return ResultadoCopia::SelecaoCheia;
    const TString<35>& nome = b.clubes[static_cast<size_t>(clube)].dados.elenco.nome[slot];
    for (int k = 0; k < kMaxJogadoresSelecao; ++k)
        if (!slotlivre(s.nome[k]) && s.nome[k].bruto() == nome.bruto()) return ResultadoCopia::JaConvocado;
    TSelecao sel = s;
    const int k = primeirolivre(sel);
    sel.nome[k] = nome;
    escreve(sel, k, j);
    definetitular(sel, k, false);
    acertacontagem(sel);
    auto e = salvaselecao(b, sel);
    if (!e.empty()) {
        if (erro) *erro = e;
        return ResultadoCopia::Falhou;
    }
    return ResultadoCopia::Copiado;
}

}  // namespace tarvello
