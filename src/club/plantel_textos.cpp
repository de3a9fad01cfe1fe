#include "club/plantel_textos.h"

#include <cstdio>

#include "club/plantel.h"
#include "competitions/calendario.h"
#include "model/datas.h"
#include "model/hoje.h"
#include "model/mundo.h"
#include "model/tipos.h"

namespace tarvello {
namespace {

bool jogadorvalido(const Mundo& m, int j) {
    return j > 0 && j < static_cast<int>(m.jogadores.size());
}
int64_t dia(double d) { return static_cast<int64_t>(d); }

}  // namespace

std::string textodatacurta(double data) {
    const TDataCivil c = decodificadata(data);
    char b[16];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", c.dia, c.mes, c.ano);
    return b;
}

std::string dicacontrato(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return {};
    const int64_t hoje = dia(datahoje(m));
    const int64_t fim = dia(m.jogadores[jogador].contratoate);
    if (fim < hoje) return "Contrato expirado";
    if (fim < hoje + 8) return "Contrato expira em 1 semana";
    if (fim < hoje + 21) return "Contrato expira em menos de 3 semanas";
    return {};
}

std::string textohabilidades(const TJogador& j, bool completo) {
    if (j.habilidade1 == j.habilidade2) return std::string(nomehabilidade(j.habilidade1));
    auto nome = [&](int h) { return std::string(completo ? nomehabilidade(h) : siglahabilidade(h)); };
    return nome(j.habilidade1) + "/" + nome(j.habilidade2);
}

std::string textonumeronome(const TJogador& j) {
    if (j.numero > 0) return std::to_string(j.numero) + " - " + j.nome.utf8();
    return j.nome.utf8();
}

std::string textosituacao(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return {};
    const TJogador& j = m.jogadores[jogador];
    const int k = m.estado.competicaoatual;
    if (k >= 0 && k < kNumCompeticoes) {
        if (j.amarelos[k] >= 3) return "Suspenso por 1 jogo: 3 cartões amarelos";
        if (j.suspensao[k] > 0) return "Suspenso por " + std::to_string(j.suspensao[k]) + " jogo(s)";
    }
    if (dia(j.contusaoate) > dia(datahoje(m))) return "Contundido até " + textodatacurta(j.contusaoate);
    return {};
}

std::string textocontrato(const Mundo& m, int jogador) {
    if (!jogadorvalido(m, jogador)) return {};
    const TJogador& j = m.jogadores[jogador];
    if (j.soproximojogo) return "Jogador só disponível no próximo jogo";
    if (j.emprestado == 2) return "Emprestado até " + textodatacurta(j.contratoate);
    if (dia(j.contratoate) >= dia(datahoje(m))) return "Contrato até " + textodatacurta(j.contratoate);
    return "Jogador com contrato expirado";
}

std::string textoposicaooriginal(const TJogador& j) {
    std::string t = "Posição original: " + std::string(nomeposicao(j.posicaooriginal));
    if (j.posicao != j.posicaooriginal)
        t += "  (Improvisado como: " + std::string(nomeposicao(j.posicao)) + ")";
    return t;
}

std::vector<std::string> listanumeros(const Mundo& m, int time) {
    std::vector<std::string> r{"Sem número"};
    for (int n = 1; n <= 28; ++n) {
        std::string nome;
        for (int i : elencoatual(m, time)) {
            const TJogador& j = m.jogadores[static_cast<size_t>(i)];
            if (j.numero == n) {
                nome = j.nome.utf8();
                break;
            }
        }
        r.push_back(std::to_string(n) + " - " + nome);
    }
    return r;
}

std::string textomoraltime(int moraltime) {
    const char* t = moraltime <= 1 ? "Ruim" : moraltime == 2 ? "Boa" : "Excelente";
    return std::string("Moral do time: ") + t;
}

std::string textoproximoadversario(const Mundo& m, int time) {
    const int k = proximojogo(m, time, datahoje(m));
    if (k < 0) return {};
    const TPartida& p = m.partidas[k];
    const bool casa = p.mandante == time;
    const int outro = casa ? p.visitante : p.mandante;
    if (outro < 0 || outro >= static_cast<int>(m.times.size())) return {};
    return m.times[outro].nome.utf8() + (casa ? " (casa)" : " (fora)");
}

}  // namespace tarvello
