#include "competitions/selecoestorneios.h"

#include <algorithm>

#include "database/arquivos.h"
#include "model/registros.h"
#include "model/tipos.h"

namespace tarvello {

const std::array<int, 11> kSedesCopaMundo = {1, 29, 65, 11, 104, 131, 97, 154, 107, 72, 3};
const std::array<int, 13> kPaisesCopaAmerica = {46, 151, 26, 198, 11, 131, 195, 60, 29, 150, 51, 42, 68};
const std::array<int, 24> kPaisesEurocopa = {3,  97,  65,  104, 72,  85, 154, 159, 78,  162, 179, 192,
                                             152, 193, 54, 52,  160, 142, 171, 31, 63,  180, 21,  100};

const std::array<int, 7> kSedesCopaAmerica = {198, 11, 42, 195, 150, 29, 46};
const std::array<int, 7> kSedesEurocopa = {15, 154, 97, 3, 65, 104, 72};

namespace {

// Four venue cities per Copa América and Eurocopa host, in host-table order.
constexpr const char* kCidadesCopaAmerica[7][4] = {
    {"Caracas", "Maracaibo", "San Cristóbal", "Puerto Ordaz"},
    {"Buenos Aires", "Córdoba", "Mendoza", "Rosário"},
    {"Santiago", "Valparaíso", "Concepción", "Temuco"},
    {"Montevidéu", "Maldonado", "Paysandú", "Rivera"},
    {"Assunção", "Ciudad del Este", "Encarnación", "Luque"},
    {"Rio de Janeiro", "São Paulo", "Belo Horizonte", "Porto Alegre"},
    {"Bogotá", "Medellín", "Cali", "Barranquilla"},
};
constexpr const char* kCidadesEurocopa[7][4] = {
    {"Viena", "Salzburgo", "Innsbruck", "Klagenfurt"},
    {"Lisboa", "Porto", "Coimbra", "Braga"},
    {"Londres", "Manchester", "Liverpool", "Birmingham"},
    {"Berlim", "Munique", "Hamburgo", "Dortmund"},
    {"Madrid", "Barcelona", "Sevilha", "Valencia"},
    {"Roma", "Milão", "Turim", "Nápoles"},
    {"Paris", "Marseille", "Lyon", "Bordeaux"},
};

constexpr const char* kNomesConfederacao[] = {"Europa", "América do Sul", "África", "Ásia",
                                              "Américas do Norte e Central", "Oceania"};

std::vector<bool> presentes(const std::vector<TSelecao>& selecoes) {
    std::vector<bool> v(kPersonalizado, false);
    for (const TSelecao& s : selecoes)
        if (s.valido && s.pais >= 0 && s.pais < kPersonalizado) v[static_cast<size_t>(s.pais)] = true;
    return v;
}

template <size_t N>
std::string faltafixas(const std::array<int, N>& paises, const std::vector<bool>& tem, const char* torneio) {
    std::string faltam;
    for (int p : paises)
        if (!tem[static_cast<size_t>(p)]) faltam += (faltam.empty() ? "" : ", ") + std::string(nomepais(p));
    if (faltam.empty()) return {};
    return std::string("Faltam seleções jogáveis para a ") + torneio + " (" + faltam +
           "): ela não será disputada neste jogo.";
}

// The world cup takes a quota of each confederation, the host apart; the quotas of South
// America (4 or 5) and Oceania (1 or 0) are drawn, so both have to be possible for every host.
std::string faltacopamundo(const std::vector<bool>& tem) {
    std::array<int, 6> porconf{};
    for (size_t p = 0; p < tem.size(); ++p)
        if (tem[p]) ++porconf[static_cast<size_t>(confederacao(static_cast<int>(p), true))];
    std::array<int, 6> precisa{};  // the most each confederation must give, over hosts and draws
    for (int sede : kSedesCopaMundo) {
        const bool sedetem = tem[static_cast<size_t>(sede)];
        std::array<int, 6> cota = {sedetem ? 13 : 14, 5, 5, 5, 3, 1};
        if (sedetem) ++cota[static_cast<size_t>(confederacao(sede, true))];  // the host is counted apart
        for (size_t c = 0; c < 6; ++c) precisa[c] = std::max(precisa[c], cota[c]);
    }
    std::string faltam;
    for (size_t c = 0; c < 6; ++c)
        if (porconf[c] < precisa[c])
            faltam += (faltam.empty() ? "" : ", ") + std::string(kNomesConfederacao[c]) + " " +
                      std::to_string(porconf[c]) + " de " + std::to_string(precisa[c]);
    if (faltam.empty()) return {};
    return "Faltam seleções jogáveis para a Copa do Mundo (" + faltam + "): ela não será disputada neste jogo.";
}

}  // namespace

int paissede(int competicao, int sede) {
    if (competicao == kCopaMundo)
        return sede >= 1 && sede <= static_cast<int>(kSedesCopaMundo.size()) ? kSedesCopaMundo[static_cast<size_t>(sede - 1)] : -1;
    const auto& tabela = competicao == kCopaAmerica ? kSedesCopaAmerica : kSedesEurocopa;
    return sede >= 1 && sede <= 7 ? tabela[static_cast<size_t>(sede - 1)] : -1;
}

std::vector<std::string> cidadessede(int competicao, int sede) {
    std::vector<std::string> r;
    if (competicao == kCopaMundo) {
        if (const TSedeCopa* s = sedecopa(paissede(competicao, sede)))
            for (std::string_view c : s->cidades) r.emplace_back(c);
        return r;
    }
    if (sede < 1 || sede > 7 || (competicao != kCopaAmerica && competicao != kEurocopa)) return r;
    const auto& tabela = competicao == kCopaAmerica ? kCidadesCopaAmerica : kCidadesEurocopa;
    for (const char* c : tabela[sede - 1]) r.emplace_back(c);
    return r;
}

std::string faltaselecoes(int competicao, const std::vector<TSelecao>& selecoes) {
    const std::vector<bool> tem = presentes(selecoes);
    switch (competicao) {
        case kCopaMundo: return faltacopamundo(tem);
        case kCopaAmerica: return faltafixas(kPaisesCopaAmerica, tem, "Copa América");
        case kEurocopa: return faltafixas(kPaisesEurocopa, tem, "Eurocopa");
        default: return {};
    }
}

}  // namespace tarvello
