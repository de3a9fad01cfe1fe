#!/usr/bin/env bash
# Installs what is missing, builds, writes the sample world when there is none, starts the game.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
"$raiz/scripts/dependencias.sh"
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=Release -DTARVELLO_TESTES=OFF -DTARVELLO_BENCH=OFF >/dev/null
cmake --build "$raiz/build" -j"$(nproc)" --target tarvello tarvello-cli
dados="${TARVELLO_DADOS:-$raiz/jogo}"
mkdir -p "$dados"
if ! ls "$dados"/teams/*.b08 >/dev/null 2>&1; then
  echo "Gerando o mundo de exemplo em $dados ..."
  "$raiz/build/tarvello-cli" gerar-base --destino "$dados"
fi
cd "$dados"
exec "$raiz/build/tarvello" "$@"
