#!/usr/bin/env bash
# Installs what is missing, builds the Debian package in $GLOWDECK_BUILD_DIR (default
# build-package/) and prints its path (the only line on standard output; the build's own output
# goes to standard error). A packager's build: warnings are not errors.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${GLOWDECK_BUILD_DIR:-build-package}

{
    scripts/deps.sh
    # The prefix the package installs to, so that the private library folder is Debian's
    # (/usr/lib/<triplet>/glowdeck, which ldconfig does not look in).
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLOWDECK_TESTS=OFF \
        -DGLOWDECK_BENCH=OFF -DGLOWDECK_WERROR=OFF -DCMAKE_INSTALL_PREFIX=/usr
    cmake --build "$build"
    rm -f "$build"/glowdeck_*.deb
    (cd "$build" && cpack -G DEB)
} >&2
ls "$(pwd)/$build"/glowdeck_*.deb
