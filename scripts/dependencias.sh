#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when something is missing.
set -euo pipefail
pacotes=(g++ cmake make qt6-base-dev libgif-dev libgtest-dev libgmock-dev libbenchmark-dev
         nlohmann-json3-dev libgl1-mesa-dev qt6-translations-l10n qt6-multimedia-dev qt6-charts-dev clang)
faltando=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltando+=("$p")
done
if [ ${#faltando[@]} -gt 0 ]; then
  echo "Instalando: ${faltando[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${faltando[@]}"
fi
