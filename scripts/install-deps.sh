#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need; does nothing
# (quickly) when they are all present.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev libsqlite3-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Instalando: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
