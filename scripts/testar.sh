#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; then once more under
# AddressSanitizer and UndefinedBehaviorSanitizer (core and headless tool only); then a short
# fuzzing run of the saved-game and options readers when clang is installed.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/dependencias.sh"
jobs="$(nproc)"

cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$jobs"
(cd "$raiz/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S "$raiz" -B "$raiz/build-san" -DCMAKE_BUILD_TYPE=Debug -DTARVELLO_SANITIZADORES=ON \
      -DTARVELLO_TELAS=OFF -DTARVELLO_BENCH=OFF >/dev/null
cmake --build "$raiz/build-san" -j"$jobs"
(cd "$raiz/build-san" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
   UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j"$jobs")

# The saved-game and options readers under libFuzzer for a short while, from real saves and
# options files (only where clang is installed; scripts/fuzz.sh runs any target for longer).
if command -v clang++ >/dev/null 2>&1; then
  for alvo in fuzz_jogosalvo fuzz_opcoes; do
    "$raiz/scripts/fuzz.sh" "${TARVELLO_FUZZ_SEGUNDOS:-30}" 1 "$alvo" 2>&1 | tail -n 12
  done
fi
echo "Todos os testes passaram."
