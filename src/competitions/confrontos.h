#pragma once
// The round-robin pairing tables: for a round and a match slot, which two positions of a group
// meet and who is at home. Positions are 1-based places in the ordered team list of the division
// or group; the tables know nothing of teams.
namespace tarvello {

struct TParConfronto {
    int mandante;
    int visitante;
};

// `rodada` 1..n-1, `jogo` 1..n/2. With `lado` 1 the pair comes as listed (first position at
// home); any other `lado` exchanges the two, so the second half of a season (lado 2) repeats the
// first with home and away swapped.
TParConfronto confronto20(int rodada, int lado, int jogo);
TParConfronto confronto10(int rodada, int lado, int jogo);
TParConfronto confronto6(int rodada, int lado, int jogo);
TParConfronto confronto4(int rodada, int lado, int jogo);

}  // namespace tarvello
