#!/usr/bin/env bash
# tools/screenshot.sh [FOLDER]: saves one PNG picture per window of the program into
# FOLDER (default screenshots/), each window filled with sample data.
# Uses the build in build/ (or in $BUILD_DIR) and brings the lumashots program up to
# date there. The windows are drawn on Qt's offscreen platform, so no display, Xvfb
# or window manager is needed.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
OUT="${1:-screenshots}"

if [ ! -f "$BUILD/build.ninja" ] && [ ! -f "$BUILD/Makefile" ]; then
  echo "No hay compilación en $BUILD (cmake -S $ROOT -B $BUILD -G Ninja)" >&2
  exit 1
fi
cmake --build "$BUILD" --target lumashots --parallel 2 >/dev/null

mkdir -p "$OUT"
QT_QPA_PLATFORM=offscreen "$BUILD/bin/lumashots" "$OUT"
