#!/usr/bin/env bash
# Builds the tool and starts it. Without an attached interface it starts the device simulator first,
# so the tool finds a device to talk to.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/tavimoro-setup
