#pragma once
// Small team databases for tests, written with the real writers into a temporary folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "database/arquivos.h"

#include "../apoio/pastatemporaria.h"

namespace tarvello::teste {

class BaseTeste {
public:
    std::filesystem::path raiz;

    BaseTeste() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        raiz = pastatemporaria(std::string("tarvello_base_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(raiz);
        std::filesystem::create_directories(raiz / "teams" / "selecoes");
    }
    ~BaseTeste() { std::filesystem::remove_all(raiz); }

    // A playable club: 2 goalkeepers and 14 outfield players, the first 11 slots starters.
    // `ajuste` may change anything before the file is written. Files are named in creation
    // order, so the listing order is the creation order. Returns the file name (with ".b08").
    std::string clube(int pais, int nivel, const std::string& nome,
                      const std::function<void(TArquivoClube&)>& ajuste = {}) {
        TArquivoClube c{};
        auto& h = c.cabecalho;
        h.pais = static_cast<uint8_t>(pais);
        h.nivel = static_cast<uint8_t>(nivel);
        h.estado = kSemEstado;
        h.nome.define(nome);
        char arquivo[16];
        std::snprintf(arquivo, sizeof arquivo, "c%05d", contador_++);
        h.arquivo.define(arquivo);
        h.tecnico.define("Técnico " + nome);
        h.estadio.define("Estádio " + nome);
        for (int k = 0; k < kMaxJogadoresClube; ++k) {
            auto& e = c.elenco;
            if (k >= 16) {
                marcaslotlivre(e.nome[k]);
                continue;
            }
            e.nome[k].define(nome + " " + std::to_string(k));
            e.posicao[k] = k < 2 ? 0 : 1 + (k - 2) % 4;
            e.idade[k] = static_cast<uint8_t>(20 + k);
            e.pais[k] = static_cast<uint8_t>(pais);
            e.status[k] = k < 11 && k != 1 ? 1 : 0;  // one goalkeeper among the starters
            e.habilidade1[k] = e.posicao[k] == 0 ? 2 : 9;
            e.habilidade2[k] = e.posicao[k] == 0 ? 1 : 11;
        }
        if (ajuste) ajuste(c);
        EXPECT_EQ(timesalvar(raiz, c), "");
        return std::string(arquivo) + ".b08";
    }

    // n clubs of a country, levels from `nivel` down (never below 1).
    void clubes(int pais, int n, int nivel = 20) {
        for (int i = 0; i < n; ++i)
            clube(pais, std::max(1, nivel - i / 3), "P" + std::to_string(pais) + "-" + std::to_string(i));
    }

    void selecao(int pais) {
        TSelecao s{};
        s.pais = pais;
        s.nivel = 15;
        s.tecnico.define("Técnico");
        for (int k = 0; k < 20; ++k) {
            s.nome[k].define("Atleta " + std::to_string(k));
            s.posicao[k] = k < 3 ? 0 : 1 + k % 4;
            s.idade[k] = 25;
            s.habilidade1[k] = 5;
            s.habilidade2[k] = 6;
        }
        EXPECT_EQ(selecaosalvar(raiz, s), "");
    }

    // Enough national teams for every edition of the three tournaments (returns how many).
    int selecoesdostorneios() {
        const int paises[] = {3,   97,  65, 104, 72, 85, 154, 159, 78, 162, 179, 192, 152, 193, 54,  52,  160,
                              142, 171, 31, 63,  180, 21, 100,                                          // Eurocopa
                              46,  151, 26, 198, 11,  131, 195, 60, 29, 150, 51, 42, 68,                // Copa América
                              38,  1,   57, 129, 190, 141, 32,  107, 9, 43,  49, 0,  18, 14};           // the rest
        for (int p : paises) selecao(p);
        return static_cast<int>(std::size(paises));
    }

    std::filesystem::path arquivo(const std::string& nome) const { return raiz / "teams" / nome; }

private:
    int contador_ = 0;
};

}  // namespace tarvello::teste
