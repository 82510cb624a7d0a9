#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build
ctest --test-dir build --output-on-failure --timeout 600
# Tests that need a private network namespace skip where none can be made: say why.
grep -h "^SKIPPED:" build/Testing/Temporary/LastTest.log | sort -u || true
