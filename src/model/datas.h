#pragma once
// Dates are day numbers counted from 30 December 1899 (day 0); any fraction is ignored.
#include <string>

namespace tarvello {

struct TDataCivil {
    int ano;
    int mes;  // 1..12
    int dia;  // 1..31
};

double codificadata(int ano, int mes, int dia);
TDataCivil decodificadata(double data);
// 1 = Sunday .. 7 = Saturday.
int diadasemana(double data);
// "2008-01-27"
std::string textodata(double data);

}  // namespace tarvello
