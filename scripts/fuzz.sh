#!/usr/bin/env bash
# Fuzzes the team-file readers with libFuzzer for a while (default 180 s), starting from a corpus
# of real club and national-team files written by the sample-world generator.
#   scripts/fuzz.sh [segundos] [tarefas]
# Needs clang with libFuzzer. Findings (inputs that break a promise) land in build-fuzz/achados/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-180}"
tarefas="${2:-1}"
pasta="$raiz/build-fuzz"

CC=clang CXX=clang++ cmake -S "$raiz" -B "$pasta" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_FUZZ=ON \
    -DTARVELLO_TELAS=OFF -DTARVELLO_TESTES=OFF -DTARVELLO_BENCH=OFF >/dev/null
cmake --build "$pasta" -j2 --target fuzz_arquivos tarvello-cli

# The corpus: a few dozen club files and every national-team file of a sample world.
if [ ! -d "$pasta/corpus" ]; then
    mundo="$(mktemp -d)"
    "$pasta/tarvello-cli" gerar-base --destino "$mundo" --semente 11 >/dev/null
    mkdir -p "$pasta/corpus"
    ls "$mundo"/teams/*.b08 | head -n 60 | xargs -I{} cp {} "$pasta/corpus/"
    cp "$mundo"/teams/selecoes/*.s05 "$pasta/corpus/"
    rm -rf "$mundo"
fi
mkdir -p "$pasta/achados"
cd "$pasta"
paralelo=()
if [ "$tarefas" -gt 1 ]; then paralelo=(-fork="$tarefas"); fi
ASAN_OPTIONS=detect_leaks=0 ./fuzz_arquivos -max_total_time="$segundos" "${paralelo[@]}" \
    -artifact_prefix=achados/ -print_final_stats=1 corpus
