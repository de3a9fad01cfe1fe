#pragma once
// Friendlies booked by human coaches on the calendar's friendly dates: the dates offered, the
// fee a computer-run opponent asks, the booking, and the cancelling when a coach leaves.
#include <cstdint>
#include <vector>

namespace tarvello {

struct Mundo;

struct TDatasAmistoso {
    std::vector<int> datas;  // calendar date numbers 1..148 offered, in calendar order
    double limite = 0;       // last date offered
    int competicaolimite = -1;  // pre-season: 1 or 3, the competition that starts on the limit
};
// Friendly dates after today and up to the limit (pre-season: the first league or state date;
// otherwise the season's last date) on which the club has no friendly yet.
TDatasAmistoso datasamistoso(const Mundo& m, int time, bool pretemporada);

// Clubs the coach of `time` may invite: every league and extra club but his own, by name.
std::vector<int> adversariosamistoso(const Mundo& m, int time);

// The fee `adversario` asks of `time`'s coach, at `time`'s ground (`emcasa`) or away.
int32_t cotaamistoso(const Mundo& m, int time, int adversario, bool emcasa);

// Whether the club has a friendly booked on that date and not yet played.
bool temamistosonadata(const Mundo& m, int time, double data);

enum class SituacaoAmistoso { Possivel, AdversarioOcupado, SemDinheiro, Invalido };
struct TPropostaAmistoso {
    SituacaoAmistoso situacao = SituacaoAmistoso::Invalido;
    int32_t cota = 0;       // 0 between two human clubs
    bool doishumanos = false;
};
// What booking would mean, before the coach confirms.
TPropostaAmistoso propoeamistoso(const Mundo& m, int time, int adversario, int data, bool emcasa);

// Books the friendly on calendar date `data`: the fee is paid (booked as sundry spending), the
// friendly recorded and its match added to the season's list. Returns the proposal's situation;
// nothing changes unless it is `Possivel`.
SituacaoAmistoso marcaamistoso(Mundo& m, int time, int adversario, int data, bool emcasa);

// Every unplayed friendly of the club is called off (the coach who booked it left).
void cancelaamistosos(Mundo& m, int time);

// The friendlies of today are being played: marked so in the friendlies list.
void marcaamistososdehoje(Mundo& m);

}  // namespace tarvello
