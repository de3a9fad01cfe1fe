#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; then once more under
# AddressSanitizer and UndefinedBehaviorSanitizer (core and headless tool only).
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
echo "Todos os testes passaram."
