#!/usr/bin/env bash
# Installs what is missing, builds everything (warnings are errors) and runs every test. The
# build goes to $GLOWDECK_BUILD_DIR, default build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${GLOWDECK_BUILD_DIR:-build}

scripts/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLOWDECK_WERROR=ON
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 600
# Tests that need a private network namespace skip where none can be made: say why.
grep -h "^SKIPPED:" "$build/Testing/Temporary/LastTest.log" | sort -u || true
