#include "newgame/escolhas.h"

#include <algorithm>
#include <set>

#include "competitions/selecoestorneios.h"
#include "database/montaliga.h"
#include "model/tipos.h"

namespace tarvello {

int paisprincipal(const std::vector<int>& paises) {
    if (paises.empty()) return -1;
    if (std::find(paises.begin(), paises.end(), kBrasil) != paises.end()) return kBrasil;
    return paises.front();
}

int ligadadivisao(const Mundo& m, int clube) {
    if (clube < 0) return -1;
    for (size_t l = 0; l < m.ligas.size(); ++l) {
        const TLiga& g = m.ligas[l];
        for (int d = 0; d < g.numdivisoes && d < 4; ++d)
            for (int c : g.times[static_cast<size_t>(d)])
                if (c == clube) return static_cast<int>(l);
    }
    return -1;
}

namespace {

std::string confere(const Preparacao& p, const EscolhasJogo& e) {
    if (e.sistemadisputa != 2 && e.sistemadisputa != 4) return "Sistema de disputa inválido";
    if (e.numtecnicoshumanos < 0 || e.numtecnicoshumanos > kMaxHumanos) return "Número de técnicos humanos inválido";
    if (e.paises.empty()) return e.personalizado ? "Selecione pelo menos um país" : "Selecione pelo menos uma liga";
    std::set<int> vistos;
    int total = 0;
    for (int pais : e.paises) {
        if (pais < 0 || pais >= kPersonalizado) return "País inválido: " + std::to_string(pais);
        if (!vistos.insert(pais).second) return "País repetido: " + std::string(nomepais(pais));
        const int n = p.clubesusaveis[pais];
        const int minimo = e.personalizado ? 1 : kMinClubesLiga;
        if (n < minimo) {
            return std::string(nomepais(pais)) + " tem " + std::to_string(n) + " times utilizáveis; " +
                   (e.personalizado ? "nenhum para o campeonato personalizado"
                                    : "uma liga precisa de pelo menos " + std::to_string(kMinClubesLiga));
        }
        total += n;
    }
    if (e.personalizado && total < kMinClubesPersonalizado) {
        return "O campeonato personalizado precisa de pelo menos " + std::to_string(kMinClubesPersonalizado) +
               " times (selecionados: " + std::to_string(total) + ")";
    }
    return {};
}

}  // namespace

std::string preparaligas(Mundo& m, Preparacao& p, const EscolhasJogo& e, std::vector<std::string>* avisos) {
    if (std::string erro = confere(p, e); !erro.empty()) return erro;

    TEstadoJogo& s = m.estado;
    s.sistemadisputa = e.sistemadisputa;
    s.numtecnicoshumanos = e.numtecnicoshumanos;
    for (auto& t : s.timedotecnico) t = -1;
    s.gruposreais2006 = 1;
    m.ligas.clear();
    if (e.personalizado) {
        marcapersonalizado(p, e.paises);
        s.ckcopamundo = s.ckcopaamerica = s.ckeurocopa = 0;
        s.ckestadual = s.ckinter = s.ckinter3 = 0;
        s.ckcopa = e.copa ? 1 : 0;
        s.paisprincipal = kPersonalizado;
        TLiga l = novaliga(kPersonalizado);
        l.temhumano = 1;
        m.ligas.push_back(l);
    } else {
        const int principal = paisprincipal(e.paises);
        s.paisprincipal = principal;
        s.ckcopa = e.copa ? 1 : 0;
        s.ckestadual = (e.estaduais && principal == kBrasil) ? 1 : 0;
        s.ckinter = e.inter ? 1 : 0;
        s.ckinter3 = (e.inter3 && e.inter) ? 1 : 0;
        s.ckcopamundo = e.copamundo ? 1 : 0;
        s.ckeurocopa = e.eurocopa ? 1 : 0;
        s.ckcopaamerica = e.copaamerica ? 1 : 0;
        for (auto [competicao, ligado] : {std::pair<int, uint8_t*>{kCopaMundo, &s.ckcopamundo},
                                          {kEurocopa, &s.ckeurocopa}, {kCopaAmerica, &s.ckcopaamerica}}) {
            if (!*ligado) continue;
            const std::string falta = faltaselecoes(competicao, p.selecoes);
            if (falta.empty()) continue;
            *ligado = 0;
            if (avisos) avisos->push_back(falta);
        }
        for (int pais : e.paises) m.ligas.push_back(novaliga(pais));
    }
    s.nomeliga.define(nomeliga(s.paisprincipal));
    s.nomecopa.define(nomecopa(s.paisprincipal));

    m.times.clear();
    s.numclubesliga = 0;
    s.numclubesextras = 0;
    p.arquivos.clear();
    p.composicao.clear();
    for (size_t i = 0; i < m.ligas.size(); ++i) montaliga(m, p, static_cast<int>(i), m.ligas[i].pais);
    return {};
}

}  // namespace tarvello
