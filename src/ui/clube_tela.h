#pragma once
// Clubs and players as the game's windows show them: names, club colours, crests; and the
// small helpers of the windows' grids and pauses.
#include <QColor>
#include <QStringList>
#include <cstdint>
#include <QPixmap>
#include <QString>
#include <string_view>
#include <vector>

class QLabel;
class QTableWidget;

namespace tarvello {

struct Mundo;
class CacheEscudos;

inline QString qtexto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

// Name of a club or a player; empty for an unknown index.
QString nomeclube(const Mundo& m, int time);
QString nomejogador(const Mundo& m, int jogador);

// Colours are stored as the Windows colour references of the team files (0x00BBGGRR).
QColor correferencia(int32_t cor);
// The club's text colour when it reads well on its background, else black or white, whichever
// stands out more.
QColor cortextolegivel(const QColor& fundo, const QColor& texto);
// A label drawn on the club's colours.
void pintaclube(QLabel* rotulo, const Mundo& m, int time);

// The club's crest from the working folder, scaled to `altura`; null when there is none. A
// window showing many crests passes its own cache.
QPixmap escudoclube(const Mundo& m, int time, int altura);
QPixmap escudopixmap(CacheEscudos& escudos, const Mundo& m, int time, int altura);

// Milliseconds of a timed pause of a window: `ms` times `ritmo` (1 in the game; tests speed the
// windows up with a small factor), at least 1.
int pausa(int ms, double ritmo);

// A read-only grid with the game's alternating row colours.
void preparagrade(QTableWidget* grade, const QStringList& colunas);
void pintalinhas(QTableWidget* grade);

// While alive, the grid's columns keep their widths, so filling thousands of cells does not
// measure every column again after each one; on destruction the columns size as before.
class PreenchimentoGrade {
public:
    explicit PreenchimentoGrade(QTableWidget* grade);
    ~PreenchimentoGrade();
    PreenchimentoGrade(const PreenchimentoGrade&) = delete;
    PreenchimentoGrade& operator=(const PreenchimentoGrade&) = delete;

private:
    QTableWidget* grade_;
    std::vector<int> modos_;
};

}  // namespace tarvello
