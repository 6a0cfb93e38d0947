#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-test -DLUMA_BUILD_TESTS=ON -DLUMA_BUILD_BENCH=ON ${LUMA_CMAKE_ARGS:-}
ctest --test-dir build-test --output-on-failure --parallel "$(nproc)" --timeout 600
