#include "season/evolucao.h"

#include "model/mundo.h"
#include "model/registros.h"

namespace tarvello {

namespace {

bool formato20(const Mundo& m) { return m.estado.sistemadisputa == 2; }
bool formato10(const Mundo& m) { return m.estado.sistemadisputa == 4; }

// Divisor of the growth step: the bigger the season, the smaller each round's share.
int divisorcrescimento(const Mundo& m, const TTime& t) {
    const bool forte = !t.humano && t.nivel >= 21;
    const bool bom = !t.humano && t.nivel >= 19 && t.nivel <= 20;
    const int coluna = forte ? 0 : (bom ? 1 : 2);
    static constexpr int kTabela[4][3] = {{35, 37, 43}, {22, 24, 25}, {28, 30, 35}, {15, 18, 20}};
    const bool estaduais = m.estado.ckestadual != 0;
    const int linha = formato20(m) ? (estaduais ? 0 : 2) : (estaduais ? 1 : 3);
    return kTabela[linha][coluna];
}

// Growth numerator by age and club level.
int fatoridade(int idade, int nivel) {
    if (idade < 17) return 0;
    const int c = nivel >= 18 ? 0 : (nivel >= 15 ? 1 : (nivel >= 11 ? 2 : 3));
    static constexpr int kTabela[][4] = {
        {11, 10, 9, 4},  // 17
        {10, 9, 8, 3},   // 18
        {9, 7, 7, 2},    // 19
        {8, 6, 6, 1},    // 20
        {7, 6, 6, 1},    // 21
        {6, 6, 6, 1},    // 22
        {5, 6, 6, 1},    // 23, 24
        {5, 5, 6, 1},    // 25
        {5, 5, 5, 1},    // 26..28
        {4, 5, 5, 1},    // 29..31
    };
    int linha;
    if (idade <= 22) linha = idade - 17;
    else if (idade <= 24) linha = 6;
    else if (idade == 25) linha = 7;
    else if (idade <= 28) linha = 8;
    else linha = 9;
    return kTabela[linha][c];
}

float crescimento(const Mundo& m, const TJogador& j, const TTime& t) {
    float passo = static_cast<float>(fatoridade(j.idade, t.nivel)) / static_cast<float>(divisorcrescimento(m, t));
    if (j.moral == 3) passo += 0.01f;
    if (j.forca >= 71) passo -= 0.05f;
    else if (j.forca >= 51) passo -= 0.04f;
    else if (j.forca >= 41) passo -= 0.03f;
    else if (j.forca >= 30) passo -= 0.02f;
    return passo <= 0 ? 0.01f : passo;
}

float declinio(const Mundo& m, const TJogador& j) {
    const float anos = static_cast<float>(j.idade - 31);
    float x = 0;
    if (j.forca <= 50) x = anos * 0.8f;
    else if (j.forca <= 70) x = anos * 1.2f;
    else if (j.forca <= 100) x = anos * 1.5f;
    if (x < 1) return 0;
    const bool estaduais = m.estado.ckestadual != 0;
    if (formato20(m)) return x / (estaduais ? 70.0f : 60.0f);
    if (formato10(m)) return x / (estaduais ? 50.0f : 30.0f);
    return 0;
}

}  // namespace

int tetodivisao(int divisao) {
    switch (divisao) {
        case 2: return 80;
        case 3: return 60;
        case 4: return 40;
        default: return 100;
    }
}

int pisodivisao(int divisao) {
    switch (divisao) {
        case 1: return 30;
        case 2: return 20;
        case 3: return 10;
        default: return 1;
    }
}

float passoevolucao(const Mundo& m, const TJogador& j, int time) {
    if (time < 0 || time >= static_cast<int>(m.times.size())) return 0;
    const TTime& t = m.times[static_cast<size_t>(time)];
    return j.idade <= 31 ? crescimento(m, j, t) : declinio(m, j);
}

void evoluiforca(Mundo& m, int tipo) {
    if (tipo != kLiga && tipo != kEstadual) return;
    for (size_t i = 1; i < m.jogadores.size(); ++i) {
        TJogador& j = m.jogadores[i];
        if (j.time < 0 || j.time >= static_cast<int>(m.times.size())) continue;
        const TTime& t = m.times[static_cast<size_t>(j.time)];
        if (tipo == kLiga && (t.divisao < 1 || t.divisao > 4)) continue;
        const float passo = passoevolucao(m, j, j.time);
        if (j.idade <= 31) {
            // A capped player stays where he is and stores nothing up.
            if (j.forca >= 100 || j.forca >= tetodivisao(t.divisao)) {
                if (j.evolucao > 0) j.evolucao = 0;
            } else {
                j.evolucao += passo;
                if (j.evolucao >= 1) {
                    j.forca += 1;
                    j.evolucao -= 1;
                }
            }
        } else if (passo > 0) {
            j.evolucao += passo;
            if (j.evolucao >= 1 && j.forca > 1) {
                // Floors hold a veteran where his division keeps him.
                if (j.forca > pisodivisao(t.divisao)) j.forca -= 1;
                j.evolucao -= 1;
            }
        }
        if (j.forca < 1) j.forca = 1;
    }
}

}  // namespace tarvello
