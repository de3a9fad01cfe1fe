#include "match/arbitros.h"

#include <array>

namespace tarvello {
namespace {
// 25 Brazilian referees (country 29), then 17 of country 1.
constexpr std::array<TArbitro, kNumArbitros> kArbitros = {{
    {"Anselmo Ribas", 5, 4, 29},     {"Belmiro Cordeiro", 4, 3, 29}, {"Caio Valadares", 3, 5, 29},
    {"Dorival Saraiva", 5, 2, 29},   {"Edmar Quintela", 4, 4, 29},   {"Fábio Tavora", 3, 3, 29},
    {"Gervásio Nunes", 5, 5, 29},    {"Hélio Amaral", 4, 2, 29},     {"Ivo Prates", 3, 4, 29},
    {"Jurandir Falcão", 5, 3, 29},   {"Leôncio Brás", 4, 5, 29},     {"Mauro Siqueira", 3, 2, 29},
    {"Nélson Arruda", 5, 4, 29},     {"Otacílio Reis", 4, 3, 29},    {"Plínio Godoy", 3, 5, 29},
    {"Quirino Macedo", 5, 2, 29},    {"Rogério Lins", 4, 4, 29},     {"Saulo Peixoto", 3, 3, 29},
    {"Tarcísio Bueno", 5, 5, 29},    {"Ubiratan Leal", 4, 2, 29},    {"Valdir Coutinho", 3, 4, 29},
    {"Wanderley Paes", 5, 3, 29},    {"Xisto Moreira", 4, 5, 29},    {"Zacarias Lobo", 3, 2, 29},
    {"Amâncio Duarte", 4, 3, 29},
    {"Pieter van Rooyen", 5, 4, 1},  {"Sipho Mabena", 4, 3, 1},      {"Johan Kruger", 3, 5, 1},
    {"Thabo Nkosi", 5, 2, 1},        {"Willem Botha", 4, 4, 1},      {"Lungile Dube", 3, 3, 1},
    {"Andries Visser", 5, 5, 1},     {"Bongani Zulu", 4, 2, 1},      {"Hendrik Pretorius", 3, 4, 1},
    {"Mandla Khumalo", 5, 3, 1},     {"Gerrit Steyn", 4, 5, 1},      {"Themba Mokoena", 3, 2, 1},
    {"Jacobus Venter", 5, 4, 1},     {"Kagiso Molefe", 4, 3, 1},     {"Frikkie du Toit", 3, 5, 1},
    {"Sizwe Ndlovu", 4, 2, 1},       {"Danie Coetzee", 3, 4, 1},
}};
}  // namespace

const TArbitro* arbitro(int numero) {
    if (numero < 1 || numero > kNumArbitros) return nullptr;
    return &kArbitros[numero - 1];
}

}  // namespace tarvello
