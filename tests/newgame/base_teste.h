#pragma once
// Small team databases written to a temporary folder, for tests that go through the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "database/arquivos.h"

namespace tarvello::teste {

class BaseTemporaria {
public:
    BaseTemporaria() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        raiz_ = std::filesystem::temp_directory_path() /
                (std::string("tarvello_base_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(raiz_);
        std::filesystem::create_directories(raiz_ / "teams" / "selecoes");
    }
    ~BaseTemporaria() { std::filesystem::remove_all(raiz_); }
    const std::filesystem::path& raiz() const { return raiz_; }

    // A playable club: one goalkeeper and eleven outfield players. `estado` 255 = none.
    void clube(const std::string& arquivo, int pais, int nivel, int estado = kSemEstado) {
        TArquivoClube c{};
        TCabecalhoClube& h = c.cabecalho;
        h.pais = static_cast<uint8_t>(pais);
        h.valido = 1;
        h.versao = kVersaoArquivo;
        h.nivel = static_cast<uint8_t>(nivel);
        h.nome.define(arquivo);
        h.nomecompleto.define(arquivo);
        h.estadio.define("Estádio " + arquivo);
        h.arquivo.define(arquivo);
        h.tecnico.define("Técnico " + arquivo);
        h.estado = static_cast<uint8_t>(estado);
        for (int s = 0; s < kMaxJogadoresClube; ++s) {
            if (s < 12) {
                c.elenco.nome[s].define("Jogador " + std::to_string(s + 1));
                c.elenco.posicao[s] = static_cast<uint8_t>(s == 0 ? 0 : 1 + (s - 1) % 4);
                c.elenco.idade[s] = 25;
                c.elenco.pais[s] = static_cast<uint8_t>(pais);
                c.elenco.status[s] = s < 11;
                c.elenco.habilidade1[s] = 9;
                c.elenco.habilidade2[s] = 4;
            } else {
                marcaslotlivre(c.elenco.nome[s]);
            }
        }
        const std::string erro = timesalvar(raiz_, c);
        ASSERT_TRUE(erro.empty()) << erro;
    }
    // `n` clubs of a country, named prefix + number, levels cycling 1..20.
    void clubes(const std::string& prefixo, int pais, int n, int estado = kSemEstado) {
        for (int i = 0; i < n; ++i) clube(prefixo + std::to_string(100 + i), pais, 1 + i % 20, estado);
    }

private:
    std::filesystem::path raiz_;
};

}  // namespace tarvello::teste
