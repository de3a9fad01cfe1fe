#include "model/tipos.h"

namespace tarvello {

const std::array<std::string_view, kNumPaises> kPaises = {
    "Afeganistão", "Africa do Sul", "Albânia", "Alemanha",
    "Andorra", "Angola", "Anguilla", "Antigua",
    "Antilhas Holandesas", "Arábia Saudita", "Argelia", "Argentina",
    "Armenia", "Aruba", "Austrália", "Austria",
    "Azerbaidjão", "Bahamas", "Bahrain ", "Bangladesch",
    "Barbados", "Bélgica", "Belize", "Benin",
    "Bermudas", "Bielo Russia", "Bolivia", "Bosnia",
    "Botsuana", "Brasil", "Brunei", "Bulgaria",
    "Burkina Faso", "Burundi", "Butão", "Cabo Verde",
    "Camarões", "Camboja", "Canadá", "Catar",
    "Cazaquistão", "Chade", "Chile", "China",
    "Chipre", "Cingapura", "Colômbia", "Congo",
    "Coréia do Norte", "Coréia do Sul", "Costa do Marfim", "Costa Rica",
    "Croacia", "Cuba", "Dinamarca", "Djibuti",
    "Dominica", "Egito", "El Salvador", "Emirados Árabes",
    "Equador", "Eritréia", "Escócia", "Eslováquia",
    "Eslovenia", "Espanha", "Estonia", "Etiópia",
    "EUA", "Fiji", "Finlândia", "Filipinas",
    "França", "Gabão", "Gâmbia", "Gana",
    "Georgia", "Granada", "Grécia", "Guatemala",
    "Guiana", "Guiné", "Guiné-Bissau", "Guiné Equatorial",
    "Haiti", "Holanda", "Honduras", "Hong Kong",
    "Hungria", "Iêmen", "Ilhas Cayman", "Ilhas Cook",
    "Ilhas Faroe", "Ilhas Salomão", "Ilhas Virgens Britânicas", "Índia",
    "Indonésia", "Inglaterra", "Irã", "Iraque",
    "Irlanda", "Irlanda do Norte", "Islândia", "Israel",
    "Itália", "Montenegro", "Jamaica", "Japão",
    "Jordânia", "Kênia", "Kosovo", "Kwait",
    "Laos", "Lesoto", "Letônia", "Libano",
    "Líbia", "Libéria", "Liechenstein", "Lituânia",
    "Luxemburgo", "Macau", "Macedônia", "Madagascar",
    "Malásia", "Malawi", "Maldivas", "Mali",
    "Malta", "Marrocos", "Mauritânia", "México",
    "Mianmar", "Moçambique", "Moldávia", "Mônaco",
    "Mongolia", "Namíbia", "Nepal", "Nicaragua",
    "Níger", "Nigéria", "Noruega", "Nova Zelândia",
    "Omã", "País de Gales", "Palestina", "Panamá",
    "Papua Nova Guiné", "Paquistão", "Paraguai", "Peru",
    "Polônia", "Porto Rico", "Portugal", "Quirquistão",
    "Rep. Centro-Africana", "Rep. Dem. Congo", "Rep. Dominicana", "Rep. Tcheca",
    "Romênia", "Ruanda", "Rússia", "Samoa",
    "San Marino", "Santa Lúcia", "São Cristovão e Neves", "São Tomé e Príncipe",
    "São Vicente e Granadinas", "Senegal", "Serra Leoa", "Sérvia",
    "Seychelles", "Singapura", "Síria", "Somália",
    "Sri Lanka", "Suazilândia", "Sudão", "Suécia",
    "Suiça", "Suriname", "Tadjquistão", "Tailândia",
    "Taiti", "Taiwan", "Tânzania", "Togo",
    "Tonga", "Trinidad e Tobago", "Tunísia", "Turcomenistão",
    "Turquia", "Ucrânia", "Uganda", "Uruguai",
    "Uzbesquistão", "Vanuatu", "Venezuela", "Vietnã",
    "Zâmbia", "Zimbabue", "Personalizado",
};
const std::array<std::string_view, kNumEstados> kSiglasEstados = {
    "AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
    "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

const std::array<std::string_view, kNumEstados> kAdjetivosEstados = {
    "Acreano",     "Alagoano",  "Amazonense", "Amapaense",  "Baiano",     "Cearense",
    "Brasiliense", "Capixaba",  "Goiano",     "Maranhense", "Mineiro",    "Sul-matogrossense",
    "Matogrossense", "Paraense", "Paraibano", "Pernambucano", "Piauiense", "Paranaense",
    "Carioca",     "Potiguar",  "Rondonense", "Roraimense", "Gaúcho",     "Catarinense",
    "Sergipano",   "Paulista",  "Tocantinense"};

const std::array<std::string_view, kNumPosicoes> kPosicoes = {"Goleiro", "Lateral", "Zagueiro",
                                                              "Meio Campo", "Atacante"};

const std::array<std::string_view, kNumHabilidades> kHabilidades = {
    "Colocação", "Def. penalti", "Reflexo",  "Saída gol",   "Armação", "Cabeceio",    "Cruzamento",
    "Desarme",   "Drible",       "Finalização", "Marcação", "Passe",   "Resistência", "Velocidade"};

const std::array<std::string_view, kNumHabilidades> kSiglasHabilidades = {
    "Col", "Def", "Ref", "Sai", "Arm", "Cab", "Cru", "Des", "Dri", "Fin", "Mar", "Pas", "Res", "Vel"};

const std::array<std::array<std::string_view, 5>, kNumPosicoes> kFuncoes = {{
    {"Normal", "Normal", "Normal", "Normal", ""},
    {"Defensivo", "Ofensivo", "Ala", "n/a", ""},
    {"Normal", "Líbero", "Normal", "n/a", ""},
    {"Volante", "Ofensivo", "Ala", "n/a", ""},
    {"Recuado", "Pelo meio", "Pela ponta", "n/a", ""},
}};

const std::array<TSedeCopa, 11> kSedesCopa = {{
    {1, {"Joanesburgo", "Durban", "Cape Town", "Pretoria", "Nelspruit", "Port Elizabeth", "Polokwane", "Bloemfontein"}},
    {29, {"Rio de Janeiro", "São Paulo", "Belo Horizonte", "Curitiba", "Fortaleza", "Porto Alegre", "Manaus", "Goiânia"}},
    {97, {"Londres", "Liverpool", "Manchester", "Notthingam", "Leeds", "Coventry", "Sheffield", "Bristol"}},
    {11, {"Buenos Aires", "Córdoba", "Mar del Plata", "Mendoza", "Rosário", "La Plata", "Santa Fé", "Almagro"}},
    {65, {"Madrid", "Sevilha", "Valencia", "Vigo", "Málaga", "Valladolid", "Barcelona", "Gijón"}},
    {131, {"Cid. México", "Guadalajara", "Monterrey", "Laguna", "Puebla", "León", "Irapuato", "Queretaro"}},
    {104, {"Roma", "Milão", "Turim", "Bologna", "Cagliari", "Gênoa", "Florença", "Udine"}},
    {154, {"Lisboa", "Porto", "Coimbra", "Setúbal", "Aveiro", "Faro", "Braga", "Viseu"}},
    {107, {"Yokohama", "Osaka", "Kobe", "Oita", "Tóquio", "Shizuoka", "Niigata", "Sapporo"}},
    {72, {"Paris", "Marseille", "Auxerre", "Lyon", "Nantes", "Nice", "Bourdeaux", "Montpellier"}},
    {3, {"Berlim", "Munique", "Hamburgo", "Dortmund", "Frankfurt", "Hannover", "Leipzig", "Nuremberg"}},
}};

std::string_view nomepais(int p) { return paisvalido(p) ? kPaises[p] : std::string_view{}; }
std::string_view siglaestado(int e) { return estadovalido(e) ? kSiglasEstados[e] : std::string_view{}; }
std::string_view adjetivoestado(int e) { return estadovalido(e) ? kAdjetivosEstados[e] : std::string_view{}; }
std::string_view nomeposicao(int p) { return posicaovalida(p) ? kPosicoes[p] : std::string_view{}; }
char letraposicao(int p) { return posicaovalida(p) ? kPosicoes[p][0] : ' '; }
std::string_view nomehabilidade(int h) { return habilidadevalida(h) ? kHabilidades[h] : std::string_view{}; }
std::string_view siglahabilidade(int h) { return habilidadevalida(h) ? kSiglasHabilidades[h] : std::string_view{}; }
std::string_view nomefuncao(int posicao, int funcao) {
    if (!posicaovalida(posicao) || funcao < 0 || funcao >= 5) return {};
    return kFuncoes[posicao][funcao];
}
const TSedeCopa* sedecopa(int pais) {
    for (const auto& s : kSedesCopa)
        if (s.pais == pais) return &s;
    return nullptr;
}

}  // namespace tarvello
