#!/usr/bin/env bash
# Builds the tool and runs the whole test suite. Usage: scripts/test.sh [dev|asan|windows]  (default: dev)
# windows cross-builds the Qt-free layers with mingw-w64 and runs their suites under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
if [ "$preset" = windows ]; then
    bash scripts/deps.sh windows
else
    bash scripts/deps.sh test
fi
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
