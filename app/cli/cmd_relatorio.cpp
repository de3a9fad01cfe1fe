// "relatorio": prints the stored report of one finished match of a saved game, with the figures
// the report screen shows; without --partida, the list of the season's reports.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "club/financas.h"
#include "comandos.h"
#include "match/estatisticas.h"
#include "match/relatorios.h"
#include "match/textoeventos.h"
#include "model/datas.h"
#include "model/mundo.h"
#include "newgame/salvamento.h"
#include "relatoriojson.h"

namespace tarvello::cli {
namespace {

std::string nomeclube(const Mundo& m, int c) {
    return c >= 0 && c < static_cast<int>(m.times.size()) ? m.times[static_cast<size_t>(c)].nome.utf8() : "?";
}

std::string nomejogador(const Mundo& m, int j) {
    return j > 0 && j < static_cast<int>(m.jogadores.size()) ? m.jogadores[static_cast<size_t>(j)].nome.utf8() : "?";
}

// Text left-aligned in `largura` characters (names are UTF-8: count characters, not bytes).
std::string alinha(const std::string& t, size_t largura) {
    size_t n = 0;
    for (unsigned char c : t) n += (c & 0xC0) != 0x80;
    return n >= largura ? t : t + std::string(largura - n, ' ');
}

std::string placar(const Mundo& m, const TRelatorioPartida& r) {
    std::string s = nomeclube(m, r.mandante) + "  " + std::to_string(r.golsmandante) + " x " +
                    std::to_string(r.golsvisitante);
    if (r.decididopenaltis)
        s += " (P:" + std::to_string(r.penaltismandante) + "x" + std::to_string(r.penaltisvisitante) + ")";
    return s + "  " + nomeclube(m, r.visitante);
}

void imprimelista(const Mundo& m, int total) {
    for (int i = 0; i < total; ++i) {
        const TRelatorioPartida& r = m.relatorios[static_cast<size_t>(i)];
        std::printf("%4d  %s  %s\n", i + 1, textodata(r.data).c_str(), placar(m, r).c_str());
    }
}

void imprimerelatorio(const Mundo& m, int i) {
    const TRelatorioPartida& r = m.relatorios[static_cast<size_t>(i)];
    std::printf("%s\n%s\n", textodata(r.data).c_str(), placar(m, r).c_str());
    std::printf("Público: %s pagantes (G:%d A:%d Cd:%d Cm:%d)\nRenda: $%s\n", formatadinheiro(r.publico).c_str(),
                r.publicosetor[0], r.publicosetor[1], r.publicosetor[2], r.publicosetor[3],
                formatadinheiro(r.renda).c_str());
    const int posse = possemandante(r.estatisticasmandante[0], r.estatisticasvisitante[0]);
    std::printf("Estatísticas\n  %s %3d%% %3d%%\n", alinha("Posse de bola", 18).c_str(), posse, 100 - posse);
    const char* nomes[5] = {"", "Roubadas bola", "Finalizações", "Passes errados", "Faltas cometidas"};
    for (int k = 1; k <= 4; ++k)
        std::printf("  %s %4d %4d\n", alinha(nomes[k], 18).c_str(), r.estatisticasmandante[k], r.estatisticasvisitante[k]);
    for (int lado = 1; lado <= 2; ++lado) {
        const int32_t* onze = lado == 1 ? r.onzemandante : r.onzevisitante;
        const TNotaRelatorio* notas = lado == 1 ? r.notasmandante : r.notasvisitante;
        std::printf("%s\n", nomeclube(m, lado == 1 ? r.mandante : r.visitante).c_str());
        for (int s = 0; s < 11; ++s)
            if (onze[s] > 0)
                std::printf("  %s %.1f\n", alinha(nomejogador(m, onze[s]), 22).c_str(), static_cast<double>(notas[s].nota));
        const auto saidas = saidasdorelatorio(r, lado);
        if (!saidas.empty()) std::printf("  Jogadores substituídos\n");
        for (const TSaidaRelatorio& x : saidas)
            std::printf("  %s %.1f\n", alinha(nomejogador(m, x.jogador), 22).c_str(), static_cast<double>(x.nota));
    }
    const auto linhas = linhaseventos(m, eventosdorelatorio(m, i), r.mandante);
    if (!linhas.empty()) std::printf("Eventos\n");
    for (const TLinhaEvento& l : linhas) std::printf("  %s\n", l.texto.c_str());
}

int relatorio(const Argumentos& a) {
    const std::string arquivo = a.texto("carregar", "");
    JogoCarregado c = carregajogo(arquivo, 1);
    if (!c.mundo) {
        std::fprintf(stderr, "%s\n%s: %s\n", c.erro.c_str(), arquivo.c_str(), c.motivo.c_str());
        return 1;
    }
    const Mundo& m = *c.mundo;
    // The table keeps a spare zeroed entry past the last report.
    const int total = static_cast<int>(std::min<size_t>(static_cast<size_t>(std::max(0, m.estado.numrelatorios)),
                                                        m.relatorios.size()));
    if (!a.tem("partida")) {
        if (a.tem("json")) {
            nlohmann::json v = nlohmann::json::array();
            for (int i = 0; i < total; ++i) v.push_back(relatoriojson(m, i));
            std::puts(v.dump(1).c_str());
        } else {
            imprimelista(m, total);
        }
        return 0;
    }
    const int n = static_cast<int>(a.inteiro("partida", 1));
    if (n > total) {
        std::fprintf(stderr, "o jogo salvo tem %d relatórios nesta temporada; não há o %d\n", total, n);
        return 1;
    }
    if (a.tem("json")) {
        nlohmann::json j = relatoriojson(m, n - 1);
        const TRelatorioPartida& r = m.relatorios[static_cast<size_t>(n - 1)];
        j["mandante"] = r.mandante;
        j["visitante"] = r.visitante;
        j["nomemandante"] = nomeclube(m, r.mandante);
        j["nomevisitante"] = nomeclube(m, r.visitante);
        j["golsmandante"] = r.golsmandante;
        j["golsvisitante"] = r.golsvisitante;
        j["data"] = textodata(r.data);
        j["publico"] = r.publico;
        j["renda"] = r.renda;
        nlohmann::json ev = nlohmann::json::array();
        for (const TLinhaEvento& l : linhaseventos(m, eventosdorelatorio(m, n - 1), r.mandante)) ev.push_back(l.texto);
        j["linhaseventos"] = ev;
        std::puts(j.dump(1).c_str());
    } else {
        imprimerelatorio(m, n - 1);
    }
    return 0;
}

Registra registra({"relatorio",
                   "relatório de uma partida terminada de um jogo salvo",
                   {{"carregar", TipoOpcao::Texto, "ARQUIVO", "jogo salvo", 0, 0, true},
                    {"partida", TipoOpcao::Inteiro, "N", "n-ésimo relatório da temporada (sem ela: a lista)", 1,
                     1000000},
                    opcaojson()},
                   {},
                   relatorio});

}  // namespace
}  // namespace tarvello::cli
