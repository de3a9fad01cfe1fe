#pragma once
// The four match sounds and when they play: a human-run club's goal, a penalty a human-run club
// takes or faces, a human-run club's injury, and the end of a watched match-day screen. Only
// matches watched minute by minute make sounds, and only with the option `som` on. Playing them
// belongs to the screens; the core only says which.
#include <cstddef>
#include <string_view>
#include <vector>

namespace tarvello {

struct Mundo;

enum class Som { Gol, Penalti, Contusao, FimJogo };
inline constexpr Som kSons[] = {Som::Gol, Som::Penalti, Som::Contusao, Som::FimJogo};

// "gol", "penalty", "contusao", "fimjogo".
std::string_view aliassom(Som s);
// The file under the data folder: "sons/gol1.wav", "sons/penalty.wav", ...
std::string_view arquivosom(Som s);

// Sounds are wanted: the option is on and the matches are not being played instantly.
bool somligado(const Mundo& m);
// The sounds of the events logged from `desde` on (goals and injuries of human-run clubs), in
// order; none when `somligado` is false.
std::vector<Som> sonsdoseventos(const Mundo& m, size_t desde);

}  // namespace tarvello
