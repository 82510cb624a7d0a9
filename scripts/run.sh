#!/usr/bin/env bash
# Installs what is missing, builds Glowdeck and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLOWDECK_TESTS=OFF \
    -DGLOWDECK_BENCH=OFF -DGLOWDECK_WERROR=OFF
cmake --build build-release --target glowdeck
exec build-release/src/shell/glowdeck "$@"
