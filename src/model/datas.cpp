#include "model/datas.h"

#include <cmath>
#include <cstdio>

namespace tarvello {
namespace {

// Days from 1970-01-01 (civil calendar, proleptic Gregorian).
long diasdesde1970(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

constexpr long kDia0 = -25569;  // 1899-12-30 counted from 1970-01-01

}  // namespace

double codificadata(int ano, int mes, int dia) {
    return static_cast<double>(diasdesde1970(ano, static_cast<unsigned>(mes), static_cast<unsigned>(dia)) - kDia0);
}

TDataCivil decodificadata(double data) {
    long z = static_cast<long>(std::trunc(data)) + kDia0 + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int diadasemana(double data) {
    // Day 0 (30 December 1899) was a Saturday.
    long n = static_cast<long>(std::trunc(data));
    long r = ((n % 7) + 7) % 7;  // 0 = Saturday
    return static_cast<int>((r + 6) % 7) + 1;
}


std::string textodata(double data) {
    const TDataCivil c = decodificadata(data);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.ano, c.mes, c.dia);
    return buf;
}

}  // namespace tarvello
