#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DLUMA_BUILD_TESTS=OFF -DLUMA_BUILD_BENCH=OFF
# Until the desktop program exists, the command-line front end is the program.
exec build/bin/lumatool version
