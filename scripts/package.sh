#!/usr/bin/env bash
# Installs what is missing, builds the Debian package in build-package/ and prints its path (the
# only line on standard output; the build's own output goes to standard error).
set -euo pipefail
cd "$(dirname "$0")/.."

{
    scripts/deps.sh
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLOWDECK_TESTS=OFF \
        -DGLOWDECK_BENCH=OFF
    cmake --build build-package
    rm -f build-package/glowdeck_*.deb
    (cd build-package && cpack -G DEB)
} >&2
ls build-package/glowdeck_*.deb
