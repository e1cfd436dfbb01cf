#!/usr/bin/env bash
# Builds the tool and runs the whole test suite. Usage: scripts/test.sh [dev|asan]  (default: dev)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
bash scripts/deps.sh test
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
