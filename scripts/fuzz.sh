#!/usr/bin/env bash
# Fuzzes a reader with libFuzzer for a while (default 180 s), starting from a corpus of real
# files written by the game itself.
#   scripts/fuzz.sh [segundos] [tarefas] [alvo]
# Targets: fuzz_arquivos (club and national-team files, the default), fuzz_jogosalvo (saved
# games), fuzz_opcoes (the options file). Needs clang with libFuzzer. Findings (inputs that
# break a promise) land in build-fuzz/achados-<alvo>/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-180}"
tarefas="${2:-1}"
alvo="${3:-fuzz_arquivos}"
pasta="$raiz/build-fuzz"

CC=clang CXX=clang++ cmake -S "$raiz" -B "$pasta" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_FUZZ=ON \
    -DTARVELLO_TELAS=OFF -DTARVELLO_TESTES=OFF -DTARVELLO_BENCH=OFF >/dev/null
cmake --build "$pasta" -j2 --target "$alvo" tarvello-cli

corpus="$pasta/corpus-$alvo"
if [ ! -d "$corpus" ]; then
    mundo="$(mktemp -d)"
    "$pasta/tarvello-cli" gerar-base --destino "$mundo" --semente 11 >/dev/null
    mkdir -p "$corpus"
    case "$alvo" in
    fuzz_arquivos)
        # A few dozen club files and every national-team file of a sample world.
        ls "$mundo"/teams/*.b08 | head -n 60 | xargs -I{} cp {} "$corpus/"
        cp "$mundo"/teams/selecoes/*.s05 "$corpus/" ;;
    fuzz_jogosalvo)
        # Real saves: right after the start, and in the middle of a season with a human club.
        "$pasta/tarvello-cli" simular --dados "$mundo" --ligas 29 --datas 1 --salvar "$corpus/inicio.s08" >/dev/null 2>&1
        "$pasta/tarvello-cli" simular --dados "$mundo" --ligas 29,11 --estaduais --sistema 20 --datas 30 \
            --salvar "$corpus/meio.s08" >/dev/null 2>&1 ;;
    fuzz_opcoes)
        printf '[opcoes]\nopvelocidade=3\nopnhvelocidade=6\nopsalvar=1\nopemails=2\nopsom=0\n' >"$corpus/a.ini"
        printf '[opcoes]\ncor0=$00499494\ncor1=clSilver\ncor2=8503488\ncor3=10736081\ncor4=12377822\nopcornalista=1\n' >"$corpus/b.ini"
        printf '; comentário\n[outra]\nx=1\n\n[OPCOES]\n opintervalo = 0 \nop_verpenalty=1\nopescalacao=1\n' >"$corpus/c.ini" ;;
    esac
    rm -rf "$mundo"
fi
achados="$pasta/achados-$alvo"
mkdir -p "$achados"
# New inputs go to a scratch folder emptied at each run: saved games are megabytes each, and a
# kept corpus would grow by hundreds of them.
novos="$pasta/novos-$alvo"
rm -rf "$novos"
mkdir -p "$novos"
cd "$pasta"
paralelo=()
if [ "$tarefas" -gt 1 ]; then paralelo=(-fork="$tarefas"); fi
ASAN_OPTIONS=detect_leaks=0 "./$alvo" -max_total_time="$segundos" "${paralelo[@]}" -rss_limit_mb=4096 \
    -max_len=16777216 -artifact_prefix="$achados/" -print_final_stats=1 "$novos" "$corpus"
