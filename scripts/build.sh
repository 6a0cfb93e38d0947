#!/usr/bin/env bash
# Configures and builds into a build folder: build.sh BUILD_DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$1"; shift
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja "$@"
else
  cmake "$dir" "$@" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
