#include "competitions/zonas.h"

#include <algorithm>

#include "competitions/vagas.h"
#include "model/mundo.h"
#include "records/historico.h"

namespace tarvello {

namespace {

ZonaTabela zonadivisao(const TRegraZonas& r, int divisao, int linha) {
    const int ultima = r.vinte ? 20 : 10;
    const int abaixo = r.vinte ? 4 : 2;  // clubs that go down to the division below
    const bool temdivisaoabaixo = divisao < r.numdivisoes;
    // With 20 clubs only two leave the lowest division (to the regional level); with 10, two
    // leave every division.
    const int caem = (r.vinte && !temdivisaoabaixo) ? 2 : abaixo;
    if (linha > ultima - caem && linha <= ultima) return ZonaTabela::Rebaixamento;
    if (divisao > 1 && linha >= 1 && linha <= abaixo) return ZonaTabela::Acesso;
    return ZonaTabela::Nenhuma;
}

}  // namespace

ZonaTabela zonatabela(const TRegraZonas& r, int divisao, int linha) {
    ZonaTabela z = zonadivisao(r, divisao, linha);
    if (!r.copa1) return z;

    // One place of cup 1 is kept for the national cup winner when the country has more than one.
    int l = r.vagas1 > 1 ? r.vagas1 - 1 : r.vagas1;
    int p2 = r.vagas2;
    const bool copadecidida = r.divisaocampeaocopa > 0 && r.linhacampeaocopa > 0;
    if (copadecidida && l >= 2) {
        if (divisao == r.divisaocampeaocopa && linha == r.linhacampeaocopa) return ZonaTabela::Continental1;
        // A winner already among the league places passes its place on to the next club; one
        // from the cup 2 places leaves a cup 2 place to the next club.
        if (r.divisaocampeaocopa == 1) {
            if (r.linhacampeaocopa <= l) l += 1;
            else if (r.linhacampeaocopa <= l + p2) p2 += 1;
        }
    }
    if (divisao != 1) return z;
    if (linha >= 1 && linha <= l) return ZonaTabela::Continental1;
    if (r.copa2 && linha > l && linha <= std::min(l + p2, 8)) return ZonaTabela::Continental2;
    return z;
}

TRegraZonas regrazonas(const Mundo& m, int liga) {
    TRegraZonas r;
    if (liga < 0 || liga >= static_cast<int>(m.ligas.size())) return r;
    const TLiga& lg = m.ligas[static_cast<size_t>(liga)];
    const TEstadoJogo& e = m.estado;
    r.vinte = e.sistemadisputa == 2;
    r.numdivisoes = std::clamp(lg.numdivisoes, 1, 4);
    const int conf = confederacaocopas(lg.pais);
    r.vagas1 = vagascontinentais(lg.pais, 1, conf);
    r.vagas2 = vagascontinentais(lg.pais, 2, conf);
    r.copa1 = e.ckinter != 0;
    r.copa2 = e.ckinter != 0 && e.ckinter3 != 0;
    if (!e.ckcopa) return r;
    const int campeao = tarvello::campeao(m, kCopaNacional, lg.pais, e.temporada);
    if (campeao < 0) return r;
    for (int d = 0; d < r.numdivisoes; ++d)
        for (int k = 0; k < 20; ++k)
            if (lg.classificacao[d][k] == campeao) {
                r.divisaocampeaocopa = d + 1;
                r.linhacampeaocopa = k + 1;
                return r;
            }
    return r;
}

}  // namespace tarvello
